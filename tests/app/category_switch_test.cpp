// The nine Category switches: what each leaves on screen, in the lists and in the flags.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "app/focus_bridge.h"
#include "catalog/code_lists.h"
#include "skin/dorx_xp_button.h"
#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

using CategorySwitch = WindowTest;

QStringList items(const QComboBox* list) {
  QStringList result;
  for (int i = 0; i < list->count(); ++i) {
    result << list->itemText(i);
  }
  return result;
}

QStringList items(std::span<const std::string_view> list) {
  QStringList result;
  for (std::string_view item : list) {
    result << QString::fromUtf8(item.data(), qsizetype(item.size()));
  }
  return result;
}

TEST_F(CategorySwitch, StartUpOpensInCobol) {
  EXPECT_TRUE(window->optCobol->isChecked());
  EXPECT_EQ(items(window->cmbCode), items(catalog::cobol::codeList()));
  EXPECT_EQ(window->cmbCode->currentText(), QStringLiteral("Choose Here"));
  EXPECT_EQ(window->cmbCode->currentIndex(), -1);
  EXPECT_EQ(window->focus().current(), window->cmbCode);
  EXPECT_TRUE(window->txtCode->isVisible());
  EXPECT_TRUE(window->cmdType->isVisible());
  EXPECT_TRUE(window->Label7->isVisible());
  EXPECT_TRUE(panesEmpty());
  for (QWidget* hidden : std::initializer_list<QWidget*>{
           window->cmbDb2, window->lbldb1, window->lblims1, window->sclst, window->pclst,
           window->lstIdms1, window->lstIdms2, window->lstJcl, window->Label12}) {
    EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
  }
  EXPECT_TRUE(window->CategoryFlag.cobol);
  EXPECT_FALSE(window->CategoryFlag.jcl || window->CategoryFlag.cics || window->CategoryFlag.db2 ||
               window->CategoryFlag.mvs || window->CategoryFlag.rexx);
}

// Each switch's lists, prompt, tooltip and typed-code box, reached from two other Categories.
TEST_F(CategorySwitch, EachSwitchFillsItsListsOnceFromAnyCategory) {
  struct Case {
    QRadioButton* option;
    QStringList main;
    QString prompt;
    QString tooltip;
    bool typedBox;
  };
  const Case cases[] = {
      {window->optMvs, items(catalog::mvs::codeList()), "Choose Here", "Select the MVS Error",
       true},
      {window->optCics, items(catalog::cics::codeList()), "Choose Here", "Select the CICS Error",
       true},
      {window->optIms, items(catalog::ims::dliStatusList()), "Choose Here", "Select the IMS Error",
       false},
      {window->optDb2, items(catalog::db2::sqlErrorList()), "Choose Here", "Select the SQL Error",
       false},
      {window->optJcl, items(catalog::jcl::utilityList()), "Choose Here", "Select the JCL Error",
       false},
      {window->optRexx, items(catalog::rexx::codeList()), "Choose Here", "Select the REXX Error",
       true},
      {window->optCobol, items(catalog::cobol::codeList()), "Choose Here", "Select the COBOL Error",
       true},
  };
  for (QRadioButton* before : {window->optVsam, window->optDb2}) {
    for (const Case& c : cases) {
      if (c.option == before) {
        continue;  // an option button that is already set does not run its switch again
      }
      chooseCategory(before);
      window->txtCode->setPlainText(QStringLiteral("123"));
      fillPanes();
      chooseCategory(c.option);
      const std::string name = c.option->text().toStdString();
      EXPECT_EQ(items(window->cmbCode), c.main) << name;
      EXPECT_EQ(window->cmbCode->currentText(), c.prompt) << name;
      EXPECT_EQ(window->cmbCode->currentIndex(), -1) << name;
      EXPECT_EQ(window->cmbCode->toolTip(), c.tooltip) << name;
      EXPECT_TRUE(window->cmbCode->isEnabled() && window->cmbCode->isVisible()) << name;
      EXPECT_EQ(window->focus().current(), window->cmbCode) << name;
      EXPECT_EQ(window->txtCode->isVisible(), c.typedBox) << name;
      EXPECT_EQ(window->cmdType->isVisible(), c.typedBox) << name;
      EXPECT_TRUE(window->txtCode->toPlainText().isEmpty()) << name;
      EXPECT_TRUE(panesEmpty()) << name;
    }
  }
}

TEST_F(CategorySwitch, RepeatedSwitchesNeverDoubleTheItems) {
  for (int i = 0; i < 3; ++i) {
    chooseCategory(window->optRexx);
    chooseCategory(window->optCobol);
    window->optCobol_Click();
  }
  EXPECT_EQ(window->cmbCode->count(), 145);
  chooseCategory(window->optRexx);
  window->optRexx_Click();
  EXPECT_EQ(window->cmbCode->count(), 49);
}

TEST_F(CategorySwitch, SecondListAfterDb2AndIms) {
  chooseCategory(window->optIms);
  EXPECT_EQ(window->cmbDb2->toolTip(), QStringLiteral("Input the SQL Code"));
  EXPECT_EQ(items(window->cmbDb2), items(catalog::ims::abendCodeList()));
  EXPECT_TRUE(window->cmbDb2->currentText().isEmpty());
  EXPECT_TRUE(window->lblims1->isVisible() && window->lblims2->isVisible());

  chooseCategory(window->optDb2);
  EXPECT_TRUE(window->cmbDb2->currentText().isEmpty());  // "Or Here" is emptied by the focus move
  EXPECT_EQ(window->cmbDb2->toolTip(), QStringLiteral("Select the SQL Warning"));
  EXPECT_EQ(items(window->cmbDb2), items(catalog::db2::sqlWarningList()));
  EXPECT_TRUE(window->lbldb1->isVisible() && window->lbldb2->isVisible());

  chooseCategory(window->optIms);
  EXPECT_EQ(window->cmbDb2->toolTip(), QStringLiteral("Select the SQL Warning"));
  EXPECT_EQ(window->cmbDb2->count(), 764);

  chooseCategory(window->optMvs);
  EXPECT_FALSE(window->cmbDb2->isVisible());
  EXPECT_EQ(window->cmbDb2->count(), 764);  // hidden, not emptied
}

TEST_F(CategorySwitch, IdmsAndVsamHideTheMainCodeList) {
  chooseCategory(window->optIdms);
  EXPECT_FALSE(window->cmbCode->isVisible());
  EXPECT_FALSE(window->cmbCode->isEnabled());
  EXPECT_EQ(window->cmbCode->count(), 0);
  EXPECT_TRUE(window->cmbCode->currentText().isEmpty());
  EXPECT_TRUE(window->Label12->isVisible());
  EXPECT_FALSE(window->Label5->isVisible());
  EXPECT_EQ(window->lstIdms1->count(), 22);
  EXPECT_EQ(window->lstIdms1->currentRow(), -1);
  EXPECT_TRUE(window->lstIdms2->isVisible());
  window->lstIdms2->addItem(QStringLiteral("1401"));

  chooseCategory(window->optVsam);
  EXPECT_FALSE(window->cmbCode->isVisible());
  EXPECT_FALSE(window->Label12->isVisible());
  EXPECT_TRUE(window->Label5->isVisible());
  EXPECT_EQ(window->sclst->count(), 32);
  EXPECT_EQ(window->eclst->count(), 4);
  EXPECT_EQ(window->fclst->count(), 6);
  EXPECT_EQ(window->pclst->count(), 0);
  for (QWidget* shown :
       std::initializer_list<QWidget*>{window->sclst, window->eclst, window->fclst, window->pclst,
                                       window->sclbl, window->pclbl}) {
    EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
  }

  chooseCategory(window->optIdms);
  EXPECT_EQ(window->lstIdms1->count(), 22);
  EXPECT_EQ(window->lstIdms2->count(), 1);  // shown as it was left

  chooseCategory(window->optCobol);
  EXPECT_TRUE(window->cmbCode->isVisible() && window->cmbCode->isEnabled());
  EXPECT_EQ(window->cmbCode->currentText(), QStringLiteral("Choose Here"));
  EXPECT_FALSE(window->sclst->isVisible());
  EXPECT_TRUE(window->Label7->isVisible());
}

TEST_F(CategorySwitch, FlagsFollowTheCategoryThatShowsTheBox) {
  chooseCategory(window->optRexx);
  chooseCategory(window->optCobol);
  EXPECT_TRUE(window->CategoryFlag.cobol);
  EXPECT_TRUE(window->CategoryFlag.rexx);  // COBOL leaves it, and is tested first

  chooseCategory(window->optIms);
  EXPECT_TRUE(window->CategoryFlag.cobol);  // IMS touches no flag

  chooseCategory(window->optRexx);
  EXPECT_TRUE(window->CategoryFlag.rexx);
  EXPECT_FALSE(window->CategoryFlag.cobol || window->CategoryFlag.cics || window->CategoryFlag.mvs);

  chooseCategory(window->optCics);
  EXPECT_TRUE(window->CategoryFlag.cics && window->CategoryFlag.rexx);
  chooseCategory(window->optMvs);
  EXPECT_TRUE(window->CategoryFlag.mvs);
  EXPECT_FALSE(window->CategoryFlag.rexx || window->CategoryFlag.cics);
}

TEST_F(CategorySwitch, ASwitchWhoseOptionIsNotSetNeitherFillsNorFlags) {
  chooseCategory(window->optCobol);
  window->optCics_Click();  // the CICS option is not the one set
  EXPECT_EQ(window->cmbCode->count(), 0);
  EXPECT_EQ(window->cmbCode->currentText(), QStringLiteral("Choose Here"));
  EXPECT_TRUE(window->CategoryFlag.cobol);
  EXPECT_FALSE(window->CategoryFlag.cics);
  window->optIms_Click();  // IMS fills without asking
  EXPECT_EQ(window->cmbCode->count(), 158);
}

TEST_F(CategorySwitch, JclListIsHiddenWithItsItems) {
  chooseCategory(window->optJcl);
  EXPECT_TRUE(window->lstJcl->isVisible());
  window->lstJcl->addItems({"00", "04"});
  chooseCategory(window->optMvs);
  EXPECT_FALSE(window->lstJcl->isVisible());
  EXPECT_EQ(window->lstJcl->count(), 2);
}

}  // namespace
}  // namespace quenmar::testing
