#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quenmar::catalog {

// The four texts shown for one code, one per answer pane. Texts are kept
// exactly as shown: "NA", "NA." and the empty text are data, not gaps.
struct CodeEntry {
  std::string_view reason;
  std::string_view description;
  std::string_view action;
  std::string_view response;
};

// A text that several rows show. Declared as an inline variable, the object is one and the
// same in every file, and so are the characters it holds: every row that shows the text
// points at them, which a plain string literal in a header would not guarantee.
template <std::size_t N>
struct StockText {
  char chars[N];

  // NOLINTNEXTLINE(google-explicit-constructor): written as a string literal on purpose.
  constexpr StockText(const char (&text)[N]) : chars{} {
    for (std::size_t i = 0; i < N; ++i) {
      chars[i] = text[i];
    }
  }
  constexpr const char* data() const { return chars; }
  constexpr std::size_t size() const { return N - 1; }
  constexpr std::string_view view() const { return {chars, N - 1}; }
  // NOLINTNEXTLINE(google-explicit-constructor): rows hold their texts as views.
  constexpr operator std::string_view() const { return {chars, N - 1}; }
};

// One row of a range describer's table: up to three keys that all lead to the
// same entry. Unused key slots stay empty; an empty key matches nothing, so
// the empty code is never found.
struct TextRow {
  std::array<std::string_view, 3> keys;
  CodeEntry entry;
};

// A row of a table keyed by a signed 16-bit number (SQL codes).
struct NumberRow {
  std::int16_t key;
  CodeEntry entry;
};

// Exact, case-sensitive, whole-text comparison; the first row with an equal
// key answers.
constexpr const CodeEntry* findByText(std::span<const TextRow> rows, std::string_view code) {
  if (code.empty()) {
    return nullptr;
  }
  for (const TextRow& row : rows) {
    for (std::string_view key : row.keys) {
      if (!key.empty() && key == code) {
        return &row.entry;
      }
    }
  }
  return nullptr;
}

constexpr const CodeEntry* findByNumber(std::span<const NumberRow> rows, std::int16_t code) {
  for (const NumberRow& row : rows) {
    if (row.key == code) {
      return &row.entry;
    }
  }
  return nullptr;
}

// How a family's header hands out its describers' tables, one per describer, in the order the
// lookups call the describers.
using TextTable = std::span<const TextRow> (*)();
using NumberTable = std::span<const NumberRow> (*)();

}  // namespace quenmar::catalog
