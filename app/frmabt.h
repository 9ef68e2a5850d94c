#pragma once

#include <QWidget>

class QLabel;

namespace quenmar {

class ClickableLabel;
class Desktop;
class DorxXPButton;
class DorxXPForm;
class LineControl;

// The About window: modeless, without an owner, discarded when closed. It holds no state:
// what it shows is its design.
class frmAbt : public QWidget {
  Q_OBJECT

 public:
  explicit frmAbt(Desktop& desktop);

  void cmdOk_Click();
  void Command2_Click();
  void Command1_Click();
  void Label4_Click();

  DorxXPForm* DorxXPForm1 = nullptr;
  QLabel* Image12 = nullptr;
  QLabel* LblTitle = nullptr;
  QLabel* LbVersion = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;
  LineControl* Line2 = nullptr;
  QLabel* Label3 = nullptr;
  LineControl* Line1 = nullptr;
  ClickableLabel* Label4 = nullptr;
  DorxXPButton* Command2 = nullptr;
  DorxXPButton* Command1 = nullptr;
  DorxXPButton* cmdOk = nullptr;

 private:
  void buildControls();
  void connectHandlers();
  void OpenWebPage(const QString& address);

  Desktop& desktop_;
};

}  // namespace quenmar
