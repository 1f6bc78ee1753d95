#include "nutrition/FoodTableFile.h"

#include "nutrition/Database.h"
#include "nutrition/FileText.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace Nutrient {

namespace {

struct Column {
    enum Kind { None, Nutrient, Weight } kind = None;
    int nutrientId = 0;
};

std::vector<Column> ReadHeader(const std::vector<std::string_view>& fields) {
    std::vector<Column> columns(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string_view field = fields[i];
        if (field == "Gm_Wt") {
            columns[i].kind = Column::Weight;
        } else if (!field.empty() && std::isdigit(static_cast<unsigned char>(field.front())) != 0) {
            const int id = FileText::ParseInt(field);
            // Only ids 1 to 99 are nutrients; a column with any other id is ignored.
            if (id >= 1 && id <= 99) {
                columns[i] = {Column::Nutrient, id};
            }
        }
    }
    return columns;
}

std::array<bool, 100> LoadFlags(const Database& database) {
    std::array<bool, 100> flags{};
    for (const auto& [id, nutrient] : database.NutrientTable()) {
        if (id >= 0 && id < 100) {
            flags[static_cast<std::size_t>(id)] = nutrient.load;
        }
    }
    return flags;
}

class TableReader {
public:
    TableReader(Database& database, TableKind kind) : m_database(database), m_kind(kind) {
        m_loaded = LoadFlags(database);
    }

    void ReadLine(std::string_view line, std::size_t lineNumber) {
        const std::vector<std::string_view> fields = FoodTableFile::SplitLine(line);
        if (lineNumber == 0) {
            m_columns = ReadHeader(fields);
            return;
        }
        if (fields.size() < 3 || m_columns.size() < 3) {
            return;
        }
        FoodItem* item = SetUpItem(fields);
        if (item == nullptr) {
            return;
        }
        const std::size_t count = std::min(fields.size(), m_columns.size());
        for (std::size_t i = 4; i < count; ++i) {
            ReadField(*item, fields, i);
        }
    }

private:
    FoodItem* SetUpItem(const std::vector<std::string_view>& fields) {
        const int id = FileText::ParseInt(fields[0]);
        const int code = FileText::ParseInt(fields[1]);
        std::string description = FoodTableFile::Undouble(fields[2]);
        FoodItem* existing = m_database.FindItem(id);
        m_database.NoteItemId(id);
        if (m_kind == TableKind::Main) {
            // A second row with the same number would leave a stray record
            // behind in its sub-group; the first row stands.
            return existing != nullptr ? nullptr : &m_database.AddMainItem(id, std::move(description), code);
        }
        if (existing != nullptr) {
            existing->SetShipped(false);
            existing->SetMeasures({});
            return existing;
        }
        return &m_database.AddUserItem(std::make_unique<FoodItem>(id, std::move(description), code, false));
    }

    void ReadField(FoodItem& item, const std::vector<std::string_view>& fields, std::size_t i) {
        const std::string_view field = fields[i];
        if (field.empty()) {
            return;
        }
        const Column& column = m_columns[i];
        const auto value = FileText::ParseDouble(field);
        if (!value) {
            return;
        }
        if (column.kind == Column::Nutrient) {
            if (m_kind == TableKind::User || m_loaded[static_cast<std::size_t>(column.nutrientId)]) {
                item.SetValue(column.nutrientId, *value);
            }
        } else if (column.kind == Column::Weight) {
            item.AddMeasure({FoodTableFile::Undouble(fields[i - 1]), *value});
        }
    }

    Database& m_database;
    TableKind m_kind;
    std::array<bool, 100> m_loaded{};
    std::vector<Column> m_columns;
};

std::size_t CountLines(std::string_view text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

} // namespace

std::vector<std::string_view> FoodTableFile::SplitLine(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t position = 0;
    while (true) {
        if (position < line.size() && line[position] == '"') {
            std::size_t closing = position + 1;
            while (closing < line.size()) {
                if (line[closing] == '"' && (closing + 1 >= line.size() || line[closing + 1] != '"')) {
                    break;
                }
                closing += line[closing] == '"' ? 2 : 1;
            }
            fields.push_back(line.substr(position + 1, std::min(closing, line.size()) - position - 1));
            // Whatever stands between the closing quote and the next comma is dropped.
            const std::size_t comma = line.find(',', std::min(closing, line.size()));
            if (comma == std::string_view::npos) {
                return fields;
            }
            position = comma + 1;
            continue;
        }
        const std::size_t comma = line.find(',', position);
        if (comma == std::string_view::npos) {
            fields.push_back(line.substr(std::min(position, line.size())));
            return fields;
        }
        fields.push_back(line.substr(position, comma - position));
        position = comma + 1;
    }
}

std::string FoodTableFile::Undouble(std::string_view field) {
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        text += field[i];
        if (field[i] == '"' && i + 1 < field.size() && field[i + 1] == '"') {
            ++i;
        }
    }
    return text;
}

std::string FoodTableFile::QuoteField(std::string_view text) {
    std::string field(text);
    // A line break would split the row.
    std::replace(field.begin(), field.end(), '\n', ' ');
    std::replace(field.begin(), field.end(), '\r', ' ');
    if (field.find_first_of(",\"") == std::string::npos) {
        return field;
    }
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

void FoodTableFile::Read(std::string_view bytes, Database& database, TableKind kind, ProgressSink* progress) {
    std::string storage;
    const std::string_view all = FileText::Decode(bytes, storage);
    if (progress != nullptr) {
        progress->Begin(kReadCaption, static_cast<int>(CountLines(all) / 10 + 1));
    }
    TableReader reader(database, kind);
    std::size_t position = 0;
    for (std::size_t lineNumber = 0; position < all.size(); ++lineNumber) {
        const std::size_t end = std::min(all.find('\n', position), all.size());
        std::string_view line = all.substr(position, end - position);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (progress != nullptr && lineNumber % 10 == 0) {
            progress->Step();
        }
        reader.ReadLine(line, lineNumber);
        position = end + 1;
    }
    if (progress != nullptr) {
        progress->End();
    }
}

std::string FoodTableFile::WriteUserTable(const Database& database) {
    std::size_t measureColumns = kMinMeasureColumns;
    for (const auto& [id, item] : database.Items()) {
        if (!item->IsShipped()) {
            measureColumns = std::max(measureColumns, item->Measures().size());
        }
    }
    std::string out = "NDB_No,FdSubGrp_Cd,Long_Desc,ComName";
    for (const auto& [id, nutrient] : database.NutrientTable()) {
        out += "," + std::to_string(id);
    }
    for (std::size_t i = 0; i < measureColumns; ++i) {
        out += ",Measure,Gm_Wt";
    }
    out += '\n';
    for (const auto& [id, item] : database.Items()) {
        if (item->IsShipped()) {
            continue;
        }
        out += std::to_string(id) + "," + std::to_string(item->SubGroupCode()) + "," + QuoteField(item->Name()) + ",";
        for (const auto& [nutrientId, nutrient] : database.NutrientTable()) {
            const auto value = item->Value(nutrientId);
            out += value ? "," + FileText::Fixed(*value, 8) : ",";
        }
        for (const Measure& measure : item->Measures()) {
            out += "," + QuoteField(measure.name) + "," + FileText::Fixed(measure.grams, 2);
        }
        out += '\n';
    }
    return FileText::Encode(out);
}

} // namespace Nutrient
