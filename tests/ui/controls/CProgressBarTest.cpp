#include "ui/controls/CProgressBar.h"

#include "ui/controls/ProgressBarPlacement.h"

#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <string>

namespace {

using Rect = ProgressBarPlacement::Rect;

struct PlacementCase {
    const char* name;
    Rect pane;
    int labelWidth;
    int width;
    Rect expected;
};

class ProgressBarPlacementCases : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(ProgressBarPlacementCases, PlacesTheBarAfterTheLabel) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(ProgressBarPlacement::Compute(c.pane, c.labelWidth, c.width), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgressBarPlacementCases,
    ::testing::Values(PlacementCase{"fixed width", {0, 0, 600, 20}, 70, -150, {100, 2, 150, 16}},
                      PlacementCase{"label on a step", {0, 0, 600, 20}, 50, -150, {100, 2, 150, 16}},
                      PlacementCase{"clipped at the pane edge", {10, 0, 200, 20}, 120, -150, {160, 2, 50, 16}},
                      PlacementCase{"label wider than the pane", {0, 0, 100, 20}, 180, -150, {200, 2, 0, 16}},
                      PlacementCase{"percentage of the rest", {0, 0, 500, 30}, 20, 50, {50, 3, 225, 24}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

class CProgressBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window.resize(800, 400);
        m_window.statusBar()->showMessage("Ready to read");
        m_window.show();
    }
    QMainWindow m_window;
};

TEST_F(CProgressBarTest, ShowsItsLabelAndBarAndGivesThePaneBackWhenDone) {
    {
        CProgressBar progress(m_window.statusBar(), "Reading book", 10, -150);
        EXPECT_EQ(CProgressBar::Current(), &progress);
        EXPECT_EQ(m_window.statusBar()->currentMessage(), "");
        EXPECT_EQ(progress.findChild<QLabel*>("progressLabel")->text(), "Reading book");
        EXPECT_FALSE(progress.Bar()->isVisible()) << "the bar shows from its first position on";
        progress.SetPos(4);
        m_window.statusBar()->showMessage("Opens the recipe");
        progress.StepIt();
        EXPECT_TRUE(progress.Bar()->isVisible());
        EXPECT_EQ(progress.Bar()->value(), 5);
        EXPECT_EQ(progress.Bar()->maximum(), 10);
        QTest::qWait(1);
        EXPECT_EQ(progress.Bar()->width(), 150);
        EXPECT_EQ(progress.Bar()->x() % 50, 0);
    }
    EXPECT_EQ(CProgressBar::Current(), nullptr);
    EXPECT_EQ(m_window.statusBar()->currentMessage(), "For Help, press F1");
}

TEST_F(CProgressBarTest, LongWorkLetsTheWindowKeepPainting) {
    CProgressBar progress(m_window.statusBar(), "Building the contents", 100);
    bool ranMeanwhile = false;
    QTimer::singleShot(0, [&] { ranMeanwhile = true; });
    for (int i = 0; i < 100 && !ranMeanwhile; ++i) {
        QThread::msleep(5);
        progress.SetPos(i);
    }
    EXPECT_TRUE(ranMeanwhile);
}

TEST_F(CProgressBarTest, TheNewestBarIsCurrentAndAnOlderOneLeavesItAlone) {
    auto older = std::make_unique<CProgressBar>(m_window.statusBar(), "Saving", 5);
    CProgressBar newer(m_window.statusBar(), "Searching", 5);
    EXPECT_EQ(CProgressBar::Current(), &newer);
    older.reset();
    EXPECT_EQ(CProgressBar::Current(), &newer);
    EXPECT_EQ(m_window.statusBar()->currentMessage(), "");
    EXPECT_TRUE(newer.isVisible());
}

TEST_F(CProgressBarTest, RangeStepAndLabelCanChangeForTheNextStageOfTheWork) {
    CProgressBar progress(m_window.statusBar(), "Reading", 10, -150);
    progress.SetRange(200);
    progress.SetStep(25);
    progress.StepIt();
    progress.StepIt();
    EXPECT_EQ(progress.Bar()->maximum(), 200);
    EXPECT_EQ(progress.Position(), 50);
    progress.SetText("Building the index of every recipe in the book");
    QTest::qWait(1);
    auto* label = progress.findChild<QLabel*>("progressLabel");
    EXPECT_EQ(label->text(), "Building the index of every recipe in the book");
    EXPECT_GE(progress.Bar()->x(), label->geometry().right());
    EXPECT_EQ(progress.Bar()->x() % 50, 0);
}

} // namespace
