#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/cics/cics_shared.h"
#include "catalog/cics/cics_stock.h"
#include "catalog/cics/cics_tables.h"
#include "catalog/code_lists.h"
#include "table_test_support.h"

namespace quenmar::catalog::cics {
namespace {

using namespace ::quenmar::catalog::testing;

const CodeEntry& ab(std::string_view key) { return entryOf(cicspr2Table(), key); }
const CodeEntry& ad(std::string_view key) { return entryOf(cicspr4Table(), key); }

// The list's items with the given second letter, in list order.
Keys listed(char second) { return itemsWithSecondLetter(codeList(), std::string_view(&second, 1)); }

// Common to both tables: "NA" as the one shared object in Reason, printable one-line texts, and
// a double blank only where the rows have always shown one.
void checkTextShape(std::span<const TextRow> rows, const std::set<std::string>& doubleBlanks) {
  std::set<std::string> found;
  for (const TextRow& row : rows) {
    EXPECT_TRUE(sameObject(row.entry.reason, kNA)) << row.keys[0];
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row, pane);
      EXPECT_NE(text, "NA") << row.keys[0];
      EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                              [](char c) { return c >= 0x20 && c < 0x7f && c != '"'; }))
          << row.keys[0] << " pane " << pane;
      if (!text.empty()) {
        EXPECT_NE(text.front(), ' ') << row.keys[0];
      }
      if (text.find("  ") != std::string_view::npos) {
        found.insert(std::string(row.keys[0]) + "/" + "DAR"[pane]);
      }
    }
  }
  EXPECT_EQ(found, doubleBlanks);
}

TEST(CicsAbAd, AbKeysAreTheListsAbItemsWithTheTwoUnlistedOnesAndWithoutAbmp) {
  std::vector<std::string_view> expected = listed('B');
  ASSERT_EQ(expected.size(), 89u);
  expected.erase(std::find(expected.begin(), expected.end(), "ABMP"));
  expected.insert(std::find(expected.begin(), expected.end(), "ABM4"), "ABM3");
  expected.insert(std::find(expected.begin(), expected.end(), "ABXH"), "ABXG");
  EXPECT_EQ(keysOf(cicspr2Table()), expected);
  EXPECT_EQ(keysOf(cicspr2Table()).front(), "ABAC");
  EXPECT_EQ(keysOf(cicspr2Table()).back(), "ABX9");
}

TEST(CicsAbAd, AdKeysAreExactlyTheListsAdItems) {
  const std::vector<std::string_view> keys = keysOf(cicspr4Table());
  EXPECT_EQ(keys, listed('D'));
  ASSERT_EQ(keys.size(), 86u);
  EXPECT_EQ(keys.front(), "ADCA");
  EXPECT_EQ(keys.back(), "AD3Z");
}

TEST(CicsAbAd, LookupIsExactAndStaysInsideItsOwnLetters) {
  for (std::string_view miss : {"abac", "ABAC ", "ABA", "", "ABMP", "AACA", "ADCA", "ACXA"}) {
    EXPECT_EQ(findByText(cicspr2Table(), miss), nullptr) << '[' << miss << ']';
  }
  for (std::string_view miss : {"adca", "AdCA", "ADCA ", "ADC", "AD", "", "ADCF", "AD20", "AD3H",
                                "AD3Y", "ACXA", "AEZQ", "S0C4", "ABAC"}) {
    EXPECT_EQ(findByText(cicspr4Table(), miss), nullptr) << '[' << miss << ']';
  }
  EXPECT_NE(&ab("ABM3"), &ab("ABMR"));
  EXPECT_NE(ab("ABXG").description, ab("ABXF").description);
}

TEST(CicsAbAd, TextsAreOneLinePrintableAndBlankOnlyWhereIntended) {
  checkTextShape(cicspr2Table(), {"ABXB/D", "ABX2/D", "ABX3/D"});
  checkTextShape(cicspr4Table(),
                 {"AD2G/D", "AD2K/D", "AD2M/D", "AD2S/D", "AD3E/D", "AD3J/D", "AD3Z/D", "AD3A/A",
                  "AD3B/A", "AD3C/A", "AD3I/A", "AD3S/A", "AD3W/A"});
  for (const TextRow& row : cicspr2Table()) {
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row, pane);
      ASSERT_FALSE(text.empty()) << row.keys[0];
      EXPECT_NE(text.back(), ' ') << row.keys[0];
    }
  }
}

TEST(CicsAbAd, CountsLengthsAndSizeMatchTheCatalogue) {
  const auto abRows = cicspr2Table();
  EXPECT_EQ(distinctTexts(abRows, kDescription).size(), 90u);
  EXPECT_EQ(distinctTexts(abRows, kAction).size(), 20u);
  EXPECT_EQ(distinctTexts(abRows, kResponse).size(), 73u);
  EXPECT_EQ(lengthRange(abRows, kDescription), std::make_pair(std::size_t{28}, std::size_t{792}));
  EXPECT_EQ(lengthRange(abRows, kAction), std::make_pair(std::size_t{30}, std::size_t{235}));
  EXPECT_EQ(lengthRange(abRows, kResponse), std::make_pair(std::size_t{24}, std::size_t{468}));
  EXPECT_EQ(ab("ABMQ").description.size(), 792u);
  EXPECT_NEAR(static_cast<double>(characterCount(distinctTexts(abRows))), 21922.0, 2192.0);

  const auto adRows = cicspr4Table();
  EXPECT_EQ(distinctTexts(adRows, kDescription).size(), 85u);
  EXPECT_EQ(distinctTexts(adRows, kAction).size(), 41u);
  EXPECT_EQ(distinctTexts(adRows, kResponse).size(), 52u);
  EXPECT_EQ(lengthRange(adRows, kDescription), std::make_pair(std::size_t{59}, std::size_t{617}));
  EXPECT_EQ(lengthRange(adRows, kAction), std::make_pair(std::size_t{25}, std::size_t{292}));
  EXPECT_EQ(lengthRange(adRows, kResponse), std::make_pair(std::size_t{43}, std::size_t{393}));
  EXPECT_NEAR(static_cast<double>(characterCount(distinctTexts(adRows))), 32000.0, 3200.0);

  // No AD text stands in two different panes.
  std::set<std::string_view> seen;
  for (Pane pane : kTextPanes) {
    for (std::string_view text : distinctTexts(adRows, pane)) {
      if (!text.empty()) {
        EXPECT_TRUE(seen.insert(text).second) << text;
      }
    }
  }
}

TEST(CicsAbAd, AbSharedTextsAreExactlyTheIntendedGroups) {
  const auto rows = cicspr2Table();
  const std::set<std::vector<std::string_view>> kActions = {
      {"ABLA", "ABLB", "ABMX", "ABMY", "ABNA", "ABNB", "ABNC", "ABNE", "ABNF",
       "ABNG", "ABNH", "ABNJ", "ABNK", "ABRY", "ABRZ", "ABR3", "ABR4", "ABR5",
       "ABR6", "ABXA", "ABXB", "ABXC", "ABXD", "ABXE", "ABXH", "ABX8", "ABX9"},
      {"ABMA", "ABMB", "ABMC", "ABMD", "ABMF", "ABMG", "ABMI", "ABML", "ABMM", "ABMO", "ABMU",
       "ABMV", "ABMZ", "ABM0", "ABM1", "ABM2", "ABM4", "ABM5", "ABM6", "ABM7", "ABM8", "ABM9"},
      {"ABRC", "ABRD", "ABRE", "ABRF", "ABRG", "ABRH", "ABRI", "ABRJ", "ABRK"},
      {"ABXK", "ABXM", "ABX5", "ABX6"},
      {"ABMQ", "ABMR", "ABM3"},
      {"ABXF", "ABXG", "ABXS"},
      {"ABX1", "ABX2", "ABX3"},
      {"ABAC", "ABAD"},
      {"ABAE", "ABAF"},
      {"ABRN", "ABRQ"},
      {"ABXI", "ABX7"},
      {"ABXO", "ABXP"},
      {"ABXU", "ABXV"}};
  EXPECT_EQ(sharedGroups(rows, kAction), kActions);
  const std::set<std::vector<std::string_view>> kResponses = {
      {"ABML", "ABM4", "ABNA", "ABNF", "ABNG", "ABNH", "ABRY", "ABSA"},
      {"ABX1", "ABX2", "ABX3", "ABX5", "ABX6"},
      {"ABXO", "ABXP", "ABXQ"},
      {"ABAC", "ABAE"},
      {"ABAD", "ABAF"},
      {"ABR4", "ABR5"},
      {"ABXE", "ABXK"}};
  EXPECT_EQ(sharedGroups(rows, kResponse), kResponses);
  EXPECT_TRUE(sharedGroups(rows, kDescription).empty());
}

TEST(CicsAbAd, AbRowsUseTheCatalogueWideAndCrossDescriberTexts) {
  EXPECT_TRUE(sameObject(ab("ABLA").action, kTaskAbendedWithCicsDump));
  EXPECT_TRUE(sameObject(ab("ABMA").action, kTransactionAbendedWithCicsDump));
  EXPECT_TRUE(sameObject(ab("ABXU").action, kTransactionAbendedWithDump));
  EXPECT_TRUE(sameObject(ab("ABSA").action, kCicsTerminatesTaskWithDump));
  EXPECT_TRUE(sameObject(ab("ABML").response, kVendorReferral));
  EXPECT_TRUE(sameObject(ab("ABLB").response, kSeeDomainMessageProduced));
  EXPECT_TRUE(sameObject(ab("ABLA").description, kAaodDescription));
  EXPECT_TRUE(sameObject(ab("ABMG").description, kAbmgDescription));
  EXPECT_EQ(ab("ABMG").response,
            "Correlate services requested against options specified in the system generation of "
            "BMS.");
  const CodeEntry& abrr = ab("ABRR");
  EXPECT_TRUE(sameObject(abrr.description, kAbrrDescription));
  EXPECT_TRUE(sameObject(abrr.action, kAbrrAction));
  EXPECT_TRUE(sameObject(abrr.response, kAbrrResponse));
  EXPECT_TRUE(sameObject(ab("ABXU").description, kAbxuDescription));
  EXPECT_TRUE(sameObject(ab("ABXU").response, kAbxuResponse));
  EXPECT_TRUE(sameObject(ab("ABXV").description, kAbxvDescription));
  EXPECT_TRUE(sameObject(ab("ABXV").response, kAbxvResponse));

  // The BRXA action warns of the ABRZ abend that follows; no other text ends with the referral.
  EXPECT_EQ(ab("ABX1").action.size(), 235u);
  EXPECT_NE(ab("ABX1").action.find("ABRZ"), std::string_view::npos);
  EXPECT_EQ(ab("ABXO").action.size(), 208u);
  EXPECT_TRUE(ab("ABXO").action.starts_with("The field MQCIH-ERROROFFSET"));
  for (const TextRow& row : cicspr2Table()) {
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row, pane);
      if (!sameObject(text, kVendorReferral)) {
        EXPECT_FALSE(text.ends_with(kVendorReferral)) << row.keys[0];
      }
    }
  }
}

TEST(CicsAbAd, AdSharedTextsAreExactlyTheIntendedGroups) {
  const auto rows = cicspr4Table();
  const std::set<std::vector<std::string_view>> kActions = {
      {"AD2A", "AD2B", "AD2C", "AD2D", "AD2E", "AD2F", "AD2G", "AD2I", "AD2J", "AD2K",
       "AD2L", "AD2M", "AD2N", "AD2O", "AD2P", "AD2Q", "AD2R", "AD2Y", "AD3T", "AD3U"},
      {"ADCA", "ADCQ", "ADCR", "ADLE", "ADLF", "ADLG"},
      {"AD3A", "AD3B", "AD3C", "AD3I", "AD3S", "AD3W"},
      {"ADCB", "ADCC", "ADCE", "ADCJ", "ADCV"},
      {"AD2Z", "AD21", "AD27", "AD28"},
      {"ADDA", "ADDB", "ADDC"},
      {"AD3D", "AD3Q", "AD3X"},
      {"AD3E", "AD3F", "AD3L"},
      {"AD25", "AD26"},
      {"AD2S", "AD2T", "AD2U"}};
  EXPECT_EQ(sharedGroups(rows, kAction), kActions);
  const std::set<std::vector<std::string_view>> kResponses = {
      {"AD2A", "AD2B", "AD2C", "AD2D", "AD2E", "AD2F", "AD2O", "AD2Q", "AD2W", "AD2X", "AD21",
       "AD22", "AD23", "AD24", "AD25", "AD26", "AD28", "AD3A", "AD3B", "AD3C", "AD3D", "AD3G",
       "AD3I", "AD3M", "AD3P", "AD3Q", "AD3R", "AD3S", "AD3U", "AD3W", "AD3X"},
      {"ADDA", "ADDB", "ADDC"},
      {"ADCP", "ADLP"},
      {"AD2P", "AD3T"}};
  EXPECT_EQ(sharedGroups(rows, kResponse), kResponses);
  EXPECT_EQ(sharedGroups(rows, kDescription),
            (std::set<std::vector<std::string_view>>{{"ADXA", "ADXB"}}));
  EXPECT_EQ(ad("ADCP").response.size(), 185u);
  EXPECT_EQ(ad("AD2P").response.size(), 169u);
}

TEST(CicsAbAd, AdRowsUseTheCatalogueWideAndCrossDescriberTexts) {
  EXPECT_TRUE(sameObject(ad("AD2A").action, kTaskAbendedWithCicsDump));
  EXPECT_TRUE(sameObject(ad("ADCA").action, kTransactionAbendedWithCicsDump));
  EXPECT_TRUE(sameObject(ad("AD2Z").action, kTransactionAbendedWithDump));
  EXPECT_TRUE(sameObject(ad("AD2A").response, kVendorReferral));
  EXPECT_TRUE(sameObject(ad("ADDA").action, kAddaAction));
  EXPECT_TRUE(sameObject(ad("ADDC").description, kAddcDescription));
  for (std::string_view key : {"AD2S", "AD2T", "AD2U"}) {
    EXPECT_TRUE(sameObject(ad(key).action, kAamiResponse)) << key;
    EXPECT_TRUE(ad(key).action.empty()) << key;
  }
  // The related-message advice here lacks the article of the catalogue-wide sentence.
  EXPECT_EQ(ad("ADDA").response,
            "See related message from the domain that detected the original error.");
  EXPECT_NE(ad("ADDA").response, kSeeDomainMessageFrom.view());
}

TEST(CicsAbAd, AdNearTwinActionsStayDistinct) {
  const std::string_view startup = ad("AD3A").action;
  const std::string_view ad3r = ad("AD3R").action;
  EXPECT_NE(startup, ad3r);
  EXPECT_NE(startup.find("closed.  The task"), std::string_view::npos);
  EXPECT_EQ(ad3r.find("  "), std::string_view::npos);
  EXPECT_EQ(ad3r.find(", and "), std::string_view::npos);

  const std::string_view ad23 = ad("AD23").action;
  const std::string_view ad24 = ad("AD24").action;
  ASSERT_EQ(ad23.size(), ad24.size());
  std::size_t differences = 0;
  for (std::size_t i = 0; i < ad23.size(); ++i) differences += ad23[i] != ad24[i];
  EXPECT_EQ(differences, 1u);
  EXPECT_NE(ad24.find("Service task"), std::string_view::npos);
}

TEST(CicsAbAd, AdTextsEndWithAFullStopExceptTheKnownOnes) {
  std::set<std::string> open;
  for (const TextRow& row : cicspr4Table()) {
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row, pane);
      if (!text.ends_with('.')) open.insert(std::string(row.keys[0]) + "/" + "DAR"[pane]);
    }
  }
  EXPECT_EQ(open, (std::set<std::string>{"AD2P/D", "ADIR/D", "ADCP/D", "ADLP/D", "AD2Y/D", "AD2V/D",
                                         "AD2S/A", "AD2T/A", "AD2U/A"}));
  EXPECT_EQ(ad("ADIR").description,
            "The abend code is issued for either of the following reasons:");
  EXPECT_TRUE(ad("ADCP").description.ends_with("and found that:"));
  EXPECT_TRUE(ad("ADLP").description.ends_with(':'));
  EXPECT_TRUE(ad("AD2Y").description.ends_with("because either:"));
  EXPECT_TRUE(ad("AD2V").description.ends_with(". "));
  EXPECT_TRUE(ad("AD2P").description.ends_with(".)"));
  EXPECT_NE(ad("ADXA").action, ad("ADXB").action);
  EXPECT_NE(ad("ADXA").response, ad("ADXB").response);
}

}  // namespace
}  // namespace quenmar::catalog::cics
