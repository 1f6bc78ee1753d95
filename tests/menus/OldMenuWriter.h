#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Writes menu files in the layouts of earlier versions, field by field, so
// that the reader's schema branches meet the bytes those versions wrote.
struct OldMenuItem {
    std::int32_t kind = 2;
    std::int32_t count = 1;
    std::uint32_t recipeId = 0;
    std::uint32_t bookId = 0;
    std::string text;
};

struct OldMenu {
    std::array<std::int32_t, 4> rule{}; // day, weekday, month, year
    std::int32_t id = 0;
    std::vector<std::string> missingBooks;
    // Schema 300 to 399: the items of the three meals.
    std::array<std::vector<OldMenuItem>, 3> items;
    // Before 300: (book title, recipe title) pairs, unlinked and simple item texts.
    std::array<std::vector<std::pair<std::string, std::string>>, 3> pairs;
    std::array<std::vector<std::string>, 3> unlinked;
    std::array<std::vector<std::string>, 3> simple;
};

struct OldMenuFile {
    std::uint32_t current = 0;
    std::uint32_t synchronised = 0;
    std::int32_t lastMenuId = 0;
    std::vector<OldMenu> menus;
};

// The menus are written with the class schema equal to the file version.
std::string WriteOldMenuFile(const OldMenuFile& file, int fileVersion);
