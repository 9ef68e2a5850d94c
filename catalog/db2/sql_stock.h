#pragma once

#include <string_view>

namespace quenmar::catalog::db2 {

// Texts that many SQL entries show. The characters of each live in one inline array, so
// every entry that shows the text points at the same characters, whichever file holds it.
inline constexpr char kNAText[] = "NA";
inline constexpr std::string_view kNA{kNAText, sizeof(kNAText) - 1};
inline constexpr char kNABlankText[] = "NA ";
inline constexpr std::string_view kNABlank{kNABlankText, sizeof(kNABlankText) - 1};
inline constexpr char kStatementNotExecutedText[] = "The statement cannot be executed.";
inline constexpr std::string_view kStatementNotExecuted{kStatementNotExecutedText,
                                                        sizeof(kStatementNotExecutedText) - 1};

}  // namespace quenmar::catalog::db2
