// The main window as built: its controls, the read-only panes, the small procedures, Refresh,
// the secondary windows and the way out.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "app/focus_bridge.h"
#include "app/frmabt.h"
#include "app/frmcredit.h"
#include "skin/dorx_xp_button.h"
#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

using MainWindow = WindowTest;

template <class T>
T* control(frmEcd& window, const char* name) {
  return window.findChild<T*>(QString::fromLatin1(name));
}

TEST_F(MainWindow, EveryControlExistsWithItsKindAndParent) {
  const char* onWindow[] = {"cmdRfs", "Support", "cmdCred", "cmdAbt", "cmdExt"};
  for (const char* name : onWindow) {
    auto* button = control<DorxXPButton>(*window, name);
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->parentWidget(), window.get()) << name;
  }
  for (const char* name : {"cmbCode", "lstJcl", "sclst"}) {
    ASSERT_NE(control<QWidget>(*window, name), nullptr) << name;
    EXPECT_EQ(control<QWidget>(*window, name)->parentWidget(), window.get()) << name;
  }
  QWidget* frame = control<QGroupBox>(*window, "Frame1");
  ASSERT_NE(frame, nullptr);
  for (const char* name : {"optCobol", "optMvs", "optJcl", "optVsam", "optDb2", "optCics", "optIms",
                           "optIdms", "optRexx"}) {
    ASSERT_NE(control<QRadioButton>(*window, name), nullptr) << name;
    EXPECT_EQ(control<QWidget>(*window, name)->parentWidget(), frame) << name;
  }
  for (const char* name : {"lstIdms1", "lstIdms2", "eclst", "fclst", "pclst"}) {
    ASSERT_NE(control<QListWidget>(*window, name), nullptr) << name;
  }
  for (const char* name : {"txtCode", "txtReason", "txtDesc", "txtAction", "txtResp"}) {
    ASSERT_NE(control<QPlainTextEdit>(*window, name), nullptr) << name;
    EXPECT_EQ(control<QWidget>(*window, name)->parentWidget(), frame) << name;
  }
  for (const char* name :
       {"Label3", "lbldb1", "lblims1", "sclbl", "eclbl", "lbldb2", "lblims2", "fclbl", "pclbl",
        "Label2", "Label7", "Label5", "Label12", "Label6", "Label9", "Label8", "Label4"}) {
    ASSERT_NE(control<QLabel>(*window, name), nullptr) << name;
  }
  EXPECT_NE(control<QComboBox>(*window, "cmbDb2"), nullptr);
  EXPECT_NE(control<DorxXPButton>(*window, "cmdType"), nullptr);
}

TEST_F(MainWindow, ControlsSitWhereTheirTwipsSay) {
  EXPECT_EQ(window->size(), QSize(529, 500));
  EXPECT_EQ(window->Frame1->geometry(), QRect(24, 64, 425, 401));
  EXPECT_EQ(window->cmbCode->geometry(), QRect(120, 192, 121, 21));
  EXPECT_EQ(window->cmdExt->geometry(), QRect(472, 400, 49, 57));
  EXPECT_EQ(window->txtDesc->geometry(), QRect(96, 216, 327, 68));
  EXPECT_EQ(window->optCobol->geometry(), QRect(96, 24, 73, 25));
  // The three controls over the frame's "Error Code" row are drawn above the frame, at the
  // row's place in frame coordinates (1440, 3240 and 3360 on row 1920).
  const QPoint row = window->Frame1->pos();
  EXPECT_EQ(window->cmbCode->pos() - row, QPoint(96, 128));
  EXPECT_EQ(window->lstJcl->pos() - row, QPoint(216, 128));
  EXPECT_EQ(window->sclst->pos() - row, QPoint(224, 128));
  // Every control inside the frame lies within it, so none is clipped away.
  for (QWidget* child :
       window->Frame1->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (child->objectName().isEmpty()) {
      continue;
    }
    EXPECT_TRUE(window->Frame1->rect().contains(child->geometry()))
        << child->objectName().toStdString();
  }
}

TEST_F(MainWindow, TabOrderFollowsTheTabIndexes) {
  const QStringList expected = {"cmbCode",   "txtCode", "cmbDb2",    "lstIdms1", "lstIdms2",
                                "lstJcl",    "sclst",   "eclst",     "fclst",    "pclst",
                                "txtReason", "txtDesc", "txtAction", "txtResp",  "Support",
                                "cmdCred",   "cmdType", "cmdAbt",    "cmdExt",   "cmdRfs"};
  QWidget* widget = window->cmbCode;
  for (int i = 1; i < expected.size(); ++i) {
    widget = widget->nextInFocusChain();
    while (widget->objectName().isEmpty() || !expected.contains(widget->objectName())) {
      widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(widget->objectName(), expected[i]);
  }
  EXPECT_EQ(window->optRexx->nextInFocusChain()->objectName(), QStringLiteral("cmbCode"));
}

TEST_F(MainWindow, PanesCanBeSelectedAndCopiedButNotChanged) {
  for (QPlainTextEdit* pane :
       {window->txtReason, window->txtDesc, window->txtAction, window->txtResp}) {
    pane->setPlainText(QStringLiteral("S0C4"));
    window->focus().moveTo(pane);
    QTest::keyClicks(pane, QStringLiteral("xyz"));
    QTest::keyClick(pane, Qt::Key_Backspace);
    EXPECT_EQ(pane->toPlainText(), QStringLiteral("S0C4"));
    EXPECT_TRUE(pane->isReadOnly());
    EXPECT_TRUE(pane->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_TRUE(pane->textInteractionFlags() & Qt::TextSelectableByKeyboard);
  }
}

TEST_F(MainWindow, NaFillsThreePanesAndLeavesReason) {
  fillPanes(QStringLiteral("entry"));
  window->NA();
  EXPECT_EQ(panes(), QStringList({"entry", "NA", "NA", "NA"}));
  window->txtclear();
  EXPECT_TRUE(panesEmpty());
}

TEST_F(MainWindow, RefreshInCobolFollowsTheLastEntryControlLeft) {
  window->focus().moveTo(window->txtCode);
  window->focus().moveTo(window->cmdRfs);  // leaving the box clears ListFocusFlag
  fillPanes();
  window->cmdRfs_Click();
  EXPECT_EQ(window->focus().current(), window->txtCode);
  EXPECT_TRUE(panesEmpty());

  window->focus().moveTo(window->cmbCode);
  window->focus().moveTo(window->cmdRfs);  // leaving the list sets it
  window->cmdRfs_Click();
  EXPECT_EQ(window->focus().current(), window->cmbCode);
}

TEST_F(MainWindow, RefreshSendsTheFocusByCategory) {
  struct Case {
    QRadioButton* option;
    QWidget* whenBoxLeftLast;  // nullptr: the focus stays where it was
  };
  const Case cases[] = {
      {window->optMvs, window->cmbCode},  {window->optCics, window->txtCode},
      {window->optRexx, window->txtCode}, {window->optJcl, window->cmbCode},
      {window->optDb2, window->cmbCode},  {window->optVsam, nullptr},
      {window->optIdms, nullptr},         {window->optIms, nullptr},
  };
  for (const Case& c : cases) {
    chooseCategory(c.option);
    window->focus().moveTo(c.option);
    window->ListFocusFlag = false;
    fillPanes();
    window->cmdRfs_Click();
    EXPECT_TRUE(panesEmpty()) << c.option->text().toStdString();
    QWidget* expected = c.whenBoxLeftLast != nullptr ? c.whenBoxLeftLast : c.option;
    EXPECT_EQ(window->focus().current(), expected) << c.option->text().toStdString();
  }
}

TEST_F(MainWindow, RefreshEmptiesTheReturnCodeListAndTheTextsButKeepsItems) {
  chooseCategory(window->optJcl);
  window->lstJcl->addItems({"00", "04"});
  window->cmbCode->setEditText(QStringLiteral("IEBCOPY"));
  window->cmdRfs_Click();
  EXPECT_EQ(window->lstJcl->count(), 0);
  EXPECT_EQ(window->cmbCode->currentText(), QString());
  EXPECT_EQ(window->cmbCode->count(), 17);

  chooseCategory(window->optDb2);
  window->cmbDb2->setEditText(QStringLiteral("+100"));
  window->cmdRfs_Click();
  EXPECT_EQ(window->cmbDb2->currentText(), QString());
  EXPECT_EQ(window->cmbDb2->count(), 62);
}

TEST_F(MainWindow, RefreshReenablesTheVsamLists) {
  chooseCategory(window->optVsam);
  window->fclst->setEnabled(false);
  window->cmdRfs_Click();
  EXPECT_TRUE(window->fclst->isEnabled());
  EXPECT_EQ(window->sclst->count(), 32);
}

TEST_F(MainWindow, AboutAndHelpAreOneInstanceEachAndFreshAfterClosing) {
  window->cmdAbt_Click();
  frmAbt* first = window->aboutWindow();
  ASSERT_NE(first, nullptr);
  window->cmdAbt_Click();
  EXPECT_EQ(window->aboutWindow(), first);
  int shownAbouts = 0;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    shownAbouts += qobject_cast<frmAbt*>(top) != nullptr && top->isVisible() ? 1 : 0;
  }
  EXPECT_EQ(shownAbouts, 1);
  first->close();
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window->aboutWindow(), nullptr);
  window->cmdAbt_Click();
  ASSERT_NE(window->aboutWindow(), nullptr);
  EXPECT_TRUE(window->aboutWindow()->isVisible());

  window->cmdCred_Click();
  frmCredit* help = window->helpWindow();
  ASSERT_NE(help, nullptr);
  window->cmdCred_Click();
  EXPECT_EQ(window->helpWindow(), help);
  EXPECT_TRUE(window->isEnabled());
}

TEST_F(MainWindow, ExitClosesTheSecondaryWindowsWithIt) {
  window->cmdAbt_Click();
  window->cmdCred_Click();
  QPointer<QWidget> about = window->aboutWindow();
  QPointer<QWidget> help = window->helpWindow();
  window->cmdExt_Click();
  QApplication::processEvents();
  EXPECT_TRUE(about.isNull());
  EXPECT_TRUE(help.isNull());
  EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindow, AMessageBoxOpeningAndClosingRunsNoFocusHandler) {
  // A real modal box: the recorder opens one and closes it again from within.
  window->focus().moveTo(window->txtCode);
  QTest::keyClicks(window->txtCode, QStringLiteral("12"));
  fillPanes();
  desktop.onMessage = [] {
    QWidget box;
    box.show();
    QApplication::setActiveWindow(&box);
    QApplication::processEvents();
    box.close();
  };
  QTest::keyClick(window->txtCode, Qt::Key_A);  // refused: a message box
  QApplication::setActiveWindow(window.get());
  QApplication::processEvents();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(window->txtCode->toPlainText(), QStringLiteral("12"));
  EXPECT_FALSE(panesEmpty());
}

}  // namespace
}  // namespace quenmar::testing
