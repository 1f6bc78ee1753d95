#pragma once

#include <map>
#include <optional>
#include <string>

// Which button captions are really picture names: a push button whose caption
// is a registered keyword shows that picture instead of the text. The common
// button pictures are always there; the program adds its own at start-up.
class ButtonImageTable {
public:
    static constexpr int kCommonBitmap = 0;

    struct Entry {
        int bitmap = kCommonBitmap;
        int index = 0;
        int secondBitmap = 0;
        bool operator==(const Entry&) const = default;
    };

    static ButtonImageTable& Global();

    ButtonImageTable();

    void Register(const std::string& keyword, int bitmap, int index, int secondBitmap);
    // The named buttons of the program's own dialogs: inventory, wizards and
    // export formats.
    void RegisterProgramButtons();
    std::optional<Entry> Find(const std::string& keyword) const;
    const std::map<std::string, Entry>& Entries() const { return m_entries; }

private:
    std::map<std::string, Entry> m_entries;
};
