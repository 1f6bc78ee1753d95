#include "ui/controls/CMappedBitmapButton.h"

#include "ui/controls/ButtonArt.h"
#include "ui/controls/ButtonImageTable.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct EntryCase {
    const char* keyword;
    ButtonImageTable::Entry entry;
};

} // namespace

TEST(ButtonImageTable, HoldsTheCommonButtonsAndTheProgramsOwnOnceRegistered) {
    ButtonImageTable table;
    EXPECT_FALSE(table.Find("NEW_MEAL"));
    table.RegisterProgramButtons();
    const EntryCase cases[] = {
        {"MOVEDOWN", {0, 0, 0}},     {"WHATMAKE", {0, 16, 0}},      {"SHOWHIDE", {675, 0, 683}},
        {"NEW_MEAL", {675, 6, 683}}, {"WIZ_RECIPE", {643, 0, 682}}, {"WIZ_PPC", {643, 7, 682}},
        {"FMT_WORD", {645, 0, 0}},   {"FMT_TEXT", {645, 2, 0}},
    };
    for (const EntryCase& c : cases) {
        EXPECT_EQ(table.Find(c.keyword), c.entry) << c.keyword;
    }
    EXPECT_EQ(table.Entries().size(), 17u + 7u + 8u + 3u);
}

TEST(ButtonArt, EveryRegisteredKeywordHasItsOwnPicture) {
    ButtonImageTable table;
    table.RegisterProgramButtons();
    QSet<QByteArray> seen;
    for (const auto& [keyword, entry] : table.Entries()) {
        const QPixmap picture = ButtonArt::Picture(QString::fromStdString(keyword));
        ASSERT_FALSE(picture.isNull()) << keyword;
        const QImage image = picture.toImage();
        const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        EXPECT_FALSE(seen.contains(bytes)) << keyword << " looks like another button";
        seen.insert(bytes);
    }
}

TEST(CMappedBitmapButton, AKeywordCaptionBecomesItsPictureAndOtherCaptionsStayText) {
    ButtonImageTable table;
    CMappedBitmapButton picture("DELETE", table);
    EXPECT_TRUE(picture.HasPicture());
    EXPECT_EQ(picture.text(), "");
    EXPECT_FALSE(picture.icon().isNull());
    EXPECT_EQ(picture.accessibleName(), "DELETE");

    CMappedBitmapButton unregistered("FMT_RTF", table);
    EXPECT_FALSE(unregistered.HasPicture());
    EXPECT_EQ(unregistered.text(), "FMT_RTF");

    CMappedBitmapButton text("Close", table);
    EXPECT_EQ(text.text(), "Close");
    EXPECT_TRUE(text.icon().isNull());
}
