#include "app/CSettings.h"
#include "support/MemoryProfile.h"

#include <gtest/gtest.h>

namespace {

const std::string kSection = "SettingsV4";

} // namespace

TEST(CSettings, FreshProfileGivesDefaultsAndFirstSaveWritesThemAll) {
    MemoryProfile profile;
    CSettings settings;
    settings.Load(profile);
    EXPECT_EQ(settings.m_singleClickDisplay, 1);
    EXPECT_EQ(settings.m_leftPaneWidth, 280);
    EXPECT_EQ(settings.m_linkUser1, -1);
    EXPECT_EQ(settings.m_backgroundColor, Rgb(255, 255, 224));
    EXPECT_EQ(settings.m_shoppingColumns.size(), 5U);
    EXPECT_EQ(settings.m_shoppingColumns[1].name, "Item");
    EXPECT_EQ(settings.m_shoppingColumns[1].width, 150);

    settings.Save(profile);
    EXPECT_EQ(profile.GetString(kSection, "Tabs", ""), "0.500000 0.750000 1.250000");
    EXPECT_EQ(profile.GetInt(kSection, "Background color", 0), 255 + 256 * 255 + 65536 * 224);
    EXPECT_EQ(profile.GetInt(kSection, "Default Chapter Icon", 0), 2);
    EXPECT_EQ(profile.GetInt(kSection, "Embed Help", 0), 1);
    EXPECT_EQ(profile.GetInt(kSection, "Link User2", 0), -1);
    EXPECT_TRUE(profile.Has(kSection, "dataStoragePath"));
    EXPECT_EQ(profile.GetInt(kSection + "\\Font21", "Size", 0), 300);
    EXPECT_EQ(profile.GetString(kSection + "\\Font210", "Name", ""), "Arial Narrow");
    EXPECT_EQ(profile.GetInt(kSection + "\\Font214", "Color1", 0), Rgb(255, 255, 190));
    EXPECT_EQ(profile.GetInt(kSection + "\\Frame", "Maximized", 0), 1);
    EXPECT_EQ(profile.GetInt(kSection + "\\Frame", "XMaxPos", 0), 650);
    EXPECT_EQ(profile.GetInt(kSection + "\\Books", "Number of books", -1), 0);
}

TEST(CSettings, EveryKeyRoundTripsThroughTheProfile) {
    CSettings changed;
    changed.m_appendItemsToView = 1;
    changed.m_doubleClickDisplay = 1;
    changed.m_openBooksOnStartUp = 0;
    changed.m_leftPaneHeight = 411;
    changed.m_backgroundColor = Rgb(1, 2, 3);
    changed.m_menuInContents = 1;
    changed.m_defaultRecipeIcon = 17;
    changed.m_firstRun = 0;
    changed.m_showPerServing = 0;
    changed.m_daysForCalendar = 0;
    changed.m_linkUser2 = 1;
    changed.m_viewIsHtml = 0;
    changed.m_tabs = {1.5, 2.25, 3.125};
    changed.m_dataStoragePath = "/home/cook/data";
    changed.m_palmUser = "Ada";
    changed.TextStyle(CSettings::MenuDayTitle) = {.Color = 5, .Color1 = 6, .Name = "Serif", .Underline = 1, .Size = 90};
    changed.m_frame = {1, 2, 3, 4, 0};
    changed.SetBook("/books/a.rcp", 1);
    changed.SetBook("/books/b.rcp", 0);

    MemoryProfile profile;
    changed.Save(profile);
    CSettings loaded;
    loaded.Load(profile);
    loaded.LoadFramePlacement(profile);

    EXPECT_EQ(loaded.m_appendItemsToView, 1);
    EXPECT_EQ(loaded.m_doubleClickDisplay, 1);
    EXPECT_EQ(loaded.m_openBooksOnStartUp, 0);
    EXPECT_EQ(loaded.m_leftPaneHeight, 411);
    EXPECT_EQ(loaded.m_backgroundColor, Rgb(1, 2, 3));
    EXPECT_EQ(loaded.m_menuInContents, 1);
    EXPECT_EQ(loaded.m_defaultRecipeIcon, 17);
    EXPECT_EQ(loaded.m_firstRun, 0);
    EXPECT_EQ(loaded.m_showPerServing, 0);
    EXPECT_EQ(loaded.m_daysForCalendar, 0);
    EXPECT_EQ(loaded.m_linkUser2, 1);
    EXPECT_EQ(loaded.m_viewIsHtml, 0);
    EXPECT_EQ(loaded.m_tabs, (std::array<double, 3>{1.5, 2.25, 3.125}));
    EXPECT_EQ(loaded.m_palmUser, "Ada");
    EXPECT_EQ(loaded.TextStyle(CSettings::MenuDayTitle), changed.TextStyle(CSettings::MenuDayTitle));
    EXPECT_EQ(loaded.m_frame.maximized, 0);
    EXPECT_EQ(loaded.m_frame.yMax, 4);
    EXPECT_EQ(loaded.m_books, changed.m_books);
    // The storage path belongs to start-up, not to Load.
    EXPECT_EQ(loaded.m_dataStoragePath, "");
    EXPECT_EQ(profile.GetString(kSection, "dataStoragePath", ""), "/home/cook/data");
}

TEST(CSettings, GarbageInTheProfileFallsBackToDefaults) {
    MemoryProfile profile;
    profile.WriteString(kSection, "Frame width", "wide");
    profile.WriteString(kSection, "Tabs", "abc 1 2");
    profile.WriteString(kSection + "\\Books", "Number of books", "many");
    CSettings settings;
    settings.Load(profile);
    EXPECT_EQ(settings.m_leftPaneWidth, 280);
    EXPECT_EQ(settings.m_tabs, (std::array<double, 3>{0.5, 0.75, 1.25}));
    EXPECT_TRUE(settings.m_books.empty());
}

TEST(CSettings, TabsThatPartlyParseKeepTheRest) {
    MemoryProfile profile;
    profile.WriteString(kSection, "Tabs", "2 x 9");
    CSettings settings;
    settings.Load(profile);
    EXPECT_EQ(settings.m_tabs, (std::array<double, 3>{2.0, 0.75, 1.25}));
}

TEST(CSettings, KnownBooksSkipEmptyNamesMergeDuplicatesAndRenumber) {
    MemoryProfile profile;
    const std::string books = kSection + "\\Books";
    profile.WriteInt(books, "Number of books", 4);
    profile.WriteString(books, "BookName1", "/a.rcp");
    profile.WriteInt(books, "BookFlag1", 1);
    profile.WriteString(books, "BookName2", "");
    profile.WriteString(books, "BookName3", "/c.rcp");
    profile.WriteString(books, "BookName4", "/a.rcp");
    profile.WriteInt(books, "BookFlag4", 0);
    CSettings settings;
    settings.Load(profile);
    EXPECT_EQ(settings.m_books, (std::vector<CSettings::KnownBook>{{"/a.rcp", 0}, {"/c.rcp", 0}}));

    MemoryProfile saved;
    settings.Save(saved);
    EXPECT_EQ(saved.GetInt(books, "Number of books", 0), 2);
    EXPECT_EQ(saved.GetString(books, "BookName2", ""), "/c.rcp");
}

TEST(CSettings, RemoveBookReturnsFlagPlusOne) {
    CSettings settings;
    settings.SetBook("/a.rcp", 0);
    settings.SetBook("/b.rcp", 1);
    EXPECT_EQ(settings.RemoveBook("/missing.rcp"), 0);
    EXPECT_EQ(settings.RemoveBook("/a.rcp"), 1);
    EXPECT_EQ(settings.RemoveBook("/b.rcp"), 2);
    EXPECT_TRUE(settings.m_books.empty());
}

TEST(CTextStyle, PointSizeMapsToHtmlSize) {
    const struct {
        int size;
        int html;
    } cases[] = {{-1, 3},  {0, 3},   {5, 5},   {7, 7},   {8, 1},   {80, 1},  {81, 2},  {100, 2},
                 {101, 3}, {130, 3}, {131, 4}, {160, 4}, {200, 5}, {201, 6}, {300, 6}, {301, 7}};
    for (const auto& c : cases) {
        CTextStyle style;
        style.Size = c.size;
        EXPECT_EQ(style.HtmlSize(), c.html) << "size " << c.size;
    }
}
