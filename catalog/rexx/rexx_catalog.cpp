#include "catalog/rexx/rexx_catalog.h"

#include <cstddef>
#include <iterator>
#include <string_view>

namespace quenmar::catalog::rexx {

namespace {

// Only the title is known for a REXX error; the other panes say so.
constexpr std::string_view kNA = "NA";
constexpr std::string_view kUnassigned = "Unassigned";

constexpr NumberRow error(std::int16_t number, std::string_view title) {
  return {number, {title, kNA, kNA, kNA}};
}

// Row i holds error number i + 1, so a number indexes the table directly.
constexpr NumberRow kErrors[] = {
    error(1, "File Table full (OS/2 only)"),
    error(2, "Expression > 64000 chracters (OS/2 only)"),
    error(3, "Program is unreadable"),
    error(4, "Program interrupted"),
    error(5, "Machine storage exhausted"),
    error(6, "Unmatched /* or qoute"),
    error(7, "WHEN or OTHERWISE expected"),
    error(8, "Unexpected THEN or ELSE"),
    error(9, "Unexpected WHEN Or OTHERWISE"),
    error(10, "Unexpected or unmatched END"),
    error(11, "Control stack full"),
    error(12, "Clause > 500 characters"),
    error(13, "Invalid character in data"),
    error(14, "Incomplete DO/SELECT/IF"),
    error(15, "Invalid hex constant"),
    error(16, "Label Not found"),
    error(17, "Unexpected Procedure"),
    error(18, "THEN expected"),
    error(19, "String or symbol expected"),
    error(20, "Symbol expected"),
    error(21, "Invalid data on end of clause"),
    error(22, "Invalid character string"),
    error(23, "Invalid SBCS/DBCS mixed string"),
    error(24, "Invalid trace request"),
    error(25, "Invalid sub-keyword found"),
    error(26, "Invalid Whole number"),
    error(27, "Invalid do syntax"),
    error(28, "Invalid LEAVE Or ITERATE"),
    error(29, "Environment name too long"),
    error(30, "Name or string > 250 characters"),
    error(31, "Name starts with numeric or '.'"),
    error(32, "Invalid usestem"),
    error(33, "Invalid expression result"),
    error(34, "Logical Not Value Or 1"),
    error(35, "Invalid expression"),
    error(36, "Unmatched '(' in expression"),
    error(37, "Unexpected ',' or ')'"),
    error(38, "Invalid template Or Pattern"),
    error(39, "Evaluation stack overflow"),
    error(40, "Incorrect call to routine"),
    error(41, "Bad arithmetic conversion"),
    error(42, "Arithmetic Overflow / Underflow"),
    error(43, "Routine Not found"),
    error(44, "Function did not return data"),
    error(45, "No data specified on function return"),
    error(46, "Invalid Variable Reference"),
    error(47, kUnassigned),
    error(48, "Failure in system service"),
    error(49, "Interpreter Failure"),
    error(50, kUnassigned),
};

constexpr bool numberedInOrder() {
  for (std::size_t i = 0; i < std::size(kErrors); ++i) {
    if (kErrors[i].key != static_cast<std::int16_t>(i + 1)) {
      return false;
    }
  }
  return true;
}
static_assert(numberedInOrder());

}  // namespace

const CodeEntry* findError(std::int16_t number) {
  if (number < 1 || number > static_cast<std::int16_t>(std::size(kErrors))) {
    return nullptr;
  }
  return &kErrors[number - 1].entry;
}

}  // namespace quenmar::catalog::rexx
