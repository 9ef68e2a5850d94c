#pragma once

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <span>

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

  // Category switches: one per option button.
  void optMvs_Click();
  void optCics_Click();
  void optIms_Click();
  void optDb2_Click();
  void optIdms_Click();
  void optJcl_Click();
  void optCobol_Click();
  void optRexx_Click();
  void optVsam_Click();

  // Focus and key handlers of the two code lists.
  void cmbCode_GotFocus();
  void cmbCode_LostFocus();
  void cmbCode_KeyPress(std::int16_t& keyAscii);
  void cmbDb2_GotFocus();

  // Lookups of a picked code.
  void cmbCode_Click();
  void cmbDb2_Click();

  // The typed-code box and its lookups.
  void txtCode_GotFocus();
  void txtCode_KeyPress(std::int16_t& keyAscii);
  void txtCode_LostFocus();
  void vbenter();
  void cmdType_Click();

  // Range describers. Each takes its own copy of the code; on a match it writes the four
  // panes, on a miss it sets its own NotFoundFlag where its family has them.
  void mvspr1(QString cop2);
  void mvspr2(QString cop2);
  void mvspr3(QString cop2);
  void mvspr4(QString cop2);
  void mvspr5(QString cop2);
  void mvspr6(QString cop2);
  void mvspr7(QString cop2);
  void mvspr8(QString cop2);
  void mvspr9(QString cop2);
  void mvspr10(QString cop2);
  void mvspr11(QString cop2);
  void mvspr12(QString cop2);
  void mvspr13(QString cop2);
  void cicspr1(QString cop2);
  void cicspr2(QString cop2);
  void cicspr3(QString cop2);
  void cicspr4(QString cop2);
  void cicspr5(QString cop2);
  void cicspr6(QString cop2);
  void cicspr7(QString cop2);
  void cicspr8(QString cop2);
  void cicspr9(QString cop2);
  void cicspr10(QString cop2);
  void cicspr11(QString cop2);
  void cicspr12(QString cop2);
  void cicspr13(QString cop2);
  void imspr1(QString ims2);
  void imspr2(QString ims2);
  void imspr3(QString ims2);
  void imspr4(QString ims2);
  void imspr5(QString ims2);
  void imspr6(QString ims2);
  void imspr7(QString ims2);
  void imspr8(QString ims2);
  void imspr9(QString ims2);
  void imspr10(QString ims2);
  void imspr12(QString ims2);
  void dlpro1(const QString& ims);
  void dlpro2(const QString& ims);
  void dlpro3(const QString& ims);
  void dlpro4(const QString& ims);
  void dlpro5(const QString& ims);
  void db2pro1(const std::int16_t& db);
  void db2pro2(const std::int16_t& db);

  // IDMS: the DML function list rebuilds the minor code list; a minor code is explained by
  // the status code describer of its major code's range.
  void idmspr1();
  void lstIdms1_Click();
  void lstIdms2_Click();
  void idmspro1();
  void idmspro2();
  void idmspro3();
  void idmspro4();
  void idmspro5();

  // JCL: explains the return code picked for the utility in the main code list.
  void lstJcl_Click();

  // VSAM: one handler per list; return codes 8 and 12 open a choice of error codes.
  void sclst_Click();
  void eclst_Click();
  void pclst_Click();
  void pclst_LostFocus();
  void fclst_Click();

  // The secondary windows while they are open (null otherwise).
  frmAbt* aboutWindow() const;
  frmCredit* helpWindow() const;

  // What one Category switch does, as data; all nine run the same protocol.
  struct SwitchSpec;

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
  void connectSwitches();
  void runSwitch(const SwitchSpec& spec);
  void connectLookups();
  // The one way every describer answers: the table's first row with a key equal to the code.
  bool describe(std::span<const catalog::TextRow> table, const QString& code);
  void describeOrFlag(std::span<const catalog::TextRow> table, const QString& code, bool& notFound);
  void callMvsDescribers(const QString& code);
  void callCicsDescribers(const QString& code);
  void reportNotFound(const QString& tail, QWidget* focusTo);
  void emptyPanes();
  void lstJclStep();
  void connectIdmsLists();
  void connectJclList();
  void connectVsamLists();
  // Runs a list box's Click handler once for each item the user chooses in it.
  void connectListClick(QListWidget* list, void (frmEcd::*click)());
  // A list box's text: its chosen item's, or "" while none is chosen.
  static QString listText(const QListWidget* list);
  void typedLookup(bool byEnter);

  Desktop& desktop_;
  FocusBridge* focus_ = nullptr;
  QPixmap background_;
  QPointer<frmAbt> about_;
  QPointer<frmCredit> help_;
  bool started_ = false;
  // Counts the entries written to the panes, so that a lookup can tell whether any of the
  // describers it called answered.
  unsigned long entriesShown_ = 0;
};

}  // namespace quenmar
