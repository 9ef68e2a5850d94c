#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/cobol/cobol_catalog.h"
#include "catalog/cobol/cobol_entries.h"
#include "catalog/code_lists.h"
#include "catalog/rexx/rexx_catalog.h"

namespace quenmar::catalog {
namespace {

using cobol::CobolEntry;

constexpr std::size_t kFileStatusCount = 48;

bool isExtended(const CobolEntry& entry) { return entry.listKeys[0].starts_with("9-"); }

bool allDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

const CobolEntry& entryListedAs(std::string_view listKey) {
  for (const CobolEntry& entry : cobol::entries()) {
    if (entry.listKeys[0] == listKey) {
      return entry;
    }
  }
  ADD_FAILURE() << "no entry listed as " << listKey;
  return cobol::entries().front();
}

// Every non-empty key of one kind, with the index of the entry it leads to.
template <std::size_t N>
std::multimap<std::string_view, std::size_t> keyOwners(
    std::array<std::string_view, N> CobolEntry::*keys) {
  std::multimap<std::string_view, std::size_t> owners;
  const auto rows = cobol::entries();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::string_view key : rows[i].*keys) {
      if (!key.empty()) {
        owners.emplace(key, i);
      }
    }
  }
  return owners;
}

bool hasUniqueKeys(const std::multimap<std::string_view, std::size_t>& owners) {
  return std::adjacent_find(owners.begin(), owners.end(), [](const auto& a, const auto& b) {
           return a.first == b.first;
         }) == owners.end();
}

TEST(CobolCatalogKeys, ListKeysAreTheCodeListPlusOneDigitForms) {
  const auto rows = cobol::entries();
  const auto items = cobol::codeList();
  ASSERT_EQ(rows.size(), 145u);
  ASSERT_EQ(items.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].listKeys[0], items[i]) << "entry " << i;
    EXPECT_EQ(cobol::findByListKey(items[i]), &rows[i].listed) << items[i];
    EXPECT_EQ(isExtended(rows[i]), i >= kFileStatusCount) << items[i];
    const std::string_view second = rows[i].listKeys[1];
    if (!second.empty()) {
      // Only 00 to 09 have a second, one-digit list key: the code without its leading zero.
      EXPECT_TRUE(items[i].starts_with('0') && second == items[i].substr(1)) << second;
      EXPECT_EQ(cobol::findByListKey(second), &rows[i].listed) << second;
    }
  }
  const auto owners = keyOwners(&CobolEntry::listKeys);
  EXPECT_EQ(owners.size(), 153u);
  EXPECT_TRUE(hasUniqueKeys(owners));
}

TEST(CobolCatalogKeys, TypedKeysAreDigitsAndNeverNameTwoEntries) {
  const auto rows = cobol::entries();
  const auto owners = keyOwners(&CobolEntry::typedKeys);
  EXPECT_EQ(owners.size(), 178u);
  EXPECT_TRUE(hasUniqueKeys(owners));
  std::size_t shorterForms = 0;
  for (const CobolEntry& entry : rows) {
    for (std::string_view key : entry.typedKeys) {
      if (!key.empty()) {
        EXPECT_TRUE(allDigits(key) && key.size() <= 3) << key;
        EXPECT_EQ(cobol::findByTypedKey(key), &entry.typed) << key;
      }
    }
    if (!isExtended(entry)) {
      EXPECT_EQ(entry.typedKeys[0], entry.listKeys[0]);
      EXPECT_EQ(entry.typedKeys[1], entry.listKeys[1]);
      EXPECT_TRUE(entry.typedKeys[2].empty());
      continue;
    }
    const std::string_view digits = entry.listKeys[0].substr(2);
    EXPECT_EQ(entry.typedKeys[0], digits);
    // A shorter form drops leading zeros, one at a time, longest first.
    for (std::size_t k = 1; k < entry.typedKeys.size() && !entry.typedKeys[k].empty(); ++k) {
      ++shorterForms;
      EXPECT_EQ(entry.typedKeys[k], digits.substr(k)) << digits;
      EXPECT_EQ(entry.typedKeys[k - 1].front(), '0') << digits;
    }
  }
  EXPECT_EQ(shorterForms, 25u);

  // A key that serves both lookups belongs to the same entry in both.
  const auto listed = keyOwners(&CobolEntry::listKeys);
  for (const auto& [key, owner] : owners) {
    const auto found = listed.find(key);
    if (found != listed.end()) {
      EXPECT_EQ(found->second, owner) << key;
      EXPECT_LT(owner, kFileStatusCount) << key;
    }
  }
}

TEST(CobolCatalogKeys, LookupsTellTheForms) {
  const CobolEntry& status00 = entryListedAs("00");
  const CobolEntry& extended000 = entryListedAs("9-000");
  const CobolEntry& extended001 = entryListedAs("9-001");
  EXPECT_EQ(cobol::findByTypedKey("0"), &status00.typed);
  EXPECT_EQ(cobol::findByTypedKey("00"), &status00.typed);
  EXPECT_EQ(cobol::findByTypedKey("000"), &extended000.typed);
  for (std::string_view key : {"1", "01", "001"}) {
    EXPECT_EQ(cobol::findByTypedKey(key), &extended001.typed) << key;
  }
  EXPECT_EQ(cobol::findByTypedKey("26"), &entryListedAs("9-026").typed);
  EXPECT_EQ(cobol::findByTypedKey("003"), &entryListedAs("9-003").typed);
  EXPECT_EQ(cobol::findByListKey("7"), &entryListedAs("07").listed);

  for (std::string_view key : {"03", "3", "11", "50", "9-000", "", " 00", "00 ", "0000"}) {
    EXPECT_EQ(cobol::findByTypedKey(key), nullptr) << '"' << key << '"';
  }
  for (std::string_view key : {"9-011", "000", "001", "1", "26", "", " 00", "00 ", "9-0"}) {
    EXPECT_EQ(cobol::findByListKey(key), nullptr) << '"' << key << '"';
  }
}

TEST(CobolCatalogTexts, TypedEntryDiffersOnlyInTheDescriptionOfVariantCodes) {
  std::size_t blankAdded = 0;
  std::size_t blankDropped = 0;
  std::vector<std::string_view> otherVariants;
  for (const CobolEntry& entry : cobol::entries()) {
    const CodeEntry& listed = entry.listed;
    const CodeEntry& typed = entry.typed;
    // Shared by reference, not merely equal.
    EXPECT_EQ(typed.reason.data(), listed.reason.data());
    EXPECT_EQ(typed.action.data(), listed.action.data());
    EXPECT_EQ(typed.response.data(), listed.response.data());
    if (typed.description == listed.description) {
      continue;
    }
    EXPECT_TRUE(isExtended(entry)) << entry.listKeys[0];
    if (typed.description == std::string(listed.description) + ' ') {
      ++blankAdded;
    } else if (listed.description == std::string(typed.description) + ' ') {
      ++blankDropped;
    } else {
      otherVariants.push_back(entry.listKeys[0]);
    }
  }
  EXPECT_EQ(blankAdded, 17u);
  EXPECT_EQ(blankDropped, 19u);
  EXPECT_EQ(otherVariants, (std::vector<std::string_view>{"9-000", "9-007", "9-018"}));

  EXPECT_EQ(entryListedAs("9-000").typed.description,
            std::string(entryListedAs("9-000").listed.description) + ".  ");
  // The typed form of 018 is its first sentence; the second follows without a blank.
  const CobolEntry& e018 = entryListedAs("9-018");
  const std::string_view typed018 = e018.typed.description;
  EXPECT_TRUE(e018.listed.description.starts_with(typed018));
  EXPECT_EQ(typed018.find('.'), typed018.size() - 1);
  ASSERT_GT(e018.listed.description.size(), typed018.size());
  EXPECT_NE(e018.listed.description[typed018.size()], ' ');
}

TEST(CobolCatalogTexts, DescriptionsAreDistinctExceptTheSharedPairs) {
  std::set<std::string_view> distinct;
  std::size_t endingInBlank = 0;
  for (const CobolEntry& entry : cobol::entries()) {
    const std::string_view text = entry.listed.description;
    distinct.insert(text);
    endingInBlank += text.ends_with(' ') ? 1 : 0;
    const bool extended = isExtended(entry);
    EXPECT_GE(text.size(), extended ? 13u : 11u) << entry.listKeys[0];
    EXPECT_LE(text.size(), extended ? 237u : 435u) << entry.listKeys[0];
    EXPECT_NE(text, "NA");
    EXPECT_EQ(text.find_first_of("\r\n\t"), std::string_view::npos) << entry.listKeys[0];
  }
  EXPECT_EQ(distinct.size(), 143u);
  EXPECT_EQ(endingInBlank, 70u);
  EXPECT_EQ(entryListedAs("09").listed.description.data(),
            entryListedAs("9-009").listed.description.data());
  EXPECT_EQ(entryListedAs("20").listed.description.data(),
            entryListedAs("9-020").listed.description.data());
}

TEST(CobolCatalogTexts, PlaceholdersStandWhereTheyBelong) {
  const std::set<std::string_view> emptyResponse = {"06", "08", "09", "12", "13", "16",
                                                    "17", "18", "19", "20", "32"};
  const std::set<std::string_view> naResponse = {"00", "15", "24", "25", "30", "34", "90", "91",
                                                 "92", "93", "94", "95", "96", "97", "98", "99"};
  const char* naText = cobol::entries().front().listed.action.data();
  std::map<std::string_view, const char*> reasonObjects;
  std::size_t explained = 0;
  for (const CobolEntry& entry : cobol::entries()) {
    const CodeEntry& e = entry.listed;
    const std::string_view code = entry.listKeys[0];
    EXPECT_EQ(e.action, "NA") << code;
    EXPECT_EQ(e.action.data(), naText) << code;
    EXPECT_FALSE(e.reason.empty() || e.reason == "NA") << code;
    EXPECT_EQ(e.reason == "COBOL EXTENDED FILE STATUS KEY", isExtended(entry)) << code;
    // A heading that several codes show is one text, not copies.
    const auto [seen, added] = reasonObjects.emplace(e.reason, e.reason.data());
    EXPECT_EQ(seen->second, e.reason.data()) << code;

    if (isExtended(entry) || naResponse.contains(code)) {
      EXPECT_EQ(e.response, "NA") << code;
      EXPECT_EQ(e.response.data(), naText) << code;
    } else if (emptyResponse.contains(code)) {
      EXPECT_TRUE(e.response.empty()) << code;
    } else {
      ++explained;
      EXPECT_GE(e.response.size(), 23u) << code;
      EXPECT_LE(e.response.size(), 312u) << code;
      EXPECT_EQ(e.response.find_first_of("\r\n\t"), std::string_view::npos) << code;
    }
  }
  EXPECT_EQ(explained, 21u);
}

TEST(RexxCatalog, AnswersOneToFiftyWithATitleOnly) {
  const CodeEntry* first = rexx::findError(1);
  ASSERT_NE(first, nullptr);
  std::set<std::string_view> titles;
  for (std::int16_t number = 1; number <= 50; ++number) {
    const CodeEntry* entry = rexx::findError(number);
    ASSERT_NE(entry, nullptr) << number;
    titles.insert(entry->reason);
    EXPECT_FALSE(entry->reason.empty() || entry->reason.ends_with(' ')) << number;
    EXPECT_NE(entry->reason, "NA") << number;
    for (std::string_view pane : {entry->description, entry->action, entry->response}) {
      EXPECT_EQ(pane, "NA") << number;
      EXPECT_EQ(pane.data(), first->description.data()) << number;
    }
  }
  // Only the two unassigned numbers share a title; 41 has its own, not a copy of 40's.
  EXPECT_EQ(titles.size(), 49u);
  EXPECT_EQ(rexx::findError(47)->reason.data(), rexx::findError(50)->reason.data());
  EXPECT_EQ(rexx::findError(41)->reason, "Bad arithmetic conversion");
  EXPECT_NE(rexx::findError(40)->reason, rexx::findError(41)->reason);
}

TEST(RexxCatalog, NumbersOutsideTheRangeHaveNoEntry) {
  for (std::int16_t number : {0, -1, 51, 99, INT16_MAX, INT16_MIN}) {
    EXPECT_EQ(rexx::findError(number), nullptr) << number;
  }
}

}  // namespace
}  // namespace quenmar::catalog
