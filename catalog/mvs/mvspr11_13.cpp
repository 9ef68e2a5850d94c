#include "catalog/mvs/mvs_stock.h"
#include "catalog/mvs/mvs_tables.h"

namespace quenmar::catalog::mvs {
namespace {

// Texts more than one row of this file shows.
constexpr std::string_view kActOverlayEnded =
    "The system abnormally ends the program that requested the overlay. An ABEND dump is "
    "taken if the job step provides a dump DD statement.";
constexpr std::string_view kRespSubpoolCodes =
    "0 to 127 -> Private subpools any program may use.131 and 132 -> Private subpools also open "
    "to unauthorized programs; freeing needs a PSW key mask that allows the storage key.240 and "
    "250 -> Only for authorized callers, and handled as subpool 0. Other subpools need "
    "supervisor state, key 0 to 7 or APF. Correct the subpool number (for SVC 10, the high byte "
    "of register 0) and rerun. ";

// RACF service breakdowns: the four texts are kept apart on purpose, they are
// not one text shown four times.
constexpr std::string_view kRespD82 =
    "x82 -> RACHECK, SVC 130, reached through RACROUTE REQUEST=AUTH. x83 -> RACINIT, SVC "
    "131, reached through RACROUTE REQUEST=VERIFY. x84 -> RACLIST, SVC 132, reached through "
    "RACROUTE REQUEST=LIST. x85 -> RACDEF, SVC 133, reached through RACROUTE REQUEST=DEFINE. "
    "Check the request of the service that ended the task against the reason code in "
    "register 15, which RACF also shows in message ICH409I; correct the program, or give the "
    "dump to the system programmer when system code made the call.";
constexpr std::string_view kRespD83 =
    "x82 -> RACHECK, SVC 130, reached through RACROUTE REQUEST=AUTH. x83 ->  RACINIT, SVC "
    "131, reached through RACROUTE REQUEST=VERIFY. x84 -> RACLIST, SVC 132, reached through "
    "RACROUTE REQUEST=LIST. x85 -> RACDEF, SVC 133, reached through RACROUTE REQUEST=DEFINE. "
    "Check the request of the service that ended the task against the reason code in "
    "register 15, which RACF also shows in message ICH409I; correct the program, or give the "
    "dump to the system programmer when system code made the call.";
constexpr std::string_view kRespD84 =
    "x82 -> RACHECK, SVC 130, reached through RACROUTE REQUEST=AUTH. x83 -> RACINIT, SVC "
    "131, reached through RACROUTE REQUEST=VERIFY. x84 -> RACLIST, SVC 132, reached through "
    "RACROUTE REQUEST=LIST. x85 -> RACDEF, SVC 133, reached through RACROUTE REQUEST=DEFINE. "
    "Check the request of the service that ended the task against the reason code in "
    "register 15, which RACF also shows in message ICH409I; Correct the program, or give the "
    "dump to the system programmer when system code made the call. ";
constexpr std::string_view kRespD85 =
    "x82 -> RACHECK, SVC 130, reached through RACROUTE REQUEST=AUTH. x83 -> RACINIT, SVC "
    "131, reached through RACROUTE REQUEST=VERIFY.x84 -> RACLIST, SVC 132, reached through "
    "RACROUTE REQUEST=LIST. x85 -> RACDEF, SVC 133, reached through RACROUTE REQUEST=DEFINE. "
    "Check the request of the service that ended the task against the reason code in "
    "register 15, which RACF also shows in message ICH409I; correct the program, or give the "
    "dump to the system programmer when system code made the call. ";

constexpr TextRow kRows11[] = {
    {{"S8C4"},
     {"A system component found an error it could not recover from while serving the task and "
      "ended it with completion code 8C4. The reason code in register 15 identifies the "
      "condition. ",
      kNA, "The system abnormally ends the task that was using the failing service.",
      "Search the problem databases for 8C4 with the reason code; if there is no fix, send the "
      "dump and the logrec record to the IBM Support Center."}},
    {{"S8C5"},
     {"The subsystem interface (SSI) failed to set up its dynamic services or to serve an "
      "IEFSSI or IEFSSVT request. Register 15: 01, 06 -> No storage for the SSVT or for SSI "
      "control blocks. 03, 04 -> No PC entry table for internal or dynamic SSI services. 05 -> "
      "Request type not valid. 07 -> MSTR subsystem not initialized. 08 -> No ESTAE could be "
      "set. 10 -> Caller not authorized (only REQUEST=QUERY is open to all). 11 -> Caller in "
      "SRB mode. 12 -> Caller holds a lock. 13 -> Error validating the SSOB and SSIB. 14 -> Unauthorized "
      "QUERY named an authorized subpool. 15 -> Caller in cross-memory mode.",
      kNA,
      "01, 03, 04, 06 or 07 -> A dump, then permanent wait state 00B or 00D. 05, 08 or 13 -> A dump; "
      "during initialization maybe a permanent wait state. 10, 11, 12, 14 or 15 -> No dump.  ",
      "For 10, 11, 12, 14 or 15 correct how the program calls the service and rerun it; for "
      "the others give the dump and reason code to the system programmer."}},
    {{"S8C6"},
     {"A system service met an unexpected condition while working for the caller and ended it "
      "with completion code 8C6. The reason code in register 15 identifies the condition to "
      "the service that issued it.",
      kNA,
      "The system abnormally ends the current task and writes a logrec data set error record; a "
      "dump is produced if the job has a SYSUDUMP, SYSABEND or SYSMDUMP DD statement.",
      kNA}},
    {{"S8C7"},
     {"A system routine serving the task found that a request it was processing could not be "
      "completed safely, and it ended the request with completion code 8C7. Register 15 "
      "contains a reason code. ",
      kNA,
      "The system ends the task abnormally. Any recovery routine the program has established "
      "with ESTAE or ESTAEX gets control first and may retry.",
      kNA}},
    {{"S8FB"},
     {"Converter/interpreter (C/I), Locate, Main device scheduling (MDS), JES3 interface", kNA, kNA,
      kNA}},
    {{"S9C4"},
     {"The system ended the task with completion code 9C4 because a supervisor service found "
      "an error in the request or in the environment it was called from. The reason code in "
      "register 15 names the error. ",
      kNA,
      "The system abnormally ends the task that called the service and records the error in "
      "the logrec data set.",
      "Use the reason code to find out whether the error was in the program's request (for "
      "instance the mode, the authorization or the parameter list the caller supplied). Correct "
      "the program if so; if not, report 9C4 and its reason code, with the dump, to the system "
      "programmer.  "}},
    {{"S905"},
     {"A FREEMAIN macro issued through SVC 5 gave the address of the area to release, and that "
      "address is not on a doubleword boundary. The system releases virtual storage only in "
      "doubleword units, so it could not honor the request.",
      kNA, kActIea705i, kRespMacroExpansionOrLessStorage}},
    {{"S906"},
     {kNA, kNA,
      "The system abnormally ends the task that issued the LINK, XCTL, ATTACH or LOAD request, "
      "and writes one of these messages: ",
      "04 -> LOAD pushed the module's load list element (responsibility) count past 32767; "
      "CSV001I.08 -> LINK, XCTL, ATTACH or LOAD pushed the contents directory element use count "
      "past 32767; CSV002I.0C -> XCTL was issued with a program call (PC) still outstanding; "
      "CSV030I.100 -> CSVINFO found a bad extent list (XTLST); SVC dump.  Look for a loop that "
      "issues the macro too often, return from a PC before XCTL, and run the job again. "}},
    {{"S90A"},
     {"An R-form FREEMAIN (SVC 10) passed an address in register 1 that is not a multiple of "
      "eight. Storage is freed on doubleword boundaries only, so the system refused to release "
      "the area.",
      kNA, kActIea705i, kRespMacroExpansionOrLessStorage}},
    {{"S913"},
     {"OPEN, or end of volume, was refused by a security check. Most often (return code 38) "
      "the data set is protected by RACF, or by another product called through SAF, and the "
      "job's user ID lacks the access the OPEN option needs. Other return codes of message "
      "IEC150I 913-rc report a password-protected data set after the operator's reply to "
      "IEC301A, a checkpoint data set, a VSAM data set opened with a DCB instead of an ACB, "
      "and ISO/ANSI tape label checks (04, 08). A security message in the job log names the "
      "resource.",
      "OPEN (SVC 19) asks the security product for READ authority when the data set is opened "
      "for INPUT or RDBACK, and for UPDATE or higher when it is opened for OUTPUT, EXTEND, "
      "UPDAT, INOUT or OUTIN.  If the profile protecting the data set grants less, or grants "
      "the access only while a particular program is running (program access to data sets) "
      "and another program issued the OPEN, the request fails. ",
      kNA,
      "Read the return code in message IEC150I and, under RACF, the ICH408I message that goes "
      "with it. If the job is entitled to the data set, have the security administrator permit "
      "its user ID or group to the profile at the needed level; otherwise change the OPEN "
      "option or the DD statement so that the program asks for no more than it needs. Resubmit "
      "the job."}},
    {{"S91A"},
     {"A service task of the DFSMSdfp catalog address space (CAS) was ended abnormally on request: "
      "the operator's MODIFY CATALOG,RESTART command or the catalog analysis task asked for it. ",
      kNA, "The system drives again the catalog request that the ended task was processing.", kNA}},
    {{"S922"},
     {"The job step was ended with completion code 922. Codes ending in 22 report work ended "
      "by the operator or by the system rather than by an error in the program: 122, 222 and "
      "A22 follow operator commands, and 322, 522 and 722 follow the time, wait and output "
      "limits. ",
      kNA,
      "The system ends the job step abnormally.  Later steps of the job are skipped unless a COND "
      "parameter or an IF/THEN/ELSE construct lets them run after an abend.",
      "Check the system and job logs for the command or condition that ended the job, deal with "
      "it and resubmit the job. "}},
    {{"S92A"},
     {"The system could not complete an ATTACH or ATTACHX request (SVC 42) issued by the task: an "
      "error occurred while the system was building the new subtask, and no subtask was "
      "created.",
      kNA,
      "The system abnormally ends the task whose ATTACH request failed and writes a logrec data "
      "set error record for the attach failure.",
      kRespRerunNotifySysprog}},
    {{"S930"},
     {"The system found an error in a DEQ request (SVC 48) and ended the task instead of "
      "releasing the resource.  The request did not match the way the resource is held, or its "
      "parameter list could not be used; register 15 may contain a reason code with more "
      "detail.",
      kNA,
      "The system abnormally ends the task that issued the DEQ. Resources the task still holds "
      "through ENQ or RESERVE are released as part of task termination.",
      "Compare the DEQ macro with the ENQ or RESERVE that obtained the resource: the QNAME, RNAME, "
      "RNAME length and scope (STEP, SYSTEM or SYSTEMS) must be the same, and the parameter list "
      "must not have been overlaid. Correct the program and run the job again."}},
    {{"S937"},
     {"End-of-volume processing (SVC 55) ended the task; IEC029I gives the return code. Most "
      "often the operator's reply to IEC254D, IEC255D or IEC256A, issued for secure checkpoint "
      "data sets, was unacceptable. 10 -> a later volume of a secure checkpoint data set is "
      "not secure, or could not be made secure. 14 -> a later volume of another data set is a "
      "secure checkpoint data set. 18 -> an unauthorized program issued EOV or FEOV for a "
      "checkpoint data set opened with a security interface. 1C -> on a newly mounted volume "
      "the DEB and DSCB extents disagree. 20 -> an ISO/ANSI Version 1 tape's volume "
      "accessibility byte is not blank. Others are documented. ",
      kNA, kNA, kNA}},
    {{"S938"},
     {"An ENQ or RESERVE request (SVC 56) could not be processed because the system found an "
      "error in it, and completion code 938 was issued in place of a return code. Register 15 "
      "contains a reason code that identifies the condition.",
      kNA,
      "The system abnormally ends the task that issued the ENQ or RESERVE; the resource is not "
      "obtained.",
      "Look up the reason code and check the ENQ or RESERVE macro: the QNAME and RNAME, the RNAME "
      "length, the scope, the RET operand and, for RESERVE, the UCB address.  Correct the "
      "program and rerun the job; if the macro is right, give the dump to the system "
      "programmer."}},
    {{"S978"},
     {"The STORAGE RELEASE macro, or a GETMAIN or FREEMAIN of the RU or VRU form (both reach the "
      "system through SVC 120), gave an address for the storage to release that does not lie on "
      "a doubleword boundary.",
      kNA, kActIea705i, kRespMacroExpansionOrLessStorage}},
    {{"S9C5"},
     {"A system component detected an error while working for the task and issued completion "
      "code 9C5; the reason code in register 15 states which error. ",
      kNA,
      "The system abnormally ends the current task. The component's recovery may take an SVC "
      "dump, whose title contains the completion and reason codes.",
      kNA}},
    {{"S9C6"},
     {"Completion code 9C6 reports that a system service found an error in a request made in "
      "the task's address space, or failed internally, and could not complete the request.",
      kNA,
      "The system abnormally ends the task and writes an error record to the logrec data set; "
      "the program's own recovery routines get control before the task ends.",
      "Check the reason code in register 15. If it points to the program's use of the "
      "service, correct the program and rerun the job.  Otherwise search the problem "
      "databases for 9C6 and, if there is no fix, contact the IBM Support Center with the "
      "dump. "}},
    {{"S9C7"},
     {"A system service found an error in a request of the task and ended it with completion "
      "code 9C7. The reason code in register 15 identifies the error, and the abend message "
      "names the module that detected it.",
      kNA, kActAbnormallyEndsTask,
      "Find the reason code in register 15 and the module that issued the abend. Correct the "
      "program if the code describes a calling error and run the job again; otherwise report "
      "9C7 and the reason code to the system programmer."}},
    {{"S9FB"},
     {"JES3, or one of the routines that give the job access to JES3 services from its own "
      "address space, detected an error and issued completion code 9FB. The reason code in "
      "register 15 identifies the JES3 function and the condition it found. ",
      kNA,
      "The system abnormally ends the task that requested the JES3 service. JES3 may issue "
      "messages describing the failure on the console and in the job log.",
      kNA}},
    {{"SA00"},
     {"EXCP (SVC 0) met an error while one of the program's I/O appendages was running; the reason "
      "code names it: 1 -> program controlled interrupt (PCI). 2 -> start I/O (SIO). 3 -> end of "
      "extent (EOE). 4 -> channel end (CHE), normal end. 5 -> abnormal end (ABE). 6 -> the caller's "
      "page fix appendage. ",
      kNA,
      "The system abnormally ends the current task, writes a logrec data set error record and takes "
      "a SNAP dump.",
      "Fix the appendage the reason code names and rerun.  If it still fails, rerun with an ABEND "
      "dump and call the system programmer, who finds EXCP's XDBA through TCBEXCPD (X'C0' in the "
      "TCB)."}},
    {{"SA03"},
     {"A task tried to end normally (it returned to the system or issued SVC 3) while one or more "
      "of the subtasks it had attached were still running. A task must wait for its subtasks to "
      "end and detach them before it ends itself.",
      kNA,
      "The system abnormally ends the task and, with it, every subtask that was still active "
      "under it.",
      "Change the program so that it waits on the ECB named in the ATTACH (or uses an end-of-task "
      "exit) and issues DETACH for each subtask before the mother task returns. Run the job "
      "again."}},
    {{"SA05"},
     {"A FREEMAIN request (SVC 5) named an area that overlaps storage already free: all or part "
      "of the area was never obtained, or it was released earlier, so the system had nothing to "
      "free there. ",
      kNA, kActIea705i,
      "Find where the program frees this area: it is probably released twice, or the address or "
      "length was changed between GETMAIN and FREEMAIN.  Free only storage the program obtained "
      "and still holds, correct the program and run the job step again. "}},
    {{"SA06"},
     {"A LINK, XCTL, ATTACH or LOAD request named a serially reusable module that was already in "
      "use by the task that asked for it.  Such a module cannot be entered a second time before "
      "it returns, and the system does not make a task wait for itself, so the recursive request "
      "was rejected. ",
      kNA, "The system abnormally ends the task that issued the recursive request for the module.",
      "Change the program so that it does not invoke a serially reusable module again before "
      "that module has returned, or make the module reentrant and link edit it with the RENT "
      "attribute, then run the job again."}},
    {{"SA0A"},
     {"An R-form FREEMAIN (SVC 10) failed; SDWACRC in the SDWA gives the reason. 04, 08, 0C, 10 "
      "-> SQA, CSA, LSQA or private storage to free overlaps free storage. 14, 18 -> Part of the "
      "CSA or private area is fixed. 1C -> It is tied to a data-in-virtual object. 20 -> IARSUBSP "
      "IDENTIFY made it subspace-eligible. 24, 28 -> A task or SRB freed SQA or CSA that overlaps "
      "free storage or came from several requests.",
      kNA, kActIea705i,
      "Issue FREEMAIN with the GETMAIN's subpool, key, TCB and state.  Rerun the job step. "}},
    {{"SA13"},
     {"OPEN (SVC 19) could not find or position to the data set on a magnetic tape volume, or met "
      "a label it did not expect there. Message IEC151I shows A13 with a reason code, the job, "
      "step and DD names, the device and the volume serial. ",
      "The most frequent reason code, 10, means that OPEN read a tape mark where the header label "
      "of the requested data set should have been: the file sequence number given in the LABEL "
      "parameter (or in the catalog) is larger than the number of data sets on the volume.  "
      "Other reason codes report a tape mark or an I/O error met while header labels were being "
      "read or skipped, or labels that could not be processed with the label type requested for "
      "the volume.",
      kNA,
      "Check the file sequence number in the LABEL parameter against the contents of the tape, "
      "make sure the right volume was mounted (compare the volume serial in IEC151I with the one "
      "you expected), correct the DD statement or the catalog entry and resubmit the job. "}},
    {{"SA14"},
     {"An error occurred while CLOSE (SVC 20) was ending the processing of a data set, and the "
      "data set could not be closed normally. The message issued with the abend gives A14 and a "
      "reason code that identifies the condition.",
      kNA, kNA,
      "Use the reason code in the CLOSE error message to find the cause. If it reports an I/O "
      "error, have the volume checked and rerun the job; if it reports a control block or label "
      "problem, check that the program did not change the DCB between OPEN and CLOSE, correct it "
      "and run the job again."}},
    {{"SA1A"},
     {"A CATALOG, INDEX or LOCATE request (SVC 26) ended in an error that catalog management "
      "reported with completion code A1A, so the catalog operation asked for by the program was "
      "not performed. ",
      kNA, kNA,
      "Look at the catalog messages in the job log for the catalog name and the return and reason "
      "codes, correct the request or the entry it names, and run the job again.  If the catalog "
      "itself appears damaged, give the job log to the system programmer."}},
};

constexpr TextRow kRows12[] = {
    {{"SA22"},
     {"The operator entered a FORCE command for the job, TSO/E user, started task or address "
      "space, typically after a CANCEL had failed to end it. FORCE ends the address space "
      "without waiting for the work in it to finish.",
      kNA,
      "The system ends the address space at once. Recovery routines of the ended programs do not "
      "get control, so open data sets are not closed in the usual way and updates in progress "
      "can be left incomplete.",
      "Find out why the job had to be forced (it was probably waiting for a resource or "
      "looping), check any data set it was updating for completeness, and rerun the job after "
      "removing the cause."}},
    {{"SA23"},
     {"The system found an error while processing a WTO or WTOR macro (SVC 35) issued by the "
      "task and ended it with completion code A23; register 15 contains a reason code that "
      "identifies the error in the request.",
      kNA,
      "The system abnormally ends the task that issued the message request; the message is not "
      "displayed.",
      "Look up the reason code and check the WTO or WTOR: the message length and text, the "
      "routing and descriptor codes, and for a WTOR the reply area, the reply length and the "
      "ECB.  Correct the program and run the job again."}},
    {{"SA37"},
     {"An error occurred during end-of-volume processing (SVC 55) for a data set, when the system "
      "tried to continue reading or writing on another volume or in another extent. The message "
      "issued with the abend gives A37 and a reason code. ",
      kNA, kNA,
      "Find the reason code in the end-of-volume message. Check the DCB attributes and the data "
      "set's volumes, and for a concatenation make sure that all the data sets in it can be read "
      "with the attributes of the first one; correct the JCL or the program and run the job "
      "again."}},
    {{"SA78"},
     {"A STORAGE RELEASE request, or a FREEMAIN of the RU or VRU form (SVC 120), named an area "
      "that overlaps storage which is already free, so part of the area was not held by the "
      "task.",
      kNA, kActIea705i,
      "Check the address and length of the area and the subpool in the request; the area must "
      "have been obtained earlier and not released since.  Correct the program, for instance a "
      "double release of the same area, and rerun the job. "}},
    {{"SA7A"},
     {"The system detected an error in a request made through SVC 122 and ended the task with "
      "completion code A7A; the reason code in register 15 identifies the failing function of "
      "the supervisor call and the error.",
      kNA, "The system abnormally ends the task that issued the supervisor call.", kNA}},
    {{"SAC4"},
     {"A system service found a request or an environment it does not accept while serving "
      "the task, and ended the requester with completion code AC4; register 15 holds the "
      "reason code. ",
      kNA,
      "The system abnormally ends the current task; a logrec data set error record describes the "
      "failure.",
      kNA}},
    {{"SAC5"},
     {"The system ended the task with completion code AC5 after a system component reported "
      "an error it could not handle in the task's request.  The reason code in register 15 "
      "names the condition.",
      kNA,
      "The system abnormally ends the task. If the job has a SYSUDUMP, SYSABEND or SYSMDUMP DD "
      "statement, a dump of the address space is written.  ",
      "Run the job with a dump DD statement if none was present, look up the reason code, and "
      "correct the program if the reason code describes a usage error. For other reason codes, "
      "contact the system programmer with the dump."}},
    {{"SAC6"},
     {"A system routine met an error while it ran for the task and issued completion code "
      "AC6. Register 15 contains a reason code that tells the routine's owner what went "
      "wrong. ",
      kNA,
      "The system abnormally ends the task and may request an SVC dump of the address spaces "
      "involved.",
      kNA}},
    {{"SAC7"},
     {"A system service rejected a request from the task, or failed while serving it, and "
      "issued completion code AC7.  The reason code in register 15 tells which check failed. ",
      kNA, kNA, kNA}},
    {{"SAFB"},
     {"A JES3 routine working for the job found an error in a request or in the data it was "
      "given, and ended the task with completion code AFB. Register 15 holds a JES3 reason code "
      "that identifies the routine and the error.",
      kNA,
      "The system abnormally ends the task. JES3 may write messages to the console and the job "
      "log, and a dump is produced if a dump DD statement is present.",
      "Note the reason code and any JES3 messages, check the job's JCL and JES3 control "
      "statements for errors, and rerun the job.  If the error recurs with correct input, give "
      "the messages and the dump to the system programmer."}},
    {{"SB00"},
     {"An error was detected during EXCP (SVC 0) processing of an I/O request from the program, "
      "and the system could not complete the request.",
      kNA, kActEndsCurrentTaskLogrec, kRespCheckProgramDump}},
    {{"SB04"},
     {"GETMAIN (SVC 4) rejected the request because of the subpool it named: the subpool is not "
      "defined, or the caller is not allowed to use it. The SP operand of the macro carries the "
      "subpool number, and the system reports the failure in message IEA705I. ",
      kNA, kActIea705i,
      "0 to 127 -> Private subpools open to every program.131 and 132 -> Private subpools an "
      "unauthorized program may also request.240 and 250 -> For authorized callers only; served "
      "from subpool 0. Any other subpool needs supervisor state, a PSW key from 0 to 7 or APF "
      "authorization. Correct the SP operand, or run the program with the authority it needs, "
      "and rerun the job. "}},
    {{"SB05"},
     {"FREEMAIN (SVC 5) rejected the request because of the subpool it named: the subpool is not "
      "defined, or the program may not free storage in it. The subpool number is in the FREEMAIN "
      "parameter list, and the system reports the failure in message IEA705I.",
      kNA, kActIea705i, kRespSubpoolCodes}},
    {{"SB06"},
     {"The system detected an error while processing a LINK, XCTL, ATTACH or LOAD request for the "
      "task, and issued completion code B06; the request did not make the module available to "
      "the program.",
      kNA, "The system abnormally ends the task that requested the module.",
      "Check the request for the module and the environment it was issued from (for example "
      "whether the task or a subtask was ending at the time), correct the program, and run the "
      "job again.  If it fails again, give the dump to the system programmer. "}},
    {{"SB0A"},
     {"An R-form GETMAIN or FREEMAIN (SVC 10) named, in the high-order byte of register 0, a "
      "subpool that is not defined or that the program is not authorized to use.",
      kNA, kActIea705i, kRespSubpoolCodes}},
    {{"SB13"},
     {"OPEN (SVC 19) for a printer could not load the forms control buffer (FCB) or universal "
      "character set (UCS) image the job asked for, because the image was not found in "
      "SYS1.IMAGELIB or could not be loaded into the printer. Message IEC152I gives the reason "
      "code. ",
      kNA, kNA,
      "Check the FCB or UCS name in the DD statement or the program against the members of "
      "SYS1.IMAGELIB. Correct the name, or ask the system programmer to add the missing image to "
      "the library, and resubmit the job."}},
    {{"SB14"},
     {"CLOSE (SVC 20) for a partitioned data set opened for output to a member could not add the "
      "member name to the directory: a member of that name already exists, the directory has no "
      "room for another entry, or an I/O error occurred while the directory was being updated. "
      "Message IEC217I gives the reason code. ",
      kNA, kNA,
      "For a full directory (reason code 0C), copy the data set into a new one allocated with "
      "more directory blocks.  For a duplicate name (04), use another member name; for an I/O "
      "error, have the volume checked. Then run the job again."}},
    {{"SB1A"},
     {"A catalog request made through SVC 26 (CATALOG, INDEX or LOCATE) failed, and catalog "
      "management reported the failure with completion code B1A instead of returning to the "
      "caller.",
      kNA, kNA,
      "Check the catalog request the program issued: the data set name, the catalog named and "
      "the parameter list. Correct it and rerun the job; if the request is right, report the code "
      "and the catalog messages to the system programmer. "}},
    {{"SB23"},
     {"While processing a WTO or WTOR request (SVC 35), the system found a condition that "
      "prevented the message from being queued, and ended the issuing task with completion code "
      "B23; a reason code in register 15 identifies it.",
      kNA, "The system abnormally ends the task that issued the WTO or WTOR.", kNA}},
    {{"SB2D"},
     {"While program fetch loaded an overlay segment from the library for the overlay supervisor "
      "(SVC 45), its recovery routine, already handling an earlier abend, took a program check. "
      "Overlay programs run in 24-bit mode only.",
      kNA, kActOverlayEnded,
      "Review the linkage editor input that defines the overlay structure and fix any design error "
      "in it; then assemble, link edit and rerun the program. "}},
    {{"SB37"},
     {"The system needed more space for an output data set on DASD and could not get it: the "
      "volume was full, or the data set had its maximum extents on the volume (16 for basic "
      "format, large format and PDS; 123 for extended format and PDSE) or tracks (65,535 for "
      "basic format and PDS; 16,777,215 for large format), and no further volume could be "
      "used: none was specified, or the current one could not be demounted (permanently "
      "resident, reserved, used by data sets of another job, or holding open data sets of the "
      "task). ",
      "End-of-volume processing (SVC 55) tries to add a secondary extent when the data set "
      "fills its space; B37 results when that fails and no other volume can take over, as for "
      "a partitioned data set, which must stay on one volume.  Message IEC030I gives the "
      "return code, the data set, the volume and, when available, the DADSM extend diagnostic "
      "code.",
      "The system abnormally ends the task that was writing the data set; records that did not "
      "fit are lost.",
      "Allocate more space: raise the primary and secondary quantities of SPACE, allow more "
      "volumes with VOL or a unit count, or move the data set to a volume with more free "
      "space. Reallocate a partitioned data set larger or compress it. Then rerun the job."}},
    {{"SB78"},
     {"The virtual storage manager rejected an RC, RU, VRC or VRU GETMAIN or an RC or RU FREEMAIN "
      "(SVC 120), or a STORAGE request, because of the subpool named, the caller's authority or "
      "the way the caller entered the service. The reason code xxxxxxyy is in the SDWACRC field "
      "of the SDWA; xxxxxx is internal and yy gives the error. ",
      kNA, kActIea705i,
      "04 -> The macro tried to obtain or free storage in a subpool that is not defined.08 -> "
      "The caller may not use system subpools; it must be in supervisor state, key 0 or "
      "APF-authorized.0C -> A global branch-entry caller of GETMAIN or FREEMAIN named a subpool "
      "that is not global.10 -> LOC is not valid: fetch-protected LSQA and disabled reference "
      "subpools exist only above 16 megabytes.14 -> A local branch-entry caller did not hold the "
      "local lock of the address space currently addressable.18 -> The TCB address given on a "
      "branch entry or STORAGE request is not valid; register 4 holds it.  Correct the request "
      "and run the job again."}},
    {{"SBC3"},
     {"The JES3 dump job server address space met an error. 01 -> ASEXT failed to extract the "
      "parameters. 02 -> ASEXT gave a zero parameter address. 03, 04, 05 -> ALESERV failed adding "
      "JES3's ALET or extracting the server's or JES3's STOKEN. 06 -> The JES3 that started the "
      "server is not the current one. 07 -> STIMERM failed to set up JES3 status monitoring. 08 "
      "-> Its ECB was posted with a wrong function code. Registers 2 and 3 hold the macro's "
      "codes; for 08, register 2 the function code.",
      kNA, "The system abnormally ends the current task and writes a logrec data set error record.",
      "Give the dump of the server and JES3 address spaces, and the reason code, to the system "
      "programmer.  "}},
    {{"SBC5"},
     {"A system service found an error while serving a request from the task and ended it "
      "with completion code BC5; the reason code in register 15 identifies the condition and, "
      "with the module named in the dump, the service that found it.",
      "IEF450I -> The step-end message in the job log shows ABEND=SBC5 and the reason code "
      "after REASON=.IEA995I -> The symptom dump message gives the PSW, the registers at the "
      "error and the load module that was running, with the offset of the failing instruction.",
      "The system abnormally ends the task and records the error in the logrec data set. The "
      "component's recovery may also request a dump.",
      kNA}},
    {{"SBFB"},
     {"JES3 detected an error while it processed a request from the job's address space, for "
      "instance one passed through the subsystem interface, and issued completion code BFB; "
      "register 15 holds the JES3 reason code.",
      kNA,
      "The system abnormally ends the task.  JES3 writes messages about the error to the console "
      "or the job log, and a dump is taken if a dump DD statement is present.",
      "Check the JES3 messages and the reason code, correct the job's JCL, JES3 control "
      "statements or program request if they caused the error, and resubmit the job; if not, "
      "contact the system programmer. "}},
    {{"SC03"},
     {"A task tried to end normally with data sets open that DFP could not close: DFP gave a "
      "nonzero return code, a recovery routine or DCB abend exit had ignored an earlier error, or "
      "the DCB had been changed (its program issued XCTL, its storage was freed, or it was "
      "altered). ",
      kNA,
      "The system abnormally ends the task and may issue message IEC999I with the address of the "
      "DEB it could not close.",
      "DEB+X'18' (the DEB IEC999I names) points to the DCB or ACB; if that was freed, the program "
      "is at fault, often in subtask processing.  Correct it and rerun. For an SVC dump, the "
      "operator sets SLIP SET,COMP=C03,ACTION=SVCD,END. "}},
    {{"SC0D"},
     {"A system component met an error it did not expect, e.g. an unforeseen program check or "
      "unexpected data from an I/O device; several components use C0D for this. 5E000101 -> a page "
      "fix met a fixed page without central storage. 2A00010x or 2A00020x: a page free named a TCB "
      "where the page fix named TCB zero; the control blocks were not found. 0025xxxx: Basic "
      "HyperSwap socket codes. ISAM: too many error IOBs.",
      kNA,
      "Recovery may gather documentation and retry, or pass C0D on to other recovery routines. A "
      "RCVY ABT system trace entry shows the reason code and where C0D was issued.",
      "For ISAM, free the dynamic buffer of each READ (FREEDBUF). Otherwise find the component from "
      "the trace entry and the reason code; most codes need IBM support to interpret."}},
    {{"SC13"},
     {"OPEN (SVC 19) found a conflict between the request and the data set: for example a "
      "concatenation of data sets that the access method cannot handle together, or an OPEN "
      "option not supported for the kind of data set named by the DD statement. The message "
      "issued with the abend gives C13 and a reason code. ",
      kNA, kNA,
      "Find the reason code in the OPEN error message, then compare the DD statement (and any "
      "concatenated DD statements) with what the program's OPEN asks for.  Correct the JCL or "
      "the OPEN options and rerun the job."}},
    {{"SC1A"},
     {"Catalog management, entered through SVC 26 for a CATALOG, INDEX or LOCATE request, "
      "detected an error and issued completion code C1A. The catalog request made by or for the "
      "task did not complete. ",
      kNA,
      "The system abnormally ends the task that issued the catalog request. Catalog management "
      "may have written messages to the job log before the abend.",
      kNA}},
    {{"SC22"},
     {"The job, or the address space running it, was ended by the system as the result of a "
      "command or a system request to end it; completion code C22 is one of the codes ending in "
      "22 that report an ending imposed from outside the program. ",
      kNA,
      "The system ends the job step abnormally, and the steps that follow run only if their "
      "conditions allow it.",
      "Look in the system log near the time of the abend for the command or message that caused "
      "the ending, settle it with the operator, and resubmit the job."}},
    {{"SC2D"},
     {"Program fetch, loading an overlay segment for the overlay supervisor (SVC 45), could not get "
      "enough storage for the module or its control blocks (overlay programs run in 24-bit mode "
      "only).",
      kNA, kActOverlayEnded, kNA}},
    {{"SC37"},
     {"End-of-volume processing (SVC 55) for a data set found an error when it tried to switch "
      "volumes or extents, and reported it with C37 and a reason code in the accompanying "
      "message. ",
      kNA, kNA,
      "Check the reason code in the end-of-volume message. Verify the volume list of the data "
      "set and that the right volumes were mounted in the right order, correct the JCL or the "
      "catalog entry, and run the job again."}},
    {{"SC78"},
     {"The virtual storage manager could not complete a STORAGE request or a GETMAIN or FREEMAIN "
      "of the RU or VRU form (SVC 120) and issued completion code C78; register 15 holds a reason "
      "code that describes the error. ",
      kNA,
      "The system issues an abend message for the request and abnormally ends the task that "
      "asked for the storage.",
      kNA}},
    {{"SCC4"},
     {"A system service found an error in a request or in the state of the task and ended it "
      "with completion code CC4.  Register 15 contains the reason code, which with the failing "
      "module named in the logrec record tells which service and which check.",
      kNA,
      "The system abnormally ends the current task. The error is recorded in the logrec data "
      "set, where the reason code and the failing module can be found.",
      "None"}},
    {{"SCC5"},
     {"Completion code CC5 was issued by a system component that detected an error while it "
      "served the task. The reason code in register 15 tells which error; some reason codes "
      "describe caller errors, others internal errors of the component. ",
      kNA,
      "The system ends the task abnormally. A dump may be requested by the component's recovery "
      "routine.",
      "Find the reason code in the dump or the abend message and decide whether the program's "
      "request was at fault; if so, correct the program.  Otherwise give the dump and the "
      "logrec record to the system programmer. "}},
    {{"SCC7"},
     {"A system service rejected a request from the task and ended it with completion code "
      "CC7. The reason code in register 15 identifies what was wrong with the request or with "
      "the environment it was issued from.",
      kNA, "The system abnormally ends the task that made the request. ",
      "IEF450I -> Read the reason code after REASON= in the step-end message.IEA995I -> Use "
      "the symptom dump to find the module that issued the code and the offset it was at. If "
      "the two show that the program's request was wrong, correct the program and run it "
      "again; otherwise give the dump and the reason code to the system programmer."}},
    {{"SCFB"},
     {"A JES3 function that runs for the job, such as a JES3 service reached through the "
      "subsystem interface, found an error and issued completion code CFB; register 15 holds a "
      "reason code that JES3 diagnosis uses to identify the error.",
      kNA, "The system abnormally ends the task that asked for the JES3 service.",
      "Check the JES3 messages of the job and the reason code; correct the request or the "
      "control statements that caused it and resubmit the job.  If JES3 itself failed, give the "
      "dump to the system programmer."}},
};

constexpr TextRow kRows13[] = {
    {{"SD04"},
     {"The virtual storage manager rejected a GETMAIN request issued through SVC 4 with "
      "completion code D04. It is neither a storage shortage (804) nor an unusable subpool "
      "(B04): the request could not be honored in the state that the storage or the subpool "
      "named was in. Message IEA705I gives the registers. ",
      kNA, kActIea705i,
      "Check the subpool, the length and the other operands of the GETMAIN against the reason "
      "code in register 15, correct the request and rerun the job. If the request is correct, "
      "report the code to the system programmer. "}},
    {{"SD05"},
     {"A FREEMAIN issued through SVC 5 was rejected with completion code D05. The area named "
      "could not be released in the state that it, or its subpool, was in; the cases of a "
      "misaligned address (905) and of an area already free (A05) have codes of their own.",
      kNA, kActIea705i,
      "Check which task obtained the area and in which subpool, and free it from that task "
      "with the same subpool, address and length; then rerun the job step.  If the FREEMAIN is "
      "correct, notify the system programmer."}},
    {{"SD06"},
     {"The system could not complete a LINK, XCTL, ATTACH or LOAD request for the task, because "
      "the module's entry or the way it was requested was not acceptable to the contents "
      "supervisor; completion code D06 reports this. ",
      kNA, "The system abnormally ends the task that requested the module. ",
      "Check the request for the module (the entry point name, the DCB of the library, and any "
      "LOADPT or ADDR operands) and the module's link edit attributes; correct the program or "
      "link edit the module again, then run the job again."}},
    {{"SD0A"},
     {"An R-form GETMAIN or FREEMAIN (SVC 10) was rejected with completion code D0A: the "
      "storage or the subpool given through registers 0 and 1 was not in a state that allowed "
      "the request.",
      kNA, kActIea705i,
      "Check the subpool number and the length in register 0 and the address in register 1, "
      "make the request from the task that obtained the storage, correct the program and rerun "
      "the job step."}},
    {{"SD0D"},
     {"An error interrupted abnormal termination processing (ABEND, SVC 13) while the system "
      "was ending the task for an earlier error, and the task was ended with completion code "
      "D0D; the earlier completion code can often be found in the dump or the logrec data set. ",
      kNA, kNA,
      "Look for the original completion code in the job log, the dump or the logrec data set, "
      "correct the error that caused it, and rerun the job.  Report D0D to the system programmer "
      "if no earlier error can be found."}},
    {{"SD13"},
     {"OPEN (SVC 19) could not be completed for the data control block named: the DCB refers to a "
      "device or data set that OPEN cannot handle with the options given, or the DCB was already "
      "open. The message issued with the abend gives D13 and a reason code. ",
      kNA, kNA,
      "Check the OPEN request: do not open a DCB that is already open, and make sure the DD "
      "statement names a device or data set that matches the DCB's DSORG and MACRF. Correct the "
      "program or the JCL and rerun the job. "}},
    {{"SD14"},
     {"CLOSE (SVC 20) could not close a data set because the DCB given to it was not in a state "
      "that CLOSE accepts, for example the DCB was not open, was opened by another task, or had "
      "been changed since OPEN. A message with D14 and a reason code is issued.",
      kNA, kNA,
      "Close each DCB once, from the task that opened it, and do not modify the DCB fields set "
      "by OPEN while the data set is open.  Correct the program and rerun the job."}},
    {{"SD1A"},
     {"Catalog management, entered through SVC 26, met an error while it processed a CATALOG, "
      "INDEX or LOCATE request of the task, and it issued completion code D1A rather than a "
      "return code to the program. ",
      kNA, "The system abnormally ends the task; the request that reached SVC 26 is not completed.",
      kNA}},
    {{"SD22"},
     {"The system ended the job with completion code D22, one of the codes ending in 22 that "
      "report a job stopped by the operator or by the system because of a limit or a command, "
      "not by an error in its own program.",
      kNA,
      "The system ends the job step abnormally and frees its resources; the rest of the job runs "
      "only where COND or IF/THEN statements allow it.",
      "Read the system and job logs for the command or limit that ended the job.  Correct the "
      "cause and resubmit the job."}},
    {{"SD23"},
     {"A WTO or WTOR (SVC 35) failed.  Register 15 holds xxxxyyyy (xxxx internal); yyyy: 0002 -> "
      "wrong line count (several lines on a SYNCH=NO WTOR, none on a multiline WTO, over 14 with "
      "SYNCH=YES). 0003 -> parameter list not accessible. 0004 -> zero text length. 0005 -> text "
      "too long for its line type, truncated. 0006 -> authorized keywords outside key 0-7. 0007 -> "
      "mutually exclusive options (CONSID with CONSNAME, clashing line types, a WTOR prefix with a "
      "WPX). 0008 -> bad list structure (WPX length, WQEBLK, zero WPL address). 0009 -> zero text "
      "address. ",
      kNA, kNA,
      "Correct the macro as the reason code shows (list and execute forms need the same operands) "
      "and rerun the job."}},
    {{"SD2D"},
     {"The overlay supervisor (SVC 45) found that the overlay load module's structure was not "
      "valid when it tried to load a segment: the records that describe the segment, or the "
      "segment table, did not agree with what the linkage editor builds.",
      kNA, kActOverlayEnded, kRespLinkEditRerun}},
    {{"SD37"},
     {"An output data set on DASD filled its primary space allocation, and the DD statement or "
      "data class gave no secondary quantity, so the system could not add an extent and the data "
      "set could not grow. ",
      "When the space of a data set is used up, end-of-volume processing (SVC 55) looks for a "
      "secondary quantity to obtain a new extent. With SPACE=(TRK,(n)) or another SPACE "
      "parameter without a secondary amount, there is nothing to allocate, and the data set "
      "cannot be extended on the same or another volume.  Message IEC031I gives D37 with a "
      "reason code, the job and step, the DD name, the data set name and the volume.",
      kNA,
      "Give the data set a secondary quantity in the SPACE parameter, or a primary large enough "
      "for all the output, and rerun the job. If the data set is kept, delete or rename the "
      "partial copy first. "}},
    {{"SD78"},
     {"A STORAGE request or a GETMAIN or FREEMAIN of the RU or VRU form (SVC 120) was rejected "
      "with completion code D78: the storage or the subpool it named could not be used for the "
      "request in the state it was in.",
      kNA, kActIea705i,
      "Check the SP, KEY and TCBADDR operands and the address and length of the request "
      "against the reason code in register 15; correct the program and rerun the job step. "}},
    {{"SD82"},
     {"RACHECK processing (SVC 130, reached through RACROUTE REQUEST=AUTH or the RACHECK macro) "
      "found that it could not handle the authorization request as issued and ended the caller "
      "with D82; register 15 contains a reason code.",
      kNA, kActTerminatesTask, kRespD82}},
    {{"SD83"},
     {"RACINIT processing (SVC 131, reached through RACROUTE REQUEST=VERIFY or the RACINIT "
      "macro) could not handle the request to create or delete the user's security environment "
      "as issued, and ended the caller with D83; register 15 contains a reason code.",
      kNA, kActTerminatesTask, kRespD83}},
    {{"SD84"},
     {"RACLIST processing (SVC 132, used by RACROUTE REQUEST=LIST and the RACLIST macro to build "
      "in-storage profiles for a class) could not handle the request as issued and ended the "
      "caller with D84; the reason code is in register 15.",
      "NAA", kActTerminatesTask, kRespD84}},
    {{"SD85"},
     {"RACDEF processing (SVC 133, reached through RACROUTE REQUEST=DEFINE or the RACDEF macro, "
      "which defines, renames or deletes resource profiles) rejected the request as issued and "
      "ended the caller with D85; register 15 holds a reason code. ",
      kNA, kActTerminatesTask, kRespD85}},
    {{"SDC5"},
     {"A system component ended the task with completion code DC5 because it found an error "
      "in the processing it was doing for the task, in the request or in its own data; the "
      "reason code in register 15 identifies it.",
      kNA,
      "The system abnormally ends the task. The component's recovery routine records the error "
      "in the logrec data set and may ask for an SVC dump. ",
      "Collect the reason code, the logrec record and any dump. If the reason code points to "
      "the program's request, correct and rerun it; otherwise have the system programmer "
      "search for a fix or report it to IBM."}},
    {{"SDC7"},
     {"The APPC/MVS transaction scheduler (ASCH) met an error it could not recover from.  A "
      "reason code tells which: 01 -> A parmlib CLASSADD tried to change an existing class. 03 "
      "-> A transaction program has a wrong scheduling type. 04 -> RACF could not be run. 05 -> "
      "No security environment could be created. 35 -> ASCH was started other than by START. "
      "Most other codes are internal errors or failures to start ASCH or an initiator. ",
      kNA, kNA, kNA}},
    {{"SDFB"},
     {"A JES3 routine that serves the job, such as the interface through which the job's SYSOUT "
      "or job-related requests reach JES3, found an error and issued completion code DFB; the "
      "JES3 reason code is in register 15.",
      kNA,
      "The system abnormally ends the task that was using the JES3 service and writes an error "
      "record in the logrec data set.",
      "Look at the JES3 messages and the reason code, correct the job's control statements or "
      "the program's request if they caused the error, and resubmit the job. Report the error "
      "with the dump to the system programmer if the job's input is correct."}},
    {{"SE00"},
     {"An error occurred while the system processed an I/O request that the program made with "
      "EXCP or XDAP (SVC 0), and completion code E00 was issued for it; the I/O request could "
      "not be completed as the program defined it. ",
      kNA,
      "The system abnormally ends the task that issued the I/O request and writes a logrec data "
      "set error record describing it.",
      kNA}},
    {{"SE03"},
     {"A task tried to end normally (RETURN, or a branch on register 14) while still in "
      "step-must-complete status: it had issued STATUS, RESERVE or ENQ with SET,MC and no STATUS or "
      "DEQ with RESET,MC to match. ",
      kNA, kActAbnormallyEndsTask,
      "Give each SET,MC its RESET,MC before the task returns, and run the job again. For an SVC "
      "dump, have the operator set SLIP SET,COMP=E03,ACTION=SVCD,END."}},
    {{"SE06"},
     {"The contents supervisor found an error while processing a z/OS UNIX exec, fork, loadhfs "
      "or deletehfs function. Register 15 holds the reason code xxyy: xx names the function "
      "(00 exec or fork, 01 loadhfs, 02 deletehfs) and yy the error.",
      kNA, "The system abnormally ends the task that issued the request for the module. ",
      "00 -> An unauthorized program asked for exec, loadhfs or deletehfs processing.20 -> The "
      "PGMF FIND failed; CSV034I.24 -> The PGMF FIND program-checked or abended; CSV036I.2C -> "
      "An unexpected contents supervisor error.30 -> The path name is a loadable-only file, not "
      "valid for exec; CSV039I.34 -> The file is not executable; CSV038I.38 -> The same, for an "
      "overlay module. Internal errors (04 to 1C) go to the system programmer; otherwise correct "
      "the program or the file."}},
    {{"SE13"},
     {"OPEN (SVC 19) found an error it reports with completion code E13, together with a reason "
      "code in the accompanying message, and the data set was not opened.  The reason code "
      "identifies the check that failed for the DCB and the data set being opened. ",
      kNA, kNA,
      "Read the OPEN error message for the reason code, compare the DD statement with the DCB "
      "and the OPEN options, correct the JCL or the program, and run the job again. "}},
    {{"SE1A"},
     {"A CATALOG, INDEX or LOCATE request that reached catalog management through SVC 26 was "
      "ended with completion code E1A because catalog management found an error it could not "
      "return to the caller as a return code.",
      kNA, "The system abnormally ends the task that issued the catalog request.", kNA}},
    {{"SE23"},
     {"The system found an error while processing a WTO or WTOR request (SVC 35) for the task "
      "and issued completion code E23 instead of displaying the message. Register 15 contains a "
      "reason code. ",
      kNA, kNA,
      "Check the WTO or WTOR macro and the environment it is issued from (for example the mode "
      "and the locks held when the SVC is issued) against the reason code, correct the program "
      "and run the job again."}},
    {{"SE2D"},
     {"The overlay supervisor (SVC 45) found an error in the overlay program while it was "
      "processing a request for a segment, and the segment could not be brought into storage: "
      "the program's overlay tables do not describe a segment that can be loaded.",
      kNA, kActOverlayEnded, kRespLinkEditRerun}},
    {{"SE37"},
     {"An output data set on DASD needed more space and had already used all the volumes it may "
      "use, or it could not be extended on the current volume and may not move to another one; "
      "the system could not find room for it. ",
      "E37 occurs at end of volume (SVC 55) when a data set has reached the number of volumes "
      "given in the VOL parameter or the unit count and needs another; when a partitioned data "
      "set, which cannot span volumes, fills its volume or reaches its extent limit; or when the "
      "VTOC of the volume has no room for another entry.  Message IEC032I shows E37 with a "
      "reason code, the data set name and the volume serial.",
      kNA,
      "Allocate the data set with more space, or let it use more volumes (a larger volume count "
      "in the VOL parameter or the data class). For a partitioned data set, reallocate it larger "
      "on one volume or compress it first. Then run the job again. "}},
    {{"SE82"},
     {"An error occurred during RACHECK processing (SVC 130), the service that decides whether a "
      "user may access a resource, and the system ended the caller with completion code E82; the "
      "reason code in register 15 identifies the error.",
      kNA, kActTaskTerminated, kNA}},
    {{"SE83"},
     {"An error occurred during RACINIT processing (SVC 131), which builds or deletes the "
      "security environment (ACEE) of a user, and the caller was ended with completion code "
      "E83. Register 15 contains the reason code.",
      kNA, kActTaskTerminated, kNA}},
    {{"SE84"},
     {"An error occurred while RACLIST processing (SVC 132) was building or deleting in-storage "
      "profiles for a resource class, and the caller was ended with completion code E84; "
      "register 15 holds the reason code. ",
      kNA, kActTaskTerminated, kNA}},
    {{"SE85"},
     {"An error occurred during RACDEF processing (SVC 133), which adds, changes or deletes the "
      "definition of a protected resource, and the caller was ended with completion code E85; "
      "the reason code is in register 15.",
      kNA, kActTaskTerminated, kNA}},
    {{"SEC4"},
     {"A system service detected an error in a request of the task and ended it with "
      "completion code EC4. The reason code in register 15 identifies the check that failed.",
      kNA,
      "The system abnormally ends the current task; the error is recorded in the logrec data set "
      "and may be dumped.",
      kNA}},
    {{"SEC5"},
     {"A system component detected an error while processing a request for the task and "
      "issued completion code EC5, with a reason code in register 15 that identifies the "
      "error.",
      kNA,
      "The system abnormally ends the task. Recovery routines of the program get control first "
      "and can retry if the error allows it. ",
      "Look up the reason code. If it reports an error in the way the program called the "
      "service, correct the call and rerun the job; otherwise report EC5 with the reason code "
      "and the dump to the system programmer."}},
    {{"SEC6"},
     {"z/OS UNIX System Services found an error while it was processing a kernel request for the "
      "task, such as a callable service (a BPX service) or signal, process or thread handling, "
      "and ended the task with completion code EC6. The reason code in register 15 identifies "
      "the module and the condition; some reason codes report that the process was ended by a "
      "signal rather than by an error. ",
      kNA, kNA, kNA}},
    {{"SEC7"},
     {"APPC/MVS found an error it could not recover from, in its own processing or in a call of "
      "one of its services, and issued EC7. A reason code describes it; mostly the requested "
      "service fails and the system goes on. ",
      kNA, kNA,
      "000A1000 -> A logical unit could not be activated: its VTAM APPL statement lacks "
      "APPC=YES (the EC7 000A0037 that follows can be ignored).00020001 -> Cleanup_AS was called "
      "with a wrong parameter count or without VLIST conventions.00020002 -> The same for "
      "Cleanup_TP.00020007 -> The same for unauthorized Cleanup_TP. Correct the call; for "
      "internal errors keep the SVC dump for the system programmer."}},
    {{"SEFB"},
     {"JES3 detected an error in processing it did for the job, either in a JES3 module running "
      "in the job's address space or in data passed to JES3, and issued completion code EFB.  "
      "Register 15 contains the JES3 reason code. ",
      kNA,
      "The system abnormally ends the task that requested the JES3 function; JES3 may issue "
      "messages that describe the error.",
      kNA}},
    {{"SFnn"},
     {"The program issued an SVC instruction whose number is not defined in the system: the "
      "completion code is F followed by the SVC number in hexadecimal (the last two digits, nn), "
      "and it appears because no routine for that number is installed in the SVC table. ",
      kNA, "The system abnormally ends the task that issued the undefined supervisor call. ", kNA}},
};

}  // namespace

std::span<const TextRow> mvspr11Table() { return kRows11; }
std::span<const TextRow> mvspr12Table() { return kRows12; }
std::span<const TextRow> mvspr13Table() { return kRows13; }

}  // namespace quenmar::catalog::mvs
