#pragma once

#include "model/CRecipe.h"
#include "model/CRecipeObj.h"

#include <memory>
#include <vector>

// A chapter of a book: an introduction and the recipes in it.
class CRecipeChapter : public CRecipeObj {
public:
    static const ArchiveClass s_class;

    CRecipeChapter();
    ~CRecipeChapter() override;

    const ArchiveClass& RuntimeClass() const override;
    void Store(ArchiveWriter& archive) const override;
    void Load(ArchiveReader& archive) override;

    NodeKind Kind() const override { return NodeKind::Chapter; }
    CRecipeBook* OwningBook() const override { return m_book; }
    std::size_t ChildCount() const override { return m_recipes.size(); }
    std::string ObjectId() const override;
    int TitleStyle() const override { return 2; }
    int TextStyle() const override { return 3; }

    CRecipeBook* Book() const { return m_book; }
    // Also moves the chapter's recipes to the book.
    void SetBook(CRecipeBook* book);

    const std::vector<std::unique_ptr<CRecipe>>& Recipes() const { return m_recipes; }
    CRecipe& AddRecipe(std::unique_ptr<CRecipe> recipe);
    std::unique_ptr<CRecipe> RemoveRecipe(const CRecipe& recipe);
    CRecipe* FindRecipe(std::uint32_t id) const;

    // A detached copy with the same id, title and introduction.
    std::unique_ptr<CRecipeChapter> Copy(bool withRecipes) const;

private:
    void LoadRecipes(ArchiveReader& archive);

    CRecipeBook* m_book = nullptr;
    std::vector<std::unique_ptr<CRecipe>> m_recipes;
};
