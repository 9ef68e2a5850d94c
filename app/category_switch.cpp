// The Category switches. All nine follow one protocol; what differs per Category is data, in
// its descriptor.
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

#include "app/category.h"
#include "app/controls.h"
#include "app/focus_bridge.h"
#include "app/frmecd.h"
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

constexpr const char* kChooseHere = "Choose Here";

QString qs(const char* text) { return QString::fromLatin1(text); }

}  // namespace

void frmEcd::runSwitch(const CategoryDescriptor& category) {
  const CategorySwitch& spec = category.onSwitch;
  QRadioButton* option = this->*category.option;

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
  if (category.flag != nullptr && set) {
    const bool rexx = CategoryFlag.rexx;
    CategoryFlag = CategoryFlags{};
    CategoryFlag.rexx = spec.clearsRexx ? false : rexx;
    CategoryFlag.*category.flag = true;
  }
  if (!spec.fillOnlyWhileSet || set) {
    spec.fill(*this);
  }
}

void frmEcd::connectSwitches() {
  for (const CategoryDescriptor* category : categories()) {
    connect(this->*category->option, &QRadioButton::toggled, this,
            [this, click = category->click](bool checked) {
              if (checked) {
                (this->*click)();
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
