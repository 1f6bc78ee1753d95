#include "ui/views/CSBHtmlViewM.h"

#include "app/CSavorbridgeDoc.h"
#include "app/CSettings.h"
#include "menus/CSBMenu.h"
#include "model/CIngredient.h"
#include "model/CRecipeBook.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"
#include "support/TestHttpServer.h"
#include "ui/dialogs/CHelpWnd.h"
#include "ui/dialogs/CMiniEditor.h"

#include "support/QtViewBody.h"
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

constexpr int kWait = 20000;

class CSBHtmlViewMTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_book = m_doc.ReadBookIntoWorkspace(std::filesystem::path(SB_SHIPPED_DATA_DIR) / "samples" / "sample.rcp");
        ASSERT_NE(m_book, nullptr);
        m_recipe = FirstRecipe();
        ASSERT_NE(m_recipe, nullptr);
        m_view.resize(800, 600);
        m_view.show();
        QSignalSpy complete(&m_view, &CHtmlView::documentComplete);
        m_view.OnInitialUpdate();
        ASSERT_TRUE(QTest::qWaitFor([&] { return complete.count() > 0; }, kWait));
    }

    CRecipe* FirstRecipe() const {
        if (!m_book->Recipes().empty()) {
            return m_book->Recipes().front().get();
        }
        for (const auto& chapter : m_book->Chapters()) {
            if (!chapter->Recipes().empty()) {
                return chapter->Recipes().front().get();
            }
        }
        return nullptr;
    }

    QString Body() { return WaitForBodyHtml(m_view, kWait); }

    bool BodyShows(const std::string& text) {
        return QTest::qWaitFor([&] { return Body().contains(QString::fromStdString(text)); }, kWait);
    }

    void Follow(const std::string& link) { EXPECT_TRUE(m_view.OnBeforeNavigate("file:///sb/" + link)) << link; }

    QVariant Eval(const QString& code) { return EvaluateScript(m_view, code, kWait); }

    // Where an element of the page is, in view coordinates.
    QRect ElementRect(const QString& id) {
        const QVariantList r = Eval("(function() { var r = document.getElementById('" + id +
                                    "').getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; })()")
                                   .toList();
        if (r.size() != 4) {
            return {};
        }
        return QRect(qRound(r[0].toDouble()), qRound(r[1].toDouble()), qRound(r[2].toDouble()),
                     qRound(r[3].toDouble()));
    }

    void ShowRecipe() {
        m_doc.Display(m_recipe);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Eval("!!document.getElementById('SBTitle')").toBool(); }, kWait));
    }

    // The in-place editor runs modally inside the page's event, so the test
    // acts on it from a timer once it shows; returns whether it ever did.
    // Replaces the editor's main text and commits it with Enter.
    static std::function<void(CMiniEditor&)> TypeAndEnter(const QString& typed) {
        return [typed](CMiniEditor& editor) {
            auto* text = editor.findChild<QLineEdit*>("text");
            text->selectAll();
            QTest::keyClicks(text, typed);
            QTest::keyClick(text, Qt::Key_Return);
        };
    }

    static std::shared_ptr<bool> WhenEditorOpens(std::function<void(CMiniEditor&)> act) {
        auto opened = std::make_shared<bool>(false);
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [timer, opened, act = std::move(act)] {
            auto* editor = qobject_cast<CMiniEditor*>(QApplication::activeModalWidget());
            if (editor == nullptr || !editor->isVisible()) {
                return;
            }
            timer->stop();
            timer->deleteLater();
            *opened = true;
            act(*editor);
        });
        timer->start(20);
        return opened;
    }

    CSettings m_settings;
    ScriptedPrompts m_prompts;
    CSavorbridgeDoc m_doc{m_settings, m_prompts, nullptr};
    CSBHtmlViewM m_view{m_doc};
    CRecipeBook* m_book = nullptr;
    CRecipe* m_recipe = nullptr;
};

TEST_F(CSBHtmlViewMTest, HomePageOffersTheOpenBook) {
    EXPECT_TRUE(BodyShows(m_book->Title()));
    EXPECT_TRUE(Body().contains(QString::fromStdString("#VIEW#" + m_book->ObjectId())));
}

TEST_F(CSBHtmlViewMTest, TakesItsBackgroundFromTheSettingsOnceThePageHasLoaded) {
    m_settings.m_backgroundColor = Rgb(0x12, 0x34, 0x56);
    CSBHtmlViewM view(m_doc);
    QSignalSpy complete(&view, &CHtmlView::documentComplete);
    view.OnInitialUpdate();
    ASSERT_TRUE(QTest::qWaitFor([&] { return complete.count() > 0; }, kWait));
    QString colour;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            view.RunScript("document.bgColor", [&](const QVariant& value) { colour = value.toString(); });
            QTest::qWait(50);
            return colour == "#123456";
        },
        kWait))
        << colour.toStdString();
    EXPECT_TRUE(WaitForBodyHtml(view, kWait).contains("Complete Cookbook Keeping")) << "the home page waited for it";
}

TEST_F(CSBHtmlViewMTest, OpenLinkOfTheHomePageOpensABookThatTheHomePageThenOffers) {
    const std::string title = m_book->Title();
    m_doc.DeleteBook(*m_book);
    m_book = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Body().contains(QString::fromStdString(title)); }, kWait));
    // The main window routes the page's command to the document's Open.
    QObject::connect(&m_view, &CSBHtmlView::commandRequested, &m_doc, [this](int id) {
        if (id == CSBHtmlViewM::kOpenBook) {
            m_doc.OnOpen();
        }
    });
    m_prompts.QueueFiles({std::filesystem::path(SB_SHIPPED_DATA_DIR) / "samples" / "sample.rcp"});

    Eval("document.querySelector('a[href=\"#FILE_OPEN\"]').click()");
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_doc.GetBooks().size() == 1; }, kWait));
    ASSERT_TRUE(BodyShows(title));
    Eval("document.querySelector('a[href^=\"#VIEW#Bok\"]').click()");
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_doc.CurrentItem() == m_doc.GetBooks().front().get(); }, kWait));
}

TEST_F(CSBHtmlViewMTest, ClickedViewLinkDisplaysTheBook) {
    ASSERT_TRUE(BodyShows(m_book->Title()));
    m_view.RunScript("document.querySelector('a[href^=\"#VIEW#Bok\"]').click()");
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_doc.CurrentItem() == m_book; }, kWait));
    ASSERT_FALSE(m_doc.BackHistory().empty());
    EXPECT_EQ(m_doc.BackHistory().front(), m_book);
}

TEST_F(CSBHtmlViewMTest, ViewLinkDisplaysTheRecipeAndAClosedBookTheHomePage) {
    Follow("#VIEW#" + m_recipe->ObjectId());
    EXPECT_EQ(m_doc.CurrentItem(), m_recipe);
    EXPECT_TRUE(BodyShows(m_recipe->Title()));

    Follow("#VIEW#Bok7fffffff_0");
    EXPECT_EQ(m_doc.CurrentItem(), nullptr);
    EXPECT_TRUE(BodyShows("Complete Cookbook Keeping"));
}

TEST_F(CSBHtmlViewMTest, FavouriteLinkAddsTheRecipeOnce) {
    m_recipe->SetFavourite(false, true);
    m_book->SetModified(false);
    QSignalSpy changed(&m_doc, &CSavorbridgeDoc::objectChanged);
    Follow("#FAV" + m_recipe->ObjectId());
    EXPECT_TRUE(m_recipe->Favourite());
    EXPECT_TRUE(m_book->Modified());
    EXPECT_EQ(std::count(m_book->Favourites().begin(), m_book->Favourites().end(), m_recipe), 1);
    Follow("#FAV" + m_recipe->ObjectId());
    EXPECT_EQ(std::count(m_book->Favourites().begin(), m_book->Favourites().end(), m_recipe), 1);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(CSBHtmlViewMTest, BothSwapLinksFlipPerServing) {
    const int before = m_settings.m_showPerServing;
    Follow("#SWAP_SERVING");
    EXPECT_NE(m_settings.m_showPerServing, before);
    Follow("#SWAP_RECIPE");
    EXPECT_EQ(m_settings.m_showPerServing, before);
}

TEST_F(CSBHtmlViewMTest, ErrorLinksShowOnlyKnownNotes) {
    QSignalSpy notes(&m_view, &CSBHtmlViewM::noteShown);
    Follow("#ERR7");
    EXPECT_EQ(notes.count(), 0);
    Follow("#ERR2");
    ASSERT_EQ(notes.count(), 1);
    EXPECT_TRUE(notes.front().front().toString().startsWith("A food item was not found."));
    auto* shown = m_view.findChild<CHelpWnd*>();
    ASSERT_NE(shown, nullptr) << "the note pops up over the view";
    EXPECT_EQ(shown->Text(), notes.front().front().toString());
    EXPECT_LE(shown->width(), CHelpWnd::kDefaultWidth + 28);
}

TEST_F(CSBHtmlViewMTest, CommandLinksReachTheMainWindowAfterTheEvent) {
    QSignalSpy commands(&m_view, &CSBHtmlViewM::commandRequested);
    Follow("#FILE_OPEN");
    EXPECT_EQ(commands.count(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return commands.count() == 1; }, kWait));
    EXPECT_EQ(commands.front().front().toInt(), CSBHtmlViewM::kOpenBook);
}

TEST_F(CSBHtmlViewMTest, UnbuiltPartsSayNotAvailable) {
    Follow("#ASL" + m_recipe->ObjectId());
    ASSERT_EQ(m_prompts.Texts().size(), 1u);
    EXPECT_NE(m_prompts.Texts().front().find("not available yet"), std::string::npos);
}

TEST_F(CSBHtmlViewMTest, TitleEditIsStoredAndShown) {
    Follow("#VIEW#" + m_recipe->ObjectId());
    m_book->SetModified(false);
    m_recipe->Sync().synchronised = m_recipe->Sync().current;
    QTimer::singleShot(0, [] {
        QWidget* editor = QApplication::activeModalWidget();
        ASSERT_NE(editor, nullptr);
        editor->findChild<QLineEdit*>("text")->setText("Renamed Stew");
        editor->findChild<QPushButton*>("ok")->click();
    });
    Follow("#modify_SBTitle(10,10,150,10)");
    EXPECT_EQ(m_recipe->Title(), "Renamed Stew");
    EXPECT_TRUE(m_book->Modified());
    EXPECT_TRUE(m_recipe->Sync().Changed());
    EXPECT_TRUE(BodyShows("Renamed Stew"));
}

TEST_F(CSBHtmlViewMTest, FavouritesLinkAndTitleEditWorkThroughThePage) {
    m_recipe->SetFavourite(false, true);
    m_book->SetModified(false);
    ShowRecipe();
    QSignalSpy changed(&m_doc, &CSavorbridgeDoc::objectChanged);

    Eval("document.querySelector('a[href^=\"#FAV\"]').click()");
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_recipe->Favourite(); }, kWait));
    EXPECT_EQ(std::count(m_book->Favourites().begin(), m_book->Favourites().end(), m_recipe), 1);
    EXPECT_TRUE(m_book->Modified());

    m_book->SetModified(false);
    m_recipe->Sync().synchronised = m_recipe->Sync().current;
    const auto opened = WhenEditorOpens(TypeAndEnter("Page Edited Stew"));
    Eval("document.getElementById('SBTitle').dispatchEvent(new MouseEvent('dblclick', {bubbles: true}))");
    ASSERT_TRUE(QTest::qWaitFor([&] { return *opened && m_recipe->Title() == "Page Edited Stew"; }, kWait));
    EXPECT_TRUE(m_book->Modified());
    EXPECT_TRUE(m_recipe->Sync().Changed());
    EXPECT_GE(changed.count(), 2) << "the tree hears of the favourite and of the new title";
    EXPECT_TRUE(BodyShows("Page Edited Stew"));
}

TEST_F(CSBHtmlViewMTest, IngredientEditCountsAsAChangeOfTheRecipe) {
    ShowRecipe();
    ASSERT_FALSE(m_recipe->Ingredients().empty());
    m_book->SetModified(false);
    m_recipe->Sync().synchronised = m_recipe->Sync().current;
    const auto opened = WhenEditorOpens(TypeAndEnter("smoked paprika"));
    Follow("#modify_SBIng0(30,40,100,12)");
    ASSERT_TRUE(*opened);
    EXPECT_EQ(m_recipe->Ingredients().front()->Description(), "smoked paprika");
    EXPECT_TRUE(m_book->Modified());
    EXPECT_TRUE(m_recipe->Sync().Changed()) << "a handheld copy must learn of the new line";
    EXPECT_TRUE(BodyShows("smoked paprika"));
}

TEST_F(CSBHtmlViewMTest, EditorOpensOverTheElementWithItsMinimumSize) {
    struct Case {
        const char* link;
        QRect expected; // in view coordinates
    };
    const Case cases[] = {
        {"#modify_SBTitle(10,20,150,10)", QRect(10, 20, 234, 24)},
        {"#modify_SBIng0(30,40,100,12)", QRect(30, 40, 200, 24)},
        {"#modify_SBInfo(5,60,200,30)", QRect(5, 60, 229, 80)},
    };
    ShowRecipe();
    ASSERT_FALSE(m_recipe->Ingredients().empty());
    for (const Case& c : cases) {
        QRect shown;
        const auto opened = WhenEditorOpens([&](CMiniEditor& editor) {
            shown = editor.geometry();
            QTest::keyClick(&editor, Qt::Key_Escape);
        });
        Follow(c.link);
        ASSERT_TRUE(*opened) << c.link;
        EXPECT_EQ(shown, QRect(m_view.mapToGlobal(c.expected.topLeft()), c.expected.size())) << c.link;
    }
    EXPECT_FALSE(m_book->Modified()) << "Escape changes nothing";
}

TEST_F(CSBHtmlViewMTest, EditorCoversTheDoubleClickedElementOfAScrolledPage) {
    ASSERT_GE(m_recipe->Ingredients().size(), 2u);
    m_recipe->SetText(std::string(60, '\n') + "end");
    m_view.resize(800, 200);
    ShowRecipe();
    for (const int scroll : {0, 60}) {
        Eval(QString("window.scrollTo(0, %1)").arg(scroll));
        const QRect element = ElementRect("SBIng1");
        ASSERT_TRUE(element.isValid());
        QRect shown;
        const auto opened = WhenEditorOpens([&](CMiniEditor& editor) {
            shown = editor.geometry();
            QTest::keyClick(&editor, Qt::Key_Escape);
        });
        Eval("document.getElementById('SBIng1').dispatchEvent(new MouseEvent('dblclick', {bubbles: true}))");
        ASSERT_TRUE(QTest::qWaitFor([&] { return *opened; }, kWait));
        EXPECT_EQ(shown.topLeft(), m_view.mapToGlobal(element.topLeft())) << "scrolled by " << scroll;
    }
}

TEST_F(CSBHtmlViewMTest, CopiesTheSelectionAndSelectsAll) {
    ShowRecipe();
    bool enabled = false;
    EXPECT_TRUE(m_view.OnUpdateViewCommand(CSBHtmlView::kEditSelectAll, enabled));
    EXPECT_TRUE(enabled);
    EXPECT_TRUE(m_view.OnViewCommand(CSBHtmlView::kEditSelectAll));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return m_view.OnUpdateViewCommand(CSBHtmlView::kEditCopy, enabled) && enabled; }, kWait))
        << "a selection enables Copy";
    QApplication::clipboard()->clear();
    EXPECT_TRUE(m_view.OnViewCommand(CSBHtmlView::kEditCopy));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QApplication::clipboard()->text().contains(QString::fromStdString(m_recipe->Title())); }, kWait));
}

TEST_F(CSBHtmlViewMTest, PrintCommandsTakeThePrintRouteAndOtherCommandsAreNotTheViews) {
    std::vector<bool> printed;
    m_view.SetPrintRoute([&](CSBHtmlView& view, bool preview) {
        EXPECT_EQ(&view, &m_view);
        printed.push_back(preview);
    });
    for (const int id : {CSBHtmlView::kFilePrint, CSBHtmlView::kFilePrintPreview}) {
        bool enabled = false;
        EXPECT_TRUE(m_view.OnUpdateViewCommand(id, enabled));
        EXPECT_TRUE(enabled);
        EXPECT_TRUE(m_view.OnViewCommand(id));
    }
    EXPECT_EQ(printed, (std::vector<bool>{false, true}));

    bool enabled = true;
    EXPECT_FALSE(m_view.OnViewCommand(CSBHtmlView::kHome));
    EXPECT_FALSE(m_view.OnUpdateViewCommand(CSBHtmlView::kHome, enabled));
}

TEST_F(CSBHtmlViewMTest, PrintsThePageTheDialogsHandOver) {
    ShowRecipe();
    TempDir dir;
    const QString file = QString::fromStdString((dir / "page.pdf").string());
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    ASSERT_TRUE(m_view.PrintTo(printer));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
}

TEST_F(CSBHtmlViewMTest, ContextMenuOffersTheDisplayCommandsAndHandsThemToTheMainWindow) {
    const auto menu = m_view.ContextMenu();
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text();
    }
    EXPECT_EQ(texts, (QStringList{"&Copy\tCtrl+C", "Select A&ll\tCtrl+A", "Home", "&Options...\tF4",
                                  "&Properties...\tAlt+Enter"}));

    QSignalSpy commands(&m_view, &CSBHtmlView::commandRequested);
    QTimer::singleShot(50, [] {
        auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(shown, nullptr);
        shown->actions().at(2)->trigger();
        shown->close();
    });
    // The browser reports a right click as this signal of the view.
    emit m_view.contextMenuRequested(m_view.mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return commands.count() == 1; }, kWait));
    EXPECT_EQ(commands.front().front().toInt(), CSBHtmlView::kHome);
}

TEST_F(CSBHtmlViewMTest, HostileRecipeTextRunsNothingFetchesNothingYetLinksAndEditingWork) {
    TestHttpServer server;
    TempDir dir;
    const auto secret = dir.Write("secret.html", "<p>SECRET-MARKER</p>");
    const std::string remote = server.BaseUrl() + "/x.png";
    const std::string secretUrl = QUrl::fromLocalFile(QString::fromStdString(secret.string())).toString().toStdString();
    m_recipe->SetText("<script>document.title = 'pwned-script';</script>"
                      "<img src=\"missing.png\" onerror=\"document.title = 'pwned-onerror'\">"
                      "<a id=\"js\" href=\"javascript:document.title = 'pwned-link'\">run</a>"
                      "<img id=\"remote\" src=\"" +
                      remote + "\"><div style=\"background-image: url(" + remote +
                      "?css)\">x</div><iframe id=\"frame\" src=\"" + secretUrl + "\"></iframe>HOSTILE-END");
    m_recipe->Ingredients().front()->SetDescription("<svg onload=\"document.title = 'pwned-svg'\"></svg>flour");
    m_book->SetModified(false);
    ShowRecipe();
    ASSERT_TRUE(BodyShows("HOSTILE-END"));
    Eval("document.getElementById('js').click()");
    QTest::qWait(500);

    EXPECT_EQ(Eval("document.title").toString(), "");
    EXPECT_EQ(server.Requests(), 0);
    EXPECT_FALSE(Eval("document.body.innerText").toString().contains("SECRET-MARKER"));
    const QString frameText = Eval("(function() { try { return document.getElementById('frame')"
                                   ".contentDocument.body.innerText; } catch (e) { return 'refused'; } })()")
                                  .toString();
    EXPECT_FALSE(frameText.contains("SECRET-MARKER"));
    EXPECT_EQ(m_doc.CurrentItem(), m_recipe) << "a javascript: link is no command";

    const auto opened = WhenEditorOpens([](CMiniEditor& editor) { QTest::keyClick(&editor, Qt::Key_Escape); });
    Eval("document.getElementById('SBTitle').dispatchEvent(new MouseEvent('dblclick', {bubbles: true}))");
    EXPECT_TRUE(QTest::qWaitFor([&] { return *opened; }, kWait)) << "the page's own editing still works";

    Eval("document.querySelector('a[href^=\"#VIEW#Bok\"]').click()");
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_doc.CurrentItem() == m_book; }, kWait)) << "links still work";
    EXPECT_EQ(server.Requests(), 0);
}

TEST_F(CSBHtmlViewMTest, EditWithoutCurrentItemOrRectangleDoesNothing) {
    Follow("#modify_SBTitle(10,10,150,10)");
    Follow("#VIEW#" + m_recipe->ObjectId());
    Follow("#modify_SBTitle");
    Follow("#modify_SBIng999(1,1,10,10)");
    EXPECT_FALSE(m_book->Modified());
}

TEST_F(CSBHtmlViewMTest, MenuSaysItsPageIsNotAvailableYet) {
    CSBMenu menu;
    m_doc.Display(&menu);
    EXPECT_TRUE(BodyShows("Showing menus is not available yet."));
    m_doc.Display(nullptr);
}

TEST_F(CSBHtmlViewMTest, StatusBarGetsTheLinksTipInsteadOfItsAddress) {
    QSignalSpy tips(&m_view, &CSBHtmlView::statusTip);
    // The browser reports the address under the mouse as this signal of the view.
    emit m_view.statusTextChange(QString::fromStdString("file:///sb/#FAV" + m_recipe->ObjectId()));
    emit m_view.statusTextChange("http://example.org/");
    ASSERT_EQ(tips.count(), 2);
    EXPECT_EQ(tips.at(0).at(0).toString(), "Add this recipe to the list of Favorites.");
    EXPECT_EQ(tips.at(1).at(0).toString(), "http://example.org/");
}

TEST_F(CSBHtmlViewMTest, LeavesOtherLinksToTheBrowser) {
    EXPECT_FALSE(m_view.OnBeforeNavigate("http://example.org/"));
}

} // namespace
