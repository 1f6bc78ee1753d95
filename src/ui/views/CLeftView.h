#pragma once

#include "app/CommandTarget.h"

#include <QWidget>

class CContentsPP;
class CSavorbridgeDoc;
class QPushButton;
class QTabWidget;

// The navigation pane: the history buttons above the pages of books and
// lists. Only the Contents page exists so far.
class CLeftView : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    explicit CLeftView(CSavorbridgeDoc& doc, QWidget* parent = nullptr);

    CContentsPP& Contents() const { return *m_contents; }

    // The active page is offered a command first, then the pane itself.
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

signals:
    // A command chosen in one of the pages' context menus, for the main window to route.
    void commandRequested(int id);

private:
    void UpdateHistoryButtons();

    CSavorbridgeDoc& m_doc;
    QPushButton* m_back;
    QPushButton* m_forward;
    QTabWidget* m_pages;
    CContentsPP* m_contents;
};
