// Faults from outside the program: disks that are full, files that change between choosing
// and reading them, damaged settings, files that claim more than they hold, coordinates
// that are no numbers, and an update service that misbehaves. Each ends in a message or in
// nothing at all, never in lost data, a crash or a stalled window.
#include "AppSupport.h"
#include "FileSizeLimit.h"
#include "LocalHttpServer.h"
#include "UpdateSigning.h"

#include "MainWindow.h"
#include "dialogs/DialogPreferences.h"
#include "update/DialogNotificationUpdateReady.h"
#include "update/DialogUpdater.h"
#include "update/Updater.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QTimer>

#include <memory>
#include <sys/stat.h>

using testing::ChooseFile;
using testing::Press;

namespace {

const QString CorruptMessage = QStringLiteral("This file seems to be corrupt and cannot be loaded.");

QStringList RecentFiles()
{
    return QSettings().value(QStringLiteral("RecentFileList")).toStringList();
}

using testing::Contents;

QByteArray RandomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// A line of /proc/self/status ("VmRSS", "VmHWM") in kB.
qint64 StatusKiB(const char *field)
{
    for (const QByteArray &line : testing::Contents(QStringLiteral("/proc/self/status")).split('\n'))
        if (line.startsWith(QByteArray(field) + ':'))
            return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// The visible recent-file entries of the File menu.
QStringList RecentMenuEntries(MainWindow &window)
{
    QStringList entries;
    auto *menu = window.findChild<QMenu *>(QStringLiteral("menuFile"));
    for (QAction *action : menu->actions())
        if (action->isVisible() && action->data().isValid() && !action->data().toString().isEmpty())
            entries << action->data().toString();
    return entries;
}

// The longest pause between the ticks of a 20 ms timer while the event loop runs for `ms`.
qint64 LongestStall(int ms)
{
    QElapsedTimer clock, sinceTick;
    qint64 longest = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = qMax(longest, sinceTick.restart());
    });
    clock.start();
    sinceTick.start();
    ticker.start(20);
    while (clock.elapsed() < ms)
        QTest::qWait(50);
    return qMax(longest, sinceTick.elapsed());
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    std::shared_ptr<QStringList> messages;
    const testing::UpdateSigner signer;

    QString Folder() const { return QFileInfo(testing::ScratchFile(QStringLiteral("x"))).path(); }
    QString Path(const QString &name) const { return Folder() + QLatin1Char('/') + name; }
    QStringList Files() const { return QDir(Folder()).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name); }

    void OpenWindow()
    {
        window = std::make_unique<MainWindow>();
        window->resize(900, 650);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    // The message boxes that come after the answers count as messages.
    void Run(const char *action, QList<testing::ModalAnswer> answers)
    {
        *messages << testing::Run(*window, action, answers);
    }

    // Loads `path` directly and notes the message it brings, if any.
    void LoadNotingMessages(const QString &path)
    {
        testing::ModalAnswers answering({});
        window->LoadModel(path, QFileInfo(path).suffix());
        QTest::qWait(100);
        *messages << answering.Closed();
    }

    void VerifyNothingLoaded()
    {
        QVERIFY(!window->LoadedModel());
        QVERIFY(!window->ShownModel());
        QVERIFY(!window->IsCascadeRunning());
        QVERIFY(!testing::Action(*window, QStringLiteral("actionDecimation100"))->isEnabled());
    }

    void VerifyTheNextGoodFileLoads()
    {
        messages->clear();
        testing::ModalAnswers answering({});
        QVERIFY(testing::LoadIntoWindow(*window, testing::Sphere(12, 10), Path(QStringLiteral("good.stl"))));
        *messages << answering.Closed();
        QVERIFY2(messages->isEmpty(), qPrintable(messages->join(QLatin1Char('\n'))));
        QCOMPARE(window->ShownModel(), window->LoadedModel());
    }

private slots:
    void init()
    {
        QDir(Folder()).removeRecursively();
        QDir().mkpath(Folder());
        messages = std::make_shared<QStringList>();
    }

    void cleanup()
    {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QSettings().clear();
        qputenv("LUMENO3D_UPDATE_URL", QStringLiteral("http://127.0.0.1:%1").arg(LocalHttpServer::ClosedPort()).toUtf8());
    }

    // A name that leads to /dev/full (through a link, so that nothing is ever created in /dev).
    void savingOntoAFullDeviceIsRefused()
    {
        OpenWindow();
        QVERIFY(testing::LoadIntoWindow(*window, testing::Sphere(20, 16), Path(QStringLiteral("input.stl"))));
        const QStringList recentBefore = RecentFiles();
        const QString link = Path(QStringLiteral("full.ply"));
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), link));

        Run("actionSave_as", {ChooseFile(link), Press(QMessageBox::Yes, messages)});
        QCOMPARE(messages->size(), 2); // replace? yes; then the failure
        QVERIFY2(messages->last().contains(link), qPrintable(messages->last()));
        QVERIFY(QFileInfo(QStringLiteral("/dev/full")).exists() && !QFileInfo(QStringLiteral("/dev/full")).isFile());
        QCOMPARE(QFileInfo(link).symLinkTarget(), QStringLiteral("/dev/full"));
        QCOMPARE(RecentFiles(), recentBefore);
        QCOMPARE(Files(), (QStringList{QFileInfo(link).fileName(), QStringLiteral("input.stl")}));
    }

    void snapshotOnAFullDiskKeepsTheExistingImages()
    {
        OpenWindow();
        QVERIFY(testing::LoadIntoWindow(*window, testing::Sphere(20, 16), Path(QStringLiteral("input.stl"))));
        const QStringList recentBefore = RecentFiles();
        const QString first = Path(QStringLiteral("shot.png"));
        const QString second = Path(QStringLiteral("shot_decimated.png"));
        for (const QString &path : {first, second})
            QVERIFY(testing::WriteBytes(path, "yesterday's image"));
        {
            // Far less than any image of a view.
            FileSizeLimit limit(512);
            QVERIFY(limit.IsActive());
            Run("actionSnapshot", {ChooseFile(first), Press(QMessageBox::Yes, messages)});
        }
        QCOMPARE(messages->size(), 3); // replace? yes; then one failure for each image
        QVERIFY2(messages->at(1).contains(first) && messages->at(1).contains(QStringLiteral("Writing the file failed.")),
                 qPrintable(messages->at(1)));
        QVERIFY2(messages->at(2).contains(second), qPrintable(messages->at(2)));
        for (const QString &path : {first, second})
            QCOMPARE(Contents(path), QByteArray("yesterday's image"));
        QCOMPARE(Files(), (QStringList{QStringLiteral("input.stl"), QStringLiteral("shot.png"),
                                       QStringLiteral("shot_decimated.png")}));
        QCOMPARE(RecentFiles(), recentBefore);
    }

    // The file is chosen in the Open dialog and changes once the dialog has accepted it,
    // before the window reads it.
    void fileChangedBetweenChoosingAndLoading_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("expectedMessage"); // %1 stands for the path; empty: the new content loads
        QTest::newRow("deleted") << "delete" << QStringLiteral("The file %1 doesn't exist.");
        QTest::newRow("replaced by garbage") << "garbage" << CorruptMessage;
        QTest::newRow("replaced by an empty file") << "empty" << CorruptMessage;
        QTest::newRow("cut after its header") << "cut" << CorruptMessage;
        QTest::newRow("replaced by another model") << "other" << QString();
    }

    void fileChangedBetweenChoosingAndLoading()
    {
        QFETCH(QString, change);
        QFETCH(QString, expectedMessage);
        OpenWindow();
        QVERIFY(testing::LoadIntoWindow(*window, testing::Sphere(16, 12), Path(QStringLiteral("before.stl"))));
        const QString path = Path(QStringLiteral("chosen.stl"));
        QVERIFY(testing::WriteModel(testing::Sphere(24, 20), path));
        auto box = testing::Box(1, 2, 3);

        const testing::ModalAnswer choose = [&](QWidget *modal) {
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                connect(dialog, &QDialog::accepted, this, [&] {
                    if (change == QLatin1String("delete"))
                        QFile::remove(path);
                    else if (change == QLatin1String("garbage"))
                        testing::WriteBytes(path, RandomBytes(5000, 11));
                    else if (change == QLatin1String("empty"))
                        testing::WriteBytes(path, QByteArray());
                    else if (change == QLatin1String("cut"))
                        testing::WriteBytes(path, Contents(path).left(84));
                    else
                        testing::WriteModel(box, path);
                });
            ChooseFile(path)(modal);
        };
        Run("actionOpen", {choose});

        if (expectedMessage.isEmpty()) {
            QVERIFY2(messages->isEmpty(), qPrintable(messages->join(QLatin1Char('\n'))));
            QVERIFY(window->LoadedModel());
            QCOMPARE(window->LoadedModel()->GetNumberOfPolys(), box->GetNumberOfPolys());
            QVERIFY(testing::WaitForCascade(*window));
            QCOMPARE(RecentFiles().value(0), path);
            return;
        }
        if (expectedMessage.contains(QLatin1String("%1")))
            expectedMessage = expectedMessage.arg(path);
        QCOMPARE(*messages, QStringList{expectedMessage});
        VerifyNothingLoaded();
        VerifyTheNextGoodFileLoads();
    }

    // Settings written by something else: each unusable value is as if it were not there.
    void damagedSettingsGiveTheDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("random bytes") << RandomBytes(8000, 5);
        QTest::newRow("random bytes after a section") << QByteArray("[General]\n") + RandomBytes(8000, 6);
        QTest::newRow("colours as text") << QByteArray("[General]\nmodelRed=red\nmodelGreen=\nmodelBlue=@Invalid()\n"
                                                       "backgroundTopGreen=0,9\nbackgroundBottomBlue=@ByteArray(\\0)\n");
        QTest::newRow("colours as huge numbers") << QByteArray("[General]\nmodelRed=1e308\nmodelBlue=1e999\n"
                                                               "backgroundTopRed=nan\nbackgroundTopGreen=-inf\n");
        QTest::newRow("recent files as a rectangle") << QByteArray("[General]\nRecentFileList=@Rect(1 2 3 4)\n");
        QTest::newRow("recent files as a broken variant")
            << QByteArray("[General]\nRecentFileList=@Variant(\\0\\0\\0\\x7f\\xff\\xff)\nLanguage=@Point(1 2)\n");
    }

    void damagedSettingsGiveTheDefaults()
    {
        QFETCH(QByteArray, content);
        const QString conf = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Orvane/Lumeno3D.conf");
        QDir().mkpath(QFileInfo(conf).path());
        QVERIFY(testing::WriteBytes(conf, content));

        OpenWindow();
        QVERIFY(RecentMenuEntries(*window).isEmpty());
        // The preferences show the same defaults.
        testing::Action(*window, QStringLiteral("actionPreferences"))->trigger();
        auto *preferences = window->findChild<DialogPreferences *>();
        QVERIFY(preferences);
        const auto swatch = [preferences](const char *button) {
            return preferences->findChild<QPushButton *>(QString::fromLatin1(button))->styleSheet();
        };
        QCOMPARE(swatch("buttonColor"), QStringLiteral("background-color: #ffffff"));
        QCOMPARE(swatch("btnBackgroundTop"), QStringLiteral("background-color: #e6e6e6"));
        QCOMPARE(swatch("btnBackgroundBottom"), QStringLiteral("background-color: #ffffff"));
        preferences->close();

        // The window works: a model loads in the default colour and enters the recent list.
        VerifyTheNextGoodFileLoads();
        QCOMPARE(RecentMenuEntries(*window), QStringList{Path(QStringLiteral("good.stl"))});
    }

    // The binary STL reader sizes its memory from the count in the header.
    void stlClaimingBillionsOfTrianglesAllocatesNothing_data()
    {
        QTest::addColumn<quint32>("declared");
        // 84 + 50 * count wraps around to the real length of the file in 32-bit arithmetic.
        QTest::newRow("2^31 + 1") << quint32(0x80000001u);
        QTest::newRow("4 billion") << quint32(0xFFFFFFFFu);
    }

    void stlClaimingBillionsOfTrianglesAllocatesNothing()
    {
        QFETCH(quint32, declared);
        OpenWindow();
        const QString path = Path(QStringLiteral("claims.stl"));
        QVERIFY(testing::WriteBytes(path, testing::BinaryStl(declared, {0, 0, 0, 1, 0, 0, 0, 1, 0})));
        QTest::qWait(100);
        QVERIFY(testing::WriteBytes(QStringLiteral("/proc/self/clear_refs"), "5")); // a new high-water mark
        const qint64 before = StatusKiB("VmRSS");
        LoadNotingMessages(path);
        const qint64 peak = StatusKiB("VmHWM");
        qInfo("resident before %lld kB, peak while loading %lld kB", before, peak);
        QVERIFY2(peak - before < 64 * 1024, qPrintable(QStringLiteral("%1 kB more").arg(peak - before)));
        QCOMPARE(*messages, QStringList{CorruptMessage});
        VerifyNothingLoaded();
        VerifyTheNextGoodFileLoads();
    }

    // Whatever the update service answers, the window goes on as if it had not asked.
    void misbehavingUpdateServiceLeavesTheWindowAlone_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("garbage") << 0;
        QTest::newRow("40 MB body") << 1;
        QTest::newRow("very slow body") << 2;
        QTest::newRow("no answer at all") << 3;
        QTest::newRow("server error with garbage") << 4;
        QTest::newRow("offer inflating to 40 MB") << 5;
    }

    void misbehavingUpdateServiceLeavesTheWindowAlone()
    {
        QFETCH(int, kind);
        const QString queryPath = QStringLiteral("/app/index.php");
        LocalHttpServer server;
        LocalHttpServer::Response response;
        response.body = RandomBytes(20000, 3);
        if (kind == 1 || kind == 5) {
            // A valid offer at its start, so only the size can refuse it.
            const QByteArray installer = RandomBytes(1000, 4);
            response.body = signer.Offer(server.UrlFor(QStringLiteral("/setup.bin")), installer) +
                            QByteArray(40 * 1024 * 1024, 'x');
            server.Serve(QStringLiteral("/setup.bin"), installer);
            if (kind == 5) {
                response.body = qCompress(response.body, 9).mid(4); // a zlib stream without Qt's length prefix
                response.encoding = "deflate";
            }
        } else if (kind == 2) {
            response.delivery = LocalHttpServer::Response::Slowly;
            response.chunkSize = 64;
        } else if (kind == 3) {
            response.delivery = LocalHttpServer::Response::Silent;
        } else if (kind == 4) {
            response.status = 500;
        }
        server.Serve(queryPath, response);
        qputenv("LUMENO3D_UPDATE_URL", server.BaseUrl().toUtf8());

        OpenWindow();
        QVERIFY(testing::WaitUntil([&] { return server.RequestsFor(queryPath) == 1; }, 10000));
        const qint64 stall = LongestStall(3000);
        qInfo("longest pause of the event loop: %lld ms", stall);
        QVERIFY2(stall < 1500, qPrintable(QStringLiteral("%1 ms").arg(stall)));

        // Meanwhile the window works as ever.
        VerifyTheNextGoodFileLoads();
        QVERIFY(!window->findChild<DialogUpdater *>());
        QVERIFY(!window->findChild<DialogNotificationUpdateReady *>());
        QVERIFY(!QApplication::activeModalWidget());
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(widget == window.get() || !widget->isVisible(), qPrintable(widget->metaObject()->className()));
        QCOMPARE(server.RequestsFor(QStringLiteral("/setup.bin")), 0);
        QVERIFY(QDir(Updater::InstallerFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // A downloaded installer that the disk cannot take whole is not kept, so never offered.
    void installerOnAFullDiskIsNotOffered()
    {
        LocalHttpServer server;
        const QString installerPath = QStringLiteral("/files/setup_99.0.bin");
        const QByteArray installer = RandomBytes(12000, 8);
        server.Serve(installerPath, installer);
        server.Serve(QStringLiteral("/app/index.php"), signer.Offer(server.UrlFor(installerPath), installer));
        qputenv("LUMENO3D_UPDATE_URL", server.BaseUrl().toUtf8());
        {
            FileSizeLimit limit(4096);
            QVERIFY(limit.IsActive());
            OpenWindow();
            QVERIFY(testing::WaitUntil([&] { return server.RequestsFor(installerPath) == 1; }, 10000));
            QVERIFY(testing::WaitUntil([&] {
                auto *progress = window->findChild<DialogUpdater *>();
                return progress && !progress->isVisible();
            }));
            QTest::qWait(300);
        }
        QVERIFY(!window->findChild<DialogNotificationUpdateReady *>());
        QVERIFY(QDir(Updater::InstallerFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
};

LUMENO_TEST_MAIN(TestFaults)

#include "test_faults.moc"
