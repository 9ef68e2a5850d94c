#include "app/secondary_window.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "app/looks.h"
#include "app/pictures.h"
#include "skin/dorx_xp_button.h"
#include "skin/dorx_xp_form.h"

namespace quenmar {
namespace {

QRect pixels(const QRect& twips) {
  return looks::twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

QPoint pixels(QPoint twips) { return {looks::px(twips.x()), looks::px(twips.y())}; }

}  // namespace

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

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

// A press that is dragged off the label before release is no click, as with a button.
void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressed_) {
    pressed_ = false;
    event->accept();
    if (rect().contains(event->position().toPoint())) {
      emit clicked();
    }
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

LineControl::LineControl(QWidget* parent, QPoint from, QPoint to, const QColor& colour)
    : QWidget(parent), colour_(colour) {
  Q_ASSERT(from.x() == to.x() || from.y() == to.y());
  // Like a pen drawn from one point to the other: the end point itself stays unpainted.
  const QPoint topLeft(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
  const QSize size(std::max(std::abs(to.x() - from.x()), 1),
                   std::max(std::abs(to.y() - from.y()), 1));
  setGeometry(QRect(topLeft, size));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void LineControl::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), colour_);
}

void placeLabel(QLabel* label, const char* name, const QString& text, const QRect& twips,
                const LabelLook& look) {
  label->setObjectName(QString::fromLatin1(name));
  label->setText(text);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(pixels(twips));
  label->setFont(look.font);
  label->setAlignment(look.alignment);
  label->setWordWrap(look.wraps);
  label->setMargin(0);
  label->setIndent(0);
  label->setAutoFillBackground(false);
  label->setFocusPolicy(Qt::NoFocus);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, look.colour);
  label->setPalette(palette);
}

QLabel* addLabel(QWidget* client, const char* name, const QString& text, const QRect& twips,
                 const LabelLook& look) {
  auto* label = new QLabel(client);
  placeLabel(label, name, text, twips, look);
  return label;
}

ClickableLabel* addLinkLabel(QWidget* client, const char* name, const QString& text,
                             const QRect& twips, const LabelLook& look) {
  auto* label = new ClickableLabel(client);
  placeLabel(label, name, text, twips, look);
  return label;
}

// The picture keeps its own size at the top left of its place, as an unstretched image does.
QLabel* addPicture(QWidget* client, const char* name, const QString& resource, const QRect& twips) {
  auto* picture = new QLabel(client);
  picture->setObjectName(QString::fromLatin1(name));
  picture->setGeometry(pixels(twips));
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(QPixmap(resource));
  picture->setFocusPolicy(Qt::NoFocus);
  return picture;
}

LineControl* addLine(QWidget* client, const char* name, QPoint fromTwips, QPoint toTwips,
                     const QColor& colour) {
  auto* line = new LineControl(client, pixels(fromTwips), pixels(toTwips), colour);
  line->setObjectName(QString::fromLatin1(name));
  // Lines are drawn on the window itself, beneath every control: one that runs into a picture
  // or a button passes behind it.
  line->lower();
  return line;
}

DorxXPButton* addButton(QWidget* client, const char* name, const QString& text,
                        const QRect& twips) {
  auto* button = new DorxXPButton(client);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(text);
  button->setFont(looks::verdanaFont(looks::kSmallPx, false));
  button->setGeometry(pixels(twips));
  return button;
}

}  // namespace quenmar
