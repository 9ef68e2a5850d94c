#pragma once

#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QWidget>

class QAbstractButton;

namespace quenmar {

// Frame and title bar for a window that has no border of its own: a blue XP-style caption
// with a 16 x 16 icon, the title text and a close button (no help, minimise or maximise
// button). Dragging the caption moves the window, through the window system where it can.
// The skin covers the whole window; the window's controls go into client(), which has exactly
// the size asked for.
class DorxXPForm : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kBorder = 3;
  static constexpr int kCaptionHeight = 26;

  DorxXPForm(QWidget* window, QSize clientSize);

  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  void setIcon(const QPixmap& icon);
  QWidget* client() const { return client_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QRect captionRect() const;

  QWidget* window_;
  QWidget* client_;
  QAbstractButton* closeButton_;
  QString caption_;
  QPixmap icon_;
  bool dragging_ = false;
  QPoint dragOffset_;
};

}  // namespace quenmar
