#include "app/focus_bridge.h"

#include <QApplication>
#include <QWidget>

namespace quenmar {

FocusBridge::FocusBridge(QWidget* window) : QObject(window), window_(window) {
  connect(qApp, &QApplication::focusChanged, this, &FocusBridge::onFocusChanged);
}

void FocusBridge::addControl(QWidget* control, Handler gotFocus, Handler lostFocus) {
  controls_[control] = Handlers{std::move(gotFocus), std::move(lostFocus)};
}

void FocusBridge::moveTo(QWidget* control) {
  if (control == nullptr || !control->isEnabled() || !control->isVisibleTo(window_)) {
    return;
  }
  control->setFocus(Qt::OtherFocusReason);
  if (current_ != control) {
    enter(control);
  }
}

void FocusBridge::onFocusChanged(QWidget* /*old*/, QWidget* now) {
  if (now == nullptr || now->window() != window_) {
    return;
  }
  QWidget* control = controlOf(now);
  if (control != nullptr && control != current_) {
    enter(control);
  }
}

QWidget* FocusBridge::controlOf(QWidget* widget) const {
  for (QWidget* w = widget; w != nullptr && w != window_; w = w->parentWidget()) {
    if (controls_.count(w) != 0) {
      return w;
    }
  }
  return nullptr;
}

void FocusBridge::enter(QWidget* control) {
  QWidget* previous = current_;
  current_ = control;
  if (previous != nullptr) {
    const Handlers& left = controls_.at(previous);
    if (left.lostFocus) {
      left.lostFocus();
    }
  }
  // A LostFocus handler may itself have moved the focus on; the move it made wins.
  if (current_ != control) {
    return;
  }
  const Handlers& entered = controls_.at(control);
  if (entered.gotFocus) {
    entered.gotFocus();
  }
}

}  // namespace quenmar
