#include "ui/dialogs/IngredientCompleter.h"

#include "quantities/UnitTables.h"

#include <gtest/gtest.h>

TEST(IngredientCompleterTest, CompletesTheNameAfterTheAmountAndUnitTyped) {
    struct Case {
        const char* typed;
        int matches;
        const char* completion;
    };
    const Case cases[] = {
        {"fl", 1, "flour"},          {"1 c FL", 1, "1 c flour"},
        {"2 T bu", 2, "2 T butter"}, {"1 1/2 lb buttermi", 1, "1 1/2 lb buttermilk"},
        {"3 kiwis", 0, ""},
    };
    UnitTables units;
    IngredientCompleter completer({"flour", "butter", "buttermilk", "salt"}, units, nullptr);
    for (const Case& c : cases) {
        completer.setCompletionPrefix(c.typed);
        EXPECT_EQ(completer.completionCount(), c.matches) << c.typed;
        if (c.matches > 0) {
            EXPECT_EQ(completer.currentCompletion(), c.completion) << c.typed;
        }
    }
}
