// The Category switches. All nine follow one protocol; what differs per Category is data.
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

#include "app/controls.h"
#include "app/focus_bridge.h"
#include "app/frmecd.h"
#include "catalog/code_lists.h"
#include "skin/dorx_xp_button.h"

namespace quenmar {
namespace {

// Qt moves between the buttons of a group by their places on screen, which skips options
// that lie off the line of travel. The options are a ring in their tab order instead: Right
// and Down go to the next one, Left and Up to the one before, wrapping at either end.
class OptionArrows : public QObject {
 public:
  OptionArrows(QObject* parent, std::vector<QRadioButton*> ring,
               std::function<void(QRadioButton*)> choose)
      : QObject(parent), ring_(std::move(ring)), choose_(std::move(choose)) {
    for (QRadioButton* option : ring_) {
      option->installEventFilter(this);
    }
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) {
      return false;
    }
    int step = 0;
    switch (static_cast<const QKeyEvent*>(event)->key()) {
      case Qt::Key_Right:
      case Qt::Key_Down:
        step = 1;
        break;
      case Qt::Key_Left:
      case Qt::Key_Up:
        step = -1;
        break;
      default:
        return false;
    }
    const auto at = std::find(ring_.begin(), ring_.end(), watched);
    if (at == ring_.end()) {
      return false;
    }
    const auto count = static_cast<std::ptrdiff_t>(ring_.size());
    const std::ptrdiff_t next = ((at - ring_.begin()) + step + count) % count;
    choose_(ring_[static_cast<std::size_t>(next)]);
    return true;
  }

 private:
  std::vector<QRadioButton*> ring_;
  std::function<void(QRadioButton*)> choose_;
};

namespace cat = catalog;

enum class SecondList { Hidden, Ims, Db2 };

constexpr const char* kChooseHere = "Choose Here";

}  // namespace

struct frmEcd::SwitchSpec {
  QRadioButton* frmEcd::*option;
  bool mainList = false;  // enabled, shown and focused; otherwise disabled and hidden
  const char* mainTooltip = nullptr;
  SecondList second = SecondList::Hidden;
  bool typedBox = false;  // the typed-code box with its label and search button
  const char* boxTooltip = nullptr;
  bool idmsLists = false;
  bool db2Labels = false;
  bool imsLabels = false;
  bool jclList = false;
  bool vsamLists = false;
  // The flag the Category sets; the others are cleared, the REXX flag only by MVS and REXX.
  bool CategoryFlags::*ownFlag = nullptr;
  bool clearsRexx = false;
  bool fillOnlyWhileSet = false;
  void (*fill)(frmEcd&) = nullptr;
};

namespace {

void fillMvs(frmEcd& w) { controls::appendItems(w.cmbCode, cat::mvs::codeList()); }
void fillCics(frmEcd& w) { controls::appendItems(w.cmbCode, cat::cics::codeList()); }
void fillIms(frmEcd& w) {
  controls::appendItems(w.cmbDb2, cat::ims::abendCodeList());
  controls::appendItems(w.cmbCode, cat::ims::dliStatusList());
}
void fillDb2(frmEcd& w) {
  controls::appendItems(w.cmbCode, cat::db2::sqlErrorList());
  controls::appendItems(w.cmbDb2, cat::db2::sqlWarningList());
}
void fillIdms(frmEcd& w) { controls::appendItems(w.lstIdms1, cat::idms::dmlFunctionList()); }
void fillJcl(frmEcd& w) { controls::appendItems(w.cmbCode, cat::jcl::utilityList()); }
void fillCobol(frmEcd& w) { controls::appendItems(w.cmbCode, cat::cobol::codeList()); }
void fillRexx(frmEcd& w) { controls::appendItems(w.cmbCode, cat::rexx::codeList()); }
void fillVsam(frmEcd& w) {
  controls::appendItems(w.sclst, cat::vsam::statusCodeList());
  controls::appendItems(w.eclst, cat::vsam::returnCodeList());
  controls::appendItems(w.fclst, cat::vsam::functionCodeList());
}

using F = frmEcd::CategoryFlags;

const frmEcd::SwitchSpec kMvs{
    .option = &frmEcd::optMvs,
    .mainList = true,
    .mainTooltip = "Select the MVS Error",
    .typedBox = true,
    .boxTooltip = "Enter the MVS Error",
    .ownFlag = &F::mvs,
    .clearsRexx = true,
    .fillOnlyWhileSet = true,
    .fill = fillMvs,
};

const frmEcd::SwitchSpec kCics{
    .option = &frmEcd::optCics,
    .mainList = true,
    .mainTooltip = "Select the CICS Error",
    .typedBox = true,
    .boxTooltip = "Enter CICS Error",
    .ownFlag = &F::cics,
    .fillOnlyWhileSet = true,
    .fill = fillCics,
};

const frmEcd::SwitchSpec kIms{
    .option = &frmEcd::optIms,
    .mainList = true,
    .mainTooltip = "Select the IMS Error",
    .second = SecondList::Ims,
    .imsLabels = true,
    .fill = fillIms,
};

const frmEcd::SwitchSpec kDb2{
    .option = &frmEcd::optDb2,
    .mainList = true,
    .mainTooltip = "Select the SQL Error",
    .second = SecondList::Db2,
    .db2Labels = true,
    .ownFlag = &F::db2,
    .fillOnlyWhileSet = true,
    .fill = fillDb2,
};

const frmEcd::SwitchSpec kIdms{
    .option = &frmEcd::optIdms,
    .idmsLists = true,
    .fill = fillIdms,
};

const frmEcd::SwitchSpec kJcl{
    .option = &frmEcd::optJcl,
    .mainList = true,
    .mainTooltip = "Select the JCL Error",
    .jclList = true,
    .ownFlag = &F::jcl,
    .fillOnlyWhileSet = true,
    .fill = fillJcl,
};

const frmEcd::SwitchSpec kCobol{
    .option = &frmEcd::optCobol,
    .mainList = true,
    .mainTooltip = "Select the COBOL Error",
    .typedBox = true,
    .boxTooltip = "Enter the COBOL Error",
    .ownFlag = &F::cobol,
    .fillOnlyWhileSet = true,
    .fill = fillCobol,
};

const frmEcd::SwitchSpec kRexx{
    .option = &frmEcd::optRexx,
    .mainList = true,
    .mainTooltip = "Select the REXX Error",
    .typedBox = true,
    .boxTooltip = "Enter REXX Error",
    .ownFlag = &F::rexx,
    .clearsRexx = true,
    .fillOnlyWhileSet = true,
    .fill = fillRexx,
};

const frmEcd::SwitchSpec kVsam{
    .option = &frmEcd::optVsam,
    .vsamLists = true,
    .fill = fillVsam,
};

QString qs(const char* text) { return QString::fromLatin1(text); }

}  // namespace

void frmEcd::runSwitch(const SwitchSpec& spec) {
  QRadioButton* option = this->*spec.option;

  // 1. Reset the code lists.
  controls::clearItems(cmbCode);
  controls::setText(cmbCode, spec.mainList ? qs(kChooseHere) : QString());
  if (spec.second != SecondList::Hidden) {
    controls::clearItems(cmbDb2);
  }
  if (spec.second == SecondList::Db2) {
    controls::setText(cmbDb2, QStringLiteral("Or Here"));
  }
  if (spec.idmsLists) {
    lstIdms1->clear();
  }
  if (spec.vsamLists) {
    for (QListWidget* list : {sclst, eclst, fclst, pclst}) {
      list->clear();
    }
  }

  // 2. Empty the typed-code box and the answer panes.
  for (QPlainTextEdit* box : {txtCode, txtAction, txtDesc, txtReason, txtResp}) {
    box->clear();
  }

  // 3. The main code list: enabled and shown before it can take the focus.
  cmbCode->setEnabled(spec.mainList);
  cmbCode->setVisible(spec.mainList);
  if (spec.mainList) {
    focus_->moveTo(cmbCode);
  }

  // 4. Show this Category's controls, hide the others, set the tooltips.
  cmbDb2->setVisible(spec.second != SecondList::Hidden);
  for (QWidget* control : {static_cast<QWidget*>(txtCode), static_cast<QWidget*>(Label7),
                           static_cast<QWidget*>(cmdType)}) {
    control->setVisible(spec.typedBox);
  }
  Label5->setVisible(!spec.idmsLists);
  Label12->setVisible(spec.idmsLists);
  lstIdms1->setVisible(spec.idmsLists);
  lstIdms2->setVisible(spec.idmsLists);
  lbldb1->setVisible(spec.db2Labels);
  lbldb2->setVisible(spec.db2Labels);
  lblims1->setVisible(spec.imsLabels);
  lblims2->setVisible(spec.imsLabels);
  lstJcl->setVisible(spec.jclList);
  for (QWidget* control :
       std::initializer_list<QWidget*>{sclst, eclst, fclst, pclst, sclbl, eclbl, fclbl, pclbl}) {
    control->setVisible(spec.vsamLists);
  }
  if (spec.vsamLists) {
    sclst->setEnabled(true);
    eclst->setEnabled(true);
    fclst->setEnabled(true);
  }
  if (spec.mainTooltip != nullptr) {
    cmbCode->setToolTip(qs(spec.mainTooltip));
  }
  if (spec.boxTooltip != nullptr) {
    txtCode->setToolTip(qs(spec.boxTooltip));
  }
  if (spec.second == SecondList::Db2) {
    cmbDb2->setToolTip(QStringLiteral("Select the SQL Warning"));
  }

  // 5. and 6. Flags and fill; most Categories do them only while their option is set.
  const bool set = option->isChecked();
  if (spec.ownFlag != nullptr && set) {
    const bool rexx = CategoryFlag.rexx;
    CategoryFlag = CategoryFlags{};
    CategoryFlag.rexx = spec.clearsRexx ? false : rexx;
    CategoryFlag.*spec.ownFlag = true;
  }
  if (!spec.fillOnlyWhileSet || set) {
    spec.fill(*this);
  }
}

void frmEcd::optMvs_Click() { runSwitch(kMvs); }
void frmEcd::optCics_Click() { runSwitch(kCics); }
void frmEcd::optIms_Click() { runSwitch(kIms); }
void frmEcd::optDb2_Click() { runSwitch(kDb2); }
void frmEcd::optIdms_Click() { runSwitch(kIdms); }
void frmEcd::optJcl_Click() { runSwitch(kJcl); }
void frmEcd::optCobol_Click() { runSwitch(kCobol); }
void frmEcd::optRexx_Click() { runSwitch(kRexx); }
void frmEcd::optVsam_Click() { runSwitch(kVsam); }

void frmEcd::connectSwitches() {
  const std::pair<QRadioButton*, void (frmEcd::*)()> switches[] = {
      {optMvs, &frmEcd::optMvs_Click},     {optCics, &frmEcd::optCics_Click},
      {optIms, &frmEcd::optIms_Click},     {optDb2, &frmEcd::optDb2_Click},
      {optIdms, &frmEcd::optIdms_Click},   {optJcl, &frmEcd::optJcl_Click},
      {optCobol, &frmEcd::optCobol_Click}, {optRexx, &frmEcd::optRexx_Click},
      {optVsam, &frmEcd::optVsam_Click},
  };
  for (const auto& [option, handler] : switches) {
    connect(option, &QRadioButton::toggled, this, [this, handler = handler](bool checked) {
      if (checked) {
        (this->*handler)();
      }
    });
  }
  // An arrow sets the option it reaches, which runs that switch once. The switch sends the
  // focus to the main code list; it comes back to the option, as after any move within the
  // group, so that the next arrow goes on from there.
  new OptionArrows(this,
                   {optCobol, optMvs, optJcl, optVsam, optDb2, optCics, optIms, optIdms, optRexx},
                   [this](QRadioButton* option) {
                     focus_->moveTo(option);
                     option->setChecked(true);
                     focus_->moveTo(option);
                   });
}

}  // namespace quenmar
