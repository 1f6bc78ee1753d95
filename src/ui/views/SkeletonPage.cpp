#include "ui/views/SkeletonPage.h"

#include "ui/views/HtmlSkeleton.h"
#include "ui/views/PageRequestFilter.h"

#include <QWebEngineSettings>

SkeletonPage::SkeletonPage(QObject* parent) : QWebEnginePage(parent), m_filter(new PageRequestFilter(m_policy, this)) {
    LockDown();
    setUrlRequestInterceptor(m_filter);
    connect(m_filter, &PageRequestFilter::requestBlocked, this, &SkeletonPage::requestBlocked);
    connect(this, &QWebEnginePage::loadFinished, this, [this] { m_loadingSkeleton = false; });
}

void SkeletonPage::LockDown() {
    QWebEngineSettings* s = settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
    s->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
    s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::WebGLEnabled, false);
}

void SkeletonPage::LoadSkeleton(const QUrl& baseUrl) {
    m_nonce = HtmlSkeleton::NewNonce();
    m_loadingSkeleton = true;
    setHtml(QString::fromStdString(HtmlSkeleton::Build(m_nonce)), baseUrl);
}

bool SkeletonPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
    if (m_loadingSkeleton && isMainFrame) {
        return true;
    }
    emit navigationBlocked(url);
    return false;
}

void SkeletonPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                            const QString&) {
    // Only the skeleton's script knows the nonce, so a line with it is a
    // report; the browser's own notes about refused content are not.
    const QString prefix = QString(HtmlSkeleton::kReportPrefix) + QString::fromStdString(m_nonce) + ":";
    if (!m_nonce.empty() && message.startsWith(prefix)) {
        emit linkReported(message.mid(prefix.size()));
    }
}
