// The CICS Category: its switch, its list lookup (the inline entries first), its typed lookup,
// and the thirteen range describers cicspr1 to cicspr13, each of which keeps a NotFoundFlag.
#include <QComboBox>
#include <QPlainTextEdit>
#include <cstddef>
#include <iterator>

#include "app/category.h"
#include "app/controls.h"
#include "app/frmecd.h"
#include "catalog/cics/cics_tables.h"
#include "catalog/code_lists.h"

namespace quenmar {
namespace {

namespace cics = catalog::cics;

static_assert(std::size(cics::cicsprTables) ==
                  std::tuple_size_v<decltype(frmEcd::NotFoundFlags::cics)>,
              "one NotFoundFlag per CICS describer");

void fillCics(frmEcd& w) { controls::appendItems(w.cmbCode, cics::codeList()); }

constexpr KeyRule kCicsRule{Admits::LettersAndDigits, 4, kOnlyAlphaNumeric, kFullLengthTabOnly};

}  // namespace

constinit const CategoryDescriptor frmEcd::kCics{
    .category = Category::Cics,
    .option = &frmEcd::optCics,
    .click = &frmEcd::optCics_Click,
    .flag = &CategoryFlags::cics,
    .onSwitch =
        {
            .mainList = true,
            .mainTooltip = "Select the CICS Error",
            .typedBox = true,
            .boxTooltip = "Enter CICS Error",
            .fillOnlyWhileSet = true,
            .fill = fillCics,
        },
    .listStep = &frmEcd::cicsListStep,
    .typedLookup = &frmEcd::cicsTypedLookup,
    .keyRule = &kCicsRule,
    .typedInCapitals = true,
    .refreshFocus = RefreshFocus::CodeListOrBox,
};

void frmEcd::optCics_Click() { runSwitch(kCics); }

// A code with an inline entry is answered by it alone; no describer is asked.
void frmEcd::cicsListStep() {
  answerOrEmpty([this] {
    if (!describe(cics::inlineEntries(), controls::text(cmbCode))) {
      callFlaggedDescribers(cics::cicsprTables, NotFoundFlag.cics, controls::text(cmbCode));
    }
  });
}

void frmEcd::cicsTypedLookup(bool byEnter) {
  describersTypedLookup(byEnter, cics::cicsprTables, NotFoundFlag.cics, txtCode);
}

// The N-th describer: its table and its NotFoundFlag are element N-1.
void frmEcd::cicspr1(QString cop2) {
  describeOrFlag(cics::cicsprTables[0](), cop2, NotFoundFlag.cics[0]);
}
void frmEcd::cicspr2(QString cop2) {
  describeOrFlag(cics::cicsprTables[1](), cop2, NotFoundFlag.cics[1]);
}
void frmEcd::cicspr3(QString cop2) {
  describeOrFlag(cics::cicsprTables[2](), cop2, NotFoundFlag.cics[2]);
}
void frmEcd::cicspr4(QString cop2) {
  describeOrFlag(cics::cicsprTables[3](), cop2, NotFoundFlag.cics[3]);
}
void frmEcd::cicspr5(QString cop2) {
  describeOrFlag(cics::cicsprTables[4](), cop2, NotFoundFlag.cics[4]);
}
void frmEcd::cicspr6(QString cop2) {
  describeOrFlag(cics::cicsprTables[5](), cop2, NotFoundFlag.cics[5]);
}
void frmEcd::cicspr7(QString cop2) {
  describeOrFlag(cics::cicsprTables[6](), cop2, NotFoundFlag.cics[6]);
}
void frmEcd::cicspr8(QString cop2) {
  describeOrFlag(cics::cicsprTables[7](), cop2, NotFoundFlag.cics[7]);
}
void frmEcd::cicspr9(QString cop2) {
  describeOrFlag(cics::cicsprTables[8](), cop2, NotFoundFlag.cics[8]);
}
void frmEcd::cicspr10(QString cop2) {
  describeOrFlag(cics::cicsprTables[9](), cop2, NotFoundFlag.cics[9]);
}
void frmEcd::cicspr11(QString cop2) {
  describeOrFlag(cics::cicsprTables[10](), cop2, NotFoundFlag.cics[10]);
}
void frmEcd::cicspr12(QString cop2) {
  describeOrFlag(cics::cicsprTables[11](), cop2, NotFoundFlag.cics[11]);
}
void frmEcd::cicspr13(QString cop2) {
  describeOrFlag(cics::cicsprTables[12](), cop2, NotFoundFlag.cics[12]);
}

}  // namespace quenmar
