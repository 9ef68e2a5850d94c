#include "app/key_bridge.h"

#include <QKeyEvent>

namespace quenmar {

KeyBridge::KeyBridge(QObject* control, Handler handler)
    : QObject(control), handler_(std::move(handler)) {
  control->installEventFilter(this);
}

int KeyBridge::characterCode(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return -1;
    default:
      break;
  }
  const QString text = event.text();
  if (text.isEmpty() || text.at(0).unicode() == 127) {
    return -1;
  }
  return text.at(0).unicode();
}

bool KeyBridge::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) {
    return QObject::eventFilter(watched, event);
  }
  const int code = characterCode(*static_cast<QKeyEvent*>(event));
  if (code < 0) {
    return false;
  }
  // Codes above the 16-bit signed range are still "a character above 126" to every filter.
  auto keyAscii = static_cast<std::int16_t>(code > 32767 ? 32767 : code);
  handler_(keyAscii);
  return keyAscii == 0;
}

}  // namespace quenmar
