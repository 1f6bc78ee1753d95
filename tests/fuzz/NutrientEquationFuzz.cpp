// The equation reader against arbitrary text: as an expression on its own,
// and as user equations that refer to each other and to nutrient codes.
#include "nutrition/Database.h"
#include "nutrition/NutrientEquation.h"
#include "nutrition/NutrientTotals.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    double value = 0;
    Nutrient::NutrientEquation::Reduce(text, value);

    Nutrient::Database database;
    auto& dairy = database.AddGroup(std::make_unique<Nutrient::FoodGroup>(1000, "Dairy", true));
    dairy.AddSubGroup(std::make_unique<Nutrient::SubGroup>(1004, "Cheese", 1000, true));
    database.SetNutrient({3, true, "Total Fat", "g", "$FAT", '2'});
    database.SetNutrient({2, false, "Water", "g", "$WATER", 0});
    auto& item = database.AddMainItem(1, "Butter", 1004);
    item.SetValue(3, 81);
    item.AddMeasure({"tbsp", 14});
    // Each line of the input is one equation, so they can name each other.
    std::size_t start = 0;
    int index = 0;
    while (start <= text.size() && index < 16) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        database.AddEquation("e" + std::to_string(index++), text.substr(start, end - start), true);
        start = end + 1;
    }
    const Nutrient::NutrientEquation equations(database);
    equations.EvaluateForIngredient("1-1/2", "tbsp", 1, text, value);
    Nutrient::NutrientTotals totals;
    totals.AddIngredient(equations, "2", "cup", 1);
    totals.BuildLabel(database, true, 4, true, 1);
    return 0;
}
