// The IDMS, JCL and VSAM list boxes through the real widgets: picks by mouse and keyboard, the
// entries they show, the lists they rebuild, and the VSAM error code choice.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "app/focus_bridge.h"
#include "catalog/idms/idms_tables.h"
#include "catalog/jcl/utility_codes.h"
#include "skin/dorx_xp_button.h"
#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QStringList items(const QListWidget* list) {
  QStringList result;
  for (int i = 0; i < list->count(); ++i) {
    result << list->item(i)->text();
  }
  return result;
}

QString chosen(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->text();
}

// Chooses an item as the user does: one mouse click on it, scrolled into view first.
void click(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found =
      list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  list->scrollToItem(found.first());
  const QRect rect = list->visualItemRect(found.first()).intersected(list->viewport()->rect());
  ASSERT_FALSE(rect.isEmpty()) << text.toStdString();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

// Pastes into the main code list's edit field with the paste key, which its key filter lets
// through; the text changes without a pick.
void paste(QComboBox* list, const QString& text) {
  QApplication::clipboard()->setText(text);
  list->lineEdit()->selectAll();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
  QApplication::sendEvent(list, &press);
  ASSERT_EQ(list->currentText(), text);
}

QStringList entryTexts(const catalog::CodeEntry& entry) {
  return {qs(entry.reason), qs(entry.description), qs(entry.action), qs(entry.response)};
}

const QStringList kNAs = {"NA", "NA", "NA"};

// ---------------------------------------------------------------------------------------------
// IDMS

using IdmsLists = WindowTest;

const catalog::CodeEntry* idmsEntry(const QString& major, const QString& minor) {
  const QByteArray m = major.toUtf8();
  const QByteArray n = minor.toUtf8();
  for (auto table : {catalog::idms::idmspro1Table(), catalog::idms::idmspro2Table(),
                     catalog::idms::idmspro3Table(), catalog::idms::idmspro4Table(),
                     catalog::idms::idmspro5Table()}) {
    if (const catalog::CodeEntry* entry =
            catalog::idms::findStatus(table, {m.constData(), std::size_t(m.size())},
                                      {n.constData(), std::size_t(n.size())})) {
      return entry;
    }
  }
  return nullptr;
}

// Every pair reached by clicking through both lists shows that pair's own entry.
TEST_F(IdmsLists, EveryPairOfferedIsExplainedThroughTheTwoLists) {
  chooseCategory(window->optIdms);
  int pairs = 0;
  for (const QString& major : items(window->lstIdms1)) {
    click(window->lstIdms1, major);
    EXPECT_EQ(chosen(window->lstIdms2), QString()) << major.toStdString();
    EXPECT_EQ(items(window->lstIdms2).mid(0, 11),
              QStringList({"00", "01", "02", "04", "05", "06", "07", "08", "09", "10", "11"}));
    for (const QString& minor : items(window->lstIdms2)) {
      click(window->lstIdms2, minor);
      const catalog::CodeEntry* entry = idmsEntry(major, minor);
      ASSERT_NE(entry, nullptr) << major.toStdString() << "/" << minor.toStdString();
      EXPECT_EQ(panes(), entryTexts(*entry)) << major.toStdString() << "/" << minor.toStdString();
      EXPECT_EQ(panes()[2], QStringLiteral("NA"));
      ++pairs;
    }
  }
  EXPECT_EQ(pairs, 287);
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(IdmsLists, MinorListIsRebuiltForEachDmlFunctionAndThePanesWaitForAMinorCode) {
  chooseCategory(window->optIdms);
  EXPECT_TRUE(window->lstIdms2->isVisible());
  EXPECT_EQ(window->lstIdms2->count(), 0);
  click(window->lstIdms1, "14");
  EXPECT_EQ(window->lstIdms2->count(), 17);
  click(window->lstIdms2, "69");
  const QStringList bind = panes();
  EXPECT_EQ(bind[0], QStringLiteral("BIND"));

  click(window->lstIdms1, "10");
  EXPECT_EQ(items(window->lstIdms2),
            QStringList({"00", "01", "02", "04", "05", "06", "07", "08", "09", "10", "11"}));
  EXPECT_EQ(panes(), bind);
  click(window->lstIdms2, "05");
  EXPECT_EQ(panes()[0],
            QStringLiteral("Invalid Major Code. Generic Minor Code explanation is given below"));
  // Picking the chosen DML function again rebuilds its list and drops the minor code.
  click(window->lstIdms1, "10");
  EXPECT_EQ(window->lstIdms2->count(), 11);
  EXPECT_EQ(chosen(window->lstIdms2), QString());

  click(window->lstIdms1, "nn");
  EXPECT_EQ(window->lstIdms2->count(), 34);
  EXPECT_EQ(items(window->lstIdms2).last(), QStringLiteral("86"));
}

// After a return to IDMS the minor code list still offers the codes of the DML function picked
// last while no DML function is chosen; such a pick is answered by nothing, so it leaves no
// other pair's explanation in the panes.
TEST_F(IdmsLists, MinorCodePickedWithoutADmlFunctionEmptiesThePanes) {
  chooseCategory(window->optIdms);
  click(window->lstIdms1, "03");
  chooseCategory(window->optMvs);
  chooseCategory(window->optIdms);
  EXPECT_EQ(window->lstIdms1->count(), 22);
  EXPECT_EQ(chosen(window->lstIdms1), QString());
  EXPECT_EQ(window->lstIdms2->count(), 16);
  fillPanes(QStringLiteral("previous"));
  click(window->lstIdms2, "56");
  EXPECT_TRUE(panesEmpty());
}

// The first arrow key in a list that has the focus and no chosen item chooses the first item,
// and each further key picks once.
TEST_F(IdmsLists, ArrowKeysPickEveryItemTheyReachFromTheFirst) {
  chooseCategory(window->optIdms);
  window->focus().moveTo(window->lstIdms1);
  QTest::keyClick(window->lstIdms1, Qt::Key_Down);
  EXPECT_EQ(chosen(window->lstIdms1), QStringLiteral("nn"));
  EXPECT_EQ(window->lstIdms2->count(), 34);
  QTest::keyClick(window->lstIdms1, Qt::Key_Down);
  EXPECT_EQ(chosen(window->lstIdms1), QStringLiteral("00"));
  EXPECT_EQ(window->lstIdms2->count(), 11);
  window->focus().moveTo(window->lstIdms2);
  QTest::keyClick(window->lstIdms2, Qt::Key_End);
  EXPECT_EQ(chosen(window->lstIdms2), QStringLiteral("11"));
  EXPECT_EQ(panes()[3],
            QStringLiteral("Insufficient Space Time must be schedule to expand the database."));
}

// ---------------------------------------------------------------------------------------------
// JCL

using JclList = WindowTest;

TEST_F(JclList, ReturnCodesAreExplainedInTheirUtilitysLayout) {
  chooseCategory(window->optJcl);
  pick(window->cmbCode, QStringLiteral("IEBCOMPR"));
  click(window->lstJcl, "08");
  EXPECT_EQ(panes(),
            QStringList({"An unequal comparison. Processing continues.", "NA", "NA", "NA"}));

  pick(window->cmbCode, QStringLiteral("DFSORT"));
  click(window->lstJcl, "20");
  EXPECT_EQ(panes()[0], QStringLiteral("Message data set missing"));
  EXPECT_NE(panes()[1], QStringLiteral("NA"));
  EXPECT_EQ(panes().mid(2), QStringList({"NA", "NA"}));
  pick(window->cmbCode, QStringLiteral("ICETOOL"));
  EXPECT_EQ(items(window->lstJcl), QStringList({"00", "04", "16", "20", "24"}));
  click(window->lstJcl, "20");
  EXPECT_EQ(panes()[0], QStringLiteral("Message data set error."));
  EXPECT_EQ(
      panes()[1],
      QStringLiteral(
          "The TOOLMSG DD statement was not present or the TOOLMSG data set was not opened."));

  // Selecting the chosen code again shows its entry again.
  fillPanes();
  click(window->lstJcl, "20");
  EXPECT_EQ(panes()[0], QStringLiteral("Message data set error."));
}

// Every return code that the list offers for a utility is answered from the same table.
TEST_F(JclList, EveryOfferedReturnCodeShowsItsEntry) {
  chooseCategory(window->optJcl);
  int answered = 0;
  for (const catalog::jcl::Utility& utility : catalog::jcl::utilities()) {
    if (utility.returnCodes.empty()) {
      continue;
    }
    pick(window->cmbCode, qs(utility.name));
    for (const QString& code : items(window->lstJcl)) {
      fillPanes();
      click(window->lstJcl, code);
      const QByteArray key = code.toUtf8();
      const catalog::CodeEntry* entry =
          catalog::jcl::findReturnCode(utility, {key.constData(), std::size_t(key.size())});
      ASSERT_NE(entry, nullptr);
      EXPECT_EQ(panes(), entryTexts(*entry)) << utility.name << " " << code.toStdString();
      ++answered;
    }
  }
  EXPECT_EQ(answered, 70);
}

// Pasting a name changes the main list's text without a pick, so the listed codes are those of
// another utility; the pasted name decides.
TEST_F(JclList, APastedUtilityNameDecidesWhatAListedCodeShows) {
  chooseCategory(window->optJcl);
  pick(window->cmbCode, QStringLiteral("IEBCOMPR"));
  paste(window->cmbCode, QStringLiteral("ICETOOL"));
  click(window->lstJcl, "12");
  const catalog::CodeEntry* icetool12 =
      catalog::jcl::findReturnCode(*catalog::jcl::findUtility("ICETOOL"), "12");
  ASSERT_NE(icetool12, nullptr);
  EXPECT_EQ(panes(), entryTexts(*icetool12));

  pick(window->cmbCode, QStringLiteral("IEFBR14"));
  const QString iefbr14Description = panes()[1];
  pick(window->cmbCode, QStringLiteral("IEHLIST"));
  paste(window->cmbCode, QStringLiteral("IEHATLAS"));
  click(window->lstJcl, "08");
  EXPECT_EQ(panes(),
            QStringList({"Equivalent to Device Support Facility (ICKDSF). Not available now.", "NA",
                         "NA", "NA"}));
  EXPECT_EQ(window->lstJcl->count(), 4);

  // IEFBR14 empties the list from within the list's own handler, which then runs no more.
  paste(window->cmbCode, QStringLiteral("IEFBR14"));
  window->focus().moveTo(window->lstJcl);
  QTest::keyClick(window->lstJcl, Qt::Key_Down);
  EXPECT_EQ(window->lstJcl->count(), 0);
  EXPECT_EQ(panes(), QStringList({"Dummy program. Returns 0", iefbr14Description, "NA", "NA"}));

  // A pasted name without that code, or no utility name at all, answers nothing.
  pick(window->cmbCode, QStringLiteral("IEBCOMPR"));
  click(window->lstJcl, "00");
  paste(window->cmbCode, QStringLiteral("IEBUPDTE"));
  click(window->lstJcl, "08");
  EXPECT_TRUE(panesEmpty());
  click(window->lstJcl, "12");
  EXPECT_EQ(panes()[0], QStringLiteral("An unrecoverable error exists. The utility is ended."));
  paste(window->cmbCode, QStringLiteral("IEBCOMPRX"));
  click(window->lstJcl, "16");
  EXPECT_TRUE(panesEmpty());
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(JclList, AfterAReturnToJclTheKeptCodesAnswerNothingUntilAUtilityIsPicked) {
  chooseCategory(window->optJcl);
  pick(window->cmbCode, QStringLiteral("IEBCOPY"));
  chooseCategory(window->optMvs);
  chooseCategory(window->optJcl);
  EXPECT_TRUE(window->lstJcl->isVisible());
  EXPECT_EQ(items(window->lstJcl), QStringList({"00", "04", "08"}));
  EXPECT_EQ(window->cmbCode->currentText(), QStringLiteral("Choose Here"));
  click(window->lstJcl, "04");
  EXPECT_TRUE(panesEmpty());
  pick(window->cmbCode, QStringLiteral("IEBCOPY"));
  click(window->lstJcl, "04");
  EXPECT_FALSE(panesEmpty());
}

// ---------------------------------------------------------------------------------------------
// VSAM

class VsamLists : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    chooseCategory(window->optVsam);
    // What the user sees while the message box is up.
    desktop.onMessage = [this] { whileMessage.push_back({panes(), window->pclst->count()}); };
  }
  struct Seen {
    QStringList panes;
    int errorCodes;
  };
  std::vector<Seen> whileMessage;
};

TEST_F(VsamLists, EachPickShowsThatCodesTitleAlone) {
  click(window->sclst, "24");
  EXPECT_EQ(panes()[0], QStringLiteral("'BOUNDARY VIOLATION.''WRITE PAST END OF KSDS RECORD '"));
  EXPECT_EQ(panes().mid(1), kNAs);
  click(window->eclst, "0");
  EXPECT_EQ(panes(), QStringList({"'SUCCESSFUL COMPLETION'", "NA", "NA", "NA"}));
  click(window->fclst, "3");
  EXPECT_EQ(panes(),
            QStringList({"'ACCESSING ALTERNATE INDEX, MAY BE A PROBLEM'", "NA", "NA", "NA"}));
  click(window->sclst, "35");
  EXPECT_EQ(panes()[0], QStringLiteral("'OPEN, FILE NOT PRESENT'"));
  // The other lists keep their picks; a status code is explained alone.
  EXPECT_EQ(chosen(window->eclst), QStringLiteral("0"));
  EXPECT_EQ(chosen(window->fclst), QStringLiteral("3"));
  click(window->eclst, "4");
  EXPECT_EQ(panes()[0], QStringLiteral("'ANOTHER REQUEST IS ACTIVE'"));
  EXPECT_EQ(window->pclst->count(), 0);
  EXPECT_TRUE(window->fclst->isEnabled());
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(VsamLists, ReturnCodeEightOpensTheLogicalChoiceWithOneMessage) {
  click(window->sclst, "10");
  click(window->eclst, "8");
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].title, QStringLiteral("Logical Error Message"));
  EXPECT_EQ(desktop.messages[0].text, QStringLiteral("Choose The LOGICAL ERROR"));
  ASSERT_EQ(whileMessage.size(), 1u);
  EXPECT_EQ(whileMessage[0].panes, QStringList({"", "", "", ""}));
  EXPECT_EQ(whileMessage[0].errorCodes, 0);

  EXPECT_EQ(window->pclst->count(), 37);
  EXPECT_EQ(window->pclst->item(0)->text(), QStringLiteral("4"));
  EXPECT_EQ(window->pclst->item(36)->text(), QStringLiteral("208"));
  EXPECT_EQ(chosen(window->pclst), QString());
  EXPECT_EQ(window->focus().current(), window->pclst);
  EXPECT_FALSE(window->fclst->isEnabled());
  EXPECT_TRUE(window->sclst->isEnabled() && window->eclst->isEnabled());
  EXPECT_TRUE(panesEmpty());

  click(window->pclst, "4");
  EXPECT_EQ(panes(), QStringList({"'READ PAST END OF FILE'", "NA", "NA", "NA"}));
  EXPECT_TRUE(window->fclst->isEnabled());
  click(window->pclst, "100");
  EXPECT_EQ(panes()[0], QStringLiteral("'TRYING TO CHANGE LRECL'"));
  EXPECT_EQ(desktop.messages.size(), 1u);
}

TEST_F(VsamLists, ReturnCodeTwelveOpensThePhysicalChoiceAndReplacesALogicalOne) {
  click(window->eclst, "8");
  click(window->eclst, "12");
  ASSERT_EQ(desktop.messages.size(), 2u);
  EXPECT_EQ(desktop.messages[1].title, QStringLiteral("Physical Error Message"));
  EXPECT_EQ(desktop.messages[1].text, QStringLiteral("Choose The PHYSICAL ERROR"));
  EXPECT_EQ(whileMessage[1].errorCodes, 0);
  EXPECT_EQ(items(window->pclst), QStringList({"4", "8", "12", "16", "20", "24"}));
  click(window->pclst, "4");
  EXPECT_EQ(panes(), QStringList({"'READ ERROR ON DATA'", "NA", "NA", "NA"}));
}

// The choice lasts while the error code list keeps the focus; losing it empties the list and
// explains nothing, so the panes keep the error shown.
TEST_F(VsamLists, LeavingTheErrorCodeListEmptiesItAndKeepsThePanes) {
  click(window->eclst, "8");
  click(window->pclst, "16");
  window->focus().moveTo(window->txtReason);
  EXPECT_EQ(window->pclst->count(), 0);
  EXPECT_EQ(panes(), QStringList({"'NOT FOUND'", "NA", "NA", "NA"}));

  // Left without a pick, the function code list stays disabled.
  click(window->eclst, "12");
  click(window->sclst, "02");
  EXPECT_EQ(window->pclst->count(), 0);
  EXPECT_FALSE(window->fclst->isEnabled());
  EXPECT_EQ(panes()[0], QStringLiteral("'DUPLICATE KEY, NON UNIQ. ALT INDX'"));
  EXPECT_EQ(chosen(window->eclst), QStringLiteral("12"));

  // Refresh enables it again and keeps the picks; clicking Refresh also ends the choice.
  click(window->eclst, "8");
  QTest::mouseClick(window->cmdRfs, Qt::LeftButton);
  EXPECT_TRUE(window->fclst->isEnabled());
  EXPECT_EQ(window->pclst->count(), 0);
  EXPECT_EQ(chosen(window->eclst), QStringLiteral("8"));
  EXPECT_EQ(chosen(window->sclst), QStringLiteral("02"));
  EXPECT_TRUE(panesEmpty());
}

TEST_F(VsamLists, ArrowKeysThroughTheReturnCodesOpenTheChoiceOnceAndMoveOn) {
  window->focus().moveTo(window->eclst);
  QTest::keyClick(window->eclst, Qt::Key_Down);
  EXPECT_EQ(panes()[0], QStringLiteral("'SUCCESSFUL COMPLETION'"));
  QTest::keyClick(window->eclst, Qt::Key_Down);
  EXPECT_EQ(panes()[0], QStringLiteral("'ANOTHER REQUEST IS ACTIVE'"));
  QTest::keyClick(window->eclst, Qt::Key_Down);
  EXPECT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(window->focus().current(), window->pclst);
  EXPECT_TRUE(window->pclst->hasFocus());
  QTest::keyClick(window->pclst, Qt::Key_Down);
  EXPECT_EQ(chosen(window->pclst), QStringLiteral("4"));
  EXPECT_EQ(panes()[0], QStringLiteral("'READ PAST END OF FILE'"));
  EXPECT_EQ(desktop.messages.size(), 1u);
}

// A new VSAM switch empties every list and ends the choice; the lists' handlers take no part.
TEST_F(VsamLists, SwitchingBackToVsamStartsAfresh) {
  click(window->eclst, "8");
  chooseCategory(window->optMvs);
  fillPanes(QStringLiteral("kept"));
  window->sclst_Click();
  window->fclst_Click();
  EXPECT_EQ(panes()[0], QStringLiteral("kept"));
  // The return code list empties the panes before it looks at the Category, and stops there.
  window->eclst_Click();
  EXPECT_TRUE(panesEmpty());
  chooseCategory(window->optVsam);
  EXPECT_TRUE(window->fclst->isEnabled());
  EXPECT_EQ(window->pclst->count(), 0);
  EXPECT_EQ(chosen(window->eclst), QString());
  EXPECT_EQ(window->sclst->count(), 32);
  EXPECT_EQ(desktop.messages.size(), 1u);
}

}  // namespace
}  // namespace quenmar::testing
