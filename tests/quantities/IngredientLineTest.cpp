#include "quantities/IngredientLine.h"

#include <gtest/gtest.h>

#include <string>

TEST(IngredientLine, WritesEachForm) {
    const IngredientParts flour{"1-1/2", "C", "flour -- sifted"};
    const struct {
        int width;
        int form;
        std::string line;
    } cases[] = {
        {0, kPaddedForm, "  1-1/2 C flour -- sifted\n"},
        {8, kIndentedForm, "  1-1/2 C flour -- sifted\n"},
        {0, kTabbedForm, "\t1-1/2\tC\tflour -- sifted\n"},
        {0, kColumnsForm, "\t1-1/2\tC\tflour -- sifted\n"},
        {0, kCommaForm, "1-1/2,C,\"flour -- sifted\"\n"},
        {8, kPaddedForm, "   1-1/2 C        flour -- sifted\n"},
        {0, 9, "  1-1/2 C flour -- sifted\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IngredientLine(flour, c.width, c.form, 0), c.line) << c.form << " " << c.width;
    }
}

TEST(IngredientLine, PadsByCharactersAndCutsWhatIsTooWide) {
    EXPECT_EQ(IngredientLine({"1½", "T", "oil"}, 4, kPaddedForm, 0), "  1½ T    oil\n");
    EXPECT_EQ(IngredientLine({"1-1/2--2", "C", "milk"}, 4, kPaddedForm, 0), "1-1* C    milk\n");
    EXPECT_EQ(IngredientLine({"1", "(16 oz) can", "beans"}, 4, kPaddedForm, 0), "   1 (16 oz) can beans\n");
    EXPECT_EQ(IngredientLine({"1", "(16 oz) can", "beans"}, 4, kPaddedForm, kCutLongUnit), "   1 (16* beans\n");
    EXPECT_EQ(IngredientLine({"1", "µg·µg", "x"}, 3, kPaddedForm, kCutLongUnit), "  1 µg* x\n");
}

TEST(IngredientLine, ScalesToThePortionOnlyWhenAsked) {
    const IngredientParts milk{"2--3", "C", "milk"};
    EXPECT_EQ(IngredientLine(milk, 0, kTabbedForm, kScaleToPortion, 0.5), "\t1--1½\tC\tmilk\n");
    EXPECT_EQ(IngredientLine(milk, 0, kTabbedForm, 0, 0.5), "\t2--3\tC\tmilk\n");
}

TEST(IngredientLine, DoublesQuotesInCommaSeparatedDescriptions) {
    EXPECT_EQ(IngredientLine({"1", "", "9\" pie shell"}, 0, kCommaForm, 0), "1,,\"9\"\" pie shell\"\n");
}
