// The utility return code list: explains the return code picked for the utility whose name
// stands in the main code list.
#include <QByteArray>
#include <QComboBox>
#include <QListWidget>
#include <string_view>

#include "app/controls.h"
#include "app/frmecd.h"
#include "catalog/jcl/utility_codes.h"

namespace quenmar {
namespace {}  // namespace

void frmEcd::connectJclList() { connectListClick(lstJcl, &frmEcd::lstJcl_Click); }

// The main list's text need not be the utility that filled the return code list: after a
// return to JCL it is the prompt, and a pasted name changes it without a pick. A pair that
// nothing answers empties the panes rather than leave another code's explanation beside it.
void frmEcd::lstJcl_Click() {
  const auto shownBefore = entriesShown_;
  const controls::Utf8 name(controls::text(cmbCode));
  const catalog::jcl::Utility* utility = catalog::jcl::findUtility(name.view());
  if (utility != nullptr && utility->nameOnlyAnswer != nullptr) {
    if (utility->nameOnlyAnswer->emptiesReturnCodeList) {
      lstJcl->clear();
    }
    showEntry(utility->nameOnlyAnswer->entry);
    return;
  }
  if (utility != nullptr) {
    const controls::Utf8 code(listText(lstJcl));
    if (const catalog::CodeEntry* entry = catalog::jcl::findReturnCode(*utility, code.view())) {
      showEntry(*entry);
    }
  }
  if (entriesShown_ == shownBefore) {
    emptyPanes();
  }
}

}  // namespace quenmar
