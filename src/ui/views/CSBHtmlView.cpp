#include "ui/views/CSBHtmlView.h"

#include "app/CSavorbridgeDoc.h"
#include "app/PageLink.h"
#include "menus/CSBMenu.h"
#include "model/CRecipeObj.h"
#include "render/CHText.h"
#include "render/DisplayPage.h"
#include "ui/views/LocalFilePolicy.h"

#include <QEventLoop>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>

#include <array>

namespace {

struct MenuEntry {
    const char* text;
    int id;
};

// Submenu 2 of the views' context menu: the main display view's.
constexpr std::array<MenuEntry, 5> kDisplayMenu = {{
    {"&Copy\tCtrl+C", CSBHtmlView::kEditCopy},
    {"Select A&ll\tCtrl+A", CSBHtmlView::kEditSelectAll},
    {"Home", CSBHtmlView::kHome},
    {"&Options...\tF4", CSBHtmlView::kOptions},
    {"&Properties...\tAlt+Enter", CSBHtmlView::kProperties},
}};

} // namespace

CSBHtmlView::CSBHtmlView(CSavorbridgeDoc& doc, QWidget* parent) : CHtmlView(parent), m_doc(doc) {
    connect(this, &CHtmlView::statusTextChange, this, [this](const QString& text) {
        emit statusTip(QString::fromStdString(PageLink::StatusTip(text.toStdString())));
    });
    // A view made anew (switching tabs) scales like the one it replaces.
    SetPortion(m_doc.PortionNumerator(), m_doc.PortionDenominator());
    connect(&m_doc, &CSavorbridgeDoc::portionChanged, this, [this](int n, int d) {
        SetPortion(n, d);
        Display(m_doc.CurrentItem());
    });
    connect(this, &CHtmlView::contextMenuRequested, this, &CSBHtmlView::ShowContextMenu);
}

void CSBHtmlView::OnInitialUpdate() {
    if (!m_programFolder.empty()) {
        FilePolicy().AllowFolder(m_programFolder);
    }
    NavigateSkeleton(QUrl::fromLocalFile(QString::fromStdString((m_programFolder / "").string())));
    Display(nullptr);
}

bool CSBHtmlView::OnViewCommand(int id) {
    switch (id) {
    case kFilePrint:
        m_printRoute(*this, false);
        return true;
    case kFilePrintPreview:
        m_printRoute(*this, true);
        return true;
    case kEditCopy:
        Copy();
        return true;
    case kEditSelectAll:
        SelectAll();
        return true;
    default:
        return false;
    }
}

bool CSBHtmlView::OnUpdateViewCommand(int id, bool& enabled) const {
    switch (id) {
    case kFilePrint:
    case kFilePrintPreview:
        enabled = true;
        return true;
    case kEditCopy:
        enabled = CanCopy();
        return true;
    case kEditSelectAll:
        enabled = CanSelectAll();
        return true;
    default:
        return false;
    }
}

void CSBHtmlView::Display(CObject* item) {
    // The menu pages are not built yet; say so rather than show a blank page.
    if (dynamic_cast<CSBMenu*>(item) != nullptr) {
        WriteNote("Showing menus is not available yet.");
        return;
    }
    const DisplayPage builder(m_doc.Settings(), &m_doc.Units(), m_programFolder);
    AllowPicturesOf(item);
    Write(*builder.Build(item, m_doc.GetBooks(), m_options));
}

void CSBHtmlView::WriteNote(const char* text) {
    AllowPicturesOf(nullptr);
    CHtmlWriter page;
    page.Emplace<CHText>(std::string("<p>") + text + "</p>");
    Write(page);
}

void CSBHtmlView::Write(const CHtmlWriter& page) {
    SetBodyHtml(QString::fromStdString(page.GetHtml()));
}

void CSBHtmlView::SetBackground(ColorRef color) {
    SetBackgroundColor(QColor(RedOf(color), GreenOf(color), BlueOf(color)));
}

void CSBHtmlView::SetPortion(int numerator, int denominator) {
    m_options.SetPortion(numerator, denominator);
}

void CSBHtmlView::AllowPicturesOf(CObject* item) {
    std::vector<std::filesystem::path> files;
    if (const auto* object = dynamic_cast<const CRecipeObj*>(item)) {
        for (const std::string& path : object->ShownPicturePaths()) {
            files.emplace_back(path);
        }
    }
    FilePolicy().SetAllowedFiles(std::move(files));
}

void CSBHtmlView::PostCommand(int id) {
    QTimer::singleShot(0, this, [this, id] { emit commandRequested(id); });
}

std::unique_ptr<QMenu> CSBHtmlView::ContextMenu() {
    if (GetContextSubMenu() != 2) {
        return nullptr;
    }
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName("displayContextMenu");
    for (const MenuEntry& entry : kDisplayMenu) {
        QAction* action = menu->addAction(entry.text);
        bool enabled = true;
        OnUpdateViewCommand(entry.id, enabled);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { PostCommand(id); });
    }
    return menu;
}

void CSBHtmlView::ShowContextMenu(const QPoint& globalPos) {
    if (const auto menu = ContextMenu()) {
        menu->exec(globalPos);
    }
}

bool CSBHtmlView::PrintTo(QPrinter& printer) {
    // The page prints asynchronously, and both print dialogs want the pages
    // drawn before they go on.
    bool success = false;
    QEventLoop loop;
    connect(this, &QWebEngineView::printFinished, &loop, [&](bool ok) {
        success = ok;
        loop.quit();
    });
    print(&printer);
    loop.exec();
    return success;
}

void CSBHtmlView::RunPrintDialogs(CSBHtmlView& view, bool preview) {
    QPrinter printer;
    if (preview) {
        QPrintPreviewDialog dialog(&printer, &view);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, &view,
                [&view](QPrinter* target) { view.PrintTo(*target); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, &view);
    if (dialog.exec() == QDialog::Accepted) {
        view.PrintTo(printer);
    }
}
