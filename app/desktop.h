#pragma once

#include <QString>

class QWidget;

namespace quenmar {

// What the windows ask of the desktop: an information message box with an OK button only,
// and handing a web address to the browser. The program uses SystemDesktop; tests put a
// recorder in its place.
class Desktop {
 public:
  virtual ~Desktop() = default;
  // Modal: returns when the user has closed the box.
  virtual void showMessage(QWidget* parent, const QString& title, const QString& text) = 0;
  // The desktop's verdict is of no interest: a link that cannot be opened does nothing.
  virtual void openWebPage(const QString& address) = 0;
};

class SystemDesktop final : public Desktop {
 public:
  void showMessage(QWidget* parent, const QString& title, const QString& text) override;
  void openWebPage(const QString& address) override;
};

// The one SystemDesktop that windows built without a Desktop of their own use.
Desktop& systemDesktop();

}  // namespace quenmar
