#pragma once

#include "ui/dialogs/CCmdPP.h"

#include <QIcon>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>

class CProgressBar;
class CRecipeBook;
class CRecipeObj;
class CSavorbridgeDoc;
class QLabel;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

// The Contents page of the navigation pane: the open books with their
// chapters and recipes, where the user selects, displays, renames, sorts,
// deletes, cuts, copies, pastes and drags items.
class CContentsPP : public CCmdPP {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 1013;
    static constexpr const char* kModifiedMark = " *";
    static constexpr int kBuildingContents = 6;
    // Command ids of the tree's own cut, copy and paste.
    static constexpr int kCutItem = 32879;
    static constexpr int kCopyItem = 32874;
    static constexpr int kPasteItem = 32875;

    explicit CContentsPP(CSavorbridgeDoc& doc, QWidget* parent = nullptr);
    ~CContentsPP() override;

    // Fills the tree from the open books; the object marked current is selected again.
    void BuildTree();
    QTreeWidget* Tree() const { return m_tree; }
    QTreeWidgetItem* FindItem(const CRecipeObj* object) const;
    static CRecipeObj* ObjectOf(const QTreeWidgetItem* item);
    CRecipeObj* CurrentObject() const { return m_current; }

    // At start: the first item becomes current and, when asked, is displayed.
    void SelectFirstItem(bool display);
    // Starts editing the selected item's label when the rules allow it.
    void Rename();
    bool CanRename() const;

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;
    CObject* SelectedItem() const override;

    // Where the context menu learns which commands are enabled: the main
    // window's routing. Without one the page answers for itself.
    void SetCommandStateSource(std::function<CommandState(int)> source) { m_stateSource = std::move(source); }
    // The context menu of an object; its commands leave through commandRequested.
    std::unique_ptr<QMenu> BuildContextMenu(const CRecipeObj* object);

    // The node a dragged node lands in when released over another; none when it cannot.
    QTreeWidgetItem* DropTarget(const QTreeWidgetItem* dragged, QTreeWidgetItem* over) const;
    static bool CanDrag(const QTreeWidgetItem* item);
    // Moves the dragged node's object into the target's, and the node with it.
    bool Drop(QTreeWidgetItem* dragged, QTreeWidgetItem* target);

protected:
    void OnSetActive() override;
    void OnKillActive() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillTree();
    QTreeWidgetItem* NewItem(CRecipeObj& object);
    QTreeWidgetItem* NewSubtree(CRecipeObj& object);
    QTreeWidgetItem* NewBookSubtree(CRecipeBook& book, CProgressBar* progress);
    const QIcon& IconFor(const CRecipeObj& object);
    void ApplyExpanded(QTreeWidgetItem& item);
    void SelectQuietly(QTreeWidgetItem* item);
    void MakeCurrent(CRecipeObj* object);
    void RemoveBook(CRecipeBook* book);
    void RemoveObject(CRecipeObj* object);
    void InsertObject(CRecipeObj* object);
    void Relabel(CRecipeObj* object);
    void UpdateLabel(QTreeWidgetItem& item);
    void OnCurrentItemChanged(QTreeWidgetItem* item);
    void OnItemChanged(QTreeWidgetItem* item);
    void OnItemDoubleClicked(QTreeWidgetItem* item);
    void OnExpandedChanged(QTreeWidgetItem* item, bool expanded);
    void ShowContextMenu(const QPoint& position);
    CommandState StateOf(int id);
    void DeleteCurrent();
    void SortCurrent();

    bool OnKeyPress(int key);
    bool OnMousePress(const QPoint& position);
    bool OnMouseMove(const QPoint& position);
    bool OnMouseRelease(const QPoint& position);
    void StartDrag();
    void ScrollNearEdge(const QPoint& position);
    void Highlight(QTreeWidgetItem* item);
    void EndDrag();
    void CancelDrag();

    CSavorbridgeDoc& m_doc;
    QTreeWidget* m_tree;
    CRecipeObj* m_current = nullptr;
    // Set while the page changes the tree itself, so its signals are not the user's doing.
    bool m_quiet = false;
    bool m_building = false;
    bool m_buildAgain = false;
    QTreeWidgetItem* m_flagged = nullptr;
    std::map<int, QIcon> m_icons;
    std::function<CommandState(int)> m_stateSource;

    QTreeWidgetItem* m_pressed = nullptr;
    QPoint m_pressPosition;
    bool m_dragging = false;
    QTreeWidgetItem* m_highlighted = nullptr;
    QPointer<QLabel> m_dragImage;
};
