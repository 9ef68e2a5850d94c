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
      "Authority -> the issuer was not in supervisor state, not in a system key (0 to 7) and not "
      "APF-authorized, and the routine accepts requests only from such callers. Parameter list "
      "-> register 1 held zero, pointed outside the caller's storage, or addressed a list whose "
      "fields were out of range. Overlay -> control blocks named in the request had been changed "
      "after they were built. ",
      "The system abnormally ends the task that issued SVC 74 and writes a logrec data set error "
      "record.",
      "Find the SVC 74 instruction from the PSW in the dump, check the program's authorization "
      "and the parameter list it built, and correct the program. If a system routine issued the "
      "SVC, give the dump to the system programmer."}},
    {{"S04B", "04B"},
     {"An error was detected while the system processed a request issued through supervisor call "
      "75 (X'4B'). The request could not be completed, and the SVC routine ended the program "
      "instead of returning to it.",
      "Invalid request -> the function asked for is not one the SVC 75 routine supports, "
      "typically because the registers were loaded by hand rather than by the macro expansion. "
      "Inaccessible storage -> an address passed to the routine pointed to storage the caller "
      "cannot reference in its key. System error -> the routine failed on its own; the logrec "
      "record names the failing module. ",
      "The system abnormally ends the program that issued SVC 75, after its recovery routines, "
      "if any, have had control.",
      "Use the registers at the time of error to see which request the program made and correct "
      "any value it set itself. If a system macro with an intact expansion issued the SVC, "
      "report the problem with the dump. "}},
    {{"S04C", "04C"},
     {"An error occurred in supervisor call 76 (X'4C'), through which I/O error recovery and "
      "other system routines write records to the logrec data set. The caller was not entitled "
      "to use the SVC, or the record passed to it was malformed or unreadable.",
      kNA,
      "The system abnormally ends the issuer of SVC 76. The record meant for the logrec data set "
      "is not written.",
      kNA}},
    {{"S04E", "04E"},
     {"DB2 detected an internal error, or an error it cannot recover from in a request it was "
      "serving, and ended the task or thread doing the work. The real problem is given by the "
      "reason code that goes with the abend (register 15 and the SDWA); most such reason codes "
      "begin with 00C, 00D or 00E.",
      kNA,
      "DB2 ends the failing task or thread, backs out its uncommitted changes, and usually "
      "writes a logrec record and an SVC dump. The subsystem keeps running unless the error "
      "forces DB2 itself to terminate. ",
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
     {"An error occurred during processing of supervisor call 81 (X'51'), which serves the "
      "SETPRT macro (loading a character set, forms control buffer or other setup into a "
      "printer) and the SETDEV macro. The request, or the data set it refers to, was not in a "
      "usable state.",
      "Parameter list -> the SETPRT parameter list was not in the issuer's storage, or held "
      "fields the routine could not interpret. DCB -> the DCB named in the request was not open "
      "for a printer, or its DEB did not belong to the task. Image library -> reading "
      "SYS1.IMAGELIB failed in a way that could not be reported with a return code. ",
      "The system abnormally ends the task that issued the SETPRT or SETDEV macro; the printer "
      "setup is not done.",
      "Check that the DCB was open when the macro was issued and that the program did not alter "
      "the SETPRT parameter list or the DCB. Correct the program and run the job again; if the "
      "image library is at fault, have the system programmer check SYS1.IMAGELIB."}},
    {{"S052", "052"},
     {"An error was found while the system processed supervisor call 82 (X'52'). The routine "
      "that handles this SVC could not carry out the request with what its caller supplied in "
      "registers 0, 1 and 15.",
      "Registers -> register 0 or 1 held a value outside the range the routine accepts, or an "
      "address outside the caller's storage. Authorization -> the caller lacked the supervisor "
      "state, key or APF authorization the request needs. Timing -> a control block named in the "
      "request was freed or reused before the routine examined it. ",
      "The system abnormally ends the current task and records the error in the logrec data set.",
      "Use the dump to find the instruction that issued SVC 82 and the registers it passed. "
      "Correct the program if it built the request; if a system module issued the SVC, report "
      "the dump to the system programmer."}},
    {{"S053", "053"},
     {"An error occurred during processing of supervisor call 83 (X'53'), the entry through "
      "which the SMFWTM macro hands a record to the system management facilities (SMF) to be "
      "written to the SMF data sets. The SVC routine could not accept the request in the form "
      "its caller passed it.",
      "Caller -> SMFWTM serves authorized programs, and the issuer was neither APF-authorized, "
      "nor in supervisor state, nor running with a system key. Record -> register 1 did not "
      "address a record in storage the caller can reference, or the length in the record "
      "descriptor word was zero, shorter than the SMF record header or above the largest record "
      "SMF writes. Overlay -> the record or the registers loaded by the macro expansion were "
      "changed before the SVC ran. ",
      kNA, kNA}},
    {{"S054", "054"},
     {"An error was found in a graphics request issued through supervisor call 84 (X'54'). SVC "
      "84 serves the graphic access method for display devices attached as graphic stations, and "
      "the request could not be processed as given.",
      kNA, "The system abnormally ends the task that issued the graphics request.",
      "Check the graphics macros issued before the failure, in particular the DCB and the device "
      "and buffer addresses they name. Correct the program and run the job again."}},
    {{"S055", "055"},
     {"An error occurred during dynamic device reconfiguration (DDR), the function reached "
      "through supervisor call 85 (X'55') that moves a mounted volume to another device after an "
      "I/O error or at the operator's request. The swap could not be completed.",
      "Operator swap -> the device chosen to receive the volume was not eligible, not ready, or "
      "of a type that cannot take the volume. System swap -> the error recovery that started the "
      "swap found the control blocks of the original device inconsistent. Issuer -> SVC 85 was "
      "issued by a program that is not part of the system. ",
      "The system ends the task that was using the device. DDR messages issued before the "
      "failure name the devices involved.",
      "Review the DDR messages and the logrec error record. If the operator chose the target "
      "device, make sure it is online, ready and compatible with the volume, then rerun the job; "
      "otherwise report the problem with the dump to the system programmer."}},
    {{"S056", "056"},
     {"An error occurred during processing of supervisor call 86 (X'56'), the ATLAS service, "
      "which assigns an alternate track when a data check shows a track on a direct access volume "
      "to be defective. The assignment could not be completed.",
      kNA, kNA,
      "Have the system programmer examine the volume with the device support utilities; the "
      "track may need an alternate. Rerun the job after the volume has been repaired or its data "
      "moved."}},
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
      "Parameter list -> register 1 did not point to a list in the caller's storage, or a field "
      "of the list held a value out of range. Storage -> an area named in the list extended into "
      "storage the caller cannot access in its key. Routine failure -> the checks were passed "
      "but the SVC routine itself ended abnormally; the logrec record names the module. ",
      "The system abnormally ends the program that issued the request and writes a logrec error "
      "record.",
      "Check the parameter list and the buffer addresses and lengths passed with the request, "
      "correct any error and run the job again. If the list is correct, report the problem to "
      "the system programmer."}},
    {{"S059", "059"},
     {"An error occurred during processing of supervisor call 89 (X'59'), the emulator service "
      "routine (EMSERV) used by programs running under an emulator of an earlier system. The "
      "service request could not be processed.",
      "Mode -> the SVC was issued by a program not running under control of the emulator. "
      "Request -> the request code in the registers was not one of the services the routine "
      "provides. Storage -> the result area could not be referenced in the caller's key. ",
      "The system abnormally ends the emulated program and the emulator task that controls it. ",
      kNA}},
    {{"S05A", "05A"},
     {"The system found an error in a request to supervisor call 90 (X'5A'), the entry to the "
      "job queue manager service (XQMNGR). The request did not suit the current state of the "
      "queue, or came from a program not allowed to make it.",
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
      "allocation routines issue this code, for JCL requests and for dynamic allocation (SVC "
      "99) alike, when they meet a condition they cannot recover from. Register 15 holds a "
      "reason code identifying the check that failed.",
      "Control blocks -> a JFCB, SIOT or TIOT entry that allocation had to use had been changed "
      "or could not be found. Storage -> allocation could not obtain storage for its work areas. "
      "Dynamic requests -> the request block or text units passed to DYNALLOC could not be read "
      "while allocation was using them. ",
      "The system ends the job step or task that requested the allocation, writes a logrec "
      "record and, for most reason codes, takes an SVC dump. IEF messages issued before the "
      "abend may name the data set.",
      "Note the reason code from register 15 or message IEF450I and look for allocation messages "
      "in the job log. If the problem follows a change to the JCL or to a dynamic allocation "
      "request, correct it; otherwise give the dump and reason code to the system programmer. "}},
    {{"S05D", "05D"},
     {"An error was found during processing of a TGET, TPUT or TPG macro (supervisor call 93, "
      "X'5D'). These macros read from and write to a TSO/E terminal, and the buffer, length or "
      "options passed in registers 0 and 1 could not be used.",
      "Buffer -> the buffer address in register 1 pointed to storage the program cannot read "
      "(TPUT, TPG) or change (TGET) in its key. Length -> the length in register 0 was zero or "
      "larger than terminal support allows. Options -> the option bits in the high-order byte of "
      "register 1 formed a combination the macro does not accept. Session -> the terminal "
      "session had already ended. ",
      "The system abnormally ends the program that issued the terminal macro; under TSO/E, "
      "control returns to recovery or to the READY prompt.",
      "Check the buffer address, length and option bits the program places in registers 0 and 1 "
      "before TGET, TPUT or TPG. Correct the program and run it again."}},
    {{"S05E", "05E"},
     {"An error occurred in one of the terminal control macros serviced by supervisor call 94 "
      "(X'5E'), such as STCC, STATTN, STAUTOLN, STSIZE, STTIMEOU, GTSIZE, TCLEARQ or STFSMODE. "
      "The parameters passed did not describe a valid terminal request.",
      "Function code -> the code selecting the terminal control function was not one the routine "
      "recognizes, usually because the program built or altered the registers itself. Operands "
      "-> a value such as a line size, screen size or character was out of range for the "
      "function. Environment -> the issuer was not running under TSO/E, so there was no terminal "
      "to control. ",
      "The system abnormally ends the program that issued the terminal control macro.",
      "Check the macro's operands and any code that changes registers 0 and 1 between the macro "
      "expansion and the SVC. Correct the program, or run it from a TSO/E terminal if it needs "
      "one."}},
    {{"S05F", "05F"},
     {"An error occurred while the system resources manager (SRM) processed a SYSEVENT macro, "
      "supervisor call 95 (X'5F'), by which events such as swaps and terminal waits are reported "
      "to SRM. The event code or its parameters were not valid, or the issuer was not "
      "authorized.",
      kNA,
      "The system abnormally ends the routine that issued the SYSEVENT macro and writes a logrec "
      "data set error record. ",
      "SYSEVENT is meant for system and authorized programs. If an installation or vendor "
      "program issued it, check the event code and parameter registers and correct the program; "
      "otherwise report the problem to the system programmer."}},
    {{"S060", "060"},
     {"An error occurred during processing of a STAX macro (supervisor call 96, X'60'). STAX "
      "establishes or cancels an attention exit, which gets control when a TSO/E user presses "
      "the attention key; the parameter list could not be used, or the task cannot have "
      "attention exits.",
      "Parameter list -> the list addressed by register 1 was not in storage the task can "
      "reference, or its exit or buffer addresses pointed outside that storage. Storage -> the "
      "program freed or overwrote the parameter list or the exit routine while the exit was "
      "still established. Task -> the issuing task was not associated with a terminal, or its "
      "session was ending. ",
      "The system abnormally ends the task that issued the STAX macro. ",
      "The parameter list, exit routine and buffers named by STAX must stay in place and "
      "unchanged while the exit is established. Correct the program and run it again."}},
    {{"S061", "061"},
     {"An error occurred during processing of supervisor call 97 (X'61'), which the TSO/E TEST "
      "command uses to set breakpoints and take control of the program being tested. The request "
      "was not valid, or the SVC was executed by a program other than TEST.",
      "Issuer -> SVC 97 was executed outside TEST, for example because a program branched into "
      "data containing the SVC 97 instruction. Breakpoint -> the program under test had changed "
      "the instruction at a breakpoint, so TEST could not restore it. Parameters -> the register "
      "contents with the SVC did not match a request TEST had made. ",
      "The system abnormally ends the program under test, or the program that issued SVC 97.",
      "Under TEST, remove the breakpoints and run again; a program that overwrites its own "
      "instructions can destroy a breakpoint. Outside TEST, find out why an SVC 97 instruction "
      "was executed, which usually means a branch to a wrong address."}},
    {{"S062", "062"},
     {"An error occurred while the system processed a PROTECT macro (supervisor call 98, X'62'), "
      "which adds, changes, deletes or lists entries in the PASSWORD data set that protects data "
      "sets with passwords. The request could not be completed.",
      "Parameter list -> the PROTECT parameter list was not in the caller's storage, or named a "
      "function code the routine does not know. Name fields -> the data set name or password "
      "fields did not have the lengths or padding the macro requires. PASSWORD data set -> the "
      "data set was missing, or could not be opened or updated. ",
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
      "address, and that the request block and every text unit pointer address the program's "
      "own storage. Correct the program and run it again."}},
    {{"S064", "064"},
     {"An error occurred during processing of supervisor call 100 (X'64'), the TSO/E background "
      "job service used by the SUBMIT, STATUS, CANCEL and OUTPUT commands to submit jobs and to "
      "query or change submitted jobs. The parameter list passed to it was not valid.",
      kNA,
      "The system abnormally ends the command or program that issued SVC 100; the job it named "
      "is not affected. ",
      kNA}},
    {{"S065", "065"},
     {"An error occurred during processing of supervisor call 101 (X'65'), the interface "
      "between TSO/E terminal support and the telecommunications access method (QTIP). The "
      "terminal input or output request could not be handled with the control blocks it named.",
      "Session -> the user's terminal control blocks no longer existed because the session had "
      "ended or the line had dropped. Entry code -> the code in register 0 was not a service "
      "the interface provides. Storage -> a buffer or queue element to be used lay outside the "
      "storage the routine could reach. ",
      "The system abnormally ends the task that issued the request and writes a logrec error "
      "record.",
      "Report the problem with the logrec record and the dump to the system programmer, and have "
      "the user log on again if the session was lost. If an installation program issued the SVC, "
      "check its entry code and parameters."}},
    {{"S066", "066"},
     {"An error occurred during processing of supervisor call 102 (X'66'), which the "
      "telecommunications access method uses to control its message queues and application "
      "program interface (AQCTL). The request did not name a valid queue or process entry.",
      "Queue -> the destination or process entry named in the request was not defined in the "
      "message control program. Control block -> a queue element was overlaid or out of "
      "sequence. Issuer -> the SVC was issued by a program that is not part of the access "
      "method. ",
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
      "Authority -> the application was not defined as one allowed to use operator control. "
      "Resource -> the line, terminal or station named was not in the network definition. "
      "Format -> the control request had an invalid length or verb. ",
      kNA, ""}},
    {{"S069", "069"},
     {"An error occurred during processing of an IMGLIB macro (supervisor call 105, X'69'), "
      "which opens or closes SYS1.IMAGELIB so that character set and forms control images can "
      "be loaded into printers. The library could not be opened or closed for the caller.",
      kNA, "The system abnormally ends the task that issued the IMGLIB macro. ", kNA}},
    {{"S06A", "06A"},
     {"The routine that services supervisor call 106 (X'6A') found an error and ended the "
      "issuer. Either the issuer was not entitled to the function, or the registers passed with "
      "the SVC did not describe a request the routine could carry out.",
      kNA,
      "The system abnormally ends the task that issued SVC 106 and writes a logrec error record.",
      kNA}},
    {{"S06B", "06B"},
     {"An error occurred while the system processed a MODESET request, supervisor call 107 "
      "(X'6B'). MODESET lets an authorized program switch between supervisor and problem state "
      "or change its key; the request asked for a change the SVC does not make, or its operands "
      "were damaged before the SVC was issued.",
      "",
      "The system abnormally ends the program that issued the MODESET macro; its state and key "
      "are unchanged.",
      "Check the MODESET operands (MODE and KEY, or the register form) and any code that changes "
      "register 1 before the SVC. Correct the program, run it from an APF-authorized library if "
      "it must change state or key, and run the job again."}},
    {{"S06C", "06C"},
     {"An error was found during processing of supervisor call 108 (X'6C'). The caller did not "
      "meet the routine's entry requirements, or the parameters it passed were not correct.",
      kNA,
      "The system abnormally ends the issuing task. A dump is taken if the step has a SYSABEND, "
      "SYSMDUMP or SYSUDUMP DD statement.",
      "From the dump, find the program that issued SVC 108 and what it passed in registers 0, 1 "
      "and 15. Correct your own program; report system or vendor code to the system "
      "programmer."}},
    {{"S06D", "06D"},
     {kNA, kNA,
      "The system abnormally ends the program that issued SVC 109, the extended SVC router for "
      "type 3 and 4 routines, because register 15 did not hold the number of an extended "
      "routine defined to the system.",
      "Register 15 is set by the macro expansion, so a wrong value usually means the program "
      "altered the register, used a macro level that does not match the system, or branched "
      "into the middle of the expansion. Correct the program and run it again. "}},
    {{"S06E", "06E"},
     {"During processing of supervisor call 110 (X'6E') the system found that the request could "
      "not be carried out: the routine does not accept the caller's entry conditions, or could "
      "not use the parameter area passed.",
      kNA,
      "The system abnormally ends the task after its recovery routines have had control, and "
      "records the failure in the logrec data set.",
      "Use the SVC instruction and the registers in the dump to determine which program issued "
      "SVC 110. Correct it if it supplied bad parameters; if system code issued the SVC, send "
      "the dump and logrec record to the system programmer. "}},
    {{"S06F", "06F"},
     {"An error occurred during processing of supervisor call 111 (X'6F'), an internal entry "
      "used by system components rather than application programs. The issuer was not "
      "authorized to use it, or the request code or parameter list was rejected.",
      kNA,
      "The system abnormally ends the program that issued SVC 111 and writes a logrec error "
      "record.",
      kNA}},
    {{"S070", "070"},
     {"An error occurred during processing of a PGRLSE macro (supervisor call 112, X'70'), which "
      "tells the system that the contents of a range of virtual storage are no longer needed. "
      "The range given was not storage that the caller could release.",
      "Range -> the ending address was lower than the starting address, or the range was not "
      "within one area of the caller's virtual storage. Key -> part of the range was in storage "
      "of another protection key, and the caller was not in key 0. Parameters -> the registers "
      "set by the macro were changed before the SVC. ",
      "The system abnormally ends the task that issued the PGRLSE macro; no page of the range is "
      "released. ",
      kNA}},
    {{"S071", "071"},
     {"The operator ended the program with the restart function, usually because it was looping "
      "or had stopped responding, or the system ended it after detecting an excessive spin loop. "
      "The unit of work running on the processor at that moment is ended with this code; "
      "register 15 holds a reason code that tells how the restart was initiated. ",
      kNA, kNA, kNA}},
    {{"S072", "072"},
     {"An error occurred during processing of an EXCPVR request (supervisor call 114, X'72'). "
      "EXCPVR starts channel programs with real addresses, built by an authorized program that "
      "fixes its own buffers; the request failed the checks made before the I/O is started.",
      "Page fix -> a buffer or the channel program was not fixed in real storage, or the page "
      "fix appendage did not list it. Control blocks -> the IOB, DCB or DEB did not describe an "
      "open data set of the task, or the DEB was not in the DEB table. Channel program -> its "
      "real addresses did not correspond to the fixed areas. ",
      "The system abnormally ends the task that issued EXCPVR; the channel program is not "
      "started.",
      "Make sure the program fixes every area its channel program uses before EXCPVR and that "
      "the IOB, DCB and DEB belong to an open data set. Correct the program and run the job "
      "again; report a failing system or vendor program."}},
    {{"S073", "073"},
     {"The system detected an error while processing supervisor call 115 (X'73') and ended the "
      "requester: it did not satisfy the conditions under which the SVC may be used, or it "
      "passed a parameter the routine could not validate.",
      "Entry conditions -> the caller's state, key or authorization was not what the routine "
      "requires. Parameters -> register 1, or the list it addresses, held an address outside "
      "the caller's storage or an undefined function code. Storage damage -> data the routine "
      "relies on was overlaid, so its checks failed although the request was built correctly. ",
      "The system abnormally ends the task that issued SVC 115.",
      "Find the module that issued the SVC from the PSW and registers at the time of error. If "
      "it is an installation program, correct the way it calls the service; otherwise give the "
      "dump and logrec data to the system programmer."}},
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
     {"An error occurred during processing of a DEBCHK macro (supervisor call 117, X'75'), "
      "which verifies that a data extent block (DEB) is recorded in the DEB table of the address "
      "space and adds DEBs to or removes them from that table. The DEB was not found, or the "
      "request was not valid.",
      "VERIFY -> the DEB address was not in the DEB table: the DEB was never built by OPEN, was "
      "freed, or was overlaid. ADD -> the DEB was already in the table, or the table could not "
      "be extended. DELETE -> the DEB was not in the table. Caller -> an ADD or DELETE came from "
      "a program that was not authorized. ",
      "The system abnormally ends the task that issued the DEBCHK macro; the DEB table is not "
      "changed. ",
      kNA}},
    {{"S076", "076"},
     {"The routine for supervisor call 118 (X'76') found an error and ended the issuer. The "
      "request was refused at entry to the routine, or failed because the data areas it points "
      "to were not what the routine expected.",
      "Caller -> the program issuing SVC 118 was not in the state or key the routine requires. "
      "Data areas -> the parameter list, or control blocks it refers to, were overlaid, freed, or "
      "in a key the caller cannot use. System error -> the routine failed for a reason the "
      "logrec record identifies. ",
      "The system ends the issuing task, writes a logrec record, and takes a dump if one was "
      "requested.",
      "Check the registers and parameter list at the time of error in the dump. Correct a "
      "problem program that issued SVC 118; if the issuer is part of the system, report the "
      "problem to the system programmer. "}},
    {{"S077", "077"},
     {"An error occurred during processing of a TESTAUTH macro (supervisor call 119, X'77'), "
      "with which a system routine tests whether its caller is authorized through APF "
      "authorization, a system protection key or supervisor state. The operands passed in the registers were "
      "not valid.",
      "Function -> the registers did not request a valid combination of the checks (FCTN, STATE, "
      "KEY, RBLEVEL). RBLEVEL -> the request block level was not 1 or 2, or the request block "
      "chain did not reach that far. Registers -> values set by the macro expansion were altered "
      "before the SVC ran. ",
      "The system abnormally ends the routine that issued TESTAUTH, together with its task.",
      "Check the TESTAUTH operands and make sure the registers the macro sets are not changed "
      "before the SVC. Correct the routine and run the job again; if it belongs to the system or "
      "a vendor product, report the problem."}},
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
      "(X'7A'). The routing code in register 15 did not select an existing type 2 routine, so "
      "the requested service could not be called.",
      kNA, "The system abnormally ends the task that issued SVC 122. ",
      "Verify that the macro requesting the service was assembled with this release's macro "
      "library and that register 15 still holds the value the expansion set when the SVC runs. "
      "Correct the program and rerun it."}},
    {{"S07B", "07B"},
     {"An error occurred during processing of a PURGEDQ macro (supervisor call 123, X'7B'), "
      "which removes service request blocks (SRBs) scheduled for an address space but not yet "
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
      "input/output entry (TPIO) through which the telecommunications access methods pass "
      "network I/O requests. The request, or the control blocks it named, failed validation.",
      "Request -> the request parameter list was not in storage the caller could reference, or "
      "its request code is not supported. Session -> the request referred to a session or node "
      "that was no longer active. Control blocks -> the application's access method control "
      "blocks had been overlaid. ",
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
      "to the Mass Storage System communicator. The request was rejected, or failed on its way "
      "to the mass storage control; dumps and logrec records call this routine the \"MSSC.\"",
      "Request -> the parameter list did not specify a valid mass storage function or volume. "
      "Authorization -> the issuer was not authorized to use the mass storage services. "
      "Communication -> the mass storage control did not respond, or its reply could not be "
      "matched to the request. ",
      "The system abnormally ends the task that made the mass storage request; a volume mount it "
      "asked for is not done.",
      "If an installation program made the request, check its parameters and authorization. If "
      "a system function made it, report the messages, logrec record and dump to the system "
      "programmer, who should also check the mass storage control."}},
    {{"S07F", "07F"},
     {"A supervisor call 127 (X'7F') request could not be processed, and the routine ended its "
      "caller. The program did not meet the requirements for using the SVC, or its registers "
      "did not identify a valid request.",
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
      "to storage the caller can reference and be in the required format. Correct the program, "
      "or tell the security administrator if a system component made the request."}},
    {{"S084", "084"},
     {"An error occurred during processing of a RACLIST macro (supervisor call 132, X'84'), "
      "which builds in-storage profiles for a class of general resources so that authorization "
      "checks need not read the security data base. The request could not be completed.",
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
      "program sets up for the SVC; if a system module issued it, contact the system "
      "programmer."}},
    {{"S087", "087"},
     {"An error occurred during processing of supervisor call 135 (X'87'). The caller's "
      "parameter list was not accessible or held values the routine does not allow, or the "
      "caller was not authorized for the function.",
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
      "Reassemble the program with the system macro library of the level it runs under, and "
      "check that nothing alters register 15 between the expansion and the SVC."}},
    {{"S08A", "08A"},
     {"An error occurred during processing of a PGSER macro (supervisor call 138, X'8A'), the "
      "page services interface used to fix, free, load, release or page out virtual storage. "
      "The storage range or options given could not be processed.",
      kNA, "The system abnormally ends the task that issued the PGSER macro. ",
      "Check the start and end addresses of the range, the ECB address for fix requests and the "
      "key of the storage. Make sure the program frees only what it fixed, correct it and run "
      "the job again."}},
    {{"S08B", "08B"},
     {"An error occurred during processing of a common VTOC access facility (CVAF) request, "
      "supervisor call 139 (X'8B'). The CVAF macros read and update the volume table of contents "
      "and its index; the CVAF parameter list, or a buffer list it named, could not be used.",
      "Parameter list -> the CVPL built by the macro was not in the caller's storage or lacked "
      "the expected identifier and length. Buffer list -> a buffer list or its entries pointed "
      "outside the caller's storage, or to buffers of the wrong length. Volume -> the UCB given "
      "was not that of a mounted direct access volume. ",
      "The system abnormally ends the task that issued the CVAF macro; the VTOC is not updated.",
      kNA}},
    {{"S08C", "08C"},
     {"The system found an error during processing of supervisor call 140 (X'8C') and ended the "
      "issuer. The SVC routine checks its caller and parameters before doing any work, and one "
      "of those checks failed.",
      "Caller -> the issuer was not in the state or key the SVC requires, or not APF-authorized. "
      "Parameter list -> the address in register 1 was zero or pointed to storage the caller "
      "cannot fetch. Values -> a length, count or function code in the list was out of range. ",
      "The system abnormally ends the task that issued SVC 140 and writes a logrec error "
      "record. ",
      kNA}},
    {{"S08D", "08D"},
     {"An error was detected during processing of supervisor call 141 (X'8D'). The request was "
      "not performed: its parameters were unusable, or the caller lacked the authority it "
      "needs.",
      "Authority -> the request required supervisor state, a system key or APF authorization, "
      "and the caller had none. Parameters -> the parameter list or an area it names was not "
      "addressable, or held a value out of range. Modified expansion -> registers set by the "
      "macro expansion were changed before the SVC ran. ",
      "The system abnormally ends the task that issued SVC 141.",
      "Find the issuing module in the dump and check its parameters and authorization. Correct "
      "the program and run the job again, or give the dump to the system programmer if a system "
      "module issued the SVC."}},
    {{"S08E", "08E"},
     {"An error occurred during processing of supervisor call 142 (X'8E'). The routine ended its "
      "caller because the request failed its validity checks, or because the routine failed "
      "while performing it. ",
      kNA,
      "The system abnormally ends the task that issued SVC 142, giving control first to the "
      "task's recovery routines.",
      "Check the module that issued SVC 142 and the registers it passed. Correct the program if "
      "it set up the request incorrectly; otherwise report the error and the logrec record to "
      "the system programmer."}},
    {{"S08F", "08F"},
     {"An error occurred during processing of a cryptographic request through supervisor call "
      "143 (X'8F'), which serves the GENKEY, RETKEY, CIPHER and EMK macros of the programmed "
      "cryptographic facility. The request could not be carried out with the keys and data "
      "given.",
      "GENKEY and RETKEY -> the key name was not in the cryptographic key data set, or the "
      "program may not use it. CIPHER -> the data length did not suit the enciphering method, or "
      "an input or output area was not accessible. EMK -> the request to encipher under the host "
      "master key came from an unauthorized program. ",
      "The system abnormally ends the task that issued the cryptographic macro; no data is "
      "enciphered or deciphered.",
      "Check the key names, data and output areas and lengths given to the macro. Have the "
      "security administrator verify that the keys exist and that the program may use them, "
      "then run the job again. "}},
    {{"S090", "090"},
     {"The routine for supervisor call 144 (X'90') could not process the request and ended the "
      "caller. System services issue this SVC on a program's behalf, so the error usually lies "
      "in the parameters the program gave the service or in a damaged control block.",
      kNA, kNA, kRespHighSvcEvidence}},
    {{"S091", "091"},
     {"An error occurred during processing of supervisor call 145 (X'91'). After examining the "
      "registers and parameter list it received, the SVC routine rejected the request and ended "
      "the issuer.",
      "NA.", kNA,
      "If the program issues SVC 145 directly, check the registers and parameter list it builds "
      "and correct them. Otherwise report the abend, with the dump and logrec record, to the "
      "system programmer. "}},
    {{"S092", "092"},
     {"The system detected an error during processing of supervisor call 146 (X'92'). The issuer "
      "lacked the authorization the routine requires, or passed addresses of storage the "
      "routine could not use.",
      kNA, kNA, kRespHighSvcEvidence}},
    {{"S093", "093"},
     {"An error occurred during processing of supervisor call 147 (X'93'). The routine ended the "
      "issuer because the request was incomplete or inconsistent, which usually follows an "
      "overlay of the storage passed with it. ",
      kNA, kNA, kRespHighSvcEvidence}},
    {{"S094", "094"},
     {"The routine for supervisor call 148 (X'94') could not complete the request and ended the "
      "issuer. The registers or parameter list passed with the SVC did not describe a request "
      "the routine supports for that caller.",
      kNA, kNA, kRespHighSvcEvidence}},
    {{"S095", "095"},
     {"An error occurred during processing of supervisor call 149 (X'95'). The routine found an "
      "invalid value in the request, or a parameter area it could not reference in the caller's "
      "key.",
      kNA, kNA,
      "Find the module that issued SVC 149 and the parameter area it passed in the dump. Correct "
      "an installation program that built the area wrongly; report a failing system module to "
      "the system programmer."}},
    {{"S096", "096"},
     {"During processing of supervisor call 150 (X'96') the system found an error and ended the "
      "issuer, which was not allowed to make the request or referred to storage or control "
      "blocks that were not valid. ",
      kNA, kNA, kRespHighSvcEvidence}},
    {{"S097", "097"},
     {"An error occurred during processing of supervisor call 151 (X'97'). The issuer did not "
      "meet the SVC's entry requirements, or supplied a parameter list that could not be used.",
      kNA, kNA,
      "Find the SVC 151 instruction from the PSW in the dump and check how the program prepared "
      "the registers for it. Correct the program, or pass the dump to the system programmer if "
      "system code issued it."}},
    {{"S098", "098"},
     {"An error was found while processing supervisor call 152 (X'98'). The routine could not "
      "use the parameters passed to it, or the caller lacked the authorization the request "
      "needs.",
      kNA, kNA, kRespHighSvcEvidence}},
    {{"S099", "099"},
     {"An error occurred during processing of supervisor call 153 (X'99'). The routine found the "
      "request invalid, or failed while carrying it out; the logrec record written for the "
      "error names the module involved. ",
      kNA, kNA,
      "Collect the logrec record and dump, and check whether the program that issued SVC 153 "
      "passed the parameters the service expects. Correct the program if not; otherwise report "
      "the problem to the system programmer. "}},
};

}  // namespace

std::span<const TextRow> mvspr2Table() { return kRows; }

}  // namespace quenmar::catalog::mvs
