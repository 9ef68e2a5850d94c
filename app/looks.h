#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

namespace quenmar::looks {

// Places and sizes come in twips; 15 twips make one pixel at 96 dots per inch.
constexpr int px(int twips) { return (twips + 7) / 15; }
constexpr QRect twipsRect(int left, int top, int width, int height) {
  return {px(left), px(top), px(width), px(height)};
}

constexpr QColor kNavy{0, 0, 128};
constexpr QColor kLightOrange{255, 192, 128};
constexpr QColor kMaroon{128, 0, 0};
constexpr QColor kOrange{255, 128, 0};
constexpr QColor kSilver{192, 192, 192};
constexpr QColor kGrey{128, 128, 128};
constexpr QColor kBlue{0, 0, 255};

// Free fonts with metrics close to the ones the windows were drawn for: Liberation Sans for
// MS Sans Serif and Arial, DejaVu Sans for Verdana. Sizes are in pixels so that text keeps
// its place among controls placed in pixels, whatever the screen's dots per inch.
inline const QString kSansFamily = QStringLiteral("Liberation Sans");
inline const QString kVerdanaFamily = QStringLiteral("DejaVu Sans");

QFont sansFont(int pixelSize, bool bold);
QFont verdanaFont(int pixelSize, bool bold);

// 8.25 pt, 9.75 pt and 14.25 pt at 96 dots per inch.
constexpr int kSmallPx = 11;
constexpr int kMediumPx = 13;
constexpr int kTitlePx = 19;

}  // namespace quenmar::looks
