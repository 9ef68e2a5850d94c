#include "bench/startup/first_paint.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace quenmar::bench {
namespace {

[[noreturn]] void reportAndLeave() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  char line[96];
  const int length = std::snprintf(line, sizeof line, "%lld %ld\n",
                                   static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                                   usage.ru_maxrss);
  if (length > 0 && write(STDOUT_FILENO, line, static_cast<size_t>(length)) < 0) {
    std::_Exit(2);
  }
  std::_Exit(0);
}

class FirstPaintFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Queued, so it runs after this paint and the children's paints of the same pass.
      QMetaObject::invokeMethod(
          this, [] { reportAndLeave(); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace

void reportAtFirstPaint(QWidget& window) {
  window.installEventFilter(new FirstPaintFilter(&window));
}

}  // namespace quenmar::bench
