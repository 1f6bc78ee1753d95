#include "ui/views/CHtmlView.h"

#include "support/TempDir.h"
#include "support/TestHttpServer.h"
#include "ui/views/LocalFilePolicy.h"
#include "ui/views/PageRequestFilter.h"
#include "ui/views/SkeletonPage.h"

#include "support/QtViewBody.h"
#include <QImage>
#include <QSignalSpy>

#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr int kWait = 20000;

QString FileUrl(const std::filesystem::path& path) {
    return QUrl::fromLocalFile(QString::fromStdString(path.string())).toString();
}

void WritePicture(const std::filesystem::path& path) {
    std::filesystem::create_directories(path.parent_path());
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString(path.string()), "PNG"));
}

class CHtmlViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_view.resize(640, 480);
        m_view.show();
        QSignalSpy complete(&m_view, &CHtmlView::documentComplete);
        m_view.NavigateSkeleton(QUrl::fromLocalFile(QString::fromStdString((m_dir / "").string())));
        ASSERT_TRUE(QTest::qWaitFor([&] { return complete.count() > 0; }, kWait));
    }

    QVariant Eval(const QString& code) { return EvaluateScript(m_view, code, kWait); }

    QString Body() { return WaitForBodyHtml(m_view, kWait); }

    // Writes a body and waits until its pictures have had their chance to load.
    void Show(const QString& html) {
        m_view.SetBodyHtml(html);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Eval("document.readyState").toString() == "complete"; }, kWait));
        QTest::qWait(300);
    }

    TempDir m_dir;
    CHtmlView m_view;
};

TEST_F(CHtmlViewTest, SetsAndReadsBackTheBody) {
    Show("<p id=\"x\">Apple <b>pie</b></p>");
    EXPECT_EQ(Body(), "<p id=\"x\">Apple <b>pie</b></p>");
    m_view.SetBackgroundColor(QColor(0x12, 0xab, 0xff));
    EXPECT_EQ(Eval("document.bgColor").toString(), "#12abff");
}

TEST_F(CHtmlViewTest, KeepsOnlyTheNewestBodyUntilTheSkeletonHasLoaded) {
    CHtmlView view;
    QSignalSpy complete(&view, &CHtmlView::documentComplete);
    view.SetBodyHtml("<p>old</p>");
    view.SetBodyHtml("<p>new</p>");
    view.NavigateSkeleton();
    ASSERT_TRUE(QTest::qWaitFor([&] { return complete.count() > 0; }, kWait));
    QString body;
    view.GetBodyHtml([&](const QString& html) { body = html; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !body.isEmpty(); }, kWait));
    EXPECT_EQ(body, "<p>new</p>");
}

TEST_F(CHtmlViewTest, ReportsFragmentLinksAndEditRequestsWhileThePageStaysPut) {
    QSignalSpy links(&m_view, &CHtmlView::beforeNavigate);
    Show("<a id=\"view\" href=\"#VIEW#Rec0000000a_00000003\">Soup</a>"
         "<p><span id=\"SBTitle\" ondblclick=\"editItem('SBTitle')\">Soup title</span></p>");
    const QUrl before = m_view.url();

    Eval("document.getElementById('view').click()");
    ASSERT_TRUE(QTest::qWaitFor([&] { return links.count() == 1; }, kWait));
    EXPECT_TRUE(links.at(0).at(0).toString().endsWith("#VIEW#Rec0000000a_00000003"));
    Eval("document.getElementById('view').click()");
    ASSERT_TRUE(QTest::qWaitFor([&] { return links.count() == 2; }, kWait)) << "a second click reports again";

    Eval("document.getElementById('SBTitle').dispatchEvent(new MouseEvent('dblclick', {bubbles: true}))");
    ASSERT_TRUE(QTest::qWaitFor([&] { return links.count() == 3; }, kWait));
    EXPECT_TRUE(links.at(2).at(0).toString().contains(QRegularExpression("#modify_SBTitle\\(\\d+,\\d+,\\d+,\\d+\\)$")))
        << links.at(2).at(0).toString().toStdString();

    EXPECT_EQ(m_view.url(), before);
    EXPECT_TRUE(Body().contains("Soup title"));
}

TEST_F(CHtmlViewTest, HostileTextRunsNoScriptLoadsNothingRemoteAndReadsNoOtherLocalFile) {
    TestHttpServer server;
    const auto secret = m_dir.Write("secret.html", "<p>SECRET-MARKER</p>");
    const auto inside = m_dir / "pictures" / "inside.png";
    const auto outside = m_dir / "elsewhere" / "outside.png";
    WritePicture(inside);
    WritePicture(outside);
    m_view.FilePolicy().SetAllowedFiles({inside});
    QSignalSpy links(&m_view, &CHtmlView::beforeNavigate);
    QSignalSpy blocked(m_view.Page(), &SkeletonPage::navigationBlocked);

    const QString remote = QString::fromStdString(server.BaseUrl()) + "/remote.png";
    Show("<script>document.title = 'pwned-script';</script>"
         "<img src=\"nothing.png\" onerror=\"document.title = 'pwned-onerror'\">"
         "<svg onload=\"document.title = 'pwned-onload'\"></svg>"
         "<a id=\"js\" href=\"javascript:document.title = 'pwned-link'\">run</a>"
         "<img id=\"remote\" src=\"" +
         remote +
         "\">"
         "<div style=\"background-image: url(" +
         remote +
         "?css)\">x</div>"
         "<iframe id=\"frame\" src=\"" +
         FileUrl(secret) +
         "\"></iframe>"
         "<img id=\"outside\" src=\"" +
         FileUrl(outside) +
         "\">"
         "<img id=\"inside\" src=\"" +
         FileUrl(inside) + "\">");
    Eval("document.getElementById('js').click()");
    QTest::qWait(300);

    EXPECT_EQ(Eval("document.title").toString(), "");
    EXPECT_EQ(server.Requests(), 0);
    EXPECT_EQ(Eval("document.getElementById('remote').naturalWidth").toInt(), 0);
    EXPECT_EQ(Eval("document.getElementById('outside').naturalWidth").toInt(), 0);
    EXPECT_EQ(Eval("document.getElementById('inside').naturalWidth").toInt(), 8) << "the book's picture still shows";
    const QString frameText = Eval("(function() { try { return document.getElementById('frame')"
                                   ".contentDocument.body.innerText; } catch (e) { return 'refused'; } })()")
                                  .toString();
    EXPECT_FALSE(frameText.contains("SECRET-MARKER"));
    EXPECT_FALSE(PageRequestFilter::Allows(QUrl(FileUrl(secret)), m_view.FilePolicy()));
    EXPECT_EQ(links.count(), 0) << "a javascript: link is no command";

    Eval("location.href = '" + remote + "?navigate'");
    QTest::qWait(300);
    EXPECT_EQ(server.Requests(), 0);
    EXPECT_GE(blocked.count(), 1);
}

TEST(LocalFilePolicy, AllowsTheListedPicturesAndFoldersOnly) {
    LocalFilePolicy policy;
    policy.AllowFolder("/opt/sb/images");
    policy.SetAllowedFiles({"/home/cook/pie.jpg"});
    EXPECT_TRUE(policy.Allows("/home/cook/pie.jpg"));
    EXPECT_TRUE(policy.Allows("/home/cook/./pie.jpg"));
    EXPECT_TRUE(policy.Allows("/opt/sb/images/book.gif"));
    EXPECT_FALSE(policy.Allows("/opt/sb/images/../secret.txt"));
    EXPECT_FALSE(policy.Allows("/opt/sb/imagesX/book.gif"));
    EXPECT_FALSE(policy.Allows("/home/cook/other.jpg"));
    EXPECT_FALSE(policy.Allows("pie.jpg"));
}

} // namespace
