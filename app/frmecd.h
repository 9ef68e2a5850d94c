#pragma once

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
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
struct CategoryDescriptor;
struct KeyRule;

// The code family the user works in, chosen with the option buttons in Frame1.
enum class Category { Mvs, Cics, Ims, Db2, Idms, Jcl, Cobol, Rexx, Vsam };

// The main window: every control of the code lookup and every variable that the lookup keeps
// between two user actions. Controls carry their own names as objectName, and the event
// handlers bear the names of the control and event they answer.
//
// The names are the system's own and stay as they are, odd ones included:
// - cmbCode is the main code list; cmbDb2 is the second code list, which serves IMS as well as
//   DB2 (IMS abend codes there, SQL warnings for DB2), with its labels lbldb1/lbldb2 and
//   lblims1/lblims2.
// - sclst, eclst, fclst and pclst are the VSAM lists: status codes, return codes (a pick of 8
//   or 12 opens the error code choice), function codes, and the logical or physical error
//   codes of that choice.
// - lstIdms1 holds the IDMS DML functions (major codes), lstIdms2 the minor codes of the one
//   picked; Label12 ("DML Function") heads them, shown in IDMS in place of Label5 ("Reason").
// - sclbl "S.C", eclbl "R.C", fclbl "F.C" and pclbl "L.P.C" are the VSAM lists' labels.
// - lstJcl holds the return codes of the utility picked in cmbCode.
// - Support is the Forum button (it opens the forum page); cmdCred is the Help button, and the
//   Help window it opens is frmCredit; cmdAbt opens frmAbt; cmdRfs is Refresh; cmdType is the
//   search button beside the typed-code box txtCode.
// - idmspr1 fills the minor code list with the minor codes every DML function offers; idmspro1
//   to idmspro5 are the IDMS status code describers, one per range of major codes.
// - mvspr1.., cicspr1.., imspr1.. (no imspr11), dlpro1.., db2pro1/2 are the range describers
//   of MVS, CICS, IMS abends, DL/I status codes and SQL errors; vbenter is Enter's lookup of a
//   typed code; txtclear empties the four answer panes; NA writes "NA" into three of them.
// - CategoryFlag records the Category whose switch or typed lookup set it, apart from the
//   option buttons (the REXX flag outlives some switches); only the typed-code key rule reads
//   it. NotFoundFlag holds one flag per MVS and CICS describer, set by its describer on a miss
//   and read by the typed lookup.
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
  // Empties the four answer panes: System Action, Description, Reason, User Response.
  void txtclear();
  // Writes one code's explanation into the four answer panes.
  void showEntry(const catalog::CodeEntry& entry);

  // --- The Categories ---
  // The Category whose option is set, if any.
  std::optional<Category> category() const;
  // Every Category's descriptor, one each, in the order the list lookup always tested the
  // option buttons: DB2, COBOL, CICS, JCL, REXX, MVS, IMS, then IDMS and VSAM.
  static std::span<const CategoryDescriptor* const> categories();
  static const CategoryDescriptor kMvs;
  static const CategoryDescriptor kCics;
  static const CategoryDescriptor kIms;
  static const CategoryDescriptor kDb2;
  static const CategoryDescriptor kIdms;
  static const CategoryDescriptor kJcl;
  static const CategoryDescriptor kCobol;
  static const CategoryDescriptor kRexx;
  static const CategoryDescriptor kVsam;

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
  void runSwitch(const CategoryDescriptor& category);
  const CategoryDescriptor* chosen() const;
  void connectLookups();
  void connectTypedCodeBox();
  void connectIdmsLists();
  void connectJclList();
  void connectVsamLists();
  // Runs a list box's Click handler once for each item the user chooses in it.
  void connectListClick(QListWidget* list, void (frmEcd::*click)());

  // The window's shared procedures (window_procedures.cpp).
  // The one way every describer answers: the table's first row with a key equal to the code.
  bool describe(std::span<const catalog::TextRow> table, const QString& code);
  void describeOrFlag(std::span<const catalog::TextRow> table, const QString& code, bool& notFound);
  // Asks every describer of a family that keeps NotFoundFlags, in order: the N-th table's miss
  // sets the N-th flag.
  void callFlaggedDescribers(std::span<const catalog::TextTable> tables,
                             std::array<bool, 13>& notFound, const QString& code);
  // A pick that nothing answers empties the panes rather than leave the previous code's
  // explanation beside the new one.
  template <typename Lookup>
  void answerOrEmpty(Lookup lookup) {
    const auto shownBefore = entriesShown_;
    lookup();
    if (entriesShown_ == shownBefore) {
      txtclear();
    }
  }
  // A list box's text: its chosen item's, or "" while none is chosen.
  static QString listText(const QListWidget* list);

  // The families' steps, named in their descriptors.
  void db2ListStep();
  void sqlWarningStep();
  void cobolListStep();
  void cicsListStep();
  void lstJclStep();
  void rexxListStep();
  void mvsListStep();
  void dliListStep();
  void imsAbendStep();
  void cobolTypedLookup(bool byEnter);
  void mvsTypedLookup(bool byEnter);
  void cicsTypedLookup(bool byEnter);
  void rexxTypedLookup(bool byEnter);

  // The typed lookup's common parts (typed_code.cpp).
  void typedLookup(bool byEnter);
  const KeyRule* keyRuleInForce() const;
  void upperCaseTypedCode();
  void describersTypedLookup(bool byEnter, std::span<const catalog::TextTable> tables,
                             std::array<bool, 13>& notFound, QWidget* focusOnMiss);
  void reportNotFound(const QString& tail, QWidget* focusTo);

  Desktop& desktop_;
  FocusBridge* focus_ = nullptr;
  QImage background_;
  QPointer<frmAbt> about_;
  QPointer<frmCredit> help_;
  bool started_ = false;
  // Counts the entries written to the panes, so that a lookup can tell whether any of the
  // describers it called answered.
  unsigned long entriesShown_ = 0;
};

}  // namespace quenmar
