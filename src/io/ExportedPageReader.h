#pragma once

#include <string>
#include <string_view>

class CRecipe;

// Reads a recipe back from a page of the program's own HTML export through
// the comment markers the page renderer leaves in it: "<!--T-->" before the
// title, "<!--I1-->", "<!--I2-->", "<!--I3-->" before each ingredient's
// amount, unit and description, "<!--I-->" before the instructions and
// "<!--C-->" before the comments.
class ExportedPageReader {
public:
    // False, with the recipe possibly half filled, when the page has no title
    // marker or yields neither ingredients nor instructions.
    static bool Read(CRecipe& recipe, std::string_view page);

    // The text after the marker at pos, up to the next tag (whole: up to the
    // closing font tag, keeping line breaks), with entities decoded.
    static std::string ValueAfter(std::string_view page, std::size_t pos, bool whole);

private:
    static std::string CleanValue(std::string_view raw);
};
