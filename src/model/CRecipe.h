#pragma once

#include "model/CIngredient.h"
#include "model/CRecipeObj.h"
#include "model/NutrientCache.h"

#include <memory>
#include <string>
#include <vector>

class CRecipeChapter;

// One recipe: title and instructions (the shared node part), ingredient
// lines, comments, keywords, preparation time, servings and favourite mark.
class CRecipe : public CRecipeObj {
public:
    static const ArchiveClass s_class;

    CRecipe();
    ~CRecipe() override;

    // A detached copy of the recipe with its id; pictures extracted from a
    // book stay with their entry and are not copied.
    std::unique_ptr<CRecipe> Clone() const;

    const ArchiveClass& RuntimeClass() const override;
    void Store(ArchiveWriter& archive) const override;
    void Load(ArchiveReader& archive) override;

    NodeKind Kind() const override { return NodeKind::Recipe; }
    CRecipeBook* OwningBook() const override { return m_book; }
    std::string ObjectId() const override;
    int TitleStyle() const override { return 4; }
    int TextStyle() const override { return 6; }
    void MergeFromPartner(MergeMode mode) override;

    CRecipeBook* Book() const { return m_book; }
    // Moves the favourites entry along; a new book gives the recipe its id.
    void SetBook(CRecipeBook* book);
    CRecipeChapter* Chapter() const { return m_chapter; }
    void SetChapter(CRecipeChapter* chapter) { m_chapter = chapter; }

    const std::vector<std::unique_ptr<CIngredient>>& Ingredients() const { return m_ingredients; }
    CIngredient& InsertIngredient(std::unique_ptr<CIngredient> line, std::size_t position);
    CIngredient& AppendIngredient(std::unique_ptr<CIngredient> line);
    void ReserveIngredients(std::size_t count) { m_ingredients.reserve(count); }
    std::unique_ptr<CIngredient> RemoveIngredient(std::size_t position);
    void MoveIngredient(std::size_t from, std::size_t to);

    const std::string& Comments() const { return m_comments; }
    void SetComments(const std::string& comments) { SetTouching(m_comments, comments); }
    const std::string& Keywords() const { return m_keywords; }
    void SetKeywords(const std::string& keywords) { SetTouching(m_keywords, keywords); }
    const std::string& PrepTime() const { return m_prepTime; }
    void SetPrepTime(const std::string& prepTime) { SetTouching(m_prepTime, prepTime); }
    int Servings() const { return m_servings; }
    void SetServings(int servings);

    bool Favourite() const { return m_favourite; }
    // Keeps the book's favourites list in step; quiet leaves the change
    // counters alone.
    void SetFavourite(bool favourite, bool quiet);

    NutrientCache& Nutrients() { return m_nutrients; }
    const NutrientCache& Nutrients() const { return m_nutrients; }

private:
    void LoadFields(ArchiveReader& archive);
    void MergeIngredients(CRecipe& partner, MergeMode mode);
    void MoveBeside(const CRecipe& partner);

    NutrientCache m_nutrients;
    CRecipeBook* m_book = nullptr;
    CRecipeChapter* m_chapter = nullptr;
    std::vector<std::unique_ptr<CIngredient>> m_ingredients;
    std::string m_comments;
    std::string m_keywords;
    std::string m_prepTime;
    int m_servings = 0;
    bool m_favourite = false;
};
