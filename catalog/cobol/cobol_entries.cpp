#include "catalog/cobol/cobol_entries.h"

namespace quenmar::catalog::cobol {

namespace {

constexpr std::string_view kNA = "NA";
// Showing an entry with this User Response empties the pane.
constexpr std::string_view kNoResponse = "";

constexpr std::string_view kSuccessful = "Successful Completion";
constexpr std::string_view kSuccessfulMicroFocus =
    "Successful Completion. Available with Microfocus COBOL only";
constexpr std::string_view kMicroFocusOnly = "Available with Microfocus COBOL only";
constexpr std::string_view kImplementerDefined = "IMPLEMENTER DEFINED";
constexpr std::string_view kImplementerDefinedVsam = "IMPLEMENTER DEFINED. For VSAM only";
constexpr std::string_view kExtendedStatus = "COBOL EXTENDED FILE STATUS KEY";

// Two run-time system errors are also reported as two-digit file statuses, with one text.
constexpr std::string_view kNoRoomInDirectory = "No room in directory or directory does not exist.";
constexpr std::string_view kDeviceBusy = "Device or resource busy.";

// A file status code answers the list and the typed-code box alike, under its two-digit form
// and, for 00 to 09, under its one-digit form too.
constexpr CobolEntry status(std::array<std::string_view, 2> keys, std::string_view reason,
                            std::string_view description, std::string_view response) {
  const CodeEntry entry{reason, description, kNA, response};
  return {keys, {keys[0], keys[1], {}}, entry, entry};
}

// An extended code is listed as "9-nnn" and typed as "nnn" (some also shorter). An empty
// `typedDescription` means the typed-code box shows the listed Description.
constexpr CobolEntry extended(std::string_view listKey, std::array<std::string_view, 3> typedKeys,
                              std::string_view description,
                              std::string_view typedDescription = {}) {
  const CodeEntry listed{kExtendedStatus, description, kNA, kNA};
  CodeEntry typed = listed;
  if (!typedDescription.empty()) {
    typed.description = typedDescription;
  }
  return {{listKey, {}}, typedKeys, listed, typed};
}

constexpr CobolEntry kEntries[] = {
    status({"00", "0"}, kSuccessful, "NORMAL END. No further information", kNA),
    status(
        {"02", "2"}, "Successful Completion. For Indexed files only",
        "The statement succeeded and a duplicate alternate key is involved: after a READ, the next record in the order of the alternate key in use has the same key value as the record just read; after a WRITE or REWRITE, the record now shares an alternate key value with another record, which the key's DUPLICATES phrase permits.",
        "No correction is needed. When every record with the same alternate key value must be processed, go on reading sequentially on that key until the value changes."),
    status(
        {"04", "4"}, kSuccessful,
        "A READ succeeded, but the length of the record read does not agree with the fixed attributes declared for the file, so the record area may hold a truncated record or bytes left over from an earlier one.",
        "Compare the record descriptions of the FD with the record format and LRECL of the data set and correct whichever is wrong; if the records really vary in length, describe them with RECORD VARYING and a DEPENDING ON item."),
    status(
        {"05", "5"}, kSuccessful,
        "An OPEN succeeded on a file declared OPTIONAL that was not present. Opened INPUT, its first READ returns end of file; opened I-O or EXTEND, the file has been created.",
        "Nothing to correct when the file may be absent; otherwise supply the DD statement or the data set so that the program processes real data."),
    status({"06", "6"}, kSuccessfulMicroFocus,
           "A WRITE was attempted on a file that the program had opened for input only.",
           kNoResponse),
    status(
        {"07", "7"}, kSuccessful,
        "The statement succeeded, but an OPEN with NO REWIND, or a CLOSE with NO REWIND, REEL, UNIT or FOR REMOVAL, named a file that is not on a reel or unit medium such as tape, so the phrase had no effect.",
        "Drop the phrase from the OPEN or CLOSE statement, or put the file on tape if the reel handling is really wanted."),
    status({"08", "8"}, kSuccessfulMicroFocus,
           "A READ was attempted on a file that the program had opened for output only.",
           kNoResponse),
    status({"09", "9"}, kSuccessfulMicroFocus, kNoRoomInDirectory, kNoResponse),
    status(
        {"10"}, "END OF FILE REACHED",
        "A sequential READ found no next logical record: the end of the file was reached, or this was the first READ of an OPTIONAL input file that is not present.",
        "Test for this status or code an AT END phrase and stop reading; a further READ without repositioning the file ends in status 46."),
    status({"12"}, kMicroFocusOnly,
           "An OPEN was issued for a file that is already open in this run unit.", kNoResponse),
    status({"13"}, kMicroFocusOnly, "File not found.", kNoResponse),
    status(
        {"14"},
        "INVALID READ ATTEMPT ON RELATIVE FILE. THE GIVEN RRN NUMBER IS LARGER THAN THE RELATIVE KEY. For Relative files only",
        "A sequential READ of a relative file reached a record whose relative record number is too large for the data item named in the RELATIVE KEY phrase.",
        "Enlarge the PICTURE of the RELATIVE KEY data item so that it can hold the highest record number in the file."),
    status(
        {"15"}, "INVALID FILE",
        "No COBOL standard defines status 15, and IBM Enterprise COBOL never sets it. A 15 comes from another compiler's file handler, which alone defines its meaning, or from a program that moved the value into its status field itself.",
        kNA),
    status({"16"}, kMicroFocusOnly,
           "The program has more device files open at once than the run-time system allows.",
           kNoResponse),
    status({"17"}, kMicroFocusOnly,
           "A record operation failed on a record error, most likely a record of zero length.",
           kNoResponse),
    status(
        {"18"}, kMicroFocusOnly,
        "A READ returned only part of a record: end of file came before the end of the record, or the file was opened in a mode that does not allow reading.",
        kNoResponse),
    status(
        {"19"}, kMicroFocusOnly,
        "A REWRITE failed because the open mode or the access mode of the file does not allow it.",
        kNoResponse),
    status({"20"}, kMicroFocusOnly, kDeviceBusy, kNoResponse),
    status(
        {"21"}, "RECORD OUT OF SEQUENCE",
        "Sequence error on a file accessed sequentially by key: the prime record key of a record written is not higher than that of the record written before it, or the prime key was changed between a successful READ and the REWRITE of that record.",
        "Sort the input into ascending prime key order before loading the file, and leave the RECORD KEY field unchanged between the READ and the REWRITE."),
    status(
        {"22"}, "DUPLICATE KEY",
        "A WRITE or REWRITE would have created a duplicate prime record key, or a duplicate value of an alternate key declared without DUPLICATES; for a relative file, a WRITE named a relative record number already in use. The record was not written.",
        "Check whether a record with that key exists before adding it, or handle the condition in the INVALID KEY phrase; use REWRITE to change a record that exists."),
    status(
        {"23"}, "RECORD NOT FOUND",
        "The record asked for does not exist: a keyed READ, a START, or a random REWRITE or DELETE found no record with that key or relative record number, or a START or random READ was issued for an OPTIONAL input file that is not present.", "Verify the value moved into the RECORD KEY or RELATIVE KEY item before the request, and treat a missing record as a normal case in the INVALID KEY phrase when it can occur."),
    status(
        {"24"}, "NO MORE SPACE ALLOCATED TO FILE. WRITING BEYOND THE ALLOCATION OF THE FILE.",
        "Boundary violation on a relative or indexed file: a WRITE tried to place a record beyond the externally defined limits of the file, or a sequential WRITE to a relative file produced a record number too large for the RELATIVE KEY item.",
        kNA),
    status(
        {"25"}, "INVALID FILE FOR START STATEMENT",
        "No COBOL standard defines status 25, and IBM Enterprise COBOL never sets it. Under IBM COBOL a START on a file not open in INPUT or I-O mode gives status 47, and a START that finds no record satisfying its key condition gives status 23; a 25 comes from another compiler's file handler.",
        kNA),
    status(
        {"30"}, "UNCORRECTABLE I/O ERROR",
        "A permanent input/output error occurred and no further information is available, for example a hardware failure, a data check, or a damaged data set.",
        kNA),
    status(
        {"32"}, kMicroFocusOnly,
        "Either too many indexed files are open at once, or the operating system reported that the process referred to does not exist.",
        kNoResponse),
    status(
        {"34"}, "BOUNDARY VIOLATION. For Sequential files only",
        "Boundary violation on a sequential file: a WRITE tried to place a record beyond the space allocated to the file, usually because the data set has used up its primary and secondary space allocation.",
        kNA),
    status(
        {"35"}, "ATEMPTING TO OPEN AN EMPTY FILE IN INPUT OR I/O MODE",
        "An OPEN statement with the INPUT, I-O, or EXTEND phrase was attempted on a  non-optional file that was not present.",
        "DD Name may be missing or wrongly given"),
    status(
        {"37"}, "OPEN WAS ATTEMPTED ON A FILE THAT WILL NOT SUPPORT THE OPEN MODE SPECIFIED",
        "An OPEN failed because the file does not support the open mode requested, for example I-O on a file that is not on mass storage, or OUTPUT, I-O or EXTEND on a data set the program may only read.",
        "Open the file in a mode that its device and access rights allow; get update authority for the data set, and move it to direct-access storage when I-O is needed."),
    status(
        {"38"}, "ATTEMPT TO OPEN A FILE THAT HAS BEEN CLOSED WITH LOCK",
        "An OPEN was attempted on a file that this run unit had closed WITH LOCK, which forbids opening it again while the run unit lasts.",
        "Close the file without the LOCK phrase when it has to be reopened later in the same run, or open it only once."),
    status(
        {"39"}, "ERROR DURING OPENING. INCONSISTENCY BETWEEN FILE DESC ATTRIBUTES AND ACTUAL FILE",
        "The OPEN failed because the attributes of the actual file conflict with those the program declares: organization, record format (fixed or variable), record length, prime key position or length, alternate keys, or code set. Causes include an FD record length that differs from the LRECL of the data set, a RECORD KEY that does not match the KEYS of the VSAM cluster, or a sequential data set allocated where an indexed file is expected.", "Compare the FD and the SELECT clauses with the definition of the data set (LISTCAT output for a VSAM cluster, the DCB attributes otherwise) and make them all agree on organization, record format, record length, prime key offset and length, and alternate keys; then recompile, or redefine and reload the data set."),
    status(
        {"41"}, "LOGICAL ERROR. ATTEMPT TO OPEN A FILE WHICH IS ALREADY OPENED",
        "An OPEN statement was executed for a file that is already open; the file stays open as it was.",
        "Close the file before opening it again, or keep a switch that records whether it is open and skip the second OPEN."),
    status({"42"}, "ATTEMPT TO CLOSE A FILE THAT IS NOT OPEN",
           "A CLOSE statement was executed for a file that is not open.",
           "Remove the extra CLOSE."),
    status(
        {"43"}, "A READ DID NOT PRECEDE EXECUTION OF CURRENT REWRITE COMMAND",
        "With sequential access, the last input-output statement for the file before this DELETE or REWRITE was not a successful READ, so there is no record to replace or remove.",
        "Issue a successful READ of the record right before the REWRITE or DELETE, with no other input-output statement for that file in between."),
    status(
        {"44"}, "A BOUNADRY VIOLATION DUE TO ATTEMPT TO WRITE A RECORD OF IMPROPER LENGTH",
        "Boundary violation on record length: a WRITE or REWRITE supplied a record longer than the largest or shorter than the smallest the file allows, or a REWRITE changed the length of a record whose length may not change.",
        "Keep the record length given at WRITE or REWRITE (the record chosen, or its DEPENDING ON item) within the minimum and maximum of the file, and match the FD to the LRECL of the data set."),
    status(
        {"46"}, "ATTEMPT TO READ THE NEXT NONEXISTENT RECORD",
        "A sequential READ was attempted with no valid next record: the previous READ had already reached end of file or failed, or the preceding START was unsuccessful.",
        "Stop reading once end of file (status 10) has been returned, and check the status of every START and READ before issuing the next sequential READ."),
    status(
        {"47"}, "ATTEMPT TO READ FROM A FILE WHICH IS NOT OPEN IN INPUT OR I-O MODE",
        "A READ or START was executed for a file that is not open in INPUT or I-O mode, either because it was never opened or because it was opened OUTPUT or EXTEND.",
        "Open the file INPUT or I-O before reading from it, and check that the OPEN succeeded."),
    status(
        {"48"}, "ATTEMPT TO WRITE ON A FILE NOT OPEN IN OUTPUT OR EXTEND MODE",
        "A WRITE was executed for a file not open in a mode that allows it: a sequential file needs OUTPUT or EXTEND, an indexed or relative file OUTPUT, I-O or EXTEND.",
        "Open the file OUTPUT or EXTEND, or I-O for an indexed or relative file, before writing to it."),
    status({"49"}, "ATTEMPT TO DELETE / REWRITE ON A FILE NOT OPEN IN I-O MODE",
           "A DELETE or REWRITE was executed for a file that is not open in I-O mode.",
           "Open the file I-O before updating or deleting records in it."),
    status({"90"}, kImplementerDefined, "Not Implemented yet", kNA),
    status(
        {"91"}, kImplementerDefined,
        "Password or authorization failure: the password supplied for the VSAM data set was wrong or missing, so the OPEN was refused.",
        kNA),
    status(
        {"92"}, kImplementerDefined,
        "Logic error detected by the access method: the request does not fit the current state of the file, such as an operation that the open mode or the earlier requests make impossible.",
        kNA),
    status(
        {"93"}, kImplementerDefinedVsam,
        "Resource not available: the data set is held by another job or region, or VSAM could not obtain the storage it needs, so the OPEN or the request failed.",
        kNA),
    status(
        {"94"}, kImplementerDefined,
        "No file position indicator for a sequential request: the file has no valid position from which a next record could be read. Older VSAM processing under the CMPR2 compiler option returned it; programs compiled without CMPR2 get status 46 in this case.",
        kNA),
    status(
        {"95"}, kImplementerDefinedVsam,
        "Invalid or incomplete file information: VSAM could not complete the OPEN with the attributes that the program and the catalog entry give for the data set.",
        kNA),
    status(
        {"96"}, kImplementerDefined,
        "No DD statement was found for the file when an OPEN needed one, typically OPEN OUTPUT, or OPEN I-O or EXTEND of an OPTIONAL file, with the ddname neither coded in the JCL nor allocated dynamically.",
        kNA),
    status(
        {"97"}, kImplementerDefinedVsam,
        "The OPEN succeeded after VSAM verified the integrity of the file: the data set had not been closed properly, and an implicit VERIFY corrected its catalog information.",
        kNA),
    status(
        {"98"}, kImplementerDefined,
        "A value left to each implementer that IBM Enterprise COBOL never sets. It comes from another compiler's file handler, which defines what it means there, or from a program that moved 98 into its status field itself.",
        kNA),
    status(
        {"99"}, kImplementerDefined,
        "Implementer-defined value with no standard meaning that IBM Enterprise COBOL never sets, so a 99 points to another compiler's file handler or to a status field that the program set itself.",
        kNA),
    extended("9-000", {"000"}, "No further information", "No further information.  "),
    extended("9-001", {"001", "01", "1"}, "Not enough buffer space for the file operation. "),
    extended("9-002", {"002"}, "File not open when the access was attempted.",
             "File not open when the access was attempted. "),
    extended("9-003", {"003"},
             "Serial mode error: the operation does not suit a file with sequential access.",
             "Serial mode error: the operation does not suit a file with sequential access. "),
    extended("9-004", {"004"}, "Invalid file name. "),
    extended("9-005", {"005"}, "Invalid device specification. ", "Invalid device specification."),
    extended("9-006", {"006"}, "Write attempted on a file opened for input. ",
             "Write attempted on a file opened for input."),
    extended("9-007", {"007"}, "Disk space exhausted. ", "Disk space exhausted.Disk "),
    extended("9-008", {"008"}, "Read attempted on a file opened for output. "),
    extended("9-009", {"009"}, kNoRoomInDirectory),
    extended("9-010", {"010"}, "File name not supplied. "),
    extended("9-012", {"012"}, "Open attempted on a file that is already open.",
             "Open attempted on a file that is already open. "),
    extended("9-013", {"013"}, "File not found. "),
    extended("9-014", {"014"}, "Too many files open at the same time.",
             "Too many files open at the same time. "),
    extended("9-015", {"015"}, "Too many indexed files open at once.",
             "Too many indexed files open at once. "),
    extended("9-016", {"016"}, "Too many device files open. ", "Too many device files open."),
    extended("9-017", {"017"}, "Record error, probably a record of zero length. "),
    extended(
        "9-018", {"018"},
        "Read partial record error: EOF before EOR or file open in wrong mode.The last record of the file is shorter than its record length says, so end of file came before end of record, or the open mode does not permit the READ that was issued.", "Read partial record error: EOF before EOR or file open in wrong mode."),
    extended("9-019", {"019"}, "Rewrite error: the open mode or access mode is wrong. "),
    extended("9-020", {"020"}, kDeviceBusy),
    extended("9-021", {"021"}, "File is a directory. ", "File is a directory."),
    extended("9-022", {"022"}, "Invalid or impossible access mode for OPEN. ",
             "Invalid or impossible access mode for OPEN."),
    extended("9-023", {"023"}, "Invalid or impossible access mode for CLOSE. "),
    extended("9-024", {"024"}, "Disk input/output error. ", "Disk input/output error."),
    extended("9-025", {"025"}, "Operating system data error. ", "Operating system data error."),
    extended("9-026", {"026", "26"}, "Block input/output error. "),
    extended("9-027", {"027", "27"}, "Device not available.", "Device not available. "),
    extended("9-028", {"028", "28"}, "No space left on the device. "),
    extended("9-029", {"029", "29"}, "Delete attempted on an open file. ",
             "Delete attempted on an open file."),
    extended("9-030", {"030"}, "File system is read-only. ", "File system is read-only."),
    extended("9-031", {"031", "31"}, "Not the owner of the file. ", "Not the owner of the file."),
    extended("9-032", {"032"}, "Too many indexed files, or no such process. "),
    extended("9-033", {"033", "33"}, "Physical input/output error.",
             "Physical input/output error. "),
    extended("9-034", {"034"}, "Incorrect mode or file descriptor.",
             "Incorrect mode or file descriptor. "),
    extended("9-035", {"035"}, "File accessed without the required permission. ",
             "File accessed without the required permission."),
    extended("9-036", {"036", "36"}, "File already exists.", "File already exists. "),
    extended("9-037", {"037"}, "File access denied. "),
    extended("9-038", {"038"}, "Disk not compatible.", "Disk not compatible. "),
    extended("9-039", {"039"}, "File not compatible with the program's description of it. "),
    extended("9-040", {"040", "40"}, "Language initialization not set up correctly. ",
             "Language initialization not set up correctly."),
    extended("9-041", {"041"}, "Corrupt index file. "),
    extended("9-042", {"042"}, "Write attempted on a broken pipe. "),
    extended("9-043", {"043"}, "File information missing for an indexed file. "),
    extended("9-045", {"045", "45"}, "NLS file opened by an incompatible program. "),
    extended("9-047", {"047"}, "Indexed structure overflow. "),
    extended("9-065", {"065", "65"}, "File locked. "),
    extended("9-066", {"066", "66"}, "Duplicate record key added to an indexed file. "),
    extended("9-067", {"067", "67"}, "Indexed file not open. "),
    extended("9-068", {"068", "68"}, "Record locked. "),
    extended("9-069", {"069", "69"}, "Invalid argument passed to the ISAM module. ",
             "Invalid argument passed to the ISAM module."),
    extended("9-070", {"070", "70"}, "Too many ISAM files open. ", "Too many ISAM files open."),
    extended("9-071", {"071", "71"}, "Bad indexed file format. "),
    extended("9-072", {"072", "72"}, "End of indexed file. "),
    extended("9-073", {"073", "73"}, "No record found in the indexed file. "),
    extended("9-074", {"074", "74"}, "No current record in the indexed file. "),
    extended("9-075", {"075", "75"}, "Indexed data file name too long. ",
             "Indexed data file name too long."),
    extended("9-076", {"076", "76"}, "Lock file could not be created in the /isam directory. "),
    extended("9-077", {"077", "77"}, "Internal ISAM module error. "),
    extended("9-081", {"081", "81"}, "Key already exists in the indexed file. "),
    extended("9-092", {"092"},
             "Run-time file handler error: the input-output request was not carried out."),
    extended("9-100", {"100"}, "Invalid file operation."),
    extended("9-101", {"101"}, "Operation not allowed on an indexed file.",
             "Operation not allowed on an indexed file. "),
    extended(
        "9-102", {"102"},
        "Sequential file ends in a partial record: its size is not a whole number of records. "),
    extended("9-104", {"104"}, "Null file name used in a file operation."),
    extended("9-105", {"105"}, "Memory allocation error. "),
    extended("9-124", {"124"},
             "Communication failure during an I/O request to the central file handler. "),
    extended("9-125", {"125"}, "Not enough program memory: the object file is too large to load. "),
    extended("9-129", {"129"}, "Record zero of a relative file accessed. "),
    extended("9-135", {"135"}, "File must exist for the open mode, but was not found.",
             "File must exist for the open mode, but was not found. "),
    extended("9-138", {"138"}, "File closed with lock cannot be opened again. "),
    extended("9-139", {"139"}, "Record length or key data inconsistent with the file. "),
    extended("9-141", {"141"}, "File already open, so it cannot be opened. "),
    extended("9-142", {"142"}, "File not open, so it cannot be closed. "),
    extended("9-143", {"143"}, "Sequential REWRITE or DELETE not preceded by a successful READ. "),
    extended("9-146", {"146"}, "No current record defined for the sequential read. "),
    extended("9-147", {"147"}, "Wrong open mode or access mode for READ or START. "),
    extended("9-148", {"148"}, "Wrong open mode or access mode for WRITE. "),
    extended("9-149", {"149"}, "Wrong open mode or access mode for REWRITE or DELETE.",
             "Wrong open mode or access mode for REWRITE or DELETE. "),
    extended("9-150", {"150"}, "Program abandoned at the user's request. "),
    extended("9-151", {"151"}, "Random read attempted on a sequential file. "),
    extended("9-152", {"152"}, "REWRITE on a file not opened I-O. "),
    extended("9-158", {"158"}, "REWRITE attempted on a line sequential file.",
             "REWRITE attempted on a line sequential file. "),
    extended("9-159", {"159"}, "Malformed line sequential file. ",
             "Malformed line sequential file."),
    extended("9-161", {"161"}, "Invalid intermediate code."),
    extended("9-173", {"173"}, "Called program file not found.", "Called program file not found. "),
    extended("9-180", {"180"}, "End-of-file marker error. ", "End-of-file marker error."),
    extended("9-182", {"182"}, "Console input or output opened in the wrong direction.",
             "Console input or output opened in the wrong direction. "),
    extended("9-183", {"183"}, "Line sequential file opened for I-O. "),
    extended("9-188", {"188"}, "File name too long. "),
    extended("9-193", {"193"}, "Error in a variable length count. ",
             "Error in a variable length count."),
    extended("9-194", {"194"}, "File size too large. "),
    extended("9-195", {"195"}, "DELETE or REWRITE not preceded by a READ. "),
    extended("9-196", {"196"}, "Record number too large for a relative or indexed file. ",
             "Record number too large for a relative or indexed file."),
    extended("9-210", {"210"}, "File is closed with lock.", "File is closed with lock. "),
    extended("9-213", {"213"}, "Too many locks."),
    extended("9-218", {"218"}, "Malformed MULTIPLE REEL/UNIT file. "),
    extended("9-219", {"219"}, "Operating system shared file limit exceeded."),
};

}  // namespace

std::span<const CobolEntry> entries() { return kEntries; }

}  // namespace quenmar::catalog::cobol
