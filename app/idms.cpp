// The IDMS Category: its switch, the DML function list, the minor code list and the five
// status code describers.
#include <QByteArray>
#include <QListWidget>
#include <string_view>

#include "app/category.h"
#include "app/controls.h"
#include "app/frmecd.h"
#include "catalog/code_lists.h"
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

void fillIdms(frmEcd& w) { controls::appendItems(w.lstIdms1, idms::dmlFunctionList()); }

bool holdsMajor(std::span<const idms::StatusRow> table, std::string_view major) {
  for (const idms::StatusRow& row : table) {
    if (row.major == major) {
      return true;
    }
  }
  return false;
}

}  // namespace

// IDMS keeps no CategoryFlag and uses neither code list: its two list boxes have handlers of
// their own.
constinit const CategoryDescriptor frmEcd::kIdms{
    .category = Category::Idms,
    .option = &frmEcd::optIdms,
    .click = &frmEcd::optIdms_Click,
    .onSwitch = {.idmsLists = true, .fill = fillIdms},
};

void frmEcd::optIdms_Click() { runSwitch(kIdms); }

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
// The minor code goes to the describer whose share holds the picked major code.
void frmEcd::lstIdms2_Click() {
  answerOrEmpty([this] {
    const controls::Utf8 major(listText(lstIdms1));
    for (idms::StatusTable table : idms::idmsproTables) {
      if (holdsMajor(table(), major.view())) {
        describeStatus(*this, table(), listText(lstIdms1), listText(lstIdms2));
        break;
      }
    }
  });
}

void frmEcd::idmspro1() {
  describeStatus(*this, idms::idmsproTables[0](), listText(lstIdms1), listText(lstIdms2));
}
void frmEcd::idmspro2() {
  describeStatus(*this, idms::idmsproTables[1](), listText(lstIdms1), listText(lstIdms2));
}
void frmEcd::idmspro3() {
  describeStatus(*this, idms::idmsproTables[2](), listText(lstIdms1), listText(lstIdms2));
}
void frmEcd::idmspro4() {
  describeStatus(*this, idms::idmsproTables[3](), listText(lstIdms1), listText(lstIdms2));
}
void frmEcd::idmspro5() {
  describeStatus(*this, idms::idmsproTables[4](), listText(lstIdms1), listText(lstIdms2));
}

}  // namespace quenmar
