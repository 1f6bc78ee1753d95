#pragma once

#include "nutrition/FoodBase.h"

#include <map>
#include <vector>

namespace Nutrient {

class FoodItem;

// A sub-category of a food group. It lists its items (owned by the database)
// by id and in the order they were read or added.
class SubGroup : public FoodBase {
public:
    SubGroup(int id, std::string name, int groupId, bool shipped)
        : FoodBase(id, std::move(name), shipped), m_groupId(groupId) {}

    int GroupId() const { return m_groupId; }

    const std::vector<FoodItem*>& Items() const { return m_itemList; }
    FoodItem* FindItem(int itemId) const;
    void AddItem(FoodItem& item);
    void RemoveItem(const FoodItem& item);

private:
    int m_groupId;
    std::map<int, FoodItem*> m_itemTable;
    std::vector<FoodItem*> m_itemList;
};

} // namespace Nutrient
