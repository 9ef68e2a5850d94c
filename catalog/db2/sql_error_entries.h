#pragma once

#include <span>

#include "catalog/code_entry.h"

namespace quenmar::catalog::db2 {

// The list lookup's own SQL error entries, kept in two files by code range; together they
// are one table in the SQL error list's (descending) order.
std::span<const NumberRow> sqlErrorEntriesTo519();    // -7 to -519
std::span<const NumberRow> sqlErrorEntriesFrom530();  // -530 to -927

}  // namespace quenmar::catalog::db2
