#include "app/CommandTable.h"

#include "app/CommandIds.h"

#include <algorithm>
#include <string>

namespace {

using namespace CommandId;
using Entry = CommandTable::MenuEntry;

constexpr std::string_view kKeySeparator = "  ";

Entry Item(int id) {
    return {Entry::Kind::Command, id, {}, {}};
}

Entry Separator() {
    return {};
}

Entry Submenu(std::string_view title, std::vector<Entry> items) {
    return {Entry::Kind::Submenu, 0, title, std::move(items)};
}

const std::vector<CommandTable::Command> kCommands = {
    {kNew, "New...  Ctrl+N", "actionNew"},
    {kOpen, "&Open...  Ctrl+O", "actionOpen"},
    {kSave, "&Save...  Ctrl+S", "actionSave"},
    {kSaveAs, "Save &As...", "actionSaveAs"},
    {kImport, "&Import...  Ctrl+I", "actionImport"},
    {kExport, "&Export...  Ctrl+E", "actionExport"},
    {kPocketPcExportBook, "Recipe &Book", "actionPocketPcExportBook"},
    {kPocketPcExportMenus, "&Menu Planning", "actionPocketPcExportMenus"},
    {kPocketPcExportShoppingList, "&Shopping List", "actionPocketPcExportShoppingList"},
    {kPocketPcExportInventory, "&Inventory", "actionPocketPcExportInventory"},
    {kPalmExportBook, "Recipe &Book", "actionPalmExportBook"},
    {kPalmExportMenus, "&Menu Planning", "actionPalmExportMenus"},
    {kPalmExportShoppingList, "&Shopping List", "actionPalmExportShoppingList"},
    {kPalmExportInventory, "&Inventory", "actionPalmExportInventory"},
    {kPrint, "&Print...  Ctrl+P", "actionPrint"},
    {kPrintPreview, "Print Pre&view", "actionPrintPreview"},
    {kPrintSetup, "P&rint Setup...", "actionPrintSetup"},
    {kExit, "E&xit", "actionExit"},
    {kCopy, "&Copy  Ctrl+C", "actionCopy"},
    {kSelectAll, "Select A&ll  Ctrl+A", "actionSelectAll"},
    {kFind, "&Find...  Ctrl+F", "actionFind"},
    {kFindNext, "F&ind Next  F3", "actionFindNext"},
    {kDelete, "&Delete  Ctrl+Del", "actionDelete"},
    {kProperties, "&Properties...  Alt+Enter", "actionProperties"},
    {kRename, "&Rename  F2", "actionRename"},
    {kViewItem, "&Item  Enter", "actionViewItem"},
    {kViewMenu, "&Menu  Ctrl+M", "actionViewMenu"},
    {kViewShoppingList, "Shopping &List  Ctrl+L", "actionViewShoppingList"},
    {kNutrientInformation, "&Nutrient Information", "actionNutrientInformation"},
    {kTabDisplay, "Main &Display", "actionTabDisplay"},
    {kTabInventory, "In&ventory", "actionTabInventory"},
    {kTabWeb, "Savorbridge on the &Web", "actionTabWeb"},
    {kNutrientDatabase, "N&utrient Database...", "actionNutrientDatabase"},
    {kComments, "&Comments", "actionComments"},
    {kStatusBar, "&Status Bar", "actionStatusBar"},
    {kToolbarMain, "&Savorbridge", "actionToolbarMain"},
    {kToolbarTools, "&Tools", "actionToolbarTools"},
    {kToolbarHelp, "&Help", "actionToolbarHelp"},
    {kNewRecipe, "&Recipe...  F10", "actionNewRecipe"},
    {kNewChapter, "&Chapter...  F11", "actionNewChapter"},
    {kNewBook, "&Book...  F12", "actionNewBook"},
    {kNewMenu, "&Menu...  F9", "actionNewMenu"},
    {kNewShoppingListItem, "&Shopping List Item  F8", "actionNewShoppingListItem"},
    {kNewInventoryItem, "&Inventory Item  F7", "actionNewInventoryItem"},
    {kWhatCanIMake, "&What Can I Make?", "actionWhatCanIMake"},
    {kAddToFavorites, "Add Recipe to &Favorites", "actionAddToFavorites"},
    {kAddRecipeToShoppingList, "Add &Recipe to Shopping List", "actionAddRecipeToShoppingList"},
    {kAddMenuToShoppingList, "Add &Menu to Shopping List", "actionAddMenuToShoppingList"},
    {kAddInventoryToShoppingList, "Add &Inventory to Shopping List...", "actionAddInventoryToShoppingList"},
    {kSortItems, "&Sort Items", "actionSortItems"},
    {kUnitConversions, "&Unit Conversions...", "actionUnitConversions"},
    {kTimer, "&Timer...", "actionTimer"},
    {kOptions, "&Options...  F4", "actionOptions"},
    {kHelpTopics, "&Help Topics  F1", "actionHelpTopics"},
    {kHelpAbbreviations, "A&bbreviations", "actionHelpAbbreviations"},
    {kHelpUnitsPerPound, "&Units per Pound", "actionHelpUnitsPerPound"},
    {kHelpSeasonings, "S&easonings", "actionHelpSeasonings"},
    {kHelpSubstitutions, "&Substitutions", "actionHelpSubstitutions"},
    {kInstallPocketPc, "Install Savorbridge to Poc&ketPC", "actionInstallPocketPc"},
    {kInstallPalm, "Install Savorbridge to Pa&lm", "actionInstallPalm"},
    {kAbout, "&About Savorbridge...", "actionAbout"},
    // Only on the help toolbar or behind keys.
    {kHelpBack, "Help &Back", "actionHelpBack"},
    {kHelpForward, "Help &Forward", "actionHelpForward"},
    {kHelpFile, "Help &File", "actionHelpFile"},
    {kContextHelp, "&What's This?", "actionContextHelp"},
    {kHelp, "&Help", "actionHelp"},
    {kCut, "Cu&t", "actionCut"},
    {kWebStop, "&Stop", "actionWebStop"},
    {kWebRefresh, "&Refresh", "actionWebRefresh"},
    {kWebBack, "&Back", "actionWebBack"},
    {kWebForward, "&Forward", "actionWebForward"},
    {kNextPane, "&Next Pane", "actionNextPane"},
    {kPreviousPane, "&Previous Pane", "actionPreviousPane"},
};

std::vector<Entry> FileMenu() {
    return {
        Item(kNew),
        Item(kOpen),
        Item(kSave),
        Item(kSaveAs),
        Separator(),
        Item(kImport),
        Item(kExport),
        Submenu("Export to Poc&ket PC", {Item(kPocketPcExportBook), Item(kPocketPcExportMenus),
                                         Item(kPocketPcExportShoppingList), Item(kPocketPcExportInventory)}),
        Submenu("Export to &Palm", {Item(kPalmExportBook), Item(kPalmExportMenus), Item(kPalmExportShoppingList),
                                    Item(kPalmExportInventory)}),
        Separator(),
        Item(kPrint),
        Item(kPrintPreview),
        Item(kPrintSetup),
        Separator(),
        Item(kExit),
    };
}

std::vector<Entry> EditMenu() {
    return {
        Submenu("&New", {Item(kNewRecipe), Item(kNewChapter), Item(kNewBook), Item(kNewMenu),
                         Item(kNewShoppingListItem), Item(kNewInventoryItem)}),
        Separator(),
        Item(kCopy),
        Item(kSelectAll),
        Separator(),
        Item(kFind),
        Item(kFindNext),
        Separator(),
        Item(kDelete),
        Item(kRename),
        Item(kProperties),
    };
}

std::vector<Entry> ViewMenu() {
    return {
        Item(kViewItem),
        Item(kViewMenu),
        Item(kViewShoppingList),
        Separator(),
        Item(kNutrientInformation),
        Item(kNutrientDatabase),
        Separator(),
        Item(kTabDisplay),
        Item(kTabInventory),
        Item(kTabWeb),
        Separator(),
        Item(kComments),
        Submenu("&Toolbars", {Item(kToolbarMain), Item(kToolbarTools), Item(kToolbarHelp)}),
        Item(kStatusBar),
    };
}

std::vector<Entry> ToolsMenu() {
    return {
        Item(kWhatCanIMake),
        Separator(),
        Item(kAddToFavorites),
        Item(kAddRecipeToShoppingList),
        Item(kAddMenuToShoppingList),
        Item(kAddInventoryToShoppingList),
        Item(kSortItems),
        Separator(),
        Item(kUnitConversions),
        Item(kTimer),
        Separator(),
        Item(kOptions),
    };
}

std::vector<Entry> HelpMenu() {
    return {
        Item(kHelpTopics),
        Separator(),
        Item(kHelpAbbreviations),
        Item(kHelpUnitsPerPound),
        Item(kHelpSeasonings),
        Item(kHelpSubstitutions),
        Separator(),
        Item(kInstallPocketPc),
        Item(kInstallPalm),
        Separator(),
        Item(kAbout),
    };
}

} // namespace

const std::vector<CommandTable::Command>& CommandTable::Commands() {
    return kCommands;
}

const CommandTable::Command* CommandTable::Find(int id) {
    const auto found = std::find_if(kCommands.begin(), kCommands.end(), [id](const Command& c) { return c.id == id; });
    return found != kCommands.end() ? &*found : nullptr;
}

const std::vector<CommandTable::MenuEntry>& CommandTable::MenuBar() {
    static const std::vector<MenuEntry> menus = {
        Submenu("&File", FileMenu()),   Submenu("&Edit", EditMenu()), Submenu("&View", ViewMenu()),
        Submenu("&Tools", ToolsMenu()), Submenu("&Help", HelpMenu()),
    };
    return menus;
}

const std::vector<CommandTable::Accelerator>& CommandTable::Accelerators() {
    static const std::vector<Accelerator> keys = {
        {kNew, "Ctrl+N"},
        {kOpen, "Ctrl+O"},
        {kSave, "Ctrl+S"},
        {kImport, "Ctrl+I"},
        {kExport, "Ctrl+E"},
        {kPrint, "Ctrl+P"},
        {kCopy, "Ctrl+C"},
        {kCopy, "Ctrl+Ins"},
        // The menu shows Ctrl+A for Select All, so the key works wherever the focus is.
        {kSelectAll, "Ctrl+A"},
        {kFind, "Ctrl+F"},
        {kFindNext, "F3"},
        {kDelete, "Ctrl+Del"},
        {kProperties, "Alt+Return"},
        {kRename, "F2"},
        {kViewItem, "Return", KeyReach::NavigationPane},
        {kViewItem, "Enter", KeyReach::NavigationPane},
        {kViewMenu, "Ctrl+M"},
        {kViewShoppingList, "Ctrl+L"},
        {kNewRecipe, "F10"},
        {kNewChapter, "F11"},
        {kNewBook, "F12"},
        {kNewMenu, "F9"},
        {kNewShoppingListItem, "F8"},
        {kNewInventoryItem, "F7"},
        {kOptions, "F4"},
        {kWebStop, "Esc"},
        {kWebRefresh, "F5"},
        {kWebBack, "Alt+Left"},
        {kWebForward, "Alt+Right"},
        {kCut, "Shift+Del"},
        {kCut, "Ctrl+X"},
        {kHelp, "F1"},
        {kContextHelp, "Shift+F1"},
        {kNextPane, "F6"},
        {kPreviousPane, "Shift+F6"},
    };
    return keys;
}

const std::array<CommandTable::Toolbar, 3>& CommandTable::Toolbars() {
    static const std::array<Toolbar, 3> bars = {{
        {"Savorbridge",
         "toolbarMain",
         kToolbarMain,
         {kOpen, kSave, kSeparator, kPrintPreview, kSeparator, kCopy, kDelete, kSeparator, kProperties, kViewItem,
          kNutrientInformation, kNutrientDatabase, kSeparator, kNewRecipe, kNewChapter, kNewBook, kNewMenu,
          kNewShoppingListItem}},
        {"Tools",
         "toolbarTools",
         kToolbarTools,
         {kWhatCanIMake, kUnitConversions, kTimer, kSeparator, kAddRecipeToShoppingList, kAddMenuToShoppingList,
          kAddInventoryToShoppingList}},
        {"Help",
         "toolbarHelp",
         kToolbarHelp,
         {kHelpBack, kHelpForward, kSeparator, kHelpTopics, kHelpFile, kSeparator, kContextHelp}},
    }};
    return bars;
}

std::string_view CommandTable::Label(std::string_view menuText) {
    return menuText.substr(0, menuText.find(kKeySeparator));
}

std::string_view CommandTable::KeyText(std::string_view menuText) {
    const std::size_t split = menuText.find(kKeySeparator);
    return split == std::string_view::npos ? std::string_view{} : menuText.substr(split + kKeySeparator.size());
}

std::string CommandTable::ToolTip(std::string_view menuText) {
    std::string tip;
    for (const char c : Label(menuText)) {
        if (c != '&') {
            tip += c;
        }
    }
    while (!tip.empty() && tip.back() == '.') {
        tip.pop_back();
    }
    return tip;
}
