#pragma once

#include <QByteArrayList>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTcpServer>

// A small HTTP/1.1 server on 127.0.0.1 with canned answers per path, for the network tests.
// Every request is recorded; an unknown path is answered with 404.
class LocalHttpServer : public QObject
{
public:
    struct Response
    {
        enum Delivery {
            Whole,     // headers and body at once
            Slowly,    // the body in chunks, one every 10 ms
            Truncated, // announces the whole body, sends half of it and closes the connection
            Silent,    // reads the request and never answers
            Endless    // chunked transfer encoding, repeating the body as a chunk until the client hangs up
        };
        // Every field has a default, so that an answer names only its first few: {200, body}.
        int status = 200;
        QByteArray body{};
        QByteArray encoding{}; // sent as Content-Encoding when set (the body is then already encoded)
        Delivery delivery = Whole;
        int chunkSize = 16 * 1024;
    };

    LocalHttpServer();

    // "http://127.0.0.1:<port><path>"
    QString UrlFor(const QString &path = QString()) const;

    void Serve(const QString &path, const Response &response) { responses.insert(path, response); }
    void Serve(const QString &path, const QByteArray &body, int status = 200) { Serve(path, Response{status, body}); }
    // Drops the answers and the record of requests.
    void Reset()
    {
        responses.clear();
        requests.clear();
    }

    // Each request whole: request line, headers and body.
    const QByteArrayList &Requests() const { return requests; }
    int RequestsFor(const QString &path) const;
    // Connections neither side has closed yet.
    int OpenConnections() const;

private:
    void Accept();
    void Answer(class QTcpSocket *socket, const QByteArray &request);

    QTcpServer server;
    QHash<QString, Response> responses;
    QByteArrayList requests;
};
