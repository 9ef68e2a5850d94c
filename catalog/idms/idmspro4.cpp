// Status codes of the major codes "16" to "20".
#include "catalog/idms/idms_rows.h"

namespace quenmar::catalog::idms {
namespace {

using rows::generic;
using rows::join;
using rows::withDescription;
using rows::withResponse;

constexpr std::string_view kIf = "IF";
constexpr std::string_view kReturn = "RETURN";
constexpr std::string_view kCommit = "COMMIT";
constexpr std::string_view kRollback = "ROLLBACK";
constexpr std::string_view kLrfRequests = "LRF Requests";

// ROLLBACK shows only the first 357 characters of the response to minor code 09.
static_assert(kReadyForUpdate.size() > 357);
constexpr std::string_view kReadyForUpdateCut = kReadyForUpdate.view().substr(0, 357);

// For IF, minor code 01 reports a finding, not a missing area.
constexpr rows::Generic kIfGeneric = withResponse(
    withDescription(generic("16", kIf), "01", "Empty Set "), "01",
    "Not a failure: the IF statement found no member records in the current occurrence of the named set. Let the program take its path for an empty set, for instance skip the member loop and carry on with the owner record.");

constexpr std::array<StatusRow, 1> kIfExtras{{
    {"16", "13", {kIf, kRunUnitCurrencyMissing, kNA, kMakeRecordCurrent}},
}};

constexpr std::array<StatusRow, 1> kReturnExtras{{
    {"17",
     "26",
     {kReturn, kRecordNotFound, kNA,
      "RETURN found no index entry for the symbolic key given: no entry of the index holds that value. Check the key the program built, including its length, padding and letter case. To read the index in order, use RETURN FIRST, then NEXT or PRIOR and stop at status ‘1707’."}},
}};

constexpr auto kRows = join(
    kIfGeneric, kIfExtras, generic("17", kReturn), kReturnExtras, generic("18", kCommit),
    withResponse(generic("19", kRollback), "09", kReadyForUpdateCut), generic("20", kLrfRequests));

}  // namespace

std::span<const StatusRow> idmspro4Table() { return kRows; }

}  // namespace quenmar::catalog::idms
