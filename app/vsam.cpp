// The VSAM Category: its switch and its four lists. Each pick empties the panes and shows the
// picked code's entry alone; return codes 8 and 12 open a choice among the logical or physical
// error codes, which lasts while the error code list keeps the focus.
#include <QByteArray>
#include <QListWidget>
#include <string_view>
#include <vector>

#include "app/category.h"
#include "app/controls.h"
#include "app/desktop.h"
#include "app/focus_bridge.h"
#include "app/frmecd.h"
#include "catalog/code_lists.h"
#include "catalog/number_reader.h"
#include "catalog/vsam/vsam_entries.h"

namespace quenmar {
namespace {

namespace vsam = catalog::vsam;

std::vector<std::string_view> keysOf(std::span<const catalog::TextRow> rows) {
  std::vector<std::string_view> keys;
  keys.reserve(rows.size());
  for (const catalog::TextRow& row : rows) {
    keys.push_back(row.keys[0]);
  }
  return keys;
}

void fillVsam(frmEcd& w) {
  controls::appendItems(w.sclst, vsam::statusCodeList());
  controls::appendItems(w.eclst, vsam::returnCodeList());
  controls::appendItems(w.fclst, vsam::functionCodeList());
}

}  // namespace

// VSAM keeps no CategoryFlag and uses neither code list: its four list boxes have handlers of
// their own, each of which answers only while VSAM is the Category.
constinit const CategoryDescriptor frmEcd::kVsam{
    .category = Category::Vsam,
    .option = &frmEcd::optVsam,
    .click = &frmEcd::optVsam_Click,
    .onSwitch = {.vsamLists = true, .fill = fillVsam},
};

void frmEcd::optVsam_Click() { runSwitch(kVsam); }

void frmEcd::connectVsamLists() {
  connectListClick(sclst, &frmEcd::sclst_Click);
  connectListClick(eclst, &frmEcd::eclst_Click);
  connectListClick(fclst, &frmEcd::fclst_Click);
  connectListClick(pclst, &frmEcd::pclst_Click);
  focus_->addControl(pclst, {}, [this] { pclst_LostFocus(); });
}

void frmEcd::sclst_Click() {
  if (listText(sclst).isEmpty() || category() != Category::Vsam) {
    return;
  }
  txtclear();
  describe(vsam::statusCodeEntries(), listText(sclst));
}

// The function code list stays disabled from the start of an error code choice until an error
// code is picked, so that the panes answer the choice first.
void frmEcd::eclst_Click() {
  if (listText(eclst).isEmpty()) {
    return;
  }
  txtclear();
  if (category() != Category::Vsam) {
    return;
  }
  const controls::Utf8 code(listText(eclst));
  const vsam::ReturnCode* returnCode = vsam::findReturnCode(code.view());
  if (returnCode == nullptr) {
    return;
  }
  if (returnCode->errorCodes.empty()) {
    showEntry(returnCode->entry);
    return;
  }
  pclst->clear();
  desktop_.showMessage(this, controls::fromCatalog(returnCode->title),
                       controls::fromCatalog(returnCode->prompt));
  controls::appendItems(pclst, keysOf(returnCode->errorCodes));
  focus_->moveTo(pclst);
  fclst->setEnabled(false);
}

// The error codes carry no mark of their kind: the return code chosen now decides, read as a
// number.
void frmEcd::pclst_Click() {
  if (category() == Category::Vsam) {
    const controls::Utf8 returnCode(listText(eclst));
    const std::optional<std::int16_t> number = catalog::readCodeNumber(returnCode.view());
    const vsam::ReturnCode* choice = number ? vsam::findErrorChoice(*number) : nullptr;
    if (choice != nullptr) {
      txtclear();
      describe(choice->errorCodes, listText(pclst));
    }
  }
  sclst->setEnabled(true);
  eclst->setEnabled(true);
  fclst->setEnabled(true);
}

void frmEcd::pclst_LostFocus() { pclst->clear(); }

void frmEcd::fclst_Click() {
  if (category() != Category::Vsam) {
    return;
  }
  txtclear();
  describe(vsam::functionCodeEntries(), listText(fclst));
}

}  // namespace quenmar
