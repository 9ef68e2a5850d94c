// The Category descriptors: one per family and per option button, found through the option
// that is set, and the typed-code key rule chosen by the flags, not the options.
#include "app/category.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <set>

#include "app/focus_bridge.h"
#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

class Categories : public WindowTest {};

TEST_F(Categories, EveryOptionOfTheFrameHasExactlyOneDescriptorAndEveryCategoryOne) {
  const QList<QRadioButton*> options = window->Frame1->findChildren<QRadioButton*>();
  ASSERT_EQ(options.size(), 9);
  std::set<Category> categories;
  for (QRadioButton* option : options) {
    int owners = 0;
    for (const CategoryDescriptor* descriptor : frmEcd::categories()) {
      if (window.get()->*descriptor->option == option) {
        ++owners;
      }
    }
    EXPECT_EQ(owners, 1) << option->objectName().toStdString();
  }
  for (const CategoryDescriptor* descriptor : frmEcd::categories()) {
    categories.insert(descriptor->category);
    EXPECT_NE(descriptor->onSwitch.fill, nullptr);
    int sameClick = 0;
    for (const CategoryDescriptor* other : frmEcd::categories()) {
      sameClick += other->click == descriptor->click ? 1 : 0;
    }
    EXPECT_EQ(sameClick, 1);
  }
  EXPECT_EQ(categories.size(), 9u);
  EXPECT_EQ(frmEcd::categories().size(), 9u);
}

// The descriptor's own facts agree with each other: a typed lookup needs the typed-code box,
// a key rule needs a flag to be chosen by, and a second list step needs the second list.
TEST_F(Categories, DescriptorsAreConsistentWithTheControlsTheirSwitchShows) {
  for (const CategoryDescriptor* descriptor : frmEcd::categories()) {
    const CategorySwitch& s = descriptor->onSwitch;
    EXPECT_EQ(descriptor->typedLookup != nullptr, s.typedBox);
    EXPECT_EQ(descriptor->keyRule != nullptr, s.typedBox);
    EXPECT_TRUE(descriptor->keyRule == nullptr || descriptor->flag != nullptr);
    EXPECT_EQ(descriptor->secondListStep != nullptr, s.second != SecondList::Hidden);
    EXPECT_TRUE(descriptor->listStep == nullptr || s.mainList);
    EXPECT_TRUE(!descriptor->typedInCapitals || s.typedBox);
  }
}

TEST_F(Categories, TheCategoryIsThatOfTheOptionSetAndItsSwitchRuns) {
  for (const CategoryDescriptor* descriptor : frmEcd::categories()) {
    QRadioButton* option = window.get()->*descriptor->option;
    chooseCategory(option);
    EXPECT_EQ(window->category(), descriptor->category) << option->objectName().toStdString();
    // Its own switch ran: the main list is there exactly when the Category uses it.
    EXPECT_EQ(window->cmbCode->isVisibleTo(window.get()), descriptor->onSwitch.mainList);
  }
}

// The REXX flag outlives the switches to COBOL, CICS, DB2 and JCL; whichever of those is set
// beside it, its rule gives way.
TEST_F(Categories, TheRexxKeyRuleGivesWayToAnyOtherFlagSetBesideIt) {
  chooseCategory(window->optRexx);
  chooseCategory(window->optCics);
  ASSERT_TRUE(window->CategoryFlag.rexx && window->CategoryFlag.cics);
  window->focus().moveTo(window->txtCode);
  desktop.messages.clear();
  QTest::keyClicks(window->txtCode, QStringLiteral("ab1C"));
  EXPECT_EQ(window->txtCode->toPlainText(), QStringLiteral("ab1C"));
  EXPECT_TRUE(desktop.messages.empty());

  window->CategoryFlag = {};
  window->CategoryFlag.rexx = true;
  window->CategoryFlag.mvs = true;
  window->txtCode->clear();
  QTest::keyClicks(window->txtCode, QStringLiteral("s0c"));
  EXPECT_EQ(window->txtCode->toPlainText(), QStringLiteral("s0c"));
  EXPECT_TRUE(desktop.messages.empty());

  window->CategoryFlag.mvs = false;
  window->txtCode->clear();
  QTest::keyClicks(window->txtCode, QStringLiteral("a"));
  EXPECT_TRUE(window->txtCode->toPlainText().isEmpty());
  ASSERT_EQ(desktop.messages.size(), 1u);
  EXPECT_EQ(desktop.messages[0].text, QStringLiteral("Only Numeric Value Allowed"));
}

}  // namespace
}  // namespace quenmar::testing
