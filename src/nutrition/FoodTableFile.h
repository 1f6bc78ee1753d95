#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Nutrient {

class Database;
class ProgressSink;

enum class TableKind { Main, User };

// "SBNutrient.csv" and "UserNutrient.csv": one food item a line, comma
// separated. The header names the columns: a number is a nutrient id,
// "Gm_Wt" the weight of the measure named in the column before it.
class FoodTableFile {
public:
    static constexpr std::string_view kReadCaption = "Loading Nutrient Data...";
    // Measure columns the user table's header always lists, so that files
    // stay readable by older copies of the program.
    static constexpr int kMinMeasureColumns = 13;

    // Adds the table's items to the database. The main table keeps only the
    // values of loaded nutrients; the user table keeps all and its rows take
    // over items the main table already gave.
    static void Read(std::string_view bytes, Database& database, TableKind kind, ProgressSink* progress = nullptr);

    // The user table's bytes: every item of the database that is not shipped.
    static std::string WriteUserTable(const Database& database);

    // The fields of one line. A field that starts with a double quote runs to
    // the next lone double quote; doubled quotes inside are kept doubled.
    static std::vector<std::string_view> SplitLine(std::string_view line);

    // Text as a field: quoted (quotes doubled) when it holds a comma or a
    // double quote, so that it reads back as written.
    static std::string QuoteField(std::string_view text);
    static std::string Undouble(std::string_view field);
};

} // namespace Nutrient
