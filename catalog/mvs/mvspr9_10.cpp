#include "catalog/mvs/mvs_stock.h"
#include "catalog/mvs/mvs_tables.h"

namespace quenmar::catalog::mvs {
namespace {

// Texts more than one row of this file shows.
constexpr std::string_view kActJobLogDumpJcl =
    "The system writes messages to the job log, produces an ABEND dump of the failing job step, "
    "and prints the JCL listing and the SYSOUT output for the job.";
constexpr std::string_view kActAttachNoSubtask =
    "The system abnormally ends the program that issued the ATTACH macro, and no subtask is "
    "created for that request. ";

constexpr TextRow kRows9[] = {
    {{"S506"},
     {"A LINK, LOAD, XCTL or ATTACH request (or its X form) failed because there was not enough "
      "virtual storage for the requested load module. The reason code in register 15 tells "
      "whether the step's private region or common storage was short.",
      kNA,
      "The system abnormally ends the task that issued the macro. The module is not brought into "
      "storage, and control does not pass to it.",
      "Raise the REGION value on the JOB or EXEC statement, or free storage the program no longer "
      "uses before asking for the module.  If the reason code points to common storage, ask the "
      "system programmer to check CSA use. Run the job again."}},
    {{"S50D"},
     {"OPEN or CLOSE found a DCB address that is not valid in the parameter list passed to it. "
      "Message IEC191I 50D-rc (OPEN) or IEC291I 50D-rc (CLOSE) gives the code and the DCB "
      "address: 1C -> the execute form specifies MODE=31 while the list specifies, or defaults "
      "to, MODE=24. 20 -> the execute form specifies MODE=24 while the list specifies MODE=31.",
      kNA,
      "The system ends the task and issues message IEC191I (OPEN) or IEC291I (CLOSE) with the "
      "code and the DCB address. ",
      "Code the same MODE on the list form (MF=L) and the execute form (MF=E) of the OPEN or "
      "CLOSE macro, or build the parameter list in the mode the execute form names. Then run the "
      "job again."}},
    {{"S513"},
     {"OPEN could not be completed for a data set on magnetic tape; message IEC146I gives the "
      "return code. With 04, another data set on the same tape volume was already open in the job "
      "step, so two DCBs were using one volume at once.",
      kNA, kNA,
      "Read the return code in message IEC146I.  For 04, close the first data set before opening "
      "the next one on that volume, or write the data sets to different volumes. Then run the job "
      "again. "}},
    {{"S522"},
     {"Every task of the job step stayed in a wait state longer than the installation allows, so the step was ended.  The limit is set in the SMFPRMxx parmlib member: JWT for batch jobs, "
      "TWT for TSO/E sessions and SWT for started tasks.",
      kNA, kNA,
      "Find what the step waited for: an operator reply, a volume mount, a data set held by "
      "another job, or an ECB that nothing posts. Remove the cause. A step that must wait long "
      "can code TIME=1440 on its EXEC statement, which exempts it from the limit."}},
    {{"S52A"},
     {"The system found an error in an ATTACH or ATTACHX macro (SVC 42) and did not create the "
      "subtask. The request, or the storage its operands pointed to, could not be used to "
      "build the new task; the parameter list in the dump shows what the macro passed.",
      kNA,
      "The system abnormally ends the program that issued ATTACH. The subtask is not created and "
      "no ECB is posted for it.",
      "Check the ATTACH or ATTACHX operands and the storage they point to, correct whatever is "
      "wrong, and run the job again.  If the operands are valid, keep the dump for the system "
      "programmer."}},
    {{"S530"},
     {"A task issued a DEQ macro (SVC 48) for a resource while its own ENQ for that resource was "
      "still waiting to be granted, for example when an exit routine of the task released the resource during the wait.",
      kNA, kActAbendDump,
      "Change the program so that a resource is released only after the ENQ for it has been "
      "satisfied, and keep asynchronous exits from issuing DEQ for resources the task is still "
      "waiting on. Run the job again."}},
    {{"S535"},
     {"A RELEX macro (SVC 53), which gives up exclusive control of a block of a direct access "
      "(BDAM) data set, could not be processed. The DCB or the block reference handed to the "
      "macro could not be used by the system to find the block the task held.",
      kNA, kNA,
      "Make sure the DCB on RELEX is open, that the block address is one the program read with "
      "exclusive control (READ with the X option), and that the DCB was not overlaid. Correct the "
      "program and run the job again.  "}},
    {{"S538"},
     {"An exit routine of a task issued ENQ or RESERVE (SVC 56) for a resource that the task had "
      "already requested and was still waiting for. Global resource serialization cannot queue "
      "one task twice for a resource.",
      kNA,
      "The system abnormally ends the task that issued the ENQ or RESERVE macro. The resources the "
      "task held are released as it ends.",
      "Change the exit routine so that it does not ask for a resource the task is already queued "
      "for; ENQ with RET=TEST shows whether a request is outstanding. Then run the job again."}},
    {{"S53E"},
     {"The system could not complete a DETACH macro (SVC 62). An error occurred while it was "
      "removing the subtask and releasing the control blocks that described it, so the subtask "
      "could not be detached cleanly. ",
      kNA,
      "The system abnormally ends the task that issued DETACH and writes a logrec data set error "
      "record for the failure.",
      kRespRerunNotifySysprog}},
    {{"S53F"},
     {"A job step could not be restarted from a checkpoint: an automatic restart, or a deferred "
      "restart asked for with the RESTART parameter, failed because the system could not rebuild "
      "the step as the CHKPT macro (SVC 63) recorded it.  IHJ messages give the details.",
      kNA,
      "The restart is abandoned and the job step ends abnormally. The IHJ messages describing the "
      "failure are written to the job log. ",
      "Read the IHJ messages to learn what could not be restored (a data set, a volume or the "
      "checkpoint entry). Correct it and resubmit the job for restart, or run it from the start "
      "if the checkpoint is unusable."}},
    {{"S544"},
     {"The system found an error while processing a SYNADAF or SYNADRLS macro (SVC 68) from an "
      "I/O error analysis (SYNAD) routine: the DCB, DECB or IOB information handed to the macro "
      "could not be used to build the message.",
      kNA, "The system abnormally ends the task that issued the SYNADAF or SYNADRLS macro.",
      "Check that the SYNAD routine issues SYNADAF with the registers the access method passed to "
      "it, unchanged. Correct the routine and run the job again. "}},
    {{"S553"},
     {"An error occurred while the system processed a request to write a record to the SMF "
      "data sets (SMFWTM macro, SVC 83). The record, or its descriptor, did not meet the "
      "requirements for an SMF record.",
      kNA,
      "The system abnormally ends the program that asked for the SMF record to be written. The "
      "record is not written. ",
      "Check that the record descriptor word, the header fields and the length agree with the SMF "
      "record layout, and that the caller is authorized to write SMF records. Correct the program "
      "and run it again."}},
    {{"S55F"},
     {"An error occurred in a SYSEVENT macro (SVC 95), through which programs tell the system "
      "resources manager (SRM) about events. SRM could not accept a value in the request, or the "
      "caller may not issue it.",
      kNA,
      "The system abnormally ends the program that issued the SYSEVENT macro and writes a logrec "
      "record describing the error.",
      "SYSEVENT is used mainly by system and vendor code. If an installation program issued it, "
      "correct the event code and parameters; otherwise report the problem to the system "
      "programmer with the dump.  "}},
    {{"S56D"},
     {"A routine reached through the extended SVC router (SVC 109) found an error in the request "
      "it received: the caller passed a parameter list the service could not use, or was not in "
      "the state or storage key the service requires.",
      kNA,
      "The system abnormally ends the program that invoked the SVC 109 service and records the "
      "error in the logrec data set.",
      "Find in the dump which service was called through SVC 109 and check the parameters. Correct "
      "the program, or report the failure to the system programmer when the caller is IBM or "
      "vendor code. "}},
    {{"S56F"},
     {"The system detected an error while it processed supervisor call 111 for the task; the "
      "last two digits of the code, 6F, are the SVC number. The request handed to the SVC "
      "routine could not be carried out for the function it asked for.",
      kNA,
      "The system abnormally ends the task that issued SVC 111. Messages about the failure may "
      "appear in the job log.",
      "If an installation program issues SVC 111 directly, check what it passes to the "
      "routine. Otherwise the failure lies in system or vendor code: collect the dump, the "
      "logrec record and the job log and contact the system programmer."}},
    {{"S57D"},
     {"During processing of an EVENTS macro (SVC 125), the system found that the request could "
      "not be carried out against the event table or the entry it named, for instance because "
      "the table was never set up with the ENTRIES operand or the entry was not in a usable "
      "state.",
      kNA, kActEndsEventsIssuer,
      "Create the EVENTS table with the ENTRIES operand before any WAIT or POST refers to it, keep "
      "its address from being overwritten, and post each event only once. Correct the program and "
      "run it again."}},
    {{"S582"},
     {"RACF could not complete a RACROUTE REQUEST=AUTH (RACHECK, SVC 130) authorization check. "
      "The request needs an accessor environment element (ACEE) for the user; when the caller "
      "issues it where no ACEE exists, the task ends with 582 and reason code 00.",
      kNA, kActAbnormallyTerminatesTask,
      "Create the ACEE before the check with RACROUTE REQUEST=VERIFY ENVIR=CREATE, and delete it "
      "with ENVIR=DELETE after the last RACROUTE call. Make sure the ENTITY, CLASS and ACEE "
      "operands point to valid storage, correct the program and rerun it. "}},
    {{"S585"},
     {"The system found an error while processing a RACROUTE REQUEST=DEFINE (RACDEF, SVC 133) "
      "request to define, rename or delete a RACF resource profile. Register 15 contains a "
      "reason code that names the condition. ",
      kNA, kActTerminatesTask,
      "TYPE=DEFINE -> Check that ENTITY and CLASS name the resource to protect, that VOLSER is "
      "given for a data set on a volume, and that a NEWNAME value, if coded, is a valid "
      "name.TYPE=ADDVOL or TYPE=CHGVOL -> Check that the data set already has a profile and "
      "that the volume serials are right.TYPE=DELETE -> Check that the profile exists under "
      "the class named. Then use the reason code in register 15 to see which check failed. "}},
    {{"S5C4"},
     {"A system component ended the task with completion code 5C4 after one of its routines met "
      "an error it could not recover from. It is not a program interruption; register 15 holds a "
      "reason code that identifies the failing function.",
      kNA,
      "The system abnormally ends the task, writes a logrec data set error record and takes a "
      "dump when a dump data set is available.",
      "Note the reason code and any messages issued just before the failure, and give them "
      "with the dump and the logrec records to the system programmer to search for a known "
      "problem."}},
    {{"S5C6"},
     {"IBM MQ for z/OS found an internal error and ended one of its own tasks, or a user task "
      "connected to the queue manager, with completion code 5C6. A z/OS system code or "
      "another internal error may have come before it and be the real cause.",
      kNA,
      "The failing MQ task or the connected user task ends abnormally.  Only that task ends, "
      "not the queue manager; the diagnostic data is normally an SVC dump and a logrec "
      "record.",
      "Read the MQ reason code that goes with the 5C6 and look for an earlier system abend in "
      "the job log. Correct the application if it caused the error; otherwise give the dump, "
      "the logrec record and the reason code to the system programmer."}},
    {{"S5FB"},
     {"JES3 found an error in one of its routines that run in the user's address space, for "
      "example while handling a subsystem request for the job, and ended the task. JES3 messages "
      "with the IAT prefix explain the problem.",
      kNA, kActAbnormallyEndsTask,
      "Look in the job log and the system log for IAT messages about the job. If the job gave "
      "JES3 invalid information, correct it; otherwise keep the dump for the system programmer to "
      "report to JES3 support."}},
    {{"S5FC"},
     {"A system routine that the task called found an error condition it could not handle and "
      "ended the task with completion code 5FC. A reason code, where the routine supplies one, "
      "is in register 15 at the time of the abnormal end.",
      kNA,
      "The system abnormally ends the task. It records the error in the logrec data set and "
      "writes a dump if one was requested.",
      "Keep the dump, the logrec record and the job log, and note the reason code in register "
      "15.  The system programmer uses them to look for a known problem or to report it to IBM."}},
    {{"S602"},
     {"During POST processing (SVC 2), the system found that the event control block to be posted, "
      "or the request block of the task waiting on it, was not valid, so the waiting task could "
      "not be told that its event had completed.",
      kNA, kActEndsPostIssuer,
      "Check that the ECB address given to POST points to the ECB the other task waits on and that "
      "the ECB was not freed or overlaid meanwhile. Correct the program and run the job again."}},
    {{"S604"},
     {"The system found an error while processing a GETMAIN macro (SVC 4): the request named "
      "storage or a parameter list the task could not use, so no storage was obtained. Message "
      "IEA705I shows the code and the registers.",
      kNA, kActIea705i,
      "Use message IEA705I and the dump to find the failing GETMAIN. Check its length, subpool and "
      "boundary operands and that its parameter list was not overwritten; correct the program and "
      "run the job again. "}},
    {{"S605"},
     {"A FREEMAIN macro (SVC 5) named an area that does not match the virtual storage the task "
      "owns in that subpool, for example because the address or length is wrong or part of it was "
      "freed already. Message IEA705I records the failure. ",
      kNA, kActIea705i,
      "Check that FREEMAIN names the same subpool, address and length that the matching GETMAIN "
      "obtained, and that the area is freed only once. Correct the program and run the job "
      "again."}},
    {{"S60D"},
     {"The recovery termination manager (RTM) found an error of its caller. 00 -> An exit routine "
      "hit its recursion limit, so RTM skipped it. 04 -> ABEND, CALLRTM or SETRP named "
      "through DUMPOPT or DUMPOPX a parameter list RTM cannot access; 08, 0C, 10 -> same for its "
      "storage ranges, subpools or data space range. 14, 18 -> An FRR retry found the retry "
      "linkage stack unfit (14) or the entry outside the active range (18).",
      "Reason code: RTM2CRC in the RTM2WA, message IEA995I, TCBARC in the TCB.",
      "For 00, RTM passes control to earlier valid exits, resets the recursion count, asks for a "
      "dump and issues IEA995I; other codes' actions are documented.",
      kNA}},
    {{"S613"},
     {"An I/O error or a label error occurred while OPEN was positioning a magnetic tape or "
      "reading or writing its labels. Message IEC147I gives a return code that tells which step "
      "failed.",
      "The tape could not be positioned at the requested data set, or the header label could not "
      "be read or written because of an I/O error, or the label that was read was not in the "
      "expected format.  Typical causes are a damaged or dirty tape, a drive that needs cleaning, "
      "a volume whose label type differs from what the LABEL parameter states, or a tape written "
      "at a density or in a format the drive cannot read.",
      kNA,
      "Read the return code in message IEC147I. Check that the LABEL parameter matches how the "
      "tape is labelled; if it does, clean the drive, try the volume on another drive, or copy the "
      "data to a new tape. Run the job again. "}},
    {{"S614"},
     {"An error occurred during CLOSE (SVC 20) for a data set on tape or direct access storage, "
      "most often an I/O error while a tape mark, a file mark or a trailer label was being "
      "written. An IEC message gives the return code.",
      kNA, kNA,
      "Use the return code in the CLOSE message to see which step failed.  A tape I/O error "
      "usually means a bad volume or a dirty drive: rerun on another drive or volume, and report "
      "repeated failures on one device to the system programmer."}},
    {{"S622"},
     {"The TSO/E session was ended because the connection between the user's terminal and the "
      "address space was lost, for example when the line or the VTAM session dropped, and the "
      "user did not reconnect in time.",
      kNA,
      "The system ends the TSO/E user's address space; work still running in the session is ended "
      "abnormally.",
      "Log on again. If sessions are lost often, have the network or VTAM staff look at the line or "
      "the session, and check whether the installation allows time to reconnect. "}},
    {{"S637"},
     {"An error occurred during end-of-volume or concatenation processing (EOV, SVC 55); message "
      "IEC026I gives the return code. Typical causes are an I/O error on tape labels or while "
      "positioning at the next volume, and concatenated data sets with unlike attributes.",
      kNA, kNA,
      "Use the return code in message IEC026I. For a tape I/O error, clean the drive or try another "
      "drive or volume. For unlike concatenated data sets, set the DCBOFPPC bit in the DCB so each "
      "is opened separately, or split the concatenation. Run the job again."}},
    {{"S644"},
     {"A SYNADAF macro (SVC 68) issued in an I/O error analysis routine could not be completed "
      "because the system could not get the storage it needs for the message buffer and save "
      "area that the macro returns to the caller.",
      kNA, kNA,
      "Make more virtual storage available to the step, for example with a larger REGION value, "
      "and make sure every SYNADAF is followed by a SYNADRLS that gives the buffer back. Run the "
      "job again.  "}},
    {{"S65F"},
     {"A SYSEVENT macro (SVC 95) was issued with a request that the system resources manager "
      "could not handle in the caller's environment, such as one made while the caller held locks "
      "or ran in a mode that the event does not allow.",
      kNA,
      "The system abnormally ends the issuing program and records the error in the logrec data "
      "set. ",
      kNA}},
    {{"S66D"},
     {"A service reached through the extended SVC router (SVC 109) could not perform the function "
      "requested: the data the caller supplied, such as the code identifying the routine or the "
      "parameter list address, did not describe a valid request.",
      kNA,
      "The system abnormally ends the caller of the SVC 109 service.  The error is recorded in "
      "the logrec data set.",
      "Check in the dump which function was requested through SVC 109 and with which parameters. "
      "Correct the program if it built the request; if the caller is system code, report the "
      "problem to the system programmer."}},
    {{"S67D"},
     {"During processing of an EVENTS macro (SVC 125), the system found that the event table named "
      "by the caller was not created by the task now using it, or had already been deleted. \"",
      "", kActEndsEventsIssuer,
      "Use an EVENTS table only in the task that created it, and do not refer to it after it has "
      "been deleted with the DELETE operand. Correct the program and run the job again. "}},
    {{"S683"},
     {"The module calling RACROUTE REQUEST=VERIFY is not authorized (is not APF-authorized, in "
      "system key 0-7, or in supervisor state).",
      kNA, kActTaskTerminated, kRespAuthorizedCaller}},
    {{"S684"},
     {"The module calling RACROUTE REQUEST=LIST (RACLIST, SVC 132) is not authorized: it does not "
      "run from an APF-authorized library, in a system key from 0 to 7, or in supervisor state, "
      "as the request requires.",
      kNA, kActAbnormallyTerminatesTask, kRespAuthorizedCaller}},
    {{"S685"},
     {"A RACROUTE REQUEST=DEFINE (RACDEF, SVC 133) request was issued by a caller that is not "
      "authorized for the options it used; some operands of the define request are accepted only "
      "from APF-authorized programs, system keys or supervisor state.",
      kNA, kActAbnormallyTerminatesTask,
      "Either run the program from an APF-authorized library, in supervisor state or a system key, "
      "or remove the RACROUTE REQUEST=DEFINE operands that need authorization. Then run the job "
      "again. "}},
    {{"S6C4"},
     {"A system component found an error it could not recover from while processing a request for "
      "the task, and ended the task with completion code 6C4. A reason code in register 15 "
      "identifies the condition for the component's service staff.",
      kNA,
      "The system abnormally ends the task, records the error in the logrec data set and takes a "
      "dump if the job step has a dump data set.",
      "Keep the job log, the dump and the logrec record. If the messages point to a setup error, correct it and rerun; otherwise report the problem to the system programmer."}},
    {{"S6C5"},
     {"The job step was ended with completion code 6C5 by a system routine that found an error in "
      "the processing it was doing for the step. The reason code in register 15 tells which check "
      "failed.",
      kNA, kActJobLogDumpJcl,
      "Look at the job log messages and the reason code in the dump. Correct the JCL or the "
      "program if the messages point to them and run the job again; if not, give the output to "
      "the system programmer.  "}},
    {{"S6C6"},
     {"IBM MQ for z/OS found an error so severe that going on could damage the integrity of "
      "its data, and ended the queue manager with completion code 6C6.  A z/OS error, one or "
      "more 5C6 abends or message CSQV086E may come before it.",
      kNA,
      "The whole queue manager ends abnormally. A user task with an active MQ connection may "
      "itself be ended with 6C6, and connected address spaces may be memory-terminated. ",
      "Find message CSQV086E and the first 5C6 or system abend in the console log, and start "
      "the diagnosis there. Restart the queue manager when the cause is known; if there is no "
      "fix, give the dumps to the system programmer for IBM. "}},
    {{"S6C7"},
     {"A system routine ended the job step with completion code 6C7 because it found an error "
      "while processing a request for the step. Register 15 holds a reason code that "
      "identifies the condition to the routine that issued the code. ",
      "IEF450I -> The step-end message in the job log shows ABEND=S6C7 and, after REASON=, the "
      "reason code of the failure.IEA995I -> The symptom dump message shows the PSW, the "
      "registers at the time of the error and the load module that was running, with the "
      "offset of the failing instruction. ",
      kActJobLogDumpJcl,
      "Take the reason code from message IEF450I or from the dump. If the messages show that "
      "the program's request was wrong, correct the program; otherwise report the completion "
      "code, the reason code and the dump to the system programmer. Run the job again."}},
    {{"S6FB"},
     {"A JES3 routine working for the job in the user's address space found an error in the "
      "request it was handling, or in the JES3 control blocks it used, and ended the task.  IAT "
      "messages in the job log or system log give more detail.",
      kNA, "The system abnormally ends the task. JES3 writes IAT messages describing the error. ",
      "Read the IAT messages. If they show that the job supplied incorrect information, such as "
      "wrong JES3 control statements, correct it and resubmit the job; otherwise collect the dump "
      "for the system programmer."}},
    {{"S6FC"},
     {"A system routine ended the task with completion code 6FC after it found that a request or "
      "a control block it was processing for the task was not valid. A reason code, if any, is in "
      "register 15.",
      kNA,
      "The system abnormally ends the task and writes a logrec data set error record.  A dump is "
      "taken if one was requested.",
      "Check whether the problem program passed incorrect data to the failing routine and correct "
      "it.  If the program is not at fault, give the dump and the logrec record to the system "
      "programmer."}},
};

constexpr TextRow kRows10[] = {
    {{"S700"},
     {"The I/O supervisor found an error in an I/O request the task started through EXCP (SVC 0): "
      "the IOB, DCB or DEB describing it, or the channel program they point to, could not be "
      "processed.",
      kNA, kActEndsCurrentTaskLogrec, kRespCheckProgramDump}},
    {{"S702"},
     {"The system could not complete a POST macro (SVC 2) that was to post an event control block "
      "in another address space: the ECB, or the address space named for it, could not be "
      "reached when the post was processed. ",
      kNA, kActEndsPostIssuer,
      "Check the ASCB and ECB addresses given on the cross memory POST, and make sure the target "
      "address space is still active and the ECB is not freed before the POST is issued. Correct "
      "the program and run the job again. "}},
    {{"S704"},
     {"A GETMAIN request (SVC 4) for storage in the system queue area or another global subpool "
      "could not be satisfied. The system recorded the failure and went on with its work.",
      kNA, kActLogrecContinues, kRespRerunContactSysprog}},
    {{"S705"},
     {"The system found an error while releasing storage of a global subpool with a FREEMAIN "
      "request (SVC 5); the storage control information for that subpool did not agree with the "
      "request. ",
      kNA, kActLogrecContinues, kRespRerunContactSysprog}},
    {{"S706"},
     {"The module named on LINK, LOAD, XCTL or ATTACH, or on an EXEC statement, is marked not "
      "executable in its library directory, because the linkage editor or binder found severe "
      "errors when it built the module.",
      kNA,
      "The system abnormally ends the task that requested the module. The module is not loaded. ",
      "Look at the linkage editor or binder listing of the module, correct the errors it reported "
      "and link-edit the module again so that it is marked executable. Then run the job again."}},
    {{"S70A"},
     {"A system error, an uncorrectable machine error or an error of unknown cause occurred "
      "while the virtual storage manager was processing an R-form GETMAIN or FREEMAIN (SVC 10). "
      "The reason code in the SDWACRC field tells which, for example 01 -> FREEMAIN tried to "
      "release central storage behind page-fixed SQA or LSQA storage.",
      kNA, kActLogrecContinues, kRespRerunContactSysprog}},
    {{"S70D"},
     {"An error occurred while the system was processing an abnormal end (ABEND, SVC 13): a "
      "routine called during the termination of the task failed, and the task was ended with "
      "this completion code.  ",
      "The reason code that describes the failure is in general register 15 at the time of the "
      "error; look for it in the register display of the dump, in the symptom dump output of "
      "message IEA995I, or in the SDWA of the logrec data set error record.",
      "The system ends the task abnormally and records the error in the logrec data set before a "
      "dump is taken. ",
      "Give the reason code, the dump and the logrec record to the system programmer. If the "
      "original abnormal end came from the problem program, correct that error too and run the "
      "job again."}},
    {{"S713"},
     {"OPEN for output was issued for a data set on magnetic tape whose expiration date had not "
      "yet passed, and the operator did not allow it to be overwritten. Message IEC148I shows the "
      "return code.",
      "The header label of the tape carries an expiration or retention date later than the "
      "current date. When the job tried to write over the data set, the system asked the operator "
      "whether the unexpired data set might be destroyed, and the reply refused it, so the "
      "volume could not be used for output.",
      kNA,
      "Wait until the data set has expired, ask the operator to allow the overwrite when the "
      "message appears, or direct the output to a scratch volume. If the data on the volume is "
      "still needed, use another volume.  "}},
    {{"S714"},
     {"An I/O error occurred during CLOSE (SVC 20) while the system was writing the trailer "
      "labels or the tape marks that end a data set on magnetic tape; a CLOSE error message gives "
      "the return code. ",
      kNA, kNA,
      "Run the job again with the tape on another drive. If the error follows the volume, use a "
      "new tape; if it follows the drive, have the drive serviced."}},
    {{"S717"},
     {"An I/O error occurred while the system was processing a temporary close (CLOSE TYPE=T, SVC "
      "23) for a tape data set, while it was reading labels or positioning the tape.  The "
      "message issued with the code gives the return code.",
      kNA, kNA,
      "Try the volume on another drive and clean the drive that failed. If the volume itself is "
      "damaged, recreate the data set on a new tape and run the job again. "}},
    {{"S71A"},
     {"Catalog management (SVC 26) found an error in a catalog request made for the task and "
      "ended it. The catalog entry or the parameters passed with the request could not be "
      "processed; messages from catalog management, such as the IDC and IEC series, describe "
      "the failure and name the catalog involved. ",
      kNA, kNone, kNA}},
    {{"S722"},
     {"The job produced more output lines than it was allowed. The limit was set by the LINES "
      "parameter of the JOB statement, by a JES control statement, by the OUTLIM parameter of a "
      "SYSOUT DD statement or by the installation default.",
      "Every SYSOUT line written counts against the job's output limit. When a program loops while "
      "writing messages or a report, or when the limit given on the JOB statement, in the JES "
      "control statements or by default is too small for the real volume, the count passes the "
      "limit.  Where OUTLIM was reached, exit IEFUSO could have allowed more, but did not. ",
      "The system ends the job step abnormally; the output already written stays on the spool.",
      "Check whether the program looped while writing output. If the volume is genuine, raise the "
      "line limit on the JOB statement or in the JES control statements, or the OUTLIM value of "
      "the DD statement, and run the job again."}},
    {{"S72A"},
     {"ATTACH or ATTACHX (SVC 42) failed; register 15 holds the reason. 00 -> A bad parameter "
      "address in the ATTACH list. 04 -> The ETXR already serves a subtask attached in another "
      "addressing mode. 08 -> Wrong list length. 0C -> Wrong list format number. 10 -> ATTACHX "
      "found nonzero ALETs. 14 -> ATTACH, not ATTACHX, issued in AR mode. 18 -> DISP=RESET from "
      "an unauthorized caller. 1C -> KEY=NINE without the storage protection override facility.",
      kNA, kActAttachNoSubtask,
      "The program is most likely at fault: correct the ATTACH or ATTACHX operands, or the "
      "environment of the macro, as the reason code shows, and rerun. If the program is right and "
      "the error recurs, the system programmer checks the job log and searches for a fix."}},
    {{"S730"},
     {"Global resource serialization could not process a DEQ macro (SVC 48): the parameter list, "
      "or the queue name or resource name it pointed to, was not in a form it accepts, or could "
      "not be read in the caller's storage key. ",
      kNA,
      "The system abnormally ends the task that issued the DEQ macro. The resource stays held "
      "until the task ends.",
      "Check the DEQ macro and the storage holding the queue and resource names, and make sure the "
      "names and lengths match those of the ENQ. Correct the program and run the job again."}},
    {{"S737"},
     {"End-of-volume processing, or the switch to the next data set of a concatenation (EOV, SVC "
      "55), failed; message IEC027I gives the return code.  Typical causes are an I/O error while "
      "a DSCB or a tape label was read, and a data set missing from the next volume.",
      kNA, kNA,
      "Use the return code in IEC027I. Check that the volume serials on the DD statement or in the "
      "catalog list the volumes that really hold the data set, in order. For an I/O error, try "
      "another drive or restore the data set. Run the job again."}},
    {{"S738"},
     {"An ENQ or RESERVE macro (SVC 56) could not be processed because global resource "
      "serialization could not obtain the storage it needed to record the request.",
      kNA,
      "The system abnormally ends the task that issued the ENQ or RESERVE macro. The request is "
      "not queued.",
      "Check whether the program issues ENQ requests in a loop without a DEQ. If not, ask the system programmer to check common storage use and the limits set for global resource serialization. "}},
    {{"S744"},
     {"A SYNADRLS macro (SVC 68) was issued without a matching SYNADAF, or after the buffer "
      "obtained by SYNADAF had already been released, so the system found no message buffer and "
      "save area to give back.",
      kNA,
      "The system abnormally ends the task that issued SYNADRLS.  The I/O error that led to the "
      "SYNAD routine is not reported by the macro.",
      "Make sure each SYNADRLS in the SYNAD routine follows exactly one SYNADAF and that register "
      "13 still points to the save area SYNADAF returned. Correct the routine and run the job "
      "again."}},
    {{"S75F"},
     {"During SYSEVENT processing (SVC 95), the system resources manager found that the data "
      "passed with the event, or the address space or task it named, could not be used for the "
      "requested action. ",
      kNA,
      "The system abnormally ends the program that issued SYSEVENT and writes a logrec data set "
      "error record. ",
      "If an installation or vendor program issued SYSEVENT, check the event and the data passed "
      "with it and correct the program. Otherwise keep the dump and the logrec record for the "
      "system programmer."}},
    {{"S76D"},
     {"A function invoked through the extended SVC router (SVC 109) found that the caller asked "
      "for something it was not allowed to do, or that an area passed to it could not be "
      "accessed in the caller's storage key. ",
      kNA,
      "The system abnormally ends the program that called the SVC 109 routine. A logrec data set "
      "error record is written. ",
      "Find in the dump which SVC 109 routine was reached and what was passed. Make the areas "
      "accessible in the caller's key and correct the request, then rerun; if the caller is not "
      "an installation program, tell the system programmer."}},
    {{"S778"},
     {"A GETMAIN, FREEMAIN or STORAGE request handled by SVC 120 for global storage could not be "
      "satisfied; the system recorded the error and continued.  ",
      kNA, kActLogrecContinues, kRespRerunContactSysprog}},
    {{"S77D"},
     {"An EVENTS macro (SVC 125) was issued with an operand that the system could not use: the "
      "table address, the number of entries or the address of the event list did not describe a "
      "valid request.",
      kNA, kActEndsEventsIssuer,
      "Check the operands of the EVENTS macro, in particular the ENTRIES value and the table and "
      "list addresses, and make sure the table has not been overlaid. Correct the program and "
      "run it again.  "}},
    {{"S7C4"},
     {"A system component ended the task with completion code 7C4 because it could not continue "
      "processing a request made for the task. The component's messages and the reason code in "
      "register 15 describe the failing check. ",
      kNA,
      "The system abnormally ends the task. The failure is recorded in the logrec data set and "
      "a dump is taken if one was requested.",
      kNA}},
    {{"S7C6"},
     {"A system service ended the task with completion code 7C6 after detecting an error in its "
      "own processing or in the environment it was called from. Register 15 holds the reason "
      "code that tells which condition was found.",
      kNA,
      "The system ends the task abnormally. It writes a logrec data set error record and, if a "
      "dump DD statement is present, a dump. ",
      "Check any messages written before the abnormal end. Correct the program or the job set-up "
      "if they point to it; otherwise give the dump, the reason code and the logrec record to "
      "the system programmer.  "}},
    {{"S7C7"},
     {"A system routine found an error it could not recover from while handling a request for "
      "the job step and ended the step with completion code 7C7. The reason code is in register "
      "15.  ",
      kNA,
      "The system abnormally ends the job step, records the error in the logrec data set and "
      "writes a dump when the step provides a dump data set.",
      "Run the job again with a SYSUDUMP or SYSMDUMP DD statement if no dump was taken. Give the "
      "dump, the reason code and the job log to the system programmer for diagnosis. "}},
    {{"S7FB"},
     {"JES3 detected an error in a function it performs for the job, such as processing a request "
      "from the job through the subsystem interface, and ended the task. IAT messages explain "
      "what JES3 found.  ",
      kNA,
      "The system abnormally ends the task. JES3 issues IAT messages and may take a dump of its "
      "own. ",
      "Check the IAT messages and the job's JES3 control statements. Correct the job if it is at "
      "fault; otherwise report the failure, with the dump and the messages, to the system "
      "programmer."}},
    {{"S800"},
     {"EXCP (SVC 0) met an error in an I/O request. 01 -> a protection or page-fix error in channel "
      "program checks: the IDAW, CCW or zHPF check used a wrong key, a CCW tried a restricted "
      "operation, or pages to fix lay outside the caller's ASID. 02 -> system error. 03 -> page fix "
      "of the DEB of an EXCP V=R request failed. 04 -> EXCPVR (SVC 114) page fix or unfix failed. "
      "05 -> the IOBE asked for 64-bit IDAWs; more codes follow. Also issued when an LRA on a page "
      "of a just-fixed buffer gives a nonzero condition code (page not valid). ",
      kNA, "The system abnormally ends the task that issued the I/O request.",
      "For 01, correct the channel program; for 02, the system programmer looks for a fix. Then run "
      "the job again.  "}},
    {{"S804"},
     {"A GETMAIN macro (SVC 4) asked for more virtual storage than was free in the job step's "
      "region or in the subpool requested. Message IEA705I shows the failing request.",
      "The region given by the REGION parameter, or by the installation's default, was too small "
      "for the storage the program wanted, or earlier requests that were never freed had used it "
      "up.  A loop that keeps obtaining storage, an unusually large table or buffer, or a length "
      "computed wrongly are the usual causes.",
      kActIea705i,
      "Increase the REGION value on the JOB or EXEC statement if the program really needs more "
      "storage. If not, look for storage obtained but never freed, or for a wrong length on the "
      "GETMAIN, correct the program and run the job again. "}},
    {{"S805"},
     {"An error occurred during FREEMAIN processing (SVC 5): the system needed virtual storage "
      "for its own records of the region while freeing the area, and none was available.  "
      "Message IEA705I shows the registers at the time of the error.",
      kNA, kActIea705i, kRespMacroExpansionOrLessStorage}},
    {{"S806"},
     {"The supervisor, or BLDL for it, could not find the module named on LINK, LOAD, XCTL, "
      "ATTACH (or an X form) or EXEC PGM=; CSV003I names it. Register 15: 04 -> not in the "
      "libraries searched, also when a limited search (LSEARCH=YES) fails. 08 -> an uncorrectable "
      "I/O error in the BLDL directory search (say, of a PDS never initialized), or BLDL found a "
      "DEB built outside keys 0 to 7. 0C -> the library's DCB is not open. 10 -> a LOAD with the "
      "explicit load option gave no DCB. 14 -> the module named on XCTL(X) is not in the link "
      "pack area. ",
      "The name may be misspelled, or the module may lie outside the search order: task library, "
      "STEPLIB or JOBLIB, link pack area, link list. For an alias (04), its authorization, RMODE "
      "and entry point offset must match the module already loaded. Further reason codes are "
      "documented.",
      "The system abnormally ends the task that asked for the module. ",
      "Check the module name's spelling and that a searched library holds the module. Add its "
      "library to the STEPLIB or JOBLIB DD statement, or have the system programmer add it to the "
      "link list; run the job again."}},
    {{"S80A"},
     {"An R-form GETMAIN or FREEMAIN (SVC 10) could not get the virtual storage it needed. The "
      "reason code in the SDWACRC field of the SDWA names the area that ran short: 04 -> SQA. 08 "
      "-> CSA. 0C -> LSQA. 10 -> the private area of the address space. 1C -> LSQA, for the "
      "cell pool of the virtual storage manager. 20 -> LSQA, for a new address queue anchor "
      "table (AQAT) stack.",
      kNA, kActIea705i,
      "A complete dump is needed to diagnose the shortage; if none was taken, set SLIP traps for "
      "completion codes 80A and 878 (which arises from the same condition) to get an SVC dump "
      "when it recurs. For reason code 10, raise the REGION value or find the storage the "
      "program obtains and never frees, then rerun the job."}},
    {{"S813"},
     {"OPEN found that the data set name in the header label of a magnetic tape does not match "
      "the data set name on the DD statement.  Message IEC149I shows the return code.",
      "The header label holds the last 17 characters of the data set name. When these differ from "
      "the name coded in DSNAME, the system concludes that the wrong volume was mounted or that "
      "the file sequence number in the LABEL parameter points to another data set on the same "
      "volume, and it refuses to process the tape.",
      kNA,
      "Check the DSNAME, the VOL=SER and the file sequence number of the DD statement against the "
      "data set really written on the tape, and the catalog entry if there is one. Correct the "
      "JCL or mount the right volume and run the job again."}},
    {{"S81A"},
     {"Catalog management (SVC 26) could not complete a catalog request for the task because of "
      "an error in the catalog or in the request; the messages issued with the code identify the "
      "catalog and the entry involved. ",
      kNA,
      "The system abnormally ends the task that made the catalog request and writes messages "
      "about the error.",
      kNA}},
    {{"S822"},
     {"The region size asked for by the job step, through the REGION parameter of the JOB or EXEC "
      "statement or the installation default, could not be obtained in the private area when the "
      "step was initiated. Message IEF085I reports that the region was unavailable.",
      kNA,
      "The system ends the job step before its program gets control. Later steps run only when "
      "their COND parameters allow it. ",
      kNA}},
    {{"S82A"},
     {"An ATTACH or ATTACHX macro (SVC 42) was rejected and no subtask was created. A likely "
      "cause is an operand that only authorized programs may code, such as a storage key, "
      "supervisor state or job step task for the subtask, issued by a program that is not "
      "authorized.",
      kNA, kActAttachNoSubtask,
      "Remove the ATTACH operands that require authorization, or run the program from an "
      "APF-authorized library when it legitimately needs them. Run the job again. "}},
    {{"S830"},
     {"Global resource serialization rejected a DEQ macro (SVC 48) because the request did not "
      "agree with how the resource was obtained, for example a DEQ on behalf of a task other "
      "than the holder, or with a scope different from that of the ENQ.",
      kNA, kActAbendDump,
      "Make sure the queue name, resource name, length and scope of the DEQ match the earlier "
      "ENQ, and that the DEQ is issued for the task that holds the resource. Correct the program "
      "and run the job again."}},
    {{"S837"},
     {"End-of-volume processing (EOV, SVC 55) could not continue the data set on another volume; "
      "message IEC028I gives the return code. The data set needed a further volume when all the "
      "volumes it was allowed, or all those named on the DD statement, had been used. ",
      kNA, kNA,
      "Use the return code in message IEC028I. Give the data set a larger volume count or more "
      "volume serial numbers on the DD statement, or make it need fewer volumes by asking for "
      "more space on each, and run the job again."}},
    {{"S838"},
     {"Global resource serialization rejected an ENQ or RESERVE macro (SVC 56) because its "
      "operands could not be honored together, for example a RESERVE whose device could not be "
      "identified, or an ENQ made for another task that the caller may not act for.",
      kNA, kActAbendDump,
      "Check the operands of the ENQ or RESERVE macro, in particular the UCB address of a RESERVE "
      "and the TCB named for another task, and correct the program. Run the job again. "}},
    {{"S85F"},
     {"An error occurred during SYSEVENT processing (SVC 95), through which programs report "
      "events to the system resources manager; register 15 holds a reason code for the error. "
      "The swap-control events that programs outside the system issue most often are: "
      "DONTSWAP -> nonswappable for a short time, until an OKSWAP matches each DONTSWAP or the "
      "job step ends. TRANSWAP -> nonswappable for a longer time, more than a minute. OKSWAP -> "
      "swappable again. Each applies only to the home address space of the issuer. ",
      kNA,
      "The system abnormally ends the program that issued the SYSEVENT macro. It writes a "
      "logrec data set error record.  ",
      "Correct the SYSEVENT request according to the reason code and run the program again. If "
      "the macro was issued by system or vendor code, give the dump and the logrec record to the "
      "system programmer."}},
    {{"S878"},
     {"A GETMAIN or FREEMAIN request handled by SVC 120, or a STORAGE request, could not be given "
      "the virtual storage it needed. It is the out-of-storage condition that 80A reports for "
      "the R-form macros, and a complete dump is needed to see which area ran short.",
      kNA, kActIea705i,
      "Code a larger REGION value on the JOB or EXEC statement, or REGION=0M for all the private "
      "storage available, if the program needs it. Otherwise look for storage obtained in a loop "
      "and never freed, and correct the program. If no dump was taken, have a SLIP trap set for "
      "878 so that the next failure writes an SVC dump. "}},
    {{"S87D"},
     {"During processing of an EVENTS macro (SVC 125) with the WAIT operand, the system found that "
      "another task was already waiting on the same event table, and only one task may wait on "
      "a table at a time.",
      kNA, kActEndsEventsIssuer,
      "Arrange the program so that only one task waits on an EVENTS table; give each task its own "
      "table if several need to wait. Correct the program and run the job again."}},
};

}  // namespace

std::span<const TextRow> mvspr9Table() { return kRows9; }

std::span<const TextRow> mvspr10Table() { return kRows10; }

}  // namespace quenmar::catalog::mvs
