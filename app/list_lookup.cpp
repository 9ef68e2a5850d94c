// Looking up a code picked in the main or the second code list, and the two lists' focus
// and key handlers. What a pick means is the chosen Category's step (its descriptor).
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/category.h"
#include "app/controls.h"
#include "app/focus_bridge.h"
#include "app/frmecd.h"
#include "app/key_bridge.h"

namespace quenmar {

void frmEcd::cmbCode_Click() {
  const CategoryDescriptor* chosenCategory = chosen();
  if (chosenCategory != nullptr && chosenCategory->listStep != nullptr) {
    (this->*chosenCategory->listStep)();
  }
}

void frmEcd::cmbDb2_Click() {
  const CategoryDescriptor* chosenCategory = chosen();
  if (chosenCategory != nullptr && chosenCategory->secondListStep != nullptr) {
    (this->*chosenCategory->secondListStep)();
  }
}

void frmEcd::cmbCode_GotFocus() {
  QPalette palette = cmbCode->palette();
  palette.setColor(QPalette::Base, Qt::white);
  cmbCode->setPalette(palette);
  controls::setText(cmbDb2, QString());
  txtclear();
}

void frmEcd::cmbCode_KeyPress(std::int16_t& keyAscii) {
  if (keyAscii == 8) {
    controls::setText(cmbCode, QString());
    txtclear();
    keyAscii = 0;
    return;
  }
  const bool swallowed =
      (keyAscii >= 33 && keyAscii <= 95) || (keyAscii >= 97 && keyAscii <= 125) || keyAscii == 13;
  if (swallowed) {
    keyAscii = 0;
  }
}

void frmEcd::cmbCode_LostFocus() { ListFocusFlag = true; }

void frmEcd::cmbDb2_GotFocus() {
  txtclear();
  txtCode->clear();
  controls::setText(cmbCode, QString());
}

// A pick is a change of the chosen item made with the mouse or the arrow keys. Qt's editable
// drop-down list also reports Enter in its edit field, and leaving an edit text that matches
// an item, as picks; neither is one here, so those two paths are cut off.
static void onlyPicksActivate(QComboBox* list) {
  QObject::disconnect(list->lineEdit(), &QLineEdit::returnPressed, nullptr, nullptr);
  QObject::disconnect(list->lineEdit(), &QLineEdit::editingFinished, nullptr, nullptr);
}

void frmEcd::connectLookups() {
  onlyPicksActivate(cmbCode);
  onlyPicksActivate(cmbDb2);
  connect(cmbCode, &QComboBox::activated, this, [this] { cmbCode_Click(); });
  connect(cmbDb2, &QComboBox::activated, this, [this] { cmbDb2_Click(); });
  new KeyBridge(cmbCode, [this](std::int16_t& key) { cmbCode_KeyPress(key); });
  focus_->addControl(
      cmbCode, [this] { cmbCode_GotFocus(); }, [this] { cmbCode_LostFocus(); });
  focus_->addControl(cmbDb2, [this] { cmbDb2_GotFocus(); });
}

}  // namespace quenmar
