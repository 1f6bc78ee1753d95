#include "nutrition/Database.h"

#include "nutrition/BasicPortionUnits.h"
#include "nutrition/DefinitionsFile.h"
#include "nutrition/FileText.h"
#include "nutrition/FoodTableFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileError.h"
#include "platform/Profile.h"
#include "search/Dictionary.h"

#include <algorithm>
#include <array>
#include <limits>
#include <unordered_set>

namespace Nutrient {

namespace {

constexpr std::string_view kSettingsSection = "SettingsV4";
constexpr std::string_view kPathKey = "NutrientPath";
constexpr std::string_view kIndexCaption = "Building Nutrient Index...";

constexpr int kFirstUserItemId = 100000;
constexpr int kFirstUserSubGroup = 600;
constexpr int kFirstUserGroupId = 50000;
constexpr int kFirstEquationId = 100;

// Measures that stand for "one of it" when an ingredient names no unit.
constexpr std::array kCountWords = {"unit", "serving", "package", "jar", "packet", "container", "piece"};

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n\f\v");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n\f\v");
    return std::string(text.substr(first, last - first + 1));
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

// The unit word of a USDA measure: "cup, chopped" gives cup, "fl oz" gives fl.
std::string_view MeasureWord(std::string_view name) {
    const auto comma = name.find(',');
    if (comma != std::string_view::npos && comma != 0) {
        name = name.substr(0, comma);
    }
    const auto space = name.find(' ');
    if (space != std::string_view::npos && space != 0) {
        name = name.substr(0, space);
    }
    return name;
}

} // namespace

Database::Database() : m_units(&BasicPortionUnits::Instance()) {
    ResetCounters();
}

Database::Database(std::filesystem::path folder)
    : m_folder(std::move(folder)), m_units(&BasicPortionUnits::Instance()) {
    ReadDefinitions();
}

Database::Database(Profile& profile, std::filesystem::path defaultFolder)
    : m_profile(&profile), m_defaultFolder(std::move(defaultFolder)), m_saves(true),
      m_units(&BasicPortionUnits::Instance()) {
    m_folder = profile.GetString(kSettingsSection, kPathKey, m_defaultFolder.string());
    ReadDefinitions();
}

Database::~Database() {
    if (m_saves) {
        Save();
    }
}

std::unique_ptr<Database>& Database::GlobalSlot() {
    static std::unique_ptr<Database> global;
    return global;
}

Database* Database::Global() {
    return GlobalSlot().get();
}

void Database::SetGlobal(std::unique_ptr<Database> database) {
    GlobalSlot() = std::move(database);
}

void Database::ChangeFolder(const std::filesystem::path& newFolder) {
    auto& global = GlobalSlot();
    if (global == nullptr || global->m_profile == nullptr) {
        return;
    }
    Profile& profile = *global->m_profile;
    const std::filesystem::path defaultFolder = global->m_defaultFolder;
    global.reset();
    profile.WriteString(kSettingsSection, kPathKey, newFolder.string());
    global = std::make_unique<Database>(profile, defaultFolder);
}

void Database::ReadDefinitions() {
    ResetCounters();
    try {
        const std::string bytes = FileText::ReadFile(m_folder / kDefinitionsFile);
        m_definitionsRead = DefinitionsFile::Read(bytes, *this);
    } catch (const FileError&) {
        // A missing or unreadable file leaves the database empty; the nutrition
        // features tell the user where they would have used it.
    }
    ResetCounters();
}

void Database::ResetCounters() {
    m_nextItemId = kFirstUserItemId;
    m_nextSubGroup = kFirstUserSubGroup;
    m_nextGroupId = kFirstUserGroupId;
}

FoodGroup* Database::FindGroup(int id) const {
    const auto found = m_groups.find(id);
    return found == m_groups.end() ? nullptr : found->second.get();
}

FoodGroup& Database::AddGroup(std::unique_ptr<FoodGroup> group) {
    auto& slot = m_groups[group->Id()];
    slot = std::move(group);
    return *slot;
}

const NutrientDef* Database::FindNutrient(int id) const {
    const auto found = m_nutrients.find(id);
    return found == m_nutrients.end() ? nullptr : &found->second;
}

NutrientDef* Database::MutableNutrient(int id) {
    const auto found = m_nutrients.find(id);
    return found == m_nutrients.end() ? nullptr : &found->second;
}

void Database::SetNutrient(NutrientDef nutrient) {
    const int id = nutrient.id;
    m_nutrients.insert_or_assign(id, std::move(nutrient));
}

const EquationDef& Database::AddEquation(std::string name, std::string expression, bool load) {
    const int id = m_equations.empty() ? kFirstEquationId : m_equations.back().id + 1;
    return m_equations.emplace_back(EquationDef{std::move(name), std::move(expression), load, id});
}

std::optional<NutrientInfo> Database::Info(int id) const {
    if (id < kFirstEquationId) {
        const NutrientDef* nutrient = FindNutrient(id);
        if (nutrient == nullptr) {
            return std::nullopt;
        }
        return NutrientInfo{nutrient->labelBlock, nutrient->name, nutrient->unit};
    }
    const auto found =
        std::find_if(m_equations.begin(), m_equations.end(), [id](const EquationDef& e) { return e.id == id; });
    if (found == m_equations.end()) {
        return std::nullopt;
    }
    return NutrientInfo{'4', found->name, {}};
}

bool Database::HasRealUnit(int nutrientId) const {
    const NutrientDef* nutrient = FindNutrient(nutrientId);
    return nutrient != nullptr && !nutrient->unit.empty() && nutrient->unit != "%";
}

std::string Database::FormatValue(double value, int nutrientId) {
    if (value == 0) {
        return FileText::Fixed(value, 0);
    }
    return FileText::Fixed(value, value < 1 || nutrientId > 48 ? 2 : 1);
}

void Database::LoadTables(ProgressSink* progress) {
    // An in-memory database has no files: its tables are what was added to it.
    if (m_tablesRead || m_folder.empty()) {
        return;
    }
    DropIndex();
    const bool mainRead = ReadTableFile(kMainTableFile, false, progress);
    const bool userRead = ReadTableFile(kUserTableFile, true, progress);
    m_tablesRead = mainRead || userRead;
}

bool Database::ReadTableFile(std::string_view fileName, bool user, ProgressSink* progress) {
    const std::filesystem::path path = m_folder / fileName;
    try {
        const std::string bytes = FileText::ReadFile(path);
        FoodTableFile::Read(bytes, *this, user ? TableKind::User : TableKind::Main, progress);
        return true;
    } catch (const FileError&) {
        // A missing table is skipped without a message. A user table that
        // exists but cannot be read must not be overwritten by what little
        // this run knows.
        std::error_code error;
        if (user && std::filesystem::exists(path, error)) {
            m_userTableWritable = false;
        }
        return false;
    }
}

FoodItem* Database::FindItem(int id) const {
    const auto found = m_items.find(id);
    return found == m_items.end() ? nullptr : found->second;
}

FoodGroup* Database::GroupOf(const SubGroup& subGroup) const {
    return FindGroup(FoodGroup::GroupIdOf(subGroup.Id()));
}

FoodGroup* Database::GroupOf(const FoodItem& item) const {
    return FindGroup(FoodGroup::GroupIdOf(item.SubGroupCode()));
}

SubGroup* Database::SubGroupOf(const FoodItem& item) const {
    const FoodGroup* group = GroupOf(item);
    return group == nullptr ? nullptr : group->FindSubGroup(item.SubGroupCode());
}

FoodItem& Database::AddMainItem(int id, std::string description, int subGroupCode) {
    FoodItem& item = m_mainItems.emplace_back(id, std::move(description), subGroupCode, true);
    m_items[id] = &item;
    if (SubGroup* subGroup = SubGroupOf(item)) {
        subGroup->AddItem(item);
    }
    return item;
}

FoodItem& Database::AddUserItem(std::unique_ptr<FoodItem> item) {
    FoodItem& added = *m_userItems.emplace_back(std::move(item));
    m_items[added.Id()] = &added;
    if (SubGroup* subGroup = SubGroupOf(added)) {
        subGroup->AddItem(added);
    }
    NoteItemId(added.Id());
    return added;
}

void Database::RemoveItem(const FoodItem& item) {
    const auto found = m_items.find(item.Id());
    if (found != m_items.end() && found->second == &item) {
        m_items.erase(found);
    }
    if (SubGroup* subGroup = SubGroupOf(item)) {
        subGroup->RemoveItem(item);
    }
    DropIndex();
}

void Database::RemoveItems(const std::vector<const FoodItem*>& items) {
    for (const FoodItem* item : items) {
        RemoveItem(*item);
    }
}

void Database::NoteItemId(int id) {
    m_nextItemId = std::max(m_nextItemId, id);
}

int Database::TakeNextItemId() {
    return ++m_nextItemId;
}

std::optional<int> Database::TakeNextSubGroupId(const FoodGroup& group) {
    // The counter starts afresh every run while earlier runs' sub-groups are
    // read back, so taken ids are passed over; ids stay within the group's thousand.
    if (group.Id() > std::numeric_limits<int>::max() - 1000) {
        return std::nullopt;
    }
    while (m_nextSubGroup < 999) {
        const int id = group.Id() + ++m_nextSubGroup;
        if (group.FindSubGroup(id) == nullptr) {
            return id;
        }
    }
    return std::nullopt;
}

int Database::MatchPortion(const FoodItem& item, std::string_view unitText, double& gramsPerUnit) const {
    if (item.Measures().empty()) {
        return -1;
    }
    const std::string unit = Lower(Trimmed(unitText));
    // A one-letter unit is told apart by its case (t or T), which only the unit lookup sees.
    if (unit.size() != 1) {
        const int byName = MatchMeasureByName(item, unit, gramsPerUnit);
        if (byName > 0 || unit.empty()) {
            return byName;
        }
    }
    const auto found = m_units->Find(unitText);
    if (!found) {
        return -1;
    }
    if (found->family == UnitFamily::Weight) {
        gramsPerUnit = found->factor;
        return 0;
    }
    return MatchMeasureByUnit(item, *found, gramsPerUnit);
}

int Database::MatchMeasureByName(const FoodItem& item, const std::string& unit, double& gramsPerUnit) const {
    const auto& measures = item.Measures();
    for (std::size_t k = 0; k < measures.size(); ++k) {
        const std::string& name = measures[k].name;
        const bool matches =
            unit.empty() ? std::any_of(kCountWords.begin(), kCountWords.end(),
                                       [&name](const char* word) { return name.find(word) != std::string::npos; })
                         : name.find(unit) != std::string::npos;
        if (matches) {
            gramsPerUnit = measures[k].grams;
            return static_cast<int>(k + 1);
        }
    }
    return -1;
}

int Database::MatchMeasureByUnit(const FoodItem& item, const PortionUnit& unit, double& gramsPerUnit) const {
    if (unit.family == UnitFamily::Temperature) {
        return -1;
    }
    const auto& measures = item.Measures();
    for (std::size_t k = 0; k < measures.size(); ++k) {
        const auto measureUnit = m_units->Find(MeasureWord(measures[k].name));
        if (measureUnit && measureUnit->family == unit.family && measureUnit->factor > 0) {
            gramsPerUnit = PortionUnits::Convert(measures[k].grams, unit, *measureUnit);
            return static_cast<int>(k + 1);
        }
    }
    return -1;
}

void Database::DropIndex() {
    m_index.reset();
}

void Database::BuildIndex(ProgressSink* progress) {
    if (m_index != nullptr) {
        return;
    }
    LoadTables(progress);
    if (progress != nullptr) {
        progress->Begin(kIndexCaption, static_cast<int>(m_mainItems.size() / 10 + 1));
    }
    auto index = std::make_unique<Tovik::Dictionary>();
    std::size_t row = 0;
    for (const FoodItem& item : m_mainItems) {
        if (progress != nullptr && row++ % 10 == 0) {
            progress->Step();
        }
        index->AddText(item.Name(), &item);
    }
    m_index = std::move(index);
    if (progress != nullptr) {
        progress->End();
    }
}

bool Database::Accepts(const FoodItem& item, const std::vector<const FoodGroup*>& groups,
                       const std::vector<const SubGroup*>& subGroups) const {
    if (!groups.empty()) {
        // By the group of the item's sub-group: a fifth of the USDA numbers
        // lie outside their food group's thousand.
        const int groupId = FoodGroup::GroupIdOf(item.SubGroupCode());
        return std::any_of(groups.begin(), groups.end(), [groupId](const FoodGroup* g) { return g->Id() == groupId; });
    }
    if (!subGroups.empty()) {
        const int code = item.SubGroupCode();
        return std::any_of(subGroups.begin(), subGroups.end(), [code](const SubGroup* s) { return s->Id() == code; });
    }
    return true;
}

void Database::Search(std::string_view phrase, bool allWords, std::vector<FoodItem*>& results,
                      const std::vector<const FoodGroup*>& groups, const std::vector<const SubGroup*>& subGroups) {
    if (phrase.empty()) {
        return;
    }
    BuildIndex();
    Tovik::Dictionary::ObjectList found;
    m_index->Search(phrase, allWords, found, true);
    const std::unordered_set<const FoodItem*> previous(results.begin(), results.end());
    const bool withinResults = !results.empty();
    results.clear();
    std::unordered_set<const FoodItem*> taken;
    for (const void* object : found) {
        // The index holds only records of the main-item block, which live as long as the database.
        auto* item = const_cast<FoodItem*>(static_cast<const FoodItem*>(object));
        const bool accepted = withinResults ? previous.contains(item) : Accepts(*item, groups, subGroups);
        if (accepted && taken.insert(item).second) {
            results.push_back(item);
        }
    }
}

void Database::SearchInScope(std::string_view phrase, bool allWords, SearchScope scope, std::vector<FoodItem*>& results,
                             const std::vector<const FoodGroup*>& groups,
                             const std::vector<const SubGroup*>& subGroups) {
    static const std::vector<const FoodGroup*> noGroups;
    static const std::vector<const SubGroup*> noSubGroups;
    switch (scope) {
    case SearchScope::Database:
        results.clear();
        Search(phrase, allWords, results, noGroups, noSubGroups);
        return;
    case SearchScope::Category:
        results.clear();
        Search(phrase, allWords, results, groups, noSubGroups);
        return;
    case SearchScope::SubCategory:
        results.clear();
        Search(phrase, allWords, results, noGroups, subGroups);
        return;
    case SearchScope::Results:
        Search(phrase, allWords, results, noGroups, noSubGroups);
        return;
    }
}

void Database::Save() {
    if (m_profile != nullptr) {
        m_profile->WriteString(kSettingsSection, kPathKey, m_folder.string());
    }
    // Saving happens at shutdown and on a change of folder, where nobody could
    // act on a failure; a file that cannot be written is left as it was.
    try {
        if (m_definitionsRead) {
            AtomicFile::Write(m_folder / kDefinitionsFile, DefinitionsFile::Write(*this));
        }
    } catch (const FileError&) {
    }
    try {
        if (m_tablesRead && m_userTableWritable) {
            AtomicFile::Write(m_folder / kUserTableFile, FoodTableFile::WriteUserTable(*this));
        }
    } catch (const FileError&) {
    }
}

} // namespace Nutrient
