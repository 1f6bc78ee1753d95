// The readers of "SBNutrient.csv" and "UserNutrient.csv" against arbitrary
// bytes, followed by the portion matching, search and writing that use what
// was read.
#include "nutrition/Database.h"
#include "nutrition/FoodTableFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace {

void Define(Nutrient::Database& database) {
    auto& dairy = database.AddGroup(std::make_unique<Nutrient::FoodGroup>(1000, "Dairy", true));
    dairy.AddSubGroup(std::make_unique<Nutrient::SubGroup>(1004, "Cheese", 1000, true));
    database.SetNutrient({1, true, "Calories", "kcal", "$KCAL", '1'});
    database.SetNutrient({2, false, "Water", "g", "$WATER", 0});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Nutrient::Database database;
    Define(database);
    Nutrient::FoodTableFile::Read(bytes, database, Nutrient::TableKind::Main);
    Nutrient::FoodTableFile::Read(bytes, database, Nutrient::TableKind::User);
    double grams = 0;
    for (const auto& [id, item] : database.Items()) {
        database.MatchPortion(*item, "cup", grams);
        database.MatchPortion(*item, "", grams);
    }
    std::vector<Nutrient::FoodItem*> results;
    database.Search("cheese", false, results, {}, {});
    Nutrient::Database back;
    Define(back);
    Nutrient::FoodTableFile::Read(Nutrient::FoodTableFile::WriteUserTable(database), back, Nutrient::TableKind::User);
    return 0;
}
