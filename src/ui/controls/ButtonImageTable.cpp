#include "ui/controls/ButtonImageTable.h"

#include <initializer_list>

namespace {

void RegisterRow(ButtonImageTable& table, std::initializer_list<const char*> names, int bitmap, int second) {
    int index = 0;
    for (const char* name : names) {
        table.Register(name, bitmap, index++, second);
    }
}

} // namespace

ButtonImageTable& ButtonImageTable::Global() {
    // The program's table: the common buttons and the program's own, there
    // from the first button on.
    static ButtonImageTable table = [] {
        ButtonImageTable programTable;
        programTable.RegisterProgramButtons();
        return programTable;
    }();
    return table;
}

ButtonImageTable::ButtonImageTable() {
    RegisterRow(*this,
                {"MOVEDOWN", "MOVEUP", "MOVELEFT", "MOVERIGHT", "PREV", "NEXT", "NEW", "DELETE", "COPY", "PASTE",
                 "POPUP", "BROWSE", "OK", "BOLD", "ITALIC", "PROPERTIES", "WHATMAKE"},
                kCommonBitmap, 0);
}

void ButtonImageTable::Register(const std::string& keyword, int bitmap, int index, int secondBitmap) {
    m_entries[keyword] = {bitmap, index, secondBitmap};
}

void ButtonImageTable::RegisterProgramButtons() {
    RegisterRow(*this, {"SHOWHIDE", "LOCATE", "INFO", "INV_ADD", "INV_USE", "INV_ADD_SL", "NEW_MEAL"}, 675, 683);
    RegisterRow(*this, {"WIZ_RECIPE", "WIZ_SHOP", "WIZ_MENU", "WIZ_INV", "WIZ_TEXT", "WIZ_WEB", "WIZ_PALM", "WIZ_PPC"},
                643, 682);
    RegisterRow(*this, {"FMT_WORD", "FMT_RTF", "FMT_TEXT"}, 645, 0);
}

std::optional<ButtonImageTable::Entry> ButtonImageTable::Find(const std::string& keyword) const {
    const auto found = m_entries.find(keyword);
    if (found == m_entries.end()) {
        return std::nullopt;
    }
    return found->second;
}
