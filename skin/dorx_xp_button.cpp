#include "skin/dorx_xp_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace quenmar {
namespace {

constexpr QColor kRim{0, 60, 116};
constexpr QColor kHoverRim{248, 179, 48};
constexpr QColor kFaceTop{255, 255, 255};
constexpr QColor kFaceBottom{214, 208, 197};
constexpr QColor kPressedTop{226, 222, 211};
constexpr QColor kPressedBottom{242, 241, 235};
constexpr QColor kDisabledText{161, 161, 146};
constexpr QColor kFocusRim{120, 150, 220};
constexpr qreal kRadius = 3.0;
constexpr int kPictureGap = 2;

bool isActivationKey(int key) {
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

DorxXPButton::DorxXPButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
  setCursor(Qt::ArrowCursor);
}

void DorxXPButton::setPicture(const QPixmap& picture, PicturePosition position) {
  picture_ = picture;
  position_ = position;
  update();
}

QSize DorxXPButton::sizeHint() const {
  const QSize text = fontMetrics().size(Qt::TextSingleLine, this->text());
  return {text.width() + 16, text.height() + 10};
}

void DorxXPButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  paintFace(painter, face);
  const int shift = isDown() ? 1 : 0;
  paintContent(painter, rect().adjusted(3 + shift, 3 + shift, -3 + shift, -3 + shift));
}

void DorxXPButton::paintFace(QPainter& painter, const QRectF& face) const {
  QLinearGradient gradient(face.topLeft(), face.bottomLeft());
  gradient.setColorAt(0.0, isDown() ? kPressedTop : kFaceTop);
  gradient.setColorAt(1.0, isDown() ? kPressedBottom : kFaceBottom);
  QPainterPath path;
  path.addRoundedRect(face, kRadius, kRadius);
  painter.fillPath(path, gradient);
  painter.setPen(QPen(isEnabled() ? kRim : kDisabledText, 1.0));
  painter.drawPath(path);
  const bool hot = isEnabled() && underMouse() && !isDown();
  if (hot || hasFocus()) {
    QPainterPath inner;
    inner.addRoundedRect(face.adjusted(1.5, 1.5, -1.5, -1.5), kRadius - 1, kRadius - 1);
    painter.setPen(QPen(hot ? kHoverRim : kFocusRim, 2.0));
    painter.drawPath(inner);
  }
}

void DorxXPButton::paintContent(QPainter& painter, const QRect& area) const {
  painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : kDisabledText);
  painter.setFont(font());
  const QString caption = text();
  if (picture_.isNull()) {
    painter.drawText(area, Qt::AlignCenter | Qt::TextShowMnemonic, caption);
    return;
  }
  const QSize pic = picture_.deviceIndependentSize().toSize();
  if (caption.isEmpty()) {
    const QPoint topLeft(area.center().x() - pic.width() / 2 + 1,
                         area.center().y() - pic.height() / 2 + 1);
    painter.drawPixmap(topLeft, picture_);
    return;
  }
  const QSize textSize = fontMetrics().size(Qt::TextSingleLine, caption);
  if (position_ == PicturePosition::Top) {
    const int total = pic.height() + kPictureGap + textSize.height();
    const int top = area.top() + (area.height() - total) / 2;
    painter.drawPixmap(area.center().x() - pic.width() / 2 + 1, top, picture_);
    const QRect textRect(area.left(), top + pic.height() + kPictureGap, area.width(),
                         textSize.height());
    painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop, caption);
    return;
  }
  const int total = pic.width() + kPictureGap + textSize.width();
  const int left = area.left() + (area.width() - total) / 2;
  painter.drawPixmap(left, area.center().y() - pic.height() / 2 + 1, picture_);
  const QRect textRect(left + pic.width() + kPictureGap, area.top(), textSize.width(),
                       area.height());
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, caption);
}

void DorxXPButton::keyPressEvent(QKeyEvent* event) {
  if (isActivationKey(event->key()) && !event->isAutoRepeat()) {
    keyHeld_ = true;
    setDown(true);
    event->accept();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void DorxXPButton::keyReleaseEvent(QKeyEvent* event) {
  if (isActivationKey(event->key()) && !event->isAutoRepeat() && keyHeld_) {
    keyHeld_ = false;
    setDown(false);
    event->accept();
    click();
    return;
  }
  QAbstractButton::keyReleaseEvent(event);
}

}  // namespace quenmar
