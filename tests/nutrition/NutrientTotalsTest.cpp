#include "nutrition/NutrientTotals.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CRecipe.h"
#include "model/NutrientCache.h"
#include "nutrition/Database.h"
#include "nutrition/NutrientEquation.h"
#include "nutrition/RecipeNutrients.h"

#include <gtest/gtest.h>

#include <sstream>

using Nutrient::NutrientTotals;

namespace {

const std::filesystem::path kShippedData = std::filesystem::path(SB_TEST_DATA_DIR) / ".." / ".." / "data";
constexpr int kCheddar = 1009;

// The shipped database, read once for the whole file.
Nutrient::Database& Shipped() {
    static Nutrient::Database database(kShippedData);
    database.LoadTables();
    return database;
}

} // namespace

TEST(NutrientTotals, SumsCheddarAsTheUsdaTableGivesIt) {
    Nutrient::Database& database = Shipped();
    const Nutrient::FoodItem* cheddar = database.FindItem(kCheddar);
    ASSERT_NE(cheddar, nullptr);
    const Nutrient::NutrientEquation equations(database);
    const struct {
        const char* quantity;
        const char* unit;
        double factor;
    } cases[] = {{"100", "g", 1.0}, {"1", "cup", 1.32}, {"1/2", "cups", 0.66}, {"2", "oz", 0.567}};
    for (const auto& c : cases) {
        NutrientTotals totals;
        EXPECT_EQ(totals.AddIngredient(equations, c.quantity, c.unit, kCheddar), 0) << c.unit;
        for (const auto& [id, nutrient] : database.NutrientTable()) {
            const auto usda = cheddar->Value(id);
            if (!nutrient.load) {
                EXPECT_FALSE(totals.Value(id).has_value()) << id;
            } else if (usda) {
                ASSERT_TRUE(totals.Value(id).has_value()) << id;
                EXPECT_DOUBLE_EQ(*totals.Value(id), *usda * c.factor) << c.unit << " nutrient " << id;
            }
        }
        const auto caloriesFromFat = database.Equations().front();
        ASSERT_EQ(caloriesFromFat.name, "CaloriesFromFat");
        EXPECT_NEAR(*totals.Value(caloriesFromFat.id), 9 * 33.14 * c.factor, 1e-9) << c.unit;
    }
    NutrientTotals exact;
    exact.AddIngredient(equations, "100", "g", kCheddar);
    EXPECT_EQ(*exact.Value(1), 403);
    EXPECT_EQ(*exact.Value(3), 33.14);
    EXPECT_EQ(*exact.Value(4), 21.092);
}

TEST(NutrientTotals, AddsIngredientsAndRecordsTheirErrors) {
    Nutrient::Database& database = Shipped();
    const Nutrient::NutrientEquation equations(database);
    NutrientTotals totals;
    EXPECT_EQ(totals.AddIngredient(equations, "1", "cup", 0), 0);
    EXPECT_TRUE(totals.Empty());
    totals.AddIngredient(equations, "100", "g", kCheddar);
    totals.AddIngredient(equations, "1", "cup", kCheddar);
    EXPECT_DOUBLE_EQ(*totals.Value(1), 403 * 2.32);
    EXPECT_EQ(totals.AddIngredient(equations, "1", "handful", kCheddar), Nutrient::kUnitNotMatched);
    EXPECT_DOUBLE_EQ(*totals.Value(1), 403 * 3.32);
    EXPECT_EQ(totals.AddIngredient(equations, "1", "g", 999999), Nutrient::kUnitNotMatched | Nutrient::kItemNotFound);
    EXPECT_DOUBLE_EQ(*totals.Value(1), 403 * 3.32);

    NutrientTotals day;
    day.AddScaled(totals, 2);
    day.AddScaled(totals, 0);
    EXPECT_DOUBLE_EQ(*day.Value(1), 403 * 3.32 * 1.5);
    EXPECT_EQ(day.ErrorBits(), totals.ErrorBits());
}

TEST(NutrientTotals, ReKeysStoredEquationsByName) {
    Nutrient::Database before;
    for (const char* name : {"A", "B", "C", "Fiber"}) {
        before.AddEquation(name, "1", true);
    }
    NutrientCache stored;
    stored.SetErrorBits(16);
    stored.Set({3, 12.5, {}});
    stored.Set({103, 4.0, "Fiber"});
    stored.Set({102, 7.0, "Gone"});
    NutrientTotals totals;
    totals.LoadCache(stored, before);
    ArchiveWriter writer;
    totals.Store(writer, before);

    Nutrient::Database after;
    after.AddEquation("Protein", "1", true);
    after.AddEquation("Fiber", "1", true);
    std::istringstream in(writer.Bytes());
    ArchiveReader reader(in);
    NutrientTotals loaded;
    loaded.Load(reader, after);
    EXPECT_EQ(loaded.ErrorBits(), 16);
    EXPECT_EQ(loaded.Value(101), 4.0);
    EXPECT_EQ(loaded.Value(102), 7.0);
    EXPECT_EQ(loaded.Value(3), 12.5);
    EXPECT_FALSE(loaded.Value(103).has_value());
}

TEST(NutrientTotals, RejectsATruncatedStoredTable) {
    Nutrient::Database database;
    ArchiveWriter writer;
    writer.WriteInt(0);
    writer.WriteInt(1000000);
    writer.WriteShort(3);
    std::istringstream in(writer.Bytes());
    ArchiveReader reader(in);
    NutrientTotals totals;
    EXPECT_THROW(totals.Load(reader, database), ArchiveError);
}

TEST(NutrientTotals, WritesTheLabelNutrientsForHandhelds) {
    Nutrient::Database database;
    database.SetNutrient({3, true, "Total Fat", "g", "$FAT", '1'});
    database.SetNutrient({12, true, "Protein", "g", "$PROT", '2'});
    database.SetNutrient({60, true, "Beyond", "g", "$BEY", '1'});
    database.SetNutrient({2, true, "Water", "g", "$WATER", 0});
    database.AddEquation("Fatcal", "9*$FAT", true);
    NutrientCache cache;
    cache.Set({12, 3.25, {}});
    cache.Set({100, 112.5, "Fatcal"});
    cache.Set({3, 12.5, {}});
    cache.Set({60, 1, {}});
    cache.Set({2, 1, {}});
    NutrientTotals totals;
    totals.LoadCache(cache, database);
    EXPECT_EQ(totals.NutrientText(database), "003000012.500\n012000003.250\n100000112.500\n");
}

TEST(RecipeNutrients, FillsTheRecipeTableOnceAndKeepsIt) {
    Nutrient::Database& database = Shipped();
    CRecipe recipe;
    recipe.SetServings(4);
    recipe.AppendIngredient(std::make_unique<CIngredient>("100", "g", "cheddar cheese", kCheddar));
    recipe.AppendIngredient(std::make_unique<CIngredient>("1", "cup", "", kCheddar));
    recipe.AppendIngredient(std::make_unique<CIngredient>("1", "cup", "water"));
    ASSERT_TRUE(Nutrient::RecipeNutrients::Available(recipe, database));
    EXPECT_EQ(Nutrient::RecipeNutrients::Totals(recipe, database).Value(1), 403.0);
    EXPECT_TRUE(Nutrient::RecipeNutrients::Text(recipe, database).starts_with("4\n001000403.000\n003000033.140\n"));

    // A table that is filled is used as it is, even when the food changed.
    recipe.Nutrients().Set({1, 1.0, {}});
    EXPECT_EQ(Nutrient::RecipeNutrients::Totals(recipe, database).Value(1), 1.0);

    CRecipe unlinked;
    unlinked.AppendIngredient(std::make_unique<CIngredient>("1", "cup", "flour"));
    EXPECT_FALSE(Nutrient::RecipeNutrients::Available(unlinked, database));

    CRecipe broken;
    broken.AppendIngredient(std::make_unique<CIngredient>("1", "cup", "lost", 999999));
    EXPECT_TRUE(Nutrient::RecipeNutrients::Available(broken, database));
    EXPECT_EQ(broken.Nutrients().ErrorBits(), Nutrient::kItemNotFound | 0);
    EXPECT_EQ(Nutrient::RecipeNutrients::Totals(broken, database).Value(1), 0.0);
}

TEST(RecipeNutrients, ForgetsTheTableWhenTheIngredientsChange) {
    Nutrient::Database& database = Shipped();
    CRecipe recipe;
    CIngredient& cheese = recipe.AppendIngredient(std::make_unique<CIngredient>("100", "g", "cheddar", kCheddar));
    recipe.AppendIngredient(std::make_unique<CIngredient>("1", "cup", "cheddar", kCheddar));
    const auto refill = [&] {
        ASSERT_TRUE(Nutrient::RecipeNutrients::Available(recipe, database));
        ASSERT_FALSE(recipe.Nutrients().Empty());
    };
    refill();
    recipe.MoveIngredient(0, 1);
    EXPECT_FALSE(recipe.Nutrients().Empty());
    cheese.SetAmount("200");
    EXPECT_TRUE(recipe.Nutrients().Empty());
    refill();
    EXPECT_DOUBLE_EQ(*Nutrient::RecipeNutrients::Totals(recipe, database).Value(1), 403 * 3.32);
    cheese.SetUnit("oz");
    EXPECT_TRUE(recipe.Nutrients().Empty());
    refill();
    cheese.SetLink(0);
    EXPECT_TRUE(recipe.Nutrients().Empty());
    refill();
    recipe.AppendIngredient(std::make_unique<CIngredient>("1", "", "egg"));
    EXPECT_TRUE(recipe.Nutrients().Empty());
    refill();
    recipe.RemoveIngredient(2);
    EXPECT_TRUE(recipe.Nutrients().Empty());
}

TEST(RecipeNutrients, ForgetsTheTableWhenAMergeBringsIngredients) {
    for (const MergeMode mode : {MergeMode::KeepBoth, MergeMode::Replace}) {
        CRecipe recipe;
        recipe.AppendIngredient(std::make_unique<CIngredient>("100", "g", "cheddar", kCheddar));
        ASSERT_TRUE(Nutrient::RecipeNutrients::Available(recipe, Shipped()));
        CRecipe imported;
        imported.AppendIngredient(std::make_unique<CIngredient>("1", "cup", "cheddar", kCheddar));
        recipe.LinkPartner(imported);
        recipe.MergeFromPartner(mode);
        EXPECT_TRUE(recipe.Nutrients().Empty());
    }
}
