#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/cics/cics_stock.h"
#include "catalog/cics/cics_tables.h"
#include "catalog/code_lists.h"
#include "table_test_support.h"

namespace quenmar::catalog::cics {
namespace {

constexpr std::string_view kOrder[] = {
    "AUEL", "AUEP", "AUXA", "AUXB", "AUYA", "AUYC", "AUYE", "AUYF", "AUYG", "AUYH", "AUYI",
    "AUYJ", "AUZA", "AUZB", "AUZC", "AUZD", "AUZF", "AUZH", "AUZI", "AUZJ", "AUZK", "AUZL",
    "AUZN", "AUZO", "AUZQ", "AUZR", "AUZS", "AUZU", "AUZV", "AUZY", "AUZZ", "AUZ1", "AWBA",
    "AWBB", "AWBC", "AWBE", "AWBF", "AWBH", "AWBI", "AWBJ", "AWBK", "AWBL", "AWBM", "AWBO",
    "AWBQ", "AWBR", "AWBU", "AWBV", "AWBX", "AWBZ", "AWB2", "AWB3", "AWB4", "AWB5", "AWB7",
    "AWB8", "AWB9", "AWC1", "AWC2", "AWC3", "AWC4", "AWC5", "AWC6", "AWC7", "AWC8", "AWKY"};

using namespace ::quenmar::catalog::testing;

const CodeEntry& au(std::string_view key) { return entryOf(cicspr13Table(), key); }

std::vector<std::string_view> keysWhere(Pane pane, std::string_view text) {
  return keysHolding(cicspr13Table(), pane, text);
}

TEST(CicsAuAw, KeysAreTheListsAuAndAwItemsInOrder) {
  const auto rows = cicspr13Table();
  ASSERT_EQ(rows.size(), std::size(kOrder));
  std::vector<std::string_view> listed;
  for (std::string_view item : codeList()) {
    if (item.size() > 1 && (item[1] == 'U' || item[1] == 'W')) listed.push_back(item);
  }
  EXPECT_TRUE(std::equal(listed.begin(), listed.end(), std::begin(kOrder), std::end(kOrder)));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].keys[0], kOrder[i]) << "row " << i;
    EXPECT_TRUE(rows[i].keys[1].empty() && rows[i].keys[2].empty()) << kOrder[i];
  }
}

TEST(CicsAuAw, LookupIsExactAndTellsNeighboursApart) {
  EXPECT_NE(&au("AUZ1"), &au("AUZI"));
  EXPECT_NE(au("AUZ1").description, au("AUZI").description);
  for (std::string_view miss : {"AWB1", "AUYB", "AWB6", "auel", "AUEL ", "AUE", ""}) {
    EXPECT_EQ(findByText(cicspr13Table(), miss), nullptr) << '[' << miss << ']';
  }
}

TEST(CicsAuAw, EveryRowHasReasonNaAndRealTextsElsewhere) {
  for (const TextRow& row : cicspr13Table()) {
    EXPECT_TRUE(sameObject(row.entry.reason, kNA)) << row.keys[0];
    for (Pane pane : {kDescription, kAction, kResponse}) {
      const std::string_view text = paneOf(row, pane);
      EXPECT_NE(text, "NA") << row.keys[0];
      ASSERT_FALSE(text.empty()) << row.keys[0];
      EXPECT_NE(text.front(), ' ') << row.keys[0];
      EXPECT_NE(text.back(), ' ') << row.keys[0];
      EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                              [](char c) { return c >= 0x20 && c < 0x7f && c != '"'; }))
          << row.keys[0] << " pane " << pane;
      EXPECT_EQ(text.find("  ") != std::string_view::npos,
                row.keys[0] == "AWBA" && pane == kDescription)
          << row.keys[0] << " pane " << pane;
    }
  }
}

TEST(CicsAuAw, LengthsSpanTheirRanges) {
  const std::map<Pane, std::pair<std::size_t, std::size_t>> kRanges = {
      {kDescription, {52, 595}}, {kAction, {21, 381}}, {kResponse, {5, 241}}};
  for (const auto& [pane, range] : kRanges) {
    std::size_t shortest = std::string_view::npos, longest = 0;
    for (const TextRow& row : cicspr13Table()) {
      shortest = std::min(shortest, paneOf(row, pane).size());
      longest = std::max(longest, paneOf(row, pane).size());
    }
    EXPECT_EQ(shortest, range.first) << "pane " << pane;
    EXPECT_EQ(longest, range.second) << "pane " << pane;
  }
}

TEST(CicsAuAw, OnlyTheKnownTextsEndWithoutAFullStop) {
  std::set<std::string> open;
  for (const TextRow& row : cicspr13Table()) {
    for (Pane pane : {kDescription, kAction, kResponse}) {
      if (!paneOf(row, pane).ends_with('.'))
        open.insert(std::string(row.keys[0]) + "/" + "DAR"[pane]);
    }
  }
  EXPECT_EQ(open,
            (std::set<std::string>{"AUZB/D", "AUZH/D", "AWBI/D", "AWBA/D", "AWBE/R", "AWC7/R"}));
  EXPECT_TRUE(au("AWC7").response.ends_with(':'));
}

// Identical texts are one object, and no two rows share a text unless they are meant to.
TEST(CicsAuAw, SharedTextsAreExactlyTheIntendedGroups) {
  std::vector<std::string_view> detector(std::begin(kOrder) + 2, std::begin(kOrder) + 32);
  const std::map<Pane, Groups> kExpected = {
      {kDescription, {{"AWC7", "AWC8"}}},
      {kAction,
       {detector, {"AUEL", "AUEP", "AWKY"}, {"AWB3", "AWB4"}, {"AWB5", "AWC1"}, {"AWC3", "AWC4"}}},
      {kResponse,
       {{"AWBH", "AWBK", "AWBR", "AWBU", "AWC1", "AWC3", "AWC4", "AWC8"},
        {"AWBJ", "AWBL", "AWBM", "AWBO", "AWBQ", "AWBX", "AWBZ", "AWB2"},
        {"AWBI", "AWBV", "AWB9"},
        {"AWB3", "AWB4"}}}};
  for (const auto& [pane, expected] : kExpected) {
    EXPECT_EQ(sharedGroups(cicspr13Table(), pane), expected) << "pane " << pane;
  }
}

TEST(CicsAuAw, StockTextsAppearWhereAndAsOftenAsIntended) {
  EXPECT_TRUE(sameObject(au("AUEL").action, kTaskAbendedWithCicsDump));
  EXPECT_TRUE(sameObject(au("AUEL").response, kVendorReferral));
  EXPECT_EQ(keysWhere(kResponse, kVendorReferral), std::vector<std::string_view>{"AUEL"});
  EXPECT_EQ(keysWhere(kAction, kTransactionAbendedWithDump).size(), 1u);
  EXPECT_TRUE(sameObject(au("AWBA").action, kTransactionAbendedWithDump));
  EXPECT_TRUE(keysWhere(kAction, kTransactionAbendedWithCicsDump).empty());
  EXPECT_EQ(au("AUXA").action, "The Detector is stopped.");
  EXPECT_EQ(keysWhere(kResponse, "None."), std::vector<std::string_view>{"AWB8"});
  EXPECT_TRUE(keysWhere(kAction, "None.").empty());

  // The referral with its first sentence doubled ends with the referral itself.
  const std::string_view doubled = au("AWBI").response;
  const std::string_view first = leadingSentences(kVendorReferral, 1);
  EXPECT_EQ(doubled, std::string(first) + " " + std::string(kVendorReferral));
  for (const TextRow& row : cicspr13Table()) {
    if (row.keys[0] != "AUEL" && row.entry.response != doubled) {
      EXPECT_FALSE(row.entry.response.ends_with(kVendorReferral)) << row.keys[0];
    }
  }

  const std::string_view diagnostics = au("AWBH").response;
  for (std::string_view key : {"AWC2", "AWC5", "AWC6", "AWC7"}) {
    EXPECT_TRUE(au(key).response.starts_with(std::string(diagnostics) + " ")) << key;
  }
}

// Each Detector abend points the reader to the message issued with it. Only the two message
// numbers known for certain are quoted; every other row names its own abend instead.
TEST(CicsAuAw, DetectorRowsReferToMessagesOfTheirOwn) {
  const auto rows = cicspr13Table().subspan(2, 30);
  EXPECT_EQ(rows.front().keys[0], "AUXA");
  EXPECT_EQ(rows.back().keys[0], "AUZ1");
  std::set<std::string_view> responses;
  for (const TextRow& row : rows) {
    const std::string_view response = row.entry.response;
    responses.insert(response);
    EXPECT_NE(response.find("DFHAU"), std::string_view::npos) << row.keys[0];
    EXPECT_TRUE(response.ends_with('.')) << row.keys[0];
    if (row.keys[0] == "AUXB") continue;
    EXPECT_TRUE(response.starts_with("Refer to ")) << row.keys[0];
    if (row.keys[0] != "AUYF") {
      EXPECT_NE(response.find(row.keys[0]), std::string_view::npos) << row.keys[0];
    }
  }
  EXPECT_EQ(responses.size(), rows.size()) << "each Detector abend has a reference of its own";
  // Each Description speaks of its own abend, not of a neighbour's.
  for (const TextRow& row : rows) {
    if (row.keys[0] == "AUYF") continue;
    for (const TextRow& other : rows) {
      const bool own = &other == &row;
      EXPECT_EQ(row.entry.description.find(other.keys[0]) != std::string_view::npos, own)
          << row.keys[0] << " names " << other.keys[0];
    }
  }
  EXPECT_EQ(au("AUXB").response, "message DFHAU4200.");

  const CodeEntry& cafb = au("AUYF");
  EXPECT_EQ(cafb.description,
            "The Transaction Affinities Utility Detector transaction CAFB was not started by "
            "transaction CAFF.");
  EXPECT_EQ(cafb.response, "Refer to message DFHAU3311.");
}

// A message number stands in a text only where it is known to belong to that abend.
TEST(CicsAuAw, OnlyKnownDetectorMessageNumbersAreQuoted) {
  const std::map<std::string_view, std::string> kKnown = {{"AUXB", "DFHAU4200"},
                                                          {"AUYF", "DFHAU3311"}};
  for (const TextRow& row : cicspr13Table()) {
    for (Pane pane : {kDescription, kAction, kResponse}) {
      const std::string_view text = paneOf(row, pane);
      for (std::size_t at = text.find("DFHAU"); at != std::string_view::npos;
           at = text.find("DFHAU", at + 1)) {
        const std::string_view rest = text.substr(at + 5);
        if (rest.empty() || !std::isdigit(static_cast<unsigned char>(rest.front()))) continue;
        const auto known = kKnown.find(row.keys[0]);
        ASSERT_NE(known, kKnown.end()) << row.keys[0] << " pane " << pane;
        EXPECT_EQ(text.substr(at, 9), known->second) << row.keys[0] << " pane " << pane;
      }
    }
  }
}

}  // namespace
}  // namespace quenmar::catalog::cics
