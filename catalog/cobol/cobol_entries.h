#pragma once

#include <array>
#include <span>
#include <string_view>

#include "catalog/code_entry.h"

namespace quenmar::catalog::cobol {

// One COBOL code with the keys it is found under. The code list names a code one way ("35",
// "9-026") and the typed-code box another ("35", "026", "26"); unused key slots stay empty.
// `typed` is what the typed-code box shows: the same texts as `listed`, except that some
// extended codes were given a slightly different Description there.
struct CobolEntry {
  std::array<std::string_view, 2> listKeys;   // the longer form first
  std::array<std::string_view, 3> typedKeys;  // the longest form first
  CodeEntry listed;
  CodeEntry typed;
};

// The file status codes in ascending order, then the extended codes in ascending order.
std::span<const CobolEntry> entries();

}  // namespace quenmar::catalog::cobol
