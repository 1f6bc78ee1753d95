#pragma once

#include "app/CommandIds.h"
#include "platform/ColorRef.h"
#include "render/PageOptions.h"
#include "ui/views/CHtmlView.h"

#include <filesystem>
#include <functional>
#include <memory>

class CHtmlWriter;
class CObject;
class CSavorbridgeDoc;
class QMenu;
class QPrinter;

// A browser view that shows the program's generated pages: the home page and
// the pages of books, chapters and recipes. The status bar gets the program's
// own tips for its links instead of their addresses.
class CSBHtmlView : public CHtmlView {
    Q_OBJECT
public:
    static constexpr int kFilePrint = CommandId::kPrint;
    static constexpr int kFilePrintPreview = CommandId::kPrintPreview;
    static constexpr int kEditCopy = CommandId::kCopy;
    static constexpr int kEditSelectAll = CommandId::kSelectAll;
    static constexpr int kHome = CommandId::kHome;
    static constexpr int kOptions = CommandId::kOptions;
    static constexpr int kProperties = CommandId::kProperties;

    // Prints the page, with the preview first when asked; the real one runs
    // the print dialogs, tests put their own in its place.
    using PrintRoute = std::function<void(CSBHtmlView& view, bool preview)>;

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
    void SetPrintRoute(PrintRoute route) { m_printRoute = std::move(route); }
    // Prints the page on the printer and returns once it is done.
    bool PrintTo(QPrinter& printer);

    // The view's own context menu; none when the view has no submenu.
    std::unique_ptr<QMenu> ContextMenu();

signals:
    void statusTip(const QString& text);
    // A main-window command the view cannot carry out itself (a context-menu
    // choice or a page link); delivered after the event that asked for it.
    void commandRequested(int id);

protected:
    CSavorbridgeDoc& m_doc;

    // Hands a command to the main window once the current event is over,
    // because the command may open dialogs.
    void PostCommand(int id);

private:
    void AllowPicturesOf(CObject* item);
    void WriteNote(const char* text);
    void ShowContextMenu(const QPoint& globalPos);
    static void RunPrintDialogs(CSBHtmlView& view, bool preview);

    std::filesystem::path m_programFolder;
    PageOptions m_options;
    PrintRoute m_printRoute = &CSBHtmlView::RunPrintDialogs;
};
