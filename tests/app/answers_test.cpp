// What the window shows for codes of each family's own catalogue, picked and typed.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "app/focus_bridge.h"
#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

using Answers = WindowTest;

TEST_F(Answers, DescriberWritesAllFourPanesOnAMatchAndOnlyItsOwnFlagOnAMiss) {
  fillPanes(QStringLiteral("before"));
  window->mvspr2(QStringLiteral("S001"));  // not one of mvspr2's codes
  EXPECT_EQ(panes(), QStringList(4, QStringLiteral("before")));
  for (std::size_t i = 0; i < 13; ++i) {
    EXPECT_EQ(window->NotFoundFlag.mvs[i], i == 1) << i;
  }
  window->NotFoundFlag.mvs[0] = true;
  QString code = QStringLiteral("S001");
  window->mvspr1(code);
  EXPECT_TRUE(window->NotFoundFlag.mvs[0]);  // a match never clears the flag
  EXPECT_EQ(code, QStringLiteral("S001"));
  for (const QString& text : panes()) {
    EXPECT_NE(text, QStringLiteral("before"));
  }
  const QStringList s001 = panes();
  window->mvspr1(QStringLiteral("S001 "));
  window->mvspr1(QStringLiteral("s001"));
  EXPECT_EQ(panes(), s001);
  EXPECT_FALSE(window->NotFoundFlag.cics[0]);
}

TEST_F(Answers, AllFormsOfAFirstStretchCodeShowTheSameEntry) {
  window->mvspr3(QStringLiteral("S0C4"));
  const QStringList s0c4 = panes();
  for (const QString& form : {QStringLiteral("0C4"), QStringLiteral("SOC4")}) {
    fillPanes();
    window->mvspr3(form);
    EXPECT_EQ(panes(), s0c4) << form.toStdString();
  }
}

TEST_F(Answers, EveryMvsListItemIsAnsweredWhenPicked) {
  chooseCategory(window->optMvs);
  for (int i = 0; i < window->cmbCode->count(); ++i) {
    fillPanes(QStringLiteral("stale"));
    window->NotFoundFlag.mvs.fill(false);
    window->cmbCode->setCurrentIndex(i);
    emit window->cmbCode->activated(i);
    const std::string code = window->cmbCode->itemText(i).toStdString();
    EXPECT_NE(window->txtReason->toPlainText(), QStringLiteral("stale")) << code;
    EXPECT_EQ(std::count(window->NotFoundFlag.mvs.begin(), window->NotFoundFlag.mvs.end(), true),
              12)
        << code;
  }
}

TEST_F(Answers, TypedMvsCodesOfTheLaterStretchesTakeTheSFormOnly) {
  chooseCategory(window->optMvs);
  window->txtCode->setPlainText(QStringLiteral("S0D8"));
  window->cmdType_Click();
  EXPECT_TRUE(desktop.messages.empty());
  EXPECT_FALSE(panesEmpty());
  window->txtCode->setPlainText(QStringLiteral("506"));
  window->cmdType_Click();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text,
            QStringLiteral("Information On Error Code 506 was not found"));
}

TEST_F(Answers, CobolPickedAndTypedShowTheSameEntryButForVariantDescriptions) {
  pick(window->cmbCode, QStringLiteral("35"));
  const QStringList picked = panes();
  EXPECT_EQ(picked[0], QStringLiteral("ATEMPTING TO OPEN AN EMPTY FILE IN INPUT OR I/O MODE"));
  window->txtCode->setPlainText(QStringLiteral("35"));
  window->vbenter();
  EXPECT_EQ(panes(), picked);

  pick(window->cmbCode, QStringLiteral("9-001"));
  const QStringList listed = panes();
  EXPECT_EQ(listed[0], QStringLiteral("COBOL EXTENDED FILE STATUS KEY"));
  for (const QString& typed : {QStringLiteral("001"), QStringLiteral("01"), QStringLiteral("1")}) {
    window->txtCode->setPlainText(typed);
    window->cmdType_Click();
    EXPECT_EQ(panes()[0], listed[0]) << typed.toStdString();
    EXPECT_EQ(panes().mid(2), listed.mid(2)) << typed.toStdString();
  }
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(Answers, RexxNumbersOneToFiftyAreAnsweredPickedOrTyped) {
  chooseCategory(window->optRexx);
  pick(window->cmbCode, QStringLiteral("07"));
  EXPECT_EQ(panes(), QStringList({"WHEN or OTHERWISE expected", "NA", "NA", "NA"}));
  for (const QString& typed : {QStringLiteral("7"), QStringLiteral("07")}) {
    fillPanes();
    window->txtCode->setPlainText(typed);
    window->cmdType_Click();
    EXPECT_EQ(panes()[0], QStringLiteral("WHEN or OTHERWISE expected"));
  }
  window->txtCode->setPlainText(QStringLiteral("50"));
  window->cmdType_Click();
  EXPECT_FALSE(panesEmpty());
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(Answers, CicsInlineEntryShowsItsTitleWhenPicked) {
  chooseCategory(window->optCics);
  pick(window->cmbCode, QStringLiteral("AEIA"));
  EXPECT_EQ(panes()[0], QStringLiteral("ERROR"));
  pick(window->cmbCode, QStringLiteral("AEID"));
  EXPECT_EQ(panes()[0], QStringLiteral("EOF"));
  EXPECT_TRUE(panes()[1].endsWith(QStringLiteral("Condition=EOF")));
  // A typed code asks the describers alone, never the list lookup's own entries.
  window->txtCode->setPlainText(QStringLiteral("ABMP"));
  window->cmdType_Click();
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text,
            QStringLiteral("Information On Error Code ABMP was not found"));
}

TEST_F(Answers, SqlErrorEntriesAnswerBeforeTheDescribers) {
  chooseCategory(window->optDb2);
  pick(window->cmbCode, QStringLiteral("-7"));
  EXPECT_EQ(panes()[0], QStringLiteral("STATEMENT CONTAINS THE ILLEGAL CHARACTER character"));
  EXPECT_EQ(panes()[1], QStringLiteral("NA"));
  pick(window->cmbCode, QStringLiteral("-923"));
  EXPECT_EQ(panes(), QStringList({"CONNECTION NOT ESTABLISHED", "NA", "NA", "NA"}));
  pick(window->cmbCode, QStringLiteral("-929"));  // nothing holds it
  EXPECT_TRUE(panesEmpty());
}

TEST_F(Answers, SqlWarningsAnswerFromTheirOwnEntriesByText) {
  chooseCategory(window->optDb2);
  window->focus().moveTo(window->cmbDb2);
  pick(window->cmbDb2, QStringLiteral("0"));
  EXPECT_EQ(panes()[0], QStringLiteral("SUCCESSFUL EXECUTION"));
  EXPECT_EQ(panes().mid(2), QStringList({"NA", "NA"}));
  pick(window->cmbDb2, QStringLiteral("+585"));
  EXPECT_EQ(panes()[3], QStringLiteral("NA "));
  pick(window->cmbDb2, QStringLiteral("+100"));
  EXPECT_EQ(panes()[3], QStringLiteral("NA"));
  window->cmbDb2->setEditText(QStringLiteral("12"));  // the warning is "+12"
  window->cmbDb2_Click();
  EXPECT_TRUE(panesEmpty());
  for (int i = 0; i < window->cmbDb2->count(); ++i) {
    fillPanes(QStringLiteral("stale"));
    window->cmbDb2->setCurrentIndex(i);
    emit window->cmbDb2->activated(i);
    EXPECT_NE(panes()[0], QStringLiteral("stale")) << window->cmbDb2->itemText(i).toStdString();
  }
}

}  // namespace
}  // namespace quenmar::testing
