#include "io/RecipeTextWriter.h"
#include "RecipeTextTestSupport.h"
#include "io/RecipeTextDecoder.h"
#include "io/RecipeTextReader.h"
#include "quantities/IngredientLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

std::unique_ptr<CRecipe> MakeRecipe(const std::string& title, const std::vector<IngredientParts>& lines,
                                    const std::string& instructions) {
    auto recipe = std::make_unique<CRecipe>();
    recipe->SetTitle(title);
    for (const auto& line : lines) {
        recipe->AppendIngredient(std::make_unique<CIngredient>(line.amount, line.unit, line.description));
    }
    recipe->SetText(instructions);
    return recipe;
}

std::string LongParagraph(std::size_t length) {
    std::string text;
    while (text.size() < length) {
        text += "stir well ";
    }
    text.resize(length);
    if (text.back() == ' ') {
        text.back() = 'x';
    }
    return text;
}

TEST(RecipeTextWriter, WritesTheOwnRecipeBlock) {
    std::string out;
    RecipeTextWriter::WriteRecipeBlock(
        out, *MakeRecipe("Pancakes", {{"1-1/2", "C", "flour"}, {"", "", "salt"}}, "Whisk.\r\nFry."), kPaddedForm);
    EXPECT_EQ(out, "RECIPE\nPancakes\n\n"
                   "   1-1/2 C        flour\n"
                   "                  salt\n"
                   "\n\tWhisk.\n\tFry.\n\n\n");
}

TEST(RecipeTextWriter, WrapsTextAtEightyColumnsAndReadsItBackAsOneParagraph) {
    const std::string paragraph = LongParagraph(200);
    std::string out;
    RecipeTextWriter::WriteTextBlock(out, paragraph);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 3);
    for (std::size_t start = 0, end = out.find('\n'); end != std::string::npos;
         start = end + 1, end = out.find('\n', start)) {
        EXPECT_LE(end - start, 80u);
    }
    TextLineCursor cursor(out);
    EXPECT_EQ(RecipeTextReader::ReadTextBlock(cursor, RecipeTextReader::TextEnd::TwoBlankLines), paragraph);
}

TEST(RecipeTextWriter, EmptyTextWritesNothingAndLongWordsAreNotCut) {
    std::string out;
    RecipeTextWriter::WriteTextBlock(out, "");
    EXPECT_EQ(out, "");
    const std::string word(120, 'w');
    RecipeTextWriter::WriteTextBlock(out, word + " end");
    EXPECT_EQ(out, "\t" + word + " \nend\n");
}

// Everything the own text carries comes back: titles as written, amounts,
// units and descriptions, paragraphs, empty paragraphs and long lines.
TEST(RecipeTextWriter, BookWrittenAsOwnTextReadsBackTheSame) {
    CRecipeBook book(7);
    book.SetTitle("Everyday Cooking");
    book.SetText("Our kitchen's book.\r\nSecond line.");
    book.AddRecipe(MakeRecipe("grandma's BBQ sauce",
                              {{"1-1/2", "C", "ketchup"},
                               {"2--3", "T", "vinegar"},
                               {"\xC2\xBD", "t", "salt"},
                               {"10-1/2--12", "oz", "tomato paste"},
                               {"1", "(16 oz) can", "tomatoes"},
                               {"2", "large", "eggs"},
                               {"", "", "pepper to taste"},
                               {"3", "",
                                "cr\xC3\xA8me fra\xC3\xAE"
                                "che spoons"}},
                              "Mix.\r\n\r\n" + LongParagraph(300) +
                                  "\r\nSimmer at 180\xC2\xB0"
                                  "C."));
    auto chapter = std::make_unique<CRecipeChapter>();
    chapter->SetTitle("Soups");
    chapter->SetText("Warm bowls.");
    CRecipeChapter& soups = book.AddChapter(std::move(chapter));
    soups.AddRecipe(MakeRecipe("Tomato Soup", {{"1", "can", "tomatoes"}}, "Heat."));
    soups.AddRecipe(MakeRecipe("Plain Water", {}, ""));

    for (const int form : {kPaddedForm, kTabbedForm, kColumnsForm}) {
        const auto read = ReadRecipeText(RecipeTextWriter::BookText(book, form));
        EXPECT_EQ(read.result.unplacedLines, 0u) << form;
        EXPECT_EQ(read.book->Title(), book.Title()) << form;
        EXPECT_EQ(read.book->Text(), book.Text()) << form;
        ASSERT_EQ(read.book->Chapters().size(), 1u) << form;
        EXPECT_EQ(read.book->Chapters()[0]->Title(), "Soups") << form;
        EXPECT_EQ(read.book->Chapters()[0]->Text(), "Warm bowls.") << form;
        const auto original = AllRecipes(book);
        const auto copy = AllRecipes(*read.book);
        ASSERT_EQ(copy.size(), original.size()) << form;
        for (std::size_t i = 0; i < copy.size(); ++i) {
            EXPECT_EQ(copy[i]->Title(), original[i]->Title()) << form;
            EXPECT_EQ(IngredientsOf(*copy[i]), IngredientsOf(*original[i])) << form << ' ' << original[i]->Title();
            EXPECT_EQ(copy[i]->Text(), original[i]->Text()) << form;
        }
    }
}

} // namespace
