// Opening a model in the window: the three formats whatever the case and dots of the name, and
// names the readers cannot take. (Damaged and vanishing files: test_reading and test_faults.)
#include "AppSupport.h"

#include "MainWindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTextCodec>

namespace {

QStringList RecentFiles()
{
    return QSettings().value(QStringLiteral("RecentFileList")).toStringList();
}

// Nothing of a model is left: no models, no worker, every level action off.
void VerifyEmpty(MainWindow &window)
{
    QVERIFY(!window.LoadedModel());
    QVERIFY(!window.ShownModel());
    QVERIFY(!window.IsCascadeRunning());
    for (QAction *action : window.findChildren<QAction *>())
        if (action->objectName().startsWith(QLatin1String("actionDecimation")))
            QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
}

void VerifyLoads(MainWindow &window, const QString &path, int polygons)
{
    window.LoadModel(path, QFileInfo(path).suffix());
    QVERIFY(window.LoadedModel());
    QCOMPARE(int(window.LoadedModel()->GetNumberOfPolys()), polygons);
    QCOMPARE(RecentFiles().value(0), path);
    QVERIFY(testing::WaitForCascade(window));
    QCOMPARE(window.ShownModel(), window.LoadedModel());
}

// A copy of a file of tests/data under another name in the sandbox.
QString Copy(const char *source, const QString &name)
{
    const QString path = testing::ScratchFile(name);
    QFile::remove(path);
    return QFile::copy(testing::DataFile(QString::fromLatin1(source)), path) ? path : QString();
}

} // namespace

class TestLoading : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().clear(); }

    void eachFormatOpensByItsLastSuffix_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("polygons");
        const auto sphere = testing::Sphere(24, 16);
        for (const char *name : {"sphere.stl", "sphere.ply", "sphere.obj"}) {
            const QString path = testing::ScratchFile(QString::fromLatin1(name));
            QVERIFY(testing::WriteModel(sphere, path));
            QTest::newRow(name) << path << int(sphere->GetNumberOfPolys());
        }
        QTest::newRow("MODEL.STL") << Copy("cube_ascii.stl", QStringLiteral("MODEL.STL")) << 12;
        QTest::newRow("part.rev2.stl") << Copy("cube_ascii.stl", QStringLiteral("part.rev2.stl")) << 12;
        QTest::newRow("scan.2024.12.ply") << Copy("tetra_ascii.ply", QStringLiteral("scan.2024.12.ply")) << 4;
    }

    void eachFormatOpensByItsLastSuffix()
    {
        QFETCH(QString, path);
        QFETCH(int, polygons);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(testing::Run(window, "actionOpen", {testing::ChooseFile(path)}), QStringList());
        QCOMPARE(int(window.LoadedModel()->GetNumberOfPolys()), polygons);
        QCOMPARE(RecentFiles().value(0), path);
        QVERIFY(testing::WaitForCascade(window));
        QCOMPARE(window.ShownModel(), window.LoadedModel());
        testing::Action(window, QStringLiteral("actionNew"))->trigger();
        VerifyEmpty(window);
    }

    // Also run with LANG=C, where the 8-bit name cannot hold these letters.
    void nonAsciiPathLoadsWithoutLeavingACopy()
    {
        QVERIFY(QDir().mkpath(testing::ScratchFile(QStringLiteral("Modèles 模型"))));
        const QString path = Copy("cube_ascii.stl", QStringLiteral("Modèles 模型/Würfel_立方体.stl"));
        const QStringList temporaryBefore = QDir(QDir::tempPath()).entryList(QDir::Files);
        MainWindow window;
        VerifyLoads(window, path, 12);
        QCOMPARE(QDir(QDir::tempPath()).entryList(QDir::Files), temporaryBefore);
    }

    // With an 8-bit locale the UTF-8 form of "ü" names no file, so only the copy can be read.
    void nameTheReaderCannotTakeIsReadFromACopy()
    {
        QTextCodec *localeCodec = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        const QString path = Copy("cube_ascii.stl", QStringLiteral("Würfel.stl"));
        QVERIFY(!QFile::exists(QFile::decodeName(path.toUtf8())));
        const QStringList temporaryBefore = QDir(QDir::tempPath()).entryList(QDir::Files);
        MainWindow window;
        window.LoadModel(path, QStringLiteral("stl"));
        QTextCodec::setCodecForLocale(localeCodec);
        QVERIFY(window.LoadedModel());
        QCOMPARE(QDir(QDir::tempPath()).entryList(QDir::Files), temporaryBefore);
        QVERIFY(testing::WaitForCascade(window));
    }
};

LUMENO_TEST_MAIN(TestLoading)
#include "test_loading.moc"
