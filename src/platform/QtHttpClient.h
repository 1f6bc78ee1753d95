#pragma once

#include "platform/HttpClient.h"

#include <QNetworkAccessManager>

// HTTP through Qt Network. Requests bypass the cache and give up after the
// timeout; answers arrive through the event loop.
class QtHttpClient : public HttpClient {
public:
    void Get(const std::string& url, std::chrono::milliseconds timeout, Callback done) override;

private:
    QNetworkAccessManager m_network;
};
