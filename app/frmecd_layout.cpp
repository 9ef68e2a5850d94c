// The main window's controls: where each one sits, what it says and how it looks.
#include <qdrawutil.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <iterator>
#include <string_view>

#include "app/controls.h"
#include "app/frmecd.h"
#include "app/looks.h"
#include "skin/dorx_xp_button.h"

namespace quenmar {
namespace {

enum class Parent { Window, Frame };

struct ControlSpec {
  std::string_view name;
  Parent parent;
  std::string_view text;
  int left, top, width, height;  // twips
  int tabIndex;                  // -1: takes no focus
};

// clang-format off
constexpr ControlSpec kControls[] = {
    {"cmdRfs",    Parent::Window, "Refresh",             7080, 1680,  735,  855, 45},
    {"Support",   Parent::Window, "Forum",               7080, 2760,  735,  855, 39},
    {"cmdCred",   Parent::Window, "Help",                7080, 3840,  735,  855, 40},
    {"cmdAbt",    Parent::Window, "About",               7080, 4920,  735,  855, 42},
    {"cmdExt",    Parent::Window, "Exit",                7080, 6000,  735,  855, 43},
    {"Frame1",    Parent::Window, "Details",              360,  960, 6375, 6015, -1},
    {"cmbCode",   Parent::Window, "",                    1800, 2880, 1815,  315,  9},
    {"lstJcl",    Parent::Window, "",                    3600, 2880,  735,  450, 14},
    {"sclst",     Parent::Window, "",                    3720, 2880,  735,  450, 15},
    {"optCobol",  Parent::Frame,  "COBOL",               1440,  360, 1095,  375,  0},
    {"optMvs",    Parent::Frame,  "MVS",                 3480,  360,  855,  255,  1},
    {"optJcl",    Parent::Frame,  "JCL",                 5400,  360,  855,  255,  2},
    {"optVsam",   Parent::Frame,  "VSAM",                1440,  720,  975,  255,  3},
    {"optDb2",    Parent::Frame,  "DB2",                 3480,  720,  855,  255,  4},
    {"optCics",   Parent::Frame,  "CICS",                5400,  720,  855,  255,  5},
    {"optIms",    Parent::Frame,  "IMS",                 1440, 1080,  735,  255,  6},
    {"optIdms",   Parent::Frame,  "IDMS",                3480, 1080,  975,  255,  7},
    {"optRexx",   Parent::Frame,  "REXX",                5400, 1080,  975,  255,  8},
    {"Label3",    Parent::Frame,  "Language",             120,  360,  855,  195, -1},
    {"lbldb1",    Parent::Frame,  "SQL Errors (-ive)",   1440, 1680, 1425,  195, -1},
    {"lblims1",   Parent::Frame,  "DL/I Status Codes",   1440, 1680, 1695,  255, -1},
    {"sclbl",     Parent::Frame,  "S.C",                 3480, 1680,  315,  195, -1},
    {"eclbl",     Parent::Frame,  "R.C",                 4200, 1680,  330,  195, -1},
    {"lbldb2",    Parent::Frame,  "SQL Warnings (+ive)", 4440, 1680, 1770,  195, -1},
    {"lblims2",   Parent::Frame,  "DL/I Return Codes",   4440, 1680, 1695,  255, -1},
    {"fclbl",     Parent::Frame,  "F.C",                 4920, 1680,  300,  195, -1},
    {"pclbl",     Parent::Frame,  "L.P.C",               5640, 1680,  480,  195, -1},
    {"Label2",    Parent::Frame,  "Error Code",           120, 1920,  915,  195, -1},
    {"lstIdms1",  Parent::Frame,  "",                    1440, 1920,  735,  450, 12},
    {"lstIdms2",  Parent::Frame,  "",                    2160, 1920,  735,  450, 13},
    {"Label7",    Parent::Frame,  "Or Type Here",        3360, 1920, 1215,  255, -1},
    {"eclst",     Parent::Frame,  "",                    4080, 1920,  735,  450, 16},
    {"cmbDb2",    Parent::Frame,  "",                    4440, 1920, 1815,  315, 11},
    {"txtCode",   Parent::Frame,  "",                    4560, 1920, 1095,  375, 10},
    {"fclst",     Parent::Frame,  "",                    4800, 1920,  735,  450, 17},
    {"pclst",     Parent::Frame,  "",                    5520, 1920,  735,  450, 18},
    {"cmdType",   Parent::Frame,  "",                    5640, 1920,  615,  375, 41},
    {"Label5",    Parent::Frame,  "Reason",               120, 2640,  660,  195, -1},
    {"Label12",   Parent::Frame,  "DML Function",         120, 2640, 1200,  195, -1},
    {"txtReason", Parent::Frame,  "",                    1440, 2400, 4905,  660, 19},
    {"Label6",    Parent::Frame,  "Description",          120, 3600,  975,  195, -1},
    {"txtDesc",   Parent::Frame,  "",                    1440, 3240, 4905, 1020, 20},
    {"txtAction", Parent::Frame,  "",                    1440, 4440, 4905,  660, 21},
    {"Label9",    Parent::Frame,  "System Action",        120, 4680, 1215,  195, -1},
    {"txtResp",   Parent::Frame,  "",                    1440, 5280, 4905,  660, 22},
    {"Label8",    Parent::Frame,  "User Response",        120, 5520, 1305,  195, -1},
    {"Label4",    Parent::Frame,  "",                     360, 6000, 5970,  195, -1},
};
// clang-format on

// The notice under the panes names the maker and its sales site.
constexpr std::string_view kNotice =
    "QUENMAR is a Kestrune product. Licences and updates: www.kestrune.example";

const ControlSpec& specOf(std::string_view name) {
  const auto* it = std::find_if(std::begin(kControls), std::end(kControls),
                                [name](const ControlSpec& c) { return c.name == name; });
  Q_ASSERT(it != std::end(kControls));
  return *it;
}

// The frame is drawn the same on every style: its light orange to the edge, an etched line
// round it and the caption on the top line. Some styles tint a group box's inside or draw
// its border in a width of their own, which would set the options apart from the frame.
class FrameLook : public QProxyStyle {
 public:
  static constexpr int kBorder = 2;  // the etched line: a dark and a light row of pixels

  using QProxyStyle::QProxyStyle;

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr) {
      QProxyStyle::drawComplexControl(control, option, painter, widget);
      return;
    }
    const QFontMetrics& metrics = box->fontMetrics;
    const QRect caption(6, 0, metrics.horizontalAdvance(box->text) + 4, metrics.height());
    QRect line = box->rect;
    line.setTop(caption.center().y());
    qDrawShadeRect(painter, line, box->palette, true, 1, 0);
    painter->fillRect(caption, box->palette.window());
    painter->setPen(box->palette.color(QPalette::WindowText));
    painter->drawText(caption, Qt::AlignCenter, box->text);
  }
};

void paintBackground(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void setTextColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Text, color);
  palette.setColor(QPalette::WindowText, color);
  palette.setColor(QPalette::ButtonText, color);
  widget->setPalette(palette);
}

void lookLikeOption(QRadioButton* option) {
  // A button fills its background with the Button role, which styles paint in their own grey;
  // the options must show the frame's colour whatever the style, so both roles carry it and
  // the fill reads the Window role.
  QPalette palette = option->palette();
  palette.setColor(QPalette::Window, looks::kLightOrange);
  palette.setColor(QPalette::Button, looks::kLightOrange);
  option->setPalette(palette);
  option->setBackgroundRole(QPalette::Window);
  option->setAutoFillBackground(true);
  setTextColor(option, looks::kMaroon);
  option->setFont(looks::sansFont(looks::kMediumPx, true));
}

void lookLikeLabel(QLabel* label) {
  paintBackground(label, looks::kLightOrange);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void lookLikePane(QPlainTextEdit* pane) {
  QPalette palette = pane->palette();
  palette.setColor(QPalette::Base, looks::kOrange);
  palette.setColor(QPalette::Text, Qt::white);
  pane->setPalette(palette);
  pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pane->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  pane->setTabChangesFocus(true);
}

void lookLikeList(QListWidget* list) {
  setTextColor(list, looks::kNavy);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
}

void lookLikeCodeList(QComboBox* combo) {
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  combo->setMaxVisibleItems(8);
  setTextColor(combo, looks::kNavy);
  setTextColor(combo->lineEdit(), looks::kNavy);
}

}  // namespace

template <class T>
static T* place(QWidget* window, QWidget* frame, std::string_view name) {
  const ControlSpec& spec = specOf(name);
  auto* widget = new T(spec.parent == Parent::Frame ? frame : window);
  widget->setObjectName(controls::fromCatalog(spec.name));
  widget->setGeometry(looks::twipsRect(spec.left, spec.top, spec.width, spec.height));
  if constexpr (requires { widget->setText(QString()); }) {
    if (!spec.text.empty()) {
      widget->setText(controls::fromCatalog(spec.text));
    }
  }
  if (spec.tabIndex < 0) {
    widget->setFocusPolicy(Qt::NoFocus);
  }
  return widget;
}

void frmEcd::buildControls() {
  Frame1 = place<QGroupBox>(this, nullptr, "Frame1");
  Frame1->setTitle(QStringLiteral("Details"));
  QWidget* f = Frame1;

  optCobol = place<QRadioButton>(this, f, "optCobol");
  optMvs = place<QRadioButton>(this, f, "optMvs");
  optJcl = place<QRadioButton>(this, f, "optJcl");
  optVsam = place<QRadioButton>(this, f, "optVsam");
  optDb2 = place<QRadioButton>(this, f, "optDb2");
  optCics = place<QRadioButton>(this, f, "optCics");
  optIms = place<QRadioButton>(this, f, "optIms");
  optIdms = place<QRadioButton>(this, f, "optIdms");
  optRexx = place<QRadioButton>(this, f, "optRexx");

  Label3 = place<QLabel>(this, f, "Label3");
  lbldb1 = place<QLabel>(this, f, "lbldb1");
  lblims1 = place<QLabel>(this, f, "lblims1");
  sclbl = place<QLabel>(this, f, "sclbl");
  eclbl = place<QLabel>(this, f, "eclbl");
  lbldb2 = place<QLabel>(this, f, "lbldb2");
  lblims2 = place<QLabel>(this, f, "lblims2");
  fclbl = place<QLabel>(this, f, "fclbl");
  pclbl = place<QLabel>(this, f, "pclbl");
  Label2 = place<QLabel>(this, f, "Label2");
  lstIdms1 = place<QListWidget>(this, f, "lstIdms1");
  lstIdms2 = place<QListWidget>(this, f, "lstIdms2");
  Label7 = place<QLabel>(this, f, "Label7");
  eclst = place<QListWidget>(this, f, "eclst");
  cmbDb2 = place<QComboBox>(this, f, "cmbDb2");
  txtCode = place<QPlainTextEdit>(this, f, "txtCode");
  fclst = place<QListWidget>(this, f, "fclst");
  pclst = place<QListWidget>(this, f, "pclst");
  cmdType = place<DorxXPButton>(this, f, "cmdType");
  Label5 = place<QLabel>(this, f, "Label5");
  Label12 = place<QLabel>(this, f, "Label12");
  txtReason = place<QPlainTextEdit>(this, f, "txtReason");
  Label6 = place<QLabel>(this, f, "Label6");
  txtDesc = place<QPlainTextEdit>(this, f, "txtDesc");
  txtAction = place<QPlainTextEdit>(this, f, "txtAction");
  Label9 = place<QLabel>(this, f, "Label9");
  txtResp = place<QPlainTextEdit>(this, f, "txtResp");
  Label8 = place<QLabel>(this, f, "Label8");
  Label4 = place<QLabel>(this, f, "Label4");
  Label4->setText(controls::fromCatalog(kNotice));
  // The notice's place is given in the frame's coordinates but lies on the frame's bottom
  // edge, where the frame would clip all of it but one row of pixels. It is drawn on the
  // window at the same spot so that it can be read.
  Label4->setParent(this);
  Label4->move(Frame1->pos() + Label4->pos());

  // Created after the frame so that they lie above it, over its "Error Code" row.
  cmbCode = place<QComboBox>(this, f, "cmbCode");
  lstJcl = place<QListWidget>(this, f, "lstJcl");
  sclst = place<QListWidget>(this, f, "sclst");

  cmdRfs = place<DorxXPButton>(this, f, "cmdRfs");
  Support = place<DorxXPButton>(this, f, "Support");
  cmdCred = place<DorxXPButton>(this, f, "cmdCred");
  cmdAbt = place<DorxXPButton>(this, f, "cmdAbt");
  cmdExt = place<DorxXPButton>(this, f, "cmdExt");
}

void frmEcd::applyLooks() {
  setFont(looks::sansFont(looks::kSmallPx, true));
  paintBackground(Frame1, looks::kLightOrange);

  auto* frameLook = new FrameLook(QStyleFactory::create(QApplication::style()->name()));
  frameLook->setParent(Frame1);
  Frame1->setStyle(frameLook);

  // REXX's place reaches the frame's right edge; its filled box would paint over the border.
  const int border = FrameLook::kBorder;
  const QRect inside = Frame1->rect().adjusted(border, border, -border, -border);
  for (QRadioButton* option :
       {optCobol, optMvs, optJcl, optVsam, optDb2, optCics, optIms, optIdms, optRexx}) {
    lookLikeOption(option);
    option->setGeometry(option->geometry().intersected(inside));
  }
  for (QLabel* label : {Label3, lbldb1, lblims1, sclbl, eclbl, lbldb2, lblims2, fclbl, pclbl,
                        Label2, Label7, Label5, Label12, Label6, Label9, Label8, Label4}) {
    lookLikeLabel(label);
  }
  for (QLabel* label : {Label3, Label2, Label7, Label5, Label12, Label6, Label9, Label8}) {
    setTextColor(label, Qt::black);
  }
  Label4->setFont(looks::sansFont(looks::kSmallPx, false));
  setTextColor(Label4, looks::kNavy);

  for (QPlainTextEdit* pane : {txtReason, txtDesc, txtAction, txtResp}) {
    lookLikePane(pane);
  }
  txtCode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtCode->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtCode->setTabChangesFocus(true);
  txtCode->document()->setDocumentMargin(2);
  setTextColor(txtCode, looks::kNavy);

  lookLikeCodeList(cmbCode);
  lookLikeCodeList(cmbDb2);
  cmbDb2->setToolTip(QStringLiteral("Input the SQL Code"));
  for (QListWidget* list : {lstJcl, sclst, lstIdms1, lstIdms2, eclst, fclst, pclst}) {
    lookLikeList(list);
  }
  sclst->setToolTip(QStringLiteral("STATUS-CODE"));
  eclst->setToolTip(QStringLiteral("EXTENDED-RETURN-CODE"));
  fclst->setToolTip(QStringLiteral("EXTENDED-FUNCTION-CODE"));

  struct Picture {
    DorxXPButton* button;
    const char* resource;
  };
  const Picture pictures[] = {
      {cmdRfs, ":/quenmar/refresh.png"}, {Support, ":/quenmar/forum.png"},
      {cmdCred, ":/quenmar/help.png"},   {cmdAbt, ":/quenmar/about.png"},
      {cmdExt, ":/quenmar/exit.png"},    {cmdType, ":/quenmar/search.png"},
  };
  for (const Picture& p : pictures) {
    p.button->setFont(looks::verdanaFont(looks::kSmallPx, false));
    p.button->setPicture(QPixmap(QString::fromLatin1(p.resource)),
                         DorxXPButton::PicturePosition::Top);
  }
}

void frmEcd::setTabOrder() {
  std::vector<const ControlSpec*> ordered;
  for (const ControlSpec& spec : kControls) {
    if (spec.tabIndex >= 0) {
      ordered.push_back(&spec);
    }
  }
  std::sort(ordered.begin(), ordered.end(),
            [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
  QWidget* previous = nullptr;
  for (const ControlSpec* spec : ordered) {
    auto* widget = findChild<QWidget*>(controls::fromCatalog(spec->name));
    if (previous != nullptr) {
      QWidget::setTabOrder(previous, widget);
    }
    previous = widget;
  }
}

}  // namespace quenmar
