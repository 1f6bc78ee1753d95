#pragma once

#include "nutrition/Database.h"

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string_view>

// The nutrient database for a command: the given folder, or the shipped
// tables beside the program. Opened for reading only: the command line never
// writes the database back. Null (after telling why) when there is none.
std::unique_ptr<Nutrient::Database> OpenCliNutrientDatabase(std::filesystem::path folder, std::string_view command,
                                                            std::ostream& err);
