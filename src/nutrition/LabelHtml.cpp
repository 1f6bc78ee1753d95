#include "nutrition/LabelHtml.h"

#include <cstdio>

namespace Nutrient {

namespace {

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

std::string Colour(const char* name, const std::optional<std::array<int, 3>>& colour) {
    if (!colour) {
        return {};
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, " %s=\"#%02x%02x%02x\"", name, (*colour)[0] & 0xff, (*colour)[1] & 0xff,
                  (*colour)[2] & 0xff);
    return buffer;
}

std::string Size(const char* name, int value, LabelHtml::SizeUnit unit) {
    if (unit == LabelHtml::SizeUnit::None) {
        return {};
    }
    const char* suffix = unit == LabelHtml::SizeUnit::Percent ? "%" : "";
    return std::string(" ") + name + "=\"" + std::to_string(value) + suffix + "\"";
}

std::string HorizontalAlign(LabelHtml::Align align) {
    switch (align) {
    case LabelHtml::Align::Left:
        return " align=\"left\"";
    case LabelHtml::Align::Right:
        return " align=\"right\"";
    default:
        return {};
    }
}

std::string VerticalAlign(LabelHtml::Align align) {
    return align == LabelHtml::Align::Top ? " valign=\"top\"" : "";
}

} // namespace

std::unique_ptr<LabelHtml> LabelHtml::Text(std::string text) {
    auto object = std::unique_ptr<LabelHtml>(new LabelHtml(Kind::Text));
    object->text = std::move(text);
    return object;
}

std::unique_ptr<LabelHtml> LabelHtml::Text(std::string text, const LabelHtml& style) {
    auto object = Text(std::move(text));
    object->colour = style.colour;
    object->width = style.width;
    object->widthUnit = style.widthUnit;
    object->height = style.height;
    object->heightUnit = style.heightUnit;
    object->verticalAlign = style.verticalAlign;
    object->horizontalAlign = style.horizontalAlign;
    object->extra = style.extra;
    object->bold = style.bold;
    object->italic = style.italic;
    object->paragraph = style.paragraph;
    object->face = style.face;
    object->size = style.size;
    object->childrenInside = style.childrenInside;
    return object;
}

std::unique_ptr<LabelHtml> LabelHtml::Table(int columns) {
    auto object = std::unique_ptr<LabelHtml>(new LabelHtml(Kind::Table));
    object->columns = columns;
    return object;
}

std::unique_ptr<LabelHtml> LabelHtml::Cell() {
    return std::unique_ptr<LabelHtml>(new LabelHtml(Kind::Cell));
}

LabelHtml* LabelHtml::Add(std::unique_ptr<LabelHtml> child) {
    if (child == nullptr || (m_kind == Kind::Table && child->m_kind != Kind::Cell)) {
        return nullptr;
    }
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

LabelHtml& LabelHtml::AddCell(std::unique_ptr<LabelHtml> content) {
    auto cell = Cell();
    cell->Add(std::move(content));
    return *Add(std::move(cell));
}

std::string LabelHtml::GetHtml() const {
    switch (m_kind) {
    case Kind::Text:
        return TextHtml();
    case Kind::Table:
        return TableHtml();
    default:
        return CellHtml();
    }
}

std::string LabelHtml::Attributes(bool placement, bool sizes) const {
    std::string out;
    if (sizes) {
        out += Size("width", width, widthUnit) + Size("height", height, heightUnit);
    }
    if (placement) {
        out += HorizontalAlign(horizontalAlign) + VerticalAlign(verticalAlign) + Colour("bgcolor", colour);
    }
    if (sizes && !extra.empty()) {
        out += " " + extra;
    }
    return out;
}

std::string LabelHtml::ChildHtml() const {
    std::string out;
    for (const auto& child : m_children) {
        out += child->GetHtml() + "\n";
    }
    return out;
}

std::string LabelHtml::TextHtml() const {
    const std::string colourAttribute = Colour("color", colour);
    std::string fontOpen;
    std::string fontClose;
    if (!colourAttribute.empty() || !size.empty() || !face.empty()) {
        fontOpen = "<font" + colourAttribute + (size.empty() ? "" : " size=\"" + size + "\"") +
                   (face.empty() ? "" : " face=\"" + face + "\"") + ">";
        fontClose = "</font>";
    }
    const std::string open = (paragraph ? "<p" + Attributes(true, false) + ">" : "") + fontOpen + (bold ? "<b>" : "") +
                             (italic ? "<i>" : "");
    const std::string close =
        std::string(italic ? "</i>" : "") + (bold ? "</b>" : "") + fontClose + (paragraph ? "</p>" : "");
    const std::string children = Trimmed(ChildHtml());
    if (childrenInside) {
        return open + text + children + close;
    }
    return open + text + close + children;
}

std::string LabelHtml::TableHtml() const {
    const std::string rowAttributes = Attributes(true, false);
    std::string out = "<table" + Attributes(false, true) + " cellspacing=\"" + std::to_string(cellSpacing) +
                      "\" cellpadding=\"" + std::to_string(cellPadding) + "\" border=\"" + std::to_string(border) +
                      "\">\n<tr" + rowAttributes + ">\n";
    int count = 1;
    for (std::size_t i = 0; i < m_children.size(); ++i) {
        out += m_children[i]->GetHtml();
        count += m_children[i]->columnSpan;
        if (count > columns) {
            count = 1;
            if (i + 1 < m_children.size()) {
                out += "</tr><tr" + rowAttributes + ">\n";
            }
        }
    }
    return out + "</tr></table>";
}

std::string LabelHtml::CellHtml() const {
    std::string content = ChildHtml();
    if (content.empty()) {
        content = "&nbsp;";
    }
    const std::string span = columnSpan >= 2 ? " colspan=\"" + std::to_string(columnSpan) + "\"" : "";
    return "<td" + Attributes(true, true) + span + (wrap ? "" : " nowrap") + ">\n" + Trimmed(content) + "</td>";
}

} // namespace Nutrient
