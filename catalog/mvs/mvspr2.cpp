#include "catalog/mvs/mvs_stock.h"
#include "catalog/mvs/mvs_tables.h"

namespace quenmar::catalog::mvs {
namespace {

// Rows whose issuing component the documentation does not name give the same advice: collect
// the evidence and hand it on.
constexpr std::string_view kRespKeepEvidence =
    "Note the completion code, the reason code if register 15 held one, and the messages issued "
    "just before the abend, and keep the dump. Check whether the program overwrote storage it had "
    "passed to a system service; if not, give the material to the system programmer. ";

constexpr TextRow kRows[] = {
    {{"S04A", "04A"},
     {"A system component found an error and ended the task with completion code 04A; "
      "message IEA995I names the module that issued it. ",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 04A, with any reason code. ",
      "The system abnormally ends the task with completion code 04A after its recovery "
      "routines have run.",
      "Find the module that issued 04A in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S04B", "04B"},
     {"A system component found an error and ended the task with completion code 04B; "
      "message IEA995I names the module that issued it. ",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 04B, with any reason code. ",
      "The system abnormally ends the task with completion code 04B after its recovery "
      "routines have run.",
      "Find the module that issued 04B in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S04C", "04C"},
     {"An error occurred in supervisor call 76 (X'4C'), the logrec recording service (module "
      "IFBSVC76), which writes error and statistical records to the logrec data set or log stream "
      "and records IPL and end-of-day events. The SVC is APF-protected: the issuer was not "
      "entitled to use it, or the record or function passed in registers 0 and 1 (a function "
      "indicator, or the complemented length and address of a record) could not be used.",
      kNA,
      "The system abnormally ends the issuer of SVC 76. The record meant for logrec is not "
      "written.",
      kNA}},
    {{"S04E", "04E"},
     {"DB2 detected an internal error, or an error it cannot recover from in a request it was "
      "serving, and ended the task or thread doing the work. The real problem is given by the "
      "reason code that goes with the abend (register 15 and the SDWA); most such reason codes "
      "begin with 00C, 00D or 00E.",
      kNA,
      "DB2 ends the failing task or thread, backs out its uncommitted changes, and usually writes "
      "a logrec record and an SVC dump. The subsystem keeps running unless the error forces DB2 "
      "itself to terminate. ",
      "Look up the reason code in the DB2 codes documentation; many describe a condition you can "
      "correct, such as a resource limit, a timeout or an unavailable object. If it indicates an "
      "internal error, keep the dump and report the problem to the DB2 system programmer."}},
    {{"S04F", "04F"},
     {"DB2 ended abnormally. The code is issued when the DB2 subsystem terminates because of an "
      "error it could not recover from, and to tasks of allied address spaces that lose their "
      "connection when DB2 goes down. The termination reason code appears in message DSNV086E.",
      kNA,
      "The DB2 subsystem and all its threads end. Uncommitted work is backed out when DB2 is "
      "restarted; until then, connected applications receive errors.",
      "Find the first error: the reason code in DSNV086E and any earlier 04E abends or DSN "
      "messages point to it. Correct an environmental cause, such as a full active log or a "
      "damaged data set, and restart DB2; otherwise report the dumps to the DB2 system "
      "programmer. "}},
    {{"S051", "051"},
     {"A system component found an error and ended the task with completion code 051; message "
      "IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 051, with any reason code. ",
      "The system abnormally ends the task with completion code 051 after its recovery "
      "routines have run.",
      "Find the module that issued 051 in message IEA995I or the dump. Correct the request the "
      "program made of it, or give the dump to the system programmer."}},
    {{"S052", "052"},
     {"A program issued a macro requesting a Program Call/authorization (PC/AUTH) service "
      "incorrectly. Register 15 holds a reason code xxyy, where xx names the macro issued "
      "and yy the error found.",
      "0101 -> LXRES: a reserved field of the parameter list is not zero; register 5 holds "
      "the first word of the list. 0102 -> LXRES: the format number of the parameter list is "
      "not valid. 0103 -> LXRES: the request count in the linkage index list is not valid. "
      "0104 -> LXRES was issued by a job step although an earlier step owned space-switch "
      "entry tables; later steps may not issue PC/AUTH macros. 0201 -> LXFRE: a reserved "
      "field of the parameter list is not zero. 0202 -> LXFRE: the format number of the "
      "parameter list is not valid. Other values of xx stand for the other PC/AUTH macros. ",
      "The system abnormally ends the program that issued the macro and writes an ABEND dump.",
      "Find the reason code in the ABEND dump. In the system trace, the PC entry just before "
      "the last *SVCE D entry gives the address of the failing macro. Correct an "
      "installation program; if a system component issued the macro, report the dump to the "
      "system programmer."}},
    {{"S053", "053"},
     {"A system component found an error and ended the task with completion code 053; message "
      "IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 053, with any reason code. ",
      kNA, kNA}},
    {{"S054", "054"},
     {"An error was found in a graphics request issued through supervisor call 84 (X'54'). SVC 84 "
      "serves the graphic access method for display devices attached as graphic stations, and the "
      "request could not be processed as given.",
      kNA, "The system abnormally ends the task that issued the graphics request.",
      "Check the graphics macros issued before the failure, in particular the DCB and the device "
      "and buffer addresses they name. Correct the program and run the job again."}},
    {{"S055", "055"},
     {"The event notification facility (ENF) found an error while it processed a request to listen "
      "for a system event or to signal one. Register 15 holds the reason code given in the "
      "Description; where ENF's call of another service failed, registers 2 and 3 at the time of "
      "error hold that service's return and reason codes.",
      "24 -> the requester's event parameter list was overlaid after validation. 28 -> a listen "
      "request waiting to be processed was in error. 30 -> a signal pre-processing routine "
      "returned a return code that is not valid. 34 -> during ENF initialization, the address of a "
      "needed signal pre-processing routine could not be found. 38 -> the control blocks of a "
      "listen request hold instructions that cannot compare the listener's bit-mapped qualifier "
      "with that of the current event. 3C -> the IEFSCHAS address space could not be created "
      "(ASCRE codes in registers 2 and 3). 40 -> ENF could not join or create its XCF group "
      "(IXCJOIN codes). 44 -> ENF could not query the other members of its XCF group (IXCQUERY "
      "codes). 48 -> an event notification could not be sent to the other systems of the sysplex "
      "(IXCMSGO codes). 4C -> an event notification from another system could not be received "
      "(IXCMSGI). ",
      "For reason code 34, ENF initialization fails. For 3C, 40 and 44, event notification across "
      "the sysplex is not available. Otherwise the work in which ENF found the error ends with "
      "this abend.",
      "For 3C to 4C, look up the codes in registers 2 and 3 under the macro that failed and "
      "correct the problem they report. For 24, check whether the program that issued ENFREQ "
      "overlays its event parameter list. Otherwise report the reason code to the system programmer."}},
    {{"S056", "056"},
     {"An error occurred during processing of supervisor call 86 (X'56'), the ATLAS service, "
      "which assigns an alternate track when a data check shows a track on a direct access volume "
      "to be defective. The assignment could not be completed.",
      kNA, kNA,
      "Have the system programmer examine the volume with the device support utilities; the track "
      "may need an alternate. Rerun the job after the volume has been repaired or its data moved."}},
    {{"S057", "057"},
     {"A system component found an error and ended the task with completion code 057; "
      "message IEA995I names the module that issued it. ",
      kNA, kNA,
      "Find the module that issued 057 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S058", "058"},
     {"A system component found an error and ended the task with completion code 058; "
      "message IEA995I names the module that issued it. ",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 058, with any reason code. ",
      "The system abnormally ends the task with completion code 058 after its recovery "
      "routines have run.",
      "Find the module that issued 058 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S059", "059"},
     {"A system component found an error and ended the task with completion code 059; message "
      "IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 059, with any reason code. ",
      "The system abnormally ends the task with completion code 059 after its recovery "
      "routines have run. ",
      kNA}},
    {{"S05A", "05A"},
     {"The system found an error in a request to supervisor call 90 (X'5A'), the entry to the job "
      "queue manager service (XQMNGR). The request did not suit the current state of the queue, "
      "or came from a program not allowed to make it.",
      kNA, "The system abnormally ends the task that issued SVC 90.", kNA}},
    {{"S05B", "05B"},
     {"An error occurred during processing of a VOLSTAT request, supervisor call 91 (X'5B'), "
      "which records error statistics for a tape volume when it is demounted or its data set is "
      "closed. The statistics could not be updated from the unit's control blocks.",
      kNA,
      "The system ends the task that was closing or demounting the volume; the statistics for "
      "this use of the tape are not recorded.",
      kNA}},
    {{"S05C", "05C"},
     {"An error occurred during allocation or unallocation of a data set or device. The "
      "allocation routines issue this code, for JCL requests and for dynamic allocation (SVC 99) "
      "alike, when they meet a condition they cannot recover from. Register 15 holds a reason "
      "code identifying the check that failed.",
      "The reason code (in register 0 when the allocation recovery routine gets control) "
      "identifies the check that failed; for an error in the allocation address space message "
      "IEF100I is issued too. The SVC dump for the error carries ISSUER=IEFAB4GA and "
      "COMPON=DEVICE ALLOCATION and names the failing CSECT. Program-side causes are JFCB, SIOT "
      "or TIOT entries changed by a program of the job, and dynamic allocation request blocks or "
      "text units that could not be read. ",
      "The system ends the job step or task that requested the allocation, writes a logrec record "
      "and, for most reason codes, takes an SVC dump. IEF messages issued before the abend may "
      "name the data set.",
      "Note the reason code from register 15 or message IEF450I and look for allocation messages "
      "in the job log. If the problem follows a change to the JCL or to a dynamic allocation "
      "request, correct it; otherwise give the dump and reason code to the system programmer. "}},
    {{"S05D", "05D"},
     {"A system component found an error and ended the task with completion code 05D; message "
      "IEA995I names the module that issued it. Errors in the data areas passed to TGET, TPUT "
      "or TPG (SVC 93) are reported as 15D, not with this code.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 05D, with any reason code. ",
      "The system abnormally ends the task with completion code 05D after its recovery "
      "routines have run.",
      "Find the module that issued 05D in message IEA995I or the dump. Correct the request the "
      "program made of it, or give the dump to the system programmer."}},
    {{"S05E", "05E"},
     {"A system component found an error and ended the task with completion code 05E; message "
      "IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 05E, with any reason code. ",
      "The system abnormally ends the task with completion code 05E after its recovery "
      "routines have run.",
      "Find the module that issued 05E in message IEA995I or the dump. Correct the request the "
      "program made of it, or give the dump to the system programmer."}},
    {{"S05F", "05F"},
     {"An error occurred while the system resources manager (SRM) processed a SYSEVENT macro, "
      "supervisor call 95 (X'5F'), by which events such as swaps and terminal waits are reported "
      "to SRM. The event code or its parameters were not valid, or the issuer was not authorized.",
      kNA,
      "The system abnormally ends the routine that issued the SYSEVENT macro and writes a logrec "
      "data set error record. ",
      "SYSEVENT is meant for system and authorized programs. If an installation or vendor program "
      "issued it, check the event code and parameter registers and correct the program; otherwise "
      "report the problem to the system programmer."}},
    {{"S060", "060"},
     {"A system component found an error and ended the task with completion code 060; message "
      "IEA995I names the module that issued it. Incorrect STAX parameters are reported as 260, "
      "not with this code.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 060, with any reason code. ",
      "The system abnormally ends the task with completion code 060 after its recovery "
      "routines have run. ",
      "Find the module that issued 060 in message IEA995I or the dump. Correct the request the "
      "program made of it, or give the dump to the system programmer."}},
    {{"S061", "061"},
     {"A system component found an error and ended the task with completion code 061; message "
      "IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 061, with any reason code. ",
      "The system abnormally ends the task with completion code 061 after its recovery "
      "routines have run.",
      "Find the module that issued 061 in message IEA995I or the dump. Correct the request the "
      "program made of it, or give the dump to the system programmer."}},
    {{"S062", "062"},
     {"A system component found an error and ended the task with completion code 062; message "
      "IEA995I names the module that issued it. PROTECT reports its own errors to the caller "
      "as return codes in register 15, not with this code.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 062, with any reason code. ",
      kNA,
      "Find the module that issued 062 in message IEA995I or the dump. Correct the request the "
      "program made of it, or give the dump to the system programmer."}},
    {{"S063", "063"},
     {"An error occurred during processing of a DYNALLOC macro, supervisor call 99 (X'63'). The "
      "request block or its text units could not be read from the caller's storage, so no error "
      "code could be returned in the request block and the caller was ended instead.",
      kNA, kNA,
      "Check that register 1 points to a fullword, high-order bit on, holding the request block "
      "address, and that the request block and every text unit pointer address the program's own "
      "storage. Correct the program and run it again."}},
    {{"S064", "064"},
     {"An error occurred during processing of supervisor call 100 (X'64'), the TSO/E background "
      "job service used by the SUBMIT, STATUS, CANCEL and OUTPUT commands to submit jobs and to "
      "query or change submitted jobs. The parameter list passed to it was not valid.",
      kNA,
      "The system abnormally ends the command or program that issued SVC 100; the job it named is "
      "not affected. ",
      kNA}},
    {{"S065", "065"},
     {"A system component found an error and ended the task with completion code 065; message "
      "IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 065, with any reason code. ",
      "The system abnormally ends the task with completion code 065 after its recovery "
      "routines have run.",
      "Find the module that issued 065 in message IEA995I or the dump. Correct the request the "
      "program made of it, or give the dump to the system programmer."}},
    {{"S066", "066"},
     {"The dispatcher of tasks and service routines found an error. Register 15 holds the reason "
      "code: 04 -> a routine under a service request block (SRB) returned to the "
      "dispatcher still holding a system lock. 0C -> a routine under a suspended SRB held the "
      "cross memory local (CML) lock of a failing address space (ASCBFAIL on). 10 "
      "-> the SRBASCB of an SRB or suspended SRB points to an ASCB with a bad acronym. "
      "14 -> a task holds the CML lock of a failing address space. 18 -> a dispatcher error kept "
      "the status of the current task from being saved. 1C -> a task tried to reenter the "
      "dispatcher through the SRB entry point. 20 -> an SRB routine tried to reenter it through a "
      "task entry point. 24 -> a dispatcher error kept the status of the current SRB from being "
      "saved. 28 -> its CML lock had been stolen, so the task could not be dispatched. 2C -> "
      "IEA0DS1B was given control outside wait mode.",
      "For reason code 04, when no logrec data set error record came with the abend, obtain an "
      "SVC dump and format it: registers 2 to 8 and 10 to 13 are the ones the SRB routine held "
      "when it handed control back to the dispatcher, and they lead to the routine that kept "
      "its lock. ",
      "The system abnormally ends the task or the SRB and may write a logrec data set error "
      "record. When the system programmer wants an SVC dump, the operator sets the trap SLIP "
      "SET,ENABLE,COMP=066.",
      kNA}},
    {{"S067", "067"},
     {"An access register translation exception occurred. Register 15 holds the reason code: "
      "00000004 -> a page, segment or ASTE validity fault on a deleted data space. 00000008 "
      "-> the target address space was created after the access list entry. 0000000C -> the "
      "program's EAX has no SSAR authority to the target of a private ALE. 00000010 -> the "
      "EAX in the ALE has no SSAR authority to the target. 00000014 -> ASTE sequence "
      "exception on an incorrect or deleted data space. 00000018 -> unexpected error in the "
      "translation interrupt handler. 00000020, 00000024 -> ASTE validity or sequence "
      "exception on a deleted subspace. 00000064, 00000072 -> a system error. 00000068 -> "
      "the target PASN or SASN is no longer valid. 00000076 -> its instance number does not "
      "match. A third byte of 0A or 0B means a deleted data space was referenced or its page "
      "could not be brought in.",
      kNA, "The system abnormally ends the task and writes an ABEND dump for the failing job step.",
      kNA}},
    {{"S068", "068"},
     {"A system component found an error and ended the task with completion code 068; message "
      "IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 068, with any reason code. ",
      kNA, ""}},
    {{"S069", "069"},
     {"An address space has ended; the reason code is in the SDWACRC field of the SDWA. 00 "
      "-> an error occurred while a new address space was created for an ASCRE macro, a call "
      "of IEEMB881, or a LOGON, MOUNT or START command. 04 -> a request to destroy an "
      "address space created by ASCRE has completed.",
      kNA,
      "For 00 the system ends the new address space, writes a dump and a logrec data set "
      "error record, and issues messages; for 04 it ends the address space, and nothing more "
      "needs to be done.",
      kNA}},
    {{"S06A", "06A"},
     {"A system component found an error and ended the task with completion code 06A; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 06A after its recovery "
      "routines have run.",
      kNA}},
    {{"S06B", "06B"},
     {"An error occurred while the system processed a MODESET request, supervisor call 107 "
      "(X'6B'). MODESET lets an authorized program switch between supervisor and problem state or "
      "change its key; the request asked for a change the SVC does not make, or its operands were "
      "damaged before the SVC was issued.",
      "",
      "The system abnormally ends the program that issued the MODESET macro; its state and key "
      "are unchanged.",
      "Check the MODESET operands (MODE and KEY, or the register form) and any code that changes "
      "register 1 before the SVC. Correct the program, run it from an APF-authorized library if "
      "it must change state or key, and run the job again."}},
    {{"S06C", "06C"},
     {"SLIP processing failed: while a program event recording (PER) interruption was "
      "handled, the monitored program issued an MVCL instruction that would overlay low "
      "storage, or the environment indicators that control SLIP processing were overlaid or "
      "otherwise not valid.",
      kNA,
      "The system ends SLIP processing for the current event; PER and the existing SLIP "
      "traps stay as they were.",
      "If the monitored program caused the overlay, correct it. Otherwise give the dump to "
      "the system programmer to search the problem databases for a fix."}},
    {{"S06D", "06D"},
     {kNA, kNA,
      "The system abnormally ends the task with completion code 06D after its recovery "
      "routines have run.",
      "Find the module that issued 06D in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S06E", "06E"},
     {"A system component found an error and ended the task with completion code 06E; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 06E after its recovery "
      "routines have run.",
      "Find the module that issued 06E in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S06F", "06F"},
     {"A system component found an error and ended the task with completion code 06F; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 06F after its recovery "
      "routines have run.",
      kNA}},
    {{"S070", "070"},
     {"A program issued the SUSPEND, RESUME or TCTL macro in an environment that is not "
      "valid, or with parameters that are not valid. Register 15 holds the reason code given "
      "in the Description.",
      "0C -> RESUME RETURN=N was issued outside SRB mode. 10 -> the TCB named on RESUME is "
      "not valid. 14 -> the ASCB named on RESUME could not be addressed. 18 -> RESUME "
      "RETURN=N was issued outside primary address space control mode. 1C -> RESUME RETURN=N "
      "was issued while holding locks or with a PCLINK stack that was not empty. 20 -> TCTL "
      "was issued outside SRB mode. 24 -> TCTL was issued outside primary mode. 28 -> TCTL "
      "was issued while holding locks. 2C -> RESUME MODE=UNCOND,ASYNC=N was issued holding "
      "the local lock of another address space. 30 -> SUSPEND found an RB suspend count "
      "other than 0. 34 -> SUSPEND RB=PREVIOUS found no previous RB. 38 -> RESUME found an "
      "RB suspend count other than 0 or 1. 3C -> an unconditional synchronous RESUME needed "
      "the local lock, which the disabled issuer did not hold. 40 -> reset processing asked "
      "to resume an RB. ",
      "The system abnormally ends the program that issued SUSPEND, RESUME or TCTL.", kNA}},
    {{"S071", "071"},
     {"A restart ended the unit of work: the operator started the restart function, or the system "
      "ended work causing an excessive spin loop. The reason code in the SDWA tells how: 00 -> "
      "RESTART option 0 or no option, a reply of ABEND to IEA500A or BLW004A, no reply to IEA500A "
      "or IEA502A within 125 seconds, or a restart whose cause could not be found. 04 -> RESTART "
      "option 1, for system diagnosis and repair. 08 -> a program error branched straight to the "
      "restart interruption handler. 0C -> option 0 on a processor spinning for a resource held "
      "by another processor in a disabled loop, after a DSGNL RESTART to that processor failed. "
      "10 -> logrec recording of an excessive spin loop; the work goes on. 20 -> the looping "
      "program was ended, no retry (spin loop action TERM). 30 -> the looping program was ended, "
      "retry allowed (action ABEND). ",
      kNA, kNA, kNA}},
    {{"S072", "072"},
     {"A system component found an error and ended the task with completion code 072; message "
      "IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 072, with any reason code. ",
      "The system abnormally ends the task with completion code 072 after its recovery "
      "routines have run.",
      "Find the module that issued 072 in message IEA995I or the dump. Correct the request the "
      "program made of it, or give the dump to the system programmer."}},
    {{"S073", "073"},
     {"A system component found an error and ended the task with completion code 073; "
      "message IEA995I names the module that issued it. ",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 073, with any reason code. ",
      "The system abnormally ends the task with completion code 073 after its recovery "
      "routines have run.",
      "Find the module that issued 073 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S074", "074"},
     {"A system component found an error and ended the task with completion code 074; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 074 after its recovery "
      "routines have run.",
      "Find the module that issued 074 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S075", "075"},
     {"A program in supervisor state and key 0 issued SCHEDULE for a service request block "
      "(SRB), and the address space control block named in field SRBASCB failed the acronym "
      "check: SRBASCB held a wrong address, or the ASCB it pointed to had ended, normally or "
      "not, or had been overlaid.",
      "Register 14 holds the SRBASCB value and register 15 the address of the SRB being "
      "scheduled. The address cannot be valid if it is zero, does not end in X'00' or X'80', "
      "or lies outside the system queue area; one that looks valid can be checked against the "
      "ASCB addresses listed in the address space vector table (ASVT, from CVTASVT). SLIP "
      "SET,ENABLE,COMP=075,ACTION=SVCD,END gets an SVC dump. ",
      "The SCHEDULE request is not processed; the system may write an SVC dump, a logrec data "
      "set error record, or both. ",
      kNA}},
    {{"S076", "076"},
     {"A system component found an error and ended the task with completion code 076; "
      "message IEA995I names the module that issued it. ",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 076, with any reason code. ",
      "The system abnormally ends the task with completion code 076 after its recovery "
      "routines have run.",
      "Find the module that issued 076 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S077", "077"},
     {"An error occurred while the system processed a console service request. Register 15 "
      "holds an error code of the form xxxxyyyy; the first halfword is for the vendor's "
      "internal use, and the second, yyyy, is the reason code. The issuer was the console "
      "component (the communications task, the console address space or SMCS) or a program "
      "requesting one of its services.",
      "0000 -> MONITOR JOBNAMES, STATUS or SESSIONS start or stop with an incorrect console "
      "or ASID. 0004 -> the communications task got a parameter list that is not valid. 0008 "
      "-> deletion of a buffer that does not exist. 000C -> no recovery environment could be "
      "set up. 0010 -> the parameter list was not valid. 0014 -> the caller was not in the "
      "console address space. 0018 -> a needed area was not obtained. 001C -> conflicting "
      "requests in the parameter list. 0020 -> incomplete or incorrect data in the parameter "
      "list. 0024 -> the console is not dedicated to the requesting component. 0028 -> "
      "communications task processing failed. 002C -> the SMCS logical error exit found an "
      "error in an SMCS session. 002D -> SMCS could not initialize or start an LU session "
      "(IEE052I, IEE053I). 002E -> unexpected condition while SMCS started an LU session "
      "(IEE053I, IEE057I). 002F -> storage overlay in DIDOCS. ",
      "The system ends the requester or the console function in error and writes a logrec "
      "record; depending on the reason code the console involved may become unusable until "
      "it is activated again.",
      "Note the reason code (the low halfword of register 15). For 0010, 001C and 0020 check "
      "the parameter list the program passed to the console service; for 002D and 002E look "
      "up the IEE messages issued for the SMCS session. For the other codes, or if the "
      "program is correct, give the dump and logrec record to the system programmer."}},
    {{"S078", "078"},
     {"An error occurred during processing of a GETMAIN or FREEMAIN macro issued through "
      "supervisor call 120 (X'78'), used by register-form requests such as RU, RC, VRU and VRC. "
      "The subpool, length, address or boundary was not acceptable, or the storage to be freed "
      "was not allocated to the task.",
      kNA, "The system abnormally ends the task that issued the GETMAIN or FREEMAIN macro.",
      "Check the subpool, length and address in the macro, and make sure FREEMAIN releases only "
      "storage obtained earlier in the same subpool with the same length. Correct the program and "
      "run the job again."}},
    {{"S079", "079"},
     {"An error occurred during processing of supervisor call 121 (X'79'), which VSAM uses for "
      "functions that must run in supervisor state, such as building control blocks and fixing "
      "buffers. The request was not valid, usually because VSAM control blocks in the program's "
      "storage had been overlaid.",
      kNA, "The system abnormally ends the task whose VSAM request was being processed. ",
      "Check whether the program changes its ACB, RPL or the areas VSAM uses, for example by "
      "moving data past the end of a record area. Correct the program; if no overlay is found, "
      "report the problem with the dump to the system programmer."}},
    {{"S07A", "07A"},
     {"A system component found an error and ended the task with completion code 07A; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 07A after its recovery "
      "routines have run.",
      "Find the module that issued 07A in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S07B", "07B"},
     {"The system found an error in interprocessor communication. Register 15 holds the "
      "reason code: 00, 04, 08 -> the caller of RISGNL, RPSGNL or DSGNL, in that order, "
      "passed an incorrect PCCA address; registers 2 and 3 hold the caller's registers 0 and "
      "1. 0C -> the caller's serial receiving routine for a RISGNL ended abnormally on the "
      "processor handling the emergency signal. 10 -> the emergency signal second-level "
      "interrupt handler found second-level recursion. 14 -> DSGNL was passed a SIGP order "
      "code that is not supported.",
      kNA,
      "For reason codes 00, 04, 08, 0C and 14 the system abnormally ends the caller; for 10 "
      "it writes a logrec data set error record.",
      "Use register 14 at the time of error to find the module that issued the macro or "
      "caused the emergency signal. Correct an installation module; report an IBM module, "
      "with an SVC dump taken by SLIP SET,COMP=07B,ACTION=SVCD,END, to the system programmer."}},
    {{"S07C", "07C"},
     {"The system detected a recursive ABEND macro (SVC 13): an abnormal end occurred again "
      "while abnormal-end processing was under way. The reason code is kept in field ASCBARC "
      "of the address space control block.",
      "00 -> the system abnormally ended the task or the address space. 04 -> recovery for "
      "the SVC first-level interrupt handler abnormally ended the address space. ",
      "The system ends the current task or the current address space and may write an SVC "
      "dump, a logrec data set error record, or both.",
      "Look for the original abend: in the system trace find the SVC D entry for 07C, note "
      "its ASID, and go back to the previous SVC D entry of that ASID, whose UNIQUE-3 column "
      "holds the first abend code. Research that code, and give the dump to the system "
      "programmer."}},
    {{"S07D", "07D"},
     {"The system found an error while adding a functional recovery routine (FRR) to an FRR "
      "recovery stack, or deleting one from it, with SETFRR. 00 -> the stack was full: a "
      "program added FRRs without deleting them, issued SETFRR in a loop, or added too many "
      "(installations are guaranteed only two); dump and logrec processing cannot run, and a "
      "0DC abend with reason 8 usually follows. 04 -> SETFRR DELETE was issued by a caller "
      "not entitled to hold FRRs at that moment: it held no lock, was enabled, was not an "
      "SRB and had no FRR with EUT=YES.",
      kNA,
      "The system abnormally ends the unit of work that issued SETFRR and may write a logrec "
      "data set error record.",
      "Check the installation programs running in key 0 that issue SETFRR; register 14 at "
      "the time of error points to the caller. Give every SETFRR ADD its DELETE, and delete "
      "only while holding a lock, disabled, in SRB mode or under an EUT=YES FRR."}},
    {{"S07E", "07E"},
     {"A system component found an error and ended the task with completion code 07E; the "
      "module that issued it is named in message IEA995I, headed \"SYMPTOM DUMP OUTPUT\"",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 07E, with any reason code. ",
      "The system abnormally ends the task with completion code 07E after its recovery "
      "routines have run.",
      "Find the module that issued 07E in message IEA995I or the dump. Correct the request the "
      "program made of it, or give the dump to the system programmer."}},
    {{"S07F", "07F"},
     {"A system component found an error and ended the task with completion code 07F; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 07F after its recovery "
      "routines have run.",
      "Find the module that issued 07F in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S080", "080"},
     {"A system component found an error and ended the task with completion code 080; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 080 after its recovery "
      "routines have run.",
      "Find the module that issued 080 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S081", "081"},
     {"A system component found an error and ended the task with completion code 081; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 081 after its recovery "
      "routines have run.",
      "Find the module that issued 081 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S083", "083"},
     {"An error occurred during processing of a RACINIT macro (supervisor call 131, X'83'), which "
      "verifies a user and builds or deletes the accessor environment element (ACEE) describing "
      "that user to the system. The parameter list, or an area it points to, could not be used.",
      kNA,
      "The system abnormally ends the task that issued RACINIT; no security environment is "
      "created or deleted.",
      "Check the RACINIT parameter list: the user ID, password, group and ACEE fields must point "
      "to storage the caller can reference and be in the required format. Correct the program, or "
      "tell the security administrator if a system component made the request."}},
    {{"S084", "084"},
     {"An error occurred during processing of a RACLIST macro (supervisor call 132, X'84'), which "
      "builds in-storage profiles for a class of general resources so that authorization checks "
      "need not read the security data base. The request could not be completed.",
      kNA, "The system abnormally ends the task that issued the RACLIST macro.",
      "Check that the class named in the RACLIST request is defined to the security product and "
      "that the caller may issue the macro. Correct the program, or have the security "
      "administrator check the class definitions."}},
    {{"S085", "085"},
     {"An error occurred during processing of a RACDEF macro (supervisor call 133, X'85'), which "
      "defines, changes or deletes a resource profile, for example when a protected data set is "
      "created, renamed or scratched. The parameters passed to RACDEF were not valid.",
      kNA,
      "The system abnormally ends the task that issued RACDEF; the profile is not defined, "
      "changed or deleted.",
      "Check the RACDEF parameter list, particularly the entity name, class, volume and the "
      "addresses of optional fields. If data set processing such as scratch made the request, "
      "report the problem with the dump to the system programmer. "}},
    {{"S086", "086"},
     {"A system component found an error and ended the task with completion code 086; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 086 after its recovery "
      "routines have run.",
      "Find the module that issued 086 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S087", "087"},
     {"A system component found an error and ended the task with completion code 087; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 087 after its recovery "
      "routines have run.",
      "Find the module that issued 087 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S089", "089"},
     {"A system component found an error and ended the task with completion code 089; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 089 after its recovery "
      "routines have run.",
      "Find the module that issued 089 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S08A", "08A"},
     {"An error occurred during processing of a PGSER macro (supervisor call 138, X'8A'), the "
      "page services interface used to fix, free, load, release or page out virtual storage. The "
      "storage range or options given could not be processed.",
      kNA, "The system abnormally ends the task that issued the PGSER macro. ",
      "Check the start and end addresses of the range, the ECB address for fix requests and the "
      "key of the storage. Make sure the program frees only what it fixed, correct it and run the "
      "job again."}},
    {{"S08B", "08B"},
     {"Data-in-virtual (DIV) could not perform a service asked for with the DIV macro: a "
      "parameter of the macro, or a condition in force when it was issued, was in error. The "
      "two low-order bytes of register 15 hold the reason code given in the Description.",
      "0001 -> unknown service. 0002 -> unknown parameter list format. 0003 -> list not "
      "addressable. 0004 -> list names storage DIV cannot address. 0005 -> a reserved field is "
      "not zero. 0006 -> caller not in task mode. 0007 -> primary and home address spaces "
      "differ. 0008 -> TYPE not valid. 0009 -> ID not valid or not usable by this caller. 000A "
      "-> another request for the ID is in progress. 000B -> an object is already accessed "
      "under the ID. 000C -> no RACF authority to the object, or a password-protected data set "
      "(not supported). 000D -> range beyond the largest object size. 000E -> no object "
      "accessed under the ID. 000F -> range overlaps one mapped for the ID. 0010 -> virtual "
      "range overlaps one mapped in the address space or data space. 0011 -> error while data "
      "was taken from the object; not all was kept. 0012 -> virtual storage not on a 4K "
      "boundary. Higher codes follow. ",
      "The system abnormally ends the program that issued the DIV macro; the requested service "
      "is not done.",
      kNA}},
    {{"S08C", "08C"},
     {"The system found an error while it processed a SCHEDULE macro with which a program asked "
      "for a service request block (SRB) to be scheduled. At the abend register 2 holds the "
      "address of the SRB, register 3 the return address of the program that issued the macro, "
      "and register 15 the reason code. ",
      "04 -> SRBASCB in the SRB holds an address that is not that of a valid address space "
      "control block (ASCB). 08 -> the ASCB named in the SRB has its ASCBFAIL flag on: that "
      "address space is ending. 0C -> the STOKEN given stands for a different address space "
      "than the ASCB named in the SRB. 10 -> a processor feature was asked for, but no online "
      "processor has it. 14 -> an entry point was asked for with a wrong feature indicator. 18 "
      "-> a feature was asked for with a feature indicator that is not valid. 1C -> SCHEDULE "
      "processing met an internal error. 20 -> the SPTOKEN option was used by a caller holding "
      "the DISP lock or a lock above it in the locking hierarchy, which is not allowed. 24 -> "
      "the macro said DISABLED while its caller was running enabled. 28 -> the caller ran in AR "
      "ASC mode without declaring it with the SYSSTATE macro. 2C -> the SRB does not reside in "
      "common storage. ",
      "The issuer of the SCHEDULE macro is ended abnormally; the system may also write an error "
      "record to the logrec data set. When the system programmer wants an SVC dump, the "
      "operator sets the trap SLIP SET,COMP=08C,ACTION=SVCD,END.",
      kNA}},
    {{"S08D", "08D"},
     {"A system component found an error and ended the task with completion code 08D; "
      "message IEA995I names the module that issued it. ",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 08D, with any reason code. ",
      "The system abnormally ends the task with completion code 08D after its recovery "
      "routines have run.",
      "Find the module that issued 08D in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S08E", "08E"},
     {"A system component found an error and ended the task with completion code 08E; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 08E after its recovery "
      "routines have run.",
      "Find the module that issued 08E in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S08F", "08F"},
     {"A system component found an error and ended the task with completion code 08F; message "
      "IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 08F, with any reason code. ",
      "The system abnormally ends the task with completion code 08F after its recovery "
      "routines have run.",
      "Find the module that issued 08F in message IEA995I or the dump. Correct the request the "
      "program made of it, or give the dump to the system programmer. "}},
    {{"S090", "090"},
     {"A system component found an error and ended the task with completion code 090; "
      "message IEA995I names the module that issued it. ",
      kNA, kNA, kRespKeepEvidence}},
    {{"S091", "091"},
     {"A system component found an error and ended the task with completion code 091; "
      "message IEA995I names the module that issued it. ",
      "NA.", kNA,
      "Find the module that issued 091 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S092", "092"},
     {"A system component found an error and ended the task with completion code 092; "
      "message IEA995I names the module that issued it. ",
      kNA, kNA, kRespKeepEvidence}},
    {{"S093", "093"},
     {"A system component found an error and ended the task with completion code 093; "
      "message IEA995I names the module that issued it. ",
      kNA, kNA, kRespKeepEvidence}},
    {{"S094", "094"},
     {"A system component found an error and ended the task with completion code 094; "
      "message IEA995I names the module that issued it. ",
      kNA, kNA, kRespKeepEvidence}},
    {{"S095", "095"},
     {"A system component found an error and ended the task with completion code 095; "
      "message IEA995I names the module that issued it. ",
      kNA, kNA,
      "Find the module that issued 095 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S096", "096"},
     {"The error occurred while a basic telecommunications access method (BTAM) OPEN routine "
      "processed a DCB asking for dynamic buffer allocation (DCBBFTEK): the DCB gave neither "
      "the address of a buffer pool control block (DCBBUFCB) nor the number and length of "
      "the buffers (DCBBUFNO, DCBBUFL), so no buffers could be allocated. ",
      kNA, kNA,
      "Supply a buffer pool and put the address of its control block in DCBBUFCB, or give "
      "the number and length of the buffers, or handle buffering in the program and remove "
      "BFTEK=D from the DCB macro or the DD statement. Run the job step again."}},
    {{"S097", "097"},
     {"A system component found an error and ended the task with completion code 097; "
      "message IEA995I names the module that issued it. ",
      kNA, kNA,
      "Find the module that issued 097 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S098", "098"},
     {"A system component found an error and ended the task with completion code 098; "
      "message IEA995I names the module that issued it. ",
      kNA, kNA, kRespKeepEvidence}},
    {{"S099", "099"},
     {"A system component found an error and ended the task with completion code 099; "
      "message IEA995I names the module that issued it. ",
      kNA, kNA,
      "Find the module that issued 099 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
};

}  // namespace

std::span<const TextRow> mvspr2Table() { return kRows; }

}  // namespace quenmar::catalog::mvs
