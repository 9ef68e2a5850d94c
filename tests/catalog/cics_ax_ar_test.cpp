#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
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

// The keys of the rows whose text in `pane` passes `test`.
template <typename Test>
KeySet rowsWhere(std::span<const TextRow> rows, Pane pane, Test test) {
  KeySet keys;
  for (const TextRow& row : rows) {
    if (test(paneOf(row, pane))) keys.insert(row.keys[0]);
  }
  return keys;
}

KeySet rowsShowing(std::span<const TextRow> rows, Pane pane, std::string_view shared) {
  return rowsWhere(rows, pane, [shared](std::string_view t) { return sameObject(t, shared); });
}

// Letters sort before digits in both of the last two places.
int rank(char c) { return c >= '0' && c <= '9' ? c + 100 : c; }

TEST(CicsAxAr, KeysAreTheListedCodesInTestOrderPlusAxtq) {
  std::vector<std::string_view> listedX, listedR, keysX, keysR;
  for (std::string_view code : codeList()) {
    if (code[1] == 'X') listedX.push_back(code);
    if (code[1] == 'R') listedR.push_back(code);
  }
  ASSERT_EQ(std::count(listedX.begin(), listedX.end(), "AXTQ"), 0);
  listedX.insert(std::find(listedX.begin(), listedX.end(), "AXTR"), "AXTQ");
  for (const TextRow& row : cicspr9Table()) keysX.push_back(row.keys[0]);
  for (const TextRow& row : cicspr11Table()) keysR.push_back(row.keys[0]);
  EXPECT_EQ(keysX, listedX);
  EXPECT_EQ(keysR, listedR);
  EXPECT_EQ(keysX.size() + keysR.size(), 103u);
  for (const auto* keys : {&keysX, &keysR}) {
    EXPECT_TRUE(std::is_sorted(keys->begin(), keys->end(), [](std::string_view a, auto b) {
      return std::pair(rank(a[2]), rank(a[3])) < std::pair(rank(b[2]), rank(b[3]));
    }));
  }
  // Digit zero and letter O are different keys.
  EXPECT_NE(entryOf(cicspr9Table(), "AXF0").description,
            entryOf(cicspr9Table(), "AXFO").description);
  EXPECT_NE(findByText(cicspr11Table(), "ARM0"), nullptr);
  for (std::string_view miss : {"ARMO", "axfa", "AXFA ", "AXF"}) {
    EXPECT_EQ(findByText(cicspr9Table(), miss), nullptr) << miss;
    EXPECT_EQ(findByText(cicspr11Table(), miss), nullptr) << miss;
  }
}

TEST(CicsAxAr, TextsArePlainSingleLinesWithinTheirLengths) {
  for (auto [rows, longest] : {std::pair(cicspr9Table(), 474u), std::pair(cicspr11Table(), 385u)}) {
    std::size_t max = 0;
    for (const TextRow& row : rows) {
      EXPECT_TRUE(sameObject(row.entry.reason, kNA)) << row.keys[0];
      for (Pane pane : kTextPanes) {
        const std::string_view text = paneOf(row, pane);
        ASSERT_FALSE(text.empty()) << row.keys[0];
        EXPECT_NE(text, "NA") << row.keys[0];
        EXPECT_TRUE(text.front() != ' ' && text.back() != ' ') << row.keys[0];
        EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                                [](char c) { return c >= ' ' && c <= '~' && c != '"'; }))
            << row.keys[0] << ": " << text;
        max = std::max(max, text.size());
      }
    }
    EXPECT_EQ(max, longest);
  }
}

// A text shown by several rows, or equal to a stock text, is one object.
TEST(CicsAxAr, EqualTextsAreOneObject) {
  std::map<std::string_view, const char*> seen;
  for (std::string_view stock :
       {kNA.view(), kTaskAbendedWithCicsDump.view(), kTransactionAbendedWithCicsDump.view(),
        kTransactionAbendedWithDump.view(), kTransactionAbended.view(), kTaskAbendedWithDump.view(),
        kCicsTerminatesTaskWithDump.view(), kCicsTerminatesTaskWithTransactionDump.view(),
        kVendorReferral.view(), kSeeDomainMessageProduced.view(), kSeeDomainMessageFrom.view()}) {
    seen.emplace(stock, stock.data());
  }
  for (auto rows : {cicspr9Table(), cicspr11Table()}) {
    for (const TextRow& row : rows) {
      for (Pane pane : kTextPanes) {
        const auto [it, fresh] = seen.emplace(paneOf(row, pane), paneOf(row, pane).data());
        EXPECT_TRUE(fresh || it->second == paneOf(row, pane).data()) << row.keys[0];
      }
    }
  }
}

TEST(CicsAxAr, SharedTextsStandInTheirRows) {
  const auto ax = cicspr9Table();
  const auto ar = cicspr11Table();
  EXPECT_EQ(rowsShowing(ax, kAction, kTaskAbendedWithCicsDump).size(), 36u);
  EXPECT_EQ(rowsShowing(ax, kAction, kTaskAbendedWithDump),
            (KeySet{"AXFY", "AXF0", "AXF1", "AXF2", "AXF3", "AXTI", "AXTJ"}));
  EXPECT_EQ(rowsShowing(ax, kAction, kTransactionAbendedWithCicsDump).size(), 1u);
  EXPECT_FALSE(rowsShowing(ax, kAction, kCicsTerminatesTaskWithTransactionDump).empty());
  EXPECT_EQ(rowsShowing(ax, kAction, entryOf(ax, "AXTP").action), (KeySet{"AXTP", "AXTQ", "AXTR"}));
  EXPECT_EQ(rowsShowing(ax, kResponse, entryOf(ax, "AXFI").response),
            (KeySet{"AXFI", "AXFO", "AXFP", "AXFR", "AXFS", "AXFT"}));
  EXPECT_EQ(rowsShowing(ax, kResponse, entryOf(ax, "AXMA").response),
            (KeySet{"AXMA", "AXMB", "AXMC"}));
  EXPECT_NE(entryOf(ax, "AXMA").response.find("DFHXM0002"), std::string_view::npos);
  EXPECT_FALSE(rowsShowing(ax, kResponse, kSeeDomainMessageProduced).empty());
  EXPECT_FALSE(rowsShowing(ax, kResponse, kSeeDomainMessageFrom).empty());

  EXPECT_EQ(rowsShowing(ar, kAction, kTaskAbendedWithCicsDump),
            (KeySet{"ARTA", "ARTB", "ARTC", "ARTD", "ARTE", "ARTF"}));
  EXPECT_EQ(rowsShowing(ar, kAction, kTransactionAbendedWithCicsDump).size(), 2u);
  EXPECT_FALSE(rowsShowing(ar, kAction, kCicsTerminatesTaskWithDump).empty());
  EXPECT_EQ(rowsShowing(ar, kAction, entryOf(ar, "ARXA").action), (KeySet{"ARXA", "ARXB", "ARXC"}));
  EXPECT_EQ(rowsShowing(ar, kResponse, entryOf(ar, "ARPF").response),
            (KeySet{"ARPF", "ARPG", "ARPH", "ARPI", "ARPJ", "ARPK", "ARPL", "ARPM", "ARPN", "ARPO",
                    "ARPV", "ARPW", "ARPX", "ARPZ", "ARP2", "ARP5"}));
  EXPECT_EQ(rowsShowing(ar, kResponse, entryOf(ar, "ARUA").response),
            (KeySet{"ARUA", "ARUB", "ARUC"}));
  EXPECT_FALSE(rowsShowing(ar, kResponse, kSeeDomainMessageProduced).empty());
}

TEST(CicsAxAr, ShortAndCutShortTexts) {
  const auto ax = cicspr9Table();
  const auto ar = cicspr11Table();
  const auto isNone = [](std::string_view t) { return t == "None."; };
  EXPECT_EQ(rowsWhere(ar, kAction, isNone), (KeySet{"ARPU", "ARP9"}));
  EXPECT_TRUE(rowsWhere(ar, kResponse, isNone).empty() && rowsWhere(ax, kAction, isNone).empty() &&
              rowsWhere(ax, kResponse, isNone).empty());
  EXPECT_EQ(entryOf(ar, "ARPJ").action, "AN");
  // Texts that stop where a list would follow.
  const auto colon = [](std::string_view t) { return t.ends_with(':'); };
  EXPECT_EQ(rowsWhere(ar, kDescription, colon), (KeySet{"ARPG", "ARPJ", "ARXC"}));
  EXPECT_EQ(rowsWhere(ax, kResponse, colon), (KeySet{"AXTL"}));
  EXPECT_EQ(entryOf(ax, "AXTL").response, "Check that:");
  EXPECT_TRUE(entryOf(ax, "AXFX").description.ends_with(" because"));
}

// Every alias abend but ARPJ tells the reader which messages went out with it; ARPL and ARPM name
// the numbers that belong to them.
TEST(CicsAxAr, AliasAbendsNameTheirMessages) {
  const auto ar = cicspr11Table();
  for (std::string_view key :
       {"ARPF", "ARPG", "ARPH", "ARPI", "ARPK", "ARPL", "ARPM", "ARPN", "ARPO"}) {
    EXPECT_NE(entryOf(ar, key).action.find("DFHRP"), std::string_view::npos) << key;
  }
  for (std::string_view number : {"DFHRP0119", "DFHRP0120", "DFHRP0132", "DFHRP0134"}) {
    EXPECT_NE(entryOf(ar, "ARPL").action.find(number), std::string_view::npos) << number;
  }
  EXPECT_NE(entryOf(ar, "ARPM").action.find("DFHRP0185"), std::string_view::npos);
  EXPECT_EQ(entryOf(ar, "ARPH").action, "The following message is issued: DFHRP0118.");
  // A message number stands only in the row of the abend that it is known to accompany; the rows
  // whose messages are not known by number name none.
  const std::map<std::string_view, KeySet> kKnown = {
      {"ARPH", {"DFHRP0118"}},
      {"ARPL", {"DFHRP0119", "DFHRP0120", "DFHRP0132", "DFHRP0134"}},
      {"ARPM", {"DFHRP0185"}}};
  for (const TextRow& row : ar) {
    std::set<std::string> named;
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row, pane);
      for (std::size_t at = text.find("DFHRP"); at != std::string_view::npos;
           at = text.find("DFHRP", at + 1)) {
        if (at + 9 <= text.size() && std::isdigit(static_cast<unsigned char>(text[at + 5])))
          named.emplace(text.substr(at, 9));
      }
    }
    const auto known = kKnown.find(row.keys[0]);
    const KeySet expected = known == kKnown.end() ? KeySet{} : known->second;
    EXPECT_EQ(KeySet(named.begin(), named.end()), expected) << row.keys[0];
  }
}

TEST(CicsAxAr, VendorReferralAndItsVariants) {
  const auto ax = cicspr9Table();
  const auto ar = cicspr11Table();
  const std::string_view referral = kVendorReferral.view();
  EXPECT_EQ(rowsShowing(ax, kResponse, referral).size(), 17u);
  EXPECT_EQ(rowsShowing(ar, kResponse, referral), (KeySet{"ARTC", "ARTD", "ARXB"}));
  const auto endsWithReferral = [referral](std::string_view t) {
    return t.size() > referral.size() && t.ends_with(referral) &&
           t[t.size() - referral.size() - 1] == ' ';
  };
  EXPECT_EQ(rowsWhere(ax, kResponse, endsWithReferral),
            (KeySet{"AXFC", "AXTG", "AXTN", "AXTP", "AXTQ"}));
  EXPECT_EQ(rowsWhere(ar, kResponse, endsWithReferral), (KeySet{"ARHA", "ARHC", "ARPA"}));
  EXPECT_TRUE(sameObject(entryOf(ax, "AXTP").response, entryOf(ax, "AXTQ").response));

  std::string misspelt(referral);
  misspelt.replace(misspelt.find(" See "), 5, " Se ");
  EXPECT_EQ(entryOf(ax, "AXFU").response, misspelt);

  const std::string_view first = leadingSentences(referral, 1);
  const std::string_view rpc = entryOf(ar, "ARPU").response;
  EXPECT_EQ(rowsShowing(ar, kResponse, rpc), (KeySet{"ARPU", "ARP4", "ARP9"}));
  EXPECT_TRUE(rpc.starts_with(first));
  EXPECT_TRUE(
      rpc.substr(first.size()).starts_with(" See the CICS External Interfaces Guide and Part 4"));
  EXPECT_TRUE(rpc.ends_with(referral.substr(referral.find("Part 4"))));
}

// Two groups of request-stream rows share a Description each, and their System Actions differ
// only in the abend code they name; all seven share one User Response.
TEST(CicsAxAr, RequestStreamRowsDifferOnlyInTheCodeTheyName) {
  const auto ar = cicspr11Table();
  const std::string_view dump = entryOf(ar, "ARZE").response;
  EXPECT_TRUE(dump.starts_with("Use the transaction dump to determine the cause of the failure."));
  EXPECT_EQ(rowsShowing(ar, kResponse, dump),
            (KeySet{"ARZE", "ARZF", "ARZI", "ARZJ", "ARZ2", "ARZ3", "ARZ4"}));
  const std::vector<std::vector<std::string_view>> groups = {{"ARZF", "ARZE", "ARZI", "ARZJ"},
                                                             {"ARZ2", "ARZ3", "ARZ4"}};
  for (const auto& group : groups) {
    const CodeEntry& model = entryOf(ar, group.front());
    const std::size_t at = model.action.find(group.front());
    ASSERT_NE(at, std::string_view::npos) << group.front();
    for (std::string_view key : group) {
      EXPECT_TRUE(sameObject(entryOf(ar, key).description, model.description)) << key;
      // ARZE names its code without the leading A.
      std::string expected(model.action);
      expected.replace(at, group.front().size(), key == "ARZE" ? "RZE" : key);
      EXPECT_EQ(entryOf(ar, key).action, expected) << key;
    }
  }
  EXPECT_NE(entryOf(ar, "ARZE").description, entryOf(ar, "ARZ2").description);
  // The GIOP rows alone hold a double blank, right after their first sentence.
  const auto doubleBlank = [](std::string_view t) { return t.find("  ") != t.npos; };
  EXPECT_EQ(rowsWhere(ar, kAction, doubleBlank), (KeySet{"ARZ2", "ARZ3", "ARZ4"}));
  const std::string_view giop = entryOf(ar, "ARZ2").action;
  EXPECT_EQ(giop.find("  "), leadingSentences(giop, 1).size());
}

}  // namespace
}  // namespace quenmar::catalog::cics
