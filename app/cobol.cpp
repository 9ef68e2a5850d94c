// The COBOL Category, the one the window opens in: its switch and its list and typed lookups.
// It is the one family whose list lookup reports a code that nothing answers.
#include <QComboBox>
#include <QPlainTextEdit>

#include "app/category.h"
#include "app/controls.h"
#include "app/desktop.h"
#include "app/frmecd.h"
#include "catalog/cobol/cobol_catalog.h"
#include "catalog/code_lists.h"

namespace quenmar {
namespace {

namespace cobol = catalog::cobol;

void fillCobol(frmEcd& w) { controls::appendItems(w.cmbCode, cobol::codeList()); }

constexpr KeyRule kCobolRule{Admits::Digits, 3, kOnlyNumeric, kFullLengthTab};

}  // namespace

constinit const CategoryDescriptor frmEcd::kCobol{
    .category = Category::Cobol,
    .option = &frmEcd::optCobol,
    .click = &frmEcd::optCobol_Click,
    .flag = &CategoryFlags::cobol,
    .onSwitch =
        {
            .mainList = true,
            .mainTooltip = "Select the COBOL Error",
            .typedBox = true,
            .boxTooltip = "Enter the COBOL Error",
            .fillOnlyWhileSet = true,
            .fill = fillCobol,
        },
    .listStep = &frmEcd::cobolListStep,
    .typedLookup = &frmEcd::cobolTypedLookup,
    .keyRule = &kCobolRule,
    .refreshFocus = RefreshFocus::CodeListOrBox,
};

void frmEcd::optCobol_Click() { runSwitch(kCobol); }

// The panes keep what they showed when the picked code is not found.
void frmEcd::cobolListStep() {
  const QString code = controls::text(cmbCode);
  if (const catalog::CodeEntry* entry = cobol::findByListKey(controls::Utf8(code).view())) {
    showEntry(*entry);
    return;
  }
  desktop_.showMessage(this, QStringLiteral("Unknown Error Code"),
                       controls::notFoundText(code, QStringLiteral(" was not found ")));
  controls::setText(cmbCode, QString());
}

// Enter's not-found message ends with a blank, the search button's does not.
void frmEcd::cobolTypedLookup(bool byEnter) {
  const controls::Utf8 code(txtCode->toPlainText());
  CategoryFlag.cobol = true;
  if (const catalog::CodeEntry* entry = cobol::findByTypedKey(code.view())) {
    showEntry(*entry);
    return;
  }
  reportNotFound(byEnter ? QStringLiteral(" was not found ") : QStringLiteral(" was not found"),
                 txtCode);
}

}  // namespace quenmar
