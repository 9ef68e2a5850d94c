#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quenmar::catalog {

// Reads the number that a code's text spells, for the families whose codes are numbers (SQL
// codes, REXX error numbers, the VSAM return code). It reads the leading numeric part of the
// text: blanks first, an optional sign, digits with an optional fraction; what follows is
// ignored. The value is rounded to the nearest integer, halves to the even neighbour.
// A text without digits, or whose value lies outside the 16-bit signed range, gives no
// number: such a text matches no code. It never throws and never wraps.
std::optional<std::int16_t> readCodeNumber(std::string_view text);

}  // namespace quenmar::catalog
