// Helpers the catalogue table tests share: naming an entry's texts, telling one text object from
// an equal copy, and reading keys, groups and statistics off a table's rows.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/code_entry.h"

namespace quenmar::catalog::testing {

using Keys = std::vector<std::string_view>;
using Groups = std::set<Keys>;

// The texts of an entry. The three explaining texts come first, so that they number 0 to 2.
enum Pane { kDescription, kAction, kResponse, kReason };
inline constexpr Pane kTextPanes[] = {kDescription, kAction, kResponse};
inline constexpr Pane kAllPanes[] = {kReason, kDescription, kAction, kResponse};

inline std::string_view paneOf(const CodeEntry& entry, Pane pane) {
  switch (pane) {
    case kReason:
      return entry.reason;
    case kDescription:
      return entry.description;
    case kAction:
      return entry.action;
    case kResponse:
      return entry.response;
  }
  return {};
}

inline std::string_view paneOf(const TextRow& row, Pane pane) { return paneOf(row.entry, pane); }

// All four texts of an entry, in the order of kAllPanes.
inline std::array<std::string_view, 4> textsOf(const CodeEntry& entry) {
  return {entry.reason, entry.description, entry.action, entry.response};
}

// True when both views are the very same characters, not merely equal ones.
inline bool sameObject(std::string_view a, std::string_view b) {
  return a.data() == b.data() && a.size() == b.size();
}

// The entry the table answers for `key`; a missing one fails the test and reads as empty.
inline const CodeEntry& entryOf(std::span<const TextRow> rows, std::string_view key) {
  const CodeEntry* entry = findByText(rows, key);
  EXPECT_NE(entry, nullptr) << key;
  static const CodeEntry kMissing{};
  return entry != nullptr ? *entry : kMissing;
}

// The row whose first key is `key`; a missing one fails the test and reads as empty.
inline const TextRow& rowOf(std::span<const TextRow> rows, std::string_view key) {
  for (const TextRow& row : rows) {
    if (row.keys[0] == key) return row;
  }
  ADD_FAILURE() << "no row " << key;
  static const TextRow kMissing{};
  return kMissing;
}

// The rows, one pointer each, in table order.
inline std::vector<const TextRow*> pointersTo(std::span<const TextRow> rows) {
  std::vector<const TextRow*> pointers;
  for (const TextRow& row : rows) pointers.push_back(&row);
  return pointers;
}

// The rows' keys in table order; every row must have a single key.
inline Keys keysOf(std::span<const TextRow> rows) {
  Keys keys;
  for (const TextRow& row : rows) {
    EXPECT_TRUE(row.keys[1].empty() && row.keys[2].empty()) << row.keys[0];
    keys.push_back(row.keys[0]);
  }
  return keys;
}

// The rows of several tables, in table order, as one table.
inline std::vector<TextRow> joined(std::span<const std::span<const TextRow>> tables) {
  std::vector<TextRow> rows;
  for (std::span<const TextRow> table : tables) rows.insert(rows.end(), table.begin(), table.end());
  return rows;
}

// The keys as a set of owned strings.
inline std::set<std::string> asSet(const Keys& keys) { return {keys.begin(), keys.end()}; }

// The list's items whose second letter is one of `letters`, in list order.
inline Keys itemsWithSecondLetter(std::span<const std::string_view> list,
                                  std::string_view letters) {
  Keys items;
  for (std::string_view item : list) {
    if (item.size() > 1 && letters.find(item[1]) != std::string_view::npos) items.push_back(item);
  }
  return items;
}

// The keys of the rows whose pane is the very object `text`, in table order.
inline Keys keysShowing(std::span<const TextRow> rows, Pane pane, std::string_view text) {
  Keys keys;
  for (const TextRow& row : rows) {
    if (sameObject(paneOf(row, pane), text)) keys.push_back(row.keys[0]);
  }
  return keys;
}

// The keys of the rows whose pane holds a text equal to `text`, in table order.
inline Keys keysHolding(std::span<const TextRow> rows, Pane pane, std::string_view text) {
  Keys keys;
  for (const TextRow& row : rows) {
    if (paneOf(row, pane) == text) keys.push_back(row.keys[0]);
  }
  return keys;
}

// The groups of two or more rows whose pane shows equal texts; equal texts must also be one
// object.
inline Groups sharedGroups(std::span<const TextRow> rows, Pane pane,
                           bool (*ignored)(std::string_view) = nullptr) {
  std::map<std::string_view, std::vector<const TextRow*>> byText;
  for (const TextRow& row : rows) {
    if (ignored == nullptr || !ignored(paneOf(row, pane)))
      byText[paneOf(row, pane)].push_back(&row);
  }
  Groups groups;
  for (const auto& [text, sharing] : byText) {
    if (sharing.size() < 2) continue;
    Keys keys;
    for (const TextRow* row : sharing) {
      keys.push_back(row->keys[0]);
      EXPECT_TRUE(sameObject(paneOf(*row, pane), paneOf(*sharing.front(), pane)))
          << row->keys[0] << " pane " << pane;
    }
    groups.insert(keys);
  }
  return groups;
}

// The different texts the rows show in one pane.
inline std::set<std::string_view> distinctTexts(std::span<const TextRow> rows, Pane pane) {
  std::set<std::string_view> texts;
  for (const TextRow& row : rows) texts.insert(paneOf(row, pane));
  return texts;
}

// The different texts the rows show in any of their four panes.
inline std::set<std::string_view> distinctTexts(std::span<const TextRow> rows) {
  std::set<std::string_view> texts;
  for (const TextRow& row : rows) {
    for (Pane pane : kAllPanes) texts.insert(paneOf(row, pane));
  }
  return texts;
}

// The characters the texts hold together.
inline std::size_t characterCount(const std::set<std::string_view>& texts) {
  std::size_t total = 0;
  for (std::string_view text : texts) total += text.size();
  return total;
}

// The shortest and longest of the pane's non-empty texts.
inline std::pair<std::size_t, std::size_t> lengthRange(std::span<const TextRow> rows, Pane pane) {
  std::size_t shortest = std::string_view::npos, longest = 0;
  for (const TextRow& row : rows) {
    const std::size_t size = paneOf(row, pane).size();
    if (size == 0) continue;
    shortest = std::min(shortest, size);
    longest = std::max(longest, size);
  }
  return {shortest, longest};
}

// The rows whose Description says that the documentation consulted does not describe the code,
// yet does not name the code. Such a last-resort text stands in for the row's own explanation,
// so it must say which code it is about; one that does not was written for, or copied from,
// another row.
inline Keys lastResortTextsNotNamingTheirCode(std::span<const TextRow> rows) {
  Keys found;
  for (const TextRow& row : rows) {
    const std::string_view text = row.entry.description;
    const bool lastResort = text.find("documentation consulted") != std::string_view::npos ||
                            text.find("sources consulted") != std::string_view::npos;
    if (lastResort && text.find(row.keys[0]) == std::string_view::npos) {
      found.push_back(row.keys[0]);
    }
  }
  return found;
}

// A code whose cause is documented through the message that accompanies it, and that message.
struct CodeMessage {
  std::string_view code;
  std::string_view message;
};

// The pairs whose code's Description does not name its message, as "code message", so an
// explanation cannot quietly fall back to a generic one.
inline std::vector<std::string> descriptionsNotNamingTheirMessage(
    std::span<const TextRow> rows, std::span<const CodeMessage> pairs) {
  std::vector<std::string> missing;
  for (const CodeMessage& pair : pairs) {
    if (rowOf(rows, pair.code).entry.description.find(pair.message) == std::string_view::npos) {
      missing.push_back(std::string(pair.code) + " " + std::string(pair.message));
    }
  }
  return missing;
}

// The words of a blank-separated list.
inline std::set<std::string> split(std::string_view list) {
  std::set<std::string> words;
  while (!list.empty()) {
    const std::size_t end = std::min(list.find(' '), list.size());
    words.insert(std::string(list.substr(0, end)));
    list.remove_prefix(std::min(end + 1, list.size()));
  }
  return words;
}

}  // namespace quenmar::catalog::testing
