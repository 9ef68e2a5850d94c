#pragma once

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>

#include "catalog/code_entry.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;

namespace quenmar {

class Desktop;
class DorxXPButton;
class FocusBridge;
class frmAbt;
class frmCredit;

// The main window: every control of the code lookup and every variable that the lookup keeps
// between two user actions. Controls carry their own names as objectName, and the event
// handlers bear the names of the control and event they answer.
class frmEcd : public QWidget {
  Q_OBJECT

 public:
  // Uses the real desktop: real message boxes, the real browser.
  frmEcd();
  explicit frmEcd(Desktop& desktop);
  ~frmEcd() override;

  // --- Controls on the window itself ---
  DorxXPButton* cmdRfs = nullptr;
  DorxXPButton* Support = nullptr;
  DorxXPButton* cmdCred = nullptr;
  DorxXPButton* cmdAbt = nullptr;
  DorxXPButton* cmdExt = nullptr;
  QComboBox* cmbCode = nullptr;
  QListWidget* lstJcl = nullptr;
  QListWidget* sclst = nullptr;
  QGroupBox* Frame1 = nullptr;

  // --- Controls inside Frame1 ---
  QRadioButton* optCobol = nullptr;
  QRadioButton* optMvs = nullptr;
  QRadioButton* optJcl = nullptr;
  QRadioButton* optVsam = nullptr;
  QRadioButton* optDb2 = nullptr;
  QRadioButton* optCics = nullptr;
  QRadioButton* optIms = nullptr;
  QRadioButton* optIdms = nullptr;
  QRadioButton* optRexx = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* lbldb1 = nullptr;
  QLabel* lblims1 = nullptr;
  QLabel* sclbl = nullptr;
  QLabel* eclbl = nullptr;
  QLabel* lbldb2 = nullptr;
  QLabel* lblims2 = nullptr;
  QLabel* fclbl = nullptr;
  QLabel* pclbl = nullptr;
  QLabel* Label2 = nullptr;
  QListWidget* lstIdms1 = nullptr;
  QListWidget* lstIdms2 = nullptr;
  QLabel* Label7 = nullptr;
  QListWidget* eclst = nullptr;
  QComboBox* cmbDb2 = nullptr;
  QPlainTextEdit* txtCode = nullptr;
  QListWidget* fclst = nullptr;
  QListWidget* pclst = nullptr;
  DorxXPButton* cmdType = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label12 = nullptr;
  QPlainTextEdit* txtReason = nullptr;
  QLabel* Label6 = nullptr;
  QPlainTextEdit* txtDesc = nullptr;
  QPlainTextEdit* txtAction = nullptr;
  QLabel* Label9 = nullptr;
  QPlainTextEdit* txtResp = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label4 = nullptr;

  // --- The window's variables, in their order of declaration ---
  struct CategoryFlags {
    bool jcl = false;
    bool cobol = false;
    bool cics = false;
    bool db2 = false;
    bool mvs = false;
    bool rexx = false;
  };
  CategoryFlags CategoryFlag;
  QString DliCode;
  bool ListFocusFlag = false;
  // One per range describer: the N-th describer of a family owns element N-1.
  struct NotFoundFlags {
    std::array<bool, 13> cics{};
    std::array<bool, 13> mvs{};
  };
  NotFoundFlags NotFoundFlag;

  // --- Procedures other windows and lookups call ---
  void NA();
  void txtclear();
  // Writes one code's explanation into the four answer panes.
  void showEntry(const catalog::CodeEntry& entry);

  // --- Event handlers ---
  void Form_Load();
  void Form_Unload();
  void cmdExt_Click();
  void cmdAbt_Click();
  void cmdCred_Click();
  void cmdRfs_Click();
  void Support_Click();

  // The secondary windows while they are open (null otherwise).
  frmAbt* aboutWindow() const;
  frmCredit* helpWindow() const;

  FocusBridge& focus() { return *focus_; }
  Desktop& desktop() { return desktop_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildControls();
  void applyLooks();
  void setTabOrder();
  void connectHandlers();
  void registerFocusControls();
  void closeSecondaryWindows();

  Desktop& desktop_;
  FocusBridge* focus_ = nullptr;
  QPixmap background_;
  QPointer<frmAbt> about_;
  QPointer<frmCredit> help_;
  bool started_ = false;
};

}  // namespace quenmar
