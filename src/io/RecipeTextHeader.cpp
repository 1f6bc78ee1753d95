#include "io/RecipeTextHeader.h"

namespace {

// Tested directly: the library's find_first_not_of calls memchr once for
// every character it passes, and every line of a file goes through here.
bool IsBlankChar(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

constexpr std::string_view kNowYoureCooking = "Now You're Cooking!";

bool Contains(std::string_view line, std::string_view word) {
    return line.find(word) != std::string_view::npos;
}

// Both header styles open with five M characters or a run of hyphens; text
// that merely mentions the program does not.
bool IsMealMasterBanner(std::string_view line) {
    return (line.starts_with("MMMMM") || line.starts_with("-----")) &&
           (Contains(line, "Meal-Master (tm)") || Contains(line, "Meal-Master Export"));
}

// "*  Exported from  MasterCook  *", indented with spaces. The program's own
// text starts its paragraphs with a tab, so a paragraph quoting the banner is
// not taken for one.
bool IsMasterCookBanner(std::string_view line) {
    const auto star = line.find_first_not_of(' ');
    if (star == std::string_view::npos || line[star] != '*') {
        return false;
    }
    const auto from = line.find("Exported from", star);
    return from != std::string_view::npos && line.find("MasterCook", from) != std::string_view::npos;
}

} // namespace

std::string_view RecipeTextHeader::Trimmed(std::string_view line) {
    std::size_t first = 0;
    while (first < line.size() && IsBlankChar(line[first])) {
        ++first;
    }
    std::size_t end = line.size();
    while (end > first && IsBlankChar(line[end - 1])) {
        --end;
    }
    return line.substr(first, end - first);
}

bool RecipeTextHeader::IsBlank(std::string_view line) {
    for (const char c : line) {
        if (!IsBlankChar(c)) {
            return false;
        }
    }
    return true;
}

// Meal-Master is tested first: Now You're Cooking! writes Meal-Master text
// under a banner that names both programs.
std::optional<RecipeTextFormat> RecipeTextHeader::Detect(std::string_view line) {
    if (line.empty()) {
        return std::nullopt;
    }
    if (IsMealMasterBanner(line)) {
        return RecipeTextFormat::MealMaster;
    }
    if (line.starts_with("@@@@@")) {
        return RecipeTextFormat::NowYoureCooking;
    }
    if (IsMasterCookBanner(line)) {
        return RecipeTextFormat::MasterCook;
    }
    if (Trimmed(line) == "RECIPE") {
        return RecipeTextFormat::Own;
    }
    return std::nullopt;
}

bool RecipeTextHeader::IsMealMasterEnd(std::string_view line) {
    const std::string_view trimmed = Trimmed(line);
    return trimmed == "MMMMM" || trimmed == "-----";
}

bool RecipeTextHeader::IsMealMasterSection(std::string_view line) {
    if (!line.starts_with("MMMMM") && !line.starts_with("-----")) {
        return false;
    }
    const std::string_view trimmed = Trimmed(line);
    return trimmed.find_first_not_of("M-") != std::string_view::npos && !IsMealMasterBanner(line);
}

bool RecipeTextHeader::IsMasterCookEnd(std::string_view line) {
    return Trimmed(line).starts_with("- - - -");
}

bool RecipeTextHeader::IsNowYoureCookingEnd(std::string_view line) {
    return Contains(line, kNowYoureCooking) && !line.starts_with("@@@@@") && !IsMealMasterBanner(line);
}
