#include "catalog/code_lists.h"

namespace quenmar::catalog::rexx {

namespace {

// Error numbers 1 to 49 written with two digits; 50 is reachable only by typing.
constexpr std::string_view kItems[] = {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10",
                                       "11", "12", "13", "14", "15", "16", "17", "18", "19", "20",
                                       "21", "22", "23", "24", "25", "26", "27", "28", "29", "30",
                                       "31", "32", "33", "34", "35", "36", "37", "38", "39", "40",
                                       "41", "42", "43", "44", "45", "46", "47", "48", "49"};

}  // namespace

std::span<const std::string_view> codeList() { return kItems; }

}  // namespace quenmar::catalog::rexx
