// The window's shared procedures: what writes or empties the answer panes, how a describer's
// table answers, and what a list box's text is. Every handler uses these and no copy of them.
#include <QListWidget>
#include <QPlainTextEdit>

#include "app/controls.h"
#include "app/frmecd.h"

namespace quenmar {

void frmEcd::NA() {
  controls::setText(txtDesc, QStringLiteral("NA"));
  controls::setText(txtAction, QStringLiteral("NA"));
  controls::setText(txtResp, QStringLiteral("NA"));
}

void frmEcd::txtclear() {
  txtAction->clear();
  txtDesc->clear();
  txtReason->clear();
  txtResp->clear();
}

void frmEcd::showEntry(const catalog::CodeEntry& entry) {
  ++entriesShown_;
  controls::setText(txtReason, controls::fromCatalog(entry.reason));
  controls::setText(txtDesc, controls::fromCatalog(entry.description));
  controls::setText(txtAction, controls::fromCatalog(entry.action));
  controls::setText(txtResp, controls::fromCatalog(entry.response));
}

bool frmEcd::describe(std::span<const catalog::TextRow> table, const QString& code) {
  const catalog::CodeEntry* entry = catalog::findByText(table, controls::Utf8(code).view());
  if (entry == nullptr) {
    return false;
  }
  showEntry(*entry);
  return true;
}

void frmEcd::describeOrFlag(std::span<const catalog::TextRow> table, const QString& code,
                            bool& notFound) {
  if (!describe(table, code)) {
    notFound = true;
  }
}

void frmEcd::callFlaggedDescribers(std::span<const catalog::TextTable> tables,
                                   std::array<bool, 13>& notFound, const QString& code) {
  for (std::size_t n = 0; n < tables.size(); ++n) {
    describeOrFlag(tables[n](), code, notFound[n]);
  }
}

QString frmEcd::listText(const QListWidget* list) {
  const QList<QListWidgetItem*> chosen = list->selectedItems();
  return chosen.isEmpty() ? QString() : chosen.first()->text();
}

}  // namespace quenmar
