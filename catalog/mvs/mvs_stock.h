#pragma once

#include <string_view>

namespace quenmar::catalog::mvs {

// Texts that several MVS rows show. Each is one object so that rows sharing a
// text share it by reference; a describer file adds its own shared texts
// locally when no other file uses them.
inline constexpr std::string_view kNA = "NA";
inline constexpr std::string_view kNone = "None.";
inline constexpr std::string_view kSystemErrorRerun = "System error. Rerun the job.";

// System Actions shared across the later describers.
inline constexpr std::string_view kActIea705i =
    "The system issues message IEA705I. The system abnormally ends the current task.";
inline constexpr std::string_view kActTerminatesTask = "The system terminates the task.";
inline constexpr std::string_view kActTaskTerminated = "The task is terminated.";
inline constexpr std::string_view kActEndsEventsIssuer =
    "The system abnormally ends the program that issued the EVENTS macro.";
inline constexpr std::string_view kActLogrecContinues =
    "The system writes a logrec data set error record. The system continues processing.";
inline constexpr std::string_view kActAbendDump = "The system issues an ABEND dump.";
inline constexpr std::string_view kActAbnormallyTerminatesTask =
    "The system abnormally terminates the task.";
inline constexpr std::string_view kActAbnormallyEndsTask = "The system abnormally ends the task.";
inline constexpr std::string_view kActEndsPostIssuer =
    "The system abnormally ends the program that issued the POST macro.";
inline constexpr std::string_view kActEndsCurrentTaskLogrec =
    "The system abnormally ends the current task. The system writes a logrec data set error "
    "record.";

// User Responses shared across the later describers.
inline constexpr std::string_view kRespRerunContactSysprog =
    "Run the job again. If the error recurs, contact the system programmer.";
inline constexpr std::string_view kRespRerunNotifySysprog =
    "Run the job again. If the error recurs, notify the system programmer.";
inline constexpr std::string_view kRespAuthorizedCaller =
    "Possible user error. Verify that the module is an authorized caller.";
inline constexpr std::string_view kRespLinkEditRerun = "Link edit and run the program again.";
inline constexpr std::string_view kRespMacroExpansionOrLessStorage =
    "Correct the program errors that modified the macro expansion, or reduce the amount of "
    "virtual storage the program requests. Then rerun the job step.";
inline constexpr std::string_view kRespCheckProgramDump =
    "Check the problem program for the error. Run the job again, requesting an ABEND dump if "
    "none was taken. If it recurs, notify the system programmer.";

}  // namespace quenmar::catalog::mvs
