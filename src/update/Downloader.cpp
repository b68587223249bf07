#include "update/Downloader.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

Downloader::Downloader(const QString &address)
    : url(address, QUrl::TolerantMode), manager(new QNetworkAccessManager)
{
    connect(manager, &QNetworkAccessManager::finished, this, &Downloader::replyFinished);
}

Downloader::~Downloader()
{
    // Unfinished replies are children of the manager and go with it, without a signal.
    manager->disconnect(this);
    delete manager;
}

void Downloader::sendRequest(int method)
{
    if (method != Get && method != Post)
        return;

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(timeoutMs);

    QNetworkReply *reply = nullptr;
    if (method == Get) {
        reply = manager->get(request);
        connect(reply, &QNetworkReply::downloadProgress, this, &Downloader::downloadProgressSlot);
    } else {
        const QByteArray body = url.query(QUrl::FullyEncoded).toUtf8();
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
        reply = manager->post(request, body);
    }
    watchSize(reply);
}

void Downloader::watchSize(QNetworkReply *reply)
{
    if (sizeLimit <= 0)
        return;
    connect(reply, &QNetworkReply::downloadProgress, this, [this, reply](qint64 received, qint64 total) {
        if (!tooLarge && (received > sizeLimit || total > sizeLimit)) {
            tooLarge = true;
            reply->abort();
        }
    });
}

void Downloader::replyFinished(QNetworkReply *reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray(); // an aborted reply is closed
    reply->deleteLater();

    // A body cut short (the connection dropped, the time-out struck) can still carry status 200;
    // after a silent retry Qt even reports such a body without error, so its length is checked too.
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool complete = !announced.isValid() || announced.toLongLong() == body.size();
    if (status == 200 && reply->error() == QNetworkReply::NoError && complete && !tooLarge)
        emit DownloadFinished(body);
    else
        emit ConnectionProblem(status, tooLarge ? QByteArray() : body);
}

void Downloader::downloadProgressSlot(qint64 received, qint64 total)
{
    emit downloadProgressSignal(received, total);
}
