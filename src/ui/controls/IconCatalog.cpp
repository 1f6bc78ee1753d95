#include "ui/controls/IconCatalog.h"

#include "platform/StringTable.h"

#include <array>
#include <span>

namespace {

struct Picture {
    const char* glyph;
    int nameIndex;
};

// Food: names of string 574 by index.
constexpr auto kFood = std::to_array<Picture>({
    {"🍎", 0},     {"🍏", 0},     {"🥧", 0},  {"🍐", 1},     {"🍊", 2},     {"🍋", 3},     {"🍌", 4},     {"🍉", 5},
    {"🍇", 6},     {"🍓", 7},     {"🫐", 8},  {"🍈", 9},     {"🍒", 10},    {"🍑", 11},    {"🥭", 12}, {"🍍", 13},
    {"🥥", 14}, {"🥝", 15}, {"🍅", 16},    {"🫒", 17}, {"🥑", 18}, {"🍆", 19},    {"🥔", 20}, {"🥕", 21},
    {"🌽", 22},    {"🌶", 23}, {"🫑", 23}, {"🥒", 24}, {"🥬", 25}, {"🥦", 26}, {"🧄", 27}, {"🧅", 28},
    {"🍄", 29},    {"🥜", 30}, {"🌰", 30},    {"🍞", 31},    {"🥐", 31}, {"🥖", 31}, {"🥨", 31}, {"🥯", 31},
    {"🥞", 32}, {"🧇", 32}, {"🧀", 33}, {"🍖", 34},    {"🥩", 34}, {"🥓", 34}, {"🍗", 35},    {"🐟", 36},
    {"🍤", 37},    {"🦐", 37}, {"🦀", 37}, {"🦞", 37}, {"🦪", 37}, {"🦑", 37}, {"🥚", 38}, {"🍳", 38},
    {"🍔", 39},    {"🌭", 39}, {"🥪", 39}, {"🍕", 40},    {"🌮", 41}, {"🌯", 41}, {"🥗", 42}, {"🍲", 43},
    {"🥘", 43}, {"🥣", 43}, {"🍝", 44},    {"🍜", 44},    {"🍚", 45},    {"🍛", 45},    {"🍣", 46},    {"🥟", 46},
    {"🍰", 47},    {"🎂", 47},    {"🧁", 47}, {"🍪", 48},    {"🍩", 48},    {"🍨", 49},    {"🍫", 50},    {"🍯", 51},
});

// Drinks: names of string 575.
constexpr auto kDrinks = std::to_array<Picture>({
    {"🥛", 0}, {"☕", 1},  {"🍵", 2},     {"🫖", 2}, {"🍶", 3},    {"🍾", 4}, {"🥂", 4},  {"🍷", 5},
    {"🍸", 6},    {"🍹", 6},  {"🍺", 7},     {"🍻", 7},    {"🥃", 8}, {"🥤", 9}, {"🧋", 10}, {"🧃", 11},
    {"🧉", 2}, {"🍼", 0},  {"🧊", 12}, {"💧", 13},   {"🍫", 14},   {"🍋", 15},   {"🍊", 11},    {"🍏", 16},
    {"🍓", 17},   {"🍌", 17}, {"🥥", 13}, {"🍅", 11},   {"🍍", 11},   {"🍎", 16},   {"🥚", 18}, {"🍇", 11},
});

// Holidays: names of string 576.
constexpr auto kHolidays = std::to_array<Picture>({
    {"🎄", 0},  {"🎅", 0},  {"🎃", 1},     {"🦃", 2}, {"🐰", 3},    {"🐣", 3},     {"🎆", 4},
    {"🎉", 5},  {"🎂", 6},  {"💝", 7},     {"☘", 8},    {"🕎", 9}, {"🎇", 10},    {"🏮", 11},
    {"💍", 12}, {"🎓", 13}, {"🧺", 14}, {"🔥", 15},   {"🎁", 16},   {"🧸", 17},
});

// Plants: names of string 577.
constexpr auto kPlants = std::to_array<Picture>({
    {"🌱", 0},  {"🌿", 1},     {"☘", 2},     {"🍀", 2},     {"🌵", 3},     {"🌴", 4},     {"🌳", 5},
    {"🌲", 5},  {"🌾", 6},     {"🌻", 7},     {"🌼", 8},     {"🌸", 8},     {"🌺", 8},     {"🌹", 9},
    {"🌷", 10}, {"💐", 11},    {"🍁", 12},    {"🍂", 12},    {"🍃", 12},    {"🪴", 13}, {"🍄", 14},
    {"🌰", 15}, {"🥜", 16}, {"🌶", 17}, {"🧄", 18}, {"🥬", 19}, {"🥀", 8},  {"🎋", 20},
});

constexpr int kGeneralCount = 18;
constexpr std::array kBases = {0, 100, 200, 300, 400};
constexpr std::array kNameLists = {573, 574, 575, 576, 577};

std::span<const Picture> Pictures(IconCatalog::Category category) {
    switch (category) {
    case IconCatalog::Food:
        return kFood;
    case IconCatalog::Drinks:
        return kDrinks;
    case IconCatalog::Holidays:
        return kHolidays;
    case IconCatalog::Plants:
        return kPlants;
    default:
        return {};
    }
}

} // namespace

int IconCatalog::Count(Category category) {
    return category == General ? kGeneralCount : static_cast<int>(Pictures(category).size());
}

int IconCatalog::Base(Category category) {
    return kBases.at(static_cast<std::size_t>(category));
}

int IconCatalog::NameListId(Category category) {
    return kNameLists.at(static_cast<std::size_t>(category));
}

IconCatalog::Category IconCatalog::CategoryOf(int id) {
    for (int c = 0; c < CategoryCount; ++c) {
        const auto category = static_cast<Category>(c);
        if (id >= Base(category) && id < Base(category) + Count(category)) {
            return category;
        }
    }
    return CategoryCount;
}

int IconCatalog::ImageIndex(int id) {
    const Category category = CategoryOf(id);
    if (category == CategoryCount) {
        return -1;
    }
    int index = id - Base(category);
    for (int c = 0; c < category; ++c) {
        index += Count(static_cast<Category>(c));
    }
    return index;
}

std::string IconCatalog::Name(int id) {
    const Category category = CategoryOf(id);
    if (category == CategoryCount) {
        return {};
    }
    const int position = id - Base(category);
    const int nameIndex =
        category == General ? position : Pictures(category)[static_cast<std::size_t>(position)].nameIndex;
    const auto names = StringTable::List(NameListId(category));
    return nameIndex < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(nameIndex)] : std::string();
}

std::string IconCatalog::Glyph(int id) {
    const Category category = CategoryOf(id);
    if (category == CategoryCount || category == General) {
        return {};
    }
    return Pictures(category)[static_cast<std::size_t>(id - Base(category))].glyph;
}

int IconCatalog::SelectedId(int id) {
    return id == Book || id == Chapter || id == Recipe ? id + 1 : id;
}
