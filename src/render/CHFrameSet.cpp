#include "render/CHFrameSet.h"

#include "render/HtmlText.h"

namespace {

std::string SourceFor(const std::filesystem::path& document, const std::filesystem::path& framesetFile) {
    std::filesystem::path source = document.lexically_relative(framesetFile.parent_path());
    if (source.empty()) {
        source = document;
    }
    return HtmlText::ReplaceAll(source.string(), "\\", "/");
}

} // namespace

CHFrame::CHFrame(std::string name, std::unique_ptr<CHtmlWriter> document, const std::filesystem::path& framesetFile)
    : m_name(std::move(name)) {
    if (document) {
        m_source = SourceFor(document->m_filePath, framesetFile);
    }
    m_document = Add(std::move(document));
}

void CHFrame::AppendHtml(std::string& out) const {
    if (m_document != nullptr) {
        m_document->WriteFile();
    }
    out += "<frame name=\"";
    out += m_name;
    out += "\" target=\"";
    out += m_target;
    out += "\" src=\"";
    out += m_source;
    out += "\" scrolling=\"";
    out += m_scrollingAuto ? "auto" : "no";
    out += '"';
    if (!m_resizable) {
        out += " noresize";
    }
    out += ">\n";
}

bool CHFrameSet::Accepts(const CHObj& child) const {
    return child.GetType() == CHKind::Frame || child.GetType() == CHKind::FrameSet;
}

void CHFrameSet::AppendHtml(std::string& out) const {
    out += "<frameset ";
    out += m_extra;
    // The rows win when both divisions are given.
    if (!m_rows.empty()) {
        HtmlText::AppendAttribute(out, "rows", m_rows);
    } else if (!m_columns.empty()) {
        HtmlText::AppendAttribute(out, "cols", m_columns);
    }
    out += ">\n";
    AppendChildHtml(out);
    out += "</frameset>\n";
}
