// The update check against a local service: what is asked, downloaded, stored and offered, and
// every answer or download that must lead to nothing. (The answer's contents: test_update_answer.)
#include "AppSupport.h"
#include "FileSizeLimit.h"
#include "LocalHttpServer.h"
#include "UpdateSigning.h"

#include "update/DialogNotificationUpdateReady.h"
#include "update/DialogUpdater.h"
#include "update/Downloader.h"
#include "update/Updater.h"

using Response = LocalHttpServer::Response;
Q_DECLARE_METATYPE(Response)

namespace {

// Every downloader the updater made has ended (each deletes itself then): no request follows,
// and whatever the updater found is shown.
bool IsIdle(const Updater &updater)
{
    return updater.findChildren<Downloader *>().isEmpty();
}

} // namespace

class TestUpdater : public QObject
{
    Q_OBJECT

    const QString queryPath = QStringLiteral("/app/index.php");
    const QString installerName = QStringLiteral("setup_0.9.2.bin");
    const QString installerWebPath = QStringLiteral("/files/setup_0.9.2.bin");
    const QByteArray installer = testing::RandomBytes(1024 * 1024, 7);

    std::unique_ptr<LocalHttpServer> server;
    std::unique_ptr<QWidget> host; // stands in for the main window as the updater's parent
    const testing::UpdateSigner signer;

    // Serves the download as given and an answer offering the installer as version 0.9.2.
    void ServeOffer(const Response &download)
    {
        server->Serve(installerWebPath, download);
        server->Serve(queryPath, signer.Offer(server->UrlFor(installerWebPath), installer, "0.9.2"));
    }

    QString StoredInstaller() const { return Updater::InstallerFolder() + QLatin1Char('/') + installerName; }
    QStringList StoredFiles() const { return QDir(Updater::InstallerFolder()).entryList(QDir::Files | QDir::Hidden); }

    DialogNotificationUpdateReady *Notice() const { return host->findChild<DialogNotificationUpdateReady *>(); }
    DialogUpdater *ProgressWindow() const { return host->findChild<DialogUpdater *>(); }

private slots:
    void initTestCase()
    {
        Downloader::SetDefaultTimeout(2000); // the stalled download needs not take 30 s
        server = std::make_unique<LocalHttpServer>();
    }

    void init()
    {
        server->Reset();
        qputenv("LUMENO3D_UPDATE_URL", server->UrlFor().toUtf8());
        QDir(Updater::InstallerFolder()).removeRecursively();
        QSettings().remove(QStringLiteral("CheckForUpdates"));
        host = std::make_unique<QWidget>();
    }

    void cleanup() { host.reset(); }

    // The query names version and platform. The installer is downloaded, stored and announced;
    // one already downloaded is offered without a download, unless its hash differs.
    void offeredVersionIsStoredAndAnnounced_data()
    {
        QTest::addColumn<QByteArray>("present");
        QTest::newRow("none") << QByteArray();
        QTest::newRow("same installer") << installer;
        QTest::newRow("an older build") << QByteArray("an older build");
    }

    void offeredVersionIsStoredAndAnnounced()
    {
        QFETCH(QByteArray, present);
        QDir().mkpath(Updater::InstallerFolder());
        QVERIFY(present.isEmpty() || testing::WriteBytes(StoredInstaller(), present));
        ServeOffer({200, installer, {}, Response::Slowly, 128 * 1024});
        Updater updater(host.get(), Updater::Offer::Installer);
        if (present != installer)
            QVERIFY(testing::WaitUntil([this] { return ProgressWindow() && ProgressWindow()->isVisible(); }));
        QVERIFY(testing::WaitUntil([this] { return Notice() && Notice()->isVisible(); }));
        QVERIFY(!ProgressWindow() || !ProgressWindow()->isVisible());
        QCOMPARE(Notice()->InstallerPath(), StoredInstaller());
        QVERIFY(StoredInstaller().startsWith(testing::SandboxPath() + QStringLiteral("/cache/")));
        QCOMPARE(server->RequestsFor(installerWebPath), present == installer ? 0 : 1);
        QCOMPARE(testing::Contents(StoredInstaller()), installer);
        QCOMPARE(StoredFiles(), QStringList{installerName});
        const QByteArray query = server->Requests().at(0);
        const QByteArray form = "method=checkupdates&version=0.9.1.20140802&platform=linux";
        QVERIFY2(query.startsWith("POST /app/index.php?" + form + " HTTP/1.1\r\n"), query.constData());
        QVERIFY2(query.toLower().contains("\ncontent-type: application/x-www-form-urlencoded\r\n"), query.constData());
        QVERIFY2(query.endsWith("\r\n\r\n" + form), query.constData());
        // Every body is asked for as it is, never compressed: the compressed rows below show none is inflated.
        for (const QByteArray &request : server->Requests())
            QVERIFY2(request.toLower().contains("\naccept-encoding: identity\r\n"), request.constData());
    }

    // On Linux the package manager installs new versions: the notice links to the download page.
    void linuxOffersTheDownloadPage()
    {
        ServeOffer({200, installer});
        QCOMPARE(Updater::PlatformOffer(), Updater::Offer::DownloadPage);
        Updater updater(host.get());
        QVERIFY(testing::WaitUntil([&updater] { return IsIdle(updater); }));
        QVERIFY(Notice() && Notice()->isVisible());
        QCOMPARE(Notice()->DownloadPage(), QUrl(QStringLiteral("https://lumeno3d.org/download")));
        QCOMPARE(server->RequestsFor(installerWebPath), 0);
        QVERIFY(!ProgressWindow() && StoredFiles().isEmpty());
    }

    // Whatever the service answers, or when it must not be asked, nothing is downloaded or shown.
    // 0.0.0.0 reaches this machine on Linux but is no loopback address: plain http to it is refused.
    void nothingIsDownloaded_data()
    {
        QTest::addColumn<bool>("switchedOff");
        QTest::addColumn<QString>("serviceHost");
        QTest::addColumn<Response>("answer");
        const QByteArray offer = signer.Offer(server->UrlFor(installerWebPath), installer, "0.9.2");
        QTest::newRow("CheckForUpdates false") << true << "127.0.0.1" << Response{200, offer};
        QTest::newRow("service over plain http to another host") << false << "0.0.0.0" << Response{200, offer};
        const QByteArray noNewer = "Lumeno3D update service\nNO<br>\n";
        QTest::newRow("no newer version") << false << "127.0.0.1" << Response{200, noNewer};
        QTest::newRow("offer with an error status") << false << "127.0.0.1" << Response{500, offer};
        // A valid offer at its start, so only the size can refuse it.
        const QByteArray huge = offer + QByteArray(40 * 1024 * 1024, 'x');
        QTest::newRow("40 MB answer") << false << "127.0.0.1" << Response{200, huge};
        // Inflated, it would be the offer (zlib without Qt's length prefix: "Content-Encoding: deflate").
        QTest::newRow("compressed offer") << false << "127.0.0.1" << Response{200, qCompress(offer).mid(4), "deflate"};
        QTest::newRow("no answer at all") << false << "127.0.0.1" << Response{200, {}, {}, Response::Silent};
    }

    void nothingIsDownloaded()
    {
        QFETCH(bool, switchedOff);
        QFETCH(QString, serviceHost);
        QFETCH(Response, answer);
        const int queries = switchedOff || serviceHost != QLatin1String("127.0.0.1") ? 0 : 1;
        server->Serve(installerWebPath, installer);
        server->Serve(queryPath, answer);
        QSettings().setValue(QStringLiteral("CheckForUpdates"), !switchedOff);
        qputenv("LUMENO3D_UPDATE_URL", server->UrlFor().replace(QLatin1String("127.0.0.1"), serviceHost).toUtf8());
        Updater updater(host.get(), Updater::Offer::Installer);
        // The unanswered query ends only when the updater gives it up.
        QVERIFY(testing::WaitUntil([&] { return IsIdle(updater) && server->OpenConnections() == 0; }));
        QCOMPARE(server->Requests().size(), queries);
        QVERIFY(!Notice() && !ProgressWindow());
        QVERIFY(StoredFiles().isEmpty());
    }

    void installerNotMatchingTheAnswerIsNotKept_data()
    {
        QTest::addColumn<Response>("download");
        QTest::addColumn<QByteArray>("signedHash");
        QTest::addColumn<int>("signedSizeChange");
        QTest::addColumn<int>("fileSizeLimit"); // 0: none
        const QByteArray hash = testing::Sha256Hex(installer);
        const Response whole{200, installer};
        QTest::newRow("another hash") << whole << testing::Sha256Hex("something else") << 0 << 0;
        QTest::newRow("smaller than signed") << whole << hash << 1 << 0;
        QTest::newRow("full disk") << whole << hash << 0 << 64 * 1024;
        // Would inflate to the signed installer, were it inflated in memory.
        QTest::newRow("compressed") << Response{200, qCompress(installer).mid(4), "deflate"} << hash << 0 << 0;
        QTest::newRow("endless") << Response{200, testing::RandomBytes(64 * 1024, 8), {}, Response::Endless} << hash << 0 << 0;
        QTest::newRow("stalled") << Response{200, installer, {}, Response::Slowly, 1} << hash << 0 << 0;
        QTest::newRow("connection lost halfway") << Response{200, installer, {}, Response::Truncated} << hash << 0 << 0;
    }

    void installerNotMatchingTheAnswerIsNotKept()
    {
        QFETCH(Response, download);
        QFETCH(QByteArray, signedHash);
        QFETCH(int, signedSizeChange);
        QFETCH(int, fileSizeLimit);
        const qint64 size = installer.size() + signedSizeChange;
        server->Serve(installerWebPath, download);
        server->Serve(queryPath, testing::UpdateAnswerBody({"OK", "0.9.2", server->UrlFor(installerWebPath).toUtf8(),
                                                            signedHash, QByteArray::number(size),
                                                            signer.Signature("0.9.2", installerName.toUtf8(), size,
                                                                             signedHash)}));
        FileSizeLimit limit(fileSizeLimit ? rlim_t(fileSizeLimit) : RLIM_INFINITY);
        Updater updater(host.get(), Updater::Offer::Installer);
        // The endless and the stalled download end only when the updater gives them up.
        QVERIFY(testing::WaitUntil([&] { return IsIdle(updater) && server->OpenConnections() == 0; }));
        QCOMPARE(server->RequestsFor(installerWebPath), 1);
        QVERIFY(!Notice());
        QVERIFY(StoredFiles().isEmpty());
    }
};

LUMENO_TEST_MAIN(TestUpdater)
#include "test_updater.moc"
