#include "ui/controls/CSheetTab.h"

#include <QMainWindow>
#include <QStatusBar>
#include <gtest/gtest.h>

TEST(CSheetTab, SitsInTheStatusBarWithItsLabelsAtTheBottomEdge) {
    QMainWindow window;
    window.resize(800, 400);
    CSheetTab* tabs = CSheetTab::Create(window.statusBar(), {"Display", "Inventory", "Web"}, 59648);
    window.show();
    ASSERT_EQ(window.statusBar()->findChild<CSheetTab*>("sheetTab"), tabs);
    EXPECT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(1), "Inventory");
    EXPECT_EQ(tabs->shape(), QTabBar::RoundedSouth);
    EXPECT_EQ(tabs->font().pointSize(), 8);
    EXPECT_EQ(tabs->width(), tabs->sizeHint().width());
    EXPECT_EQ(tabs->property("controlId").toInt(), 59648);
}
