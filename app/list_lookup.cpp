// Looking up a code picked in the main or the second code list, and the two lists' focus
// and key handlers.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "app/controls.h"
#include "app/desktop.h"
#include "app/frmecd.h"
#include "app/key_bridge.h"
#include "catalog/cics/cics_tables.h"
#include "catalog/cobol/cobol_catalog.h"
#include "catalog/db2/db2_tables.h"
#include "catalog/jcl/utility_codes.h"
#include "catalog/number_reader.h"
#include "catalog/rexx/rexx_catalog.h"

namespace quenmar {
namespace {}  // namespace

void frmEcd::emptyPanes() {
  txtAction->clear();
  txtDesc->clear();
  txtReason->clear();
  txtResp->clear();
}

void frmEcd::cmbCode_Click() {
  // A pick that nothing answers empties the panes rather than leave the previous code's
  // explanation beside the new code; COBOL reports it instead.
  const auto shownBefore = entriesShown_;
  const auto answered = [&] { return entriesShown_ != shownBefore; };

  if (optDb2->isChecked()) {
    const std::optional<std::int16_t> sqlCode =
        catalog::readCodeNumber(controls::Utf8(controls::text(cmbCode)).view());
    if (sqlCode) {
      if (const catalog::CodeEntry* entry = catalog::db2::findSqlErrorEntry(*sqlCode)) {
        showEntry(*entry);
        return;
      }
      db2pro1(*sqlCode);
      db2pro2(*sqlCode);
    }
    if (!answered()) {
      emptyPanes();
    }
  } else if (optCobol->isChecked()) {
    const QString code = controls::text(cmbCode);
    if (const catalog::CodeEntry* entry =
            catalog::cobol::findByListKey(controls::Utf8(code).view())) {
      showEntry(*entry);
      return;
    }
    desktop_.showMessage(this, QStringLiteral("Unknown Error Code"),
                         controls::notFoundText(code, QStringLiteral(" was not found ")));
    controls::setText(cmbCode, QString());
  } else if (optCics->isChecked()) {
    if (describe(catalog::cics::inlineEntries(), controls::text(cmbCode))) {
      return;
    }
    callCicsDescribers(controls::text(cmbCode));
    if (!answered()) {
      emptyPanes();
    }
  } else if (optJcl->isChecked()) {
    lstJclStep();
  } else if (optRexx->isChecked()) {
    const std::optional<std::int16_t> number =
        catalog::readCodeNumber(controls::Utf8(controls::text(cmbCode)).view());
    const catalog::CodeEntry* entry = number ? catalog::rexx::findError(*number) : nullptr;
    if (entry != nullptr) {
      showEntry(*entry);
    } else {
      emptyPanes();
    }
  } else if (optMvs->isChecked()) {
    callMvsDescribers(controls::text(cmbCode));
    if (!answered()) {
      emptyPanes();
    }
  } else if (optIms->isChecked()) {
    DliCode = controls::text(cmbCode);
    dlpro1(DliCode);
    dlpro2(DliCode);
    dlpro3(DliCode);
    dlpro4(DliCode);
    dlpro5(DliCode);
    if (!answered()) {
      emptyPanes();
    }
  }
}

void frmEcd::lstJclStep() {
  lstJcl->setVisible(true);
  const catalog::jcl::Utility* utility =
      catalog::jcl::findUtility(controls::Utf8(controls::text(cmbCode)).view());
  if (utility == nullptr) {
    return;
  }
  txtclear();
  lstJcl->clear();
  if (utility->ownEntry != nullptr) {
    showEntry(*utility->ownEntry);
    return;
  }
  controls::appendItems(lstJcl, utility->returnCodes);
}

void frmEcd::cmbDb2_Click() {
  const auto shownBefore = entriesShown_;
  if (optDb2->isChecked()) {
    describe(catalog::db2::sqlWarningEntries(), controls::text(cmbDb2));
  } else if (optIms->isChecked()) {
    using Describer = void (frmEcd::*)(QString);
    for (Describer describer : {&frmEcd::imspr1, &frmEcd::imspr2, &frmEcd::imspr3, &frmEcd::imspr4,
                                &frmEcd::imspr5, &frmEcd::imspr6, &frmEcd::imspr7, &frmEcd::imspr8,
                                &frmEcd::imspr9, &frmEcd::imspr10, &frmEcd::imspr12}) {
      (this->*describer)(controls::text(cmbDb2));
    }
  } else {
    return;
  }
  if (entriesShown_ == shownBefore) {
    emptyPanes();
  }
}

void frmEcd::cmbCode_GotFocus() {
  QPalette palette = cmbCode->palette();
  palette.setColor(QPalette::Base, Qt::white);
  cmbCode->setPalette(palette);
  controls::setText(cmbDb2, QString());
  emptyPanes();
}

void frmEcd::cmbCode_KeyPress(std::int16_t& keyAscii) {
  if (keyAscii == 8) {
    controls::setText(cmbCode, QString());
    emptyPanes();
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
  new KeyBridge(txtCode, [this](std::int16_t& key) { txtCode_KeyPress(key); });
}

void frmEcd::cmbDb2_GotFocus() {
  emptyPanes();
  txtCode->clear();
  controls::setText(cmbCode, QString());
}

}  // namespace quenmar
