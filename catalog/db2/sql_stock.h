#pragma once

#include <string_view>

#include "catalog/code_entry.h"

namespace quenmar::catalog::db2 {

// Texts that many SQL entries show, each one object wherever its entries are.
inline constexpr StockText kNA{"NA"};
inline constexpr StockText kNABlank{"NA "};
inline constexpr StockText kStatementNotExecuted{"The statement cannot be executed."};

}  // namespace quenmar::catalog::db2
