#include "catalog/number_reader.h"

#include <cstddef>

namespace quenmar::catalog {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Past this magnitude the value is out of range whatever the fraction, so the digits need
// not be accumulated further (and cannot overflow).
constexpr long kBeyondRange = 1'000'000;

}  // namespace

std::optional<std::int16_t> readCodeNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  long whole = 0;
  bool digits = false;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    digits = true;
    if (whole < kBeyondRange) {
      whole = whole * 10 + (text[i] - '0');
    }
  }
  // The first fraction digit decides the rounding unless it is exactly 5 followed by zeros.
  int firstFraction = 0;
  bool restNonZero = false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    if (i < text.size() && isDigit(text[i])) {
      digits = true;
      firstFraction = text[i] - '0';
      for (++i; i < text.size() && isDigit(text[i]); ++i) {
        restNonZero = restNonZero || text[i] != '0';
      }
    }
  }
  if (!digits) {
    return std::nullopt;
  }
  const bool roundUp = firstFraction > 5 || (firstFraction == 5 && (restNonZero || whole % 2 == 1));
  const long magnitude = whole + (roundUp ? 1 : 0);
  const long value = negative ? -magnitude : magnitude;
  if (value < INT16_MIN || value > INT16_MAX) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace quenmar::catalog
