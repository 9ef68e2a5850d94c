// The IMS Category: its switch, the DL/I status code lookup of the main code list (dlpro1 to
// dlpro5) and the IMS abend lookup of the second code list (imspr1 to imspr10, imspr12).
#include <QComboBox>

#include "app/category.h"
#include "app/controls.h"
#include "app/frmecd.h"
#include "catalog/code_lists.h"
#include "catalog/ims/ims_tables.h"

namespace quenmar {
namespace {

namespace ims = catalog::ims;

void fillIms(frmEcd& w) {
  controls::appendItems(w.cmbDb2, ims::abendCodeList());
  controls::appendItems(w.cmbCode, ims::dliStatusList());
}

}  // namespace

// IMS keeps no CategoryFlag, and its switch fills the lists whether or not its option is set.
constinit const CategoryDescriptor frmEcd::kIms{
    .category = Category::Ims,
    .option = &frmEcd::optIms,
    .click = &frmEcd::optIms_Click,
    .onSwitch =
        {
            .mainList = true,
            .mainTooltip = "Select the IMS Error",
            .second = SecondList::Ims,
            .imsLabels = true,
            .fill = fillIms,
        },
    .listStep = &frmEcd::dliListStep,
    .secondListStep = &frmEcd::imsAbendStep,
};

void frmEcd::optIms_Click() { runSwitch(kIms); }

// Every describer is asked, in order, with the same DliCode.
void frmEcd::dliListStep() {
  answerOrEmpty([this] {
    DliCode = controls::text(cmbCode);
    for (catalog::TextTable table : ims::dlproTables) {
      describe(table(), DliCode);
    }
  });
}

// Every describer is asked, in order, each with the list's text read anew.
void frmEcd::imsAbendStep() {
  answerOrEmpty([this] {
    for (catalog::TextTable table : ims::imsprTables) {
      describe(table(), controls::text(cmbDb2));
    }
  });
}

void frmEcd::imspr1(QString ims2) { describe(ims::imsprTables[0](), ims2); }
void frmEcd::imspr2(QString ims2) { describe(ims::imsprTables[1](), ims2); }
void frmEcd::imspr3(QString ims2) { describe(ims::imsprTables[2](), ims2); }
void frmEcd::imspr4(QString ims2) { describe(ims::imsprTables[3](), ims2); }
void frmEcd::imspr5(QString ims2) { describe(ims::imsprTables[4](), ims2); }
void frmEcd::imspr6(QString ims2) { describe(ims::imsprTables[5](), ims2); }
void frmEcd::imspr7(QString ims2) { describe(ims::imsprTables[6](), ims2); }
void frmEcd::imspr8(QString ims2) { describe(ims::imsprTables[7](), ims2); }
void frmEcd::imspr9(QString ims2) { describe(ims::imsprTables[8](), ims2); }
void frmEcd::imspr10(QString ims2) { describe(ims::imsprTables[9](), ims2); }
void frmEcd::imspr12(QString ims2) { describe(ims::imsprTables[10](), ims2); }

void frmEcd::dlpro1(const QString& ims) { describe(ims::dlproTables[0](), ims); }
void frmEcd::dlpro2(const QString& ims) { describe(ims::dlproTables[1](), ims); }
void frmEcd::dlpro3(const QString& ims) { describe(ims::dlproTables[2](), ims); }
void frmEcd::dlpro4(const QString& ims) { describe(ims::dlproTables[3](), ims); }
void frmEcd::dlpro5(const QString& ims) { describe(ims::dlproTables[4](), ims); }

}  // namespace quenmar
