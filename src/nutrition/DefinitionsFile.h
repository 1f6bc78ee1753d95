#pragma once

#include <string>
#include <string_view>

namespace Nutrient {

class Database;

// "SBNutrient.xml": the food groups, sub-groups, nutrient definitions and
// equations. Not general XML: one element per line, exactly as Write lays it
// out, with no entities or escapes.
class DefinitionsFile {
public:
    static constexpr std::string_view kRootName = "Savorbridge_Nutrient_Tables";

    // Adds what the bytes define to the database. False (and nothing added)
    // when the root element is not the database's.
    static bool Read(std::string_view bytes, Database& database);

    // The file's bytes for the database's definitions.
    static std::string Write(const Database& database);
};

} // namespace Nutrient
