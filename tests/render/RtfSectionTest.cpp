#include "SampleBook.h"

#include "model/CRecipe.h"
#include "model/CRecipeChapter.h"
#include "platform/AtomicFile.h"
#include "render/CRtfWriter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::string BookRtf(const SampleBook& sample, int format) {
    CSettings settings;
    CRtfWriter writer(settings);
    writer.WriteHeader();
    writer.Section(*sample.book, format);
    for (const auto& chapter : sample.book->Chapters()) {
        writer.Section(*chapter, format);
        for (const auto& recipe : chapter->Recipes()) {
            writer.Section(*recipe, format);
        }
    }
    for (const auto& recipe : sample.book->Recipes()) {
        writer.Section(*recipe, format);
    }
    writer.Close();
    return writer.Text();
}

TEST(RtfSectionTest, BookInEveryIngredientFormatMatchesTheGoldenFiles) {
    const SampleBook sample;
    ExpectGolden("book_columns.rtf", BookRtf(sample, 2));
    ExpectGolden("book_tabs.rtf", BookRtf(sample, 1));
    ExpectGolden("book_padded.rtf", BookRtf(sample, 0));
}

TEST(RtfSectionTest, RecipeIngredientsInColumnsAreTableRows) {
    const SampleBook sample;
    CSettings settings;
    CRtfWriter writer(settings);
    writer.WriteHeader();
    writer.Section(*sample.tomatoSoup, 2);
    const std::string& rtf = writer.Text();
    EXPECT_EQ(CountOf(rtf, "\\row"), 3);
    EXPECT_EQ(CountOf(rtf, "\\pard\\f0"), 1);
    EXPECT_NE(rtf.find("\\cellx1080 \\cellx1800 \\cellx8640 \\pard \\intbl \\qr {\\qr 1-1/2}\\cell"),
              std::string::npos);
}

TEST(RtfSectionTest, RecipeWithoutIngredientsHasTwoBreaks) {
    CSettings settings;
    CRecipe recipe;
    CRtfWriter writer(settings);
    writer.WriteHeader();
    const std::size_t start = writer.Text().size();
    writer.Section(recipe, 2);
    EXPECT_NE(writer.Text().find("\\plain\\f6\\cf6\\fs20 \r\n\\par \r\n\\par \\pard\\f0\\cf0\\fs20", start),
              std::string::npos);
}

TEST(RtfSectionTest, TitlesKeepBackslashesBracesAndAccents) {
    const SampleBook sample;
    CSettings settings;
    CRtfWriter writer(settings);
    writer.WriteHeader();
    writer.Section(*sample.cremeBrulee, 1);
    EXPECT_NE(writer.Text().find("Cr\\'e8me Br\\'fbl\\'e9e \\{baked\\} \\\\ chilled"), std::string::npos);
}

TEST(RtfSectionTest, WritesTheDocumentFile) {
    TempDir dir;
    CSettings settings;
    CRtfWriter writer(settings);
    writer.WriteHeader();
    writer.Paragraph("x", CSettings::BookTitle);
    writer.Close();
    writer.WriteFile(dir / "book.doc");
    EXPECT_EQ(AtomicFile::Read(dir / "book.doc"), writer.Text());
}

} // namespace
