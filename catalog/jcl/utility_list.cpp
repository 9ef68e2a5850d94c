#include "catalog/code_lists.h"

namespace quenmar::catalog::jcl {

namespace {

// Not alphabetical: the return code lookup tests the names in this order.
constexpr std::string_view kItems[] = {"IEBCOMPR", "IEBCOPY", "IEBDBG",   "IEBEDIT", "IEBGENER",
                                       "IEBIMAGE", "IEBISAM", "IEBPTPCH", "IEFBR14", "IEBUPDTE",
                                       "IEHATLAS", "IEHINIT", "IEHLIST",  "IEHMOVE", "IEHPROGM",
                                       "DFSORT",   "ICETOOL"};

}  // namespace

std::span<const std::string_view> utilityList() { return kItems; }

}  // namespace quenmar::catalog::jcl
