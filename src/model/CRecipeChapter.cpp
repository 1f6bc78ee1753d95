#include "model/CRecipeChapter.h"

#include "model/ArchiveClass.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CRecipeBook.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kChapterTitleId = 285;

std::unique_ptr<CObject> CreateChapter() {
    return std::make_unique<CRecipeChapter>();
}

} // namespace

const ArchiveClass CRecipeChapter::s_class("CRecipeChapter", &CRecipeObj::s_class, &CreateChapter);

CRecipeChapter::CRecipeChapter() : CRecipeObj(StringTable::Get(kChapterTitleId)) {}

CRecipeChapter::~CRecipeChapter() = default;

const ArchiveClass& CRecipeChapter::RuntimeClass() const {
    return s_class;
}

std::string CRecipeChapter::ObjectId() const {
    char text[32];
    std::snprintf(text, sizeof text, "Chp%08x_%08x", m_book != nullptr ? m_book->Id() : 0u, Id());
    return text;
}

void CRecipeChapter::SetBook(CRecipeBook* book) {
    if (book != m_book) {
        m_book = book;
        if (book != nullptr) {
            book->AssignId(*this);
        }
    }
    for (const auto& recipe : m_recipes) {
        recipe->SetBook(book);
    }
}

CRecipe& CRecipeChapter::AddRecipe(std::unique_ptr<CRecipe> recipe) {
    recipe->SetChapter(this);
    recipe->SetBook(m_book);
    m_recipes.push_back(std::move(recipe));
    if (m_book != nullptr) {
        m_book->SetModified(true);
    }
    return *m_recipes.back();
}

std::unique_ptr<CRecipe> CRecipeChapter::RemoveRecipe(const CRecipe& recipe) {
    const auto found =
        std::find_if(m_recipes.begin(), m_recipes.end(), [&recipe](const auto& own) { return own.get() == &recipe; });
    if (found == m_recipes.end()) {
        return nullptr;
    }
    std::unique_ptr<CRecipe> removed = std::move(*found);
    m_recipes.erase(found);
    removed->SetChapter(nullptr);
    if (m_book != nullptr) {
        m_book->SetModified(true);
    }
    return removed;
}

CRecipe* CRecipeChapter::FindRecipe(std::uint32_t id) const {
    const auto found =
        std::find_if(m_recipes.begin(), m_recipes.end(), [id](const auto& recipe) { return recipe->Id() == id; });
    return found != m_recipes.end() ? found->get() : nullptr;
}

std::unique_ptr<CRecipeChapter> CRecipeChapter::Copy(bool withRecipes) const {
    auto copy = std::make_unique<CRecipeChapter>();
    copy->SetId(Id());
    copy->SetTitle(Title());
    copy->SetText(Text());
    copy->SetIcon(Icon());
    if (withRecipes) {
        for (const auto& recipe : m_recipes) {
            copy->AddRecipe(recipe->Clone());
        }
    }
    return copy;
}

void CRecipeChapter::Store(ArchiveWriter& archive) const {
    StoreShared(archive);
    archive.WriteInt(static_cast<std::int32_t>(m_recipes.size()));
    for (const auto& recipe : m_recipes) {
        archive.WriteObject(recipe.get());
    }
    archive.WriteInt(0);
}

// A damaged chapter keeps the recipes read before the damage.
void CRecipeChapter::Load(ArchiveReader& archive) {
    try {
        LoadShared(archive);
        LoadRecipes(archive);
    } catch (const ArchiveError&) {
        SetLoadError(true);
    }
}

void CRecipeChapter::LoadRecipes(ArchiveReader& archive) {
    const bool whole = archive.ReadNewList<CRecipe>(
        CRecipe::s_class, [this](std::unique_ptr<CRecipe> recipe) { AddRecipe(std::move(recipe)); });
    if (!whole) {
        SetLoadError(true);
        return;
    }
    archive.ReadInt();
}
