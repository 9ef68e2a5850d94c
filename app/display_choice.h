#pragma once

#include <QByteArray>
#include <QString>

namespace quenmar {

// What the session offers for a window, read before the application starts.
struct DisplaySession {
  bool platformChosen = false;  // QT_QPA_PLATFORM names a platform already
  bool x11 = false;             // DISPLAY is set
  bool wayland = false;         // WAYLAND_DISPLAY is set
  bool waylandPlugin = false;   // Qt's Wayland platform plugin is installed
  bool waylandSocket = false;   // a compositor's socket is where WAYLAND_DISPLAY points
};

// The platform to ask Qt for (empty: Qt's own choice), or why no window can open.
struct DisplayChoice {
  QByteArray platform;
  QString problem;
};

// Qt aborts when the platform it picks cannot start. A Wayland session that Qt cannot use
// (no plugin, no compositor) still has X11 when DISPLAY is set; with neither there is nothing
// to open, and the user is told what is missing instead.
DisplayChoice chooseDisplay(const DisplaySession& session);

// The session of this process: its environment and the plugins installed beside Qt.
DisplaySession currentDisplaySession();

// Sets QT_QPA_PLATFORM as chosen; false, after saying why on stderr, when no window can open.
bool prepareDisplay();

}  // namespace quenmar
