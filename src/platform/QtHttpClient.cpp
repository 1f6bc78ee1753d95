#include "platform/QtHttpClient.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

void QtHttpClient::Get(const std::string& url, std::chrono::milliseconds timeout, Callback done) {
    QNetworkRequest request(QUrl(QString::fromStdString(url)));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(static_cast<int>(timeout.count()));
    QNetworkReply* reply = m_network.get(request);
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, done = std::move(done)] {
        reply->deleteLater();
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (!status.isValid()) {
            done(std::nullopt);
            return;
        }
        done(HttpResponse{status.toInt(), reply->readAll().toStdString()});
    });
}
