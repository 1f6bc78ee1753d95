#pragma once

#include <array>
#include <string_view>
#include <vector>

// Everything the main window needs to build its menus, toolbars and keys:
// the text of each command, the menu bar's layout, the accelerators and the
// buttons of the three toolbars. The window routes every command by its id.
class CommandTable {
public:
    struct Command {
        int id = 0;
        // The menu text; two spaces separate the label from the keys shown beside it.
        std::string_view text;
        // The name the window gives the command's action, so it can be found.
        std::string_view name;
    };

    struct MenuEntry {
        enum class Kind { Command, Separator, Submenu };
        Kind kind = Kind::Separator;
        int id = 0;
        std::string_view title;
        std::vector<MenuEntry> items;
    };

    // Where a key works: in the whole window, or only while the navigation
    // pane has the focus, so that Enter still ends an edit on a page.
    enum class KeyReach { Window, NavigationPane };

    struct Accelerator {
        int id = 0;
        // Portable key text ("Ctrl+Ins", "Alt+Return").
        std::string_view keys;
        KeyReach reach = KeyReach::Window;
    };

    static constexpr int kSeparator = 0;

    struct Toolbar {
        std::string_view title;
        std::string_view name;
        int toggleId = 0;
        // Command ids in order; kSeparator between groups.
        std::vector<int> buttons;
    };

    static const std::vector<Command>& Commands();
    // The command of the id; nullptr for an id the table does not know.
    static const Command* Find(int id);
    static const std::vector<MenuEntry>& MenuBar();
    static const std::vector<Accelerator>& Accelerators();
    static const std::array<Toolbar, 3>& Toolbars();

    // "&Open...  Ctrl+O" -> "&Open..." and "Ctrl+O".
    static std::string_view Label(std::string_view menuText);
    static std::string_view KeyText(std::string_view menuText);
    // The label as a button tip: no mnemonic ampersand, no trailing dots.
    static std::string ToolTip(std::string_view menuText);
};
