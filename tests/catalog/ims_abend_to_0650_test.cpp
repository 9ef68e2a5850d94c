// Invariants of the IMS system abend rows from "AC6" to "0650": their keys against the IMS abend
// code list, the placeholders and shared texts where they belong, the sizes of the texts, the
// trailing blanks, and the few characters outside plain ASCII.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalog/code_lists.h"
#include "catalog/ims/ims_stock.h"
#include "catalog/ims/ims_tables.h"
#include "table_test_support.h"

namespace quenmar::catalog::ims {
namespace {

using namespace ::quenmar::catalog::testing;
using Codes = std::set<std::string>;

std::vector<std::span<const TextRow>> describers() {
  return {imspr1Table(), imspr2Table(), imspr3Table(), imspr4Table(), imspr5Table()};
}

// The rows in list order.
const std::vector<TextRow>& stretch() {
  static const std::vector<TextRow> rows = joined(describers());
  return rows;
}

std::vector<const TextRow*> allRows() { return pointersTo(stretch()); }

const TextRow& rowOf(std::string_view code) { return testing::rowOf(stretch(), code); }

// Codes whose pane holds this text, compared by content.
Codes codesWhere(Pane p, std::string_view text) { return asSet(keysHolding(stretch(), p, text)); }

// Codes whose pane points at exactly this object.
Codes codesPointingAt(Pane p, std::string_view text) {
  return asSet(keysShowing(stretch(), p, text));
}

std::size_t distinctTexts(Pane p) { return testing::distinctTexts(stretch(), p).size(); }

TEST(ImsAbendFirstStretchKeys, AreTheFirst333ListItemsInOrder) {
  std::vector<std::string_view> keys;
  for (const TextRow* row : allRows()) {
    keys.push_back(row->keys[0]);
    EXPECT_TRUE(row->keys[1].empty() && row->keys[2].empty()) << row->keys[0];
  }
  const auto list = abendCodeList();
  ASSERT_GT(list.size(), 333u);
  EXPECT_TRUE(std::equal(keys.begin(), keys.end(), list.begin(), list.begin() + 333));
  EXPECT_EQ(keys.size(), 333u);
  EXPECT_EQ(list[333], "0652");

  struct Member {
    std::size_t rows;
    std::string_view first, last;
  };
  const Member members[] = {{44, "AC6", "0050"},
                            {64, "0056", "0150"},
                            {59, "0151", "0300"},
                            {83, "0302", "0500"},
                            {83, "0501", "0650"}};
  for (std::size_t d = 0; d < 5; ++d) {
    const auto table = describers()[d];
    ASSERT_EQ(table.size(), members[d].rows) << "describer " << d + 1;
    EXPECT_EQ(table.front().keys[0], members[d].first);
    EXPECT_EQ(table.back().keys[0], members[d].last);
  }
}

TEST(ImsAbendFirstStretchKeys, EachKeyIsAnsweredByOneDescriberAndNearMissesByNone) {
  const auto owners = [](std::string_view code) {
    std::vector<std::size_t> found;
    const auto tables = describers();
    for (std::size_t d = 0; d < tables.size(); ++d) {
      if (findByText(tables[d], code) != nullptr) {
        found.push_back(d + 1);
      }
    }
    return found;
  };
  for (const TextRow* row : allRows()) {
    EXPECT_EQ(owners(row->keys[0]).size(), 1u) << row->keys[0];
  }
  EXPECT_EQ(owners("0650"), std::vector<std::size_t>{5});
  EXPECT_EQ(owners("AC6"), std::vector<std::size_t>{1});
  for (std::string_view miss : {"0651", "0652", "0051", "0018", "0003", "0001", "ac6", " AC6",
                                "AC6 ", "2", "02", "", "0360 "}) {
    EXPECT_TRUE(owners(miss).empty()) << "'" << miss << "'";
  }
}

TEST(ImsAbendFirstStretchPlaceholders, NaStandsWhereItBelongsAsTheStockObject) {
  const Codes everyCode = [] {
    Codes codes;
    for (const TextRow* row : allRows()) {
      codes.insert(std::string(row->keys[0]));
    }
    return codes;
  }();
  Codes allButAc6 = everyCode;
  allButAc6.erase("AC6");
  EXPECT_EQ(codesPointingAt(kReason, kAbendNA), allButAc6);
  EXPECT_EQ(codesPointingAt(kReason, kImsSystemAbendCode), Codes{"AC6"});

  const Codes actionNa = split("AC6 0231 0360 0361 0362 0380 0381 0384 0385");
  EXPECT_EQ(codesWhere(kAction, "NA"), actionNa);
  EXPECT_EQ(codesPointingAt(kAction, kAbendNA), actionNa);

  const Codes responseNa = split(
      "0029 0031 0049 0050 0112 0120 0131 0134 0135 0136 0139 0140 0141 0145 0147 0148 0154 0156 "
      "0157 0160 0175 0176 0231 0240 0243 0254 0265 0271 0274 0316 0322 0360 0361 0362 0371 0380 "
      "0381 0384 0385 0390 0391 0392 0393 0394 0396 0475 0481 0484 0485 0504 0507 0513 0517 0519 "
      "0553 0554 0555 0557 0564 0572 0573 0587 0589 0591 0592 0594 0595 0596 0597 0599 0605 0606 "
      "0631");
  EXPECT_EQ(responseNa.size(), 73u);
  EXPECT_EQ(codesWhere(kResponse, "NA"), responseNa);
  EXPECT_EQ(codesPointingAt(kResponse, kAbendNA), responseNa);

  EXPECT_TRUE(codesWhere(kDescription, "NA").empty());
  const TextRow& userError = rowOf("0360");
  EXPECT_EQ(userError.entry.description, "User error. ");
}

TEST(ImsAbendFirstStretchPlaceholders, VariantsShowAsStoredInTheirOwnRows) {
  EXPECT_EQ(codesWhere(kResponse, "NA "), split("0077 0078 0079 0084"));
  EXPECT_EQ(codesWhere(kAction, "NA "), Codes{"0084"});
  EXPECT_EQ(codesWhere(kResponse, ""), split("0076 0143"));
  for (Pane p : {kDescription, kAction}) {
    EXPECT_TRUE(codesWhere(p, "").empty());
  }
  EXPECT_EQ(codesPointingAt(kResponse, kNoneBlank),
            split("0255 0302 0427 0437 0438 0452 0474 0511 0567 0568 0580 0611"));
  EXPECT_EQ(codesWhere(kResponse, "None."), Codes{"0025"});
  EXPECT_EQ(codesWhere(kResponse, "None required."), Codes{"0022"});
  EXPECT_EQ(codesWhere(kResponse, "None required. "), split("0566 0604"));
}

TEST(ImsAbendFirstStretchSharedTexts, StockTextsOfAllStretchesAreTheHeaderObjects) {
  const Codes imsTerminates = split(
      "0008 0009 0010 0011 0012 0013 0014 0015 0016 0017 0019 0021 0022 0026 0036 0037 0038 "
      "0039 0040 0041 0042 0043 0044 0045 0049 0404");
  EXPECT_EQ(codesWhere(kAction, "IMS terminates abnormally."), imsTerminates);
  EXPECT_EQ(codesPointingAt(kAction, kImsTerminates), imsTerminates);
  EXPECT_EQ(codesPointingAt(kResponse, kImsTerminates), Codes{"0008"});

  const Codes programTerminates =
      split("0103 0106 0107 0151 0152 0154 0200 0275 0367 0427 0442 0476 0478");
  EXPECT_EQ(codesWhere(kAction, "The application program terminates abnormally. "),
            programTerminates);
  EXPECT_EQ(codesPointingAt(kAction, kProgramTerminatesBlank), programTerminates);

  // 81 rows, every one of them from "0075" on.
  const Codes terminatesBlank = codesWhere(kAction, "IMS terminates abnormally. ");
  EXPECT_EQ(terminatesBlank.size(), 81u);
  EXPECT_EQ(codesPointingAt(kAction, kImsTerminatesBlank), terminatesBlank);
  EXPECT_GE(*terminatesBlank.begin(), "0075");
  EXPECT_EQ(terminatesBlank.count("AC6"), 0u);
}

TEST(ImsAbendFirstStretchSharedTexts, LocalSharedTextsStandInTheirRowsOnly) {
  struct Shared {
    Pane pane;
    std::string_view text;
    const char* codes;
  };
  const Shared shared[] = {
      {kAction, "IMS terminated abnormally.", "0048 0070 0071 0072 0073 0074"},
      {kAction, "The dependent region is terminated. ",
       "0114 0131 0132 0134 0135 0139 0140 0141 0143 0144 0145 0147 0149 0156 0437 0485"},
      {kAction, "The control region terminates abnormally. ",
       "0590 0591 0592 0594 0598 0599 0600 0602 0603"},
      {kAction, "The region that issued this abend is terminated. ",
       "0632 0634 0640 0642 0643 0644 0646 0648 0650"},
      {kAction, "IMS terminates abnormally with a dump. ",
       "0095 0098 0302 0315 0363 0364 0365 0624"},
      {kAction, "The BMP region is terminated abnormally. ",
       "0262 0432 0436 0440 0444 0448 0452 0453"},
      {kAction, "The IMS control region terminates abnormally. ",
       "0092 0113 0120 0481 0484 0516 0552"},
      {kAction,
       "The modified standard DL/I program terminates abnormally, and the input message is "
       "discarded. ",
       "0123 0126"},
      {kAction,
       "The modified standard DL/I program terminates abnormally and the input message is "
       "discarded. ",
       "0124 0125"},
      {kAction, "MS terminates abnormally.", "0005"},
      {kResponse, "Correct the JCL, and resubmit the job. ", "0209 0214 0638 0640 0646 0648 0650"},
      {kResponse, "Correct the JCL and resubmit the job. ", "0632 0634 0641"},
      {kResponse, "Reenter the transaction. ", "0123 0124 0125 0126 0128"},
      {kResponse, "Emergency restart IMS to resume processing.", "0017 0019 0021 0071"},
      {kResponse, "Emergency restart IMS to resume processing. ", "0090 0215"},
  };
  for (const Shared& s : shared) {
    const Codes expected = split(s.codes);
    const Codes found = codesWhere(s.pane, s.text);
    EXPECT_EQ(found, expected) << s.text;
    ASSERT_FALSE(found.empty()) << s.text;
    // Every row shows the one object of the first.
    EXPECT_EQ(codesPointingAt(s.pane, paneOf(rowOf(*found.begin()), s.pane)), expected) << s.text;
  }
}

TEST(ImsAbendFirstStretchSharedTexts, EqualTextsAreOneObjectAcrossAllPanes) {
  std::map<std::string_view, const char*> objects;
  for (const TextRow* row : allRows()) {
    for (Pane p : kAllPanes) {
      const std::string_view text = paneOf(*row, p);
      const auto [it, fresh] = objects.emplace(text, text.data());
      EXPECT_TRUE(fresh || it->second == text.data())
          << row->keys[0] << " pane " << p << ": " << text;
    }
  }
  const TextRow& repeated = rowOf("0257");
  EXPECT_EQ(repeated.entry.action.data(), repeated.entry.description.data());
  EXPECT_EQ(repeated.entry.action, repeated.entry.description);
  const TextRow& same = rowOf("0008");
  EXPECT_EQ(same.entry.action.data(), same.entry.response.data());
}

TEST(ImsAbendFirstStretchTexts, DistinctCountsAndLengths) {
  EXPECT_EQ(distinctTexts(kDescription), 333u);
  EXPECT_EQ(distinctTexts(kAction), 128u);
  EXPECT_EQ(distinctTexts(kResponse), 224u);

  std::size_t shortest = SIZE_MAX;
  std::size_t longest[4] = {};
  for (const TextRow* row : allRows()) {
    shortest = std::min(shortest, row->entry.description.size());
    for (Pane p : kAllPanes) {
      longest[p] = std::max(longest[p], paneOf(*row, p).size());
    }
  }
  EXPECT_EQ(shortest, 12u);
  EXPECT_EQ(longest[kDescription], 795u);
  EXPECT_EQ(longest[kAction], 564u);
  EXPECT_EQ(longest[kResponse], 644u);
  EXPECT_EQ(rowOf("AC6").entry.response.size(), 644u);
}

TEST(ImsAbendFirstStretchTexts, OneLinePlainTextWithThreeBrokenBars) {
  const std::string brokenBar = "\u00A6";
  std::set<std::pair<std::string, int>> barTexts;
  for (const TextRow* row : allRows()) {
    for (Pane p : kAllPanes) {
      const std::string text(paneOf(*row, p));
      std::string rest = text;
      const std::size_t bar = text.find(brokenBar);
      if (bar != std::string::npos) {
        barTexts.emplace(std::string(row->keys[0]), p);
        EXPECT_EQ(text.find(brokenBar, bar + 1), std::string::npos) << row->keys[0];
        ASSERT_GT(bar, 0u);
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(text[bar - 1]))) << row->keys[0];
        rest.erase(bar, brokenBar.size());
      }
      for (unsigned char c : rest) {
        EXPECT_TRUE(c >= 32 && c < 127) << row->keys[0] << " pane " << p;
      }
    }
  }
  const std::set<std::pair<std::string, int>> expected = {
      {"0016", kDescription}, {"0129", kDescription}, {"0379", kResponse}};
  EXPECT_EQ(barTexts, expected);
}

TEST(ImsAbendFirstStretchTexts, TrailingBlanksBeginWithCode0075) {
  const auto rows = allRows();
  ASSERT_EQ(rows[51]->keys[0], "0075");
  std::size_t earlyBlank = 0;
  for (std::size_t i = 0; i < 51; ++i) {
    for (Pane p : kAllPanes) {
      const std::string_view text = paneOf(*rows[i], p);
      earlyBlank += !text.empty() && text.back() == ' ' ? 1 : 0;
    }
  }
  EXPECT_EQ(earlyBlank, 4u);

  std::size_t twoBlanks = 0;
  for (std::size_t i = 51; i < rows.size(); ++i) {
    for (Pane p : {kDescription, kAction, kResponse}) {
      const std::string_view text = paneOf(*rows[i], p);
      if (text.empty() || text == "NA" || text.data() == kImsTerminates.data()) {
        continue;
      }
      EXPECT_EQ(text.back(), ' ') << rows[i]->keys[0] << " pane " << p;
      twoBlanks += text.size() > 1 && text.substr(text.size() - 2) == "  " ? 1 : 0;
    }
  }
  EXPECT_GT(twoBlanks, 0u);
  EXPECT_EQ(codesPointingAt(kAction, kImsTerminates).count("0404"), 1u);
}

TEST(ImsAbendFirstStretchTexts, DocumentedCausesNameTheirMessage) {
  const CodeMessage documented[] = {
      {"0005", "DFS0738X"}, {"0008", "DFS0610W"}, {"0015", "DFS0671W"}, {"0016", "DFS1990I"},
      {"0023", "DFS0404W"}, {"0037", "DFS037I"},  {"0039", "DFS039I"},  {"0041", "DFS041I"},
      {"0044", "DFS044I"},  {"0045", "DFS045I"},  {"0047", "DFS049I"},  {"0071", "DFS0887A"},
      {"0083", "DFS1920I"}, {"0088", "DFS0088I"}, {"0113", "DFS0613I"}, {"0119", "DFS555I"},
      {"0128", "DFS555I"},  {"0129", "DFS555I"},  {"0150", "DFS0404W"}, {"0311", "DFS3075I"},
      {"0404", "DFS0404W"}, {"0437", "DFS2854A"}, {"0484", "DFS049I"},  {"0598", "DFS3889A"},
      {"0622", "DFS0622I"}, {"0623", "DFS623I"},  {"0643", "DFS643I"},  {"0302", "DFS304A"},
      {"0310", "DFS3039A"}, {"0415", "DFS0408I"}, {"0427", "DFS0427I"}, {"0430", "DFS0436I"},
      {"0451", "DFS0451I"}, {"0119", "DFS0809E"}, {"0016", "DFS1991I"}, {"0039", "DFS3389I"},
      {"0071", "DFS3305E"}, {"0201", "DFS3775A"}, {"0302", "DFS329A"},  {"0311", "DFS3072I"},
      {"0430", "DFS0431I"}, {"0010", "DFS0604W"}, {"0012", "DFS0605W"}, {"0102", "DFS0540I"},
      {"0616", "DFS616I"},  {"0043", "DFS043I"},  {"0070", "DFS0415W"}, {"0359", "DFS383A"},
      {"0152", "DFS1070I"},
  };
  EXPECT_EQ(descriptionsNotNamingTheirMessage(stretch(), documented), std::vector<std::string>{});
  // The two protect-key checks are opposites; a swap of their texts would still read well.
  EXPECT_NE(rowOf("0622").entry.description.find("0 to 7"), std::string_view::npos);
  EXPECT_NE(rowOf("0623").entry.description.find("8 to 15"), std::string_view::npos);
  // 0002 is what the dependent regions receive, not the control region's own end.
  EXPECT_NE(rowOf("0002").entry.description.find("dependent region"), std::string_view::npos);
  // A DFS message that merely shares an abend's number is no evidence that it leads to it: the
  // region controller codes without a page of their own must not claim such a message.
  for (const char* code : {"0632", "0634", "0640", "0642", "0644", "0648", "0650"}) {
    const std::string sameNumber = std::string("DFS") + (code + 1);
    EXPECT_EQ(rowOf(code).entry.description.find(sameNumber), std::string_view::npos) << code;
  }
}

// A row whose code no documentation describes must not slip in a cause after all: it names its
// own code (so it was not copied from a neighbour) and no DFS message other than DFS629I, the
// abend message that can name the failing module for any code.
TEST(ImsAbendFirstStretchTexts, UndescribedRowsClaimNoMessage) {
  std::size_t undescribed = 0;
  for (const TextRow* row : allRows()) {
    const std::string_view description = row->entry.description;
    if (description.find("documentation consulted") == std::string_view::npos) {
      continue;
    }
    ++undescribed;
    for (Pane p : kTextPanes) {
      const std::string_view text = paneOf(*row, p);
      for (std::size_t at = text.find("DFS"); at != std::string_view::npos;
           at = text.find("DFS", at + 1)) {
        const bool numbered =
            at + 3 < text.size() && std::isdigit(static_cast<unsigned char>(text[at + 3])) != 0;
        EXPECT_TRUE(!numbered || text.substr(at, 7) == "DFS629I")
            << row->keys[0] << " names " << text.substr(at, 8);
      }
    }
  }
  EXPECT_GT(undescribed, 0u);
  EXPECT_EQ(lastResortTextsNotNamingTheirCode(stretch()), Keys{});
}

// An explanation that sends the reader to another abend ("... ends with abend 0150") names a
// code that the IMS abend code list offers, so the reader can look it up.
TEST(ImsAbendFirstStretchTexts, AbendsReferredToAreListedCodes) {
  const auto list = abendCodeList();
  const std::set<std::string_view> listed(list.begin(), list.end());
  std::size_t references = 0;
  for (const TextRow* row : allRows()) {
    for (Pane p : kTextPanes) {
      const std::string_view text = paneOf(*row, p);
      for (std::size_t at = text.find("abend "); at != std::string_view::npos;
           at = text.find("abend ", at + 1)) {
        const std::string_view code = text.substr(at + 6, 4);
        if (code.size() == 4 && std::all_of(code.begin(), code.end(), [](char c) {
              return std::isdigit(static_cast<unsigned char>(c)) != 0;
            })) {
          ++references;
          EXPECT_EQ(listed.count(code), 1u) << row->keys[0] << " refers to abend " << code;
        }
      }
    }
  }
  EXPECT_GT(references, 5u);
}

TEST(ImsAbendFirstStretchTexts, QuotedRowsAndNoFiller) {
  const TextRow& ac6 = rowOf("AC6");
  EXPECT_EQ(ac6.entry.description,
            "IMS uses this z/OS abend code when forcibly terminating one z/OS task from another "
            "z/OS task.");
  const TextRow& spie = rowOf("0646");
  EXPECT_EQ(spie.entry.description, "The SPIE option in the PARM field is invalid. ");
  const TextRow& deleteFailure = rowOf("0077");
  EXPECT_EQ(deleteFailure.entry.description, "A DELETE failure occurred during initialization. ");

  for (const TextRow* row : allRows()) {
    for (Pane p : {kDescription, kAction, kResponse}) {
      const std::string text(paneOf(*row, p));
      for (const char* filler : {"TODO", "Explanation of", "See the manual", "Refer to the",
                                 "placeholder", "Lorem", "\n", "\t"}) {
        EXPECT_EQ(text.find(filler), std::string::npos) << row->keys[0];
      }
      EXPECT_NE(text, std::string(row->keys[0])) << row->keys[0];
    }
  }
}

}  // namespace
}  // namespace quenmar::catalog::ims
