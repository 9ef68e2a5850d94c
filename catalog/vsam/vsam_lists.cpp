#include "catalog/code_lists.h"

namespace quenmar::catalog::vsam {

namespace {

// File status codes; there is no "00" and no "42".
constexpr std::string_view kStatusItems[] = {
    "02", "04", "05", "07", "10", "14", "20", "21", "22", "23", "24", "30", "34", "35", "37", "38",
    "39", "41", "43", "44", "46", "47", "48", "49", "90", "91", "92", "93", "94", "95", "96", "97"};

// Return codes without leading zeros, unlike the status codes.
constexpr std::string_view kReturnItems[] = {"0", "4", "8", "12"};

constexpr std::string_view kFunctionItems[] = {"0", "1", "2", "3", "4", "5"};

}  // namespace

std::span<const std::string_view> statusCodeList() { return kStatusItems; }

std::span<const std::string_view> returnCodeList() { return kReturnItems; }

std::span<const std::string_view> functionCodeList() { return kFunctionItems; }

}  // namespace quenmar::catalog::vsam
