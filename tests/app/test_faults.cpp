// Faults from outside the program: a full disk under a snapshot, files that change between
// choosing and reading them, and damaged settings. Each ends in a message or in defaults, never
// in lost data, a crash or a window that stops working. (A full disk under Save as: test_saving;
// a misbehaving update service and a full disk under its download: test_updater.)
#include "AppSupport.h"
#include "FileSizeLimit.h"

#include "MainWindow.h"
#include "dialogs/DialogPreferences.h"

#include <QDir>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>

#include <memory>

using testing::ChooseFile;
using testing::Press;

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
    QStringList Files() const { return QDir(Path(QString())).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

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

    void snapshotOnAFullDiskKeepsTheExistingImages()
    {
        OpenWindow();
        QVERIFY(testing::LoadIntoWindow(*window, testing::Sphere(20, 16), Path(QStringLiteral("input.stl"))));
        const QStringList recentBefore = testing::RecentFiles();
        const QString first = Path(QStringLiteral("shot.png"));
        const QString second = Path(QStringLiteral("shot_decimated.png"));
        for (const QString &path : {first, second})
            QVERIFY(testing::WriteBytes(path, "yesterday's image"));
        {
            FileSizeLimit limit(512); // far less than any image of a view
            QVERIFY(limit.IsActive());
            *messages << testing::Run(*window, "actionSnapshot", {ChooseFile(first), Press(QMessageBox::Yes, messages)});
        }
        QCOMPARE(messages->size(), 3); // replace? yes; then one failure for each image
        QVERIFY2(messages->at(1).contains(first) && messages->at(1).contains(QStringLiteral("Writing the file failed.")),
                 qPrintable(messages->at(1)));
        QVERIFY2(messages->at(2).contains(second), qPrintable(messages->at(2)));
        for (const QString &path : {first, second})
            QCOMPARE(testing::Contents(path), QByteArray("yesterday's image"));
        QCOMPARE(Files(), (QStringList{QStringLiteral("input.stl"), QStringLiteral("shot.png"),
                                       QStringLiteral("shot_decimated.png")}));
        QCOMPARE(testing::RecentFiles(), recentBefore);
    }

    // The file is chosen in the Open dialog and changes once the dialog has accepted it,
    // before the window reads it. A file that cannot be loaded leaves the model before, its
    // levels and the recent list as they were.
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
        // The preferences show the default colours.
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

        VerifyTheNextGoodFileLoads();
        QCOMPARE(testing::RecentMenuEntries(*window), QStringList{Path(QStringLiteral("good.stl"))});
    }
};

LUMENO_TEST_MAIN(TestFaults)

#include "test_faults.moc"
