#pragma once

#include "nutrition/EquationDef.h"
#include "nutrition/FoodGroup.h"
#include "nutrition/FoodItem.h"
#include "nutrition/NutrientDef.h"
#include "nutrition/PortionUnits.h"
#include "nutrition/ProgressSink.h"
#include "nutrition/SubGroup.h"

#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Profile;

namespace Tovik {
class Dictionary;
}

namespace Nutrient {

// The four places a food search can look, in the order the dialog offers them.
enum class SearchScope { Database, Category, SubCategory, Results };

// What the label and the grids need to know about a nutrient or an equation.
struct NutrientInfo {
    char labelBlock = 0;
    std::string name;
    std::string unit;
};

// The USDA food composition data with the user's additions, kept in one
// folder as "SBNutrient.xml" (definitions), "SBNutrient.csv" (the shipped
// foods) and "UserNutrient.csv" (foods the user made or changed).
class Database {
public:
    using Groups = std::map<int, std::unique_ptr<FoodGroup>>;
    using Nutrients = std::map<int, NutrientDef>;
    using ItemTable = std::map<int, FoodItem*>;

    static constexpr std::string_view kDefinitionsFile = "SBNutrient.xml";
    static constexpr std::string_view kMainTableFile = "SBNutrient.csv";
    static constexpr std::string_view kUserTableFile = "UserNutrient.csv";

    // An empty database that lives in memory only and is never saved.
    Database();
    // The definitions of folder, read for looking things up: nothing is ever
    // written back (the command line and the data tool use this).
    explicit Database(std::filesystem::path folder);
    // The program's database: its folder is the "NutrientPath" preference
    // (defaultFolder when unset); it is saved when destroyed.
    Database(Profile& profile, std::filesystem::path defaultFolder);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The one database the program's features reach; none means nutrition is off.
    static Database* Global();
    // Destroys (and so saves) the previous global database.
    static void SetGlobal(std::unique_ptr<Database> database);
    // Saves the global database into its folder, points the preference at
    // newFolder and makes a database read from there the global one.
    static void ChangeFolder(const std::filesystem::path& newFolder);

    const std::filesystem::path& Folder() const { return m_folder; }
    bool IsAvailable() const { return !m_groups.empty(); }

    const Groups& GroupTable() const { return m_groups; }
    FoodGroup* FindGroup(int id) const;
    FoodGroup& AddGroup(std::unique_ptr<FoodGroup> group);

    const Nutrients& NutrientTable() const { return m_nutrients; }
    const NutrientDef* FindNutrient(int id) const;
    // Replaces the definition with the same id.
    void SetNutrient(NutrientDef nutrient);
    NutrientDef* MutableNutrient(int id);

    const std::vector<EquationDef>& Equations() const { return m_equations; }
    std::vector<EquationDef>& MutableEquations() { return m_equations; }
    // Appends the equation with the next free equation id.
    const EquationDef& AddEquation(std::string name, std::string expression, bool load);

    std::optional<NutrientInfo> Info(int id) const;
    bool HasRealUnit(int nutrientId) const;
    // A nutrient amount or weight as the dialogs show it.
    static std::string FormatValue(double value, int nutrientId);

    // Reads the food tables unless they have been read.
    void LoadTables(ProgressSink* progress = nullptr);
    bool TablesRead() const { return m_tablesRead; }

    const ItemTable& Items() const { return m_items; }
    FoodItem* FindItem(int id) const;
    FoodGroup* GroupOf(const SubGroup& subGroup) const;
    FoodGroup* GroupOf(const FoodItem& item) const;
    SubGroup* SubGroupOf(const FoodItem& item) const;
    const std::deque<FoodItem>& MainItems() const { return m_mainItems; }
    const std::vector<std::unique_ptr<FoodItem>>& UserItems() const { return m_userItems; }

    // Adds a row of the main table: into the item table and its sub-group.
    FoodItem& AddMainItem(int id, std::string description, int subGroupCode);
    // Takes over an item the user made: into the item table, the user items
    // and its sub-group.
    FoodItem& AddUserItem(std::unique_ptr<FoodItem> item);
    // Takes the item out of the item table and its sub-group; it is no longer
    // saved. Drops the search index.
    void RemoveItem(const FoodItem& item);
    void RemoveItems(const std::vector<const FoodItem*>& items);
    // Raises the item counter so that new items never take a read id.
    void NoteItemId(int id);

    // Id counters for what the user creates.
    int TakeNextItemId();
    // A free sub-group id within the group's thousand, or none when all are taken.
    std::optional<int> TakeNextSubGroupId(const FoodGroup& group);
    int NextGroupId() const { return m_nextGroupId; }

    // The portion of the item that one unitText of it is: -1 no match, 0 a
    // weight unit, k the k-th measure. gramsPerUnit is set on a match only.
    int MatchPortion(const FoodItem& item, std::string_view unitText, double& gramsPerUnit) const;
    void SetPortionUnits(const PortionUnits& units) { m_units = &units; }
    const PortionUnits& GetPortionUnits() const { return *m_units; }

    void BuildIndex(ProgressSink* progress = nullptr);
    bool HasIndex() const { return m_index != nullptr; }
    // Replaces results by the items whose descriptions hold the phrase's
    // words; a non-empty results list restricts the search to itself.
    void Search(std::string_view phrase, bool allWords, std::vector<FoodItem*>& results,
                const std::vector<const FoodGroup*>& groups, const std::vector<const SubGroup*>& subGroups);
    // The search as the dialog's scope chooser runs it.
    void SearchInScope(std::string_view phrase, bool allWords, SearchScope scope, std::vector<FoodItem*>& results,
                       const std::vector<const FoodGroup*>& groups, const std::vector<const SubGroup*>& subGroups);

    // Writes the definitions and the user table, leaving alone a file whose
    // data were never read (so nothing unread is lost).
    void Save();

private:
    void ReadDefinitions();
    bool ReadTableFile(std::string_view fileName, bool user, ProgressSink* progress);
    void ResetCounters();
    void DropIndex();
    int MatchMeasureByName(const FoodItem& item, const std::string& unit, double& gramsPerUnit) const;
    int MatchMeasureByUnit(const FoodItem& item, const PortionUnit& unit, double& gramsPerUnit) const;
    bool Accepts(const FoodItem& item, const std::vector<const FoodGroup*>& groups,
                 const std::vector<const SubGroup*>& subGroups) const;
    static std::unique_ptr<Database>& GlobalSlot();

    Profile* m_profile = nullptr;
    std::filesystem::path m_defaultFolder;
    std::filesystem::path m_folder;
    bool m_saves = false;
    bool m_definitionsRead = false;
    bool m_tablesRead = false;
    bool m_userTableWritable = true;

    Nutrients m_nutrients;
    std::vector<EquationDef> m_equations;
    Groups m_groups;
    ItemTable m_items;
    std::vector<std::unique_ptr<FoodItem>> m_userItems;
    // One record per main-table row, in row order; a deque keeps the records
    // in place while rows are appended, so the tables can point into it.
    std::deque<FoodItem> m_mainItems;
    std::unique_ptr<Tovik::Dictionary> m_index;
    const PortionUnits* m_units;

    int m_nextItemId = 0;
    int m_nextSubGroup = 0;
    int m_nextGroupId = 0;
};

} // namespace Nutrient
