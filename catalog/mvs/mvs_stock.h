#pragma once

#include <string_view>

#include "catalog/code_entry.h"

namespace quenmar::catalog::mvs {

// Texts that several MVS rows show, each one object wherever its rows are; a describer file
// keeps a shared text of its own locally when no other file uses it.
inline constexpr StockText kNA{"NA"};
inline constexpr StockText kNone{"None."};
inline constexpr StockText kSystemErrorRerun{"System error. Rerun the job."};

// System Actions shared across the later describers.
inline constexpr StockText kActIea705i{
    "The system issues message IEA705I. The system abnormally ends the current task."};
inline constexpr StockText kActTerminatesTask{"The system terminates the task."};
inline constexpr StockText kActTaskTerminated{"The task is terminated."};
inline constexpr StockText kActEndsEventsIssuer{
    "The system abnormally ends the program that issued the EVENTS macro."};
inline constexpr StockText kActLogrecContinues{
    "The system writes a logrec data set error record. The system continues processing."};
inline constexpr StockText kActAbendDump{"The system issues an ABEND dump."};
inline constexpr StockText kActAbnormallyTerminatesTask{
    "The system abnormally terminates the task."};
inline constexpr StockText kActAbnormallyEndsTask{"The system abnormally ends the task."};
inline constexpr StockText kActEndsPostIssuer{
    "The system abnormally ends the program that issued the POST macro."};
inline constexpr StockText kActEndsCurrentTaskLogrec{
    "The system abnormally ends the current task. The system writes a logrec data set error "
    "record."};

// User Responses shared across the later describers.
inline constexpr StockText kRespRerunContactSysprog{
    "Run the job again. If the error recurs, contact the system programmer."};
inline constexpr StockText kRespRerunNotifySysprog{
    "Run the job again. If the error recurs, notify the system programmer."};
inline constexpr StockText kRespAuthorizedCaller{
    "Possible user error. Verify that the module is an authorized caller."};
inline constexpr StockText kRespLinkEditRerun{"Link edit and run the program again."};
inline constexpr StockText kRespMacroExpansionOrLessStorage{
    "Correct the program errors that modified the macro expansion, or reduce the amount of "
    "virtual storage the program requests. Then rerun the job step."};
inline constexpr StockText kRespCheckProgramDump{
    "Check the problem program for the error. Run the job again, requesting an ABEND dump if "
    "none was taken. If it recurs, notify the system programmer."};

}  // namespace quenmar::catalog::mvs
