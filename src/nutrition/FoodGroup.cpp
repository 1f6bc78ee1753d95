#include "nutrition/FoodGroup.h"

namespace Nutrient {

SubGroup* FoodGroup::FindSubGroup(int id) const {
    const auto found = m_subGroups.find(id);
    return found == m_subGroups.end() ? nullptr : found->second.get();
}

SubGroup& FoodGroup::AddSubGroup(std::unique_ptr<SubGroup> subGroup) {
    auto& slot = m_subGroups[subGroup->Id()];
    slot = std::move(subGroup);
    return *slot;
}

std::unique_ptr<SubGroup> FoodGroup::TakeSubGroup(int id) {
    const auto found = m_subGroups.find(id);
    if (found == m_subGroups.end()) {
        return nullptr;
    }
    auto taken = std::move(found->second);
    m_subGroups.erase(found);
    return taken;
}

} // namespace Nutrient
