#include "app/frmcredit.h"

#include <QLabel>

#include "app/desktop.h"
#include "app/looks.h"
#include "app/secondary_window.h"
#include "app/web_links.h"
#include "skin/dorx_xp_button.h"
#include "skin/dorx_xp_form.h"

namespace quenmar {
namespace {

// The runs of blanks in the legends end their lines: each entry wraps onto a line of its own.
const QString kCategoryLegend = QStringLiteral(
    "COBOL - File Status    MVS - System Completion JCL - Utility Returns  VSAM - Status Code   "
    "DB2- SQL return code    CICS - Abnormal Ends IMS- DL/I Status Codes     IDMS- Return Codes "
    "REXX - Return Codes");
const QString kVsamLegend = QStringLiteral(
    "S.C - Status Code R.C - Return Code   F.C - Function Code  L.P.C - Logical /    Physical "
    "Error Code");
const QString kForumLine = QStringLiteral("Visit our Online  Forums for 24/7 Technical Support");

// The legends' blanks were counted for a bitmap face that sets bold text a little wider than
// Liberation Sans does; without this spacing entries run on into the next one's line.
QFont legendFont() {
  QFont font = looks::sansFont(looks::kSmallPx, true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
  font.setWordSpacing(1.0);
  return font;
}

}  // namespace

frmCredit::frmCredit(Desktop& desktop) : desktop_(desktop) {
  setObjectName(QStringLiteral("frmCredit"));
  DorxXPForm1 = dressSecondaryWindow(this, {looks::px(6450), looks::px(5355)},
                                     QStringLiteral("QUENMAR Help"));
  buildControls();
  connectHandlers();
}

void frmCredit::buildControls() {
  QWidget* client = DorxXPForm1->client();
  const LabelLook title{looks::sansFont(looks::kTitlePx, false), looks::kBlue,
                        Qt::AlignHCenter | Qt::AlignTop};
  const LabelLook sponsors{looks::sansFont(looks::kSmallPx, true), kMenuTextColour};
  const LabelLook heading{looks::sansFont(looks::kMediumPx, true), kWindowFrameColour};
  const LabelLook legend{legendFont(), kAppWorkspaceColour, Qt::AlignLeft | Qt::AlignTop, true};
  const LabelLook forum{looks::sansFont(looks::kMediumPx, true), kActiveTitleColour};

  Image12 = addPicture(client, "Image12", QStringLiteral(":/quenmar/help-window.png"),
                       {240, 480, 1410, 1500});
  LblTitle =
      addLabel(client, "LblTitle", QStringLiteral("QUENMAR"), {1800, 1080, 2130, 300}, title);
  Label4 = addLabel(client, "Label4", QStringLiteral("Sponsors:"), {4920, 720, 975, 375}, sponsors);
  // Made in their tab order, "Close" and the two sponsors, so that "Close" takes the focus
  // when the window opens.
  Command1 = addButton(client, "Command1", QStringLiteral("Close"), {2280, 4680, 1230, 375});
  DorxXPButton1 =
      addButton(client, "DorxXPButton1", links::kFirstSponsorName, {4440, 1080, 1350, 375});
  DorxXPButton5 =
      addButton(client, "DorxXPButton5", links::kSecondSponsorName, {4440, 1560, 1350, 375});
  Line4 = addLine(client, "Line4", {240, 1920}, {4800, 1920}, kScrollBarColour);
  Label6 = addLabel(client, "Label6", QStringLiteral("Code Descriptions"), {240, 1920, 2295, 375},
                    heading);
  Label7 = addLabel(client, "Label7", kCategoryLegend, {240, 2280, 2295, 2175}, legend);
  Line3 = addLine(client, "Line3", {2760, 1920}, {2760, 4200}, kScrollBarColour);
  Label5 = addLabel(client, "Label5", QStringLiteral("VSAM Error Keys"), {3720, 2760, 1935, 255},
                    heading);
  Label8 = addLabel(client, "Label8", kVsamLegend, {3840, 3120, 1815, 1455}, legend);
  Line1 = addLine(client, "Line1", {240, 4200}, {5465, 4200}, looks::kSilver);
  Label1 = addLinkLabel(client, "Label1", kForumLine, {360, 4200, 5295, 375}, forum);
}

void frmCredit::connectHandlers() {
  connect(Command1, &QAbstractButton::clicked, this, &frmCredit::Command1_Click);
  connect(Label1, &ClickableLabel::clicked, this, &frmCredit::Label1_Click);
  connect(DorxXPButton1, &QAbstractButton::clicked, this, &frmCredit::DorxXPButton1_Click);
  connect(DorxXPButton5, &QAbstractButton::clicked, this, &frmCredit::DorxXPButton5_Click);
}

void frmCredit::Command1_Click() { close(); }

void frmCredit::Label1_Click() { OpenWebPage(links::kForumPage); }

void frmCredit::DorxXPButton1_Click() { OpenWebPage(links::kFirstSponsor); }

void frmCredit::DorxXPButton5_Click() { OpenWebPage(links::kSecondSponsor); }

void frmCredit::OpenWebPage(const QString& address) { desktop_.openWebPage(address); }

}  // namespace quenmar
