#include "app/secondary_window.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include "app/looks.h"
#include "app/pictures.h"
#include "skin/dorx_xp_form.h"

namespace quenmar {

DorxXPForm* dressSecondaryWindow(QWidget* window, QSize clientSize, const QString& title) {
  registerPictures();
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setFont(looks::sansFont(looks::kSmallPx, false));
  auto* skin = new DorxXPForm(window, clientSize);
  skin->setCaption(title);
  skin->setIcon(QPixmap(QStringLiteral(":/quenmar/icon-16.png")));
  QPalette palette = skin->client()->palette();
  palette.setColor(QPalette::Window, Qt::white);
  skin->client()->setPalette(palette);
  skin->client()->setAutoFillBackground(true);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect placed = window->geometry();
    placed.moveCenter(screen->availableGeometry().center());
    window->move(placed.topLeft());
  }
  return skin;
}

}  // namespace quenmar
