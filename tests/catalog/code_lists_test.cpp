#include "catalog/code_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quenmar::catalog {
namespace {

using Items = std::span<const std::string_view>;
using Pair = std::pair<std::string_view, std::string_view>;

bool isUnique(Items items) {
  return std::set<std::string_view>(items.begin(), items.end()).size() == items.size();
}

bool contains(Items items, std::string_view text) {
  return std::find(items.begin(), items.end(), text) != items.end();
}

std::ptrdiff_t indexOf(Items items, std::string_view text) {
  return std::find(items.begin(), items.end(), text) - items.begin();
}

// The item right after `text`; empty when `text` is missing or last.
std::string_view itemAfter(Items items, std::string_view text) {
  const auto at = static_cast<std::size_t>(indexOf(items, text));
  return at + 1 < items.size() ? items[at + 1] : std::string_view{};
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isUpperOrDigit(char c) { return isUpper(c) || isDigit(c); }

bool allOf(std::string_view text, bool (*pred)(char)) {
  return !text.empty() && std::all_of(text.begin(), text.end(), pred);
}

bool anyOf(std::string_view text, bool (*pred)(char)) {
  return std::any_of(text.begin(), text.end(), pred);
}

// The whole text read as a number; the lowest long when it is not one.
long toNumber(std::string_view text, int base = 10) {
  long value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  return ec == std::errc{} && end == text.data() + text.size() ? value
                                                               : std::numeric_limits<long>::min();
}

std::string twoDigits(int n) { return {char('0' + n / 10), char('0' + n % 10)}; }

// The mainframe collation of the CICS and DL/I lists: letters before digits,
// a lower-case letter ranked as its capital.
int ebcdicRank(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a';
  if (c >= 'A' && c <= 'Z') return c - 'A';
  return 26 + (c - '0');
}

bool ebcdicLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return ebcdicRank(x) < ebcdicRank(y); });
}

// Neighbours that are not strictly ascending under `less`.
template <typename Less>
std::vector<Pair> descents(Items items, Less less) {
  std::vector<Pair> out;
  for (std::size_t i = 1; i < items.size(); ++i) {
    if (!less(items[i - 1], items[i])) out.emplace_back(items[i - 1], items[i]);
  }
  return out;
}

bool textLess(std::string_view a, std::string_view b) { return a < b; }

TEST(CobolCodeList, FileStatusCodesThenExtendedCodes) {
  const Items items = cobol::codeList();
  ASSERT_EQ(items.size(), 145u);
  EXPECT_EQ(items.front(), "00");
  EXPECT_EQ(items[47], "99");
  EXPECT_EQ(items[48], "9-000");
  EXPECT_EQ(items.back(), "9-219");
  EXPECT_TRUE(isUnique(items));
  const Items status = items.first(48);
  const Items extended = items.subspan(48);
  for (std::string_view code : status) {
    EXPECT_TRUE(code.size() == 2 && allOf(code, isDigit)) << code;
  }
  for (std::string_view code : extended) {
    EXPECT_TRUE(code.size() == 5 && code.starts_with("9-") && allOf(code.substr(2), isDigit))
        << code;
  }
  EXPECT_TRUE(descents(status, textLess).empty());
  EXPECT_TRUE(descents(extended, textLess).empty());
  // Codes the catalogue has no entry for.
  EXPECT_FALSE(contains(items, "03"));
  EXPECT_FALSE(contains(items, "9-011"));
}

TEST(RexxCodeList, ErrorNumbersOneToFortyNine) {
  const Items items = rexx::codeList();
  ASSERT_EQ(items.size(), 49u);
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i], twoDigits(static_cast<int>(i) + 1));
  }
}

TEST(MvsCodeList, SFormCodesThenTheGroupItem) {
  const Items items = mvs::codeList();
  ASSERT_EQ(items.size(), 619u);
  EXPECT_EQ(items.front(), "S001");
  EXPECT_EQ(items[617], "SEFB");
  EXPECT_EQ(items.back(), "SFnn");
  EXPECT_TRUE(isUnique(items));
  for (std::string_view code : items.first(618)) {
    const std::string_view hex = code.substr(1);
    EXPECT_TRUE(code.size() == 4 && code[0] == 'S' && toNumber(hex, 16) >= 0 &&
                !anyOf(hex, isLower))
        << code;
    // The group item stands for the whole Fnn group; no member is listed.
    EXPECT_FALSE(code.starts_with("SF")) << code;
  }
}

TEST(MvsCodeList, AscendingByValueExceptS9C4) {
  const Items items = mvs::codeList().first(618);
  auto byValue = [](std::string_view a, std::string_view b) {
    return toNumber(a.substr(1), 16) < toNumber(b.substr(1), 16);
  };
  EXPECT_EQ(descents(items, byValue), (std::vector<Pair>{{"S9C4", "S905"}}));
  // For upper-case hex, text order and value order agree.
  EXPECT_EQ(descents(items, textLess), descents(items, byValue));
  EXPECT_EQ(itemAfter(items, "S8FB"), "S9C4");
}

TEST(CicsCodeList, FourCharacterCodesWithTwoLowerCaseItems) {
  const Items items = cics::codeList();
  ASSERT_EQ(items.size(), 1325u);
  EXPECT_EQ(items.front(), "AACA");
  EXPECT_EQ(items.back(), "AZXB");
  EXPECT_TRUE(isUnique(items));
  std::vector<std::string_view> lowerCase;
  for (std::string_view code : items) {
    ASSERT_EQ(code.size(), 4u) << code;
    EXPECT_TRUE(code[0] == 'A' && isUpper(code[1]) &&
                allOf(code.substr(2), [](char c) { return isUpperOrDigit(c) || isLower(c); }))
        << code;
    if (anyOf(code, isLower)) {
      lowerCase.push_back(code);
    }
  }
  EXPECT_EQ(lowerCase, (std::vector<std::string_view>{"ACCx", "APLx"}));
  EXPECT_FALSE(contains(items, "ACCX"));
  EXPECT_FALSE(contains(items, "APLX"));
}

TEST(CicsCodeList, GroupedBySecondLetter) {
  const Items items = cics::codeList();
  std::map<char, int> counts;
  for (std::size_t i = 0; i < items.size(); ++i) {
    ++counts[items[i][1]];
    if (i > 0) {
      EXPECT_LE(items[i - 1][1], items[i][1]) << items[i];
    }
  }
  const std::map<char, int> expected = {
      {'A', 68}, {'B', 89}, {'C', 192}, {'D', 86}, {'E', 146}, {'F', 31}, {'G', 1},  {'I', 86},
      {'J', 37}, {'K', 25}, {'L', 14},  {'M', 8},  {'N', 7},   {'O', 2},  {'P', 96}, {'R', 46},
      {'S', 68}, {'T', 70}, {'U', 32},  {'W', 34}, {'X', 56},  {'Z', 131}};
  EXPECT_EQ(counts, expected);
}

TEST(CicsCodeList, EbcdicOrderWithThreeDocumentedRuns) {
  const Items items = cics::codeList();
  EXPECT_EQ(descents(items, ebcdicLess),
            (std::vector<Pair>{{"ACL9", "ACLB"}, {"ACN6", "ACNC"}, {"AJH9", "AJHA"}}));
  EXPECT_EQ(itemAfter(items, "ACHS"), "ACL0");
  EXPECT_EQ(itemAfter(items, "ACLH"), "ACNA");
  EXPECT_EQ(itemAfter(items, "ACN6"), "ACNC");
  EXPECT_EQ(itemAfter(items, "ACNE"), "ACN7");
  EXPECT_EQ(itemAfter(items, "AJH9"), "AJHA");
}

TEST(CicsCodeList, OmitsCodesOnlyTypingReaches) {
  const Items items = cics::codeList();
  for (std::string_view code : {"ABM3", "ABXG", "ACLA", "AJAA", "ANSA", "AXTQ"}) {
    EXPECT_FALSE(contains(items, code)) << code;
  }
}

TEST(ImsAbendCodeList, AC6ThenFourDigitCodesAndTwoRanges) {
  const Items items = ims::abendCodeList();
  ASSERT_EQ(items.size(), 764u);
  EXPECT_EQ(items.front(), "AC6");
  EXPECT_EQ(items[1], "0002");
  EXPECT_EQ(items.back(), "4095");
  EXPECT_TRUE(isUnique(items));
  std::vector<std::string_view> ranges;
  for (std::string_view code : items.subspan(1)) {
    if (code.size() == 4 && allOf(code, isDigit)) continue;
    EXPECT_TRUE(code.size() == 9 && code[4] == '-' && allOf(code.substr(0, 4), isDigit) &&
                allOf(code.substr(5), isDigit))
        << code;
    ranges.push_back(code);
  }
  EXPECT_EQ(ranges, (std::vector<std::string_view>{"3500-3998", "4000-4093"}));
  EXPECT_EQ(indexOf(items, "3500-3998"), 760);
  EXPECT_EQ(indexOf(items, "4000-4093"), 762);
  // The describers hold "2026", but the list does not offer it.
  EXPECT_FALSE(contains(items, "2026"));
}

TEST(ImsAbendCodeList, AscendingAfterAC6AndNoCodeInsideARange) {
  const Items items = ims::abendCodeList().subspan(1);
  auto first = [](std::string_view code) { return toNumber(code.substr(0, 4)); };
  auto last = [](std::string_view code) { return toNumber(code.substr(code.size() - 4)); };
  EXPECT_TRUE(descents(items, textLess).empty());
  for (std::size_t i = 1; i < items.size(); ++i) {
    EXPECT_LT(last(items[i - 1]), first(items[i])) << items[i - 1] << " " << items[i];
  }
}

TEST(DliStatusList, TwoCharacterCodesInEbcdicOrderExceptL2) {
  const Items items = ims::dliStatusList();
  ASSERT_EQ(items.size(), 158u);
  EXPECT_EQ(items.front(), "AA");
  EXPECT_EQ(items.back(), "X9");
  EXPECT_TRUE(isUnique(items));
  for (std::string_view code : items) {
    EXPECT_TRUE(code.size() == 2 && isUpper(code[0]) && isUpperOrDigit(code[1])) << code;
  }
  EXPECT_EQ(descents(items, ebcdicLess), (std::vector<Pair>{{"L2", "LB"}}));
  EXPECT_EQ(items[86], "L2");
  EXPECT_NE(items[85][0], 'L');
  EXPECT_EQ(itemAfter(items, "AZ"), "A1");
  EXPECT_EQ(items[94], "NA");
}

TEST(SqlErrorList, NegativeDecimalTextsWithinSixteenBits) {
  const Items items = db2::sqlErrorList();
  ASSERT_EQ(items.size(), 473u);
  EXPECT_EQ(items.front(), "-7");
  EXPECT_EQ(items.back(), "-30105");
  EXPECT_TRUE(isUnique(items));
  for (std::string_view code : items) {
    EXPECT_TRUE(code.size() >= 2 && code[0] == '-' && code[1] != '0' &&
                allOf(code.substr(1), isDigit) && toNumber(code) >= -32768)
        << code;
  }
}

TEST(SqlErrorList, AscendingMagnitudeExceptMinus84) {
  const Items items = db2::sqlErrorList();
  auto byMagnitude = [](std::string_view a, std::string_view b) {
    return toNumber(a) > toNumber(b);
  };
  EXPECT_EQ(descents(items, byMagnitude), (std::vector<Pair>{{"-84", "-79"}}));
  EXPECT_EQ(items[3], "-84");
  EXPECT_EQ(items[415], "-929");
  EXPECT_EQ(items[416], "-939");
}

TEST(SqlWarningList, ZeroThenSignedPositiveCodesAscending) {
  const Items items = db2::sqlWarningList();
  ASSERT_EQ(items.size(), 62u);
  EXPECT_EQ(items.front(), "0");
  EXPECT_EQ(items[1], "+12");
  EXPECT_EQ(items.back(), "+30100");
  for (std::string_view code : items.subspan(1)) {
    EXPECT_TRUE(code.size() >= 2 && code[0] == '+' && code[1] != '0' &&
                allOf(code.substr(1), isDigit))
        << code;
  }
  auto byValue = [](std::string_view a, std::string_view b) {
    auto value = [](std::string_view t) { return toNumber(t.starts_with('+') ? t.substr(1) : t); };
    return value(a) < value(b);
  };
  EXPECT_TRUE(descents(items, byValue).empty());
}

TEST(IdmsDmlFunctionList, LowerCaseNnThenZeroToTwenty) {
  const Items items = idms::dmlFunctionList();
  ASSERT_EQ(items.size(), 22u);
  EXPECT_EQ(items.front(), "nn");
  for (std::size_t i = 1; i < items.size(); ++i) {
    EXPECT_EQ(items[i], twoDigits(static_cast<int>(i) - 1));
  }
}

TEST(JclUtilityList, ProgramNamesInLookupOrder) {
  const Items items = jcl::utilityList();
  ASSERT_EQ(items.size(), 17u);
  EXPECT_EQ(items.front(), "IEBCOMPR");
  EXPECT_EQ(items[8], "IEFBR14");
  EXPECT_EQ(items.back(), "ICETOOL");
  EXPECT_TRUE(isUnique(items));
  for (std::string_view name : items) {
    EXPECT_TRUE(name.size() <= 8 && isUpper(name[0]) && allOf(name, isUpperOrDigit)) << name;
  }
  // Alphabetical but for IEFBR14 ahead of IEBUPDTE and the two sort programs at the end.
  EXPECT_EQ(descents(items, textLess),
            (std::vector<Pair>{{"IEFBR14", "IEBUPDTE"}, {"IEHPROGM", "DFSORT"}}));
}

TEST(VsamLists, StatusReturnAndFunctionCodes) {
  const Items status = vsam::statusCodeList();
  ASSERT_EQ(status.size(), 32u);
  EXPECT_EQ(status.front(), "02");
  EXPECT_EQ(status.back(), "97");
  for (std::string_view code : status) {
    EXPECT_TRUE(code.size() == 2 && allOf(code, isDigit)) << code;
  }
  EXPECT_TRUE(descents(status, textLess).empty());
  EXPECT_FALSE(contains(status, "00"));
  EXPECT_FALSE(contains(status, "42"));

  const Items returnCodes = vsam::returnCodeList();
  ASSERT_EQ(returnCodes.size(), 4u);
  for (std::size_t i = 0; i < returnCodes.size(); ++i) {
    EXPECT_EQ(returnCodes[i], std::to_string(4 * i));
  }

  const Items functions = vsam::functionCodeList();
  ASSERT_EQ(functions.size(), 6u);
  for (std::size_t i = 0; i < functions.size(); ++i) {
    EXPECT_EQ(functions[i], std::to_string(i));
  }
}

}  // namespace
}  // namespace quenmar::catalog
