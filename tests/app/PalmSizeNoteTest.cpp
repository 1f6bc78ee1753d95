#include "app/PalmSizeNote.h"

#include "quantities/IngredientParts.h"

#include <gtest/gtest.h>

TEST(PalmSizeNoteTest, CountsTitleTextWithoutCarriageReturnsAndIngredients) {
    const std::string text = "Mix.\r\nBake.";
    const std::vector<IngredientParts> lines{{"1", "C", "flour"}, {"2", "", "eggs"}};
    EXPECT_EQ(PalmSizeNote::Size("Cake", nullptr, nullptr), 5U);
    EXPECT_EQ(PalmSizeNote::Size("Cake", &text, nullptr), 5U + 10U + 1U);
    EXPECT_EQ(PalmSizeNote::Size("Cake", &text, &lines), 5U + 10U + 1U + 1U + 11U + 9U);
}

TEST(PalmSizeNoteTest, ALongRecipeGetsTheNoteWithIngredientsCappedAt800) {
    const std::string title(9000, 't');
    const std::string text(1500, 'x');
    const std::vector<IngredientParts> lines(100, IngredientParts{"1", "C", "something long enough"});
    const std::size_t size = PalmSizeNote::Size(title, &text, &lines);
    EXPECT_EQ(size, 9001U + 1501U + 800U);
    EXPECT_EQ(PalmSizeNote::Note(10502),
              "This item will use 10502 bytes on a Palm OS device. 10000 bytes is the maximum.");
    EXPECT_EQ(PalmSizeNote::Note(10000), "");
}
