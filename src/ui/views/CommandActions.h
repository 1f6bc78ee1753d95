#pragma once

#include "app/CommandTable.h"
#include "app/CommandTarget.h"

#include <QObject>

#include <array>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QKeyEvent;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;

// The actions of the main window, one per command id, built from the command
// table: the menu bar, the toolbars and the keys. Every action only names its
// command; what it does and whether it is enabled come from the window's routing.
class CommandActions : public QObject {
    Q_OBJECT
public:
    using Route = std::function<void(int id)>;
    using StateOf = std::function<CommandState(int id)>;

    CommandActions(QMainWindow& window, Route route);

    void BuildMenuBar(QMenuBar& bar);
    std::array<QToolBar*, 3> BuildToolbars();
    // Window-wide keys go on the window; Enter only works inside the navigation pane.
    void BindKeys(QWidget& navigationPane);

    // The action of the id; nullptr for an id without one.
    QAction* Action(int id) const;
    void Update(const StateOf& state);

signals:
    // A menu is about to open: its entries must show the current state.
    void menuAboutToShow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* ActionFor(int id);
    void FillMenu(QMenu& menu, const std::vector<CommandTable::MenuEntry>& items);
    bool RoutePaneKey(const QKeyEvent& key);

    QMainWindow& m_window;
    Route m_route;
    std::map<int, QAction*> m_actions;
    // Innermost first, so a submenu's state is known before its parent's.
    std::vector<QMenu*> m_submenus;
    std::map<int, int> m_paneKeys;
};
