#include "app/CommandTable.h"

#include "app/CommandIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace {

using Entry = CommandTable::MenuEntry;

void ForEachCommand(const std::vector<Entry>& entries, const std::function<void(int)>& visit) {
    for (const auto& entry : entries) {
        if (entry.kind == Entry::Kind::Command) {
            visit(entry.id);
        } else if (entry.kind == Entry::Kind::Submenu) {
            ForEachCommand(entry.items, visit);
        }
    }
}

TEST(CommandTableTest, SplitsMenuTextIntoLabelKeysAndTip) {
    const struct {
        std::string_view text;
        std::string_view label;
        std::string_view keys;
        std::string tip;
    } cases[] = {
        {"&Open...  Ctrl+O", "&Open...", "Ctrl+O", "Open"},
        {"Save &As...", "Save &As...", "", "Save As"},
        {"&Properties...  Alt+Enter", "&Properties...", "Alt+Enter", "Properties"},
        {"&What Can I Make?", "&What Can I Make?", "", "What Can I Make?"},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CommandTable::Label(c.text), c.label) << c.text;
        EXPECT_EQ(CommandTable::KeyText(c.text), c.keys) << c.text;
        EXPECT_EQ(CommandTable::ToolTip(c.text), c.tip) << c.text;
    }
}

TEST(CommandTableTest, EveryCommandOnceWithTextAndName) {
    std::set<int> ids;
    std::set<std::string_view> names;
    for (const auto& command : CommandTable::Commands()) {
        EXPECT_TRUE(ids.insert(command.id).second) << command.id;
        EXPECT_TRUE(names.insert(command.name).second) << command.name;
        EXPECT_FALSE(command.text.empty()) << command.id;
    }
    EXPECT_EQ(CommandTable::Find(12345), nullptr);
}

TEST(CommandTableTest, MenusToolbarsAndKeysOnlyNameKnownCommands) {
    std::multiset<int> inMenus;
    ForEachCommand(CommandTable::MenuBar(), [&](int id) {
        EXPECT_NE(CommandTable::Find(id), nullptr) << id;
        inMenus.insert(id);
    });
    for (const int id : inMenus) {
        EXPECT_EQ(inMenus.count(id), 1U) << id;
    }
    for (const auto& key : CommandTable::Accelerators()) {
        EXPECT_NE(CommandTable::Find(key.id), nullptr) << key.id;
    }
    for (const auto& bar : CommandTable::Toolbars()) {
        EXPECT_TRUE(inMenus.contains(bar.toggleId)) << bar.title;
        for (const int id : bar.buttons) {
            EXPECT_TRUE(id == CommandTable::kSeparator || CommandTable::Find(id) != nullptr) << id;
        }
    }
}

TEST(CommandTableTest, KeysShownInTheMenuAreBound) {
    std::set<std::pair<int, std::string_view>> bound;
    for (const auto& key : CommandTable::Accelerators()) {
        bound.insert({key.id, key.keys});
    }
    // The menu spells a few keys the way people say them.
    const std::map<std::string_view, std::string_view> spelled = {
        {"Ctrl+Del", "Ctrl+Del"}, {"Alt+Enter", "Alt+Return"}, {"Enter", "Return"}};
    ForEachCommand(CommandTable::MenuBar(), [&](int id) {
        const auto keys = CommandTable::KeyText(CommandTable::Find(id)->text);
        if (keys.empty() || id == CommandId::kHelpTopics) {
            return;
        }
        const auto found = spelled.find(keys);
        EXPECT_TRUE(bound.contains({id, found != spelled.end() ? found->second : keys})) << id << " " << keys;
    });
}

TEST(CommandTableTest, MenuBarAndToolbarsInTheirOrder) {
    std::vector<std::string_view> titles;
    for (const auto& menu : CommandTable::MenuBar()) {
        titles.push_back(menu.title);
    }
    EXPECT_EQ(titles, (std::vector<std::string_view>{"&File", "&Edit", "&View", "&Tools", "&Help"}));
    EXPECT_EQ(CommandTable::Find(CommandId::kOpen)->text, "&Open...  Ctrl+O");
    EXPECT_EQ(CommandTable::Find(CommandId::kTabWeb)->text, "Savorbridge on the &Web");

    using namespace CommandId;
    constexpr int kSep = CommandTable::kSeparator;
    const auto& bars = CommandTable::Toolbars();
    EXPECT_EQ(bars[0].title, "Savorbridge");
    EXPECT_EQ(bars[0].buttons, (std::vector<int>{32808, 32803, kSep, 57609, kSep, 57634, 32775, kSep, 32776, 32791,
                                                 32810, 32913, kSep, 32772, 32773, 32774, 32818, 32853}));
    EXPECT_EQ(bars[1].title, "Tools");
    EXPECT_EQ(bars[1].buttons, (std::vector<int>{32819, 32786, 32798, kSep, 32854, 32855, 32888}));
    EXPECT_EQ(bars[2].title, "Help");
    EXPECT_EQ(bars[2].buttons, (std::vector<int>{32892, 32893, kSep, 57667, 32891, kSep, 57669}));
    EXPECT_EQ(bars[0].toggleId, kToolbarMain);
    EXPECT_EQ(bars[1].toggleId, kToolbarTools);
    EXPECT_EQ(bars[2].toggleId, kToolbarHelp);
}

} // namespace
