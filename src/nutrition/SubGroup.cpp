#include "nutrition/SubGroup.h"

#include "nutrition/FoodItem.h"

#include <algorithm>

namespace Nutrient {

FoodItem* SubGroup::FindItem(int itemId) const {
    const auto found = m_itemTable.find(itemId);
    return found == m_itemTable.end() ? nullptr : found->second;
}

void SubGroup::AddItem(FoodItem& item) {
    m_itemTable[item.Id()] = &item;
    m_itemList.push_back(&item);
}

void SubGroup::RemoveItem(const FoodItem& item) {
    const auto found = m_itemTable.find(item.Id());
    if (found != m_itemTable.end() && found->second == &item) {
        m_itemTable.erase(found);
    }
    std::erase(m_itemList, &item);
}

} // namespace Nutrient
