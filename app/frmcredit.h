#pragma once

#include <QWidget>

class QLabel;

namespace quenmar {

class ClickableLabel;
class Desktop;
class DorxXPButton;
class DorxXPForm;
class LineControl;

// The Help window: modeless, without an owner, discarded when closed. It holds no state:
// what it shows is its design.
class frmCredit : public QWidget {
  Q_OBJECT

 public:
  explicit frmCredit(Desktop& desktop);

  void Command1_Click();
  void Label1_Click();
  void DorxXPButton1_Click();
  void DorxXPButton5_Click();

  DorxXPForm* DorxXPForm1 = nullptr;
  QLabel* Image12 = nullptr;
  QLabel* LblTitle = nullptr;
  QLabel* Label4 = nullptr;
  DorxXPButton* DorxXPButton1 = nullptr;
  DorxXPButton* DorxXPButton5 = nullptr;
  LineControl* Line4 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  LineControl* Line3 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label8 = nullptr;
  LineControl* Line1 = nullptr;
  ClickableLabel* Label1 = nullptr;
  DorxXPButton* Command1 = nullptr;

 private:
  void buildControls();
  void connectHandlers();
  void OpenWebPage(const QString& address);

  Desktop& desktop_;
};

}  // namespace quenmar
