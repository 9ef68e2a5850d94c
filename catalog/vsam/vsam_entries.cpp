#include "catalog/vsam/vsam_entries.h"

#include "catalog/number_reader.h"

namespace quenmar::catalog::vsam {
namespace {

constexpr std::string_view kNA = "NA";

constexpr TextRow titled(std::string_view key, std::string_view title) {
  return {{key, {}, {}}, {title, kNA, kNA, kNA}};
}

// "05" and "35" share one title; "07" and "24" hold two quoted phrases back to back.
constexpr std::string_view kOpenFileNotPresent = "'OPEN, FILE NOT PRESENT'";

constexpr TextRow kStatusCodes[] = {
    titled("02", "'DUPLICATE KEY, NON UNIQ. ALT INDX'"),
    titled("04", "'READ, WRONG LENGTH RECORD'"),
    titled("05", kOpenFileNotPresent),
    titled("07", "'CLOSE OPTION INCOMPAT FILE DEVICE''OPEN IMPLIES TAPE; TAPE NOT USED'"),
    titled("10", "'END OF FILE'"),
    titled("14", "'RRN > RELATIVE KEY DATA'"),
    titled("20", "'INVALID KEY VSAM KSDS OR RRDS'"),
    titled("21", "'SEQUENCE ERROR, ON WRITE'"),
    titled("22", "'DUPLICATE KEY'"),
    titled("23", "'RECORD OR FILE NOT FOUND'"),
    titled("24", "'BOUNDARY VIOLATION.''WRITE PAST END OF KSDS RECORD '"),
    titled("30", "'PERMANENT DATA ERROR'"),
    titled("34", "'BOUNDARY VIOLATION'"),
    titled("35", kOpenFileNotPresent),
    titled("37", "'OPEN MODE INCOMPAT WITH DEVICE'"),
    titled("38", "'OPENING FILE CLOSED WITH LOCK'"),
    titled("39", "'OPEN, FILE ATTRIB CONFLICTING'"),
    titled("41", "'OPEN, FILE IS OPEN'"),
    titled("43", "'DELETE OR REWRITE & NO GOOD READ FIRST'"),
    titled("44", "'BOUNDARY VIOLATION/REWRITE REC TOO BIG'"),
    titled("46", "'SEQUENTIAL READ WITHOUT POSITIONING'"),
    titled("47", "'READING FILE NOT OPEN AS INPUT/IO/EXTEND'"),
    titled("48", "'WRITE WITHOUT OPEN IO'"),
    titled("49", "'DELETE OR REWRITE WITHOUT OPEN IO'"),
    titled("90", "'UNKNOWN'"),
    titled("91", "'VSAM - PASSWORD FAILURE'"),
    titled("92", "'LOGIC ERROR/OPENING AN OPEN FILE'"),
    titled("93", "'VSAM - VIRTSTOR. RESOURCE NOT AVAILABLE'"),
    titled("94", "'VSAM - SEQUENTIAL READ AFTER END OF FILE'"),
    titled("95", "'VSAM - INVALID FILE INFORMATION'"),
    titled("96", "'VSAM - MISSING DD STATEMENT IN JCL'"),
    titled("97", "'VSAM - OPEN OK, FILE INTEGRITY VERIFIED'"),
};

// Keys are decimal without leading zeros; 44 to 60, 124, 128 and 160 to 188 have no entry.
constexpr TextRow kLogicalErrors[] = {
    titled("4", "'READ PAST END OF FILE'"),
    titled("8", "'DUPLICATE KEY'"),
    titled("12", "'KEY SEQUENCE ERROR'"),
    titled("16", "'NOT FOUND'"),
    titled("20", "'CONTROL INTERVAL IN USE BY OTHER JOB'"),
    titled("24", "'VOLUME CANNOT BE MOUNTED'"),
    titled("28", "'UNABLE TO EXTEND DATASET'"),
    titled("32", "'RBA NOT FOUND'"),
    titled("36", "'KEY IS NOT IN A DEFINED KEY RANGE'"),
    titled("40", "'INSUFFICIENT VIRTUAL STORAGE'"),
    titled("64", "'NO AVAILABLE STRINGS'"),
    titled("68", "'OPEN DID NOT SPECIFY PROC TYPE'"),
    titled("72", "'KEY ACCESS TO ESDS OR RRDS'"),
    titled("76", "'ATTEMPTED INSERT TO WRONG TYPE DATASET'"),
    titled("80", "'ATTEMPTED DELETE FROM ESDS'"),
    titled("84", "'OPTCD LOC FOR PUT REQUEST'"),
    titled("88", "'POSITION NOT ESTABLISHED'"),
    titled("92", "'PUT WITHOUT GET FOR UPDATE'"),
    titled("96", "'TRYING TO CHANGE PRIMARY KEY'"),
    titled("100", "'TRYING TO CHANGE LRECL'"),
    titled("104", "'INVALID RPL OPTIONS'"),
    titled("108", "'INVALID LRECL'"),
    titled("112", "'INVALID KEY LENGTH'"),
    titled("116", "'VIOLATED LOAD MODE RESTRICTION'"),
    titled("120", "'WRONG TASK SUBMITTING REQUEST'"),
    titled("132", "'TRYING TO GET SPANNED REC IN LOC MODE'"),
    titled("136", "'TRYING TO GET SPANNED REC BY ADDRESS'"),
    titled("140", "'INCONSISTENT SPANNED REC'"),
    titled("144", "'ALT INDEX POINTER WITH NO MATCHING'"),
    titled("148", "'EXCEEDED MAX POINTERS IN ALT INDEX REC'"),
    titled("152", "'INSUFFICIENT BUFFERS AVAILABLE'"),
    titled("156", "'INVALID CONTROL INTERVAL'"),
    titled("192", "'INVALID RELATIVE REC NUMBER'"),
    titled("196", "'ATTEMPTED ADDRESSED REQUEST TO RRDS'"),
    titled("200", "'INVALID ACCESS THROUGH A PATH'"),
    titled("204", "'PUT IN BACKWARD MODE'"),
    titled("208", "'INVALID ENDREQ MACRO'"),
};

constexpr TextRow kPhysicalErrors[] = {
    titled("4", "'READ ERROR ON DATA'"),          titled("8", "'READ ERROR ON INDEX'"),
    titled("12", "'READ ERROR IN SEQUENCE SET'"), titled("16", "'WRITE ERROR ON DATA'"),
    titled("20", "'WRITE ERROR ON INDEX'"),       titled("24", "'WRITE ERROR IN SEQUENCE SET'"),
};

constexpr ReturnCode kReturnCodes[] = {
    {"0", titled("0", "'SUCCESSFUL COMPLETION'").entry, {}, {}, {}},
    {"4", titled("4", "'ANOTHER REQUEST IS ACTIVE'").entry, {}, {}, {}},
    {"8", {"", "", "", ""}, kLogicalErrors, "Choose The LOGICAL ERROR", "Logical Error Message"},
    {"12",
     {"", "", "", ""},
     kPhysicalErrors,
     "Choose The PHYSICAL ERROR",
     "Physical Error Message"},
};

constexpr TextRow kFunctionCodes[] = {
    titled("0", "'ACCESSING BASE CLUSTER, NO PROBLEM'"),
    titled("1", "'ACCESSING BASE CLUSTER, MAY BE A PROBLEM'"),
    titled("2", "'ACCESSING ALTERNATE INDEX, NO PROBLEM'"),
    titled("3", "'ACCESSING ALTERNATE INDEX, MAY BE A PROBLEM'"),
    titled("4", "'UPGRADE PROCESSING, NO PROBLEM'"),
    titled("5", "'UPGRADE PROCESSING, MAY BE A PROBLEM'"),
};

}  // namespace

std::span<const TextRow> statusCodeEntries() { return kStatusCodes; }

std::span<const ReturnCode> returnCodes() { return kReturnCodes; }

const ReturnCode* findReturnCode(std::string_view code) {
  for (const ReturnCode& row : kReturnCodes) {
    if (row.code == code) {
      return &row;
    }
  }
  return nullptr;
}

const ReturnCode* findErrorChoice(std::int16_t number) {
  for (const ReturnCode& row : kReturnCodes) {
    if (!row.errorCodes.empty() && readCodeNumber(row.code) == number) {
      return &row;
    }
  }
  return nullptr;
}

std::span<const TextRow> logicalErrorEntries() { return kLogicalErrors; }

std::span<const TextRow> physicalErrorEntries() { return kPhysicalErrors; }

std::span<const TextRow> functionCodeEntries() { return kFunctionCodes; }

}  // namespace quenmar::catalog::vsam
