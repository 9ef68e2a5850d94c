// The typed-code box: its key filter, its focus handlers, and the two twin lookups of a
// typed code (Enter and the search button). Each family's own lookup is named in its
// descriptor; what the twins share, and where they differ, is here.
#include <QPlainTextEdit>
#include <algorithm>

#include "app/category.h"
#include "app/controls.h"
#include "app/desktop.h"
#include "app/focus_bridge.h"
#include "app/frmecd.h"
#include "app/key_bridge.h"
#include "skin/dorx_xp_button.h"

namespace quenmar {
namespace {

bool admitted(const KeyRule& rule, int key) {
  const bool digit = key >= '0' && key <= '9';
  const bool letter = (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
  return digit || (rule.admits == Admits::LettersAndDigits && letter);
}

// Only the letters a to z change; nothing else of the text does.
QString upperCaseAscii(QString text) {
  std::transform(text.begin(), text.end(), text.begin(), [](QChar c) {
    return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - u'a' + u'A') : c;
  });
  return text;
}

using Flags = frmEcd::CategoryFlags;

// The flags in their order of declaration, which is the order in which their key rules take
// precedence. Several can be set at once: the COBOL, CICS, DB2 and JCL switches leave the
// REXX flag as it was.
constexpr bool Flags::*kFlagsInOrder[] = {&Flags::jcl, &Flags::cobol, &Flags::cics,
                                          &Flags::db2, &Flags::mvs,   &Flags::rexx};

}  // namespace

void frmEcd::connectTypedCodeBox() {
  new KeyBridge(txtCode, [this](std::int16_t& key) { txtCode_KeyPress(key); });
  focus_->addControl(
      txtCode, [this] { txtCode_GotFocus(); }, [this] { txtCode_LostFocus(); });
}

void frmEcd::txtCode_GotFocus() {
  txtclear();
  txtCode->clear();
  controls::setText(cmbCode, QString());
}

// The rule is the flags' business, not the options': it follows the Category whose switch
// last set its flag, or a typed lookup's.
const KeyRule* frmEcd::keyRuleInForce() const {
  for (bool CategoryFlags::*flag : kFlagsInOrder) {
    if (!(CategoryFlag.*flag)) {
      continue;
    }
    for (const CategoryDescriptor* category : categories()) {
      if (category->flag == flag && category->keyRule != nullptr) {
        return category->keyRule;
      }
    }
  }
  return nullptr;
}

void frmEcd::txtCode_KeyPress(std::int16_t& keyAscii) {
  if (const KeyRule* rule = keyRuleInForce()) {
    if (!admitted(*rule, keyAscii) && keyAscii != 8 && keyAscii != 13) {
      desktop_.showMessage(this, QStringLiteral("Error Message"),
                           QString::fromLatin1(rule->refusal));
      keyAscii = 0;
    }
    const qsizetype length = txtCode->toPlainText().size();
    if (length > rule->longest) {
      keyAscii = 0;
    } else if (length == rule->longest && keyAscii != 13) {
      desktop_.showMessage(this, QStringLiteral("Error Message"),
                           QString::fromLatin1(rule->fullLength));
      keyAscii = 0;
    }
  }
  if (keyAscii != 13) {
    return;
  }
  if (txtCode->toPlainText().isEmpty()) {
    desktop_.showMessage(this, QStringLiteral("Error Message"),
                         QStringLiteral("Please Type The Error Code"));
    keyAscii = 0;
    focus_->moveTo(txtCode);
    return;
  }
  vbenter();
  keyAscii = 0;
}

void frmEcd::txtCode_LostFocus() {
  ListFocusFlag = false;
  const CategoryDescriptor* chosenCategory = chosen();
  if (chosenCategory != nullptr && chosenCategory->typedInCapitals) {
    upperCaseTypedCode();
  }
}

void frmEcd::upperCaseTypedCode() {
  const QString text = upperCaseAscii(txtCode->toPlainText());
  if (txtCode->toPlainText() != text) {
    txtCode->setPlainText(text);
    txtCode->moveCursor(QTextCursor::End);
  }
}

void frmEcd::vbenter() { typedLookup(true); }

void frmEcd::cmdType_Click() { typedLookup(false); }

void frmEcd::typedLookup(bool byEnter) {
  if (txtCode->toPlainText().isEmpty()) {
    txtclear();
    controls::setText(cmbCode, QString());
    return;
  }
  const CategoryDescriptor* chosenCategory = chosen();
  if (chosenCategory != nullptr && chosenCategory->typedLookup != nullptr) {
    (this->*chosenCategory->typedLookup)(byEnter);
    return;
  }
  CategoryFlag.jcl = false;
  CategoryFlag.cobol = false;
  CategoryFlag.cics = false;
  CategoryFlag.db2 = false;
}

// The families whose describers keep NotFoundFlags: the lookup clears them, calls every
// describer, and reports the code when every one of them has set its flag again.
void frmEcd::describersTypedLookup(bool byEnter, std::span<const catalog::TextTable> tables,
                                   std::array<bool, 13>& notFound, QWidget* focusOnMiss) {
  if (byEnter) {
    upperCaseTypedCode();
  }
  const QString code = txtCode->toPlainText();
  CategoryFlag.*(chosen()->flag) = true;
  notFound.fill(false);
  callFlaggedDescribers(tables, notFound, code);
  if (std::all_of(notFound.begin(), notFound.end(), [](bool f) { return f; })) {
    reportNotFound(QStringLiteral(" was not found"), focusOnMiss);
  }
}

void frmEcd::reportNotFound(const QString& tail, QWidget* focusTo) {
  desktop_.showMessage(this, QStringLiteral("Unknown Error Code"),
                       controls::notFoundText(txtCode->toPlainText(), tail));
  txtCode->clear();
  focus_->moveTo(focusTo);
}

}  // namespace quenmar
