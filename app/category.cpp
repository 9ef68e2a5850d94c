// Which Category is in force, and the list of them all.
#include "app/category.h"

#include <QRadioButton>

namespace quenmar {
namespace {

// A tenth family adds its descriptor here; the handlers find it through this list.
constexpr const CategoryDescriptor* kCategories[] = {
    &frmEcd::kDb2, &frmEcd::kCobol, &frmEcd::kCics, &frmEcd::kJcl,  &frmEcd::kRexx,
    &frmEcd::kMvs, &frmEcd::kIms,   &frmEcd::kIdms, &frmEcd::kVsam,
};

}  // namespace

std::span<const CategoryDescriptor* const> frmEcd::categories() { return kCategories; }

// The options are one group, so at most one is set; the list's order is the order in which
// the lookups have always tested them.
const CategoryDescriptor* frmEcd::chosen() const {
  for (const CategoryDescriptor* descriptor : kCategories) {
    if ((this->*descriptor->option)->isChecked()) {
      return descriptor;
    }
  }
  return nullptr;
}

std::optional<Category> frmEcd::category() const {
  const CategoryDescriptor* descriptor = chosen();
  return descriptor != nullptr ? std::optional(descriptor->category) : std::nullopt;
}

}  // namespace quenmar
