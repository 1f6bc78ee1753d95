#include "model/CRecipeBook.h"

#include "model/ArchiveClass.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// Files of this version and later store the ids of chapters and recipes.
constexpr int kFirstVersionWithIds = 251;
// Some versions stored ids raised by this offset; the counter ignores it.
constexpr std::uint32_t kIdOffset = 0x10000;

std::unique_ptr<CObject> CreateBook() {
    return std::make_unique<CRecipeBook>();
}

template <typename T>
std::unique_ptr<T> TakeFrom(std::vector<std::unique_ptr<T>>& list, const T& item) {
    const auto found = std::find_if(list.begin(), list.end(), [&item](const auto& own) { return own.get() == &item; });
    if (found == list.end()) {
        return nullptr;
    }
    std::unique_ptr<T> taken = std::move(*found);
    list.erase(found);
    return taken;
}

} // namespace

const ArchiveClass CRecipeBook::s_class("CRecipeBook", &CRecipeObj::s_class, &CreateBook);

CRecipeBook::CRecipeBook() : CRecipeBook(static_cast<std::uint32_t>(std::time(nullptr))) {}

CRecipeBook::CRecipeBook(std::uint32_t id) : CRecipeObj("Recipe Book") {
    SetId(id);
    SetState(kExpanded, true);
}

// The recipes still tell the book when they go; the list they update must
// already be empty then.
CRecipeBook::~CRecipeBook() {
    m_favourites.clear();
}

const ArchiveClass& CRecipeBook::RuntimeClass() const {
    return s_class;
}

std::string CRecipeBook::ObjectId() const {
    char text[32];
    std::snprintf(text, sizeof text, "Bok%08x_0", Id());
    return text;
}

void CRecipeBook::AssignId(CRecipeObj& node) {
    if (m_assignIds) {
        node.SetId(++m_idCounter);
        return;
    }
    const std::uint32_t id = node.Id() > kIdOffset ? node.Id() - kIdOffset : node.Id();
    m_idCounter = std::max(m_idCounter, id);
}

CRecipeChapter& CRecipeBook::AddChapter(std::unique_ptr<CRecipeChapter> chapter) {
    chapter->SetBook(this);
    m_chapters.push_back(std::move(chapter));
    m_modified = true;
    return *m_chapters.back();
}

std::unique_ptr<CRecipeChapter> CRecipeBook::RemoveChapter(const CRecipeChapter& chapter) {
    auto removed = TakeFrom(m_chapters, chapter);
    if (removed != nullptr) {
        for (const auto& recipe : removed->Recipes()) {
            if (recipe->Favourite()) {
                RemoveFavourite(*recipe);
            }
        }
        m_modified = true;
    }
    return removed;
}

CRecipeChapter* CRecipeBook::FindChapter(std::uint32_t id) const {
    const auto found =
        std::find_if(m_chapters.begin(), m_chapters.end(), [id](const auto& chapter) { return chapter->Id() == id; });
    return found != m_chapters.end() ? found->get() : nullptr;
}

CRecipe& CRecipeBook::AddRecipe(std::unique_ptr<CRecipe> recipe) {
    recipe->SetChapter(nullptr);
    recipe->SetBook(this);
    m_recipes.push_back(std::move(recipe));
    m_modified = true;
    return *m_recipes.back();
}

std::unique_ptr<CRecipe> CRecipeBook::RemoveRecipe(const CRecipe& recipe) {
    auto removed = TakeFrom(m_recipes, recipe);
    if (removed != nullptr) {
        RemoveFavourite(*removed);
        m_modified = true;
    }
    return removed;
}

std::unique_ptr<CRecipe> CRecipeBook::DetachRecipe(const CRecipe& recipe) {
    if (recipe.Chapter() == nullptr) {
        return RemoveRecipe(recipe);
    }
    auto removed = recipe.Chapter()->RemoveRecipe(recipe);
    if (removed != nullptr) {
        RemoveFavourite(*removed);
    }
    return removed;
}

CRecipe* CRecipeBook::FindRecipe(std::uint32_t id) const {
    for (const auto& recipe : m_recipes) {
        if (recipe->Id() == id) {
            return recipe.get();
        }
    }
    for (const auto& chapter : m_chapters) {
        if (CRecipe* recipe = chapter->FindRecipe(id)) {
            return recipe;
        }
    }
    return nullptr;
}

void CRecipeBook::AddFavourite(CRecipe& recipe) {
    if (std::find(m_favourites.begin(), m_favourites.end(), &recipe) == m_favourites.end()) {
        m_favourites.push_back(&recipe);
    }
}

void CRecipeBook::RemoveFavourite(const CRecipe& recipe) {
    std::erase(m_favourites, &recipe);
}

bool CRecipeBook::IsDeletedId(std::uint32_t id) const {
    return std::find(m_deletedIds.begin(), m_deletedIds.end(), id) != m_deletedIds.end();
}

void CRecipeBook::Store(ArchiveWriter& archive) const {
    StoreShared(archive);
    archive.WriteInt(static_cast<std::int32_t>(m_recipes.size()));
    for (const auto& recipe : m_recipes) {
        archive.WriteObject(recipe.get());
    }
    archive.WriteInt(static_cast<std::int32_t>(m_chapters.size()));
    for (const auto& chapter : m_chapters) {
        archive.WriteObject(chapter.get());
    }
    // Favourites are kept by the recipes' own flag; this list stays empty.
    archive.WriteInt(0);
    archive.WriteInt(static_cast<std::int32_t>(m_idCounter));
    archive.WriteInt(1);
    archive.WriteInt(static_cast<std::int32_t>(m_deletedIds.size()));
    for (const std::uint32_t id : m_deletedIds) {
        archive.WriteInt(static_cast<std::int32_t>(id));
    }
    archive.WriteInt(0);
    archive.WriteString("");
}

// Whatever is read before damage stays in the book, which is then marked.
void CRecipeBook::Load(ArchiveReader& archive) {
    m_assignIds = archive.GetContext().fileVersion < kFirstVersionWithIds;
    try {
        LoadBody(archive, LoadShared(archive));
    } catch (const ArchiveError&) {
        SetLoadError(true);
    }
    m_modified = false;
}

void CRecipeBook::LoadBody(ArchiveReader& archive, int schema) {
    if (!LoadTopLevelRecipes(archive) || !LoadChapters(archive)) {
        SetLoadError(true);
        return;
    }
    LoadFavourites(archive);
    if (schema > 250) {
        m_idCounter = std::max(m_idCounter, archive.ReadDword());
    }
    if (archive.ReadInt() != 0) {
        LoadDeletedIds(archive);
    }
    if (schema >= 400) {
        archive.ReadString();
    }
}

bool CRecipeBook::LoadTopLevelRecipes(ArchiveReader& archive) {
    return archive.ReadNewList<CRecipe>(CRecipe::s_class,
                                        [this](std::unique_ptr<CRecipe> recipe) { AddRecipe(std::move(recipe)); });
}

bool CRecipeBook::LoadChapters(ArchiveReader& archive) {
    return archive.ReadNewList<CRecipeChapter>(
        CRecipeChapter::s_class, [this](std::unique_ptr<CRecipeChapter> chapter) { AddChapter(std::move(chapter)); });
}

// Older files list the favourites again as references to recipes read
// before; only recipes of this book are taken.
void CRecipeBook::LoadFavourites(ArchiveReader& archive) {
    const std::int32_t count = archive.ReadInt();
    for (std::int32_t i = 0; i < count; ++i) {
        CRecipe* recipe = archive.ReadReference<CRecipe>(CRecipe::s_class);
        if (recipe != nullptr && recipe->Book() == this) {
            recipe->SetFavourite(true, true);
        }
    }
}

void CRecipeBook::LoadDeletedIds(ArchiveReader& archive) {
    const std::int32_t count = archive.ReadInt();
    for (std::int32_t i = 0; i < count; ++i) {
        m_deletedIds.push_back(archive.ReadDword());
    }
    archive.ReadInt();
}
