#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace quenmar {

// An XP-style push button: rounded face with a soft vertical gradient, an orange rim while
// the mouse is over it, a sunken face while pressed, and an optional picture beside or
// above the caption. It takes the keyboard focus when clicked, like an ordinary button, and
// Space, Enter or Return press it from the keyboard.
class DorxXPButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class PicturePosition { Left, Top };

  explicit DorxXPButton(QWidget* parent = nullptr);

  void setPicture(const QPixmap& picture, PicturePosition position);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void paintFace(QPainter& painter, const QRectF& face) const;
  void paintContent(QPainter& painter, const QRect& area) const;

  QPixmap picture_;
  PicturePosition position_ = PicturePosition::Left;
  bool keyHeld_ = false;
};

}  // namespace quenmar
