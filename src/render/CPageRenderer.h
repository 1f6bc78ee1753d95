#pragma once

#include "app/CSettings.h"
#include "render/PageOptions.h"

#include <string_view>

class CHObj;

// Renders books, chapters and recipes as HTML object trees for the display
// view and the HTML export.
class CPageRenderer {
public:
    explicit CPageRenderer(const CSettings& settings) : m_settings(settings) {}

    // Adds text (line breaks become "<br>") as a paragraph in the text style;
    // an editable page wraps it in the double-click editing hook.
    void RenderText(int textStyle, CHObj& parent, std::string_view text, const PageOptions& options) const;

private:
    const CSettings& m_settings;
};
