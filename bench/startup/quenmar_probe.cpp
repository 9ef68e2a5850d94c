// The program as app/main.cpp starts it, reporting its first paint. With --tree FILE it writes
// its window's widget tree for the bare probe instead.
#include <QApplication>
#include <QFile>
#include <QStyleFactory>
#include <cstring>

#include "app/display_choice.h"
#include "app/frmecd.h"
#include "bench/startup/first_paint.h"
#include "bench/startup/widget_tree.h"

namespace {

int writeTree(quenmar::frmEcd& window, const char* path) {
  window.show();
  QApplication::processEvents();
  QFile file(QString::fromLocal8Bit(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    return 1;
  }
  file.write(quenmar::bench::toText(quenmar::bench::recordTree(window)).toUtf8());
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!quenmar::prepareDisplay()) {
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  quenmar::frmEcd window;
  if (argc == 3 && std::strcmp(argv[1], "--tree") == 0) {
    return writeTree(window, argv[2]);
  }
  quenmar::bench::reportAtFirstPaint(window);
  window.show();
  return QApplication::exec();
}
