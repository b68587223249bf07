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
    enum Method { Get = 0, Post = 1 };

    // A transfer that goes one time-out period without receiving this many more bytes is
    // given up: a body dripped a byte at a time counts as stalled.
    static constexpr qint64 MinimumProgressBytes = 1024;

    explicit Downloader(const QString &address);
    ~Downloader() override;

    // 0 sends a GET, 1 a POST whose body repeats the address's query as a form; other values send nothing.
    void sendRequest(int method);

    // The stall time-out of this downloader, and the one new downloaders start with (30 s;
    // the tests shorten it so they need not wait).
    void setTimeout(int milliseconds) { timeoutMs = milliseconds; }
    static void setDefaultTimeout(int milliseconds);
    // An answer larger than this is given up; 0 means no limit. Answers are never decompressed:
    // the bytes counted are the bytes received.
    void setSizeLimit(qint64 bytes) { sizeLimit = bytes; }
    // The body of a status-200 answer is handed out in BodyReceived pieces as it arrives
    // instead of being kept; DownloadFinished then carries an empty array.
    void setStreaming(bool on) { streaming = on; }
    // Gives the transfer up; it ends in ConnectionProblem.
    void cancel();

signals:
    void DownloadFinished(QByteArray body);
    void ConnectionProblem(int status, QByteArray body);
    void downloadProgressSignal(qint64 received, qint64 total);
    void BodyReceived(QByteArray part);

private slots:
    void replyFinished(QNetworkReply *reply);
    void downloadProgressSlot(qint64 received, qint64 total);

private:
    void Watch();
    void ReadBody();
    void CheckProgress();
    void GiveUp();

    QUrl url;
    QNetworkAccessManager *manager;
    QTimer *stallTimer;
    QPointer<QNetworkReply> reply;
    QByteArray body;
    qint64 received = 0;
    qint64 receivedAtProgress = 0; // at the start of the current period
    QElapsedTimer sinceProgress;
    QElapsedTimer sinceCheck;
    int timeoutMs;
    qint64 sizeLimit = 0;
    bool streaming = false;
    bool gaveUp = false;
};
