#pragma once

#include <QIcon>
#include <QSize>
#include <QString>
#include <utility>
#include <vector>

namespace quenmar {

// An icon made of picture files that are decoded only when a size of it is first asked for.
// Decoding all the main window's icon pictures up front cost more than any other picture of
// the window's first paint, though most platforms never show most of the sizes.
QIcon deferredIcon(std::vector<std::pair<QString, QSize>> files);

}  // namespace quenmar
