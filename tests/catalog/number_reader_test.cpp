#include "catalog/number_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace quenmar::catalog {
namespace {

std::optional<std::int16_t> read(const std::string& text) { return readCodeNumber(text); }

TEST(NumberReader, ReadsTheNumberTheDigitsSpell) {
  EXPECT_EQ(read("7"), 7);
  EXPECT_EQ(read("07"), 7);
  EXPECT_EQ(read("-30105"), -30105);
  EXPECT_EQ(read("+100"), 100);
  EXPECT_EQ(read("0"), 0);
  EXPECT_EQ(read("-0"), 0);
}

TEST(NumberReader, SkipsLeadingBlanksAndStopsAtTheFirstCharacterThatEndsTheNumber) {
  EXPECT_EQ(read("  12"), 12);
  EXPECT_EQ(read("12 "), 12);
  EXPECT_EQ(read("12abc"), 12);
  EXPECT_EQ(read("1-2"), 1);
  EXPECT_EQ(read("- 5"), std::nullopt);  // a sign must be followed by the digits
}

TEST(NumberReader, RoundsFractionsHalvesToEven) {
  EXPECT_EQ(read("7.4"), 7);
  EXPECT_EQ(read("7.6"), 8);
  EXPECT_EQ(read("7.5"), 8);
  EXPECT_EQ(read("8.5"), 8);
  EXPECT_EQ(read("8.50001"), 9);
  EXPECT_EQ(read("-2.5"), -2);
  EXPECT_EQ(read("-3.5"), -4);
  EXPECT_EQ(read(".5"), 0);
  EXPECT_EQ(read("12."), 12);
}

TEST(NumberReader, TextWithoutDigitsIsNoNumber) {
  EXPECT_EQ(read(""), std::nullopt);
  EXPECT_EQ(read("   "), std::nullopt);
  EXPECT_EQ(read("abc"), std::nullopt);
  EXPECT_EQ(read("+"), std::nullopt);
  EXPECT_EQ(read("."), std::nullopt);
  EXPECT_EQ(read("SFnn"), std::nullopt);
}

TEST(NumberReader, NeverWrapsOutOfTheSixteenBitRange) {
  EXPECT_EQ(read("32767"), 32767);
  EXPECT_EQ(read("-32768"), -32768);
  EXPECT_EQ(read("32768"), std::nullopt);
  EXPECT_EQ(read("-32769"), std::nullopt);
  EXPECT_EQ(read("32767.5"), std::nullopt);  // rounds to 32768
  EXPECT_EQ(read("65543"), std::nullopt);    // would wrap to 7
  EXPECT_EQ(read(std::string(500, '9')), std::nullopt);
}

}  // namespace
}  // namespace quenmar::catalog
