#include "ui/views/CHtmlView.h"

#include "ui/views/SkeletonPage.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

// Text as a script string literal.
QString ScriptString(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    const QString json = QString::fromUtf8(array);
    return json.mid(1, json.size() - 2);
}

} // namespace

CHtmlView::CHtmlView(QWidget* parent) : QWebEngineView(parent), m_page(new SkeletonPage(this)) {
    setPage(m_page);
    connect(m_page, &SkeletonPage::linkReported, this, &CHtmlView::beforeNavigate);
    connect(m_page, &QWebEnginePage::loadFinished, this, &CHtmlView::OnLoadFinished);
    connect(m_page, &QWebEnginePage::linkHovered, this, &CHtmlView::statusTextChange);
}

void CHtmlView::NavigateSkeleton(const QUrl& baseUrl) {
    m_ready = false;
    m_page->LoadSkeleton(baseUrl);
}

void CHtmlView::OnLoadFinished(bool ok) {
    if (!ok || m_ready) {
        return;
    }
    m_ready = true;
    if (m_hasPending) {
        m_hasPending = false;
        WriteBody(std::exchange(m_pendingBody, {}));
    }
    emit documentComplete();
}

void CHtmlView::SetBodyHtml(const QString& html) {
    if (!m_ready) {
        m_hasPending = true;
        m_pendingBody = html;
        return;
    }
    WriteBody(html);
}

void CHtmlView::WriteBody(const QString& html) {
    m_page->runJavaScript("document.body.innerHTML = " + ScriptString(html) + ";");
}

void CHtmlView::GetBodyHtml(std::function<void(const QString&)> done) {
    m_page->runJavaScript("document.body.innerHTML",
                          [done = std::move(done)](const QVariant& result) { done(result.toString()); });
}

QString CHtmlView::BackgroundText(const QColor& color) {
    return QString::asprintf("#%02x%02x%02x", color.red(), color.green(), color.blue());
}

void CHtmlView::SetBackgroundColor(const QColor& color) {
    m_page->runJavaScript("document.bgColor = " + ScriptString(BackgroundText(color)) + ";");
}

void CHtmlView::RunScript(const QString& code, std::function<void(const QVariant&)> done) {
    if (done) {
        m_page->runJavaScript(code, std::move(done));
    } else {
        m_page->runJavaScript(code);
    }
}

void CHtmlView::Copy() {
    m_page->triggerAction(QWebEnginePage::Copy);
}

void CHtmlView::SelectAll() {
    m_page->triggerAction(QWebEnginePage::SelectAll);
}

bool CHtmlView::CanCopy() const {
    return m_page->action(QWebEnginePage::Copy)->isEnabled();
}

// The browser enables its own Select All only once the view has had the
// focus; a shown page can always be selected whole.
bool CHtmlView::CanSelectAll() const {
    return m_ready;
}

LocalFilePolicy& CHtmlView::FilePolicy() {
    return m_page->FilePolicy();
}

void CHtmlView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    emit contextMenuRequested(event->globalPos());
}
