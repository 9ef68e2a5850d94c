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

// The two SQL error range describers; the first one's table is kept in two files by range.
std::span<const NumberRow> db2pro1TableTo567();    // -79 to -567
std::span<const NumberRow> db2pro1TableFrom571();  // -571 to -919
std::span<const NumberRow> db2pro2Table();         // -939 to -30105

// db2pro1 and db2pro2, each with its tables in the order it reads them: the first equal code
// answers.
inline constexpr NumberTable db2pro1Tables[] = {db2pro1TableTo567, db2pro1TableFrom571};
inline constexpr NumberTable db2pro2Tables[] = {db2pro2Table};
inline constexpr std::span<const NumberTable> db2proTables[] = {db2pro1Tables, db2pro2Tables};

}  // namespace quenmar::catalog::db2
