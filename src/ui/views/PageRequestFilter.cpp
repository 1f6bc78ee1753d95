#include "ui/views/PageRequestFilter.h"

#include "ui/views/LocalFilePolicy.h"

PageRequestFilter::PageRequestFilter(const LocalFilePolicy& policy, QObject* parent)
    : QWebEngineUrlRequestInterceptor(parent), m_policy(policy) {}

bool PageRequestFilter::Allows(const QUrl& url, const LocalFilePolicy& policy) {
    if (url.scheme() == "data") {
        return true;
    }
    return url.isLocalFile() && policy.Allows(url.toLocalFile().toStdString());
}

void PageRequestFilter::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (Allows(info.requestUrl(), m_policy)) {
        return;
    }
    info.block(true);
    emit requestBlocked(info.requestUrl());
}
