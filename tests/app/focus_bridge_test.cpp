#include "app/focus_bridge.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <memory>

namespace quenmar {
namespace {

// Two edits and a button in a window, each edit counting its focus handlers.
class FocusBridgeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    first = new QLineEdit(window.get());
    second = new QLineEdit(window.get());
    second->move(0, 40);
    button = new QPushButton(QStringLiteral("b"), window.get());
    button->move(0, 80);
    bridge = new FocusBridge(window.get());
    bridge->addControl(
        first, [this] { log += "got1 "; }, [this] { log += "lost1 "; });
    bridge->addControl(
        second, [this] { log += "got2 "; }, [this] { log += "lost2 "; });
    bridge->addControl(button);
    window->show();
    QApplication::setActiveWindow(window.get());
    QApplication::processEvents();
    bridge->moveTo(first);
    log.clear();
  }

  std::unique_ptr<QWidget> window;
  QLineEdit* first = nullptr;
  QLineEdit* second = nullptr;
  QPushButton* button = nullptr;
  FocusBridge* bridge = nullptr;
  std::string log;
};

TEST_F(FocusBridgeTest, MoveBetweenControlsRunsLostThenGot) {
  bridge->moveTo(second);
  EXPECT_EQ(log, "lost1 got2 ");
  EXPECT_EQ(bridge->current(), second);
  bridge->moveTo(button);
  EXPECT_EQ(log, "lost1 got2 lost2 ");
}

TEST_F(FocusBridgeTest, MovingToTheControlThatHasTheFocusRunsNothing) {
  bridge->moveTo(first);
  EXPECT_EQ(log, "");
}

TEST_F(FocusBridgeTest, AnotherWindowTakingAndReturningTheFocusRunsNothing) {
  QWidget dialog;
  auto* dialogEdit = new QLineEdit(&dialog);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  dialogEdit->setFocus();
  QApplication::processEvents();
  dialog.close();
  QApplication::setActiveWindow(window.get());
  QApplication::processEvents();
  EXPECT_EQ(log, "");
  EXPECT_EQ(bridge->current(), first);
}

TEST_F(FocusBridgeTest, HiddenOrDisabledControlCannotTakeTheFocus) {
  second->hide();
  bridge->moveTo(second);
  second->show();
  second->setEnabled(false);
  bridge->moveTo(second);
  EXPECT_EQ(log, "");
  EXPECT_EQ(bridge->current(), first);
}

TEST_F(FocusBridgeTest, MoveWhileTheWindowIsInactiveStillRunsBothHandlersAtOnce) {
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  QApplication::processEvents();
  bridge->moveTo(second);
  EXPECT_EQ(log, "lost1 got2 ");
  QApplication::setActiveWindow(window.get());
  QApplication::processEvents();
  EXPECT_EQ(log, "lost1 got2 ");
}

TEST_F(FocusBridgeTest, UserFocusChangeRunsTheHandlers) {
  second->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(log, "lost1 got2 ");
}

}  // namespace
}  // namespace quenmar
