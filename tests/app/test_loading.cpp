// Opening a model in the window: by the last suffix of its name, whatever its case, and names
// the readers cannot take. (What the readers accept: test_reading; damaged and vanishing files: test_faults.)
#include "AppSupport.h"

#include "MainWindow.h"

#include <QDir>
#include <QSettings>
#include <QTextCodec>

namespace {

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
        QTest::newRow("MODEL.STL") << Copy("cube_ascii.stl", QStringLiteral("MODEL.STL")) << 12;
        QTest::newRow("part.rev2.stl") << Copy("cube_ascii.stl", QStringLiteral("part.rev2.stl")) << 12;
        QTest::newRow("scan.2024.12.ply") << Copy("tetra_ascii.ply", QStringLiteral("scan.2024.12.ply")) << 4;
        QTest::newRow("Tetra.Obj") << Copy("tetra.obj", QStringLiteral("Tetra.Obj")) << 4;
    }

    // New leaves nothing of the model: no models, no worker, every level action off.
    void eachFormatOpensByItsLastSuffix()
    {
        QFETCH(QString, path);
        QFETCH(int, polygons);
        MainWindow window;
        QVERIFY(testing::Show(window));
        QCOMPARE(testing::Run(window, "actionOpen", {testing::ChooseFile(path)}), QStringList());
        QCOMPARE(int(window.LoadedModel()->GetNumberOfPolys()), polygons);
        QCOMPARE(testing::RecentFiles().value(0), path);
        QVERIFY(testing::WaitForCascade(window));
        QCOMPARE(window.ShownModel(), window.LoadedModel());
        testing::Action(window, QStringLiteral("actionNew"))->trigger();
        QVERIFY(!window.LoadedModel() && !window.ShownModel() && !window.IsMeshJobRunning());
        for (QAction *action : window.findChildren<QAction *>())
            if (action->objectName().startsWith(QLatin1String("actionDecimation")))
                QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
    }

    // Under LANG=C too, where the 8-bit name cannot hold these letters; and with an 8-bit
    // codec, where the UTF-8 form of "ü" names no file, so only a copy can be read.
    void nonAsciiPathLoadsWithoutLeavingACopy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("codec");
        QVERIFY(QDir().mkpath(testing::ScratchFile(QStringLiteral("Modèles 模型"))));
        QTest::newRow("locale") << QStringLiteral("Modèles 模型/Würfel_立方体.stl") << QByteArray();
        QTest::newRow("ISO-8859-1") << QStringLiteral("Würfel.stl") << QByteArray("ISO-8859-1");
    }

    void nonAsciiPathLoadsWithoutLeavingACopy()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, codec);
        QTextCodec *localeCodec = QTextCodec::codecForLocale();
        if (!codec.isEmpty())
            QTextCodec::setCodecForLocale(QTextCodec::codecForName(codec));
        const QString path = Copy("cube_ascii.stl", name);
        const QStringList temporaryBefore = QDir(QDir::tempPath()).entryList(QDir::Files);
        MainWindow window;
        window.LoadModel(path, QStringLiteral("stl"));
        QTextCodec::setCodecForLocale(localeCodec);
        QVERIFY(window.LoadedModel());
        QCOMPARE(int(window.LoadedModel()->GetNumberOfPolys()), 12);
        QCOMPARE(testing::RecentFiles().value(0), path);
        QVERIFY(testing::WaitForCascade(window));
        QCOMPARE(QDir(QDir::tempPath()).entryList(QDir::Files), temporaryBefore);
    }
};

LUMENO_TEST_MAIN(TestLoading)
#include "test_loading.moc"
