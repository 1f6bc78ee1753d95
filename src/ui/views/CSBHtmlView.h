#pragma once

#include "platform/ColorRef.h"
#include "render/PageOptions.h"
#include "ui/views/CHtmlView.h"

#include <filesystem>

class CHtmlWriter;
class CObject;
class CSavorbridgeDoc;

// A browser view that shows the program's generated pages: the home page and
// the pages of books, chapters and recipes. The status bar gets the program's
// own tips for its links instead of their addresses.
class CSBHtmlView : public CHtmlView {
    Q_OBJECT
public:
    static constexpr int kFilePrint = 57607;
    static constexpr int kFilePrintPreview = 57609;
    static constexpr int kEditCopy = 57634;
    static constexpr int kEditSelectAll = 57642;

    explicit CSBHtmlView(CSavorbridgeDoc& doc, QWidget* parent = nullptr);

    // Loads the skeleton page and shows the home page.
    virtual void OnInitialUpdate();
    // The submenu of the context menu this view shows; none for the base.
    virtual int GetContextSubMenu() const { return -1; }
    virtual bool OnViewCommand(int id);
    virtual bool OnUpdateViewCommand(int id, bool& enabled) const;

    void Display(CObject* item);
    void Write(const CHtmlWriter& page);
    void SetBackground(ColorRef color);
    void SetProgramFolder(const std::filesystem::path& folder) { m_programFolder = folder; }
    // The recipe portioning of the navigation pane, applied to every page.
    void SetPortion(int numerator, int denominator);

signals:
    void statusTip(const QString& text);

protected:
    CSavorbridgeDoc& m_doc;

private:
    void AllowPicturesOf(CObject* item);

    std::filesystem::path m_programFolder;
    PageOptions m_options;
};
