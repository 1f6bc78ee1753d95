#pragma once

#include "ui/dialogs/CGenericPP.h"

class CRecipeBook;
class CRecipeObj;
class CSavorbridgeDoc;
class QTreeWidget;
class QTreeWidgetItem;

// The Contents page of the navigation pane: the open books with their
// chapters and recipes. Selecting an item displays it; a label edit renames
// the object.
class CContentsPP : public CGenericPP {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 1013;
    static constexpr const char* kModifiedMark = " *";

    explicit CContentsPP(CSavorbridgeDoc& doc, QWidget* parent = nullptr);

    void BuildTree();
    QTreeWidget* Tree() const { return m_tree; }
    QTreeWidgetItem* FindItem(const CRecipeObj* object) const;
    // Starts editing the selected item's label.
    void Rename();

private:
    QTreeWidgetItem* AddItem(CRecipeObj& object, QTreeWidgetItem* parent);
    void AddBook(CRecipeBook& book);
    void RemoveBook(CRecipeBook* book);
    void Relabel(CRecipeObj* object);
    void UpdateLabel(QTreeWidgetItem& item);
    void OnSelectionChanged();
    void OnItemChanged(QTreeWidgetItem* item);
    static CRecipeObj* ObjectOf(const QTreeWidgetItem* item);

    CSavorbridgeDoc& m_doc;
    QTreeWidget* m_tree;
    bool m_building = false;
};
