// The main window's pictures. The icon is decoded only when asked for; asked for, it must hold
// every size its pictures were drawn at. The background is shown straight from the ready
// pixels kept in the program, so a wrong byte order or a missing resource would show at once.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

#include "app/deferred_icon.h"
#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

using WindowPictures = WindowTest;

TEST_F(WindowPictures, OffersEverySizeWithAPictureDrawnAtIt) {
  const QIcon icon = window->windowIcon();
  ASSERT_FALSE(icon.isNull());
  const QList<QSize> sizes = icon.availableSizes();
  for (int side : {16, 24, 32, 48, 64, 128}) {
    EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
    const QImage picture = icon.pixmap(QSize(side, side)).toImage();
    ASSERT_EQ(picture.size(), QSize(side, side)) << side;
    // A picture that failed to decode comes back blank.
    EXPECT_NE(picture.pixelColor(side / 2, side / 2).alpha(), 0) << side;
  }
}

TEST_F(WindowPictures, BackgroundShowsTheStoredPixelsInTheirColours) {
  const QResource stored(QStringLiteral(":/quenmar/background.rgb32"));
  ASSERT_TRUE(stored.isValid());
  const QImage shown = window->grab().toImage();
  const int width = shown.width();
  ASSERT_EQ(stored.size(), qint64(width) * shown.height() * 4);
  const uchar* bytes = stored.data();
  // The four corners lie outside every control.
  for (const QPoint corner : {QPoint(3, 3), QPoint(width - 4, 3), QPoint(3, shown.height() - 4),
                              QPoint(width - 4, shown.height() - 4)}) {
    const uchar* pixel = bytes + (qsizetype(corner.y()) * width + corner.x()) * 4;
    const QColor expected(pixel[2], pixel[1], pixel[0]);  // stored blue, green, red
    const QColor actual = shown.pixelColor(corner);
    EXPECT_EQ(actual.rgb(), expected.rgb()) << corner.x() << "," << corner.y();
    // The art is a brown-orange: a swapped byte order would make it blue.
    EXPECT_GT(actual.red(), actual.blue()) << corner.x() << "," << corner.y();
  }
}

TEST(DeferredIcon, WithoutFilesIsNullAndAMissingFileGivesNoPicture) {
  EXPECT_TRUE(deferredIcon({}).isNull());
  const QIcon missing = deferredIcon({{QStringLiteral(":/quenmar/no-such.png"), QSize(16, 16)}});
  EXPECT_TRUE(missing.pixmap(QSize(16, 16)).isNull());
}

}  // namespace
}  // namespace quenmar::testing
