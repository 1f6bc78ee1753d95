#include "render/CHAttrs.h"

#include "render/HtmlText.h"

namespace {

void AppendDimension(std::string& out, const char* name, int value, CHUnit unit) {
    if (unit != CHUnit::Percent && unit != CHUnit::Pixels) {
        return;
    }
    out += ' ';
    out += name;
    out += "=\"";
    HtmlText::AppendInt(out, value);
    if (unit == CHUnit::Percent) {
        out += '%';
    }
    out += '"';
}

const char* HorizontalName(CHPos pos) {
    switch (pos) {
    case CHPos::Left:
        return "left";
    case CHPos::Right:
        return "right";
    case CHPos::Center:
        return "center";
    default:
        return nullptr;
    }
}

const char* VerticalName(CHPos pos) {
    switch (pos) {
    case CHPos::Top:
        return "top";
    case CHPos::Bottom:
        return "bottom";
    case CHPos::Middle:
        return "middle";
    default:
        return nullptr;
    }
}

void AppendAlignment(std::string& out, const char* attribute, const char* value) {
    if (value != nullptr) {
        HtmlText::AppendAttribute(out, attribute, value);
    }
}

} // namespace

void CHAttrs::AppendText(std::string& out, int groups) const {
    const bool size = (groups & kSize) != 0;
    const bool placement = (groups & kPlacement) != 0;
    if (size) {
        AppendDimension(out, "width", m_width, m_widthUnit);
        AppendDimension(out, "height", m_height, m_heightUnit);
    }
    if (placement) {
        AppendAlignment(out, "align", HorizontalName(m_hAlign));
        AppendAlignment(out, "valign", VerticalName(m_vAlign));
        m_color.AppendAttribute(out, "bgcolor");
    }
    if (size && !m_extra.empty()) {
        out += ' ';
        out += m_extra;
    }
}
