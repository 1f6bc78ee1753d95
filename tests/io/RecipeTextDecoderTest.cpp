#include "io/RecipeTextDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string text;
};

TEST(RecipeTextDecoder, DecodesEveryEncodingAndLineEndToUtf8WithLineFeeds) {
    const std::vector<DecodeCase> cases = {
        {"utf8 lf",
         "Cr\xC3\xA8me 1\xC2\xBD c\n350\xC2\xB0"
         "F\n",
         "Cr\xC3\xA8me 1\xC2\xBD c\n350\xC2\xB0"
         "F\n"},
        {"utf8 bom crlf", "\xEF\xBB\xBFOne\r\nTwo\r\n", "One\nTwo\n"},
        {"old mac cr", "One\rTwo\r", "One\nTwo\n"},
        {"windows-1252 crlf",
         "Cr\xE8me br\xFBl\xE9"
         "e 1\xBD c\r\n350\xB0"
         "F\r\n",
         "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
         "e 1\xC2\xBD c\n350\xC2\xB0"
         "F\n"},
        {"cp437 crlf",
         "Cr\x8Ame br\x96l\x82"
         "e 1\xAB c\r\n350\xF8"
         "F\r\n",
         "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
         "e 1\xC2\xBD c\n350\xC2\xB0"
         "F\n"},
        {"smart quotes stay windows-1252", "\x93Hot\x94 \x96 1\xBC c\n",
         "\xE2\x80\x9CHot\xE2\x80\x9D \xE2\x80\x93 1\xC2\xBC c\n"},
        {"utf8 and windows-1252 lines mixed", "Caf\xC3\xA9\nCaf\xE9\n", "Caf\xC3\xA9\nCaf\xC3\xA9\n"},
        {"no final line end", "A\r\nB", "A\nB"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RecipeTextDecoder::Decode(c.bytes), c.text) << c.name;
    }
}

TEST(RecipeTextDecoder, GuessesTheCodePageThatReadsAccentsAndCookingSigns) {
    EXPECT_EQ(RecipeTextDecoder::GuessCodePage("p\xE2t\xE9 \xBD"), RecipeTextDecoder::CodePage::Windows1252);
    EXPECT_EQ(RecipeTextDecoder::GuessCodePage("p\x83t\x82 \xAB \xF8"), RecipeTextDecoder::CodePage::Cp437);
    EXPECT_EQ(RecipeTextDecoder::GuessCodePage("plain"), RecipeTextDecoder::CodePage::Windows1252);
}

} // namespace
