#include "io/TextLineCursor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(std::string_view text) {
    TextLineCursor cursor(text);
    std::vector<std::string> lines;
    while (!cursor.AtEnd()) {
        EXPECT_EQ(cursor.Peek(), cursor.Text().substr(cursor.Offset(), cursor.Peek().size()));
        lines.emplace_back(cursor.Next());
        EXPECT_LE(cursor.Offset(), text.size());
    }
    EXPECT_EQ(cursor.Next(), "");
    return lines;
}

TEST(TextLineCursor, GivesEveryLineOnceWithOrWithoutAFinalLineFeed) {
    EXPECT_EQ(Lines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(Lines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(Lines("\n"), (std::vector<std::string>{""}));
    EXPECT_EQ(Lines(""), (std::vector<std::string>{}));
}

} // namespace
