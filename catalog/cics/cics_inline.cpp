// The abend codes that the list lookup explains itself, with a title in Reason, before it asks
// the range describers.
#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "catalog/cics/cics_stock.h"
#include "catalog/cics/cics_tables.h"

namespace quenmar::catalog::cics {

namespace {

constexpr std::string_view kUnhandledConditionLead =
    "CICS detected an exceptional condition for which no EXEC CICS HANDLE CONDITION command is active and the RESP or NOHANDLE option is not included in the associated command. Condition=";

// A condition name usable as a template argument, so that each condition's Description is
// assembled once, at compile time, from the common lead and the name.
template <std::size_t N>
struct ConditionName {
  char chars[N];
  constexpr ConditionName(const char (&name)[N]) { std::copy_n(name, N, chars); }
  constexpr std::string_view view() const { return {chars, N - 1}; }
};

template <ConditionName kName>
constexpr auto kUnhandledChars = [] {
  std::array<char, kUnhandledConditionLead.size() + kName.view().size()> text{};
  const auto tail =
      std::copy(kUnhandledConditionLead.begin(), kUnhandledConditionLead.end(), text.begin());
  std::copy(kName.view().begin(), kName.view().end(), tail);
  return text;
}();

// The lead followed, without a blank, by the condition name. Some names differ from the Reason
// shown beside them; both are kept as users have always seen them.
template <ConditionName kName>
constexpr std::string_view unhandled{kUnhandledChars<kName>.data(), kUnhandledChars<kName>.size()};

constexpr std::string_view kAeiaDescription =
    "The EXEC interface program abends a task when a CICS command raises an exceptional condition that the program neither tests nor handles: no EXEC CICS HANDLE CONDITION command is active for the condition, and the command has neither the RESP nor the NOHANDLE option. Each condition has its own abend code in the AEI, AEX, AEY and AEZ ranges; AEIA stands for ERROR, the general condition raised when a command fails for a reason that no more specific condition describes. To find the failing command, look in the transaction dump at the EIBFN field of the EXEC Interface Block, which holds the function code of the command, and at the trace entries written by the EXEC interface just before the abend.";

constexpr std::string_view kAbmgResponse =
    "Correlate services requested against options specified in the system generation of BMS. The BMS system initialization parameter selects the level MINIMUM, STANDARD or FULL, each including the one below it; a request beyond the installed level results in this abend. Partitions, logical device codes and outboard formatting need at least the standard level; cumulative building of maps or text with ACCUM, terminal paging with PAGING, SEND PAGE and PURGE MESSAGE, and message routing with EXEC CICS ROUTE need the full level. If the program really needs the service, ask the system programmer to select a level that includes it and restart CICS; otherwise change the program to use only the services installed. If the requested services appear to match the installed level, trace the cause: the EIBFN field of the EXEC Interface Block in the transaction dump identifies the failing BMS command, and the trace entries written right before the abend show its options.";

constexpr std::string_view kAey7Description =
    "NOTAUTH condition not handled. A resource security check or a command security check made for the command has failed: the user of the task is not authorized to access the resource, or to use the command, in the way requested. The program neither tests for NOTAUTH with the RESP option nor handles it with EXEC CICS HANDLE CONDITION, so the EXEC interface abends the task. See the description of abend AEIA for further details.";

constexpr std::string_view kAey9Description =
    "The EXEC interface program could not carry out an EXEC CICS command: it does not support the command, or the function that the command needs is not available in this region. Typical causes: a facility left out at system generation or initialization, such as intersystem support for a request that names a remote system; an EXEC SQL request while the CICS DB2 attachment facility is not started; or an EXEC DLI request while no DL/I database support is available to the task.";

constexpr TextRow kRows[] = {
    {{"AEIA"}, {"ERROR", kAeiaDescription, kTransactionAbendedWithCicsDump, kAeiaResponse}},
    {{"AEID"}, {"EOF", unhandled<"EOF">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIE"}, {"EODS", unhandled<"EODS">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIG"},
     {"INBFMH", unhandled<"INBFMH">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIH"},
     {"ENDINPT", unhandled<"ENDINPT">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEII"},
     {"NONVAL", unhandled<"NONVAL">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIJ"},
     {"NOSTART", unhandled<"NOSTART">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIK"},
     {"TERMIDERR", unhandled<"TERMIDERR">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIL"},
     {"DSIDERR", unhandled<"FILENOTFOUND">, kUnhandledConditionAction,
      kUnhandledConditionResponse}},
    {{"AEIM"},
     {"NOTEND", unhandled<"NOTFND">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIN"},
     {"DUPREC", unhandled<"DUPREC">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIO"},
     {"DUPKEY", unhandled<"DUPKEY">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIP"},
     {"INVREQ", unhandled<"INVREQ">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIQ"},
     {"IOERR", unhandled<"IOERR">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIR"},
     {"NOSPACE", unhandled<"NOSPACE">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIS"},
     {"NOTOPEN", unhandled<"NOTOPEN">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIT"},
     {"ENDFILE", unhandled<"ENDFILE">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIU"},
     {"ILLOGIC", unhandled<"ILLOGIC">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIV"},
     {"LENGERR", unhandled<"LENGERR">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIW"},
     {"QZERO", unhandled<"QZERO">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEIZ"},
     {"ITEMERR", unhandled<"ITEMERR">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEI0"},
     {"PGMIDERR", unhandled<"PGMIDERR">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEI1"},
     {"TRANSIDERR", unhandled<"TRANSIDERR">, kUnhandledConditionAction,
      kUnhandledConditionResponse}},
    {{"AEI2"},
     {"ENDDATA", unhandled<"ENDDATA">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEI3"},
     {"INVTSREO", unhandled<"INVTSREQ">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEI8"},
     {"TSIOERR", unhandled<"TSIOERR">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEI9"},
     {"MAPFAIL", unhandled<"MAPFAIL">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEXL"},
     {"DISABLED", unhandled<"DISABLED">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYA"},
     {"INVERRTERM", unhandled<"INVERRTERM">, kUnhandledConditionAction,
      kUnhandledConditionResponse}},
    {{"AEYB"},
     {"INVMPSZ", unhandled<"INVMPSZ">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYC"},
     {"IGREQID", unhandled<"IGREQID">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYE"},
     {"INVLDC", unhandled<"INVLDC">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYG"},
     {"JIDERR", unhandled<"JIDERR">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYH"},
     {"QIDERR", unhandled<"QIDERR">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYJ"},
     {"DSSTAT", unhandled<"DSSTAT">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYK"},
     {"SELNERR", unhandled<"SELNERR">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYL"},
     {"FUNCERR", unhandled<"FUNCERR">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYM"},
     {"UNEXPIN", unhandled<"UNEXPIN">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYN"},
     {"NOPASSBKRD", unhandled<"NOPASSBKRD">, kUnhandledConditionAction,
      kUnhandledConditionResponse}},
    {{"AEYO"},
     {"NOPASSBKWR", unhandled<"NOPASSBKWR">, kUnhandledConditionAction,
      kUnhandledConditionResponse}},
    {{"AEYQ"},
     {"SYSIDERR", unhandled<"SYSIDERR">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYR"},
     {"ISCINVREQ", unhandled<"ISCINVREQ">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYT"},
     {"ENVDEFERR", unhandled<"ENVDEFERR">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYU"},
     {"IGREQCD", unhandled<"IGREQCD">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYV"},
     {"SESIONERR", unhandled<"SESSIONERR">, kUnhandledConditionAction,
      kUnhandledConditionResponse}},
    {{"AEYY"},
     {"NOTALLOC", unhandled<"NOTALLOC">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEYZ"},
     {"CBIDERR", unhandled<"CBIDERR">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEY1"},
     {"INVARTNSET", unhandled<"INVPARTNSET">, kUnhandledConditionAction,
      kUnhandledConditionResponse}},
    {{"AEY2"},
     {"INVPARTN", unhandled<"INVPARTN">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"AEY3"},
     {"PARTNEAIL", unhandled<"PARTNFAIL">, kUnhandledConditionAction, kUnhandledConditionResponse}},
    {{"ABMG"},
     {"Requested BMS service not included at system generation", kAbmgDescription,
      kTransactionAbendedWithCicsDump, kAbmgResponse}},
    {{"ABMP"}, {"PA/PF key not defined for page retrieval", kNA, kNA, kNA}},
    {{"AEY7"}, {"Resource security check failed", kAey7Description, kNA, kNA}},
    {{"AEY9"},
     {"Unsupported command issued", kAey9Description, kTransactionAbendedWithCicsDump,
      kAey9Response}},
    {{"AICA"},
     {"Transaction abended as a runaway task", kAicaDescription, kAicaAction, kAicaResponse}},
    {{"AKCS"}, {"Deadlock time-out encountered", kAkcsDescription, kAkcsAction, kAkcsResponse}},
    {{"AKCT"}, {"Read time-out encountered", kAkctDescription, kAkctAction, kAkctResponse}},
    {{"ASRA"}, {"ABEND due to program interruption", kAsraDescription, kAsraAction, kAsraResponse}},
    {{"ASRB"},
     {"ABEND due to OS ABEND intercepted by CICS", kAsrbDescription, kAsrbAction, kAsrbResponse}},
};

}  // namespace

std::span<const TextRow> inlineEntries() { return kRows; }

}  // namespace quenmar::catalog::cics
