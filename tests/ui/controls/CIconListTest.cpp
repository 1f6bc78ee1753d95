#include "ui/controls/CIconList.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

bool HasInk(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                return true;
            }
        }
    }
    return false;
}

struct CategoryCase {
    IconCatalog::Category category;
    int count;
    int firstId;
    int firstImage;
};

} // namespace

TEST(IconCatalog, CategoriesHaveTheirCountsIdRangesAndImagePositions) {
    const CategoryCase cases[] = {
        {IconCatalog::General, 18, 0, 0},      {IconCatalog::Food, 80, 100, 18},    {IconCatalog::Drinks, 32, 200, 98},
        {IconCatalog::Holidays, 20, 300, 130}, {IconCatalog::Plants, 28, 400, 150},
    };
    for (const CategoryCase& c : cases) {
        EXPECT_EQ(IconCatalog::Count(c.category), c.count);
        EXPECT_EQ(IconCatalog::IdAt(c.category, 0), c.firstId);
        EXPECT_EQ(IconCatalog::ImageIndex(c.firstId), c.firstImage);
        EXPECT_EQ(IconCatalog::CategoryOf(c.firstId + c.count - 1), c.category);
        EXPECT_FALSE(IconCatalog::Exists(c.firstId + c.count)) << c.firstId + c.count;
    }
    EXPECT_FALSE(IconCatalog::Exists(-1));
    EXPECT_EQ(IconCatalog::ImageIndex(180), -1);
}

TEST(IconCatalog, NamesComeFromTheCategoryListAndMayBeShared) {
    EXPECT_EQ(IconCatalog::Name(0), "Book");
    EXPECT_EQ(IconCatalog::Name(17), "Favorites");
    for (int id : {100, 101, 102}) {
        EXPECT_EQ(IconCatalog::Name(id), "Apple");
    }
    EXPECT_EQ(IconCatalog::Name(179), "Honey");
    EXPECT_EQ(IconCatalog::Name(180), "");
    for (int c = 0; c < IconCatalog::CategoryCount; ++c) {
        const auto category = static_cast<IconCatalog::Category>(c);
        for (int i = 0; i < IconCatalog::Count(category); ++i) {
            EXPECT_FALSE(IconCatalog::Name(IconCatalog::IdAt(category, i)).empty()) << IconCatalog::IdAt(category, i);
        }
    }
}

TEST(IconCatalog, SelectedPictureOfBookChapterAndRecipeIsTheNextId) {
    EXPECT_EQ(IconCatalog::SelectedId(0), 1);
    EXPECT_EQ(IconCatalog::SelectedId(2), 3);
    EXPECT_EQ(IconCatalog::SelectedId(4), 5);
    EXPECT_EQ(IconCatalog::SelectedId(6), 6);
    EXPECT_EQ(IconCatalog::SelectedId(150), 150);
}

TEST(CIconList, EveryIdHasAPaintedPictureAndIdsBeyondTheRangeHaveNone) {
    CIconList list;
    for (int c = 0; c < IconCatalog::CategoryCount; ++c) {
        const auto category = static_cast<IconCatalog::Category>(c);
        for (int i = 0; i < IconCatalog::Count(category); ++i) {
            const QPixmap image = list.Image(IconCatalog::IdAt(category, i));
            ASSERT_EQ(image.size(), QSize(20, 16));
            EXPECT_TRUE(HasInk(image)) << IconCatalog::IdAt(category, i);
        }
    }
    EXPECT_TRUE(list.Image(179).toImage() != list.Image(178).toImage());
    EXPECT_TRUE(list.Image(180).isNull());
    EXPECT_TRUE(list.SelectedImage(0).toImage() == list.Image(1).toImage());
}
