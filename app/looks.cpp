#include "app/looks.h"

namespace quenmar::looks {
namespace {

QFont pixelFont(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace

QFont sansFont(int pixelSize, bool bold) { return pixelFont(kSansFamily, pixelSize, bold); }
QFont verdanaFont(int pixelSize, bool bold) { return pixelFont(kVerdanaFamily, pixelSize, bold); }

}  // namespace quenmar::looks
