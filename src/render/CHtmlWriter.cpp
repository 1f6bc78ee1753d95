#include "render/CHtmlWriter.h"

#include "platform/AtomicFile.h"

namespace {

constexpr const char* kDescription = "Savorbridge HTML export. Copyright 2025 the Savorbridge developers.";

} // namespace

CHtmlWriter::CHtmlWriter(std::filesystem::path filePath) : m_filePath(std::move(filePath)) {}

bool CHtmlWriter::IsFrameSetDocument() const {
    return !Children().empty() && Children().front()->GetType() == CHKind::FrameSet;
}

void CHtmlWriter::AppendHead(std::string& out) const {
    // The pages are UTF-8; without saying so a browser reads them in its
    // legacy code page and garbles every accented letter.
    out += "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n<title>";
    out += m_title;
    out += "</title>\n  <meta name=\"Description\" content=\"";
    out += kDescription;
    out += "\">\n";
    for (const auto& meta : m_meta) {
        out += "  <meta ";
        out += meta;
        out += ">\n";
    }
    out += "</head>\n";
}

void CHtmlWriter::AppendBodyOpening(std::string& out) const {
    out += "<body";
    m_background.AppendAttribute(out, "bgcolor");
    m_activeLinkColor.AppendAttribute(out, "alink");
    m_linkColor.AppendAttribute(out, "link");
    m_textColor.AppendAttribute(out, "text");
    m_visitedLinkColor.AppendAttribute(out, "vlink");
    out += m_bodyExtra;
    out += ">\n";
}

std::string CHtmlWriter::GetDocument() const {
    std::string out;
    out.reserve(4000);
    AppendHead(out);
    const bool frameSet = IsFrameSetDocument();
    if (!frameSet) {
        AppendBodyOpening(out);
    }
    AppendChildHtml(out);
    if (!frameSet) {
        out += "</body>\n";
    }
    out += "</html>\n";
    return out;
}

void CHtmlWriter::WriteFile() const {
    AtomicFile::Write(m_filePath, GetDocument());
}
