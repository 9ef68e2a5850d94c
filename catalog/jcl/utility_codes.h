#pragma once

#include <span>
#include <string_view>

#include "catalog/code_entry.h"

namespace quenmar::catalog::jcl {

// One utility of the JCL list: the return codes it can end with, in ascending order, or,
// for the two utilities that have none to offer, an entry of its own.
struct Utility {
  std::string_view name;
  std::span<const std::string_view> returnCodes;
  const CodeEntry* ownEntry;
};

// The 17 utilities in the JCL list's order, which is also the order they are tested in.
std::span<const Utility> utilities();

// The first utility whose name equals the text exactly, or none.
const Utility* findUtility(std::string_view name);

}  // namespace quenmar::catalog::jcl
