#include <QApplication>
#include <QStyleFactory>

#include "app/frmecd.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  quenmar::frmEcd window;
  window.show();
  return QApplication::exec();
}
