#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Writes book files in the layouts of earlier versions (class schemas 100 to
// 390), field by field, so that the reader's version branches meet the bytes
// those versions wrote.
struct OldRecipe {
    std::string title;
    std::uint32_t id = 0;
    std::vector<std::string> descriptions;
    bool favourite = false;
};

struct OldChapter {
    std::string title;
    std::uint32_t id = 0;
    std::vector<OldRecipe> recipes;
};

struct OldBook {
    std::string title = "Old Book";
    std::uint32_t id = 0x3A000000;
    std::uint32_t idCounter = 0;
    std::vector<OldRecipe> recipes;
    std::vector<OldChapter> chapters;
    // Written as references in the favourites list, by top-level position.
    std::vector<std::size_t> favouriteRecipes;
};

std::string WriteOldBook(const OldBook& book, int fileVersion);
