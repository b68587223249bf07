// One request, one answer: what the downloader reports for each kind of answer of a local server.
#include "TestSupport.h"

#include "LocalHttpServer.h"
#include "update/Downloader.h"

#include <QApplication>
#include <QSignalSpy>

#include <memory>

using Response = LocalHttpServer::Response;
Q_DECLARE_METATYPE(Response)
Q_DECLARE_METATYPE(Response::Delivery)

class TestDownloader : public QObject
{
    Q_OBJECT

    static QByteArray Pattern(int size)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            bytes[i] = char((i * 7 + i / 251) & 0xff);
        return bytes;
    }

private slots:
    void postCarriesTheQueryInAddressAndBody()
    {
        LocalHttpServer server;
        server.Serve(QStringLiteral("/app/index.php"), "line 0\nNO<br>");
        Downloader downloader(server.UrlFor(QStringLiteral("/app/index.php?method=checkupdates&name=a b&v=1.2")));
        QSignalSpy finished(&downloader, &Downloader::DownloadFinished);
        QSignalSpy problems(&downloader, &Downloader::ConnectionProblem);
        QSignalSpy progress(&downloader, &Downloader::downloadProgressSignal);

        downloader.sendRequest(1);
        QVERIFY(finished.wait());

        QCOMPARE(finished.at(0).at(0).toByteArray(), QByteArray("line 0\nNO<br>"));
        QCOMPARE(server.Requests().size(), 1);
        const LocalHttpServer::Request &request = server.Requests().at(0);
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.target, QByteArray("/app/index.php?method=checkupdates&name=a%20b&v=1.2"));
        QCOMPARE(request.headers.value("content-type"), QByteArray("application/x-www-form-urlencoded"));
        QCOMPARE(request.body, QByteArray("method=checkupdates&name=a%20b&v=1.2"));
        QCOMPARE(progress.count(), 0);
        QCOMPARE(problems.count(), 0);
    }

    void getOfAnEmptyBodyFinishes()
    {
        LocalHttpServer server;
        server.Serve(QStringLiteral("/empty"), QByteArray());
        Downloader downloader(server.UrlFor(QStringLiteral("/empty")));
        QSignalSpy finished(&downloader, &Downloader::DownloadFinished);
        QSignalSpy problems(&downloader, &Downloader::ConnectionProblem);

        downloader.sendRequest(0);
        QVERIFY(finished.wait());
        QCOMPARE(finished.at(0).at(0).toByteArray(), QByteArray());
        QCOMPARE(server.Requests().at(0).method, QByteArray("GET"));
        QVERIFY(server.Requests().at(0).body.isEmpty());
        QCOMPARE(problems.count(), 0);
    }

    void compressedAnswerArrivesWhole()
    {
        // Its Content-Length counts the compressed bytes, fewer than the body handed back.
        const QByteArray text = QByteArray("Lumeno3D update service\nNO<br>\n").repeated(50);
        LocalHttpServer server;
        Response compressed;
        compressed.body = qCompress(text).mid(4); // zlib stream without Qt's length prefix
        compressed.encoding = "deflate";
        server.Serve(QStringLiteral("/app/index.php"), compressed);
        Downloader downloader(server.UrlFor(QStringLiteral("/app/index.php?method=checkupdates")));
        QSignalSpy finished(&downloader, &Downloader::DownloadFinished);
        downloader.sendRequest(1);
        QVERIFY(finished.wait());
        QCOMPARE(finished.at(0).at(0).toByteArray(), text);
    }

    void largeGetReportsRisingProgressBeforeFinishing()
    {
        LocalHttpServer server;
        const QByteArray installer = Pattern(3 * 1024 * 1024);
        Response slow;
        slow.body = installer;
        slow.delivery = Response::Slowly;
        slow.chunkSize = 64 * 1024;
        server.Serve(QStringLiteral("/files/setup.bin"), slow);

        Downloader downloader(server.UrlFor(QStringLiteral("/files/setup.bin")));
        QList<QPair<qint64, qint64>> steps;
        QByteArray received;
        int stepsWhenFinished = -1;
        connect(&downloader, &Downloader::downloadProgressSignal, this,
                [&](qint64 done, qint64 total) { steps << qMakePair(done, total); });
        connect(&downloader, &Downloader::DownloadFinished, this, [&](const QByteArray &body) {
            received = body;
            stepsWhenFinished = steps.size();
        });

        downloader.sendRequest(0);
        QVERIFY(testing::WaitUntil([&] { return stepsWhenFinished >= 0; }));

        QCOMPARE(received, installer);
        QVERIFY2(steps.size() >= 3, qPrintable(QString::number(steps.size())));
        QCOMPARE(stepsWhenFinished, steps.size());
        for (int i = 1; i < steps.size(); ++i) {
            QVERIFY(steps[i].first >= steps[i - 1].first);
            QCOMPARE(steps[i].second, qint64(installer.size()));
        }
        QCOMPARE(steps.constLast().first, qint64(installer.size()));
    }

    void everyFailureEndsInOneConnectionProblem_data()
    {
        QTest::addColumn<Response>("response");
        QTest::addColumn<bool>("closedPort");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");

        Response missing;
        missing.status = 404;
        missing.body = "no such page";
        QTest::newRow("404 with a body") << missing << false << 404 << QByteArray("no such page");

        Response serverError;
        serverError.status = 500;
        QTest::newRow("500 without a body") << serverError << false << 500 << QByteArray();

        Response moved;
        moved.status = 302;
        moved.body = "moved";
        moved.location = "/elsewhere";
        QTest::newRow("redirect") << moved << false << 302 << QByteArray("moved");

        Response created;
        created.status = 201;
        created.body = "made";
        QTest::newRow("another success status") << created << false << 201 << QByteArray("made");

        QTest::newRow("closed port") << Response() << true << 0 << QByteArray();

        Response silent;
        silent.delivery = Response::Silent;
        QTest::newRow("no answer") << silent << false << 0 << QByteArray();
    }

    void everyFailureEndsInOneConnectionProblem()
    {
        QFETCH(Response, response);
        QFETCH(bool, closedPort);
        QFETCH(int, status);
        QFETCH(QByteArray, body);

        LocalHttpServer server;
        server.Serve(QStringLiteral("/target"), response);
        server.Serve(QStringLiteral("/elsewhere"), "redirected here");
        const QString address = closedPort
                                    ? QStringLiteral("http://127.0.0.1:%1/target").arg(LocalHttpServer::ClosedPort())
                                    : server.UrlFor(QStringLiteral("/target"));
        Downloader downloader(address);
        downloader.setTimeout(500);
        QSignalSpy finished(&downloader, &Downloader::DownloadFinished);
        QSignalSpy problems(&downloader, &Downloader::ConnectionProblem);

        downloader.sendRequest(0);
        QVERIFY(problems.wait());
        QTest::qWait(100);

        QCOMPARE(problems.count(), 1);
        QCOMPARE(problems.at(0).at(0).toInt(), status);
        QCOMPARE(problems.at(0).at(1).toByteArray(), body);
        QCOMPARE(finished.count(), 0);
        QCOMPARE(server.RequestsFor(QStringLiteral("/elsewhere")), 0);
    }

    void cutOffOversizedOrStalledBodiesAreProblems_data()
    {
        QTest::addColumn<Response>("response");
        QTest::addColumn<qint64>("sizeLimit");
        Response response;
        response.body = Pattern(512 * 1024);
        response.delivery = Response::Truncated;
        QTest::newRow("connection drops halfway") << response << qint64(0);
        response.delivery = Response::Whole;
        QTest::newRow("larger than the limit, announced") << response << qint64(64 * 1024);
        response.delivery = Response::Slowly;
        QTest::newRow("larger than the limit, slowly") << response << qint64(64 * 1024);
        response.delivery = Response::Endless;
        QTest::newRow("endless, chunked") << response << qint64(1024 * 1024);

        Response bomb; // 4 KiB on the wire, 4 MiB once inflated
        bomb.body = qCompress(QByteArray(4 * 1024 * 1024, 'x'), 9).mid(4);
        bomb.encoding = "deflate";
        QTest::newRow("larger than the limit once inflated") << bomb << qint64(64 * 1024);

        Response drip;
        drip.body = Pattern(4096);
        drip.delivery = Response::Slowly;
        drip.chunkSize = 1;
        QTest::newRow("a byte at a time") << drip << qint64(0);
    }

    void cutOffOversizedOrStalledBodiesAreProblems()
    {
        QFETCH(Response, response);
        QFETCH(qint64, sizeLimit);
        LocalHttpServer server;
        server.Serve(QStringLiteral("/big"), response);

        Downloader downloader(server.UrlFor(QStringLiteral("/big")));
        downloader.setSizeLimit(sizeLimit);
        downloader.setTimeout(500);
        QSignalSpy finished(&downloader, &Downloader::DownloadFinished);
        QSignalSpy problems(&downloader, &Downloader::ConnectionProblem);
        downloader.sendRequest(0);
        QVERIFY(problems.wait());
        QTest::qWait(100);
        QCOMPARE(problems.count(), 1);
        QCOMPARE(finished.count(), 0);
    }

    void streamedBodyIsHandedOutInPieces_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("success") << 200;
        QTest::newRow("error page") << 404;
    }

    void streamedBodyIsHandedOutInPieces()
    {
        QFETCH(int, status);
        LocalHttpServer server;
        Response slow;
        slow.status = status;
        slow.body = Pattern(256 * 1024);
        slow.delivery = Response::Slowly;
        server.Serve(QStringLiteral("/setup.bin"), slow);

        Downloader downloader(server.UrlFor(QStringLiteral("/setup.bin")));
        downloader.setStreaming(true);
        QByteArray pieces;
        int pieceCount = 0;
        connect(&downloader, &Downloader::BodyReceived, this, [&](const QByteArray &piece) {
            pieces += piece;
            ++pieceCount;
        });
        QSignalSpy finished(&downloader, &Downloader::DownloadFinished);
        QSignalSpy problems(&downloader, &Downloader::ConnectionProblem);
        downloader.sendRequest(0);
        QVERIFY(testing::WaitUntil([&] { return finished.count() + problems.count() > 0; }));

        if (status == 200) {
            QCOMPARE(pieces, slow.body);
            QVERIFY(pieceCount > 1);
            QCOMPARE(finished.at(0).at(0).toByteArray(), QByteArray());
        } else {
            QCOMPARE(pieceCount, 0); // an error page is no installer
            QCOMPARE(problems.at(0).at(1).toByteArray(), slow.body);
        }
    }

    void unknownMethodSendsNothing()
    {
        LocalHttpServer server;
        Downloader downloader(server.UrlFor(QStringLiteral("/x")));
        QSignalSpy finished(&downloader, &Downloader::DownloadFinished);
        QSignalSpy problems(&downloader, &Downloader::ConnectionProblem);
        downloader.sendRequest(2);
        downloader.sendRequest(-1);
        QTest::qWait(300);
        QVERIFY(server.Requests().isEmpty());
        QCOMPARE(finished.count() + problems.count(), 0);
    }

    void deletedDownloaderReportsNothingMore()
    {
        LocalHttpServer server;
        Response slow;
        slow.body = Pattern(2 * 1024 * 1024);
        slow.delivery = Response::Slowly;
        slow.chunkSize = 64 * 1024;
        server.Serve(QStringLiteral("/slow"), slow);

        auto downloader = std::make_unique<Downloader>(server.UrlFor(QStringLiteral("/slow")));
        int signalsSeen = 0;
        bool started = false;
        connect(downloader.get(), &Downloader::downloadProgressSignal, this, [&](qint64 done, qint64) {
            started = started || done > 0;
        });
        connect(downloader.get(), &Downloader::DownloadFinished, this, [&] { ++signalsSeen; });
        connect(downloader.get(), &Downloader::ConnectionProblem, this, [&] { ++signalsSeen; });
        downloader->sendRequest(0);
        QVERIFY(testing::WaitUntil([&] { return started; }));

        downloader.reset();
        QTest::qWait(500);
        QCOMPARE(signalsSeen, 0);
    }
};

LUMENO_TEST_MAIN(TestDownloader)
#include "test_downloader.moc"
