#include <gtest/gtest.h>

#include <cstddef>
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

using namespace ::quenmar::catalog::testing;

using KeySet = std::set<std::string_view>;

const CodeEntry& entryOf(std::string_view key) {
  return ::quenmar::catalog::testing::entryOf(cicspr12Table(), key);
}

// KeySet of the rows whose `pane` holds `text`; `byObject` asks for the very same characters.
KeySet rowsShowing(Pane pane, std::string_view text, bool byObject) {
  KeySet keys;
  for (const TextRow& row : cicspr12Table()) {
    const std::string_view shown = paneOf(row.entry, pane);
    if (byObject ? sameObject(shown, text) : shown == text) {
      keys.insert(row.keys[0]);
    }
  }
  return keys;
}

std::size_t rowsWhere(Pane pane, bool (*test)(std::string_view)) {
  std::size_t count = 0;
  for (const TextRow& row : cicspr12Table()) {
    count += test(paneOf(row.entry, pane)) ? 1 : 0;
  }
  return count;
}

TEST(CicsAsAt, KeysAreTheListedAsAndAtCodesInListOrder) {
  std::vector<std::string_view> listed;
  for (std::string_view code : codeList()) {
    if (code.starts_with("AS") || code.starts_with("AT")) {
      listed.push_back(code);
    }
  }
  const auto rows = cicspr12Table();
  ASSERT_EQ(rows.size(), 138u);
  ASSERT_EQ(listed.size(), rows.size());
  std::size_t sRows = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].keys[0], listed[i]) << "row " << i;
    EXPECT_TRUE(rows[i].keys[1].empty() && rows[i].keys[2].empty()) << listed[i];
    sRows += rows[i].keys[0][1] == 'S' ? 1 : 0;
  }
  EXPECT_EQ(sRows, 68u);
  EXPECT_EQ(rows.front().keys[0], "ASCA");
  EXPECT_EQ(rows.back().keys[0], "ATUF");
}

TEST(CicsAsAt, ReasonIsTheSharedNaAndNoOtherPaneHoldsIt) {
  for (const TextRow& row : cicspr12Table()) {
    EXPECT_TRUE(sameObject(row.entry.reason, kNA)) << row.keys[0];
    for (Pane pane : kTextPanes) {
      EXPECT_NE(paneOf(row.entry, pane), "NA") << row.keys[0];
    }
  }
}

TEST(CicsAsAt, ShortValuesStandOnlyWhereTheyBelong) {
  EXPECT_EQ(rowsShowing(kResponse, "None.", false), (KeySet{"ASDA", "ASH3", "ASOA", "ATCA"}));
  EXPECT_TRUE(rowsShowing(kAction, "None.", false).empty());
  EXPECT_EQ(rowsShowing(kAction, "AN", false), KeySet{"ASPO"});
  EXPECT_EQ(rowsShowing(kResponse, "AN", false), KeySet{"ASPO"});
  EXPECT_EQ(rowsShowing(kResponse, "", false), KeySet{"ATC3"});
  EXPECT_TRUE(rowsShowing(kDescription, "", false).empty());
  EXPECT_TRUE(rowsShowing(kAction, "", false).empty());
}

TEST(CicsAsAt, CatalogueWideStockTextsAreTheSharedObjects) {
  const std::pair<Pane, std::string_view> kStock[] = {
      {kAction, kTransactionAbendedWithCicsDump},
      {kAction, kTaskAbendedWithCicsDump},
      {kAction, kTransactionAbendedWithDump},
      {kAction, kCicsTerminatesTaskWithTransactionDump},
      {kAction, kTransactionAbended},
      {kResponse, kVendorReferral},
      {kResponse, kSeeDomainMessageProduced},
      {kResponse, kSeeDomainMessageFrom},
  };
  for (const auto& [pane, text] : kStock) {
    EXPECT_EQ(rowsShowing(pane, text, true), rowsShowing(pane, text, false)) << text;
  }
  EXPECT_EQ(rowsShowing(kAction, kTransactionAbendedWithCicsDump, true).size(), 28u);
  EXPECT_EQ(rowsShowing(kAction, kTaskAbendedWithCicsDump, true).size(), 17u);
  EXPECT_EQ(rowsShowing(kAction, kTransactionAbendedWithDump, true).size(), 12u);
  EXPECT_EQ(rowsShowing(kAction, kCicsTerminatesTaskWithTransactionDump, true).size(), 5u);
  EXPECT_EQ(rowsShowing(kResponse, kVendorReferral, true).size(), 21u);
  // Every catalogue-wide stock text that this table names occurs here at least once.
  EXPECT_FALSE(rowsShowing(kAction, kTransactionAbended, true).empty());
  EXPECT_FALSE(rowsShowing(kResponse, kSeeDomainMessageProduced, true).empty());
  EXPECT_FALSE(rowsShowing(kResponse, kSeeDomainMessageFrom, true).empty());
}

TEST(CicsAsAt, TablesOwnStockTextsHaveTheirCounts) {
  EXPECT_EQ(rowsShowing(kAction, "CICS terminates the transaction with a dump.", false).size(), 7u);
  EXPECT_EQ(rowsShowing(kAction, "CICS terminates the CESC transaction with a dump.", false).size(),
            5u);
  EXPECT_EQ(
      rowsShowing(kAction, "The transaction is terminated with a CICS transaction dump.", false)
          .size(),
      4u);
  EXPECT_EQ(
      rowsShowing(kDescription,
                  "A DFHSC macro request has been issued with an invalid request type.", false),
      KeySet{"ASCR"});
}

// Texts that open with a stock sentence and go on, or close with the referral.
TEST(CicsAsAt, LongerTextsAroundStockSentences) {
  static constexpr std::string_view kTaskLead = kTaskAbendedWithCicsDump;
  static constexpr std::string_view kCicsLead = "CICS terminates the transaction with a dump.";
  static constexpr std::string_view kReferral = kVendorReferral;
  EXPECT_EQ(rowsWhere(kAction,
                      [](std::string_view t) {
                        return t.size() > kTaskLead.size() && t.starts_with(kTaskLead);
                      }),
            5u);
  EXPECT_EQ(rowsWhere(kAction,
                      [](std::string_view t) {
                        return t.size() > kCicsLead.size() && t.starts_with(kCicsLead);
                      }),
            4u);
  EXPECT_EQ(rowsWhere(kResponse,
                      [](std::string_view t) {
                        return t.size() > kReferral.size() &&
                               t.ends_with(std::string(" ") + std::string(kReferral));
                      }),
            8u);
}

TEST(CicsAsAt, RepeatedRowsShareTheirTextObjects) {
  const std::pair<std::string_view, std::string_view> kTwins[] = {
      {"ATC8", "ATCY"}, {"ATPC", "ATPA"}, {"ATPD", "ATPB"}};
  for (const auto& [copy, original] : kTwins) {
    for (Pane pane : kTextPanes) {
      EXPECT_TRUE(sameObject(paneOf(entryOf(copy), pane), paneOf(entryOf(original), pane))) << copy;
    }
  }
  for (std::string_view key : {"ASHB", "ASHR"}) {
    EXPECT_TRUE(sameObject(entryOf(key).description, entryOf("ASHA").description)) << key;
    EXPECT_TRUE(sameObject(entryOf(key).response, entryOf("ASHA").response)) << key;
    // The System Actions differ only in the code that they name.
    std::string expected(entryOf("ASHA").action);
    expected.replace(expected.find("ASHA"), 4, key);
    EXPECT_EQ(entryOf(key).action, expected);
  }
  EXPECT_TRUE(sameObject(entryOf("ASCB").action, entryOf("ASCA").action));
  EXPECT_TRUE(sameObject(entryOf("ASCB").response, entryOf("ASCA").response));
  EXPECT_NE(entryOf("ASCB").description, entryOf("ASCA").description);
  EXPECT_TRUE(entryOf("ASCB").description.starts_with("A DFHSC TYPE=FREEMAIN request"));
}

TEST(CicsAsAt, SchedulerActionsNameTheirOwnCode) {
  for (std::string_view key : {"ASHA", "ASHB", "ASHR", "ASHU", "ASH2", "ASH4"}) {
    const std::string lead =
        "The transaction is abnormally terminated with abend code " + std::string(key) + ". ";
    const std::string_view action = entryOf(key).action;
    EXPECT_TRUE(action.starts_with(lead)) << key;
    EXPECT_GT(action.size(), lead.size()) << key << " has a second sentence";
  }
}

TEST(CicsAsAt, ProgramCheckAndOsAbendRowsShowTheListLookupsTexts) {
  for (std::string_view key : {"ASRA", "ASRB"}) {
    const CodeEntry* picked = findByText(inlineEntries(), key);
    ASSERT_NE(picked, nullptr) << key;
    const CodeEntry& typed = entryOf(key);
    for (Pane pane : kTextPanes) {
      EXPECT_TRUE(sameObject(paneOf(typed, pane), paneOf(*picked, pane))) << key;
    }
    EXPECT_NE(typed.reason, picked->reason);
  }
  EXPECT_TRUE(sameObject(entryOf("ASRA").description, kAsraDescription));
  EXPECT_TRUE(sameObject(entryOf("ASRB").action, kAsrbAction));
}

TEST(CicsAsAt, EqualTextsAreOneObjectAndTheCountsHold) {
  const std::size_t kDistinct[] = {133, 58, 101};
  const std::size_t kShortest[] = {34, 2, 0};
  const std::size_t kLongest[] = {521, 303, 537};
  for (std::size_t p = 0; p < 3; ++p) {
    std::map<std::string_view, const char*> first;
    std::size_t shortest = 10000, longest = 0;
    for (const TextRow& row : cicspr12Table()) {
      const std::string_view text = paneOf(row, kTextPanes[p]);
      const auto [it, added] = first.emplace(text, text.data());
      EXPECT_TRUE(added || text.empty() || it->second == text.data())
          << row.keys[0] << " repeats a text in a copy of its own";
      shortest = std::min(shortest, text.size());
      longest = std::max(longest, text.size());
      for (char c : text) {
        EXPECT_TRUE(c >= ' ' && c <= '~' && c != '"') << row.keys[0];
      }
      EXPECT_FALSE(text.starts_with(' ') || text.ends_with(' ')) << row.keys[0];
    }
    EXPECT_EQ(first.size(), kDistinct[p]) << "pane " << p;
    EXPECT_EQ(shortest, kShortest[p]) << "pane " << p;
    EXPECT_EQ(longest, kLongest[p]) << "pane " << p;
  }
}

TEST(CicsAsAt, OnlyExactKeysMatch) {
  for (std::string_view code :
       {"ascr", "Ascr", "ASCR ", " ASCR", "ASC", "", "AUEL", "AXFA", "ASRZ"}) {
    EXPECT_EQ(findByText(cicspr12Table(), code), nullptr) << "[" << code << "]";
  }
  EXPECT_EQ(entryOf("ASCR").action, "The transaction is terminated with a CICS transaction dump.");
  EXPECT_EQ(entryOf("ATCO").response, "Correct the application program.");
  EXPECT_TRUE(entryOf("ATC3").response.empty());
}

}  // namespace
}  // namespace quenmar::catalog::cics
