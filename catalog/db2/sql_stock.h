#pragma once

#include <string_view>

#include "catalog/code_entry.h"

namespace quenmar::catalog::db2 {

// Texts that many SQL entries show, each one object wherever its entries are.
inline constexpr StockText kNA{"NA"};
inline constexpr StockText kNABlank{"NA "};
inline constexpr StockText kStatementNotExecuted{"The statement cannot be executed."};

// Further System Actions that several describer entries share.
inline constexpr StockText kStatementNotExecutedNoStop{"The statement cannot be executed"};
inline constexpr StockText kStatementCannotBeProcessed{"The statement cannot be processed."};
inline constexpr StockText kStatementIsNotExecuted{"The statement is not executed."};
inline constexpr StockText kSqlStatementCannotBeExecuted{"The SQL statement cannot be executed."};
inline constexpr StockText kStatementWasNotExecuted{"The statement was not executed."};
inline constexpr StockText kDb2CannotProcess{"DB2 cannot process the statement."};
inline constexpr StockText kSqlStatementFailed{"The SQL statement failed."};
inline constexpr StockText kStatementCouldNotBeProcessed{"The statement could not be processed."};
inline constexpr StockText kInsertNotPerformed{"The INSERT is not performed."};
inline constexpr StockText kTriggerNotCreated{
    "The statement cannot be executed. The trigger was not created."};

}  // namespace quenmar::catalog::db2
