#include "render/HtmlSectionWriter.h"

#include "model/CRecipe.h"
#include "render/HtmlText.h"
#include "render/IngredientDisplay.h"

namespace {

void WriteParagraphBlock(std::string& out, const std::string& text) {
    if (text.empty()) {
        return;
    }
    out += "<p>";
    out += HtmlText::ReplaceAll(text, "\r\n", "<br>");
    out += "\n<p>\n\n";
}

} // namespace

void HtmlSectionWriter::Write(const CRecipeObj& object, std::string& out, bool noTopLink) const {
    out += "<br>\n<hr WIDTH=\"100%\">\n<br>\n<a NAME=\"";
    out += object.ObjectId();
    out += "\"></a>\n<b><font size=+1>";
    out += object.Title();
    out += "</font></b><br>\n";
    if (!noTopLink) {
        out += "<b><font size=-2><a href=\"#toc\" STYLE=\"text-decoration: none\">top</a></font></b>\n";
    }
    const auto* recipe = dynamic_cast<const CRecipe*>(&object);
    if (recipe == nullptr) {
        WriteParagraphBlock(out, object.Text());
        return;
    }
    WriteIngredients(*recipe, out);
    WriteParagraphBlock(out, recipe->Text());
    WriteParagraphBlock(out, recipe->Comments());
}

void HtmlSectionWriter::WriteIngredients(const CRecipe& recipe, std::string& out) const {
    out += "<ul>\n<table BORDER=0 CELLSPACING=3 >\n";
    for (const auto& ingredient : recipe.Ingredients()) {
        const IngredientParts shown = IngredientDisplay::Shown(*ingredient, m_units);
        out += "<tr VALIGN=TOP>\n  <td ALIGN=RIGHT WIDTH=\"60\">";
        out += shown.amount;
        out += "</td>\n  <td WIDTH=\"60\">";
        out += shown.unit;
        out += "</td>\n  <td>";
        out += shown.description;
        out += "</td>\n</tr>\n\n";
    }
    out += "</table>\n</ul>\n";
}
