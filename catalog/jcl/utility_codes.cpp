#include "catalog/jcl/utility_codes.h"

#include <array>
#include <cstddef>

namespace quenmar::catalog::jcl {
namespace {

constexpr std::string_view kNA = "NA";

// Texts that several return codes show.
constexpr std::string_view kSuccessful = "Successful completion";
constexpr std::string_view kSuccessfulStop = "Successful completion.";
constexpr std::string_view kUnsuccessful = "Unsuccessful completion";
constexpr std::string_view kUnsupportedSystem = "Unsupported operating system.";
constexpr std::string_view kUnrecoverableEnds = "An unrecoverable error exists. The utility ends.";
constexpr std::string_view kUnrecoverableIsEnded =
    "An unrecoverable error exists. The utility is ended.";
constexpr std::string_view kIefbr14Description =
    "Performs no action other than give return code 0 but the job scheduler checks JCL "
    "statements  for syntax errors, allocates space for data sets and  performs disposition "
    "processing.";

// Most utilities explain a return code in the Reason pane alone.
constexpr ReturnCode explained(std::string_view code, std::string_view reason) {
  return {code, {reason, kNA, kNA, kNA}};
}

// The sort programs give a short verdict and explain it in the Description pane.
constexpr ReturnCode verdict(std::string_view code, std::string_view verdict,
                             std::string_view description, bool listed = true) {
  return {code, {verdict, description, kNA, kNA}, listed};
}

template <std::size_t N>
constexpr std::size_t listedCount(const ReturnCode (&codes)[N]) {
  std::size_t count = 0;
  for (const ReturnCode& code : codes) {
    count += code.listed ? 1 : 0;
  }
  return count;
}

// The codes the return code list offers, taken from the same rows that explain them.
template <std::size_t Listed, std::size_t N>
constexpr std::array<std::string_view, Listed> listedCodes(const ReturnCode (&codes)[N]) {
  std::array<std::string_view, Listed> list{};
  std::size_t next = 0;
  for (const ReturnCode& code : codes) {
    if (code.listed) {
      list[next++] = code.code;
    }
  }
  return list;
}

constexpr ReturnCode kIebcompr[] = {
    explained("00", kSuccessful),
    explained("08", "An unequal comparison. Processing continues."),
    explained("12", kUnrecoverableEnds),
    explained("16", "A user routine passed a return code of 16 to IEBCOMPR. The utility ends."),
};

constexpr ReturnCode kIebcopy[] = {
    explained("00", kSuccessful),
    explained(
        "04",
        "A condition was met that may be recoverable; processing went on, and the messages in SYSPRINT show which data sets or members were affected."),
    explained("08", kUnrecoverableEnds),
};

// The utility's entries call it IEBDG, its real name.
constexpr ReturnCode kIebdbg[] = {
    explained("00", kSuccessfulStop),
    explained(
        "04",
        "A user routine returned a code of 16 to IEBDG, asking it to stop; the utility ended at the user's request."),
    explained(
        "08",
        "An error was found while a set of utility control statements was processed. No data is generated after the error; processing goes on normally with the  next set of control statements, if there is one."),
    explained("12", "Processing of an input or output data set failed, and the utility ended."),
    explained("16", "The utility met an error that it could not recover from, and it ended."),
};

constexpr ReturnCode kIebedit[] = {
    explained("00", kSuccessful),
    explained(
        "04",
        "An error occurred; the output data set may not be usable as a job stream.  Processing continues."),
    explained(
        "08",
        "Processing of the input, output or control data set hit an error that the utility could not recover from, so it ended."),
};

constexpr ReturnCode kIebgener[] = {
    explained("00", kSuccessfulStop),
    explained("04", "Probably a successful completion; a warning message was written to SYSPRINT."),
    explained(
        "08",
        "Processing stopped after the user asked for user header labels only, or an error was found in DBCS data."),
    explained("12", "The utility met an unrecoverable error, and the job step was ended."),
    explained("16", "A user routine returned 16 to IEBGENER, and the utility ended."),
};

constexpr ReturnCode kIebimage[] = {
    explained("00", "Successful completion; operations performed as requested."),
    explained("04", "Warning messages were issued, but the requested operations were performed."),
    explained(
        "08",
        "An error was found in a requested operation, which was not performed; the error messages in SYSPRINT say why."),
    explained("12", "Severe exception; processing may end."),
    explained("16", "Catastrophic exception; processing ends."),
    explained("20", "SYSPRINT data set could not be opened; the utility is ended."),
    explained("24", "User parameter list incorrect; the utility is ended"),
};

constexpr ReturnCode kIebisam[] = {
    explained("00", kSuccessful),
    explained(
        "04",
        "A possibly recoverable condition was met; the utility carried on, and SYSPRINT holds a warning message."),
    explained(
        "08",
        "An error prevented the requested unload, copy or load from completing; see the SYSPRINT messages for the data set concerned."),
    explained(
        "12",
        "A severe error occurred and the utility ended; SYSPRINT names the data set or statement concerned."),
    explained(
        "16",
        "An unrecoverable error occurred and the utility ended at once; the SYSPRINT messages show where it stopped."),
};

constexpr ReturnCode kIebptpch[] = {
    explained("00", kSuccessful),
    explained(
        "04",
        "The input held nothing to print or punch: a sequential data set without records, or a partitioned data set without members."),
    explained(
        "08",
        "A member named for printing or punching does not exist in the input data set; processing goes on with the next member."),
    explained("12",
              "An unrecoverable error occurred, or a user routine returned 12. The utility ends."),
    explained("16", "A user routine returned 16 to IEBPTPCH. The utility ends."),
};

constexpr ReturnCode kIebupdte[] = {
    explained("00", kSuccessful),
    explained(
        "04",
        "A control statement is wrong in its coding or its use. With a sequential input or output the utility stops there; when both are partitioned it passes on to the next function and carries on, so check SYSPRINT for the member."),
    explained("12", kUnrecoverableIsEnded),
    explained("16", "A user label routine returned 16 to IEBUPDTE. The utility ends."),
};

// The list calls the tape labelling utility IEHINIT; its entries use its real name, IEHINITT.
constexpr ReturnCode kIehinit[] = {
    explained("00", "Successful completion. A message data set was created."),
    explained(
        "04",
        "A warning condition arose while tapes were being labelled and processing went on; check the messages in SYSPRINT to confirm that every volume got its label."),
    explained(
        "08",
        "An error occurred while IEHINITT processed a control statement or a tape; that request was not completed."),
    explained("12",
              "A severe error occurred in IEHINITT; see SYSPRINT for the request that failed."),
    explained("16", "An unrecoverable error occurred in IEHINITT. The utility ends."),
};

constexpr ReturnCode kIehlist[] = {
    explained("00", kSuccessfulStop),
    explained(
        "08",
        "A listing request, such as one for a particular catalog entry, did not succeed; processing goes on with the next statement."),
    explained("12", "A permanent input/output error occurred. The job is ended."),
    explained(
        "16",
        "An unrecoverable error occurred, for example SYSIN or SYSPRINT could not be opened. The job is ended."),
};

constexpr ReturnCode kIehmove[] = {
    explained("00", kSuccessful),
    explained("04",
              "A possibly recoverable condition was met; the move or copy in progress went on."),
    explained(
        "08",
        "An unrecoverable error occurred in one move or copy function; that function ended and the utility went on with the next control statement."),
    explained("12", kUnrecoverableIsEnded),
    explained(
        "16",
        "An unrecoverable error occurred while SYSIN or SYSPRINT was being read or written. The utility is ended."),
};

constexpr ReturnCode kIehprogm[] = {
    explained("00", kSuccessful),
    explained(
        "04",
        "The name field of a control statement, or the PARM field of the EXEC statement, holds a syntax error; processing continues."),
    explained(
        "08",
        "The control statement or request for an operation was invalid, so that operation was skipped and not performed."),
    explained(
        "12",
        "Reading or writing SYSIN, SYSPRINT or a VTOC failed with an input/output error, and the utility ended."),
    explained("16", kUnrecoverableIsEnded),
};

constexpr ReturnCode kDfsort[] = {
    verdict("00", kSuccessful, "DFSORT completed successfully. "),
    verdict(
        "04", kSuccessful,
        "DFSORT completed, but it met a condition that the job or the installation asked it to report with return code 4 rather than simply ignore. Typical causes include: SPANINC=RC4, with incomplete spanned records removed; NULLOUT=RC4, with an empty SORTOUT data set, or NULLOFL=RC4, with an empty OUTFIL data set; OVFLO=RC4, when a SUM field overflowed; PAD=RC4 or TRUNC=RC4, when records were padded or truncated to fit the output record length. Read the ICE messages in SYSOUT to see which applied, and check that the output is still what the job needs before later steps use it. "),
    verdict("16", kUnsuccessful,
            "DFSORT detected an error that prevented it from completing successfully."),
    verdict(
        "20", "Message data set missing",
        "DFSORT could not write its messages because the SYSOUT DD statement, or the message data set named by MSGDDN, was missing; it ended without processing the data."),
    verdict(
        "24", kUnsupportedSystem,
        "DFSORT was run on an operating system release that it does not support, and it ended at once. Run it on a supported release or install a DFSORT level that fits the system."),
};

// The return code list offers ICETOOL the same codes as DFSORT, so 12 is not among them.
constexpr ReturnCode kIcetool[] = {
    verdict("00", kSuccessful, "All operations completed successfully "),
    verdict(
        "04", kSuccessful,
        "Every operation completed, but at least one ended with return code 4, for instance a COUNT operator whose RC4 condition was met or a DFSORT run that ended with a warning; the TOOLMSG messages show which."),
    verdict(
        "12", kUnsuccessful,
        "ICETOOL itself found one or more errors, such as an operator statement it could not accept, that kept it from completing successfully. The messages for them are in the TOOLMSG data set; in STOP mode the operations after the failing one were not performed. Correct the errors and run the step again.",
        false),
    verdict(
        "16", kUnsuccessful,
        "DFSORT found one or more errors in an operation that ICETOOL handed to it, which kept ICETOOL from completing successfully. DFSORT's messages for them are in the DFSMSG data set, ICETOOL's in TOOLMSG; in STOP mode the later operations were not performed."),
    verdict("20", "Message data set error.",
            "The TOOLMSG DD statement was not present or the TOOLMSG data set was not opened."),
    verdict(
        "24", kUnsupportedSystem,
        "ICETOOL was run on an operating system release that it does not support, and it ended without performing any operation."),
};

constexpr auto kIebcomprList = listedCodes<listedCount(kIebcompr)>(kIebcompr);
constexpr auto kIebcopyList = listedCodes<listedCount(kIebcopy)>(kIebcopy);
constexpr auto kIebdbgList = listedCodes<listedCount(kIebdbg)>(kIebdbg);
constexpr auto kIebeditList = listedCodes<listedCount(kIebedit)>(kIebedit);
constexpr auto kIebgenerList = listedCodes<listedCount(kIebgener)>(kIebgener);
constexpr auto kIebimageList = listedCodes<listedCount(kIebimage)>(kIebimage);
constexpr auto kIebisamList = listedCodes<listedCount(kIebisam)>(kIebisam);
constexpr auto kIebptpchList = listedCodes<listedCount(kIebptpch)>(kIebptpch);
constexpr auto kIebupdteList = listedCodes<listedCount(kIebupdte)>(kIebupdte);
constexpr auto kIehinitList = listedCodes<listedCount(kIehinit)>(kIehinit);
constexpr auto kIehlistList = listedCodes<listedCount(kIehlist)>(kIehlist);
constexpr auto kIehmoveList = listedCodes<listedCount(kIehmove)>(kIehmove);
constexpr auto kIehprogmList = listedCodes<listedCount(kIehprogm)>(kIehprogm);
constexpr auto kDfsortList = listedCodes<listedCount(kDfsort)>(kDfsort);
constexpr auto kIcetoolList = listedCodes<listedCount(kIcetool)>(kIcetool);

// IEFBR14 and IEHATLAS end with no return code worth a list. Picking one of them shows its
// entry at once; a pick in the return code list while its name stands in the main list's text
// shows the second entry, which for IEFBR14 states the return code instead.
constexpr CodeEntry kIefbr14{"Dummy program. Does Nothing. ", kIefbr14Description, kNA, kNA};
constexpr CodeEntry kIehatlas{"Equivalent to Device Support Facility (ICKDSF). Not available now.",
                              kNA, kNA, kNA};
constexpr NameOnlyAnswer kIefbr14Answer{{"Dummy program. Returns 0", kIefbr14Description, kNA, kNA},
                                        true};
constexpr NameOnlyAnswer kIehatlasAnswer{kIehatlas, false};

constexpr Utility kUtilities[] = {
    {"IEBCOMPR", kIebcomprList, nullptr, kIebcompr, nullptr},
    {"IEBCOPY", kIebcopyList, nullptr, kIebcopy, nullptr},
    {"IEBDBG", kIebdbgList, nullptr, kIebdbg, nullptr},
    {"IEBEDIT", kIebeditList, nullptr, kIebedit, nullptr},
    {"IEBGENER", kIebgenerList, nullptr, kIebgener, nullptr},
    {"IEBIMAGE", kIebimageList, nullptr, kIebimage, nullptr},
    {"IEBISAM", kIebisamList, nullptr, kIebisam, nullptr},
    {"IEBPTPCH", kIebptpchList, nullptr, kIebptpch, nullptr},
    {"IEFBR14", {}, &kIefbr14, {}, &kIefbr14Answer},
    {"IEBUPDTE", kIebupdteList, nullptr, kIebupdte, nullptr},
    {"IEHATLAS", {}, &kIehatlas, {}, &kIehatlasAnswer},
    {"IEHINIT", kIehinitList, nullptr, kIehinit, nullptr},
    {"IEHLIST", kIehlistList, nullptr, kIehlist, nullptr},
    {"IEHMOVE", kIehmoveList, nullptr, kIehmove, nullptr},
    {"IEHPROGM", kIehprogmList, nullptr, kIehprogm, nullptr},
    {"DFSORT", kDfsortList, nullptr, kDfsort, nullptr},
    {"ICETOOL", kIcetoolList, nullptr, kIcetool, nullptr},
};

}  // namespace

std::span<const Utility> utilities() { return kUtilities; }

const Utility* findUtility(std::string_view name) {
  for (const Utility& utility : kUtilities) {
    if (utility.name == name) {
      return &utility;
    }
  }
  return nullptr;
}

const CodeEntry* findReturnCode(const Utility& utility, std::string_view code) {
  for (const ReturnCode& row : utility.returnCodeEntries) {
    if (row.code == code) {
      return &row.entry;
    }
  }
  return nullptr;
}

}  // namespace quenmar::catalog::jcl
