#include "menus/CSBMeal.h"

#include "model/ArchiveError.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CRecipeBook.h"

#include <algorithm>

namespace {

CRecipeBook* FindBook(CSBMeal::Books books, std::uint32_t id) {
    for (const auto& book : books) {
        if (book->Id() == id) {
            return book.get();
        }
    }
    return nullptr;
}

CRecipe* FindRecipeByTitle(const std::vector<std::unique_ptr<CRecipe>>& recipes, const std::string& title) {
    for (const auto& recipe : recipes) {
        if (recipe->Title() == title) {
            return recipe.get();
        }
    }
    return nullptr;
}

CRecipe* FindRecipeByTitle(const CRecipeBook& book, const std::string& title) {
    if (CRecipe* found = FindRecipeByTitle(book.Recipes(), title)) {
        return found;
    }
    for (const auto& chapter : book.Chapters()) {
        if (CRecipe* found = FindRecipeByTitle(chapter->Recipes(), title)) {
            return found;
        }
    }
    return nullptr;
}

bool SameDish(const CSBMeal::Item& a, const CSBMeal::Item& b) {
    return a.kind == b.kind && a.bookId == b.bookId && a.recipeId == b.recipeId && a.text == b.text;
}

} // namespace

void CSBMeal::Item::Relink(CRecipe* target) {
    recipe = target;
    if (target == nullptr) {
        kind = UnlinkedRecipe;
        return;
    }
    kind = LinkedRecipe;
    text = target->Title();
    bookId = target->Book() != nullptr ? target->Book()->Id() : 0;
    recipeId = target->Id();
}

std::string CSBMeal::Item::CountSuffix() const {
    return count == 1 ? std::string() : " (" + std::to_string(count) + ")";
}

std::string CSBMeal::Item::DisplayName() const {
    const std::size_t open = text.find('(', 1);
    if (open == std::string::npos) {
        return text;
    }
    // "Apple(medium)" without the space still names the apple.
    std::size_t end = open;
    while (end > 0 && text[end - 1] == ' ') {
        --end;
    }
    return text.substr(0, end);
}

std::string CSBMeal::Item::Portion() const {
    const std::size_t open = text.find('(', 1);
    if (open == std::string::npos) {
        return {};
    }
    const std::size_t close = text.find(')', open);
    return text.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
}

void CSBMeal::AddRecipe(CRecipe& recipe) {
    Item item;
    item.Relink(&recipe);
    m_items.push_back(std::move(item));
}

void CSBMeal::AddItemText(const std::string& text, std::int32_t kind) {
    Item item;
    item.kind = kind;
    item.text = text;
    m_items.push_back(std::move(item));
}

bool CSBMeal::ResolveByIds(Books books) {
    bool linked = false;
    for (Item& item : m_items) {
        if (!item.NeedsLink()) {
            continue;
        }
        const CRecipeBook* book = FindBook(books, item.bookId);
        CRecipe* recipe = book != nullptr ? book->FindRecipe(item.recipeId) : nullptr;
        if (recipe != nullptr) {
            item.Relink(recipe);
            linked = true;
        } else if (item.kind == Item::LinkedRecipe) {
            item.kind = Item::UnlinkedRecipe;
        }
    }
    return linked;
}

bool CSBMeal::ResolveInBook(CRecipeBook& book) {
    bool linked = false;
    for (Item& item : m_items) {
        if (!item.NeedsLink()) {
            continue;
        }
        CRecipe* recipe = nullptr;
        if (item.bookId == 0) {
            recipe = FindRecipeByTitle(book, item.text);
        } else if (item.bookId == book.Id()) {
            recipe = book.FindRecipe(item.recipeId);
        }
        if (recipe != nullptr) {
            item.Relink(recipe);
            linked = true;
        }
    }
    return linked;
}

bool CSBMeal::Unlink(const CRecipe& recipe) {
    bool changed = false;
    for (Item& item : m_items) {
        if (item.recipe == &recipe) {
            item.Relink(nullptr);
            changed = true;
        }
    }
    return changed;
}

bool CSBMeal::Refresh(CRecipe& recipe) {
    bool changed = false;
    for (Item& item : m_items) {
        if (item.recipe == &recipe) {
            item.Relink(&recipe);
            changed = true;
        }
    }
    return changed;
}

void CSBMeal::MergeFrom(const CSBMeal& incoming) {
    for (const Item& item : incoming.m_items) {
        const auto same = std::find_if(m_items.begin(), m_items.end(),
                                       [&](const Item& existing) { return SameDish(existing, item); });
        if (same != m_items.end()) {
            same->count = std::max(same->count, item.count);
        } else {
            m_items.push_back(item);
        }
    }
}

void CSBMeal::Store(ArchiveWriter& archive) const {
    archive.WriteString(m_name);
    archive.WriteInt(static_cast<std::int32_t>(m_items.size()));
    for (const Item& item : m_items) {
        archive.WriteInt(item.kind);
        archive.WriteInt(item.count);
        archive.WriteDword(item.recipeId);
        archive.WriteDword(item.bookId);
        archive.WriteString(item.text);
        archive.WriteInt(item.foodLink);
    }
}

void CSBMeal::Load(ArchiveReader& archive) {
    m_name = archive.ReadString();
    LoadItems(archive, true);
}

void CSBMeal::LoadWithoutName(ArchiveReader& archive) {
    LoadItems(archive, false);
}

void CSBMeal::LoadItems(ArchiveReader& archive, bool withFoodLink) {
    const std::int32_t count = archive.ReadInt();
    if (count < 0) {
        throw ArchiveError(ArchiveError::Kind::BadIndex, "negative item count in a meal");
    }
    // No reserve: a damaged count must not allocate more than the file holds.
    for (std::int32_t i = 0; i < count; ++i) {
        Item item;
        item.kind = archive.ReadInt();
        item.count = archive.ReadInt();
        item.recipeId = archive.ReadDword();
        item.bookId = archive.ReadDword();
        item.text = archive.ReadString();
        item.foodLink = withFoodLink ? archive.ReadInt() : 0;
        // A recipe reference is never stored: a "linked" item waits for its book.
        m_items.push_back(std::move(item));
    }
}
