#include "catalog/mvs/mvs_stock.h"
#include "catalog/mvs/mvs_tables.h"

namespace quenmar::catalog::mvs {
namespace {

// S0AB reports the abend in the words of its own system action.
constexpr std::string_view kSvc171Ends =
    "An error occurred during processing of SVC 171 (X'AB'), and the system abnormally ends the "
    "task that issued the request after the task's own recovery routines have had a chance to "
    "retry.";

// Neighbouring supervisor calls that end their caller the same way.
constexpr std::string_view kActEndsSvcCallerWithDump =
    "The system abnormally ends the task that issued the supervisor call. A dump is written when "
    "the step has a SYSUDUMP, SYSABEND or SYSMDUMP DD statement.";
constexpr std::string_view kRespSvcRetryWithDump =
    "If the step has no dump DD statement, add SYSUDUMP or SYSMDUMP and run it again. Compare the "
    "registers passed to the supervisor call with what the service expects; if they are right, "
    "give the dump, the job log and the logrec record to the system programmer.";

// The program checks S0C1 to S0CF share these texts.
constexpr std::string_view kPcAction =
    "The system abnormally ends the task, unless a recovery routine was provided to handle the "
    "interruption. Message IEA995I shows the PSW and registers at the error.";
constexpr std::string_view kPcNoRoutine =
    "A program interruption occurred, but no routine had been specified to handle this type of "
    "interruption.";
constexpr std::string_view kPcCorrect =
    "Correct the program logic or construction error and rerun The job.";
constexpr std::string_view kPcCorrectIfProgram =
    "If the problem program contained an error, correct it, and run the job step again. Correct "
    "the program logic or construction error and rerun The job.";

constexpr TextRow kRows[] = {
    {{"S09A", "09A"},
     {"An error occurred during processing of SVC 154 (X'9A'). The service routine could not "
      "complete the request and ended its caller abnormally; where the routine supplies a reason "
      "code, register 15 holds it. ",
      kNA,
      "The system abnormally ends the task that issued SVC 154. Recovery routines that the task "
      "established with ESTAE or ESTAEX get control first; if none of them retries, the task ends "
      "and a dump is taken when a dump data set is defined.",
      "Check that the program passed the registers and parameter list that SVC 154 expects and "
      "that it holds any authorization the service needs. If the program is correct, keep the "
      "dump and the logrec record and report the problem to the system programmer. A SLIP trap "
      "such as SLIP SET,COMP=09A,ACTION=SVCD,END captures an SVC dump at the moment of the error "
      "if the step dump is not enough."}},
    {{"S09B", "09B"},
     {"The routine that processes SVC 155 (X'9B') found an error it could not recover from and "
      "issued this completion code. The messages written to the job log just before the abend and "
      "the symptom dump in message IEA995I identify the failing module. ",
      kNA, kNA,
      "Review the job log for the messages issued just before the abend. If the program issued "
      "SVC 155 itself, check the register contents at the supervisor call against the service's "
      "interface; otherwise give the dump to the system programmer."}},
    {{"S09D", "09D"},
     {"During processing of SVC 157 (X'9D'), the system found that the request could not be "
      "carried out and ended the requester with this completion code. ",
      "Message IEA995I shows the reason code, where the service sets one, and the failing module. "
      "A parameter list or control block passed in registers 0 and 1 that lies outside the "
      "caller's storage, or a caller without the key, state or authorization the service demands, "
      "points to the calling program. ",
      "The system abnormally ends the requesting task. Any ESTAE-type recovery exit of the task "
      "is given control before the task is ended.",
      "Verify the parameter list and the caller's execution state against the interface of SVC "
      "157. When the caller turns out to be a system or vendor program rather than your own, "
      "report the completion code, the reason code and the dump to the system programmer."}},
    {{"S09E", "09E"},
     {"The service entered through SVC 158 (X'9E') detected an error in the request it was given "
      "or in its own processing, and abnormally ended the caller. ",
      "The registers at the time of error belong to the service routine; the caller's registers "
      "at the supervisor call are saved in the service's SVRB, where register 1 normally "
      "addresses the parameter list. A zero address, or one pointing into freed storage, "
      "indicates a caller error. ",
      "The system ends the calling task abnormally and releases the resources it held; the "
      "remaining steps of the job are skipped unless they are conditioned to run after an abend.",
      "Correct the parameter list if the dump shows it was not valid, then run the job again. If "
      "the list was valid, ask the system programmer to search the problem-reporting databases "
      "for a fix matching the completion and reason codes."}},
    {{"S09F", "09F"},
     {"A request made through SVC 159 (X'9F') ended abnormally because the service routine could "
      "not finish it. ",
      "The resume PSW in the caller's PRB points just past the SVC instruction and so identifies "
      "the caller; the module and offset in message IEA995I tell whether the failure was in the "
      "service or in a routine it called. The same module and offset on each recurrence suggests "
      "a service error. ",
      "The system abnormally ends the task that issued SVC 159 and, when the error is in a system "
      "routine, may write a logrec record of the software error.",
      "Collect the dump and any logrec record for the abend. Correct the calling program if the "
      "request was in error; otherwise supply the material to the system programmer for reporting "
      "to the service's owner."}},
    {{"S0A0", "0A0"},
     {"An error occurred during processing of SVC 160 (X'A0'); the service stopped the request "
      "and ended the issuing task abnormally.",
      "The supervisor call handler passes SVC 160 to the routine named for it in the SVC table. "
      "Whether that routine belongs to the system or was installed by a product (through the "
      "IEASVCxx parmlib member or the SVCUPDTE macro) decides who must examine the dump. ",
      "The system abnormally ends the task that issued SVC 160, after its recovery exits have run.",
      "Find out which routine is installed for SVC 160 on this system and report the completion "
      "code with its reason code and dump to the owner of that routine, through the system "
      "programmer."}},
    {{"S0A1", "0A1"},
     {"The routine for SVC 161 (X'A1') found an error and ended the caller with this completion "
      "code; the request was not carried out.",
      kNA,
      "The system abnormally ends the task that issued SVC 161. If the task has a recovery "
      "routine, that routine can retry; otherwise the step ends with this completion code.",
      "Look at the job log for messages that accompany the abend and act on them. If there are "
      "none, run the step again with a SYSMDUMP DD statement and have the system programmer "
      "examine the dump."}},
    {{"S0A2", "0A2"},
     {"During SVC 162 (X'A2') processing, the system found a condition that kept it from "
      "completing the request, and abnormally ended the program that made it.",
      kNA,
      "The system ends the program that issued SVC 162 abnormally; the remaining steps of the job "
      "run only if their COND or IF conditions allow it.",
      "Check whether the program running when the abend occurred is your own. If it is, verify "
      "the data it passes to SVC 162; if it is a system or product program, report the problem "
      "with the dump and the job log."}},
    {{"S0A3", "0A3"},
     {"An error occurred while the system processed SVC 163 (X'A3'). The service routine detected "
      "a condition it does not accept and abnormally ended the caller.",
      kNA,
      "The system abnormally ends the task that issued SVC 163. Its recovery routines, if any, "
      "are entered before the task ends.",
      "Run the job again. If the abend occurs again at the same place, save the dump and the "
      "logrec error record and have the system programmer look for a known fix under completion "
      "code 0A3."}},
    {{"S0A4", "0A4"},
     {"An error occurred during processing of SVC 164 (X'A4'). The service routine found the "
      "request or the conditions in which it was issued in error and ended the requesting task "
      "abnormally.",
      "The reason code issued with the abend, shown in message IEA995I, names the failing check. "
      "A parameter list not addressable in the caller's key, or a request made in a state the "
      "service does not allow (key, locks held, cross-memory mode), points to the caller. ",
      "The system abnormally ends the task that issued SVC 164 and gives its recovery exits "
      "control first; a dump is written if the step defines one.",
      "Use the reason code to decide whether the caller or the service is in error. Correct the "
      "calling program and run it again, or report the dump and reason code to the system "
      "programmer when the caller was correct."}},
    {{"S0A5", "0A5"},
     {"The service that processes SVC 165 (X'A5') ended the caller abnormally because it could "
      "not complete the request.",
      kNA,
      "The system abnormally ends the task that issued SVC 165 and writes a dump if one was "
      "requested for the step.",
      "Check the program that issued SVC 165 for a damaged parameter list or a missing "
      "authorization. If you cannot find the cause, give the dump to the system programmer."}},
    {{"S0A6", "0A6"},
     {"An error occurred during processing of SVC 166 (X'A6'). The request could not be honoured "
      "and the issuing program was ended with this completion code.",
      kNA, kNA,
      "Check the messages in the job log around the abend. Run the job again; if the abend "
      "recurs, give the system programmer the completion code, the reason code from message "
      "IEA995I and the dump."}},
    {{"S0A7", "0A7"},
     {"The routine entered through SVC 167 (X'A7') found an error and abnormally ended the "
      "program that called it. The failure is recorded for the system programmer rather than "
      "acted on by the application.",
      kNA,
      "The system abnormally ends the task in error. Where the error lies in system code, a "
      "logrec record and an SVC dump can be produced for the system programmer.",
      kNA}},
    {{"S0A8", "0A8"},
     {"During processing of SVC 168 (X'A8'), the system detected an error in the request and "
      "could not continue.",
      "Where the service sets a reason code it appears with the abend and tells which check "
      "failed. An address that does not point to a parameter list the caller owns, a field value "
      "the service rejects, or a caller without the APF, supervisor state or key authorization "
      "the function needs points to the calling program. ",
      "The system abnormally ends the task that issued SVC 168. The task's recovery routines are "
      "entered before termination.",
      "Find the reason code and, in the service's SVRB, the caller's parameter list in the dump. "
      "Correct the caller if it built the request wrongly or lacked authorization; otherwise "
      "report the problem through the system programmer."}},
    {{"S0A9", "0A9"},
     {"An error ended processing of SVC 169 (X'A9'), and the system abnormally ended the task "
      "that issued it.",
      "Message IEA995I gives the PSW and registers at the error, the load module and offset, and "
      "the reason code if one was set. When the module is a system module, the request block "
      "chain of a formatted dump shows which program issued SVC 169 and with which registers. ",
      "The system abnormally ends the calling task and, when the failing routine is a system "
      "component, records the error in logrec.",
      "Decide from the symptom dump whether the error lies in the calling program or in the "
      "service routine. Correct your program in the first case; in the second, report the symptom "
      "string and dump to the system programmer."}},
    {{"S0AA", "0AA"},
     {"The service entered through SVC 170 (X'AA') could not complete the request and issued this "
      "completion code to end its caller. ",
      kNA,
      "The system abnormally ends the task that issued SVC 170; other tasks of the address space "
      "continue unless they depend on it.",
      "Check the program that issued SVC 170 and the data it supplied. If the cause is not in the "
      "program, rerun the job with a dump and contact the system programmer."}},
    {{"S0AB", "0AB"},
     {kSvc171Ends, kNA, kSvc171Ends,
      "Examine the dump for the request passed to SVC 171 and correct it. If the request was "
      "valid, give the dump and logrec record to the system programmer."}},
    {{"S0AC", "0AC"},
     {"An error occurred during processing of SVC 172 (X'AC'): the service found a condition it "
      "cannot handle and ended the caller abnormally. ",
      "The reason code given with the abend, where there is one, identifies the failing check. A "
      "caller not running in the state the service requires, a parameter list built for another "
      "level of the interface, or a control block freed or overlaid before the request was "
      "processed points to the caller. ",
      "The system abnormally ends the task that issued SVC 172. A dump is produced if the step "
      "requested one.",
      "Make sure the program was assembled or compiled with the macro level that matches the "
      "running system and that it runs in the required state. Correct the program and run the job "
      "again; if the error persists, notify the system programmer."}},
    {{"S0AD", "0AD"},
     {"The routine for SVC 173 (X'AD') found an error in the request or in its own processing and "
      "ended the requester abnormally. ",
      "Message IEA995I gives the reason code and the module that issued the abend. In a formatted "
      "dump the service's SVRB holds the caller's registers at the supervisor call, with register "
      "1 normally addressing the parameter list; a bad list points to the caller, a failure with "
      "a correct list to the service. ",
      "The system abnormally ends the requesting task after its recovery routines, if any, have "
      "declined to retry.",
      "Compare the parameter list in the dump with the interface of the service. Correct the "
      "calling program if they differ; if they agree, report the problem to the system programmer "
      "with the dump."}},
    {{"S0AE", "0AE"},
     {"A request made through SVC 174 (X'AE') failed, and the service abnormally ended the task "
      "that made it. ",
      kNA,
      "The system abnormally ends the task that issued SVC 174 and takes a dump when a dump DD "
      "statement is present.",
      "Check the job log and the symptom dump for the failing module. Correct the program if it "
      "passed an incorrect request; otherwise report the completion code to the system programmer."}},
    {{"S0AF", "0AF"},
     {"An error occurred during processing of SVC 175 (X'AF'), and the request was not completed; "
      "the service routine ended the caller. The reason code in register 15, where the routine "
      "sets one, and the module in message IEA995I identify the check that failed. ",
      kNA,
      "The system abnormally ends the task that issued SVC 175. Subsequent steps of the job run "
      "only when their conditions allow it.",
      "Rerun the job. If the abend recurs, keep the dump and the logrec record and ask the system "
      "programmer to check the routine installed for SVC 175."}},
    {{"S0B0", "0B0"},
     {"The scheduler work area (SWA) manager found an error it could not correct while it "
      "processed a request to read, write, assign or locate a SWA control block of the job. ",
      "The reason code is in register 15; register 0 addresses an area with diagnostic "
      "information, and register 1 holds the completion code. Requests reach the SWA manager "
      "through the SWAREQ macro or the queue manager interface; an SWA virtual address (SVA) that "
      "does not point to a SWA block, a block whose prefix does not carry the identifier the "
      "request expects, or a move-mode length that does not fit the block are the errors it "
      "finds. Blocks kept in the SWA (JFCB, SIOT, JSCB extensions) overlaid by a program of the "
      "job are a frequent cause. ",
      "The system abnormally ends the task that made the SWA request. Because the SWA manager "
      "serves the interpreter, the initiator and allocation, the job usually stops during step "
      "setup or step termination.",
      "Find the reason code in register 15 and the module that called the SWA manager in the "
      "dump. If a program of the job altered a JFCB or another SWA block, or passed its own SVA "
      "to the SWAREQ macro, correct it; otherwise report the dump to the system programmer."}},
    {{"S0B1", "0B1"},
     {"During processing of SVC 177 (X'B1'), the service routine detected an error and ended the "
      "program that requested it. The reason code in register 15, where one is set, identifies "
      "the failing check. ",
      "Message IEA995I gives the reason code, the failing module and the registers at the error. "
      "The caller's registers at the supervisor call are kept in the routine's SVRB, with "
      "register 1 normally addressing the parameters; an address of zero there, a request needing "
      "APF authorization from an unauthorized caller, or storage the routine could not reach "
      "points to the caller. ",
      "The system abnormally ends the task that issued SVC 177 and writes a dump if the step "
      "asked for one.",
      "Check the reason code and correct the register contents or the authorization of the "
      "calling program. If the program is not your own or appears correct, report the problem to "
      "the system programmer."}},
    {{"S0B2", "0B2"},
     {"An error occurred during processing of SVC 178 (X'B2'). The service could not complete the "
      "request and ended the caller with this completion code. ",
      kNA,
      "The system abnormally ends the task that issued SVC 178, giving its recovery routines "
      "control first.",
      kRespSvcRetryWithDump}},
    {{"S0B3", "0B3"},
     {"The routine that handles SVC 179 (X'B3') detected an error and ended the program that "
      "issued the supervisor call. ",
      kNA,
      "The system abnormally ends the task that issued SVC 179. The job continues only with steps "
      "that are conditioned to run after an abend.",
      kRespSvcRetryWithDump}},
    {{"S0B4", "0B4"},
     {"An error occurred during processing of SVC 180 (X'B4'), and the requesting task was ended "
      "abnormally. ",
      "Where the service routine sets a reason code, message IEA995I shows it. An incorrect or "
      "overlaid parameter list, or a request that does not fit the state of the resource it names "
      "(for example one already released), points to the caller; the dump and logrec record show "
      "which module found the error. ",
      "The system abnormally ends the task that issued SVC 180 and writes an error record to "
      "logrec when the error was found by system code.",
      "Use the reason code to find whether the request or the resource it names was in error. "
      "Correct the program and run the job again; if the program is correct, give the dump and "
      "logrec record to the system programmer."}},
    {{"S0B5", "0B5"},
     {"The service entered through SVC 181 (X'B5') found an error and ended the caller; the "
      "request it was given was not completed. ",
      kNA,
      "The system abnormally ends the task that issued SVC 181 and frees the resources the task "
      "held.",
      "Review the job log and the symptom dump. Correct the calling program if its request was in "
      "error, then run the job again; report a recurring failure with a correct request to the "
      "system programmer."}},
    {{"S0B6", "0B6"},
     {"An error occurred during processing of SVC 182 (X'B6'), an error the system reports for "
      "system programmer action rather than for correction by the application. ",
      "The SVC dump or step dump holds the PSW and registers at the error and message IEA995I the "
      "reason code; the logrec software record gives the failing module and its recovery routine. "
      "A SLIP trap on completion code 0B6 captures a fuller dump if the error recurs. ",
      "The system abnormally ends the task that issued SVC 182, records the error in logrec and "
      "takes a dump if one was requested.",
      kNA}},
    {{"S0B7", "0B7"},
     {"The routine for SVC 183 (X'B7') found a condition that prevented it from completing the "
      "request and abnormally ended the caller. ",
      kNA,
      "The system abnormally ends the task that issued SVC 183 once its recovery routines have "
      "had a chance to run.",
      "Check the program that issued SVC 183 for incorrect input and for storage overlays before "
      "the call. Run the job again; if the abend persists, collect the dump and contact the "
      "system programmer."}},
    {{"S0B8", "0B8"},
     {"An error occurred during processing of SVC 184 (X'B8'); the service detected it and ended "
      "the calling task abnormally. ",
      "Message IEA995I shows the reason code set by the service routine. The caller's registers "
      "at the supervisor call, in the service's SVRB, give the address of its parameters; one "
      "outside the caller's region, or a field holding a value the service does not define, "
      "points to an error in the calling program. ",
      "The system abnormally ends the task that issued SVC 184. A dump is written when the step "
      "has a dump DD statement.",
      "Check the parameters at the address the caller passed and correct the calling program. If "
      "the parameters are valid, report the reason code and dump to the system programmer."}},
    {{"S0B9", "0B9"},
     {"A request through SVC 185 (X'B9') could not be completed because the service routine found "
      "an error; it ended the requester with this completion code. ",
      kNA,
      "The system abnormally ends the task that issued SVC 185; its recovery routines can retry "
      "if they were established.",
      "Look for a message giving the cause in the job log. Correct the request if the program "
      "issued it wrongly; otherwise report the abend with the dump to the system programmer."}},
    {{"S0BA", "0BA"},
     {"An error occurred during processing of SVC 186 (X'BA'), and the system stopped the "
      "request. The error concerns the service itself and is reported for the system programmer. ",
      kNA, kActEndsSvcCallerWithDump, kNA}},
    {{"S0BB", "0BB"},
     {"The routine that processes SVC 187 (X'BB') detected an error it could not recover from and "
      "ended the task that issued the supervisor call. ",
      kNA, kActEndsSvcCallerWithDump, kNA}},
    {{"S0BD", "0BD"},
     {"During processing of SVC 189 (X'BD'), the service routine met an error and ended the "
      "caller abnormally; the error is reported for problem determination by the system "
      "programmer. ",
      kNA,
      "The system abnormally ends the task that issued SVC 189 and records the software error in "
      "logrec when it was found by system code.",
      kNA}},
    {{"S0BE", "0BE"},
     {"An error occurred during processing of SVC 190 (X'BE'). The request did not complete and "
      "the service abnormally ended the task that made it. ",
      kNA,
      "The system abnormally ends the task that issued SVC 190 and takes a dump if the step "
      "provides a dump data set.",
      kNA}},
    {{"S0BF", "0BF"},
     {"The service entered through SVC 191 (X'BF') failed to complete a request and issued this "
      "completion code, which the system reports for the system programmer's attention. ",
      kNA,
      "The system abnormally ends the task that issued SVC 191, after its recovery routines have "
      "declined to retry.",
      kNA}},
    {{"S0C1", "0C1", "SOC1"},
     {"Operation exception. The processor fetched an instruction whose operation code is "
      "undefined, or that belongs to a facility this machine does not have, and could not run it. "
      "In an application program this mostly means that control reached data instead of code: a "
      "branch through an unset or an overlaid register, a call to a subprogram that was never "
      "loaded, or a file used before it was ever opened.",
      "Possible causes: a subscript or index out of range stored over instructions of the "
      "program; a branch or return address in a register was never set or was overlaid; a called "
      "subprogram was not link edited into the load module, so the call went to an unresolved "
      "address; a DD statement was missing or misspelled, so a file was read or written without "
      "being open; the program was run although the compiler or binder reported severe errors; an "
      "instruction of a newer hardware level was used on an older processor. ",
      kPcAction,
      "Find the failing instruction from the PSW address and the instruction length code in the "
      "dump, and locate it in the compiler listing or binder map through the module's entry "
      "address. Check the DD statements for the step, unresolved references in the binder output, "
      "and subscripts that could exceed their tables. Correct the program or the JCL and run the "
      "job again."}},
    {{"S0C2", "0C2", "SOC2"},
     {"Privileged-operation exception", kPcNoRoutine, kPcAction, kPcCorrect}},
    {{"S0C3", "0C3", "SOC3"}, {"Execute exception", kPcNoRoutine, kPcAction, kPcCorrect}},
    {{"S0C4", "0C4", "SOC4"},
     {"Protection exception / Segment-translation exception / Page-translation exception. The "
      "program referred to storage its key may not use, or to a virtual address with no obtained "
      "storage backing it.",
      "The reason code of the abend is the interruption code: 4 for a protection exception, 10 "
      "for segment translation, 11 for page translation. Possible causes: a subscript or index "
      "beyond the end of a table; a pointer or base register that was never set or was overlaid; "
      "a storage area used after it was freed; a record area of a file referred to before the "
      "file was opened or after end of file or close; a mismatch between the parameters passed by "
      "a CALL and those the called program describes in its linkage section; a 31-bit address "
      "handed to a program running in 24-bit mode; a store into storage that belongs to the "
      "system or to another key. ",
      kPcAction,
      "Use the PSW address and the registers in the dump to find the instruction and the address "
      "it referred to. Check subscripts, pointers and the order of OPEN, READ and CLOSE "
      "statements, and make sure calling and called programs agree on their parameters and "
      "addressing mode. Correct the program and run the job again. Under Language Environment, "
      "message CEE3204S and the CEEDUMP traceback give the offset of the failing statement; "
      "compile with the LIST or OFFSET option to map that offset to the source."}},
    {{"S0C5", "0C5", "SOC5"},
     {"Addressing exception. An instruction or one of its operands named an address outside the "
      "storage that exists, so no access was possible.",
      "Possible causes: a base or index register holding a value that was never loaded, or one "
      "that another instruction overlaid; a branch to an address taken from a damaged save area "
      "or pointer; a subscript that ran far outside its table; a reference to a control block of "
      "a file that is not open; an address computed from data, such as a record field, instead of "
      "from a valid pointer. ",
      kPcAction,
      "Find the instruction at the PSW address and the register that formed the bad address. "
      "Trace back where that register was last loaded, correct the program and rerun the job. "
      "When the program runs under Language Environment, message CEE3205S and the traceback in "
      "the CEEDUMP name the failing routine and offset."}},
    {{"S0C6", "0C6", "SOC6"},
     {"Specification exception. Usually caused by incorrect boundary. Read the description for "
      "pausible causes.",
      "Possible causes: an instruction address that is odd, for example after a branch to a "
      "damaged address; an operand that an instruction needs on a word or doubleword boundary, "
      "such as those of compare-and-swap, placed elsewhere; an odd register named where an "
      "even-odd pair is required, as for multiply, divide and double shifts; a floating-point "
      "register number that is not valid; a decimal multiply or divide whose operand lengths "
      "break the rules (a multiplier or divisor longer than 8 bytes or not shorter than the other "
      "operand); a PSW loaded with an invalid format. ",
      kPcAction,
      "Locate the instruction at the PSW address and check its operands for alignment, register "
      "pairs and operand lengths. Correct the program, or the data that drove it to a bad "
      "address, and run the job step again. Language Environment reports this exception with "
      "message CEE3206S."}},
    {{"S0C7", "0C7", "SOC7"},
     {"This ABEND is a data exception and can only occur when decimal (packed) instructions are "
      "used.",
      "Possible causes: a numeric field used in arithmetic or a comparison before anything was "
      "moved into it, so it holds blanks or low values; input records that carry non-numeric "
      "characters in numeric fields; a record layout or copybook that does not match the file, so "
      "fields are read at the wrong offsets; a group item moved to a numeric item; a subscript "
      "out of range that selected the wrong storage; a packed field whose sign half-byte is not a "
      "valid sign; a field redefined with a different USAGE. ",
      kPcAction,
      "Find the failing instruction and its operands in the dump and display the field that holds "
      "invalid decimal data. Correct the input data, initialise the field, or fix the record "
      "description, and run the job again. Validating numeric input with a class test (IF "
      "NUMERIC) before using it prevents a recurrence. Under Language Environment the exception "
      "is reported by message CEE3207S, whose offset leads to the statement in the compiler "
      "listing."}},
    {{"S0C8", "0C8", "SOC8"},
     {"Fixed-point-overflow exception.", kPcNoRoutine, kPcAction, kPcCorrect}},
    {{"S0C9", "0C9", "SOC9"},
     {"Fixed-point-divide exception.",
      "A fixed-point divide instruction had a divisor of zero, or the quotient did not fit in the "
      "register that should receive it. A convert-to-binary instruction (CVB) whose decimal "
      "operand is too large for 32 bits raises the same exception. In COBOL this is usually a "
      "division of binary (COMP) fields by a field holding zero. ",
      kPcAction,
      "Test the divisor for zero before dividing, or code ON SIZE ERROR on the DIVIDE or COMPUTE "
      "statement. Check that the input data that supplies the divisor is valid, correct the "
      "program and run the job again. Language Environment reports this exception with message "
      "CEE3209S and the offset of the failing statement."}},
    {{"S0CA", "0CA", "SOCA"},
     {"Decimal-overflow exception.", kPcNoRoutine, kPcAction, kPcCorrectIfProgram}},
    {{"S0CB", "0CB", "SOCB"},
     {"Decimal-divide exception.", kPcNoRoutine, kPcAction, kPcCorrectIfProgram}},
    {{"S0CC", "0CC", "SOCC"},
     {"Exponent-overflow exception.", kPcNoRoutine, kPcAction, kPcCorrectIfProgram}},
    {{"S0CD", "0CD", "SOCD"},
     {"Exponent-underflow exception.", kPcNoRoutine, kPcAction, kPcCorrectIfProgram}},
    {{"S0CE", "0CE", "SOCE"},
     {"Significance exception.", kPcNoRoutine, kPcAction, kPcCorrectIfProgram}},
    {{"S0CF", "0CF", "SOCF"},
     {"Floating-point-divide exception.", kPcNoRoutine, kPcAction, kPcCorrectIfProgram}},
    {{"S0D2", "0D2"},
     {"A translation-specification exception occurred (program interruption code X'12'): during "
      "dynamic address translation the processor found a control register, segment table entry or "
      "page table entry in a format that is not valid.",
      kNA,
      "The system abnormally ends the task that was running when the exception occurred and "
      "records the program check in logrec.",
      "Translation tables belong to the system, so this points to a system error rather than to "
      "the program. Keep the dump and the logrec record and have the system programmer report "
      "them to IBM support."}},
    {{"S0D3", "0D3"},
     {"A special-operation exception occurred (program interruption code X'13'): the program "
      "issued a cross-memory or address-space-control instruction, such as SAC, SSAR, PT, MVCP or "
      "MVCS, while the controls that permit it were off, for example with the secondary-space "
      "control in control register 0 not set or with dynamic address translation off.",
      kNA,
      "The system abnormally ends the task that issued the instruction, unless a recovery routine "
      "of the task retries.",
      "Issue cross-memory and address-space-control instructions only in an address space where "
      "the system has set up cross-memory services, and never with DAT off. Correct the program "
      "and run the job again."}},
    {{"S0D4", "0D4"},
     {"A program check occurred that the system reports as an address-translation or cross-memory "
      "exception rather than as an error in the logic of a problem program. The program "
      "interruption code recorded with the abend names the exception.",
      kNA,
      "The system abnormally ends the task that was running when the program check occurred and "
      "writes a logrec record of the error.",
      "Read the program interruption code from message IEA995I or the dump. If the failing "
      "instruction is in your own cross-memory code, correct it; otherwise give the dump and "
      "logrec record to the system programmer."}},
    {{"S0D5", "0D5"},
     {"A space-switching instruction (PC, PT, PR or SSAR) named an address space number (ASN) "
      "that could not be translated: the address space it stood for has ended or was never set "
      "up. A program that goes on using another address space, for example a client of a "
      "cross-memory server, meets this abend when that address space ends.",
      "X'20' -> AFX-translation exception: the ASN first table entry selected by the ASN is "
      "marked invalid. X'21' -> ASX-translation exception: the ASN second table entry for the ASN "
      "is marked invalid, most often because the target address space ended and its ASN was "
      "freed. ",
      kNA, kNA}},
    {{"S0D6", "0D6"},
     {"A program issued a Program Call (PC) instruction whose PC number does not lead to a valid "
      "entry in the linkage and entry tables of the current address space; typically the owner of "
      "the PC routine disconnected it, or the address space that owns it ended.",
      "X'22' -> LX-translation exception: the linkage index of the PC number exceeds the length "
      "of the linkage table or selects an entry marked invalid. X'23' -> EX-translation "
      "exception: the entry index exceeds the length of the entry table or selects an entry "
      "marked invalid. With extended linkage indexes the same errors appear as X'26' "
      "(LFX-translation) and X'27' (LSX-translation). ",
      "The system abnormally ends the task that issued the PC instruction, unless a recovery "
      "routine of the task retries.",
      "Make sure the PC number came from the service that owns it and that the owning address "
      "space is active and has connected its entry table (ETCON) to this address space or to all "
      "address spaces. Run the job again once the service has been restarted."}},
    {{"S0D7", "0D7"},
     {"A program transfer (PT, PR) or Set Secondary ASN (SSAR) instruction aimed at an address "
      "space that the current authorization index does not permit, causing a primary-authority "
      "exception (X'24') or a secondary-authority exception (X'25').",
      kNA,
      "The system abnormally ends the task that issued the instruction; recovery routines of the "
      "task may retry.",
      "Check that the program set an authorization index with the AXSET macro and that the target "
      "address space granted that index through ATSET. Correct the authorization setup, or the "
      "ASN the program uses, and run the job again. Both macros are for authorized programs, so "
      "the change belongs in the code that builds the cross-memory environment."}},
};

}  // namespace

std::span<const TextRow> mvspr3Table() { return kRows; }

}  // namespace quenmar::catalog::mvs
