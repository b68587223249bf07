// Opening a model in the window: the three formats, names the readers cannot take, the
// size label of the 100 % button, and damaged or missing files.
#include "DialogAnswers.h"
#include "LoadingSupport.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QTextCodec>

#include <vtkActorCollection.h>
#include <vtkRenderer.h>

#include <memory>

namespace {

struct SeenMessage
{
    QString title;
    QString text;
    int count = 0;
};

// Answers the next modal message box and records what it said.
std::shared_ptr<SeenMessage> AnswerNextMessage()
{
    auto seen = std::make_shared<SeenMessage>();
    testing::AnswerNextModal([seen](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            modal->close();
            return;
        }
        seen->title = box->windowTitle();
        seen->text = box->text();
        ++seen->count;
        if (box->buttons().isEmpty())
            box->close();
        else
            box->buttons().first()->click();
    });
    return seen;
}

void Load(MainWindow &window, const QString &path)
{
    window.LoadModel(path, QFileInfo(path).suffix());
}

QStringList RecentFiles()
{
    return QSettings().value(QStringLiteral("RecentFileList")).toStringList();
}

// Nothing of a model is left: no actors, no models, no worker, all fifteen actions off.
void VerifyEmptyScene(MainWindow &window)
{
    QVERIFY(!window.LoadedModel());
    QVERIFY(!window.ShownModel());
    QVERIFY(!window.IsCascadeRunning());
    QCOMPARE(window.RendererOriginal()->GetActors()->GetNumberOfItems(), 0);
    QCOMPARE(window.RendererDecimated()->GetActors()->GetNumberOfItems(), 0);
    for (QAction *action : window.findChildren<QAction *>())
        if (action->objectName().startsWith(QLatin1String("actionDecimation")))
            QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
}

// The model is in both views and its levels are on their way.
void VerifyLoaded(MainWindow &window, int points, int polygons)
{
    QVERIFY(window.LoadedModel());
    QCOMPARE(int(window.LoadedModel()->GetNumberOfPoints()), points);
    QCOMPARE(int(window.LoadedModel()->GetNumberOfPolys()), polygons);
    QVERIFY(window.RendererOriginal()->GetActors()->IsItemPresent(window.ActorOriginal()));
    QVERIFY(window.RendererDecimated()->GetActors()->IsItemPresent(window.ActorDecimated()));
    QVERIFY(testing::Action(window, QStringLiteral("actionDecimation100"))->isEnabled());
}

// An ASCII STL cube padded with blank lines to exactly the given size.
QString PaddedCube(const QString &name, int size)
{
    QFile cube(testing::DataFile("cube_ascii.stl"));
    if (!cube.open(QIODevice::ReadOnly))
        return QString();
    QByteArray bytes = cube.readAll();
    const QByteArray blankLine = QByteArray(99, ' ') + '\n';
    while (bytes.size() + blankLine.size() <= size)
        bytes.append(blankLine);
    bytes.append(QByteArray(size - bytes.size(), '\n'));
    const QString path = testing::ScratchFile(name);
    return testing::WriteBytes(path, bytes) ? path : QString();
}

} // namespace

class TestLoading : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().clear(); }

    void eachFormatLoadsIntoBothViews_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("polygons");
        QVERIFY(testing::AddEveryFormatRows(24, 16));
        const QString upperCase = testing::ScratchFile(QStringLiteral("MODEL.STL"));
        QFile::remove(upperCase);
        QVERIFY(QFile::copy(testing::DataFile("cube_ascii.stl"), upperCase));
        QTest::newRow("MODEL.STL") << upperCase << 8 << 12;
    }

    void eachFormatLoadsIntoBothViews()
    {
        QFETCH(QString, path);
        QFETCH(int, points);
        QFETCH(int, polygons);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        Load(window, path);
        VerifyLoaded(window, points, polygons);
        QCOMPARE(testing::Action(window, QStringLiteral("actionDecimation100"))->text(), QStringLiteral("0MB"));
        QCOMPARE(RecentFiles().value(0), path);

        QVERIFY(testing::WaitForCascade(window));
        QCOMPARE(window.ShownModel(), window.LoadedModel());
        QVERIFY(!window.IsCascadeRunning());
    }

    void aNameWithMoreDotsOpensByItsLastSuffix_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("polygons");
        QTest::newRow("part.rev2.stl") << QStringLiteral("part.rev2.stl") << testing::DataFile("cube_ascii.stl") << 12;
        QTest::newRow("scan.2024.12.ply") << QStringLiteral("scan.2024.12.ply") << testing::DataFile("tetra_ascii.ply")
                                          << 4;
    }

    void aNameWithMoreDotsOpensByItsLastSuffix()
    {
        QFETCH(QString, name);
        QFETCH(QString, source);
        QFETCH(int, polygons);
        const QString path = testing::ScratchFile(name);
        QFile::remove(path);
        QVERIFY(QFile::copy(source, path));
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        testing::ModalAnswers answers({testing::ChooseFile(path)});
        testing::Action(window, QStringLiteral("actionOpen"))->trigger();
        QVERIFY(answers.AllGiven());
        QVERIFY2(answers.Closed().isEmpty(), qPrintable(answers.Closed().join(QLatin1Char('\n'))));
        QVERIFY(window.LoadedModel());
        QCOMPARE(window.LoadedModel()->GetNumberOfPolys(), vtkIdType(polygons));
        QCOMPARE(RecentFiles().value(0), path);
        QVERIFY(testing::WaitForCascade(window));
    }

    void missingFileIsReported()
    {
        const QString path = testing::ScratchFile(QStringLiteral("nowhere.stl"));
        MainWindow window;
        auto seen = AnswerNextMessage();
        Load(window, path);
        QCOMPARE(seen->count, 1);
        QCOMPARE(seen->text, QStringLiteral("The file ") + path + QStringLiteral(" doesn't exist."));
        VerifyEmptyScene(window);
        QVERIFY(RecentFiles().isEmpty());
    }

    // Also run with LANG=C, where the 8-bit name cannot hold these letters.
    void nonAsciiPathLoadsWithoutLeavingACopy()
    {
        const QString folder = testing::ScratchFile(QStringLiteral("Modèles 模型"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/Würfel_立方体.stl");
        QFile::remove(path);
        QVERIFY(QFile::copy(testing::DataFile("cube_ascii.stl"), path));
        const QStringList temporaryBefore = QDir(QDir::tempPath()).entryList(QDir::Files);

        MainWindow window;
        Load(window, path);
        VerifyLoaded(window, 8, 12);
        QCOMPARE(RecentFiles().value(0), path);
        QVERIFY(testing::WaitForCascade(window));
        QCOMPARE(QDir(QDir::tempPath()).entryList(QDir::Files), temporaryBefore);
    }

    // With an 8-bit locale the UTF-8 form of "ü" names no file, so only the copy can be read.
    void nameTheReaderCannotTakeIsReadFromACopy()
    {
        QTextCodec *localeCodec = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        const QString path = testing::ScratchFile(QStringLiteral("Würfel.stl"));
        QFile::remove(path);
        QVERIFY(QFile::copy(testing::DataFile("cube_ascii.stl"), path));
        QVERIFY(!QFile::exists(QFile::decodeName(path.toUtf8())));
        const QStringList temporaryBefore = QDir(QDir::tempPath()).entryList(QDir::Files);

        MainWindow window;
        Load(window, path);
        QFile::remove(path);
        QTextCodec::setCodecForLocale(localeCodec);
        VerifyLoaded(window, 8, 12);
        QCOMPARE(QDir(QDir::tempPath()).entryList(QDir::Files), temporaryBefore);
        QVERIFY(testing::WaitForCascade(window));
    }

    void sizeLabelCountsWholeMillionsOfBytes_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("label");
        QTest::newRow("999,999 bytes") << 999999 << QStringLiteral("0MB");
        QTest::newRow("1,000,000 bytes") << 1000000 << QStringLiteral("1MB");
        QTest::newRow("2,600,000 bytes") << 2600000 << QStringLiteral("2MB");
    }

    void sizeLabelCountsWholeMillionsOfBytes()
    {
        QFETCH(int, size);
        QFETCH(QString, label);
        const QString path = PaddedCube(QStringLiteral("padded.stl"), size);
        QCOMPARE(QFileInfo(path).size(), qint64(size));
        MainWindow window;
        Load(window, path);
        VerifyLoaded(window, 8, 12);
        QCOMPARE(testing::Action(window, QStringLiteral("actionDecimation100"))->text(), label);
        QVERIFY(testing::WaitForCascade(window));
    }

    void damagedFileIsRefusedAndTheNextOneLoads_data()
    {
        QTest::addColumn<QString>("path");
        const auto scratch = [](const char *name, const QByteArray &bytes) {
            const QString path = testing::ScratchFile(QString::fromLatin1(name));
            if (!testing::WriteBytes(path, bytes))
                qFatal("cannot write %s", name);
            return path;
        };
        const std::vector<float> triangle = {0, 0, 0, 1, 0, 0, 0, 1, 0};
        std::vector<float> triangles;
        for (int i = 0; i < 10; ++i)
            triangles.insert(triangles.end(), triangle.begin(), triangle.end());
        const QByteArray stl = testing::BinaryStl(10, triangles);
        QTest::newRow("truncated binary stl") << scratch("truncated.stl", stl.left(stl.size() - 75));
        QTest::newRow("stl claims more triangles") << scratch("claims.stl", testing::BinaryStl(100000000, triangles));
        QByteArray garbage(3000, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = static_cast<char>((i * 7919 + 13) % 251);
        for (const char *name : {"garbage.stl", "garbage.obj", "garbage.ply"})
            QTest::newRow(name) << scratch(name, garbage);
        for (const char *name : {"empty.stl", "empty.obj", "empty.ply", "face_past_points.obj",
                                 "face_index_zero.obj", "bad_header.ply", "face_past_vertices.ply", "nan_ascii.stl",
                                 "short_faces.ply", "repeated_corner.obj"})
            QTest::newRow(name) << testing::DataFile(name);
    }

    void damagedFileIsRefusedAndTheNextOneLoads()
    {
        QFETCH(QString, path);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto seen = AnswerNextMessage();
        Load(window, path);
        QCOMPARE(seen->count, 1);
        QCOMPARE(seen->title, QStringLiteral("Lumeno3D"));
        QCOMPARE(seen->text, QStringLiteral("This file seems to be corrupt and cannot be loaded."));
        VerifyEmptyScene(window);
        // No second message follows.
        QVERIFY(!testing::WaitUntil([] { return QApplication::activeModalWidget() != nullptr; }, 300));
        QCOMPARE(RecentFiles().value(0), path);

        Load(window, testing::DataFile("cube_ascii.stl"));
        VerifyLoaded(window, 8, 12);
        QVERIFY(testing::WaitForCascade(window));
        QCOMPARE(window.ShownModel(), window.LoadedModel());
    }

    void newClearsTheLoadedModel()
    {
        MainWindow window;
        Load(window, testing::DataFile("cube_ascii.stl"));
        QVERIFY(testing::WaitForCascade(window));
        testing::Action(window, QStringLiteral("actionNew"))->trigger();
        VerifyEmptyScene(window);
    }
};

LUMENO_TEST_MAIN(TestLoading)
#include "test_loading.moc"
