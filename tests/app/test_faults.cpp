// Faults from outside: files changing between choosing and reading, damaged settings. Each ends
// in a message or in defaults, never in lost data or a broken window. (A full disk under Save as
// and Snapshot: test_saving; the update service: test_updater.)
#include "AppSupport.h"

#include "dialogs/DialogPreferences.h"

#include <QProgressBar>
#include <QRandomGenerator>

using testing::ChooseFile;

namespace {

QByteArray RandomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    std::shared_ptr<QStringList> messages;

    QString Path(const QString &name) const { return testing::ScratchFile(QStringLiteral("faults/") + name); }

    void OpenWindow()
    {
        window = std::make_unique<MainWindow>();
        QVERIFY(testing::Show(*window));
    }

    void VerifyTheNextGoodFileLoads()
    {
        testing::ModalAnswers answering({});
        QVERIFY(testing::LoadIntoWindow(*window, testing::Sphere(12, 10), Path(QStringLiteral("good.stl"))));
        QCOMPARE(answering.Closed(), QStringList());
        QCOMPARE(window->ShownModel(), window->LoadedModel());
    }

private slots:
    void init()
    {
        QDir(Path(QString())).removeRecursively();
        QDir().mkpath(Path(QString()));
        messages = std::make_shared<QStringList>();
    }

    void cleanup()
    {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QSettings().clear();
    }

    // The file changes after the Open dialog accepted it, before the window reads it. One that
    // cannot be loaded leaves the model, its levels and the recent list as they were.
    void fileChangedBetweenChoosingAndLoading_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("expectedMessage"); // %1 stands for the path; empty: the new content loads
        QTest::newRow("deleted") << "delete"
                                 << QStringList{"The file %1 doesn't exist.",
                                                "If it was moved or renamed, open it from its new place."};
        QTest::newRow("replaced by garbage")
            << "garbage"
            << QStringList{"This file seems to be corrupt and cannot be loaded.", "%1",
                           "Check that it is a complete STL, OBJ or PLY file, or export it again."};
        QTest::newRow("replaced by another model") << "other" << QStringList();
    }

    void fileChangedBetweenChoosingAndLoading()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, expectedMessage);
        OpenWindow();
        QVERIFY(testing::LoadIntoWindow(*window, testing::Sphere(16, 12), Path(QStringLiteral("before.stl"))));
        vtkPolyData *before = window->LoadedModel();
        const QString level50 = testing::LevelAction(*window, 50)->text();
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
                    else
                        testing::WriteModel(box, path);
                });
            ChooseFile(path)(modal);
        };
        *messages << testing::Run(*window, "actionOpen", {choose});

        if (expectedMessage.isEmpty()) {
            QCOMPARE(*messages, QStringList());
            QCOMPARE(window->LoadedModel()->GetNumberOfPolys(), box->GetNumberOfPolys());
            QVERIFY(testing::WaitForCascade(*window));
            QCOMPARE(testing::RecentFiles().value(0), path);
            return;
        }
        QCOMPARE(*messages, QStringList{expectedMessage.join(QStringLiteral("\n\n")).arg(path)});
        QCOMPARE(window->LoadedModel(), before);
        QCOMPARE(window->ShownModel(), before);
        QCOMPARE(testing::LevelAction(*window, 50)->text(), level50);
        QVERIFY(testing::Action(*window, QStringLiteral("actionDecimationSet"))->isEnabled());
        QVERIFY(window->findChild<QProgressBar *>()->isHidden());
        QCOMPARE(testing::RecentFiles(), QStringList{Path(QStringLiteral("before.stl"))});
        VerifyTheNextGoodFileLoads();
    }

    // Settings written by something else: each unusable value is as if it were not there.
    void damagedSettingsGiveTheDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("random bytes after a section") << QByteArray("[General]\n") + RandomBytes(8000, 6);
        QTest::newRow("values of another type or out of range")
            << QByteArray("[General]\nmodelRed=red\nmodelGreen=1e308\nmodelBlue=@Invalid()\nbackgroundTopRed=nan\n"
                          "backgroundTopGreen=0,9\nbackgroundTopBlue=-inf\nbackgroundBottomBlue=@ByteArray(\\0)\n"
                          "RecentFileList=@Variant(\\0\\0\\0\\x7f\\xff\\xff)\nLanguage=@Point(1 2)\n");
    }

    void damagedSettingsGiveTheDefaults()
    {
        QFETCH(QByteArray, content);
        const QString conf = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Orvane/Lumeno3D.conf");
        QDir().mkpath(QFileInfo(conf).path());
        QVERIFY(testing::WriteBytes(conf, content));

        OpenWindow();
        QVERIFY(testing::RecentMenuEntries(*window).isEmpty());
        DialogPreferences *preferences = testing::OpenPreferences(*window);
        QCOMPARE(testing::Colours(preferences), testing::DefaultColours);
        preferences->close();

        VerifyTheNextGoodFileLoads();
        QCOMPARE(testing::RecentMenuEntries(*window), QStringList{Path(QStringLiteral("good.stl"))});
    }
};

LUMENO_TEST_MAIN(TestFaults)
#include "test_faults.moc"
