// The DB2 Category: its switch, the SQL error lookup of the main code list (the inline entries
// first, then db2pro1 and db2pro2) and the SQL warning lookup of the second code list.
#include <QComboBox>
#include <optional>

#include "app/category.h"
#include "app/controls.h"
#include "app/frmecd.h"
#include "catalog/code_lists.h"
#include "catalog/db2/db2_tables.h"
#include "catalog/number_reader.h"

namespace quenmar {
namespace {

namespace db2 = catalog::db2;

void fillDb2(frmEcd& w) {
  controls::appendItems(w.cmbCode, db2::sqlErrorList());
  controls::appendItems(w.cmbDb2, db2::sqlWarningList());
}

// A describer's tables are read in order; the first equal code answers.
const catalog::CodeEntry* findInTables(std::span<const catalog::NumberTable> tables,
                                       std::int16_t code) {
  for (catalog::NumberTable table : tables) {
    if (const catalog::CodeEntry* entry = catalog::findByNumber(table(), code)) {
      return entry;
    }
  }
  return nullptr;
}

}  // namespace

constinit const CategoryDescriptor frmEcd::kDb2{
    .category = Category::Db2,
    .option = &frmEcd::optDb2,
    .click = &frmEcd::optDb2_Click,
    .flag = &CategoryFlags::db2,
    .onSwitch =
        {
            .mainList = true,
            .mainTooltip = "Select the SQL Error",
            .second = SecondList::Db2,
            .db2Labels = true,
            .fillOnlyWhileSet = true,
            .fill = fillDb2,
        },
    .listStep = &frmEcd::db2ListStep,
    .secondListStep = &frmEcd::sqlWarningStep,
    .refreshFocus = RefreshFocus::CodeList,
};

void frmEcd::optDb2_Click() { runSwitch(kDb2); }

// A code with an inline entry is answered by it alone; neither describer is asked.
void frmEcd::db2ListStep() {
  answerOrEmpty([this] {
    const std::optional<std::int16_t> sqlCode =
        catalog::readCodeNumber(controls::Utf8(controls::text(cmbCode)).view());
    if (!sqlCode) {
      return;
    }
    if (const catalog::CodeEntry* entry = db2::findSqlErrorEntry(*sqlCode)) {
      showEntry(*entry);
      return;
    }
    db2pro1(*sqlCode);
    db2pro2(*sqlCode);
  });
}

void frmEcd::sqlWarningStep() {
  answerOrEmpty([this] { describe(db2::sqlWarningEntries(), controls::text(cmbDb2)); });
}

void frmEcd::db2pro1(const std::int16_t& db) {
  if (const catalog::CodeEntry* entry = findInTables(db2::db2proTables[0], db)) {
    showEntry(*entry);
  }
}
void frmEcd::db2pro2(const std::int16_t& db) {
  if (const catalog::CodeEntry* entry = findInTables(db2::db2proTables[1], db)) {
    showEntry(*entry);
  }
}

}  // namespace quenmar
