#include "search/CContentsPP.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "app/CommandIds.h"
#include "model/CRecipeBook.h"
#include "platform/StringTable.h"
#include "ui/controls/CIconList.h"
#include "ui/controls/CProgressBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kObjectRole = Qt::UserRole;
constexpr int kStringBuildingList = 284;
// The bar moves after this many top-level recipes; chapters move it each.
constexpr int kProgressStride = 256;

struct MenuEntry {
    const char* text;
    int id;
};

// Menu 130, the Contents tree's context menu. The two shopping list
// entries each belong to one kind of item only.
constexpr MenuEntry kViewEntries[] = {
    {"&View  Enter", CommandId::kViewItem},
    {"&Properties...  Alt+Enter", CommandId::kProperties},
    {"Add to &Favorites", CommandId::kAddToFavorites},
};
constexpr MenuEntry kEditEntries[] = {
    {"Sort Items", CommandId::kSortItems},     {"Cut", CContentsPP::kCutItem},
    {"Copy", CContentsPP::kCopyItem},          {"Paste", CContentsPP::kPasteItem},
    {"&Delete  Ctrl+Del", CommandId::kDelete}, {"&Rename  F2", CommandId::kRename},
};
constexpr MenuEntry kNewEntries[] = {
    {"&Recipe...", CommandId::kNewRecipe},
    {"&Chapter...", CommandId::kNewChapter},
    {"&Book...", CommandId::kNewBook},
    {"&Menu...", CommandId::kNewMenu},
    {"&Shopping List Item", CommandId::kNewShoppingListItem},
};
constexpr const char* kShoppingListEntry = "Add to &Shopping List";

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

// Where an object's node sits among its parent's children: the chapters
// first, then the recipes outside any chapter.
int PositionOf(const CRecipeObj& object) {
    const auto indexIn = [&](const auto& items) {
        const auto found =
            std::find_if(items.begin(), items.end(), [&](const auto& item) { return item.get() == &object; });
        return static_cast<int>(found - items.begin());
    };
    if (const auto* chapter = dynamic_cast<const CRecipeChapter*>(&object)) {
        return indexIn(chapter->Book()->Chapters());
    }
    const auto& recipe = dynamic_cast<const CRecipe&>(object);
    if (recipe.Chapter() != nullptr) {
        return indexIn(recipe.Chapter()->Recipes());
    }
    return static_cast<int>(recipe.Book()->Chapters().size()) + indexIn(recipe.Book()->Recipes());
}

CRecipeObj* HolderOf(const CRecipeObj& object) {
    if (const auto* recipe = dynamic_cast<const CRecipe*>(&object)) {
        return recipe->Chapter() != nullptr ? static_cast<CRecipeObj*>(recipe->Chapter()) : recipe->Book();
    }
    return object.OwningBook();
}

QString WithoutModifiedMark(QString text) {
    if (text.endsWith(CContentsPP::kModifiedMark)) {
        text.chop(static_cast<int>(std::char_traits<char>::length(CContentsPP::kModifiedMark)));
    }
    return text;
}

// The label editor starts from the name alone, without the mark of unsaved changes.
class LabelDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        QStyledItemDelegate::setEditorData(editor, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setText(WithoutModifiedMark(edit->text()));
        }
    }
};

} // namespace

CContentsPP::CContentsPP(CSavorbridgeDoc& doc, QWidget* parent)
    : CCmdPP(kTemplateId, parent), m_doc(doc), m_tree(new QTreeWidget(this)) {
    setObjectName("contentsPage");
    setWindowTitle("&Contents");
    m_tree->setObjectName("contentsTree");
    m_tree->setHeaderHidden(true);
    m_tree->setIconSize(QSize(CIconList::kWidth, CIconList::kHeight));
    m_tree->setUniformRowHeights(true);
    m_tree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setItemDelegate(new LabelDelegate(m_tree));
    m_tree->viewport()->installEventFilter(this);
    m_tree->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CContentsPP::OnCurrentItemChanged);
    connect(m_tree, &QTreeWidget::itemChanged, this, &CContentsPP::OnItemChanged);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &CContentsPP::OnItemDoubleClicked);
    connect(m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { OnExpandedChanged(item, true); });
    connect(m_tree, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { OnExpandedChanged(item, false); });
    connect(m_tree, &QWidget::customContextMenuRequested, this, &CContentsPP::ShowContextMenu);
    connect(&m_doc, &CSavorbridgeDoc::booksChanged, this, &CContentsPP::BuildTree);
    connect(&m_doc, &CSavorbridgeDoc::objectChanged, this, &CContentsPP::Relabel);
    connect(&m_doc, &CSavorbridgeDoc::bookClosing, this, &CContentsPP::RemoveBook);
    connect(&m_doc, &CSavorbridgeDoc::objectAdded, this, &CContentsPP::InsertObject);
    connect(&m_doc, &CSavorbridgeDoc::objectDeleting, this, &CContentsPP::RemoveObject);
    BuildTree();
}

CContentsPP::~CContentsPP() = default;

// The progress bar lets the window paint while the tree fills, and whatever
// runs then may ask for the tree again: that request is served afterwards.
void CContentsPP::BuildTree() {
    if (m_building) {
        m_buildAgain = true;
        return;
    }
    m_building = true;
    do {
        m_buildAgain = false;
        FillTree();
    } while (m_buildAgain);
    m_building = false;
}

void CContentsPP::FillTree() {
    std::vector<CRecipeBook*> books;
    for (const auto& book : m_doc.GetBooks()) {
        books.push_back(book.get());
    }
    auto* window = qobject_cast<QMainWindow*>(this->window());
    std::unique_ptr<CProgressBar> progress;
    if (window != nullptr) {
        progress = std::make_unique<CProgressBar>(
            window->statusBar(), QString::fromStdString(StringTable::List(kStringBuildingList).at(kBuildingContents)),
            CountItems(m_doc.GetBooks()));
    }
    CancelDrag();
    m_quiet = true;
    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    m_flagged = nullptr;
    for (CRecipeBook* book : books) {
        m_tree->addTopLevelItem(NewBookSubtree(*book, progress.get()));
    }
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        ApplyExpanded(*m_tree->topLevelItem(i));
    }
    m_current = ObjectOf(m_flagged);
    m_tree->setCurrentItem(m_flagged);
    m_tree->setUpdatesEnabled(true);
    m_quiet = false;
    if (m_flagged != nullptr) {
        m_tree->scrollToItem(m_flagged);
    }
}

// A book's nodes are made apart from the tree and added in one go, which is
// what keeps a book of thousands of recipes quick to show.
QTreeWidgetItem* CContentsPP::NewBookSubtree(CRecipeBook& book, CProgressBar* progress) {
    const auto advance = [progress](int items) {
        if (progress != nullptr) {
            progress->SetPos(progress->Position() + items);
        }
    };
    QTreeWidgetItem* bookItem = NewItem(book);
    QList<QTreeWidgetItem*> children;
    children.reserve(static_cast<qsizetype>(book.ChildCount()));
    for (const auto& chapter : book.Chapters()) {
        children.append(NewSubtree(*chapter));
        advance(1 + static_cast<int>(chapter->Recipes().size()));
    }
    for (const auto& recipe : book.Recipes()) {
        children.append(NewItem(*recipe));
        if (children.size() % kProgressStride == 0) {
            advance(kProgressStride);
        }
    }
    bookItem->addChildren(children);
    advance(1);
    return bookItem;
}

QTreeWidgetItem* CContentsPP::NewSubtree(CRecipeObj& object) {
    QTreeWidgetItem* item = NewItem(object);
    if (auto* chapter = dynamic_cast<CRecipeChapter*>(&object)) {
        QList<QTreeWidgetItem*> recipes;
        recipes.reserve(static_cast<qsizetype>(chapter->Recipes().size()));
        for (const auto& recipe : chapter->Recipes()) {
            recipes.append(NewItem(*recipe));
        }
        item->addChildren(recipes);
    }
    return item;
}

QTreeWidgetItem* CContentsPP::NewItem(CRecipeObj& object) {
    auto* item = new QTreeWidgetItem;
    item->setData(0, kObjectRole, QVariant::fromValue(static_cast<void*>(static_cast<CObject*>(&object))));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setIcon(0, IconFor(object));
    UpdateLabel(*item);
    if (object.HasState(CSBState::kCurrent)) {
        m_flagged = item;
    }
    return item;
}

// The selected image of the default book, chapter and recipe pictures is the
// open book, the selected chapter and the selected recipe.
const QIcon& CContentsPP::IconFor(const CRecipeObj& object) {
    const int id = object.EffectiveIcon(m_doc.Settings().DefaultIcon(static_cast<int>(object.Kind())));
    auto found = m_icons.find(id);
    if (found == m_icons.end()) {
        QIcon icon;
        icon.addPixmap(CIconList::Global().Image(id), QIcon::Normal);
        icon.addPixmap(CIconList::Global().SelectedImage(id), QIcon::Selected);
        found = m_icons.emplace(id, icon).first;
    }
    return found->second;
}

void CContentsPP::ApplyExpanded(QTreeWidgetItem& item) {
    const CRecipeObj* object = ObjectOf(&item);
    if (object == nullptr || object->Kind() == NodeKind::Recipe) {
        return;
    }
    item.setExpanded(object->HasState(CSBState::kExpanded));
    for (int i = 0; i < item.childCount(); ++i) {
        ApplyExpanded(*item.child(i));
    }
}

void CContentsPP::SelectFirstItem(bool display) {
    QTreeWidgetItem* first = m_tree->topLevelItem(0);
    if (first == nullptr) {
        return;
    }
    SelectQuietly(first);
    if (display) {
        m_doc.Display(m_current);
    }
}

void CContentsPP::SelectQuietly(QTreeWidgetItem* item) {
    const bool quiet = m_quiet;
    m_quiet = true;
    m_tree->setCurrentItem(item);
    m_quiet = quiet;
    MakeCurrent(ObjectOf(item));
    if (item != nullptr) {
        m_tree->scrollToItem(item);
    }
}

void CContentsPP::MakeCurrent(CRecipeObj* object) {
    if (m_current != nullptr) {
        m_current->SetState(CSBState::kCurrent, false);
    }
    m_current = object;
    if (object != nullptr) {
        object->SetState(CSBState::kCurrent, true);
    }
    m_doc.SetCurrentObject(object);
}

// The items point into the book, so they go before it does.
void CContentsPP::RemoveBook(CRecipeBook* book) {
    RemoveObject(book);
}

void CContentsPP::RemoveObject(CRecipeObj* object) {
    QTreeWidgetItem* item = FindItem(object);
    if (item == nullptr) {
        return;
    }
    const bool wasCurrent = m_tree->currentItem() == item;
    CancelDrag();
    m_quiet = true;
    delete item;
    m_quiet = false;
    if (m_current != nullptr && FindItem(m_current) == nullptr) {
        m_current = nullptr;
    }
    if (wasCurrent) {
        QTreeWidgetItem* next = m_tree->currentItem();
        if (next != nullptr) {
            next->setSelected(true);
        }
        MakeCurrent(ObjectOf(next));
    }
}

// A single new chapter or recipe gets its node without rebuilding the tree.
void CContentsPP::InsertObject(CRecipeObj* object) {
    if (object == nullptr || object->Kind() == NodeKind::Book) {
        return;
    }
    // A rebuild that ran first already shows it; it only needs selecting.
    if (QTreeWidgetItem* shown = FindItem(object)) {
        SelectQuietly(shown);
        return;
    }
    QTreeWidgetItem* parent = FindItem(HolderOf(*object));
    if (parent == nullptr) {
        return;
    }
    m_quiet = true;
    QTreeWidgetItem* item = NewSubtree(*object);
    parent->insertChild(PositionOf(*object), item);
    parent->setExpanded(true);
    ApplyExpanded(*item);
    m_quiet = false;
    SelectQuietly(item);
}

void CContentsPP::UpdateLabel(QTreeWidgetItem& item) {
    const CRecipeObj* object = ObjectOf(&item);
    QString label = QString::fromStdString(object->Title());
    if (object->Kind() == NodeKind::Book && object->OwningBook()->Modified()) {
        label += kModifiedMark;
    }
    const bool quiet = m_quiet;
    m_quiet = true;
    item.setText(0, label);
    m_quiet = quiet;
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
    if (object == nullptr) {
        return nullptr;
    }
    for (QTreeWidgetItemIterator it(m_tree); *it != nullptr; ++it) {
        if (ObjectOf(*it) == object) {
            return *it;
        }
    }
    return nullptr;
}

CRecipeObj* CContentsPP::ObjectOf(const QTreeWidgetItem* item) {
    if (item == nullptr) {
        return nullptr;
    }
    return dynamic_cast<CRecipeObj*>(static_cast<CObject*>(item->data(0, kObjectRole).value<void*>()));
}

CObject* CContentsPP::SelectedItem() const {
    return m_current;
}

// Editing may start on a book, or on a node below one that shows an object;
// without a current object only on the nodes just below the top.
bool CContentsPP::CanRename() const {
    const QTreeWidgetItem* item = m_tree->currentItem();
    if (item == nullptr) {
        return false;
    }
    if (m_current != nullptr) {
        return item->parent() == nullptr ? ObjectOf(item) != nullptr : ObjectOf(item->parent()) != nullptr;
    }
    return item->parent() != nullptr && item->parent()->parent() == nullptr;
}

void CContentsPP::Rename() {
    if (CanRename()) {
        m_tree->editItem(m_tree->currentItem());
    }
}

void CContentsPP::OnCurrentItemChanged(QTreeWidgetItem* item) {
    if (m_quiet) {
        return;
    }
    MakeCurrent(ObjectOf(item));
    if (m_current != nullptr && m_doc.Settings().m_singleClickDisplay == 1) {
        m_doc.Display(m_current);
    }
}

void CContentsPP::OnItemChanged(QTreeWidgetItem* item) {
    CRecipeObj* object = ObjectOf(item);
    if (m_quiet || object == nullptr) {
        return;
    }
    const QString text = WithoutModifiedMark(item->text(0));
    if (text.trimmed().isEmpty() || text.toStdString() == object->Title()) {
        UpdateLabel(*item);
        return;
    }
    object->SetTitle(text.toStdString());
    m_doc.MarkChanged(*object);
    if (auto* recipe = dynamic_cast<CRecipe*>(object); recipe != nullptr && m_doc.RefreshRecipe(*recipe) > 0) {
        emit m_doc.menusChanged();
    }
    m_doc.Redisplay();
}

void CContentsPP::OnItemDoubleClicked(QTreeWidgetItem* item) {
    CRecipeObj* object = ObjectOf(item);
    if (object == nullptr) {
        return;
    }
    if (m_doc.Settings().m_doubleClickDisplay == 1) {
        m_doc.Display(object);
    } else {
        m_doc.OnProperties(*object);
    }
}

void CContentsPP::OnExpandedChanged(QTreeWidgetItem* item, bool expanded) {
    if (CRecipeObj* object = ObjectOf(item)) {
        object->SetState(CSBState::kExpanded, expanded);
    }
}

void CContentsPP::OnSetActive() {
    MakeCurrent(ObjectOf(m_tree->currentItem()));
}

void CContentsPP::OnKillActive() {
    MakeCurrent(nullptr);
}

bool CContentsPP::OnCommand(int id) {
    if (!IsActive()) {
        return false;
    }
    switch (id) {
    case CommandId::kDelete:
        DeleteCurrent();
        return true;
    case CommandId::kRename:
        Rename();
        return true;
    case CommandId::kSortItems:
        SortCurrent();
        return true;
    case kCutItem:
    case CommandId::kCut:
        m_doc.OnCutItem();
        return true;
    case kCopyItem:
        m_doc.OnCopyItem();
        return true;
    case kPasteItem:
        m_doc.OnPasteItem();
        return true;
    default:
        return false;
    }
}

bool CContentsPP::OnUpdateCommand(int id, CommandState& state) {
    if (!IsActive()) {
        return false;
    }
    switch (id) {
    case CommandId::kDelete:
    case CommandId::kRename:
        state.enabled = CanRename() && m_current != nullptr;
        return true;
    case CommandId::kSortItems:
        state.enabled = CSBDocBase::CanSort(m_current);
        return true;
    case kCutItem:
    case CommandId::kCut:
    case kCopyItem:
        state.enabled = m_doc.CanCopy();
        return true;
    case kPasteItem:
        state.enabled = m_doc.CanPaste();
        return true;
    default:
        return false;
    }
}

void CContentsPP::DeleteCurrent() {
    if (m_current == nullptr) {
        return;
    }
    CRecipeBook* book = m_current->Kind() == NodeKind::Book ? nullptr : m_current->OwningBook();
    if (m_doc.DeleteObject(*m_current) && book != nullptr) {
        m_doc.MarkChanged(*book);
    }
}

void CContentsPP::SortCurrent() {
    if (m_current != nullptr && m_doc.SortItems(*m_current)) {
        BuildTree();
    }
}

CommandState CContentsPP::StateOf(int id) {
    if (m_stateSource) {
        return m_stateSource(id);
    }
    CommandState state;
    OnUpdateCommand(id, state);
    return state;
}

std::unique_ptr<QMenu> CContentsPP::BuildContextMenu(const CRecipeObj* object) {
    auto menu = std::make_unique<QMenu>();
    menu->setObjectName("contentsContextMenu");
    const auto add = [this](QMenu* to, const MenuEntry& entry) {
        QAction* action = to->addAction(entry.text);
        action->setData(entry.id);
        action->setEnabled(StateOf(entry.id).enabled);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { emit commandRequested(id); });
    };
    for (const MenuEntry& entry : kViewEntries) {
        add(menu.get(), entry);
    }
    if (object == nullptr) {
        add(menu.get(), {kShoppingListEntry, CommandId::kAddMenuToShoppingList});
    } else if (object->Kind() == NodeKind::Recipe) {
        add(menu.get(), {kShoppingListEntry, CommandId::kAddRecipeToShoppingList});
    }
    menu->addSeparator();
    for (const MenuEntry& entry : kEditEntries) {
        add(menu.get(), entry);
    }
    menu->addSeparator();
    QMenu* newMenu = menu->addMenu("&New");
    for (const MenuEntry& entry : kNewEntries) {
        add(newMenu, entry);
    }
    menu->addSeparator();
    add(menu.get(), {"&Options...", CommandId::kOptions});
    return menu;
}

void CContentsPP::ShowContextMenu(const QPoint& position) {
    QTreeWidgetItem* item = m_tree->itemAt(position);
    if (item == nullptr) {
        return;
    }
    m_tree->setCurrentItem(item);
    const std::unique_ptr<QMenu> menu = BuildContextMenu(ObjectOf(item));
    menu->exec(m_tree->viewport()->mapToGlobal(position));
}

bool CContentsPP::CanDrag(const QTreeWidgetItem* item) {
    const CRecipeObj* object = ObjectOf(item);
    if (object == nullptr) {
        return false;
    }
    if (object->Kind() == NodeKind::Chapter) {
        return true;
    }
    return object->Kind() == NodeKind::Recipe && ObjectOf(item->parent()) != nullptr;
}

QTreeWidgetItem* CContentsPP::DropTarget(const QTreeWidgetItem* dragged, QTreeWidgetItem* over) const {
    const CRecipeObj* object = ObjectOf(dragged);
    if (object == nullptr || !CanDrag(dragged)) {
        return nullptr;
    }
    return FindItem(CSBDocBase::MoveTarget(*object, ObjectOf(over)));
}

bool CContentsPP::Drop(QTreeWidgetItem* dragged, QTreeWidgetItem* target) {
    CRecipeObj* object = ObjectOf(dragged);
    CRecipeObj* into = ObjectOf(target);
    if (object == nullptr || into == nullptr || DropTarget(dragged, target) != target) {
        return false;
    }
    CRecipeBook* source = object->OwningBook();
    if (!m_doc.MoveObject(*object, *into)) {
        return false;
    }
    m_quiet = true;
    dragged->parent()->removeChild(dragged);
    target->insertChild(PositionOf(*object), dragged);
    target->setExpanded(true);
    ApplyExpanded(*dragged);
    m_quiet = false;
    SelectQuietly(dragged);
    m_doc.MarkChanged(*source);
    m_doc.MarkChanged(*into->OwningBook());
    return true;
}

bool CContentsPP::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        return OnKeyPress(static_cast<QKeyEvent*>(event)->key());
    }
    if (watched != m_tree->viewport()) {
        return CCmdPP::eventFilter(watched, event);
    }
    const auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (mouse == nullptr || (mouse->button() != Qt::LeftButton && !(mouse->buttons() & Qt::LeftButton))) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return OnMousePress(mouse->position().toPoint());
    case QEvent::MouseMove:
        return OnMouseMove(mouse->position().toPoint());
    case QEvent::MouseButtonRelease:
        return OnMouseRelease(mouse->position().toPoint());
    default:
        return false;
    }
}

// Escape gives up a drag where it is.
bool CContentsPP::OnKeyPress(int key) {
    if (key != Qt::Key_Escape || !m_dragging) {
        return false;
    }
    CancelDrag();
    return true;
}

// The press itself still selects the node; only a move turns it into a drag.
bool CContentsPP::OnMousePress(const QPoint& position) {
    QTreeWidgetItem* item = m_tree->itemAt(position);
    m_pressed = CanDrag(item) ? item : nullptr;
    m_pressPosition = position;
    return false;
}

bool CContentsPP::OnMouseMove(const QPoint& position) {
    if (m_pressed == nullptr) {
        return false;
    }
    if (!m_dragging && (position - m_pressPosition).manhattanLength() < QApplication::startDragDistance()) {
        return true;
    }
    if (!m_dragging) {
        StartDrag();
    }
    ScrollNearEdge(position);
    m_dragImage->move(position + QPoint(12, 4));
    Highlight(DropTarget(m_pressed, m_tree->itemAt(position)));
    return true;
}

// A drag near the top or bottom edge brings the rows beyond it into view.
void CContentsPP::ScrollNearEdge(const QPoint& position) {
    const int margin = m_tree->fontMetrics().height();
    QScrollBar* bar = m_tree->verticalScrollBar();
    if (position.y() < margin) {
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    } else if (position.y() > m_tree->viewport()->height() - margin) {
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
}

bool CContentsPP::OnMouseRelease(const QPoint& position) {
    QTreeWidgetItem* dragged = m_pressed;
    m_pressed = nullptr;
    if (!m_dragging) {
        return false;
    }
    QTreeWidgetItem* target = DropTarget(dragged, m_tree->itemAt(position));
    EndDrag();
    if (target != nullptr) {
        Drop(dragged, target);
    }
    return true;
}

void CContentsPP::StartDrag() {
    m_dragging = true;
    m_dragImage = new QLabel(m_tree->viewport());
    m_dragImage->setObjectName("dragImage");
    m_dragImage->setText(m_pressed->text(0));
    m_dragImage->setStyleSheet("QLabel { background: palette(base); border: 1px dotted palette(text); padding: 1px; }");
    m_dragImage->adjustSize();
    m_dragImage->show();
    m_tree->viewport()->setCursor(Qt::DragMoveCursor);
}

void CContentsPP::Highlight(QTreeWidgetItem* item) {
    if (item == m_highlighted) {
        return;
    }
    m_quiet = true;
    if (m_highlighted != nullptr) {
        m_highlighted->setBackground(0, QBrush());
    }
    m_highlighted = item;
    if (item != nullptr) {
        item->setBackground(0, palette().color(QPalette::Highlight).lighter(160));
    }
    m_quiet = false;
}

// The nodes a drag holds on to are about to go.
void CContentsPP::CancelDrag() {
    if (m_dragging) {
        EndDrag();
    }
    m_pressed = nullptr;
}

void CContentsPP::EndDrag() {
    Highlight(nullptr);
    delete m_dragImage;
    m_tree->viewport()->unsetCursor();
    m_dragging = false;
}
