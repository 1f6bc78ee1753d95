#pragma once

#include <string>

namespace Nutrient {

// What groups, sub-groups and food items share: an id, whether the record
// came from the shipped files, and a name (an item's description).
class FoodBase {
public:
    FoodBase(int id, std::string name, bool shipped) : m_id(id), m_shipped(shipped), m_name(std::move(name)) {}
    virtual ~FoodBase() = 0;

    int Id() const { return m_id; }
    bool IsShipped() const { return m_shipped; }
    const std::string& Name() const { return m_name; }

    void SetShipped(bool shipped) { m_shipped = shipped; }
    void SetName(std::string name) { m_name = std::move(name); }

protected:
    FoodBase(const FoodBase&) = default;
    FoodBase& operator=(const FoodBase&) = default;

    void SetId(int id) { m_id = id; }

private:
    int m_id;
    bool m_shipped;
    std::string m_name;
};

inline FoodBase::~FoodBase() = default;

} // namespace Nutrient
