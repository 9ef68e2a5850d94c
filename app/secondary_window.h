#pragma once

#include <QSize>
#include <QString>

class QWidget;

namespace quenmar {

class DorxXPForm;

// Dresses a window as one of the small secondary windows: white client area of the given
// size, the skin's frame with its title and icon, centred on the screen, deleted on close.
DorxXPForm* dressSecondaryWindow(QWidget* window, QSize clientSize, const QString& title);

}  // namespace quenmar
