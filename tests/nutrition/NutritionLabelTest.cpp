#include "model/NutrientCache.h"
#include "nutrition/Database.h"
#include "nutrition/NutrientTotals.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

const std::filesystem::path kGoldenDir = std::filesystem::path(SB_TEST_DATA_DIR) / "nutrition";

std::string ReadGolden(const std::string& name) {
    std::ifstream in(kGoldenDir / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Calories in block 1; fats with two sub-rows, carbohydrate, then fibre
// and sugars in a nested table of their own, and protein in block 2;
// vitamin C; one equation; a user field that stays off the label.
class NutritionLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_database.SetNutrient({1, true, "Calories", "kcal", "$KCAL", '1'});
        m_database.SetNutrient({3, true, "Total Fat", "g", "$FAT", '2'});
        m_database.SetNutrient({4, true, "Saturated Fat", "g", "$FASAT", '2'});
        m_database.SetNutrient({5, true, "Monounsaturated Fat", "g", "$FAMS", '2'});
        m_database.SetNutrient({9, true, "Total Carbohydrate", "g", "$CHO", '2'});
        m_database.SetNutrient({10, true, "Dietary Fiber", "g", "$FIBER", '2'});
        m_database.SetNutrient({11, true, "Sugars", "g", "$SUGAR", '2'});
        m_database.SetNutrient({12, true, "Protein", "g", "$PROT", '2'});
        m_database.SetNutrient({14, true, "Vitamin C", "mg", "$VITC", '3'});
        m_database.SetNutrient({49, true, "User Field 1", "", "$USERA", 0});
        m_database.AddEquation("CaloriesFromFat", "9*$FAT", true);
        NutrientCache cache;
        for (const auto& [key, value] : {std::pair{1, 806.0},
                                         {3, 66.28},
                                         {4, 42.18},
                                         {5, 18.78},
                                         {9, 2.56},
                                         {10, 2.0},
                                         {11, 1.04},
                                         {12, 49.8},
                                         {14, 6.0},
                                         {49, 5.0}}) {
            cache.Set({static_cast<std::int16_t>(key), value, {}});
        }
        cache.Set({100, 596.52, "CaloriesFromFat"});
        m_totals.LoadCache(cache, m_database);
    }

    void ExpectGolden(const std::string& name, bool perServing, int servings, bool links, double scale) {
        const auto label = m_totals.BuildLabel(m_database, perServing, servings, links, scale);
        ASSERT_NE(label, nullptr);
        const std::string html = label->GetHtml() + "\n";
        if (!std::filesystem::exists(kGoldenDir / name)) {
            std::ofstream(kGoldenDir / name, std::ios::binary) << html;
            FAIL() << "wrote the missing golden file " << name;
        }
        EXPECT_EQ(html, ReadGolden(name)) << name;
    }

    Nutrient::Database m_database;
    Nutrient::NutrientTotals m_totals;
};

} // namespace

TEST_F(NutritionLabelTest, LaysOutTheLabelsOfEachView) {
    ExpectGolden("label_per_serving.html", true, 4, true, 1);
    ExpectGolden("label_per_serving_scale2.html", true, 4, true, 2);
    ExpectGolden("label_per_recipe_scale2.html", false, 4, true, 2);
    ExpectGolden("label_no_servings.html", true, 0, true, 1);
    ExpectGolden("label_export.html", false, 4, false, 1);
}

TEST_F(NutritionLabelTest, ListsEachErrorWithOrWithoutItsLink) {
    NutrientCache errors;
    errors.SetErrorBits(1 | 16);
    Nutrient::NutrientTotals withErrors;
    withErrors.AddScaled(m_totals, 1);
    withErrors.LoadCache(errors, m_database);
    m_totals = withErrors;
    ExpectGolden("label_errors_links.html", false, 0, true, 1);
    ExpectGolden("label_errors_export.html", false, 0, false, 1);
}

TEST_F(NutritionLabelTest, ShowsNothingForAnEmptyTable) {
    EXPECT_EQ(Nutrient::NutrientTotals().BuildLabel(m_database, true, 4, true, 1), nullptr);
}
