#pragma once

#include <span>
#include <string_view>

// The code lists that the Category switches append to the window's lists.
// Each list's order is the order the user sees (the lists do not sort) and
// the order in which its family's describers test their keys.
namespace quenmar::catalog {

namespace cobol {
// 145 items: the 48 two-digit file status codes, then the 97 extended codes
// "9-000" to "9-219".
std::span<const std::string_view> codeList();
}  // namespace cobol

namespace rexx {
// 49 items: the error numbers "01" to "49".
std::span<const std::string_view> codeList();
}  // namespace rexx

namespace mvs {
// 619 system completion codes "S001" to "SEFB", then the group item "SFnn".
std::span<const std::string_view> codeList();
}  // namespace mvs

namespace cics {
// 1,325 abend codes, "AACA" to "AZXB".
std::span<const std::string_view> codeList();
}  // namespace cics

namespace ims {
// 764 IMS system abend codes: "AC6", then "0002" to "4095" with the two
// range items "3500-3998" and "4000-4093".
std::span<const std::string_view> abendCodeList();
// 158 two-character DL/I status codes, "AA" to "X9".
std::span<const std::string_view> dliStatusList();
}  // namespace ims

namespace db2 {
// 473 negative SQL codes as decimal texts, "-7" to "-30105".
std::span<const std::string_view> sqlErrorList();
// 62 SQL warnings: "0", then positive codes written with their "+", "+12" to
// "+30100".
std::span<const std::string_view> sqlWarningList();
}  // namespace db2

namespace idms {
// 22 DML function (major) codes: "nn", then "00" to "20".
std::span<const std::string_view> dmlFunctionList();
}  // namespace idms

namespace jcl {
// 17 utility program names, "IEBCOMPR" to "ICETOOL".
std::span<const std::string_view> utilityList();
}  // namespace jcl

namespace vsam {
// 32 two-digit file status codes, "02" to "97".
std::span<const std::string_view> statusCodeList();
// 4 return codes: "0", "4", "8", "12".
std::span<const std::string_view> returnCodeList();
// 6 function codes: "0" to "5".
std::span<const std::string_view> functionCodeList();
}  // namespace vsam

}  // namespace quenmar::catalog
