#pragma once

#include <QWidget>

namespace quenmar {

class Desktop;
class DorxXPForm;

// The About window: modeless, without an owner, discarded when closed.
class frmAbt : public QWidget {
  Q_OBJECT

 public:
  explicit frmAbt(Desktop& desktop);

  DorxXPForm* DorxXPForm1 = nullptr;

 private:
  Desktop& desktop_;
};

}  // namespace quenmar
