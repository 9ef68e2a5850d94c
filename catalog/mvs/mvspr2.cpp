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
     {"An error occurred during processing of supervisor call 81 (X'51'), which serves the SETPRT "
      "macro (loading a character set, forms control buffer or other setup into a printer) and "
      "the SETDEV macro. The request, or the data set it refers to, was not in a usable state.",
      "SETPRT works on the DCB of an open printer data set and may load images from "
      "SYS1.IMAGELIB. The code points to a request the routine could not report through a return "
      "code: a parameter list outside the issuer's storage or with fields it cannot interpret, a "
      "DCB that was not open for a printer or whose DEB does not belong to the task, or a failure "
      "while the image library was read. ",
      "The system abnormally ends the task that issued the SETPRT or SETDEV macro; the printer "
      "setup is not done.",
      "Check that the DCB was open when the macro was issued and that the program did not alter "
      "the SETPRT parameter list or the DCB. Correct the program and run the job again; if the "
      "image library is at fault, have the system programmer check SYS1.IMAGELIB."}},
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
     {"An error occurred during processing of supervisor call 83 (X'53'), the entry through which "
      "the SMFWTM macro hands a record to the system management facilities (SMF) to be written to "
      "the SMF data sets. The SVC routine could not accept the request in the form its caller "
      "passed it.",
      "SMFWTM and SMFEWTM are for authorized callers. Register 1 must address a complete SMF "
      "record in storage the caller can reference, and the record descriptor word must give a "
      "length no shorter than the SMF header and no longer than the largest record SMF writes. An "
      "issuer without APF authorization, supervisor state or a system key, a record address "
      "outside the caller's storage, or a record or register changed after the macro expansion "
      "built the request leads to this code. ",
      kNA, kNA}},
    {{"S054", "054"},
     {"An error was found in a graphics request issued through supervisor call 84 (X'54'). SVC 84 "
      "serves the graphic access method for display devices attached as graphic stations, and the "
      "request could not be processed as given.",
      kNA, "The system abnormally ends the task that issued the graphics request.",
      "Check the graphics macros issued before the failure, in particular the DCB and the device "
      "and buffer addresses they name. Correct the program and run the job again."}},
    {{"S055", "055"},
     {"An error occurred during dynamic device reconfiguration (DDR), the function reached "
      "through supervisor call 85 (X'55') that moves a mounted volume to another device after an "
      "I/O error or at the operator's request. The swap could not be completed.",
      "A swap is started either by the operator, who names the device to receive the volume, or "
      "by error recovery after a permanent error on the original device. For an operator swap, "
      "the chosen device must be online, ready and able to take the volume; for a system swap, "
      "the control blocks of the original device must be consistent. The DDR messages issued "
      "before the abend name both devices. SVC 85 is for system use; a program outside the system "
      "that issues it is ended. ",
      "The system ends the task that was using the device. DDR messages issued before the failure "
      "name the devices involved.",
      "Review the DDR messages and the logrec error record. If the operator chose the target "
      "device, make sure it is online, ready and compatible with the volume, then rerun the job; "
      "otherwise report the problem with the dump to the system programmer."}},
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
     {"An error occurred during processing of supervisor call 89 (X'59'), the emulator service "
      "routine (EMSERV) used by programs running under an emulator of an earlier system. The "
      "service request could not be processed.",
      "The emulator services are available only to a program running under control of the "
      "emulator, and only for the request codes the routine provides; the results are stored in "
      "an area the caller must be able to change. An issuer that is not under the emulator, an "
      "unknown request code or a result area it cannot reference in its key leads to this code. ",
      "The system abnormally ends the emulated program and the emulator task that controls it. ",
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
     {"An error was found during processing of a TGET, TPUT or TPG macro (supervisor call 93, "
      "X'5D'). These macros read from and write to a TSO/E terminal, and the buffer, length or "
      "options passed in registers 0 and 1 could not be used.",
      "TGET reads into a buffer the program must be able to change, and TPUT and TPG write from a "
      "buffer it must be able to read, both addressed by register 1; register 0 holds the length "
      "and the high-order byte of register 1 the options. A buffer address outside the program's "
      "storage, a length of zero or above what terminal support accepts, an option combination "
      "the macro does not allow, or a terminal session that has already ended leads to this code. ",
      "The system abnormally ends the program that issued the terminal macro; under TSO/E, "
      "control returns to recovery or to the READY prompt.",
      "Check the buffer address, length and option bits the program places in registers 0 and 1 "
      "before TGET, TPUT or TPG. Correct the program and run it again."}},
    {{"S05E", "05E"},
     {"An error occurred in one of the terminal control macros serviced by supervisor call 94 "
      "(X'5E'), such as STCC, STATTN, STAUTOLN, STSIZE, STTIMEOU, GTSIZE, TCLEARQ or STFSMODE. "
      "The parameters passed did not describe a valid terminal request.",
      "Each terminal control macro sets a function code and its operands in registers 0 and 1 "
      "before the supervisor call. A function code the routine does not recognize, usually "
      "because the program built or changed the registers itself, an operand such as a line or "
      "screen size out of range for the function, or an issuer not running under TSO/E with a "
      "terminal leads to this code. ",
      "The system abnormally ends the program that issued the terminal control macro.",
      "Check the macro's operands and any code that changes registers 0 and 1 between the macro "
      "expansion and the SVC. Correct the program, or run it from a TSO/E terminal if it needs "
      "one."}},
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
     {"An error occurred during processing of a STAX macro (supervisor call 96, X'60'). STAX "
      "establishes or cancels an attention exit, which gets control when a TSO/E user presses the "
      "attention key; the parameter list could not be used, or the task cannot have attention "
      "exits.",
      "The STAX parameter list, addressed by register 1, names the exit routine and optional "
      "input and output buffers, all of which must stay in storage the task can reference while "
      "the exit is established. A list or address outside that storage, a list or exit routine "
      "freed or overwritten while the exit was still established, or a task with no terminal (or "
      "whose session is ending) leads to this code. ",
      "The system abnormally ends the task that issued the STAX macro. ",
      "The parameter list, exit routine and buffers named by STAX must stay in place and "
      "unchanged while the exit is established. Correct the program and run it again."}},
    {{"S061", "061"},
     {"An error occurred during processing of supervisor call 97 (X'61'), which the TSO/E TEST "
      "command uses to set breakpoints and take control of the program being tested. The request "
      "was not valid, or the SVC was executed by a program other than TEST.",
      "SVC 97 is issued only by TEST and by the breakpoints TEST places in the program under "
      "test. The code appears when an SVC 97 instruction runs outside TEST, for example after a "
      "branch into data that contains it, when the program under test has overwritten an "
      "instruction at a breakpoint so that TEST cannot restore it, or when the registers at the "
      "SVC do not match a request TEST made. ",
      "The system abnormally ends the program under test, or the program that issued SVC 97.",
      "Under TEST, remove the breakpoints and run again; a program that overwrites its own "
      "instructions can destroy a breakpoint. Outside TEST, find out why an SVC 97 instruction "
      "was executed, which usually means a branch to a wrong address."}},
    {{"S062", "062"},
     {"An error occurred while the system processed a PROTECT macro (supervisor call 98, X'62'), "
      "which adds, changes, deletes or lists entries in the PASSWORD data set that protects data "
      "sets with passwords. The request could not be completed.",
      "PROTECT adds, replaces, deletes or lists entries of the PASSWORD data set through a "
      "parameter list that gives the function, the data set name and the passwords in "
      "fixed-length, padded fields. A list outside the caller's storage or with an unknown "
      "function code, name or password fields without the required lengths or padding, or a "
      "PASSWORD data set that is missing or cannot be opened or updated leads to this code. ",
      kNA,
      "Check the PROTECT parameter list and the data set name and passwords it holds. If the list "
      "is correct, ask the system programmer to check the PASSWORD data set, then run the job "
      "again."}},
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
     {"An error occurred during processing of supervisor call 101 (X'65'), the interface between "
      "TSO/E terminal support and the telecommunications access method (QTIP). The terminal input "
      "or output request could not be handled with the control blocks it named.",
      "The interface works on the terminal control blocks of the user's session and on buffers "
      "and queue elements of the access method. A session that has already ended or a dropped "
      "line, an entry code in register 0 that names no service of the interface, or a buffer or "
      "queue element outside the storage the routine can reach leads to this code. ",
      "The system abnormally ends the task that issued the request and writes a logrec error "
      "record.",
      "Report the problem with the logrec record and the dump to the system programmer, and have "
      "the user log on again if the session was lost. If an installation program issued the SVC, "
      "check its entry code and parameters."}},
    {{"S066", "066"},
     {"An error occurred during processing of supervisor call 102 (X'66'), which the "
      "telecommunications access method uses to control its message queues and application "
      "program interface (AQCTL). The request did not name a valid queue or process entry.",
      "Requests through this interface name a destination or process entry of the message control "
      "program and pass queue elements that must be intact and in sequence. A name not defined in "
      "the message control program, a queue element that was overlaid, or an issuer that is not "
      "part of the access method leads to this code. ",
      "The system abnormally ends the task that issued SVC 102; the message control program may "
      "go on serving its other lines.",
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
     {"An error occurred during processing of supervisor call 104 (X'68'), the TOPCTL service "
      "through which an application of the telecommunications access method requests operator "
      "control of its network. The operator control request could not be performed.",
      "Operator control requests are accepted only from applications that the network definition "
      "allows to use them, and only for lines, terminals and stations defined there. An "
      "application without that permission, a resource name not in the network definition, or a "
      "control request with an invalid length or verb leads to this code. ",
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
     {"An error occurred during processing of an EXCPVR request (supervisor call 114, X'72'). "
      "EXCPVR starts channel programs with real addresses, built by an authorized program that "
      "fixes its own buffers; the request failed the checks made before the I/O is started.",
      "Before EXCPVR starts a channel program it checks that the task may issue the macro (EXCPVR "
      "is for authorized programs), that the IOB, DCB and DEB describe a data set the task has "
      "open, with the DEB present in the DEB table, and that the buffers and the channel program "
      "are fixed in real storage, either by the program or by its page fix appendage, so that the "
      "real addresses in the channel program remain valid. A request that fails these checks is "
      "ended with this code. ",
      "The system abnormally ends the task that issued EXCPVR; the channel program is not started.",
      "Make sure the program fixes every area its channel program uses before EXCPVR and that the "
      "IOB, DCB and DEB belong to an open data set. Correct the program and run the job again; "
      "report a failing system or vendor program."}},
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
     {"An error occurred during processing of a DEBCHK macro (supervisor call 117, X'75'), which "
      "verifies that a data extent block (DEB) is recorded in the DEB table of the address space "
      "and adds DEBs to or removes them from that table. The DEB was not found, or the request "
      "was not valid.",
      "DEBCHK is used by authorized programs to verify that a DEB address is in the DEB table of "
      "the address space (VERIFY), to add a DEB to the table (ADD), or to remove one (DELETE, "
      "PURGE). A VERIFY for a DEB that OPEN never built, that was freed or that was overlaid, an "
      "ADD for a DEB already in the table, a DELETE for one that is not there, or an ADD or "
      "DELETE from a caller without authorization leads to this code. ",
      "The system abnormally ends the task that issued the DEBCHK macro; the DEB table is not "
      "changed. ",
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
     {"An error occurred during processing of supervisor call 126 (X'7E'), which passes requests "
      "to the Mass Storage System communicator. The request was rejected, or failed on its way to "
      "the mass storage control; dumps and logrec records call this routine the \"MSSC.\"",
      "The request passes a parameter list naming the mass storage function and the volume; the "
      "communicator accepts requests only from authorized callers and matches each reply of the "
      "mass storage control to the request it answers. An unknown function or volume, an "
      "unauthorized issuer, or a mass storage control that did not reply or whose reply could not "
      "be matched leads to this code. ",
      "The system abnormally ends the task that made the mass storage request; a volume mount it "
      "asked for is not done.",
      "If an installation program made the request, check its parameters and authorization. If a "
      "system function made it, report the messages, logrec record and dump to the system "
      "programmer, who should also check the mass storage control."}},
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
     {"An error occurred during processing of a common VTOC access facility (CVAF) request, "
      "supervisor call 139 (X'8B'). The CVAF macros read and update the volume table of contents "
      "and its index; the CVAF parameter list, or a buffer list it named, could not be used.",
      "CVAF reports most errors itself: register 15 holds 4 or 8 with the cause in the CVSTAT "
      "field of the CVAF parameter list (CVPL), 12 when the CVPL is not in the caller's key or "
      "has a wrong identifier, length or function code, and 16 for an I/O error. Through the SVC "
      "entry, a request that asks for output operations must come from an APF-authorized program. "
      "A request that cannot be answered with a return code, for example one naming buffer lists "
      "or buffers the service cannot reach, or a UCB that is not that of a mounted direct access "
      "volume, is ended with this code. ",
      "The system abnormally ends the task that issued the CVAF macro; the VTOC is not updated.",
      kNA}},
    {{"S08C", "08C"},
     {"A system component found an error and ended the task with completion code 08C; "
      "message IEA995I names the module that issued it. ",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 08C, with any reason code. ",
      "The system abnormally ends the task with completion code 08C after its recovery "
      "routines have run.",
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
     {"An error occurred during processing of a cryptographic request through supervisor call 143 "
      "(X'8F'), which serves the GENKEY, RETKEY, CIPHER and EMK macros of the programmed "
      "cryptographic facility. The request could not be carried out with the keys and data given.",
      "GENKEY and RETKEY need a key name present in the cryptographic key data set and a program "
      "allowed to use it; CIPHER needs a data length that suits the chaining method and input and "
      "output areas the program can reach; EMK, which enciphers under the host master key, is "
      "restricted to authorized programs. A request failing these conditions is ended with this "
      "code. ",
      "The system abnormally ends the task that issued the cryptographic macro; no data is "
      "enciphered or deciphered.",
      "Check the key names, data and output areas and lengths given to the macro. Have the "
      "security administrator verify that the keys exist and that the program may use them, then "
      "run the job again. "}},
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
