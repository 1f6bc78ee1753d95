#include "ui/views/CMainFrame.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "model/CRecipe.h"
#include "model/CRecipeBook.h"
#include "model/RecipeBookFile.h"
#include "platform/StringTable.h"
#include "support/MemoryProfile.h"
#include "support/QtViewBody.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "ui/controls/CProgressBar.h"
#include "ui/controls/CSheetTab.h"
#include "ui/views/CLeftView.h"
#include "ui/views/CSBHtmlViewM.h"
#include "ui/views/ReadProgressDisplay.h"
#include "ui/views/ToolbarArt.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using namespace CommandId;

// Stands in the comment window's place in the routing: claims every command
// and records the ones it was given.
class RecordingTarget : public CommandTarget {
public:
    bool OnCommand(int id) override {
        received.push_back(id);
        return true;
    }
    bool OnUpdateCommand(int, CommandState& state) override {
        state.enabled = true;
        return true;
    }

    std::vector<int> received;
};

class CMainFrameCommandsTest : public ::testing::Test {
protected:
    QAction& ActionOf(int id) {
        QAction* action = m_frame.Action(id);
        EXPECT_NE(action, nullptr) << id;
        return *action;
    }

    QString PlaceholderNote() {
        auto* note = m_frame.RightView()->findChild<QLabel*>("placeholderNote");
        return note != nullptr ? note->text() : QString();
    }

    CSettings m_settings;
    MemoryProfile m_profile;
    ScriptedPrompts m_prompts;
    CSavorbridgeDoc m_doc{m_settings, m_prompts, nullptr};
    CMainFrame m_frame{m_settings, m_profile, m_doc};
};

TEST_F(CMainFrameCommandsTest, MenuBarAndKeysComeFromTheCommandTable) {
    QStringList titles;
    for (QAction* menu : m_frame.menuBar()->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "&View", "&Tools", "&Help"}));
    EXPECT_EQ(ActionOf(kOpen).text(), "&Open...\tCtrl+O");
    EXPECT_EQ(ActionOf(kOpen).shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(ActionOf(kSaveAs).text(), "Save &As...");
    EXPECT_EQ(ActionOf(kCopy).shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")}));
    EXPECT_EQ(ActionOf(kNewBook).shortcut(), QKeySequence("F12"));
    // Enter only reaches the navigation pane, so it is no window-wide shortcut.
    EXPECT_EQ(ActionOf(kViewItem).text(), "&Item\tEnter");
    EXPECT_TRUE(ActionOf(kViewItem).shortcut().isEmpty());
    EXPECT_EQ(ActionOf(kOpen).objectName(), "actionOpen");
}

TEST_F(CMainFrameCommandsTest, SubmenusOfDisabledCommandsAreGreyed) {
    m_frame.UpdateCommandStates();
    const auto submenuHolding = [&](int id) -> QAction* {
        for (auto* menu : m_frame.findChildren<QMenu*>()) {
            if (menu->actions().contains(&ActionOf(id))) {
                return menu->menuAction();
            }
        }
        return nullptr;
    };
    ASSERT_NE(submenuHolding(kPalmExportBook), nullptr);
    EXPECT_FALSE(submenuHolding(kPalmExportBook)->isEnabled());
    EXPECT_FALSE(submenuHolding(kPocketPcExportBook)->isEnabled());
    ASSERT_NE(submenuHolding(kNewRecipe), nullptr);
    EXPECT_TRUE(submenuHolding(kNewRecipe)->isEnabled());
}

TEST_F(CMainFrameCommandsTest, ToolbarsHoldTheirButtonsAndFollowTheirToggles) {
    const auto& layouts = CommandTable::Toolbars();
    for (const auto& layout : layouts) {
        auto* bar = m_frame.findChild<QToolBar*>(QString::fromUtf8(layout.name.data(), layout.name.size()));
        ASSERT_NE(bar, nullptr) << layout.name;
        EXPECT_EQ(bar->windowTitle().toStdString(), layout.title);
        std::vector<int> buttons;
        for (QAction* action : bar->actions()) {
            buttons.push_back(action->isSeparator() ? CommandTable::kSeparator : action->data().toInt());
        }
        EXPECT_EQ(buttons, layout.buttons) << layout.name;
        for (const int id : layout.buttons) {
            if (id != CommandTable::kSeparator) {
                EXPECT_TRUE(ToolbarArt::Has(id)) << id;
            }
        }

        QAction& toggle = ActionOf(layout.toggleId);
        EXPECT_TRUE(toggle.isEnabled());
        EXPECT_TRUE(toggle.isChecked());
        EXPECT_TRUE(m_frame.Route(layout.toggleId));
        EXPECT_TRUE(bar->isHidden());
        EXPECT_FALSE(toggle.isChecked());
        toggle.trigger();
        EXPECT_FALSE(bar->isHidden());
        EXPECT_TRUE(toggle.isChecked());
    }
}

TEST_F(CMainFrameCommandsTest, ToolbarPicturesHaveADisabledLook) {
    const QImage normal = ToolbarArt::Picture(kOpen).toImage();
    ASSERT_EQ(normal.size(), QSize(ToolbarArt::kSize, ToolbarArt::kSize));
    const QImage disabled = ToolbarArt::Disabled(ToolbarArt::Picture(kOpen)).toImage();
    EXPECT_NE(normal, disabled);
    for (int y = 0; y < disabled.height(); ++y) {
        for (int x = 0; x < disabled.width(); ++x) {
            const QRgb pixel = disabled.pixel(x, y);
            EXPECT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)) << x << "," << y;
        }
    }
    EXPECT_TRUE(ToolbarArt::Icon(kStatusBar).isNull());
}

TEST_F(CMainFrameCommandsTest, RoutesToTheFirstHandlerInOrder) {
    RecordingTarget comment;
    m_frame.SetCommentTarget(&comment);
    const auto targets = m_frame.CommandTargets();
    ASSERT_EQ(targets.size(), 5U);
    EXPECT_EQ(targets[0], &m_frame);
    EXPECT_EQ(targets[1], &m_doc);
    EXPECT_EQ(targets[2], &m_frame.NavigationPane());
    EXPECT_EQ(targets[3], &comment);
    ASSERT_NE(targets[4], nullptr);

    // The frame's own command ends the dispatch.
    EXPECT_TRUE(m_frame.Route(kTabInventory));
    EXPECT_EQ(m_frame.CurrentTab(), CMainFrame::InventoryTab);
    // Showing an item first brings the display back, then goes down the line.
    m_frame.Route(kViewItem);
    EXPECT_EQ(m_frame.CurrentTab(), CMainFrame::DisplayTab);
    comment.received.clear();
    // The document's command.
    const int shown = m_settings.m_showNutrientInfo;
    EXPECT_TRUE(m_frame.Route(kNutrientInformation));
    EXPECT_NE(m_settings.m_showNutrientInfo, shown);
    EXPECT_TRUE(m_frame.Route(kImport));
    EXPECT_EQ(comment.received, std::vector<int>{kImport});

    // Without the comment window, the view on the right gets what the rest leave.
    m_frame.SetCommentTarget(nullptr);
    bool viewEnabled = false;
    ASSERT_TRUE(m_frame.DisplayView()->OnUpdateViewCommand(kSelectAll, viewEnabled));
    m_frame.UpdateCommandStates();
    EXPECT_EQ(ActionOf(kSelectAll).isEnabled(), viewEnabled);
    EXPECT_TRUE(m_frame.Route(kSelectAll));
    EXPECT_EQ(comment.received.size(), 1U);
}

TEST_F(CMainFrameCommandsTest, CommandsNobodyClaimsAreDisabled) {
    for (const int id : {kImport, kExport, kNewMenu, kOptions, kHelpTopics, kHelpAbbreviations, kHelpBack, kContextHelp,
                         kNutrientDatabase, kPrintSetup, kPalmExportBook, kPocketPcExportInventory,
                         kAddInventoryToShoppingList, kNewInventoryItem, kWebStop}) {
        EXPECT_FALSE(m_frame.State(id).enabled) << id;
        EXPECT_FALSE(ActionOf(id).isEnabled()) << id;
        EXPECT_FALSE(m_frame.Route(id)) << id;
    }
    EXPECT_TRUE(m_prompts.Questions().empty());
    for (const int id : {kNew, kOpen, kNewRecipe, kTimer, kTabWeb, kInstallPalm, kInstallPocketPc, kAbout, kExit}) {
        EXPECT_TRUE(ActionOf(id).isEnabled()) << id;
    }
    EXPECT_FALSE(ActionOf(kSave).isEnabled());
    EXPECT_FALSE(ActionOf(kSaveAs).isEnabled());
}

TEST_F(CMainFrameCommandsTest, PageLinkToAPartNotBuiltIsOnlyNoted) {
    emit m_frame.DisplayView()->commandRequested(kNutrientDatabase);
    EXPECT_TRUE(m_prompts.Questions().empty());
    EXPECT_TRUE(m_frame.statusBar()->currentMessage().contains("not available"));
    emit m_frame.DisplayView()->commandRequested(kTabWeb);
    EXPECT_EQ(m_frame.CurrentTab(), CMainFrame::WebTab);
}

TEST_F(CMainFrameCommandsTest, TabsSwapTheRightViewAndComeBackToTheDisplay) {
    auto* strip = m_frame.findChild<CSheetTab*>("sheetTab");
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->property("controlId").toInt(), CMainFrame::kTabStripId);
    EXPECT_EQ(strip->count(), 3);
    EXPECT_EQ(strip->tabText(0), "Display");
    EXPECT_EQ(strip->tabText(1), "Inventory");
    EXPECT_EQ(strip->tabText(2), "Web");
    m_frame.resize(900, 600);
    m_frame.show();
    QApplication::processEvents();
    auto* splitter = m_frame.findChild<QSplitter*>("mainSplitter");
    const int width = splitter->widget(1)->width();
    EXPECT_GT(width, 0);

    strip->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_EQ(m_frame.CurrentTab(), CMainFrame::InventoryTab);
    EXPECT_EQ(m_frame.DisplayView(), nullptr);
    EXPECT_EQ(m_frame.RightView()->objectName(), "placeholderView");
    EXPECT_TRUE(PlaceholderNote().contains("inventory"));
    EXPECT_EQ(splitter->widget(1)->width(), width);
    EXPECT_TRUE(ActionOf(kTabInventory).isChecked());
    EXPECT_FALSE(ActionOf(kTabDisplay).isChecked());
    // Copy belongs to the display; with the inventory's stand-in nothing offers it.
    EXPECT_FALSE(ActionOf(kCopy).isEnabled());

    m_frame.Route(kTabWeb);
    EXPECT_EQ(strip->currentIndex(), 2);
    EXPECT_TRUE(PlaceholderNote().contains("Web"));
    EXPECT_NE(m_frame.RightView()->findChild<QPushButton*>("placeholderAction"), nullptr);

    m_frame.Route(kTabDisplay);
    ASSERT_NE(m_frame.DisplayView(), nullptr);
    EXPECT_EQ(m_frame.RightView(), m_frame.DisplayView());
    EXPECT_EQ(strip->currentIndex(), 0);
    EXPECT_TRUE(ActionOf(kTabDisplay).isChecked());
}

TEST_F(CMainFrameCommandsTest, SwitchingTabsKeepsTheNavigationPanesWidth) {
    m_frame.resize(900, 600);
    m_frame.show();
    auto* splitter = m_frame.findChild<QSplitter*>("mainSplitter");
    splitter->setSizes({320, 580});
    QApplication::processEvents();
    const int left = splitter->widget(0)->width();
    for (const int tab : {kTabWeb, kTabInventory, kTabDisplay}) {
        m_frame.Route(tab);
        QApplication::processEvents();
        EXPECT_EQ(splitter->widget(0)->width(), left) << tab;
    }
}

TEST_F(CMainFrameCommandsTest, DisplayComesBackWithTheCurrentItem) {
    CRecipeBook& book = m_doc.NewBook(CRecipeBook(7), "");
    book.SetTitle("Returning Book");
    m_doc.Display(&book);
    m_frame.SelectTab(CMainFrame::WebTab);
    m_frame.SelectTab(CMainFrame::DisplayTab);
    ASSERT_NE(m_frame.DisplayView(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return WaitForBodyHtml(*m_frame.DisplayView(), 20000).contains("Returning Book"); }, 20000));
}

TEST_F(CMainFrameCommandsTest, PalmInstallSaysWhatItFound) {
    TempDir folder;
    m_doc.SetProgramFolder(folder.Path());
    EXPECT_TRUE(m_frame.Route(kInstallPalm));
    ASSERT_EQ(m_prompts.Questions().size(), 1U);
    EXPECT_EQ(m_prompts.Questions()[0].text, StringTable::Get(583));
    EXPECT_EQ(m_prompts.Questions()[0].icon, PromptIcon::Warning);

    const auto prc = folder.Write("Palm/Savorbridge.prc", "prc");
    EXPECT_TRUE(m_frame.Route(kInstallPalm));
    ASSERT_EQ(m_prompts.Questions().size(), 2U);
    EXPECT_NE(m_prompts.Questions()[1].text.find(prc.string()), std::string::npos);
    EXPECT_NE(m_prompts.Questions()[1].text.find("not available"), std::string::npos);
}

TEST_F(CMainFrameCommandsTest, ApplicationCommandsReachTheApplication) {
    QSignalSpy pocketPc(&m_frame, &CMainFrame::installPocketPcRequested);
    QSignalSpy about(&m_frame, &CMainFrame::aboutRequested);
    ActionOf(kInstallPocketPc).trigger();
    ActionOf(kAbout).trigger();
    EXPECT_EQ(pocketPc.count(), 1);
    EXPECT_EQ(about.count(), 1);
}

TEST_F(CMainFrameCommandsTest, CapsLockPaneFollowsTheTypedLetters) {
    m_frame.show();
    m_frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_frame));
    auto* tree = m_frame.findChild<QTreeWidget*>("contentsTree");
    tree->setFocus();
    auto* caps = m_frame.findChild<QLabel*>("capsLockIndicator");
    const struct {
        char letter;
        Qt::KeyboardModifiers modifiers;
        const char* shown;
    } presses[] = {
        {'A', Qt::NoModifier, "CAP"},
        {'a', Qt::ShiftModifier, "CAP"},
        {'a', Qt::NoModifier, ""},
        {'A', Qt::ShiftModifier, ""},
    };
    for (const auto& press : presses) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, press.modifiers, QString(QChar(press.letter)));
        QApplication::sendEvent(tree, &key);
        EXPECT_EQ(caps->text(), press.shown) << press.letter;
    }
}

TEST_F(CMainFrameCommandsTest, StatusBarHoldsTabsSpacerAndCapsLock) {
    auto* bar = m_frame.statusBar();
    EXPECT_EQ(bar->currentMessage(), CProgressBar::kIdleText);
    auto* spacer = bar->findChild<QWidget*>("statusSpacer");
    ASSERT_NE(spacer, nullptr);
    EXPECT_EQ(spacer->maximumWidth(), 0);
    ASSERT_NE(bar->findChild<QLabel*>("capsLockIndicator"), nullptr);
    EXPECT_TRUE(ActionOf(kStatusBar).isChecked());
    m_frame.Route(kStatusBar);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(ActionOf(kStatusBar).isChecked());
}

TEST_F(CMainFrameCommandsTest, ReadingProgressShowsUntilTheLastReport) {
    ReadProgressDisplay display(*m_frame.statusBar());
    display.Report(250, 1000);
    ASSERT_NE(CProgressBar::Current(), nullptr);
    EXPECT_EQ(CProgressBar::Current()->Bar()->value(), ReadProgressDisplay::kRange / 4);
    EXPECT_EQ(CProgressBar::Current()->findChild<QLabel*>("progressLabel")->text(), "Reading recipes");
    display.Report(1000, 1000);
    EXPECT_EQ(CProgressBar::Current(), nullptr);
    EXPECT_EQ(m_frame.statusBar()->currentMessage(), CProgressBar::kIdleText);
    display.Report(0, 0);
    EXPECT_FALSE(display.Showing());
}

TEST_F(CMainFrameCommandsTest, OpeningALargeBookShowsProgressWhileTheWindowKeepsWorking) {
    TempDir dir;
    CRecipeBook large(9);
    large.SetTitle("Large Book");
    const std::string text(4000, 'x');
    for (int r = 0; r < 2000; ++r) {
        auto recipe = std::make_unique<CRecipe>();
        recipe->SetTitle("Recipe " + std::to_string(r));
        recipe->SetText(text);
        large.AddRecipe(std::move(recipe));
    }
    RecipeBookFile::Save(large, dir / "large.rcp", {});

    // Timers only run while the reading lets the window work.
    bool sawProgress = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout,
                     [&] { sawProgress = sawProgress || CProgressBar::Current() != nullptr; });
    watcher.start(0);
    ASSERT_NE(m_doc.OpenBookFile(dir / "large.rcp", false), nullptr);
    watcher.stop();
    EXPECT_TRUE(sawProgress);
    EXPECT_EQ(CProgressBar::Current(), nullptr);
    EXPECT_EQ(m_frame.statusBar()->currentMessage(), CProgressBar::kIdleText);
    EXPECT_TRUE(ActionOf(kSave).isEnabled());
}

class CMainFramePlacementTest : public ::testing::Test {
protected:
    void Start(const CSettings::FramePlacement& placement) {
        m_settings.m_frame = placement;
        m_frame = std::make_unique<CMainFrame>(m_settings, m_profile, m_doc);
        m_frame->ShowInitially();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
    }

    QSplitter& Left() { return *m_frame->findChild<QSplitter*>("leftSplitter"); }
    int CommentHeight() { return Left().sizes().value(1); }
    int PaneHeight() { return Left().sizes().value(0); }

    void ResizeTo(int width, int height) {
        m_frame->resize(width, height);
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_frame->height() == height; }, 2000));
        QApplication::processEvents();
    }

    CSettings m_settings;
    MemoryProfile m_profile;
    ScriptedPrompts m_prompts;
    CSavorbridgeDoc m_doc{m_settings, m_prompts, nullptr};
    std::unique_ptr<CMainFrame> m_frame;
};

TEST_F(CMainFramePlacementTest, AbsurdEdgesGiveTheDefaultSize) {
    Start({100, 50, 5000, 4000, 0});
    EXPECT_EQ(m_frame->geometry().width(), 630);
    EXPECT_EQ(m_frame->geometry().height(), 470);
    EXPECT_EQ(m_settings.m_frame.xMax, 730);
    EXPECT_EQ(m_settings.m_frame.yMax, 520);
}

TEST_F(CMainFramePlacementTest, StoredFrameHeightSizesTheNavigationPane) {
    m_profile.WriteInt("SettingsV4", "Frame height", 260);
    Start({10, 10, 1010, 810, 0});
    EXPECT_EQ(PaneHeight(), 260);
    EXPECT_EQ(m_settings.m_leftPaneHeight, 260);
}

TEST_F(CMainFramePlacementTest, ResizingKeepsTheCommentWindowsHeight) {
    m_profile.WriteInt("SettingsV4", "Frame height", 300);
    Start({10, 10, 1010, 810, 0});
    const int comment = CommentHeight();
    ASSERT_GT(comment, 0);
    ResizeTo(1000, 950);
    EXPECT_EQ(CommentHeight(), comment);
    EXPECT_GT(PaneHeight(), 300);
    ResizeTo(1000, 700);
    EXPECT_EQ(CommentHeight(), comment);
    ResizeTo(1000, 320);
    EXPECT_GE(m_frame->NavigationPane().height(), 175);
}

} // namespace
