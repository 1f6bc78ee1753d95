#pragma once

#include <QWebEngineUrlRequestInterceptor>

class LocalFilePolicy;

// The last word on what a displayed page may fetch: inline data and the local
// files the policy allows. Nothing goes to the network, whatever the page's
// markup asks for.
class PageRequestFilter : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    PageRequestFilter(const LocalFilePolicy& policy, QObject* parent);

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

    static bool Allows(const QUrl& url, const LocalFilePolicy& policy);

signals:
    void requestBlocked(const QUrl& url);

private:
    const LocalFilePolicy& m_policy;
};
