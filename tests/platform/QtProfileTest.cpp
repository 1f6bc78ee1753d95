#include "platform/QtProfile.h"
#include "app/CSettings.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

QString IniPath(const TempDir& dir) {
    return QString::fromStdString((dir / "Savorbridge.conf").string());
}

} // namespace

TEST(QtProfile, SettingsRoundTripThroughTheIniFile) {
    TempDir dir;
    CSettings changed;
    changed.m_leftPaneWidth = 333;
    changed.m_linkUser1 = 0;
    changed.m_tabs = {1.0, 2.0, 3.5};
    changed.TextStyle(CSettings::ShoppingListItem).Name = "DejaVu Sans, Bold";
    changed.SetBook("/home/cook/Soups, Stews.rcp", 1);
    changed.m_palmUser = "Zoë";
    {
        QtProfile profile(IniPath(dir));
        changed.Save(profile);
    }
    QtProfile profile(IniPath(dir));
    CSettings loaded;
    loaded.Load(profile);
    EXPECT_EQ(loaded.m_leftPaneWidth, 333);
    EXPECT_EQ(loaded.m_linkUser1, 0);
    EXPECT_EQ(loaded.m_tabs, changed.m_tabs);
    EXPECT_EQ(loaded.TextStyle(CSettings::ShoppingListItem).Name, "DejaVu Sans, Bold");
    EXPECT_EQ(loaded.m_books, changed.m_books);
    EXPECT_EQ(loaded.m_palmUser, "Zoë");
}

TEST(QtProfile, GarbageFileGivesDefaults) {
    TempDir dir;
    dir.Write("Savorbridge.conf", "\x01\x02[SettingsV4\nFrame%20width=wide\n[[[\n\xff\xfe garbage = = =\n");
    QtProfile profile(IniPath(dir));
    CSettings settings;
    settings.Load(profile);
    EXPECT_EQ(settings.m_leftPaneWidth, 280);
    EXPECT_EQ(profile.GetInt("SettingsV4", "Frame width", 7), 7);
    EXPECT_EQ(profile.GetString("SettingsV4", "Missing", "fallback"), "fallback");
}

TEST(QtProfile, MissingFileGivesDefaults) {
    TempDir dir;
    QtProfile profile(QString::fromStdString((dir / "none" / "x.conf").string()));
    CSettings settings;
    settings.Load(profile);
    EXPECT_EQ(settings.m_singleClickDisplay, 1);
    EXPECT_EQ(settings.m_books.size(), 0U);
}
