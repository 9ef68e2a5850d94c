// Status codes of the major codes "00" to "05".
#include "catalog/idms/idms_rows.h"

namespace quenmar::catalog::idms {
namespace {

using rows::generic;
using rows::join;
using rows::withDescription;
using rows::withResponse;

constexpr std::string_view kAnyDmlFunction = "Any DML Function";
constexpr std::string_view kFinish = "FINISH";
constexpr std::string_view kErase = "ERASE";
constexpr std::string_view kFindObtain = "FIND/OBTAIN";
constexpr std::string_view kGet = "GET";

// Under "00" and "01" the text ends without the blank that the other major codes show.
constexpr std::string_view kSuccessOrNoCvNoBlank =
    kSuccessOrNoCv.view().substr(0, kSuccessOrNoCv.size() - 1);

constexpr std::array<StatusRow, 2> kEraseExtras{{
    {"02",
     "26",
     {kErase, kRecordNotFound, kNA,
      "ERASE could not find the record it was to delete. Obtain the record again so that it is current of run unit, then reissue the ERASE."}},
    {"02",
     "30",
     {kErase,
      "ERASE was issued for a record that still owns members in one or more set occurrences, and the statement did not say what should happen to those members.",
      kNA,
      "A plain ERASE removes only a record whose owned sets are all empty. Use “ERASE ... ALL MEMBERS” (or PERMANENT or SELECTIVE), or erase or disconnect the members first."}},
}};

constexpr std::array<StatusRow, 5> kFindObtainExtras{{
    {"03",
     "26",
     {kFindObtain, "Record Not Found", kNA,
      "No record matched the CALC key, sort key or db-key supplied. Check the key in the record area before calling."}},
    {"03",
     "31",
     {kFindObtain,
      "The format of the retrieval statement does not suit the record's location mode, for example “FIND CALC” for a VIA or DIRECT record.",
      kNA,
      "Use a format that fits the record: FIND or OBTAIN CALC only for CALC records; reach VIA and DIRECT records through their sets, by db-key or by walking their area. Check the location mode in the schema listing."}},
    {"03",
     "32",
     {kFindObtain,
      "FIND DUPLICATE failed: the CALC key in the record area differs from that of the current record of run unit.",
      kNA,
      "Retrieve the first record with OBTAIN CALC, leave the key in the record area unchanged, then use OBTAIN DUPLICATE for the following ones until status ‘0326’ ends the series. Reset the key if other code reuses the record area."}},
    {"03",
     "52",
     {kFindObtain,
      "The retrieval stopped on a condition IDMS met in the database itself, not on the program's keys or currencies.",
      kNA,
      "Note the full status and the ERROR-RECORD, ERROR-SET and ERROR-AREA fields of SUBSCHEMA-CTRL, rerun once, and if it repeats give them with the job log to the DBA for analysis of the area."}},
    {"03",
     "56",
     {kFindObtain, "Insufficient Memory for Compression/Decomp. Subroutines", kNA,
      "See Database Administrator about increasing size of the storage pool."}},
}};

// A retrieval names the area it needs in its own words.
constexpr rows::Generic kFindObtainGeneric = withResponse(
    withDescription(generic("03", kFindObtain), "01", "Required Area Not Readied"), "01",
    "READY the area of the record being retrieved, or READY all areas, before the FIND or OBTAIN, and check that the subschema in use does include that area name.");

constexpr auto kRows =
    join(withDescription(generic("00", kAnyDmlFunction), "00", kSuccessOrNoCvNoBlank),
         withDescription(generic("01", kFinish), "00", kSuccessOrNoCvNoBlank),
         generic("02", kErase), kEraseExtras, kFindObtainGeneric, kFindObtainExtras,
         generic("04", kInvalidMajorCode), generic("05", kGet));

}  // namespace

std::span<const StatusRow> idmspro1Table() { return kRows; }

}  // namespace quenmar::catalog::idms
