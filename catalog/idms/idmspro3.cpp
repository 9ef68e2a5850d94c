// Status codes of the major codes "11" to "15".
#include "catalog/idms/idms_rows.h"

namespace quenmar::catalog::idms {
namespace {

using rows::generic;
using rows::join;
using rows::withDescription;

constexpr std::string_view kDisconnect = "DISCONNECT";
constexpr std::string_view kStore = "STORE";
constexpr std::string_view kBind = "BIND";
constexpr std::string_view kAccept = "ACCEPT";

// Four minor codes of BIND carry the statement's name as their whole description.
constexpr std::string_view kBindRunUnit = "BIND RUN-UNIT";

constexpr std::array<StatusRow, 2> kDisconnectExtras{{
    {"11",
     "15",
     {kDisconnect, "The record is a MANDATORY member of the set and cannot be disconnected.", kNA,
      "A mandatory member leaves its set only when it is erased. Erase the record instead, or have the set membership changed to “OPTIONAL” in the schema and the subschema regenerated; programs must then be recompiled."}},
    {"11",
     "22",
     {kDisconnect, "The record is not currently connected to an occurrence of the named set.", kNA,
      "Test membership with “IF set-name MEMBER” before the DISCONNECT, or skip it when the optional member has already left the set. Also check that the right record is current of its record type, since DISCONNECT acts on it."}},
}};

constexpr std::array<StatusRow, 1> kStoreExtras{{
    {"12",
     "25",
     {kStore, "No currency is established for a set that STORE has to connect the new record to.",
      kNA,
      "Before the STORE, make the owner or a member of every set the record joins automatically current, for example by an “OBTAIN” of the owner; for a sorted set the right occurrence must be current, not just any."}},
}};

constexpr std::array<StatusRow, 6> kBindExtras{{
    {"14", "69", {kBind, kLostCvDescription, kNA, kLostCv}},
    {"14",
     "73",
     {kBind,
      "BIND RUN-UNIT was refused because the central version could not set up another run unit for the program.",
      kNA,
      "Find the message that the central version logged when the bind failed; it names the resource that was short. Rerun when it is free, or ask the system administrator to review the limits of the central version."}},
    {"14",
     "91",
     {kBind, kBindRunUnit, kNA,
      "IDMS refused to bind the run unit. Start with the database name: check the DBNAME that the program or its job supplies against the names defined to the system in use."}},
    {"14",
     "93",
     {kBind, kBindRunUnit, kNA,
      "IDMS refused to bind the run unit. Check that the subschema named in the BIND was generated for the database it is bound to, and that the load library holds its current version."}},
    {"14",
     "94",
     {kBind, kBindRunUnit, kNA,
      "IDMS refused to bind the run unit. Check with the DBA that the DMCL and the database name in force include every segment that the subschema refers to."}},
    {"14",
     "95",
     {kBind, kBindRunUnit, kNA,
      "IDMS refused to bind the run unit. Compare the BIND, the subschema and the database name with those of a program that binds successfully, and read the reason in the CV log."}},
}};

// Under "13" the description of minor code 11 is left empty rather than "NA".
constexpr auto kRows =
    join(generic("11", kDisconnect), kDisconnectExtras, generic("12", kStore), kStoreExtras,
         withDescription(generic("13", kInvalidMajorCode), "11", ""), generic("14", kBind),
         kBindExtras, generic("15", kAccept));

}  // namespace

std::span<const StatusRow> idmspro3Table() { return kRows; }

}  // namespace quenmar::catalog::idms
