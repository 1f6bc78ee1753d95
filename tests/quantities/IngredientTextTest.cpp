#include "quantities/IngredientText.h"

#include "quantities/UnitTables.h"
#include "support/MemoryProfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class IngredientTextTest : public ::testing::Test {
protected:
    std::vector<IngredientParts> Parse(std::string_view text) {
        std::vector<IngredientParts> lines;
        ParseIngredientText(text, m_units, lines);
        return lines;
    }

    // A Meal-Master ingredient: amount right-aligned in 7 columns, a
    // two-letter unit code, the description from column 11.
    static std::string MealMaster(std::string_view amount, std::string_view unit, std::string_view description) {
        std::string line(7 - amount.size(), ' ');
        line += amount;
        line += ' ';
        line += unit;
        line += std::string(3 - unit.size(), ' ');
        line += description;
        return line;
    }

    // Two Meal-Master ingredients side by side, the second from character 41.
    static std::string TwoColumns(const std::string& left, const std::string& right) {
        const auto characters = std::count_if(left.begin(), left.end(),
                                              [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
        return left + std::string(41 - static_cast<std::size_t>(characters), ' ') + right;
    }

    MemoryProfile m_profile;
    UnitTables m_units{m_profile};
};

} // namespace

TEST_F(IngredientTextTest, SplitsOneLineIntoAmountUnitAndDescription) {
    const struct {
        std::string line;
        IngredientParts parts;
    } cases[] = {
        {"1 1/2 c. flour", {"1-1/2", "C", "flour"}},
        {"1 (16 oz) can tomatoes", {"1", "(16 oz) can", "tomatoes"}},
        {"2 lg eggs", {"2", "large", "eggs"}},
        {"3 sprigs parsley", {"3", "", "sprigs parsley"}},
        {"1-1/2--2 c milk", {"1-1/2--2", "C", "milk"}},
        {"2 - 3 tb oil", {"2--3", "T", "oil"}},
        {"½ ts salt", {"½", "t", "salt"}},
        {"1½ lb ground beef", {"1½", "lb", "ground beef"}},
        {"1\xBD lb ground beef", {"1½", "lb", "ground beef"}},
        {"2 tsp. vanilla", {"2", "t", "vanilla"}},
        {"1 can (16 oz) beans, drained", {"1", "can (16 oz)", "beans, drained"}},
        {"1 (8 oz) pkg cream cheese", {"1", "(8 oz)", "pkg cream cheese"}},
        {"2 cloves garlic, minced", {"2", "cloves", "garlic, minced"}},
        {"3 drops red food coloring", {"3", "drops", "red food coloring"}},
        {"1 md onion", {"1", "medium", "onion"}},
        {"1 x Eggs", {"1", "", "Eggs"}},
        {"1 pk yeast", {"1", "package", "yeast"}},
        {"1 ds cayenne", {"1", "dash", "cayenne"}},
        {"2 T butter\r", {"2", "T", "butter"}},
        {"Salt and pepper to taste", {"", "", "Salt and pepper to taste"}},
        {"4", {"4", "", ""}},
        // A decimal point is part of the amount.
        {"2.5 g butter", {"2.5", "g", "butter"}},
        {"0.75 l water", {"0.75", "l", "water"}},
        // A tab between whole number and fraction joins them like a space.
        {"1\t1/2\tcups\tsugar", {"1-1/2", "C", "sugar"}},
        // A size note without its closing parenthesis stays in the description.
        {"1 (16 oz", {"1", "", "(16 oz"}},
        // A size note may touch the unit word.
        {"1 (16 oz)can tomatoes", {"1", "(16 oz) can", "tomatoes"}},
        // Only the count words themselves are units, not longer words.
        {"6 bagels", {"6", "", "bagels"}},
        {"2 candied cherries", {"2", "", "candied cherries"}},
        {"4 jars", {"4", "jars", ""}},
        // MasterCook columns.
        {"  1 1/2  cups          all-purpose flour", {"1-1/2", "C", "all-purpose flour"}},
        {"     1            egg -- beaten", {"1", "", "egg -- beaten"}},
        {"     8  ounces        cream cheese -- softened", {"8", "oz", "cream cheese -- softened"}},
        // Section lines keep only their name.
        {"MMMMM-----------------------SAUCE---------------------------", {"", "", "SAUCE"}},
        {"-----------------------FILLING-----------------------", {"", "", "FILLING"}},
    };
    for (const auto& c : cases) {
        const auto lines = Parse(c.line);
        ASSERT_EQ(lines.size(), 1u) << c.line;
        EXPECT_EQ(lines[0].amount, c.parts.amount) << c.line;
        EXPECT_EQ(lines[0].unit, c.parts.unit) << c.line;
        EXPECT_EQ(lines[0].description, c.parts.description) << c.line;
    }
}

TEST_F(IngredientTextTest, SkipsBlankLinesAndRowsOfHyphens) {
    EXPECT_TRUE(Parse("").empty());
    EXPECT_TRUE(Parse("\n  \n\t\r\n").empty());
    EXPECT_TRUE(Parse("--------  ------------  --------------------------------").empty());
}

TEST_F(IngredientTextTest, AppendsHyphenLinesToTheIngredientBefore) {
    const auto lines = Parse(MealMaster("1", "md", "Onion") + "\n" + MealMaster("", "", "-finely chopped") + "\n" +
                             MealMaster("2", "c", "Water") + "\n- finely chopped");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].description, "Onion finely chopped");
    EXPECT_EQ(lines[1].description, "Water  finely chopped");
}

TEST_F(IngredientTextTest, AppendsAContinuationToAnIngredientAlreadyInTheList) {
    std::vector<IngredientParts> lines = {{"1", "C", "flour"}};
    ParseIngredientText("-sifted\n1 ts salt", m_units, lines);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].description, "flour sifted");
}

TEST_F(IngredientTextTest, ReadsAHyphenLineWithoutIngredientBeforeAsAnIngredient) {
    const auto lines = Parse("-sifted flour");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].description, "sifted flour");
}

TEST_F(IngredientTextTest, ReadsBothColumnsOfAMealMasterLine) {
    const auto lines = Parse(TwoColumns(MealMaster("1 1/2", "c", "Flour"), MealMaster("1", "ts", "Salt")) + "\n" +
                             TwoColumns(MealMaster("½", "lb", "Butter, softened"), MealMaster("2", "lg", "Eggs")));
    const std::vector<IngredientParts> expected = {
        {"1-1/2", "C", "Flour"}, {"1", "t", "Salt"}, {"½", "lb", "Butter, softened"}, {"2", "large", "Eggs"}};
    EXPECT_EQ(lines, expected);
}

TEST_F(IngredientTextTest, KeepsTheRightColumnWhenTheLeftOneContinues) {
    const auto lines = Parse(TwoColumns(MealMaster("1", "md", "Onion"), MealMaster("1", "ts", "Salt")) + "\n" +
                             TwoColumns(MealMaster("", "", "-chopped"), MealMaster("2", "tb", "Butter")) + "\n" +
                             MealMaster("", "", "-very fine"));
    const std::vector<IngredientParts> expected = {
        {"1", "medium", "Onion chopped very fine"}, {"1", "t", "Salt"}, {"2", "T", "Butter"}};
    EXPECT_EQ(lines, expected);
}

TEST_F(IngredientTextTest, DoesNotLetALeftAmountRunIntoTheRightColumn) {
    const auto lines = Parse(TwoColumns(MealMaster("2", "", ""), MealMaster("1", "c", "Milk")));
    const std::vector<IngredientParts> expected = {{"2", "", ""}, {"1", "C", "Milk"}};
    EXPECT_EQ(lines, expected);
}

TEST_F(IngredientTextTest, ReadsAMealMasterBlockWithSections) {
    const std::string block = TwoColumns(MealMaster("1", "lb", "Ground beef"), MealMaster("1", "c", "Rice")) + "\n" +
                              "\n" + "MMMMM--------------------------SAUCE-------------------------------\n" +
                              MealMaster("1", "cn", "Tomato sauce (8 oz)") + "\n" + MealMaster("1", "x", "Salt") + "\n";
    const std::vector<IngredientParts> expected = {{"1", "lb", "Ground beef"},
                                                   {"1", "C", "Rice"},
                                                   {"", "", "SAUCE"},
                                                   {"1", "", "cn Tomato sauce (8 oz)"},
                                                   {"1", "", "Salt"}};
    EXPECT_EQ(Parse(block), expected);
}

TEST_F(IngredientTextTest, CountsColumnsInCharactersNotBytes) {
    // "è" and "î" take two bytes each; the gap is still at characters 39 to 41.
    const auto lines =
        Parse(TwoColumns(MealMaster("1", "c", "Crème fraîche or sour creams"), MealMaster("2", "T", "Sugar")));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].description, "Crème fraîche or sour creams");
    EXPECT_EQ(lines[1].description, "Sugar");
}
