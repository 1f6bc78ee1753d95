#pragma once

#include "ui/views/LocalFilePolicy.h"

#include <QWebEnginePage>
#include <string>

class PageRequestFilter;

// The browser page of a display view. It loads the skeleton and then never
// navigates again: link clicks and the skeleton's edit requests come back as
// reports, every other navigation and every fetch the filter does not allow
// is refused.
class SkeletonPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit SkeletonPage(QObject* parent = nullptr);

    void LoadSkeleton(const QUrl& baseUrl);
    LocalFilePolicy& FilePolicy() { return m_policy; }

signals:
    void linkReported(const QString& url);
    void navigationBlocked(const QUrl& url);
    void requestBlocked(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int lineNumber,
                                  const QString& sourceId) override;

private:
    void LockDown();

    LocalFilePolicy m_policy;
    PageRequestFilter* m_filter;
    std::string m_nonce;
    bool m_loadingSkeleton = false;
};
