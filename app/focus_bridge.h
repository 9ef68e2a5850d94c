#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>

class QWidget;

namespace quenmar {

// Runs a window's GotFocus/LostFocus handlers for focus moves between its own controls
// only. Qt also reports focus changes when the window is activated or deactivated (a
// message box opens or closes) and when a drop-down list pops up; those leave the control
// that "has the focus" as it was, so they run nothing. A move made by moveTo() runs the
// two handlers at once, whether or not the window is active yet.
class FocusBridge : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void()>;

  explicit FocusBridge(QWidget* window);

  // Every control that can take the focus is registered, with or without handlers, so
  // that leaving a watched control for any other control runs its LostFocus.
  void addControl(QWidget* control, Handler gotFocus = {}, Handler lostFocus = {});

  // Gives the control the keyboard focus. A control that is hidden or disabled cannot
  // take it; the request is then ignored.
  void moveTo(QWidget* control);

  QWidget* current() const { return current_; }

 private:
  struct Handlers {
    Handler gotFocus;
    Handler lostFocus;
  };

  void onFocusChanged(QWidget* old, QWidget* now);
  QWidget* controlOf(QWidget* widget) const;
  void enter(QWidget* control);

  QWidget* window_;
  std::map<QWidget*, Handlers> controls_;
  QPointer<QWidget> current_;
};

}  // namespace quenmar
