#pragma once

#include "nutrition/FoodBase.h"
#include "nutrition/SubGroup.h"

#include <map>
#include <memory>

namespace Nutrient {

// A food category; its id is a multiple of 1,000 and it owns its sub-groups.
class FoodGroup : public FoodBase {
public:
    using SubGroups = std::map<int, std::unique_ptr<SubGroup>>;

    FoodGroup(int id, std::string name, bool shipped) : FoodBase(id, std::move(name), shipped) {}

    const SubGroups& SubGroupTable() const { return m_subGroups; }
    SubGroup* FindSubGroup(int id) const;

    // Replaces any sub-group with the same id.
    SubGroup& AddSubGroup(std::unique_ptr<SubGroup> subGroup);
    std::unique_ptr<SubGroup> TakeSubGroup(int id);

    // The group that owns ids (sub-groups, item codes) of this thousand.
    static int GroupIdOf(int id) { return id / 1000 * 1000; }

private:
    SubGroups m_subGroups;
};

} // namespace Nutrient
