#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <span>
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

// The list's items whose second letter is one of `letters`, in list order.
Keys listed(std::string_view letters) { return itemsWithSecondLetter(codeList(), letters); }

struct TextFacts {
  std::map<Pane, std::size_t> distinct;
  std::size_t distinctAll = 0;
  std::size_t characters = 0;
  std::map<Pane, std::pair<std::size_t, std::size_t>> lengths;  // of the non-empty texts
  std::set<std::string> doubleBlanks, withoutFullStop;          // "KEY/D", "KEY/A", "KEY/R"
};

TextFacts factsOf(std::span<const TextRow> rows) {
  TextFacts facts;
  for (Pane pane : kTextPanes) {
    for (const TextRow& row : rows) {
      const std::string_view text = paneOf(row.entry, pane);
      const std::string cell = std::string(row.keys[0]) + "/" + "DAR"[pane];
      if (text.find("  ") != std::string_view::npos) facts.doubleBlanks.insert(cell);
      if (!text.empty() && !text.ends_with('.')) facts.withoutFullStop.insert(cell);
    }
    facts.distinct[pane] = distinctTexts(rows, pane).size();
    facts.lengths[pane] = lengthRange(rows, pane);
  }
  const std::set<std::string_view> all = distinctTexts(rows);
  facts.distinctAll = all.size();
  facts.characters = characterCount(all);
  return facts;
}

void expectCleanTexts(std::span<const TextRow> rows) {
  for (const TextRow& row : rows) {
    EXPECT_TRUE(row.keys[1].empty() && row.keys[2].empty()) << row.keys[0];
    EXPECT_TRUE(sameObject(row.entry.reason, kNA)) << row.keys[0];
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row.entry, pane);
      EXPECT_NE(text, "NA") << row.keys[0] << " pane " << pane;
      EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                              [](char c) { return c >= 0x20 && c < 0x7f && c != '"'; }))
          << row.keys[0] << " pane " << pane;
      if (text.empty()) continue;
      EXPECT_NE(text.front(), ' ') << row.keys[0] << " pane " << pane;
      EXPECT_NE(text.back(), ' ') << row.keys[0] << " pane " << pane;
    }
  }
}

// The referral closes the longer texts as written, not merely as similar words.
std::set<std::string> endingWithReferral(std::span<const TextRow> rows) {
  std::set<std::string> cells;
  for (const TextRow& row : rows) {
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row.entry, pane);
      if (text.size() > kVendorReferral.size() && text.ends_with(kVendorReferral.view())) {
        EXPECT_EQ(text[text.size() - kVendorReferral.size() - 1], ' ') << row.keys[0];
        cells.insert(std::string(row.keys[0]) + "/" + "DAR"[pane]);
      }
    }
  }
  return cells;
}

TEST(CicsAaAjAk, KeysAreTheListsItemsInOrderWithAjaaFirst) {
  EXPECT_EQ(keysOf(cicspr1Table()), listed("A"));
  EXPECT_EQ(cicspr1Table().size(), 68u);
  Keys ajak = listed("JK");
  EXPECT_EQ(std::count(ajak.begin(), ajak.end(), "AJAA"), 0);
  ajak.insert(ajak.begin(), "AJAA");
  EXPECT_EQ(keysOf(cicspr7Table()), ajak);
  EXPECT_EQ(cicspr7Table().size(), 63u);
  // The list's own ordering breaks letters-before-digits here: AJH0 to AJH9 precede AJHA.
  const Keys keys = keysOf(cicspr7Table());
  EXPECT_LT(std::find(keys.begin(), keys.end(), "AJH9"),
            std::find(keys.begin(), keys.end(), "AJHA"));
}

TEST(CicsAaAjAk, LookupIsExactAndCaseSensitive) {
  for (std::string_view miss : {"aaca", "AACA ", " AACA", "AAC", "", "AAL5", "AAO1", "AAO6"}) {
    EXPECT_EQ(findByText(cicspr1Table(), miss), nullptr) << '[' << miss << ']';
  }
  for (std::string_view miss : {"ajaa", "AJAA ", "AJA", "AK", "AJH6", "AJH7", "AJ06", "AKC4",
                                "AKC5", "APXA", "AITH", "S0C4", "AACA"}) {
    EXPECT_EQ(findByText(cicspr7Table(), miss), nullptr) << '[' << miss << ']';
  }
  EXPECT_EQ(findByText(cicspr1Table(), "AJAA"), nullptr);
  EXPECT_NE(&entryOf(cicspr7Table(), "AKC0"), &entryOf(cicspr7Table(), "AKCB"));
  EXPECT_NE(entryOf(cicspr1Table(), "AAO2").description,
            entryOf(cicspr1Table(), "AAOZ").description);
}

TEST(CicsAaAjAk, TextsAreCleanOneLineValuesWithReasonNa) {
  expectCleanTexts(cicspr1Table());
  expectCleanTexts(cicspr7Table());
  // AAMI alone empties a pane.
  for (const TextRow& row : cicspr1Table()) {
    for (Pane pane : kTextPanes) {
      EXPECT_EQ(paneOf(row.entry, pane).empty(), row.keys[0] == "AAMI" && pane == kResponse)
          << row.keys[0] << " pane " << pane;
    }
  }
  EXPECT_TRUE(sameObject(entryOf(cicspr1Table(), "AAMI").response, kAamiResponse));
}

TEST(CicsAaAjAk, AaCountsLengthsAndBlanks) {
  const TextFacts facts = factsOf(cicspr1Table());
  EXPECT_EQ(facts.distinct.at(kDescription), 64u);
  EXPECT_EQ(facts.distinct.at(kAction), 15u);
  EXPECT_EQ(facts.distinct.at(kResponse), 31u);  // the empty text of AAMI included
  EXPECT_EQ(facts.distinctAll, 111u);            // "NA" and the empty text included
  EXPECT_GT(facts.characters, 16200u);
  EXPECT_LT(facts.characters, 19800u);
  EXPECT_EQ(facts.lengths.at(kDescription), std::make_pair(std::size_t{43}, std::size_t{360}));
  EXPECT_EQ(facts.lengths.at(kAction), std::make_pair(std::size_t{48}, std::size_t{259}));
  EXPECT_EQ(facts.lengths.at(kResponse), std::make_pair(std::size_t{29}, std::size_t{423}));
  EXPECT_EQ(facts.doubleBlanks, (std::set<std::string>{"AAL8/D", "AAOP/D", "AAOV/D", "AAM1/A"}));
  EXPECT_TRUE(facts.withoutFullStop.empty());
}

TEST(CicsAaAjAk, AjAkCountsLengthsAndBlanks) {
  const TextFacts facts = factsOf(cicspr7Table());
  EXPECT_EQ(facts.distinct.at(kDescription), 63u);
  EXPECT_EQ(facts.distinct.at(kAction), 27u);
  EXPECT_EQ(facts.distinct.at(kResponse), 46u);
  EXPECT_EQ(facts.distinctAll, 137u);  // the 136 explanation texts and "NA"
  EXPECT_GT(facts.characters, 16700u);
  EXPECT_LT(facts.characters, 20500u);
  EXPECT_EQ(facts.lengths.at(kDescription), std::make_pair(std::size_t{44}, std::size_t{300}));
  EXPECT_EQ(facts.lengths.at(kAction), std::make_pair(std::size_t{30}, std::size_t{296}));
  EXPECT_EQ(facts.lengths.at(kResponse), std::make_pair(std::size_t{32}, std::size_t{379}));
  EXPECT_EQ(facts.doubleBlanks,
            (std::set<std::string>{"AJAA/D", "AJAA/R", "AKCC/A", "AKEI/A", "AKC9/R", "AKEF/D"}));
  EXPECT_EQ(facts.withoutFullStop, (std::set<std::string>{"AJ99/A", "AKCR/D", "AKEF/D"}));
  EXPECT_TRUE(entryOf(cicspr7Table(), "AKEF").description.ends_with(" during initialization"));
  EXPECT_EQ(entryOf(cicspr7Table(), "AKEF").description.size(), 171u);

  // No text stands in two different panes.
  std::map<std::string_view, std::set<Pane>> panesOf;
  for (const TextRow& row : cicspr7Table()) {
    for (Pane pane : kTextPanes) panesOf[paneOf(row.entry, pane)].insert(pane);
  }
  for (const auto& [text, panes] : panesOf) EXPECT_EQ(panes.size(), 1u) << text;
}

TEST(CicsAaAjAk, AaSharedTextsAreExactlyTheIntendedGroups) {
  const auto rows = cicspr1Table();
  const Keys taskDump = {"AALM", "AALN", "AALO", "AALP", "AALQ", "AALR", "AALS", "AALT",
                         "AALU", "AALV", "AAL3", "AAL4", "AAL6", "AAL7", "AAMA", "AAMC",
                         "AAMD", "AAMN", "AAMO", "AAMP", "AAMQ", "AAMS", "AAMT", "AAMZ",
                         "AAOD", "AAOE", "AAOF", "AAO5", "AAO9"};
  const Keys transactionDump = {"AAOC", "AAOG", "AAOH", "AAOI", "AAOJ", "AAOK", "AAOL", "AAOM",
                                "AAON", "AAOO", "AAOP", "AAOQ", "AAOR", "AAOS", "AAOT", "AAOU",
                                "AAOV", "AAOW", "AAOX", "AAOY", "AAOZ", "AAO2", "AAO7", "AAO8"};
  const Keys referral = {"AAMA", "AAMD", "AAMF", "AAMH", "AAMN", "AAMP", "AAMS", "AAMT", "AAMZ"};
  const Keys informAndExamine = {"AALN", "AALO", "AALP", "AALQ", "AALR",
                                 "AALS", "AALT", "AALU", "AALV", "AAMJ"};
  const Keys internalError = {"AAOJ", "AAOK", "AAOL", "AAOM", "AAON",
                              "AAOQ", "AAOV", "AAOW", "AAOX", "AAO2"};
  const Keys domainMessage = {"AALM", "AAL4", "AAL6", "AAL7"};
  const Keys purge = {"AAMC", "AAOD", "AAOE", "AAOF"};

  EXPECT_EQ(sharedGroups(rows, kDescription),
            (Groups{{"AAOD", "AAOE", "AAOF", "AAO5"}, {"AAON", "AAO2"}}));
  EXPECT_EQ(sharedGroups(rows, kAction),
            (Groups{taskDump, transactionDump, {"AACA", "AAMF", "AAMH"}}));
  EXPECT_EQ(sharedGroups(rows, kResponse), (Groups{informAndExamine,
                                                   internalError,
                                                   referral,
                                                   domainMessage,
                                                   purge,
                                                   {"AAOP", "AAOR", "AAOU"},
                                                   {"AAL1", "AAL8"},
                                                   {"AAM1", "AAM2"},
                                                   {"AAO7", "AAO8"}}));

  EXPECT_EQ(keysShowing(rows, kAction, kTaskAbendedWithCicsDump), taskDump);
  EXPECT_EQ(keysShowing(rows, kAction, kTransactionAbendedWithCicsDump), transactionDump);
  EXPECT_EQ(keysShowing(rows, kAction, kCicsTerminatesTaskWithDump),
            (Keys{"AACA", "AAMF", "AAMH"}));
  EXPECT_EQ(keysShowing(rows, kResponse, kVendorReferral), referral);
  EXPECT_EQ(keysShowing(rows, kResponse, kSeeDomainMessageProduced), domainMessage);
  EXPECT_EQ(keysShowing(rows, kDescription, kAaodDescription),
            (Keys{"AAOD", "AAOE", "AAOF", "AAO5"}));
  EXPECT_EQ(keysShowing(rows, kResponse, kAacaResponse), Keys{"AACA"});

  EXPECT_EQ(entryOf(rows, "AAOP").response.size(), 206u);
  EXPECT_EQ(entryOf(rows, "AAM1").response.size(), 274u);
  EXPECT_EQ(entryOf(rows, "AAO7").response.size(), 326u);
  EXPECT_EQ(entryOf(rows, "AAOD").description.size(), 195u);
}

TEST(CicsAaAjAk, AaIdenticalEntriesAndTheReferralEndings) {
  const auto rows = cicspr1Table();
  for (const auto& group : {Keys{"AAOD", "AAOE", "AAOF"}, Keys{"AAON", "AAO2"}}) {
    const CodeEntry& first = entryOf(rows, group.front());
    for (std::string_view key : group) {
      for (Pane pane : kTextPanes) {
        EXPECT_TRUE(sameObject(paneOf(entryOf(rows, key), pane), paneOf(first, pane))) << key;
      }
    }
  }
  EXPECT_EQ(endingWithReferral(rows),
            (std::set<std::string>{"AAMI/A", "AAO4/R", "AAOS/R", "AAO7/R", "AAO8/R"}));
  EXPECT_EQ(entryOf(rows, "AAMI").action, std::string(kCicsTerminatesTaskWithDump.view()) + " " +
                                              std::string(kVendorReferral.view()));
  EXPECT_EQ(entryOf(rows, "AAO4").response.size(), 267u);
  EXPECT_EQ(entryOf(rows, "AAOS").response.size(), 423u);
}

TEST(CicsAaAjAk, AjAkSharedTextsAreExactlyTheIntendedGroups) {
  const auto rows = cicspr7Table();
  const Keys taskDump = {"AJA0", "AJCD", "AJCE", "AJCS", "AJCT", "AJCU", "AJH8", "AJH9",
                         "AJHA", "AJHB", "AJHC", "AJHD", "AJHF", "AJMB", "AJ01", "AJ02",
                         "AJ03", "AJ04", "AJ05", "AJ07", "AJ09", "AJ10", "AJ11", "AJ12"};
  const Keys crea = {"AJAA", "AJAB", "AJAC", "AJAD", "AJAE", "AJAF", "AJAG"};
  const Keys hotpooling = {"AJH0", "AJH1", "AJH3", "AJH4", "AJH5"};
  const Keys referral = {"AJAD", "AJA0", "AJHE", "AJ01", "AJ04", "AJ10", "AJ11", "AJ12", "AKEZ"};
  const Keys pipi = {"AJH1", "AJHA", "AJHB", "AJHC", "AJHF"};
  const Keys domainMessage = {"AJCD", "AJCS", "AJCT"};

  EXPECT_TRUE(sharedGroups(rows, kDescription).empty());
  EXPECT_EQ(
      sharedGroups(rows, kAction),
      (Groups{taskDump, crea, hotpooling, {"AKCE", "AKCF"}, {"AKC3", "AKC9"}, {"AKEF", "AKEG"}}));
  EXPECT_EQ(
      sharedGroups(rows, kResponse),
      (Groups{
          referral, pipi, domainMessage, {"AJCE", "AJCU"}, {"AJH4", "AJH5"}, {"AKC2", "AKC6"}}));

  EXPECT_EQ(keysShowing(rows, kAction, kTaskAbendedWithCicsDump), taskDump);
  EXPECT_EQ(keysShowing(rows, kAction, kTransactionAbendedWithDump), (Keys{"AKC3", "AKC9"}));
  EXPECT_EQ(keysShowing(rows, kAction, kCicsTerminatesTaskWithTransactionDump), Keys{"AKEZ"});
  EXPECT_EQ(keysShowing(rows, kResponse, kVendorReferral), referral);
  EXPECT_EQ(keysShowing(rows, kResponse, kSeeDomainMessageFrom), domainMessage);
  EXPECT_EQ(keysShowing(rows, kResponse, kAjceResponse), (Keys{"AJCE", "AJCU"}));
  EXPECT_EQ(keysShowing(rows, kDescription, kAaodDescription), Keys{"AJCE"});

  const CodeEntry& ajh1 = entryOf(rows, "AJH1");
  EXPECT_EQ(ajh1.action,
            std::string(kTaskAbendedWithCicsDump.view()) + " Hotpooling cannot be used.");
  EXPECT_TRUE(ajh1.response.starts_with("The PIPI return and reason codes"));
  EXPECT_EQ(entryOf(rows, "AKEF").action.size(), 258u);
  EXPECT_EQ(entryOf(rows, "AJH4").response.size(), 213u);
  for (std::string_view message : {"DFHAP1219", "DFHAP1222", "HPJDLL"}) {
    EXPECT_NE(entryOf(rows, "AJH4").response.find(message), std::string_view::npos) << message;
  }
  // Only the AJH4 and AJH5 response quotes message numbers.
  for (const TextRow& row : rows) {
    for (Pane pane : kTextPanes) {
      const bool quotes = paneOf(row.entry, pane).find("DFHAP1") != std::string_view::npos;
      EXPECT_EQ(quotes, pane == kResponse && (row.keys[0] == "AJH4" || row.keys[0] == "AJH5"))
          << row.keys[0];
    }
  }
  EXPECT_EQ(endingWithReferral(rows),
            (std::set<std::string>{"AJAA/R", "AJAB/R", "AJAC/R", "AJAE/R", "AJAF/R", "AKC9/R"}));
}

// A code whose dump is suppressed must not be described as ending with one: AKCC, the purge
// threshold of a transaction class, once promised a transaction dump that CICS never takes.
TEST(CicsAaAjAk, NoSystemActionBothSuppressesAndPromisesADump) {
  const std::span<const TextRow> tables[] = {cicspr5Table(), cicspr6Table(), cicspr7Table(),
                                             cicspr8Table()};
  for (std::span<const TextRow> rows : tables) {
    for (const TextRow& row : rows) {
      const std::string_view action = row.entry.action;
      if (action.find("suppressed") == std::string_view::npos) continue;
      EXPECT_EQ(action.find("terminated with a"), std::string_view::npos) << row.keys[0];
    }
  }
  EXPECT_NE(entryOf(cicspr7Table(), "AKCC").action.find("suppressed"), std::string_view::npos);
}

// A typed AKCS or AKCT shows the opening of the text that a pick of the code shows whole.
TEST(CicsAaAjAk, AkcsAndAkctFollowTheListLookupsOwnEntries) {
  const CodeEntry& akcs = entryOf(cicspr7Table(), "AKCS");
  EXPECT_TRUE(sameObject(akcs.description, kAkcsDescriptionLead));
  EXPECT_TRUE(sameObject(akcs.action, kAkcsAction));
  EXPECT_TRUE(sameObject(akcs.response, kAkcsResponseLead));
  const CodeEntry& akct = entryOf(cicspr7Table(), "AKCT");
  EXPECT_TRUE(sameObject(akct.description, kAkctDescriptionLead));
  EXPECT_TRUE(sameObject(akct.action, kAkctAction));
  EXPECT_TRUE(sameObject(akct.response, kAkctResponse));
  for (const auto& [lead, whole] : {std::pair{kAkcsDescriptionLead, kAkcsDescription.view()},
                                    std::pair{kAkcsResponseLead, kAkcsResponse.view()},
                                    std::pair{kAkctDescriptionLead, kAkctDescription.view()}}) {
    EXPECT_LT(lead.size(), whole.size());
    EXPECT_TRUE(whole.starts_with(lead));
    EXPECT_TRUE(lead.ends_with('.'));
  }
}

}  // namespace
}  // namespace quenmar::catalog::cics
