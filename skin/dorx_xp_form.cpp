#include "skin/dorx_xp_form.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>

namespace quenmar {
namespace {

constexpr QColor kCaptionTop{9, 151, 255};
constexpr QColor kCaptionMid{0, 83, 238};
constexpr QColor kCaptionBottom{0, 61, 215};
constexpr QColor kFrame{0, 61, 215};
constexpr QColor kCloseFace{226, 77, 47};
constexpr QColor kCloseHot{240, 110, 80};
constexpr int kCloseSize = 21;

// The red caption button that closes the window.
class CaptionCloseButton : public QAbstractButton {
 public:
  explicit CaptionCloseButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    setToolTip(QStringLiteral("Close"));
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(face, 3, 3);
    painter.fillPath(path, underMouse() && !isDown() ? kCloseHot : kCloseFace);
    painter.setPen(QPen(Qt::white, 1.0));
    painter.drawPath(path);
    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap));
    const QRectF cross = face.adjusted(6, 6, -6, -6);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
  }
};

}  // namespace

DorxXPForm::DorxXPForm(QWidget* window, QSize clientSize)
    : QWidget(window),
      window_(window),
      client_(new QWidget(this)),
      closeButton_(new CaptionCloseButton(this)) {
  setObjectName(QStringLiteral("DorxXPForm1"));
  window_->setWindowFlags(window_->windowFlags() | Qt::FramelessWindowHint);
  const QSize whole(clientSize.width() + 2 * kBorder,
                    clientSize.height() + kCaptionHeight + kBorder);
  window_->setFixedSize(whole);
  setGeometry(0, 0, whole.width(), whole.height());
  client_->setGeometry(kBorder, kCaptionHeight, clientSize.width(), clientSize.height());
  closeButton_->setGeometry(whole.width() - kBorder - kCloseSize - 2,
                            (kCaptionHeight - kCloseSize) / 2 + 1, kCloseSize, kCloseSize);
  connect(closeButton_, &QAbstractButton::clicked, window_, &QWidget::close);
}

void DorxXPForm::setCaption(const QString& caption) {
  caption_ = caption;
  window_->setWindowTitle(caption);
  update();
}

void DorxXPForm::setIcon(const QPixmap& icon) {
  icon_ = icon;
  window_->setWindowIcon(QIcon(icon));
  update();
}

QRect DorxXPForm::captionRect() const { return {0, 0, width(), kCaptionHeight}; }

void DorxXPForm::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), kFrame);
  const QRect bar = captionRect();
  QLinearGradient gradient(bar.topLeft(), bar.bottomLeft());
  gradient.setColorAt(0.0, kCaptionTop);
  gradient.setColorAt(0.3, kCaptionMid);
  gradient.setColorAt(1.0, kCaptionBottom);
  painter.fillRect(bar, gradient);
  int textLeft = kBorder + 4;
  if (!icon_.isNull()) {
    painter.drawPixmap(QRect(textLeft, (kCaptionHeight - 16) / 2, 16, 16), icon_);
    textLeft += 16 + 4;
  }
  QFont captionFont = font();
  captionFont.setBold(true);
  painter.setFont(captionFont);
  const QRect textRect(textLeft, 0, closeButton_->x() - textLeft - 4, kCaptionHeight);
  painter.setPen(QColor(10, 24, 131));
  painter.drawText(textRect.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, caption_);
  painter.setPen(Qt::white);
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

// The window system moves the window where it can: a Wayland compositor lets no program place
// its own windows, and a system move also snaps and follows the desktop's rules. Where it
// cannot (no window manager, Qt's offscreen platform), the caption drags the window itself.
void DorxXPForm::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && captionRect().contains(event->position().toPoint())) {
    if (QWindow* handle = window_->windowHandle(); handle != nullptr && handle->startSystemMove()) {
      event->accept();
      return;
    }
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - window_->frameGeometry().topLeft();
    event->accept();
    return;
  }
  QWidget::mousePressEvent(event);
}

void DorxXPForm::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    window_->move(event->globalPosition().toPoint() - dragOffset_);
    event->accept();
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void DorxXPForm::mouseReleaseEvent(QMouseEvent* event) {
  if (dragging_ && event->button() == Qt::LeftButton) {
    dragging_ = false;
    event->accept();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace quenmar
