#include "catalog/jcl/utility_codes.h"

namespace quenmar::catalog::jcl {
namespace {

constexpr std::string_view k00_08_12_16[] = {"00", "08", "12", "16"};
constexpr std::string_view k00_04_08[] = {"00", "04", "08"};
constexpr std::string_view k00_to_16[] = {"00", "04", "08", "12", "16"};
constexpr std::string_view k00_to_24[] = {"00", "04", "08", "12", "16", "20", "24"};
constexpr std::string_view k00_04_12_16[] = {"00", "04", "12", "16"};
constexpr std::string_view kSortCodes[] = {"00", "04", "16", "20", "24"};

constexpr CodeEntry kIefbr14{
    "Dummy program. Does Nothing. ",
    "Performs no action other than give return code 0 but the job scheduler checks JCL "
    "statements  for syntax errors, allocates space for data sets and  performs disposition "
    "processing.",
    "NA", "NA"};
constexpr CodeEntry kIehatlas{"Equivalent to Device Support Facility (ICKDSF). Not available now.",
                              "NA", "NA", "NA"};

constexpr Utility kUtilities[] = {
    {"IEBCOMPR", k00_08_12_16, nullptr}, {"IEBCOPY", k00_04_08, nullptr},
    {"IEBDBG", k00_to_16, nullptr},      {"IEBEDIT", k00_04_08, nullptr},
    {"IEBGENER", k00_to_16, nullptr},    {"IEBIMAGE", k00_to_24, nullptr},
    {"IEBISAM", k00_to_16, nullptr},     {"IEBPTPCH", k00_to_16, nullptr},
    {"IEFBR14", {}, &kIefbr14},          {"IEBUPDTE", k00_04_12_16, nullptr},
    {"IEHATLAS", {}, &kIehatlas},        {"IEHINIT", k00_to_16, nullptr},
    {"IEHLIST", k00_08_12_16, nullptr},  {"IEHMOVE", k00_to_16, nullptr},
    {"IEHPROGM", k00_to_16, nullptr},    {"DFSORT", kSortCodes, nullptr},
    {"ICETOOL", kSortCodes, nullptr},
};

}  // namespace

std::span<const Utility> utilities() { return kUtilities; }

const Utility* findUtility(std::string_view name) {
  for (const Utility& utility : kUtilities) {
    if (utility.name == name) {
      return &utility;
    }
  }
  return nullptr;
}

}  // namespace quenmar::catalog::jcl
