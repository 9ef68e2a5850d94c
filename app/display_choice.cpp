#include "app/display_choice.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>
#include <cstdio>

namespace quenmar {

DisplayChoice chooseDisplay(const DisplaySession& session) {
  if (session.platformChosen) {
    return {};
  }
  const bool waylandWorks = session.wayland && session.waylandPlugin && session.waylandSocket;
  if (session.wayland && !waylandWorks) {
    if (session.x11) {
      return {"xcb", {}};
    }
    if (!session.waylandPlugin) {
      return {{},
              QStringLiteral("quenmar: this session offers only Wayland (WAYLAND_DISPLAY is "
                             "set, DISPLAY is not), and Qt's Wayland platform plugin is not "
                             "installed. Install the Debian package qt6-wayland "
                             "(scripts/install-deps does), or run under X11 with DISPLAY set.")};
    }
    return {{},
            QStringLiteral("quenmar: WAYLAND_DISPLAY is set, but no Wayland compositor listens "
                           "there (its socket is missing from XDG_RUNTIME_DIR), and DISPLAY is "
                           "not set.")};
  }
  if (waylandWorks && !session.x11) {
    // Qt tries X11 first unless the session type says Wayland; here only Wayland can work.
    return {"wayland", {}};
  }
  if (!session.wayland && !session.x11) {
    return {{},
            QStringLiteral("quenmar: no display. Neither DISPLAY nor WAYLAND_DISPLAY is set; "
                           "QUENMAR opens a window and needs a desktop session.")};
  }
  return {};
}

DisplaySession currentDisplaySession() {
  DisplaySession session;
  session.platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
  session.x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
  session.wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  // Only a Wayland session that Qt is left to choose for needs the plugin and the socket
  // looked up; every other start skips the directory listing.
  if (session.platformChosen || !session.wayland) {
    return session;
  }
  const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                       QStringLiteral("/platforms"));
  session.waylandPlugin =
      !platforms.entryList({QStringLiteral("libqwayland-*.so")}, QDir::Files).isEmpty();
  QString socket = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (!QDir::isAbsolutePath(socket)) {
    socket = qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + socket;
  }
  session.waylandSocket = QFileInfo(socket).exists();
  return session;
}

bool prepareDisplay() {
  const DisplayChoice choice = chooseDisplay(currentDisplaySession());
  if (!choice.problem.isEmpty()) {
    std::fprintf(stderr, "%s\n", choice.problem.toLocal8Bit().constData());
    return false;
  }
  if (!choice.platform.isEmpty()) {
    qputenv("QT_QPA_PLATFORM", choice.platform);
  }
  return true;
}

}  // namespace quenmar
