// The stored nutrient totals of a recipe against arbitrary bytes, followed by
// what uses a loaded table: the handheld text and the label.
#include "model/ArchiveError.h"
#include "model/ArchiveReader.h"
#include "nutrition/Database.h"
#include "nutrition/NutrientTotals.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Nutrient::Database database;
    database.SetNutrient({1, true, "Calories", "kcal", "$KCAL", '1'});
    database.SetNutrient({4, true, "Saturated Fat", "g", "$FASAT", '2'});
    database.AddEquation("Fiber", "1", true);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    ArchiveReader reader(in);
    Nutrient::NutrientTotals totals;
    try {
        totals.Load(reader, database);
    } catch (const ArchiveError&) {
        // A damaged table keeps what was read before the damage.
    }
    totals.NutrientText(database);
    if (const auto label = totals.BuildLabel(database, true, 3, true, 2)) {
        label->GetHtml();
    }
    return 0;
}
