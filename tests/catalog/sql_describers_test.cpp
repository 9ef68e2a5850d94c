// Invariants of the two SQL error range describers' tables, taken together: they answer the
// SQL error list's codes that the list lookup leaves, and share their stock texts as objects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/code_entry.h"
#include "catalog/code_lists.h"
#include "catalog/db2/db2_tables.h"
#include "catalog/db2/sql_stock.h"
#include "catalog/number_reader.h"

namespace quenmar::catalog::db2 {
namespace {

// The three tables in the order the list lookup consults them.
std::vector<std::span<const NumberRow>> parts() {
  return {db2pro1TableTo567(), db2pro1TableFrom571(), db2pro2Table()};
}

std::vector<const NumberRow*> describerRows() {
  std::vector<const NumberRow*> all;
  for (std::span<const NumberRow> part : parts()) {
    for (const NumberRow& row : part) {
      all.push_back(&row);
    }
  }
  return all;
}

const CodeEntry& entry(std::int16_t code) {
  for (const NumberRow* row : describerRows()) {
    if (row->key == code) {
      return row->entry;
    }
  }
  throw std::out_of_range(std::to_string(code));
}

bool isIn(std::int16_t key, std::initializer_list<std::int16_t> keys) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

TEST(SqlDescribers, EachTableHoldsItsOwnRangeOfKeys) {
  struct Range {
    std::size_t size;
    std::int16_t first;
    std::int16_t last;
  };
  const Range ranges[] = {{101, -79, -567}, {102, -571, -919}, {57, -939, -30105}};
  const auto tables = parts();
  for (std::size_t i = 0; i < tables.size(); ++i) {
    const std::span<const NumberRow> rows = tables[i];
    ASSERT_EQ(rows.size(), ranges[i].size) << "table " << i;
    EXPECT_EQ(rows.front().key, ranges[i].first) << "table " << i;
    EXPECT_EQ(rows.back().key, ranges[i].last) << "table " << i;
    for (const NumberRow& row : rows) {
      EXPECT_LE(row.key, ranges[i].first) << row.key;
      EXPECT_GE(row.key, ranges[i].last) << row.key;
    }
  }
}

TEST(SqlDescribers, KeysFollowTheErrorListAndAnswerWhatTheLookupLeaves) {
  std::vector<std::int16_t> listed;
  for (std::string_view item : sqlErrorList()) {
    const auto number = readCodeNumber(item);
    ASSERT_TRUE(number.has_value()) << item;
    listed.push_back(*number);
  }
  std::set<std::int16_t> keys;
  auto next = listed.begin();
  for (const NumberRow* row : describerRows()) {
    EXPECT_LT(row->key, 0);
    EXPECT_TRUE(keys.insert(row->key).second) << row->key << " has two entries";
    EXPECT_EQ(findSqlErrorEntry(row->key), nullptr) << row->key << " is the lookup's own";
    next = std::find(next, listed.end(), row->key);
    ASSERT_NE(next, listed.end()) << row->key << " out of the list's order or not listed";
  }
  EXPECT_EQ(keys.size(), 260u);

  std::vector<std::int16_t> unanswered;
  for (std::int16_t code : listed) {
    if (findSqlErrorEntry(code) == nullptr && keys.count(code) == 0) {
      unanswered.push_back(code);
    }
  }
  EXPECT_EQ(unanswered, (std::vector<std::int16_t>{-526, -875, -929}));
  for (std::int16_t none : {0, 100, -7, -929}) {
    EXPECT_EQ(keys.count(none), 0u) << none;
  }
}

TEST(SqlDescribers, PlaceholdersStandInTheirPlacesOnly) {
  for (const NumberRow* row : describerRows()) {
    const std::int16_t key = row->key;
    const CodeEntry& e = row->entry;
    EXPECT_EQ(e.description == "NA", isIn(key, {-458, -20100})) << key;
    EXPECT_EQ(e.action == "NA ", key == -716) << key;
    EXPECT_EQ(e.action.empty(), key == -30104) << key;
    EXPECT_EQ(e.response == "NA", isIn(key, {-721, -981, -20005, -20202, -20204})) << key;
    EXPECT_NE(e.reason, "NA") << key;
    EXPECT_NE(e.action, "NA") << key;
    for (std::string_view text : {e.reason, e.description, e.action, e.response}) {
      if (text == "NA") {
        EXPECT_EQ(text.data(), kNA.data()) << key;
      }
      if (text == "NA ") {
        EXPECT_EQ(text.data(), kNABlank.data()) << key;
      }
    }
    EXPECT_FALSE(e.reason.empty()) << key;
    EXPECT_FALSE(e.description.empty()) << key;
    EXPECT_FALSE(e.response.empty()) << key;
  }
}

TEST(SqlDescribers, StockActionsAreCountedAndAreOneObject) {
  struct Stock {
    std::string_view text;
    std::size_t count;
  };
  const Stock stock[] = {
      {kStatementNotExecuted, 109},     {kStatementCannotBeProcessed, 22},
      {kStatementIsNotExecuted, 15},    {kSqlStatementCannotBeExecuted, 7},
      {kStatementWasNotExecuted, 5},    {kDb2CannotProcess, 3},
      {kSqlStatementFailed, 3},         {kStatementCouldNotBeProcessed, 3},
      {kInsertNotPerformed, 2},         {kTriggerNotCreated, 2},
      {kStatementNotExecutedNoStop, 2},
  };
  std::map<const char*, std::size_t> byObject;
  std::set<std::string_view> ownActions;
  std::size_t own = 0;
  for (const NumberRow* row : describerRows()) {
    const std::string_view action = row->entry.action;
    const auto shared = std::find_if(std::begin(stock), std::end(stock),
                                     [&](const Stock& s) { return s.text == action; });
    if (shared != std::end(stock)) {
      EXPECT_EQ(action.data(), shared->text.data()) << row->key << ": a copy of a stock text";
      ++byObject[action.data()];
    } else {
      ++own;
      // Only the ROWID pair shows one action of its own twice.
      EXPECT_TRUE(ownActions.insert(action).second || row->key == -867)
          << row->key << ": action shown twice";
    }
  }
  for (const Stock& s : stock) {
    EXPECT_EQ(byObject[s.text.data()], s.count) << s.text;
  }
  EXPECT_EQ(own, 87u);

  EXPECT_EQ(entry(-251).action.data(), kStatementNotExecutedNoStop.data());
  for (std::int16_t titled : {-30053, -30105}) {
    EXPECT_EQ(entry(titled).action.data(), entry(titled).reason.data()) << titled;
  }
  const CodeEntry& twice = entry(-483);
  EXPECT_EQ(twice.action.data(), kStatementNotExecuted.data());
  EXPECT_EQ(twice.response.data(), kStatementNotExecuted.data());
}

TEST(SqlDescribers, NearTwinsDifferOnlyWhereTheyShould) {
  const CodeEntry& rowid771 = entry(-771);
  const CodeEntry& rowid867 = entry(-867);
  EXPECT_TRUE(rowid771.reason.starts_with("INVALID SPEC")) << rowid771.reason;
  EXPECT_TRUE(rowid771.reason.ends_with(" OF A ROWID COLUMN ")) << rowid771.reason;
  EXPECT_EQ(rowid771.reason.data(), rowid867.reason.data());
  EXPECT_EQ(rowid771.action.data(), rowid867.action.data());
  EXPECT_NE(rowid771.description, rowid867.description);
  EXPECT_EQ(rowid771.response, std::string(rowid867.response) + " ");
  EXPECT_FALSE(rowid867.response.ends_with(' '));

  const std::string_view action918 = entry(-918).action;
  const std::string_view action919 = entry(-919).action;
  EXPECT_TRUE(action918.ends_with(" ") && !action918.ends_with("  ")) << action918;
  EXPECT_EQ(action919, std::string(action918) + " ");
}

TEST(SqlDescribers, TextsAreSingleLinePrintableAndWithinTheirLengths) {
  struct Bounds {
    std::size_t low;
    std::size_t high;
  };
  const Bounds reason{13, 231}, description{45, 954}, action{18, 286}, response{21, 975};
  const auto within = [](std::string_view text, Bounds b) {
    return text.size() >= b.low && text.size() <= b.high;
  };
  // Each pane's texts must span its whole range: a longest text that falls short means an
  // explanation was cut, one that is too long means one was padded.
  Bounds seenReason{SIZE_MAX, 0}, seenDescription{SIZE_MAX, 0}, seenAction{SIZE_MAX, 0},
      seenResponse{SIZE_MAX, 0};
  const auto see = [](Bounds& seen, std::string_view text) {
    seen.low = std::min(seen.low, text.size());
    seen.high = std::max(seen.high, text.size());
  };
  std::set<std::string_view> distinct;
  std::size_t blankTitles = 0;
  for (const NumberRow* row : describerRows()) {
    const CodeEntry& e = row->entry;
    see(seenReason, e.reason);
    if (e.description != "NA") see(seenDescription, e.description);
    if (e.action != "NA " && !e.action.empty()) see(seenAction, e.action);
    if (e.response != "NA") see(seenResponse, e.response);
    distinct.insert({e.reason, e.description, e.action, e.response});
    EXPECT_TRUE(within(e.reason, reason)) << row->key << ": " << e.reason.size();
    if (e.description != "NA") {
      EXPECT_TRUE(within(e.description, description)) << row->key << ": " << e.description.size();
      EXPECT_NE(e.description, e.reason) << row->key;
    }
    if (e.action != "NA " && !e.action.empty()) {
      EXPECT_TRUE(within(e.action, action)) << row->key << ": " << e.action.size();
    }
    if (e.response != "NA") {
      EXPECT_TRUE(within(e.response, response)) << row->key << ": " << e.response.size();
      EXPECT_NE(e.response, e.description) << row->key;
    }
    blankTitles += e.reason.ends_with(' ') ? 1 : 0;
    for (std::string_view text : {e.reason, e.description, e.action, e.response}) {
      const auto odd = std::find_if(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E;
      });
      EXPECT_TRUE(odd == text.end()) << row->key << ": control or non-ASCII character";
      for (std::string_view filler :
           {"Explanation of", "See the manual", "Refer to the documentation"}) {
        EXPECT_FALSE(text.starts_with(filler)) << row->key;
      }
    }
  }
  EXPECT_EQ(blankTitles, 120u);
  for (const auto& [seen, bounds] :
       {std::pair{seenReason, reason}, std::pair{seenDescription, description},
        std::pair{seenAction, action}, std::pair{seenResponse, response}}) {
    EXPECT_EQ(seen.low, bounds.low);
    EXPECT_EQ(seen.high, bounds.high);
  }
  std::size_t characters = 0;
  for (std::string_view text : distinct) characters += text.size();
  EXPECT_NEAR(static_cast<double>(characters), 153000.0, 15300.0);
}

}  // namespace
}  // namespace quenmar::catalog::db2
