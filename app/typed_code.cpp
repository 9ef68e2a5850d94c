// The typed-code box: its key filter, its focus handlers, and the two twin lookups of a
// typed code (Enter and the search button).
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <algorithm>

#include "app/controls.h"
#include "app/desktop.h"
#include "app/focus_bridge.h"
#include "app/frmecd.h"
#include "catalog/cobol/cobol_catalog.h"
#include "catalog/number_reader.h"
#include "catalog/rexx/rexx_catalog.h"
#include "skin/dorx_xp_button.h"

namespace quenmar {
namespace {

enum class Admits { Digits, LettersAndDigits };

struct KeyRule {
  Admits admits;
  int longest;
  const char* refusal;
  const char* fullLength;
};

constexpr const char* kOnlyNumeric = "Only Numeric Value Allowed";
constexpr const char* kOnlyAlphaNumeric = "Only Alphabet(Caps Or Small) Or Numeric Value Allowed";
constexpr const char* kFullLengthTab = "INVALID KEY PRESSED. Press Enter Or Tab";
constexpr const char* kFullLengthTabOnly = "INVALID KEY PRESSED. Press Enter Or Tab Only";

constexpr KeyRule kCobolRule{Admits::Digits, 3, kOnlyNumeric, kFullLengthTab};
constexpr KeyRule kCicsRule{Admits::LettersAndDigits, 4, kOnlyAlphaNumeric, kFullLengthTabOnly};
constexpr KeyRule kMvsRule{Admits::LettersAndDigits, 4, kOnlyAlphaNumeric, kFullLengthTabOnly};
constexpr KeyRule kRexxRule{Admits::Digits, 2, kOnlyNumeric, kFullLengthTabOnly};

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

void replaceText(QPlainTextEdit* box, const QString& text) {
  if (box->toPlainText() != text) {
    box->setPlainText(text);
    box->moveCursor(QTextCursor::End);
  }
}

}  // namespace

void frmEcd::txtCode_GotFocus() {
  emptyPanes();
  txtCode->clear();
  controls::setText(cmbCode, QString());
}

void frmEcd::txtCode_KeyPress(std::int16_t& keyAscii) {
  const KeyRule* rule = CategoryFlag.cobol  ? &kCobolRule
                        : CategoryFlag.cics ? &kCicsRule
                        : CategoryFlag.mvs  ? &kMvsRule
                        : CategoryFlag.rexx ? &kRexxRule
                                            : nullptr;
  if (rule != nullptr) {
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
  if (optCics->isChecked() || optMvs->isChecked()) {
    replaceText(txtCode, upperCaseAscii(txtCode->toPlainText()));
  }
}

void frmEcd::vbenter() { typedLookup(true); }

void frmEcd::cmdType_Click() { typedLookup(false); }

void frmEcd::typedLookup(bool byEnter) {
  if (txtCode->toPlainText().isEmpty()) {
    emptyPanes();
    controls::setText(cmbCode, QString());
    return;
  }
  if (optCobol->isChecked()) {
    const controls::Utf8 code(txtCode->toPlainText());
    CategoryFlag.cobol = true;
    if (const catalog::CodeEntry* entry = catalog::cobol::findByTypedKey(code.view())) {
      showEntry(*entry);
      return;
    }
    reportNotFound(byEnter ? QStringLiteral(" was not found ") : QStringLiteral(" was not found"),
                   txtCode);
  } else if (optMvs->isChecked() || optCics->isChecked()) {
    const bool mvs = optMvs->isChecked();
    if (byEnter) {
      replaceText(txtCode, upperCaseAscii(txtCode->toPlainText()));
    }
    const QString code = txtCode->toPlainText();
    std::array<bool, 13>& flags = mvs ? NotFoundFlag.mvs : NotFoundFlag.cics;
    (mvs ? CategoryFlag.mvs : CategoryFlag.cics) = true;
    flags.fill(false);
    if (mvs) {
      callMvsDescribers(code);
    } else {
      callCicsDescribers(code);
    }
    if (std::all_of(flags.begin(), flags.end(), [](bool f) { return f; })) {
      QWidget* focusTo = (mvs && byEnter) ? static_cast<QWidget*>(cmdType) : txtCode;
      reportNotFound(QStringLiteral(" was not found"), focusTo);
    }
  } else if (optRexx->isChecked()) {
    const std::optional<std::int16_t> number =
        catalog::readCodeNumber(controls::Utf8(txtCode->toPlainText()).view());
    const catalog::CodeEntry* entry =
        (number && *number >= 1 && *number <= 50) ? catalog::rexx::findError(*number) : nullptr;
    if (entry != nullptr) {
      showEntry(*entry);
      return;
    }
    reportNotFound(QStringLiteral(" was not found"), txtCode);
  } else {
    CategoryFlag.jcl = false;
    CategoryFlag.cobol = false;
    CategoryFlag.cics = false;
    CategoryFlag.db2 = false;
  }
}

void frmEcd::reportNotFound(const QString& tail, QWidget* focusTo) {
  desktop_.showMessage(this, QStringLiteral("Unknown Error Code"),
                       controls::notFoundText(txtCode->toPlainText(), tail));
  txtCode->clear();
  focus_->moveTo(focusTo);
}

}  // namespace quenmar
