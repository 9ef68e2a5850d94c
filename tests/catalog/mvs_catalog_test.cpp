// Invariants of the MVS catalogue: its keys against the MVS code list, the placeholders and
// shared texts where they belong, the sizes of the texts, and the matching rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "catalog/code_lists.h"
#include "catalog/mvs/mvs_stock.h"
#include "catalog/mvs/mvs_tables.h"
#include "table_test_support.h"

namespace quenmar::catalog::mvs {
namespace {

using namespace ::quenmar::catalog::testing;
using Codes = std::set<std::string>;

std::vector<std::span<const TextRow>> describers() {
  return {mvspr1Table(),  mvspr2Table(),  mvspr3Table(), mvspr4Table(), mvspr5Table(),
          mvspr6Table(),  mvspr7Table(),  mvspr8Table(), mvspr9Table(), mvspr10Table(),
          mvspr11Table(), mvspr12Table(), mvspr13Table()};
}

// The rows of describers first..last (1-based), keyed by S-form.
std::map<std::string, const TextRow*> rows(int first, int last) {
  std::map<std::string, const TextRow*> result;
  const auto all = describers();
  for (int d = first; d <= last; ++d) {
    for (const TextRow& row : all[d - 1]) {
      result[std::string(row.keys[0])] = &row;
    }
  }
  return result;
}

Codes codesWhere(const std::map<std::string, const TextRow*>& table, Pane p,
                 std::string_view text) {
  Codes codes;
  for (const auto& [code, row] : table) {
    if (paneOf(*row, p) == text) {
      codes.insert(code);
    }
  }
  return codes;
}

struct Sizes {
  std::size_t texts = 0;
  std::size_t distinct = 0;
  std::size_t characters = 0;
  std::size_t trailingBlank = 0;
  std::size_t doubleBlank = 0;
  std::size_t shortest = SIZE_MAX;
  std::size_t longest = 0;
};

Sizes sizes(const std::map<std::string, const TextRow*>& table, const std::set<std::string>& skip) {
  Sizes s;
  std::set<std::string> distinct;
  for (const auto& [code, row] : table) {
    for (Pane p : {kReason, kDescription, kAction, kResponse}) {
      const std::string text(paneOf(*row, p));
      if (skip.count(text) == 0) {
        ++s.texts;
        distinct.insert(text);
      }
    }
  }
  s.distinct = distinct.size();
  for (const std::string& text : distinct) {
    s.characters += text.size();
    s.trailingBlank += !text.empty() && text.back() == ' ' ? 1 : 0;
    s.doubleBlank += text.find("  ") != std::string::npos ? 1 : 0;
    s.shortest = std::min(s.shortest, text.size());
    s.longest = std::max(s.longest, text.size());
  }
  return s;
}

TEST(MvsCatalogKeys, SFormsAreTheMvsListInOrderAndNoKeyRepeats) {
  std::vector<std::string_view> sForms;
  std::set<std::string_view> allKeys;
  std::size_t keyCount = 0;
  for (const auto& table : describers()) {
    for (const TextRow& row : table) {
      sForms.push_back(row.keys[0]);
      for (std::string_view key : row.keys) {
        if (!key.empty()) {
          ++keyCount;
          EXPECT_TRUE(allKeys.insert(key).second) << key;
        }
      }
    }
  }
  const auto list = codeList();
  EXPECT_TRUE(std::equal(sForms.begin(), sForms.end(), list.begin(), list.end()));
  EXPECT_EQ(keyCount, 830u);
  const std::size_t expectedRows[] = {63, 76, 57, 50, 47, 60, 37, 42, 43, 40, 29, 37, 38};
  for (std::size_t d = 0; d < 13; ++d) {
    EXPECT_EQ(describers()[d].size(), expectedRows[d]) << "describer " << d + 1;
  }
}

TEST(MvsCatalogKeys, OnlyTheFirstStretchTakesBareAndLetterOForms) {
  for (const auto& [code, row] : rows(1, 3)) {
    EXPECT_EQ(row->keys[1], code.substr(1)) << code;
    const bool programCheck = code.size() == 4 && code.compare(0, 3, "S0C") == 0;
    if (programCheck) {
      EXPECT_EQ(row->keys[2], "SOC" + code.substr(3)) << code;
    } else {
      EXPECT_TRUE(row->keys[2].empty()) << code;
    }
  }
  for (const auto& [code, row] : rows(4, 13)) {
    EXPECT_TRUE(row->keys[1].empty() && row->keys[2].empty()) << code;
  }
}

TEST(MvsCatalogKeys, MatchingIsExactAndCaseSensitive) {
  const auto find = [](std::string_view code) {
    for (const auto& table : describers()) {
      if (const CodeEntry* entry = findByText(table, code)) {
        return entry;
      }
    }
    return static_cast<const CodeEntry*>(nullptr);
  };
  const CodeEntry* s0c4 = find("S0C4");
  ASSERT_NE(s0c4, nullptr);
  EXPECT_EQ(find("0C4"), s0c4);
  EXPECT_EQ(find("SOC4"), s0c4);
  for (std::string_view none : {"s0c4", "S0C4 ", " S001", "", "0D8", "SOD7", "SO01", "SOC0", "S0DD",
                                "SFNN", "SF13", "506", "Sd37"}) {
    EXPECT_EQ(find(none), nullptr) << none;
  }
  EXPECT_NE(find("SFnn"), nullptr);
  EXPECT_NE(find("S0D8"), nullptr);
}

TEST(MvsCatalogTexts, EveryTextIsOneLineOfPlainText) {
  for (const auto& table : describers()) {
    for (const TextRow& row : table) {
      for (Pane p : {kReason, kDescription, kAction, kResponse}) {
        for (unsigned char c : paneOf(row, p)) {
          EXPECT_TRUE(c >= 32 && c < 127) << row.keys[0] << " pane " << p;
        }
      }
    }
  }
}

TEST(MvsCatalogTexts, NoTextIsFiller) {
  for (const auto& table : describers()) {
    for (const TextRow& row : table) {
      for (Pane p : {kReason, kDescription, kAction, kResponse}) {
        const std::string text(paneOf(row, p));
        for (const char* filler : {"TODO", "Explanation of", "See the manual",
                                   "Refer to the manual", "placeholder", "Lorem"}) {
          EXPECT_EQ(text.find(filler), std::string::npos) << row.keys[0];
        }
        EXPECT_NE(text, std::string(row.keys[0])) << row.keys[0];
      }
    }
  }
}

TEST(MvsFirstStretch, PlaceholdersStandWhereTheyBelong) {
  const auto table = rows(1, 3);
  EXPECT_EQ(codesWhere(table, kReason, "NA"), Codes{"S06D"});
  EXPECT_EQ(codesWhere(table, kDescription, ""), (Codes{"S019", "S06B"}));
  EXPECT_EQ(codesWhere(table, kDescription, "NA."), Codes{"S091"});
  Codes described = split(
      "S003 S004 S013 S033 S036 S037 S038 S039 S03A S03B S03C S03D S03E S043 S044 S045 S047 S048 "
      "S04A S04B S051 S052 S053 S055 S058 S059 S05C S05D S05E S060 S061 S062 S065 S066 S068 S070 "
      "S072 S073 S075 S076 S077 S07C S07E S08B S08C S08D S08F S09D S09E S09F S0A0 S0A4 S0A8 S0A9 "
      "S0AC S0AD S0B0 S0B1 S0B4 S0B6 S0B8 S0C1 S0C2 S0C3 S0C4 S0C5 S0C6 S0C7 S0C8 S0C9 S0CA S0CB "
      "S0CC S0CD S0CE S0CF S0D5 S0D6");
  Codes notDescribed;
  for (const auto& [code, row] : table) {
    if (described.count(code) == 0 && code != "S019" && code != "S06B" && code != "S091") {
      notDescribed.insert(code);
    }
  }
  EXPECT_EQ(codesWhere(table, kDescription, "NA"), notDescribed);
  EXPECT_EQ(codesWhere(table, kAction, "NA"),
            split("S001 S008 S00C S013 S014 S015 S024 S027 S030 S031 S032 S033 S034 S035 S036 "
                  "S037 S038 S039 S03A S03B S03D S03E S043 S044 S053 S056 S057 S062 S063 S068 "
                  "S071 S090 S091 S092 S093 S094 S095 S096 S097 S098 S099 S09B S0A6 S0D5"));
  EXPECT_EQ(codesWhere(table, kResponse, "NA"),
            split("S00A S00C S00F S015 S017 S01F S03B S040 S041 S046 S04C S053 S059 S05A S05B "
                  "S064 S066 S067 S069 S06A S06F S070 S071 S075 S08B S08C S0A7 S0B6 S0BA S0BB "
                  "S0BD S0BE S0BF S0D5"));
  EXPECT_EQ(codesWhere(table, kResponse, ""), Codes{"S068"});
  EXPECT_EQ(table.at("S003")->entry.description.substr(0, 27), "01 -> A READ sequence error");
  EXPECT_EQ(table.at("S026")->entry.action.substr(0, 39),
            "dditional messages explaining the error");
  EXPECT_EQ(table.at("S07E")->entry.reason.back(), '"');
}

TEST(MvsFirstStretch, ProgramChecksShareTheirTexts) {
  const auto table = rows(3, 3);
  const std::string_view action = table.at("S0C1")->entry.action;
  EXPECT_EQ(action.size(), 161u);
  EXPECT_EQ(action.substr(0, 103),
            "The system abnormally ends the task, unless a recovery routine was provided to "
            "handle the interruption.");
  const std::string_view d1 = table.at("S0C2")->entry.description;
  const std::string_view r1 = table.at("S0C2")->entry.response;
  const std::string_view r2 = table.at("S0CA")->entry.response;
  EXPECT_EQ(r1, "Correct the program logic or construction error and rerun The job.");
  EXPECT_EQ(r2.size(), 149u);
  EXPECT_TRUE(r2.ends_with(r1));
  for (const char* code : {"S0C1", "S0C2", "S0C3", "S0C4", "S0C5", "S0C6", "S0C7", "S0C8", "S0C9",
                           "S0CA", "S0CB", "S0CC", "S0CD", "S0CE", "S0CF"}) {
    EXPECT_EQ(table.at(code)->entry.action.data(), action.data()) << code;
  }
  for (const char* code :
       {"S0C2", "S0C3", "S0C8", "S0CA", "S0CB", "S0CC", "S0CD", "S0CE", "S0CF"}) {
    EXPECT_EQ(table.at(code)->entry.description.data(), d1.data()) << code;
  }
  for (const char* code : {"S0C2", "S0C3", "S0C8"}) {
    EXPECT_EQ(table.at(code)->entry.response.data(), r1.data()) << code;
  }
  for (const char* code : {"S0CA", "S0CB", "S0CC", "S0CD", "S0CE", "S0CF"}) {
    EXPECT_EQ(table.at(code)->entry.response.data(), r2.data()) << code;
  }
  for (const char* code : {"S0C1", "S0C4", "S0C5", "S0C6", "S0C7", "S0C9"}) {
    EXPECT_NE(table.at(code)->entry.response.data(), r1.data()) << code;
    EXPECT_NE(table.at(code)->entry.response.data(), r2.data()) << code;
  }
  EXPECT_EQ(table.at("S0C1")->entry.reason.size(), 398u);
  EXPECT_EQ(table.at("S0C4")->entry.reason.size(), 196u);
  EXPECT_EQ(table.at("S0C5")->entry.reason.size(), 136u);
  const TextRow& s0ab = *table.at("S0AB");
  EXPECT_EQ(s0ab.entry.reason.data(), s0ab.entry.action.data());
}

bool isUpperHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

// The text standing in front of each "->" of a text: the hexadecimal code there, or, where
// something else leans on it ("X'21'", "04-0C", a word), everything back to the previous blank,
// full stop or colon. An item whose full stop runs into the next code still yields that code.
std::vector<std::string> breakdownKeys(std::string_view text) {
  std::vector<std::string> keys;
  for (std::size_t at = text.find("->"); at != std::string_view::npos;
       at = text.find("->", at + 2)) {
    std::size_t end = at;
    while (end > 0 && text[end - 1] == ' ') {
      --end;
    }
    std::size_t start = end;
    while (start > 0 && isUpperHex(text[start - 1])) {
      --start;
    }
    const bool bounded =
        start == 0 || text[start - 1] == ' ' || text[start - 1] == '.' || text[start - 1] == ':';
    if (!bounded) {
      const std::size_t word = text.find_last_of(" .:", end - 1);
      start = word == std::string_view::npos ? 0 : word + 1;
    }
    keys.emplace_back(text.substr(start, end - start));
  }
  return keys;
}

// A breakdown lists real reason or return codes, each followed by an arrow and its meaning
// ("01 -> A READ sequence error"): what stands before an arrow is one code or a short run of
// them, never a made-up heading such as "Authority" or "DCB" (which hexadecimal letters alone
// could spell), so a code holds at least one digit.
bool isBreakdownKey(std::string_view key) {
  static const std::regex code(R"(X'[0-9A-F]{1,8}'|[0-9A-F]{0,7}[0-9][0-9A-F]{0,7})");
  static const std::regex separator(R"(, | or | and | to |-)");
  const std::string text(key);
  for (std::sregex_token_iterator it(text.begin(), text.end(), separator, -1), end; it != end;
       ++it) {
    const std::string token = *it;
    if (token.size() > 10 || !std::regex_match(token, code)) {
      return false;
    }
  }
  return !text.empty();
}

TEST(MvsFirstStretch, EveryBreakdownEntryIsKeyedByARealCode) {
  EXPECT_TRUE(isBreakdownKey("04"));
  EXPECT_TRUE(isBreakdownKey("A4, A8"));
  EXPECT_TRUE(isBreakdownKey("X'21'"));
  EXPECT_TRUE(isBreakdownKey("002D"));
  EXPECT_FALSE(isBreakdownKey("Authority"));
  EXPECT_FALSE(isBreakdownKey("DCB"));
  EXPECT_FALSE(isBreakdownKey("ADD"));
  EXPECT_FALSE(isBreakdownKey("Parameter list"));
  EXPECT_EQ(breakdownKeys("01 -> A read. 02 -> A punch.03 -> X'21' -> Parameter list -> x"),
            (std::vector<std::string>{"01", "02", "03", "X'21'", "list"}));
  for (const auto& [code, row] : rows(1, 3)) {
    for (Pane p : {kReason, kDescription, kAction, kResponse}) {
      for (const std::string& key : breakdownKeys(paneOf(*row, p))) {
        EXPECT_TRUE(isBreakdownKey(key)) << code << " pane " << p << ": \"" << key << "\"";
      }
    }
  }
}

// Where a text sends the reader to the code that really reports a condition ("reported as D23"),
// that code must be one the catalogue can show, and not the row's own.
TEST(MvsFirstStretch, CodesReferredToAreInTheMvsList) {
  static const std::regex referral(
      R"(reported (?:as|with other codes, such as) ([0-9A-F]{3})(?: to ([0-9A-F]{3}))?)");
  const auto list = codeList();
  const std::set<std::string_view> known(list.begin(), list.end());
  std::size_t referrals = 0;
  for (const auto& [code, row] : rows(1, 3)) {
    for (Pane p : {kReason, kDescription, kAction, kResponse}) {
      const std::string text(paneOf(*row, p));
      for (std::sregex_iterator it(text.begin(), text.end(), referral), end; it != end; ++it) {
        for (std::size_t group = 1; group <= 2; ++group) {
          if ((*it)[group].matched) {
            std::string target = (*it)[group].str();
            target.insert(target.begin(), 'S');
            ++referrals;
            EXPECT_EQ(known.count(target), 1u) << code << " refers to " << target;
            EXPECT_NE(target, code) << code << " refers to itself";
          }
        }
      }
    }
  }
  EXPECT_GE(referrals, 5u);
}

TEST(MvsFirstStretch, SizesOfTheTexts) {
  const Sizes s = sizes(rows(1, 3), {"NA", "NA.", ""});
  EXPECT_EQ(s.texts, 586u);
  EXPECT_EQ(s.distinct, 545u);
  EXPECT_EQ(s.trailingBlank, 159u);
  EXPECT_GE(s.shortest, 17u);
  EXPECT_LE(s.longest, 896u);
  EXPECT_NEAR(double(s.characters), 106556.0, 10656.0);
}

TEST(MvsSecondStretch, PlaceholdersAndSharedTexts) {
  const auto table = rows(4, 8);
  EXPECT_TRUE(codesWhere(table, kReason, "NA").empty());
  Codes described = split(
      "S0DC S0E2 S0E3 S0E4 S0E5 S0E7 S0E8 S0F1 S0F6 S0F8 S0F9 S106 S12C S14F S157 S15F S16B S178 "
      "S18F S215 S22C S233 S279 S312 S322 S333 S401 S42A S500 S505");
  std::size_t describedCount = 0;
  for (const auto& [code, row] : table) {
    EXPECT_EQ(row->entry.description != "NA", described.count(code) == 1) << code;
    describedCount += described.count(code);
  }
  EXPECT_EQ(describedCount, 30u);
  EXPECT_EQ(table.at("S215")->entry.description, "NE");
  EXPECT_EQ(codesWhere(table, kAction, "NA"),
            split("S101 S113 S117 S118 S12E S137 S144 S169 S16E S1C7 S1FA S1FB S213 S214 S218 "
                  "S228 S22F S237 S240 S244 S2F3 S313 S314 S317 S335 S337 S339 S344 S351 S3C5 "
                  "S3C6 S3C7 S406 S413 S414 S417 S435 S437 S444 S451 S483 S4C5"));
  EXPECT_EQ(codesWhere(table, kResponse, "NA"),
            split("S0DC S0F7 S0FF S139 S13C S14B S1FA S1FB S228 S25F S260 S285 S312 S35F S36D "
                  "S36F S3C5 S3C6 S3FB S40D S45F S4C5 S4C7"));
  EXPECT_EQ(codesWhere(table, kResponse, kNone), (Codes{"S1C2", "S2C2", "S3C2"}));
  std::size_t rerun = 0;
  for (const auto& [code, row] : table) {
    for (Pane p : {kReason, kDescription, kAction, kResponse}) {
      if (paneOf(*row, p) == kSystemErrorRerun) {
        EXPECT_EQ(paneOf(*row, p).data(), kSystemErrorRerun.data()) << code;
        ++rerun;
      }
    }
  }
  EXPECT_EQ(rerun, 6u);
  const TextRow& s301 = *table.at("S301");
  EXPECT_EQ(s301.entry.action,
            "The system abnormally ends the program that issued the WAIT macro.");
  EXPECT_EQ(s301.entry.action.data(), s301.entry.response.data());
  EXPECT_EQ(table.at("S0F0")->entry.action.substr(0, 32), "he system issues error messages.");
  EXPECT_EQ(table.at("S0F6")->entry.reason.substr(0, 36), "uring processing of a SETEVENT macro");
  const TextRow& s3c6 = *table.at("S3C6");
  EXPECT_EQ(s3c6.entry.reason, "An error occurred during IARSUBSP macro processing");
  EXPECT_EQ(table.at("S16B")->entry.description.back(), ' ');
}

TEST(MvsSecondStretch, SizesOfTheTexts) {
  const Sizes s = sizes(rows(4, 8), {"NA"});
  EXPECT_EQ(s.texts, 673u);
  EXPECT_EQ(s.distinct, 598u);
  EXPECT_EQ(s.trailingBlank, 193u);
  EXPECT_LE(s.longest, 744u);
  EXPECT_NEAR(double(s.characters), 108663.0, 10866.0);
  for (const auto& [code, row] : rows(4, 8)) {
    for (Pane p : {kReason, kDescription, kAction, kResponse}) {
      if (paneOf(*row, p) != "NE") {
        EXPECT_GE(paneOf(*row, p).size(), 2u) << code;
      }
    }
  }
}

// The count keeps a row from losing its breakdown unnoticed.
TEST(MvsSecondStretch, EveryBreakdownEntryIsKeyedByARealCode) {
  Codes breakdowns;
  for (const auto& [code, row] : rows(4, 8)) {
    for (Pane p : {kReason, kDescription, kAction, kResponse}) {
      for (const std::string& key : breakdownKeys(paneOf(*row, p))) {
        EXPECT_TRUE(isBreakdownKey(key)) << code << " pane " << p << ": \"" << key << "\"";
        EXPECT_EQ(p, kDescription) << code;
        breakdowns.insert(code);
      }
    }
  }
  EXPECT_EQ(breakdowns, split("S0DC S0F8 S0F9 S106 S157 S15F S16B S500"));
}

TEST(MvsLastStretch, PlaceholdersAndDepartingCells) {
  const auto table = rows(9, 13);
  EXPECT_EQ(codesWhere(table, kReason, "NA"), Codes{"S906"});
  EXPECT_EQ(codesWhere(table, kDescription, ""), Codes{"S67D"});
  EXPECT_EQ(codesWhere(table, kDescription, "NAA"), Codes{"SD84"});
  std::size_t descriptions = 0;
  for (const auto& [code, row] : table) {
    descriptions += row->entry.description != "NA" ? 1 : 0;
  }
  EXPECT_EQ(descriptions, 17u);
  EXPECT_EQ(codesWhere(table, kAction, "NA"),
            split("S513 S522 S535 S613 S614 S637 S644 S713 S714 S717 S737 S813 S837 S8FB S913 "
                  "S937 SA13 SA14 SA1A SA37 SAC7 SB13 SB14 SB1A SC13 SC37 SD0D SD13 SD14 SD23 "
                  "SD37 SDC7 SE13 SE23 SE37 SEC6 SEC7"));
  EXPECT_EQ(codesWhere(table, kResponse, "NA"),
            split("S60D S65F S71A S7C4 S81A S822 S8C6 S8C7 S8FB S91A S937 S9C5 S9FB SA7A SAC4 "
                  "SAC6 SAC7 SB23 SBC5 SC1A SC2D SC78 SD1A SDC7 SE00 SE1A SE82 SE83 SE84 SE85 "
                  "SEC4 SEC6 SEFB SFnn"));
  EXPECT_EQ(table.at("S71A")->entry.action, "None.");
  EXPECT_EQ(table.at("SCC4")->entry.response, "None");
  EXPECT_EQ(table.at("S8FB")->entry.reason,
            "Converter/interpreter (C/I), Locate, Main device scheduling (MDS), JES3 interface");
  EXPECT_TRUE(table.at("S67D")->entry.reason.ends_with(". \""));
  EXPECT_TRUE(table.at("S906")->entry.action.ends_with(": "));
}

TEST(MvsLastStretch, StockTextsAreSharedByExactlyTheirRows) {
  const auto table = rows(9, 13);
  struct Stock {
    std::string_view text;
    Pane pane;
    const char* codes;
  };
  const Stock stocks[] = {
      {kActIea705i, kAction,
       "S604 S605 S804 S805 S80A S878 S905 S90A S978 SA05 SA0A SA78 SB04 SB05 SB0A SB78 SD04 "
       "SD05 SD0A SD78"},
      {kActTerminatesTask, kAction, "S585 SD82 SD83 SD84 SD85"},
      {kActTaskTerminated, kAction, "S683 SE82 SE83 SE84 SE85"},
      {kActEndsEventsIssuer, kAction, "S57D S67D S77D S87D"},
      {kActLogrecContinues, kAction, "S704 S705 S70A S778"},
      {kActAbendDump, kAction, "S530 S830 S838"},
      {kActAbnormallyTerminatesTask, kAction, "S582 S684 S685"},
      {kActAbnormallyEndsTask, kAction, "S5FB S9C7 SE03"},
      {kActEndsPostIssuer, kAction, "S602 S702"},
      {kActEndsCurrentTaskLogrec, kAction, "S700 SB00"},
      {kRespRerunContactSysprog, kResponse, "S704 S705 S70A S778"},
      {kRespMacroExpansionOrLessStorage, kResponse, "S805 S905 S90A S978"},
      {kRespRerunNotifySysprog, kResponse, "S53E S92A"},
      {kRespAuthorizedCaller, kResponse, "S683 S684"},
      {kRespCheckProgramDump, kResponse, "S700 SB00"},
      {kRespLinkEditRerun, kResponse, "SD2D SE2D"},
  };
  for (const Stock& stock : stocks) {
    EXPECT_EQ(codesWhere(table, stock.pane, stock.text), split(stock.codes)) << stock.text;
    for (const std::string& code : split(stock.codes)) {
      EXPECT_EQ(paneOf(*table.at(code), stock.pane).data(), stock.text.data()) << code;
    }
  }
  // Pairs the stock constants do not name: written once, shown by both rows.
  const std::pair<const char*, const char*> pairs[] = {
      {"S6C5", "S6C7"}, {"S72A", "S82A"}, {"SB2D", "SC2D"}, {"SB2D", "SE2D"}};
  for (const auto& [a, b] : pairs) {
    EXPECT_EQ(table.at(a)->entry.action.data(), table.at(b)->entry.action.data()) << a << b;
  }
  EXPECT_EQ(table.at("SB05")->entry.response.data(), table.at("SB0A")->entry.response.data());
}

TEST(MvsLastStretch, EveryBreakdownEntryIsKeyedByARealCode) {
  const auto table = rows(9, 13);
  // The cells that hold a run of "code -> meaning" items.
  const std::pair<const char*, Pane> breakdowns[] = {
      {"S85F", kReason},   {"S6C7", kDescription}, {"SBC5", kDescription}, {"S585", kResponse},
      {"SB04", kResponse}, {"SB05", kResponse},    {"SB0A", kResponse},    {"SB78", kResponse},
      {"SCC7", kResponse}, {"SD82", kResponse},    {"SD83", kResponse},    {"SD84", kResponse},
      {"SD85", kResponse}, {"SE06", kResponse},    {"S8C5", kReason},      {"S8C5", kAction}};
  for (const auto& [code, pane] : breakdowns) {
    EXPECT_FALSE(breakdownKeys(paneOf(*table.at(code), pane)).empty()) << code;
  }
  // Breakdowns for which no documentation of the reason codes has been found yet: they list
  // message names, kinds of request or subpool ranges (B04, B05, B0A), and are held to the rule
  // once their codes are documented.
  const std::set<std::pair<std::string, Pane>> unchecked = {
      {"S85F", kReason},   {"S6C7", kDescription}, {"SBC5", kDescription}, {"S585", kResponse},
      {"SB04", kResponse}, {"SB05", kResponse},    {"SB0A", kResponse},    {"SCC7", kResponse},
      {"SD82", kResponse}, {"SD83", kResponse},    {"SD84", kResponse},    {"SD85", kResponse}};
  for (const auto& [code, row] : table) {
    for (Pane p : {kReason, kDescription, kAction, kResponse}) {
      if (unchecked.count({code, p}) != 0) {
        continue;
      }
      for (const std::string& key : breakdownKeys(paneOf(*row, p))) {
        EXPECT_TRUE(isBreakdownKey(key)) << code << " pane " << p << ": " << key;
      }
    }
  }
}

TEST(MvsLastStretch, SizesOfTheTexts) {
  const auto table = rows(9, 13);
  const Sizes s = sizes(table, {});
  EXPECT_EQ(s.distinct, 450u);
  EXPECT_EQ(s.trailingBlank, 149u);
  EXPECT_EQ(s.doubleBlank, 76u);
  EXPECT_NEAR(double(s.characters), 83249.0, 8325.0);
  std::set<std::string_view> reasons;
  for (const auto& [code, row] : table) {
    EXPECT_TRUE(reasons.insert(row->entry.reason).second) << code;
    if (code != "S906" && code != "S8FB") {
      EXPECT_GE(row->entry.reason.size(), 39u) << code;
      EXPECT_LE(row->entry.reason.size(), 649u) << code;
    }
    EXPECT_LE(row->entry.action.size(), 868u) << code;
    EXPECT_LE(row->entry.response.size(), 730u) << code;
  }
}

}  // namespace
}  // namespace quenmar::catalog::mvs
