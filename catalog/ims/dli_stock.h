#pragma once

#include "catalog/code_entry.h"

namespace quenmar::catalog::ims {

// Texts that DL/I status codes of several describers show, each one object wherever its
// entries are.
inline constexpr StockText kNA{"NA"};
inline constexpr StockText kDliStatusCode{"IMS DL/I Status Code"};
// Two texts that differ only in the final blank, each with codes of its own.
inline constexpr StockText kInformationOnlyBlank{"This is an information-only status code. "};
inline constexpr StockText kInformationOnly{"This is an information-only status code."};
// The answer of several codes whose call was coded wrongly and which need no further advice.
inline constexpr StockText kCorrectProgram{"Correct the program."};

}  // namespace quenmar::catalog::ims
