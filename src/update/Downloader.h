#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Sends one request to a fixed address and hands back the answer through signals.
// Redirects are not followed; every failure ends in exactly one ConnectionProblem.
class Downloader : public QObject
{
    Q_OBJECT

public:
    enum Method { Get = 0, Post = 1 };

    explicit Downloader(const QString &address);
    ~Downloader() override;

    // 0 sends a GET, 1 a POST whose body repeats the address's query as a form; other values send nothing.
    void sendRequest(int method);

    // A transfer that stalls for this long is given up (the default keeps a silent server from hanging it).
    void setTimeout(int milliseconds) { timeoutMs = milliseconds; }
    // An answer larger than this is given up; 0 means no limit.
    void setSizeLimit(qint64 bytes) { sizeLimit = bytes; }

signals:
    void DownloadFinished(QByteArray body);
    void ConnectionProblem(int status, QByteArray body);
    void downloadProgressSignal(qint64 received, qint64 total);

private slots:
    void replyFinished(QNetworkReply *reply);
    void downloadProgressSlot(qint64 received, qint64 total);

private:
    void watchSize(QNetworkReply *reply);

    QUrl url;
    QNetworkAccessManager *manager;
    int timeoutMs = 30000;
    qint64 sizeLimit = 0;
    bool tooLarge = false;
};
