#include "render/DisplayPage.h"

#include "app/CSettings.h"
#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "nutrition/Database.h"
#include "nutrition/RecipeNutrients.h"
#include "render/CHCell.h"
#include "render/CHImg.h"
#include "render/CHLine.h"
#include "render/CHLink.h"
#include "render/CHText.h"
#include "render/CPageRenderer.h"

#include <algorithm>

std::unique_ptr<CHtmlWriter> DisplayPage::Build(CObject* item, const CSBDocBase::Books& books,
                                                const PageOptions& base) const {
    auto page = std::make_unique<CHtmlWriter>();
    if (item == nullptr) {
        AddHome(*page, books);
        return page;
    }
    if (auto* object = dynamic_cast<CRecipeObj*>(item)) {
        AddObject(*object, *page, base);
    }
    return page;
}

PageOptions DisplayPage::Options(const CRecipeObj& object, const PageOptions& base) const {
    PageOptions options = base;
    options.interactive = true;
    options.editable = true;
    options.actionLinks = m_settings.m_showActionLinks != 0;
    options.nutrients = object.Kind() == NodeKind::Recipe && m_settings.m_showNutrientInfo != 0;
    options.perServing = m_settings.m_showPerServing != 0;
    return options;
}

void DisplayPage::AddObject(CRecipeObj& object, CHtmlWriter& page, const PageOptions& base) const {
    const PageOptions options = Options(object, base);
    CHCell& cell = CPageRenderer(m_settings, m_units).RenderPage(object, page, options);
    auto* recipe = dynamic_cast<CRecipe*>(&object);
    Nutrient::Database* database = Nutrient::Database::Global();
    if (recipe != nullptr && options.nutrients && database != nullptr) {
        if (auto label = Nutrient::RecipeNutrients::Label(*recipe, *database, m_settings, true, 1.0)) {
            cell.Emplace<CHText>(label->GetHtml());
        }
    }
    if (m_settings.m_displayBitmaps != 0) {
        AddPictures(object, page);
    }
}

void DisplayPage::AddPictures(const CRecipeObj& object, CHtmlWriter& page) const {
    for (std::string path : object.ShownPicturePaths()) {
        std::replace(path.begin(), path.end(), '\\', '/');
        // An absolute path already starts with "/", which the prefix's third slash would double.
        const std::string prefix = path.starts_with('/') ? "file://" : "file:///";
        page.Emplace<CHImg>(prefix + path, "");
        page.Emplace<CHText>("<br>");
    }
}

void DisplayPage::AddHome(CHtmlWriter& page, const CSBDocBase::Books& books) const {
    auto& name = page.Emplace<CHText>("Savorbridge", true, true);
    name.m_size = "+3";
    auto& slogan = page.Emplace<CHText>("<br>Complete Cookbook Keeping<sup>TM</sup>");
    slogan.m_size = "-2";
    page.Emplace<CHText>("<p><a href=\"#FILE_OPEN\">Open</a> an existing recipe book...");
    page.Emplace<CHText>("<br><a href=\"#CREATE\">Create</a> a new recipe book...");
    page.Emplace<CHText>("<br><a href=\"#SEARCH\">Search</a> for recipes on the Web...");
    page.Emplace<CHText>("<br><a href=\"#NUTRIENTS\">Browse</a> the USDA Nutrient Database...</p>");
    if (books.empty()) {
        return;
    }
    page.Emplace<CHLine>(true);
    const std::string icon = (m_programFolder / "book.gif").string();
    for (const auto& book : books) {
        auto& link = page.Emplace<CHLink>("", "VIEW#" + book->ObjectId());
        link.Emplace<CHImg>(icon, "");
        link.Emplace<CHText>(book->Title() + "<br>");
    }
}
