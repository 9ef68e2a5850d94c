#pragma once

#include <span>
#include <string_view>

#include "catalog/code_entry.h"

namespace quenmar::catalog::idms {

// An IDMS status code is picked in two halves, the major code (the DML function) and the minor
// code (the condition); the two are looked up side by side and never joined into one text.
struct StatusRow {
  std::string_view major;
  std::string_view minor;
  CodeEntry entry;
};

// The minor codes that every DML function offers: "00" to "11" without "03".
std::span<const std::string_view> genericMinorCodes();

// A major code and the minor codes that only it offers, listed after the generic ones.
struct DmlFunction {
  std::string_view major;
  std::span<const std::string_view> extraMinorCodes;
};

// The 22 major codes in the order a pick of one is tested: "00" to "20", then "nn".
std::span<const DmlFunction> dmlFunctions();

// The major code equal to the text, exactly and case-sensitively, or none.
const DmlFunction* findDmlFunction(std::string_view major);

// The five describers' shares of the status code catalogue, split by ranges of major codes:
// "00" to "05", "06" to "10", "11" to "15", "16" to "20", and "nn". Within a share the rows run
// by major code, and within a major code in the order of its minor code list.
std::span<const StatusRow> idmspro1Table();
std::span<const StatusRow> idmspro2Table();
std::span<const StatusRow> idmspro3Table();
std::span<const StatusRow> idmspro4Table();
std::span<const StatusRow> idmspro5Table();

// idmspro1 to idmspro5, in the order a minor code pick asks them for its major code.
using StatusTable = std::span<const StatusRow> (*)();
inline constexpr StatusTable idmsproTables[] = {
    idmspro1Table, idmspro2Table, idmspro3Table, idmspro4Table, idmspro5Table,
};

// The first row whose two codes both equal the pair, or none; an empty code matches nothing.
constexpr const CodeEntry* findStatus(std::span<const StatusRow> rows, std::string_view major,
                                      std::string_view minor) {
  if (major.empty() || minor.empty()) {
    return nullptr;
  }
  for (const StatusRow& row : rows) {
    if (row.major == major && row.minor == minor) {
      return &row.entry;
    }
  }
  return nullptr;
}

}  // namespace quenmar::catalog::idms
