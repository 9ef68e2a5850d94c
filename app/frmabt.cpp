#include "app/frmabt.h"

#include "app/desktop.h"
#include "app/looks.h"
#include "app/secondary_window.h"
#include "skin/dorx_xp_form.h"

namespace quenmar {

frmAbt::frmAbt(Desktop& desktop) : desktop_(desktop) {
  setObjectName(QStringLiteral("frmAbt"));
  DorxXPForm1 = dressSecondaryWindow(this, {looks::px(6405), looks::px(4635)},
                                     QStringLiteral("About QUENMAR"));
}

}  // namespace quenmar
