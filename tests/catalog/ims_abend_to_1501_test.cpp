// Invariants of the IMS system abend rows "0652" to "1501": their keys against the IMS abend code
// list, the placeholders and variants where they belong, the shared texts being one object, and
// the counts and sizes of the texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
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
using Codes = std::set<std::string>;

// The describers in call order, with the number each bears.
struct Describer {
  int number;
  std::span<const TextRow> rows;
};

std::vector<Describer> describers() {
  return {{6, imspr6Table()},
          {7, imspr7Table()},
          {8, imspr8Table()},
          {9, imspr9Table()},
          {10, imspr10Table()}};
}

// The rows in list order.
const std::vector<TextRow>& stretch() {
  static const std::vector<TextRow> rows = [] {
    std::vector<std::span<const TextRow>> tables;
    for (const Describer& d : describers()) {
      tables.push_back(d.rows);
    }
    return joined(tables);
  }();
  return rows;
}

std::vector<const TextRow*> allRows() { return pointersTo(stretch()); }

const TextRow& rowOf(std::string_view code) { return testing::rowOf(stretch(), code); }

Codes codesWhere(Pane p, std::string_view text) { return asSet(keysHolding(stretch(), p, text)); }

// How a pane's texts are spread over the rows.
struct Spread {
  std::size_t distinct = 0;
  std::size_t shared = 0;      // texts shown by more than one row
  std::size_t sharedRows = 0;  // rows showing one of those
  std::size_t longest = 0;
  std::size_t shortest = 0;
};

Spread spreadOf(Pane p) {
  std::map<std::string_view, std::size_t> uses;
  for (const TextRow* row : allRows()) {
    ++uses[paneOf(*row, p)];
  }
  Spread s;
  s.distinct = uses.size();
  s.shortest = uses.begin()->first.size();
  for (const auto& [text, count] : uses) {
    if (count > 1) {
      ++s.shared;
      s.sharedRows += count;
    }
    s.longest = std::max(s.longest, text.size());
    s.shortest = std::min(s.shortest, text.size());
  }
  return s;
}

TEST(ImsAbendTo1501Keys, AreTheListItemsFrom334To619InOrder) {
  const auto list = abendCodeList();
  ASSERT_GE(list.size(), 619u);
  std::size_t item = 333;
  for (const TextRow* row : allRows()) {
    ASSERT_LT(item, list.size());
    EXPECT_EQ(row->keys[0], list[item]) << "item " << item + 1;
    EXPECT_TRUE(row->keys[1].empty() && row->keys[2].empty()) << row->keys[0];
    ++item;
  }
  EXPECT_EQ(item, 619u);
  EXPECT_EQ(list[332], "0650");
  EXPECT_EQ(list[619], "2017");
}

TEST(ImsAbendTo1501Keys, SplitOverTheDescribersInUnbrokenStretches) {
  struct Stretch {
    std::size_t rows;
    std::string_view first, last;
  };
  const std::map<int, Stretch> expected{{6, {81, "0652", "0800"}},
                                        {7, {46, "0801", "0860"}},
                                        {8, {52, "0861", "0926"}},
                                        {9, {56, "0927", "0998"}},
                                        {10, {51, "1001", "1501"}}};
  for (const Describer& d : describers()) {
    const Stretch& s = expected.at(d.number);
    ASSERT_EQ(d.rows.size(), s.rows) << "imspr" << d.number;
    EXPECT_EQ(d.rows.front().keys[0], s.first);
    EXPECT_EQ(d.rows.back().keys[0], s.last);
  }
  const auto ten = imspr10Table();
  EXPECT_EQ(ten[ten.size() - 3].keys[0], "1070");
}

TEST(ImsAbendTo1501Keys, EachCodeIsAnsweredByItsOwnDescriberOnly) {
  for (const Describer& owner : describers()) {
    for (const TextRow& row : owner.rows) {
      for (const Describer& other : describers()) {
        const CodeEntry* found = findByText(other.rows, row.keys[0]);
        if (other.number == owner.number) {
          EXPECT_EQ(found, &row.entry) << row.keys[0];
        } else {
          EXPECT_EQ(found, nullptr) << row.keys[0] << " in imspr" << other.number;
        }
      }
    }
  }
  for (std::string_view miss :
       {"0653", "1071", "1499", "1000", "652", "0652 ", " 0652", "O652", "0651", "2016", ""}) {
    for (const Describer& d : describers()) {
      EXPECT_EQ(findByText(d.rows, miss), nullptr) << "[" << miss << "]";
    }
  }
}

TEST(ImsAbendTo1501Placeholders, NaStandsWhereThePaneHasNothingToSay) {
  EXPECT_EQ(codesWhere(kReason, "NA").size(), 286u);
  EXPECT_EQ(codesWhere(kAction, "NA"), split("0824 0986 0987 0988 1017 1028 1032"));
  EXPECT_EQ(codesWhere(kResponse, "NA"),
            split("0657 0688 0720 0729 0730 0735 0738 0743 0745 0747 0763 0765 0780 0794 0795 "
                  "0796 0797 0806 0808 0811 0820 0822 0824 0833 0845 0846 0847 0848 0849 0851 "
                  "0853 0854 0855 0857 0858 0859 0860 0862 0864 0870 0880 0881 0897 0898 0899 "
                  "0900 0985 0986 0987 0988 1009 1012 1015 1017 1018 1027 1028 1031"));
  EXPECT_EQ(codesWhere(kResponse, "None. "), split("0783 0793 0807 0829 1010 1032 1039 1500"));
}

TEST(ImsAbendTo1501Placeholders, PerDescriberCountsOfNa) {
  const std::map<int, std::array<std::size_t, 2>> expected{
      {6, {0, 17}}, {7, {1, 20}}, {8, {0, 9}}, {9, {3, 4}}, {10, {3, 8}}};
  for (const Describer& d : describers()) {
    std::array<std::size_t, 2> counted{};
    for (const TextRow& row : d.rows) {
      counted[0] += row.entry.action == "NA";
      counted[1] += row.entry.response == "NA";
    }
    EXPECT_EQ(counted, expected.at(d.number)) << "imspr" << d.number;
  }
}

TEST(ImsAbendTo1501Placeholders, VariantsShowOnlyInTheirRows) {
  EXPECT_EQ(codesWhere(kAction, ""), Codes{"0888"});
  EXPECT_EQ(codesWhere(kResponse, ""), Codes{"0888"});
  EXPECT_EQ(codesWhere(kResponse, "NA "), Codes{"0895"});
  EXPECT_EQ(codesWhere(kAction, "NA "), Codes{});
  EXPECT_EQ(codesWhere(kResponse, "Perform an emergency restart."), Codes{"0705"});
  EXPECT_EQ(codesWhere(kResponse, ": Perform an emergency restart. "), Codes{"0702"});
  EXPECT_EQ(codesWhere(kAction, "IMS terminates abnormally.  "), Codes{"1037"});
  EXPECT_EQ(rowOf("0821").entry.action.substr(0, 17), "System Action:   ");
  EXPECT_NE(rowOf("0821").entry.action[17], ' ');
  for (const TextRow* row : allRows()) {
    for (Pane p : {kDescription, kAction, kResponse}) {
      if (row->keys[0] != "0821") {
        EXPECT_FALSE(paneOf(*row, p).starts_with("System Action")) << row->keys[0];
      }
    }
  }
}

TEST(ImsAbendTo1501Placeholders, SpaceShortageRowsTellWhereToRerun) {
  const Codes privateArea = split("0897 0899 0900");
  const Codes extended = split("0895 0898");
  for (const TextRow* row : allRows()) {
    const std::string code(row->keys[0]);
    const std::string_view action = row->entry.action;
    const bool rerun = action.starts_with("Rerun the job when more space is available");
    EXPECT_EQ(rerun, privateArea.contains(code) || extended.contains(code)) << code;
    if (rerun) {
      EXPECT_EQ(action.find("extended") != std::string_view::npos, extended.contains(code)) << code;
    }
  }
}

TEST(ImsAbendTo1501Stock, FamilyStockTextsAreTheSameObject) {
  struct Stock {
    Pane pane;
    const char* chars;
    std::string_view text;
    std::size_t rows;
  };
  const Stock stocks[] = {
      {kReason, kAbendNA.data(), kAbendNA, 286},
      {kAction, kAbendNA.data(), kAbendNA, 7},
      {kResponse, kAbendNA.data(), kAbendNA, 58},
      {kAction, kImsTerminatesBlank.data(), kImsTerminatesBlank, 112},
      {kAction, kProgramTerminatesBlank.data(), kProgramTerminatesBlank, 37},
      {kAction, kImsTerminates.data(), kImsTerminates, 4},
      {kResponse, kNoneBlank.data(), kNoneBlank, 8},
  };
  for (const Stock& stock : stocks) {
    std::size_t rows = 0;
    for (const TextRow* row : allRows()) {
      const std::string_view text = paneOf(*row, stock.pane);
      if (text == stock.text) {
        ++rows;
        EXPECT_EQ(text.data(), stock.chars) << row->keys[0] << " [" << stock.text << "]";
      }
    }
    EXPECT_EQ(rows, stock.rows) << "[" << stock.text << "] in pane " << stock.pane;
  }
  EXPECT_EQ(codesWhere(kAction, kImsTerminates), split("0717 0932 0966 0994"));
}

TEST(ImsAbendTo1501Stock, LocalSharedTextsCoverTheirRows) {
  EXPECT_EQ(codesWhere(kAction, "The IMS control region is abnormally terminated. "),
            split("0701 0702 0704 0705 0707 0708 0709 0712 0721 0722"));
  EXPECT_EQ(codesWhere(kResponse, "Perform an emergency restart. "),
            split("0701 0704 0707 0708 0709 0721 0722 0744"));
  EXPECT_EQ(codesWhere(kResponse, "Correct the JCL, and resubmit the job. "),
            split("0652 0654 0658 0662"));
  EXPECT_EQ(codesWhere(kResponse, "Emergency restart IMS. "), split("0762 0766 0767 0768"));
}

TEST(ImsAbendTo1501Stock, EqualTextsAreOneObject) {
  for (Pane p : {kReason, kDescription, kAction, kResponse}) {
    std::map<std::string_view, const char*> first;
    for (const TextRow* row : allRows()) {
      const std::string_view text = paneOf(*row, p);
      if (text.empty()) {
        continue;
      }
      const auto [it, fresh] = first.emplace(text, text.data());
      EXPECT_TRUE(fresh || it->second == text.data())
          << row->keys[0] << " pane " << p << " [" << text << "]";
    }
  }
}

TEST(ImsAbendTo1501Sizes, DistinctAndSharedCounts) {
  const Spread description = spreadOf(kDescription);
  EXPECT_EQ(description.distinct, 286u);
  EXPECT_EQ(description.shared, 0u);

  const Spread action = spreadOf(kAction);
  EXPECT_EQ(action.distinct, 82u);
  EXPECT_EQ(action.shared, 21u);
  EXPECT_EQ(action.sharedRows, 225u);

  const Spread response = spreadOf(kResponse);
  EXPECT_EQ(response.distinct, 204u);
  EXPECT_EQ(response.shared, 10u);
  EXPECT_EQ(response.sharedRows, 92u);

  const std::set<std::string_view> all = distinctTexts(stretch());
  const std::size_t characters = characterCount(all);
  EXPECT_EQ(all.size(), 570u);
  EXPECT_NEAR(static_cast<double>(characters), 86700.0, 8670.0);
}

TEST(ImsAbendTo1501Sizes, LengthRanges) {
  const Spread description = spreadOf(kDescription);
  EXPECT_EQ(description.shortest, 29u);
  EXPECT_EQ(description.longest, 676u);
  EXPECT_EQ(spreadOf(kAction).longest, 574u);
  EXPECT_EQ(spreadOf(kResponse).longest, 730u);
}

TEST(ImsAbendTo1501Sizes, FixedRowsAsStored) {
  const CodeEntry& e0658 = rowOf("0658").entry;
  EXPECT_EQ(e0658.description, "The program name parameter was omitted from the PARM field. ");
  EXPECT_EQ(e0658.action, "The region that issued this abend is terminated. ");
  EXPECT_EQ(e0658.response, "Correct the JCL, and resubmit the job. ");
  const CodeEntry& e0780 = rowOf("0780").entry;
  EXPECT_EQ(e0780.description, "The IMS latching routine detected a critical system error. ");
  EXPECT_EQ(e0780.action, "IMS terminates abnormally. ");
  EXPECT_EQ(e0780.response, "NA");
  const CodeEntry& e1017 = rowOf("1017").entry;
  EXPECT_EQ(e1017.description,
            "Module DBFDBDL0 attempted to convert a virtual to a real address and encountered an "
            "error.  ");
  EXPECT_EQ(e1017.action, "NA");
  EXPECT_EQ(e1017.response, "NA");
}

TEST(ImsAbendTo1501Sizes, TextsAreSingleLinesOfAsciiButOneBrokenBar) {
  const std::string_view brokenBar = "\xC2\xA6";
  std::size_t blankless = 0;
  for (const TextRow* row : allRows()) {
    for (Pane p : {kDescription, kAction, kResponse}) {
      const std::string_view text = paneOf(*row, p);
      EXPECT_EQ(text.find_first_of("\n\r\t"), std::string_view::npos) << row->keys[0];
      const bool wanted = row->keys[0] == "0775" && p == kDescription;
      const std::size_t bar = text.find(brokenBar);
      EXPECT_EQ(bar != std::string_view::npos, wanted) << row->keys[0] << " pane " << p;
      std::string rest(text);
      if (wanted && bar != std::string_view::npos) {
        EXPECT_EQ(text.substr(bar - 3, 3), "IMS");
        rest.erase(bar, brokenBar.size());
      }
      EXPECT_TRUE(
          std::all_of(rest.begin(), rest.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
          << row->keys[0] << " pane " << p;
      // Trailing blanks are data: at most three, and only a few texts end without one.
      const std::size_t kept = text.find_last_not_of(' ');
      const std::size_t blanks =
          kept == std::string_view::npos ? text.size() : text.size() - kept - 1;
      EXPECT_LE(blanks, 3u) << row->keys[0];
      if (!text.empty() && blanks == 0 && text != "NA") {
        ++blankless;
      }
    }
  }
  EXPECT_LE(blankless, 10u);
}

// The block builder's messages seldom share their abend's number, so the pairs of code and
// message are listed rather than derived from the codes.
TEST(ImsAbendTo1501Texts, DocumentedCausesNameTheirMessage) {
  const CodeMessage documented[] = {
      {"0654", "DFS654I"},  {"0657", "DFS0657I"}, {"0662", "DFS662I"},  {"0688", "DFS688I"},
      {"0718", "DFS679I"},  {"0821", "DFS826I"},  {"0828", "DFS0840I"}, {"0829", "DFS0840I"},
      {"0844", "DFS0844I"}, {"0845", "DFS1058E"}, {"0905", "DFS0905E"}, {"0909", "DFS0909I"},
      {"0919", "DFS0919I"}, {"0936", "DFS0936I"}, {"0938", "DFS0945I"}, {"0939", "DFS0946I"},
      {"0942", "DFS0949I"}, {"0943", "DFS0950I"}, {"0957", "DFS0951I"}, {"0958", "DFS0952I"},
      {"0962", "DFS0956I"}, {"0987", "DFS2426I"}, {"0988", "DFS2427I"}, {"0989", "DFS2428I"},
      {"0996", "DFS964I"},  {"0997", "DFS2436I"}, {"1011", "DFS2702A"}, {"1012", "DFS0610W"},
      {"1026", "DFS2712I"}, {"1041", "DFS1041"},  {"1060", "DFS0525A"},
  };
  EXPECT_EQ(descriptionsNotNamingTheirMessage(stretch(), documented), std::vector<std::string>{});
  // The pointer failures 0850 to 0859 are documented only as a family; each row says so rather
  // than claim a pointer of its own.
  std::size_t family = 0;
  for (const TextRow* row : allRows()) {
    if (row->keys[0] >= "0850" && row->keys[0] <= "0859") {
      ++family;
      EXPECT_NE(row->entry.description.find("0850 to 0859"), std::string_view::npos)
          << row->keys[0];
    }
  }
  EXPECT_EQ(family, 9u);  // the list has no code 0856
  // A message that merely shares an abend's number is no evidence that it leads to it: these
  // same-numbered messages end with other abends, or with none.
  const CodeMessage elsewhere[] = {
      {"0945", "DFS0945I"}, {"0949", "DFS0949I"}, {"0950", "DFS0950I"},
      {"0952", "DFS0952I"}, {"0956", "DFS0956I"}, {"0758", "DFS0758I"},
      {"0811", "DFS0811A"}, {"0901", "DFS0901A"}, {"1070", "DFS1070I"},
  };
  for (const CodeMessage& d : elsewhere) {
    for (Pane p : {kDescription, kAction, kResponse}) {
      EXPECT_EQ(paneOf(rowOf(d.code), p).find(d.message), std::string_view::npos)
          << d.code << " claims " << d.message;
    }
  }
}

}  // namespace
}  // namespace quenmar::catalog::ims
