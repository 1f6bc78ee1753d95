#include "ui/views/CommandActions.h"

#include "app/CommandIds.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using namespace CommandId;

class CommandActionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&m_pane);
        layout->addWidget(m_tree);
        m_actions.BuildMenuBar(*m_window.menuBar());
        m_actions.BindKeys(m_pane);
    }

    void Press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, "\r");
        QApplication::sendEvent(target, &press);
    }

    QMainWindow m_window;
    QWidget m_pane;
    QTreeWidget* m_tree = new QTreeWidget(&m_pane);
    std::vector<int> m_routed;
    CommandActions m_actions{m_window, [this](int id) { m_routed.push_back(id); }};
};

TEST_F(CommandActionsTest, EnterRisingToTheNavigationPaneShowsTheItemOnlyWhenEnabled) {
    Press(m_tree, Qt::Key_Return);
    EXPECT_TRUE(m_routed.empty()) << "a disabled command is not carried out";

    m_actions.Update([](int) { return CommandState{true, false}; });
    Press(m_tree, Qt::Key_Return);
    Press(m_tree, Qt::Key_Enter, Qt::KeypadModifier);
    Press(m_tree, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(m_routed, (std::vector<int>{kViewItem, kViewItem}));
}

TEST_F(CommandActionsTest, UpdateSetsEnabledAndCheckedFromTheState) {
    m_actions.Update([](int id) { return CommandState{id == kOpen || id == kStatusBar, id == kStatusBar}; });
    ASSERT_NE(m_actions.Action(kOpen), nullptr);
    EXPECT_TRUE(m_actions.Action(kOpen)->isEnabled());
    EXPECT_FALSE(m_actions.Action(kOpen)->isChecked());
    EXPECT_FALSE(m_actions.Action(kSave)->isEnabled());
    EXPECT_TRUE(m_actions.Action(kStatusBar)->isChecked());
    m_actions.Action(kOpen)->trigger();
    EXPECT_EQ(m_routed, std::vector<int>{kOpen});
}

} // namespace
