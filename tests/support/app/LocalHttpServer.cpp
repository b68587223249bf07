#include "LocalHttpServer.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

QString PathOf(const QByteArray &request)
{
    return QUrl(QString::fromLatin1(request.left(request.indexOf('\r')).split(' ').value(1))).path();
}

// Writes `data` a chunk at a time from `offset`, one every few milliseconds; `endless` starts over at the end.
void Trickle(QTcpSocket *socket, const QByteArray &data, int offset, int chunkSize, bool endless)
{
    if (offset >= data.size() && !endless)
        return socket->disconnectFromHost();
    offset %= data.size();
    socket->write(data.mid(offset, chunkSize));
    QTimer::singleShot(endless ? 1 : 10, socket, [=] { Trickle(socket, data, offset + chunkSize, chunkSize, endless); });
}

} // namespace

LocalHttpServer::LocalHttpServer()
{
    server.listen(QHostAddress::LocalHost);
    connect(&server, &QTcpServer::newConnection, this, &LocalHttpServer::Accept);
}

QString LocalHttpServer::UrlFor(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()) + path;
}

int LocalHttpServer::RequestsFor(const QString &path) const
{
    return int(std::count_if(requests.begin(), requests.end(), [&](const QByteArray &r) { return PathOf(r) == path; }));
}

int LocalHttpServer::OpenConnections() const
{
    return server.findChildren<QTcpSocket *>().size();
}

void LocalHttpServer::Accept()
{
    while (QTcpSocket *socket = server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, received] {
            *received += socket->readAll();
            const int headerEnd = received->indexOf("\r\n\r\n");
            const QByteArray head = received->left(headerEnd).toLower();
            const int field = head.indexOf("\ncontent-length:");
            const int length = field < 0 ? 0 : head.mid(field + 16).split('\r').value(0).trimmed().toInt();
            if (headerEnd < 0 || received->size() < headerEnd + 4 + length)
                return;
            disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
            Answer(socket, received->left(headerEnd + 4 + length));
        });
    }
}

void LocalHttpServer::Answer(QTcpSocket *socket, const QByteArray &request)
{
    requests << request;
    const Response response = responses.value(PathOf(request), Response{404, "not here"});
    if (response.delivery == Response::Silent)
        return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Canned\r\nConnection: close\r\n";
    if (response.delivery == Response::Endless)
        head += "Transfer-Encoding: chunked\r\n";
    else
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    if (!response.encoding.isEmpty())
        head += "Content-Encoding: " + response.encoding + "\r\n";
    socket->write(head + "\r\n");
    if (response.delivery == Response::Slowly) {
        Trickle(socket, response.body, 0, response.chunkSize, false);
    } else if (response.delivery == Response::Endless) {
        const QByteArray chunk = QByteArray::number(response.body.size(), 16) + "\r\n" + response.body + "\r\n";
        Trickle(socket, chunk, 0, chunk.size(), true);
    } else {
        const bool half = response.delivery == Response::Truncated;
        socket->write(half ? response.body.left(response.body.size() / 2) : response.body);
        socket->disconnectFromHost();
    }
}
