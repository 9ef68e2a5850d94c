// IMS tables whose explanations are not written yet answer no code: a pick of such a code
// shows nothing. Each table moves to a file of its own when its explanations are written.
#include "catalog/ims/ims_tables.h"

namespace quenmar::catalog::ims {

std::span<const TextRow> imspr1Table() { return {}; }
std::span<const TextRow> imspr2Table() { return {}; }
std::span<const TextRow> imspr3Table() { return {}; }
std::span<const TextRow> imspr4Table() { return {}; }
std::span<const TextRow> imspr5Table() { return {}; }
std::span<const TextRow> imspr6Table() { return {}; }
std::span<const TextRow> imspr7Table() { return {}; }
std::span<const TextRow> imspr8Table() { return {}; }
std::span<const TextRow> imspr9Table() { return {}; }
std::span<const TextRow> imspr10Table() { return {}; }
std::span<const TextRow> imspr12Table() { return {}; }
std::span<const TextRow> dlpro1Table() { return {}; }
std::span<const TextRow> dlpro2Table() { return {}; }
std::span<const TextRow> dlpro3Table() { return {}; }
std::span<const TextRow> dlpro4Table() { return {}; }
std::span<const TextRow> dlpro5Table() { return {}; }

}  // namespace quenmar::catalog::ims
