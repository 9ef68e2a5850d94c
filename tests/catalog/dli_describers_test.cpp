#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/code_lists.h"
#include "catalog/ims/dli_stock.h"
#include "catalog/ims/ims_tables.h"

namespace quenmar::catalog::ims {
namespace {

// The five describers in the order in which a pick runs them.
std::array<std::span<const TextRow>, 5> describers() {
  return {dlpro1Table(), dlpro2Table(), dlpro3Table(), dlpro4Table(), dlpro5Table()};
}

struct Row {
  std::size_t describer;
  const TextRow* row;
};

std::vector<Row> allRows() {
  std::vector<Row> rows;
  const auto tables = describers();
  for (std::size_t d = 0; d < tables.size(); ++d) {
    for (const TextRow& row : tables[d]) {
      rows.push_back({d, &row});
    }
  }
  return rows;
}

bool isPrintableAsciiLine(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7e; });
}

TEST(DliDescribers, KeysAreTheStatusListInOrderAndEachDescriberHoldsItsFirstLetters) {
  const auto items = dliStatusList();
  const auto rows = allRows();
  ASSERT_EQ(rows.size(), items.size());
  ASSERT_EQ(rows.size(), 158u);

  const std::array<std::string_view, 5> firstLetters = {"A", "BCD", "EFG", "HILMNOQRST", "UVX"};
  const std::array<std::size_t, 5> sizes = {31, 23, 29, 44, 31};
  for (std::size_t d = 0; d < sizes.size(); ++d) {
    EXPECT_EQ(describers()[d].size(), sizes[d]) << "dlpro" << d + 1;
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TextRow& row = *rows[i].row;
    EXPECT_EQ(row.keys[0], items[i]) << "position " << i;
    EXPECT_TRUE(row.keys[1].empty() && row.keys[2].empty()) << row.keys[0];
    ASSERT_EQ(row.keys[0].size(), 2u);
    EXPECT_NE(firstLetters[rows[i].describer].find(row.keys[0][0]), std::string_view::npos)
        << row.keys[0] << " in dlpro" << rows[i].describer + 1;
  }
}

// A pick runs all five describers, so a key held twice would have its entry overwritten by
// the later describer; one held nowhere would show nothing.
TEST(DliDescribers, EveryCodeIsAnsweredByExactlyOneDescriberAndNothingElseIs) {
  const auto tables = describers();
  for (const Row& r : allRows()) {
    const std::string_view key = r.row->keys[0];
    for (std::size_t d = 0; d < tables.size(); ++d) {
      const CodeEntry* found = findByText(tables[d], key);
      if (d == r.describer) {
        EXPECT_EQ(found, &r.row->entry) << key;
      } else {
        EXPECT_EQ(found, nullptr) << key << " also in dlpro" << d + 1;
      }
    }
    std::string lower(key);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    for (const std::string& miss :
         {lower, ' ' + std::string(key), std::string(key) + " ", std::string(key.substr(0, 1))}) {
      for (const auto& table : tables) {
        EXPECT_EQ(findByText(table, miss), nullptr) << "'" << miss << "'";
      }
    }
  }
  for (std::string_view abend : {"", "AC6", "0002", "A0", "NAX"}) {
    for (const auto& table : tables) {
      EXPECT_EQ(findByText(table, abend), nullptr) << "'" << abend << "'";
    }
  }
}

TEST(DliDescribers, ReasonAndSystemActionAreTheStockTextsAndNAStandsOnlyWhereItShould) {
  for (const Row& r : allRows()) {
    const TextRow& row = *r.row;
    const std::string_view key = row.keys[0];
    EXPECT_EQ(row.entry.reason.data(), kDliStatusCode.data()) << key;
    EXPECT_EQ(row.entry.reason.size(), kDliStatusCode.size()) << key;
    EXPECT_EQ(row.entry.action.data(), kNA.data()) << key;
    EXPECT_EQ(row.entry.action.size(), kNA.size()) << key;
    // The status code NA has an explanation of its own; only FE lacks a User Response.
    EXPECT_NE(row.entry.description, kNA.view()) << key;
    if (key == "FE") {
      EXPECT_EQ(row.entry.response.data(), kNA.data());
    } else {
      EXPECT_NE(row.entry.response, kNA.view()) << key;
    }
  }
}

TEST(DliDescribers, InformationOnlyTextsStandOnExactlyTheirCodes) {
  const std::set<std::string_view> withBlank = {"BA", "BB", "BC", "BJ", "BK", "GK", "NA", "NU"};
  const std::set<std::string_view> withoutBlank = {"CE", "CF", "CG", "CI", "CJ", "CK", "CL"};
  for (const Row& r : allRows()) {
    const std::string_view key = r.row->keys[0];
    const std::string_view response = r.row->entry.response;
    EXPECT_EQ(response.data() == kInformationOnlyBlank.data(), withBlank.count(key) == 1) << key;
    EXPECT_EQ(response.data() == kInformationOnly.data(), withoutBlank.count(key) == 1) << key;
    // A copy of either text elsewhere would escape the address test above.
    if (response.data() != kInformationOnlyBlank.data() &&
        response.data() != kInformationOnly.data()) {
      EXPECT_EQ(response.find("information-only"), std::string_view::npos) << key;
    }
  }
}

// Equal texts must be one object; texts differing only by their final blank are two.
TEST(DliDescribers, DistinctTextsAreCountedAndSharedTextsAreOneObject) {
  std::map<std::string_view, const char*> descriptions;
  std::map<std::string_view, const char*> responses;
  for (const Row& r : allRows()) {
    const CodeEntry& e = r.row->entry;
    EXPECT_TRUE(descriptions.emplace(e.description, e.description.data()).second)
        << "description of " << r.row->keys[0] << " is not its own";
    if (e.response == kNA.view()) {
      continue;
    }
    const auto [it, added] = responses.emplace(e.response, e.response.data());
    EXPECT_EQ(it->second, e.response.data()) << "response of " << r.row->keys[0] << " is a copy";
  }
  EXPECT_EQ(descriptions.size(), 158u);
  EXPECT_EQ(responses.size(), 130u);

  std::set<std::string_view> texts;
  for (const auto* byText : {&descriptions, &responses}) {
    for (const auto& entry : *byText) {
      texts.insert(entry.first);
    }
  }
  EXPECT_EQ(texts.size(), 288u);
  std::size_t characters = 0;
  for (std::string_view text : texts) characters += text.size();
  EXPECT_NEAR(static_cast<double>(characters), 50372.0, 5037.0);
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](std::string_view t) { return !t.empty() && t.back() == ' '; }),
            198);
}

TEST(DliDescribers, TextsStayWithinTheirLengthsOnOnePrintableLine) {
  std::size_t minDescription = SIZE_MAX, maxDescription = 0;
  std::size_t minResponse = SIZE_MAX, maxResponse = 0;
  for (const Row& r : allRows()) {
    const CodeEntry& e = r.row->entry;
    const std::string_view key = r.row->keys[0];
    minDescription = std::min(minDescription, e.description.size());
    maxDescription = std::max(maxDescription, e.description.size());
    if (e.response != kNA.view()) {
      minResponse = std::min(minResponse, e.response.size());
      maxResponse = std::max(maxResponse, e.response.size());
    }
    for (std::string_view text : {e.description, e.response}) {
      EXPECT_TRUE(isPrintableAsciiLine(text)) << key << ": " << text;
      EXPECT_NE(text.front(), ' ') << key << ": " << text;
      // At most one final blank, and no blank before a full stop.
      EXPECT_EQ(text.find("  "), std::string_view::npos) << key << ": " << text;
      EXPECT_EQ(text.find(" ."), std::string_view::npos) << key << ": " << text;
    }
  }
  EXPECT_EQ(minDescription, 38u);
  EXPECT_EQ(maxDescription, 952u);
  EXPECT_EQ(minResponse, 17u);
  EXPECT_EQ(maxResponse, 571u);
}

}  // namespace
}  // namespace quenmar::catalog::ims
