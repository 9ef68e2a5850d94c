#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "catalog/code_lists.h"
#include "catalog/db2/db2_tables.h"
#include "catalog/db2/sql_stock.h"
#include "table_test_support.h"

namespace quenmar::catalog::db2 {
namespace {

using namespace ::quenmar::catalog::testing;

const std::set<std::string_view> kNAResponses = {"0", "+100", "+110", "+231", "+464", "+558"};
const std::set<std::string_view> kNABlankResponses = {"+218", "+331", "+402", "+403",  "+466",
                                                      "+535", "+561", "+562", "+585",  "+650",
                                                      "+658", "+664", "+807", "+2000", "+20122"};

bool isPlaceholder(std::string_view text) { return text == kNA || text == kNABlank; }

TEST(SqlWarningEntries, KeysAreTheWarningListInOrder) {
  const auto rows = sqlWarningEntries();
  const auto items = sqlWarningList();
  ASSERT_EQ(rows.size(), 62u);
  ASSERT_EQ(rows.size(), items.size());
  std::set<std::string_view> seen;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].keys[0], items[i]) << "row " << i;
    EXPECT_TRUE(rows[i].keys[1].empty() && rows[i].keys[2].empty()) << items[i];
    EXPECT_TRUE(seen.insert(rows[i].keys[0]).second) << "duplicate key " << rows[i].keys[0];
  }
}

// The lookup stops at the first equal key, so each pick must land on its own row, and a
// pick is compared as text: the same number written without its sign answers nothing.
TEST(SqlWarningEntries, EveryPickFindsItsOwnRowByExactText) {
  const auto rows = sqlWarningEntries();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string_view key = rows[i].keys[0];
    EXPECT_EQ(findByText(rows, key), &rows[i].entry) << key;
    if (key.front() == '+') {
      EXPECT_EQ(findByText(rows, key.substr(1)), nullptr) << key;
      EXPECT_EQ(findByText(rows, std::string(key) + " "), nullptr) << key;
    }
  }
  EXPECT_EQ(findByText(rows, ""), nullptr);
  EXPECT_EQ(findByText(rows, "-100"), nullptr);
}

// kNA and kNABlank are compared by address among the rows, not with the header's own
// pointer: each translation unit folds the constant to its own copy of the literal unless
// the linker merges constants, which a debug build does not do.
TEST(SqlWarningEntries, PlaceholdersStandExactlyWhereExpectedAndAreShared) {
  std::size_t naCount = 0;
  std::size_t naBlankCount = 0;
  const char* naObject = nullptr;
  const char* naBlankObject = nullptr;
  for (const TextRow& row : sqlWarningEntries()) {
    const std::string_view key = row.keys[0];
    EXPECT_FALSE(isPlaceholder(paneOf(row, kReason))) << key;
    EXPECT_FALSE(isPlaceholder(paneOf(row, kDescription))) << key;
    EXPECT_EQ(paneOf(row, kAction) == kNA, key == "0") << key;
    EXPECT_NE(paneOf(row, kAction), kNABlank) << key;
    EXPECT_EQ(paneOf(row, kResponse) == kNA, kNAResponses.count(key) > 0) << key;
    EXPECT_EQ(paneOf(row, kResponse) == kNABlank, kNABlankResponses.count(key) > 0) << key;

    for (std::string_view text : textsOf(row.entry)) {
      if (text == kNA) {
        if (naObject == nullptr) naObject = text.data();
        EXPECT_EQ(text.data(), naObject) << key << ": \"NA\" is a copy";
        ++naCount;
      } else if (text == kNABlank) {
        if (naBlankObject == nullptr) naBlankObject = text.data();
        EXPECT_EQ(text.data(), naBlankObject) << key << ": \"NA \" is a copy";
        ++naBlankCount;
      }
    }
  }
  EXPECT_EQ(naCount, 1 + kNAResponses.size());
  EXPECT_EQ(naBlankCount, kNABlankResponses.size());
}

// Other ways of writing "not applicable" would slip past the checks above.
TEST(SqlWarningEntries, NoOtherPlaceholderOrMalformedText) {
  const std::set<std::string> fillers = {"", "NA.", "N/A", "n/a", "na", "None", "-", "?", "TBD"};
  for (const TextRow& row : sqlWarningEntries()) {
    for (std::string_view text : textsOf(row.entry)) {
      EXPECT_FALSE(text.empty()) << row.keys[0];
      EXPECT_EQ(text.find_first_of("\n\r\t\v\f"), std::string_view::npos) << row.keys[0];
      EXPECT_NE(text.front(), ' ') << row.keys[0] << ": " << text;
      EXPECT_FALSE(text.size() > 1 && text.substr(text.size() - 2) == "  ") << row.keys[0];
      std::string trimmed(text);
      while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
      EXPECT_TRUE(trimmed == "NA" ? isPlaceholder(text) : fillers.count(trimmed) == 0)
          << row.keys[0] << ": " << text;
      EXPECT_NE(trimmed, row.keys[0]) << "text only repeats the code";
    }
  }
}

TEST(SqlWarningEntries, LengthsStayWithinEachPanesRange) {
  constexpr std::array<std::pair<std::size_t, std::size_t>, 4> kRange = {
      {{20, 200}, {50, 830}, {2, 392}, {2, 746}}};
  for (const TextRow& row : sqlWarningEntries()) {
    const auto texts = textsOf(row.entry);
    for (std::size_t p = 0; p < texts.size(); ++p) {
      EXPECT_GE(texts[p].size(), kRange[p].first) << row.keys[0] << " pane " << p;
      EXPECT_LE(texts[p].size(), kRange[p].second) << row.keys[0] << " pane " << p;
    }
  }
}

// A text that several rows show is one named object, so a fix reaches every row.
TEST(SqlWarningEntries, RepeatedTextsAreOneObject) {
  std::map<std::string_view, const char*> first;
  for (const TextRow& row : sqlWarningEntries()) {
    for (std::string_view text : textsOf(row.entry)) {
      const auto [it, inserted] = first.emplace(text, text.data());
      if (!inserted) {
        EXPECT_EQ(it->second, text.data()) << row.keys[0] << ": " << text;
      }
    }
  }
}

TEST(SqlWarningEntries, AboutAQuarterOfTheExplanationsEndWithABlank) {
  std::size_t texts = 0;
  std::size_t trailing = 0;
  for (const TextRow& row : sqlWarningEntries()) {
    for (std::string_view text : {row.entry.description, row.entry.action, row.entry.response}) {
      ++texts;
      trailing += text.back() == ' ' ? 1 : 0;
    }
  }
  EXPECT_GE(trailing * 5, texts) << trailing << " of " << texts;       // at least a fifth
  EXPECT_LE(trailing * 10, texts * 4) << trailing << " of " << texts;  // at most two fifths
}

}  // namespace
}  // namespace quenmar::catalog::db2
