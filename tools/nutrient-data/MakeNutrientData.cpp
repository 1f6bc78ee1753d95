// Builds the shipped nutrient tables from the USDA SR21 ASCII files.
#include "nutrition/Database.h"
#include "nutrition/DefinitionsFile.h"
#include "nutrition/FileText.h"
#include "nutrition/FoodTableFile.h"
#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <iostream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

using Fields = std::vector<std::string>;

struct GroupName {
    int code;
    const char* name;
};

// SR21's food groups (FD_GROUP.txt is not among the files we read).
constexpr auto kGroups = std::to_array<GroupName>({
    {100, "Dairy and Egg Products"},
    {200, "Spices and Herbs"},
    {300, "Baby Foods"},
    {400, "Fats and Oils"},
    {500, "Poultry Products"},
    {600, "Soups, Sauces, and Gravies"},
    {700, "Sausages and Luncheon Meats"},
    {800, "Breakfast Cereals"},
    {900, "Fruits and Fruit Juices"},
    {1000, "Pork Products"},
    {1100, "Vegetables and Vegetable Products"},
    {1200, "Nut and Seed Products"},
    {1300, "Beef Products"},
    {1400, "Beverages"},
    {1500, "Finfish and Shellfish Products"},
    {1600, "Legumes and Legume Products"},
    {1700, "Lamb, Veal, and Game Products"},
    {1800, "Baked Products"},
    {1900, "Sweets"},
    {2000, "Cereal Grains and Pasta"},
    {2100, "Fast Foods"},
    {2200, "Meals, Entrees, and Sidedishes"},
    {2500, "Snacks"},
    {3500, "Ethnic Foods"},
});

struct NutrientColumn {
    int abbrevField; // 1-based field of ABBREV.txt
    Nutrient::NutrientDef def;
};

// Ids follow the order of the label: Calories in block 1; fat (with its three
// kinds as sub-rows 4-6), cholesterol, sodium, carbohydrate (fibre and sugars
// as sub-rows 10, 11) and protein in block 2; vitamins and minerals in block 3.
// Codes are letters only, as equations spell them.
const std::vector<NutrientColumn>& NutrientColumns() {
    static const std::vector<NutrientColumn> columns = {
        {4, {1, true, "Calories", "kcal", "KCAL", '1'}},
        {3, {2, false, "Water", "g", "WATER", 0}},
        {6, {3, true, "Total Fat", "g", "FAT", '2'}},
        {43, {4, true, "Saturated Fat", "g", "FASAT", '2'}},
        {44, {5, true, "Monounsaturated Fat", "g", "FAMS", '2'}},
        {45, {6, true, "Polyunsaturated Fat", "g", "FAPU", '2'}},
        {46, {7, true, "Cholesterol", "mg", "CHOLE", '2'}},
        {16, {8, true, "Sodium", "mg", "NA", '2'}},
        {8, {9, true, "Total Carbohydrate", "g", "CHO", '2'}},
        {9, {10, true, "Dietary Fiber", "g", "FIBER", '2'}},
        {10, {11, true, "Sugars", "g", "SUGAR", '2'}},
        {5, {12, true, "Protein", "g", "PROT", '2'}},
        {33, {13, true, "Vitamin A", "IU", "VITA", '3'}},
        {21, {14, true, "Vitamin C", "mg", "VITC", '3'}},
        {11, {15, true, "Calcium", "mg", "CA", '3'}},
        {12, {16, true, "Iron", "mg", "FE", '3'}},
        {15, {17, true, "Potassium", "mg", "K", '3'}},
        {13, {18, false, "Magnesium", "mg", "MG", '3'}},
        {14, {19, false, "Phosphorus", "mg", "P", '3'}},
        {17, {20, false, "Zinc", "mg", "ZN", '3'}},
        {18, {21, false, "Copper", "mg", "CU", '3'}},
        {19, {22, false, "Manganese", "mg", "MN", '3'}},
        {20, {23, false, "Selenium", "µg", "SE", '3'}},
        {22, {24, false, "Thiamin", "mg", "THIA", '3'}},
        {23, {25, false, "Riboflavin", "mg", "RIBF", '3'}},
        {24, {26, false, "Niacin", "mg", "NIA", '3'}},
        {25, {27, false, "Pantothenic Acid", "mg", "PANTAC", '3'}},
        {26, {28, false, "Vitamin B6", "mg", "VITBSIX", '3'}},
        {27, {29, false, "Folate", "µg", "FOL", '3'}},
        {28, {30, false, "Folic Acid", "µg", "FOLAC", '3'}},
        {29, {31, false, "Food Folate", "µg", "FOLFD", '3'}},
        {30, {32, false, "Folate DFE", "µg", "FOLDFE", '3'}},
        {31, {33, false, "Choline", "mg", "CHOLN", '3'}},
        {32, {34, false, "Vitamin B12", "µg", "VITBTWELVE", '3'}},
        {34, {35, false, "Vitamin A RAE", "µg", "VITARAE", '3'}},
        {35, {36, false, "Retinol", "µg", "RETOL", '3'}},
        {36, {37, false, "Alpha Carotene", "µg", "CARTA", '3'}},
        {37, {38, false, "Beta Carotene", "µg", "CARTB", '3'}},
        {38, {39, false, "Beta Cryptoxanthin", "µg", "CRYPX", '3'}},
        {39, {40, false, "Lycopene", "µg", "LYCPN", '3'}},
        {40, {41, false, "Lutein + Zeaxanthin", "µg", "LUTZEA", '3'}},
        {41, {42, false, "Vitamin E", "mg", "VITE", '3'}},
        {42, {43, false, "Vitamin K", "µg", "VITK", '3'}},
        {7, {44, false, "Ash", "g", "ASH", 0}},
    };
    return columns;
}

// The two user fields: values the user gives to items, shown by the
// shopping list and the inventory.
const std::vector<Nutrient::NutrientDef>& UserFields() {
    static const std::vector<Nutrient::NutrientDef> fields = {
        {49, true, "User Field 1", "", "USERA", 0},
        {50, true, "User Field 2", "", "USERB", 0},
    };
    return fields;
}

struct Food {
    int id = 0;
    int groupCode = 0;
    std::string description;
    int subGroup = 0;
};

struct Portion {
    int sequence;
    std::string name;
    double grams;
};

Fields SplitUsda(std::string_view line) {
    Fields fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find('^', start);
        std::string_view field =
            line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (field.size() >= 2 && field.front() == '~' && field.back() == '~') {
            field = field.substr(1, field.size() - 2);
        }
        fields.emplace_back(field);
        if (end == std::string_view::npos) {
            return fields;
        }
        start = end + 1;
    }
}

std::vector<Fields> ReadUsda(const std::filesystem::path& path) {
    const std::string text = TextCodec::Windows1252ToUtf8(AtomicFile::Read(path));
    std::vector<Fields> rows;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!line.empty()) {
            rows.push_back(SplitUsda(line));
        }
        start = end + 1;
    }
    return rows;
}

double Number(const std::string& text) {
    const auto value = Nutrient::FileText::ParseDouble(text);
    if (!value) {
        throw std::runtime_error("not a number: " + text);
    }
    return *value;
}

std::string Shortest(double value) {
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), end);
}

std::string LeadingTerm(const std::string& description) {
    std::string term = description.substr(0, description.find(','));
    const auto last = term.find_last_not_of(' ');
    term.erase(last == std::string::npos ? 0 : last + 1);
    return term;
}

std::vector<Food> ReadFoods(const std::filesystem::path& folder) {
    std::vector<Food> foods;
    for (const Fields& row : ReadUsda(folder / "FOOD_DES.txt")) {
        if (row.size() < 3) {
            throw std::runtime_error("short FOOD_DES.txt row");
        }
        foods.push_back({Nutrient::FileText::ParseInt(row[0]), Nutrient::FileText::ParseInt(row[1]), row[2], 0});
    }
    return foods;
}

// Numbers the sub-groups of each group by their leading terms in byte order.
std::map<int, std::map<std::string, int>> AssignSubGroups(std::vector<Food>& foods) {
    std::map<int, std::set<std::string>> terms;
    for (const Food& food : foods) {
        terms[food.groupCode].insert(LeadingTerm(food.description));
    }
    std::map<int, std::map<std::string, int>> ids;
    for (const auto& [code, names] : terms) {
        if (names.size() >= 600) {
            throw std::runtime_error("too many sub-groups in group " + std::to_string(code));
        }
        int next = code * 10;
        for (const std::string& name : names) {
            ids[code][name] = ++next;
        }
    }
    for (Food& food : foods) {
        food.subGroup = ids[food.groupCode][LeadingTerm(food.description)];
    }
    return ids;
}

std::map<int, Fields> ReadAbbrev(const std::filesystem::path& folder) {
    std::map<int, Fields> values;
    for (Fields& row : ReadUsda(folder / "ABBREV.txt")) {
        if (row.size() < 46) {
            throw std::runtime_error("short ABBREV.txt row");
        }
        values[Nutrient::FileText::ParseInt(row[0])] = std::move(row);
    }
    return values;
}

std::map<int, std::vector<Portion>> ReadPortions(const std::filesystem::path& folder) {
    std::map<int, std::vector<Portion>> portions;
    for (const Fields& row : ReadUsda(folder / "WEIGHT.txt")) {
        if (row.size() < 5) {
            throw std::runtime_error("short WEIGHT.txt row");
        }
        const double amount = Number(row[2]);
        if (amount <= 0) {
            continue;
        }
        const double grams = std::round(Number(row[4]) / amount * 100.0) / 100.0;
        portions[Nutrient::FileText::ParseInt(row[0])].push_back({Nutrient::FileText::ParseInt(row[1]), row[3], grams});
    }
    for (auto& [id, list] : portions) {
        std::stable_sort(list.begin(), list.end(),
                         [](const Portion& a, const Portion& b) { return a.sequence < b.sequence; });
    }
    return portions;
}

void CheckText(const std::string& text) {
    // The definitions reader takes a name up to the next "<".
    if (text.find('<') != std::string::npos) {
        throw std::runtime_error("name with \"<\": " + text);
    }
}

std::string Definitions(const std::map<int, std::map<std::string, int>>& subGroups) {
    Nutrient::Database database;
    for (const GroupName& group : kGroups) {
        database.AddGroup(std::make_unique<Nutrient::FoodGroup>(group.code * 10, group.name, true));
    }
    for (const auto& [code, names] : subGroups) {
        Nutrient::FoodGroup* group = database.FindGroup(code * 10);
        if (group == nullptr) {
            throw std::runtime_error("unknown food group " + std::to_string(code));
        }
        for (const auto& [name, id] : names) {
            CheckText(name);
            group->AddSubGroup(std::make_unique<Nutrient::SubGroup>(id, name, group->Id(), true));
        }
    }
    for (const NutrientColumn& column : NutrientColumns()) {
        database.SetNutrient(column.def);
    }
    for (const Nutrient::NutrientDef& field : UserFields()) {
        database.SetNutrient(field);
    }
    database.AddEquation("CaloriesFromFat", "9*$FAT", true);
    database.AddEquation("CaloriesFromSaturatedFat", "9*$FASAT", false);
    database.AddEquation("NetCarbohydrate", "$CHO-$FIBER", false);
    return Nutrient::DefinitionsFile::Write(database);
}

std::string MainTable(std::vector<Food> foods, const std::map<int, Fields>& abbrev,
                      const std::map<int, std::vector<Portion>>& portions) {
    std::vector<NutrientColumn> columns = NutrientColumns();
    std::sort(columns.begin(), columns.end(), [](const auto& a, const auto& b) { return a.def.id < b.def.id; });
    std::size_t measureColumns = 0;
    for (const auto& [id, list] : portions) {
        measureColumns = std::max(measureColumns, list.size());
    }
    std::string out = "NDB_No,FdSubGrp_Cd,Long_Desc,ComName";
    for (const NutrientColumn& column : columns) {
        out += "," + std::to_string(column.def.id);
    }
    for (std::size_t i = 0; i < measureColumns; ++i) {
        out += ",Measure,Gm_Wt";
    }
    out += '\n';
    // Sorted by sub-group, so that the reader looks each sub-group up once.
    std::sort(foods.begin(), foods.end(),
              [](const Food& a, const Food& b) { return std::tie(a.subGroup, a.id) < std::tie(b.subGroup, b.id); });
    for (const Food& food : foods) {
        const auto values = abbrev.find(food.id);
        if (values == abbrev.end()) {
            throw std::runtime_error("no ABBREV.txt row for " + std::to_string(food.id));
        }
        out += std::to_string(food.id) + "," + std::to_string(food.subGroup) + "," +
               Nutrient::FoodTableFile::QuoteField(food.description) + ",";
        for (const NutrientColumn& column : columns) {
            out += "," + values->second[static_cast<std::size_t>(column.abbrevField - 1)];
        }
        const auto list = portions.find(food.id);
        if (list != portions.end()) {
            for (const Portion& portion : list->second) {
                out += "," + Nutrient::FoodTableFile::QuoteField(portion.name) + "," + Shortest(portion.grams);
            }
        }
        out += '\n';
    }
    return Nutrient::FileText::Encode(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Usage: make-nutrient-data SR21_FOLDER OUT_FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path source = argv[1];
        const std::filesystem::path target = argv[2];
        std::vector<Food> foods = ReadFoods(source);
        const auto subGroups = AssignSubGroups(foods);
        AtomicFile::Write(target / Nutrient::Database::kDefinitionsFile, Definitions(subGroups));
        AtomicFile::Write(target / Nutrient::Database::kMainTableFile,
                          MainTable(std::move(foods), ReadAbbrev(source), ReadPortions(source)));
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "make-nutrient-data: " << error.what() << '\n';
        return 1;
    }
}
