#pragma once

#include "app/frmecd.h"

namespace quenmar {

// Which code list beside the main one a Category fills and shows.
enum class SecondList { Hidden, Ims, Db2 };

// What one Category switch does, as data; all nine run the same protocol (runSwitch).
struct CategorySwitch {
  bool mainList = false;  // enabled, shown and focused; otherwise disabled and hidden
  const char* mainTooltip = nullptr;
  SecondList second = SecondList::Hidden;
  bool typedBox = false;  // the typed-code box with its label and search button
  const char* boxTooltip = nullptr;
  bool idmsLists = false;
  bool db2Labels = false;
  bool imsLabels = false;
  bool jclList = false;
  bool vsamLists = false;
  // The switch sets the Category's own flag and clears the others, the REXX flag only when
  // this is set.
  bool clearsRexx = false;
  bool fillOnlyWhileSet = false;
  void (*fill)(frmEcd&) = nullptr;
};

// What the typed-code box admits while a Category's flag is in force.
enum class Admits { Digits, LettersAndDigits };

struct KeyRule {
  Admits admits;
  int longest;
  const char* refusal;
  const char* fullLength;
};

inline constexpr const char* kOnlyNumeric = "Only Numeric Value Allowed";
inline constexpr const char* kOnlyAlphaNumeric =
    "Only Alphabet(Caps Or Small) Or Numeric Value Allowed";
inline constexpr const char* kFullLengthTab = "INVALID KEY PRESSED. Press Enter Or Tab";
inline constexpr const char* kFullLengthTabOnly = "INVALID KEY PRESSED. Press Enter Or Tab Only";

// Where Refresh puts the focus: the main code list, or it when the user last left it rather
// than the typed-code box (ListFocusFlag), or nowhere.
enum class RefreshFocus { CodeListOrBox, CodeList, Nowhere };

// Everything the window does differently for one code family. A handler finds the Category
// whose option is set and asks its descriptor; a member left null means the family has no
// such step, and the handler then does nothing of its own for it.
struct CategoryDescriptor {
  Category category;
  QRadioButton* frmEcd::*option;
  void (frmEcd::*click)();  // the option's switch handler
  // The flag its switch and its typed lookup set; IMS, IDMS and VSAM have none.
  bool frmEcd::CategoryFlags::*flag = nullptr;
  CategorySwitch onSwitch;
  void (frmEcd::*listStep)() = nullptr;        // a pick in the main code list
  void (frmEcd::*secondListStep)() = nullptr;  // a pick in the second code list
  void (frmEcd::*typedLookup)(bool byEnter) = nullptr;
  // Chosen by the flag, not the option: see frmEcd::keyRuleInForce.
  const KeyRule* keyRule = nullptr;
  // Typed codes are compared in capitals: leaving the box, and Enter, upper-case them.
  bool typedInCapitals = false;
  RefreshFocus refreshFocus = RefreshFocus::Nowhere;
};

}  // namespace quenmar
