// The REXX Category: its switch and its list and typed lookups of an error number. Its typed
// lookup, unlike the others, sets no CategoryFlag.
#include <QComboBox>
#include <QPlainTextEdit>
#include <optional>

#include "app/category.h"
#include "app/controls.h"
#include "app/frmecd.h"
#include "catalog/code_lists.h"
#include "catalog/number_reader.h"
#include "catalog/rexx/rexx_catalog.h"

namespace quenmar {
namespace {

namespace rexx = catalog::rexx;

void fillRexx(frmEcd& w) { controls::appendItems(w.cmbCode, rexx::codeList()); }

constexpr KeyRule kRexxRule{Admits::Digits, 2, kOnlyNumeric, kFullLengthTabOnly};

}  // namespace

constinit const CategoryDescriptor frmEcd::kRexx{
    .category = Category::Rexx,
    .option = &frmEcd::optRexx,
    .click = &frmEcd::optRexx_Click,
    .flag = &CategoryFlags::rexx,
    .onSwitch =
        {
            .mainList = true,
            .mainTooltip = "Select the REXX Error",
            .typedBox = true,
            .boxTooltip = "Enter REXX Error",
            .clearsRexx = true,
            .fillOnlyWhileSet = true,
            .fill = fillRexx,
        },
    .listStep = &frmEcd::rexxListStep,
    .typedLookup = &frmEcd::rexxTypedLookup,
    .keyRule = &kRexxRule,
    .refreshFocus = RefreshFocus::CodeListOrBox,
};

void frmEcd::optRexx_Click() { runSwitch(kRexx); }

void frmEcd::rexxListStep() {
  answerOrEmpty([this] {
    const std::optional<std::int16_t> number =
        catalog::readCodeNumber(controls::Utf8(controls::text(cmbCode)).view());
    if (const catalog::CodeEntry* entry = number ? rexx::findError(*number) : nullptr) {
      showEntry(*entry);
    }
  });
}

void frmEcd::rexxTypedLookup(bool /*byEnter*/) {
  const std::optional<std::int16_t> number =
      catalog::readCodeNumber(controls::Utf8(txtCode->toPlainText()).view());
  const catalog::CodeEntry* entry =
      (number && *number >= 1 && *number <= 50) ? rexx::findError(*number) : nullptr;
  if (entry != nullptr) {
    showEntry(*entry);
    return;
  }
  reportNotFound(QStringLiteral(" was not found"), txtCode);
}

}  // namespace quenmar
