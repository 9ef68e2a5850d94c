#pragma once

#include <cstdint>
#include <span>

#include "catalog/code_entry.h"

namespace quenmar::catalog::db2 {

// The SQL error entries the list lookup answers itself, asked before the two describers.
const CodeEntry* findSqlErrorEntry(std::int16_t sqlCode);
// The SQL warning entries, keyed by the warning list's text itself (sign included), in the
// list's order.
std::span<const TextRow> sqlWarningEntries();

// The two SQL error range describers.
std::span<const NumberRow> db2pro1Table();
std::span<const NumberRow> db2pro2Table();

}  // namespace quenmar::catalog::db2
