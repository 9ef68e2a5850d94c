#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <set>
#include <string_view>

#include "catalog/cics/cics_stock.h"
#include "catalog/cics/cics_tables.h"
#include "catalog/code_lists.h"
#include "table_test_support.h"

namespace quenmar::catalog::cics {
namespace {

using namespace ::quenmar::catalog::testing;

constexpr std::string_view kConditionLead =
    "CICS detected an exceptional condition for which no EXEC CICS HANDLE CONDITION command is "
    "active and the RESP or NOHANDLE option is not included in the associated command. Condition=";

// Rows whose Reason and condition name have always differed.
constexpr std::array<std::string_view, 6> kRenamedConditions = {"AEIL", "AEIM", "AEI3",
                                                                "AEYV", "AEY1", "AEY3"};

std::string_view keyOf(const TextRow& row) { return row.keys[0]; }

const CodeEntry& entryOf(std::string_view key) {
  return ::quenmar::catalog::testing::entryOf(inlineEntries(), key);
}

TEST(CicsInline, KeysAreTheListedCodesInTestOrder) {
  constexpr std::string_view kOrder[] = {
      "AEIA", "AEID", "AEIE", "AEIG", "AEIH", "AEII", "AEIJ", "AEIK", "AEIL", "AEIM",
      "AEIN", "AEIO", "AEIP", "AEIQ", "AEIR", "AEIS", "AEIT", "AEIU", "AEIV", "AEIW",
      "AEIZ", "AEI0", "AEI1", "AEI2", "AEI3", "AEI8", "AEI9", "AEXL", "AEYA", "AEYB",
      "AEYC", "AEYE", "AEYG", "AEYH", "AEYJ", "AEYK", "AEYL", "AEYM", "AEYN", "AEYO",
      "AEYQ", "AEYR", "AEYT", "AEYU", "AEYV", "AEYY", "AEYZ", "AEY1", "AEY2", "AEY3",
      "ABMG", "ABMP", "AEY7", "AEY9", "AICA", "AKCS", "AKCT", "ASRA", "ASRB"};
  const auto rows = inlineEntries();
  ASSERT_EQ(rows.size(), std::size(kOrder));
  const auto list = codeList();
  std::set<std::string_view> keys, reasons;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(keyOf(rows[i]), kOrder[i]) << "row " << i;
    EXPECT_TRUE(rows[i].keys[1].empty() && rows[i].keys[2].empty()) << kOrder[i];
    EXPECT_NE(std::find(list.begin(), list.end(), keyOf(rows[i])), list.end()) << kOrder[i];
    keys.insert(keyOf(rows[i]));
    reasons.insert(rows[i].entry.reason);
  }
  EXPECT_EQ(keys.size(), rows.size());
  EXPECT_EQ(reasons.size(), rows.size()) << "every row has a title of its own";
}

TEST(CicsInline, ConditionRowsShareTheirTextsAndNameTheirCondition) {
  const auto rows = inlineEntries().subspan(1, 49);
  EXPECT_EQ(keyOf(rows.front()), "AEID");
  EXPECT_EQ(keyOf(rows.back()), "AEY3");
  std::set<std::string_view> names;
  int renamed = 0;
  for (const TextRow& row : rows) {
    const CodeEntry& e = row.entry;
    ASSERT_TRUE(e.description.starts_with(kConditionLead)) << keyOf(row);
    const std::string_view name = e.description.substr(kConditionLead.size());
    EXPECT_GE(name.size(), 3u) << keyOf(row);
    EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
        << keyOf(row) << ": " << name;
    names.insert(name);
    const bool expectRenamed = std::find(kRenamedConditions.begin(), kRenamedConditions.end(),
                                         keyOf(row)) != kRenamedConditions.end();
    EXPECT_EQ(name != e.reason, expectRenamed) << keyOf(row);
    renamed += name != e.reason;
    EXPECT_TRUE(sameObject(e.action, rows.front().entry.action)) << keyOf(row);
    EXPECT_TRUE(sameObject(e.response, rows.front().entry.response)) << keyOf(row);
  }
  EXPECT_EQ(names.size(), rows.size());
  EXPECT_EQ(renamed, 6);
  EXPECT_EQ(rows.front().entry.action, kUnhandledConditionAction);
  EXPECT_EQ(rows.front().entry.response, kUnhandledConditionResponse);
  EXPECT_TRUE(entryOf("AEIL").description.ends_with("Condition=FILENOTFOUND"));
  EXPECT_EQ(entryOf("AEI3").reason, "INVTSREO");

  EXPECT_EQ(kUnhandledConditionResponse.size(), 357u);
  EXPECT_TRUE(
      std::string_view(kUnhandledConditionResponse)
          .starts_with(
              "Change the application program either to prevent the condition recurring, to check the "
              "condition using the RESP option"));
  EXPECT_TRUE(std::string_view(kUnhandledConditionResponse)
                  .ends_with("EIBRESP2 and EIBRCODE fields of the EXEC Interface Block."));
}

TEST(CicsInline, EveryPaneHoldsOneCleanLine) {
  int placeholders = 0;
  for (const TextRow& row : inlineEntries()) {
    const CodeEntry& e = row.entry;
    for (std::string_view text : {e.reason, e.description, e.action, e.response}) {
      ASSERT_FALSE(text.empty()) << keyOf(row);
      EXPECT_TRUE(
          std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; }))
          << keyOf(row) << ": " << text;
      EXPECT_EQ(text.find("  "), std::string_view::npos) << keyOf(row);
      EXPECT_NE(text.front(), ' ');
      EXPECT_NE(text.back(), ' ') << keyOf(row);
      placeholders += text == kNA;
    }
    // Explanations are whole sentences, except where the name of a condition closes the text.
    const bool isCondition = e.description.starts_with(kConditionLead);
    for (std::string_view text : {e.description, e.action, e.response}) {
      if (text == kNA || (isCondition && text == e.description) || text == kAsrbAction) continue;
      EXPECT_TRUE(text.ends_with('.')) << keyOf(row) << ": " << text;
    }
  }
  EXPECT_EQ(placeholders, 5) << "ABMP's three explanations and AEY7's action and response";
  EXPECT_EQ(entryOf("ABMP").description, kNA);
  EXPECT_EQ(entryOf("AEY7").action, kNA);
  EXPECT_FALSE(entryOf("ASRB").action.ends_with('.'));
  EXPECT_TRUE(entryOf("AEY7").description.starts_with("NOTAUTH condition not handled. "));
  EXPECT_TRUE(entryOf("AEY7").description.ends_with(
      " See the description of abend AEIA for further details."));
}

// The range describers show these texts for the same codes from the same constants, so a row
// that kept a copy of its own could drift from what a typed code shows.
TEST(CicsInline, TextsSharedWithTheDescribersComeFromTheStockConstants) {
  // Key, then the Description, System Action and User Response that the describer shows too;
  // empty where it has a text of its own.
  const std::array<std::string_view, 4> shared[] = {
      {"ABMG", kAbmgDescription, kTransactionAbendedWithCicsDump, {}},
      {"AEIA", {}, kTransactionAbendedWithCicsDump, kAeiaResponse},
      {"AEY9", {}, kTransactionAbendedWithCicsDump, kAey9Response},
      {"AICA", kAicaDescription, kAicaAction, kAicaResponse},
      {"AKCS", {}, kAkcsAction, {}},
      {"AKCT", {}, kAkctAction, kAkctResponse},
      {"ASRA", kAsraDescription, kAsraAction, kAsraResponse},
      {"ASRB", kAsrbDescription, kAsrbAction, kAsrbResponse},
  };
  for (const auto& [key, description, action, response] : shared) {
    const CodeEntry& e = entryOf(key);
    if (!description.empty()) {
      EXPECT_EQ(e.description, description) << key;
    }
    EXPECT_EQ(e.action, action) << key;
    if (!response.empty()) {
      EXPECT_EQ(e.response, response) << key;
    }
  }

  const std::string_view dumpAction = entryOf("AEIA").action;
  EXPECT_EQ(dumpAction, kTransactionAbendedWithCicsDump);
  EXPECT_TRUE(sameObject(entryOf("AEY9").action, dumpAction));
  EXPECT_TRUE(sameObject(entryOf("ABMG").action, dumpAction));
  EXPECT_TRUE(sameObject(entryOf("AEY7").response, entryOf("ABMP").response));

  EXPECT_EQ(kAicaDescription.size(), 246u);
  EXPECT_TRUE(
      std::string_view(kAicaDescription)
          .starts_with("A task has been executing for longer than the runaway time interval"));
  const std::string_view abmgResponse = entryOf("ABMG").response;
  EXPECT_EQ(abmgResponse.size(), 964u);
  EXPECT_TRUE(abmgResponse.starts_with(
      "Correlate services requested against options specified in the system generation of BMS. "));
  for (std::string_view response :
       {std::string_view(kAeiaResponse), std::string_view(kAey9Response)}) {
    EXPECT_GE(response.size(), 30u);
    EXPECT_LE(response.size(), 398u);
  }
  EXPECT_LE(kAkcsAction.size(), 296u);
}

TEST(CicsInline, TypedTimeOutCodesShowTheOpeningOfThePickedTexts) {
  struct Lead {
    std::string_view name, lead, whole;
    std::size_t min, max;
  };
  const Lead leads[] = {
      {"AKCS description", kAkcsDescriptionLead, entryOf("AKCS").description, 44, 300},
      {"AKCS response", kAkcsResponseLead, entryOf("AKCS").response, 32, 379},
      {"AKCT description", kAkctDescriptionLead, entryOf("AKCT").description, 44, 300},
  };
  for (const Lead& l : leads) {
    EXPECT_TRUE(l.whole.starts_with(l.lead)) << l.name;
    EXPECT_LT(l.lead.size(), l.whole.size()) << l.name;
    EXPECT_TRUE(l.lead.ends_with('.')) << l.name;
    EXPECT_GE(l.lead.size(), l.min) << l.name;
    EXPECT_LE(l.lead.size(), l.max) << l.name;
  }

  static_assert(leadingSentences("One. Two. Three.", 2) == "One. Two.");
  static_assert(leadingSentences("One. Two.", 5) == "One. Two.");
  static_assert(leadingSentences("Version 6.4 fails. Retry.", 1) == "Version 6.4 fails.");
}

}  // namespace
}  // namespace quenmar::catalog::cics
