// The update check against a local update service: what is asked, what is downloaded and
// stored, what is offered, and every answer that must lead to nothing.
#include "AppSupport.h"
#include "LocalHttpServer.h"
#include "UpdateSigning.h"

#include "MainWindow.h"
#include "update/DialogNotificationUpdateReady.h"
#include "update/DialogUpdater.h"
#include "update/Downloader.h"
#include "update/Updater.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

#include <memory>

using Response = LocalHttpServer::Response;
Q_DECLARE_METATYPE(Response)

class TestUpdater : public QObject
{
    Q_OBJECT

    const QString queryPath = QStringLiteral("/app/index.php");
    const QString installerName = QStringLiteral("setup_0.9.2.bin");
    const QString installerWebPath = QStringLiteral("/files/setup_0.9.2.bin");

    std::unique_ptr<LocalHttpServer> server;
    std::unique_ptr<QWidget> host; // stands in for the main window as the updater's parent
    const testing::UpdateSigner signer;

    static QByteArray Installer(int size = 1024 * 1024)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            bytes[i] = char((i * 13 + i / 509) & 0xff);
        return bytes;
    }

    QByteArray Offer(const QString &address, const QByteArray &installer) const
    {
        return signer.Offer(address, installer, "0.9.2");
    }

    QString StoredInstaller() const { return Updater::InstallerFolder() + QLatin1Char('/') + installerName; }

    DialogNotificationUpdateReady *Notice() const { return host->findChild<DialogNotificationUpdateReady *>(); }
    DialogUpdater *ProgressWindow() const { return host->findChild<DialogUpdater *>(); }

    // Lets the updater act on its answer; nothing is expected to appear.
    void SettleAfterQuery()
    {
        QVERIFY(testing::WaitUntil([this] { return server->RequestsFor(queryPath) == 1; }));
        QTest::qWait(300);
    }

    QStringList FilesInInstallerFolder() const
    {
        return QDir(Updater::InstallerFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private slots:
    void initTestCase()
    {
        Downloader::setDefaultTimeout(2000); // the stalled download needs not take 30 s
    }

    void init()
    {
        server = std::make_unique<LocalHttpServer>();
        qputenv("LUMENO3D_UPDATE_URL", server->BaseUrl().toUtf8());
        QDir(Updater::InstallerFolder()).removeRecursively();
        QSettings().remove(QStringLiteral("CheckForUpdates"));
        host = std::make_unique<QWidget>();
    }

    void cleanup()
    {
        host.reset();
        server.reset();
        qputenv("LUMENO3D_UPDATE_URL", "http://127.0.0.1:9");
    }

    void queryNamesVersionAndPlatform()
    {
        server->Serve(queryPath, "Lumeno3D update service\nNO<br>\n");
        Updater updater(host.get());
        SettleAfterQuery();

        const LocalHttpServer::Request &query = server->Requests().at(0);
        QCOMPARE(query.method, QByteArray("POST"));
        QCOMPARE(query.target, QByteArray("/app/index.php?method=checkupdates&version=0.9.1.20140802&platform=linux"));
        QCOMPARE(query.body, QByteArray("method=checkupdates&version=0.9.1.20140802&platform=linux"));
        QCOMPARE(query.headers.value("content-type"), QByteArray("application/x-www-form-urlencoded"));
        QVERIFY(!Notice());
        QVERIFY(!ProgressWindow());
    }

    void offeredVersionIsDownloadedStoredAndAnnounced()
    {
        const QByteArray installer = Installer(2 * 1024 * 1024);
        Response slow;
        slow.body = installer;
        slow.delivery = Response::Slowly;
        slow.chunkSize = 128 * 1024;
        server->Serve(installerWebPath, slow);
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath), installer));

        Updater updater(host.get());
        QVERIFY(testing::WaitUntil([this] { return ProgressWindow() && ProgressWindow()->isVisible(); }));
        QVERIFY(testing::WaitUntil([this] { return Notice() && Notice()->isVisible(); }));
        QVERIFY(!ProgressWindow()->isVisible());
        QCOMPARE(Notice()->InstallerPath(), StoredInstaller());
        QVERIFY(StoredInstaller().startsWith(testing::SandboxPath() + QStringLiteral("/cache/")));

        QCOMPARE(testing::Contents(StoredInstaller()), installer);
        QCOMPARE(FilesInInstallerFolder(), QStringList{installerName});
        QCOMPARE(server->RequestsFor(installerWebPath), 1);
    }

    // An installer already downloaded is offered without a download, unless its hash differs.
    void presentInstallerIsOfferedOrReplaced_data()
    {
        QTest::addColumn<bool>("same");
        QTest::newRow("same installer") << true;
        QTest::newRow("an older build") << false;
    }

    void presentInstallerIsOfferedOrReplaced()
    {
        QFETCH(bool, same);
        const QByteArray installer = Installer();
        QDir().mkpath(Updater::InstallerFolder());
        QVERIFY(testing::WriteBytes(StoredInstaller(), same ? installer : QByteArray("an older build")));
        server->Serve(installerWebPath, installer);
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath), installer));
        Updater updater(host.get());
        QVERIFY(testing::WaitUntil([this] { return Notice() && Notice()->isVisible(); }));
        QCOMPARE(Notice()->InstallerPath(), StoredInstaller());
        QCOMPARE(server->RequestsFor(installerWebPath), same ? 0 : 1);
        QCOMPARE(testing::Contents(StoredInstaller()), installer);
    }

    // What the answer may say is checked apart from the network (test_update_answer); here,
    // what only the transfer shows.
    void answersThatOfferNothing_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("serverHost");
        QTest::newRow("offer with an error status") << 500 << "127.0.0.1";
        // 0.0.0.0 reaches this machine on Linux but is no loopback address: plain http to it is refused.
        QTest::newRow("http to a non-loopback host") << 200 << "0.0.0.0";
    }

    void answersThatOfferNothing()
    {
        QFETCH(int, status);
        QFETCH(QString, serverHost);
        server->Serve(installerWebPath, "not an installer");
        const QString address = server->UrlFor(installerWebPath).replace(QLatin1String("127.0.0.1"), serverHost);
        server->Serve(queryPath, signer.Offer(address, "not an installer", "0.9.2"), status);
        Updater updater(host.get());
        SettleAfterQuery();
        QCOMPARE(server->Requests().size(), 1);
        QVERIFY(!Notice());
        QVERIFY(!ProgressWindow());
        QVERIFY(FilesInInstallerFolder().isEmpty());
    }

    void installerNotMatchingTheAnswerIsNotKept_data()
    {
        QTest::addColumn<Response>("download");
        QTest::addColumn<QByteArray>("signedHash");
        QTest::addColumn<int>("signedSizeChange");
        const QByteArray installer = Installer();
        const QByteArray hash = testing::Sha256Hex(installer);
        Response whole;
        whole.body = installer;
        QTest::newRow("another hash") << whole << testing::Sha256Hex("something else") << 0;
        QTest::newRow("larger than signed") << whole << hash << -1;
        QTest::newRow("smaller than signed") << whole << hash << 1;
        Response compressed; // would inflate to the signed installer, were it inflated in memory
        compressed.body = qCompress(installer).mid(4);
        compressed.encoding = "deflate";
        QTest::newRow("compressed") << compressed << hash << 0;
        Response endless;
        endless.body = Installer(64 * 1024);
        endless.delivery = Response::Endless;
        QTest::newRow("endless") << endless << hash << 0;
        Response drip = whole;
        drip.delivery = Response::Slowly;
        drip.chunkSize = 1;
        QTest::newRow("stalled") << drip << hash << 0;
        Response broken = whole;
        broken.delivery = Response::Truncated;
        QTest::newRow("connection lost halfway") << broken << hash << 0;
    }

    void installerNotMatchingTheAnswerIsNotKept()
    {
        QFETCH(Response, download);
        QFETCH(QByteArray, signedHash);
        QFETCH(int, signedSizeChange);
        const qint64 size = Installer().size() + signedSizeChange;
        server->Serve(installerWebPath, download);
        server->Serve(queryPath, testing::UpdateAnswerBody({"OK", "0.9.2", server->UrlFor(installerWebPath).toUtf8(),
                                                            signedHash, QByteArray::number(size),
                                                            signer.Signature("0.9.2", installerName.toUtf8(), size,
                                                                             signedHash)}));

        Updater updater(host.get());
        // The endless and the stalled download end only when the updater gives them up.
        QVERIFY(testing::WaitUntil(
            [this] { return server->RequestsFor(installerWebPath) == 1 && server->OpenConnections() == 0; }));
        QTest::qWait(200);
        QVERIFY(!Notice());
        QVERIFY(FilesInInstallerFolder().isEmpty());
    }

    void noQueryWhenSwitchedOffOrInsecure_data()
    {
        QTest::addColumn<bool>("switchedOff");
        QTest::addColumn<bool>("plainHttpElsewhere");
        QTest::newRow("CheckForUpdates false") << true << false;
        QTest::newRow("service over plain http to another host") << false << true;
    }

    void noQueryWhenSwitchedOffOrInsecure()
    {
        QFETCH(bool, switchedOff);
        QFETCH(bool, plainHttpElsewhere);
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath), Installer()));
        server->Serve(installerWebPath, Installer());
        if (switchedOff)
            QSettings().setValue(QStringLiteral("CheckForUpdates"), false);
        if (plainHttpElsewhere)
            qputenv("LUMENO3D_UPDATE_URL", server->BaseUrl().replace(QLatin1String("127.0.0.1"), QLatin1String("0.0.0.0")).toUtf8());

        Updater updater(host.get());
        QTest::qWait(500);
        QVERIFY(server->Requests().isEmpty());
        QVERIFY(!Notice());
    }

    void mainWindowShowsTheNoticeAsItsChild()
    {
        const QByteArray installer = Installer();
        server->Serve(installerWebPath, installer);
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath), installer));
        MainWindow window;
        window.show();
        QVERIFY(testing::WaitUntil([&] {
            auto *notice = window.findChild<DialogNotificationUpdateReady *>();
            return notice && notice->isVisible();
        }));
        QCOMPARE(window.findChild<DialogNotificationUpdateReady *>()->InstallerPath(), StoredInstaller());
    }
};

LUMENO_TEST_MAIN(TestUpdater)
#include "test_updater.moc"
