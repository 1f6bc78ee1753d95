#include "ui/views/CHackSplitter.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTabBar>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A splitter over a three-tab strip, as the main window stacks them.
class CHackSplitterTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&m_window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        m_splitter = new CHackSplitter(Qt::Horizontal);
        m_splitter->addWidget(new QLabel("left"));
        m_splitter->addWidget(new QLabel("right"));
        m_tabs = new QTabBar;
        for (const char* caption : {"Display", "Inventory", "Web"}) {
            m_tabs->addTab(caption);
        }
        layout->addWidget(m_splitter);
        layout->addWidget(m_tabs, 0, Qt::AlignHCenter);
        m_splitter->SetTabStrip(m_tabs);
        m_window.resize(600, 300);
        m_window.show();
        QApplication::processEvents();
    }

    QRect TabInSplitter(int index) const {
        const QRect tab = m_tabs->tabRect(index);
        return {m_splitter->mapFromGlobal(m_tabs->mapToGlobal(tab.topLeft())), tab.size()};
    }

    QWidget m_window;
    CHackSplitter* m_splitter = nullptr;
    QTabBar* m_tabs = nullptr;
};

TEST_F(CHackSplitterTest, JoinReachesPastTheSelectedTabExceptAtTheEndsOfTheStrip) {
    const int overhang = CHackSplitter::kJoinOverhang;
    const struct {
        int tab;
        int leftReach;
        int rightReach;
    } cases[] = {{0, 0, overhang}, {1, overhang, overhang}, {2, overhang, 0}};
    for (const auto& c : cases) {
        m_tabs->setCurrentIndex(c.tab);
        const QRect tab = TabInSplitter(c.tab);
        const QRect span = m_splitter->JoinedSpan();
        EXPECT_EQ(span.left(), tab.left() - c.leftReach) << c.tab;
        EXPECT_EQ(span.right(), tab.right() + c.rightReach) << c.tab;
        EXPECT_EQ(span.bottom(), m_splitter->height() - 1) << c.tab;
        EXPECT_EQ(span.height(), 2) << c.tab;
    }
}

TEST_F(CHackSplitterTest, PaintsTheJoinWhiteOnlyOverTheSelectedTab) {
    m_tabs->setCurrentIndex(1);
    QApplication::processEvents();
    const QImage image = m_splitter->grab().toImage();
    const int bottom = m_splitter->height() - 1;
    const QRect selected = TabInSplitter(1);
    const QRect other = TabInSplitter(0);
    EXPECT_EQ(image.pixelColor(selected.center().x(), bottom), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(selected.center().x(), bottom - 1), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(other.center().x(), bottom), QColor(Qt::white));
}

TEST_F(CHackSplitterTest, NoStripNoJoin) {
    CHackSplitter alone(Qt::Horizontal);
    EXPECT_TRUE(alone.JoinedSpan().isEmpty());
}

} // namespace
