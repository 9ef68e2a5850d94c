#include "catalog/mvs/mvs_stock.h"
#include "catalog/mvs/mvs_tables.h"

namespace quenmar::catalog::mvs {
namespace {

// S0AB reports the abend in the words of its own system action.
constexpr std::string_view kEndsAfterOwnRecovery =
    "A system component found an error, and the system abnormally ends the task with "
    "completion code 0AB after the task's own recovery routines have had a chance to retry.";

// Rows whose issuing component the documentation does not name share these.
constexpr std::string_view kActEndsTaskWithDump =
    "The system abnormally ends the task. A dump is written when the step has a SYSUDUMP, "
    "SYSABEND or SYSMDUMP DD statement.";
constexpr std::string_view kRespRerunWithDump =
    "If the step has no dump DD statement, add SYSUDUMP or SYSMDUMP and run it again. "
    "Check the request the program made of the component named in message IEA995I; if it "
    "is right, give the dump, the job log and the logrec record to the system programmer.";
constexpr std::string_view kRespFindIssuingModule =
    "Find the module that issued the code in message IEA995I or the dump. Correct the "
    "request the program made of it, or give the dump to the system programmer.";

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
     {"Global resource serialization (GRS) met an error; the two low-order bytes of register "
      "15 hold a function and reason code: 1208 -> notice of a global resource unknown to "
      "GRS. 1210 -> notice of a global ENQ or DEQ request unknown to GRS. 1904 -> an invalid "
      "control block in GRS=STAR mode. 2204 -> the GRS address space could not be created. "
      "2505 -> WLM IWMECREA could not create the enclave of the GRS ENQ/DEQ monitor. 3106 -> "
      "the lock structure complete exit named an unknown resource. 3705 -> STAR mode GQSCAN "
      "could not add the ISGQSCAN data space to the DU-AL. 46FA -> MSGSERV failed in DISPLAY "
      "GRS, often from too much output. 4814, 4818 -> queue merge failed as this system "
      "rejoined the GRS ring. 6324 -> I/O was started on a CTC with I/O still pending. 68C8 "
      "-> IXCMOD gave a nonzero return code. A low-order byte D5 means the message exit "
      "could not receive a message through IXCMSGI. ",
      kNA,
      "The GRS routine that found the error ends abnormally with completion code 09A and the "
      "function and reason code in register 15. When the error occurs for GQSCAN, GRS keeps "
      "the abend to itself and the GQSCAN caller does not receive 09A.",
      "For 46FA, ask for less with DISPLAY GRS, for example one resource name instead of ALL "
      "or RES=(*,SYSDSN). For the other codes, keep the dump and the logrec record, search "
      "the problem reporting databases for a fix and, if there is none, give the reason code "
      "to IBM support. For 2505 the IWMECREA return and reason codes are in registers 2 and "
      "3."}},
    {{"S09B", "09B"},
     {"A system component found an error and ended the task with completion code 09B; "
      "message IEA995I names the module that issued it. ",
      kNA, kNA,
      "Find the module that issued 09B in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S09D", "09D"},
     {"A system component found an error and ended the task with completion code 09D; "
      "message IEA995I names the module that issued it. ",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 09D, with any reason code. ",
      "The system abnormally ends the task with completion code 09D after its recovery "
      "routines have run.",
      "Find the module that issued 09D in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S09E", "09E"},
     {"A system component found an error and ended the task with completion code 09E; "
      "message IEA995I names the module that issued it. ",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 09E, with any reason code. ",
      "The system abnormally ends the task with completion code 09E after its recovery "
      "routines have run.",
      "Find the module that issued 09E in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S09F", "09F"},
     {"A program running under a task control block (TCB) or a service request block (SRB) issued "
      "a vector instruction, and the system could not set up the environment the Vector Facility "
      "needs for it. Register 15 holds the reason code given in the Description. ",
      "00 -> the vector operation was issued in SRB mode (from a preemptible SRB, without an IEAFP "
      "START first). 04 -> the vector operation was issued while the program was disabled. 0C "
      "-> the vector second level interrupt handler (SLIH) found that the vector environment could "
      "not be created. 10 -> the vector SLIH failed because of a system error. 14 -> the system "
      "met a vector environment that is not valid. 18 -> a machine check in the Vector Facility "
      "lost the task's vector status. 1C -> the issuing task held a local lock. 20 -> the system "
      "met a secondary task control block (STCB) that is not valid. 2C -> the program issued the "
      "vector instruction while it had enabled, unlocked task (EUT) functional recovery routines "
      "established. ",
      "The system abnormally ends the program that issued the vector instruction and may write a "
      "logrec data set error record.",
      "If no logrec record came with the abend, have the operator set a SLIP trap for an SVC dump "
      "(SLIP SET,COMP=09F,ACTION=SVCD,END). "
      "Use the PSW at the time of error to find the module that issued the vector instruction: "
      "correct an installation module (for the environment codes, issue vector instructions "
      "enabled, without a local lock or EUT FRRs, and in task mode or after IEAFP START in a "
      "preemptible SRB); for an IBM module, search the problem reporting databases and, failing a "
      "fix, give IBM support the SVC dump and logrec record."}},
    {{"S0A0", "0A0"},
     {"A system component found an error and ended the task with completion code 0A0; "
      "message IEA995I names the module that issued it. ",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 0A0, with any reason code. ",
      "The system abnormally ends the task with completion code 0A0 after its recovery "
      "routines have run.",
      "Find the module that issued 0A0 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0A1", "0A1"},
     {"A system component found an error and ended the task with completion code 0A1; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 0A1 after its recovery "
      "routines have run.",
      "Find the module that issued 0A1 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0A2", "0A2"},
     {"A system component found an error and ended the task with completion code 0A2; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 0A2 after its recovery "
      "routines have run.",
      "Find the module that issued 0A2 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0A3", "0A3"},
     {"A system component found an error and ended the task with completion code 0A3; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 0A3 after its recovery "
      "routines have run.",
      "Find the module that issued 0A3 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0A4", "0A4"},
     {"An error occurred in the Graphics Access Method/System Product (GAM/SP) or in the "
      "operating system: a program check or abnormal end occurred in the GAM/SP attention "
      "handler module, or that module detected an incorrect condition.",
      "The console message issued with the abend carries a reason code naming the area of "
      "processing that failed. GAM/SP messages, numbered GABnnn, give the cause; they are "
      "explained in the GAM/SP messages and codes documentation. ",
      "A message with the reason code appears on the system console; GAM/SP writes a logrec "
      "data set record and a dump on the system dump data set.",
      "Check the GABnnn messages for the cause of the error, get a listing of the system "
      "dump, and contact your programming support personnel."}},
    {{"S0A5", "0A5"},
     {"A system component found an error and ended the task with completion code 0A5; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 0A5 after its recovery "
      "routines have run.",
      "Find the module that issued 0A5 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0A6", "0A6"},
     {"The ESTAE recovery routine of the Print Services Facility (PSF) found an error in PSF's "
      "Page Printer Communications Component (PPCC). According to the error, PSF either restarts "
      "the functional subsystem application (FSA) that drives the printer or ends it, issues a "
      "message saying which it did, and may take an SVC dump. ",
      kNA, kNA,
      "The operator reports the error to the system programmer, who collects every PSF message "
      "from the console log, with the PSF abend reason code if there is one, and looks them up in "
      "the PSF messages and codes documentation to choose the response. The application programmer "
      "has nothing to do."}},
    {{"S0A7", "0A7"},
     {"A system component found an error and ended the task with completion code 0A7; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 0A7 after its recovery "
      "routines have run.",
      kNA}},
    {{"S0A8", "0A8"},
     {"A system component found an error and ended the task with completion code 0A8; "
      "message IEA995I names the module that issued it. ",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 0A8, with any reason code. ",
      "The system abnormally ends the task with completion code 0A8 after its recovery "
      "routines have run.",
      "Find the module that issued 0A8 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0A9", "0A9"},
     {"VTAM ended a task with completion code 0A9. With zero in register 15 this is the "
      "normal end of a VTAM HALT CANCEL command; with any other value an error occurred "
      "while a VTAM module ran, and the two low-order bytes of register 15 give the cause "
      "listed in the Description. ",
      "0000 -> HALT CANCEL completed. 10F1 -> the VTAM retry FRR passed the original abend (in "
      "logrec just before the SVC dump) on to the task's next recovery routine. 6901, 6902, "
      "6903 -> a CP status list of CP-CP session processing lacked an element. 7002 -> no "
      "storage to drive a user exit. 7005 -> VTAM could not restore its registers from the RPH "
      "after a user exit. 7006 -> CPPROC got too little vary work area (VWA) storage. 7007 -> "
      "TPEXIT or CRA RELSTORE code ran while a PSS lock was held. 7008 -> a CPWAIT named an "
      "event ID longer than EIDMAX. 7009 -> a message module needed more VWA storage in the "
      "component recovery area (CRA) than was free. 700F -> a session awareness block (SAB) "
      "was invalid. 7010 -> the RDTE chain is damaged. 7012 -> a lock is held though its count "
      "shows none. 7013 -> the lock hierarchy was broken. 7014 -> TSLINK found the CRA too "
      "small. Further codes are documented. ",
      "For 0000 VTAM ends as the HALT CANCEL command asked. For the other codes the VTAM "
      "process in error ends abnormally; the error is recorded in logrec, normally with an "
      "SVC dump.",
      "Nothing needs doing for 0000. For 10F1, look up the original abend recorded in logrec "
      "just before the SVC dump. For the other codes, keep the SVC dump and the logrec "
      "records, note the VTAM messages issued at the time, and report the reason code to the "
      "VTAM system programmer or IBM support."}},
    {{"S0AA", "0AA"},
     {"A system component found an error and ended the task with completion code 0AA; "
      "message IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 0AA after its recovery "
      "routines have run.",
      "Find the module that issued 0AA in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0AB", "0AB"},
     {kEndsAfterOwnRecovery, kNA, kEndsAfterOwnRecovery,
      "Find the module that issued 0AB in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0AC", "0AC"},
     {"A system component found an error and ended the task with completion code 0AC; "
      "message IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 0AC, with any reason code. ",
      "The system abnormally ends the task with completion code 0AC after its recovery "
      "routines have run.",
      "Find the module that issued 0AC in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0AD", "0AD"},
     {"A system component found an error and ended the task with completion code 0AD; "
      "message IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 0AD, with any reason code. ",
      "The system abnormally ends the task with completion code 0AD after its recovery "
      "routines have run.",
      "Find the module that issued 0AD in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0AE", "0AE"},
     {"A system component found an error and ended the task with completion code 0AE; "
      "message IEA995I names the module that issued it.",
      kNA,
      "The system abnormally ends the task with completion code 0AE after its recovery "
      "routines have run.",
      "Find the module that issued 0AE in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0AF", "0AF"},
     {"A system component found an error and ended the task with completion code 0AF; "
      "message IEA995I names the module that issued it.",
      kNA,
      "The system abnormally ends the task with completion code 0AF after its recovery "
      "routines have run.",
      "Find the module that issued 0AF in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0B0", "0B0"},
     {"The scheduler work area (SWA) manager, which reads, writes, assigns and locates the SWA "
      "control blocks of a job for callers of the SWAREQ and QMNGRIO macros, found an error it "
      "could not correct. Register 15 holds the reason code given in the Description, register 0 "
      "the address of an area of diagnostic information, and register 1 the completion code. ",
      "04 -> the caller asked for a function that is not valid. 08 -> the SWA virtual address (SVA) passed "
      "does not point to the start of a SWA prefix, or the prefix was overwritten. 0C -> a record "
      "was read before it was written. 10 -> a block read or written was not 176 bytes, or an "
      "assign gave a length of zero or less. 14 -> the count field was not valid (zero in move "
      "mode). 18 -> a QMNGRIO caller gave both READ and WRITE, or neither. 1C -> a first write "
      "into a block passed an ID that does not exist, or none for a block without an embedded "
      "ID. 20 -> a block was written through a pointer that was not valid. 24 -> the SVA of a "
      "block above 16 megabytes could not be translated. 28 -> the EPA parameter of SWAREQ was "
      "zero instead of the address of a pointer to the EPA. 34 -> an unauthorized caller tried to "
      "allocate or delete a SWA block. 3C -> an assign request met a zero pointer. ",
      "The system abnormally ends the task that made the SWA request, with completion code 0B0 in "
      "register 1 and the reason code in register 15.",
      "Use the reason code and the diagnostic area addressed by register 0 to find the failing "
      "request. Where a program of the job calls SWAREQ or QMNGRIO itself, correct the call (for "
      "28, pass the address of a pointer to the EPA; for 34, run the caller authorized); where a "
      "program overlaid a SWA block such as a JFCB, correct that program. Otherwise give the dump "
      "to the system programmer."}},
    {{"S0B1", "0B1"},
     {"A system component found an error and ended the task with completion code 0B1; "
      "message IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 0B1, with any reason code. ",
      "The system abnormally ends the task with completion code 0B1 after its recovery "
      "routines have run.",
      "Find the module that issued 0B1 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0B2", "0B2"},
     {"A system component found an error and ended the task with completion code 0B2; "
      "message IEA995I names the module that issued it.",
      kNA,
      "The system abnormally ends the task with completion code 0B2 after its recovery "
      "routines have run.",
      kRespRerunWithDump}},
    {{"S0B3", "0B3"},
     {"A system component found an error and ended the task with completion code 0B3; "
      "message IEA995I names the module that issued it.",
      kNA,
      "The system abnormally ends the task with completion code 0B3 after its recovery "
      "routines have run.",
      kRespRerunWithDump}},
    {{"S0B4", "0B4"},
     {"A system component found an error and ended the task with completion code 0B4; "
      "message IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 0B4, with any reason code. ",
      "The system abnormally ends the task with completion code 0B4 after its recovery "
      "routines have run.",
      "Find the module that issued 0B4 in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S0B5", "0B5"},
     {"A system component found an error and ended the task with completion code 0B5; "
      "message IEA995I names the module that issued it.",
      kNA,
      "The system abnormally ends the task with completion code 0B5 after its recovery "
      "routines have run.",
      kRespFindIssuingModule}},
    {{"S0B6", "0B6"},
     {"A system component found an error and ended the task with completion code 0B6; "
      "message IEA995I names the module that issued it.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 0B6, with any reason code. ",
      "The system abnormally ends the task with completion code 0B6 after its recovery "
      "routines have run.",
      kNA}},
    {{"S0B7", "0B7"},
     {"A system component found an error and ended the task with completion code 0B7; "
      "message IEA995I names the module that issued it.",
      kNA,
      "The system abnormally ends the task with completion code 0B7 after its recovery "
      "routines have run.",
      kRespFindIssuingModule}},
    {{"S0B8", "0B8"},
     {"A START, MOUNT or LOGON command asked for a new address space to be created or "
      "initialized, and the system found an error while processing the command. Register 15 "
      "holds the reason code.",
      "04 -> the command code in the command scheduling control block (CSCB) was incorrect. "
      "08 -> a task I/O table (TIOT) could not be built. 0C -> an internal reader could not "
      "be opened or written to. 10 -> initialization of the address space returned an "
      "undefined return code; only 0 and 4 are defined. 14 -> the new address space could "
      "not be made nonswappable. 18 -> the REQSWAP SYSEVENT issued to create the address "
      "space failed. 1C -> the new address space did not initialize completely. 20 -> "
      "dynamic allocation or unallocation of an internal reader failed. ",
      "The system ends the command, writes a dump and a logrec data set error record, and "
      "issues messages, IEE824I for a START or MOUNT command.",
      "Enter the command again. If the problem recurs, give the dump and the logrec record "
      "to the system programmer to search the problem databases for a fix."}},
    {{"S0B9", "0B9"},
     {"A system component found an error and ended the task with completion code 0B9; "
      "message IEA995I names the module that issued it.",
      kNA,
      "The system abnormally ends the task with completion code 0B9 after its recovery "
      "routines have run.",
      kRespFindIssuingModule}},
    {{"S0BA", "0BA"},
     {"Started task control, processing a START, MOUNT or LOGON command, made a request of a "
      "subsystem, and the subsystem or the subsystem interface returned a return code that "
      "is not valid; valid ones are 0, 4, 8 and C. 10 -> the function was not completed "
      "because of a disastrous error, such as an unusable SSOB or SSIB or an abend found by "
      "JES; an earlier abend is usually the real problem. 14 -> a logical error: the SSOB or "
      "SSIB identifier or length is wrong.",
      kNA,
      "Started task control issues IEE824I and ends the START, MOUNT or LOGON task; in the "
      "initiator the system issues IEF187I and ends the job. A logrec data set error record "
      "and possibly an SVC dump are written.",
      kNA}},
    {{"S0BB", "0BB"},
     {"A system component found an error and ended the task with completion code 0BB; "
      "message IEA995I names the module that issued it.",
      kNA, kActEndsTaskWithDump, kNA}},
    {{"S0BD", "0BD"},
     {"A system component found an error and ended the task with completion code 0BD; "
      "message IEA995I names the module that issued it.",
      kNA,
      "The system abnormally ends the task with completion code 0BD after its recovery "
      "routines have run.",
      kNA}},
    {{"S0BE", "0BE"},
     {"A system component found an error and ended the task with completion code 0BE; "
      "message IEA995I names the module that issued it.",
      kNA,
      "The system abnormally ends the task with completion code 0BE after its recovery "
      "routines have run.",
      kNA}},
    {{"S0BF", "0BF"},
     {"A system component found an error and ended the task with completion code 0BF; "
      "message IEA995I names the module that issued it.",
      kNA,
      "The system abnormally ends the task with completion code 0BF after its recovery "
      "routines have run.",
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
     {"A PC, PR, PT or SSAR instruction met an ASN-translation-specification exception "
      "(program interruption code X'17'): the address space first table (AFT) or second "
      "table (AST) holds incorrect data.",
      kNA,
      "The system abnormally ends the program that issued the instruction and writes an SVC "
      "dump, a logrec data set error record, or both.",
      "This is a system problem. Give the SVC dump and the logrec record, which holds "
      "control registers 3, 4 and 14, to the system programmer, together with the failing "
      "instruction: in the system trace, back up from the *PGM 017 entry to the first PC, PT "
      "or SSAR entry."}},
    {{"S0D5", "0D5"},
     {"A program issued a Program Call (PC), Program Return (PR), Program Transfer (PT) or Set "
      "Secondary ASN (SSAR) instruction for cross-memory access, and the target address space "
      "could not be used: its entry in the address space first or second table is not valid, "
      "because no such address space exists or the system had swapped it out, or the access went "
      "to a swappable address space, which the cross-memory rules of MVS forbid. A client of a "
      "cross-memory server meets this abend when the server's address space ends.",
      "X'20' -> AFX-translation exception: the address space first table (AFT) entry for the ASID "
      "is not valid. X'21' -> ASX-translation exception: the address space second table entry for "
      "the ASID is not valid. For these two the system tries to repair the AFT and ends the "
      "issuing program. If cross-memory I/O was in progress for a swappable address space, the "
      "program waiting for the I/O ends and the swap-out goes on. If a cross-memory reference to a "
      "swappable address space was not valid, such as more pages to be fixed in a logically "
      "swapped-out space, that address space ends; register 15 then holds a return code: 04001300 "
      "-> an enabled caller took a page fault referring to storage of a logically swapped-out "
      "address space. 2D001310 -> a disabled caller took such a page fault. ",
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
     {"A Program Transfer (PT) instruction met a primary-authority exception (X'24'), or a "
      "Set Secondary ASN (SSAR) or Program Return (PR) instruction a secondary-authority "
      "exception (X'25'): the authorization index exceeds the target address space's "
      "authority table, or the P or S bit for it is off.",
      kNA,
      "The system abnormally ends the task that issued the instruction; recovery routines of "
      "the task may retry.",
      "This can be normal when an address space of the cross-memory environment has ended. "
      "If it is still active, check the PC/AUTH macros, such as AXSET and ATSET, that set up "
      "the environment the program uses, correct them and run the job again."}},
};

}  // namespace

std::span<const TextRow> mvspr3Table() { return kRows; }

}  // namespace quenmar::catalog::mvs
