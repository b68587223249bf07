// The update check against a local update service: what is asked, what is downloaded and
// stored, what is offered, and every answer that must lead to nothing.
#include "TestSupport.h"

#include "LocalHttpServer.h"
#include "MainWindow.h"
#include "update/DialogNotificationUpdateReady.h"
#include "update/DialogUpdater.h"
#include "update/Updater.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>

#include <algorithm>
#include <memory>

using Response = LocalHttpServer::Response;

class TestUpdater : public QObject
{
    Q_OBJECT

    const QString queryPath = QStringLiteral("/app/index.php");
    const QString installerName = QStringLiteral("setup_0.9.2.bin");
    const QString installerWebPath = QStringLiteral("/files/setup_0.9.2.bin");

    std::unique_ptr<LocalHttpServer> server;
    std::unique_ptr<QWidget> host; // stands in for the main window as the updater's parent

    static QByteArray Installer(int size = 1024 * 1024)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            bytes[i] = char((i * 13 + i / 509) & 0xff);
        return bytes;
    }

    static QByteArray Sha256Hex(const QByteArray &bytes)
    {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    }

    QByteArray Offer(const QString &address, const QByteArray &hash = QByteArray()) const
    {
        QByteArray answer = "Lumeno3D update service\nOK<br>0.9.2<br>" + address.toUtf8();
        if (!hash.isEmpty())
            answer += "<br>" + hash;
        return answer + "\n";
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
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath), Sha256Hex(installer)));

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
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath)));

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

        for (const QByteArray &hash : {QByteArray(), Sha256Hex(installer)}) {
            server->Serve(queryPath, Offer(server->UrlFor(installerWebPath), hash));
            Updater updater(host.get());
            QVERIFY(testing::WaitUntil([this] { return Notice() && Notice()->isVisible(); }));
            QCOMPARE(Notice()->InstallerPath(), StoredInstaller());
            QVERIFY(!ProgressWindow());
            delete Notice();
        }
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
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath), Sha256Hex(installer)));

        Updater updater(host.get());
        QVERIFY(testing::WaitUntil([this] { return Notice() && Notice()->isVisible(); }));
        QCOMPARE(server->RequestsFor(installerWebPath), 1);
        QFile stored(StoredInstaller());
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), installer);
    }

    void answersThatOfferNothing_data()
    {
        QTest::addColumn<QString>("answer"); // %1 stands for the server's address
        QTest::addColumn<int>("status");
        QTest::newRow("lower-case ok") << "x\nok<br>0.9.2<br>%1/files/setup_0.9.2.bin\n" << 200;
        QTest::newRow("one line") << "OK<br>0.9.2<br>%1/files/setup_0.9.2.bin\n" << 200;
        QTest::newRow("no line end") << "OK<br>0.9.2<br>%1/files/setup_0.9.2.bin" << 200;
        QTest::newRow("two fields") << "x\nOK<br>0.9.2\n" << 200;
        QTest::newRow("service error") << "x\nNO<br>ERRORX<br>\n" << 200;
        QTest::newRow("empty name") << "x\nOK<br>0.9.2<br>%1/files/\n" << 200;
        QTest::newRow("name ..") << "x\nOK<br>0.9.2<br>%1/files/..\n" << 200;
        QTest::newRow("name with a query") << "x\nOK<br>0.9.2<br>%1/files/a?b\n" << 200;
        QTest::newRow("offer with an error status") << "x\nOK<br>0.9.2<br>%1/files/setup_0.9.2.bin\n" << 500;
        // 0.0.0.0 reaches this machine on Linux but is no loopback address: plain http to it is refused.
        QTest::newRow("http to a non-loopback host")
            << "x\nOK<br>0.9.2<br>http://0.0.0.0:%2/files/setup_0.9.2.bin\n" << 200;
    }

    void answersThatOfferNothing()
    {
        QFETCH(QString, answer);
        QFETCH(int, status);
        for (const QString &path : {installerWebPath, QStringLiteral("/files/"), QStringLiteral("/files/a")})
            server->Serve(path, "not an installer");
        const QString text = answer.replace(QLatin1String("%1"), server->BaseUrl())
                                 .replace(QLatin1String("%2"), server->BaseUrl().section(QLatin1Char(':'), -1));
        server->Serve(queryPath, text.toUtf8(), status);

        Updater updater(host.get());
        SettleAfterQuery();
        QCOMPARE(server->Requests().size(), 1);
        QVERIFY(!Notice());
        QVERIFY(!ProgressWindow());
        QVERIFY(FilesInInstallerFolder().isEmpty());
    }

    void installerWithTheWrongHashIsNotKept()
    {
        const QByteArray installer = Installer();
        server->Serve(installerWebPath, installer);
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath), Sha256Hex("something else")));

        Updater updater(host.get());
        QVERIFY(testing::WaitUntil([this] { return server->RequestsFor(installerWebPath) == 1; }));
        QVERIFY(testing::WaitUntil([this] { return ProgressWindow() && !ProgressWindow()->isVisible(); }));
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
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath)));
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
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath)));
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
        server->Serve(queryPath, Offer(server->UrlFor(installerWebPath), Sha256Hex(installer)));
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
