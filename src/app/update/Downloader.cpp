#include "update/Downloader.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

int &DefaultTimeout()
{
    static int milliseconds = 30000;
    return milliseconds;
}

} // namespace

Downloader::Downloader(const QString &address, QObject *parent)
    : QObject(parent), url(address, QUrl::TolerantMode), manager(new QNetworkAccessManager),
      stallTimer(new QTimer(this)), timeoutMs(DefaultTimeout())
{
    connect(manager, &QNetworkAccessManager::finished, this, &Downloader::ReplyFinished);
    connect(stallTimer, &QTimer::timeout, this, &Downloader::CheckProgress);
}

Downloader::~Downloader()
{
    // Unfinished replies are children of the manager and go with it, without a signal.
    manager->disconnect(this);
    delete manager;
}

void Downloader::SetDefaultTimeout(int milliseconds)
{
    DefaultTimeout() = milliseconds;
}

void Downloader::SendRequest(Method method)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    // Every body is taken byte for byte, as the server sends it: with HTTP compression Qt would
    // inflate it before the size limit sees it (2 MB of gzip make 2 GiB). A server that encodes
    // anyway is counted by its encoded bytes, and its body then fails the checks of its receiver.
    request.setRawHeader("Accept-Encoding", "identity");

    switch (method) {
    case Method::Get:
        reply = manager->get(request);
        break;
    case Method::Post:
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
        reply = manager->post(request, url.query(QUrl::FullyEncoded).toUtf8());
        break;
    }
    Watch();
}

void Downloader::Watch()
{
    // Read as it arrives, so neither the reply nor this object holds more than the limit.
    connect(reply, &QNetworkReply::readyRead, this, &Downloader::ReadBody);
    // An announced length over the limit is refused before its body arrives.
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64, qint64 total) {
        if (sizeLimit > 0 && total > sizeLimit)
            Cancel();
    });
    connect(reply, &QNetworkReply::downloadProgress, this, &Downloader::DownloadProgress);
    // Checked four times per period, so a stall is noticed soon after the period ends.
    stallTimer->start(qMax(1, timeoutMs / 4));
    sinceCheck.start();
    sinceProgress.start();
}

void Downloader::ReadBody()
{
    if (!reply || gaveUp || !reply->isOpen())
        return;
    const QByteArray part = reply->readAll();
    received += part.size();
    if (sizeLimit > 0 && received > sizeLimit) {
        Cancel();
        return;
    }
    // Only a success is the wanted body; an error page stays here, for ConnectionProblem.
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (streaming && status == 200)
        emit BodyReceived(part);
    else
        body += part;
}

void Downloader::CheckProgress()
{
    // A check far behind its time means this thread was busy (the request itself only goes
    // out from its event loop), not that the transfer stalled: that time does not count.
    const bool late = sinceCheck.restart() > 2 * stallTimer->interval();
    if (late || received - receivedAtProgress >= MinimumProgressBytes) {
        receivedAtProgress = received;
        sinceProgress.restart();
    } else if (sinceProgress.elapsed() >= timeoutMs) {
        Cancel();
    }
}

void Downloader::Cancel()
{
    if (gaveUp || !reply)
        return;
    gaveUp = true;
    reply->abort(); // finishes the reply: ReplyFinished reports the problem
}

void Downloader::ReplyFinished(QNetworkReply *finished)
{
    stallTimer->stop();
    ReadBody();
    const int status = finished->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    finished->deleteLater();

    // A body cut short (the connection dropped) can still carry status 200; after a silent
    // retry Qt even reports such a body without error, so its length is checked too.
    const QVariant announced = finished->header(QNetworkRequest::ContentLengthHeader);
    const bool complete = !announced.isValid() || announced.toLongLong() == received;
    const QByteArray kept = body;
    body.clear();
    if (status == 200 && finished->error() == QNetworkReply::NoError && complete && !gaveUp)
        emit DownloadFinished(kept);
    else
        emit ConnectionProblem(status, gaveUp ? QByteArray() : kept);
}
