// Every CICS code the list offers is answered when picked, except the few that nothing holds;
// a typed code is answered by the describers alone.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

using CicsAnswers = WindowTest;

TEST_F(CicsAnswers, EveryListedCodeButFourteenIsAnswered) {
  chooseCategory(window->optCics);
  QStringList unanswered;
  for (int i = 0; i < window->cmbCode->count(); ++i) {
    fillPanes(QStringLiteral("stale"));
    window->cmbCode->setCurrentIndex(i);
    emit window->cmbCode->activated(i);
    if (panesEmpty()) {
      unanswered << window->cmbCode->itemText(i);
    }
  }
  EXPECT_EQ(unanswered, QStringList({"ACAA", "ACAD", "ACAI", "ACAJ", "ACHA", "ACHB", "ACHC", "ACHD",
                                     "ACHE", "ACHF", "ACHG", "ACHH", "ACHI", "ACHJ"}));
}

TEST_F(CicsAnswers, TypedCodesAskTheDescribersOnly) {
  chooseCategory(window->optCics);
  window->txtCode->setPlainText(QStringLiteral("AEIA"));
  window->cmdType_Click();
  EXPECT_EQ(panes()[0], QStringLiteral("NA"));  // the describer's entry, not the titled one
  EXPECT_TRUE(desktop.messages.empty());
  EXPECT_EQ(std::count(window->NotFoundFlag.cics.begin(), window->NotFoundFlag.cics.end(), true),
            12);
  window->txtCode->setPlainText(QStringLiteral("ACCx"));
  window->vbenter();  // Enter upper-cases it first, and "ACCX" is no key
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text,
            QStringLiteral("Information On Error Code ACCX was not found"));
  pick(window->cmbCode, QStringLiteral("ACCx"));
  EXPECT_FALSE(panesEmpty());
  for (const QString& unlisted :
       {QStringLiteral("ABM3"), QStringLiteral("AJAA"), QStringLiteral("AXTQ")}) {
    desktop.messages.clear();
    window->txtCode->setPlainText(unlisted);
    window->cmdType_Click();
    EXPECT_TRUE(desktop.messages.empty()) << unlisted.toStdString();
  }
}

}  // namespace
}  // namespace quenmar::testing
