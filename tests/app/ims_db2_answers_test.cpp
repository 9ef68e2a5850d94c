// Every code the IMS and DB2 lists offer is answered when picked, by the describers of its
// family, and nothing else is.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <set>

#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

using FamilyAnswers = WindowTest;

// Picks every item of the list in turn and returns the items that left the panes empty.
QStringList unanswered(WindowTest& test, frmEcd& window, QComboBox* list) {
  QStringList missing;
  for (int i = 0; i < list->count(); ++i) {
    list->setCurrentIndex(i);
    emit list->activated(i);
    if (window.txtReason->toPlainText().isEmpty() && window.txtDesc->toPlainText().isEmpty()) {
      missing << list->itemText(i);
    }
  }
  static_cast<void>(test);
  return missing;
}

TEST_F(FamilyAnswers, EveryDliStatusCodeIsAnswered) {
  chooseCategory(window->optIms);
  EXPECT_EQ(unanswered(*this, *window, window->cmbCode), QStringList());
  pick(window->cmbCode, QStringLiteral("NA"));
  EXPECT_EQ(panes()[0], QStringLiteral("IMS DL/I Status Code"));
  EXPECT_EQ(panes()[2], QStringLiteral("NA"));
  EXPECT_EQ(window->DliCode, QStringLiteral("NA"));
}

TEST_F(FamilyAnswers, EveryImsSystemAbendCodeIsAnswered) {
  chooseCategory(window->optIms);
  window->focus().moveTo(window->cmbDb2);
  EXPECT_EQ(unanswered(*this, *window, window->cmbDb2), QStringList());
  pick(window->cmbDb2, QStringLiteral("AC6"));
  EXPECT_EQ(panes()[0], QStringLiteral("IMS System Abend Code"));
  pick(window->cmbDb2, QStringLiteral("0002"));
  EXPECT_EQ(panes()[0], QStringLiteral("NA"));
  for (const QString& none : {QStringLiteral("3600"), QStringLiteral("4093"),
                              QStringLiteral("0001"), QStringLiteral("ac6"), QStringLiteral("2")}) {
    fillPanes();
    window->cmbDb2->setEditText(none);
    window->cmbDb2_Click();
    EXPECT_TRUE(panesEmpty()) << none.toStdString();
  }
  fillPanes();
  window->cmbDb2->setEditText(QStringLiteral("2026"));  // the one row no item offers
  window->cmbDb2_Click();
  EXPECT_FALSE(panesEmpty());
}

TEST_F(FamilyAnswers, EverySqlErrorButThreeIsAnswered) {
  chooseCategory(window->optDb2);
  EXPECT_EQ(unanswered(*this, *window, window->cmbCode), QStringList({"-526", "-875", "-929"}));
  std::int16_t code = -79;
  window->db2pro2(code);
  EXPECT_EQ(code, -79);
  fillPanes();
  window->db2pro1(code);
  EXPECT_NE(panes()[0], QStringLiteral("x"));
  pick(window->cmbCode, QStringLiteral("-30104"));
  EXPECT_TRUE(window->txtAction->toPlainText().isEmpty());
  EXPECT_FALSE(panes()[0].isEmpty());
}

}  // namespace
}  // namespace quenmar::testing
