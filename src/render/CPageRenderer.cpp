#include "render/CPageRenderer.h"

#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "model/CRecipeChapter.h"
#include "quantities/AmountNotation.h"
#include "render/CHComment.h"
#include "render/CHImg.h"
#include "render/CHLine.h"
#include "render/CHLink.h"
#include "render/CHTable.h"
#include "render/CHTarget.h"
#include "render/CHText.h"
#include "render/HtmlStyle.h"
#include "render/HtmlText.h"
#include "render/IngredientDisplay.h"

#include <cmath>
#include <filesystem>

namespace {

constexpr const char* kEmptyTextPrompt = "[ Double-click here to add a description ]";

struct ActionLink {
    const char* tag;
    const char* text;
    bool recipesOnly;
};

constexpr ActionLink kActionLinks[] = {
    {"MOD", "Modify<br>", false},
    {"FAV", "+ Favorites<br>", true},
    {"ASL", "+ Shopping List<br>", true},
    {"LNK", "+ USDA Link<br>", true},
};

const char* IconName(NodeKind kind) {
    switch (kind) {
    case NodeKind::Book:
        return "book";
    case NodeKind::Chapter:
        return "chapter";
    default:
        return "recipe";
    }
}

CHLink& AddViewLink(CHObj& parent, const CRecipeObj& target, const std::string& text) {
    auto& link = parent.Emplace<CHLink>("", "VIEW#" + target.ObjectId());
    link.Emplace<CHText>(text);
    return link;
}

CHText& AddSmallText(CHObj& parent, std::string text) {
    auto& small = parent.Emplace<CHText>(std::move(text));
    HtmlStyle::SetFont(small, "Arial", "-2");
    return small;
}

template <class T>
std::vector<const CRecipeObj*> Nodes(const std::vector<std::unique_ptr<T>>& owned) {
    std::vector<const CRecipeObj*> nodes;
    nodes.reserve(owned.size());
    for (const auto& node : owned) {
        nodes.push_back(node.get());
    }
    return nodes;
}

} // namespace

CHCell& CPageRenderer::RenderPage(const CRecipeObj& object, CHObj& page, const PageOptions& options) const {
    CHCell& cell = RenderCommon(object, page, options);
    if (const auto* recipe = dynamic_cast<const CRecipe*>(&object)) {
        RenderRecipe(*recipe, cell, options);
    } else {
        AddChildGrids(object, page, options);
    }
    return cell;
}

CHCell& CPageRenderer::RenderCommon(const CRecipeObj& object, CHObj& page, const PageOptions& options) const {
    if (options.interactive && m_settings.m_showNavigationLinks) {
        AddNavigationBar(object, page);
    }
    page.Emplace<CHTarget>(object.ObjectId());

    const bool exportPage = !options.interactive && options.exportLayout == 0;
    auto& table = page.Emplace<CHTable>(exportPage || options.actionLinks || options.nutrients ? 2 : 1);
    table.m_attrs.SetWidth(100, CHUnit::Percent);
    table.m_attrs.m_vAlign = CHPos::Top;
    table.m_cellPadding = 2;

    CHCell& first = *table.AddCell();
    if (!options.interactive) {
        first.Emplace<CHComment>("T");
    }
    auto& title = first.Emplace<CHText>(TitleText(object, options));
    HtmlStyle::Apply(title, m_settings.TextStyle(object.TitleStyle()), true);

    if (options.actionLinks || options.nutrients) {
        CHCell& side = *table.AddCell();
        side.m_attrs.m_hAlign = CHPos::Right;
        side.m_attrs.m_vAlign = CHPos::Top;
        if (options.actionLinks) {
            AddActionLinks(object, side);
        }
    }
    if (exportPage) {
        AddTopLink(table);
    }
    if (object.Kind() != NodeKind::Recipe) {
        if (!options.interactive) {
            first.Emplace<CHComment>("I");
        }
        RenderText(object.TextStyle(), first, object.Text(), options);
    }
    return first;
}

void CPageRenderer::AddNavigationBar(const CRecipeObj& object, CHObj& page) const {
    auto& bar = page.Emplace<CHText>("", true, false);
    bar.m_childrenInside = true;
    HtmlStyle::SetFont(bar, "Arial Narrow", "2");
    bar.Emplace<CHLink>("", "VIEW#").Emplace<CHText>("Home");
    const CRecipeBook* book = object.OwningBook();
    if (object.Kind() != NodeKind::Book && book != nullptr) {
        bar.Emplace<CHText>(" | ");
        AddViewLink(bar, *book, book->Title());
    }
    const auto* recipe = dynamic_cast<const CRecipe*>(&object);
    if (recipe != nullptr && recipe->Chapter() != nullptr) {
        bar.Emplace<CHText>(" | ");
        AddViewLink(bar, *recipe->Chapter(), recipe->Chapter()->Title());
    }
    bar.Emplace<CHText>(" | " + object.Title());
    page.Emplace<CHLine>(true).m_attrs.SetHeight(1, CHUnit::Pixels);
}

std::string CPageRenderer::TitleText(const CRecipeObj& object, const PageOptions& options) const {
    std::string text = object.Title();
    if (options.editable) {
        text = "<SPAN id=SBTitle ondblclick=\"editItem('SBTitle')\">" + text + "</SPAN>";
    }
    if (object.Kind() == NodeKind::Recipe && options.interactive && options.portionFactor != 1.0) {
        text +=
            "  (" + std::to_string(options.portionNumerator) + ":" + std::to_string(options.portionDenominator) + ")";
    }
    return text;
}

void CPageRenderer::AddActionLinks(const CRecipeObj& object, CHCell& cell) const {
    auto& links = *cell.Emplace<CHTable>(1).AddCell();
    links.m_wrap = false;
    const bool recipe = object.Kind() == NodeKind::Recipe;
    for (const auto& action : kActionLinks) {
        if (action.recipesOnly && !recipe) {
            continue;
        }
        auto& link = links.Emplace<CHLink>("", action.tag + object.ObjectId());
        link.m_underline = true;
        AddSmallText(link, action.text);
    }
}

void CPageRenderer::AddTopLink(CHTable& table) const {
    CHCell& cell = *table.AddCell();
    cell.m_attrs.m_hAlign = CHPos::Right;
    cell.m_attrs.m_vAlign = CHPos::Top;
    AddSmallText(cell.Emplace<CHLink>("", "top"), "top").m_bold = true;
}

void CPageRenderer::AddChildGrids(const CRecipeObj& object, CHObj& page, const PageOptions& options) const {
    const bool showGrids = options.interactive ? m_settings.m_showNavigationLinks != 0 : options.exportLayout == 0;
    if (!showGrids) {
        return;
    }
    if (const auto* chapter = dynamic_cast<const CRecipeChapter*>(&object)) {
        AddGrid(Nodes(chapter->Recipes()), page, options);
    } else if (const auto* book = dynamic_cast<const CRecipeBook*>(&object)) {
        AddGrid(Nodes(book->Chapters()), page, options);
        AddGrid(Nodes(book->Recipes()), page, options);
    }
}

void CPageRenderer::AddGrid(const std::vector<const CRecipeObj*>& children, CHObj& page,
                            const PageOptions& options) const {
    // An empty list gets no grid: there is nothing to show, and no first child
    // to take the icon from.
    if (children.empty()) {
        return;
    }
    auto& line = page.Emplace<CHLine>(true);
    line.m_attrs.SetHeight(1, CHUnit::Pixels);
    auto& grid = line.Emplace<CHTable>(3);
    grid.m_attrs.SetWidth(100, CHUnit::Percent);
    grid.m_attrs.m_vAlign = CHPos::Top;

    const std::string icon = std::string(IconName(children.front()->Kind())) + ".gif";
    const std::string source =
        options.interactive ? (std::filesystem::path(m_settings.m_programDirectory) / icon).string() : icon;
    const std::size_t n = children.size();
    CHCell* cell = nullptr;
    for (std::size_t i = 0; i < n; ++i) {
        if (i == 0 || i == n / 3 || i == 2 * n / 3) {
            cell = grid.AddCell();
            cell->m_attrs.SetWidth(33, CHUnit::Percent);
            cell->m_attrs.m_vAlign = CHPos::Top;
        }
        const std::string id = children[i]->ObjectId();
        auto& link = cell->Emplace<CHLink>("", options.interactive ? "VIEW#" + id : id);
        link.Emplace<CHImg>(source, "").Emplace<CHText>(children[i]->Title() + "<br>");
    }
}

void CPageRenderer::RenderRecipe(const CRecipe& recipe, CHCell& cell, const PageOptions& options) const {
    if (!options.interactive) {
        cell.Emplace<CHComment>("V: 4.0");
    }
    cell.Emplace<CHText>("<ul>");

    const CTextStyle& ingredientStyle = m_settings.TextStyle(CSettings::RecipeIngredients);
    auto ingredients = std::make_unique<CHTable>(3);
    ingredients->m_evenRowColor.SetColorRef(ingredientStyle.Color1);
    ingredients->m_oddRowColor.SetColorRef(ingredientStyle.Color2);
    ingredients->m_attrs.m_vAlign = CHPos::Top;
    if (options.editable) {
        ingredients->m_rowTemplate = "id=\"SBIng%r\" ondblclick=\"editItem('SBIng%r')\"";
    }
    AddIngredientRows(recipe, *ingredients, options);

    CHCell* instructions = nullptr;
    if (m_settings.m_useAltRecipeFormat) {
        ingredients->m_attrs.SetWidth(100, CHUnit::Percent);
        auto& columns = cell.Emplace<CHTable>(2);
        columns.m_cellSpacing = 2;
        columns.m_cellPadding = 2;
        columns.AddCell(std::move(ingredients))->m_attrs.m_vAlign = CHPos::Top;
        cell.Emplace<CHText>("</ul>");
        instructions = columns.AddCell();
    } else {
        cell.Add(std::move(ingredients));
        cell.Emplace<CHText>("</ul>");
        instructions = cell.Emplace<CHTable>(1).AddCell();
    }
    instructions->m_attrs.SetWidth(50, CHUnit::Percent);
    instructions->m_attrs.m_vAlign = CHPos::Top;
    instructions->m_attrs.m_color.SetColorRef(m_settings.TextStyle(CSettings::RecipeInstructions).Color1);
    if (!options.interactive) {
        instructions->Emplace<CHComment>("I");
    }
    RenderText(recipe.TextStyle(), *instructions, recipe.Text(), options);

    AddServingsAndTime(recipe, cell, options);
    if (!options.interactive) {
        cell.Emplace<CHComment>("C");
        RenderText(recipe.TextStyle(), cell, recipe.Comments(), options);
    }
}

void CPageRenderer::AddIngredientRows(const CRecipe& recipe, CHTable& table, const PageOptions& options) const {
    for (const auto& ingredient : recipe.Ingredients()) {
        IngredientParts shown = IngredientDisplay::Shown(*ingredient, m_units);
        if (options.interactive && options.portionFactor != 1.0) {
            shown.amount = ScaleAmount(shown.amount, options.portionFactor);
        }
        CHCell& amount = AddIngredientCell(table, "I1", shown.amount + "&nbsp;", options);
        amount.m_attrs.SetWidth(60, CHUnit::Pixels);
        amount.m_attrs.m_hAlign = CHPos::Right;
        AddIngredientCell(table, "I2", std::move(shown.unit), options).m_attrs.SetWidth(60, CHUnit::Pixels);
        AddIngredientCell(table, "I3", std::move(shown.description), options);
    }
}

CHCell& CPageRenderer::AddIngredientCell(CHTable& table, const char* marker, std::string text,
                                         const PageOptions& options) const {
    CHCell& cell = *table.AddCell();
    if (!options.interactive) {
        cell.Emplace<CHComment>(marker);
    }
    HtmlStyle::Apply(cell.Emplace<CHText>(std::move(text)), m_settings.TextStyle(CSettings::RecipeIngredients), false);
    return cell;
}

void CPageRenderer::AddServingsAndTime(const CRecipe& recipe, CHCell& cell, const PageOptions& options) const {
    const int servings = recipe.Servings();
    if (servings > 0) {
        const double factor = options.interactive ? options.portionFactor : 1.0;
        const auto shown = static_cast<long long>(std::lround(servings * factor));
        cell.Emplace<CHText>("Number of Servings: " + std::to_string(shown));
    }
    if (!recipe.PrepTime().empty()) {
        cell.Emplace<CHText>((servings > 0 ? "<br>" : "") + std::string("Preparation time: ") + recipe.PrepTime());
    }
}

void CPageRenderer::RenderText(int textStyle, CHObj& parent, std::string_view text, const PageOptions& options) const {
    if (text.empty() && !options.editable) {
        return;
    }
    std::string html(text);
    if (options.editable) {
        html = "<SPAN id=\"SBInfo\" ondblclick=\"editItem('SBInfo')\">" + (text.empty() ? kEmptyTextPrompt : html) +
               "</SPAN>";
    }
    // Lines indented by two spaces keep their indent, which HTML would collapse.
    std::string indented = HtmlText::ReplaceAll(html, "\r\n  ", "<br>&nbsp;&nbsp;");
    if (indented != html) {
        indented.insert(0, "&nbsp;&nbsp;");
    }
    auto& paragraph = parent.Emplace<CHText>(HtmlText::ReplaceAll(indented, "\r\n", "<br>"));
    HtmlStyle::Apply(paragraph, m_settings.TextStyle(textStyle), true);
}
