#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/cics/cics_actl_twins.h"
#include "catalog/cics/cics_shared.h"
#include "catalog/cics/cics_stock.h"
#include "catalog/cics/cics_tables.h"
#include "catalog/code_lists.h"
#include "table_test_support.h"

namespace quenmar::catalog::cics {
namespace {

using namespace ::quenmar::catalog::testing;

const CodeEntry& row(std::string_view key) { return entryOf(cicspr6Table(), key); }

TEST(CicsAfAgAi, KeysAreTheListsAfAgAndAiItemsInOrder) {
  const Keys listed = itemsWithSecondLetter(codeList(), "FGI");
  const Keys keys = keysOf(cicspr6Table());  // expects each row to have a single key
  ASSERT_EQ(keys.size(), 118u);
  EXPECT_EQ(keys, listed);
  EXPECT_EQ(keys.front(), "AFCB");
  EXPECT_EQ(keys.back(), "AITH");
  // Letters sort before digits in every position.
  const auto at = [&keys](std::string_view key) {
    return std::find(keys.begin(), keys.end(), key) - keys.begin();
  };
  EXPECT_LT(at("AFCZ"), at("AFC0"));
  EXPECT_LT(at("AIIT"), at("AII1"));
  EXPECT_LT(at("AISZ"), at("AIS1"));
}

TEST(CicsAfAgAi, LookupIsExact) {
  EXPECT_NE(findByText(cicspr6Table(), "AGMA"), nullptr);
  for (std::string_view miss :
       {"afcb", "AFCB ", " AFCB", "AF", "AFC", "AFCBX", "AEZQ", "AJAB", "AISE", ""}) {
    EXPECT_EQ(findByText(cicspr6Table(), miss), nullptr) << '[' << miss << ']';
  }
  EXPECT_NE(&row("AIS1"), &row("AISI"));
}

TEST(CicsAfAgAi, PlaceholdersAndShortValuesStandOnlyInTheirCells) {
  for (const TextRow& r : cicspr6Table()) {
    EXPECT_TRUE(sameObject(r.entry.reason, kNA)) << r.keys[0];
    EXPECT_NE(r.entry.description, "NA") << r.keys[0];
    EXPECT_NE(r.entry.action, "NA") << r.keys[0];
  }
  EXPECT_EQ(keysHolding(cicspr6Table(), kResponse, "NA"), Keys{"AISQ"});
  EXPECT_TRUE(sameObject(row("AISQ").response, kNA));
  EXPECT_EQ(keysHolding(cicspr6Table(), kResponse, "None"), Keys{"AICB"});
  EXPECT_EQ(keysHolding(cicspr6Table(), kResponse, "None."), (Keys{"AII3", "AISH", "AISR"}));
  for (std::string_view key : {"AII3", "AISH", "AISR"}) {
    EXPECT_TRUE(sameObject(row(key).response, kAii3Response)) << key;
  }
  EXPECT_EQ(row("AFCE").description, "A GETMAIN for FFLE storage has failed.");
  EXPECT_EQ(row("AFCE").response, "Retry the failed transaction.");
  EXPECT_EQ(row("AII3").description, "An IIOP Request Receiver task has been purged.");
}

// Only the departing cells lack the closing full stop, and only AINH ends with a blank.
TEST(CicsAfAgAi, TextEndingsDepartOnlyWhereIntended) {
  std::set<std::string> open;
  for (const TextRow& r : cicspr6Table()) {
    for (Pane pane : {kDescription, kAction, kResponse}) {
      const std::string_view text = paneOf(r.entry, pane);
      ASSERT_FALSE(text.empty()) << r.keys[0];
      EXPECT_NE(text.front(), ' ') << r.keys[0];
      if (!text.ends_with('.')) open.insert(std::string(r.keys[0]) + "/" + "DAR"[pane]);
    }
  }
  EXPECT_EQ(open, (std::set<std::string>{"AFCR/R", "AICB/R", "AINB/D", "AINH/D", "AISQ/R", "AITE/R",
                                         "AITF/R"}));
  EXPECT_TRUE(row("AINB").description.ends_with("RESYNC COMMIT or RESYNC BACKOUT"));
  EXPECT_TRUE(row("AINH").description.ends_with(". "));
  EXPECT_EQ(row("AINH").description.size(), 332u);
  EXPECT_EQ(std::string(row("AFCR").response) + ".", row("AFCS").response);
  EXPECT_TRUE(row("AITE").response.ends_with("occurred:"));
}

TEST(CicsAfAgAi, SharedTextsAreExactlyTheIntendedGroupsAndOneObjectEach) {
  using Groups = std::set<Keys>;
  const std::map<Pane, Groups> kExpected = {
      {kDescription, {{"AICO", "AIEA"}, {"AITB", "AITC"}}},
      {kAction,
       {{"AFCB", "AFCC", "AFCE", "AFC0", "AICK", "AICQ", "AICS", "AICT", "AISS"},
        {"AISL", "AISU", "AISV", "AISW", "AISX", "AISY", "AIS6", "AIS7", "AIS9"},
        {"AISD", "AISQ", "AITC", "AITD", "AITE", "AITF", "AITG", "AITH"},
        {"AIEB", "AIIA", "AII1", "AII2", "AII3", "AII4", "AII5"},
        {"AGMA", "AICL", "AICO", "AIEA", "AISP", "AIS8"},
        {"AFCO", "AFDA", "AFDE", "AFDF"},
        {"AIS2", "AIS4", "AIS5"},
        {"AFCF", "AFCG"},
        {"AISN", "AISO"},
        {"AFCN", "AFCR", "AFCS", "AFCT", "AFCU", "AFCV", "AFCW", "AFCY", "AFC2",
         "AFC7", "AICB", "AICC", "AICD", "AICE", "AICF", "AICG", "AICH", "AICJ",
         "AICN", "AIIT", "AINA", "AINB", "AINC", "AIND", "AINE", "AINF", "AING",
         "AINH", "AINI", "AINJ", "AINK", "AINL", "AINM", "AINN", "AINO", "AINP",
         "AINQ", "AINR", "AINS", "AISA", "AISB", "AISC", "AISH", "AISK", "AITB"}}},
      {kResponse,
       {{"AFCC", "AICC", "AICD", "AICE", "AICF", "AICN", "AICR", "AIND", "AINE", "AINF",
         "AING", "AINH", "AINI", "AINJ", "AINK", "AINL", "AINM", "AINN", "AINP", "AINQ",
         "AINS", "AISN", "AISO", "AIS1", "AIS2", "AIS4", "AIS5", "AIS8"},
        {"AII3", "AISH", "AISR"},
        {"AISU", "AISW", "AIS6"},
        {"AITA", "AITB", "AITC"},
        {"AFCB", "AICK"},
        {"AFCV", "AFCW"},
        {"AFC2", "AFC7"},
        {"AICH", "AISV"},
        {"AICO", "AIEA"},
        {"AINA", "AINB"},
        {"AITE", "AITF"}}}};
  for (const auto& [pane, expected] : kExpected) {
    std::map<std::string_view, std::vector<const TextRow*>> byText;
    for (const TextRow& r : cicspr6Table()) byText[paneOf(r.entry, pane)].push_back(&r);
    Groups shared;
    for (const auto& [text, rows] : byText) {
      if (rows.size() < 2) continue;
      Keys keys;
      for (const TextRow* r : rows) {
        keys.push_back(r->keys[0]);
        EXPECT_TRUE(sameObject(paneOf(r->entry, pane), paneOf(rows.front()->entry, pane)))
            << r->keys[0] << " pane " << pane;
      }
      shared.insert(keys);
    }
    EXPECT_EQ(shared, expected) << "pane " << pane;
  }
  EXPECT_EQ(row("AICO").description.size(), 82u);
  EXPECT_EQ(row("AITB").description.size(), 261u);
}

TEST(CicsAfAgAi, StockTextsAreTheCataloguesOwnObjects) {
  const std::map<std::string_view, std::string_view> kActionStock = {
      {"AFCN", kTaskAbendedWithCicsDump},
      {"AFCB", kTransactionAbendedWithDump},
      {"AISL", kTaskAbendedWithDump},
      {"AIEB", kTransactionAbended},
      {"AGMA", kTransactionAbendedWithCicsDump}};
  for (const auto& [key, text] : kActionStock) {
    EXPECT_TRUE(sameObject(row(key).action, text)) << key;
  }
  EXPECT_TRUE(sameObject(row("AFCC").response, kVendorReferral));
  EXPECT_TRUE(sameObject(row("AISU").response, kSeeDomainMessageFrom));
  EXPECT_TRUE(sameObject(row("AICH").response, kAempResponse));
  EXPECT_EQ(row("AITE").response, "Determine why the expected event has not occurred:");
  EXPECT_EQ(row("AFCF").action,
            "The task that would have entered deadlock is abended with a CICS transaction dump.");
  EXPECT_EQ(row("AISN").action,
            "CSNC is abnormally terminated with a dump. The IRC facility is disabled.");
  EXPECT_EQ(row("AFCB").response.size(), 173u);
  EXPECT_TRUE(row("AFCB").response.starts_with(
      "Examine the trace to find the exception trace entry created by DFHXSRC"));
}

// Rows that other describers show whole, and AICA, whose three texts the list lookup shows.
TEST(CicsAfAgAi, RowsSharedWithOtherCataloguesPointAtTheSameTexts) {
  const CodeEntry& aich = row("AICH");
  EXPECT_TRUE(sameObject(aich.description, kAetfDescription));
  EXPECT_TRUE(sameObject(aich.action, kTaskAbendedWithCicsDump));
  EXPECT_TRUE(sameObject(aich.response, kAempResponse));
  const CodeEntry& aicj = row("AICJ");
  EXPECT_TRUE(sameObject(aicj.description, kAcsgDescription));
  EXPECT_TRUE(sameObject(aicj.action, kTaskAbendedWithCicsDump));
  EXPECT_TRUE(sameObject(aicj.response, kActlResponse));

  // AICH and AICJ are twins of rows in other describers: every pane of each twin is the very text
  // of the row here, not an equal copy that could drift.
  const std::pair<std::string_view, const CodeEntry*> twins[] = {
      {"AICH", findByText(cicspr5Table(), "AETF")},
      {"AICH", findByText(cicspr5Table(), "AETH")},
      {"AICJ", findByText(cicspr3Table(), "ACTL")},
      {"AICJ", findByText(cicspr5Table(), "AETG")},
      {"AICJ", findByText(cicspr5Table(), "AETI")}};
  for (const auto& [key, twin] : twins) {
    ASSERT_NE(twin, nullptr) << key;
    const CodeEntry& mine = row(key);
    for (Pane pane : kAllPanes) {
      EXPECT_TRUE(sameObject(paneOf(mine, pane), paneOf(*twin, pane))) << key << " pane " << pane;
    }
  }

  const CodeEntry& typed = row("AICA");
  const CodeEntry* picked = findByText(inlineEntries(), "AICA");
  ASSERT_NE(picked, nullptr);
  EXPECT_TRUE(sameObject(typed.reason, kNA));
  EXPECT_EQ(picked->reason, "Transaction abended as a runaway task");
  for (Pane pane : {kDescription, kAction, kResponse}) {
    EXPECT_TRUE(sameObject(paneOf(typed, pane), paneOf(*picked, pane))) << pane;
  }
  EXPECT_TRUE(sameObject(typed.description, kAicaDescription));
}

TEST(CicsAfAgAi, ReferralEndsOnlyTheRecoveryManagerAdviceBesidesItself) {
  const std::string_view advice = row("AITA").response;
  EXPECT_EQ(advice.size(), 335u);
  EXPECT_TRUE(advice.starts_with(
      "See the related diagnostic material produced by the recovery manager domain and determine "
      "the reason for the failure. "));
  for (const TextRow& r : cicspr6Table()) {
    for (Pane pane : {kDescription, kAction, kResponse}) {
      const std::string_view text = paneOf(r.entry, pane);
      if (text.ends_with(kVendorReferral) && !sameObject(text, kVendorReferral)) {
        EXPECT_TRUE(sameObject(text, advice)) << r.keys[0] << " pane " << pane;
      }
    }
  }
}

TEST(CicsAfAgAi, CountsLengthsAndCharactersMatchTheCatalogue) {
  struct Range {
    std::size_t distinct, shortest, longest;
    std::string_view shortestKey, longestKey;
  };
  const std::map<Pane, Range> kRanges = {{kDescription, {116, 38, 431, "AFCE", "AISS"}},
                                         {kAction, {33, 34, 275, "AISZ", "AISJ"}},
                                         {kResponse, {78, 2, 603, "AISQ", "AFDG"}}};
  std::set<std::string_view> texts;
  for (const auto& [pane, range] : kRanges) {
    std::set<std::string_view> distinct;
    const TextRow* shortest = nullptr;
    const TextRow* longest = nullptr;
    for (const TextRow& r : cicspr6Table()) {
      const std::size_t size = paneOf(r.entry, pane).size();
      distinct.insert(paneOf(r.entry, pane));
      if (shortest == nullptr || size < paneOf(shortest->entry, pane).size()) shortest = &r;
      if (longest == nullptr || size > paneOf(longest->entry, pane).size()) longest = &r;
    }
    EXPECT_EQ(distinct.size(), range.distinct) << "pane " << pane;
    ASSERT_NE(shortest, nullptr);
    EXPECT_EQ(shortest->keys[0], range.shortestKey) << "pane " << pane;
    EXPECT_EQ(paneOf(shortest->entry, pane).size(), range.shortest) << "pane " << pane;
    EXPECT_EQ(longest->keys[0], range.longestKey) << "pane " << pane;
    EXPECT_EQ(paneOf(longest->entry, pane).size(), range.longest) << "pane " << pane;
    texts.insert(distinct.begin(), distinct.end());
  }
  texts.erase("NA");
  EXPECT_EQ(texts.size(), 226u) << "no text stands in two panes";
  std::size_t characters = 0;
  std::vector<std::string_view> doubleBlanks;
  for (std::string_view text : texts) {
    characters += text.size();
    EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char c) {
      return c >= 0x20 && c < 0x7f && c != '"';
    })) << text;
    const std::size_t at = text.find("  ");
    if (at == std::string_view::npos) continue;
    doubleBlanks.push_back(text);
    EXPECT_TRUE(text[at - 1] == '.' || text == row("AITG").description) << text;
  }
  EXPECT_EQ(doubleBlanks.size(), 12u);
  EXPECT_NEAR(static_cast<double>(characters), 36324.0, 3632.0);
}

}  // namespace
}  // namespace quenmar::catalog::cics
