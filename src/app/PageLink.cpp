#include "app/PageLink.h"

#include "model/CRecipeBook.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace {

std::optional<std::uint32_t> ReadHex(const std::string& text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && end - from < 8 && std::isxdigit(static_cast<unsigned char>(text[end])) != 0) {
        ++end;
    }
    if (end == from) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(std::stoul(text.substr(from, end - from), nullptr, 16));
}

bool Contains(const std::string& text, const char* key) {
    return text.find(key) != std::string::npos;
}

} // namespace

PageLink::Reference PageLink::FindReference(const std::string& url, const std::string& tag,
                                            const CSBDocBase::Books& books) {
    const std::size_t at = url.find(tag);
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t kindAt = at + tag.size();
    if (kindAt + 3 > url.size()) {
        return {true, nullptr};
    }
    return {true, FindObject(url.substr(kindAt, 3), url.substr(kindAt + 3), books)};
}

CRecipeObj* PageLink::FindObject(const std::string& kind, const std::string& rest, const CSBDocBase::Books& books) {
    const auto bookId = ReadHex(rest, 0);
    if (!bookId) {
        return nullptr;
    }
    const auto book = std::find_if(books.begin(), books.end(), [&](const auto& b) { return b->Id() == *bookId; });
    if (book == books.end()) {
        return nullptr;
    }
    if (kind == "Bok") {
        return book->get();
    }
    const std::size_t underscore = rest.find('_');
    const auto id = underscore == std::string::npos ? std::nullopt : ReadHex(rest, underscore + 1);
    if (!id) {
        return nullptr;
    }
    if (kind == "Chp") {
        return (*book)->FindChapter(*id);
    }
    return (*book)->FindRecipe(*id);
}

std::optional<PageLink::EditRequest> PageLink::ParseEdit(const std::string& url) {
    const std::size_t open = url.find('(');
    if (open == std::string::npos) {
        return std::nullopt;
    }
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    if (std::sscanf(url.c_str() + open + 1, "%d,%d,%d,%d", &x, &y, &w, &h) != 4) {
        return std::nullopt;
    }
    EditRequest edit;
    edit.left = x;
    edit.top = y;
    edit.width = w + 54;
    edit.height = h;
    if (const std::size_t ing = url.find("SBIng"); ing != std::string::npos) {
        edit.kind = EditKind::Ingredient;
        edit.ingredient = std::atoi(url.c_str() + ing + 5);
    } else if (Contains(url, "SBInfo")) {
        edit.kind = EditKind::Introduction;
    }
    SizeEditor(edit);
    return edit;
}

void PageLink::SizeEditor(EditRequest& edit) {
    if (edit.kind == EditKind::Introduction) {
        edit.width -= 25;
        edit.height = std::max(edit.height, 80);
    } else {
        edit.height = std::max(edit.height, 24);
    }
    if (edit.kind == EditKind::Title) {
        edit.width += 30;
    }
    edit.width = std::max(edit.width, 200);
}

std::string PageLink::ErrorText(const std::string& url) {
    static const std::array<const char*, 5> texts = {
        "A nutrient was not loaded. An equation likely refers to a nutrient that is not loaded from the database. "
        "Use the Options dialog to load the missing nutrient.",
        "A food item was not found. This is likely caused by an ingredient that is not linked to the database. Open "
        "the properties of the recipe and link all of the ingredients. Linked ingredients are shown in blue.",
        "An equation was not found. This is likely caused by an equation that refers to another equation which "
        "cannot be found because it is either missing or there is a typo. Use the Options dialog to inspect the "
        "equations.",
        "An equation could not be evaluated. Use the Options dialog to inspect the equations for correct syntax.",
        "A unit could not be matched. The unit of an ingredient could not be matched to the available units of the "
        "linked food item in the database. The default portion size of 100 grams will be used. Please enter units "
        "that match the units of the food item in the database.",
    };
    const std::size_t at = url.find("#ERR");
    if (at == std::string::npos || at + 4 >= url.size()) {
        return {};
    }
    const char which = url[at + 4];
    if (which < '1' || which > '5') {
        return {};
    }
    return texts[static_cast<std::size_t>(which - '1')];
}

std::string PageLink::DownloadTip(const std::string& targetBook, const std::string& targetChapter) {
    std::string tip = "Save this recipe on your computer";
    if (targetBook.empty()) {
        return tip + " in a new recipe book";
    }
    tip += " in '" + targetBook;
    if (!targetChapter.empty()) {
        tip += " | " + targetChapter;
    }
    return tip + "'.";
}

std::string PageLink::StatusTip(const std::string& proposed, const std::string& targetBook,
                                const std::string& targetChapter) {
    // A null tip marks the recipe downloads, whose tip names their target.
    static const std::array<std::pair<const char*, const char*>, 27> tips = {{
        {"#top", "Move to the top of the view."},
        {"#MOD", "Modify the properties of this item."},
        {"#FAV", "Add this recipe to the list of Favorites."},
        {"#ASL", "Add this recipe to the Shopping List."},
        {"#LNK", "Link the ingredients of this recipe to the USDA Nutrient Database..."},
        {"#MKT", "Find out if this recipe can be made with the items available in the inventory."},
        {"#ERR", "The calculations may be incomplete. Click for details."},
        {"#AMN", "Add this recipe to a Menu."},
        {"#SWAP_SERVING", "Click to display the nutrients on a per-serving basis."},
        {"#SWAP_RECIPE", "Click to display the nutrients for the entire recipe."},
        {"#Rec", "View this recipe."},
        {"#Chp", "View this chapter."},
        {"#Bok", "View this recipe book."},
        {"#Cat", "View this category of recipe books."},
        {"its:", "Show this help topic."},
        {"#FILE_OPEN", "Open a recipe book from your computer."},
        {"#CREATE", "Create a new recipe book and add recipes to it."},
        {"#SEARCH", "Search Savorbridge on the Web for recipes."},
        {"#NUTRIENTS", "Browse the USDA Nutrient Database."},
        {"#VIEW#", "Return to the Home page."},
        {"#NONE", ""},
        {"GO_BACK_", ""},
        {"GO_HOME", ""},
        {"javascript", ""},
        {"#WebDownloadR", nullptr},
        {"#WebDR", nullptr},
        {".rcp", "Save this book and all of its recipes to your computer"},
    }};
    for (const auto& [key, tip] : tips) {
        if (Contains(proposed, key)) {
            return tip != nullptr ? tip : DownloadTip(targetBook, targetChapter);
        }
    }
    return proposed;
}
