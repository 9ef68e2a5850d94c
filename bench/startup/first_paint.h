#pragma once

// Both start-up probes end the same way: at the first paint of their main window they write
// the monotonic clock and their peak resident size to standard output and leave at once, so
// that the driver times process start to first paint and nothing of the teardown.
#include <QWidget>

namespace quenmar::bench {

// Reports once the first paint of `window`, children included, has been carried out.
void reportAtFirstPaint(QWidget& window);

}  // namespace quenmar::bench
