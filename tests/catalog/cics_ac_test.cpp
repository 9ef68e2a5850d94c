#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/cics/cics_shared.h"
#include "catalog/cics/cics_stock.h"
#include "catalog/cics/cics_tables.h"
#include "catalog/code_lists.h"
#include "table_test_support.h"

namespace quenmar::catalog::cics {
namespace {

using namespace ::quenmar::catalog::testing;

const CodeEntry& ac(std::string_view key) { return entryOf(cicspr3Table(), key); }

Keys keysWhere(const std::function<bool(std::string_view)>& pick) {
  Keys keys;
  for (const TextRow& row : cicspr3Table()) {
    if (pick(row.keys[0])) keys.push_back(row.keys[0]);
  }
  return keys;
}

Keys range(std::string_view first, std::string_view last) {
  Keys keys;
  bool in = false;
  for (const TextRow& row : cicspr3Table()) {
    in = in || row.keys[0] == first;
    if (in) keys.push_back(row.keys[0]);
    if (row.keys[0] == last) break;
  }
  return keys;
}

const Keys kCrossReferences = {"ACUQ", "ACUR", "ACUS", "ACUX", "ACUZ", "ACU1"};
const std::set<std::string_view> kNotKeys = {"ACAA", "ACAD", "ACAI", "ACAJ", "ACHA",
                                             "ACHB", "ACHC", "ACHD", "ACHE", "ACHF",
                                             "ACHG", "ACHH", "ACHI", "ACHJ"};

bool isCompilerCode(std::string_view key) { return key.starts_with("ACC"); }
bool isCrossReference(std::string_view key) {
  return std::count(kCrossReferences.begin(), kCrossReferences.end(), key) > 0;
}
bool inList(const Keys& keys, std::string_view key) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

TEST(CicsAc, KeysFollowTheCodeListWithItsGapsAndAcla) {
  Keys expected;
  std::size_t listed = 0;
  for (std::string_view item : codeList()) {
    if (!item.starts_with("AC")) continue;
    ++listed;
    if (kNotKeys.count(item) == 0) expected.push_back(item);
    if (item == "ACL9") expected.push_back("ACLA");
  }
  EXPECT_EQ(listed, 192u);
  Keys actual;
  for (const TextRow& row : cicspr3Table()) {
    actual.push_back(row.keys[0]);
    EXPECT_TRUE(row.keys[1].empty() && row.keys[2].empty()) << row.keys[0];
  }
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(actual.size(), 179u);
  EXPECT_EQ(actual.front(), "ACAM");
  EXPECT_EQ(actual.back(), "ACXA");
  EXPECT_EQ(std::set<std::string_view>(actual.begin(), actual.end()).size(), actual.size());
}

TEST(CicsAc, LookupIsExactAndCaseSensitive) {
  for (std::string_view miss :
       {"ACCX", "ACC0", "accx", "acam", "ACAM ", " ACAM", "ACA", "", "ABX9", "ADCA"}) {
    EXPECT_EQ(findByText(cicspr3Table(), miss), nullptr) << '[' << miss << ']';
  }
  for (std::string_view absent : kNotKeys) {
    EXPECT_EQ(findByText(cicspr3Table(), absent), nullptr) << absent;
  }
  EXPECT_TRUE(sameObject(ac("ACCx").description, ac("ACC9").description));
  EXPECT_TRUE(sameObject(ac("ACLA").description, ac("ACL4").description));
}

// Reason is NA everywhere; NA, the empty text and NA with a blank stand only where intended.
TEST(CicsAc, PlaceholdersStandOnlyInTheirCells) {
  for (const TextRow& row : cicspr3Table()) {
    const std::string_view key = row.keys[0];
    EXPECT_TRUE(sameObject(row.entry.reason, kNA)) << key;
    const bool placeholder = isCompilerCode(key) || isCrossReference(key);
    EXPECT_NE(row.entry.description, "NA") << key;
    EXPECT_EQ(sameObject(row.entry.action, kNA), placeholder) << key;
    EXPECT_EQ(sameObject(row.entry.response, kNA), placeholder) << key;
    const bool emptied = key == "ACQA" || key == "ACQB" || key == "ACQC";
    EXPECT_EQ(row.entry.action.empty(), emptied) << key;
    if (emptied) {
      EXPECT_TRUE(sameObject(row.entry.action, kAamiResponse)) << key;
    }
    EXPECT_EQ(row.entry.response == "NA ", key == "ACNB") << key;
    EXPECT_FALSE(row.entry.description.empty()) << key;
    EXPECT_FALSE(row.entry.response.empty()) << key;
  }
}

TEST(CicsAc, GroupAndCrossReferenceEntries) {
  const Keys compiler = keysWhere(isCompilerCode);
  ASSERT_EQ(compiler.size(), 35u);
  EXPECT_EQ(ac("ACCA").description,
            "Abend codes with 'ACC' as the first three characters are issued by the C/370 "
            "compiler running under CICS. These are documented in the C/370 User's Guide.");
  const std::map<std::string_view, std::string_view> kPointers = {
      {"ACUQ", "Refer to the description of abend case UO."},
      {"ACUR", "Refer to the description of abend ACUP."},
      {"ACUS", "Refer to the description of abend ACUO."},
      {"ACU1", "Refer to the description of abend ACUO."},
      {"ACUX", "Refer to the description of abend ACUL."},
      {"ACUZ", "Refer to the description of abend ACUL."}};
  for (const auto& [key, pointer] : kPointers) EXPECT_EQ(ac(key).description, pointer) << key;
  // A pointer names a code that has an entry of its own, except the old ACUQ spelling.
  for (std::string_view target : {"ACUP", "ACUO", "ACUL"}) {
    EXPECT_FALSE(sameObject(ac(target).action, kNA)) << target;
    EXPECT_FALSE(ac(target).description.starts_with("Refer to")) << target;
  }
}

// Entries equal in all four panes are exactly the intended groups, and share their objects.
TEST(CicsAc, IdenticalEntriesAreTheIntendedGroups) {
  Keys internal = {"ACL4"};
  for (std::string_view key : range("ACLA", "ACLG")) internal.push_back(key);
  const std::set<Keys> expected = {keysWhere(isCompilerCode),    internal,
                                   Keys{"ACL1", "ACL7", "ACL8"}, Keys{"ACL6", "ACLH"},
                                   Keys{"ACUS", "ACU1"},         Keys{"ACUX", "ACUZ"}};
  std::map<std::vector<std::string_view>, Keys> byEntry;
  for (const TextRow& row : cicspr3Table()) {
    const CodeEntry& e = row.entry;
    byEntry[{e.reason, e.description, e.action, e.response}].push_back(row.keys[0]);
  }
  std::set<Keys> actual;
  for (const auto& [texts, keys] : byEntry) {
    if (keys.size() < 2) continue;
    actual.insert(keys);
    for (std::string_view key : keys) {
      for (Pane pane : kTextPanes) {
        EXPECT_TRUE(sameObject(paneOf(ac(key), pane), paneOf(ac(keys.front()), pane))) << key;
      }
    }
  }
  EXPECT_EQ(actual, expected);
}

// Which rows share a text, pane by pane; a shared text is one object in every row.
TEST(CicsAc, SharedTextsAreExactlyTheIntendedGroups) {
  const Keys placeholders =
      keysWhere([](std::string_view k) { return isCompilerCode(k) || isCrossReference(k); });
  Keys internal = {"ACL4"};
  for (std::string_view key : range("ACLA", "ACLG")) internal.push_back(key);
  const Keys exceptionTrace = keysWhere([&](std::string_view k) {
    return (k.starts_with("ACU") || k.starts_with("ACV")) && k != "ACU7" && !isCrossReference(k);
  });
  const Keys ownCicsDumpActions = {"ACRE", "ACRG", "ACRI", "ACRJ", "ACRM",
                                   "ACRN", "ACRO", "ACSE", "ACSN"};
  Keys taskCicsDump = keysWhere([&](std::string_view k) {
    return (k.starts_with("ACR") || k.starts_with("ACS") || k.starts_with("ACT")) &&
           !inList(ownCicsDumpActions, k);
  });
  taskCicsDump.push_back("ACU7");
  const Keys referral = {"ACAM", "ACQC", "ACRC", "ACRK", "ACRL", "ACSB", "ACSC", "ACSD",
                         "ACSL", "ACSM", "ACSN", "ACTA", "ACTH", "ACTI", "ACUA", "ACUB",
                         "ACUC", "ACUE", "ACUF", "ACUG", "ACUH", "ACUM", "ACUP", "ACUT",
                         "ACU2", "ACU3", "ACU4", "ACU6", "ACU8", "ACU9", "ACVB", "ACVP"};
  const Keys terminalControl = {"ACUL", "ACUO", "ACUV", "ACUW", "ACUY", "ACU0", "ACVA", "ACVC",
                                "ACVD", "ACVE", "ACVF", "ACVH", "ACVK", "ACVL", "ACVM", "ACVN"};
  const std::map<Pane, std::set<Keys>> kExpected = {
      {kDescription,
       {keysWhere(isCompilerCode), internal, Keys{"ACL1", "ACL7", "ACL8"}, Keys{"ACL3", "ACL9"},
        Keys{"ACL6", "ACLH"}, Keys{"ACSG", "ACTL"}, Keys{"ACTC", "ACTF"}, Keys{"ACUS", "ACU1"},
        Keys{"ACUX", "ACUZ"}}},
      {kAction,
       {exceptionTrace, placeholders, taskCicsDump,
        keysWhere([](std::string_view k) { return k.starts_with("ACL"); }),
        keysWhere([](std::string_view k) { return k.starts_with("ACN"); }), range("ACHK", "ACHP"),
        Keys{"ACRI", "ACRM", "ACRN"}, range("ACQA", "ACQC"), Keys{"ACFB", "ACFC"},
        Keys{"ACHR", "ACHS"}, Keys{"ACRE", "ACRO"}, Keys{"ACP1", "ACP2"}}},
      {kResponse,
       {placeholders, referral, terminalControl, internal, Keys{"ACHK", "ACHP"},
        range("ACHL", "ACHO"), Keys{"ACL1", "ACL7", "ACL8"}, Keys{"ACTB", "ACTC", "ACTD"},
        Keys{"ACTE", "ACVG", "ACVR"}, Keys{"ACHR", "ACHS"}, Keys{"ACL0", "ACL5"},
        Keys{"ACL6", "ACLH"}, Keys{"ACTF", "ACTG"}}}};
  EXPECT_EQ(exceptionTrace.size(), 43u);
  EXPECT_EQ(taskCicsDump.size(), 33u);
  EXPECT_EQ(placeholders.size(), 41u);
  for (const auto& [pane, expected] : kExpected) {
    std::map<std::string_view, std::vector<const TextRow*>> byText;
    for (const TextRow& row : cicspr3Table()) byText[paneOf(row.entry, pane)].push_back(&row);
    std::set<Keys> shared;
    for (const auto& [text, rows] : byText) {
      if (rows.size() < 2) continue;
      Keys keys;
      for (const TextRow* row : rows) {
        keys.push_back(row->keys[0]);
        EXPECT_TRUE(sameObject(paneOf(row->entry, pane), paneOf(rows.front()->entry, pane)))
            << row->keys[0] << " pane " << pane;
      }
      shared.insert(keys);
    }
    EXPECT_EQ(shared, expected) << "pane " << pane;
  }
}

TEST(CicsAc, StockAndSharedTextsAreTheCommonObjects) {
  EXPECT_TRUE(sameObject(ac("ACAM").response, kVendorReferral));
  EXPECT_TRUE(sameObject(ac("ACSG").response, kSeeDomainMessageProduced));
  EXPECT_TRUE(sameObject(ac("ACSH").response, kAcshResponse));
  EXPECT_TRUE(sameObject(ac("ACNC").response, kAbxvResponse));
  EXPECT_TRUE(sameObject(ac("ACND").response, kAbxuResponse));
  EXPECT_TRUE(sameObject(ac("ACNC").description, kAbxvDescription));
  EXPECT_TRUE(sameObject(ac("ACND").description, kAbxuDescription));
  EXPECT_TRUE(sameObject(ac("ACSG").description, kAcsgDescription));
  EXPECT_TRUE(sameObject(ac("ACTL").description, kAcsgDescription));
  EXPECT_TRUE(sameObject(ac("ACRA").action, kTaskAbendedWithCicsDump));
  EXPECT_TRUE(sameObject(ac("ACU7").action, kTaskAbendedWithCicsDump));
  EXPECT_TRUE(sameObject(ac("ACRI").action, kTransactionAbendedWithCicsDump));
  EXPECT_TRUE(sameObject(ac("ACN4").action, kTransactionAbendedWithDump));

  // No row spells out a whole-catalogue text as a copy of its own.
  const std::string_view kStock[] = {kNA,
                                     kVendorReferral,
                                     kTaskAbendedWithCicsDump,
                                     kTransactionAbendedWithCicsDump,
                                     kTransactionAbendedWithDump,
                                     kTransactionAbended,
                                     kTaskAbendedWithDump,
                                     kCicsTerminatesTaskWithDump,
                                     kCicsTerminatesTaskWithTransactionDump,
                                     kSeeDomainMessageProduced,
                                     kSeeDomainMessageFrom,
                                     kAamiResponse,
                                     kAii3Response,
                                     kAcshResponse,
                                     kAcsgDescription};
  for (const TextRow& row : cicspr3Table()) {
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row.entry, pane);
      for (std::string_view stock : kStock) {
        if (text == stock) {
          EXPECT_TRUE(sameObject(text, stock)) << row.keys[0] << ' ' << pane;
        }
      }
    }
  }
  EXPECT_EQ(ac("ACUL").response.size(), 126u);
  EXPECT_EQ(ac("ACL4").response.size(), 106u);
  EXPECT_EQ(ac("ACP1").action.size(), 193u);
  EXPECT_EQ(ac("ACL4").description, "The CICS Foundation Classes detected an internal error.");
}

TEST(CicsAc, DistinctTextsAndLengths) {
  std::set<std::string_view> panes[3];
  std::set<std::string_view> all;
  for (const TextRow& row : cicspr3Table()) {
    all.insert(row.entry.reason);
    for (Pane pane : kTextPanes) {
      panes[pane].insert(paneOf(row.entry, pane));
      all.insert(paneOf(row.entry, pane));
    }
  }
  EXPECT_EQ(panes[kDescription].size(), 130u);
  EXPECT_EQ(panes[kAction].size(), 22u);
  EXPECT_EQ(panes[kResponse].size(), 72u);
  EXPECT_EQ(all.size(), 223u);
  std::size_t characters = 0;
  for (std::string_view text : all) characters += text.size();
  EXPECT_GT(characters, 28'800u);
  EXPECT_LT(characters, 35'200u);

  const std::pair<std::size_t, std::size_t> kRanges[] = {{35, 463}, {34, 314}, {11, 369}};
  for (Pane pane : kTextPanes) {
    std::size_t shortest = std::string_view::npos, longest = 0;
    for (std::string_view text : panes[pane]) {
      if (text == "NA" || text == "NA " || text.empty()) continue;
      shortest = std::min(shortest, text.size());
      longest = std::max(longest, text.size());
    }
    EXPECT_EQ(shortest, kRanges[pane].first) << "pane " << pane;
    EXPECT_EQ(longest, kRanges[pane].second) << "pane " << pane;
  }
}

TEST(CicsAc, TextsArePlainOneLineAscii) {
  std::set<std::string_view> doubleBlanks;
  std::set<std::string_view> colonEnded;
  for (const TextRow& row : cicspr3Table()) {
    for (Pane pane : kTextPanes) {
      const std::string_view text = paneOf(row.entry, pane);
      EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                              [](char c) { return c >= 0x20 && c < 0x7f && c != '"'; }))
          << row.keys[0] << " pane " << pane;
      if (text.empty()) continue;
      EXPECT_NE(text.front(), ' ') << row.keys[0];
      EXPECT_EQ(text.back() == ' ', text == "NA ") << row.keys[0];
      if (text.find("  ") != std::string_view::npos) {
        doubleBlanks.insert(text);
        EXPECT_NE(text.find(".  "), std::string_view::npos) << row.keys[0];
        EXPECT_EQ(text.find("   "), std::string_view::npos) << row.keys[0];
      }
      const bool sentenceEnd =
          text.ends_with('.') || text.ends_with(':') || text == "NA" || text == "NA ";
      EXPECT_TRUE(sentenceEnd) << row.keys[0] << " pane " << pane;
    }
    if (row.entry.response.ends_with(':')) colonEnded.insert(row.keys[0]);
  }
  EXPECT_EQ(doubleBlanks.size(), 9u);
  // The terminal control stock text, ACVO's and the two bare openers announce lists they lack.
  std::set<std::string_view> expectedColons = {
      "ACUL", "ACUO", "ACUV", "ACUW", "ACUY", "ACU0", "ACVA", "ACVC", "ACVD", "ACVE",
      "ACVF", "ACVH", "ACVK", "ACVL", "ACVM", "ACVN", "ACVO", "ACSH", "ACRM"};
  EXPECT_EQ(colonEnded, expectedColons);
  EXPECT_EQ(ac("ACRM").response, "Examine the following possibilities:");
  EXPECT_EQ(ac("ACRO").response, "None. You can use CEMT and EXEC CICS commands to cancel AIDs.");
}

// The remote server's abends all defer to ACHA's problem determination, and only they mention it.
TEST(CicsAc, OnlyRemoteServerRowsReferToAcha) {
  Keys referring;
  for (const TextRow& row : cicspr3Table()) {
    if (row.entry.response.find("abend code ACHA") != std::string_view::npos) {
      referring.push_back(row.keys[0]);
    }
    EXPECT_EQ(row.entry.description.find("ACHA"), std::string_view::npos) << row.keys[0];
  }
  Keys expected = range("ACHK", "ACHS");
  EXPECT_EQ(referring, expected);
  EXPECT_EQ(
      ac("ACHK").response,
      "For further information, see the 'Problem Determination' section for abend code ACHA.");
}

}  // namespace
}  // namespace quenmar::catalog::cics
