#pragma once

#include <string_view>

#include "catalog/code_entry.h"

namespace quenmar::catalog::cobol {

// A COBOL file status picked from the list (its list keys) or typed (its typed keys, whose
// entry differs from the listed one only in the Description of some extended codes).
const CodeEntry* findByListKey(std::string_view key);
const CodeEntry* findByTypedKey(std::string_view key);

}  // namespace quenmar::catalog::cobol
