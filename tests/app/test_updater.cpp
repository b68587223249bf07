// The update check against a local update service: what is asked, what is downloaded and
// stored, what is offered, and every answer that must lead to nothing.
#include "TestSupport.h"

#include "LocalHttpServer.h"
#include "UpdateSigning.h"
#include "MainWindow.h"
#include "update/DialogNotificationUpdateReady.h"
#include "update/DialogUpdater.h"
#include "update/Downloader.h"
#include "update/Updater.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>

#include <algorithm>
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
        auto *bar = ProgressWindow()->findChild<QProgressBar *>(QStringLiteral("DownloadProgressBar"));
        QList<int> shown;
        connect(bar, &QProgressBar::valueChanged, this, [&shown](int value) { shown << value; });

        QVERIFY(testing::WaitUntil([this] { return Notice() && Notice()->isVisible(); }));
        QVERIFY(!ProgressWindow()->isVisible());
        QCOMPARE(bar->maximum(), installer.size());
        QCOMPARE(bar->value(), installer.size());
        QVERIFY2(std::any_of(shown.cbegin(), shown.cend(), [&](int value) { return value > 0 && value < installer.size(); }),
                 "no intermediate progress shown");
        QVERIFY(std::is_sorted(shown.cbegin(), shown.cend()));
        QCOMPARE(Notice()->InstallerPath(), StoredInstaller());
        QVERIFY(StoredInstaller().startsWith(testing::SandboxPath() + QStringLiteral("/cache/")));

        QFile stored(StoredInstaller());
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), installer);
        QCOMPARE(FilesInInstallerFolder(), QStringList{installerName});
        QCOMPARE(server->RequestsFor(installerWebPath), 1);
    }

    void clickOnTheProgressWindowLetsTheDownloadGoOn()
    {
        Response slow;
        slow.body = Installer(2 * 1024 * 1024);
        slow.delivery = Response::Slowly;
        slow.chunkSize = 64 * 1024;
        server->Serve(installerWebPath, slow);
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath), slow.body));

        Updater updater(host.get());
        QVERIFY(testing::WaitUntil([this] { return ProgressWindow() && ProgressWindow()->isVisible(); }));
        QVERIFY(QTest::qWaitForWindowExposed(ProgressWindow()));
        QTest::mouseClick(ProgressWindow()->findChild<QLabel *>(QStringLiteral("label")), Qt::LeftButton);
        QVERIFY(!ProgressWindow()->isVisible());

        QVERIFY(testing::WaitUntil([this] { return Notice() && Notice()->isVisible(); }));
        QVERIFY(QFileInfo(StoredInstaller()).isFile());
    }

    void presentInstallerIsOfferedAtOnce()
    {
        const QByteArray installer = Installer();
        QDir().mkpath(Updater::InstallerFolder());
        QFile present(StoredInstaller());
        QVERIFY(present.open(QIODevice::WriteOnly));
        present.write(installer);
        present.close();
        server->Serve(installerWebPath, installer);

        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath), installer));
        Updater updater(host.get());
        QVERIFY(testing::WaitUntil([this] { return Notice() && Notice()->isVisible(); }));
        QCOMPARE(Notice()->InstallerPath(), StoredInstaller());
        QVERIFY(!ProgressWindow());
        QCOMPARE(server->RequestsFor(installerWebPath), 0);
    }

    void presentInstallerWithAnotherHashIsReplaced()
    {
        const QByteArray installer = Installer();
        QDir().mkpath(Updater::InstallerFolder());
        QFile stale(StoredInstaller());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("an older build");
        stale.close();
        server->Serve(installerWebPath, installer);
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath), installer));

        Updater updater(host.get());
        QVERIFY(testing::WaitUntil([this] { return Notice() && Notice()->isVisible(); }));
        QCOMPARE(server->RequestsFor(installerWebPath), 1);
        QFile stored(StoredInstaller());
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), installer);
    }

    void answersThatOfferNothing_data()
    {
        // A signed offer of the installer at the server's address + path, then edited.
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<int>("status");
        const QString setup = QStringLiteral("/files/setup_0.9.2.bin");
        const QByteArray next = "0.9.2";
        QTest::newRow("lower-case ok") << setup << next << "OK<br>" << "ok<br>" << 200;
        QTest::newRow("one line") << setup << next << "^[^\\n]*\\n" << "" << 200;
        QTest::newRow("service error") << setup << next << "OK<br>.*" << "NO<br>ERRORX<br>" << 200;
        QTest::newRow("empty name") << "/files/" << next << "" << "" << 200;
        QTest::newRow("name ..") << "/files/.." << next << "" << "" << 200;
        QTest::newRow("offer with an error status") << setup << next << "" << "" << 500;
        // 0.0.0.0 reaches this machine on Linux but is no loopback address: plain http to it is refused.
        QTest::newRow("http to a non-loopback host") << setup << next << "127\\.0\\.0\\.1" << "0.0.0.0" << 200;
        QTest::newRow("older version") << setup << QByteArray("0.0.1") << "" << "" << 200;
        QTest::newRow("same version") << setup << QByteArray("0.9.1.20140802") << "" << "" << 200;
        QTest::newRow("empty version") << setup << QByteArray() << "" << "" << 200;
        QTest::newRow("no hash") << setup << next << "<br>[0-9a-f]{64}<br>" << "<br>" << 200;
        QTest::newRow("no signature") << setup << next << "<br>[0-9a-f]{128}" << "" << 200;
        QTest::newRow("bad signature") << setup << next << "[0-9a-f]{128}" << QString(128, QLatin1Char('0')) << 200;
    }

    void answersThatOfferNothing()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, version);
        QFETCH(QString, pattern);
        QFETCH(QString, replacement);
        QFETCH(int, status);
        for (const QString &served : {installerWebPath, QStringLiteral("/files/"), QStringLiteral("/files/..")})
            server->Serve(served, "not an installer");
        QString answer = QString::fromUtf8(signer.Offer(server->UrlFor(path), "not an installer", version));
        if (!pattern.isEmpty())
            answer.replace(QRegularExpression(pattern), replacement);
        server->Serve(queryPath, answer.toUtf8(), status);

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

    void brokenDownloadLeavesNoInstaller()
    {
        const QByteArray installer = Installer();
        Response broken;
        broken.body = installer;
        broken.delivery = Response::Truncated;
        server->Serve(installerWebPath, broken);
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath), installer));
        {
            Updater updater(host.get());
            QVERIFY(testing::WaitUntil([this] { return server->RequestsFor(installerWebPath) == 1; }));
            QTest::qWait(500);
            QVERIFY(!Notice());
            QVERIFY(FilesInInstallerFolder().isEmpty());
        }

        // The next start downloads it again and offers it once it is complete.
        server->Serve(installerWebPath, installer);
        Updater nextStart(host.get());
        QVERIFY(testing::WaitUntil([this] { return Notice() && Notice()->isVisible(); }));
        QCOMPARE(server->RequestsFor(installerWebPath), 2);
        QCOMPARE(QFileInfo(StoredInstaller()).size(), qint64(installer.size()));
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

    void mainWindowStartsQuietlyWithoutNetwork()
    {
        qputenv("LUMENO3D_UPDATE_URL", QStringLiteral("http://127.0.0.1:%1").arg(LocalHttpServer::ClosedPort()).toUtf8());
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(500);
        QVERIFY(!window.findChild<DialogUpdater *>());
        QVERIFY(!window.findChild<DialogNotificationUpdateReady *>());
        QVERIFY(!QApplication::activeModalWidget());
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(widget == &window || !widget->isVisible(), qPrintable(widget->objectName()));
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
