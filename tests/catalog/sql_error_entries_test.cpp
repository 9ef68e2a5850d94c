// Invariants of the SQL error entries that the list lookup answers itself.
#include "catalog/db2/sql_error_entries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "catalog/code_lists.h"
#include "catalog/db2/db2_tables.h"
#include "catalog/db2/sql_stock.h"
#include "catalog/number_reader.h"

namespace quenmar::catalog::db2 {
namespace {

std::vector<const NumberRow*> entries() {
  std::vector<const NumberRow*> all;
  for (const auto& part : {sqlErrorEntriesTo519(), sqlErrorEntriesFrom530()}) {
    for (const NumberRow& row : part) {
      all.push_back(&row);
    }
  }
  return all;
}

const NumberRow& entry(std::int16_t code) {
  for (const NumberRow* row : entries()) {
    if (row->key == code) {
      return *row;
    }
  }
  throw std::out_of_range(std::to_string(code));
}

TEST(SqlErrorEntries, KeysAreDistinctNegativeAndInTheErrorListsOrder) {
  const auto all = entries();
  EXPECT_EQ(all.size(), 210u);
  std::vector<std::int16_t> listed;
  for (std::string_view item : sqlErrorList()) {
    listed.push_back(*readCodeNumber(item));
  }
  auto next = listed.begin();
  std::set<std::int16_t> seen;
  for (const NumberRow* row : all) {
    EXPECT_LT(row->key, 0);
    EXPECT_TRUE(seen.insert(row->key).second) << row->key;
    next = std::find(next, listed.end(), row->key);
    ASSERT_NE(next, listed.end()) << row->key << " out of the list's order";
  }
  for (std::int16_t none : {-526, -875, -929, -79, -30105, -223, 0, 7}) {
    EXPECT_EQ(findSqlErrorEntry(none), nullptr) << none;
  }
  EXPECT_EQ(findSqlErrorEntry(-530), &entry(-530).entry);
  EXPECT_EQ(findSqlErrorEntry(-927), &entry(-927).entry);
}

TEST(SqlErrorEntries, NaStandsOnlyWhereItBelongs) {
  const std::set<std::int16_t> titleOnly = {-172, -541, -664, -821, -923, -924, -925, -926, -927};
  for (const NumberRow* row : entries()) {
    const CodeEntry& e = row->entry;
    EXPECT_NE(e.reason, "NA") << row->key;
    const bool onlyTitle = titleOnly.count(row->key) == 1;
    EXPECT_EQ(e.description == "NA", onlyTitle || row->key == -7) << row->key;
    EXPECT_EQ(e.action == "NA", onlyTitle || row->key == -922) << row->key;
    EXPECT_EQ(e.response == "NA", onlyTitle || row->key == -922) << row->key;
    for (std::string_view text : {e.reason, e.description, e.action, e.response}) {
      EXPECT_FALSE(text.empty()) << row->key;
      if (text == "NA") {
        EXPECT_EQ(text.data(), kNA.data()) << row->key;
      }
      EXPECT_EQ(text.find('\n'), std::string_view::npos) << row->key;
    }
  }
}

TEST(SqlErrorEntries, SharedTextsAreOneObject) {
  std::size_t notExecuted = 0;
  for (const NumberRow* row : entries()) {
    if (row->entry.action == kStatementNotExecuted) {
      EXPECT_EQ(row->entry.action.data(), kStatementNotExecuted.data()) << row->key;
      ++notExecuted;
    }
  }
  EXPECT_EQ(notExecuted, 114u);
  EXPECT_EQ(entry(-632).entry.reason, "THE DELETE RULE MUST BE delete rule");
  EXPECT_EQ(entry(-632).entry.reason.data(), entry(-633).entry.reason.data());
  EXPECT_EQ(entry(-632).entry.description.data(), entry(-633).entry.description.data());
}

TEST(SqlErrorEntries, TextsKeepTheirOddities) {
  EXPECT_EQ(entry(-7).entry.response,
            "Correct the syntax and resubmit the statement.Refer to Chapter 3 of SQL Reference "
            "for information about the valid SQL character set");
  EXPECT_EQ(entry(-107).entry.reason, "THE NAME name IS TOO LONG.  MAXIMUM ALLOWABLE SIZE IS size");
  EXPECT_TRUE(entry(-127).entry.reason.starts_with("ISTINCT"));
  EXPECT_TRUE(entry(-160).entry.reason.starts_with("HE WITH CHECK OPTION"));
  EXPECT_TRUE(entry(-922).entry.description.ends_with("Installation err"));
  EXPECT_EQ(entry(-541).entry.reason,
            "FOREGIN KEY name IS INVALID BECAUSE IT IS A DUPLICATE REFERENTIAL CONSTRAINT");
}

// The longest texts must reach the ranges' upper ends, so that a long explanation cut short
// shows up as surely as one that overruns.
TEST(SqlErrorEntries, LengthsStayWithinTheirRangesAndReachTheirEnds) {
  std::size_t shortestReason = SIZE_MAX, longestDescription = 0, longestAction = 0,
              longestResponse = 0;
  for (const NumberRow* row : entries()) {
    const CodeEntry& e = row->entry;
    EXPECT_GE(e.reason.size(), 14u) << row->key;
    EXPECT_LE(e.reason.size(), 213u) << row->key;
    EXPECT_LE(e.description.size(), 997u) << row->key;
    EXPECT_LE(e.action.size(), 440u) << row->key;
    EXPECT_LE(e.response.size(), 939u) << row->key;
    shortestReason = std::min(shortestReason, e.reason.size());
    longestDescription = std::max(longestDescription, e.description.size());
    longestAction = std::max(longestAction, e.action.size());
    longestResponse = std::max(longestResponse, e.response.size());
  }
  EXPECT_EQ(shortestReason, 14u);
  EXPECT_EQ(longestDescription, 997u);
  EXPECT_EQ(longestAction, 440u);
  EXPECT_EQ(longestResponse, 939u);
}

}  // namespace
}  // namespace quenmar::catalog::db2
