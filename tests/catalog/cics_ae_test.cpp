#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/cics/cics_actl_twins.h"
#include "catalog/cics/cics_shared.h"
#include "catalog/cics/cics_stock.h"
#include "catalog/cics/cics_tables.h"
#include "catalog/code_entry.h"
#include "catalog/code_lists.h"
#include "table_test_support.h"

namespace quenmar::catalog::cics {
namespace {

bool isNA(std::string_view text) { return text == "NA"; }

using namespace ::quenmar::catalog::testing;

constexpr std::string_view kConditionTail = " condition not handled.";

const CodeEntry& ae(std::string_view key) { return entryOf(cicspr5Table(), key); }

// The keys of the rows whose pane is the very object `text`, in table order.
Keys keysShowing(Pane pane, std::string_view text) {
  return ::quenmar::catalog::testing::keysShowing(cicspr5Table(), pane, text);
}

// The condition name of a row, or nothing when the row is not a condition entry.
std::string_view conditionOf(const CodeEntry& entry) {
  const std::string_view text = entry.description;
  if (!text.ends_with(kConditionTail)) return {};
  return text.substr(0, text.size() - kConditionTail.size());
}

Keys conditionKeys() {
  Keys keys;
  for (const TextRow& row : cicspr5Table()) {
    if (!conditionOf(row.entry).empty()) keys.push_back(row.keys[0]);
  }
  return keys;
}

TEST(CicsAe, KeysAreTheListsAeItemsInOrder) {
  const auto rows = cicspr5Table();
  ASSERT_EQ(rows.size(), 146u);
  Keys listed;
  for (std::string_view item : codeList()) {
    if (item.starts_with("AE")) listed.push_back(item);
  }
  ASSERT_EQ(listed.size(), rows.size());
  std::set<std::string_view> seen;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].keys[0], listed[i]) << "row " << i;
    EXPECT_TRUE(rows[i].keys[1].empty() && rows[i].keys[2].empty()) << listed[i];
    EXPECT_TRUE(seen.insert(rows[i].keys[0]).second) << rows[i].keys[0];
  }
  EXPECT_EQ(rows.front().keys[0], "AEC1");
  EXPECT_EQ(rows.back().keys[0], "AEZQ");
}

TEST(CicsAe, OnlyExactKeysAreAnswered) {
  EXPECT_EQ(conditionOf(ae("AEID")), "EOF");
  EXPECT_EQ(conditionOf(ae("AEI4")), "EXPIRED");
  for (std::string_view miss :
       {"aeid", "AEID ", " AEID", "AEI", "", "AEI5", "AEYF", "AEZR", "AD3Z", "AFCB"}) {
    EXPECT_EQ(findByText(cicspr5Table(), miss), nullptr) << '[' << miss << ']';
  }
}

TEST(CicsAe, TextsArePrintableSingleLinesWithTheirOwnBlanks) {
  for (const TextRow& row : cicspr5Table()) {
    EXPECT_TRUE(sameObject(row.entry.reason, kNA)) << row.keys[0];
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row.entry, pane);
      ASSERT_FALSE(text.empty()) << row.keys[0] << " pane " << pane;
      EXPECT_NE(text.front(), ' ') << row.keys[0];
      EXPECT_NE(text.back(), ' ') << row.keys[0];
      EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                              [](char c) { return c >= 0x20 && c < 0x7f && c != '"'; }))
          << row.keys[0] << " pane " << pane;
      if (text == "NA") {
        EXPECT_TRUE(sameObject(text, kNA)) << row.keys[0] << " pane " << pane;
      }
      const bool aey9 = row.keys[0] == "AEY9" && pane == kDescription;
      EXPECT_EQ(text.find("  ") != std::string_view::npos, aey9) << row.keys[0];
    }
  }
  EXPECT_TRUE(ae("AEY9").description.starts_with("One of the following:  "));
  EXPECT_EQ(ae("AEY9").description.find("  "), 21u);
}

TEST(CicsAe, ConditionEntriesNameOneDistinctConditionAndNothingElse) {
  const Keys expected = {
      "AEID", "AEIE", "AEIG", "AEIH", "AEII", "AEIJ", "AEIK", "AEIL", "AEIM", "AEIN", "AEIO",
      "AEIP", "AEIQ", "AEIR", "AEIS", "AEIT", "AEIU", "AEIV", "AEIW", "AEIZ", "AEI0", "AEI1",
      "AEI2", "AEI3", "AEI4", "AEI8", "AEI9", "AEXC", "AEXF", "AEXG", "AEXI", "AEXJ", "AEXK",
      "AEXL", "AEXV", "AEXW", "AEXX", "AEX0", "AEX1", "AEX2", "AEX3", "AEX4", "AEX5", "AEX6",
      "AEX7", "AEX8", "AEX9", "AEYA", "AEYB", "AEYC", "AEYE", "AEYG", "AEYH", "AEYJ", "AEYK",
      "AEYL", "AEYM", "AEYN", "AEYO", "AEYP", "AEYQ", "AEYR", "AEYT", "AEYU", "AEYV", "AEYX",
      "AEYY", "AEYZ", "AEY0", "AEY1", "AEY2", "AEY3", "AEY7", "AEZE", "AEZF", "AEZG", "AEZH",
      "AEZI", "AEZJ", "AEZK", "AEZL", "AEZM", "AEZN", "AEZO", "AEZP", "AEZQ"};
  ASSERT_EQ(conditionKeys(), expected);
  std::set<std::string_view> names;
  for (std::string_view key : expected) {
    const CodeEntry& entry = ae(key);
    const std::string_view name = conditionOf(entry);
    EXPECT_TRUE(name.size() >= 3 && name.size() <= 12) << key;
    EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
        << key;
    EXPECT_TRUE(names.insert(name).second) << key << " repeats " << name;
    EXPECT_TRUE(sameObject(entry.action, kNA)) << key;
    EXPECT_TRUE(sameObject(entry.response, kNA)) << key;
  }
  // The EXEC interface's own table of conditions and their abends; the AEZ codes run on past
  // AEZQ (NOTSUPERUSER, CHANNELERR and the rest belong to later codes), so they are easy to shift.
  const std::map<std::string_view, std::string_view> kNamed = {
      {"AEXK", "END"},          {"AEIM", "NOTFND"},       {"AEY7", "NOTAUTH"},
      {"AEXG", "UOWLNOTFOUND"}, {"AEYP", "SEGIDERR"},     {"AEZE", "CHANGED"},
      {"AEZF", "PROCESSBUSY"},  {"AEZG", "ACTIVITYBUSY"}, {"AEZH", "PROCESSERR"},
      {"AEZI", "ACTIVITYERR"},  {"AEZJ", "CONTAINERERR"}, {"AEZK", "EVENTERR"},
      {"AEZL", "TOKENERR"},     {"AEZM", "NOTFINISHED"},  {"AEZN", "POOLERR"},
      {"AEZO", "TIMERERR"},     {"AEZP", "SYMBOLERR"},    {"AEZQ", "TEMPLATERR"}};
  for (const auto& [key, name] : kNamed) EXPECT_EQ(conditionOf(ae(key)), name) << key;

  // Apart from the condition entries only AEZA's User Response says nothing.
  for (const TextRow& row : cicspr5Table()) {
    if (!conditionOf(row.entry).empty()) continue;
    EXPECT_NE(row.entry.action, "NA") << row.keys[0];
    EXPECT_EQ(row.entry.response == "NA", row.keys[0] == "AEZA") << row.keys[0];
  }
}

// Equal texts are one object, and no two rows share a text unless they are meant to.
TEST(CicsAe, SharedTextsAreExactlyTheIntendedGroups) {
  using Groups = std::set<Keys>;
  const Keys taskDump = {"AEC1", "AEC2", "AEDA", "AEDB", "AEDC", "AEDD", "AEDE", "AEDF",
                         "AEDG", "AEDH", "AED1", "AED2", "AED3", "AED4", "AED8", "AEMP",
                         "AETF", "AETG", "AETH", "AETI", "AETJ", "AETK", "AETL", "AETM",
                         "AETN", "AETO", "AETP", "AETQ", "AETR", "AETS", "AEY6"};
  const Keys referral = {"AEDB", "AED8", "AETJ", "AETK", "AETL", "AETM", "AETN",
                         "AETO", "AETP", "AETQ", "AETR", "AETS", "AEY6"};
  const std::map<Pane, Groups> kExpected = {
      {kDescription, {{"AELA", "AELB"}, {"AETF", "AETH"}, {"AETG", "AETI"}}},
      {kAction,
       {taskDump,
        {"AEIA", "AEXU", "AEXY", "AEYD", "AEY8", "AEY9"},
        {"AEZA", "AEZB", "AEZC", "AEZD"},
        {"AEC3", "AEC4"},
        {"AEC5", "AEC6"},
        {"AEC8", "AEC9"},
        {"AED5", "AED6"},
        {"AEMB", "AEMQ"},
        {"AETA", "AETC"}}},
      {kResponse,
       {referral,
        {"AEMP", "AEMQ", "AETF", "AETH"},
        {"AEC7", "AEC8", "AEC9"},
        {"AEC3", "AEC4"},
        {"AEC5", "AEC6"},
        {"AED5", "AED6"},
        {"AELA", "AELB"},
        {"AETG", "AETI"}}}};
  for (const auto& [pane, expected] : kExpected) {
    EXPECT_EQ(sharedGroups(cicspr5Table(), pane, isNA), expected) << "pane " << pane;
  }
  EXPECT_EQ(keysShowing(kAction, kTaskAbendedWithCicsDump), taskDump);
  EXPECT_EQ(keysShowing(kResponse, kVendorReferral), referral);
}

// Texts of the whole catalogue are the headers' objects, not copies of them.
TEST(CicsAe, CatalogueWideTextsAreTheSharedObjects) {
  EXPECT_EQ(keysShowing(kAction, kTransactionAbendedWithCicsDump),
            (Keys{"AEIA", "AEXU", "AEXY", "AEYD", "AEY8", "AEY9"}));
  EXPECT_EQ(keysShowing(kAction, kTransactionAbended), (Keys{"AEZA", "AEZB", "AEZC", "AEZD"}));
  EXPECT_EQ(keysShowing(kAction, kAddaAction), (Keys{"AEMB", "AEMQ"}));
  EXPECT_EQ(keysShowing(kResponse, kAempResponse), (Keys{"AEMP", "AEMQ", "AETF", "AETH"}));
  EXPECT_EQ(keysShowing(kDescription, kAddcDescription), Keys{"AEMB"});
  EXPECT_EQ(keysShowing(kDescription, kAetfDescription), (Keys{"AETF", "AETH"}));
  EXPECT_EQ(keysShowing(kDescription, kAcsgDescription), (Keys{"AETG", "AETI"}));
  EXPECT_EQ(keysShowing(kResponse, kActlResponse), (Keys{"AETG", "AETI"}));

  // The two rows without the full stop show the stock text cut short by exactly that stop.
  const std::string_view unstopped = ae("AETA").action;
  EXPECT_EQ(std::string(unstopped) + ".", std::string(kTaskAbendedWithDump.view()));
  EXPECT_TRUE(keysShowing(kAction, kTaskAbendedWithDump).empty());

  for (const TextRow& row : cicspr5Table()) {
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row.entry, pane);
      if (!sameObject(text, kVendorReferral)) {
        EXPECT_FALSE(text.ends_with(kVendorReferral.view())) << row.keys[0] << " pane " << pane;
      }
    }
  }
}

TEST(CicsAe, DistinctTextsCountsAndLengthsStayInTheirRanges) {
  struct Expected {
    std::size_t distinct, shortest, longest;
  };
  const std::map<Pane, Expected> kExpected = {
      {kDescription, {143, 26, 531}}, {kAction, {16, 41, 214}}, {kResponse, {37, 30, 398}}};
  std::map<std::string_view, std::set<Pane>> panesOf;
  for (const auto& [pane, expected] : kExpected) {
    std::set<std::string_view> texts;
    for (const TextRow& row : cicspr5Table()) {
      const std::string_view text = paneOf(row.entry, pane);
      if (text == "NA") continue;
      texts.insert(text);
      panesOf[text].insert(pane);
    }
    EXPECT_EQ(texts.size(), expected.distinct) << "pane " << pane;
    const auto [shortest, longest] = std::minmax_element(
        texts.begin(), texts.end(), [](auto a, auto b) { return a.size() < b.size(); });
    EXPECT_EQ(shortest->size(), expected.shortest) << "pane " << pane;
    EXPECT_EQ(longest->size(), expected.longest) << "pane " << pane;
  }
  std::size_t characters = 0;
  for (const auto& [text, panes] : panesOf) {
    EXPECT_EQ(panes.size(), 1u) << "serves two panes: " << text;
    characters += text.size();
  }
  EXPECT_EQ(panesOf.size(), 196u);
  EXPECT_NEAR(static_cast<double>(characters), 21576.0, 2157.0);

  EXPECT_EQ(ae("AEIA").description.size(), 402u);
  EXPECT_EQ(ae("AEC5").action.size(), 142u);
  EXPECT_EQ(ae("AEC8").action.size(), 184u);
  EXPECT_NE(ae("AELA").action, ae("AELB").action);
  EXPECT_NE(ae("AEXU").response.find("AEIA"), std::string_view::npos);
}

// A picked code that the list lookup answers itself shows a titled entry; typed, it shows this
// one, and the two agree only where they are meant to.
TEST(CicsAe, InlineEntriesDifferFromTheDescribersWhereIntended) {
  std::size_t shared = 0;
  for (const TextRow& inlineRow : inlineEntries()) {
    const std::string_view key = inlineRow.keys[0];
    if (!key.starts_with("AE")) continue;
    ++shared;
    const CodeEntry& mine = ae(key);
    const CodeEntry& picked = inlineRow.entry;
    EXPECT_NE(picked.reason, "NA") << key;
    EXPECT_NE(picked.description, mine.description) << key;
    EXPECT_GT(picked.description.size(), mine.description.size()) << key;
    if (key == "AEIA" || key == "AEY9") {
      EXPECT_TRUE(sameObject(picked.action, mine.action)) << key;
      EXPECT_TRUE(sameObject(picked.response, mine.response)) << key;
    } else if (key == "AEY7") {
      EXPECT_TRUE(sameObject(picked.action, kNA) && sameObject(mine.action, kNA));
      EXPECT_TRUE(sameObject(picked.response, kNA) && sameObject(mine.response, kNA));
    } else {
      EXPECT_FALSE(conditionOf(mine).empty()) << key;
      EXPECT_NE(picked.action, mine.action) << key;
      EXPECT_NE(picked.response, mine.response) << key;
    }
  }
  EXPECT_EQ(shared, 52u);
  EXPECT_TRUE(sameObject(ae("AEIA").response, kAeiaResponse));
  EXPECT_TRUE(sameObject(ae("AEY9").response, kAey9Response));
  EXPECT_EQ(findByText(inlineEntries(), "AEI4"), nullptr);
}

}  // namespace
}  // namespace quenmar::catalog::cics
