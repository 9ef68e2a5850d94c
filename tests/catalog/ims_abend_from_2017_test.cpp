// Invariants of the IMS system abends from 2017 up: the keys against the IMS abend code list,
// the placeholders and shared texts where they belong, the near variants, and the sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/code_lists.h"
#include "catalog/ims/ims_stock.h"
#include "catalog/ims/ims_tables.h"
#include "table_test_support.h"

namespace quenmar::catalog::ims {
namespace {

using namespace ::quenmar::catalog::testing;
using Codes = std::set<std::string_view>;

// The one row the code list never offers; the sizes below leave it out.
constexpr std::string_view kUnlisted = "2026";

const CodeEntry& entry(std::string_view code) { return entryOf(imspr12Table(), code); }

// The rows the code list offers, in table order.
const std::vector<TextRow>& listed() {
  static const std::vector<TextRow> rows = [] {
    std::vector<TextRow> kept;
    for (const TextRow& row : imspr12Table()) {
      if (row.keys[0] != kUnlisted) {
        kept.push_back(row);
      }
    }
    return kept;
  }();
  return rows;
}

std::vector<const CodeEntry*> listedRows() {
  std::vector<const CodeEntry*> rows;
  for (const TextRow& row : listed()) {
    rows.push_back(&row.entry);
  }
  return rows;
}

Codes codesWhere(Pane pane, std::string_view text) {
  const Keys keys = keysHolding(listed(), pane, text);
  return {keys.begin(), keys.end()};
}

TEST(ImsAbendFrom2017Keys, AreTheTailOfTheCodeListWith2026AfterTheIrlmCode2025) {
  const auto list = abendCodeList();
  ASSERT_EQ(list.size(), 764u);
  std::vector<std::string_view> expected(list.begin() + 619, list.end());
  const auto at2025 = std::find(expected.begin(), expected.end(), "2025");
  ASSERT_NE(at2025, expected.end());
  expected.insert(at2025 + 1, kUnlisted);

  const Keys keys = keysOf(imspr12Table());
  EXPECT_EQ(keys, expected);
  EXPECT_EQ(Codes(keys.begin(), keys.end()).size(), 146u);
  EXPECT_EQ(expected.front(), "2017");
  EXPECT_EQ(expected.back(), "4095");
}

TEST(ImsAbendFrom2017Keys, MatchOnlyTheirWholeText) {
  for (std::string_view code : {"2017", "3500-3998", "4000-4093", "4095", "2026"}) {
    EXPECT_NE(findByText(imspr12Table(), code), nullptr) << code;
  }
  for (std::string_view code : {"3600", "3500", "3998", "4093", "4000", "2021", "2500", "4094",
                                "4096", "2017 ", " 2017", "02017", "1501", "", "3500-3999"}) {
    EXPECT_EQ(findByText(imspr12Table(), code), nullptr) << '"' << code << '"';
  }
}

TEST(ImsAbendFrom2017Placeholders, StandInTheirOwnRowsAsTheStockObjects) {
  for (const TextRow& row : imspr12Table()) {
    EXPECT_EQ(row.entry.reason.data(), kAbendNA.data()) << row.keys[0];
    EXPECT_FALSE(row.entry.description.empty()) << row.keys[0];
    EXPECT_NE(row.entry.description, kAbendNA.view()) << row.keys[0];
    for (std::string_view text : {row.entry.action, row.entry.response}) {
      if (text == kAbendNA.view()) {
        EXPECT_EQ(text.data(), kAbendNA.data()) << row.keys[0];
      }
      if (text == kNoneBlank.view()) {
        EXPECT_EQ(text.data(), kNoneBlank.data()) << row.keys[0];
      }
      EXPECT_NE(text, "NA ") << row.keys[0];
    }
  }
  EXPECT_EQ(codesWhere(kAction, "NA"), (Codes{"3008", "3011", "3090", "3500-3998", "4000-4093"}));
  EXPECT_EQ(codesWhere(kResponse, "NA"),
            (Codes{"2476", "2610", "3010", "3018", "3019", "3020",      "3021",     "3025", "3026",
                   "3027", "3090", "3100", "3102", "3107", "3108",      "3109",     "3110", "3111",
                   "3115", "3116", "3274", "3439", "3498", "3500-3998", "4000-4093"}));
  EXPECT_EQ(codesWhere(kResponse, "None. "), (Codes{"3013", "3014", "3015", "3017", "3302"}));
  EXPECT_EQ(codesWhere(kResponse, ""), (Codes{"3265", "3271"}));
  EXPECT_TRUE(codesWhere(kAction, "").empty());
  for (std::string_view variant : {"None.", "None required.", "None required. "}) {
    EXPECT_TRUE(codesWhere(kResponse, variant).empty()) << variant;
  }
}

TEST(ImsAbendFrom2017Stock, SystemActionsOfManyRowsAreOneObjectEach) {
  const std::map<std::string_view, std::size_t> expectedRows = {
      {kImsTerminatesBlank.view(), 36},
      {"The MFS Language utility terminates abnormally. ", 15},
      {"The MFS preprocessor terminates abnormally. ", 11},
      {kProgramTerminatesBlank.view(), 7},
      {"The TMS subsystem is terminated with abend code and dump. ", 7},
      {"IMS terminates abnormally with a dump. ", 3},
      {"NA", 5}};
  std::map<std::string_view, std::set<const char*>> objects;
  std::map<std::string_view, std::size_t> counts;
  for (const CodeEntry* e : listedRows()) {
    ++counts[e->action];
    objects[e->action].insert(e->action.data());
  }
  for (const auto& [text, rows] : expectedRows) {
    EXPECT_EQ(counts[text], rows) << text;
    EXPECT_EQ(objects[text].size(), 1u) << text;
  }
  EXPECT_EQ(*objects[kImsTerminatesBlank.view()].begin(), kImsTerminatesBlank.data());
  EXPECT_EQ(*objects[kProgramTerminatesBlank.view()].begin(), kProgramTerminatesBlank.data());
  EXPECT_EQ(counts[kImsTerminates.view()], 0u);
  EXPECT_EQ(codesWhere(kAction, "The TMS subsystem is terminated with abend code and dump. "),
            (Codes{"3430", "3431", "3432", "3433", "3434", "3436", "3439"}));
  EXPECT_EQ(codesWhere(kAction, "IMS terminates abnormally with a dump. "),
            (Codes{"3091", "3093", "3094"}));
}

TEST(ImsAbendFrom2017Stock, IrlmRowsShareTheirTextsAndTheNearVariantsDifferByTheBlank) {
  const std::string_view irlmAction = entry("2017").action;
  EXPECT_EQ(codesWhere(kAction, irlmAction),
            (Codes{"2017", "2019", "2022", "2025", "2027", "2031"}));
  const std::string_view dumpResponse = entry("2019").response;
  EXPECT_EQ(codesWhere(kResponse, dumpResponse), (Codes{"2019", "2022", "2025", "2031"}));
  for (std::string_view code : {"2019", "2022", "2025", "2027", "2031"}) {
    EXPECT_EQ(entry(code).action.data(), irlmAction.data()) << code;
  }
  EXPECT_NE(irlmAction.find("IRLM"), std::string_view::npos);
  EXPECT_NE(irlmAction.find("SDUMP"), std::string_view::npos);
  EXPECT_NE(dumpResponse.find("SDUMP"), std::string_view::npos);

  EXPECT_EQ(entry("2027").response.data(), irlmAction.data());
  EXPECT_EQ(entry("2018").action, irlmAction.substr(0, irlmAction.size() - 1));
  const std::string_view mfsUtility = entry("3000").action;
  EXPECT_EQ(entry("3014").action, mfsUtility.substr(0, mfsUtility.size() - 1));

  // The unlisted row: the listed 2027 explanation with one blank less, the IRLM texts.
  const CodeEntry& unlisted = entry(kUnlisted);
  EXPECT_EQ(std::string(unlisted.description) + ' ', entry("2027").description);
  EXPECT_EQ(unlisted.action.data(), irlmAction.data());
  EXPECT_EQ(unlisted.response.data(), dumpResponse.data());

  const std::string_view contact = "Contact the system programmer to analyze the problem. ";
  EXPECT_EQ(codesWhere(kResponse, contact),
            (Codes{"3432", "3434", "3435", "3440", "3469", "3999"}));
}

TEST(ImsAbendFrom2017Descriptions, SharedOnlyWhereListedAndOneObjectEach) {
  std::map<std::string_view, Codes> holders;
  for (const TextRow& row : imspr12Table()) {
    if (row.keys[0] != kUnlisted) {
      holders[row.entry.description].insert(row.keys[0]);
    }
  }
  std::set<Codes> shared;
  for (const auto& [text, codes] : holders) {
    if (codes.size() > 1) {
      shared.insert(codes);
      std::set<const char*> objects;
      for (std::string_view code : codes) objects.insert(entry(code).description.data());
      EXPECT_EQ(objects.size(), 1u) << text;
    }
  }
  EXPECT_EQ(shared, (std::set<Codes>{{"3102", "3108", "3110"},
                                     {"3107", "3109"},
                                     {"2990", "2991"},
                                     {"3500-3998", "4000-4093"}}));
  EXPECT_EQ(std::string(entry("3107").description) + ' ', entry("3102").description);
  EXPECT_EQ(entry("3110").action.data(), kImsTerminatesBlank.data());
  EXPECT_NE(entry("3102").action, entry("3110").action);

  const CodeEntry& range = entry("3500-3998");
  EXPECT_EQ(range.description, "Reserved for customer use.");
  EXPECT_EQ(range.action, "NA");
  EXPECT_EQ(range.response, "NA");
  const CodeEntry& other = entry("4000-4093");
  EXPECT_EQ(other.description.data(), range.description.data());
  EXPECT_EQ(entry("3414").description, "IMS was unable to allocate storage.  ");
  EXPECT_EQ(entry("3090").description,
            "A logic error was detected during Fast Path database tracker initialization.   ");
  EXPECT_EQ(entry("3090").action, "NA");
}

TEST(ImsAbendFrom2017Descriptions, DocumentedCausesNameTheirMessage) {
  const CodeMessage documented[] = {
      {"3006", "DFS1033I"}, {"3007", "DFS1012I"}, {"3007", "DFS1031I"}, {"3007", "DFS1032I"},
      {"3044", "DFS3607I"}, {"3045", "DFS3624I"}, {"3049", "DFS3606I"}, {"3049", "DFS3607I"},
      {"3049", "DFS3608I"}, {"3120", "DFS3120I"}, {"3141", "DFS3852I"}, {"3141", "DFS3894I"},
      {"3303", "DFS3303I"}, {"3308", "DFS3308E"}, {"3310", "DFS2291I"}, {"3477", "DFS0507I"},
  };
  EXPECT_EQ(descriptionsNotNamingTheirMessage(imspr12Table(), documented),
            std::vector<std::string>{});
}

TEST(ImsAbendFrom2017Sizes, DistinctTextsLengthsAndCharacters) {
  const std::set<std::string_view> descriptions = distinctTexts(listed(), kDescription);
  const std::set<std::string_view> actions = distinctTexts(listed(), kAction);
  const std::set<std::string_view> responses = distinctTexts(listed(), kResponse);
  const std::set<std::string_view> all = distinctTexts(listed());
  std::size_t shortest = SIZE_MAX, longest = 0, actionLongest = 0, responseLongest = 0;
  std::map<std::string_view, std::size_t> actionRows;
  for (const CodeEntry* e : listedRows()) {
    shortest = std::min(shortest, e->description.size());
    longest = std::max(longest, e->description.size());
    actionLongest = std::max(actionLongest, e->action.size());
    responseLongest = std::max(responseLongest, e->response.size());
    ++actionRows[e->action];
  }
  EXPECT_EQ(listedRows().size(), 145u);
  EXPECT_EQ(descriptions.size(), 140u);
  EXPECT_EQ(actions.size(), 59u);
  EXPECT_EQ(responses.size(), 102u);
  EXPECT_EQ(all.size(), 299u);
  EXPECT_EQ(shortest, 26u);
  EXPECT_EQ(longest, 802u);
  EXPECT_EQ(actionLongest, 886u);
  EXPECT_EQ(responseLongest, 820u);

  std::size_t sharedActions = 0, sharedActionRows = 0;
  for (const auto& [text, rows] : actionRows) {
    if (rows > 1) {
      ++sharedActions;
      sharedActionRows += rows;
    }
  }
  EXPECT_EQ(sharedActions, 12u);
  EXPECT_EQ(sharedActionRows, 98u);

  const std::size_t characters = characterCount(all);
  EXPECT_GE(characters, 47250u);
  EXPECT_LE(characters, 57750u);
}

TEST(ImsAbendFrom2017Sizes, EveryTextIsOnePrintableAsciiLineWithAtMostThreeTrailingBlanks) {
  for (const TextRow& row : imspr12Table()) {
    for (std::string_view text : {row.entry.description, row.entry.action, row.entry.response}) {
      EXPECT_TRUE(
          std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; }))
          << row.keys[0] << ": " << text;
      const std::size_t end = text.find_last_not_of(' ');
      const std::size_t blanks =
          end == std::string_view::npos ? text.size() : text.size() - end - 1;
      EXPECT_LE(blanks, 3u) << row.keys[0] << ": " << text;
      // Runs of three blanks occur only as trailing blanks.
      EXPECT_EQ(text.substr(0, text.size() - blanks).find("   "), std::string_view::npos)
          << row.keys[0] << ": " << text;
    }
    // Explanations of their own, not the code repeated; naming the message of the same number
    // (DFS3411X for 3411) is not a repetition.
    std::string own(row.entry.description);
    const std::string message = "DFS" + std::string(row.keys[0]);
    for (std::size_t at = own.find(message); at != std::string::npos; at = own.find(message)) {
      own.erase(at, message.size());
    }
    EXPECT_EQ(own.find(row.keys[0]), std::string::npos) << row.keys[0];
  }
  // Texts from here on end with a blank, apart from the few stored without one.
  std::size_t withoutBlank = 0;
  for (const CodeEntry* e : listedRows()) {
    for (std::string_view text : {e->description, e->action, e->response}) {
      if (!text.empty() && text != "NA" && text.back() != ' ') ++withoutBlank;
    }
  }
  EXPECT_EQ(withoutBlank, 4u);  // both range rows, 2018's and 3014's System Action
}

}  // namespace
}  // namespace quenmar::catalog::ims
