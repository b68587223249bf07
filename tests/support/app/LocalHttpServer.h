#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 with canned answers per path, for the network tests.
// Every request is recorded; an unknown path is answered with 404.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Response
    {
        enum Delivery {
            Whole,     // headers and body at once
            Slowly,    // the body in chunks, one every few milliseconds
            Truncated, // announces the whole body, sends half of it and closes the connection
            Silent,    // reads the request and never answers
            Endless    // chunked transfer encoding, repeating the body as a chunk until the client hangs up
        };
        int status = 200;
        QByteArray body;
        QByteArray encoding; // sent as Content-Encoding when set (the body is then already encoded)
        Delivery delivery = Whole;
        int chunkSize = 16 * 1024;
    };

    struct Request
    {
        QByteArray method;
        QByteArray target; // path and query
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };

    LocalHttpServer();
    ~LocalHttpServer() override;

    // "http://127.0.0.1:<port>"
    QString BaseUrl() const;
    QString UrlFor(const QString &path) const { return BaseUrl() + path; }

    void Serve(const QString &path, const Response &response) { responses.insert(path, response); }
    void Serve(const QString &path, const QByteArray &body, int status = 200);

    const QList<Request> &Requests() const { return requests; }
    int RequestsFor(const QString &path) const;
    // Connections neither side has closed yet.
    int OpenConnections() const { return connections.size(); }

    // A loopback port with nothing listening on it.
    static quint16 ClosedPort();

private:
    struct Connection
    {
        QByteArray received;
        bool answered = false;
    };

    void Accept();
    void Read(QTcpSocket *socket);
    void Answer(QTcpSocket *socket, const Request &request);
    void SendSlowly(QTcpSocket *socket, QByteArray rest, int chunkSize);
    void SendEndlessly(QTcpSocket *socket, const QByteArray &chunk);

    QTcpServer server;
    QHash<QString, Response> responses;
    QHash<QTcpSocket *, Connection> connections;
    QList<Request> requests;
};
