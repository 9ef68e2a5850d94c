#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "catalog/idms/idms_stock.h"
#include "catalog/idms/idms_tables.h"

// How the describers' tables are put together. A generic minor code shows the same description
// and response under every major code, so each major code's share starts from the same eleven
// rows; the few major codes that explain a generic minor code differently replace its texts.
namespace quenmar::catalog::idms::rows {

inline constexpr std::size_t kGenericCount = 11;

using Generic = std::array<StatusRow, kGenericCount>;

// The eleven generic rows under one major code, in the order of the minor code list.
constexpr Generic generic(std::string_view major, std::string_view title) {
  return {{
      {major, "00", {title, kSuccessOrNoCv, kNA, kBindNotIssued}},
      {major, "01", {title, kAreaNotReadied, kNA, kReadyTheObjectArea}},
      {major, "02", {title, kDbkeyInconsistent, kNA, kCheckTheDbkey}},
      {major, "04", {title, kBadOccursDependingOn, kNA, kCheckDependingOn}},
      {major, "05", {title, kDuplicateKey, kNA, kDuplicateKeyHints}},
      {major, "06", {title, kNoCurrency, kNA, kEstablishCurrency}},
      {major, "07", {title, kEndOfSet, kNA, kEndOfSetIsNormal}},
      {major, "08", {title, kNotInSubschema, kNA, kNotInSubschemaCauses}},
      {major, "09", {title, kUpdateInRetrieval, kNA, kReadyForUpdate}},
      {major, "10", {title, kAccessRestriction, kNA, kAccessRestrictionResponse}},
      {major, "11", {title, kNA, kNA, kInsufficientSpace}},
  }};
}

constexpr StatusRow& rowOf(Generic& rows, std::string_view minor) {
  for (StatusRow& row : rows) {
    if (row.minor == minor) {
      return row;
    }
  }
  // Only reached for a minor code outside the generic list, which no table asks for; in a
  // constant expression it stops the build.
  throw "not a generic minor code";
}

constexpr Generic withDescription(Generic rows, std::string_view minor, std::string_view text) {
  rowOf(rows, minor).entry.description = text;
  return rows;
}

constexpr Generic withResponse(Generic rows, std::string_view minor, std::string_view text) {
  rowOf(rows, minor).entry.response = text;
  return rows;
}

// One table of the parts in their order.
template <std::size_t... Sizes>
constexpr std::array<StatusRow, (Sizes + ...)> join(const std::array<StatusRow, Sizes>&... parts) {
  std::array<StatusRow, (Sizes + ...)> table{};
  std::size_t next = 0;
  (
      [&] {
        for (const StatusRow& row : parts) {
          table[next++] = row;
        }
      }(),
      ...);
  return table;
}

}  // namespace quenmar::catalog::idms::rows
