#pragma once

#include <string_view>

namespace quenmar::catalog::mvs {

// Texts that several MVS rows show. The characters of each live in one inline array, so
// every row that shows the text points at the same characters, in whichever file its table
// is; a describer file keeps a shared text of its own locally when no other file uses it.
inline constexpr char kNAText[] = "NA";
inline constexpr std::string_view kNA{kNAText, sizeof(kNAText) - 1};
inline constexpr char kNoneText[] = "None.";
inline constexpr std::string_view kNone{kNoneText, sizeof(kNoneText) - 1};
inline constexpr char kSystemErrorRerunText[] = "System error. Rerun the job.";
inline constexpr std::string_view kSystemErrorRerun{kSystemErrorRerunText,
                                                    sizeof(kSystemErrorRerunText) - 1};

// System Actions shared across the later describers.
inline constexpr char kActIea705iText[] =
    "The system issues message IEA705I. The system abnormally ends the current task.";
inline constexpr std::string_view kActIea705i{kActIea705iText, sizeof(kActIea705iText) - 1};
inline constexpr char kActTerminatesTaskText[] = "The system terminates the task.";
inline constexpr std::string_view kActTerminatesTask{kActTerminatesTaskText,
                                                     sizeof(kActTerminatesTaskText) - 1};
inline constexpr char kActTaskTerminatedText[] = "The task is terminated.";
inline constexpr std::string_view kActTaskTerminated{kActTaskTerminatedText,
                                                     sizeof(kActTaskTerminatedText) - 1};
inline constexpr char kActEndsEventsIssuerText[] =
    "The system abnormally ends the program that issued the EVENTS macro.";
inline constexpr std::string_view kActEndsEventsIssuer{kActEndsEventsIssuerText,
                                                       sizeof(kActEndsEventsIssuerText) - 1};
inline constexpr char kActLogrecContinuesText[] =
    "The system writes a logrec data set error record. The system continues processing.";
inline constexpr std::string_view kActLogrecContinues{kActLogrecContinuesText,
                                                      sizeof(kActLogrecContinuesText) - 1};
inline constexpr char kActAbendDumpText[] = "The system issues an ABEND dump.";
inline constexpr std::string_view kActAbendDump{kActAbendDumpText, sizeof(kActAbendDumpText) - 1};
inline constexpr char kActAbnormallyTerminatesTaskText[] =
    "The system abnormally terminates the task.";
inline constexpr std::string_view kActAbnormallyTerminatesTask{
    kActAbnormallyTerminatesTaskText, sizeof(kActAbnormallyTerminatesTaskText) - 1};
inline constexpr char kActAbnormallyEndsTaskText[] = "The system abnormally ends the task.";
inline constexpr std::string_view kActAbnormallyEndsTask{kActAbnormallyEndsTaskText,
                                                         sizeof(kActAbnormallyEndsTaskText) - 1};
inline constexpr char kActEndsPostIssuerText[] =
    "The system abnormally ends the program that issued the POST macro.";
inline constexpr std::string_view kActEndsPostIssuer{kActEndsPostIssuerText,
                                                     sizeof(kActEndsPostIssuerText) - 1};
inline constexpr char kActEndsCurrentTaskLogrecText[] =
    "The system abnormally ends the current task. The system writes a logrec data set error "
    "record.";
inline constexpr std::string_view kActEndsCurrentTaskLogrec{
    kActEndsCurrentTaskLogrecText, sizeof(kActEndsCurrentTaskLogrecText) - 1};

// User Responses shared across the later describers.
inline constexpr char kRespRerunContactSysprogText[] =
    "Run the job again. If the error recurs, contact the system programmer.";
inline constexpr std::string_view kRespRerunContactSysprog{
    kRespRerunContactSysprogText, sizeof(kRespRerunContactSysprogText) - 1};
inline constexpr char kRespRerunNotifySysprogText[] =
    "Run the job again. If the error recurs, notify the system programmer.";
inline constexpr std::string_view kRespRerunNotifySysprog{kRespRerunNotifySysprogText,
                                                          sizeof(kRespRerunNotifySysprogText) - 1};
inline constexpr char kRespAuthorizedCallerText[] =
    "Possible user error. Verify that the module is an authorized caller.";
inline constexpr std::string_view kRespAuthorizedCaller{kRespAuthorizedCallerText,
                                                        sizeof(kRespAuthorizedCallerText) - 1};
inline constexpr char kRespLinkEditRerunText[] = "Link edit and run the program again.";
inline constexpr std::string_view kRespLinkEditRerun{kRespLinkEditRerunText,
                                                     sizeof(kRespLinkEditRerunText) - 1};
inline constexpr char kRespMacroExpansionOrLessStorageText[] =
    "Correct the program errors that modified the macro expansion, or reduce the amount of "
    "virtual storage the program requests. Then rerun the job step.";
inline constexpr std::string_view kRespMacroExpansionOrLessStorage{
    kRespMacroExpansionOrLessStorageText, sizeof(kRespMacroExpansionOrLessStorageText) - 1};
inline constexpr char kRespCheckProgramDumpText[] =
    "Check the problem program for the error. Run the job again, requesting an ABEND dump if "
    "none was taken. If it recurs, notify the system programmer.";
inline constexpr std::string_view kRespCheckProgramDump{kRespCheckProgramDumpText,
                                                        sizeof(kRespCheckProgramDumpText) - 1};

}  // namespace quenmar::catalog::mvs
