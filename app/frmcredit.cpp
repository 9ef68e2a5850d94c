#include "app/frmcredit.h"

#include "app/desktop.h"
#include "app/looks.h"
#include "app/secondary_window.h"
#include "skin/dorx_xp_form.h"

namespace quenmar {

frmCredit::frmCredit(Desktop& desktop) : desktop_(desktop) {
  setObjectName(QStringLiteral("frmCredit"));
  DorxXPForm1 = dressSecondaryWindow(this, {looks::px(6450), looks::px(5355)},
                                     QStringLiteral("QUENMAR Help"));
}

}  // namespace quenmar
