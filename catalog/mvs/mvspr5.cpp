#include "catalog/mvs/mvs_stock.h"
#include "catalog/mvs/mvs_tables.h"

namespace quenmar::catalog::mvs {
namespace {

// Texts more than one row of this file shows.

// The timer services TTIMER, STIMER and STIMERM fail in the same places.
constexpr std::string_view kRespTimerOperands =
    "Check the operands of the timer macro: the interval, exit routine and identifier "
    "addresses must point to storage the program owns. Cancel intervals no longer needed, "
    "correct the program and run the job again.";

// ENQ and DEQ end their caller alike; ending the task frees what it held.
constexpr std::string_view kActEndsEnqDeqTask =
    "The system abnormally ends the task that issued the ENQ or DEQ macro; other processing "
    "continues.";

// The non-VSAM data management SVCs (RELEX, FREEDBUF, BSP) end the task the same way.
constexpr std::string_view kActEndsDataMgmtTask =
    "The system abnormally ends the task that issued the data management macro. A dump is "
    "written when the step has a SYSABEND, SYSMDUMP or SYSUDUMP DD statement.";

// SVCs 73 to 75 serve the graphic access method.
constexpr std::string_view kActEndsGraphicsTask =
    "The system abnormally ends the task that made the graphic access method request.";
constexpr std::string_view kRespGraphicsRequest =
    "Check the graphic control blocks and the attention routine addresses the program passes "
    "to the graphic access method, and that the display device is open. Correct the program "
    "and run the job again.";

// PGFIX and friends (SVC 113) and PGSER (SVC 138) are two doors to the same service.
constexpr std::string_view kActEndsPageServices =
    "The system abnormally ends the program that made the page services request.";

// RACHECK, RACINIT and RACDEF are reached by SVC or through RACROUTE.
constexpr std::string_view kActEndsRacfSvcCaller =
    "The system abnormally ends the program that issued the RACF macro or the RACROUTE request.";

// Codes whose service says little about the failure beyond its own dump.
constexpr std::string_view kActEndsSvcRequester =
    "The system abnormally ends the task for which the service was working, unless a recovery "
    "routine of the task retries.";
constexpr std::string_view kRespKeepDumpForSysprog =
    "Check the registers and the parameter list the program passed to the service against what "
    "the service expects. If they are right, keep the dump, the job log and the logrec record "
    "and give them to the system programmer. ";

constexpr TextRow kRows[] = {
    {{"S12E"},
     {"During processing of a TTIMER macro, or of an STIMERM macro with TEST or CANCEL (SVC 46), "
      "the request could not be honoured: the caller was in a mode the service does not accept, "
      "the identifier named no interval of the task, or the remaining time could not be stored. ",
      kNA, kNA, kRespTimerOperands}},
    {{"S12F"},
     {"A program issued an STIMER macro with parameters that are not valid; register 15 holds a "
      "reason code: 00 a data area named on a parameter could not be found; 04 UTC, LT or TOD was "
      "given for a TASK type request; 0C the UTC, LT or TOD value was over 24:00:00.00; 10 the "
      "STIMER routine cannot access the storage holding the parameters; 14 a parameter was not "
      "valid, for example a 31-bit program not using the MVS/SP Version 2 or later form of the "
      "macro; 28 the interval was too large, such as a BINTVL over X'7FFFFFFF'.",
      kNA,
      "The system abnormally ends the program and takes a tailored dump of the control blocks "
      "and registers of the task that issued STIMER and of the subpools holding its parameter "
      "list.",
      kRespTimerOperands}},
    {{"S130"},
     {"A DEQ macro (SVC 48) named a resource that the issuing task had not requested with an ENQ "
      "macro, or had requested but did not yet control, and the macro did not code RET=HAVE to "
      "allow for that case. ",
      kNA, kActEndsEnqDeqTask,
      "Make sure each DEQ gives the queue name, resource name and scope of the ENQ that obtained "
      "the resource, and that no path releases a resource twice; code RET=HAVE where the program "
      "cannot be sure it holds it. Run the job again."}},
    {{"S133"},
     {"An error occurred during processing of an SDUMP or SDUMPX macro (SVC 51): the caller "
      "asked for an SVC dump without the authorization the service requires, or the system could "
      "not read the parameter list or the storage ranges it named.",
      kNA,
      "The system abnormally ends the program that issued the SDUMP or SDUMPX macro; no SVC dump "
      "is written for the request.",
      "Make sure the program that requests an SVC dump is authorized (APF, supervisor state or a "
      "system key) and that its parameter list and storage ranges are valid. Correct the program "
      "and run the job again."}},
    {{"S135"},
     {"During processing of a RELEX macro (SVC 53) for a BDAM data set, the system found an "
      "error: the data control block was not open or not valid, or the block named in the macro "
      "was not held by the task under exclusive control. ",
      kNA, kActEndsDataMgmtTask,
      "Check that the DCB is open for BDAM and that RELEX names a block that the task read "
      "earlier with exclusive control (a READ macro with the X option) and has not yet released. "
      "Correct the program and run the job again."}},
    {{"S137"},
     {"At end of volume for a tape data set, the system met an error with the trailer label: an "
      "I/O error occurred while it read or wrote the EOV or EOF label or its tape mark, or the "
      "label read was not a valid trailer label. Message IEC022I gives the reason code, DD name, "
      "device and volume serial. ",
      kNA, kNA,
      "Look up the reason code in message IEC022I. For an I/O error, try the volume on another "
      "drive or recreate the data set; for a label that is not valid, check that the LABEL and "
      "VOL parameters match how the tape was written. Run the job again."}},
    {{"S138"},
     {"Global resource serialization found an error in an ENQ macro (SVC 56): either one ENQ "
      "listed the same resource more than once, or the task issued a second ENQ for a resource it "
      "had already requested, with no DEQ in between and without RET=TEST, USE or HAVE on the "
      "second. ",
      kNA, kActEndsEnqDeqTask,
      "Remove the duplicate from the resource list; otherwise code RET=TEST, USE or HAVE on the "
      "second ENQ, put a DEQ between the two, or drop one of them. If it persists, check the "
      "parameter list that register 1 addressed in the SVC 38 trace entry. Run the job again."}},
    {{"S139"},
     {"During processing of a FREEDBUF macro (SVC 57), the system found that the buffer to be "
      "returned was not in the data set's buffer pool, for example because it was already freed, "
      "or that the DECB or DCB named was not valid. ",
      kNA, kActEndsDataMgmtTask, kNA}},
    {{"S13C"},
     {"During processing of a STAE or ESTAE macro (SVC 60), the system found an error: the "
      "parameter list or the exit routine address could not be used, or a request to cancel or "
      "overlay an exit did not match an exit the program had set up.",
      kNA,
      "The system abnormally ends the program that issued the STAE or ESTAE macro; the recovery "
      "exit it asked for is not set up.",
      kNA}},
    {{"S13E"},
     {"A task issued a DETACH macro without STAE=YES for a subtask that had not yet ended. The "
      "system ends the unfinished subtask with this code (with STAE=YES the code is 33E); the "
      "task that issued DETACH is not affected by it. ",
      kNA,
      "The system abnormally ends the subtask named in the DETACH macro and any subtasks of its "
      "own; the task that issued DETACH continues.",
      "If the subtask should run to completion, make the attaching task wait for it before "
      "DETACH, using the ECB or ETXR operand of ATTACH. If ending it was intended, nothing needs "
      "to be done."}},
    {{"S13F"},
     {"An error occurred while the system restarted a job step from a checkpoint written by a "
      "CHKPT macro (SVC 63): the checkpoint entry could not be read or did not match the job "
      "being restarted. Messages with the prefix IHJ describe the failure.",
      kNA,
      "The system abnormally ends the job step that was being restarted; the restart does not "
      "take place.",
      "Read the IHJ messages in the job log and check that the RESTART parameter and the SYSCHK "
      "DD statement name the right checkpoint data set and entry; if they do, restart from an "
      "earlier checkpoint or from the beginning."}},
    {{"S144"},
     {"During processing of a SYNADAF or SYNADRLS macro (SVC 68), the system found an error: "
      "SYNADAF got registers that did not hold what the access method passes to a SYNAD routine, "
      "or SYNADRLS was issued with no SYNADAF before it.",
      kNA, kNA,
      "Issue SYNADAF only from a SYNAD routine, with registers 0 and 1 as the access method "
      "passed them, and pair every SYNADRLS with a SYNADAF issued before it. Correct the program "
      "and run the job again."}},
    {{"S145"},
     {"During backspace processing (BSP macro, SVC 69) the system found the caller's control "
      "blocks unusable; message IEC916I gives the return code: 01 the DCB addressed by register 1 "
      "lies outside the caller's region; 02 the DCB and its DEB do not point to each other; 03 "
      "the device type in the DCB is wrong; 04 the DCB's pointer into the device characteristics "
      "table is wrong; 05 (normal scheduling) the DCB does not lead to a valid IOB in the region; "
      "06 (chained scheduling) no valid main IOB; 07 (chained scheduling) no valid ICB; 08 the "
      "ICBs are chained wrongly or DCBNCP is below their number (with normal scheduling, the same "
      "fault in the IOBs). ",
      kNA, kActEndsDataMgmtTask,
      "Check that register 1 held the right DCB address when BSP was issued and that nothing "
      "overlaid the DCB, its IOBs or ICBs after OPEN. Correct the program and run the job again."}},
    {{"S147"},
     {"An error occurred during processing of supervisor call 71 (X'47'), through which "
      "device-dependent access method support assigns, queries and releases buffers: the DCB or "
      "buffer address given to the SVC routine could not be used.",
      kNA, "The system abnormally ends the task that made the buffer request.",
      "Check the DCB and buffer addresses the program passes when it asks for or returns "
      "buffers, and that every buffer returned was assigned to the same data set. Correct the "
      "program and run the job again."}},
    {{"S149"},
     {"An error occurred during processing of a SPAR macro (SVC 73) of the graphic access "
      "method, which sets the priority of a graphic attention routine: the control block or "
      "routine named in the request was not valid for the task. ",
      kNA, kActEndsGraphicsTask, kRespGraphicsRequest}},
    {{"S14A"},
     {"An error occurred during processing of a DAR macro (SVC 74) of the graphic access method, "
      "which gives control to a damage assessment routine after an error on a display device: "
      "the request or the routine address it named was not valid. ",
      kNA, kActEndsGraphicsTask, kRespGraphicsRequest}},
    {{"S14B"},
     {"An error occurred during processing of a DQUEUE macro (SVC 75) of the graphic access "
      "method, which removes queued attention entries for a display device: the device or the "
      "queue named in the request did not belong to the task. ",
      kNA, kActEndsGraphicsTask, kNA}},
    {{"S14C"},
     {"During processing of supervisor call 76 (X'4C'), which writes error records to the logrec "
      "data set, the system found that the caller was not authorized or that the record passed "
      "did not have the layout the recording service expects.",
      kNA,
      "The system abnormally ends the program that issued SVC 76; the record it passed is not "
      "written to the logrec data set.",
      "Check that the program issuing SVC 76 is authorized and passes a record of the format the "
      "recording service expects. If a system component made the request, keep the dump and "
      "report the problem to the system programmer."}},
    {{"S14F"},
     {"During processing of a STATUS macro (SVC 79), which makes tasks of an address space "
      "dispatchable or not dispatchable, the system found an error in the request. ",
      "Possible causes: the caller was not in supervisor state or a system key; the TCB address "
      "given did not point to a TCB of the caller's address space; the function requested is not "
      "one STATUS supports; a reset did not match an earlier set request; the parameters could "
      "not be accessed in the caller's key. ",
      "The system abnormally ends the program that issued the STATUS macro.",
      "Check the TCB address, the function and the authorization of the program that issues "
      "STATUS, and make every reset request match an earlier set request. Correct the program "
      "and run the job again."}},
    {{"S151"},
     {"An error occurred during processing of a SETPRT macro (SVC 81) while the system set up a "
      "printer: the parameter list or the DCB it named could not be used, or the character set "
      "or forms control image asked for was not available. ",
      kNA, "The system abnormally ends the program that issued the SETPRT macro.",
      "Check the SETPRT operands and that the DCB is open for a printer, and ask the system "
      "programmer whether the images named are in SYS1.IMAGELIB. Correct the program or the "
      "image names and run the job again."}},
    {{"S153"},
     {"An error occurred during processing of an SMFWTM or SMFEWTM macro (SVC 83) while the "
      "system moved a record into the SMF buffers: the record could not be accessed, or its "
      "record descriptor word gave a length the SMF data sets cannot hold. ",
      kNA,
      "The system abnormally ends the program that issued the request to write an SMF record; "
      "the record is not recorded.",
      "Check that the record address points to a complete SMF record whose descriptor word and "
      "header lengths are right, and that the program is authorized to write SMF records. "
      "Correct the program and run the job again."}},
    {{"S157"},
     {"An error occurred while the system processed a DOM macro, which deletes operator messages "
      "issued by WTO or WTOR. Register 15 holds xxxxyyyy: xxxx is for IBM use, yyyy is the "
      "reason code; a value Fyyy in place of the reason code means an internal error, yyy being "
      "the abend code of that failure. ",
      "0004 -> Register 0 was wrong. 0008 -> The caller was neither a task of the WTOR "
      "issuer's job step and address space nor in key 0 to 7 or APF authorized. 000C -> "
      "A program check occurred while access to a multiple DOM list was checked. 0010 -> An "
      "unauthorized caller tried to delete a WTO message of another task. 0014 -> Branch entry "
      "by an unauthorized caller. 0018 -> An unauthorized caller tried to delete a message of "
      "another system. 1C -> No storage (STORAGE return code in the byte before). 40 -> No "
      "recovery environment (ESTAE return code in the byte before). 0050 -> DOMCBLK with a DOMC "
      "length not valid. 0051 -> The sysplex broadcast failed. 0052 -> A parked message could "
      "not be deleted. 53 -> The data block create routine failed. ",
      "The system ignores the DOM macro; the dump shows the DOM parameter list and the failing "
      "message identifier.",
      "Pass DOM the message identifiers that WTO or WTOR returned in register 1, and check the "
      "count of the list. Correct the program and run the job again; an operator can clear "
      "leftover messages with the CONTROL C command."}},
    {{"S15B"},
     {"An error occurred during processing of supervisor call 91 (X'5B'), which gathers the "
      "error statistics of a tape volume when it is closed or demounted: the control blocks of "
      "the volume or its device could not be used. ",
      kNA, kActEndsSvcRequester,
      "The statistics are gathered for the system's own use, so a failure here rarely points to "
      "the program. Run the job again; if the error recurs for the same drive, give the dump and "
      "the logrec record to the system programmer."}},
    {{"S15C"},
     {"An error occurred during processing of supervisor call 92 (X'5C'), which starts input or "
      "output on behalf of a task other than the one running; the request passed to the SVC "
      "routine was not valid or could not be completed. ",
      kNA, kActEndsSvcRequester, kRespKeepDumpForSysprog}},
    {{"S15D"},
     {"The issuer of a TGET, TPUT or TPG macro (SVC 93) passed a data area that the SVC 93 "
      "modules cannot use: TPUT and TPG need read access to it, TGET write access. The 0C4 that "
      "IKTVTPUT or IKTVTGET gets while checking the area is turned into 15D by IKT93EST. ",
      kNA, "The system abnormally ends the program that issued the terminal input or output macro.",
      "Find the bad address in the dump and pass the macro a buffer that the program may read, or "
      "for TGET write. Correct the program and run it again."}},
    {{"S15F"},
     {"A SYSEVENT macro invoked the system resources manager (SRM) incorrectly; register 15 "
      "holds a reason code. SYSEVENT is the way components tell SRM of an event. ",
      "04 -> The ASID, the SYSEVENT code or an input parameter was wrong. 08 -> The program was "
      "not authorized to issue this SYSEVENT. 0C -> A page fault occurred on a data area taken "
      "to be fixed. 10 -> A protection check occurred: the issuer's key does not allow storing "
      "in the parameter area. 14 -> The SRM lock was held when SYSEVENT invoked SRM. 18 -> SRM "
      "recovery turns this code into completion code 25F. 1C -> A TRANSWAP or REQSWAP with an "
      "ECB was issued when the most such requests allowed were pending. 20 -> An SRM stack "
      "overflow was found. 24 -> SRM got no recovery parameter area (RRPA). 28 -> An unexpected "
      "condition arose while a defined capacity limit was enforced. ",
      "The system abnormally ends the program that issued the SYSEVENT macro, and SRM does not "
      "act on the event.",
      "SYSEVENT is meant for system components. If an installation program issued it, check the "
      "event code and its parameters and correct the program; otherwise keep the dump and the "
      "logrec record for the system programmer."}},
    {{"S169"},
     {"During processing of an IMGLIB macro (SVC 105), the system could not complete the opening "
      "or closing of the image library SYS1.IMAGELIB for the caller; the data control block "
      "given was not the one the open request returned. ",
      kNA, kNA,
      "Pass the IMGLIB CLOSE request the address that the IMGLIB OPEN request returned, and make "
      "sure SYS1.IMAGELIB is cataloged and readable. Correct the program and run the job again."}},
    {{"S16B"},
     {"During processing of a MODESET macro, the system found an error.",
      "04 -> The macro parameter list was null.08 -> The macro specified reserved bits. 0C -> "
      "The macro requested an incorrect mode. 10 -> The macro requested an incorrect key. ",
      "The system abnormally ends the program that issued the MODESET macro.",
      "Correct the macro or the program errors that incorrectly modified the parameter list. Run "
      "the job again."}},
    {{"S16D"},
     {"While it processed an extended service routine (ESR) of SVC 109, 116, 122 or 137, "
      "supervisor control found an ESR code in register 15 that is not valid; the reason code "
      "tells which: 0004 the ESR code was too large, 0008 the ESR code is not supported. The "
      "system moves the bad ESR code to register 2. ",
      kNA,
      "The system abnormally ends the program that issued the SVC instruction and may write a "
      "logrec data set error record; no extended service routine runs.",
      "For 0004, correct the ESR code the program loads into register 15 (register 2 in the dump "
      "shows it). For 0008, make sure the requested ESR is installed on this system. If an IBM "
      "module issued the SVC, search the problem reporting databases and give the dump to IBM."}},
    {{"S16E"},
     {"DEBCHK, issued by the system for the DEB that a DCB of the program points to (DCBDEBAD), "
      "failed; register 15 holds: 04 the DEB is not in the DEB table, so it "
      "cannot be verified, deleted or purged; 08 TYPE is not VERIFY, ADD, DELETE or PURGE; 0C a "
      "program not authorized used a TYPE other than VERIFY; 10 DEBDCBAD does not point to a DCB; "
      "14 the AM value differs from DEBAMTYP; 18 TYPE=ADD for a DEB not on the TCB's DEB chain; "
      "1C TYPE=ADD with DEBAMTYP or DEBTBLOF zero, the DEB already in the table, or the DEB in "
      "fetch-protected storage; 20 TYPE=ADD with the DEB table at its 32760-byte maximum. ",
      kNA, kNA, kRespKeepDumpForSysprog}},
    {{"S171"},
     {"A PGFIX, PGFREE, PGLOAD, PGOUT, PGRLSE or PGANY paging request was not valid; perhaps its "
      "range was never obtained by GETMAIN. Reason code in register 0 (if not listed, see the "
      "error code in register 15), among them: 06000101, 51000401 and others a virtual subarea "
      "list (VSL) entry starts above its end; 06F20101, 3AF20101 and others with F2 in the second "
      "byte a program check reading the caller's service list entry (for 3AF20101, F2 names the "
      "entry point that set it); 35000201 page in a VIO window; 35000301, 36000101 page not "
      "obtained by GETMAIN; 36000201 permanent error; 3C000101, 3C000102 an SVC caller's key is "
      "neither zero nor the ECB's key; 3C000201 ECB page not obtained by GETMAIN. Further codes "
      "are documented.",
      kNA, kActEndsPageServices,
      "Check that the range in the page services request was obtained by GETMAIN, that each "
      "VSL entry starts below its end, and that the ECB lies in obtained storage of the "
      "caller's key. Correct the program and run the job again."}},
    {{"S172"},
     {"Execute channel program (EXCP) processing found that a program not authorized for it "
      "issued the EXCPVR macro. A program is authorized when it runs in supervisor state or "
      "under protection key 0 to 7, or when the SVC 114 authorization bit is on in the job step "
      "control block (JSCB) or in the data extent block (DEB). ",
      kNA, "The system abnormally ends the current task; the I/O request is not started.",
      "Make sure the program is authorized to issue EXCPVR, or use EXCP instead. If the cause is "
      "not clear, run the job again with an ABEND dump: field TCBEXCPD of the TCB points to the "
      "EXCP debugging area (XDBA). Notify the system programmer."}},
    {{"S177"},
     {"During processing of a TESTAUTH macro (SVC 119), the system found an error in the "
      "request: the function or the authorization index given was not valid, or the caller's "
      "parameters could not be read. ",
      kNA,
      "The system abnormally ends the program that issued the TESTAUTH macro; no authorization "
      "test result is returned.",
      "Check the operands of the TESTAUTH macro and the registers the program sets before it, "
      "then correct the program and run the job again."}},
    {{"S178"},
     {"The system could not satisfy a GETMAIN macro with the RU, RC, VRU or VRC operand (SVC "
      "120) or the matching STORAGE OBTAIN request: no free area of the length asked for was "
      "left in the subpool and storage area that the request named. ",
      "Possible causes: the step's region is too small, or the program keeps obtaining storage "
      "it never frees; the local system queue area of the address space is exhausted; too little "
      "common storage (CSA or SQA) is left; an overlaid register passed a length far larger than "
      "intended. ",
      "The system abnormally ends the program that issued the storage request, unless the "
      "conditional form was used, in which case a return code is passed instead.",
      "Check the length and subpool of the failing request in the dump. If the length is right, "
      "raise REGION or free storage no longer needed; if common storage ran short, tell the "
      "system programmer."}},
    {{"S179"},
     {"An error occurred during processing of supervisor call 121 (X'79'), which VSAM calls for "
      "work that needs supervisor state: the system could not obtain or fix the storage that "
      "VSAM needed for its control blocks or buffers. ",
      kNA,
      "The system abnormally ends the task using the VSAM data set; the request that VSAM was "
      "serving is not completed.",
      "Check the VSAM messages for the data set and whether the step's region is large enough "
      "for the buffers the ACB asks for. Run the job again; if the error recurs, give the dump "
      "to the system programmer."}},
    {{"S17A"},
     {"An error occurred during processing of supervisor call 122 (X'7A'), an extended SVC "
      "router that passes requests to several services by a code in register 15; the routine "
      "selected could not complete the request made to it. ",
      kNA, kActEndsSvcRequester, kRespKeepDumpForSysprog}},
    {{"S17B"},
     {"During processing of a PURGEDQ macro (SVC 123), which removes the service request blocks "
      "(SRBs) of a resource manager or an address space from the system's queues, the system "
      "found an error that kept it from purging them. ",
      kNA,
      "The system abnormally ends the program that issued the PURGEDQ macro; the SRBs it named "
      "may still be scheduled or running.",
      "Check the PURGEDQ parameter list and the authorization of its issuer, and keep the dump. "
      "If a system component issued the macro, report the problem to the system programmer."}},
    {{"S17D"},
     {"During processing of an EVENTS macro (SVC 125), the system found an error: the number of "
      "entries given to create the event table was not valid, or a table or entry address did "
      "not point to an event table of the task.",
      kNA,
      "The system abnormally ends the program that issued the EVENTS macro; the event table is "
      "not created or changed.",
      "Check the ENTRIES operand and the table address kept from the creating EVENTS macro, and "
      "that the program posts only entries of that table. Correct the program and run the job "
      "again."}},
    {{"S182"},
     {"During processing of a RACHECK macro or a RACROUTE REQUEST=AUTH request (SVC 130), the "
      "system found an error while RACF checked access to a resource: the parameter list could "
      "not be used, or the request was not allowed in the caller's state or key.",
      kNA, kActEndsRacfSvcCaller,
      "Check the parameter list built for the authorization check, in particular the class name, "
      "the entity name and the access level, and the state of the caller. Correct the program "
      "and run the job again."}},
    {{"S183"},
     {"During processing of a RACINIT macro or a RACROUTE REQUEST=VERIFY request (SVC 131), "
      "which verifies a user and builds or deletes the user's security environment, the system "
      "found an error in the request or in the environment to be deleted. ",
      kNA, kActEndsRacfSvcCaller,
      "Check the user ID, group, password and ENVIR operands of the request, and that a DELETE "
      "names an environment that a CREATE built. Correct the program and run the job again."}},
    {{"S185"},
     {"During processing of a RACDEF macro or a RACROUTE REQUEST=DEFINE request (SVC 133), which "
      "defines, renames or deletes the RACF profile of a resource, the system found that the "
      "parameter list or a value in it was not valid. ",
      kNA, kActEndsRacfSvcCaller,
      "Check the class, the entity name, the new name for a rename and the operands of the "
      "RACDEF or RACROUTE request, and correct the program that built them. Run the job again."}},
    {{"S18A"},
     {"During processing of a PGSER macro (SVC 138), the system found an error in the page "
      "services request: the storage range was not valid for the caller, the caller's key did "
      "not allow access to it, or a FREE request named pages that were not fixed. ",
      kNA, kActEndsPageServices,
      "Check the range, the ECB and the options passed on PGSER, and make each FREE request "
      "match a FIX request of the same range. Correct the program and run the job again."}},
    {{"S18B"},
     {"During processing of a CVAF macro (SVC 139), such as CVAFDIR, CVAFSEQ or CVAFDSM, with "
      "which a program reads or updates a volume's VTOC and its index, the system found an error "
      "in the request; a status code in the CVAF parameter list tells which.",
      kNA,
      "The system abnormally ends the program that issued the CVAF macro; the VTOC request is "
      "not completed.",
      "Look at the CVAF status code in the parameter list in the dump. Check that the caller is "
      "authorized and that the buffer list, data extent block and UCB it passes are valid; "
      "correct the program and run the job again."}},
    {{"S18F"},
     {"An error occurred during processing of supervisor call 143 (X'8F'), through which the "
      "cryptographic services GENKEY, RETKEY, CIPHER and EMK generate, retrieve and use "
      "enciphering keys. ",
      "Possible causes: the parameter list or data area could not be accessed in the caller's "
      "key; the key name given was not in the key data set; the caller was not authorized for a "
      "function that handles clear keys; the cryptographic support the request needs was not "
      "active. The Integrated Cryptographic Service Facility (ICSF) names one case: its "
      "CSFPUTIL utility program, run as a batch job, ends with 18F and reason code X'300' when "
      "its JCL is in error. ",
      "The system abnormally ends the program that issued the cryptographic macro; no data is "
      "enciphered or deciphered for the request.",
      "Check the key name, the operands and the authorization of the program, and ask the system "
      "programmer whether the cryptographic support and the key data set are available. Correct "
      "the program and run the job again."}},
    {{"S1C2"},
     {"A system component found an error while it ran a request and ended the work it was doing. "
      "It handles the failure through its own recovery and records the error for later study; "
      "the program that made the request need not act.",
      kNA,
      "The system records the error in the logrec data set, writes a dump when the component "
      "asks for one, and goes on processing.",
      kNone}},
    {{"S1C5"},
     {"System logger found an error it could not recover from while it served a request of the "
      "task, such as a connect to a log stream or a write or read of its blocks, or while it "
      "managed the log stream itself. The reason code in register 15 and in the dump title names "
      "the logger module and the check that failed. ",
      kNA, kActEndsSvcRequester, kRespKeepDumpForSysprog}},
    {{"S1C6"},
     {"The real storage manager found an error while it processed a request for the caller, such "
      "as a subspace or page request, and could not complete it; a reason code in register 15 "
      "identifies the check that failed. ",
      kNA,
      "The system abnormally ends the program for which the real storage manager was working and "
      "writes a logrec record for the error.",
      "Check the parameters of the program's storage request, such as a subspace request. If "
      "they are right, give the reason code, the dump and the logrec record to the system "
      "programmer."}},
};

}  // namespace

std::span<const TextRow> mvspr5Table() { return kRows; }

}  // namespace quenmar::catalog::mvs
