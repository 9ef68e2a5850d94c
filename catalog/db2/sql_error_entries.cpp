#include "catalog/db2/sql_error_entries.h"

#include "catalog/db2/db2_tables.h"

namespace quenmar::catalog::db2 {

const CodeEntry* findSqlErrorEntry(std::int16_t sqlCode) {
  if (const CodeEntry* entry = findByNumber(sqlErrorEntriesTo519(), sqlCode)) {
    return entry;
  }
  return findByNumber(sqlErrorEntriesFrom530(), sqlCode);
}

}  // namespace quenmar::catalog::db2
