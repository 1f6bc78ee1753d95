#include "ui/views/CommandActions.h"

#include "ui/views/ToolbarArt.h"

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The menu shows the keys exactly as the table writes them, after a tab.
QString MenuText(std::string_view text) {
    const auto keys = CommandTable::KeyText(text);
    const QString label = Text(CommandTable::Label(text));
    return keys.empty() ? label : label + '\t' + Text(keys);
}

} // namespace

CommandActions::CommandActions(QMainWindow& window, Route route)
    : QObject(&window), m_window(window), m_route(std::move(route)) {}

QAction* CommandActions::Action(int id) const {
    const auto found = m_actions.find(id);
    return found != m_actions.end() ? found->second : nullptr;
}

QAction* CommandActions::ActionFor(int id) {
    if (QAction* existing = Action(id)) {
        return existing;
    }
    const CommandTable::Command* command = CommandTable::Find(id);
    if (command == nullptr) {
        return nullptr;
    }
    auto* action = new QAction(MenuText(command->text), &m_window);
    action->setObjectName(Text(command->name));
    action->setToolTip(QString::fromStdString(CommandTable::ToolTip(command->text)));
    action->setData(id);
    action->setEnabled(false);
    if (ToolbarArt::Has(id)) {
        action->setIcon(ToolbarArt::Icon(id));
    }
    connect(action, &QAction::triggered, this, [this, id] { m_route(id); });
    m_actions.emplace(id, action);
    return action;
}

void CommandActions::BuildMenuBar(QMenuBar& bar) {
    for (const auto& menu : CommandTable::MenuBar()) {
        QMenu* popup = bar.addMenu(Text(menu.title));
        FillMenu(*popup, menu.items);
    }
}

void CommandActions::FillMenu(QMenu& menu, const std::vector<CommandTable::MenuEntry>& items) {
    using Kind = CommandTable::MenuEntry::Kind;
    connect(&menu, &QMenu::aboutToShow, this, &CommandActions::menuAboutToShow);
    for (const auto& item : items) {
        switch (item.kind) {
        case Kind::Separator:
            menu.addSeparator();
            break;
        case Kind::Submenu: {
            QMenu* submenu = menu.addMenu(Text(item.title));
            FillMenu(*submenu, item.items);
            m_submenus.push_back(submenu);
            break;
        }
        case Kind::Command:
            menu.addAction(ActionFor(item.id));
            break;
        }
    }
}

std::array<QToolBar*, 3> CommandActions::BuildToolbars() {
    std::array<QToolBar*, 3> bars{};
    const auto& layouts = CommandTable::Toolbars();
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        auto* bar = new QToolBar(Text(layouts[i].title), &m_window);
        bar->setObjectName(Text(layouts[i].name));
        bar->setIconSize(QSize(ToolbarArt::kSize, ToolbarArt::kSize));
        for (const int id : layouts[i].buttons) {
            if (id == CommandTable::kSeparator) {
                bar->addSeparator();
            } else {
                bar->addAction(ActionFor(id));
            }
        }
        m_window.addToolBar(Qt::TopToolBarArea, bar);
        bars[i] = bar;
    }
    return bars;
}

void CommandActions::BindKeys(QWidget& navigationPane) {
    std::map<int, QList<QKeySequence>> windowKeys;
    for (const auto& key : CommandTable::Accelerators()) {
        const QKeySequence sequence(Text(key.keys), QKeySequence::PortableText);
        if (key.reach == CommandTable::KeyReach::NavigationPane) {
            m_paneKeys[sequence[0].toCombined()] = key.id;
            ActionFor(key.id);
        } else {
            windowKeys[key.id].append(sequence);
        }
    }
    for (const auto& [id, keys] : windowKeys) {
        QAction* action = ActionFor(id);
        action->setShortcuts(keys);
        // Keys of commands without a menu entry only work when the window holds the action.
        m_window.addAction(action);
    }
    navigationPane.installEventFilter(this);
}

// The pages let keys they do not use rise to the pane, so an edit in a page
// keeps its own Enter while Enter on a selected item displays it.
bool CommandActions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && RoutePaneKey(static_cast<const QKeyEvent&>(*event))) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool CommandActions::RoutePaneKey(const QKeyEvent& key) {
    // Enter on the keypad counts as Enter.
    const QKeyCombination combination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key()));
    const auto found = m_paneKeys.find(combination.toCombined());
    if (found == m_paneKeys.end()) {
        return false;
    }
    const QAction* action = Action(found->second);
    if (action == nullptr || !action->isEnabled()) {
        return false;
    }
    m_route(found->second);
    return true;
}

void CommandActions::Update(const StateOf& stateOf) {
    for (const auto& [id, action] : m_actions) {
        const CommandState state = stateOf(id);
        action->setEnabled(state.enabled);
        if (state.checked && !action->isCheckable()) {
            action->setCheckable(true);
        }
        action->setChecked(state.checked);
    }
    // A submenu that offers nothing is greyed like a command.
    for (QMenu* submenu : m_submenus) {
        const QList<QAction*> entries = submenu->actions();
        const bool any = std::any_of(entries.begin(), entries.end(),
                                     [](const QAction* entry) { return !entry->isSeparator() && entry->isEnabled(); });
        submenu->menuAction()->setEnabled(any);
    }
}
