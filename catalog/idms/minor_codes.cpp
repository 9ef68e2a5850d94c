#include "catalog/idms/idms_tables.h"

namespace quenmar::catalog::idms {
namespace {

// No major code offers "03" as a minor code.
constexpr std::string_view kGeneric[] = {"00", "01", "02", "04", "05", "06",
                                         "07", "08", "09", "10", "11"};

// Each list is ascending and starts above "11", so every minor code list stays ascending.
constexpr std::string_view kErase[] = {"26", "30"};
constexpr std::string_view kFindObtain[] = {"26", "31", "32", "52", "56"};
constexpr std::string_view kConnect[] = {"16"};
constexpr std::string_view kModify[] = {"13"};
constexpr std::string_view kReady[] = {"66", "71"};
constexpr std::string_view kDisconnect[] = {"15", "22"};
constexpr std::string_view kStore[] = {"25"};
constexpr std::string_view kBind[] = {"69", "73", "91", "93", "94", "95"};
constexpr std::string_view kIf[] = {"13"};
constexpr std::string_view kReturn[] = {"26"};
constexpr std::string_view kAnyMajor[] = {"18", "20", "21", "23", "28", "29", "54", "60",
                                          "63", "64", "65", "67", "68", "69", "74", "75",
                                          "77", "78", "80", "82", "83", "84", "86"};

constexpr DmlFunction kFunctions[] = {
    {"00", {}}, {"01", {}},          {"02", kErase},   {"03", kFindObtain}, {"04", {}},
    {"05", {}}, {"06", {}},          {"07", kConnect}, {"08", kModify},     {"09", kReady},
    {"10", {}}, {"11", kDisconnect}, {"12", kStore},   {"13", {}},          {"14", kBind},
    {"15", {}}, {"16", kIf},         {"17", kReturn},  {"18", {}},          {"19", {}},
    {"20", {}}, {"nn", kAnyMajor},
};

}  // namespace

std::span<const std::string_view> genericMinorCodes() { return kGeneric; }

std::span<const DmlFunction> dmlFunctions() { return kFunctions; }

const DmlFunction* findDmlFunction(std::string_view major) {
  for (const DmlFunction& function : kFunctions) {
    if (function.major == major) {
      return &function;
    }
  }
  return nullptr;
}

}  // namespace quenmar::catalog::idms
