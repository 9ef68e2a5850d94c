#include "catalog/code_lists.h"

namespace quenmar::catalog::idms {

namespace {

// Major codes: the lower-case "nn" first, then "00" to "20".
constexpr std::string_view kItems[] = {"nn", "00", "01", "02", "03", "04", "05", "06",
                                       "07", "08", "09", "10", "11", "12", "13", "14",
                                       "15", "16", "17", "18", "19", "20"};

}  // namespace

std::span<const std::string_view> dmlFunctionList() { return kItems; }

}  // namespace quenmar::catalog::idms
