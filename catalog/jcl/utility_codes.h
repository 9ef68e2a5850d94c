#pragma once

#include <span>
#include <string_view>

#include "catalog/code_entry.h"

namespace quenmar::catalog::jcl {

// One return code of a utility and its explanation.
struct ReturnCode {
  std::string_view code;
  CodeEntry entry;
  // False for a code that the return code list does not offer: its entry shows only when the
  // utility's name reaches the main list's text without a pick, by pasting.
  bool listed = true;
};

// What a pick in the return code list shows for a utility that has no return codes, when its
// name stands in the main list's text.
struct NameOnlyAnswer {
  CodeEntry entry;
  // The codes still listed belong to another utility; for IEFBR14 they are removed.
  bool emptiesReturnCodeList;
};

// One utility of the JCL list. Its return codes are one table: the codes that the return code
// list offers are the listed rows of returnCodeEntries, in their order.
struct Utility {
  std::string_view name;
  // The codes the return code list offers, in ascending order.
  std::span<const std::string_view> returnCodes;
  // For the two utilities that have no return codes to offer: what picking the utility shows.
  const CodeEntry* ownEntry;
  // The explained return codes, in the order a picked code is tested.
  std::span<const ReturnCode> returnCodeEntries;
  // For the same two utilities: what a pick in the return code list shows instead.
  const NameOnlyAnswer* nameOnlyAnswer;
};

// The 17 utilities in the JCL list's order, which is also the order they are tested in.
std::span<const Utility> utilities();

// The first utility whose name equals the text exactly, or none.
const Utility* findUtility(std::string_view name);

// The entry of the utility's return code equal to the text exactly, or none.
const CodeEntry* findReturnCode(const Utility& utility, std::string_view code);

}  // namespace quenmar::catalog::jcl
