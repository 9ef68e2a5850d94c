// Invariants of the IDMS status code, JCL utility return code and VSAM catalogues: their keys
// against the lists that offer them, placeholders and shared texts where they belong, and the
// sizes and form of the texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/code_lists.h"
#include "catalog/idms/idms_stock.h"
#include "catalog/idms/idms_tables.h"
#include "catalog/jcl/utility_codes.h"
#include "catalog/vsam/vsam_entries.h"
#include "table_test_support.h"

namespace quenmar::catalog {
namespace {

using namespace ::quenmar::catalog::testing;

// Characters as the user sees them: UTF-8 continuation bytes do not count. A byte sequence
// that is not UTF-8 fails the test.
std::size_t characters(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = byte < 0x80          ? 1
                               : (byte >> 5) == 0x6 ? 2
                               : (byte >> 4) == 0xE ? 3
                                                    : 0;
    EXPECT_NE(length, 0u) << "not UTF-8: " << text;
    if (length == 0 || i + length > text.size()) {
      return count;
    }
    for (std::size_t k = 1; k < length; ++k) {
      EXPECT_EQ(static_cast<unsigned char>(text[i + k]) >> 6, 0x2u) << "not UTF-8: " << text;
    }
    i += length;
    ++count;
  }
  return count;
}

std::string_view firstCharacters(std::string_view text, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t seen = 0; i < text.size() && seen < n; ++seen) {
    const auto byte = static_cast<unsigned char>(text[i]);
    i += byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2 : 3;
  }
  return text.substr(0, i);
}

bool singleLine(std::string_view text) {
  return text.find_first_of("\n\r\t\v\f") == std::string_view::npos;
}

// A text that several entries show is one object, so that a fix reaches all of them.
template <class Rows, class EntryOf>
void expectEqualTextsShared(const Rows& rows, EntryOf entryOf) {
  std::map<std::string_view, const char*> first;
  for (const auto& row : rows) {
    for (std::string_view text : textsOf(entryOf(row))) {
      if (text.empty()) {
        continue;
      }
      const auto [it, inserted] = first.emplace(text, text.data());
      EXPECT_TRUE(inserted || it->second == text.data()) << "a copy of: " << text;
    }
  }
}

// ---------------------------------------------------------------------------------------------
// IDMS

namespace idmsc {

using idms::StatusRow;
using Pair = std::pair<std::string, std::string>;

std::vector<std::span<const StatusRow>> shares() {
  return {idms::idmspro1Table(), idms::idmspro2Table(), idms::idmspro3Table(),
          idms::idmspro4Table(), idms::idmspro5Table()};
}

std::vector<StatusRow> allRows() {
  std::vector<StatusRow> all;
  for (auto share : shares()) {
    all.insert(all.end(), share.begin(), share.end());
  }
  return all;
}

// What the minor code list offers after a pick of the major code.
std::vector<std::string_view> minorList(std::string_view major) {
  std::vector<std::string_view> list(idms::genericMinorCodes().begin(),
                                     idms::genericMinorCodes().end());
  const idms::DmlFunction* function = idms::findDmlFunction(major);
  EXPECT_NE(function, nullptr) << major;
  if (function != nullptr) {
    list.insert(list.end(), function->extraMinorCodes.begin(), function->extraMinorCodes.end());
  }
  return list;
}

const StatusRow& rowOf(std::string_view major, std::string_view minor) {
  static const std::vector<StatusRow> all = allRows();
  for (const StatusRow& row : all) {
    if (row.major == major && row.minor == minor) {
      return row;
    }
  }
  ADD_FAILURE() << "no row " << major << "/" << minor;
  return all.front();
}

}  // namespace idmsc

using namespace idmsc;

TEST(IdmsCatalog, DmlFunctionsAreTheListsMajorCodesAndEachMinorListAscends) {
  std::set<std::string_view> listed(idms::dmlFunctionList().begin(), idms::dmlFunctionList().end());
  ASSERT_EQ(listed.size(), idms::dmlFunctionList().size()) << "a major code listed twice";
  std::set<std::string_view> known;
  for (const idms::DmlFunction& function : idms::dmlFunctions()) {
    known.insert(function.major);
    EXPECT_EQ(idms::findDmlFunction(function.major), &function);
    const auto list = minorList(function.major);
    for (std::size_t i = 0; i < list.size(); ++i) {
      EXPECT_EQ(list[i].size(), 2u) << function.major;
      EXPECT_TRUE(
          std::all_of(list[i].begin(), list[i].end(), [](char c) { return c >= '0' && c <= '9'; }));
      EXPECT_NE(list[i], "03") << "no list offers minor code 03";
      if (i > 0) {
        EXPECT_LT(list[i - 1], list[i]) << function.major << ": not ascending";
      }
    }
  }
  EXPECT_EQ(known, listed);
  EXPECT_EQ(idms::findDmlFunction("NN"), nullptr);
  EXPECT_EQ(idms::findDmlFunction(""), nullptr);
}

// Every pair the two lists offer is answered by exactly one row, and no row answers a pair
// that is not offered; the rows run in the order the lists offer the pairs.
TEST(IdmsCatalog, EveryOfferedPairHasExactlyOneEntry) {
  std::vector<Pair> offered;
  for (const idms::DmlFunction& function : idms::dmlFunctions()) {
    for (std::string_view minor : minorList(function.major)) {
      offered.emplace_back(function.major, minor);
    }
  }
  std::vector<Pair> held;
  for (const StatusRow& row : allRows()) {
    held.emplace_back(row.major, row.minor);
  }
  EXPECT_EQ(offered.size(), 287u);
  EXPECT_EQ(held, offered);
  for (const auto& [major, minor] : offered) {
    int answers = 0;
    for (auto share : shares()) {
      answers += idms::findStatus(share, major, minor) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(answers, 1) << major << "/" << minor;
  }
}

// The router sends a major code to one describer by fixed ranges; a describer must hold all
// of its range's rows and nothing else.
TEST(IdmsCatalog, EachDescriberHoldsExactlyItsRangeOfMajorCodes) {
  const std::vector<std::set<std::string_view>> ranges = {{"00", "01", "02", "03", "04", "05"},
                                                          {"06", "07", "08", "09", "10"},
                                                          {"11", "12", "13", "14", "15"},
                                                          {"16", "17", "18", "19", "20"},
                                                          {"nn"}};
  const std::array<std::size_t, 5> sizes = {73, 59, 64, 57, 34};
  const auto tables = shares();
  for (std::size_t d = 0; d < ranges.size(); ++d) {
    std::set<std::string_view> majors;
    for (const StatusRow& row : tables[d]) {
      majors.insert(row.major);
    }
    EXPECT_EQ(majors, ranges[d]) << "idmspro" << d + 1;
    EXPECT_EQ(tables[d].size(), sizes[d]) << "idmspro" << d + 1;
  }
  EXPECT_EQ(idms::findStatus(idms::idmspro1Table(), "06", "00"), nullptr);
  EXPECT_EQ(idms::findStatus(idms::idmspro5Table(), "nn", ""), nullptr);
  EXPECT_EQ(idms::findStatus(idms::idmspro5Table(), "", "00"), nullptr);
}

TEST(IdmsCatalog, ReasonIsTheMajorCodesTitleAndSystemActionIsAlwaysNA) {
  std::map<std::string_view, const char*> titleOf;
  std::set<std::string_view> invalid;
  for (const StatusRow& row : allRows()) {
    const auto [it, inserted] = titleOf.emplace(row.major, row.entry.reason.data());
    EXPECT_EQ(it->second, row.entry.reason.data()) << row.major << "/" << row.minor;
    EXPECT_EQ(row.entry.action.data(), idms::kNA.data()) << row.major << "/" << row.minor;
    EXPECT_EQ(row.entry.action, "NA");
    if (row.entry.reason == idms::kInvalidMajorCode) {
      EXPECT_EQ(row.entry.reason.data(), idms::kInvalidMajorCode.data());
      invalid.insert(row.major);
    }
  }
  EXPECT_EQ(idms::kInvalidMajorCode.size(), 65u);
  EXPECT_EQ(invalid, (std::set<std::string_view>{"04", "10", "13", "nn"}));
  std::set<std::string_view> distinctTitles;
  for (const auto& [major, title] : titleOf) {
    distinctTitles.insert(title);
  }
  EXPECT_EQ(distinctTitles.size(), 19u);
}

// A generic minor code shows the same two texts under every major code, apart from the few
// major codes that word it their own way.
TEST(IdmsCatalog, GenericMinorCodesShareTheirTextsButForTheirExceptions) {
  const std::set<Pair> exceptions = {{"00", "00"}, {"01", "00"}, {"03", "01"},
                                     {"16", "01"}, {"nn", "06"}, {"09", "08"},
                                     {"19", "09"}, {"13", "11"}, {"nn", "11"}};
  for (std::string_view minor : idms::genericMinorCodes()) {
    const CodeEntry& common = rowOf("05", minor).entry;
    for (const idms::DmlFunction& function : idms::dmlFunctions()) {
      const CodeEntry& entry = rowOf(function.major, minor).entry;
      const bool same = entry.description.data() == common.description.data() &&
                        entry.description.size() == common.description.size() &&
                        entry.response.data() == common.response.data() &&
                        entry.response.size() == common.response.size();
      EXPECT_EQ(same, exceptions.count({std::string(function.major), std::string(minor)}) == 0)
          << function.major << "/" << minor;
    }
  }
}

// The exceptions are the generic texts cut or changed in one exact way.
TEST(IdmsCatalog, VariantTextsDeriveExactlyFromTheirOriginals) {
  const std::string_view success = rowOf("05", "00").entry.description;
  EXPECT_EQ(success.back(), ' ');
  EXPECT_EQ(rowOf("00", "00").entry.description, success.substr(0, success.size() - 1));
  EXPECT_EQ(rowOf("01", "00").entry.description, success.substr(0, success.size() - 1));

  const std::string_view currency = rowOf("05", "06").entry.response;
  EXPECT_EQ(currency.back(), '.');
  EXPECT_EQ(rowOf("nn", "06").entry.response, currency.substr(0, currency.size() - 1));

  const std::string_view causes = rowOf("05", "08").entry.response;
  EXPECT_EQ(causes.substr(0, 2), "1)");
  EXPECT_EQ(rowOf("09", "08").entry.response, causes.substr(1));

  const std::string_view update = rowOf("05", "09").entry.response;
  EXPECT_GT(characters(update), 357u);
  EXPECT_EQ(rowOf("19", "09").entry.response, firstCharacters(update, 357));
  EXPECT_EQ(characters(rowOf("19", "09").entry.response), 357u);

  EXPECT_EQ(rowOf("00", "11").entry.description, "NA");
  EXPECT_EQ(rowOf("13", "11").entry.description, "");
  EXPECT_EQ(rowOf("nn", "11").entry.description.data(), rowOf("05", "11").entry.response.data());
  EXPECT_NE(rowOf("nn", "11").entry.response, rowOf("05", "11").entry.response);

  const std::string_view lost = rowOf("14", "69").entry.description;
  EXPECT_EQ(rowOf("nn", "69").entry.description, lost.substr(0, lost.size() - 1));
  EXPECT_EQ(rowOf("nn", "69").entry.response.data(), rowOf("14", "69").entry.response.data());
}

TEST(IdmsCatalog, ExtraMinorCodesShareOnlyTheTextsTheyShouldAndStayWithinTheirSizes) {
  EXPECT_EQ(rowOf("08", "13").entry.description.data(), rowOf("16", "13").entry.description.data());
  EXPECT_EQ(rowOf("08", "13").entry.response.data(), rowOf("16", "13").entry.response.data());
  EXPECT_EQ(rowOf("02", "26").entry.description.data(), rowOf("17", "26").entry.description.data());
  EXPECT_NE(rowOf("02", "26").entry.response, rowOf("17", "26").entry.response);
  EXPECT_NE(rowOf("03", "26").entry.description, rowOf("02", "26").entry.description);
  for (std::string_view minor : {"93", "94", "95"}) {
    EXPECT_EQ(rowOf("14", minor).entry.description.data(),
              rowOf("14", "91").entry.description.data());
  }

  std::size_t longest = 0;
  for (const idms::DmlFunction& function : idms::dmlFunctions()) {
    for (std::string_view minor : function.extraMinorCodes) {
      const CodeEntry& entry = rowOf(function.major, minor).entry;
      const bool naDescription = function.major == "nn" && minor == "86";
      const bool naResponse = function.major == "nn" && minor == "20";
      EXPECT_EQ(entry.description == "NA", naDescription) << function.major << "/" << minor;
      EXPECT_EQ(entry.response == "NA", naResponse) << function.major << "/" << minor;
      if (!naDescription) {
        EXPECT_GE(characters(entry.description), 13u) << function.major << "/" << minor;
        EXPECT_LE(characters(entry.description), 171u) << function.major << "/" << minor;
      }
      if (!naResponse) {
        EXPECT_GE(characters(entry.response), 51u) << function.major << "/" << minor;
        longest = std::max(longest, characters(entry.response));
      }
    }
  }
  EXPECT_EQ(longest, 954u);
  EXPECT_EQ(characters(rowOf("14", "69").entry.response), longest);
}

// "NA" stands only where the entry has nothing to say, and is one object.
TEST(IdmsCatalog, PlaceholdersStandOnlyInTheirPanes) {
  for (const StatusRow& row : allRows()) {
    const bool minor11 = row.minor == "11" && row.major != "13" && row.major != "nn";
    const bool naDescription = minor11 || (row.major == "nn" && row.minor == "86");
    EXPECT_EQ(row.entry.description == "NA", naDescription) << row.major << "/" << row.minor;
    EXPECT_EQ(row.entry.response == "NA", row.major == "nn" && row.minor == "20")
        << row.major << "/" << row.minor;
    EXPECT_NE(row.entry.reason, "NA");
    for (std::string_view text : textsOf(row.entry)) {
      if (text == "NA") {
        EXPECT_EQ(text.data(), idms::kNA.data()) << row.major << "/" << row.minor;
      }
    }
  }
}

TEST(IdmsCatalog, TextsCountSizeAndForm) {
  const std::vector<StatusRow> rows = allRows();
  expectEqualTextsShared(rows, [](const StatusRow& row) { return row.entry; });
  std::set<std::string_view> distinct;
  for (const StatusRow& row : rows) {
    for (std::string_view text : textsOf(row.entry)) {
      distinct.insert(text);
    }
  }
  std::size_t total = 0;
  std::size_t typographic = 0;
  for (std::string_view text : distinct) {
    total += characters(text);
    EXPECT_TRUE(singleLine(text)) << text;
    EXPECT_EQ(text.find("  "), std::string_view::npos) << text;
    typographic +=
        (text.find("“") != std::string_view::npos || text.find("‘") != std::string_view::npos) ? 1
                                                                                               : 0;
    // Typographic quotes come in pairs.
    const auto count = [&](std::string_view mark) {
      std::size_t n = 0;
      for (std::size_t at = text.find(mark); at != std::string_view::npos;
           at = text.find(mark, at + 1)) {
        ++n;
      }
      return n;
    };
    EXPECT_EQ(count("“"), count("”")) << text;
    EXPECT_EQ(count("‘"), count("’")) << text;
  }
  EXPECT_EQ(distinct.size(), 132u);
  EXPECT_EQ(typographic, 18u);
  EXPECT_GE(total, 14870u);
  EXPECT_LE(total, 18175u);
}

// ---------------------------------------------------------------------------------------------
// JCL

bool sortProgram(std::string_view name) { return name == "DFSORT" || name == "ICETOOL"; }

TEST(JclCatalog, UtilitiesFollowTheListAndTheirListedCodesComeFromTheOneTable) {
  const auto list = jcl::utilityList();
  ASSERT_EQ(jcl::utilities().size(), list.size());
  std::size_t unlisted = 0;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const jcl::Utility& utility = jcl::utilities()[i];
    EXPECT_EQ(utility.name, list[i]);
    EXPECT_EQ(jcl::findUtility(list[i]), &utility);
    std::vector<std::string_view> listed;
    for (const jcl::ReturnCode& row : utility.returnCodeEntries) {
      if (row.listed) {
        listed.push_back(row.code);
      } else {
        ++unlisted;
        EXPECT_EQ(utility.name, "ICETOOL") << row.code;
      }
    }
    EXPECT_TRUE(std::equal(listed.begin(), listed.end(), utility.returnCodes.begin(),
                           utility.returnCodes.end()))
        << utility.name;
    for (std::size_t k = 0; k < utility.returnCodeEntries.size(); ++k) {
      const std::string_view code = utility.returnCodeEntries[k].code;
      EXPECT_EQ(code.size(), 2u) << utility.name;
      EXPECT_EQ(jcl::findReturnCode(utility, code), &utility.returnCodeEntries[k].entry);
      if (k > 0) {
        EXPECT_LT(utility.returnCodeEntries[k - 1].code, code) << utility.name;
      }
    }
    EXPECT_EQ(jcl::findReturnCode(utility, ""), nullptr);
    EXPECT_EQ(jcl::findReturnCode(utility, "0"), nullptr);
    EXPECT_EQ(jcl::findReturnCode(utility, " 00"), nullptr);
  }
  EXPECT_EQ(unlisted, 1u);
  EXPECT_EQ(jcl::findUtility("iefbr14"), nullptr);
}

// Every return code the list offers is answered; the two utilities without return codes
// answer by name instead, with a text of their own on each path.
TEST(JclCatalog, EveryUtilityAnswersEitherByReturnCodeOrByName) {
  std::size_t paired = 0;
  for (const jcl::Utility& utility : jcl::utilities()) {
    const bool byName = utility.ownEntry != nullptr;
    EXPECT_EQ(utility.nameOnlyAnswer != nullptr, byName) << utility.name;
    EXPECT_EQ(utility.returnCodes.empty(), byName) << utility.name;
    EXPECT_EQ(utility.returnCodeEntries.empty(), byName) << utility.name;
    for (std::string_view code : utility.returnCodes) {
      EXPECT_NE(jcl::findReturnCode(utility, code), nullptr) << utility.name << " " << code;
    }
    paired += utility.returnCodeEntries.size();
  }
  EXPECT_EQ(paired, 71u);

  const jcl::Utility& iefbr14 = *jcl::findUtility("IEFBR14");
  EXPECT_NE(iefbr14.ownEntry->reason, iefbr14.nameOnlyAnswer->entry.reason);
  EXPECT_EQ(iefbr14.ownEntry->description.data(), iefbr14.nameOnlyAnswer->entry.description.data());
  EXPECT_TRUE(iefbr14.nameOnlyAnswer->emptiesReturnCodeList);
  const jcl::Utility& iehatlas = *jcl::findUtility("IEHATLAS");
  EXPECT_EQ(iehatlas.ownEntry->reason.data(), iehatlas.nameOnlyAnswer->entry.reason.data());
  EXPECT_FALSE(iehatlas.nameOnlyAnswer->emptiesReturnCodeList);
}

// Most utilities explain a code in Reason; the sort programs give a verdict and explain it.
TEST(JclCatalog, EntriesFollowTheirLayoutAndSizes) {
  std::size_t explained = 0;
  std::size_t verdicts = 0;
  std::vector<CodeEntry> entries;
  for (const jcl::Utility& utility : jcl::utilities()) {
    for (const jcl::ReturnCode& row : utility.returnCodeEntries) {
      const CodeEntry& e = row.entry;
      entries.push_back(e);
      EXPECT_EQ(e.action, "NA") << utility.name << " " << row.code;
      EXPECT_EQ(e.response, "NA") << utility.name << " " << row.code;
      for (std::string_view text : textsOf(e)) {
        EXPECT_TRUE(singleLine(text)) << text;
        EXPECT_NE(text.front(), ' ') << text;
      }
      if (sortProgram(utility.name)) {
        ++verdicts;
        EXPECT_LE(characters(e.reason), 30u) << e.reason;
        EXPECT_GE(characters(e.description), 31u) << utility.name << " " << row.code;
        EXPECT_LE(characters(e.description), 577u) << utility.name << " " << row.code;
      } else {
        ++explained;
        EXPECT_EQ(e.description, "NA") << utility.name << " " << row.code;
        EXPECT_GE(characters(e.reason), 21u) << utility.name << " " << row.code;
        EXPECT_LE(characters(e.reason), 226u) << utility.name << " " << row.code;
      }
      if (!sortProgram(utility.name)) {
        EXPECT_EQ(row.code == "00", e.reason.starts_with("Successful completion"))
            << utility.name << " " << row.code;
      }
    }
    if (utility.ownEntry != nullptr) {
      entries.push_back(*utility.ownEntry);
      entries.push_back(utility.nameOnlyAnswer->entry);
    }
  }
  EXPECT_EQ(explained, 60u);
  EXPECT_EQ(verdicts, 11u);
  expectEqualTextsShared(entries, [](const CodeEntry& e) { return e; });
}

// The sort programs end with 0 or 4 when every operation completed and with 8 to 16 when one
// did not. An ICETOOL COUNT operator can set only 4 or 8, so no other code may be put down to it.
TEST(JclCatalog, SortProgramVerdictsFollowTheirReturnCodes) {
  std::size_t rows = 0;
  for (const jcl::Utility& utility : jcl::utilities()) {
    if (!sortProgram(utility.name)) {
      continue;
    }
    for (const jcl::ReturnCode& row : utility.returnCodeEntries) {
      ++rows;
      const std::string_view verdict = row.entry.reason;
      EXPECT_EQ(verdict == "Successful completion", row.code < "08")
          << utility.name << " " << row.code;
      if (row.code >= "08" && row.code <= "16") {
        EXPECT_EQ(verdict, "Unsuccessful completion") << utility.name << " " << row.code;
        EXPECT_EQ(row.entry.description.find("completed successfully"), std::string_view::npos)
            << utility.name << " " << row.code;
      }
      if (row.entry.description.find("COUNT") != std::string_view::npos) {
        EXPECT_EQ(utility.name, "ICETOOL") << row.code;
        EXPECT_TRUE(row.code == "04" || row.code == "08") << utility.name << " " << row.code;
      }
    }
  }
  EXPECT_EQ(rows, 11u);
}

// ---------------------------------------------------------------------------------------------
// VSAM

bool sameKeys(const std::vector<std::string_view>& keys, std::span<const std::string_view> list) {
  return std::equal(keys.begin(), keys.end(), list.begin(), list.end());
}

// A title is an upper-case phrase, or two written back to back, between single quotes.
void expectTitledEntries(std::span<const TextRow> rows) {
  const char* na = nullptr;
  for (const TextRow& row : rows) {
    const std::string_view title = row.entry.reason;
    ASSERT_GE(title.size(), 3u) << row.keys[0];
    EXPECT_EQ(title.front(), '\'') << title;
    EXPECT_EQ(title.back(), '\'') << title;
    EXPECT_EQ(std::count(title.begin(), title.end(), '\'') % 2, 0) << title;
    EXPECT_TRUE(std::none_of(title.begin(), title.end(), [](char c) {
      return c >= 'a' && c <= 'z';
    })) << title;
    for (std::string_view text : {row.entry.description, row.entry.action, row.entry.response}) {
      EXPECT_EQ(text, "NA") << row.keys[0];
      if (na == nullptr) {
        na = text.data();
      }
      EXPECT_EQ(text.data(), na) << row.keys[0];
    }
  }
}

TEST(VsamCatalog, StatusAndFunctionCodesAreTheListsItemsWithTitles) {
  EXPECT_TRUE(sameKeys(keysOf(vsam::statusCodeEntries()), vsam::statusCodeList()));
  EXPECT_TRUE(sameKeys(keysOf(vsam::functionCodeEntries()), vsam::functionCodeList()));
  expectTitledEntries(vsam::statusCodeEntries());
  expectTitledEntries(vsam::functionCodeEntries());
  expectEqualTextsShared(vsam::statusCodeEntries(), [](const TextRow& row) { return row.entry; });

  const CodeEntry* open05 = findByText(vsam::statusCodeEntries(), "05");
  const CodeEntry* open35 = findByText(vsam::statusCodeEntries(), "35");
  ASSERT_TRUE(open05 != nullptr && open35 != nullptr);
  EXPECT_EQ(open05->reason.data(), open35->reason.data());
  EXPECT_EQ(findByText(vsam::statusCodeEntries(), "24")->reason.size(), 53u);
  EXPECT_EQ(findByText(vsam::statusCodeEntries(), "24")->reason.substr(51), " '");
  EXPECT_EQ(findByText(vsam::statusCodeEntries(), "00"), nullptr);
  EXPECT_EQ(findByText(vsam::statusCodeEntries(), "2"), nullptr);
}

// Only 8 and 12 open an error code choice, each with its own message and catalogue; the
// choice is found by the number the return code spells, whatever its writing.
TEST(VsamCatalog, ReturnCodesEightAndTwelveOpenTheErrorChoices) {
  std::vector<std::string_view> keys;
  for (const vsam::ReturnCode& code : vsam::returnCodes()) {
    keys.push_back(code.code);
    EXPECT_EQ(vsam::findReturnCode(code.code), &code);
    const bool choice = !code.errorCodes.empty();
    EXPECT_EQ(code.entry.reason.empty(), choice) << code.code;
    EXPECT_EQ(!code.prompt.empty() && !code.title.empty(), choice) << code.code;
    if (!choice) {
      EXPECT_EQ(code.entry.description, "NA");
    }
  }
  EXPECT_TRUE(sameKeys(keys, vsam::returnCodeList()));

  const vsam::ReturnCode* logical = vsam::findErrorChoice(8);
  const vsam::ReturnCode* physical = vsam::findErrorChoice(12);
  ASSERT_TRUE(logical != nullptr && physical != nullptr);
  EXPECT_EQ(logical->errorCodes.data(), vsam::logicalErrorEntries().data());
  EXPECT_EQ(physical->errorCodes.data(), vsam::physicalErrorEntries().data());
  EXPECT_NE(logical->prompt, physical->prompt);
  EXPECT_NE(logical->title, physical->title);
  for (std::int16_t number : {0, 4, 16, -8}) {
    EXPECT_EQ(vsam::findErrorChoice(number), nullptr) << number;
  }
  EXPECT_EQ(vsam::findReturnCode("08"), nullptr);
}

// Logical error codes are the multiples of 4 in four stretches; physical ones 4 to 24. Both
// are written in decimal without leading zeros, as the error code list shows them.
TEST(VsamCatalog, ErrorCodesAreTheMultiplesOfFourOfTheirStretches) {
  std::vector<std::string> logical;
  for (const auto& [first, last] : {std::pair{4, 40}, {64, 120}, {132, 156}, {192, 208}}) {
    for (int code = first; code <= last; code += 4) {
      logical.push_back(std::to_string(code));
    }
  }
  std::vector<std::string> physical;
  for (int code = 4; code <= 24; code += 4) {
    physical.push_back(std::to_string(code));
  }
  const auto asStrings = [](const std::vector<std::string_view>& keys) {
    return std::vector<std::string>(keys.begin(), keys.end());
  };
  EXPECT_EQ(asStrings(keysOf(vsam::logicalErrorEntries())), logical);
  EXPECT_EQ(asStrings(keysOf(vsam::physicalErrorEntries())), physical);
  expectTitledEntries(vsam::logicalErrorEntries());
  expectTitledEntries(vsam::physicalErrorEntries());
  // The shared keys mean different errors in the two catalogues.
  for (const TextRow& row : vsam::physicalErrorEntries()) {
    EXPECT_NE(findByText(vsam::logicalErrorEntries(), row.keys[0])->reason, row.entry.reason);
  }
}

}  // namespace
}  // namespace quenmar::catalog
