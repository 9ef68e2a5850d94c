#pragma once

#include <cstdint>

#include "catalog/code_entry.h"

namespace quenmar::catalog::rexx {

// The REXX error numbers 1 to 50; any other number has no entry.
const CodeEntry* findError(std::int16_t number);

}  // namespace quenmar::catalog::rexx
