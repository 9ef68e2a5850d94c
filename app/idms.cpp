// The IDMS lists: the DML function list, the minor code list and the five status code
// describers.
#include <QByteArray>
#include <QListWidget>
#include <string_view>

#include "app/controls.h"
#include "app/frmecd.h"
#include "catalog/idms/idms_tables.h"

namespace quenmar {
namespace {

namespace idms = catalog::idms;

// A describer answers only for its own major codes.
void describeStatus(frmEcd& window, std::span<const idms::StatusRow> table, const QString& major,
                    const QString& minor) {
  const controls::Utf8 majorBytes(major);
  const controls::Utf8 minorBytes(minor);
  if (const catalog::CodeEntry* entry =
          idms::findStatus(table, majorBytes.view(), minorBytes.view())) {
    window.showEntry(*entry);
  }
}

// The describers in the order the router tests them, each with its share of the catalogue.
struct Share {
  void (frmEcd::*describer)();
  std::span<const idms::StatusRow> (*table)();
};
constexpr Share kShares[] = {
    {&frmEcd::idmspro1, idms::idmspro1Table}, {&frmEcd::idmspro2, idms::idmspro2Table},
    {&frmEcd::idmspro3, idms::idmspro3Table}, {&frmEcd::idmspro4, idms::idmspro4Table},
    {&frmEcd::idmspro5, idms::idmspro5Table},
};

bool holdsMajor(std::span<const idms::StatusRow> table, std::string_view major) {
  for (const idms::StatusRow& row : table) {
    if (row.major == major) {
      return true;
    }
  }
  return false;
}

}  // namespace

void frmEcd::connectIdmsLists() {
  connectListClick(lstIdms1, &frmEcd::lstIdms1_Click);
  connectListClick(lstIdms2, &frmEcd::lstIdms2_Click);
}

void frmEcd::idmspr1() {
  lstIdms2->clear();
  controls::appendItems(lstIdms2, idms::genericMinorCodes());
}

// Picking a DML function offers the minor codes it can report; the panes keep what they show
// until a minor code is picked.
void frmEcd::lstIdms1_Click() {
  const controls::Utf8 major(listText(lstIdms1));
  const idms::DmlFunction* function = idms::findDmlFunction(major.view());
  if (function == nullptr) {
    return;
  }
  idmspr1();
  controls::appendItems(lstIdms2, function->extraMinorCodes);
}

// A pair that nothing answers, such as a minor code picked while no DML function is chosen,
// empties the panes rather than leave another pair's explanation beside it.
void frmEcd::lstIdms2_Click() {
  const auto shownBefore = entriesShown_;
  const controls::Utf8 major(listText(lstIdms1));
  for (const Share& share : kShares) {
    if (holdsMajor(share.table(), major.view())) {
      (this->*share.describer)();
      break;
    }
  }
  if (entriesShown_ == shownBefore) {
    emptyPanes();
  }
}

void frmEcd::idmspro1() {
  describeStatus(*this, idms::idmspro1Table(), listText(lstIdms1), listText(lstIdms2));
}
void frmEcd::idmspro2() {
  describeStatus(*this, idms::idmspro2Table(), listText(lstIdms1), listText(lstIdms2));
}
void frmEcd::idmspro3() {
  describeStatus(*this, idms::idmspro3Table(), listText(lstIdms1), listText(lstIdms2));
}
void frmEcd::idmspro4() {
  describeStatus(*this, idms::idmspro4Table(), listText(lstIdms1), listText(lstIdms2));
}
void frmEcd::idmspro5() {
  describeStatus(*this, idms::idmspro5Table(), listText(lstIdms1), listText(lstIdms2));
}

}  // namespace quenmar
