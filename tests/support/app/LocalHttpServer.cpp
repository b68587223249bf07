#include "LocalHttpServer.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

LocalHttpServer::LocalHttpServer()
{
    server.listen(QHostAddress::LocalHost);
    connect(&server, &QTcpServer::newConnection, this, &LocalHttpServer::Accept);
}

LocalHttpServer::~LocalHttpServer()
{
    // The sockets die with the server, after this object's members: they must not call back.
    for (QTcpSocket *socket : connections.keys())
        socket->disconnect(this);
}

QString LocalHttpServer::BaseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort());
}

void LocalHttpServer::Serve(const QString &path, const QByteArray &body, int status)
{
    Response response;
    response.status = status;
    response.body = body;
    Serve(path, response);
}

int LocalHttpServer::RequestsFor(const QString &path) const
{
    int count = 0;
    for (const Request &request : requests) {
        if (QUrl(QString::fromLatin1(request.target)).path() == path)
            ++count;
    }
    return count;
}

quint16 LocalHttpServer::ClosedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void LocalHttpServer::Accept()
{
    while (QTcpSocket *socket = server.nextPendingConnection()) {
        connections.insert(socket, Connection());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            connections.remove(socket);
            socket->deleteLater();
        });
    }
}

void LocalHttpServer::Read(QTcpSocket *socket)
{
    Connection &connection = connections[socket];
    connection.received += socket->readAll();
    if (connection.answered)
        return;
    const int headerEnd = connection.received.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;

    Request request;
    const QList<QByteArray> lines = connection.received.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    const int length = request.headers.value("content-length", "0").toInt();
    if (connection.received.size() < headerEnd + 4 + length)
        return;
    request.body = connection.received.mid(headerEnd + 4, length);
    connection.answered = true;
    requests << request;
    Answer(socket, request);
}

void LocalHttpServer::Answer(QTcpSocket *socket, const Request &request)
{
    const QString path = QUrl(QString::fromLatin1(request.target)).path();
    const Response response = responses.value(path, Response{404, "not here", {}, {}, Response::Whole});
    if (response.delivery == Response::Silent)
        return;

    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Canned\r\n";
    if (response.delivery == Response::Endless)
        head += "Transfer-Encoding: chunked\r\n";
    else
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += "Content-Type: application/octet-stream\r\nConnection: close\r\n";
    if (!response.encoding.isEmpty())
        head += "Content-Encoding: " + response.encoding + "\r\n";
    head += "\r\n";

    switch (response.delivery) {
    case Response::Whole:
        socket->write(head + response.body);
        socket->disconnectFromHost();
        break;
    case Response::Slowly:
        socket->write(head);
        SendSlowly(socket, response.body, response.chunkSize);
        break;
    case Response::Truncated:
        socket->write(head + response.body.left(response.body.size() / 2));
        socket->flush();
        socket->disconnectFromHost();
        break;
    case Response::Endless:
        socket->write(head);
        SendEndlessly(socket, QByteArray::number(response.body.size(), 16) + "\r\n" + response.body + "\r\n");
        break;
    case Response::Silent:
        break;
    }
}

void LocalHttpServer::SendSlowly(QTcpSocket *socket, QByteArray rest, int chunkSize)
{
    if (!connections.contains(socket))
        return;
    socket->write(rest.left(chunkSize));
    rest.remove(0, chunkSize);
    if (rest.isEmpty()) {
        socket->disconnectFromHost();
        return;
    }
    QTimer::singleShot(10, socket, [this, socket, rest, chunkSize] { SendSlowly(socket, rest, chunkSize); });
}

void LocalHttpServer::SendEndlessly(QTcpSocket *socket, const QByteArray &chunk)
{
    if (!connections.contains(socket))
        return;
    socket->write(chunk);
    QTimer::singleShot(1, socket, [this, socket, chunk] { SendEndlessly(socket, chunk); });
}
