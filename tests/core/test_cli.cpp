// lumeno3d-cli as scripts use it: its three commands on small models, the levels against the
// window's cascade, every failure with its exit status and message, and an untouched input.
#include "FileSizeLimit.h"
#include "TestSupport.h"

#include "io/ModelReader.h"
#include "mesh/DecimationLevels.h"
#include "mesh/MeshOperations.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <vtkDecimatePro.h>
#include <vtkPolyData.h>

namespace {

struct CliRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

CliRun RunCli(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(LUMENO_CLI), arguments);
    CliRun run;
    if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString Folder(const QString &name)
{
    const QString path = testing::SandboxPath() + QStringLiteral("/cli/") + name;
    QDir().mkpath(path);
    return path;
}

vtkSmartPointer<vtkPolyData> Read(const QString &path)
{
    return lumeno::ReadModel(path, QFileInfo(path).suffix()).model;
}

bool WriteText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

struct FileState
{
    QByteArray bytes;
    QDateTime modified;
    bool operator==(const FileState &other) const { return bytes == other.bytes && modified == other.modified; }
};

FileState StateOf(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return {file.readAll(), QFileInfo(path).fileTime(QFileDevice::FileModificationTime)};
}

// A file last changed long ago, so that any rewrite shows in its time.
QString OldModel(const QString &path, vtkPolyData *model)
{
    if (!testing::WriteModel(model, path))
        return QString();
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)), QFileDevice::FileModificationTime);
    return path;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void infoDescribesTheModelAndTheLevelButtons();
    void infoReadsEveryFormatWhateverTheCaseOfItsSuffix_data();
    void infoReadsEveryFormatWhateverTheCaseOfItsSuffix();
    void levelsAreTheWindowsLevels();
    void levelsWriteTheChosenFormat();
    void reduceKeepsAShareOrAnErrorAsTheWindowDoes();
    void reduceSmoothsThenTransformsInTheWindowsOrder();
    void failuresExitWithTheirStatusAndOneLineNamingTheFile_data();
    void failuresExitWithTheirStatusAndOneLineNamingTheFile();
    void aFailedWriteIsOneLineAndKeepsTheFile_data();
    void aFailedWriteIsOneLineAndKeepsTheFile();
    void theInputIsNeverModified();
    void progressGoesToStandardErrorUnlessQuiet();
    void helpDocumentsEveryCommandOptionAndStatus();

private:
    QString sphereStl; // 2 MB: big enough for level sizes other than 0MB
    vtkSmartPointer<vtkPolyData> sphere;
};

void TestCli::initTestCase()
{
    QVERIFY(QFileInfo::exists(QStringLiteral(LUMENO_CLI)));
    sphereStl = Folder(QStringLiteral("models")) + QStringLiteral("/sphere.stl");
    QVERIFY(testing::WriteModel(testing::Sphere(160, 160), sphereStl));
    QCOMPARE(QFileInfo(sphereStl).size() / 1000000, 2);
    sphere = Read(sphereStl);
    QVERIFY(sphere);
}

void TestCli::infoDescribesTheModelAndTheLevelButtons()
{
    const CliRun run = RunCli({QStringLiteral("info"), sphereStl, QStringLiteral("--json")});
    QCOMPARE(run.status, 0);
    const QJsonObject info = run.json();
    QCOMPARE(info[QLatin1String("triangles")].toDouble(), double(sphere->GetNumberOfPolys()));
    QCOMPARE(info[QLatin1String("vertices")].toDouble(), double(sphere->GetNumberOfPoints()));
    QCOMPARE(info[QLatin1String("fileSize")].toDouble(), double(QFileInfo(sphereStl).size()));
    const QJsonArray bounds = info[QLatin1String("bounds")].toArray();
    QCOMPARE(bounds.size(), 6);
    for (int i = 0; i < 6; ++i)
        QVERIFY(qAbs(bounds[i].toDouble() - (i % 2 ? 1.0 : -1.0)) < 1e-3);

    // The window labels its buttons with 2 MB (whole megabytes) times the level's share.
    const QStringList expected = {"2MB",   "1.8MB", "1.6MB", "1.4MB", "1.2MB",
                                  "1MB",   "0.8MB", "0.6MB", "0.4MB", "0.2MB"};
    const QJsonArray levels = info[QLatin1String("levels")].toArray();
    QCOMPARE(levels.size(), expected.size());
    for (int i = 0; i < levels.size(); ++i) {
        QCOMPARE(levels[i][QLatin1String("percent")].toInt(), 100 - 10 * i);
        QCOMPARE(levels[i][QLatin1String("estimatedSize")].toString(), expected[i]);
    }

    const CliRun text = RunCli({QStringLiteral("info"), sphereStl});
    QCOMPARE(text.status, 0);
    QVERIFY(text.out.contains(QByteArray::number(qlonglong(sphere->GetNumberOfPolys()))));
    QVERIFY(text.out.contains(" 90%  1.8MB"));
}

void TestCli::infoReadsEveryFormatWhateverTheCaseOfItsSuffix_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"ball.stl", "ball.PLY", "ball.Obj", "BALL.STL", "part.v2.stl", "scan.2024.12.ply"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestCli::infoReadsEveryFormatWhateverTheCaseOfItsSuffix()
{
    QFETCH(QString, name);
    const QString path = Folder(QStringLiteral("formats")) + QLatin1Char('/') + name;
    vtkSmartPointer<vtkPolyData> ball = testing::Sphere(12, 12);
    // The test helper picks the writer by the lower-case suffix; the file keeps its name.
    const QString lowerPath = path + QStringLiteral(".tmp.") + QFileInfo(name).suffix().toLower();
    QVERIFY(testing::WriteModel(ball, lowerPath));
    QFile::remove(path);
    QVERIFY(QFile::rename(lowerPath, path));

    const CliRun run = RunCli({QStringLiteral("info"), path, QStringLiteral("--json")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.json()[QLatin1String("triangles")].toDouble(), double(ball->GetNumberOfPolys()));
}

void TestCli::levelsAreTheWindowsLevels()
{
    const QString out = Folder(QStringLiteral("levels"));
    const CliRun run = RunCli({QStringLiteral("levels"), sphereStl, out, QStringLiteral("--json")});
    QCOMPARE(run.status, 0);
    const QJsonArray levels = run.json()[QLatin1String("levels")].toArray();
    QCOMPARE(levels.size(), lumeno::LevelCount);

    // The window's cascade: one filter, each level from the one before, the table's reductions.
    auto decimator = vtkSmartPointer<vtkDecimatePro>::New();
    vtkSmartPointer<vtkPolyData> input = sphere;
    for (int step = 0; step < lumeno::LevelCount; ++step) {
        const lumeno::DecimationLevel &level = lumeno::DecimationCascade[step];
        vtkSmartPointer<vtkPolyData> expected = lumeno::Decimate(decimator, input, level.reduction);
        QVERIFY(expected);
        const QJsonObject entry = levels[step].toObject();
        QCOMPARE(entry[QLatin1String("percent")].toInt(), level.percent);
        QCOMPARE(entry[QLatin1String("triangles")].toDouble(), double(expected->GetNumberOfPolys()));
        QCOMPARE(entry[QLatin1String("vertices")].toDouble(), double(expected->GetNumberOfPoints()));

        const QString file = out + QStringLiteral("/sphere_%1.stl").arg(level.percent);
        QCOMPARE(entry[QLatin1String("file")].toString(), file);
        vtkSmartPointer<vtkPolyData> written = Read(file);
        QVERIFY2(written, qPrintable(file));
        QCOMPARE(written->GetNumberOfPolys(), expected->GetNumberOfPolys());
        input = expected;
    }
    QCOMPARE(QDir(out).entryList(QDir::Files).size(), lumeno::LevelCount);
}

void TestCli::levelsWriteTheChosenFormat()
{
    const QString models = Folder(QStringLiteral("formatted"));
    const QString input = models + QStringLiteral("/Part.v2.STL");
    QVERIFY(testing::WriteModel(testing::Sphere(24, 24), models + QStringLiteral("/part.stl")));
    QVERIFY(QFile::rename(models + QStringLiteral("/part.stl"), input));

    // Without --format the levels take the input's format, with a lower-case suffix.
    const QString sameFormat = models + QStringLiteral("/same");
    QCOMPARE(RunCli({QStringLiteral("levels"), input, sameFormat, QStringLiteral("-q")}).status, 0);
    QVERIFY(QFileInfo::exists(sameFormat + QStringLiteral("/Part.v2_90.stl")));
    QVERIFY(QFileInfo::exists(sameFormat + QStringLiteral("/Part.v2_10.stl")));

    for (const QString format : {QStringLiteral("obj"), QStringLiteral("ply")}) {
        const QString folder = models + QLatin1Char('/') + format; // created by the tool
        QCOMPARE(RunCli({QStringLiteral("levels"), input, folder, QStringLiteral("--format"), format.toUpper()}).status,
                 0);
        for (const lumeno::DecimationLevel &level : lumeno::DecimationCascade) {
            const QString file = folder + QStringLiteral("/Part.v2_%1.%2").arg(level.percent).arg(format);
            QFile written(file);
            QVERIFY2(written.open(QIODevice::ReadOnly), qPrintable(file));
            const QByteArray start = written.read(32);
            QVERIFY(format == QLatin1String("obj") ? start.startsWith("# wavefront obj file")
                                                   : start.startsWith("ply\nformat binary"));
            QVERIFY(Read(file));
        }
    }
}

void TestCli::reduceKeepsAShareOrAnErrorAsTheWindowDoes()
{
    const QString out = Folder(QStringLiteral("reduce"));
    auto decimator = vtkSmartPointer<vtkDecimatePro>::New();

    const QString kept = out + QStringLiteral("/kept.PLY");
    CliRun run = RunCli({QStringLiteral("reduce"), sphereStl, QStringLiteral("-o"), kept, QStringLiteral("--keep"),
                         QStringLiteral("25"), QStringLiteral("--json")});
    QCOMPARE(run.status, 0);
    vtkSmartPointer<vtkPolyData> expected = lumeno::Decimate(decimator, sphere, 0.75);
    QFile ply(kept);
    QVERIFY(ply.open(QIODevice::ReadOnly));
    QVERIFY(ply.read(17) == "ply\nformat binary");
    QCOMPARE(Read(kept)->GetNumberOfPolys(), expected->GetNumberOfPolys());
    QCOMPARE(run.json()[QLatin1String("result")].toObject()[QLatin1String("triangles")].toDouble(),
             double(expected->GetNumberOfPolys()));
    QCOMPARE(run.json()[QLatin1String("outputFileSize")].toDouble(), double(QFileInfo(kept).size()));

    const QString bounded = out + QStringLiteral("/bounded.0.001.obj");
    run = RunCli({QStringLiteral("reduce"), sphereStl, QStringLiteral("--max-error"), QStringLiteral("0.001"),
                  QStringLiteral("-o"), bounded});
    QCOMPARE(run.status, 0);
    expected = lumeno::DecimateByError(decimator, sphere, 0.001);
    QCOMPARE(Read(bounded)->GetNumberOfPolys(), expected->GetNumberOfPolys());
    QVERIFY(expected->GetNumberOfPolys() < sphere->GetNumberOfPolys());
}

void TestCli::reduceSmoothsThenTransformsInTheWindowsOrder()
{
    const QString out = Folder(QStringLiteral("transform"));
    const QString turned = out + QStringLiteral("/turned.stl");
    // Stretched along X first, then turned 90 degrees about Z: the long side lies along Y.
    CliRun run = RunCli({QStringLiteral("reduce"), sphereStl, QStringLiteral("-o"), turned, QStringLiteral("--keep"),
                         QStringLiteral("50"), QStringLiteral("--scale"), QStringLiteral("2"), QStringLiteral("1"),
                         QStringLiteral("1"), QStringLiteral("--rotate"), QStringLiteral("0"), QStringLiteral("0"),
                         QStringLiteral("90")});
    QCOMPARE(run.status, 0);
    double bounds[6];
    Read(turned)->GetBounds(bounds);
    QVERIFY(qAbs(bounds[2] + 2.0) < 0.02 && qAbs(bounds[3] - 2.0) < 0.02);
    QVERIFY(qAbs(bounds[0] + 1.0) < 0.02 && qAbs(bounds[1] - 1.0) < 0.02);

    // Smoothing works on the reduced model, before the transform: the window's 50 iterations.
    const QString smoothed = out + QStringLiteral("/smoothed.stl");
    run = RunCli({QStringLiteral("reduce"), sphereStl, QStringLiteral("-o"), smoothed, QStringLiteral("--keep"),
                  QStringLiteral("50"), QStringLiteral("--smooth"), QStringLiteral("--scale"), QStringLiteral("3"),
                  QStringLiteral("3"), QStringLiteral("3")});
    QCOMPARE(run.status, 0);
    auto decimator = vtkSmartPointer<vtkDecimatePro>::New();
    vtkSmartPointer<vtkPolyData> expected =
        lumeno::Smooth(lumeno::Decimate(decimator, sphere, 0.5), lumeno::SmoothingIterations);
    double expectedBounds[6];
    expected->GetBounds(expectedBounds);
    Read(smoothed)->GetBounds(bounds);
    for (int i = 0; i < 6; ++i)
        QVERIFY2(qAbs(bounds[i] - 3.0 * expectedBounds[i]) < 1e-4, qPrintable(QString::number(i)));
}

void TestCli::failuresExitWithTheirStatusAndOneLineNamingTheFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    const QString folder = Folder(QStringLiteral("failures"));
    const QString good = folder + QStringLiteral("/good.stl");
    QVERIFY(testing::WriteModel(testing::Sphere(8, 8), good));
    const QString truncated = folder + QStringLiteral("/truncated.stl");
    {
        QFile source(good), target(truncated);
        QVERIFY(source.open(QIODevice::ReadOnly) && target.open(QIODevice::WriteOnly));
        target.write(source.read(source.size() - 20));
    }
    const QString garbage = folder + QStringLiteral("/garbage.ply");
    const QString empty = folder + QStringLiteral("/empty.obj");
    {
        QFile g(garbage), e(empty);
        QVERIFY(g.open(QIODevice::WriteOnly) && e.open(QIODevice::WriteOnly));
        g.write("this is not a model\n");
    }
    const QString backup = folder + QStringLiteral("/part.stl.bak");
    QFile::copy(good, backup);
    const QString protectedFile = folder + QStringLiteral("/protected.obj");
    QVERIFY(WriteText(protectedFile, "keep me"));
    QVERIFY(QFile::setPermissions(protectedFile, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QString link = folder + QStringLiteral("/link.stl");
    QFile::link(good, link);
    const QString missing = folder + QStringLiteral("/missing.stl");
    const QString underFile = good + QStringLiteral("/out.stl");
    const QString noFolder = folder + QStringLiteral("/no/such/folder/out.stl");
    const QString corrupt = QStringLiteral(": This file seems to be corrupt and cannot be loaded.");
    const QString cannotSave = QStringLiteral("The model could not be saved to ");

    QTest::newRow("no command") << QStringList{} << 1 << "no command";
    QTest::newRow("unknown command") << QStringList{"shrink", good} << 1 << "unknown command shrink";
    QTest::newRow("unknown option") << QStringList{"info", good, "--fast"} << 1 << "unknown option --fast";
    QTest::newRow("missing model") << QStringList{"levels"} << 1 << "levels needs a model file";
    QTest::newRow("extra argument") << QStringList{"info", good, good} << 1 << "unexpected argument";
    QTest::newRow("value missing") << QStringList{"reduce", good, "--keep", "50", "-o"} << 1 << "-o needs a value";
    QTest::newRow("no amount") << QStringList{"reduce", good, "-o", "x.stl"} << 1 << "--keep PERCENT or --max-error";
    QTest::newRow("two amounts") << QStringList{"reduce", good, "-o", "x.stl", "--keep", "5", "--max-error", "0.1"}
                                 << 1 << "not both";
    QTest::newRow("keep too high") << QStringList{"reduce", good, "-o", "x.stl", "--keep", "101"} << 1
                                   << "more than 0 and at most 100";
    QTest::newRow("keep nothing") << QStringList{"reduce", good, "-o", "x.stl", "--keep", "0"} << 1
                                  << "more than 0 and at most 100";
    QTest::newRow("scale by zero") << QStringList{"reduce", good, "-o", "x.stl", "--keep", "5", "--scale", "1", "0", "1"}
                                   << 1 << "--scale factors must not be 0";
    QTest::newRow("error too small") << QStringList{"reduce", good, "-o", "x.stl", "--max-error", "0"} << 1
                                     << "between 0.000001 and 10";
    QTest::newRow("not a number") << QStringList{"reduce", good, "-o", "x.stl", "--keep", "half"} << 1
                                  << "--keep needs a number, not \"half\"";
    QTest::newRow("two of three") << QStringList{"reduce", good, "-o", "x.stl", "--keep", "5", "--scale", "1", "2"}
                                  << 1 << "--scale needs three numbers";
    QTest::newRow("format elsewhere") << QStringList{"info", good, "--format", "stl"} << 1 << "--format belongs";
    QTest::newRow("unknown format") << QStringList{"levels", good, folder, "--format", "vrml"} << 1
                                    << "--format must be stl, ply or obj";

    QTest::newRow("missing input") << QStringList{"info", missing} << 2
                                   << QStringLiteral("The file %1 doesn't exist.").arg(missing);
    QTest::newRow("unknown suffix") << QStringList{"levels", backup, folder} << 2
                                    << QStringLiteral("Error opening ") + backup;
    QTest::newRow("truncated stl") << QStringList{"info", truncated} << 2 << truncated + corrupt;
    QTest::newRow("garbage ply") << QStringList{"reduce", garbage, "-o", folder + "/x.stl", "--keep", "5"} << 2
                                 << garbage + corrupt;
    QTest::newRow("empty obj") << QStringList{"levels", empty, folder} << 2 << empty + corrupt;

    QTest::newRow("over the input") << QStringList{"reduce", good, "-o", good, "--keep", "50"} << 3
                                    << good + QStringLiteral(" is the input model");
    QTest::newRow("over the input by a link") << QStringList{"reduce", good, "-o", link, "--keep", "50"} << 3
                                              << link + QStringLiteral(" is the input model");
    QTest::newRow("unknown output suffix")
        << QStringList{"reduce", good, "-o", folder + "/x.vrml", "--keep", "50"} << 3
        << folder + QStringLiteral("/x.vrml was not saved: a model can be saved as an STL, PLY or OBJ file only.");
    QTest::newRow("write-protected output")
        << QStringList{"reduce", good, "-o", protectedFile, "--keep", "50"} << 3
        << cannotSave + protectedFile + QStringLiteral(". The file is write-protected.");
    const QString tetrahedron = QStringLiteral(LUMENO_TEST_DATA "/tetra.obj");
    QTest::newRow("no triangle left")
        << QStringList{"reduce", tetrahedron, "-o", folder + "/x.ply", "--max-error", "10", "--smooth"} << 3
        << folder + QStringLiteral("/x.ply was not written: the reduction of ") + tetrahedron +
               QStringLiteral(" leaves no triangle");
    QTest::newRow("scale beyond what a coordinate holds")
        << QStringList{"reduce", good, "-o", folder + "/x.obj", "--keep", "50", "--scale", "1e39", "1", "1"} << 3
        << folder + QStringLiteral("/x.obj was not written: scaled by 1e+39 1 1");
    QTest::newRow("output folder missing") << QStringList{"reduce", good, "-o", noFolder, "--keep", "50"} << 3
                                           << cannotSave + noFolder;
    QTest::newRow("output under a file") << QStringList{"reduce", good, "-o", underFile, "--keep", "50"} << 3
                                         << cannotSave + underFile;
    QTest::newRow("levels under a file") << QStringList{"levels", good, good + "/levels"} << 3
                                         << good + QStringLiteral("/levels: the folder cannot be created.");
}

void TestCli::failuresExitWithTheirStatusAndOneLineNamingTheFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QStringList before = QDir(Folder(QStringLiteral("failures"))).entryList(QDir::AllEntries | QDir::Hidden);

    const CliRun run = RunCli(QStringList{QStringLiteral("--json"), QStringLiteral("--quiet")} + arguments);
    QCOMPARE(run.status, status);
    QVERIFY(run.out.isEmpty());
    const QString error = QString::fromLocal8Bit(run.err);
    QVERIFY2(error.startsWith(QLatin1String("lumeno3d-cli: ")), qPrintable(error));
    QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(error.count(QLatin1Char('\n')), 1);
    QVERIFY(error.endsWith(QLatin1Char('\n')));
    // Nothing was left behind: no output, no temporary file.
    QCOMPARE(QDir(Folder(QStringLiteral("failures"))).entryList(QDir::AllEntries | QDir::Hidden), before);
}

void TestCli::aFailedWriteIsOneLineAndKeepsTheFile_data()
{
    QTest::addColumn<QString>("suffix");
    for (const char *suffix : {"stl", "ply", "obj"})
        QTest::newRow(suffix) << QString::fromLatin1(suffix);
}

// VTK's own reports (the OBJ writer's pipeline dump) go to the log, not to the terminal.
void TestCli::aFailedWriteIsOneLineAndKeepsTheFile()
{
    QFETCH(QString, suffix);
    const QString output = Folder(QStringLiteral("full-disk")) + QStringLiteral("/kept.") + suffix;
    QVERIFY(WriteText(output, "the previous model"));
    CliRun run;
    {
        FileSizeLimit limit(65536); // the tool's child process inherits it
        QVERIFY(limit.IsActive());
        run = RunCli({QStringLiteral("reduce"), sphereStl, QStringLiteral("-o"), output, QStringLiteral("--keep"),
                      QStringLiteral("90"), QStringLiteral("--quiet")});
    }
    QCOMPARE(run.status, 3);
    QCOMPARE(QString::fromLocal8Bit(run.err),
             QStringLiteral("lumeno3d-cli: The model could not be saved to %1. Writing the file failed.\n").arg(output));
    QCOMPARE(StateOf(output).bytes, QByteArray("the previous model"));
    QVERIFY(QDir(QFileInfo(output).path()).entryList({QStringLiteral(".lumeno-*")}, QDir::Files | QDir::Hidden).isEmpty());
}

void TestCli::theInputIsNeverModified()
{
    const QString folder = Folder(QStringLiteral("untouched"));
    const QString input = OldModel(folder + QStringLiteral("/model.obj"), testing::Sphere(20, 20));
    QVERIFY(!input.isEmpty());
    const FileState before = StateOf(input);

    QCOMPARE(RunCli({QStringLiteral("info"), input}).status, 0);
    // The levels go into the input's own folder, in its own format.
    QCOMPARE(RunCli({QStringLiteral("levels"), input, folder}).status, 0);
    QCOMPARE(RunCli({QStringLiteral("reduce"), input, QStringLiteral("-o"), folder + QStringLiteral("/small.obj"),
                     QStringLiteral("--keep"), QStringLiteral("30"), QStringLiteral("--smooth")})
                 .status,
             0);
    for (const QString &sameFile : {input, folder + QStringLiteral("/../untouched/model.obj")})
        QCOMPARE(RunCli({QStringLiteral("reduce"), input, QStringLiteral("-o"), sameFile, QStringLiteral("--keep"),
                         QStringLiteral("30")})
                     .status,
                 3);

    QVERIFY(StateOf(input) == before);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1 + lumeno::LevelCount + 1);
}

void TestCli::progressGoesToStandardErrorUnlessQuiet()
{
    const QString out = Folder(QStringLiteral("progress"));
    // Not a terminal: one line per step, results on standard output.
    CliRun run = RunCli({QStringLiteral("levels"), sphereStl, out, QStringLiteral("--json")});
    QCOMPARE(run.status, 0);
    for (const lumeno::DecimationLevel &level : lumeno::DecimationCascade)
        QVERIFY2(run.err.contains(QByteArray(level.statusText) + '\n'), level.statusText);
    QVERIFY(!run.err.contains('\r'));
    QJsonParseError parseError;
    QVERIFY(QJsonDocument::fromJson(run.out, &parseError).isObject());
    QCOMPARE(parseError.error, QJsonParseError::NoError);

    run = RunCli({QStringLiteral("reduce"), sphereStl, QStringLiteral("-o"), out + QStringLiteral("/q.stl"),
                  QStringLiteral("--keep"), QStringLiteral("10"), QStringLiteral("--smooth"), QStringLiteral("--quiet")});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    QVERIFY(run.out.contains("q.stl"));
}

void TestCli::helpDocumentsEveryCommandOptionAndStatus()
{
    const CliRun run = RunCli({QStringLiteral("--help")});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    for (const char *word : {"info MODEL", "levels MODEL OUT_DIR", "reduce MODEL", "--format", "--output", "--keep",
                             "--max-error", "--smooth", "--scale", "--rotate", "--json", "--quiet", "--help",
                             "<base>_90.<ext>", "  0  ", "  1  ", "  2  ", "  3  "})
        QVERIFY2(run.out.contains(word), word);
    // Help wins over everything else on the line, even a mistake.
    QCOMPARE(RunCli({QStringLiteral("reduce"), QStringLiteral("-h")}).status, 0);
}

LUMENO_TEST_MAIN(TestCli)
#include "test_cli.moc"
