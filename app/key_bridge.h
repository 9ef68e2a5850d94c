#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

class QKeyEvent;

namespace quenmar {

// Hands each character typed into a control to a KeyPress handler before the control sees
// it, as a 16-bit character code (8 Backspace, 13 Enter, control codes included). The
// handler swallows the key by setting the code to 0. Keys that type no character (arrows,
// Home, Delete, Tab navigation) pass untouched.
class KeyBridge : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void(std::int16_t& keyAscii)>;

  KeyBridge(QObject* control, Handler handler);

  // The character code a key event types, or -1 for a key that types none.
  static int characterCode(const QKeyEvent& event);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Handler handler_;
};

}  // namespace quenmar
