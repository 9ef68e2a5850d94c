// The JCL Category: its switch, the utility step of the main code list, and the utility
// return code list, which explains the return code picked for the utility whose name stands
// in the main code list.
#include <QByteArray>
#include <QComboBox>
#include <QListWidget>
#include <string_view>

#include "app/category.h"
#include "app/controls.h"
#include "app/frmecd.h"
#include "catalog/code_lists.h"
#include "catalog/jcl/utility_codes.h"

namespace quenmar {
namespace {

void fillJcl(frmEcd& w) { controls::appendItems(w.cmbCode, catalog::jcl::utilityList()); }

}  // namespace

constinit const CategoryDescriptor frmEcd::kJcl{
    .category = Category::Jcl,
    .option = &frmEcd::optJcl,
    .click = &frmEcd::optJcl_Click,
    .flag = &CategoryFlags::jcl,
    .onSwitch =
        {
            .mainList = true,
            .mainTooltip = "Select the JCL Error",
            .jclList = true,
            .fillOnlyWhileSet = true,
            .fill = fillJcl,
        },
    .listStep = &frmEcd::lstJclStep,
    .refreshFocus = RefreshFocus::CodeList,
};

void frmEcd::optJcl_Click() { runSwitch(kJcl); }

void frmEcd::connectJclList() { connectListClick(lstJcl, &frmEcd::lstJcl_Click); }

// A picked utility offers its return codes, or is explained at once when it has none; a text
// that names no utility changes nothing.
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

// The main list's text need not be the utility that filled the return code list: after a
// return to JCL it is the prompt, and a pasted name changes it without a pick.
void frmEcd::lstJcl_Click() {
  answerOrEmpty([this] {
    const controls::Utf8 name(controls::text(cmbCode));
    const catalog::jcl::Utility* utility = catalog::jcl::findUtility(name.view());
    if (utility == nullptr) {
      return;
    }
    if (utility->nameOnlyAnswer != nullptr) {
      if (utility->nameOnlyAnswer->emptiesReturnCodeList) {
        lstJcl->clear();
      }
      showEntry(utility->nameOnlyAnswer->entry);
      return;
    }
    const controls::Utf8 code(listText(lstJcl));
    if (const catalog::CodeEntry* entry = catalog::jcl::findReturnCode(*utility, code.view())) {
      showEntry(*entry);
    }
  });
}

}  // namespace quenmar
