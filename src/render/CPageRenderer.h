#pragma once

#include "app/CSettings.h"
#include "render/PageOptions.h"

#include <string>
#include <string_view>
#include <vector>

class CHCell;
class CHObj;
class CHTable;
class CIngredient;
class CRecipe;
class CRecipeObj;
class UnitTables;

// Renders books, chapters and recipes as HTML object trees for the display
// view and the HTML export.
class CPageRenderer {
public:
    // units converts ingredient amounts to the user's display units; without
    // them the stored amounts are shown.
    explicit CPageRenderer(const CSettings& settings, const UnitTables* units = nullptr)
        : m_settings(settings), m_units(units) {}

    // Adds the object's page to page and returns the cell into which the
    // caller may add more content.
    CHCell& RenderPage(const CRecipeObj& object, CHObj& page, const PageOptions& options) const;

    // Adds text (line breaks become "<br>") as a paragraph in the text style;
    // an editable page wraps it in the double-click editing hook.
    void RenderText(int textStyle, CHObj& parent, std::string_view text, const PageOptions& options) const;

private:
    CHCell& RenderCommon(const CRecipeObj& object, CHObj& page, const PageOptions& options) const;
    void AddNavigationBar(const CRecipeObj& object, CHObj& page) const;
    std::string TitleText(const CRecipeObj& object, const PageOptions& options) const;
    void AddActionLinks(const CRecipeObj& object, CHCell& cell) const;
    void AddTopLink(CHTable& table) const;
    void AddChildGrids(const CRecipeObj& object, CHObj& page, const PageOptions& options) const;
    void AddGrid(const std::vector<const CRecipeObj*>& children, CHObj& page, const PageOptions& options) const;
    void RenderRecipe(const CRecipe& recipe, CHCell& cell, const PageOptions& options) const;
    void AddIngredientRows(const CRecipe& recipe, CHTable& table, const PageOptions& options) const;
    CHCell& AddIngredientCell(CHTable& table, const char* marker, std::string text, const PageOptions& options) const;
    void AddServingsAndTime(const CRecipe& recipe, CHCell& cell, const PageOptions& options) const;

    const CSettings& m_settings;
    const UnitTables* m_units;
};
