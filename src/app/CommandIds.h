#pragma once

// The ids of the program's commands. Menus, toolbars, accelerators, context
// menus and page links all name a command by its id, and the main window
// routes every id to the part that handles it.
namespace CommandId {

// File
inline constexpr int kNew = 32821;
inline constexpr int kOpen = 32808;
inline constexpr int kSave = 32803;
inline constexpr int kSaveAs = 32804;
inline constexpr int kImport = 32784;
inline constexpr int kExport = 32785;
inline constexpr int kPocketPcExportBook = 32871;
inline constexpr int kPocketPcExportMenus = 32872;
inline constexpr int kPocketPcExportShoppingList = 32873;
inline constexpr int kPocketPcExportInventory = 32912;
inline constexpr int kPalmExportBook = 32857;
inline constexpr int kPalmExportMenus = 32858;
inline constexpr int kPalmExportShoppingList = 32859;
inline constexpr int kPalmExportInventory = 32911;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kExit = 57665;

// Edit
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kSelectAll = 57642;
inline constexpr int kFind = 57636;
inline constexpr int kFindNext = 57640;
inline constexpr int kDelete = 32775;
inline constexpr int kProperties = 32776;
inline constexpr int kRename = 32825;

// View
inline constexpr int kViewItem = 32791;
inline constexpr int kViewMenu = 32811;
inline constexpr int kViewShoppingList = 32861;
inline constexpr int kNutrientInformation = 32810;
inline constexpr int kTabDisplay = 32886;
inline constexpr int kTabInventory = 32887;
inline constexpr int kTabWeb = 32899;
inline constexpr int kNutrientDatabase = 32913;
inline constexpr int kComments = 32771;
inline constexpr int kStatusBar = 59393;
inline constexpr int kToolbarMain = 32805;
inline constexpr int kToolbarTools = 32806;
inline constexpr int kToolbarHelp = 32902;
inline constexpr int kHome = 32851;

// New
inline constexpr int kNewRecipe = 32772;
inline constexpr int kNewChapter = 32773;
inline constexpr int kNewBook = 32774;
inline constexpr int kNewMenu = 32818;
inline constexpr int kNewShoppingListItem = 32853;
inline constexpr int kNewInventoryItem = 32890;

// Tools
inline constexpr int kWhatCanIMake = 32819;
inline constexpr int kAddToFavorites = 32797;
inline constexpr int kAddRecipeToShoppingList = 32854;
inline constexpr int kAddMenuToShoppingList = 32855;
inline constexpr int kAddInventoryToShoppingList = 32888;
inline constexpr int kSortItems = 32869;
inline constexpr int kUnitConversions = 32786;
inline constexpr int kTimer = 32798;
inline constexpr int kOptions = 32747;

// Help
inline constexpr int kHelpTopics = 57667;
inline constexpr int kHelpAbbreviations = 32812;
inline constexpr int kHelpUnitsPerPound = 32817;
inline constexpr int kHelpSeasonings = 32814;
inline constexpr int kHelpSubstitutions = 32815;
inline constexpr int kHelpFile = 32891;
inline constexpr int kHelpBack = 32892;
inline constexpr int kHelpForward = 32893;
inline constexpr int kHelpContents = 32894;
inline constexpr int kInstallPocketPc = 32878;
inline constexpr int kInstallPalm = 32877;
inline constexpr int kAbout = 57664;
inline constexpr int kHelp = 57670;
inline constexpr int kContextHelp = 57669;

// Web view keys
inline constexpr int kWebStop = 32900;
inline constexpr int kWebRefresh = 32901;
inline constexpr int kWebBack = 32896;
inline constexpr int kWebForward = 32897;

// Panes
inline constexpr int kNextPane = 57680;
inline constexpr int kPreviousPane = 57681;

} // namespace CommandId
