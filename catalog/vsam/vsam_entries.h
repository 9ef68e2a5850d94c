#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "catalog/code_entry.h"

// Every VSAM entry shows a short quoted title in the Reason pane and "NA" in the other three.
namespace quenmar::catalog::vsam {

// The 32 file status codes, keyed as the status code list shows them.
std::span<const TextRow> statusCodeEntries();

// A return code. Return codes 8 and 12 explain nothing themselves: they open a choice among
// the logical or physical error codes, announced by a message box.
struct ReturnCode {
  std::string_view code;
  CodeEntry entry;
  std::span<const TextRow> errorCodes;  // empty for a return code explained at once
  std::string_view prompt;
  std::string_view title;
};

// "0", "4", "8", "12", keyed as the return code list shows them.
std::span<const ReturnCode> returnCodes();

// The return code whose key equals the text exactly, or none.
const ReturnCode* findReturnCode(std::string_view code);

// The return code that opens an error code choice and whose key reads as this number, or none.
// The error code list's handler finds its catalogue this way: by the number the return code
// list's text spells.
const ReturnCode* findErrorChoice(std::int16_t number);

// The error codes of return code 8 (37) and of return code 12 (6), in list order. Both use
// the keys "4" to "24" with different meanings.
std::span<const TextRow> logicalErrorEntries();
std::span<const TextRow> physicalErrorEntries();

// The six function codes "0" to "5".
std::span<const TextRow> functionCodeEntries();

}  // namespace quenmar::catalog::vsam
