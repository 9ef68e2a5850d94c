#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/cics/cics_stock.h"
#include "catalog/cics/cics_tables.h"
#include "catalog/code_entry.h"
#include "catalog/code_lists.h"
#include "table_test_support.h"

namespace quenmar::catalog::cics {
namespace {

using namespace ::quenmar::catalog::testing;

using KeySet = std::set<std::string_view>;

constexpr std::string_view kTrace =
    "If this problem is reproducible, a level 1 and 2 trace of the TC component would aid "
    "problem determination.";
constexpr std::string_view kStorageCheck =
    "Check the TCTTE in the transaction dump for printable characters or other signs of a storage "
    "violation error.";

std::string_view keyOf(const TextRow& row) { return row.keys[0]; }

const CodeEntry& entryOf(std::string_view key) {
  return ::quenmar::catalog::testing::entryOf(cicspr10Table(), key);
}

std::string joined(std::string_view first, std::string_view second) {
  return std::string(first) + " " + std::string(second);
}

// Letters sort before digits in the third and the fourth place of a key.
int rank(char c) { return c >= '0' && c <= '9' ? 100 + c : c; }

TEST(CicsAz, KeysAreTheLastBlockOfTheCodeListInTestOrder) {
  const auto rows = cicspr10Table();
  ASSERT_EQ(rows.size(), 131u);
  const auto list = codeList();
  std::vector<std::string_view> zBlock;
  for (std::string_view item : list) {
    if (item.size() > 1 && item[1] == 'Z') zBlock.push_back(item);
  }
  ASSERT_EQ(zBlock.size(), rows.size());
  EXPECT_TRUE(std::equal(zBlock.begin(), zBlock.end(), list.end() - zBlock.size()))
      << "the AZ codes close the list";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string_view key = keyOf(rows[i]);
    EXPECT_EQ(key, zBlock[i]) << "row " << i;
    EXPECT_TRUE(rows[i].keys[1].empty() && rows[i].keys[2].empty()) << key;
    ASSERT_EQ(key.size(), 4u);
    EXPECT_TRUE(key.starts_with("AZ")) << key;
    for (char c : key.substr(2)) {
      EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) << key;
    }
    if (i > 0) {
      const std::string_view prev = keyOf(rows[i - 1]);
      EXPECT_LT(std::make_pair(rank(prev[2]), rank(prev[3])),
                std::make_pair(rank(key[2]), rank(key[3])))
          << prev << " before " << key;
    }
  }
  EXPECT_EQ(keyOf(rows.front()), "AZAB");
  EXPECT_EQ(keyOf(rows.back()), "AZXB");
}

TEST(CicsAz, OnlyExactKeysAreAnswered) {
  const auto rows = cicspr10Table();
  EXPECT_EQ(findByText(rows, "AZAB"), &rows.front().entry);
  EXPECT_EQ(findByText(rows, "AZXB"), &rows.back().entry);
  for (std::string_view miss : {"AZAA", "AZAC", "AZCS", "AZRC", "AZR1", "AZTD", "AZVT", "AZXC",
                                "AZZZ", "AZ", "", "azab", "AzAB", " AZAB", "AZAB ", "AZA"}) {
    EXPECT_EQ(findByText(rows, miss), nullptr) << "'" << miss << "'";
  }
}

TEST(CicsAz, EveryPaneHoldsOneCleanLine) {
  const std::set<std::pair<std::string_view, int>> doubleBlanks = {
      {"AZAG", 2}, {"AZAH", 2}, {"AZCG", 1}, {"AZIA", 1}, {"AZI2", 1}, {"AZRZ", 1},
      {"AZS3", 1}, {"AZTC", 1}, {"AZVF", 1}, {"AZIF", 3}, {"AZI1", 3}, {"AZIA", 3}};
  const std::map<std::pair<std::string_view, int>, std::string_view> openEndings = {
      {{"AZCI", 3}, "Check that:"},
      {{"AZCL", 1}, " The values recognized by CICS are:"},
      {{"AZI2", 1}, " Possible causes of the problem include:"},
      {{"AZVU", 1}, " However the autoinstall failed for one of the following reasons:"},
      {{"AZCT", 1}, " for an interval longer"}};
  std::set<std::pair<std::string_view, int>> foundBlanks;
  for (const TextRow& row : cicspr10Table()) {
    const std::string_view key = keyOf(row);
    EXPECT_TRUE(sameObject(row.entry.reason, kNA)) << key;
    const std::string_view panes[] = {row.entry.description, row.entry.action, row.entry.response};
    for (int pane = 1; pane <= 3; ++pane) {
      const std::string_view text = panes[pane - 1];
      ASSERT_FALSE(text.empty()) << key << " pane " << pane;
      EXPECT_NE(text, "NA") << key;
      EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                              [](char c) { return c >= ' ' && c <= '~' && c != '"'; }))
          << key << ": " << text;
      EXPECT_NE(text.front(), ' ') << key;
      EXPECT_NE(text.back(), ' ') << key;
      const std::size_t blanks = text.find("  ");
      if (blanks != std::string_view::npos) {
        foundBlanks.insert({key, pane});
        EXPECT_EQ(text.find("  ", blanks + 1), std::string_view::npos) << key;
        // The referral's variant is the one run that does not sit between two sentences.
        if (key != "AZIA" || pane != 3) {
          EXPECT_EQ(text[blanks - 1], '.') << key;
        }
      }
      const auto open = openEndings.find({key, pane});
      if (open != openEndings.end()) {
        EXPECT_TRUE(text.ends_with(open->second)) << key << ": " << text;
      } else {
        EXPECT_TRUE(text.ends_with('.')) << key << " pane " << pane << ": " << text;
      }
    }
  }
  EXPECT_EQ(foundBlanks, doubleBlanks);
}

TEST(CicsAz, SystemActionsComeFromTheStockTexts) {
  const std::string_view plainDump = entryOf("AZIA").action;
  const std::string_view relayDump = entryOf("AZTZ").action;
  EXPECT_EQ(plainDump, "The task is abnormally terminated with a dump.");
  EXPECT_EQ(relayDump, "CICS abnormally terminates the transaction with a transaction dump.");
  KeySet transactionCicsDump = {"AZAB", "AZR2", "AZR3", "AZS0", "AZS1", "AZS2",
                                "AZS3", "AZS4", "AZS5", "AZS6", "AZTC", "AZTF"};
  for (const TextRow& row : cicspr10Table()) {
    const std::string_view key = keyOf(row);
    if (key.starts_with("AZR") && key[3] >= 'A') transactionCicsDump.insert(key);
  }
  const std::pair<std::string_view, KeySet> stock[] = {
      {kTransactionAbendedWithCicsDump, transactionCicsDump},
      {kTransactionAbendedWithDump, {"AZCO", "AZR4", "AZR5", "AZR6", "AZVF", "AZVN", "AZVO"}},
      {relayDump, {"AZTZ", "AZT1", "AZT3", "AZT6"}},
      {plainDump, {"AZIA", "AZIB", "AZI9"}},
      {kTaskAbendedWithDump, {"AZIC", "AZID", "AZIE"}}};
  const KeySet own = {"AZAD", "AZAE", "AZAF", "AZAG", "AZAH", "AZAI", "AZAJ",
                      "AZAK", "AZCA", "AZCK", "AZCR", "AZCT", "AZCU", "AZCW",
                      "AZI7", "AZTB", "AZTP", "AZXA", "AZXB"};
  std::map<std::string_view, int> counts;
  for (const TextRow& row : cicspr10Table()) {
    const std::string_view key = keyOf(row), action = row.entry.action;
    std::string_view expected = kTaskAbendedWithCicsDump;
    for (const auto& [text, keys] : stock) {
      if (keys.contains(key)) expected = text;
    }
    if (own.contains(key)) {
      EXPECT_NE(action, kTaskAbendedWithCicsDump) << key;
      for (const auto& [text, keys] : stock) EXPECT_NE(action, text) << key;
      continue;
    }
    EXPECT_TRUE(sameObject(action, expected)) << key << ": " << action;
    ++counts[expected];
  }
  EXPECT_EQ(counts[kTaskAbendedWithCicsDump], 59);
  EXPECT_EQ(counts[kTransactionAbendedWithCicsDump], 36);
  for (const auto& [first, second] :
       {std::pair{"AZAF", "AZAI"}, std::pair{"AZCA", "AZCK"}, std::pair{"AZXA", "AZXB"}}) {
    EXPECT_TRUE(sameObject(entryOf(first).action, entryOf(second).action)) << first;
  }
  EXPECT_EQ(entryOf("AZXA").action,
            "Console message DFHXG6492 is issued, and CICS continues after abending the "
            "transaction.");
}

TEST(CicsAz, UserResponsesFollowTheirPatterns) {
  const std::string referral(kVendorReferral);
  const std::string withThen = "If this problem is reproducible, then a level" +
                               std::string(kTrace.substr(kTrace.find(" 1 and 2")));
  std::string withoutComma = withThen;
  withoutComma.erase(withoutComma.find(", then"), 1);
  const KeySet alone = {"AZCA", "AZCF", "AZCG", "AZCH", "AZCK", "AZCP", "AZCV", "AZI3",
                        "AZI5", "AZI7", "AZI8", "AZR4", "AZR5", "AZS0", "AZS1", "AZS2",
                        "AZS3", "AZS4", "AZS5", "AZS6", "AZTA", "AZTG", "AZTH", "AZTM",
                        "AZTN", "AZTO", "AZTQ", "AZTU", "AZTV", "AZT6", "AZT7", "AZT8",
                        "AZVC", "AZVG", "AZVH", "AZVJ", "AZVL", "AZVM", "AZVP", "AZVU"};
  const KeySet ownThenReferral = {"AZAB", "AZCD", "AZCJ", "AZR6", "AZTB", "AZVD", "AZVI"};
  const KeySet thenSpelling = {"AZRB", "AZRD", "AZRF", "AZRG", "AZRH", "AZRI", "AZRU"};
  const KeySet storageCheck = {"AZRA", "AZRD", "AZRE", "AZRJ", "AZRR", "AZRW"};
  const KeySet none = {"AZCO", "AZCU", "AZVF", "AZVN", "AZVO"};
  int traced = 0, own = 0;
  for (const TextRow& row : cicspr10Table()) {
    const std::string_view key = keyOf(row), response = row.entry.response;
    const std::string_view trace = key == "AZRE"                ? withoutComma
                                   : thenSpelling.contains(key) ? withThen
                                                                : kTrace;
    if (alone.contains(key)) {
      EXPECT_TRUE(sameObject(response, kVendorReferral)) << key;
    } else if (ownThenReferral.contains(key)) {
      ASSERT_TRUE(response.ends_with(" " + referral)) << key;
      EXPECT_TRUE(response.substr(0, response.size() - referral.size() - 1).ends_with('.')) << key;
      EXPECT_FALSE(response.starts_with(kTrace.substr(0, 20))) << key;
    } else if (storageCheck.contains(key)) {
      EXPECT_EQ(response, joined(trace, kStorageCheck)) << key;
    } else if (none.contains(key)) {
      EXPECT_EQ(response, "None.") << key;
    } else if (key.starts_with("AZR") && key[3] >= 'A') {
      EXPECT_EQ(response, joined(trace, kVendorReferral)) << key;
      ++traced;
    } else if (key != "AZIA") {
      EXPECT_FALSE(response.ends_with(referral)) << key;
      EXPECT_FALSE(response.starts_with("If this problem")) << key;
      ++own;
    }
  }
  EXPECT_EQ(traced, 18);
  EXPECT_EQ(own, 54);
  std::string twoBlanks = referral;
  twoBlanks.insert(twoBlanks.rfind(" proceed."), 1, ' ');
  EXPECT_EQ(entryOf("AZIA").response, twoBlanks);
  EXPECT_EQ(entryOf("AZCI").response, "Check that:");
  EXPECT_EQ(entryOf("AZXA").response, "Refer to message DFHXG6492.");
}

TEST(CicsAz, SharedTextsAreOneObject) {
  // Texts that are equal anywhere in the table must come from one constant, so that rows which
  // have always shown the same words cannot drift apart.
  std::map<std::string_view, std::string_view> firstSeen;
  for (const TextRow& row : cicspr10Table()) {
    for (std::string_view text : {row.entry.description, row.entry.action, row.entry.response}) {
      const auto [it, fresh] = firstSeen.emplace(text, text);
      EXPECT_TRUE(fresh || sameObject(it->second, text)) << keyOf(row) << ": " << text;
    }
  }
  for (const auto& [first, second] :
       {std::pair{"AZRF", "AZRG"}, std::pair{"AZR4", "AZR5"}, std::pair{"AZS5", "AZS6"}}) {
    const CodeEntry &a = entryOf(first), &b = entryOf(second);
    EXPECT_TRUE(sameObject(a.description, b.description) && sameObject(a.action, b.action) &&
                sameObject(a.response, b.response))
        << first << " and " << second;
  }
  const CodeEntry &cq = entryOf("AZCQ"), &fi = entryOf("AZIF");
  EXPECT_TRUE(sameObject(cq.description, fi.description));
  EXPECT_TRUE(sameObject(cq.action, fi.action));
  EXPECT_NE(cq.response, fi.response);

  // The two catchup codes name their own reason code and nothing else differs.
  const std::string_view xa = entryOf("AZXA").description, xb = entryOf("AZXB").description;
  ASSERT_EQ(xa.size(), xb.size());
  std::vector<std::size_t> differ;
  for (std::size_t i = 0; i < xa.size(); ++i) {
    if (xa[i] != xb[i]) differ.push_back(i);
  }
  ASSERT_EQ(differ.size(), 1u);
  EXPECT_EQ(xa[differ[0]], '5');
  EXPECT_EQ(xb[differ[0]], '4');
  EXPECT_TRUE(xa.substr(0, differ[0]).ends_with("reason code "));
  EXPECT_EQ(entryOf("AZTO").description, "The TCTTE ownership chain is in error.");

  // Catalogue-wide stock texts that this table shows must be the shared objects.
  for (std::string_view stock :
       {std::string_view(kTransactionAbended), std::string_view(kSeeDomainMessageProduced),
        std::string_view(kCicsTerminatesTaskWithTransactionDump)}) {
    int uses = 0;
    for (const TextRow& row : cicspr10Table()) {
      for (std::string_view text : {row.entry.action, row.entry.response}) {
        if (text == stock) {
          EXPECT_TRUE(sameObject(text, stock)) << keyOf(row);
          ++uses;
        }
      }
    }
    EXPECT_GE(uses, 1) << stock;
  }
}

TEST(CicsAz, DistinctTextsCountsAndLengths) {
  struct Pane {
    std::set<std::string_view> texts;
    std::size_t shortest = SIZE_MAX, longest = 0;
    void add(std::string_view t) {
      texts.insert(t);
      shortest = std::min(shortest, t.size());
      longest = std::max(longest, t.size());
    }
  } description, action, response;
  for (const TextRow& row : cicspr10Table()) {
    description.add(row.entry.description);
    action.add(row.entry.action);
    response.add(row.entry.response);
  }
  EXPECT_EQ(description.texts.size(), 127u);
  EXPECT_EQ(action.texts.size(), 22u);
  EXPECT_EQ(response.texts.size(), 64u);
  EXPECT_EQ(description.shortest, 38u);
  EXPECT_EQ(description.longest, 471u);
  EXPECT_EQ(action.shortest, 41u);
  EXPECT_EQ(action.longest, 159u);
  EXPECT_EQ(response.shortest, 5u);
  EXPECT_EQ(response.longest, 733u);
  std::set<std::string_view> all;
  std::size_t characters = 0;
  for (const Pane* pane : {&description, &action, &response}) {
    for (std::string_view t : pane->texts) {
      if (all.insert(t).second) characters += t.size();
    }
  }
  EXPECT_EQ(all.size(), 213u) << "no text stands in two panes";
  EXPECT_GE(characters, 28800u);
  EXPECT_LE(characters, 35200u);
}

}  // namespace
}  // namespace quenmar::catalog::cics
