#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/cics/cics_shared.h"
#include "catalog/cics/cics_stock.h"
#include "catalog/cics/cics_tables.h"
#include "catalog/code_lists.h"
#include "table_test_support.h"

namespace quenmar::catalog::cics {
namespace {

using namespace ::quenmar::catalog::testing;

// Cell values that stand for "nothing to say" rather than an explanation.
bool isShortValue(std::string_view text) {
  return text == "NA" || text == "N" || text == "AN" || text.empty();
}

const CodeEntry& entryOf(std::string_view key) {
  return ::quenmar::catalog::testing::entryOf(cicspr8Table(), key);
}

Keys keysWhere(Pane pane, std::string_view text) { return keysHolding(cicspr8Table(), pane, text); }

// Keys of `count` consecutive rows, starting at `first`.
Keys run(std::string_view first, std::size_t count) {
  const auto rows = cicspr8Table();
  const auto at = std::find_if(rows.begin(), rows.end(),
                               [&](const TextRow& row) { return row.keys[0] == first; });
  Keys keys;
  for (auto it = at; it != rows.end() && keys.size() < count; ++it) keys.push_back(it->keys[0]);
  EXPECT_EQ(keys.size(), count) << first;
  return keys;
}

Keys join(std::initializer_list<Keys> parts) {
  Keys all;
  for (const Keys& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST(CicsAlAp, KeysAreTheListsItemsInOrderWithAnsaAdded) {
  Keys expected;
  for (std::string_view item : codeList()) {
    if (item.size() == 4 && std::string_view("LMNOP").find(item[1]) != std::string_view::npos) {
      if (item == "ANSB") expected.push_back("ANSA");
      expected.push_back(item);
    }
  }
  Keys actual;
  for (const TextRow& row : cicspr8Table()) {
    actual.push_back(row.keys[0]);
    EXPECT_TRUE(row.keys[1].empty() && row.keys[2].empty()) << row.keys[0];
    for (char c : row.keys[0]) {
      EXPECT_TRUE(std::isupper(static_cast<unsigned char>(c)) ||
                  std::isdigit(static_cast<unsigned char>(c)) || row.keys[0] == "APLx")
          << row.keys[0];
    }
  }
  EXPECT_EQ(actual.size(), 128u);
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(actual.front(), "ALGA");
  EXPECT_EQ(actual.back(), "APXA");
}

TEST(CicsAlAp, LookupIsExactAndReachesOnlyItsOwnKeys) {
  EXPECT_NE(findByText(cicspr8Table(), "ANSA"), nullptr);
  EXPECT_NE(findByText(cicspr8Table(), "APLx"), nullptr);
  for (std::string_view miss :
       {"APLX", "aplx", "alga", "ALGA ", "ALG", "", "AKSE", "ARCB", "ABMP"}) {
    EXPECT_EQ(findByText(cicspr8Table(), miss), nullptr) << '[' << miss << ']';
  }
}

TEST(CicsAlAp, PlaceholdersAndShortValuesStandInTheirCells) {
  const Keys apl = run("APLA", 36);
  const Keys aplNa = join({run("APLA", 17), {"APLx", "APLY", "APLZ"}, run("APL0", 9)});
  const Keys apuNa = join({run("APUA", 4), run("APUF", 3), run("APUJ", 11), {"APUZ"}});
  const std::map<Pane, Keys> kNaRows = {
      {kDescription, {"APUK", "APUL"}},
      {kAction, join({aplNa, apuNa})},
      {kResponse, join({aplNa, {"APP3", "APUA", "APUM", "APUN", "APUO"}})}};
  for (const auto& [pane, keys] : kNaRows) {
    EXPECT_EQ(keysWhere(pane, "NA"), keys) << "pane " << pane;
  }
  EXPECT_EQ(keysWhere(kAction, "N"), (Keys{"APLR", "APL9"}));
  EXPECT_EQ(keysWhere(kResponse, "AN"), join({run("APLR", 6), {"APL9"}}));
  EXPECT_EQ(keysWhere(kAction, "AN"), run("APLS", 5));
  EXPECT_EQ(keysWhere(kAction, ""), Keys{"APUI"});
  EXPECT_TRUE(sameObject(entryOf("APUI").action, kAamiResponse));

  for (const TextRow& row : cicspr8Table()) {
    EXPECT_TRUE(sameObject(row.entry.reason, kNA)) << row.keys[0];
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row.entry, pane);
      if (text == "NA") {
        EXPECT_TRUE(sameObject(text, kNA)) << row.keys[0];
      }
      if (text == "AN") {
        EXPECT_TRUE(sameObject(text, kAplrResponse)) << row.keys[0];
      }
    }
  }
}

TEST(CicsAlAp, TextCountsLengthsAndCharacters) {
  struct Expected {
    std::size_t texts, distinct, shortest, longest;
  };
  const std::map<Pane, Expected> kExpected = {{kDescription, {126, 90, 31, 410}},
                                              {kAction, {72, 28, 36, 193}},
                                              {kResponse, {87, 58, 42, 418}}};
  std::map<std::string_view, std::set<Pane>> panesOfText;
  std::set<std::string> doubleBlanks, trailingBlanks;
  for (const auto& [pane, expected] : kExpected) {
    std::size_t texts = 0, shortest = std::string_view::npos, longest = 0;
    std::set<std::string_view> distinct;
    for (const TextRow& row : cicspr8Table()) {
      const std::string_view text = paneOf(row.entry, pane);
      if (isShortValue(text)) continue;
      ++texts;
      distinct.insert(text);
      panesOfText[text].insert(pane);
      shortest = std::min(shortest, text.size());
      longest = std::max(longest, text.size());
      const std::string where = std::string(row.keys[0]) + "/" + "DAR"[pane];
      EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
        return c >= 0x20 && c < 0x7f && c != '"';
      })) << where;
      EXPECT_NE(text.front(), ' ') << where;
      if (text.find("  ") != std::string_view::npos) doubleBlanks.insert(where);
      if (text.back() == ' ') trailingBlanks.insert(where);
    }
    EXPECT_EQ(texts, expected.texts) << "pane " << pane;
    EXPECT_EQ(distinct.size(), expected.distinct) << "pane " << pane;
    EXPECT_EQ(shortest, expected.shortest) << "pane " << pane;
    EXPECT_EQ(longest, expected.longest) << "pane " << pane;
  }
  EXPECT_EQ(panesOfText.size(), 176u);
  std::size_t characters = 0;
  for (const auto& [text, panes] : panesOfText) {
    EXPECT_EQ(panes.size(), 1u) << text;
    characters += text.size();
  }
  EXPECT_NEAR(static_cast<double>(characters), 23032.0, 2303.0);
  EXPECT_EQ(doubleBlanks,
            (std::set<std::string>{"AOTA/D", "APCY/D", "APP3/D", "APC0/R", "APC1/R"}));
  EXPECT_EQ(trailingBlanks, std::set<std::string>{"APR1/R"});
}

// Equal texts are one object, and only the intended rows share a text.
TEST(CicsAlAp, SharedTextsAreExactlyTheIntendedGroups) {
  using Groups = std::set<Keys>;
  const Keys pliCut = run("APLG", 30);
  const std::map<Pane, Groups> kExpected = {
      {kDescription, {run("APLA", 6), pliCut, {"APUM", "APUN", "APUO"}}},
      {kAction,
       {join({{"ALGG", "ANQF", "APCZ"}, run("APC4", 6)}),
        join({run("APCH", 3), {"APCL", "APCS", "APCW", "APCY", "APC2", "APC3"}}),
        {"AMNA", "AMNB", "AMNZ", "AMSA", "AMSB", "APCO", "APP1", "APP2"},
        run("ALIA", 6),
        join({{"APST"}, run("APSV", 5)}),
        run("ALGA", 6),
        {"AMSC", "AMSD", "AOTB", "APTI", "APTJ"},
        {"ANSA", "ANSB"},
        {"APCG", "APC0"}}},
      {kResponse,
       {{"APC7", "APUB", "APUC", "APUG", "APUH", "APUI", "APUJ", "APUK", "APUP", "APUQ"},
        run("ALGA", 6),
        run("ALIA", 6),
        {"APSV", "APSX", "APSY", "APSZ"},
        {"APUR", "APUS", "APUT"},
        {"APUD", "APUF"},
        {"ANSA", "ANSB"},
        {"ANQA", "ANQB"},
        {"APCO", "APTJ"},
        {"APC8", "APC9"}}}};
  for (const auto& [pane, expected] : kExpected) {
    EXPECT_EQ(sharedGroups(cicspr8Table(), pane, isShortValue), expected) << "pane " << pane;
  }
}

TEST(CicsAlAp, CatalogueStockAndCrossDescriberTextsAreTheSharedObjects) {
  const std::vector<std::pair<std::string_view, std::string_view>> kActions = {
      {"ALGG", kTransactionAbended},
      {"AMNA", kTransactionAbendedWithCicsDump},
      {"APST", kCicsTerminatesTaskWithDump},
      {"AMSC", kTaskAbendedWithCicsDump},
      {"APCG", kCicsTerminatesTaskWithTransactionDump},
      {"APXA", kAbrrAction}};
  for (const auto& [key, text] : kActions)
    EXPECT_TRUE(sameObject(entryOf(key).action, text)) << key;
  EXPECT_TRUE(sameObject(entryOf("APC7").response, kVendorReferral));
  EXPECT_TRUE(sameObject(entryOf("APCO").response, kSeeDomainMessageFrom));
  EXPECT_TRUE(sameObject(entryOf("APXA").description, kAbrrDescription));
  EXPECT_TRUE(sameObject(entryOf("APXA").response, kAbrrResponse));
  EXPECT_TRUE(keysWhere(kResponse, kSeeDomainMessageProduced).empty());

  // The referral closes no longer text here: it stands alone wherever it appears.
  for (const TextRow& row : cicspr8Table()) {
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row.entry, pane);
      if (text.ends_with(kVendorReferral)) {
        EXPECT_TRUE(pane == kResponse && sameObject(text, kVendorReferral)) << row.keys[0];
      }
    }
  }
}

TEST(CicsAlAp, IdenticalRowsAreOnlyThePliGroupsAndTheApulReferences) {
  std::map<std::vector<std::string_view>, Keys> byEntry;
  for (const TextRow& row : cicspr8Table()) {
    const CodeEntry& e = row.entry;
    byEntry[{e.reason, e.description, e.action, e.response}].push_back(row.keys[0]);
  }
  std::set<Keys> identical;
  for (const auto& [entry, keys] : byEntry) {
    if (keys.size() > 1) identical.insert(keys);
  }
  const Keys plainCut = join({run("APLG", 11), {"APLx", "APLY", "APLZ"}, run("APL0", 9)});
  EXPECT_EQ(
      identical,
      (std::set<Keys>{
          run("APLA", 6), plainCut, {"APLR", "APL9"}, run("APLS", 5), {"APUM", "APUN", "APUO"}}));
}

TEST(CicsAlAp, PliDescriptionsAndCutTexts) {
  const std::string_view full = entryOf("APLA").description;
  const std::string_view cut = entryOf("APLx").description;
  EXPECT_EQ(full.size(), 163u);
  EXPECT_EQ(cut.size(), 142u);
  EXPECT_EQ(std::string(full), std::string(cut) + " programmer 's Guide.");
  EXPECT_TRUE(cut.ends_with("Compiler:"));

  EXPECT_EQ(entryOf("APCT").description, "One of the following has occurred:");
  EXPECT_TRUE(entryOf("APCT").response.starts_with("In cases 1 and 2,"));
  EXPECT_TRUE(entryOf("APUZ").description.ends_with("for one of the following reasons:"));
  const std::string_view apuz = entryOf("APUZ").response;
  for (std::string_view reason : {"1", "2", "3"}) {
    EXPECT_NE(apuz.find(reason), std::string_view::npos) << reason;
  }
  EXPECT_TRUE(entryOf("APUT").description.ends_with("which is the"));
  EXPECT_EQ(entryOf("APUM").description, "Refer to the description of abend APUL.");
  EXPECT_EQ(entryOf("APUL").response,
            "Your response depends on which of the two possible reasons apply:");
}

// The two recovery System Actions differ only in the message they name, and a DFH message number
// stands in a text only where it belongs to the domain that issues the abend.
TEST(CicsAlAp, MessageNumbersBelongToTheirDomains) {
  std::string lg(entryOf("ALGA").action), ap(entryOf("ANSA").action);
  EXPECT_EQ(lg.size(), 173u);
  ASSERT_NE(lg.find("DFHLG0002"), std::string::npos);
  EXPECT_EQ(lg.replace(lg.find("DFHLG0002"), 9, "DFHAP0002"), ap);

  const std::map<std::string_view, std::string_view> kDomainOf = {
      {"DFHLG", "ALG"}, {"DFHAP", "ANS"}, {"DFHNQ", "ANQ"}};
  for (const TextRow& row : cicspr8Table()) {
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row.entry, pane);
      for (std::size_t at = text.find("DFH"); at != std::string_view::npos;
           at = text.find("DFH", at + 1)) {
        const std::string_view number = text.substr(at, 9);
        if (number.size() < 9 || !std::isdigit(static_cast<unsigned char>(number[5]))) continue;
        EXPECT_TRUE(number.ends_with("0002")) << row.keys[0];
        const auto domain = kDomainOf.find(number.substr(0, 5));
        ASSERT_NE(domain, kDomainOf.end()) << row.keys[0] << ' ' << number;
        EXPECT_TRUE(row.keys[0].starts_with(domain->second)) << row.keys[0] << ' ' << number;
      }
    }
  }
}

}  // namespace
}  // namespace quenmar::catalog::cics
