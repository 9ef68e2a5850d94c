#include "catalog/mvs/mvs_stock.h"
#include "catalog/mvs/mvs_tables.h"

namespace quenmar::catalog::mvs {
namespace {

// Texts more than one row of this file shows.
constexpr std::string_view kActProgramCheckNoRetry =
    "The system abnormally ends the program that caused the program interruption, unless a "
    "recovery routine of that program retries; for 0DC, the recovery termination manager ends "
    "the whole address space instead. It writes a logrec data set error record and takes a dump "
    "if a dump DD statement or the recovery routine asks for one.";
constexpr std::string_view kRespFixProgramCheck =
    "Find the failing instruction from the PSW and the registers at the time of error in the "
    "dump or the logrec record, correct the program or the control structures it set up for "
    "the instruction, and run the job again.";
constexpr std::string_view kActEndsHighSvcCaller =
    "The system abnormally ends the program that issued the supervisor call, unless a recovery "
    "routine retries, and takes a dump if the step has a SYSABEND, SYSMDUMP or SYSUDUMP DD "
    "statement.";
constexpr std::string_view kRespHighSvcOwner =
    "Find out which installation or product routine is defined for this SVC number in the SVC "
    "table, then check with its owner which parameters it expects and correct the calling "
    "program. Run the job again.";
// The 0Dx codes without a page of their own are known only through their neighbours, which
// say the same of each of them.
constexpr std::string_view kReasonCrossMemoryGroup =
    "A program check ended the program with a code of the 0Dx group, which the system gives to "
    "program interruptions of the cross memory instructions (PC, PR, PT, SSAR and address space "
    "switching). The interruption code in the logrec record and the last such instruction in "
    "the system trace show which one failed; 0D4, 0D7 and 0DA each stand for one such "
    "exception. ";
constexpr std::string_view kActVioDump =
    "The system writes the input parameter list (IDAVOP1), the DSPCT header (IDAVBPH) and the "
    "scheduler work area to a SYS1.DUMP data set, and the task that issued the EXCP ends "
    "abnormally. ";
constexpr std::string_view kActInterruptHandlerLogrec =
    "The system writes a logrec data set error record describing the failure, abnormally ends "
    "the unit of work that was affected and, if the damage cannot be contained, places the "
    "processor in a disabled wait state.";
constexpr std::string_view kRespSupervisorDumpToSysprog =
    "Give the dump, the logrec data set error records and the messages of the job log to the "
    "system programmer, who should search the problem reporting databases for a fix before "
    "reporting the problem to IBM.";

constexpr TextRow kRows[] = {
    {{"S0D8"}, {kReasonCrossMemoryGroup, kNA, kActProgramCheckNoRetry, kRespFixProgramCheck}},
    {{"S0D9"}, {kReasonCrossMemoryGroup, kNA, kActProgramCheckNoRetry, kRespFixProgramCheck}},
    {{"S0DA"},
     {"A program issued a Program Call (PC) instruction and a PC translation specification "
      "exception occurred, program interruption code X'1F': the linkage table or an entry "
      "table holds data that is not valid. Either an application or a system program may "
      "have built them wrongly; for a 24-bit PC routine, stray bits 1 to 7 in its address "
      "are a known cause. ",
      kNA, kActProgramCheckNoRetry, kRespFixProgramCheck}},
    {{"S0DB"},
     {"A program check ended the program with this code of the 0Dx group, which program "
      "call and authorization (PC/AUTH) and the program check handler give to exceptions "
      "of the cross memory instructions. The program interruption code and control "
      "registers 3, 4 and 14, saved in the logrec record, tell which translation or "
      "authorization check failed. ",
      kNA, kActProgramCheckNoRetry, kRespFixProgramCheck}},
    {{"S0DC"},
     {"The recovery termination manager (RTM) met an unrecoverable error while it "
      "processed the stack of functional recovery routines (FRRs): a problem during "
      "another abend, or overlaid key fields of the ASCB, XSB, RB or TCB. RTM ends the "
      "address space; the code is in the ASCBMCC field of its ASCB and in message IEF402I. ",
      "Reason code (ASCBARC field, IEF402I): 04 -> RTM's FRR processing met an "
      "unrecoverable error, and RTM's recovery ended the address space. 08 -> The same in "
      "RTM FRR processing that no FRR covers; RTM's default recovery ended it. 0C -> "
      "During second level interrupt handler (SLIH) processing, the current TCB's TCBTCBID "
      "was wrong. 10 -> During SLIH processing, its TCBRBP was zero. 14 -> During SLIH "
      "processing, the current FRR pointer in PSASTAK (FRRSCURR) was not valid, so RTM "
      "could not tell which FRRs apply; a logrec record shows PSASTAK damaged and "
      "corrected. ",
      kActProgramCheckNoRetry, kNA}},
    {{"S0E0"},
     {"A program check occurred and the code is the program interruption code: 18 "
      "transaction constraint; 1D square root; 1E unnormalized operand; 28 reserved bits "
      "of an ALET were not zero; 29 an ALET named an access list entry (ALE) that is not "
      "valid; 2A the ALE was deleted; 2B the ALE named a data space that is not valid, or "
      "an ASTE validity check; 2C the ALE sequence number differs from the ASTE; 2D a "
      "private ALE the current EAX is not authorized to; 2F ASTE instance number wrong on "
      "PTI, PR or SSAIR; 30 linkage stack full; 31 linkage stack empty on PR or EREG; 32 "
      "linkage stack specification; 33 linkage stack entry type not valid; 34 PR on an "
      "entry with unstack suppression. Other codes: the MVS level may not fit the "
      "hardware. ",
      kNA, kActProgramCheckNoRetry, kRespFixProgramCheck}},
    {{"S0E1"},
     {"An error occurred during the first EXCP against a virtual input/output (VIO) data "
      "set; register 15 holds the reason code. 2xx: the real storage manager (RSM) could "
      "not assign null the virtual track buffer or the DSPCT map, xx being 04 a page named "
      "by VCBVSA could not be moved in; 08 a page fixed in real storage could not be moved "
      "out; 0C the request was neither an assign nor a write; 10 a page was not written, "
      "as no earlier read brought it in or it was unchanged; 20 the page belongs to an "
      "LPID other than VCBLPID; 40 VCBVSA holds an address GETMAIN never gave; 80 a page "
      "read earlier was not disconnected. 31C: the auxiliary storage manager (ASM) could "
      "not assign a logical group (no storage, or too high a relative page number).",
      kNA, kActVioDump, kRespSupervisorDumpToSysprog}},
    {{"S0E2"},
     {"The routine serving supervisor call 226 (X'E2'), an SVC number the installation or a "
      "product assigns, found an error in its request and ended the caller.",
      "The registers at the SVC, saved in the dump, show what the SVC 226 routine was given. ",
      kActEndsHighSvcCaller,
      "Compare the registers at the SVC in the dump with the interface of the SVC 226 routine. "
      "Correct the caller and run the job again."}},
    {{"S0E3"},
     {"An error occurred during processing of supervisor call 227 (X'E3'), a number reserved for "
      "installation or product SVC routines; the routine ended its caller.",
      "Register 15 at the abnormal end may hold a reason code set by the SVC 227 routine. ",
      kActEndsHighSvcCaller,
      "Check what the SVC 227 routine expects of its caller, correct the caller and run the job "
      "again."}},
    {{"S0E4"},
     {"The routine installed for supervisor call 228 (X'E4'), in the range kept for installation "
      "and product SVCs, could not process its request or failed.",
      "The SVC table entry for 228 tells which routine was entered, with which attributes. ",
      kActEndsHighSvcCaller,
      "Have the system programmer check the SVC table entry for 228 against the routine installed "
      "there. Run the job again."}},
    {{"S0E5"},
     {"The routine that the installation or a product defined for supervisor call 229 (X'E5') "
      "found an error and ended the calling program.",
      "Register 1 at the SVC normally addresses the parameter list the SVC 229 routine read. ",
      kActEndsHighSvcCaller,
      "Make sure the product that owns SVC 229 is installed at the level the caller needs, then "
      "run the job again."}},
    {{"S0E6"},
     {"The routine installed for supervisor call 230 (X'E6'), an installation-defined SVC "
      "number, rejected the request or failed.",
      kNA, kActEndsHighSvcCaller, kRespHighSvcOwner}},
    {{"S0E7"},
     {"The routine serving supervisor call 231 (X'E7'), one of the SVC numbers that the "
      "installation or products define, found an error and ended the caller.",
      "The dump shows whether the caller or the SVC 231 routine is at fault. ",
      kActEndsHighSvcCaller,
      "Have the owner of the faulty program, the caller or the SVC 231 routine, correct it. Run "
      "the job again."}},
    {{"S0E8"},
     {"An error occurred during processing of supervisor call 232 (X'E8'): the routine put in the "
      "SVC table for it by the installation or a product rejected the request.",
      "What the program passed to SVC 232 is in the registers at the SVC, saved in the dump. ",
      kActEndsHighSvcCaller,
      "Correct what the program passes to SVC 232 as the routine's documentation asks. Run the "
      "job again."}},
    {{"S0F0"},
     {"An error occurred in the SVC first level interruption handler (FLIH) while it "
      "routed a supervisor call to its routine. ",
      kNA,
      "he system issues error messages. The system abnormally ends the task that issued "
      "the supervisor call and writes a logrec data set error record.",
      "Look at the messages and the logrec record to see which SVC was being processed. If "
      "the SVC is an installation routine, check its SVC table entry; otherwise give the "
      "dump and the logrec record to the system programmer."}},
    {{"S0F1"},
     {"An error occurred in the program check first level interruption handler (FLIH): a "
      "program check happened while the handler itself was processing an earlier program "
      "interruption, or the handler found the save areas and control blocks of the "
      "interrupted unit of work not valid. ",
      "The logrec record shows the program old PSW and the interruption code of the "
      "recursive program check. ",
      kActInterruptHandlerLogrec,
      "Give the logrec data set error record and the dump to the system programmer. If the "
      "records point to the hardware, have the processor checked."}},
    {{"S0F2"},
     {"An error occurred in the input/output interruption handler while it processed an "
      "I/O interruption: the handler failed or found the control blocks for the device in "
      "a state it could not use. ",
      kNA, kActInterruptHandlerLogrec,
      "Give the logrec data set error record, the dump and any IOS messages naming the "
      "device to the system programmer."}},
    {{"S0F3"},
     {"A machine check interruption occurred that the hardware and the machine check "
      "handler could not correct. The damage affected the unit of work running on the "
      "processor. ",
      kNA,
      "The machine check handler issues messages about the failure, writes a logrec data "
      "set error record and abnormally ends the affected task or address space. If the "
      "processor cannot continue, it is taken offline.",
      "Run the job again. Give the logrec data set error records to the system programmer, who "
      "should involve the "
      "hardware support for the processor if they repeat."}},
    {{"S0F4"},
     {"A system component found an error. Register 15, the abend reason code, holds the failing "
      "service's return code and register 0 its reason code, whose first byte helps name the "
      "reporter: X'04' IGWSPZAP, X'71' or X'77' CICS VR Logger, X'83' the program management "
      "binder, otherwise mostly DFSMSdfp, including VSAM RLS and DFSMStvs. ",
      kNA,
      "In most cases a recovery routine retries and the failing module goes back to its caller. "
      "DFSMS "
      "and CICS VR Logger usually take an SVC dump; the binder writes a snap dump if an IEWDUMP "
      "DD is allocated.",
      "Rerun with the dump DD the component uses (SYSUDUMP, SYSABEND or SYSMDUMP for IGWSPZAP, "
      "IEWDUMP for the binder), and look up the codes of the logrec record in the DFSMSdfp "
      "diagnosis documentation."}},
    {{"S0F6"},
     {"uring processing of a SETEVENT macro, the system found an error in the request and "
      "could not set up the event the caller asked for. ",
      "Check the SETEVENT operands and the parameter list that the program built for the macro. ",
      "The system abnormally ends the program that issued the SETEVENT macro.",
      "Correct the SETEVENT macro operands, or the program error that overlaid the "
      "parameter list, and make sure the program runs with the authority the macro "
      "requires. Run the job again."}},
    {{"S0F7"},
     {"An internal error occurred in a supervisor function while it worked for the task. ", kNA,
      "The system abnormally ends the task, writes a logrec data set error record and "
      "takes an SVC dump.",
      kNA}},
    {{"S0F8"},
     {"The program that issued a supervisor call (SVC) instruction was not in a mode in "
      "which that SVC may be issued. Supervisor control puts a reason code in field "
      "RTM2CRC of the RTM2WA. ",
      "04 -> The issuer was not in task (TCB) mode. 08 -> The issuer held a lock. 0C -> "
      "The issuer was disabled. 10 -> The issuer was in cross memory mode. 14 -> The "
      "issuer had set up an enabled unlocked task (EUT) FRR with SETFRR EUT=YES. 18 -> The "
      "issuer was in access register ASC mode, which this SVC does not allow. 1C -> The "
      "issuer may not use the SVC microcode assist instruction. ",
      "The system abnormally ends the program that issued the SVC and may write a logrec "
      "data set error record.",
      "Find the module from the PSW at the time of error (the ASID is in the logrec record "
      "or in the SVCE D trace entry). Change an installation program so that it issues the "
      "SVC only in the mode the reason code shows is required; for an IBM module, search "
      "the problem reporting databases and give the dump to IBM."}},
    {{"S0F9"},
     {"n error occurred when the system attempted to process a supervisor call (SVC) "
      "instruction. The error is probably in a program, though not always in the one that "
      "ended; register 15 holds a return code. ",
      "00 -> The local system queue area (LSQA) is used up, so no SVRB is free for the "
      "SVC; a program looping on SVCs may cause it. 04 -> An SVRB being freed does not "
      "belong to the SVRB pool. 08 -> A type 2, 3 or 4 SVC routine returned with a value "
      "in field RBSID of its SVRB that is not valid. 12 -> SVC screening was active but "
      "the screen table address was zero. ",
      "The system writes a logrec data set error record and abnormally ends the running "
      "program; for 08 it records the number of the returning SVC in the VRA and ends "
      "nothing.",
      "For 00, check the REGION of the JOB or EXEC statement: too large a region leaves "
      "too little for LSQA, so lower it, and look for a program looping on SVCs. For 04, "
      "search the problem reporting databases and give the logrec record to IBM."}},
    {{"S0FB"},
     {"A program interruption or another error occurred in a system routine while it was "
      "running on behalf of a program, and the routine's recovery could not repair the "
      "damage, so the system charged the error to the program it was serving. ",
      kNA,
      "he system abnormally ends the program experiencing the error. It writes a logrec "
      "data set error record for the system routine that failed.",
      "Find the failing system routine and the program it served in the logrec record. Correct "
      "bad data or addresses that the program passed; otherwise give the dump and the record to "
      "the system programmer."}},
    {{"S0FC"},
     {"The system found an error while processing a request for system storage or system "
      "serialization on behalf of a task. ",
      kNA,
      "The system abnormally ends the task for which the request was made, writes a logrec "
      "data set error record and requests an SVC dump.",
      kRespSupervisorDumpToSysprog}},
    {{"S0FD"},
     {"An error was detected in a supervisor routine while it ran disabled on behalf of "
      "the current unit of work; the routine's functional recovery routine ended the unit "
      "of work. ",
      kNA,
      "The system abnormally ends the current task or SRB, writes a logrec data set error "
      "record and continues processing.",
      "Run the job again. If it recurs, save the logrec data "
      "set error records and the dump and give them to the system programmer."}},
    {{"S0FE"},
     {"An internal error occurred in the system while it processed a service for the "
      "current task: a consistency check in a supervisor routine failed. ",
      kNA,
      "The system abnormally ends the current task and requests an SVC dump of the address "
      "space with the system areas.",
      kRespSupervisorDumpToSysprog}},
    {{"S0FF"},
     {"An error occurred in a system routine, and the routine ended the work it was serving. ", kNA,
      "The system abnormally ends the affected task and writes a logrec data set error "
      "record; system processing continues.",
      kNA}},
    {{"S101"},
     {"During processing of a WAIT macro (SVC 1), the count of events to wait for was "
      "wrong: it was greater than the number of event control blocks (ECBs) in the list, "
      "so the wait could never be satisfied, or it was negative. ",
      kNA, kNA,
      "Correct the wait count in the WAIT macro so that it is not greater than the number "
      "of ECBs given in the ECB list. Run the job again."}},
    {{"S102"},
     {"During processing of a POST macro, task management found an event control block "
      "(ECB) address that is not valid; register 15 tells which case: 00 a bad ECB with "
      "linkage through the SVC instruction (LINKAGE=SVC); 04 a bad ECB for a cross memory "
      "POST (XMPOST); 08 the problem program passed a bad ECB address; 10 the ECB address "
      "was zero; 14 an authorized caller using LINKAGE=SYSTEM passed a bad ECB address. ",
      kNA, "The system abnormally ends the program that issued the POST macro.",
      "Make sure the ECB address is a valid virtual storage address that the program did "
      "not overwrite, and that the key of the program issuing POST allows it to update the "
      "ECB. Correct the program and run the job again."}},
    {{"S104"},
     {"An error occurred during processing of a GETMAIN macro (SVC 4): the system could "
      "not satisfy the request because it could not obtain the system storage, such as "
      "local system queue area, needed to back it. ",
      kNA, "The system abnormally ends the program that issued the GETMAIN macro.",
      "Reduce the number of storage areas the program obtains and keeps, free areas when "
      "they are no longer needed, and make sure the program does not loop issuing GETMAIN. "
      "If it persists, notify the system programmer. Run the job again."}},
    {{"S106"},
     {"The control program could not fetch the program named on a LINK(X), LOAD, ATTACH(X) "
      "or XCTL(X) macro into virtual storage. Register 15 holds the code listed below; "
      "messages CSV011I, CSV028I, CSV031I and IEW4005I carry the reason code that goes "
      "with it. ",
      "0B -> Fetch, or a routine that fetch gave control to, failed. 0C -> Fetch got no "
      "storage for the module or its control blocks; reason 04 the DATD work area, 08 the "
      "data extent block (DEB), 0C the I/O supervisor block (IOSB), 10 the EXLIST, 14 the "
      "module itself, 18 the storage could not be fixed. 0D -> The load module holds a "
      "record type that is not valid. 0E -> The load module holds an address that is not "
      "valid; reason 20 means a TTR could not be converted, as when another job added "
      "extents to a library this job opened with DISP=SHR, or after a program error such "
      "as passing on a directory entry that BLDL read through another DCB. 0F -> An "
      "uncorrectable input/output error occurred while the module was read. ",
      "The system issues message CSV011I and abnormally ends the task that asked for the "
      "program, unless the macro coded an ERRET routine; the program is not brought into "
      "storage.",
      "For 0C, run the step with a larger region or release storage the program no longer "
      "needs. For 0D or 0E, link-edit the module again; after 0E with reason 20, run the "
      "job again when no other job is extending the library. For 0F, find the cause of the "
      "input/output error on the library and restore or copy the library. Then run the job "
      "again. For an internal error of the program loader (PMLOADER) with a code not "
      "listed, search the problem reporting databases for a fix and, if there is none, "
      "contact IBM Support."}},
    {{"S10A"},
     {"An error occurred during processing of an R-form GETMAIN macro (SVC 10): the system "
      "could not obtain the system storage, such as local system queue area, needed to "
      "satisfy the request for the caller. ",
      kNA, "The system abnormally ends the program that issued the R-form GETMAIN macro.",
      "Check whether the program obtains many small storage areas without freeing them or "
      "loops issuing GETMAIN; correct it so that fewer areas are held at one time. Run the "
      "job again; if it recurs, notify the system programmer."}},
    {{"S10B"},
     {"An error occurred during processing of a TIME macro (SVC 11): the system could not "
      "supply the time of day because the time-of-day clock was not available or was in an "
      "error state. ",
      kNA,
      "The system abnormally ends the program that issued the TIME macro and writes a "
      "logrec data set error record.",
      "Run the job again. If the error recurs, tell the operator and the system "
      "programmer, because the time-of-day clock of the processor may need service."}},
    {{"S10D"},
     {"An error occurred while the system processed an abnormal end (SVC 13): while one "
      "abnormal end was in progress for the task, a second one was requested, and the "
      "system ended the task with this code instead of continuing recovery. ",
      kNA,
      "The system ends the task and its subtasks without giving control to further "
      "recovery routines, and takes a dump if a dump DD statement is present.",
      "Look for the first completion code of the task in the job log or the dump and "
      "correct that error first. Then check the program's recovery and exit routines. Run "
      "the job again."}},
    {{"S10E"},
     {"An error occurred during processing of a SPIE macro (SVC 14): the program "
      "interruption control area or the exit routine address given with the macro was not "
      "valid, or the program interruption types named could not be intercepted.",
      kNA,
      "The system abnormally ends the program that issued the SPIE macro, with completion "
      "code 10E.",
      "Correct the exit routine address and the interruption types in the SPIE macro, or "
      "replace SPIE by ESPIE where the program runs in 31-bit mode. Run the job again."}},
    {{"S110"},
     {"An error occurred during processing of a PURGE macro (SVC 16): the purge parameter "
      "list was not valid, or an error occurred while the system stopped or purged the "
      "input/output requests the list named.",
      kNA, "The system abnormally ends the program that issued the PURGE macro.",
      "Check the PURGE parameter list, in particular the option bytes and the DEB or "
      "request addresses it contains, and correct the program. Run the job again."}},
    {{"S112"},
     {"An error occurred during processing of a BLDL or FIND macro (SVC 18) for a "
      "partitioned data set: the DCB was not open, the list or area address was not valid, "
      "or the directory of the data set could not be read.",
      kNA, "The system abnormally ends the program that issued the BLDL or FIND macro.",
      "Make sure the DCB is open for a partitioned data set before issuing BLDL or FIND "
      "and that the directory is readable. Run the job again."}},
    {{"S113"},
     {"An error occurred during OPEN processing (SVC 19) for a data set; message IEC142I "
      "gives a return code that tells what failed, such as an input/output error while "
      "reading the data set label. ",
      kNA, kNA,
      "Use the return code of message IEC142I to find the cause. Correct the DCB or the DD "
      "statement if they are at fault; for an input/output error, have the volume or the "
      "device checked and, if needed, restore the data set. Run the job again."}},
    {{"S115"},
     {"An error occurred during processing of a STOW macro (SVC 21), which updates the "
      "directory of a partitioned data set: the DCB or the list address was not valid, or "
      "the directory could not be read or written.",
      kNA,
      "The system abnormally ends the program that issued the STOW macro, with completion "
      "code 115.",
      "Check that the DCB is open for output to the partitioned data set, that the STOW "
      "list has the form the option requires, and that the directory is not damaged. Run "
      "the job again."}},
    {{"S117"},
     {"An error occurred during processing of a CLOSE macro with TYPE=T (SVC 23), the "
      "temporary close of a BSAM data set: an input/output error occurred, or the DCB was "
      "not in a state that allows a temporary close. ",
      kNA, kNA,
      "Check that the DCB was opened for BSAM processing before CLOSE TYPE=T is issued. If "
      "an input/output error is reported, move the volume to another device or recreate "
      "the data set, and run the job again."}},
    {{"S118"},
     {"An error occurred during processing of a DEVTYPE macro (SVC 24): the DD name given "
      "was not in the step, or the area that should receive the device information was not "
      "valid for the caller.",
      kNA, kNA,
      "Correct the DD name and the output area address in the DEVTYPE macro, and make sure "
      "the area is large enough for the information requested. Run the job again."}},
    {{"S119"},
     {"An error occurred during processing of a TRKBAL macro (SVC 25), which updates the "
      "track balance of a direct access data set: the DCB was not open, or the data set "
      "was not on a direct access device.",
      kNA,
      "The system abnormally ends the program that issued the TRKBAL macro, with "
      "completion code 119.",
      "Make sure TRKBAL is issued only for an open DCB of a data set on a direct access "
      "volume, and correct the program. Run the job again."}},
    {{"S11A"},
     {"An error occurred during processing of a catalog request through SVC 26 (CATALOG, "
      "INDEX or LOCATE): the catalog could not be read or updated for the request, or the "
      "parameter list passed to the SVC was not valid. ",
      kNA,
      "The system abnormally ends the program that made the catalog request and writes a "
      "logrec data set error record.",
      "Use the accompanying messages to find the catalog and data set, correct the "
      "parameter list if the program builds it, and have the catalog checked if it is "
      "damaged. Run the job again."}},
    {{"S121"},
     {"An error occurred during processing of an IOHALT macro (SVC 33), which stops "
      "input/output on a unit-record or teleprocessing device: the unit control block "
      "address was not valid, or the caller was not authorized to halt the device.",
      kNA, "The system abnormally ends the program that issued the IOHALT macro.",
      "Correct the device address given to IOHALT and make sure the program is authorized "
      "to use it. Run the job again."}},
    {{"S122"},
     {"The operator cancelled the job with the CANCEL command and asked for a dump (the "
      "DUMP operand), usually because the job appeared to loop, wait without end or hold "
      "resources other work needed. ",
      kNA,
      "The system abnormally ends the job, writes the dump to the data set of the "
      "SYSABEND, SYSMDUMP or SYSUDUMP DD statement and continues with the other work.",
      "Ask the operator why the job was cancelled, then use the dump to find the loop or "
      "the wait: the PSW and registers show where the program was running. Correct the "
      "program and run the job again."}},
    {{"S128"},
     {"An error occurred during processing of an EXTRACT macro (SVC 40): the address of "
      "the TCB or of the answer area was not valid, or the answer area lies in storage the "
      "caller cannot modify.",
      kNA,
      "The system abnormally ends the program that issued the EXTRACT macro, with "
      "completion code 128.",
      "Make sure the TCB address names the caller or one of its subtasks and that the "
      "answer area is large enough for the fields requested. Correct the program and run "
      "the job again."}},
    {{"S12A"},
     {"An error occurred during processing of an ATTACH macro (SVC 42): the parameters for "
      "the new subtask were not valid, for example an ECB, exit routine or parameter list "
      "address outside the caller's storage, or a subpool that cannot be shared. A server "
      "program also gets 12A when it tries to pass storage it made eligible for subspaces "
      "(IARSUBSP IDENTIFY) to a subtask through the GSPL or GSPV operand.",
      kNA,
      "The system abnormally ends the program that issued the ATTACH macro, with "
      "completion code 12A; the subtask is not created.",
      "Check the operands of the ATTACH macro, in particular the ECB, ETXR, SZERO, SHSPV "
      "and LPMOD values, and correct the program. Run the job again."}},
    {{"S12C"},
     {"During processing of a CHAP macro, task management found that the address of the "
      "task control block (TCB) of the subtask whose priority was to change was not valid. "
      "The second operand of CHAP points to a fullword that holds this address. ",
      "Possible causes: the address is not that of a TCB; the TCB is not a subtask of the "
      "task that issued CHAP; the address is not a multiple of 4; the task it names has "
      "already ended abnormally. ",
      "The system abnormally ends the program that issued the CHAP macro.",
      "Correct the address the CHAP operand points to, and make sure neither the address "
      "nor the TCB was overwritten by the program. Run the job again."}},
    {{"S12D"},
     {"Answering a program's overlay request, the overlay supervisor found words 3 and 4 of the "
      "overlay segment table wrong. That table sits in the load module, in the program's own "
      "storage key, so the program can overwrite it; overlay programs run only in 24-bit mode.",
      kNA,
      "The system abnormally ends the program that requested the overlay and writes an ABEND dump "
      "if a dump DD statement is present.",
      "Find and correct the code that changed the overlay segment table, then assemble, link edit "
      "and run the program again."}},
};

}  // namespace

std::span<const TextRow> mvspr4Table() { return kRows; }

}  // namespace quenmar::catalog::mvs
