// The program started exactly as a user starts it, reporting its first paint. With --tree FILE
// it writes its window's widget tree for the bare probe instead.
#include <QApplication>
#include <QFile>
#include <cstring>
#include <optional>

#include "app/application.h"
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
  const bool tree = argc == 3 && std::strcmp(argv[1], "--tree") == 0;
  return quenmar::runQuenmar(argc, argv, [&](quenmar::frmEcd& window) -> std::optional<int> {
    if (tree) {
      return writeTree(window, argv[2]);
    }
    quenmar::bench::reportAtFirstPaint(window);
    return std::nullopt;
  });
}
