#pragma once

#include "model/CRecipe.h"
#include "model/CRecipeChapter.h"
#include "model/CRecipeObj.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

// A recipe book, the unit of storage: its chapters, the recipes directly in
// it, and the bookkeeping of ids, favourites, deleted ids and changes.
class CRecipeBook : public CRecipeObj {
public:
    static const ArchiveClass s_class;

    // A new book: its id is the creation time in seconds.
    CRecipeBook();
    explicit CRecipeBook(std::uint32_t id);
    ~CRecipeBook() override;

    const ArchiveClass& RuntimeClass() const override;
    void Store(ArchiveWriter& archive) const override;
    void Load(ArchiveReader& archive) override;

    NodeKind Kind() const override { return NodeKind::Book; }
    CRecipeBook* OwningBook() const override { return const_cast<CRecipeBook*>(this); }
    std::size_t ChildCount() const override { return m_chapters.size() + m_recipes.size(); }
    std::string ObjectId() const override;
    int TitleStyle() const override { return 0; }
    int TextStyle() const override { return 1; }

    const std::vector<std::unique_ptr<CRecipeChapter>>& Chapters() const { return m_chapters; }
    CRecipeChapter& AddChapter(std::unique_ptr<CRecipeChapter> chapter);
    std::unique_ptr<CRecipeChapter> RemoveChapter(const CRecipeChapter& chapter);
    CRecipeChapter* FindChapter(std::uint32_t id) const;

    const std::vector<std::unique_ptr<CRecipe>>& Recipes() const { return m_recipes; }
    CRecipe& AddRecipe(std::unique_ptr<CRecipe> recipe);
    std::unique_ptr<CRecipe> RemoveRecipe(const CRecipe& recipe);
    // Top level first, then the chapters.
    CRecipe* FindRecipe(std::uint32_t id) const;
    // Takes a recipe from wherever it sits in this book.
    std::unique_ptr<CRecipe> DetachRecipe(const CRecipe& recipe);

    const std::vector<CRecipe*>& Favourites() const { return m_favourites; }
    void AddFavourite(CRecipe& recipe);
    void RemoveFavourite(const CRecipe& recipe);

    const std::vector<std::uint32_t>& DeletedIds() const { return m_deletedIds; }
    void AddDeletedId(std::uint32_t id) { m_deletedIds.push_back(id); }
    bool IsDeletedId(std::uint32_t id) const;
    void ClearDeletedIds() { m_deletedIds.clear(); }

    std::uint32_t IdCounter() const { return m_idCounter; }
    // While assignment is off (reading a file that stores ids) nodes keep
    // their ids and the counter only follows them.
    void SetIdAssignment(bool on) { m_assignIds = on; }
    void AssignId(CRecipeObj& node);

    const std::filesystem::path& Path() const { return m_path; }
    void SetPath(std::filesystem::path path) { m_path = std::move(path); }
    bool Modified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

private:
    void LoadBody(ArchiveReader& archive, int schema);
    bool LoadTopLevelRecipes(ArchiveReader& archive);
    bool LoadChapters(ArchiveReader& archive);
    void LoadFavourites(ArchiveReader& archive);
    void LoadDeletedIds(ArchiveReader& archive);

    std::vector<std::uint32_t> m_deletedIds;
    std::uint32_t m_idCounter = 0;
    std::vector<CRecipe*> m_favourites;
    std::vector<std::unique_ptr<CRecipeChapter>> m_chapters;
    std::vector<std::unique_ptr<CRecipe>> m_recipes;
    std::filesystem::path m_path;
    bool m_modified = true;
    bool m_assignIds = true;
};
