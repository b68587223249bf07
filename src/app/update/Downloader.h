#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// Sends one request to a fixed address and hands back the answer through signals.
// Redirects are not followed; every failure ends in exactly one ConnectionProblem.
class Downloader : public QObject
{
    Q_OBJECT

public:
    enum class Method { Get, Post };
    Q_ENUM(Method)

    // A transfer that goes one time-out period without receiving this many more bytes is
    // given up: a body dripped a byte at a time counts as stalled.
    static constexpr qint64 MinimumProgressBytes = 1024;

    explicit Downloader(const QString &address, QObject *parent = nullptr);
    ~Downloader() override;

    // A POST sends the address's query again as its form body.
    void SendRequest(Method method);

    // The stall time-out new downloaders start with (30 s; the tests shorten it so they need not wait).
    static void SetDefaultTimeout(int milliseconds);
    // An answer larger than this is given up; 0 means no limit. Answers are never decompressed:
    // the bytes counted are the bytes received.
    void SetSizeLimit(qint64 bytes) { sizeLimit = bytes; }
    // The body of a status-200 answer is handed out in BodyReceived pieces as it arrives
    // instead of being kept; DownloadFinished then carries an empty array.
    void SetStreaming(bool on) { streaming = on; }
    // Gives the transfer up; it ends in ConnectionProblem.
    void Cancel();

signals:
    void DownloadFinished(QByteArray body);
    void ConnectionProblem(int status, QByteArray body);
    void DownloadProgress(qint64 received, qint64 total);
    void BodyReceived(QByteArray part);

private slots:
    void ReplyFinished(QNetworkReply *reply);

private:
    void Watch();
    void ReadBody();
    void CheckProgress();

    QUrl url;
    QNetworkAccessManager *manager;
    QTimer *stallTimer;
    QPointer<QNetworkReply> reply;
    QByteArray body;
    qint64 received = 0;
    qint64 receivedAtProgress = 0; // at the start of the current period
    QElapsedTimer sinceProgress;
    QElapsedTimer sinceCheck;
    const int timeoutMs;
    qint64 sizeLimit = 0;
    bool streaming = false;
    bool gaveUp = false;
};
