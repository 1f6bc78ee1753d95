#include "search/CContentsPP.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "model/CRecipeBook.h"
#include "ui/controls/CIconList.h"
#include "ui/controls/CProgressBar.h"

#include <QMainWindow>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kObjectRole = Qt::UserRole;
constexpr const char* kBuildingText = "Building contents";

int DefaultIcon(const CSettings& settings, NodeKind kind) {
    switch (kind) {
    case NodeKind::Book:
        return settings.m_defaultBookIcon;
    case NodeKind::Chapter:
        return settings.m_defaultChapterIcon;
    default:
        return settings.m_defaultRecipeIcon;
    }
}

int CountItems(const CSBDocBase::Books& books) {
    int count = 0;
    for (const auto& book : books) {
        count += 1 + static_cast<int>(book->Chapters().size() + book->Recipes().size());
        for (const auto& chapter : book->Chapters()) {
            count += static_cast<int>(chapter->Recipes().size());
        }
    }
    return count;
}

} // namespace

CContentsPP::CContentsPP(CSavorbridgeDoc& doc, QWidget* parent)
    : CGenericPP(kTemplateId, parent), m_doc(doc), m_tree(new QTreeWidget(this)) {
    setObjectName("contentsPage");
    setWindowTitle("&Contents");
    m_tree->setObjectName("contentsTree");
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &CContentsPP::OnSelectionChanged);
    connect(m_tree, &QTreeWidget::itemChanged, this, &CContentsPP::OnItemChanged);
    connect(&m_doc, &CSavorbridgeDoc::booksChanged, this, &CContentsPP::BuildTree);
    connect(&m_doc, &CSavorbridgeDoc::objectChanged, this, &CContentsPP::Relabel);
    connect(&m_doc, &CSavorbridgeDoc::bookClosing, this, &CContentsPP::RemoveBook);
    BuildTree();
}

void CContentsPP::BuildTree() {
    const auto& books = m_doc.GetBooks();
    auto* window = qobject_cast<QMainWindow*>(this->window());
    std::unique_ptr<CProgressBar> progress;
    if (window != nullptr) {
        progress = std::make_unique<CProgressBar>(window->statusBar(), kBuildingText, CountItems(books));
    }
    m_building = true;
    m_tree->clear();
    for (const auto& book : books) {
        AddBook(*book);
    }
    m_building = false;
}

void CContentsPP::AddBook(CRecipeBook& book) {
    QTreeWidgetItem* bookItem = AddItem(book, nullptr);
    for (const auto& chapter : book.Chapters()) {
        QTreeWidgetItem* chapterItem = AddItem(*chapter, bookItem);
        for (const auto& recipe : chapter->Recipes()) {
            AddItem(*recipe, chapterItem);
        }
    }
    for (const auto& recipe : book.Recipes()) {
        AddItem(*recipe, bookItem);
    }
    bookItem->setExpanded(true);
}

// The items point into the book, so they go before it does.
void CContentsPP::RemoveBook(CRecipeBook* book) {
    QTreeWidgetItem* item = FindItem(book);
    if (item == nullptr) {
        return;
    }
    m_building = true;
    delete item;
    m_building = false;
}

QTreeWidgetItem* CContentsPP::AddItem(CRecipeObj& object, QTreeWidgetItem* parent) {
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
    item->setData(0, kObjectRole, QVariant::fromValue(static_cast<void*>(&object)));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setIcon(0, CIconList::Global().Icon(object.EffectiveIcon(DefaultIcon(m_doc.Settings(), object.Kind()))));
    UpdateLabel(*item);
    return item;
}

void CContentsPP::UpdateLabel(QTreeWidgetItem& item) {
    const CRecipeObj* object = ObjectOf(&item);
    QString label = QString::fromStdString(object->Title());
    if (object->Kind() == NodeKind::Book && object->OwningBook()->Modified()) {
        label += kModifiedMark;
    }
    const bool building = m_building;
    m_building = true;
    item.setText(0, label);
    m_building = building;
}

void CContentsPP::Relabel(CRecipeObj* object) {
    if (QTreeWidgetItem* item = FindItem(object)) {
        UpdateLabel(*item);
    }
    if (CRecipeBook* book = object != nullptr ? object->OwningBook() : nullptr) {
        if (QTreeWidgetItem* bookItem = FindItem(book)) {
            UpdateLabel(*bookItem);
        }
    }
}

QTreeWidgetItem* CContentsPP::FindItem(const CRecipeObj* object) const {
    for (QTreeWidgetItemIterator it(m_tree); *it != nullptr; ++it) {
        if (ObjectOf(*it) == object) {
            return *it;
        }
    }
    return nullptr;
}

void CContentsPP::Rename() {
    if (QTreeWidgetItem* item = m_tree->currentItem()) {
        m_tree->editItem(item);
    }
}

void CContentsPP::OnSelectionChanged() {
    const auto selected = m_tree->selectedItems();
    if (m_building || selected.isEmpty() || m_doc.Settings().m_singleClickDisplay == 0) {
        return;
    }
    m_doc.Display(ObjectOf(selected.front()));
}

void CContentsPP::OnItemChanged(QTreeWidgetItem* item) {
    CRecipeObj* object = ObjectOf(item);
    if (m_building || object == nullptr) {
        return;
    }
    QString text = item->text(0);
    if (text.endsWith(kModifiedMark)) {
        text.chop(static_cast<int>(std::char_traits<char>::length(kModifiedMark)));
    }
    if (text.toStdString() == object->Title()) {
        UpdateLabel(*item);
        return;
    }
    object->SetTitle(text.toStdString());
    m_doc.MarkChanged(*object);
    m_doc.Redisplay();
}

CRecipeObj* CContentsPP::ObjectOf(const QTreeWidgetItem* item) {
    return item == nullptr ? nullptr : static_cast<CRecipeObj*>(item->data(0, kObjectRole).value<void*>());
}
