#include "catalog/cobol/cobol_catalog.h"

#include <cstddef>

#include "catalog/cobol/cobol_entries.h"

namespace quenmar::catalog::cobol {

namespace {

// Empty key slots never match, so the empty text is never found.
template <std::size_t N>
bool hasKey(const std::array<std::string_view, N>& keys, std::string_view key) {
  for (std::string_view candidate : keys) {
    if (!candidate.empty() && candidate == key) {
      return true;
    }
  }
  return false;
}

}  // namespace

const CodeEntry* findByListKey(std::string_view key) {
  for (const CobolEntry& entry : entries()) {
    if (hasKey(entry.listKeys, key)) {
      return &entry.listed;
    }
  }
  return nullptr;
}

const CodeEntry* findByTypedKey(std::string_view key) {
  for (const CobolEntry& entry : entries()) {
    if (hasKey(entry.typedKeys, key)) {
      return &entry.typed;
    }
  }
  return nullptr;
}

}  // namespace quenmar::catalog::cobol
