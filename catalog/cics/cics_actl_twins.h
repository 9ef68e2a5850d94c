#pragma once

#include "catalog/code_entry.h"

namespace quenmar::catalog::cics {

// ACTL, AETG, AETI and AICJ report the same failed domain call from four places and are alike in
// all four texts; their Description is kAcsgDescription, and this is their User Response.
inline constexpr StockText kActlResponse{
    "Find the console message issued by the domain that detected the original error, and follow "
    "the guidance given for that message."};

}  // namespace quenmar::catalog::cics
