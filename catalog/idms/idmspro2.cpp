// Status codes of the major codes "06" to "10".
#include "catalog/idms/idms_rows.h"

namespace quenmar::catalog::idms {
namespace {

using rows::generic;
using rows::join;
using rows::withResponse;

constexpr std::string_view kKeep = "KEEP";
constexpr std::string_view kConnect = "CONNECT";
constexpr std::string_view kModify = "MODIFY";
constexpr std::string_view kReady = "READY";

// READY shows the causes of minor code 08 with the "1" of its first "1)" dropped.
constexpr std::string_view kNotInSubschemaCausesUnnumbered = kNotInSubschemaCauses.view().substr(1);

constexpr std::array<StatusRow, 1> kConnectExtras{{
    {"07",
     "16",
     {kConnect, "The record is already connected to an occurrence of this set.", kNA,
      "A record can belong to only one occurrence of a set at a time. “DISCONNECT” it first when it has to move to another owner, or leave out the CONNECT; IF set-name MEMBER tells whether it is connected already."}},
}};

constexpr std::array<StatusRow, 1> kModifyExtras{{
    {"08", "13", {kModify, kRunUnitCurrencyMissing, kNA, kMakeRecordCurrent}},
}};

constexpr std::array<StatusRow, 2> kReadyExtras{{
    {"09",
     "66",
     {kReady, "DBA varied database offline for a reason.", kNA,
      "DBA may be doing a reorg or maintenance on an IDMS area."}},
    {"09",
     "71",
     {kReady,
      "The page range or page group of the area being readied is not in the DMCL that the run unit uses.",
      kNA,
      "Check that the DMCL in use, in batch or in the central version, includes the segment of the area, and that the subschema was generated against the same definitions; regenerate the DMCL or run with the right one."}},
}};

constexpr auto kRows =
    join(generic("06", kKeep), generic("07", kConnect), kConnectExtras, generic("08", kModify),
         kModifyExtras, withResponse(generic("09", kReady), "08", kNotInSubschemaCausesUnnumbered),
         kReadyExtras, generic("10", kInvalidMajorCode));

}  // namespace

std::span<const StatusRow> idmspro2Table() { return kRows; }

}  // namespace quenmar::catalog::idms
