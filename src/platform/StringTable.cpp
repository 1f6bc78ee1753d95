#include "platform/StringTable.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// In id order for reading; sorted again on first use so a misplaced entry cannot hide.
const std::array kStrings = std::to_array<std::pair<int, const char*>>({
    {2, "Click to cancel the changes and close the dialog."},
    {9, "Click to open the help file for this dialog."},
    {100, "OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
    {128, "Savorbridge\n\nRecipe\nRecipe Files (*.rcp)\n.rcp\nSavorbridge.Document\nRecipe Book"},
    {200, "Millimeter"},
    {201, "mm"},
    {202, "Centimeter"},
    {203, "cm"},
    {204, "Meter"},
    {205, "m"},
    {206, "Kilometer"},
    {207, "km"},
    {208, "Inch"},
    {209, "in"},
    {210, "Foot"},
    {211, "ft"},
    {212, "Mile"},
    {213, "mi."},
    {214, "Square Millimeter"},
    {215, "mm^2"},
    {216, "Square Centimeter"},
    {217, "cm^2"},
    {218, "Square Meter"},
    {219, "m^2"},
    {220, "Square Inch"},
    {221, "in^2"},
    {222, "Square Foot"},
    {223, "ft^2"},
    {224, "Cubic Millimeter"},
    {225, "mm^3"},
    {226, "Cubic Centimeter"},
    {227, "cm^3"},
    {228, "Cubic Meter"},
    {229, "m^3"},
    {230, "Cubic Inch"},
    {231, "in^3"},
    {232, "Cubic Foot"},
    {233, "ft^3"},
    {234, "Teaspoon"},
    {235, "t"},
    {236, "Tablespoon"},
    {237, "T"},
    {238, "Cup"},
    {239, "C"},
    {240, "Pint"},
    {241, "pt"},
    {242, "Quart"},
    {243, "qt"},
    {244, "Gallon"},
    {245, "gal."},
    {246, "Milliliter"},
    {247, "ml"},
    {248, "Liter"},
    {249, "l"},
    {250, "Milligram"},
    {251, "mg"},
    {252, "Gram"},
    {253, "g"},
    {254, "Kilogram"},
    {255, "kg"},
    {256, "Ounce"},
    {257, "oz"},
    {258, "Pound"},
    {259, "lb"},
    {260, "Celsius"},
    {261, "°C"},
    {262, "Fahrenheit"},
    {263, "°F"},
    {264, "Kelvin"},
    {265, "K"},
    {266, "Rankine"},
    {267, "°R"},
    {273, "The file '%s' could not be read.\nIt is not a valid Savorbridge file."},
    {284,
     "Searching recipes\nBuilding table of contents\nExporting recipes\nImporting recipes\nWriting recipes\nReading "
     "recipes\nBuilding contents\nProcessing recipes\nResolving menu links..."},
    {285, "Chapter"},
    {286, "Length\nArea\nVolume\nWeight\nTemperature"},
    {287, "An error was encountered while opening the following recipe book.\n\n  %s\n  %s\n\nAs much data as "
          "possible was recovered. "},
    {291, "Fluid Ounce"},
    {292, "fl.oz"},
    {293, "Microgram"},
    {294, "µg"},
    {511, "Please open or create a recipe book before adding a chapter."},
    {512, "Please open or create a recipe book before adding a recipe."},
    {514, ".rcp"},
    {515, "Recipe Book (.rcp)|*.rcp||"},
    {517, "Recipe Text Files (.txt, .mxp, .mmf, .csv)|*.txt;*.mxp;*.mmf;*.csv||"},
    {519, "A recipe book with that filename already exists. \nPlease select a different file."},
    {520, "Check the books to save..."},
    {522, "One or more recipe books need to be saved.\nDo you want to save them before exiting?"},
    {501, "Add Recipe Book"},
    {502, "Modify Recipe Book"},
    {503, "Add Chapter"},
    {504, "Modify Chapter"},
    {505, "Add Recipe"},
    {506, "Modify Recipe"},
    {508, "Please enter a title.\n"},
    {509, "Please enter a filename to store the recipe book.\n"},
    {510, "The name of the recipe book is not unique.\n"},
    {513, "<none>"},
    {534, ".bmp"},
    {535, "Image Files (.bmp .jpg .gif .png)|*.bmp;*.jpg;*.gif;*.png|All Files|*.*||"},
    {538, "Title\nIngredients\nInstructions\nComments\nSearch Keywords\nCustom Icon\nAdd Pictures"},
    {539, "Palm Database (.pdb)|*.pdb||"},
    {540, "Breakfast\nLunch\nDinner"},
    {551, "Move up\nMove down\nAdd ingredient\nDelete ingredient\nLink Nutrient Database\nUnits"},
    {552, "Amount\nUnit\nDescription"},
    {553, "[Click here to add item]"},
    {554, "Create a new Recipe Book"},
    {555, "Create a new chapter"},
    {556, "Browse for a file"},
    {560, "General\nFood\nDrinks\nHolidays\nPlants"},
    {561, "Menu"},
    {562, "Shopping List"},
    {563, "Add bitmap\nDelete bitmap\nEdit Image"},
    {569, "#\nItem\nAisle\nCost\nStore"},
    {570, "Contents\nIndex\nMenu\nFavorties\nSearch\nShopping List"},
    {571, "For news, updates and new recipe books, visit Savorbridge on the Web."},
    {573, "Book\nOpen Book\nChapter\nSelected Chapter\nRecipe\nSelected Recipe\nMenu\nSelected Menu\nCalendar\n"
          "Selected Calendar\nMeal\nSelected Meal\nIngredient\nIngredients\nClosed\nOpen\nNot Found\nFavorites"},
    {574, "Apple\nPear\nOrange\nLemon\nBanana\nWatermelon\nGrapes\nStrawberry\nBlueberries\nMelon\nCherries\nPeach\n"
          "Mango\nPineapple\nCoconut\nKiwi\nTomato\nOlive\nAvocado\nEggplant\nPotato\nCarrot\nCorn\nPepper\n"
          "Cucumber\nLettuce\nBroccoli\nGarlic\nOnion\nMushroom\nNuts\nBread\nPancakes\nCheese\nMeat\nPoultry\n"
          "Fish\nSeafood\nEggs\nSandwich\nPizza\nMexican\nSalad\nSoup\nPasta\nRice\nAsian\nCake\nCookies\n"
          "Ice Cream\nChocolate\nHoney"},
    {575, "Milk\nCoffee\nTea\nSake\nChampagne\nWine\nCocktail\nBeer\nWhisky\nSoda\nBubble Tea\nJuice\nIce\nWater\n"
          "Hot Chocolate\nLemonade\nCider\nSmoothie\nEggnog"},
    {576, "Christmas\nHalloween\nThanksgiving\nEaster\nNew Year\nParty\nBirthday\nValentine's Day\n"
          "St. Patrick's Day\nHanukkah\nIndependence Day\nLunar New Year\nWedding\nGraduation\nPicnic\nBarbecue\n"
          "Gift\nBaby Shower"},
    {577, "Seedling\nHerb\nClover\nCactus\nPalm\nTree\nGrain\nSunflower\nFlower\nRose\nTulip\nBouquet\nLeaves\n"
          "Potted Plant\nMushroom\nChestnut\nPeanut\nChili\nGarlic\nGreens\nBamboo"},
    {581, "Padded w/ spaces (fixed-width font)\nSeparated with tabs (any font)\nAligned in columns (best for export)"},
    {583, "The 'Savorbridge.prc' Palm application could not be found.\n Please find and install it manually or "
          "re-install Savorbridge. \nLook in the Palm subfolder of the Savorbridge installation location."},
    {584,
     "The 'setup.exe' PocketPC install program could not be found.\n Please find and run it manually or re-install "
     "Savorbridge.\nLook in the Palm subfolder of the Savorbridge installation location."},
    {585, "Paste"},
    {609, "Bold"},
    {610, "Italics"},
    {20000, "No quick help is available for this item. Click the Help button for more information."},
});

} // namespace

const std::string& StringTable::Get(int id) {
    static const std::string empty;
    static const auto texts = [] {
        std::vector<std::pair<int, std::string>> all(kStrings.begin(), kStrings.end());
        std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        return all;
    }();
    const auto found = std::lower_bound(texts.begin(), texts.end(), id,
                                        [](const auto& entry, int wanted) { return entry.first < wanted; });
    return found != texts.end() && found->first == id ? found->second : empty;
}

std::vector<std::string> StringTable::List(int id) {
    std::vector<std::string> labels;
    const std::string& text = Get(id);
    std::size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        const std::size_t end = text.find('\n', start);
        labels.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return labels;
}
