#pragma once

#include <QWidget>

namespace quenmar {

class Desktop;
class DorxXPForm;

// The Help window: modeless, without an owner, discarded when closed.
class frmCredit : public QWidget {
  Q_OBJECT

 public:
  explicit frmCredit(Desktop& desktop);

  DorxXPForm* DorxXPForm1 = nullptr;

 private:
  Desktop& desktop_;
};

}  // namespace quenmar
