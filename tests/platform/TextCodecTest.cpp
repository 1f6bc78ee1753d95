#include "platform/TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, Windows1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const std::string utf8 = TextCodec::Windows1252ToUtf8(all);
    EXPECT_TRUE(TextCodec::IsValidUtf8(utf8));
    EXPECT_EQ(TextCodec::Utf8ToWindows1252(utf8), all);
}

TEST(TextCodec, MapsTheCharactersRecipesUse) {
    struct Case {
        std::string cp1252;
        std::string utf8;
    } cases[] = {
        {"\xBC\xBD\xBE", "¼½¾"},
        {"\xB0"
         "F",
         "°F"},
        {"caf\xE9", "café"},
        {"\x80\x96\x94", "€–”"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextCodec::Windows1252ToUtf8(c.cp1252), c.utf8);
        EXPECT_EQ(TextCodec::Utf8ToWindows1252(c.utf8), c.cp1252);
    }
}

TEST(TextCodec, RefusesCharactersWithoutAWindows1252Byte) {
    EXPECT_FALSE(TextCodec::Utf8ToWindows1252("東京").has_value());
    EXPECT_FALSE(TextCodec::Utf8ToWindows1252("⅓ cup").has_value());
    EXPECT_FALSE(TextCodec::Utf8ToWindows1252("\xC3").has_value());
}

TEST(TextCodec, DecodesCodePage437) {
    EXPECT_EQ(TextCodec::Cp437ToUtf8("\x82\xAB\xF8"), "é½°");
}

TEST(TextCodec, ValidatesUtf8) {
    EXPECT_TRUE(TextCodec::IsValidUtf8("plain ½ 東京 🍋"));
    EXPECT_TRUE(TextCodec::IsValidUtf8("\xEF\xBF\xBD"));
    EXPECT_FALSE(TextCodec::IsValidUtf8("caf\xE9"));
    EXPECT_FALSE(TextCodec::IsValidUtf8("\xC0\x80"));
    EXPECT_FALSE(TextCodec::IsValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(TextCodec::IsValidUtf8("\xF0\x9F"));
}

TEST(TextCodec, Utf16RoundTripsAndReplacesLoneSurrogates) {
    const std::string text = "Zitrone 🍋 ½";
    EXPECT_EQ(TextCodec::Utf16ToUtf8(TextCodec::Utf8ToUtf16(text)), text);
    const std::u16string lone = {u'a', char16_t(0xD800), u'b'};
    EXPECT_EQ(TextCodec::Utf16ToUtf8(lone), "a\xEF\xBF\xBD"
                                            "b");
}
