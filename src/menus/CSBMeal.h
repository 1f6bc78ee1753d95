#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class ArchiveReader;
class ArchiveWriter;
class CRecipe;
class CRecipeBook;

// A named meal of a menu and the recipes and free items planned for it.
class CSBMeal {
public:
    using Books = std::span<const std::unique_ptr<CRecipeBook>>;

    // One planned dish; a value that is copied freely. Only the ids and the
    // text are stored: the recipe reference lives while the recipe is loaded.
    struct Item {
        enum Kind : std::int32_t { None = 0, LinkedRecipe = 1, UnlinkedRecipe = 2, SimpleItem = 3 };

        std::int32_t count = 1;
        std::int32_t kind = None;
        std::int32_t foodLink = 0;
        CRecipe* recipe = nullptr;
        std::string text;
        std::uint32_t bookId = 0;
        std::uint32_t recipeId = 0;

        bool NeedsLink() const { return kind == UnlinkedRecipe || (kind == LinkedRecipe && recipe == nullptr); }
        // Points the item at the recipe, taking its title and ids; without a
        // recipe the item keeps its text and ids and waits for its book.
        void Relink(CRecipe* target);
        // " (3)" for three portions, nothing for one.
        std::string CountSuffix() const;
        // A simple item "Apple (medium)" is the food "Apple" in the portion "medium".
        std::string DisplayName() const;
        std::string Portion() const;
    };

    CSBMeal() = default;
    explicit CSBMeal(std::string name) : m_name(std::move(name)) {}

    const std::string& Name() const { return m_name; }
    const std::vector<Item>& Items() const { return m_items; }
    std::vector<Item>& Items() { return m_items; }

    void AddRecipe(CRecipe& recipe);
    void AddItemText(const std::string& text, std::int32_t kind);
    void AddItem(const Item& item) { m_items.push_back(item); }
    void ClearItems() { m_items.clear(); }

    // Links the items that need it by book and recipe id; true when any was linked.
    bool ResolveByIds(Books books);
    // Links the items that need it to recipes of the book: items from old
    // files by title, others by recipe id. True when any was linked.
    bool ResolveInBook(CRecipeBook& book);
    // Every item of the recipe, not only the first, so none keeps a stale reference.
    bool Unlink(const CRecipe& recipe);
    bool Refresh(CRecipe& recipe);
    // Raises the count of items already planned, appends the others.
    void MergeFrom(const CSBMeal& incoming);

    void Store(ArchiveWriter& archive) const;
    void Load(ArchiveReader& archive);
    // Meals of 3.x files: no name is stored, and items carry no food link.
    void LoadWithoutName(ArchiveReader& archive);

private:
    void LoadItems(ArchiveReader& archive, bool withFoodLink);

    std::string m_name;
    std::vector<Item> m_items;
};
