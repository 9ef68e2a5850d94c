// Status codes of the major code "nn": the minor codes that any DML function can end with.
#include "catalog/idms/idms_rows.h"

namespace quenmar::catalog::idms {
namespace {

using rows::generic;
using rows::join;
using rows::withDescription;
using rows::withResponse;

constexpr std::string_view kTitle = kInvalidMajorCode;

// Under "nn" a few generic texts read slightly differently.
constexpr std::string_view kEstablishCurrencyNoStop =
    kEstablishCurrency.view().substr(0, kEstablishCurrency.size() - 1);
constexpr std::string_view kLostCvDescriptionNoBlank =
    kLostCvDescription.view().substr(0, kLostCvDescription.size() - 1);

constexpr rows::Generic kAnyGeneric = withResponse(
    withDescription(withResponse(generic("nn", kTitle), "06", kEstablishCurrencyNoStop), "11",
                    kInsufficientSpace),
    "11",
    "The area has no room left for the record. Have the DBA enlarge or extend the area, or reorganise the database to win back space.");

constexpr std::
    array<StatusRow, 23>
        kAnyExtras{
            {
                {"nn",
                 "18",
                 {kTitle, "The record has not been bound.", kNA,
                  "Add Bind Record statement to program and recompile."}},
                {"nn",
                 "20",
                 {kTitle, "Current record of Run Unit not same as the record named in DML ", kNA,
                  kNA}},
                {"nn",
                 "21",
                 {kTitle,
                  "Not every area that the request touches has been readied in a usage mode that allows it.",
                  kNA,
                  "READY, in the usage mode the verb needs, every area holding the owners, members and indexes of the sets involved, not only the area of the record itself. With no explicit “READY”, IDMS readies all areas of the subschema in its default mode."}},
                {"nn",
                 "23",
                 {kTitle, "The area named in the statement is not an area of the subschema.", kNA,
                  "Check the spelling of the area name and that the subschema includes the area, then recompile against the current subschema. An area added to the schema later must also be added to the subschema before programs can name it."}},
                {"nn",
                 "28",
                 {kTitle, "The run unit tried to ready an area that it had already readied.", kNA,
                  "Remove the second “READY” for the area. All READY statements belong at the start of the run unit, before its first retrieval or update; to change the usage mode, FINISH and bind again."}},
                {"nn",
                 "29",
                 {kTitle, "Deadlock - caused by two or more programs locking the same records.",
                  kNA, "Allow one of the programs to finish, then rerun the program that failed."}},
                {"nn",
                 "54",
                 {kTitle,
                  "IDMS met a condition inside its own processing of the request rather than an error in the program's DML.",
                  kNA,
                  "Keep the job log, the full status and the ERROR-RECORD, ERROR-SET and ERROR-AREA fields, and report them to the DBA or systems programmer; rerunning the program alone rarely helps, as the cause is outside it."}},
                {"nn",
                 "60",
                 {kTitle,
                  "A record was found in a set occurrence whose type does not belong to that set: the set's pointers are broken.",
                  kNA,
                  "The database is damaged. ‘ERROR-SET’, ‘ERROR-RECORD’ and ‘ERROR-AREA’ show where; have the DBA analyse that area and repair or restore it before rerunning. Until then, programs that walk the same set will fail the same way."}},
                {"nn",
                 "63",
                 {kTitle,
                  "IDMS could not interpret the DML request: the call did not carry a valid function.",
                  kNA,
                  "Usually SUBSCHEMA-CTRL or the parameter list of the call was overwritten, or the call was not built by the DML precompiler. Check the storage around the IDMS blocks, especially tables and moves just before the failing call, and recompile."}},
                {"nn",
                 "64",
                 {kTitle,
                  "The record cannot be found because its CALC control element is not properly defined in the subschema.",
                  kNA,
                  "Have the DBA check the CALC key of the record in the schema and the subschema, regenerate the subschema and recompile the program. The status does not mean the key value is wrong; a missing record gives ‘0326’."}},
                {"nn", "65", {kTitle, "The database page read was not the page that IDMS requested.", kNA, "This points to a damaged file or to a data set that does not match the area: check the DD statement, or the file assignment of the central version, and the page size for the area, then have the DBA examine the file."}},
                {"nn",
                 "67",
                 {kTitle,
                  "IDMS rejected the request because the subschema control information the run unit uses is not valid for it.",
                  kNA,
                  "Check that the program, the subschema load module and the database definitions belong together, regenerate the subschema if in doubt and recompile the program."}},
                {"nn",
                 "68",
                 {kTitle,
                  "The request could not be served in the environment the run unit runs in.", kNA,
                  "Compare the job or transaction with one that works: the central version or local mode used, the SYSCTL or SYSIDMS settings and the subschema named; correct the one that differs."}},
                {"nn", "69", {kTitle, kLostCvDescriptionNoBlank, kNA, kLostCv}},
                {"nn",
                 "74",
                 {kTitle,
                  "A module that had to be loaded dynamically, such as the subschema or a database procedure, could not be loaded.",
                  kNA,
                  "Check that the load libraries of the job or of the central version hold the subschema and procedures named, that the names in “BIND RUN-UNIT” are right, and that the region has room to load them."}},
                {"nn",
                 "75",
                 {kTitle, "An input/output error occurred while the database file was being read.",
                  kNA,
                  "Look in the job log and on the console for the I/O error messages against the data set of the area; the DBA may need to restore the file from a backup and roll forward from the journals."}},
                {"nn",
                 "77",
                 {kTitle, "The run unit has not been bound, or it has been bound a second time.",
                  kNA,
                  "Issue “BIND RUN-UNIT” once at the start of the run unit, before any other DML, and not again until after FINISH. Check paths that bind in a loop or skip the bind, such as restart logic."}},
                {"nn",
                 "78",
                 {kTitle, "Area deadlock: run units were waiting for areas that each of them held.",
                  kNA,
                  "Rerun the job. If it happens again, ready areas in the same order in every program and avoid “PROTECTED” or “EXCLUSIVE” usage where it is not needed, so that run units do not hold areas against each other."}},
                {"nn",
                 "80",
                 {kTitle, "The target node is not active or has been disabled.", kNA,
                  "The request was routed to another central version. Ask the system administrator to check that the node is up and that the link between the two systems is active, then rerun."}},
                {"nn",
                 "82",
                 {kTitle,
                  "The run unit asked for a subschema or database definition that IDMS could not find where it looked.",
                  kNA,
                  "Check the subschema name in BIND RUN-UNIT, the dictionary and load library the job uses, and whether the subschema was generated and linked after the last change."}},
                {"nn",
                 "83",
                 {kTitle, "An error occurred while IDMS was accessing a native VSAM data set.", kNA, "Find the VSAM return and feedback codes in the job messages, and check the DD statement and that the VSAM file matches its definition in the schema: key position, key length and record size."}},
                {"nn",
                 "84",
                 {kTitle,
                  "The request conflicts with how the area or file is defined to the system in use.",
                  kNA,
                  "Have the DBA compare the area's definition in the DMCL and schema with the data set the job or central version actually allocates, and correct the one that is out of step."}},
                {"nn",
                 "86",
                 {kTitle, kNA, kNA,
                  "A lock on a db-key would have had to wait, although the call had asked for no wait."}},
            }};

constexpr auto kRows = join(kAnyGeneric, kAnyExtras);

}  // namespace

std::span<const StatusRow> idmspro5Table() { return kRows; }

}  // namespace quenmar::catalog::idms
