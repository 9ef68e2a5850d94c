// The range describers as procedures of the window. What a family knows lives in its
// catalogue tables; how a table answers is the same for all of them.
#include <QByteArray>

#include "app/controls.h"
#include "app/frmecd.h"
#include "catalog/cics/cics_tables.h"
#include "catalog/db2/db2_tables.h"
#include "catalog/ims/ims_tables.h"
#include "catalog/mvs/mvs_tables.h"

namespace quenmar {

namespace mvs = catalog::mvs;
namespace cics = catalog::cics;
namespace ims = catalog::ims;
namespace db2 = catalog::db2;

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

void frmEcd::mvspr1(QString cop2) { describeOrFlag(mvs::mvspr1Table(), cop2, NotFoundFlag.mvs[0]); }
void frmEcd::mvspr2(QString cop2) { describeOrFlag(mvs::mvspr2Table(), cop2, NotFoundFlag.mvs[1]); }
void frmEcd::mvspr3(QString cop2) { describeOrFlag(mvs::mvspr3Table(), cop2, NotFoundFlag.mvs[2]); }
void frmEcd::mvspr4(QString cop2) { describeOrFlag(mvs::mvspr4Table(), cop2, NotFoundFlag.mvs[3]); }
void frmEcd::mvspr5(QString cop2) { describeOrFlag(mvs::mvspr5Table(), cop2, NotFoundFlag.mvs[4]); }
void frmEcd::mvspr6(QString cop2) { describeOrFlag(mvs::mvspr6Table(), cop2, NotFoundFlag.mvs[5]); }
void frmEcd::mvspr7(QString cop2) { describeOrFlag(mvs::mvspr7Table(), cop2, NotFoundFlag.mvs[6]); }
void frmEcd::mvspr8(QString cop2) { describeOrFlag(mvs::mvspr8Table(), cop2, NotFoundFlag.mvs[7]); }
void frmEcd::mvspr9(QString cop2) { describeOrFlag(mvs::mvspr9Table(), cop2, NotFoundFlag.mvs[8]); }
void frmEcd::mvspr10(QString cop2) {
  describeOrFlag(mvs::mvspr10Table(), cop2, NotFoundFlag.mvs[9]);
}
void frmEcd::mvspr11(QString cop2) {
  describeOrFlag(mvs::mvspr11Table(), cop2, NotFoundFlag.mvs[10]);
}
void frmEcd::mvspr12(QString cop2) {
  describeOrFlag(mvs::mvspr12Table(), cop2, NotFoundFlag.mvs[11]);
}
void frmEcd::mvspr13(QString cop2) {
  describeOrFlag(mvs::mvspr13Table(), cop2, NotFoundFlag.mvs[12]);
}

void frmEcd::cicspr1(QString cop2) {
  describeOrFlag(cics::cicspr1Table(), cop2, NotFoundFlag.cics[0]);
}
void frmEcd::cicspr2(QString cop2) {
  describeOrFlag(cics::cicspr2Table(), cop2, NotFoundFlag.cics[1]);
}
void frmEcd::cicspr3(QString cop2) {
  describeOrFlag(cics::cicspr3Table(), cop2, NotFoundFlag.cics[2]);
}
void frmEcd::cicspr4(QString cop2) {
  describeOrFlag(cics::cicspr4Table(), cop2, NotFoundFlag.cics[3]);
}
void frmEcd::cicspr5(QString cop2) {
  describeOrFlag(cics::cicspr5Table(), cop2, NotFoundFlag.cics[4]);
}
void frmEcd::cicspr6(QString cop2) {
  describeOrFlag(cics::cicspr6Table(), cop2, NotFoundFlag.cics[5]);
}
void frmEcd::cicspr7(QString cop2) {
  describeOrFlag(cics::cicspr7Table(), cop2, NotFoundFlag.cics[6]);
}
void frmEcd::cicspr8(QString cop2) {
  describeOrFlag(cics::cicspr8Table(), cop2, NotFoundFlag.cics[7]);
}
void frmEcd::cicspr9(QString cop2) {
  describeOrFlag(cics::cicspr9Table(), cop2, NotFoundFlag.cics[8]);
}
void frmEcd::cicspr10(QString cop2) {
  describeOrFlag(cics::cicspr10Table(), cop2, NotFoundFlag.cics[9]);
}
void frmEcd::cicspr11(QString cop2) {
  describeOrFlag(cics::cicspr11Table(), cop2, NotFoundFlag.cics[10]);
}
void frmEcd::cicspr12(QString cop2) {
  describeOrFlag(cics::cicspr12Table(), cop2, NotFoundFlag.cics[11]);
}
void frmEcd::cicspr13(QString cop2) {
  describeOrFlag(cics::cicspr13Table(), cop2, NotFoundFlag.cics[12]);
}

void frmEcd::imspr1(QString ims2) { describe(ims::imspr1Table(), ims2); }
void frmEcd::imspr2(QString ims2) { describe(ims::imspr2Table(), ims2); }
void frmEcd::imspr3(QString ims2) { describe(ims::imspr3Table(), ims2); }
void frmEcd::imspr4(QString ims2) { describe(ims::imspr4Table(), ims2); }
void frmEcd::imspr5(QString ims2) { describe(ims::imspr5Table(), ims2); }
void frmEcd::imspr6(QString ims2) { describe(ims::imspr6Table(), ims2); }
void frmEcd::imspr7(QString ims2) { describe(ims::imspr7Table(), ims2); }
void frmEcd::imspr8(QString ims2) { describe(ims::imspr8Table(), ims2); }
void frmEcd::imspr9(QString ims2) { describe(ims::imspr9Table(), ims2); }
void frmEcd::imspr10(QString ims2) { describe(ims::imspr10Table(), ims2); }
void frmEcd::imspr12(QString ims2) { describe(ims::imspr12Table(), ims2); }

void frmEcd::dlpro1(const QString& ims) { describe(ims::dlpro1Table(), ims); }
void frmEcd::dlpro2(const QString& ims) { describe(ims::dlpro2Table(), ims); }
void frmEcd::dlpro3(const QString& ims) { describe(ims::dlpro3Table(), ims); }
void frmEcd::dlpro4(const QString& ims) { describe(ims::dlpro4Table(), ims); }
void frmEcd::dlpro5(const QString& ims) { describe(ims::dlpro5Table(), ims); }

void frmEcd::db2pro1(const std::int16_t& db) {
  for (const auto& table : {db2::db2pro1TableTo567(), db2::db2pro1TableFrom571()}) {
    if (const catalog::CodeEntry* entry = catalog::findByNumber(table, db)) {
      showEntry(*entry);
      return;
    }
  }
}
void frmEcd::db2pro2(const std::int16_t& db) {
  if (const catalog::CodeEntry* entry = catalog::findByNumber(db2::db2pro2Table(), db)) {
    showEntry(*entry);
  }
}

void frmEcd::callMvsDescribers(const QString& code) {
  using Describer = void (frmEcd::*)(QString);
  static constexpr Describer kDescribers[] = {
      &frmEcd::mvspr1,  &frmEcd::mvspr2,  &frmEcd::mvspr3, &frmEcd::mvspr4, &frmEcd::mvspr5,
      &frmEcd::mvspr6,  &frmEcd::mvspr7,  &frmEcd::mvspr8, &frmEcd::mvspr9, &frmEcd::mvspr10,
      &frmEcd::mvspr11, &frmEcd::mvspr12, &frmEcd::mvspr13};
  for (Describer describer : kDescribers) {
    (this->*describer)(code);
  }
}

void frmEcd::callCicsDescribers(const QString& code) {
  using Describer = void (frmEcd::*)(QString);
  static constexpr Describer kDescribers[] = {
      &frmEcd::cicspr1,  &frmEcd::cicspr2,  &frmEcd::cicspr3, &frmEcd::cicspr4, &frmEcd::cicspr5,
      &frmEcd::cicspr6,  &frmEcd::cicspr7,  &frmEcd::cicspr8, &frmEcd::cicspr9, &frmEcd::cicspr10,
      &frmEcd::cicspr11, &frmEcd::cicspr12, &frmEcd::cicspr13};
  for (Describer describer : kDescribers) {
    (this->*describer)(code);
  }
}

}  // namespace quenmar
