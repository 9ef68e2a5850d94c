#pragma once

#include "catalog/code_entry.h"

namespace quenmar::catalog::ims {

// Texts that IMS system abend rows of several describers show, each one object wherever its
// rows are. A describer file keeps a shared text of its own locally when no other file uses it.
inline constexpr StockText kAbendNA{"NA"};
inline constexpr StockText kImsSystemAbendCode{"IMS System Abend Code"};
inline constexpr StockText kImsTerminatesBlank{"IMS terminates abnormally. "};
inline constexpr StockText kImsTerminates{"IMS terminates abnormally."};
inline constexpr StockText kProgramTerminatesBlank{
    "The application program terminates abnormally. "};
inline constexpr StockText kNoneBlank{"None. "};
inline constexpr StockText kAbendNABlank{"NA "};
inline constexpr StockText kCorrectJclResubmit{"Correct the JCL, and resubmit the job. "};
inline constexpr StockText kIssuingRegionTerminated{
    "The region that issued this abend is terminated. "};
inline constexpr StockText kImsTerminatesWithDump{"IMS terminates abnormally with a dump. "};

}  // namespace quenmar::catalog::ims
