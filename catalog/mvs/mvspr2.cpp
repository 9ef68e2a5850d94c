#include "catalog/mvs/mvs_stock.h"
#include "catalog/mvs/mvs_tables.h"

namespace quenmar::catalog::mvs {
namespace {

// Texts more than one row of this file shows.

// The higher SVC numbers of this stretch belong to services that problem programs reach only
// through system macros, so the advice for them is the same: collect the evidence and hand it on.
constexpr std::string_view kRespHighSvcEvidence =
    "Note the completion code, the reason code if register 15 held one, and the messages issued "
    "just before the abend, and keep the dump. Check whether the program overwrote storage it had "
    "passed to a system service; if not, give the material to the system programmer. ";

constexpr TextRow kRows[] = {
    {{"S04A", "04A"},
     {"During processing of supervisor call 74 (X'4A') the system found an error. The SVC routine "
      "refused the request as one its issuer may not make, or could not use the parameter list "
      "addressed by register 1.",
      "The reason code, where the routine sets one, and the module named in message IEA995I show "
      "which check failed. The caller's registers at the supervisor call are saved in the "
      "routine's SVRB; register 1 normally addresses the parameter list. A zero or out-of-range "
      "address there, or an issuer that is not authorized while the request needs authorization, "
      "points to the calling program; a failure with a correct list points to the routine itself. ",
      "The system abnormally ends the task that issued SVC 74 and writes a logrec data set error "
      "record.",
      "Find the SVC 74 instruction from the PSW in the dump, check the program's authorization "
      "and the parameter list it built, and correct the program. If a system routine issued the "
      "SVC, give the dump to the system programmer."}},
    {{"S04B", "04B"},
     {"An error was detected while the system processed a request issued through supervisor call "
      "75 (X'4B'). The request could not be completed, and the SVC routine ended the program "
      "instead of returning to it.",
      "The caller's registers at the supervisor call are in the routine's SVRB, and its PRB holds "
      "the address just past the SVC instruction. Values the program loaded itself instead of the "
      "macro expansion, or addresses of storage it cannot reference in its key, point to the "
      "caller; a failure with intact parameters is reported through the routine's logrec record. ",
      "The system abnormally ends the program that issued SVC 75, after its recovery routines, if "
      "any, have had control.",
      "Use the registers at the time of error to see which request the program made and correct "
      "any value it set itself. If a system macro with an intact expansion issued the SVC, report "
      "the problem with the dump. "}},
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
     {"An error was found while the system processed supervisor call 82 (X'52'). The routine that "
      "handles this SVC could not carry out the request with what its caller supplied in "
      "registers 0, 1 and 15.",
      "The caller's registers at the supervisor call are kept in the routine's SVRB and show what "
      "was passed in registers 0, 1 and 15; the caller's PRB holds the return address just past "
      "the SVC instruction. A value that the macro expansion does not produce, an address outside "
      "the caller's storage, or a caller without the state, key or APF authorization the request "
      "needs points to the calling program. ",
      "The system abnormally ends the current task and records the error in the logrec data set.",
      "Use the dump to find the instruction that issued SVC 82 and the registers it passed. "
      "Correct the program if it built the request; if a system module issued the SVC, report the "
      "dump to the system programmer."}},
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
     {"An error occurred during processing of a DOM (delete operator message) macro, supervisor "
      "call 87 (X'57'). The message identifier or identifier list passed to DOM could not be "
      "used, so the messages could not be removed from the consoles.",
      kNA, kNA,
      "Pass DOM the message identifier returned by the WTO or WTOR that wrote the message, or a "
      "correctly built list with an entry count, and do not change or free that storage before "
      "the macro completes. Correct the program and run it again. "}},
    {{"S058", "058"},
     {"An error occurred during processing of supervisor call 88 (X'58'). The SVC routine "
      "rejected the request after checking the registers and the parameter list it received, or "
      "failed while carrying the request out.",
      "The caller's registers at the supervisor call, kept in the routine's SVRB, give the "
      "parameter list address in register 1; the caller's PRB holds the return point. An address "
      "of zero or outside the caller's storage, a field of the list out of range, or an area "
      "named in the list that the caller cannot access in its key points to the calling program. "
      "When the list is correct, the logrec record names the routine that failed. ",
      "The system abnormally ends the program that issued the request and writes a logrec error "
      "record.",
      "Check the parameter list and the buffer addresses and lengths passed with the request, "
      "correct any error and run the job again. If the list is correct, report the problem to the "
      "system programmer."}},
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
     {"An error occurred during processing of an XLATE macro, supervisor call 103 (X'67'), which "
      "translates data in storage between EBCDIC and ASCII. The area given by its address and "
      "length was not entirely in storage the program may change.",
      kNA,
      "The system abnormally ends the task that issued the XLATE macro; the data may be partly "
      "translated. ",
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
     {"An error occurred during processing of an IMGLIB macro (supervisor call 105, X'69'), which "
      "opens or closes SYS1.IMAGELIB so that character set and forms control images can be loaded "
      "into printers. The library could not be opened or closed for the caller.",
      kNA, "The system abnormally ends the task that issued the IMGLIB macro. ", kNA}},
    {{"S06A", "06A"},
     {"The routine that services supervisor call 106 (X'6A') found an error and ended the issuer. "
      "Either the issuer was not entitled to the function, or the registers passed with the SVC "
      "did not describe a request the routine could carry out.",
      kNA,
      "The system abnormally ends the task that issued SVC 106 and writes a logrec error record.",
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
     {"The system ended the task with completion code 06C. The code does not report an error of "
      "supervisor call 108 (X'6C') as its last digits suggest; it comes from the system component "
      "that detected the error, and the reason code kept with the abend identifies the condition.",
      kNA,
      "The task is ended with completion code 06C. A dump is taken if the step has a SYSABEND, "
      "SYSMDUMP or SYSUDUMP DD statement.",
      "Use message IEA995I or the dump to find the module that issued the code and its reason "
      "code, and the messages written just before the abend to find the request involved. Correct "
      "the program if it made that request wrongly; otherwise report the code, reason code and "
      "dump to the system programmer."}},
    {{"S06D", "06D"},
     {kNA, kNA,
      "The system abnormally ends the program that issued SVC 109, the extended SVC router for "
      "type 3 and 4 routines, because register 15 did not hold the number of an extended routine "
      "defined to the system.",
      "Register 15 is set by the macro expansion, so a wrong value usually means the program "
      "altered the register, used a macro level that does not match the system, or branched into "
      "the middle of the expansion. Correct the program and run it again. "}},
    {{"S06E", "06E"},
     {"During processing of supervisor call 110 (X'6E') the system found that the request could "
      "not be carried out: the routine does not accept the caller's entry conditions, or could "
      "not use the parameter area passed.",
      kNA,
      "The system abnormally ends the task after its recovery routines have had control, and "
      "records the failure in the logrec data set.",
      "Use the SVC instruction and the registers in the dump to determine which program issued "
      "SVC 110. Correct it if it supplied bad parameters; if system code issued the SVC, send the "
      "dump and logrec record to the system programmer. "}},
    {{"S06F", "06F"},
     {"An error occurred during processing of supervisor call 111 (X'6F'), an internal entry used "
      "by system components rather than application programs. The issuer was not authorized to "
      "use it, or the request code or parameter list was rejected.",
      kNA,
      "The system abnormally ends the program that issued SVC 111 and writes a logrec error "
      "record.",
      kNA}},
    {{"S070", "070"},
     {"The system ended the task with completion code 070. This is not an error of the PGRLSE "
      "macro (supervisor call 112) that its last two digits suggest; the component that detected "
      "the error issues it, with a reason code that tells which condition was found.",
      "Message IEA995I and the dump give the module that issued the code, its reason code, and "
      "the PSW and registers at the error. The module name identifies the issuing component, and "
      "the messages in the job log before the abend name the resource or request involved. The "
      "same module and reason code on a recurrence point to a system error rather than to the "
      "program. ",
      "The system abnormally ends the task that issued the PGRLSE macro; no page of the range is "
      "released. ",
      kNA}},
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
     {"The system detected an error while processing supervisor call 115 (X'73') and ended the "
      "requester. The reason code recorded with the abend, shown in message IEA995I, identifies "
      "the check that failed.",
      "The caller's registers at the supervisor call are saved in the routine's SVRB, with "
      "register 1 normally addressing the parameters, and the caller's PRB holds the address just "
      "past the SVC instruction. Parameters outside the caller's storage or a caller without the "
      "state, key or authorization the routine requires point to the calling program; a failure "
      "with correct parameters is recorded in logrec against the routine. ",
      "The system abnormally ends the task that issued SVC 115.",
      "Find the module that issued the SVC from the PSW and registers at the time of error. If it "
      "is an installation program, correct the way it calls the service; otherwise give the dump "
      "and logrec data to the system programmer."}},
    {{"S074", "074"},
     {"An error occurred in the extended SVC router for type 1 routines, supervisor call 116 "
      "(X'74'). The number in register 15, which selects one of the extended services of this "
      "SVC, did not identify a routine defined to the system.",
      kNA,
      "The system abnormally ends the program that issued SVC 116 without passing control to any "
      "extended routine.",
      "Make sure the program was assembled with the macro library of the system it runs on and "
      "that register 15 is not altered between the macro expansion and the SVC. Correct the "
      "program and run it again."}},
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
     {"The routine for supervisor call 118 (X'76') found an error and ended the issuer. The "
      "request was refused at entry to the routine, or failed because the data areas it points to "
      "were not what the routine expected.",
      "The caller's registers at the supervisor call, kept in the routine's SVRB, show the "
      "parameter list it passed; its PRB holds the return point. A caller not in the state or key "
      "the routine requires, or a parameter list or control block that was overlaid, freed or in "
      "a key the caller cannot use, points to the calling program; otherwise the logrec record "
      "identifies the failing routine. ",
      "The system ends the issuing task, writes a logrec record, and takes a dump if one was "
      "requested.",
      "Check the registers and parameter list at the time of error in the dump. Correct a problem "
      "program that issued SVC 118; if the issuer is part of the system, report the problem to "
      "the system programmer. "}},
    {{"S077", "077"},
     {"An error occurred while the system processed a console service request. Register 15 holds "
      "an error code of the form xxxxyyyy; the first halfword is for the vendor's internal use, "
      "and the second, yyyy, is the reason code. The issuer was the console component (the "
      "communications task, the console address space or SMCS) or a program requesting one of its "
      "services.",
      "0000 -> A start or stop request for MONITOR JOBNAMES, STATUS or SESSIONS named an "
      "incorrect console or address space. 0010 -> The parameter list was not valid. 0014 -> The "
      "caller was not running in the console address space. 001C -> The parameter list held "
      "conflicting requests. 0020 -> The parameter list held incomplete or incorrect data. 0024 "
      "-> The console was not dedicated to the requesting component. 0028 -> Communications task "
      "processing failed. 002C -> The SMCS logical error exit found a logical error in an SMCS "
      "console session. 002D -> SMCS could not initialize or set up a session with a logical unit "
      "(see IEE052I or IEE053I). 002E -> An unexpected condition arose while SMCS set up a "
      "session with a logical unit (see IEE053I or IEE057I). ",
      "The system ends the requester or the console function in error and writes a logrec record; "
      "depending on the reason code the console involved may become unusable until it is "
      "activated again.",
      "Note the reason code (the low halfword of register 15). For 0010, 001C and 0020 check the "
      "parameter list the program passed to the console service; for 002D and 002E look up the "
      "IEE messages issued for the SMCS session. For the other codes, or if the program is "
      "correct, give the dump and logrec record to the system programmer."}},
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
     {"An error occurred in the extended SVC router for type 2 routines, supervisor call 122 "
      "(X'7A'). The routing code in register 15 did not select an existing type 2 routine, so the "
      "requested service could not be called.",
      kNA, "The system abnormally ends the task that issued SVC 122. ",
      "Verify that the macro requesting the service was assembled with this release's macro "
      "library and that register 15 still holds the value the expansion set when the SVC runs. "
      "Correct the program and rerun it."}},
    {{"S07B", "07B"},
     {"An error occurred during processing of a PURGEDQ macro (supervisor call 123, X'7B'), which "
      "removes service request blocks (SRBs) scheduled for an address space but not yet "
      "dispatched. The parameter list named an address space or other operand that could not be "
      "used.",
      kNA,
      "The system abnormally ends the routine that issued the PURGEDQ macro; the SRBs may remain "
      "scheduled.",
      "Check the PURGEDQ parameter list, in particular the address space identifier, and make "
      "sure the caller has the authority the macro requires. Correct the program and run it "
      "again. "}},
    {{"S07C", "07C"},
     {"An error occurred during processing of supervisor call 124 (X'7C'), the teleprocessing "
      "input/output entry (TPIO) through which the telecommunications access methods pass network "
      "I/O requests. The request, or the control blocks it named, failed validation.",
      "Requests through this entry pass a request parameter list that must be in storage the "
      "caller can reference and must carry a request code the access method supports; the session "
      "or node it names must still be active, and the application's access method control blocks "
      "must be intact. A request failing any of these checks is ended with this code. ",
      "The system ends the task that issued the request; the access method may end the "
      "application's network sessions.",
      "Check the request parameter lists and control blocks the application passes to the access "
      "method and correct any built or changed wrongly. If the error continues, report it to the "
      "network system programmer."}},
    {{"S07D", "07D"},
     {"An error occurred during processing of an EVENTS macro, supervisor call 125 (X'7D'). "
      "EVENTS creates and deletes an event table and lets a task wait for any of several ECBs "
      "entered in it; the table given was not one the task created, or had been damaged.",
      kNA, "The system abnormally ends the task that issued the EVENTS macro. ",
      "Create the event table with EVENTS ENTRIES= before using it, pass its address unchanged, "
      "do not free it before deleting it, and do not wait on it from another task. Correct the "
      "program and run it again."}},
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
     {"A supervisor call 127 (X'7F') request could not be processed, and the routine ended its "
      "caller. The program did not meet the requirements for using the SVC, or its registers did "
      "not identify a valid request.",
      kNA, "The system abnormally ends the task that issued SVC 127.",
      "Use the dump to identify the issuer of SVC 127 and its parameters. A problem program "
      "normally reaches this SVC only through a system macro, so check whether the expansion was "
      "changed, then correct and rerun the program."}},
    {{"S080", "080"},
     {"The routine for supervisor call 128 (X'80') could not complete its request and ended the "
      "program. The registers, and the storage they pointed to, did not describe a request the "
      "routine accepts from that caller.",
      kNA,
      "The system abnormally ends the task that issued SVC 128, after its recovery routines have "
      "had control.",
      "Locate the SVC 128 instruction and its module from the PSW and registers at the time of "
      "error. Correct an installation program that passed wrong parameters; report a system "
      "module with the dump. "}},
    {{"S081", "081"},
     {"An error occurred during processing of supervisor call 129 (X'81'). The issuer lacked the "
      "state, key or authorization the routine requires, or the parameter area it passed was not "
      "in accessible storage.",
      kNA,
      "The system abnormally ends the task that issued SVC 129 and records the error in the "
      "logrec data set.",
      "Find the module that issued SVC 129 in the dump and check the parameters it passed. "
      "Correct the program if it is your own; otherwise give the dump and logrec record to the "
      "system programmer."}},
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
     {"During processing of supervisor call 134 (X'86') the SVC routine detected an error and "
      "ended the issuer: a parameter was not valid, or the SVC was issued in a way the routine "
      "does not support.",
      kNA, "The system abnormally ends the task that issued SVC 134. ",
      "Find the module that issued SVC 134 in the dump. Correct the register contents a problem "
      "program sets up for the SVC; if a system module issued it, contact the system programmer."}},
    {{"S087", "087"},
     {"An error occurred during processing of supervisor call 135 (X'87'). The caller's parameter "
      "list was not accessible or held values the routine does not allow, or the caller was not "
      "authorized for the function.",
      kNA,
      "The system abnormally ends the program that issued SVC 135 and writes a logrec error "
      "record.",
      "Review the parameter list and authorization of the program that issued SVC 135, as shown "
      "in the dump. Correct the program and run it again, or report system code to the system "
      "programmer."}},
    {{"S089", "089"},
     {"An error occurred in the extended SVC router for type 6 routines, supervisor call 137 "
      "(X'89'). The code in register 15 did not match an installed type 6 routine, so the router "
      "could not pass control to the requested service.",
      kNA, "The system abnormally ends the task that issued SVC 137.",
      "Reassemble the program with the system macro library of the level it runs under, and check "
      "that nothing alters register 15 between the expansion and the SVC."}},
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
     {"The system found an error during processing of supervisor call 140 (X'8C') and ended the "
      "issuer. The SVC routine checks its caller and parameters before doing any work, and one of "
      "those checks failed.",
      "The caller's registers at the supervisor call, kept in the routine's SVRB, show the "
      "parameter list address in register 1; the caller's PRB holds the return point. An issuer "
      "without the state, key or APF authorization the routine requires, an address of zero or "
      "one the caller cannot fetch, or a length, count or function code out of range in the list "
      "points to the calling program. ",
      "The system abnormally ends the task that issued SVC 140 and writes a logrec error record. ",
      kNA}},
    {{"S08D", "08D"},
     {"An error was detected during processing of supervisor call 141 (X'8D'). The request was "
      "not performed: its parameters were unusable, or the caller lacked the authority it needs.",
      "The reason code in message IEA995I, where the routine sets one, identifies the failing "
      "check. Requests needing supervisor state, a system key or APF authorization from a caller "
      "without them, parameter lists or areas that are not addressable or hold values out of "
      "range, and registers changed after the macro expansion set them all point to the calling "
      "program; a failure with correct input points to the routine. ",
      "The system abnormally ends the task that issued SVC 141.",
      "Find the issuing module in the dump and check its parameters and authorization. Correct "
      "the program and run the job again, or give the dump to the system programmer if a system "
      "module issued the SVC."}},
    {{"S08E", "08E"},
     {"An error occurred during processing of supervisor call 142 (X'8E'). The routine ended its "
      "caller because the request failed its validity checks, or because the routine failed while "
      "performing it. ",
      kNA,
      "The system abnormally ends the task that issued SVC 142, giving control first to the "
      "task's recovery routines.",
      "Check the module that issued SVC 142 and the registers it passed. Correct the program if "
      "it set up the request incorrectly; otherwise report the error and the logrec record to the "
      "system programmer."}},
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
     {"The routine for supervisor call 144 (X'90') could not process the request and ended the "
      "caller. The reason code in register 15, where the routine sets one, and the module named "
      "in message IEA995I identify the condition; the caller's registers at the SVC are kept in "
      "the routine's SVRB.",
      kNA, kNA, kRespHighSvcEvidence}},
    {{"S091", "091"},
     {"An error occurred during processing of supervisor call 145 (X'91'), and the SVC routine "
      "ended the issuer. Register 15, where the routine sets a reason code, and message IEA995I "
      "identify the failing check and the module that found it.",
      "NA.", kNA,
      "If the program issues SVC 145 directly, check the registers and parameter list it builds "
      "and correct them. Otherwise report the abend, with the dump and logrec record, to the "
      "system programmer. "}},
    {{"S092", "092"},
     {"The system detected an error during processing of supervisor call 146 (X'92') and ended "
      "the issuer. The reason code in register 15, where one is set, and the symptom dump in "
      "message IEA995I show which check failed and in which module.",
      kNA, kNA, kRespHighSvcEvidence}},
    {{"S093", "093"},
     {"An error occurred during processing of supervisor call 147 (X'93'), and the routine ended "
      "the issuer. The reason code in register 15, if the routine sets one, identifies the "
      "condition; message IEA995I gives the module and the registers at the error. ",
      kNA, kNA, kRespHighSvcEvidence}},
    {{"S094", "094"},
     {"The routine for supervisor call 148 (X'94') could not complete the request and ended the "
      "issuer. Where the routine supplies a reason code it is in register 15; message IEA995I "
      "names the module that found the error.",
      kNA, kNA, kRespHighSvcEvidence}},
    {{"S095", "095"},
     {"An error occurred during processing of supervisor call 149 (X'95') and the routine ended "
      "the issuer. The reason code in register 15, where one is set, and the module named in "
      "message IEA995I identify the failing check.",
      kNA, kNA,
      "Find the module that issued SVC 149 and the parameter area it passed in the dump. Correct "
      "an installation program that built the area wrongly; report a failing system module to the "
      "system programmer."}},
    {{"S096", "096"},
     {"The system ended the task with completion code 096. The code does not report an error of "
      "supervisor call 150 (X'96') as its last two digits suggest; the component that detected "
      "the error issues it, and the reason code kept with the abend names the condition. ",
      kNA, kNA, kRespHighSvcEvidence}},
    {{"S097", "097"},
     {"An error occurred during processing of supervisor call 151 (X'97') and the routine ended "
      "the issuer. The reason code in register 15, where the routine sets one, and message "
      "IEA995I identify the condition and the module.",
      kNA, kNA,
      "Find the SVC 151 instruction from the PSW in the dump and check how the program prepared "
      "the registers for it. Correct the program, or pass the dump to the system programmer if "
      "system code issued it."}},
    {{"S098", "098"},
     {"An error was found while processing supervisor call 152 (X'98') and the routine ended the "
      "issuer. Register 15 holds the reason code where the routine sets one; message IEA995I "
      "names the module that found the error.",
      kNA, kNA, kRespHighSvcEvidence}},
    {{"S099", "099"},
     {"An error occurred during processing of supervisor call 153 (X'99') and the routine ended "
      "the issuer. The reason code in register 15, where one is set, and the logrec record and "
      "message IEA995I name the module involved. ",
      kNA, kNA,
      "Collect the logrec record and dump, and check whether the program that issued SVC 153 "
      "passed the parameters the service expects. Correct the program if not; otherwise report "
      "the problem to the system programmer. "}},
};

}  // namespace

std::span<const TextRow> mvspr2Table() { return kRows; }

}  // namespace quenmar::catalog::mvs
