#include "model/ArchiveWriter.h"
#include "model/ArchiveReader.h"
#include "model/CIngredient.h"
#include "model/CRecipeBook.h"
#include "support/ByteString.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

struct LengthCase {
    std::size_t length;
    std::string prefix;
};

} // namespace

TEST(ArchiveWriter, WritesEachStringLengthForm) {
    const LengthCase cases[] = {
        {0, Bytes({0x00})},
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const LengthCase& c : cases) {
        ArchiveWriter writer;
        const std::string text(c.length, 'a');
        writer.WriteString(text);
        EXPECT_EQ(writer.Bytes(), c.prefix + text) << c.length;

        std::istringstream in(writer.Bytes());
        ArchiveReader reader(in);
        EXPECT_EQ(reader.ReadString(), text) << c.length;
    }
}

TEST(ArchiveWriter, WritesWindows1252WhereEveryCharacterFitsAndTheWideFormOtherwise) {
    ArchiveWriter writer;
    writer.WriteString("1\u00BD cups \u2013 caf\u00E9");
    EXPECT_EQ(writer.Bytes(), Bytes({14, '1', 0xBD, ' ', 'c', 'u', 'p', 's', ' ', 0x96, ' ', 'c', 'a', 'f', 0xE9}));

    ArchiveWriter wide;
    wide.WriteString("\u5BFF\u53F8 \U0001F363");
    EXPECT_EQ(wide.Bytes(), Bytes({0xFF, 0xFE, 0xFF, 5, 0xFF, 0x5B, 0xF8, 0x53, ' ', 0, 0x3C, 0xD8, 0x63, 0xDF}));
    std::istringstream in(wide.Bytes());
    ArchiveReader reader(in);
    EXPECT_EQ(reader.ReadString(), "\u5BFF\u53F8 \U0001F363");
}

TEST(ArchiveWriter, WritesCountsInTheWordAndTheEscapedForm) {
    ArchiveWriter writer;
    writer.WriteCount(0xFFFE);
    writer.WriteCount(0xFFFF);
    EXPECT_EQ(writer.Bytes(), Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
    std::istringstream in(writer.Bytes());
    ArchiveReader reader(in);
    EXPECT_EQ(reader.ReadCount(), 0xFFFEu);
    EXPECT_EQ(reader.ReadCount(), 0xFFFFu);
}

TEST(ArchiveWriter, TagsTheFirstObjectWithItsClassAndLaterOnesByIndex) {
    CRecipeBook first(7);
    CRecipeBook second(8);
    ArchiveWriter writer;
    writer.WriteObject(&first);
    const std::size_t firstEnd = writer.Bytes().size();
    writer.WriteObject(&second);
    writer.WriteObject(&first);
    writer.WriteObject(nullptr);

    const std::string& bytes = writer.Bytes();
    EXPECT_EQ(bytes.substr(0, 17), Bytes({0xFF, 0xFF, 0x90, 0x01, 11, 0}) + "CRecipeBook");
    EXPECT_EQ(bytes.substr(firstEnd, 2), Bytes({0x01, 0x80}));
    EXPECT_EQ(bytes.substr(bytes.size() - 4), Bytes({0x02, 0x00, 0x00, 0x00}));
}

TEST(ArchiveWriter, UsesTheLongTagFormBeyondIndex7FFE) {
    std::vector<CIngredient> lines(0x4000);
    ArchiveWriter writer;
    for (const CIngredient& line : lines) {
        writer.WriteObject(&line);
    }
    // Indices so far: the class 1, the lines 2 to 0x4001. Now references.
    std::vector<CIngredient> more(0x4000);
    for (const CIngredient& line : more) {
        writer.WriteObject(&line);
    }
    const std::size_t before = writer.Bytes().size();
    writer.WriteObject(&more.back());
    EXPECT_EQ(writer.Bytes().substr(before), Bytes({0xFF, 0x7F, 0x01, 0x80, 0x00, 0x00}));
    const std::size_t newOne = writer.Bytes().size();
    CIngredient last;
    writer.WriteObject(&last);
    // The class keeps its small index, so its tag stays one word.
    EXPECT_EQ(writer.Bytes().substr(newOne, 2), Bytes({0x01, 0x80}));

    std::istringstream in(writer.Bytes());
    ArchiveReader reader(in);
    reader.Register(CIngredient::s_class);
    std::vector<std::unique_ptr<CIngredient>> read;
    for (std::size_t i = 0; i < 0x8000; ++i) {
        read.push_back(reader.ReadNew<CIngredient>(CIngredient::s_class));
    }
    EXPECT_EQ(reader.ReadObject().object, read.back().get());
    EXPECT_NE(reader.ReadNew<CIngredient>(CIngredient::s_class), nullptr);
}
