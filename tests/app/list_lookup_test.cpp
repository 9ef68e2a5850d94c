// Looking up a picked code, and the two code lists' focus and key handlers.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "app/focus_bridge.h"
#include "skin/dorx_xp_button.h"
#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

using ListLookup = WindowTest;

TEST_F(ListLookup, MvsPickIsAnsweredByOneDescriberAndTheOthersFlagTheirMiss) {
  chooseCategory(window->optMvs);
  pick(window->cmbCode, QStringLiteral("S0C4"));
  EXPECT_TRUE(window->txtReason->toPlainText().startsWith(
      QStringLiteral("Protection exception / Segment-translation exception")));
  for (std::size_t i = 0; i < 13; ++i) {
    EXPECT_EQ(window->NotFoundFlag.mvs[i], i != 2) << "describer " << i + 1;
  }
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(ListLookup, ArrowKeysPickEachItemTheyPass) {
  chooseCategory(window->optMvs);
  window->focus().moveTo(window->cmbCode);
  QTest::keyClick(window->cmbCode, Qt::Key_Down);
  EXPECT_EQ(window->cmbCode->currentText(), QStringLiteral("S001"));
  const QString first = window->txtReason->toPlainText();
  EXPECT_FALSE(first.isEmpty());
  QTest::keyClick(window->cmbCode, Qt::Key_Down);
  EXPECT_EQ(window->cmbCode->currentText(), QStringLiteral("S002"));
  EXPECT_NE(window->txtReason->toPlainText(), first);
}

TEST_F(ListLookup, APickNothingAnswersEmptiesThePanes) {
  chooseCategory(window->optCics);
  fillPanes(QStringLiteral("previous"));
  pick(window->cmbCode, QStringLiteral("ACAA"));  // listed, but no entry anywhere
  EXPECT_TRUE(panesEmpty());
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(ListLookup, CobolReportsATextWithoutListKeyAndEmptiesTheListText) {
  fillPanes(QStringLiteral("kept"));
  window->cmbCode->setEditText(QStringLiteral("9-011"));
  window->cmbCode_Click();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].title, QStringLiteral("Unknown Error Code"));
  EXPECT_EQ(desktop.messages[0].text,
            QStringLiteral("Information On Error Code 9-011 was not found "));
  EXPECT_TRUE(window->cmbCode->currentText().isEmpty());
  EXPECT_EQ(panes()[0], QStringLiteral("kept"));
}

TEST_F(ListLookup, JclPickFillsTheReturnCodesOrShowsTheUtilitysOwnEntry) {
  chooseCategory(window->optJcl);
  pick(window->cmbCode, QStringLiteral("IEBIMAGE"));
  pick(window->cmbCode, QStringLiteral("IEBCOMPR"));
  QStringList codes;
  for (int i = 0; i < window->lstJcl->count(); ++i) {
    codes << window->lstJcl->item(i)->text();
  }
  EXPECT_EQ(codes, QStringList({"00", "08", "12", "16"}));
  EXPECT_EQ(window->lstJcl->currentRow(), -1);
  EXPECT_TRUE(panesEmpty());

  pick(window->cmbCode, QStringLiteral("IEFBR14"));
  EXPECT_EQ(window->lstJcl->count(), 0);
  EXPECT_EQ(window->txtReason->toPlainText(), QStringLiteral("Dummy program. Does Nothing. "));
  EXPECT_TRUE(window->txtDesc->toPlainText().contains(QStringLiteral("statements  for syntax")));
  pick(window->cmbCode, QStringLiteral("IEHATLAS"));
  EXPECT_EQ(panes().mid(1), QStringList({"NA", "NA", "NA"}));
}

TEST_F(ListLookup, ImsMainListPickKeepsTheDliCode) {
  chooseCategory(window->optIms);
  pick(window->cmbCode, QStringLiteral("GE"));
  EXPECT_EQ(window->DliCode, QStringLiteral("GE"));
}

TEST_F(ListLookup, BackspaceEmptiesTheListTextAndPanesOtherKeysAreSwallowedButBlank) {
  chooseCategory(window->optMvs);
  window->focus().moveTo(window->cmbCode);
  pick(window->cmbCode, QStringLiteral("S0C4"));
  QTest::keyClick(window->cmbCode, Qt::Key_Backspace);
  EXPECT_TRUE(window->cmbCode->currentText().isEmpty());
  EXPECT_TRUE(panesEmpty());
  QTest::keyClicks(window->cmbCode, QStringLiteral("S0C4a{|}"));
  QTest::keyClick(window->cmbCode, Qt::Key_Return);
  EXPECT_TRUE(window->cmbCode->currentText().isEmpty());
  QTest::keyClick(window->cmbCode, Qt::Key_Space);
  QTest::keyClicks(window->cmbCode, QStringLiteral("`~"));
  EXPECT_EQ(window->cmbCode->currentText(), QStringLiteral(" `~"));
  EXPECT_TRUE(panesEmpty());
}

TEST_F(ListLookup, FocusHandlersEmptyTheOtherEntryControls) {
  chooseCategory(window->optDb2);
  window->cmbDb2->setEditText(QStringLiteral("+100"));
  window->focus().moveTo(window->cmdRfs);
  fillPanes();
  window->focus().moveTo(window->cmbCode);
  EXPECT_TRUE(window->cmbDb2->currentText().isEmpty());
  EXPECT_EQ(window->cmbCode->currentText(), QStringLiteral("Choose Here"));
  EXPECT_TRUE(panesEmpty());
  EXPECT_EQ(window->cmbCode->palette().color(QPalette::Base), QColor(Qt::white));

  chooseCategory(window->optCobol);
  window->txtCode->setPlainText(QStringLiteral("12"));
  chooseCategory(window->optDb2);
  fillPanes();
  window->focus().moveTo(window->cmbDb2);
  EXPECT_TRUE(window->cmbCode->currentText().isEmpty());
  EXPECT_TRUE(panesEmpty());
  EXPECT_EQ(window->cmbCode->count(), 473);
}

TEST_F(ListLookup, LeavingTheMainListSetsListFocusFlag) {
  window->focus().moveTo(window->txtCode);
  window->focus().moveTo(window->cmdAbt);
  EXPECT_FALSE(window->ListFocusFlag);
  window->focus().moveTo(window->cmbCode);
  window->focus().moveTo(window->cmdAbt);
  EXPECT_TRUE(window->ListFocusFlag);
}

// Qt's editable list treats Enter and leaving a matching edit text as picks; neither is one.
TEST_F(ListLookup, TypingAnItemsTextIntoTheSecondListLooksNothingUp) {
  chooseCategory(window->optIms);
  window->focus().moveTo(window->cmbDb2);
  fillPanes(QStringLiteral("before"));
  QTest::keyClicks(window->cmbDb2, QStringLiteral("0002"));
  QTest::keyClick(window->cmbDb2, Qt::Key_Return);
  window->focus().moveTo(window->cmdAbt);
  QApplication::processEvents();
  EXPECT_EQ(window->cmbDb2->currentText(), QStringLiteral("0002"));
  EXPECT_EQ(window->cmbDb2->currentIndex(), -1);
  EXPECT_EQ(panes()[0], QStringLiteral("before"));
}

TEST_F(ListLookup, IdmsAndVsamPicksInTheMainListDoNothing) {
  chooseCategory(window->optVsam);
  fillPanes(QStringLiteral("before"));
  window->cmbCode_Click();
  window->cmbDb2_Click();
  EXPECT_EQ(panes()[0], QStringLiteral("before"));
  EXPECT_TRUE(desktop.messages.empty());
}

}  // namespace
}  // namespace quenmar::testing
