// The MVS Category: its switch, its list and typed lookups, and the thirteen range describers
// mvspr1 to mvspr13, each of which keeps a NotFoundFlag.
#include <QComboBox>
#include <QPlainTextEdit>
#include <cstddef>
#include <iterator>

#include "app/category.h"
#include "app/controls.h"
#include "app/frmecd.h"
#include "catalog/code_lists.h"
#include "catalog/mvs/mvs_tables.h"
#include "skin/dorx_xp_button.h"

namespace quenmar {
namespace {

namespace mvs = catalog::mvs;

static_assert(std::size(mvs::mvsprTables) ==
                  std::tuple_size_v<decltype(frmEcd::NotFoundFlags::mvs)>,
              "one NotFoundFlag per MVS describer");

void fillMvs(frmEcd& w) { controls::appendItems(w.cmbCode, mvs::codeList()); }

constexpr KeyRule kMvsRule{Admits::LettersAndDigits, 4, kOnlyAlphaNumeric, kFullLengthTabOnly};

}  // namespace

constinit const CategoryDescriptor frmEcd::kMvs{
    .category = Category::Mvs,
    .option = &frmEcd::optMvs,
    .click = &frmEcd::optMvs_Click,
    .flag = &CategoryFlags::mvs,
    .onSwitch =
        {
            .mainList = true,
            .mainTooltip = "Select the MVS Error",
            .typedBox = true,
            .boxTooltip = "Enter the MVS Error",
            .clearsRexx = true,
            .fillOnlyWhileSet = true,
            .fill = fillMvs,
        },
    .listStep = &frmEcd::mvsListStep,
    .typedLookup = &frmEcd::mvsTypedLookup,
    .keyRule = &kMvsRule,
    .typedInCapitals = true,
    .refreshFocus = RefreshFocus::CodeList,
};

void frmEcd::optMvs_Click() { runSwitch(kMvs); }

void frmEcd::mvsListStep() {
  answerOrEmpty([this] {
    callFlaggedDescribers(mvs::mvsprTables, NotFoundFlag.mvs, controls::text(cmbCode));
  });
}

// Enter leaves the focus on the search button after a miss; the button leaves it in the box.
void frmEcd::mvsTypedLookup(bool byEnter) {
  describersTypedLookup(byEnter, mvs::mvsprTables, NotFoundFlag.mvs,
                        byEnter ? static_cast<QWidget*>(cmdType) : txtCode);
}

// The N-th describer: its table and its NotFoundFlag are element N-1.
void frmEcd::mvspr1(QString cop2) {
  describeOrFlag(mvs::mvsprTables[0](), cop2, NotFoundFlag.mvs[0]);
}
void frmEcd::mvspr2(QString cop2) {
  describeOrFlag(mvs::mvsprTables[1](), cop2, NotFoundFlag.mvs[1]);
}
void frmEcd::mvspr3(QString cop2) {
  describeOrFlag(mvs::mvsprTables[2](), cop2, NotFoundFlag.mvs[2]);
}
void frmEcd::mvspr4(QString cop2) {
  describeOrFlag(mvs::mvsprTables[3](), cop2, NotFoundFlag.mvs[3]);
}
void frmEcd::mvspr5(QString cop2) {
  describeOrFlag(mvs::mvsprTables[4](), cop2, NotFoundFlag.mvs[4]);
}
void frmEcd::mvspr6(QString cop2) {
  describeOrFlag(mvs::mvsprTables[5](), cop2, NotFoundFlag.mvs[5]);
}
void frmEcd::mvspr7(QString cop2) {
  describeOrFlag(mvs::mvsprTables[6](), cop2, NotFoundFlag.mvs[6]);
}
void frmEcd::mvspr8(QString cop2) {
  describeOrFlag(mvs::mvsprTables[7](), cop2, NotFoundFlag.mvs[7]);
}
void frmEcd::mvspr9(QString cop2) {
  describeOrFlag(mvs::mvsprTables[8](), cop2, NotFoundFlag.mvs[8]);
}
void frmEcd::mvspr10(QString cop2) {
  describeOrFlag(mvs::mvsprTables[9](), cop2, NotFoundFlag.mvs[9]);
}
void frmEcd::mvspr11(QString cop2) {
  describeOrFlag(mvs::mvsprTables[10](), cop2, NotFoundFlag.mvs[10]);
}
void frmEcd::mvspr12(QString cop2) {
  describeOrFlag(mvs::mvsprTables[11](), cop2, NotFoundFlag.mvs[11]);
}
void frmEcd::mvspr13(QString cop2) {
  describeOrFlag(mvs::mvsprTables[12](), cop2, NotFoundFlag.mvs[12]);
}

}  // namespace quenmar
