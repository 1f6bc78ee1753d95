#include "app/CSettings.h"

#include "platform/Profile.h"
#include "platform/StringTable.h"

#include <charconv>
#include <cstdio>

namespace {

constexpr int kShoppingColumnNamesId = 569;
constexpr std::array kShoppingColumnWidths = {20, 150, 20, 50, 50};

// The integer keys in the order they are read and written. "dataStoragePath"
// sits between "Display Menu Recipes" and "Show Action Link" when saving.
struct IntKey {
    const char* key;
    int CSettings::*member;
};

constexpr IntKey kIntKeysBeforePath[] = {
    {"Append items to view", &CSettings::m_appendItemsToView},
    {"Double click display", &CSettings::m_doubleClickDisplay},
    {"Single click display", &CSettings::m_singleClickDisplay},
    {"Open books on start up", &CSettings::m_openBooksOnStartUp},
    {"Frame width", &CSettings::m_leftPaneWidth},
    {"Frame height", &CSettings::m_leftPaneHeight},
    {"Background color", &CSettings::m_backgroundColor},
    {"View comments", &CSettings::m_viewComments},
    {"Menu in Contents", &CSettings::m_menuInContents},
    {"Default Book Icon", &CSettings::m_defaultBookIcon},
    {"Default Chapter Icon", &CSettings::m_defaultChapterIcon},
    {"Default Recipe Icon", &CSettings::m_defaultRecipeIcon},
    {"Display Bitmaps", &CSettings::m_displayBitmaps},
    {"Ingredient Format", &CSettings::m_ingredientFormat},
    {"First Run Full", &CSettings::m_firstRun},
    {"Display Shopping List", &CSettings::m_displayShoppingList},
    {"Display Menu Recipes", &CSettings::m_displayMenuRecipes},
};

constexpr IntKey kIntKeysAfterPath[] = {
    {"Show Action Link", &CSettings::m_showActionLinks},
    {"Show Navigation Link", &CSettings::m_showNavigationLinks},
    {"Show After Export", &CSettings::m_showAfterExport},
    {"Use Alt Recipe Format", &CSettings::m_useAltRecipeFormat},
    {"Use IO Wizards", &CSettings::m_useIoWizards},
    {"Cache Nutrient Info", &CSettings::m_cacheNutrientInfo},
    {"Show Nutrient Info", &CSettings::m_showNutrientInfo},
    {"Export Nutrient Info", &CSettings::m_exportNutrientInfo},
    {"Show Per Serving", &CSettings::m_showPerServing},
    {"Show Meal Info", &CSettings::m_showMealInfo},
    {"Show Day Info", &CSettings::m_showDayInfo},
    {"Days for Calendar", &CSettings::m_daysForCalendar},
    {"Link User1", &CSettings::m_linkUser1},
    {"Link User2", &CSettings::m_linkUser2},
    {"Indexed Search", &CSettings::m_indexedSearch},
    {"View is HTML", &CSettings::m_viewIsHtml},
    {"Embed Help", &CSettings::m_embedHelp},
};

constexpr const char* kStyleNames[CSettings::kStyleCount] = {
    "Book Title",           "Book Introduction",        "Chapter Title",       "Chapter Introduction",
    "Recipe Title",         "Recipe Ingredients",       "Recipe Instructions", "Menu Title",
    "Menu Day Title",       "Breakfast, Lunch, Dinner", "Menu Recipe",         "Shopping List Title",
    "Shopping List Header", "Shopping List Item",
};

std::array<CTextStyle, CSettings::kStyleCount> DefaultStyles() {
    const ColorRef blue = Rgb(0, 0, 220);
    const ColorRef paleYellow = Rgb(255, 255, 190);
    std::array<CTextStyle, CSettings::kStyleCount> s;
    s[CSettings::BookTitle] = {.Color = blue, .Bold = 1, .Italic = 1, .Size = 300};
    s[CSettings::BookIntroduction] = {.Size = 140};
    s[CSettings::ChapterTitle] = {.Color = blue, .Bold = 1, .Italic = 1, .Size = 200};
    s[CSettings::ChapterIntroduction] = {.Size = 140};
    s[CSettings::RecipeTitle] = {.Color = blue, .Bold = 1, .Italic = 1, .Size = 180};
    s[CSettings::RecipeIngredients] = {.Color1 = paleYellow, .Color2 = kNoColor, .Size = 100};
    s[CSettings::RecipeInstructions] = {.Color1 = Rgb(255, 255, 140), .Size = 100};
    s[CSettings::MenuTitle] = {.Color = blue, .Bold = 1, .Size = 300};
    s[CSettings::MenuDayTitle] = {.Color = Rgb(255, 255, 0), .Color1 = Rgb(0, 0, 128), .Bold = 1, .Size = -1};
    s[CSettings::MealColumns] = {.Color1 = Rgb(255, 255, 176),
                                 .Color2 = Rgb(168, 255, 168),
                                 .Color3 = Rgb(176, 255, 255),
                                 .Name = "Arial Narrow",
                                 .Bold = 1,
                                 .Size = 100};
    s[CSettings::MenuRecipe] = {.Name = "Arial Narrow", .Size = 100};
    s[CSettings::ShoppingListTitle] = {.Color = blue, .Bold = 1, .Size = 300};
    s[CSettings::ShoppingListHeader] = {.Color = Rgb(255, 255, 255), .Color1 = 0, .Bold = 1, .Size = 120};
    s[CSettings::ShoppingListItem] = {.Color1 = paleYellow, .Color2 = kNoColor, .Size = 100};
    return s;
}

std::string StyleSection(int index) {
    return std::string(CSettings::kSection) + "\\Font2" + std::to_string(index + 1);
}

std::string Section(std::string_view child) {
    return std::string(CSettings::kSection) + "\\" + std::string(child);
}

// Reads up to three numbers separated by blanks; a field that does not parse
// (and every field after it) keeps its value. Locale-independent on purpose:
// the profile must read back the same on every machine.
void ParseTabs(std::string_view text, std::array<double, 3>& tabs) {
    const char* cursor = text.data();
    const char* end = text.data() + text.size();
    for (double& tab : tabs) {
        while (cursor < end && (*cursor == ' ' || *cursor == '\t')) {
            ++cursor;
        }
        double value = 0;
        const auto [next, error] = std::from_chars(cursor, end, value);
        if (error != std::errc()) {
            return;
        }
        tab = value;
        cursor = next;
    }
}

} // namespace

CSettings::CSettings()
    : m_styles(DefaultStyles()), m_menuDisplayStart(std::time(nullptr)), m_backgroundColor(Rgb(255, 255, 224)) {}

CSettings& CSettings::Global() {
    static CSettings settings;
    return settings;
}

const char* CSettings::StyleName(int index) {
    return kStyleNames[index];
}

namespace {

// The default icon member of a node kind, for reading and for writing.
template <typename Settings>
auto& DefaultIconOf(Settings& settings, int kind) {
    switch (kind) {
    case 1:
        return settings.m_defaultBookIcon;
    case 2:
        return settings.m_defaultChapterIcon;
    default:
        return settings.m_defaultRecipeIcon;
    }
}

} // namespace

int CSettings::DefaultIcon(int kind) const {
    return DefaultIconOf(*this, kind);
}

void CSettings::SetDefaultIcon(int kind, int icon) {
    DefaultIconOf(*this, kind) = icon;
}

void CSettings::Load(const Profile& profile) {
    for (const auto& [key, member] : kIntKeysBeforePath) {
        this->*member = profile.GetInt(kSection, key, this->*member);
    }
    for (const auto& [key, member] : kIntKeysAfterPath) {
        this->*member = profile.GetInt(kSection, key, this->*member);
    }
    LoadTabs(profile);
    FillShoppingColumns();
    LoadStyles(profile);
    LoadBooks(profile);
    m_frameSettingsLoaded = true;
    m_palmUser = profile.GetString(Section("IO"), "PalmUser", m_palmUser);
}

void CSettings::LoadTabs(const Profile& profile) {
    const std::string text = profile.GetString(kSection, "Tabs", "");
    if (!text.empty()) {
        ParseTabs(text, m_tabs);
    }
}

void CSettings::FillShoppingColumns() {
    m_shoppingColumns.clear();
    const auto names = StringTable::List(kShoppingColumnNamesId);
    for (std::size_t i = 0; i < names.size() && i < kShoppingColumnWidths.size(); ++i) {
        m_shoppingColumns.push_back({names[i], kShoppingColumnWidths[i], 1});
    }
}

void CSettings::LoadStyles(const Profile& profile) {
    for (int i = 0; i < kStyleCount; ++i) {
        const std::string section = StyleSection(i);
        CTextStyle& style = TextStyle(i);
        style.Bold = profile.GetInt(section, "Bold", style.Bold);
        style.Italic = profile.GetInt(section, "Italic", style.Italic);
        style.Underline = profile.GetInt(section, "Underline", style.Underline);
        style.Color = profile.GetInt(section, "Color", style.Color);
        style.Color1 = profile.GetInt(section, "Color1", style.Color1);
        style.Color2 = profile.GetInt(section, "Color2", style.Color2);
        style.Color3 = profile.GetInt(section, "Color3", style.Color3);
        style.Size = profile.GetInt(section, "Size", style.Size);
        style.Name = profile.GetString(section, "Name", style.Name);
    }
}

void CSettings::LoadBooks(const Profile& profile) {
    const std::string section = Section("Books");
    const int count = profile.GetInt(section, "Number of books", 0);
    for (int i = 1; i <= count; ++i) {
        const std::string name = profile.GetString(section, "BookName" + std::to_string(i), "");
        const int flag = profile.GetInt(section, "BookFlag" + std::to_string(i), 0);
        if (!name.empty()) {
            SetBook(name, static_cast<unsigned>(flag));
        }
    }
}

void CSettings::LoadFramePlacement(const Profile& profile) {
    const std::string section = Section("Frame");
    m_frame.x = profile.GetInt(section, "XPos", m_frame.x);
    m_frame.y = profile.GetInt(section, "YPos", m_frame.y);
    m_frame.xMax = profile.GetInt(section, "XMaxPos", m_frame.xMax);
    m_frame.yMax = profile.GetInt(section, "YMaxPos", m_frame.yMax);
    m_frame.maximized = profile.GetInt(section, "Maximized", m_frame.maximized);
}

void CSettings::Save(Profile& profile) const {
    for (const auto& [key, member] : kIntKeysBeforePath) {
        profile.WriteInt(kSection, key, this->*member);
    }
    profile.WriteString(kSection, "dataStoragePath", m_dataStoragePath);
    for (const auto& [key, member] : kIntKeysAfterPath) {
        profile.WriteInt(kSection, key, this->*member);
    }
    profile.WriteString(kSection, "Tabs", FormatTabs());
    SaveStyles(profile);
    SaveBooks(profile);
    SaveFramePlacement(profile);
    profile.WriteString(Section("IO"), "PalmUser", m_palmUser);
}

std::string CSettings::FormatTabs() const {
    std::string text;
    for (const double tab : m_tabs) {
        char buffer[64];
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, tab, std::chars_format::fixed, 6);
        if (!text.empty()) {
            text += ' ';
        }
        text.append(buffer, error == std::errc() ? end : buffer);
    }
    return text;
}

void CSettings::SaveStyles(Profile& profile) const {
    for (int i = 0; i < kStyleCount; ++i) {
        const std::string section = StyleSection(i);
        const CTextStyle& style = TextStyle(i);
        profile.WriteInt(section, "Bold", style.Bold);
        profile.WriteInt(section, "Italic", style.Italic);
        profile.WriteInt(section, "Underline", style.Underline);
        profile.WriteInt(section, "Color", style.Color);
        profile.WriteInt(section, "Color1", style.Color1);
        profile.WriteInt(section, "Color2", style.Color2);
        profile.WriteInt(section, "Color3", style.Color3);
        profile.WriteInt(section, "Size", style.Size);
        profile.WriteString(section, "Name", style.Name);
    }
}

void CSettings::SaveBooks(Profile& profile) const {
    const std::string section = Section("Books");
    profile.WriteInt(section, "Number of books", static_cast<int>(m_books.size()));
    for (std::size_t i = 0; i < m_books.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        profile.WriteString(section, "BookName" + n, m_books[i].path);
        profile.WriteInt(section, "BookFlag" + n, static_cast<int>(m_books[i].flag));
    }
}

void CSettings::SaveFramePlacement(Profile& profile) const {
    const std::string section = Section("Frame");
    profile.WriteInt(section, "XPos", m_frame.x);
    profile.WriteInt(section, "YPos", m_frame.y);
    profile.WriteInt(section, "XMaxPos", m_frame.xMax);
    profile.WriteInt(section, "YMaxPos", m_frame.yMax);
    profile.WriteInt(section, "Maximized", m_frame.maximized);
}

void CSettings::SetBook(const std::string& path, unsigned flag) {
    for (auto& book : m_books) {
        if (book.path == path) {
            book.flag = flag;
            return;
        }
    }
    m_books.push_back({path, flag});
}

int CSettings::RemoveBook(const std::string& path) {
    for (auto it = m_books.begin(); it != m_books.end(); ++it) {
        if (it->path == path) {
            const int result = static_cast<int>(it->flag) + 1;
            m_books.erase(it);
            return result;
        }
    }
    return 0;
}
