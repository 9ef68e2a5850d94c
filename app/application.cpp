#include "app/application.h"

#include <QApplication>
#include <QStyleFactory>

#include "app/display_choice.h"
#include "app/frmecd.h"

namespace quenmar {

int runQuenmar(int argc, char* argv[],
               const std::function<std::optional<int>(frmEcd&)>& beforeShow) {
  if (!prepareDisplay()) {
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  frmEcd window;
  if (beforeShow) {
    if (const std::optional<int> result = beforeShow(window)) {
      return *result;
    }
  }
  window.show();
  return QApplication::exec();
}

}  // namespace quenmar
