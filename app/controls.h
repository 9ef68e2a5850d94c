#pragma once

#include <QByteArray>
#include <QString>
#include <span>
#include <string_view>

class QComboBox;
class QListWidget;
class QPlainTextEdit;

namespace quenmar::controls {

QString fromCatalog(std::string_view text);

// A control's text as the catalogue reads it: a UTF-8 view, whose bytes live as long as this.
class Utf8 {
 public:
  explicit Utf8(const QString& text);
  std::string_view view() const;

 private:
  QByteArray bytes_;
};

// A drop-down list's text. Setting it leaves no item chosen, as a typed text would, so the
// next pick of any item counts as a change; it never runs the list's Click handler.
QString text(const QComboBox* list);
void setText(QComboBox* list, const QString& text);

// Removes every item; the text the list showed stays.
void clearItems(QComboBox* list);
// Appends the items at the end in their order, choosing none and keeping the list's text.
void appendItems(QComboBox* list, std::span<const std::string_view> items);
void appendItems(QListWidget* list, std::span<const std::string_view> items);

void setText(QPlainTextEdit* box, const QString& text);

// The not-found message's text for a code, ending with the tail given. A code longer than
// kLongestQuotedCode characters (only a paste makes one) is quoted by its beginning and "...",
// so that the message box stays within the screen.
inline constexpr qsizetype kLongestQuotedCode = 40;
QString notFoundText(const QString& code, const QString& tail);

}  // namespace quenmar::controls
