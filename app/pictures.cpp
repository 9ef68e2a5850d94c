#include "app/pictures.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initQuenmarResources() { Q_INIT_RESOURCE(quenmar); }

namespace quenmar {

void registerPictures() { initQuenmarResources(); }

}  // namespace quenmar
