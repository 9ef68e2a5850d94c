#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QString>
#include <QTest>
#include <memory>
#include <vector>

#include "app/desktop.h"
#include "app/focus_bridge.h"
#include "app/frmecd.h"

namespace quenmar::testing {

// Stands in for the desktop: records every message box and web address instead of showing
// or opening it. A message box records which control had the focus when it opened.
class RecordingDesktop : public Desktop {
 public:
  struct Message {
    QString title;
    QString text;
  };

  void showMessage(QWidget* /*parent*/, const QString& title, const QString& text) override {
    messages.push_back({title, text});
    if (onMessage) {
      onMessage();
    }
  }
  void openWebPage(const QString& address) override { addresses.push_back(address); }

  std::vector<Message> messages;
  std::vector<QString> addresses;
  std::function<void()> onMessage;
};

// A shown main window on the offscreen platform, with the recorder as its desktop.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<frmEcd>(desktop);
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    QApplication::processEvents();
  }

  void TearDown() override {
    window.reset();
    QApplication::processEvents();
  }

  // As the user does it: the option button takes the focus and becomes set.
  void chooseCategory(QRadioButton* option) {
    window->focus().moveTo(option);
    option->setChecked(true);
  }

  QStringList panes() const {
    return {window->txtReason->toPlainText(), window->txtDesc->toPlainText(),
            window->txtAction->toPlainText(), window->txtResp->toPlainText()};
  }
  void fillPanes(const QString& text = QStringLiteral("x")) {
    for (QPlainTextEdit* pane :
         {window->txtReason, window->txtDesc, window->txtAction, window->txtResp}) {
      pane->setPlainText(text);
    }
  }
  bool panesEmpty() const {
    for (const QString& text : panes()) {
      if (!text.isEmpty()) {
        return false;
      }
    }
    return true;
  }

  RecordingDesktop desktop;
  std::unique_ptr<frmEcd> window;
};

}  // namespace quenmar::testing

namespace quenmar::testing {

// Chooses an item as the user does with the mouse in the dropped-down list.
inline void pick(QComboBox* list, const QString& text) {
  const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  ASSERT_GE(index, 0) << text.toStdString();
  list->setCurrentIndex(index);
  emit list->activated(index);
}

}  // namespace quenmar::testing

namespace quenmar::testing {

// Types one character that has no key of its own on a plain keyboard.
inline void typeCharacter(QWidget* widget, QChar character) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
  QApplication::sendEvent(widget, &press);
}

}  // namespace quenmar::testing
