#include "app/desktop.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace quenmar {

void SystemDesktop::showMessage(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
  box.exec();
}

void SystemDesktop::openWebPage(const QString& address) {
  QDesktopServices::openUrl(QUrl(address));
}

Desktop& systemDesktop() {
  static SystemDesktop desktop;
  return desktop;
}

}  // namespace quenmar
