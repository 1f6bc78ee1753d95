#pragma once

#include "render/CHtmlWriter.h"

#include <filesystem>
#include <memory>
#include <string>

// Frames share this file with the framesets that hold them: a frame only
// means something inside a frameset, and the build takes files named
// "...Frame" for window classes.

// A frame of a frameset. It owns the document it shows and writes that
// document's file whenever the frame itself is written.
class CHFrame : public CHObj {
public:
    // framesetFile is where the frameset will be written; the frame refers to
    // the document's file relative to it.
    CHFrame(std::string name, std::unique_ptr<CHtmlWriter> document, const std::filesystem::path& framesetFile);

    CHKind GetType() const override { return CHKind::Frame; }
    // Writes the document's file first; throws FileError when that fails.
    void AppendHtml(std::string& out) const override;

    std::string m_name;
    std::string m_target;
    std::string m_source;
    bool m_resizable = true;
    bool m_scrollingAuto = true;

protected:
    bool Accepts(const CHObj& child) const override { return child.GetType() == CHKind::Document; }

private:
    const CHtmlWriter* m_document = nullptr;
};

// A frameset holding frames and nested framesets.
class CHFrameSet : public CHObj {
public:
    CHKind GetType() const override { return CHKind::FrameSet; }
    void AppendHtml(std::string& out) const override;

    std::string m_extra;
    std::string m_rows;
    std::string m_columns;

protected:
    bool Accepts(const CHObj& child) const override;
};
