#include "nutrition/NutrientEquation.h"
#include "nutrition/Database.h"

#include <gtest/gtest.h>

#include <memory>

using Nutrient::NutrientEquation;

TEST(NutrientEquation, ReducesTheGrammar) {
    const struct {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"2+3*4", true, 14},       {"10/4/2", true, 1.25}, {"8-2-1", true, 5},     {"2-3", true, -1},
        {"(1+2)*(3+4)", true, 21}, {"((2))", true, 2},     {"2*3+12*3", true, 42}, {"5/0", true, 0},
        {"?*9", true, 9},          {"?+9", true, 9},       {"9/?", true, 9},       {"?", true, 0},
        {"(?)*9", true, 9},        {"?*?", true, 1},       {"", true, 0},          {" 1 2 + 0 . 5 ", true, 12.5},
        {".5+1.", true, 1.5},      {"*5", true, 5},        {"5+", true, 5},        {"-5+3", true, -2},
        {"-(2+3)*2", true, -10},   {"2*(1-3)", true, -4},  {"10/(2-4)", true, -5}, {"5-(1-3)", true, 7},
        {"2*-3", true, -6},        {"(1+2", false, 0},     {"1+2)", false, 0},     {")(", false, 0},
        {"2(3)", false, 0},        {"1.2.3", false, 0},    {"9*FAT", false, 0},    {"5%", false, 0},
        {"$FAT", false, 0},        {"@Fat", false, 0},
    };
    for (const auto& c : cases) {
        double value = -99;
        EXPECT_EQ(NutrientEquation::Reduce(c.text, value), c.ok) << c.text;
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
}

TEST(NutrientEquation, RefusesNestingDeeperThanAnyRealEquation) {
    double value = 0;
    EXPECT_FALSE(NutrientEquation::Reduce(std::string(5000, '(') + "1" + std::string(5000, ')'), value));
    EXPECT_FALSE(NutrientEquation::Reduce(std::string(5000, '-') + "1", value));
    EXPECT_TRUE(NutrientEquation::Reduce(std::string(20, '(') + "1" + std::string(20, ')'), value));
}

namespace {

// Fat 10 g and calories 200 per 100 g, a tablespoon of 14 g; water is
// defined but not loaded, fibre loaded but without a value for the item.
class EquationFixture : public ::testing::Test {
protected:
    void SetUp() override {
        auto& dairy = m_database.AddGroup(std::make_unique<Nutrient::FoodGroup>(1000, "Dairy", true));
        dairy.AddSubGroup(std::make_unique<Nutrient::SubGroup>(1004, "Cheese", 1000, true));
        m_database.SetNutrient({1, true, "Calories", "kcal", "$KCAL", '1'});
        m_database.SetNutrient({2, false, "Water", "g", "$WATER", 0});
        m_database.SetNutrient({3, true, "Total Fat", "g", "$FAT", '2'});
        m_database.SetNutrient({10, true, "Dietary Fiber", "g", "$FIBER", '2'});
        m_database.SetNutrient({11, true, "Fat Acids", "g", "$FATA", '2'});
        auto& item = m_database.AddMainItem(1, "Butter", 1004);
        item.SetValue(1, 200);
        item.SetValue(3, 10);
        item.SetValue(11, 1);
        item.AddMeasure({"tbsp", 14});
        item.AddMeasure({"cup", 224});
    }

    int Evaluate(const char* quantity, const char* unit, const char* expression, double& value) {
        const NutrientEquation equations(m_database);
        return equations.EvaluateForIngredient(quantity, unit, 1, expression, value);
    }

    Nutrient::Database m_database;
};

} // namespace

TEST_F(EquationFixture, EvaluatesCodesAndReferencesForAnIngredient) {
    m_database.AddEquation("fat", "$FAT", true);
    m_database.AddEquation("fatcal", "9 * @fat", true);
    m_database.AddEquation("neg", "$FIBER - $FAT", true);
    const struct {
        const char* quantity;
        const char* unit;
        const char* expression;
        int bits;
        double value;
    } cases[] = {
        {"2", "tablespoon", "$FAT", 0, 2.8},
        {"", "tbsp", "$FAT", 0, 1.4},
        {"1--2", "tbsp", "$FAT", 0, 2.8},
        {"0", "tbsp", "$FAT", 0, 1.4},
        {"1", "tbsp", "$FAT + $FATA", 0, 1.54},
        {"1", "handful", "$FAT", 16, 10},
        {"1", "cup", "@fat + @fatcal", 0, 224.0},
        {"1", "tbsp", "@fatcal", 0, 12.6},
        {"1", "tbsp", "2 * @neg", 0, -2.8},
        {"1", "tbsp", "@missing * 3", 4, 3},
        {"1", "tbsp", "$WATER + 1", 1, 1},
        {"1", "tbsp", "$NOSUCH", 1, 0},
        {"1", "tbsp", "$FIBER * 5", 0, 5},
        {"1", "tbsp", "$FAT $FAT", 8, 0},
        {"1", "tbsp", "@fat_", 4, 0},
    };
    for (const auto& c : cases) {
        double value = -99;
        EXPECT_EQ(Evaluate(c.quantity, c.unit, c.expression, value), c.bits) << c.expression;
        EXPECT_NEAR(value, c.value, 1e-9) << c.expression << " " << c.quantity << " " << c.unit;
    }
}

TEST_F(EquationFixture, StopsEquationsThatReferToThemselves) {
    m_database.AddEquation("loop", "1 + @loop", true);
    m_database.AddEquation("ping", "@pong * 2", true);
    m_database.AddEquation("pong", "@ping + 1", true);
    m_database.AddEquation("user", "$FAT + @ping", true);
    for (const char* expression : {"@loop", "@ping", "@user", "3 * @pong"}) {
        double value = -99;
        EXPECT_EQ(Evaluate("1", "tbsp", expression, value), Nutrient::kNotEvaluated) << expression;
        EXPECT_EQ(value, 0) << expression;
    }
}

TEST_F(EquationFixture, EvaluatesWideReferenceTreesOnce) {
    // Each level doubles the expanded text; evaluating by expansion would
    // need 2^40 copies of the last one.
    for (int level = 0; level < 40; ++level) {
        m_database.AddEquation("e" + std::to_string(level),
                               "@e" + std::to_string(level + 1) + " + @e" + std::to_string(level + 1), true);
    }
    m_database.AddEquation("e40", "$FAT", true);
    double value = 0;
    EXPECT_EQ(Evaluate("", "tbsp", "@e30", value), 0);
    EXPECT_NEAR(value, 1.4 * 1024, 1e-6);
}

TEST_F(EquationFixture, ReportsAMissingItemAlone) {
    const NutrientEquation equations(m_database);
    double value = -99;
    EXPECT_EQ(equations.EvaluateForIngredient("1", "handful", 4242, "@missing + $NOSUCH", value),
              Nutrient::kItemNotFound);
    EXPECT_EQ(value, 0);
}
