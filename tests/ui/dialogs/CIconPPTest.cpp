#include "ui/dialogs/CIconPP.h"

#include <QCheckBox>
#include <QListWidget>
#include <QTabBar>
#include <gtest/gtest.h>

namespace {

constexpr int kRecipeDefault = 4;
constexpr int kApple = 100;
constexpr int kCookies = 175;

} // namespace

TEST(CIconPPTest, TheDefaultIconIsStoredAsNoIconOfItsOwn) {
    CIconPP page(-1, kRecipeDefault);
    EXPECT_EQ(page.ChosenIcon(), kRecipeDefault);
    EXPECT_TRUE(page.findChild<QCheckBox*>("default")->isChecked());
    EXPECT_EQ(page.StoredIcon(), -1);

    page.SelectIcon(kApple);
    EXPECT_EQ(page.ShownCategory(), IconCatalog::Food);
    EXPECT_FALSE(page.findChild<QCheckBox*>("default")->isChecked());
    EXPECT_EQ(page.StoredIcon(), kApple);
}

TEST(CIconPPTest, TickingDefaultMakesTheChoiceTheDefaultAndClearingItGoesBack) {
    CIconPP page(kApple, kRecipeDefault);
    page.SelectIcon(kApple);
    page.SetDefaultTicked(true);
    EXPECT_EQ(page.DefaultIcon(), kApple);
    EXPECT_EQ(page.StoredIcon(), -1);

    page.SelectIcon(kCookies);
    EXPECT_FALSE(page.findChild<QCheckBox*>("default")->isChecked());
    page.SetDefaultTicked(true);
    EXPECT_EQ(page.DefaultIcon(), kCookies);
    page.SetDefaultTicked(false);
    EXPECT_EQ(page.DefaultIcon(), kApple);
    EXPECT_EQ(page.StoredIcon(), kCookies);
}

TEST(CIconPPTest, TabsListTheCategoriesAndTheCategoryShownIsKeptForTheRun) {
    {
        CIconPP page(-1, kRecipeDefault);
        auto* tabs = page.findChild<QTabBar*>("categories");
        ASSERT_EQ(tabs->count(), 5);
        EXPECT_EQ(tabs->tabToolTip(3), "Holidays");
        tabs->setCurrentIndex(IconCatalog::Drinks);
        auto* icons = page.findChild<QListWidget*>("icons");
        EXPECT_EQ(icons->count(), IconCatalog::Count(IconCatalog::Drinks));
        EXPECT_EQ(icons->item(0)->text(), "Milk");
    }
    CIconPP again(-1, kRecipeDefault);
    EXPECT_EQ(again.ShownCategory(), IconCatalog::Drinks);
    again.ShowCategory(IconCatalog::General);
}
