#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

namespace quenmar {

class DorxXPButton;
class DorxXPForm;

// The system colours the About and Help windows were drawn with, at their classic Windows
// defaults. They are fixed instead of read from the desktop's QPalette: these windows paint
// their own white background, and a dark desktop theme would turn its WindowText white on it.
// Only the dark shadow has a QPalette counterpart (QPalette::Shadow), and Qt's default for it
// is plain black, darker than the grey these texts were meant to have.
constexpr QColor kScrollBarColour{212, 208, 200};     // scroll bar: no QPalette role
constexpr QColor kDarkShadowColour{64, 64, 64};       // 3-D dark shadow
constexpr QColor kMenuTextColour{0, 0, 0};            // menu text
constexpr QColor kWindowFrameColour{0, 0, 0};         // window frame
constexpr QColor kAppWorkspaceColour{128, 128, 128};  // application workspace
constexpr QColor kActiveTitleColour{10, 36, 106};     // active title bar

// Dresses a window as one of the small secondary windows: white client area of the given
// size, the skin's frame with its title and icon, centred on the screen, deleted on close.
DorxXPForm* dressSecondaryWindow(QWidget* window, QSize clientSize, const QString& title);

// A label that opens a link: it answers a click of the left mouse button released over it,
// as a button would. Plain QLabels ignore clicks.
class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

// A straight one-pixel line, horizontal or vertical, between two points of the client area.
// Clicks pass through it to whatever lies beneath, as they would through a drawn line.
class LineControl : public QWidget {
  Q_OBJECT

 public:
  LineControl(QWidget* parent, QPoint from, QPoint to, const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
};

// How a label of these windows looks: transparent, its text at the top, left or centred.
struct LabelLook {
  QFont font;
  QColor colour;
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
  bool wraps = false;
};

// Each places its control in the client area at a place given in twips and names it.
void placeLabel(QLabel* label, const char* name, const QString& text, const QRect& twips,
                const LabelLook& look);
QLabel* addLabel(QWidget* client, const char* name, const QString& text, const QRect& twips,
                 const LabelLook& look);
ClickableLabel* addLinkLabel(QWidget* client, const char* name, const QString& text,
                             const QRect& twips, const LabelLook& look);
QLabel* addPicture(QWidget* client, const char* name, const QString& resource, const QRect& twips);
LineControl* addLine(QWidget* client, const char* name, QPoint fromTwips, QPoint toTwips,
                     const QColor& colour);
DorxXPButton* addButton(QWidget* client, const char* name, const QString& text, const QRect& twips);

}  // namespace quenmar
