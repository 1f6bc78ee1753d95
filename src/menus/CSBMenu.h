#pragma once

#include "menus/CMenuRule.h"
#include "menus/CSBMeal.h"
#include "model/CObject.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ArchiveClass;

// A menu: named meals planned for the days its rule matches. Its id is handed
// out by the workspace and tells two copies of one menu apart from two menus.
class CSBMenu : public CObject {
public:
    static const ArchiveClass s_class;
    using Books = CSBMeal::Books;

    CSBMenu();
    ~CSBMenu() override;
    // A copy with copies of the meals and items.
    std::unique_ptr<CSBMenu> Clone() const;

    const ArchiveClass& RuntimeClass() const override;
    void Store(ArchiveWriter& archive) const override;
    void Load(ArchiveReader& archive) override;

    std::int32_t Id() const { return m_id; }
    void SetId(std::int32_t id) { m_id = id; }
    const CMenuRule& Rule() const { return m_rule; }
    void SetRule(const CMenuRule& rule) { m_rule = rule; }
    bool MatchesDate(const std::chrono::year_month_day& date) const { return m_rule.MatchesDate(date); }

    const std::vector<std::string>& MissingBooks() const { return m_missingBooks; }
    void AddMissingBook(const std::string& title);

    const std::vector<std::unique_ptr<CSBMeal>>& Meals() const { return m_meals; }
    CSBMeal* FindMeal(const std::string& name) const;
    // Replaces a meal of that name by a new empty one at the end.
    CSBMeal& SetMeal(const std::string& name);
    void RemoveMeal(const std::string& name);
    void AddRecipe(const std::string& mealName, CRecipe& recipe);
    void AddItemText(const std::string& mealName, const std::string& text, const std::string& bookTitle);
    void AddItem(const std::string& mealName, const CSBMeal::Item& item);
    void Clear(bool deleteMeals);
    void CollectMealNames(std::vector<std::string>& names) const;

    // Links what can be linked against the open books: by ids first, then
    // by the titles of the books that were missing.
    void Resolve(Books books);
    void ResolveByIds(Books books);
    bool Unlink(const CRecipe& recipe);
    // The number of meals with a changed item.
    int Refresh(CRecipe& recipe);
    // Takes the incoming meals' items into the meals of the same name when
    // both menus have the same rule; false (and nothing taken) otherwise.
    bool MergeFrom(const CSBMenu& incoming, Books books);

private:
    void LoadRuleAndMissingBooks(ArchiveReader& archive);
    void LoadCurrent(ArchiveReader& archive);
    void LoadThreeMeals(ArchiveReader& archive);
    void LoadOld(ArchiveReader& archive, int schema);
    void AddDefaultMeals();
    void LoadTitlePairs(ArchiveReader& archive, CSBMeal& meal);
    void AddStrings(const std::vector<std::string>& texts, CSBMeal& meal, std::int32_t kind);

    std::vector<std::string> m_missingBooks;
    std::vector<std::unique_ptr<CSBMeal>> m_meals;
    CMenuRule m_rule;
    std::int32_t m_id = 0;
};
