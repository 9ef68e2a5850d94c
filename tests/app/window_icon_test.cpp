// The main window's icon is decoded only when asked for; asked for, it must hold every size
// its pictures were drawn at, each a real picture.
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "app/deferred_icon.h"
#include "tests/app/window_fixture.h"

namespace quenmar::testing {
namespace {

using WindowIcon = WindowTest;

TEST_F(WindowIcon, OffersEverySizeWithAPictureDrawnAtIt) {
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

TEST(DeferredIcon, WithoutFilesIsNullAndAMissingFileGivesNoPicture) {
  EXPECT_TRUE(deferredIcon({}).isNull());
  const QIcon missing = deferredIcon({{QStringLiteral(":/quenmar/no-such.png"), QSize(16, 16)}});
  EXPECT_TRUE(missing.pixmap(QSize(16, 16)).isNull());
}

}  // namespace
}  // namespace quenmar::testing
