#include "menus/CSBMenu.h"

#include "model/ArchiveClass.h"
#include "model/ArchiveError.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CRecipeBook.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kDefaultMealNames = 540;
constexpr int kFirstSchemaWithMealNames = 400;
constexpr int kFirstSchemaWithMealList = 300;
constexpr int kFirstSchemaWithSimpleItems = 250;
constexpr std::size_t kOldMealCount = 3;

std::unique_ptr<CObject> CreateMenu() {
    return std::make_unique<CSBMenu>();
}

std::int32_t ReadCountInt(ArchiveReader& archive) {
    const std::int32_t count = archive.ReadInt();
    if (count < 0) {
        throw ArchiveError(ArchiveError::Kind::BadIndex, "negative count in a menu");
    }
    return count;
}

} // namespace

const ArchiveClass CSBMenu::s_class("CSBMenu", nullptr, &CreateMenu);

CSBMenu::CSBMenu() = default;

CSBMenu::~CSBMenu() = default;

std::unique_ptr<CSBMenu> CSBMenu::Clone() const {
    auto copy = std::make_unique<CSBMenu>();
    copy->m_missingBooks = m_missingBooks;
    copy->m_rule = m_rule;
    copy->m_id = m_id;
    for (const auto& meal : m_meals) {
        copy->m_meals.push_back(std::make_unique<CSBMeal>(*meal));
    }
    return copy;
}

const ArchiveClass& CSBMenu::RuntimeClass() const {
    return s_class;
}

void CSBMenu::AddMissingBook(const std::string& title) {
    if (!title.empty() && std::find(m_missingBooks.begin(), m_missingBooks.end(), title) == m_missingBooks.end()) {
        m_missingBooks.push_back(title);
    }
}

CSBMeal* CSBMenu::FindMeal(const std::string& name) const {
    const auto found =
        std::find_if(m_meals.begin(), m_meals.end(), [&](const auto& meal) { return meal->Name() == name; });
    return found != m_meals.end() ? found->get() : nullptr;
}

CSBMeal& CSBMenu::SetMeal(const std::string& name) {
    RemoveMeal(name);
    m_meals.push_back(std::make_unique<CSBMeal>(name));
    return *m_meals.back();
}

void CSBMenu::RemoveMeal(const std::string& name) {
    const auto found =
        std::find_if(m_meals.begin(), m_meals.end(), [&](const auto& meal) { return meal->Name() == name; });
    if (found != m_meals.end()) {
        m_meals.erase(found);
    }
}

void CSBMenu::AddRecipe(const std::string& mealName, CRecipe& recipe) {
    if (CSBMeal* meal = FindMeal(mealName)) {
        meal->AddRecipe(recipe);
    }
}

void CSBMenu::AddItemText(const std::string& mealName, const std::string& text, const std::string& bookTitle) {
    CSBMeal* meal = FindMeal(mealName);
    if (meal == nullptr) {
        return;
    }
    meal->AddItemText(text, CSBMeal::Item::UnlinkedRecipe);
    AddMissingBook(bookTitle);
}

void CSBMenu::AddItem(const std::string& mealName, const CSBMeal::Item& item) {
    if (CSBMeal* meal = FindMeal(mealName)) {
        meal->AddItem(item);
    }
}

void CSBMenu::Clear(bool deleteMeals) {
    if (deleteMeals) {
        m_meals.clear();
        return;
    }
    for (const auto& meal : m_meals) {
        meal->ClearItems();
    }
}

void CSBMenu::CollectMealNames(std::vector<std::string>& names) const {
    for (const auto& meal : m_meals) {
        if (std::find(names.begin(), names.end(), meal->Name()) == names.end()) {
            names.push_back(meal->Name());
        }
    }
}

void CSBMenu::ResolveByIds(Books books) {
    for (const auto& meal : m_meals) {
        meal->ResolveByIds(books);
    }
}

void CSBMenu::Resolve(Books books) {
    ResolveByIds(books);
    for (auto title = m_missingBooks.begin(); title != m_missingBooks.end();) {
        const auto book =
            std::find_if(books.begin(), books.end(), [&](const auto& open) { return open->Title() == *title; });
        bool linked = false;
        if (book != books.end()) {
            for (const auto& meal : m_meals) {
                linked = meal->ResolveInBook(**book) || linked;
            }
        }
        title = linked ? m_missingBooks.erase(title) : title + 1;
    }
}

bool CSBMenu::Unlink(const CRecipe& recipe) {
    bool changed = false;
    for (const auto& meal : m_meals) {
        changed = meal->Unlink(recipe) || changed;
    }
    return changed;
}

int CSBMenu::Refresh(CRecipe& recipe) {
    int changedMeals = 0;
    for (const auto& meal : m_meals) {
        changedMeals += meal->Refresh(recipe) ? 1 : 0;
    }
    return changedMeals;
}

bool CSBMenu::MergeFrom(const CSBMenu& incoming, Books books) {
    if (!(m_rule == incoming.m_rule)) {
        return false;
    }
    for (const auto& meal : m_meals) {
        if (const CSBMeal* same = incoming.FindMeal(meal->Name())) {
            meal->MergeFrom(*same);
        }
    }
    ResolveByIds(books);
    return true;
}

void CSBMenu::Store(ArchiveWriter& archive) const {
    archive.WriteInt(m_rule.Day());
    archive.WriteInt(m_rule.Weekday());
    archive.WriteInt(m_rule.Month());
    archive.WriteInt(m_rule.Year());
    archive.WriteCount(static_cast<std::uint32_t>(m_missingBooks.size()));
    for (const std::string& title : m_missingBooks) {
        archive.WriteString(title);
    }
    archive.WriteInt(static_cast<std::int32_t>(m_meals.size()));
    for (const auto& meal : m_meals) {
        meal->Store(archive);
    }
    archive.WriteInt(m_id);
    archive.WriteInt(0);
}

void CSBMenu::Load(ArchiveReader& archive) {
    const int schema = archive.GetObjectSchema();
    if (schema > ArchiveClass::kCurrentSchema) {
        throw ArchiveError(ArchiveError::Kind::BadSchema, "menu of an unknown schema");
    }
    if (schema >= kFirstSchemaWithMealNames) {
        LoadCurrent(archive);
    } else if (schema >= kFirstSchemaWithMealList) {
        LoadThreeMeals(archive);
    } else {
        LoadOld(archive, schema);
    }
}

void CSBMenu::LoadRuleAndMissingBooks(ArchiveReader& archive) {
    const std::int32_t day = archive.ReadInt();
    const std::int32_t weekday = archive.ReadInt();
    const std::int32_t month = archive.ReadInt();
    const std::int32_t year = archive.ReadInt();
    m_rule = CMenuRule(day, weekday, month, year);
    m_missingBooks = archive.ReadStringArray();
}

void CSBMenu::LoadCurrent(ArchiveReader& archive) {
    LoadRuleAndMissingBooks(archive);
    const std::int32_t count = ReadCountInt(archive);
    for (std::int32_t i = 0; i < count; ++i) {
        auto meal = std::make_unique<CSBMeal>();
        meal->Load(archive);
        m_meals.push_back(std::move(meal));
    }
    m_id = archive.ReadInt();
    archive.ReadInt();
}

void CSBMenu::LoadThreeMeals(ArchiveReader& archive) {
    LoadRuleAndMissingBooks(archive);
    AddDefaultMeals();
    for (const auto& meal : m_meals) {
        meal->LoadWithoutName(archive);
    }
    m_id = archive.ReadInt();
    archive.ReadInt();
}

// Files before 3.0 name recipes by book and recipe title and keep the free
// items in string lists; the menu has no id there.
void CSBMenu::LoadOld(ArchiveReader& archive, int schema) {
    const std::int32_t day = archive.ReadInt();
    const std::int32_t weekday = archive.ReadInt();
    const std::int32_t month = archive.ReadInt();
    const std::int32_t year = archive.ReadInt();
    m_rule = CMenuRule(day, weekday, month, year);
    const bool withSimpleItems = schema >= kFirstSchemaWithSimpleItems;
    std::array<std::vector<std::string>, kOldMealCount> unlinked;
    std::array<std::vector<std::string>, kOldMealCount> simple;
    if (withSimpleItems) {
        for (auto& texts : unlinked) {
            texts = archive.ReadStringArray();
        }
        for (const std::string& title : archive.ReadStringArray()) {
            AddMissingBook(title);
        }
    }
    AddDefaultMeals();
    for (const auto& meal : m_meals) {
        LoadTitlePairs(archive, *meal);
    }
    auto& trailing = withSimpleItems ? simple : unlinked;
    for (auto& texts : trailing) {
        texts = archive.ReadStringArray();
    }
    if (!withSimpleItems) {
        for (const std::string& title : archive.ReadStringArray()) {
            AddMissingBook(title);
        }
    }
    archive.ReadInt();
    for (std::size_t i = 0; i < kOldMealCount; ++i) {
        AddStrings(unlinked[i], *m_meals[i], CSBMeal::Item::UnlinkedRecipe);
        AddStrings(simple[i], *m_meals[i], CSBMeal::Item::SimpleItem);
    }
}

void CSBMenu::AddDefaultMeals() {
    m_meals.clear();
    std::vector<std::string> names = StringTable::List(kDefaultMealNames);
    names.resize(kOldMealCount);
    for (std::string& name : names) {
        m_meals.push_back(std::make_unique<CSBMeal>(std::move(name)));
    }
}

// The pair's recipe is linked by title once the menu is resolved against the
// open books; until then its book counts as missing.
void CSBMenu::LoadTitlePairs(ArchiveReader& archive, CSBMeal& meal) {
    const std::int32_t count = ReadCountInt(archive);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string bookTitle = archive.ReadString();
        const std::string recipeTitle = archive.ReadString();
        meal.AddItemText(recipeTitle, CSBMeal::Item::UnlinkedRecipe);
        AddMissingBook(bookTitle);
    }
}

void CSBMenu::AddStrings(const std::vector<std::string>& texts, CSBMeal& meal, std::int32_t kind) {
    for (const std::string& text : texts) {
        meal.AddItemText(text, kind);
    }
}
