#include "ui/views/CSBHtmlView.h"

#include "app/CSavorbridgeDoc.h"
#include "app/PageLink.h"
#include "model/CRecipeObj.h"
#include "render/DisplayPage.h"
#include "ui/views/LocalFilePolicy.h"

CSBHtmlView::CSBHtmlView(CSavorbridgeDoc& doc, QWidget* parent) : CHtmlView(parent), m_doc(doc) {
    connect(this, &CHtmlView::statusTextChange, this, [this](const QString& text) {
        emit statusTip(QString::fromStdString(PageLink::StatusTip(text.toStdString())));
    });
    connect(&m_doc, &CSavorbridgeDoc::portionChanged, this, [this](int n, int d) {
        SetPortion(n, d);
        Display(m_doc.CurrentItem());
    });
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
    const DisplayPage builder(m_doc.Settings(), &m_doc.Units(), m_programFolder);
    AllowPicturesOf(item);
    Write(*builder.Build(item, m_doc.GetBooks(), m_options));
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
