#include <QApplication>
#include <QStyleFactory>

#include "app/display_choice.h"
#include "app/frmecd.h"

int main(int argc, char* argv[]) {
  if (!quenmar::prepareDisplay()) {
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  quenmar::frmEcd window;
  window.show();
  return QApplication::exec();
}
