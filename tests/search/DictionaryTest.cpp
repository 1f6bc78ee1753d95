#include "search/Dictionary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Tovik::Dictionary;

std::vector<std::string> Tokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::size_t position = 0;
    std::string token;
    while (Dictionary::NextToken(text, position, token)) {
        tokens.push_back(token);
    }
    return tokens;
}

struct Indexed : ::testing::Test {
    int eggs = 1, eggplant = 2, nutmeg = 3, soup = 4;
    Dictionary index;

    void SetUp() override {
        index.AddText("Eggs, whole, raw", &eggs);
        index.AddText("Eggplant, raw", &eggplant);
        index.AddText("Nutmeg ground", &nutmeg);
        index.AddText("Tomato soup (canned)", &soup);
    }

    Dictionary::ObjectList Find(std::string_view text, bool all, bool partial = true) {
        Dictionary::ObjectList results;
        index.Search(text, all, results, partial);
        return results;
    }
};

} // namespace

TEST(Dictionary, CutsTokensAtSpacesAndQuotedPhrases) {
    EXPECT_EQ(Tokens("  olive\toil  \"olive oil\" garlic"),
              (std::vector<std::string>{"olive\toil", "olive oil", "garlic"}));
    EXPECT_EQ(Tokens("\"\" open \"quote"), (std::vector<std::string>{"", "open", "quote"}));
}

TEST(Dictionary, AcceptsWordsLongerThanTwoOutsideTheStopText) {
    const struct {
        std::string word;
        bool accepted;
        std::string stripped;
    } cases[] = {
        {"(CANNED)", true, "CANNED"},
        {"OZ", false, "OZ"},
        {"THE", false, "THE"},
        {"TEM", false, "TEM"},
        {"ONLY FROM", false, "ONLY FROM"},
        {"1/2%", false, "12"},
        {"SALT-FREE", true, "SALT-FREE"},
        {"O'BRIEN.", true, "O'BRIEN."},
    };
    for (auto c : cases) {
        EXPECT_EQ(Dictionary::AcceptWord(c.word), c.accepted) << c.stripped;
        EXPECT_EQ(c.word, c.stripped);
    }
}

TEST_F(Indexed, PartialLookupFindsWordsStartingWithTheSameLetter) {
    EXPECT_EQ(Find("egg", false), (Dictionary::ObjectList{&eggplant, &eggs}));
    EXPECT_EQ(Find("egg", false, false), Dictionary::ObjectList{});
    EXPECT_EQ(Find("eggs", false, false), Dictionary::ObjectList{&eggs});
    EXPECT_EQ(Find("canned", false), Dictionary::ObjectList{&soup});
}

TEST_F(Indexed, AllWordsNeedsEveryWordAndAnyWordKeepsRepeats) {
    EXPECT_EQ(Find("egg raw", true), (Dictionary::ObjectList{&eggplant, &eggs}));
    EXPECT_EQ(Find("egg whole", true), Dictionary::ObjectList{&eggs});
    EXPECT_EQ(Find("egg caviar", true), Dictionary::ObjectList{});
    EXPECT_EQ(Find("egg raw", false), (Dictionary::ObjectList{&eggplant, &eggs, &eggs, &eggplant}));
}

TEST_F(Indexed, StopWordsAloneFindNothing) {
    EXPECT_TRUE(Find("the and", false).empty());
    EXPECT_TRUE(Find("the and", true).empty());
}

TEST(Dictionary, QuotedPhraseMatchesOnlyIndexedPhrases) {
    int dressing = 1, oil = 2;
    Dictionary index;
    index.AddText("\"olive oil\" garlic", &dressing);
    index.AddText("olive oil", &oil);
    Dictionary::ObjectList results;
    index.Search("\"olive oil\"", false, results, false);
    EXPECT_EQ(results, Dictionary::ObjectList{&dressing});
}

TEST(Dictionary, SameTextTwiceListsTheObjectTwice) {
    int item = 1;
    Dictionary index;
    index.AddText("butter", &item);
    index.AddText("butter", &item);
    Dictionary::ObjectList results;
    index.Search("butter", false, results, false);
    EXPECT_EQ(results.size(), 2u);
}

TEST(Dictionary, ReportsEveryWordExaminedInPartialMode) {
    struct Counting : Dictionary {
        int calls = 0;
        void OnProgress(std::size_t, std::size_t) override { ++calls; }
    } index;
    int item = 1;
    index.AddText("bread butter beans cheese", &item);
    Dictionary::ObjectList results;
    index.Search("butter", false, results, true);
    EXPECT_EQ(index.calls, 3);
    index.Search("butter", false, results, false);
    EXPECT_EQ(index.calls, 3);
}
