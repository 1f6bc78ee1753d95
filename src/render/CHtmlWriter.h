#pragma once

#include "render/CHObj.h"

#include <filesystem>
#include <string>
#include <vector>

// A whole HTML document. As a child of another object (or through GetHtml)
// it gives its children's HTML alone, so a page can also serve as a fragment.
class CHtmlWriter : public CHObj {
public:
    explicit CHtmlWriter(std::filesystem::path filePath = {});

    CHKind GetType() const override { return CHKind::Document; }
    void AppendHtml(std::string& out) const override { AppendChildHtml(out); }

    // The complete document as WriteFile stores it.
    std::string GetDocument() const;

    // Writes the document to m_filePath, replacing the file only once the new
    // one is complete. Frames among the children write their documents too.
    // Throws FileError when a file cannot be written.
    void WriteFile() const;

    std::filesystem::path m_filePath;
    std::string m_title;
    std::vector<std::string> m_meta;
    std::string m_bodyExtra;
    CHColor m_background{255, 255, 255};
    CHColor m_textColor{0, 0, 0};
    CHColor m_linkColor{0, 0, 255};
    CHColor m_visitedLinkColor{128, 0, 128};
    CHColor m_activeLinkColor{255, 0, 0};

private:
    bool IsFrameSetDocument() const;
    void AppendHead(std::string& out) const;
    void AppendBodyOpening(std::string& out) const;
};
