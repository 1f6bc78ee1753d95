#pragma once

#include "app/CTextStyle.h"

#include <array>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

class Profile;

// The preferences record: constructed with the defaults, filled from the
// profile once at start, edited in place while the program runs and written
// back whole at exit.
class CSettings {
public:
    static constexpr std::string_view kSection = "SettingsV4";
    static constexpr int kStyleCount = 14;

    enum Style {
        BookTitle,
        BookIntroduction,
        ChapterTitle,
        ChapterIntroduction,
        RecipeTitle,
        RecipeIngredients,
        RecipeInstructions,
        MenuTitle,
        MenuDayTitle,
        MealColumns,
        MenuRecipe,
        ShoppingListTitle,
        ShoppingListHeader,
        ShoppingListItem,
    };

    struct KnownBook {
        std::string path;
        unsigned flag = 0;
        bool operator==(const KnownBook&) const = default;
    };

    // The main window's last placement in screen pixels.
    struct FramePlacement {
        int x = 10;
        int y = 10;
        int xMax = 650;
        int yMax = 490;
        int maximized = 1;
    };

    struct ShoppingColumn {
        std::string name;
        int width = 0;
        int visible = 1;
    };

    CSettings();

    // The record's process-wide instance.
    static CSettings& Global();

    void Load(const Profile& profile);
    void Save(Profile& profile) const;

    // Reads the placement keys; the main window calls it when it is created.
    void LoadFramePlacement(const Profile& profile);

    // Replaces the flag of a listed path (exact comparison) or appends it.
    void SetBook(const std::string& path, unsigned flag);
    // Removes the first entry of the path; its flag + 1, or 0 when not listed.
    int RemoveBook(const std::string& path);

    const CTextStyle& TextStyle(int index) const { return m_styles.at(static_cast<std::size_t>(index)); }
    CTextStyle& TextStyle(int index) { return m_styles.at(static_cast<std::size_t>(index)); }
    static const char* StyleName(int index);

    // The icon shown for a node of the kind (1 book, 2 chapter, 3 recipe)
    // whose own icon is -1.
    int DefaultIcon(int kind) const;
    void SetDefaultIcon(int kind, int icon);

    std::vector<KnownBook> m_books;
    int m_appendItemsToView = 0;
    int m_doubleClickDisplay = 0;
    int m_singleClickDisplay = 1;
    int m_openBooksOnStartUp = 1;
    std::array<CTextStyle, kStyleCount> m_styles;
    int m_leftPaneWidth = 280;
    int m_leftPaneHeight = 300;
    int m_viewComments = 1;
    int m_displayShoppingList = 1;
    int m_displayMenuRecipes = 0;
    int m_menuDisplayDays = 30;
    std::time_t m_menuDisplayStart;
    int m_menuInContents = 0;
    int m_defaultBookIcon = 0;
    int m_defaultChapterIcon = 2;
    int m_defaultRecipeIcon = 4;
    int m_displayBitmaps = 1;
    int m_ingredientFormat = 1;
    int m_viewIsHtml = 1;
    std::array<double, 3> m_tabs = {0.5, 0.75, 1.25};
    int m_showActionLinks = 1;
    int m_showNavigationLinks = 1;
    int m_showAfterExport = 1;
    int m_useAltRecipeFormat = 0;
    int m_useIoWizards = 1;
    int m_embedHelp = 1;
    int m_showNutrientInfo = 1;
    int m_exportNutrientInfo = 1;
    int m_showMealInfo = 0;
    int m_showDayInfo = 1;
    int m_daysForCalendar = 7;
    int m_linkUser1 = -1;
    int m_linkUser2 = -1;
    int m_indexedSearch = 1;
    std::vector<ShoppingColumn> m_shoppingColumns;
    int m_firstRun = 1;
    std::string m_programDirectory;
    ColorRef m_backgroundColor;
    std::string m_dataStoragePath;
    int m_cacheNutrientInfo = 1;
    int m_showPerServing = 1;
    FramePlacement m_frame;
    bool m_frameSettingsLoaded = false;
    std::string m_palmUser;

private:
    void LoadTabs(const Profile& profile);
    void LoadStyles(const Profile& profile);
    void LoadBooks(const Profile& profile);
    void FillShoppingColumns();
    void SaveStyles(Profile& profile) const;
    void SaveBooks(Profile& profile) const;
    void SaveFramePlacement(Profile& profile) const;
    std::string FormatTabs() const;
};
