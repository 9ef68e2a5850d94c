#include "app/controls.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStringList>

namespace quenmar::controls {
namespace {

QStringList toStringList(std::span<const std::string_view> items) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (std::string_view item : items) {
    list.append(fromCatalog(item));
  }
  return list;
}

}  // namespace

QString fromCatalog(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Utf8::Utf8(const QString& text) : bytes_(text.toUtf8()) {}

std::string_view Utf8::view() const {
  return {bytes_.constData(), static_cast<std::size_t>(bytes_.size())};
}

QString text(const QComboBox* list) { return list->currentText(); }

void setText(QComboBox* list, const QString& text) {
  list->setCurrentIndex(-1);
  list->setEditText(text);
}

void clearItems(QComboBox* list) {
  const QString shown = list->currentText();
  list->clear();
  setText(list, shown);
}

void appendItems(QComboBox* list, std::span<const std::string_view> items) {
  // Qt chooses the first item when an empty list gets items; the list must keep its prompt.
  const QString shown = list->currentText();
  const int chosen = list->currentIndex();
  list->addItems(toStringList(items));
  list->setCurrentIndex(chosen);
  list->setEditText(shown);
}

void appendItems(QListWidget* list, std::span<const std::string_view> items) {
  const QSignalBlocker quiet(list);
  list->addItems(toStringList(items));
}

QString notFoundText(const QString& code, const QString& tail) {
  QString quoted = code;
  if (code.size() > kLongestQuotedCode) {
    qsizetype kept = kLongestQuotedCode;
    // Never split a character that takes two UTF-16 units.
    if (code.at(kept - 1).isHighSurrogate()) {
      --kept;
    }
    quoted = code.first(kept) + QStringLiteral("...");
  }
  return QStringLiteral("Information On Error Code ") + quoted + tail;
}

void setText(QPlainTextEdit* box, const QString& text) { box->setPlainText(text); }

}  // namespace quenmar::controls
