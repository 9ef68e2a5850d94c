#include "catalog/mvs/mvs_stock.h"
#include "catalog/mvs/mvs_tables.h"

namespace quenmar::catalog::mvs {
namespace {

// Texts more than one row of this file shows.
constexpr std::string_view kEndsWaitIssuer =
    "The system abnormally ends the program that issued the WAIT macro.";
constexpr std::string_view kActEndsPostRequester =
    "The system abnormally ends the task that issued the POST macro.";
constexpr std::string_view kActEndsContentsRequest =
    "The system abnormally ends the program that issued the LINK, XCTL, LOAD or DELETE macro.";
constexpr std::string_view kActEndsDeqIssuer =
    "The system abnormally ends the program that issued the DEQ macro.";
constexpr std::string_view kActEndsEnqIssuer =
    "The system abnormally ends the program that issued the ENQ or RESERVE macro.";
constexpr std::string_view kActEndsDetachIssuer =
    "The system abnormally ends the program that issued the DETACH macro; the subtask named in the "
    "request is not removed by it.";
constexpr std::string_view kActEndsAttachIssuer =
    "The system abnormally ends the program that issued the ATTACH macro; the subtask is not "
    "created.";
constexpr std::string_view kActEndsCheckpointStep =
    "The system abnormally ends the job step; the checkpoint or restart request that was in "
    "progress is not completed and its entry is not used.";
constexpr std::string_view kActEndsSyseventIssuer =
    "The system abnormally ends the program that issued the SYSEVENT macro; the event is not "
    "passed on to the system resources manager.";
constexpr std::string_view kActEndsStorageIssuer =
    "The system abnormally ends the program that issued the GETMAIN, FREEMAIN or STORAGE macro; "
    "the storage request is not carried out.";
constexpr std::string_view kActEndsRacfRequest =
    "The system abnormally ends the task that made the RACF request; the request is not completed "
    "and no security decision is returned to the caller.";
// The FB codes come from JES3 and the FC codes from supervisor control's interruption
// processing; either way the code alone says little beyond who to ask.
constexpr std::string_view kActEndsUserSvcCaller =
    "The system abnormally ends the task for which the failing routine was working, unless a "
    "recovery routine of that task retries. A dump is written when the step has a SYSUDUMP, "
    "SYSABEND or SYSMDUMP DD statement. ";
constexpr std::string_view kRespIdentifyUserSvc =
    "Read the messages issued with the code in the job log and the system log. If they do not "
    "show the cause, ask the system programmer which component or routine issues this code on "
    "the system and what it means there; correct the request the program makes, or report the "
    "failure to the owner of the routine, and run the job again. ";

constexpr TextRow kRows6[] = {
    {{"S1C7"},
     {"Workload manager (WLM) processing failed; the reason code marks an internal error WLM "
      "recovers from or an external error. 0Axx0004: referring to the caller's parameters (for "
      "example those passed to IWMPQRY) caused an 0C4 abend. xxxx0005: in IRASAQUE, WLM's queue "
      "delay sample gatherer, the QM sampling routine QMSAM returned an error or abended too "
      "often, perhaps from damaged QM/EM structures or running unserialized; WLM rebuilds its "
      "internal structure. 1030003: as the WLM address space initialized, a WLM load module "
      "failed to load or is not in the nucleus, possibly after a PTF was not applied correctly; "
      "the system enters a wait state. ",
      kNA, kNA, kSystemErrorRerun}},
    {{"S1FA"},
     {"An error occurred during processing of supervisor call 250 (X'FA'). SVC numbers 200 to 255 "
      "are set aside for SVC routines added by the installation or by other products, so the "
      "condition this code reports is defined by the routine installed under that number. ",
      kNA, kNA, kNA}},
    {{"S1FB"},
     {"A JES3 routine that serves the job found an error in the request it was handling or in "
      "the JES3 data it used, and ended the task with this code. Any messages with the IAT "
      "prefix that JES3 wrote to the job log or the console give more detail. ",
      kNA, kNA, kNA}},
    {{"S1FC"},
     {"Supervisor control ended the task with a code of its FC group, which it gives to errors "
      "found in the processing that follows an interruption of the task: 3FC follows an "
      "external interruption, 6FC a program check handled by a SPIE or ESPIE exit. The system "
      "diagnostic work area (SDWA) in the logrec record names the original error. ",
      kNA, kActEndsUserSvcCaller, kRespIdentifyUserSvc}},
    {{"S200"},
     {"While EXCP validated an I/O request (EXCP or EXCPVR, SVC 0), it met an error that a "
      "three-digit reason code describes. First digit: 1nn a control block's storage key differs "
      "from the key in the caller's RB; 2nn a segment translation error and 3nn a page "
      "translation error, both from a bad address (passed wrongly, overlaid, freed early, or a "
      "data set closed too soon). Second digit, the phase: n1n front end; n2n back end (DASD ERP, "
      "PCI, purge, FRR); n3n post-processing.",
      kNA, "The system abnormally ends the task that issued the EXCP macro.",
      "Check that the IOB, ECB, DCB, DEB and channel program areas belong to the program, are in "
      "its key and were not overlaid or freed. Correct the program and run the job again."}},
    {{"S201"},
     {"During processing of a WAIT or WAITR macro (SVC 1), the system found that the address of an "
      "event control block (ECB), or an address in the list of ECBs, was not valid: it was not on "
      "a fullword boundary, or it pointed to storage that the program cannot change in its "
      "protection key. ",
      kNA,
      "The system abnormally ends the task that issued the WAIT macro; the task is not put "
      "into a wait.",
      "Make sure that every ECB named in the WAIT macro, and every address in an ECB list, is a "
      "fullword-aligned field in storage the program owns. Check that the last address of an ECB "
      "list has its high-order bit on. Correct the program and run it again."}},
    {{"S202"},
     {"During processing of a POST macro, task management found an error with an event control "
      "block (ECB); register 15 holds a reason code: 00 the request block (RB) address in the "
      "three low-order bytes of the ECB, which WAIT placed there, is not valid; 04 the waiting RB "
      "is not enabled for interrupts; 08 a POST in a problem key found no matching ECB among "
      "those waited on in a system key; 0C for a WAIT in a problem key the ECB address, or one "
      "ECB of a list, is not valid, for example because its storage was released. ",
      kNA, kActEndsPostRequester,
      "Verify that the ECB is not changed between the WAIT and the POST and that the waiting task "
      "is still active when the POST is issued. Clear the ECB before each new WAIT on it. Correct "
      "the program and rerun the job."}},
    {{"S204"},
     {"An error occurred during processing of a GETMAIN macro (SVC 4): the parameters described a "
      "request that the system cannot honour, for example a subpool number that the program may "
      "not use or a length that is not valid for the form of the macro. ",
      kNA,
      "The system abnormally ends the program that issued the GETMAIN macro; no storage is "
      "obtained.",
      "Check the subpool number and the length passed to GETMAIN, and correct the program or the "
      "instructions that overlaid the parameter list. Run the job again."}},
    {{"S205"},
     {"During processing of a FREEMAIN macro (SVC 5), the system found an error in the request: "
      "the area named by the address and length did not match storage that the task had obtained "
      "from the subpool given, so the storage could not be released. ",
      kNA,
      "The system abnormally ends the program that issued the FREEMAIN macro; the storage is not "
      "released.",
      "Free exactly the area that was obtained, with the same subpool and a length no larger than "
      "on the GETMAIN, and check that the address register was not changed in between. Correct "
      "the program and rerun the job."}},
    {{"S206"},
     {"During processing of a LINK, LINKX, XCTL, XCTLX, LOAD or DELETE macro (SVC 6, 7, 8 or 9), "
      "the system found that the parameter list was not valid: the address of the entry point "
      "name, of the list entry or of the DCB did not point to storage that the program can "
      "reference. ",
      kNA, kActEndsContentsRequest,
      "Check that the entry point name and the DCB addresses given in the macro point to valid "
      "fields, and that the parameter list was not overlaid before the SVC. Correct the program "
      "and run the job again."}},
    {{"S20A"},
     {"During processing of a GETMAIN or FREEMAIN macro with the R operand (SVC 10), the system "
      "found an incorrect request: the subpool number in register 0 was not one that the program "
      "may use, or the length or address in the registers did not describe a valid area. ",
      kNA,
      "The system abnormally ends the program that issued the R-form GETMAIN or FREEMAIN macro.",
      "Check the values loaded into registers 0 and 1 before the macro, in particular the subpool "
      "number in the high-order byte of register 0, and correct the program. Run the job again."}},
    {{"S20D"},
     {"An error occurred during abnormal termination processing (SVC 13): while the system was "
      "ending a task, a further failure was found, for example in an end-of-task exit or in a "
      "recovery routine, and the system could not finish the termination in the normal way. ",
      kNA,
      "The system completes the ending of the task as far as it can and writes an error record to "
      "the logrec data set.",
      "Look for the original completion code of the task in the messages issued before this one "
      "and correct that error first. If there was no earlier error, give the dump and the logrec "
      "record to the system programmer."}},
    {{"S20E"},
     {"An error occurred during processing of a SPIE macro (SVC 14): the program interruption "
      "exit address or the list of interruption types given in the macro was not valid, or the "
      "macro was issued in a way that SPIE does not support. ",
      kNA, "The system abnormally ends the program that issued the SPIE macro.",
      "Check the exit address and the list of program interruption types in the SPIE macro. A "
      "program that runs in 31-bit addressing mode should use ESPIE rather than SPIE. Correct "
      "the program and run it again."}},
    {{"S20F"},
     {"An error occurred during processing of SVC 15 (ERREXCP), which the I/O supervisor uses to "
      "restart an I/O request after an error recovery procedure has handled it; the request "
      "control blocks passed to the SVC were not in the state it expects. ",
      kNA,
      "The system abnormally ends the task whose I/O request was being retried and writes a logrec "
      "error record.",
      kSystemErrorRerun}},
    {{"S212"},
     {"During processing of a BLDL or FIND macro (SVC 18), the system found an error in the "
      "request: the DCB named was not open for a partitioned data set, or the build list or "
      "member name address pointed to storage that the program cannot use. ",
      kNA,
      "The system abnormally ends the program that issued the BLDL or FIND macro; the directory is "
      "not searched.",
      "Make sure the DCB is open for the partitioned data set before BLDL or FIND is issued and "
      "that the build list starts with a correct entry count and entry length. Correct the "
      "program and run the job again."}},
    {{"S213"},
     {"An error occurred during processing of an OPEN macro for a data set on a direct access "
      "volume. Most often the format-1 data set control block (DSCB) could not be found on the "
      "volume named by the DD statement or by the catalog, which means that the data set is not "
      "on that volume. Message IEC143I gives a return code that identifies the exact error. ",
      kNA, kNA,
      "Check the data set name and the volume serial number on the DD statement, or in the "
      "catalog entry, and make sure the data set exists on that volume. Uncatalog or recreate the "
      "data set if the catalog points to the wrong volume, then run the job again. If an earlier "
      "step was meant to create the data set, check how that step ended and its DISP parameter."}},
    {{"S214"},
     {"An error occurred during processing of a CLOSE macro for a data set on magnetic tape: the "
      "volume could not be positioned as the CLOSE requested, usually because an I/O error "
      "occurred while the system spaced the tape or wrote the trailer labels. Message IEC210I "
      "gives the return code. ",
      kNA, kNA,
      "Look at message IEC210I and at any I/O error messages for the tape unit. Run the job again "
      "on another drive, or with another volume if the tape is damaged. If the error recurs on "
      "sound hardware, report it to the system programmer."}},
    {{"S215"},
     {"During STOW processing (SVC 21, module IGCT0021) DFSMSdfp found the caller's input "
      "unusable; message IEC910I gives the return code: 01 the DCB addressed by register 1 lies "
      "outside the caller's region; 02 the DCB and its DEB do not point to each other; 03 the "
      "DCB's entry pointer to the device characteristics table is wrong; 04 the parameter list "
      "addressed by register 0 lies outside the caller's region. ",
      "NE",
      "The system ends the task, first attempting to write the DCB to the GTF trace data set when "
      "the DCB lies within the caller's region.",
      "For 01 to 03, make sure register 1 held the right DCB address when SVC 21 was issued and "
      "that nothing overlaid the DCB after OPEN; for 04, that register 0 addressed a parameter "
      "list inside the region. For a trace, run GTF with TRACE=SYS,USR,SLIP and code "
      "DCB=DIAGNS=TRACE on the DD statement."}},
    {{"S218"},
     {"During processing of a DEVTYPE macro (SVC 24), the system found that the DD name or the "
      "output area address given in the macro was not valid, so the device characteristics could "
      "not be returned to the caller. ",
      kNA, kNA,
      "Check that the DD name passed to DEVTYPE matches a DD statement of the step and that the "
      "output area lies in the program's own storage. Correct the program and run the job "
      "again."}},
    {{"S219"},
     {"During processing of a TRKBAL macro (SVC 25), which finds how much space is left on the "
      "current track, the system found that the DCB was not open or did not describe a data set "
      "on a direct access device. ",
      kNA, "The system abnormally ends the program that issued the TRKBAL macro.",
      "Make sure the DCB passed to TRKBAL is open for a data set on a direct access device and "
      "was not overlaid. Correct the program and run it again."}},
    {{"S222"},
     {"The job was cancelled without a dump: the operator entered a CANCEL command for it, a TSO/E "
      "user cancelled it, or an automation program or the job entry subsystem did so on their "
      "behalf, for example because the job was looping or was waiting too long for a resource. ",
      kNA, "The system ends the job. No dump is taken.",
      "Find out from the operator or the system log why the job was cancelled. Correct the cause "
      "if there was one, such as a loop or a long wait for a data set held by another job, and "
      "submit the job again."}},
    {{"S228"},
     {"An error occurred during processing of an EXTRACT macro (SVC 40): the task control block "
      "address or the answer area given in the macro was not valid, or the TCB named was neither "
      "the issuing task nor one of its subtasks. ",
      kNA, kNA, kNA}},
    {{"S22A"},
     {"During processing of an ATTACH or ATTACHX macro (SVC 42), the system found an error in the "
      "parameter list, for example an incorrect address for the entry point name, the ECB or the "
      "end-of-task exit routine, or a combination of operands that is not allowed. ",
      kNA, kActEndsAttachIssuer,
      "Check the addresses and the options in the ATTACH macro against the program listing, and "
      "correct the program or the instructions that overlaid the parameter list. Run the job "
      "again."}},
    {{"S22C"},
     {"During processing of a CHAP macro, task management found that the address of the fullword "
      "named by the second operand was not valid; that fullword should hold the address of the "
      "TCB of the subtask whose priority is to change. ",
      "Possible causes: the address is not a multiple of 4; the virtual storage it points to has "
      "not been allocated; the protection key of the fullword differs from the key of the "
      "program that issued CHAP. A GTF trace with TRACE=SVCP and SVC=44 shows the operands. ",
      "The system abnormally ends the program that issued the CHAP macro; no priority is "
      "changed.",
      "Give CHAP the address of a fullword the program owns, in its own key and on a fullword "
      "boundary, and make sure it holds the TCB address when CHAP runs and is not overwritten. "
      "Run the job again."}},
    {{"S22D"},
     {"Answering a program's overlay request, the overlay supervisor met an address in the "
      "overlay segment table or the entry table that lies outside the job step's virtual storage. "
      "Both tables sit in the load module, in the program's own key; overlay programs run only in "
      "24-bit mode. ",
      kNA,
      "The system abnormally ends the program that requested the overlay, with an ABEND dump if a "
      "dump DD statement is present.",
      "Find and correct the code that changed the segment table or the entry table, then "
      "assemble, link edit and run the program again."}},
    {{"S22F"},
     {"During processing of an STIMER or STIMERM macro (SVC 47), the system found an error: the "
      "address of the time interval, of the exit routine or of the parameter list was not valid, "
      "or the interval requested was out of the allowed range. ",
      kNA, kNA,
      "Check the interval value and the exit routine address given in the STIMER or STIMERM macro "
      "and make sure the storage that holds them belongs to the program. Correct the program and "
      "run the job again."}},
    {{"S230"},
     {"During processing of a DEQ macro (SVC 48), the system found that the parameter list was not "
      "valid: the address of the queue name or of the resource name was incorrect, the resource "
      "name length was out of range, or a list of resources was not properly ended. ",
      kNA, kActEndsDeqIssuer,
      "Check the QNAME, RNAME and length operands of the DEQ macro, and, for a list of resources, "
      "the end indicator on the last element. Correct the program and run the job again."}},
    {{"S233"},
     {"During processing of an SDUMP or SDUMPX macro (SVC 51), the system found that the parameter "
      "list supplied by the caller was not valid, so no dump could be scheduled. ",
      "Possible causes: the parameter list was overlaid after the macro expansion built it; the "
      "ECB, SRB or storage list addresses in it did not point to valid storage; operands that "
      "cannot be combined were specified together; the caller was not in supervisor state or a "
      "system key, as the service requires. Register 15 holds a reason code that identifies the "
      "error. ",
      "The system abnormally ends the caller of SDUMP; no SVC dump is taken for this request.",
      "Compare the SDUMP or SDUMPX parameter list in the dump with the macro expansion in the "
      "program listing, and correct the program. Run the job again."}},
    {{"S235"},
     {"During processing of a RELEX macro (SVC 53), used with BDAM to release exclusive control of "
      "a block, the system found an error: the DCB was not open for a direct data set, or the "
      "block address given was not valid. ",
      kNA, "The system abnormally ends the program that issued the RELEX macro.",
      "Check that the DCB is open for BDAM processing and that the block reference passed to RELEX "
      "names a block the task holds under exclusive control. Correct the program and run it "
      "again."}},
    {{"S237"},
     {"An error occurred at end of volume (SVC 55). The block count in the trailer label of a tape "
      "did not match the number of blocks the system had read, or the data set name in the header "
      "label of the next volume did not match the name requested. Message IEC024I gives the "
      "return code. ",
      kNA, kNA,
      "A block count mismatch usually means that blocks were skipped or read twice, often because "
      "of a tape or drive error: read the data set on another drive, or recreate it. For a name "
      "mismatch, check that the volumes are mounted in the order listed on the DD statement. Run "
      "the job again."}},
    {{"S238"},
     {"During processing of an ENQ or RESERVE macro (SVC 56), the system found that the request "
      "could not be honoured: the parameter list was not valid, or the system could not obtain "
      "the storage it needs to queue the request. ",
      kNA, kActEndsEnqIssuer,
      "Check the QNAME, RNAME, length and scope operands of the macro, and that the program does "
      "not keep an unusually large number of requests outstanding. Correct the program and run "
      "the job again; if storage was short, tell the system programmer."}},
    {{"S239"},
     {"An error occurred in processing for SVC 57, which frees a buffer or extends the "
      "unscheduled list (FREEDBUF, issued by the user or the system): the BDAM task recovery "
      "routine found that a control block SVC 57 needed was not in the user's region or key. "
      "Message IEC902I comes with it and explains the return code in register 15. ",
      kNA,
      "The system issues message IEC902I with a cleanup code that tells what the recovery "
      "routine's cleanup of resources achieved.",
      "Check what FREEDBUF was given: DCBBUFCB must address the buffer control block, DCBDYNB the "
      "unscheduled list, DECAREA in the DECB the buffer being freed. Correct the program and rerun "
      "the job."}},
    {{"S23E"},
     {"During processing of a DETACH macro, task management found an error in the input; "
      "register 15 holds a reason code: 00 the protection key of the address does not match the "
      "key of the issuer of DETACH; 04 access register 1 was not zero for a caller in access "
      "register ASC mode; 08 the TCB given is not a subtask of the caller's TCB. ",
      kNA, kActEndsDetachIssuer,
      "Give DETACH the TCB address of a subtask that this task attached, keep the program from "
      "overwriting it, and in access register mode leave access register 1 alone. Correct the "
      "program and run the job again."}},
    {{"S23F"},
     {"An error occurred during CHKPT (SVC 63) processing. A documented cause: the program wrote "
      "its own data into the checkpoint data set, which may hold only checkpoint entries; message "
      "IEC954I is issued before the abend. ",
      kNA, kActEndsCheckpointStep,
      "Keep the checkpoint data set for checkpoint entries only, check its DD statement and the "
      "DCB passed to CHKPT, and read IEC954I or the IHJ messages. Correct the error and rerun the "
      "job."}},
    {{"S240"},
     {"During processing of a RDJFCB macro (SVC 64), the system could not read the job file "
      "control block: the DCB named had no DD statement in the step, the exit list entry for the "
      "JFCB area was missing or not valid, or the area was in storage that the program cannot "
      "change. ",
      kNA, kNA,
      "Make sure the DCB passed to RDJFCB names a DD statement present in the step and has an exit "
      "list with a JFCB entry that points to a 176-byte area of the program. Correct the program "
      "or the JCL and run the job again."}},
    {{"S244"},
     {"During processing of a SYNADAF or SYNADRLS macro (SVC 68), issued from an I/O error "
      "routine, the system found that the registers passed did not hold the values the access "
      "method gave the SYNAD routine, or SYNADRLS was issued without a SYNADAF before it. ",
      kNA, kNA,
      "Issue SYNADAF only in a SYNAD routine, with the registers as the access method passed them, "
      "and pair each SYNADAF with one SYNADRLS. Correct the program and run the job again."}},
    {{"S245"},
     {"During processing of a BSP macro (SVC 69), which backspaces a data set by one block, the "
      "system found an error: the DCB was not open for a BSAM data set on tape or direct access, "
      "or the backspace could not be carried out on the device. ",
      kNA, "The system abnormally ends the program that issued the BSP macro.",
      "Use BSP only with an open BSAM DCB, and check that every earlier READ or WRITE was "
      "completed "
      "with a CHECK macro before the backspace. Correct the program and rerun the job."}},
    {{"S247"},
     {"An error occurred during processing of a buffer request made through supervisor call 71 "
      "(X'47'), which device-dependent access method support uses to assign, inquire about and "
      "release buffers; the control block or buffer address passed to the SVC was not valid. ",
      kNA, "The system abnormally ends the task that issued the buffer request.",
      "Check the DCB and buffer addresses that the program passes with the request, and correct "
      "any instruction that overlays them. Run the job again, and give the dump to the system "
      "programmer if the cause is not in the program."}},
    {{"S251"},
     {"During processing of a SETPRT macro (SVC 81), which loads the universal character set or "
      "forms control buffer of a printer, the system found an error in the parameter list, or "
      "the DCB named was not open for a printer. ",
      kNA,
      "The system abnormally ends the program that issued the SETPRT macro; the printer buffers "
      "are not changed.",
      "Check the SETPRT parameter list and the UCS and FCB image names against those in "
      "SYS1.IMAGELIB, and make sure the DCB is open for the printer. Correct the program and "
      "rerun the job."}},
    {{"S253"},
     {"During processing of an SMFWTM or SMFEWTM macro (SVC 83), which writes a record to the SMF "
      "data sets, the system found an error: the record address or length was not valid, or the "
      "caller was not authorized to write SMF records. ",
      kNA,
      "The system abnormally ends the program that issued the SMF record-writing macro; the record "
      "is not written.",
      "Check the length field at the start of the record and the address passed to the macro, "
      "and run the program authorized if it must write SMF records. Correct the program and run "
      "the job again."}},
    {{"S25F"},
     {"During processing of a SYSEVENT macro (SVC 95), by which system components report events "
      "to the system resources manager, the system found an error in the request, such as an "
      "event code that is not valid or a parameter that does not suit the event. ",
      kNA, kActEndsSyseventIssuer, kNA}},
    {{"S260"},
     {"During processing of a STAX macro (SVC 96), which sets up an attention exit for a TSO/E "
      "terminal session, the system found that the parameter list or the exit routine address was "
      "not valid. ",
      kNA,
      "The system abnormally ends the program that issued the STAX macro; the attention exit is "
      "not established.",
      kNA}},
    {{"S269"},
     {"During processing of an IMGLIB macro (SVC 105), which opens or closes the image library "
      "SYS1.IMAGELIB, the system found an error in the request: the DCB address was not valid, or "
      "the library could not be opened. ",
      kNA, "The system abnormally ends the program that issued the IMGLIB macro.",
      "Check that SYS1.IMAGELIB is cataloged and available, and that the program passes IMGLIB the "
      "DCB address it received when the library was opened. Correct the error and run the job "
      "again."}},
    {{"S271"},
     {"During processing of a PGFIX, PGFREE, PGLOAD, PGOUT or PGANY request (SVC 113), the system "
      "found an error in the virtual storage range or in the parameters, for example a range "
      "outside the caller's address space or a PGFREE for pages that the task had not fixed. ",
      kNA, "The system abnormally ends the program that issued the paging services request.",
      "Check the start and end addresses of the range and the ECB address passed to the paging "
      "services macro, and balance every PGFIX with a PGFREE for the same range. Correct the "
      "program and run the job again."}},
    {{"S278"},
     {"During processing of a GETMAIN or FREEMAIN macro with the RU, RC, VRU or VRC operand (SVC "
      "120), or of a STORAGE macro, the system found an error in the request, for example a "
      "subpool that the caller may not use, a length of zero, or an area to be freed that was not "
      "obtained. ",
      kNA, kActEndsStorageIssuer,
      "Check the subpool, the length and the address in the request against what the program "
      "obtained earlier, and correct the code that built or overlaid them. Run the job again."}},
    {{"S279"},
     {"An error occurred during processing of supervisor call 121 (X'79'), which VSAM uses for "
      "functions that need supervisor state, such as fixing and freeing pages of its control "
      "blocks and buffers; the request passed to the SVC was not valid. ",
      "Possible causes: the access method control block (ACB) or another VSAM control block passed "
      "to the SVC was overlaid by the program; the request was made for an ACB that had already "
      "been closed; the storage holding the VSAM control blocks was freed while requests were "
      "still outstanding. ",
      "The system abnormally ends the task that issued the VSAM request.",
      "Check the program for instructions that store into the ACB, the RPL or the VSAM buffers, "
      "and make sure no request is issued after the ACB is closed. Correct the program and run "
      "the job again."}},
    {{"S27B"},
     {"During processing of a PURGEDQ macro (SVC 123), which purges the service request blocks "
      "(SRBs) queued for a resource manager, the system found that the parameter list was not "
      "valid or that the caller was not authorized to use PURGEDQ. ",
      kNA, "The system abnormally ends the program that issued the PURGEDQ macro.",
      "PURGEDQ must be issued in supervisor state or with a system key, and with a valid parameter "
      "list. Correct the caller or its parameters and run the job again."}},
    {{"S282"},
     {"RACF rejected the RACROUTE REQUEST=AUTH (RACHECK) parameters; reason code in register 15 "
      "and ICH409I: 04 bad list length; 10 CSA, LOG, PRIVATE, PROFILE, ACEE, UTOKEN, USERID or "
      "GROUPID without APF, key 0-7 or supervisor state; 14 bad ATTR; 18 no volume serial; 1C "
      "PROFILE and ENTITY flags disagree; 20 no resource name or PROFILE; 24 no CLASS; 2C bad LOG "
      "(to RACF 1.4); 30 volume serial for a class not DATASET; 34 bad file sequence number; 38, "
      "3C file sequence number or tape label for a non-tape data set; 40 bad tape label option; "
      "44 bad erase-on-scratch; 48 USERID=*; 4C ENTITYX lengths both zero; 50 bad buffer length; "
      "54 bad entity name length; 58 in-storage profile at the wrong version. ",
      kNA, kActEndsRacfRequest,
      "Correct the operand or the environment the reason code names, and run the job again."}},
    {{"S283"},
     {"RACF found an error in the parameters passed for RACROUTE REQUEST=VERIFY (RACINIT). Reason "
      "code in register 15 and ICH409I: 04 bad parameter list length; 14 bad ENVIR data; 18 to 24 "
      "a user ID, password, group or new password of wrong length; 28 OIDCARD length zero; 30 "
      "ENVIR "
      "combined with operands it does not allow, or PHRASE or NEWPHRASE without ENVIR=CREATE; 34 "
      "ENVIR combined with GROUP wrongly; 38 ENVIR=CHANGE with no ACEE; 3C *NONE* "
      "or *BYPASS* used wrongly, or no password for a check; 44, 48 SESSION=APPCTP without POE or "
      "APPL, or a default UTOKEN with no password. ",
      kNA, kActEndsRacfRequest,
      "Correct the VERIFY operands the reason code names, and run the job again."}},
    {{"S285"},
     {"RACF rejected the RACDEF (RACROUTE REQUEST=DEFINE) parameters; reason code in register 15 "
      "and ICH409I: 04 bad list length; 08 bad level; 0C bad TYPE; 10 no valid non-blank resource "
      "name or NEWNAME; 14 new data set name or old volume flagged, address zero; 18 no volume "
      "serial; 1C both of those flags set; 24 DATASET operands for a general resource class; 28 "
      "model data with a TYPE other than DEFINE for DATASET; 2C model name without model volume; "
      "30 unqualified data set name (not with RACFIND=NO); 34 no old volume for CHGVOL; 38 bad "
      "unit length; 3C bad AUDIT; 40 OWNER not a RACF user or group, or revoked; 44 bad UACC; 48 "
      "rename with only one of ENTITY and NEWNAME generic, or a one-qualifier profile without "
      "such protection active. ",
      kNA, kActEndsRacfRequest, kNA}},
    {{"S28A"},
     {"During processing of a PGSER macro (SVC 138), the system found an error in the request, for "
      "example a storage range that is not in the caller's address space, or a request to free "
      "pages that were not fixed by the task. ",
      kNA, "The system abnormally ends the program that issued the PGSER macro.",
      "Check the start and end addresses, the ECB and the options passed on PGSER, and make every "
      "FREE request match an earlier FIX of the same range. Correct the program and run the job "
      "again."}},
    {{"S2C2"},
     {"A system component found an error while it served a request and ended the unit of work it "
      "was running for. The component handles the failure itself: it records the error and, "
      "where it can, retries or cleans up, so that the requester need not act. ",
      kNA,
      "The system writes a logrec error record for the failure, takes a dump if the component "
      "asks for one, and continues with other work.",
      kNone}},
    {{"S2C6"},
     {"The real storage manager, whose services include the IARSUBSP subspace service, found an "
      "internal error while it processed a request and could not complete it; the error is in "
      "the system's own processing rather than in the caller's parameters. ",
      kNA,
      "The system abnormally ends the program for which the storage management request was being "
      "processed.",
      kSystemErrorRerun}},
    {{"S2F3"},
     {"The job was running when the system failed or was re-IPLed. When the job entry subsystem "
      "restarted, it found the job marked as in execution and, as the job could not be restarted "
      "automatically, ended it with this code. ",
      kNA, kNA,
      "Find out whether the job left data sets incomplete when the system failed, clean them up "
      "or restore them, and submit the job again. A job that may safely be restarted after a "
      "system failure can ask for that through the restart options of the job entry subsystem."}},
    {{"S2FB"},
     {"JES3 ended the task after one of its routines working for the job, for example one that "
      "handles a subsystem request in the job's own address space, found a request or a JES3 "
      "control block it could not use. IAT messages issued with the code describe the problem. ",
      kNA, kActEndsUserSvcCaller, kRespIdentifyUserSvc}},
    {{"S2FC"},
     {"An error was found by supervisor control in the processing that follows an interruption "
      "of the task; the FC codes belong to that processing (3FC after an external interruption, "
      "6FC after a program check with a SPIE or ESPIE exit). The original error is recorded in "
      "the SDWA of the logrec record. ",
      kNA, kActEndsUserSvcCaller, kRespIdentifyUserSvc}},
    {{"S300"},
     {"EXCP processing found an error in an I/O request; the reason code tells which: 1 (front "
      "end) or 2 (related request) a DEB that is not in the DEB table, whose DEBTBLOF offset is "
      "out of range, or whose address taken from the DCB matches no table entry; 3 the DEB is "
      "neither an EXCP nor an ISAM DEB; 4 the IOBM field of the IOB exceeds DEBNMEXT; 5 the RRQ "
      "address in the DEB differs from that in an RQE of the DEB; 6 data set name hiding is "
      "active and the user may not read the VTOC; 7 a bad IOB on the IOB restore chain during "
      "purge; 8 a bad DEB in the job step TCB's DEB table during purge. ",
      kNA,
      "The system abnormally ends the current task and takes a SNAP dump; for reason code 8 it "
      "only records the condition and goes on.",
      "Correct the control blocks the reason code names; in the dump, TCBEXCPD at X'C0' in the "
      "TCB points to the EXCP debugging area (XDBA). Run the job again."}},
    {{"S301"},
     {"During processing of a WAIT or WAITR macro (SVC 1), the system found that the wait bit was "
      "already on in an event control block (ECB) named by the macro: another WAIT was still "
      "outstanding on the same ECB, and only one task may wait on an ECB at a time. ",
      kNA, kEndsWaitIssuer, kEndsWaitIssuer}},
    {{"S302"},
     {"During processing of a POST macro (SVC 2), the system found an error in the event control "
      "block or in a request made by an authorized caller, such as an incorrect ASCB address or "
      "error routine address on a cross memory POST. ",
      kNA, kActEndsPostRequester,
      "Check the ECB address and, for a cross memory POST, the ASCB and error routine addresses "
      "passed to the macro. Correct the program and run the job again."}},
    {{"S305"},
     {"During processing of a FREEMAIN macro (SVC 5), the system found that the area to be freed, "
      "or part of it, had not been obtained by the task from the subpool named in the request, or "
      "had already been freed. ",
      kNA,
      "The system abnormally ends the program that issued the FREEMAIN macro; none of the area is "
      "released.",
      "Free only storage that the same task obtained, with the same subpool, and free it once. "
      "Look "
      "for a register that was changed between the GETMAIN and the FREEMAIN. Correct the program "
      "and rerun the job."}},
};

constexpr TextRow kRows7[] = {
    {{"S306"},
     {"Contents supervision refused a LINK, LOAD, XCTL or ATTACH request: a program running "
      "authorized (supervisor state, system key or APF-authorized) asked for a module that lies "
      "outside the APF-authorized libraries and the link pack area, which it may not call. ATTACH "
      "with RSAPF=YES from supervisor state or key 0-7 is exempt; that subtask runs unauthorized. ",
      kNA, kActEndsContentsRequest,
      "Put the module into an APF-authorized library or the link pack area, or attach it with "
      "RSAPF=YES so that it runs unauthorized. Run the job again."}},
    {{"S30A"},
     {"During processing of a FREEMAIN macro with the R operand (SVC 10), the system found that "
      "the storage to be freed was not wholly allocated to the task in the subpool given, or that "
      "it overlapped an area that was already free. ",
      kNA,
      "The system abnormally ends the program that issued the R-form FREEMAIN macro; the storage "
      "stays allocated.",
      "Make sure registers 0 and 1 hold the length, the subpool and the address of an area that "
      "the task obtained, and that the area is not freed twice. Correct the program and run the "
      "job again."}},
    {{"S30E"},
     {"During processing of a SPIE macro (SVC 14), the system found an error in the program "
      "interruption control area (PICA) named by the macro, or the address of a previous PICA "
      "that the program asked to restore was not valid. ",
      kNA, "The system abnormally ends the task that issued the SPIE macro.",
      "Check the PICA that the program builds or restores, in particular the exit address and the "
      "interruption mask, and make sure it was not overlaid. Correct the program and run the job "
      "again."}},
    {{"S312"},
     {"During processing of a BLDL or FIND macro (SVC 18) for a partitioned data set, the system "
      "encountered an error while it read or searched the directory. ",
      "Possible causes: an I/O error on a directory block; a directory damaged, for example by a "
      "program that wrote into the data set with a sequential DCB; a DCB or DEB that no longer "
      "describes the partitioned data set the program opened. ",
      "The system abnormally ends the program that issued the directory request.", kNA}},
    {{"S313"},
     {"During processing of an OPEN macro, an I/O error occurred while the system read a data set "
      "control block (DSCB) from the volume table of contents (VTOC) of the direct access volume. "
      "Message IEC144I gives the return code. ",
      kNA, kNA,
      "Run the job again. If the I/O error persists, have the VTOC of the volume checked, and ask "
      "the system programmer to move or restore the data set."}},
    {{"S314"},
     {"During processing of a CLOSE macro, an I/O error occurred while the system read or wrote a "
      "data set control block (DSCB) in the VTOC of a direct access volume to bring the "
      "description of the data set up to date. The message issued with the code gives the return "
      "code. ",
      kNA, kNA,
      "Rerun the job; if the I/O error recurs on the same volume, have the VTOC checked. The data "
      "set may not reflect the last output written, so check its contents before using it."}},
    {{"S315"},
     {"During processing of a STOW macro (SVC 21), an I/O error occurred while the system read or "
      "wrote the directory of the partitioned data set, so the directory may not show the change "
      "the program requested. ",
      kNA, "The system abnormally ends the program that issued the STOW macro.",
      "Run the job again; if the error recurs, the directory may be damaged and the data set "
      "should be copied or restored. Check the member list afterwards with a directory "
      "listing."}},
    {{"S317"},
     {"During processing of a CLOSE macro with TYPE=T (SVC 23), an I/O error occurred while the "
      "system read or wrote the data set control block of a data set on a direct access "
      "volume. ",
      kNA, kNA,
      "Run the job again. If the same I/O error occurs, ask the system programmer to check the "
      "VTOC of the volume and, if needed, to restore the data set."}},
    {{"S322"},
     {"The job, the job step or a step of a cataloged procedure used more processor time than it "
      "was allowed. The limit came from the TIME parameter of the JOB or EXEC statement, from the "
      "default of the job class, or from an installation exit routine that set it. ",
      "Possible causes: the TIME value on the JOB or EXEC statement is too small for the work; "
      "the program is in a loop; the input is much larger than expected; the default of the job "
      "class is lower than the job needs; the installation's IEFUTL exit declined to extend the "
      "time. The limit may be the total for the job or the one for a single step. ",
      "The system abnormally ends the job step. Later steps run only if their COND or IF "
      "conditions allow it.",
      "If the program is looping, correct it. Otherwise increase TIME on the JOB or EXEC "
      "statement, or run the job in a class with a larger time limit, and submit it again. "
      "TIME=1440 "
      "or TIME=NOLIMIT removes the limit for a step where the installation allows it."}},
    {{"S328"},
     {"During processing of an EXTRACT macro (SVC 40), the system found that the answer area or "
      "the field list supplied by the program was not in storage that the program may change. ",
      kNA, "The system abnormally ends the program that issued the EXTRACT macro.",
      "Supply an answer area with one fullword for each field requested, in the program's own "
      "storage, and check the TCB address in the macro. Correct the program and run the job "
      "again."}},
    {{"S32D"},
     {"The overlay supervisor (SVC 45) could not load a segment of an overlay program: an I/O "
      "error occurred while the segment was read, or the copy of the module in the program "
      "library is damaged. ",
      kNA,
      "The system abnormally ends the task running the overlay program; the segment is not "
      "loaded.",
      "Run the job again. If the error recurs, link edit the overlay program into the library "
      "again, or copy the library to another volume."}},
    {{"S32E"},
     {"During processing of a TTIMER macro or an STIMERM TEST or CANCEL request (SVC 46), the "
      "system found an error: the request named a timer interval that did not exist, or the "
      "parameter address was not valid. ",
      kNA, "The system abnormally ends the program that issued the TTIMER macro.",
      "Check the timer identifier and the parameter addresses passed to the macro, and cancel "
      "only intervals that the task set and that have not already expired. Correct the program "
      "and run the job again."}},
    {{"S330"},
     {"Global resource serialization found that an unauthorized task used authorized options of "
      "the DEQ macro. Register 15 may hold a reason code: xxxx0001 an authorized resource was "
      "named; xxxx0002 an ISGNQXIT exit gave an authorized resource name for the request; "
      "xxxx0006 TCB or RMC was specified; xxxx0007 a generic request was made. Other values come "
      "from ISGENQ REQUEST=RELEASE. ",
      kNA, kActEndsDeqIssuer,
      "Use a major name that is not reserved for authorized programs, or run the program "
      "authorized, and leave out TCB, RMC and generic requests in an unauthorized program. For "
      "0002, the ISGNQXIT exit is at fault. Run the job again."}},
    {{"S333"},
     {"An error occurred during processing of an SDUMP or SDUMPX macro: the dump could not be "
      "taken as the caller asked, because of an error in the caller's environment or in the "
      "storage the request named. ",
      "Register 15 holds a reason code. Possible causes: a storage list or subpool list named in "
      "the macro was not in addressable storage; the caller was not authorized to request an SVC "
      "dump; the caller held a lock or ran disabled when it issued the SVC form of the macro, "
      "which it may not do. ",
      "The system abnormally ends the program that issued the SDUMP macro; the dump is not "
      "written.",
      "Use the reason code to find the failing operand or condition, correct the SDUMP or SDUMPX "
      "macro or the state in which it is issued, and run the job again."}},
    {{"S335"},
     {"During processing of a RELEX macro (SVC 53), the system found that the block named was not "
      "held under exclusive control by the task, so there was nothing to release. ",
      kNA, kNA,
      "Release exclusive control only for a block that the task obtained with a READ macro "
      "requesting exclusive control, and release it once. Correct the program and run the job "
      "again."}},
    {{"S337"},
     {"An error occurred at end of volume (SVC 55): the end of an input data set was reached, but "
      "the DCB gave no end-of-data routine (EODAD), or the program issued another read after the "
      "end of the data had been reported. Message IEC026I gives the return code. ",
      kNA, kNA,
      "Code an EODAD routine address in the DCB, or in the DCB subparameters of the DD statement, "
      "and make sure the program does not read again after end of data. If more data was expected, "
      "check that the input data set is complete and that all of its volumes are named. Correct "
      "the program and run the job again."}},
    {{"S338"},
     {"Global resource serialization found that an unauthorized task used authorized options of "
      "the ENQ macro; register 15 may hold a reason code: xxxx0001 an authorized resource; "
      "xxxx0002 an ISGNQXIT exit gave an authorized name; xxxx0003 RESERVE of a device not "
      "allocated to the task; xxxx0004 an ISGNQXIT exit gave such a device; xxxx0005 a MASID "
      "request; xxxx0006 TCB or SMC; xxxx0008 an ECB request. Other values come from ISGENQ. ",
      kNA, kActEndsEnqIssuer,
      "Check the queue name, the scope and the UCB address in the macro; a program that must "
      "serialize restricted resources has to run authorized. Correct the program and rerun the "
      "job."}},
    {{"S339"},
     {"During processing of a FREEDBUF macro (SVC 57), the system found that the buffer being "
      "returned was already free or did not belong to the buffer pool of the DCB. ",
      kNA, kNA,
      "Return each dynamically obtained buffer to FREEDBUF only once, and with the DCB it came "
      "from. Correct the program and run the job again."}},
    {{"S33E"},
     {"A task issued a DETACH macro with STAE=YES for a subtask that had not yet ended, and the "
      "system ended that subtask with this code; without STAE=YES the code would be 13E. The "
      "task that issued DETACH is not ended. ",
      kNA,
      "The system abnormally ends the subtask named in the DETACH macro, giving its recovery "
      "routines control first; the task that issued DETACH continues.",
      "If the subtask should finish its work, wait on its end-of-task ECB, or use an ETXR "
      "routine, before issuing DETACH. If ending it early was intended, nothing needs to be "
      "done."}},
    {{"S33F"},
     {"A CHKPT macro (SVC 63) could not complete: an error occurred while the system wrote the "
      "checkpoint entry, for example an I/O error on the checkpoint data set, or the job was in a "
      "condition that checkpoint does not support, such as a data set open in a way that cannot "
      "be restored. ",
      kNA, kActEndsCheckpointStep,
      "Look at the IHJ messages issued with the failure, correct the checkpoint data set or the "
      "condition they describe, and run the job again."}},
    {{"S344"},
     {"During processing of a SYNADAF macro, the system found that the DCB or the I/O block passed "
      "in the registers did not describe a request that had failed, so the error message could "
      "not be built. ",
      kNA, kNA,
      "Issue SYNADAF only from the SYNAD routine entered for the failing request, passing the DCB "
      "or ACB and the registers the access method supplied. Correct the program and run the job "
      "again."}},
    {{"S351"},
     {"During processing of a SETPRT macro, an error occurred while the system loaded an image "
      "from SYS1.IMAGELIB into the printer, and retrying did not correct it. ",
      kNA, kNA,
      "Check that the image named exists in SYS1.IMAGELIB and suits the printer model, and try "
      "another printer if the device may be at fault. Run the job again."}},
    {{"S35F"},
     {"During processing of a SYSEVENT macro, the system resources manager found that the caller "
      "was not authorized to report the event it named, or was in a state in which that event "
      "may not be reported. ",
      kNA, kActEndsSyseventIssuer, kNA}},
    {{"S36D"},
     {"An error occurred during processing of supervisor call 109 (X'6D'), which passes control "
      "to the extended service routine (ESR) named by the code in register 15: the routine "
      "selected found an error in the request. An ESR code that is too large or not supported "
      "is not reported here but as 16D. ",
      kNA, "The system abnormally ends the task that issued the extended SVC request.", kNA}},
    {{"S36F"},
     {"An error was found during processing of supervisor call 111 (X'6F'): the request passed to "
      "the SVC routine was not valid, or the routine could not complete it for the caller. ",
      kNA, "The system abnormally ends the task that issued supervisor call 111.", kNA}},
    {{"S378"},
     {"During processing of a FREEMAIN macro or a STORAGE RELEASE request, the system found that "
      "the storage to be released was not allocated to the caller in the subpool given: part or "
      "all of the area was already free, or it belonged to a different subpool or key. Register "
      "15 holds a reason code. ",
      kNA, kActEndsStorageIssuer,
      "Use the reason code to see which check failed. Release only storage that was obtained, with "
      "the same subpool, key and length, and never release an area twice. Correct the program "
      "and run the job again."}},
    {{"S37A"},
     {"An error occurred during processing of supervisor call 122 (X'7A'), one of the SVCs that "
      "pass control to an extended service routine (ESR) by a code in register 15: the routine "
      "selected found an error in the caller's request. An ESR code that is too large or not "
      "supported is reported as 16D instead. ",
      kNA, "The system abnormally ends the program that made the extended SVC request.",
      "Check the parameters the program or the macro expansion passes to the selected service. "
      "Correct the program and run the job again."}},
    {{"S37B"},
     {"During processing of a PURGEDQ macro, the system found an error while it purged the service "
      "request blocks of the resource manager named, for example an SRB queue that had been "
      "damaged. ",
      kNA,
      "The system abnormally ends the program that issued PURGEDQ; some SRBs may not have been "
      "purged.",
      "Give the dump and the logrec record to the system programmer, and run the job again once "
      "the cause has been found."}},
    {{"S37D"},
     {"During processing of an EVENTS macro (SVC 125), the system found that the event table named "
      "had not been created by this task, or that an entry address given to be posted or waited "
      "on was not in the table. ",
      kNA,
      "The system abnormally ends the task that issued the EVENTS macro; the event table is not "
      "changed.",
      "Use the table address returned by EVENTS ENTRIES=n, and pass only ECB addresses that belong "
      "to that table. Correct the program and run the job again."}},
    {{"S382"},
     {"During RACHECK or RACROUTE REQUEST=AUTH processing, the installation exit routine ICHRCX01 "
      "or ICHRCX02 returned a return code that RACF does not accept. ",
      kNA, kActEndsRacfRequest,
      "Have the system programmer correct the RACHECK preprocessing or postprocessing exit "
      "(ICHRCX01 or ICHRCX02) so that it returns only the codes RACF defines. Run the job again "
      "after the exit is fixed."}},
    {{"S383"},
     {"During RACINIT or RACROUTE REQUEST=VERIFY processing, the installation exit routine "
      "ICHRIX01 or ICHRIX02 returned a return code that is not valid. ",
      kNA, kActEndsRacfRequest,
      "The RACINIT exit ICHRIX01 or ICHRIX02 must be corrected to return a valid code; tell the "
      "system programmer. The user cannot sign on or run work under that identity until it is "
      "fixed."}},
    {{"S385"},
     {"During RACDEF or RACROUTE REQUEST=DEFINE processing, the installation exit routine "
      "ICHRDX01 or ICHRDX02 returned a return code that RACF does not accept. ",
      kNA, kActEndsRacfRequest,
      "Report the failure to the system programmer, who should correct the RACDEF exit ICHRDX01 "
      "or ICHRDX02. Define, rename or delete the profile again after the exit is fixed."}},
    {{"S3C2"},
     {"A system component ended the work it was doing for a requester after it found an error in "
      "its own processing. The component recovers on its own; the record it leaves serves the "
      "system programmer if the failure repeats. ",
      kNA,
      "The system records the error in the logrec data set and ends the unit of work that was in "
      "error; system processing continues.",
      kNone}},
    {{"S3C4"},
     {"A system service found an internal error while it processed a request and could not "
      "complete it; the error lies in system code or in system control blocks rather than in the "
      "parameters of the requester. ",
      kNA,
      "The system abnormally ends the task for which the service was working and writes a logrec "
      "error record.",
      kSystemErrorRerun}},
    {{"S3C5"},
     {"A system service ended the requester because it found an error in the request or in its "
      "own processing; where the service supplies one, a reason code in register 15 and in the "
      "dump identifies the check that failed. ",
      kNA, kNA, kNA}},
    {{"S3C6"}, {"An error occurred during IARSUBSP macro processing", kNA, kNA, kNA}},
    {{"S3C7"},
     {"RACF's storage manager failed during a request that did not come through an SVC, and the "
      "system ends the service request. Reason code (register 15; ICH409I if issued): 04 length "
      "to get or free not above zero; 08 area to free not doubleword aligned; 0C area already "
      "freed; 10 wrong subpool for the area; 14 area overlaps an allocation, fitting neither a "
      "full nor a partial free; 18 area has no GETMAIN entry in the tracking table, and the "
      "caller did not say it would have none; 1C it has one, though the caller said it would not; "
      "20 a temporary area still held at the end; A0, A4 get-space with register 1 nonzero but "
      "not the earlier buffer, or register 0 naming another subpool; A8, AC free-space with "
      "register 1 zero or not that buffer. ",
      kNA, kNA, kSystemErrorRerun}},
};

constexpr TextRow kRows8[] = {
    {{"S3FB"},
     {"JES3 found an error while it performed a service for the job and ended the task with "
      "this code. Read it together with the IAT messages that JES3 wrote to the job log or the "
      "console, which describe the failing function.",
      kNA, kActEndsUserSvcCaller, kNA}},
    {{"S3FC"},
     {"Supervisor control found an error in the processing that follows an external "
      "interruption of a program running under a TCB or an SRB; register 15 holds a reason "
      "code: 00 a third recursion of the interruption, which is not supported; 04 an error "
      "while the interruption was processed; 08 an error during a first recursion; 0C an error "
      "during a second recursion.",
      kNA, kActEndsCurrentTaskLogrec, kRespRerunContactSysprog}},
    {{"S400"},
     {"Execute channel program (EXCP) processing found an error in an I/O request: the DCB "
      "address in the data extent block (DEB) differs from the one in the caller's IOB, as when "
      "the data set is not open or its control blocks were freed early or overlaid; or EXCPVR was "
      "issued for a DCB opened for BSAM, BPAM or QSAM, which allow only EXCP or XDAP; or one of "
      "these access methods found its internal control blocks, kept in the program's key, damaged "
      "(the address checked is in register 11).",
      kNA, "The system abnormally ends the task and may take an SVC dump.",
      "Make sure the data set is open and the program leaves its control blocks alone. In a dump, "
      "field TCBEXCPD at X'C0' in the TCB points to the EXCP debugging area (XDBA). Correct the "
      "program and run the job again."}},
    {{"S401"},
     {"During processing of a WAIT or WAITR macro, the system found that the caller was in a state "
      "from which it may not wait.",
      "Possible causes: the program issued the SVC form of WAIT while it held a lock or ran "
      "disabled; it was in cross memory mode, with a primary address space other than its home "
      "address space; it ran as a service request block (SRB) routine, which must suspend itself "
      "by other means than WAIT. ",
      "The system abnormally ends the program that issued the WAIT macro and does not place the "
      "task in a wait.",
      "Issue WAIT only in task mode, enabled and without locks, with the primary and home address "
      "spaces the same; an SRB routine must use the SUSPEND service instead. Correct the program "
      "and run the job again."}},
    {{"S402"},
     {"During processing of a POST macro with the cross memory operands, the system found that the "
      "target address space named by the ASCB address was not valid or had ended.",
      kNA, kActEndsPostRequester,
      "Check the ASCB address used for the cross memory POST and make sure the target address "
      "space is still active when the POST is issued. Correct the program and run the job "
      "again."}},
    {{"S406"},
     {"Contents supervision found an error while it processed a LINK(X), ATTACH(X) or XCTL(X) "
      "macro; register 15 holds a reason code: 04 the program is only loadable (link-edited "
      "with OL in PARM), and message CSV009I is issued; 08 an AMODE 64 module was to be fetched "
      "while the system was not in z/Architecture mode; 12 an AMODE 24 or 31 program used LINK "
      "or LINKX to reach an AMODE 64 module without AMODE64OK=YES. The task ends unless ERRET "
      "was given, with an ABEND dump.",
      kNA, kNA,
      "For 04, bring the only-loadable program in with LOAD instead of LINK, XCTL or ATTACH, or "
      "link edit it without OL. For 08, fetch AMODE 64 modules only in z/Architecture mode. For "
      "12, use LINKX with AMODE64OK=YES and give the target the interface it needs. Run the job "
      "again."}},
    {{"S40A"},
     {"During processing of a GETMAIN or FREEMAIN macro with the R operand, the system found an "
      "error in the request that the earlier checks did not catch, for example a subpool that "
      "cannot be freed as a whole, or a subpool owned by another task.",
      kNA,
      "The system abnormally ends the program that issued the R-form request; its storage is not "
      "changed.",
      "Check the subpool number in register 0 and whether this task may obtain or free that "
      "subpool, and correct the program. Run the job again."}},
    {{"S40D"},
     {"Recursive errors occurred while the recovery termination manager (RTM) was ending a task. "
      "The reason code: 00 only critical error recursion processing was set up, so RTM knows only "
      "that no other code applies; 04 critical error in RTM2; 08 another error during a recursive "
      "one, and the first error's RTM2 work area (RTM2WA) was not found; 0C bad pointer to the "
      "previous RTM2WA; 10 no LSQA or ELSQA storage for an RTM2WA; 14 an RTM storage get or free "
      "abended; 18 RTM entered again after end-of-task processing; 1C no RB of the first failing "
      "routine; 20 no error RB of the mother task for an RTM-started daughter abend; 24 no exit "
      "flag set; 28 error ending a daughter task; 30 several DOD abends of a subtask; 34 a task "
      "linkage stack fault.",
      kNA,
      "RTM ends the whole address space, not only the task. The completion code is in the ASCBMCC "
      "field of its ASCB and in message IEF402I; the reason code in register 15, in IEF402I and "
      "in the SVC dump title.",
      kNA}},
    {{"S413"},
     {"An error occurred during processing of an OPEN macro because of the volume: no volume "
      "serial number was given for an input data set on tape or direct access, the volume could "
      "not be mounted on the device allocated, or an I/O error occurred while the label was read. "
      "Message IEC145I gives a return code that identifies which.",
      kNA, kNA,
      "Check the VOL=SER and UNIT parameters of the DD statement, or the catalog entry, and make "
      "sure the volume is available and can be mounted on the device type allocated. For a tape, "
      "check that the drive supports the recording format of the volume. Correct the JCL and run "
      "the job again."}},
    {{"S414"},
     {"An error occurred during processing of a CLOSE macro for a data set on a direct access "
      "device: an I/O error occurred while the system wrote the updated data set control block, "
      "or the DSCB could not be found. The message issued with the code gives the return code.",
      kNA, kNA,
      "Check the messages issued with the code. Rerun the job; if the I/O error recurs, ask the "
      "system programmer to check the volume, and verify the data set before relying on its "
      "contents."}},
    {{"S417"},
     {"An error occurred during processing of a CLOSE TYPE=T macro for a data set on a direct "
      "access volume: the system could not update the data set control block with the extents of "
      "the data set.",
      kNA, kNA,
      "Run the job again; if the error recurs, ask the system programmer to examine the VTOC of "
      "the volume. Check the data set contents before they are used again."}},
    {{"S422"},
     {"A general-use abend that the system treats much like the 222 of a CANCEL; a task already "
      "in recovery does not get it, and the reason code decides whether it can be retried. The "
      "reason code is xxxxyyzz: xxxx is the issuer's own, yy names the issuer (01 z/OS UNIX "
      "System Services, 02 JES2, 03 BCP console services, 04 TCP/IP, 05 JES3) and zz makes it "
      "unique. z/OS UNIX: xxxx01zz, zz 01 to 7F, the signal that ended the task after an "
      "application error; xxxx0109 a signal that ends the job step task without retry; xxxx0181 "
      "exec or execMVS, and xxxx0182 _exit, issued in a process with several threads.",
      kNA, "The system ends the task much as a CANCEL would.",
      "Find the issuer from byte yy; for z/OS UNIX, see which signal or service ended the thread "
      "and correct the application. Run the job again."}},
    {{"S42A"},
     {"During processing of an ATTACH macro, task management found that the ECB parameter gave "
      "an address that is not valid for the event control block to be posted when the subtask "
      "ends.",
      "Possible causes: the ECB address is not on a fullword boundary; the virtual storage it "
      "points to is not allocated; the protection key of that storage differs from the key of "
      "the program that issued ATTACH. ",
      kActEndsAttachIssuer,
      "Give the ECB operand of ATTACH the address of a fullword the program owns in its own key, "
      "and make sure the program does not overwrite it. Correct the program and rerun the job."}},
    {{"S42D"},
     {"The overlay supervisor found that a segment it was asked to load had a length or a load "
      "address that did not fit the region or the overlay structure recorded for the program.",
      kNA, "The system abnormally ends the task of the overlay program.",
      "Link edit the overlay program again and check its structure in the binder listing. If the "
      "region is too small for the longest path, enlarge it, then run the job again."}},
    {{"S430"},
     {"During DEQ processing, global resource serialization found the parameter list built from "
      "the macro incorrect; register 15 may hold a reason code, for example xxxx0001 the list "
      "was altered during DEQ processing, 0002 UCB with RNL=NO, 0003 the UCB address maps to no "
      "valid UCB, 0005 to 0009 the list, QNAME, RNAME or UCB pointer cannot be accessed in the "
      "caller's key, 000A and 000B more than X'FFFF' resources in one request.",
      kNA, kActEndsDeqIssuer,
      "Correct the DEQ macro or the program code that changed its parameter list, as the reason "
      "code shows, and run the job again."}},
    {{"S433"},
     {"An SVC dump requested by SDUMP or SDUMPX could not be completed because of an error during "
      "dump processing, such as an I/O error on the dump data set or a failure while the "
      "requested storage was being captured.",
      kNA,
      "The system abnormally ends the program that requested the dump; part of the dump may have "
      "been written.",
      "Give the messages about the dump and the logrec record to the system programmer, who should "
      "check the SYS1.DUMPnn data sets or the automatic allocation of dump data sets. Run the job "
      "again if the dump is needed."}},
    {{"S435"},
     {"During processing of a RELEX macro, the system found that the DECB or the block reference "
      "passed did not correspond to a request of the issuing task.",
      kNA, kNA,
      "Pass RELEX the block reference from the READ that obtained exclusive control, and check "
      "that the DECB was not reused in between. Correct the program and rerun the job."}},
    {{"S437"},
     {"An error occurred at end of volume: the system could not switch the data set to its next "
      "volume or extent, for example because an I/O error occurred or the next volume could not "
      "be mounted.",
      kNA, kNA,
      "Check the messages issued with the code for the volume and device involved, and make sure "
      "the volumes named on the DD statement are available. Run the job again, on another device "
      "if an I/O error was reported."}},
    {{"S438"},
     {"During ENQ processing, global resource serialization found the parameter list built from "
      "the macro incorrect; register 15 may hold a reason code, for example xxxx0001 the list "
      "was altered, 0002 a RESERVE with UCB and RNL=NO, 0003 the UCB address maps to no valid "
      "UCB, 0005 to 0009 storage that cannot be accessed in the caller's key, 000A and 000B more "
      "than X'FFFF' resources, 000C a wrong format word, 000F to 0013 MASID errors.",
      kNA, kActEndsEnqIssuer,
      "Correct the ENQ or RESERVE macro, or the program code that changed its parameter list, as "
      "the reason code shows, and run the job again."}},
    {{"S43E"},
     {"During processing of a DETACH macro, the system found that the task tried to detach itself "
      "or a task above it in the task tree, which DETACH does not allow.",
      kNA, kActEndsDetachIssuer,
      "Detach only subtasks that the issuing task attached, never the task itself or a task above "
      "it. Correct the program and run the job again."}},
    {{"S43F"},
     {"During a checkpoint restart, the system could not restore the job from the checkpoint "
      "entry: the entry was incomplete, or the data sets or volumes it needs were not available "
      "as they were at the checkpoint.",
      kNA, kActEndsCheckpointStep,
      "Make the data sets and volumes named in the checkpoint available as they were when it was "
      "taken, or restart from an earlier checkpoint or from the beginning of the step. The IHJ "
      "messages of the restart name the data set or volume that could not be restored."}},
    {{"S444"},
     {"During processing of a SYNADAF macro, the system could not obtain the storage it needed to "
      "build the error message and the save area for the caller.",
      kNA, kNA,
      "Increase the region size of the step so that SYNADAF can obtain its work area, and check "
      "that the SYNAD routine does not issue SYNADAF repeatedly without SYNADRLS. Run the job "
      "again."}},
    {{"S451"},
     {"During processing of a SETPRT macro, the system found that the printer could not accept the "
      "image or the options requested, for example a forms control buffer image that does not "
      "suit the printer model.",
      kNA, kNA,
      "Choose UCS and FCB images that belong to the printer model in use, or direct the output to "
      "a printer that supports them. Correct the request and run the job again."}},
    {{"S453"},
     {"During processing of an SMF record-writing request, the system found that the record passed "
      "was longer than SMF allows, or that its header did not describe a valid record type.",
      kNA, "The system abnormally ends the program that asked SMF to write the record.",
      "Check the record descriptor word and the header of the SMF record that the program builds, "
      "in particular the length and the record type, and correct the program. Run the job "
      "again."}},
    {{"S45F"},
     {"During processing of a SYSEVENT macro, an error occurred in the system resources manager "
      "routine that handles the event, and the request could not be completed.",
      kNA, kActEndsSyseventIssuer, kNA}},
    {{"S46D"},
     {"A program issued the ESPIE macro incorrectly; register 15 holds a reason code: 04 an "
      "option other than SET, RESET or TEST; 08 the parameter list is not on a fullword "
      "boundary, not in storage from GETMAIN, or protected from the issuer; 0C the exit address "
      "is not valid or a reserved bit is on; 10 RESET of a SPIE or ESPIE another program made; "
      "14 the TOKEN is not valid or its exit was deleted; 18 the issuer was in supervisor state "
      "or its PSW key differs from the TCB key; 1C the SPIE PIE control block passed is not "
      "valid, probably freed by FREEMAIN.",
      kNA, "The system abnormally ends the program that issued the ESPIE macro.",
      "Correct the ESPIE macro or the parameter list as the reason code shows: use SET, RESET or "
      "TEST, pass a valid parameter list, exit address and token, and issue ESPIE in problem "
      "state with the TCB key. Run the job again."}},
    {{"S478"},
     {"During processing of a GETMAIN, FREEMAIN or STORAGE request of the RU, VRU, RC or VRC kind, "
      "the system found that the request conflicted with the caller's state, for example storage "
      "asked for in a key or a subpool that requires authorization. Register 15 holds a reason "
      "code.",
      kNA, kActEndsStorageIssuer,
      "Find the failing check from the reason code. An unauthorized program may use only the "
      "problem-state subpools and its own key; correct the request and run the job again."}},
    {{"S47A"},
     {"During processing of an extended SVC router request through SVC 122, the service selected "
      "found that the caller was not authorized for it or was in the wrong mode.",
      kNA, "The system abnormally ends the program that issued SVC 122.",
      "Check that the caller runs with the authorization and the addressing mode that the service "
      "needs, and correct the program. Run the job again."}},
    {{"S47B"},
     {"A PURGEDQ ended an SRB routine: either a suspended routine scheduled (SRBPTCB, SRBPASID) "
      "for a task that is ending, or a preemptable routine whose SRBPTCB, SRBPASID and SRBRMTR "
      "match the TCB, ASID and RMTR given on a PURGEDQ for the issuer's primary address space; "
      "that "
      "routine is first made nonpreemptable and nonquiescable.",
      kNA, "The system abnormally ends the SRB routine and waits for it to end.",
      "The program that suspends or purges SRB routines should set up a resource manager (RESMGR) "
      "to free what they hold, since their own recovery gets no control if the address space ends "
      "while they are suspended."}},
    {{"S47D"},
     {"During processing of an EVENTS macro, the system found that the event table was being used "
      "by another task, or that a task tried to wait on an event table that it had not created.",
      kNA,
      "The system abnormally ends the program that issued EVENTS; the table is left as it was.",
      "Let only the task that created an event table wait on it, and delete the table once. "
      "Correct the program and run the job again."}},
    {{"S482"},
     {"An error occurred during processing of a RACHECK or RACROUTE REQUEST=AUTH request made with "
      "an in-storage profile: the profile passed by the caller was not one that RACF could use.",
      kNA, kActEndsRacfRequest,
      "Check the in-storage profile address (PROFILE operand) passed to RACHECK and make sure it "
      "came from RACLIST or RACROUTE REQUEST=LIST. Correct the program and run the job again."}},
    {{"S483"},
     {"An error occurred during RACINIT or RACROUTE REQUEST=VERIFY processing: the ACEE passed for "
      "deletion was not valid, or the request failed while RACF built or freed the security "
      "environment of the user.",
      kNA, kNA,
      "Check that the ACEE address passed with ENVIR=DELETE is one created by an earlier RACINIT, "
      "and that it was not overlaid. Correct the program and run the job again."}},
    {{"S485"},
     {"An error occurred during RACDEF or RACROUTE REQUEST=DEFINE processing: the request named a "
      "resource or options that RACF could not process for the caller, such as a new name for a "
      "rename that is not valid.",
      kNA, kActEndsRacfRequest,
      "Check the ENTITY, NEWNAME and TYPE operands of the RACDEF or RACROUTE request, and correct "
      "the program. Run the job again."}},
    {{"S4C5"},
     {"TCP/IP found an error that it could not recover from, either in a request it was serving "
      "for the task or in its own processing, and ended the work; the reason code given with the "
      "abend identifies the TCP/IP module and the condition.",
      kNA, kNA, kNA}},
    {{"S4C6"},
     {"The real storage manager found an internal error while it processed a subspace or storage "
      "service request for the task, and could not complete the request.",
      kNA,
      "The system abnormally ends the task for which the storage service was being performed and "
      "records the error in the logrec data set.",
      kSystemErrorRerun}},
    {{"S4C7"},
     {"The RACF storage manager failed while RACF processed a request that did not come through "
      "an SVC. Reason code (register 15; ICH409I too, if issued): 04 get or free length zero or "
      "less; 08 area to free not on a doubleword boundary; 0C area freed twice; 10 area not in "
      "the subpool given; 14 partial match with an allocation, right for neither a full nor a "
      "partial free; 18 no tracking-table GETMAIN entry for the area, and the caller did not "
      "allow for that; 1C an entry the caller said should not exist; 20 a temporary area left at "
      "the end; A0, A4 get-space request with register 1 nonzero yet not the earlier buffer, or "
      "register 0 naming another subpool; A8, AC free-space request with register 1 zero or not "
      "that buffer.",
      kNA, "The task ends. A dump is taken for the abend, to be formatted with IPCS.", kNA}},
    {{"S4FB"},
     {"A JES3 function working for the job, in the job's address space or on its behalf, found a "
      "condition it could not handle and ended the task. IAT messages, where JES3 wrote them, "
      "describe the failure; the dump shows which JES3 module was running.",
      kNA, kActEndsUserSvcCaller, kRespIdentifyUserSvc}},
    {{"S4FC"},
     {"Supervisor control ended the task after an error in its processing of an interruption; "
      "the codes ending in FC come from that processing, 3FC after an external interruption and "
      "6FC after a program check taken by a SPIE or ESPIE exit. Look for the original error in "
      "the SDWA of the logrec record.",
      kNA, kActEndsUserSvcCaller, kRespIdentifyUserSvc}},
    {{"S500"},
     {"While it processed an I/O request, execute channel program (EXCP) processing found a "
      "control block that is not valid; a reason code tells which.",
      "1 -> The IOBM field of an ISAM input/output block (IOB) named extent zero. 2 -> A data "
      "extent block (DEB) points to a UCB that is not valid: its third byte is not X'FF'. 3 -> "
      "The IOBEID field of the IOB extension (IOBE) does not hold 'IOBE'. 4 -> The IOBE version "
      "field does not match the IOBEVRSC version label. 5 -> The IEDBID field of the I/O error "
      "data block (IEDB) does not hold 'IEDB'. 6 -> The IEDB version field does not match the "
      "IEDBVRSC version label. ",
      "The system abnormally ends the current task and takes a SNAP dump.",
      "Correct the control block the reason code names, and check that the program built or "
      "changed it properly. In the dump, field TCBEXCPD of the TCB points to the EXCP debugging "
      "area (XDBA), which holds EXCP diagnostic data. Run the job again."}},
    {{"S502"},
     {"During processing of a POST macro, the system found that the ECB to be posted was in "
      "storage that had been freed, or in an address space that the caller could not reach.",
      kNA, kActEndsPostRequester,
      "Keep ECBs in storage that stays allocated until both the POST and the WAIT are complete, "
      "and check the ECB address passed. Correct the program and run the job again."}},
    {{"S504"},
     {"During processing of a GETMAIN macro (SVC 4), the system found that an operand of the "
      "request was not valid for the caller, such as a subpool or a location option (LOC) that "
      "the caller may not use.",
      kNA,
      "The system abnormally ends the program that issued the GETMAIN macro; the storage is not "
      "obtained.",
      "Check the subpool and LOC operands of the GETMAIN macro and correct the program. Run the "
      "job again."}},
    {{"S505"},
     {"During processing of a FREEMAIN macro (SVC 5), the system found an error in the request "
      "that kept it from releasing the storage.",
      "Possible causes: the area named was not obtained by the task or was already freed; the "
      "subpool given is not the one the storage came from; the length passed is larger than the "
      "area obtained; the list form of the macro was overlaid. Register 15 holds a reason code "
      "that identifies the error. ",
      "The system abnormally ends the program that issued the FREEMAIN macro; the area stays "
      "allocated.",
      "Use the reason code to find the bad operand, correct the FREEMAIN macro or the code that "
      "overlaid its operands, and run the job again."}},
};

}  // namespace

std::span<const TextRow> mvspr6Table() { return kRows6; }
std::span<const TextRow> mvspr7Table() { return kRows7; }
std::span<const TextRow> mvspr8Table() { return kRows8; }

}  // namespace quenmar::catalog::mvs
