#pragma once

#include <string>

class CRecipe;
class CRecipeObj;
class UnitTables;

// The single-file HTML export: each book, chapter and recipe is one section
// of plain HTML under a named anchor, with a link back to the contents.
class HtmlSectionWriter {
public:
    explicit HtmlSectionWriter(const UnitTables* units = nullptr) : m_units(units) {}

    // Appends the object's section; noTopLink leaves out the link to "#toc".
    void Write(const CRecipeObj& object, std::string& out, bool noTopLink) const;

private:
    void WriteIngredients(const CRecipe& recipe, std::string& out) const;

    const UnitTables* m_units;
};
