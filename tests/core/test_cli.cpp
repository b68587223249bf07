// lumeno3d-cli as scripts use it: its commands give the window's results, every failure exits
// with its status and one line naming the file, and the input is never modified.
#include "FileSizeLimit.h"
#include "TestSupport.h"

#include "io/ModelReader.h"
#include "mesh/DecimationLevels.h"
#include "mesh/MeshOperations.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <vtkDecimatePro.h>

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

vtkIdType Triangles(const QString &path)
{
    const auto model = Read(path);
    return model ? model->GetNumberOfPolys() : -1;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    QString sphereStl;
    vtkSmartPointer<vtkPolyData> sphere;

private slots:
    void initTestCase()
    {
        sphereStl = Folder(QStringLiteral("models")) + QStringLiteral("/sphere.stl");
        QVERIFY(testing::WriteModel(testing::Sphere(60, 40), sphereStl));
        sphere = Read(sphereStl);
        QVERIFY(sphere);
    }

    void infoDescribesTheModel()
    {
        const CliRun run = RunCli({QStringLiteral("info"), sphereStl, QStringLiteral("--json")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.json()[QLatin1String("triangles")].toDouble(), double(sphere->GetNumberOfPolys()));
        QCOMPARE(run.json()[QLatin1String("fileSize")].toDouble(), double(QFileInfo(sphereStl).size()));
    }

    // The window's cascade: one filter, each level from the one before; the input stays as it was.
    void levelsAreTheWindowsLevelsAndTheInputIsUntouched()
    {
        const QString input = Folder(QStringLiteral("levels")) + QStringLiteral("/Part.v2.STL");
        QFile::remove(input);
        QVERIFY(QFile::copy(sphereStl, input));
        QFile file(input);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
        file.setFileTime(old, QFileDevice::FileModificationTime);
        file.close();

        const QString out = Folder(QStringLiteral("levels/out"));
        QCOMPARE(RunCli({QStringLiteral("levels"), input, out, QStringLiteral("--format"), QStringLiteral("OBJ"),
                         QStringLiteral("-q")}).status, 0);
        auto decimator = vtkSmartPointer<vtkDecimatePro>::New();
        vtkSmartPointer<vtkPolyData> expected = sphere;
        for (const lumeno::DecimationLevel &level : lumeno::DecimationCascade) {
            expected = lumeno::Decimate(decimator, expected, level.reduction);
            QVERIFY(expected);
            const QString file = out + QStringLiteral("/Part.v2_%1.obj").arg(level.percent);
            QCOMPARE(Triangles(file), expected->GetNumberOfPolys());
        }
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), lumeno::LevelCount);
        QCOMPARE(QFileInfo(input).fileTime(QFileDevice::FileModificationTime), old);
        QCOMPARE(testing::Contents(input), testing::Contents(sphereStl));
    }

    void reduceKeepsAShareOrAnErrorThenSmoothsAndTransforms()
    {
        const QString out = Folder(QStringLiteral("reduce"));
        auto decimator = vtkSmartPointer<vtkDecimatePro>::New();
        QCOMPARE(RunCli({QStringLiteral("reduce"), sphereStl, QStringLiteral("-o"), out + QStringLiteral("/kept.PLY"),
                         QStringLiteral("--keep"), QStringLiteral("25")}).status, 0);
        QCOMPARE(Triangles(out + QStringLiteral("/kept.PLY")), lumeno::Decimate(decimator, sphere, 0.75)->GetNumberOfPolys());
        QCOMPARE(RunCli({QStringLiteral("reduce"), sphereStl, QStringLiteral("--max-error"), QStringLiteral("0.001"),
                         QStringLiteral("-o"), out + QStringLiteral("/bounded.obj")}).status, 0);
        QCOMPARE(Triangles(out + QStringLiteral("/bounded.obj")),
                 lumeno::DecimateByError(decimator, sphere, 0.001)->GetNumberOfPolys());

        // Smoothed after the reduction, then stretched along X and turned about Z: long along Y.
        const QString turned = out + QStringLiteral("/turned.stl");
        QCOMPARE(RunCli({QStringLiteral("reduce"), sphereStl, QStringLiteral("-o"), turned, QStringLiteral("--keep"),
                         QStringLiteral("50"), QStringLiteral("--smooth"), QStringLiteral("--scale"), QStringLiteral("2"),
                         QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("--rotate"), QStringLiteral("0"),
                         QStringLiteral("0"), QStringLiteral("90")}).status, 0);
        double expected[6], bounds[6];
        lumeno::Smooth(lumeno::Decimate(decimator, sphere, 0.5), lumeno::SmoothingIterations)->GetBounds(expected);
        Read(turned)->GetBounds(bounds);
        QVERIFY(qAbs(bounds[3] - bounds[2] - 2 * (expected[1] - expected[0])) < 1e-4);
        QVERIFY(qAbs(bounds[1] - bounds[0] - (expected[3] - expected[2])) < 1e-4);
    }

    void failuresExitWithTheirStatusAndOneLineNamingTheFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString folder = Folder(QStringLiteral("failures"));
        const QString good = folder + QStringLiteral("/good.stl");
        QVERIFY(testing::WriteModel(testing::Sphere(8, 8), good));
        const QString truncated = folder + QStringLiteral("/truncated.stl");
        QVERIFY(testing::WriteBytes(truncated, testing::Contents(good).chopped(20)));
        const QString protectedFile = folder + QStringLiteral("/protected.obj");
        QVERIFY(testing::WriteBytes(protectedFile, "keep me"));
        QVERIFY(QFile::setPermissions(protectedFile, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const QString link = folder + QStringLiteral("/link.stl");
        QFile::link(good, link);
        const QString missing = folder + QStringLiteral("/missing.stl");
        const QString corrupt = QStringLiteral(": This file seems to be corrupt and cannot be loaded.");
        const QString cannotSave = QStringLiteral("The model could not be saved to ");
        const QString tetrahedron = testing::DataFile(QStringLiteral("tetra.obj"));

        QTest::newRow("no command") << QStringList{} << 1 << "no command";
        QTest::newRow("keep too high") << QStringList{"reduce", good, "-o", "x.stl", "--keep", "101"} << 1
                                       << "more than 0 and at most 100";
        QTest::newRow("missing input") << QStringList{"info", missing} << 2
                                       << QStringLiteral("The file %1 doesn't exist.").arg(missing);
        QTest::newRow("truncated stl") << QStringList{"info", truncated} << 2 << truncated + corrupt;
        QTest::newRow("over the input by a link") << QStringList{"reduce", good, "-o", link, "--keep", "50"} << 3
                                                  << link + QStringLiteral(" is the input model");
        QTest::newRow("write-protected output") << QStringList{"reduce", good, "-o", protectedFile, "--keep", "50"} << 3
                                                << cannotSave + protectedFile + QStringLiteral(". The file is write-protected.");
        QTest::newRow("no triangle left")
            << QStringList{"reduce", tetrahedron, "-o", folder + "/x.ply", "--max-error", "10", "--smooth"} << 3
            << folder + QStringLiteral("/x.ply was not written: the reduction of ") + tetrahedron;
        QTest::newRow("levels under a file") << QStringList{"levels", good, good + "/levels"} << 3
                                             << good + QStringLiteral("/levels: the folder cannot be created.");
    }

    void failuresExitWithTheirStatusAndOneLineNamingTheFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QStringList before = QDir(Folder(QStringLiteral("failures"))).entryList(QDir::AllEntries | QDir::Hidden);
        const CliRun run = RunCli(QStringList{QStringLiteral("--json"), QStringLiteral("--quiet")} + arguments);
        QCOMPARE(run.status, status);
        QVERIFY(run.out.isEmpty());
        const QString error = QString::fromLocal8Bit(run.err);
        QVERIFY2(error.startsWith(QLatin1String("lumeno3d-cli: ")) && error.contains(message), qPrintable(error));
        QVERIFY(error.indexOf(QLatin1Char('\n')) == error.size() - 1);
        // Nothing was left behind: no output, no temporary file.
        QCOMPARE(QDir(Folder(QStringLiteral("failures"))).entryList(QDir::AllEntries | QDir::Hidden), before);
    }

    // VTK's own reports (the OBJ writer's pipeline dump) go to the log, not to the terminal.
    void aFullDiskIsOneLineAndKeepsTheFile_data()
    {
        QTest::addColumn<QString>("suffix");
        for (const char *suffix : {"stl", "ply", "obj"})
            QTest::newRow(suffix) << QString::fromLatin1(suffix);
    }

    void aFullDiskIsOneLineAndKeepsTheFile()
    {
        QFETCH(QString, suffix);
        const QString output = Folder(QStringLiteral("full-disk")) + QStringLiteral("/kept.") + suffix;
        QVERIFY(testing::WriteBytes(output, "the previous model"));
        CliRun run;
        {
            FileSizeLimit limit(16384); // the tool's child process inherits it
            QVERIFY(limit.IsActive());
            run = RunCli({QStringLiteral("reduce"), sphereStl, QStringLiteral("-o"), output, QStringLiteral("--keep"),
                          QStringLiteral("90"), QStringLiteral("--quiet")});
        }
        QCOMPARE(run.status, 3);
        QCOMPARE(QString::fromLocal8Bit(run.err),
                 QStringLiteral("lumeno3d-cli: The model could not be saved to %1. Writing the file failed.\n").arg(output));
        QCOMPARE(testing::Contents(output), QByteArray("the previous model"));
        QVERIFY(QDir(QFileInfo(output).path()).entryList({QStringLiteral(".lumeno-*")}, QDir::Files | QDir::Hidden).isEmpty());
        const QString log = testing::SandboxPath() + QStringLiteral("/cache/Orvane/lumeno3d-cli/vtk-messages.log");
        QVERIFY(suffix != QLatin1String("obj") || testing::Contents(log).contains("returned failure for request"));
    }
};

LUMENO_CORE_TEST_MAIN(TestCli)
#include "test_cli.moc"
