#pragma once

#include <string>

namespace Nutrient {

// A user equation. Its id (100 and up, in file order) is handed out afresh
// every time the definitions are read and is not stored.
struct EquationDef {
    std::string name;
    std::string expression;
    bool load = false;
    int id = 0;

    bool operator==(const EquationDef&) const = default;
};

} // namespace Nutrient
