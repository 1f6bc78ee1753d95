// The reader of "SBNutrient.xml" against arbitrary bytes; what it reads must
// also write and read back.
#include "nutrition/Database.h"
#include "nutrition/DefinitionsFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Nutrient::Database database;
    if (!Nutrient::DefinitionsFile::Read(bytes, database)) {
        return 0;
    }
    Nutrient::Database back;
    Nutrient::DefinitionsFile::Read(Nutrient::DefinitionsFile::Write(database), back);
    return 0;
}
