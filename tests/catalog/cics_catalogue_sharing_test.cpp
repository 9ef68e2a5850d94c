// Facts of the whole CICS range-describer catalogue that no single describer's suite can see: how
// many rows of all thirteen show each catalogue-wide stock text, and the texts built on the
// referral.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/cics/cics_actl_twins.h"
#include "catalog/cics/cics_shared.h"
#include "catalog/cics/cics_stock.h"
#include "catalog/cics/cics_tables.h"
#include "table_test_support.h"

namespace quenmar::catalog::cics {
namespace {

using namespace ::quenmar::catalog::testing;

// The describers in the order the lookups call them; describer N is tables()[N - 1].
std::array<std::span<const TextRow>, 13> tables() {
  return {cicspr1Table(),  cicspr2Table(),  cicspr3Table(), cicspr4Table(), cicspr5Table(),
          cicspr6Table(),  cicspr7Table(),  cicspr8Table(), cicspr9Table(), cicspr10Table(),
          cicspr11Table(), cicspr12Table(), cicspr13Table()};
}

// How many rows of each describer (numbered from 1) show `text` in `pane` as the very object.
// A row holding an equal copy of the text fails the test: a stock text is one object.
std::map<int, std::size_t> showingByDescriber(Pane pane, std::string_view text) {
  std::map<int, std::size_t> counts;
  int number = 0;
  for (std::span<const TextRow> table : tables()) {
    ++number;
    for (const TextRow& row : table) {
      const std::string_view shown = paneOf(row, pane);
      if (sameObject(shown, text)) {
        ++counts[number];
      } else {
        EXPECT_NE(shown, text) << row.keys[0] << " holds a copy, not the stock text";
      }
    }
  }
  return counts;
}

std::size_t total(const std::map<int, std::size_t>& counts) {
  std::size_t sum = 0;
  for (const auto& [number, count] : counts) sum += count;
  return sum;
}

std::set<int> describers(const std::map<int, std::size_t>& counts) {
  std::set<int> numbers;
  for (const auto& [number, count] : counts) numbers.insert(number);
  return numbers;
}

TEST(CicsCatalogue, StockSystemActionsServeTheirRowsAcrossTheDescribers) {
  struct Stock {
    std::string_view text;
    std::size_t rows;
    std::set<int> describers;
  };
  const Stock stocks[] = {
      {kTaskAbendedWithCicsDump, 335, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
      {kTransactionAbendedWithCicsDump, 143, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
      {kTransactionAbendedWithDump, 51, {2, 3, 4, 6, 7, 10, 12, 13}},
      {kTransactionAbended, 23, {5, 6, 8, 10, 12}},
      {kTaskAbendedWithDump, 21, {4, 6, 8, 9, 10}},
      {kCicsTerminatesTaskWithDump, 12, {1, 2, 8, 11}},
      // One row short of what the sentence's own rows would make it: every describer that shows
      // it already holds as many rows of it as its own count of distinct texts allows.
      {kCicsTerminatesTaskWithTransactionDump, 10, {7, 8, 9, 10, 12}},
  };
  for (const Stock& stock : stocks) {
    const auto counts = showingByDescriber(kAction, stock.text);
    EXPECT_EQ(total(counts), stock.rows) << stock.text;
    EXPECT_EQ(describers(counts), stock.describers) << stock.text;
  }
}

TEST(CicsCatalogue, SharedUserResponsesServeTheirRowsAcrossTheDescribers) {
  const auto referral = showingByDescriber(kResponse, kVendorReferral);
  EXPECT_EQ(total(referral), 222u);
  EXPECT_EQ(describers(referral).size(), 13u);

  const auto produced = showingByDescriber(kResponse, kSeeDomainMessageProduced);
  EXPECT_EQ(total(produced), 14u);
  EXPECT_EQ(describers(produced), (std::set<int>{1, 2, 3, 5, 9, 10, 11, 12}));

  // The describers that show the "from the domain" sentence each hold as many rows of it as
  // their own distinct-text counts allow.
  const auto from = showingByDescriber(kResponse, kSeeDomainMessageFrom);
  EXPECT_EQ(total(from), 10u);
  EXPECT_EQ(describers(from), (std::set<int>{6, 7, 8, 9, 12}));

  // ACTL, AETG, AETI and AICJ are one row in four places. Their User Response can be neither
  // sentence above: ACTL must differ from ACSG, which shows the first, and AICJ is not one of the
  // rows of its describer that show the second.
  const auto twins = showingByDescriber(kResponse, kActlResponse);
  EXPECT_EQ(twins, (std::map<int, std::size_t>{{3, 1}, {5, 2}, {6, 1}}));

  // The purge advice of AJCE and AJCU serves purge abends of four other describers.
  const auto purge = showingByDescriber(kResponse, kAjceResponse);
  EXPECT_EQ(purge.at(7), 2u);
  EXPECT_EQ(describers(purge).size(), 5u);
}

// The referral is two sentences: one that the problem needs the vendor's help, and one that says
// where to read how to go on.
TEST(CicsCatalogue, ReferralIsTwoSentences) {
  EXPECT_EQ(kVendorReferral.size(), 144u);
  EXPECT_EQ(kReferralOpening.size(), 61u);
  EXPECT_TRUE(kReferralOpening.ends_with('.'));
  EXPECT_EQ(kReferralClosing,
            "See Part 4 of the CICS Problem Determination Guide for guidance on how to proceed.");
  EXPECT_EQ(std::string(kReferralOpening) + " " + std::string(kReferralClosing),
            kVendorReferral.view());
}

TEST(CicsCatalogue, AdviceThenReferralTexts) {
  const std::string ending = " " + std::string(kVendorReferral.view());
  std::set<std::string_view> texts;
  std::vector<std::string> responseRows, otherCells;
  for (std::span<const TextRow> table : tables()) {
    for (const TextRow& row : table) {
      for (Pane pane : kTextPanes) {
        const std::string_view text = paneOf(row, pane);
        if (text.size() <= ending.size() || !text.ends_with(ending)) continue;
        texts.insert(text);
        // The advice before the referral is a sentence of its own.
        EXPECT_TRUE(text.substr(0, text.size() - ending.size()).ends_with('.')) << row.keys[0];
        if (pane == kResponse) {
          responseRows.emplace_back(row.keys[0]);
        } else {
          otherCells.push_back(std::string(row.keys[0]) + "/" + "DAR"[pane]);
        }
      }
    }
  }
  EXPECT_EQ(texts.size(), 43u);
  EXPECT_EQ(responseRows.size(), 70u);
  EXPECT_EQ(otherCells, std::vector<std::string>{"AAMI/A"});

  // Rows that give the same advice show one object, in whichever describer they stand
  // (sharedGroups fails on equal texts that are not).
  const std::vector<TextRow> all = joined(tables());
  const Groups groups = sharedGroups(all, kResponse);
  EXPECT_TRUE(groups.contains(Keys{"AAO7", "AAO8"}));
  EXPECT_TRUE(groups.contains(Keys{"AWBI", "AWBV", "AWB9"}));
}

// Five rows hold the referral altered; each differs from it in one place only.
TEST(CicsCatalogue, ReferralVariants) {
  const std::string referral(kVendorReferral.view());
  std::map<std::string, std::string> variants;
  for (std::span<const TextRow> table : tables()) {
    for (const TextRow& row : table) {
      const std::string_view text = row.entry.response;
      if (text.find("Problem Determination Guide for guidance on how to") ==
              std::string_view::npos ||
          text.ends_with(referral)) {
        continue;
      }
      variants[std::string(row.keys[0])] = std::string(text);
    }
  }
  ASSERT_EQ(variants.size(), 5u);

  std::string misspelt = referral;
  misspelt.replace(misspelt.find("See"), 3, "Se");
  EXPECT_EQ(variants["AXFU"], misspelt);

  std::string twoBlanks = referral;
  twoBlanks.insert(twoBlanks.rfind(' '), 1, ' ');
  EXPECT_EQ(variants["AZIA"], twoBlanks);

  std::string withGuide = referral;
  withGuide.insert(withGuide.find("Part 4"), "the CICS External Interfaces Guide and ");
  for (const char* key : {"ARPU", "ARP4", "ARP9"}) EXPECT_EQ(variants[key], withGuide) << key;
  const std::string_view arpu = entryOf(cicspr11Table(), "ARPU").response;
  EXPECT_TRUE(sameObject(arpu, entryOf(cicspr11Table(), "ARP4").response));
  EXPECT_TRUE(sameObject(arpu, entryOf(cicspr11Table(), "ARP9").response));
}

// A Description says what the code reports, or, where no documentation of it was found, says so;
// it never passes off the templated "component could not complete a request" sentence as an
// explanation.
TEST(CicsCatalogue, DescriptionsAreNoTemplatedRequestFailures) {
  for (std::span<const TextRow> table : tables()) {
    for (const TextRow& row : table) {
      const std::string_view text = row.entry.description;
      EXPECT_EQ(text.find("could not complete a request"), std::string_view::npos) << row.keys[0];
      EXPECT_EQ(text.find("found an error and ended"), std::string_view::npos) << row.keys[0];
    }
    // An undocumented row names the code it stands for, so a reader sees which.
    EXPECT_EQ(lastResortTextsNotNamingTheirCode(table), Keys{});
  }
}

}  // namespace
}  // namespace quenmar::catalog::cics
