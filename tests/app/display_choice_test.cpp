// Which platform the program asks Qt for, so that a session it cannot use is reported in
// words instead of ending in Qt's abort.
#include "app/display_choice.h"

#include <gtest/gtest.h>

namespace quenmar {
namespace {

DisplaySession session(bool x11, bool wayland, bool waylandPlugin, bool waylandSocket = true) {
  DisplaySession s;
  s.x11 = x11;
  s.wayland = wayland;
  s.waylandPlugin = waylandPlugin;
  s.waylandSocket = wayland && waylandSocket;
  return s;
}

TEST(DisplayChoice, WaylandWithoutItsPluginFallsBackToX11OrSaysWhatIsMissing) {
  const DisplayChoice fallback = chooseDisplay(session(true, true, false));
  EXPECT_EQ(fallback.platform, QByteArray("xcb"));
  EXPECT_TRUE(fallback.problem.isEmpty());

  const DisplayChoice missing = chooseDisplay(session(false, true, false));
  EXPECT_TRUE(missing.platform.isEmpty());
  EXPECT_TRUE(missing.problem.contains(QStringLiteral("qt6-wayland")));
  EXPECT_TRUE(missing.problem.contains(QStringLiteral("DISPLAY")));
}

// A WAYLAND_DISPLAY left over from another session names a socket that is gone.
TEST(DisplayChoice, AWaylandDisplayWithNoCompositorFallsBackToX11OrSaysSo) {
  EXPECT_EQ(chooseDisplay(session(true, true, true, false)).platform, QByteArray("xcb"));
  const DisplayChoice gone = chooseDisplay(session(false, true, true, false));
  EXPECT_TRUE(gone.platform.isEmpty());
  EXPECT_TRUE(gone.problem.contains(QStringLiteral("no Wayland compositor")));
}

TEST(DisplayChoice, AWaylandOnlySessionWithThePluginUsesWayland) {
  EXPECT_EQ(chooseDisplay(session(false, true, true)).platform, QByteArray("wayland"));
  // With both, Qt's own choice stands: it follows the session type and falls back to X11.
  const DisplayChoice both = chooseDisplay(session(true, true, true));
  EXPECT_TRUE(both.platform.isEmpty());
  EXPECT_TRUE(both.problem.isEmpty());
  const DisplayChoice x11 = chooseDisplay(session(true, false, false));
  EXPECT_TRUE(x11.platform.isEmpty());
  EXPECT_TRUE(x11.problem.isEmpty());
}

TEST(DisplayChoice, NoDisplayIsReportedAndAChosenPlatformIsLeftAlone) {
  const DisplayChoice none = chooseDisplay(session(false, false, true));
  EXPECT_TRUE(none.platform.isEmpty());
  EXPECT_TRUE(none.problem.contains(QStringLiteral("no display")));

  // The tests' offscreen platform, or any the user names, needs no display of ours.
  for (bool wayland : {false, true}) {
    DisplaySession chosen = session(false, wayland, false);
    chosen.platformChosen = true;
    const DisplayChoice c = chooseDisplay(chosen);
    EXPECT_TRUE(c.platform.isEmpty());
    EXPECT_TRUE(c.problem.isEmpty());
  }
}

}  // namespace
}  // namespace quenmar
