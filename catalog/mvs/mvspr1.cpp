#include "catalog/mvs/mvs_stock.h"
#include "catalog/mvs/mvs_tables.h"

namespace quenmar::catalog::mvs {
namespace {

// Texts more than one row of this file shows.
constexpr std::string_view kActEndsIssuerWithDump =
    "The system abnormally ends the task that issued the macro, with this completion code, and "
    "takes a dump if the step has a SYSABEND, SYSMDUMP or SYSUDUMP DD statement.";
constexpr std::string_view kRespIsamDcbAgreement =
    "Check that the MACRF, DSORG, RECFM, LRECL, KEYLEN and RKP values of the DCB agree with the "
    "indexed sequential data set and with the macros the program issues, correct the DCB or the "
    "program, and run the job again.";

constexpr TextRow kRows[] = {
    {{"S001", "001"},
     {"An uncorrectable input/output error occurred while BSAM, QSAM, BPAM or BDAM processed a "
      "data set, and no SYNAD routine took it or EROPT=ABE asked for an abnormal end. The code "
      "also follows a block whose length differs from what the DCB describes (RECFM, LRECL or "
      "BLKSIZE disagree with the data set label) and a GET or READ issued again after end of "
      "file. Message IEC020I names the DD statement, the device and the cause. ",
      kNA, kNA,
      "Look up message IEC020I and its reason code. Make the record format, record length and "
      "block size in the DCB and the DD statement agree with the data set as it was written, and "
      "supply an EODAD routine if the program read past end of file. For a hardware error, have "
      "the operator move the volume to another unit. Run the job again."}},
    {{"S002", "002"},
     {"While QSAM, BSAM or BPAM built, read or wrote a record, the access method found a record "
      "or block not valid for the data set: a logical record longer than LRECL, a block larger "
      "than BLKSIZE, a record or block descriptor word (RDW, BDW) with an impossible length, or "
      "spanned-record segments out of order. Message IEC036I gives the reason code. ",
      kNA,
      "The system issues message IEC036I, which carries the reason code, and abnormally ends the "
      "task.",
      "Use the reason code in message IEC036I to find which length was wrong. Make LRECL and "
      "BLKSIZE agree with the record format (a variable-length block holds its records plus "
      "4-byte descriptor words), and correct the program if it builds descriptor words itself or "
      "moves more data than the record length allows. Run the job again."}},
    {{"S003", "003"},
     {"An input/output sequence error occurred while BSAM or QSAM processed associated data sets, "
      "the separate read, punch and print data sets of one card device: the program asked for one "
      "function when the device expected another. ",
      "01 -> A READ sequence error: a GET or READ for the read data set came before the previous "
      "card had been punched or printed as the association requires. 02 -> A punch sequence "
      "error: a PUT or WRITE for the punch data set came out of turn, for example twice for one "
      "card or before the card was read. 03 -> A print sequence error: a PUT or WRITE for the "
      "print data set came out of turn, for example before the card was punched or after the next "
      "card was read. ",
      "The system abnormally ends the task; the reason code shows which of the associated data "
      "sets was out of sequence.",
      "Rearrange the program's requests so that for each card the read, punch and print "
      "operations come in the order the associated data sets require, one of each per card. Run "
      "the job again."}},
    {{"S004", "004"},
     {"An error occurred while OPEN processed a DCB: its parameters conflict with one another or "
      "with the device, or ask for features the device lacks. Unit-record devices with special "
      "features, such as card readers and punches with associated data sets or optical mark read, "
      "are typical. ",
      "01 -> Conflicting or unsupported DCB parameters, such as a FUNC, MODE or record format "
      "value that the device or access method does not allow in that combination. 02 -> A DCB to "
      "be associated with another data set on the same device did not match it: the FUNC values "
      "of the associated data sets disagree, or one of them was not opened. 03 -> Optical mark "
      "read or read column eliminate was requested where the device or record format cannot "
      "support it. ",
      "The system abnormally ends the task before the data set is opened; the reason code is in "
      "register 15.",
      "Check the DCB macro and the DCB parameters of the DD statement against the device's "
      "features: remove or correct the conflicting values, and give the DCBs of associated data "
      "sets matching FUNC values and open them together. Run the job again."}},
    {{"S005", "005"},
     {"A BSAM, BPAM or BDAM READ or WRITE macro passed a data event control block (DECB) the "
      "access method could not use: its address was not valid, an earlier request still using it "
      "had not been checked, or its type code, DCB address, area address or length was wrong. ",
      kNA, "The system abnormally ends the task that issued the READ or WRITE macro.",
      "Give each outstanding request its own DECB, issue CHECK for a request before its DECB is "
      "reused, and make sure the program does not overlay its DECBs. If the program fills in "
      "DECBs with the execute form of the macro, correct the fields it sets. Run the job again."}},
    {{"S008", "008"},
     {"An error occurred while a SYNAD (error analysis) routine ran for a BSAM, BPAM, QSAM or "
      "BDAM data set: it issued SYNADAF or an input/output request with registers that did not "
      "identify the failing DCB and DECB, or it used the same DCB again before returning to the "
      "access method. ",
      kNA, kNA,
      "Correct the SYNAD routine: pass SYNADAF the registers the access method supplied on entry, "
      "do not issue further READ, WRITE or CHECK macros for the failing DCB inside the routine, "
      "and return through the address in register 14. Run the job again."}},
    {{"S00A", "00A"},
     {"A program branch-entered the stage 2 exit effector to schedule an asynchronous or "
      "installation exit, and the exit effector found the request in error. Register 15 "
      "holds the reason code: 0004 -> the IQETCB field of the IQE passed does not point to a "
      "valid TCB. 0008 -> the RQETCB field of the RQE passed does not point to a valid TCB. "
      "000C -> the caller did not hold the local lock of the home address space. 0010 -> the "
      "caller could not address the address space in which the exit was to run. 0014 -> the "
      "caller was not in primary or secondary address space control mode.",
      kNA,
      "The system abnormally ends the program that branch-entered the exit effector and may "
      "write a logrec data set error record and an SVC dump.",
      kNA}},
    {{"S00B", "00B"},
     {"An error occurred during processing of a TIME macro (SVC 11): the request asked for the "
      "time or date in a form the system does not provide, or the address of the parameter list "
      "or of an output area given with the macro was not valid. ",
      kNA, kActEndsIssuerWithDump,
      "Check the TIME macro's operands and the storage they point to, correct the program, and "
      "run the job again."}},
    {{"S00C", "00C"},
     {"The cross-system coupling facility (XCF) met an error; reason code in register 15: "
      "00000004, 00000040 -> a group member ended another with IXCTERM. 00000044, 00000048, "
      "0000004C -> data space IXCDSMEM, IXCDSCBD or IXCDSCBE could not be created or accessed. "
      "0000005C -> an XCF module failed to load or is missing from the nucleus. 00000100, "
      "00000104, 00000108 -> the same for IXCDSLO1, IXCDSLK1 or IXCAP1DS. 00000160 -> a member "
      "seemed to cause signalling sympathy sickness and was ended (IXC615I names it). 02070000 "
      "-> non-retryable error, function complete; an undelivered signal is kept for later. "
      "02070001 -> non-retryable error; a signal may not have reached the message exit. For "
      "these two XCF percolates to the member's task, which may retry, and writes a logrec "
      "record and an SVC dump. The documentation lists further reason codes. ",
      kNA, kNA, kNA}},
    {{"S00D", "00D"},
     {"Component trace found an error in a CTRACE or CTRACEWR macro. Register 15 holds the "
      "reason code: 00000101 -> the CTRACE DEFINE parameter list version is incorrect. "
      "00000102 -> the component name on CTRACE DEFINE does not begin with an alphabetic or "
      "national character, or holds other than alphanumeric or national characters. 00000301 "
      "-> reserved or unused fields of the CTRACE DEFINE list are not zero. 00000302 -> the "
      "same in a CTRACE DELETE list. 00000401 -> CTRACE asked for a service other than "
      "DEFINE or DELETE. 00000501 -> the CTRACE DEFINE minimum options string exceeds 256 "
      "bytes. 00010100 -> the CTRACEWR parameter list version is incorrect. 00010200 -> "
      "reserved or unused fields of the CTRACEWR list are not zero. 00010300 -> the buffer "
      "length given to CTRACEWR was zero or negative.",
      kNA,
      "The component trace service ends abnormally; the trace definition, deletion or write "
      "that was asked for is not done.",
      "Correct the CTRACE or CTRACEWR macro as the reason code shows and run the program "
      "again. If a system component issued the macro, or the error recurs with correct "
      "input, give the dump to the system programmer."}},
    {{"S00F", "00F"},
     {"A system component found an error and ended the task with completion code 00F; message "
      "IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 00F after its recovery "
      "routines have run.",
      kNA}},
    {{"S012", "012"},
     {"A system component found an error and ended the task with completion code 012; message "
      "IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 012 after its recovery "
      "routines have run.",
      "Find the module that issued 012 in message IEA995I or the dump. Correct the request the "
      "program made of it, or give the dump to the system programmer."}},
    {{"S013", "013"},
     {"An error occurred during processing of an OPEN macro: the DCB, the DD statement and the "
      "data set label describe the data set in ways that conflict, or the data set or member "
      "could not be found or used as requested. Message IEC141I identifies the DD statement and "
      "gives the reason code. ",
      "10 -> A dummy data set needs buffers, but no block size was given. 14 -> The DCB or the DD "
      "statement asked for a partitioned data set or member, but the data set is not partitioned. "
      "18 -> The member named on the DD statement is not in the directory. 1C -> An I/O error "
      "occurred during the directory search. 20 -> For fixed blocked records BLKSIZE is not a "
      "multiple of LRECL. 34 -> The block size is zero or invalid for the record format and "
      "length. 40 -> The open option or access method does not suit the device or data set "
      "organisation. 60 -> For unblocked fixed records BLKSIZE is not equal to LRECL. 64 -> A "
      "dummy data set was opened with an access method other than BSAM or QSAM. 68 -> The block "
      "size is larger than the device or access method allows. A4, A8 -> A SYSIN or SYSOUT data "
      "set was opened with an option or record format that the subsystem does not support. ",
      kNA,
      "Find the reason code in message IEC141I and correct the cause: make BLKSIZE, LRECL and "
      "RECFM agree, correct the member or data set name, or use an access method or open option "
      "the data set supports. After a directory input/output error, restore or recreate the data "
      "set. Run the job again."}},
    {{"S014", "014"},
     {"An error occurred during processing of a CLOSE macro: the DCB or its data extent block was "
      "not valid or had been overlaid, the DCB belonged to another task, or an input/output error "
      "occurred while the last block, a tape mark or trailer labels were written. Message IEC208I "
      "names the DD statement and gives the reason code. ",
      kNA, kNA,
      "Look up the reason code of message IEC208I. Make sure the program closes each DCB once, in "
      "the task that opened it, and does not alter the DCB while it is open. If the message "
      "points to an input/output error, have the volume moved to another unit or the device "
      "checked. Run the job again."}},
    {{"S015", "015"},
     {"An error occurred during processing of a STOW macro (SVC 21), which adds, replaces, "
      "renames or deletes a member entry in a partitioned data set's directory: the DCB was not "
      "open for output or update to such a data set, or the list or entry it pointed to was not "
      "valid. ",
      kNA, kNA, kNA}},
    {{"S016", "016"},
     {"An error was found in the sequential access method (SAM) SIO/page-fix appendage or in "
      "the DASD end-of-block modules. Reason code: 04 -> the end-of-block modules issued "
      "EXCPVR for a request while an earlier EXCPVR had not completed, because a DECB was "
      "used twice or CHECK macros were not issued in the order of their READ or WRITE "
      "macros; the SIO/page-fix appendage issued the abend. 08 -> an EXCPVR was about to "
      "read a data set protected with RACF EXECUTE access for a caller not in supervisor "
      "state; the SIO appendage issued the abend. ",
      kNA,
      "The system abnormally ends the task; the read or write that caused the error is not "
      "started.",
      "Test each DECB for completion before it is used again, and issue the CHECK macros in "
      "the same order as the READ and WRITE macros they belong to. A program that is not in "
      "supervisor state cannot read a data set protected with RACF EXECUTE access. Correct "
      "the program and run the job again."}},
    {{"S017", "017"},
     {"A system component found an error and ended the task with completion code 017; message "
      "IEA995I names the module that issued it. ",
      kNA,
      "The system abnormally ends the task with completion code 017 after its recovery "
      "routines have run.",
      kNA}},
    {{"S019", "019"},
     {"A window service of data-in-virtual issued this code: an error was found while CSREVW "
      "processed a request to view part of a data-in-virtual object through a window in the "
      "program's storage, for example a window or offset that does not lie within the object and "
      "the program's mapped area, so the request could not be honoured and the caller was ended. ",
      "",
      "The system abnormally ends the program that called the window service; the window is not "
      "refreshed or viewed.",
      "Check the CSREVW call: the object identifier returned when the object was accessed, the "
      "window address and size, and the offset and span of the view, which must lie within the "
      "object. Correct the program and run the job again."}},
    {{"S01A", "01A"},
     {"An error occurred while catalog management (SVC 26) processed a CATALOG, LOCATE or INDEX "
      "request: the parameter list, the data set name or the work area passed with the request "
      "was not valid, or the catalog could not be read or updated. ",
      kNA,
      "The system abnormally ends the task that requested the catalog function. Catalog messages "
      "issued before the abend may give the catalog name and a return code.",
      "Check the catalog request's parameter list and work area. If earlier messages point to a "
      "damaged or unavailable catalog, ask the system programmer to examine it. Run the job again."}},
    {{"S01B", "01B"},
     {"An error occurred during processing of an OBTAIN macro (SVC 27), which reads a data set "
      "control block (DSCB) from the volume table of contents: the CAMLST parameter list, the "
      "data set name or the work area address was not valid, or the volume was not mounted. ",
      kNA, "The system abnormally ends the task that issued the OBTAIN macro.",
      "Check the CAMLST SEARCH or SEEK list, the data set name, the volume serial and the "
      "140-byte work area, correct the program, and run the job again."}},
    {{"S01C", "01C"},
     {"An error occurred in a data management service that works on a catalog or on a volume "
      "table of contents for the program: the control blocks or the parameter list passed to the "
      "service were not valid, or the volume the service needed was not available. ",
      kNA,
      "The system abnormally ends the task that requested the service; messages issued before the "
      "abend may name the data set or volume involved.",
      "Check the parameter list and the data set and volume names the program passes, and that "
      "the volume is mounted. Correct the program or the job control statements and run the job "
      "again."}},
    {{"S01D", "01D"},
     {"An error occurred during processing of a SCRATCH macro (SVC 29), which deletes a data set "
      "from one or more direct access volumes: the CAMLST parameter list or the volume list was "
      "not valid, or a volume of the list could not be mounted. ",
      kNA, "The system abnormally ends the task that issued the SCRATCH macro.",
      "Check the CAMLST SCRATCH list and the volume list (the count, and the device type, serial "
      "and sequence number of each entry), correct the program, and run the job again."}},
    {{"S01F", "01F"},
     {"An error occurred during processing of an FEOV macro (SVC 31), which forces end of volume "
      "so that processing continues on the next volume: the DCB was not open or not for a "
      "sequential data set on tape or direct access, or an error occurred while labels were "
      "processed or the next volume was mounted. ",
      kNA, "The system abnormally ends the task that issued the FEOV macro.", kNA}},
    {{"S020", "020"},
     {"An error occurred while a data set processed by the basic direct access method (BDAM) "
      "was opened. ",
      kNA, "The system abnormally ends the task; the BDAM data set is not opened.",
      "Check the DCB macro and the DCB values of the DD statement for the direct access data "
      "set against what BDAM accepts, and the messages issued with the abend. Correct them "
      "and run the job again."}},
    {{"S021", "021"},
     {"An error occurred during processing of an IOHALT macro (SVC 33), which stops input/output "
      "on a device: the unit control block address was not valid, or the caller was not "
      "authorized to halt input/output on the device. ",
      kNA, "The system abnormally ends the task that issued the IOHALT macro.",
      "Check that the program passes a valid unit control block address to IOHALT and runs with "
      "the authority the macro requires. Correct the program and run the job again."}},
    {{"S022", "022"},
     {"An error occurred during processing of an MGCR macro (SVC 34), which passes a system "
      "command from a program to the command processor: the command buffer or its length was not "
      "valid, or the program was not authorized to issue the command. ",
      kNA,
      "The system abnormally ends the task that issued the MGCR macro; the command is not "
      "processed.",
      "Check the command buffer (its length field and text) and the program's authority to issue "
      "commands. Correct the program and run the job again."}},
    {{"S023", "023"},
     {"Library lookaside (LLA, also LNKLST lookaside) met an error that kept it from finishing "
      "part of its work. Reason codes include: 00000001 -> dynamic allocation or unallocation "
      "failed while LLA copied the directory entries of a LNKLST library to build a new LLA directory. "
      "00000002 -> OPEN failed during that copy. 00000003 -> while building a new directory, LLA "
      "met a PDS directory block whose key was X'0000000000000000'. 00000004 -> the directory "
      "block holding the last entry did not carry the key X'FFFFFFFFFFFFFFFF'. 00000005 -> a PDS "
      "directory entry was named X'0000000000000000'. 00000006 -> a directory block was too "
      "short to hold a whole number of entries. 00000007 -> a block other than the last had a "
      "key that differed from the name of its last entry. 00000008 -> an I/O error occurred "
      "while the new directory was built. ",
      kNA,
      "LLA issues contents supervision (CSV) messages together with the abend. When one abend "
      "follows another, those messages carry the first abend and its reason code.",
      "Read the CSV messages issued with the abend. Where several abends occurred, work from the "
      "first one and its reason code, which tells which step of building the LLA directory "
      "failed."}},
    {{"S024", "024"},
     {"An error occurred during processing of a WTL macro (SVC 36), which writes a message to the "
      "system log: the parameter list or the length of the message text was not valid. ",
      kNA, kNA,
      "Correct the WTL macro or the code that builds its parameter list, making sure the length "
      "field matches the message text, and run the job again."}},
    {{"S025", "025"},
     {"An error occurred during processing of a SEGLD or SEGWT macro (SVC 37) in an overlay "
      "program: the segment named could not be loaded, for example because its entry in the "
      "segment table or entry table was not valid or the overlay module could not be read from "
      "the library. ",
      kNA,
      "The system abnormally ends the task of the overlay program; the requested segment is not "
      "loaded.",
      "Check the overlay structure that the linkage editor built and the SEGLD or SEGWT macros "
      "that name the segments. Link edit the program again and run the job again."}},
    {{"S026", "026"},
     {"Cross-system extended services (XES), which lets authorized programs use coupling facility "
      "structures, ended a connected user. XES does so when a request of the connector holds an "
      "error it cannot return as a return code, or when an exit routine of the connector (event, "
      "contention, notify, complete or list transition exit) fails and XES recovery gets control "
      "before the exit's own recovery routine. The reason code kept with the abend identifies the "
      "error. ",
      kNA,
      "dditional messages explaining the error are issued to the console, and the system "
      "abnormally ends the task in which the error occurred.",
      "Use the reason code and the IXL messages written before the abend to find the failing "
      "request or exit routine. Give each exit routine its own recovery routine and correct it if "
      "it failed; correct the parameters of the IXLCONN, IXLCACHE, IXLLIST or IXLLOCK request if "
      "the reason code points to them. If the error is in the system, give the dump and logrec "
      "records to the system programmer."}},
    {{"S027", "027"},
     {"An error occurred during processing of a LABEL macro (SVC 39), which the tape labeling "
      "utility uses to write volume labels: the parameter list was not valid, or the tape volume "
      "could not be positioned or written. ",
      kNA, kNA,
      "Check the LABEL macro's operands (volume serial, owner and unit) and that the tape is "
      "mounted without file protection, then run the job again."}},
    {{"S028", "028"},
     {"A paging operation could not be completed, because of: a permanent input/output error "
      "during a page-in or swap-in, which loses the data; a page on auxiliary storage made "
      "unreachable by an earlier input/output error; an error of unknown cause in central "
      "storage paging (register 15 may hold a reason code); a TSO/E user cancelled by the "
      "operator before logon finished; a reference to a pageable link pack area page holding "
      "noncontiguous code or large constant areas, reported earlier by message IEA928I; an "
      "unexpected error in an in-real swap request (reason code in register 6); the only current "
      "copy of a page lying in a defective expanded storage frame; an input/output error writing "
      "the page to auxiliary storage or moving data-in-virtual object data into a mapped window "
      "page; or a failed mmap() call, which may also bring message BPXM122I and abend EC6 with "
      "reason code 0042.",
      kNA, "The system abnormally ends the task that was running, or the whole address space.",
      "If message IEA928I was issued, act as that message directs; otherwise report the abend to "
      "the system programmer, whose first step is to look for messages that report a hardware "
      "error."}},
    {{"S029", "029"},
     {"An error occurred during processing of an IDENTIFY macro (SVC 41), which adds an entry "
      "point name to the task's list of loaded modules: the name was already in use, the entry "
      "address did not lie within a module the task had loaded, or the caller was not permitted "
      "to add the name.",
      kNA, "The system abnormally ends the task that issued the IDENTIFY macro.",
      "Give the entry point a name that no other loaded module uses, and make sure its address "
      "falls inside a module the task loaded. Correct the program and run the job again."}},
    {{"S02A", "02A"},
     {"A system component found an error and ended the task with completion code 02A; "
      "message IEA995I names the module that issued it. ATTACH parameter errors are reported "
      "with other codes, such as 72A.",
      kNA,
      "The system abnormally ends the task with completion code 02A after its recovery "
      "routines have run.",
      "Find the module that issued 02A in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S02B", "02B"},
     {"The JES2 exit effector, which calls installation exit routines in the user environment, "
      "found an error in the processing of an exit routine. Register 3 holds the reason code: "
      "00000000 -> the exit routine returned a return code higher than the MAXRC value coded on "
      "its $EXITnnn macro. 00000004 -> after the exit routine had run, the save area was no "
      "longer in its proper format.",
      kNA, kActEndsIssuerWithDump,
      "The operator can disable the exit with the $TEXIT command. Keep all output of the job. "
      "For 00000000, correct an exit routine that sets a wrong return code, or raise MAXRC on "
      "its $EXITnnn macro if the code is right; for 00000004, find out whether the exit routine "
      "overlaid the save area or changed register 13, which addresses it. Run the job again."}},
    {{"S02C", "02C"},
     {"A system component found an error and ended the task with completion code 02C; "
      "message IEA995I names the module that issued it. An incorrect TCB address on CHAP is "
      "reported as 12C.",
      kNA, kActEndsIssuerWithDump,
      "Find the module that issued 02C in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S02D", "02D"},
     {"An error occurred in the overlay supervisor (SVC 45) while it processed a branch or CALL "
      "to a segment of an overlay program: the entry table or segment table that the linkage "
      "editor built was not valid or had been overwritten, so the segment could not be brought in.",
      kNA,
      "The system abnormally ends the task of the overlay program and takes a dump if one was "
      "requested.",
      "Look for program errors that overwrite the segment table or the entry table, check that "
      "the overlay structure allows the branch, link edit the program again, and run the job "
      "again."}},
    {{"S02E", "02E"},
     {"An error occurred during processing of a TTIMER macro (SVC 46), which tests or cancels a "
      "time interval set with STIMER: the operands or the address of the area for the remaining "
      "time were not valid.",
      kNA, "The system abnormally ends the task that issued the TTIMER macro.",
      "Correct the TTIMER operands, making sure the area that receives the remaining interval is "
      "in storage the program can change, and run the job again."}},
    {{"S030", "030"},
     {"An error occurred during processing of an indexed sequential (ISAM) request: the macro "
      "issued, such as a GET, PUT, PUTX, SETL or ESETL for QISAM or a READ or WRITE for BISAM, is "
      "not allowed by the processing options the DCB was opened with (its MACRF operand).",
      kNA, kNA, kRespIsamDcbAgreement}},
    {{"S031", "031"},
     {"An input/output error occurred while QISAM processed an indexed sequential data set, and "
      "no error analysis (SYNAD) routine could take it: the DCBSYNAD field did not hold the "
      "address of a valid SYNAD routine, or the error came after task end had closed the data "
      "set because the program returned to the supervisor without a CLOSE. The bits of the DCB's "
      "DCBEXCD1 and DCBEXCD2 fields tell what the first error was. DCBEXCD1 bit 0 -> record not "
      "found. 1 -> actual address of the lower limit not valid. 2 -> no space found. 3 -> request "
      "not valid. 4 -> uncorrectable input error. 5 -> uncorrectable output error. 6 -> block "
      "not reachable on input. 7 -> block not reachable on update. DCBEXCD2 bit 0 -> sequence "
      "check. 1 -> duplicate record. 2 -> DCB closed when the error was found. 3 -> overflow "
      "record. 4 -> a PUT gave a field longer than DCBLRECL. The system ends the task.",
      kNA, kNA,
      "Read the DCBEXCD1 and DCBEXCD2 bits to find the cause. Name a SYNAD routine in the DCB to "
      "receive input/output errors, and issue a QISAM CLOSE before the program returns to the "
      "supervisor; for an error during the CLOSE itself, act on the message that CLOSE issued. If "
      "the program is correct and the error recurs, check the job log messages and report the "
      "problem with the JCL and the program listing."}},
    {{"S032", "032"},
     {"During OPEN or processing of an indexed sequential data set, the DCB fields that describe "
      "the records (record format, record length, key length, relative key position or block "
      "size) did not agree with the data set, or the data set is on a device type that ISAM does "
      "not support.",
      kNA, kNA, kRespIsamDcbAgreement}},
    {{"S033", "033"},
     {"An input/output error occurred while the ISAM routines read or wrote an index of an "
      "indexed sequential data set (the master, cylinder or track index), so the location of the "
      "requested records could not be found.",
      "Possible causes: a permanent error on the device or a damaged track of the volume that "
      "holds the index; an index that was overwritten, or never completed because an earlier job "
      "ended before the data set was closed; a volume of a multivolume data set mounted out of "
      "order. ",
      kNA,
      "Check the console and logrec messages for the device error. If the index is damaged, "
      "reorganize or recreate the data set from a backup copy, then run the job again."}},
    {{"S034", "034"},
     {"An uncorrectable input/output error occurred during BISAM processing of an indexed "
      "sequential data set, and the DCB gave no SYNAD routine to handle the error that the CHECK "
      "for the request found.",
      kNA, kNA,
      "Provide a SYNAD routine that examines the exception codes in the DECB, and have the device "
      "or the volume checked if the error repeats. Recreate the data set from a backup if it is "
      "damaged, and run the job again."}},
    {{"S035", "035"},
     {"A BISAM READ or WRITE request could not be processed because its DECB was not valid for "
      "the request: for example a WRITE K was issued without the READ KU that must precede it, "
      "the key or area address was not valid, or the DECB was reused before the earlier request "
      "had been checked.",
      kNA, kNA, kRespIsamDcbAgreement}},
    {{"S036", "036"},
     {"While QISAM created or resumed loading an indexed sequential data set, no more records "
      "could be added: the space allocated for the prime area, the index area or the overflow "
      "area was used up.",
      "Possible causes: the primary space request was too small for the records loaded; an index "
      "area given its own DD statement was too small for the index; the cylinder overflow tracks "
      "(CYLOFL) or the independent overflow area were full after many insertions without "
      "reorganization. ",
      kNA,
      "Allocate more space for the prime, index or overflow area, or reorganize the data set to "
      "reclaim overflow space, and load the data set again."}},
    {{"S037", "037"},
     {"An error occurred during end-of-volume processing (SVC 55) for a sequential data set, when "
      "the system switched volumes or extended the data set: the DCB or the data extent block was "
      "not valid, or the switch to the next volume or extent could not be made.",
      "Possible causes: the request that reached end of volume used a DCB that the program had "
      "altered or that was not open; a concatenation of data sets with unlike attributes was read "
      "without the DCB being told of it; the next volume could not be mounted or verified; an "
      "input/output error occurred while labels were read or written. ",
      kNA,
      "Check the messages issued before the abend for the volume and the data set involved, "
      "correct the DCB or the concatenation, or make the next volume available, and run the job "
      "again."}},
    {{"S038", "038"},
     {"While QISAM loaded an indexed sequential data set, a record arrived out of key sequence or "
      "with the same key as the record before it, and the program had no SYNAD routine to handle "
      "the condition.",
      "Possible causes: the input was not sorted into ascending key order before loading; two "
      "input records carry the same key; the relative key position (RKP) or key length (KEYLEN) "
      "in the DCB points to the wrong field of the record, so the keys compared are not the "
      "intended ones. ",
      kNA,
      "Sort the input into ascending key order and remove duplicate keys, check RKP and KEYLEN, "
      "and load the data set again."}},
    {{"S039", "039"},
     {"End of data was reached while QISAM retrieved the records of an indexed sequential data "
      "set in scan mode, and the DCB gave no EODAD routine to receive control at end of data.",
      "Possible causes: the program did not specify EODAD in the DCB; the program went on reading "
      "past the last record it wanted because a SETL started the retrieval later than intended; "
      "the data set was empty or held fewer records than the program assumed. ",
      kNA,
      "Add an EODAD routine to the DCB, or stop the retrieval loop before end of data, and run "
      "the job again."}},
    {{"S03A", "03A"},
     {"An error occurred during a buffer control request for an indexed sequential or direct data "
      "set: a FREEDBUF, RELBUF or REQBUF request named a buffer or DECB that the access method "
      "had not assigned, or the DCB was not opened for dynamic buffering.",
      "Possible causes: a buffer was freed twice; the DECB passed with the request had been "
      "overlaid or belonged to another DCB; the program freed a buffer while an input/output "
      "request using it was still pending; the MACRF operand of the DCB did not ask for dynamic "
      "buffering. ",
      kNA,
      "Free each dynamically obtained buffer once, through the DECB of the request that obtained "
      "it and after that request is complete, and correct MACRF if dynamic buffering was not "
      "requested. Run the job again."}},
    {{"S03B", "03B"},
     {"OPEN of an indexed sequential (ISAM) data set failed, so no records could be processed. "
      "With no reason code in register 15, the block size (DCBBLKSI) is smaller than the logical "
      "record length (DCBLRECL) or not a multiple of it; when the ISAM OPEN executor found the "
      "error, register 15 holds the reason code given in the Description.",
      "01 -> the format-2 DSCB shows that the data set was never created (DS2STIND is not X'20'), "
      "or that its DCB was not closed after creation. 03 -> for variable-length records, the "
      "relative key position (DCBRKP) is less than 4. 04 -> DCBRKP plus the key length (DCBKEYLE) "
      "exceeds DCBLRECL. 05 -> DCBKEYLE is zero. 06 -> DCBKEYLE differs from the key length in the "
      "format-1 DSCB (DS1KEYL). 07 -> a QISAM DCB was opened for PUT, but not with an OPEN for "
      "output. 09 -> DCBLRECL is zero. 0A -> the format-1 DSCB gives fixed blocked records "
      "(DS1RECFM), yet DCBBLKSI equals DCBLRECL. 0B -> DCBBLKSI differs from the block size in the "
      "format-1 DSCB (DS1BLKL). 0C -> DCBLRECL differs from DS1LRECL. Further codes are "
      "documented. ",
      kNA, kNA}},
    {{"S03C", "03C"},
     {"An error occurred during processing of a STAE or ESTAE macro (SVC 60), which defines a "
      "recovery exit for the task: the exit routine address, the parameter list or the options "
      "were not valid, or a request to cancel or replace an exit named one that does not exist.",
      "Possible causes: the exit address points outside the program's storage; the list-form "
      "parameter list was changed or overlaid; an option was used in a state or mode that does "
      "not allow it; a replace (OV) or cancel request came when no exit had been defined. ",
      "The system abnormally ends the task that issued the STAE or ESTAE macro; the requested "
      "recovery exit is not established.",
      "Check the STAE or ESTAE operands and the exit routine address, correct the program, and "
      "run the job again."}},
    {{"S03D", "03D"},
     {"An error occurred during OPEN of an indexed sequential data set that resides on more than "
      "one volume or in more than one area: the volumes or DD statements presented did not match "
      "the ones the data set was created on.",
      "Possible causes: a volume was missing from the VOL=SER list, or the volumes were listed in "
      "another order than at creation; the DD statements for the index, prime and overflow areas "
      "were not given in the required order; a volume held another data set of the same name. ",
      kNA,
      "Code the DD statements so that every volume and area of the data set appears in the order "
      "used when it was created, and run the job again."}},
    {{"S03E", "03E"},
     {"A system component found an error and ended the task with completion code 03E; "
      "message IEA995I names the module that issued it. Errors in DETACH input parameters "
      "are reported as 23E.",
      "Message IEA995I gives the PSW, the registers and the load module and offset at the "
      "error for 03E, with any reason code. ",
      kNA,
      "Find the module that issued 03E in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S03F", "03F"},
     {"A system component found an error and ended the task with completion code 03F; "
      "message IEA995I names the module. Checkpoint and restart failures are reported as 13F "
      "to 53F, not with this code. ",
      kNA,
      "The system abnormally ends the task with completion code 03F after its recovery "
      "routines have run.",
      "Find the module that issued 03F in message IEA995I or the dump. Correct the request "
      "the program made of it, or give the dump to the system programmer."}},
    {{"S040", "040"},
     {"A system component found an error and ended the task with completion code 040; "
      "message IEA995I names the module that issued it.",
      kNA,
      "The system abnormally ends the task with completion code 040 after its recovery "
      "routines have run.",
      kNA}},
    {{"S041", "041"},
     {"An error occurred while an application program exchanged messages with the TCAM message "
      "control program: the message control program was not active, or the application program's "
      "input or output DCB named a queue (QNAME) that is not defined to it.",
      kNA, "The system abnormally ends the task of the telecommunications application program.",
      kNA}},
    {{"S043", "043"},
     {"An error occurred while a telecommunications access method (BTAM or TCAM) processed a "
      "request for a terminal line: the line group DCB, or the control block that described the "
      "request, was not valid for the line.",
      "Possible causes: the line group DCB was not open or had been overlaid; the request named a "
      "relative line number outside the line group; a new request was issued for a line before "
      "the previous one had completed; the terminal list or buffer area passed with the request "
      "was not valid. ",
      kNA,
      "Check the line group DCB and the control blocks passed with each request, wait for each "
      "line operation to complete before issuing the next, correct the program, and run the job "
      "again."}},
    {{"S044", "044"},
     {"An error occurred during processing of a SYNADAF or SYNADRLS macro (SVC 68), with which a "
      "SYNAD routine gets and frees the buffer describing an input/output error: the registers "
      "passed did not hold the values the access method supplied, or SYNADRLS had no matching "
      "SYNADAF.",
      "Possible causes: the routine changed registers 0, 1 or 15 before issuing SYNADAF; the "
      "ACSMETH operand named an access method other than the one in use; SYNADRLS was issued "
      "twice, or outside the routine that issued SYNADAF; the save area chain given to the macro "
      "had been overwritten. ",
      kNA,
      "Issue SYNADAF first in the SYNAD routine, with the registers unchanged and the correct "
      "ACSMETH operand, pair it with one SYNADRLS, and run the job again."}},
    {{"S045", "045"},
     {"The telecommunications access method (TCAM) message control program (MCP) met an "
      "error it cannot recover from, and the MCP ends. The low-order byte of register 15 "
      "holds the reason code given in the Description.",
      "01 -> I/O on a nonreusable disk record beyond the capacity of the data set, which "
      "cannot wrap. 02 -> logical read error: a burst of new traffic overlaid unsent "
      "messages on the reusable disk before they were copied to the alternate destination "
      "queue. 03 -> logical read error fetching a message for a terminal. 04 -> disk OPEN "
      "had not loaded the copy subtask that puts multiple-route or distribution-list "
      "messages on unlike queue types, because a disk message queue DCB failed to open. 05 "
      "-> I/O on a disk message queue data set that is not open. 06 -> a function needing "
      "the timer was called although INTRO gave FEATURE=(,,NOTIMER). 07 -> a message longer "
      "than the reusable disk data set. 08 -> hardware read error on the disk. 09 -> "
      "checkpoint data set too small, or read error on it during restart. 0A -> checkpoint "
      "data set too small, or too many checkpoint records on INTRO. ",
      "The message control program ends abnormally and the system writes a logrec data set "
      "error record.",
      "For reason code 08 look at the messages reporting the disk hardware error. For the "
      "other codes enlarge the message queue or checkpoint data set, correct the INTRO "
      "macro, or make the disk message queue DCB open, then restart the message control "
      "program."}},
    {{"S046", "046"},
     {"An error occurred during processing of a graphic service request (GSERV, SVC 70) for a "
      "graphic display device: the graphic control block or the device was not valid, or the "
      "buffer requested was not available.",
      kNA, "The system abnormally ends the task that issued the graphic service request.", kNA}},
    {{"S047", "047"},
     {"An unauthorized program issued a supervisor call that only authorized programs may use: the "
      "SVC is restricted to callers that run in supervisor state, with a system protection key (0 "
      "to 7), or under APF authorization, and the caller had none of these.",
      "An SVC is restricted when the SVC table marks it as needing APF authorization, through "
      "APF(YES) in the IEASVCxx parmlib member or APF=YES on the SVCUPDTE macro. Possible causes: "
      "the program was link edited without AC(1) or fetched from a library that is not "
      "APF-authorized; the STEPLIB or JOBLIB concatenation includes a library not in the APF list, "
      "so the step runs unauthorized; the program meant to issue another SVC. The PSW in the dump "
      "points just past the SVC instruction. ",
      "The system abnormally ends the task that issued the restricted SVC, without performing the "
      "service, and writes a logrec data set error record.",
      "If the program needs the service, link edit it with AC(1) into an APF-authorized library "
      "and make sure every library of its STEPLIB or JOBLIB is authorized; otherwise correct the "
      "program so that it does not issue the SVC. Run the job again. To find the issuer, get an SVC "
      "dump (SLIP SET,COMP=047,ACTION=SVCD,END); in its system trace, the SVC entry of the same TCB "
      "and ASID just before the SVC D entry for 047 holds the PSW of the unauthorized program. An "
      "IBM module named IED... or IKJ... is most likely TCAM: code AUTHA=NO on the INTRO macro of "
      "the TCAM message control program."}},
    {{"S048", "048"},
     {"An error occurred during processing of a request to the console services routine (SVC 72), "
      "which controls the characteristics of consoles and the routing of messages to them: the "
      "parameter list was not valid, or the console named does not exist.",
      "Possible causes: the console identifier in the request does not belong to an active "
      "console; the request tried to change a console attribute that the caller is not authorized "
      "to change; the parameter list was built incorrectly or overlaid; the request was issued "
      "while the consoles were being reconfigured. ",
      "The system abnormally ends the task that issued the console request; the console keeps its "
      "previous attributes.",
      "Check the console identifier and the parameter list passed to the service, and make sure "
      "the program has the authority it needs. Run the job again; if the error persists, contact "
      "the system programmer."}},
    {{"S049", "049"},
     {"An error occurred during processing of an SPAR macro (SVC 73), which specifies an "
      "attention routine for a graphic device or terminal: the routine address, the device or the "
      "control block passed to the macro was not valid.",
      kNA,
      "The system abnormally ends the task that issued the SPAR macro; the attention routine is "
      "not established.",
      "Check the SPAR operands, in particular the address of the attention routine and the "
      "identification of the device, correct the program, and run the job again."}},
};

}  // namespace

std::span<const TextRow> mvspr1Table() { return kRows; }

}  // namespace quenmar::catalog::mvs
