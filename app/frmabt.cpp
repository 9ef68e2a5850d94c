#include "app/frmabt.h"

#include <QLabel>

#include "app/desktop.h"
#include "app/looks.h"
#include "app/secondary_window.h"
#include "app/web_links.h"
#include "skin/dorx_xp_button.h"
#include "skin/dorx_xp_form.h"

namespace quenmar {
namespace {

// The team is credited by its roles; the notice states the terms of use.
const QString kDesignCredit = QStringLiteral("Design: our team");
const QString kCodingCredit = QStringLiteral("Coding: our team");
const QString kTestingCredit = QStringLiteral(
    "Testing: the QUENMAR team, helped by the moderators and members of the Kestrune forums.");
const QString kNotice = QStringLiteral(
    "QUENMAR is a Kestrune product. You may use it and pass it on free of charge for study and "
    "reference, but not sell it or change it. For official use in your organisation we "
    "recommend our supported commercial product: www.kestrune.example");

}  // namespace

frmAbt::frmAbt(Desktop& desktop) : desktop_(desktop) {
  setObjectName(QStringLiteral("frmAbt"));
  DorxXPForm1 = dressSecondaryWindow(this, {looks::px(6405), looks::px(4635)},
                                     QStringLiteral("About QUENMAR"));
  buildControls();
  connectHandlers();
}

void frmAbt::buildControls() {
  QWidget* client = DorxXPForm1->client();
  const LabelLook title{looks::sansFont(looks::kTitlePx, false), looks::kBlue,
                        Qt::AlignHCenter | Qt::AlignTop};
  const LabelLook version{looks::verdanaFont(looks::kMediumPx, true), looks::kBlue,
                          Qt::AlignHCenter | Qt::AlignTop};
  // The credit lines keep a label's ordinary black.
  const LabelLook credit{looks::sansFont(looks::kMediumPx, true), QColor(Qt::black)};
  const LabelLook testers{looks::sansFont(looks::kSmallPx, false), kDarkShadowColour,
                          Qt::AlignLeft | Qt::AlignTop, true};
  const LabelLook notice{looks::sansFont(looks::kSmallPx, true), looks::kGrey,
                         Qt::AlignLeft | Qt::AlignTop, true};

  Image12 = addPicture(client, "Image12", QStringLiteral(":/quenmar/about-window.png"),
                       {120, 360, 1680, 1680});
  LblTitle = addLabel(client, "LblTitle", QStringLiteral("Mainframe QUENMAR"),
                      {2400, 600, 3570, 300}, title);
  LbVersion = addLabel(client, "LbVersion", QStringLiteral("Version " QUENMAR_VERSION),
                       {4440, 960, 1650, 300}, version);
  Label2 = addLabel(client, "Label2", kDesignCredit, {1800, 1080, 1815, 255}, credit);
  Label1 = addLabel(client, "Label1", kCodingCredit, {1800, 1560, 2250, 240}, credit);
  Line2 = addLine(client, "Line2", {120, 1800}, {4680, 1800}, kScrollBarColour);
  Label3 = addLabel(client, "Label3", kTestingCredit, {120, 2160, 4455, 735}, testers);
  Line1 = addLine(client, "Line1", {360, 3000}, {5585, 3000}, looks::kSilver);
  Label4 = addLinkLabel(client, "Label4", kNotice, {120, 3120, 5775, 855}, notice);
  // Made in their tab order, "UPDATE", "CLOSE", "BUY", so that "UPDATE" takes the focus when
  // the window opens.
  Command1 = addButton(client, "Command1", QStringLiteral("UPDATE"), {4680, 1920, 1230, 375});
  cmdOk = addButton(client, "cmdOk", QStringLiteral("CLOSE"), {4680, 2520, 1230, 375});
  Command2 = addButton(client, "Command2", QStringLiteral("BUY"), {4680, 1320, 1230, 375});
}

void frmAbt::connectHandlers() {
  connect(cmdOk, &QAbstractButton::clicked, this, &frmAbt::cmdOk_Click);
  connect(Command2, &QAbstractButton::clicked, this, &frmAbt::Command2_Click);
  connect(Command1, &QAbstractButton::clicked, this, &frmAbt::Command1_Click);
  connect(Label4, &ClickableLabel::clicked, this, &frmAbt::Label4_Click);
}

void frmAbt::cmdOk_Click() { close(); }

void frmAbt::Command2_Click() { OpenWebPage(links::kSalesSite); }

void frmAbt::Command1_Click() { OpenWebPage(links::kInstallerDownload); }

void frmAbt::Label4_Click() { OpenWebPage(links::kSalesSite); }

void frmAbt::OpenWebPage(const QString& address) { desktop_.openWebPage(address); }

}  // namespace quenmar
