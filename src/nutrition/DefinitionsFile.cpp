#include "nutrition/DefinitionsFile.h"

#include "nutrition/Database.h"
#include "nutrition/FileText.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace Nutrient {

namespace {

// Deeper nesting than the file ever has is read flat, so that a damaged file
// cannot recurse without end.
constexpr int kMaxDepth = 8;
constexpr std::size_t kMaxNameLength = 99;

struct Element {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;
    std::vector<Element> children;

    const std::string* Attribute(std::string_view attributeName) const {
        const auto found = std::find_if(attributes.begin(), attributes.end(),
                                        [attributeName](const auto& entry) { return entry.first == attributeName; });
        return found == attributes.end() ? nullptr : &found->second;
    }
};

class Lines {
public:
    explicit Lines(std::string_view text) : m_text(text) {}

    bool Next(std::string_view& line) {
        if (m_position >= m_text.size()) {
            return false;
        }
        const std::size_t end = std::min(m_text.find('\n', m_position), m_text.size());
        line = m_text.substr(m_position, end - m_position);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        m_position = end + 1;
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

// Reads the element that starts at the line's first "<": its name, its
// attributes in order and the text after its opening tag.
Element ParseLine(std::string_view line) {
    Element element;
    std::string attributeName;
    std::size_t i = line.find('<');
    while (i < line.size()) {
        const char c = line[i];
        if (c == '<') {
            if (i + 1 < line.size() && line[i + 1] == '/') {
                break;
            }
            const std::size_t end = std::min(line.find_first_of(" >", i + 1), line.size());
            if (element.name.empty()) {
                element.name = line.substr(i + 1, std::min(end - i - 1, kMaxNameLength));
            }
            i = end;
        } else if (c == ' ') {
            const std::size_t equals = line.find('=', i + 1);
            if (equals == std::string_view::npos) {
                break;
            }
            attributeName = line.substr(i + 1, std::min(equals - i - 1, kMaxNameLength));
            i = equals + 1;
        } else if (c == '"') {
            const std::size_t closing = std::min(line.find('"', i + 1), line.size());
            element.attributes.emplace_back(attributeName, line.substr(i + 1, closing - i - 1));
            i = closing + 1;
        } else if (c == '>') {
            if (line[i - 1] == '/') {
                break;
            }
            const std::size_t next = line.find('<', i + 1);
            if (next == std::string_view::npos) {
                break;
            }
            element.text = line.substr(i + 1, next - i - 1);
            i = next;
        } else {
            ++i;
        }
    }
    return element;
}

bool ClosesItself(std::string_view line) {
    return line.find("</") != std::string_view::npos || line.find("/>") != std::string_view::npos;
}

Element ReadElement(Lines& lines, std::string_view firstLine, int depth) {
    Element element = ParseLine(firstLine);
    if (element.name.empty() || ClosesItself(firstLine) || depth >= kMaxDepth) {
        return element;
    }
    const std::string closing = "</" + element.name + ">";
    std::string_view line;
    while (lines.Next(line)) {
        if (line.find(closing) != std::string_view::npos) {
            break;
        }
        // A line without an element (a blank line) is passed over.
        if (line.find('<') != std::string_view::npos) {
            element.children.push_back(ReadElement(lines, line, depth + 1));
        }
    }
    return element;
}

int RecordId(const Element& record) {
    return record.attributes.empty() ? 0 : FileText::ParseInt(record.attributes.front().second);
}

bool IsUser(const Element& record) {
    return record.Attribute("user") != nullptr;
}

bool IsLoaded(const Element& record) {
    const std::string* load = record.Attribute("load");
    return load != nullptr && load->size() == 1 && load->front() == '1';
}

std::string AttributeOrEmpty(const Element& record, std::string_view name) {
    const std::string* value = record.Attribute(name);
    return value == nullptr ? std::string() : *value;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

void ReadGroups(const Element& section, Database& database) {
    for (const Element& record : section.children) {
        database.AddGroup(std::make_unique<FoodGroup>(RecordId(record), record.text, !IsUser(record)));
    }
}

void ReadSubGroups(const Element& section, Database& database) {
    for (const Element& record : section.children) {
        const int id = RecordId(record);
        FoodGroup* group = database.FindGroup(FoodGroup::GroupIdOf(id));
        if (group != nullptr) {
            group->AddSubGroup(std::make_unique<SubGroup>(id, record.text, group->Id(), !IsUser(record)));
        }
    }
}

void ReadNutrients(const Element& section, Database& database) {
    for (const Element& record : section.children) {
        NutrientDef nutrient;
        nutrient.id = RecordId(record);
        // Ids from 100 on belong to equations, and the food tables name no others.
        if (nutrient.id < 1 || nutrient.id > 99) {
            continue;
        }
        nutrient.load = IsLoaded(record);
        nutrient.name = record.text;
        nutrient.unit = ReplaceAll(AttributeOrEmpty(record, "unit"), "micg", "µg");
        nutrient.code = "$" + AttributeOrEmpty(record, "code");
        const std::string group = AttributeOrEmpty(record, "group");
        nutrient.labelBlock = group.empty() ? 0 : group.front();
        database.SetNutrient(std::move(nutrient));
    }
}

void ReadEquations(const Element& section, Database& database) {
    for (const Element& record : section.children) {
        std::string name = AttributeOrEmpty(record, "name");
        if (!name.empty()) {
            database.AddEquation(std::move(name), record.text, IsLoaded(record));
        }
    }
}

std::string UserMarker(const FoodBase& food) {
    return food.IsShipped() ? "" : " user=\"true\"";
}

std::string LabelBlockText(char block) {
    return block == 0 ? std::string() : std::string(1, block);
}

} // namespace

bool DefinitionsFile::Read(std::string_view bytes, Database& database) {
    std::string storage;
    const std::string_view text = FileText::Decode(bytes, storage);
    Lines lines(text);
    std::string_view line;
    lines.Next(line); // the XML declaration
    bool found = false;
    while (lines.Next(line)) {
        if (line.find("<!--") == std::string_view::npos) {
            found = true;
            break;
        }
    }
    if (!found) {
        return false;
    }
    const Element root = ReadElement(lines, line, 0);
    if (root.name != kRootName) {
        return false;
    }
    for (const Element& section : root.children) {
        if (section.name == "FoodGroups") {
            ReadGroups(section, database);
        } else if (section.name == "FoodSubGroups") {
            ReadSubGroups(section, database);
        } else if (section.name == "Nutrients") {
            ReadNutrients(section, database);
        } else if (section.name == "Equations") {
            ReadEquations(section, database);
        }
    }
    return true;
}

std::string DefinitionsFile::Write(const Database& database) {
    std::string out;
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n";
    out += "<!-- NOTE: Edit this file at your own risk. Any changes may not be compatible with future versions. -->\n";
    out += "<Savorbridge_Nutrient_Tables version=\"4.0\">\n";
    out += "\t<FoodGroups>\n";
    for (const auto& [id, group] : database.GroupTable()) {
        out += "\t\t<Group id=\"" + std::to_string(id) + "\"" + UserMarker(*group) + ">" + group->Name() + "</Group>\n";
    }
    out += "\t</FoodGroups>\n";
    out += "\t<FoodSubGroups>\n";
    for (const auto& [groupId, group] : database.GroupTable()) {
        for (const auto& [id, subGroup] : group->SubGroupTable()) {
            out += "\t\t<SubGroup id=\"" + std::to_string(id) + "\"" + UserMarker(*subGroup) + ">" + subGroup->Name() +
                   "</SubGroup>\n";
        }
    }
    out += "\t</FoodSubGroups>\n";
    out += "\t<Nutrients>\n";
    for (const auto& [id, nutrient] : database.NutrientTable()) {
        const std::string unit = nutrient.unit == "µg" ? "micg" : nutrient.unit;
        const std::string code = nutrient.code.starts_with('$') ? nutrient.code.substr(1) : nutrient.code;
        out += "\t\t<Nutrient id=\"" + std::to_string(id) + "\" unit=\"" + unit + "\" code=\"" + code + "\" group=\"" +
               LabelBlockText(nutrient.labelBlock) + "\" load=\"" + (nutrient.load ? "1" : "0") + "\">" +
               nutrient.name + "</Nutrient>\n";
    }
    out += "\t</Nutrients>\n";
    out += "\t<Equations>\n";
    for (const EquationDef& equation : database.Equations()) {
        out += "\t\t<Equation name=\"" + equation.name + "\" load=\"" + (equation.load ? "1" : "0") + "\">" +
               equation.expression + "</Equation>\n";
    }
    out += "\t</Equations>\n";
    out += "</Savorbridge_Nutrient_Tables>\n";
    return FileText::Encode(out);
}

} // namespace Nutrient
