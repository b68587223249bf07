// lumeno3d-cli as scripts use it: the window's results, one line and a status per failure, the input untouched.
#include "ProgramRun.h"
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "io/write/ModelWriter.h"
#include "reduce/ClassicReducer.h"
#include "measure/SurfaceDeviation.h"
#include "model/DeviationColours.h"
#include "model/MeshOperations.h"
#include "model/PointAttributes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <vtkCellArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkUnsignedCharArray.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using testing::CliRun;
using testing::RunCli;

QString Folder(const QString &name) { return testing::SandboxFolder(QStringLiteral("cli/") + name); }

// A sphere and `count` closed tetrahedra beside it, which no collapse can reduce.
vtkSmartPointer<vtkPolyData> SphereBesideTetrahedra(int count)
{
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->DeepCopy(testing::Sphere(24, 24));
    vtkPoints *points = model->GetPoints();
    vtkCellArray *triangles = model->GetPolys();
    for (int i = 0; i < count; ++i) {
        const vtkIdType o = points->InsertNextPoint(2.0 + i, 0, 0);
        points->InsertNextPoint(2.5 + i, 0, 0);
        points->InsertNextPoint(2.0 + i, 0.5, 0);
        points->InsertNextPoint(2.0 + i, 0, 0.5);
        triangles->InsertNextCell({o, o + 2, o + 1});
        triangles->InsertNextCell({o, o + 1, o + 3});
        triangles->InsertNextCell({o, o + 3, o + 2});
        triangles->InsertNextCell({o + 1, o + 2, o + 3});
    }
    return model;
}

vtkSmartPointer<vtkPolyData> Read(const QString &path)
{
    return lumeno::ReadModel(path, QFileInfo(path).suffix()).model;
}

std::vector<lumeno::Rgb8> ColoursOf(vtkDataArray *colours)
{
    std::vector<lumeno::Rgb8> list;
    for (vtkIdType i = 0; colours && i < colours->GetNumberOfTuples(); ++i)
        list.push_back({static_cast<unsigned char>(colours->GetComponent(i, 0)),
                        static_cast<unsigned char>(colours->GetComponent(i, 1)),
                        static_cast<unsigned char>(colours->GetComponent(i, 2))});
    return list;
}

std::vector<lumeno::Rgb8> ColoursOf(vtkPolyData *model) { return ColoursOf(model->GetPointData()->GetScalars()); }

// The window's colours for the points of the written model.
std::vector<lumeno::Rgb8> WindowColours(vtkPolyData *input, vtkPolyData *written, double measuredMaximum)
{
    const std::vector<float> distances = lumeno::DeviationMeter(input).PointDistances(written);
    lumeno::SurfaceDeviation deviation;
    deviation.maximum = measuredMaximum;
    return ColoursOf(lumeno::DeviationColourArray(distances, lumeno::LargestDistance(distances, deviation)).Get());
}

// Alike but for a step of the ramp here and there.
bool NearlyAlike(const std::vector<lumeno::Rgb8> &drawn, const std::vector<lumeno::Rgb8> &expected)
{
    if (drawn.size() != expected.size() || drawn.empty())
        return false;
    for (size_t i = 0; i < drawn.size(); ++i)
        for (size_t c = 0; c < 3; ++c)
            if (std::abs(int(drawn[i][c]) - int(expected[i][c])) > 3)
                return false;
    return true;
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

    // levels --lod-glb alone writes the one file, which the report names, and not the nine.
    void levelsGoIntoOneLodFile()
    {
        const QString out = Folder(QStringLiteral("lod"));
        const QString file = out + QStringLiteral("/sphere_levels.glb");
        const CliRun run = RunCli({"levels", sphereStl, "--lod-glb", file, "-q", "--json"});
        QCOMPARE(run.status, 0);
        const QJsonObject report = QJsonDocument::fromJson(run.out).object();
        const QJsonObject lod = report[QLatin1String("lodGlb")].toObject();
        QCOMPARE(lod[QLatin1String("file")].toString(), file);
        QCOMPARE(lod[QLatin1String("fileSize")].toInt(), int(QFileInfo(file).size()));
        QCOMPARE(report[QLatin1String("outputs")].toArray().size(), lumeno::LevelCount);
        QCOMPARE(QDir(out).entryList(QDir::Files), QStringList{QStringLiteral("sphere_levels.glb")});
    }

    // The window's levels, by the classic engine; the input stays as it was.
    void levelsAreTheWindowsLevelsAndTheInputIsUntouched()
    {
        const QString input = Folder(QStringLiteral("levels")) + QStringLiteral("/Part.v2.STL");
        QVERIFY(QFile::copy(sphereStl, input));
        const QString out = Folder(QStringLiteral("levels/out"));
        const CliRun run = RunCli({"levels", input, out, "--format", "OBJ", "--engine", "classic", "-q", "--json"});
        QCOMPARE(run.status, 0);
        const QJsonObject report = QJsonDocument::fromJson(run.out).object();
        QVERIFY(report[QLatin1String("seconds")][QLatin1String("measure")].toDouble() > 0);
        const QJsonArray levels = report[QLatin1String("outputs")].toArray();
        const auto deviation = [&levels](int i) {
            return levels[i][QLatin1String("deviation")][QLatin1String("max")].toDouble();
        };
        QVERIFY(deviation(0) > 0 && deviation(0) < deviation(lumeno::LevelCount - 1));
        lumeno::ClassicReducer reducer;
        const auto expected = testing::MadeLevels(reducer, sphere);
        QCOMPARE(int(expected.size()), lumeno::LevelCount);
        for (int i = 0; i < lumeno::LevelCount; ++i) {
            const auto written =
                Read(out + QStringLiteral("/Part.v2_%1.obj").arg(lumeno::DecimationLevels[size_t(i)].percent));
            QVERIFY(written);
            QCOMPARE(written->GetNumberOfPolys(), expected[size_t(i)]->GetNumberOfPolys());
        }
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), lumeno::LevelCount);
        QCOMPARE(testing::Contents(input), testing::Contents(sphereStl));
    }

    // --deviation-colours: beside the model's own colours, instead of them, or not where the format cannot hold them.
    void deviationColoursAreTheWindows_data()
    {
        QTest::addColumn<QStringList>("option");
        QTest::addColumn<bool>("painted"); // the input has vertex colours
        QTest::addColumn<QString>("kept"); // "beside", "instead" or "none"
        QTest::addColumn<QString>("suffix");
        const QString option = QStringLiteral("--deviation-colours");
        QTest::newRow("ply beside the model's colours") << QStringList{option} << true << "beside" << "ply";
        QTest::newRow("glb beside the model's colours") << QStringList{option, "add"} << true << "beside" << "glb";
        QTest::newRow("glb instead of the model's colours") << QStringList{option + "=replace"} << true << "instead" << "glb";
        QTest::newRow("ply without colours of its own") << QStringList{option} << false << "instead" << "ply";
        QTest::newRow("stl cannot hold them") << QStringList{option, "replace"} << false << "none" << "stl";
    }

    void deviationColoursAreTheWindows()
    {
        QFETCH(QStringList, option);
        QFETCH(bool, painted);
        QFETCH(QString, kept);
        QFETCH(QString, suffix);
        const QString folder = Folder(QStringLiteral("deviation"));
        const QString input = folder + (painted ? QStringLiteral("/painted.ply") : QStringLiteral("/plain.stl"));
        if (!QFile::exists(input))
            QVERIFY(lumeno::WriteModelFile(painted ? testing::WithAttributes(sphere) : sphere, input, QFileInfo(input).suffix()).written);
        const QString output = folder + QStringLiteral("/coloured.") + suffix;
        const QString plainOutput = folder + QStringLiteral("/uncoloured.") + suffix;
        const QStringList reduce{"reduce", input, "--keep", "20", "--engine", "classic", "--json", "-q", "-o"};
        const CliRun run = RunCli(reduce + QStringList{output} + option);
        QCOMPARE(run.status, 0);
        QCOMPARE(RunCli(reduce + QStringList{plainOutput}).status, 0);
        const QJsonObject written = QJsonDocument::fromJson(run.out)[QLatin1String("outputs")][0].toObject();
        QCOMPARE(written[QLatin1String("deviationColours")].toBool(), kept != "none");
        if (kept == "none") {
            QVERIFY2(run.err.contains("files cannot hold the deviation colours"), run.err.constData());
            QCOMPARE(testing::Contents(output), testing::Contents(plainOutput));
            return;
        }
        QVERIFY2(run.err.isEmpty(), run.err.constData());
        const vtkSmartPointer<vtkPolyData> model = Read(output);
        QVERIFY(model);
        const std::vector<lumeno::Rgb8> expected =
            WindowColours(Read(input), model, written[QLatin1String("deviation")][QLatin1String("max")].toDouble());
        const QByteArray file = testing::Contents(output);
        if (kept == "beside") {
            QCOMPARE(ColoursOf(model), ColoursOf(Read(plainOutput)));
            QVERIFY(file.contains(suffix == "ply" ? "property uchar deviation_blue\nelement face" : "\"COLOR_1\""));
        } else {
            QVERIFY(!file.contains("deviation_red") && !file.contains("\"COLOR_1\""));
            QVERIFY(NearlyAlike(ColoursOf(model), expected));
        }
    }

    // Reduced, smoothed, stretched along X and turned about Z: long along Y.
    void reduceKeepsAShareThenSmoothsAndTransforms()
    {
        const QString turned = Folder(QStringLiteral("reduce")) + QStringLiteral("/turned.PLY");
        QCOMPARE(RunCli({"reduce", sphereStl, "-o", turned, "--engine", "classic", "--keep", "25", "--smooth",
                         "--scale", "2", "1", "1", "--rotate", "0", "0", "90"}).status, 0);
        const auto expected =
            lumeno::Smooth(lumeno::ClassicReducer().KeepShare(sphere, 0.25, {}), lumeno::SmoothingIterations);
        const QJsonObject json = QJsonDocument::fromJson(RunCli({"info", turned, "--json"}).out).object();
        QCOMPARE(json[QLatin1String("input")][QLatin1String("triangles")].toDouble(), double(expected->GetNumberOfPolys()));
        const double *e = expected->GetBounds();
        double bounds[6];
        Read(turned)->GetBounds(bounds);
        QVERIFY(qAbs(bounds[3] - bounds[2] - 2 * (e[1] - e[0])) < 1e-4);
        QVERIFY(qAbs(bounds[1] - bounds[0] - (e[3] - e[2])) < 1e-4);
    }

    // info names the parts and materials, each texture with its image and whether it is missing.
    void infoListsPartsAndMaterials()
    {
        const QString folder = Folder(QStringLiteral("look"));
        const QString model = folder + QStringLiteral("/crate.obj");
        QVERIFY(testing::WriteBytes(model, "mtllib crate.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
                                           "o Lid\nusemtl Wood\nf 1 2 3\no Side\nusemtl Paint\nf 1 3 4\n"));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/crate.mtl"),
                                    "newmtl Wood\nmap_Kd wood.png\nnewmtl Paint\nKd 1 0 0\nmap_Kd paint.png\n"));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/wood.png"), "\x89PNG\r\n\x1a\n-"));
        const CliRun json = RunCli({"info", model, "--json", "--quiet"});
        QCOMPARE(json.status, 0);
        const QJsonObject input = QJsonDocument::fromJson(json.out)[QLatin1String("input")].toObject();
        QCOMPARE(input[QLatin1String("parts")].toArray(),
                 (QJsonArray{QJsonObject{{"name", "Lid"}, {"triangles", 1}}, QJsonObject{{"name", "Side"}, {"triangles", 1}}}));
        const QJsonArray materials = input[QLatin1String("materials")].toArray();
        QCOMPARE(materials[1][QLatin1String("textures")].toArray(),
                 (QJsonArray{QJsonObject{{"slot", "baseColour"}, {"image", "paint.png"}, {"missing", true}}}));
        QCOMPARE(materials[0][QLatin1String("textures")][0][QLatin1String("missing")].toBool(), false);
    }

    // info lists what the points carry and sizes the 100 % level as the PLY file; levels warn once.
    void attributesAreListedKeptAndDropped()
    {
        const QString folder = Folder(QStringLiteral("attributes"));
        const QString painted = folder + QStringLiteral("/painted.ply");
        QVERIFY(lumeno::WriteModelFile(testing::WithAttributes(sphere), painted, "ply").written);
        const QStringList all{"colours", "normals", "textureCoordinates"};
        const auto list = [](const QJsonObject &json, const char *key) {
            return json[QLatin1String(key)].toVariant().toStringList();
        };
        const QJsonObject info = QJsonDocument::fromJson(RunCli({"info", painted, "--json"}).out).object();
        QCOMPARE(list(info[QLatin1String("input")].toObject(), "attributes"), all);
        QCOMPARE(info[QLatin1String("levels")][0][QLatin1String("estimatedBytes")].toDouble(),
                 double(QFileInfo(painted).size()));
        QVERIFY(info[QLatin1String("memory")][QLatin1String("trianglesCounted")].toBool());

        const CliRun levels =
            RunCli({"levels", painted, folder, "--format", "obj", "--engine", "classic", "--json", "-q"});
        QCOMPARE(list(QJsonDocument::fromJson(levels.out)[QLatin1String("outputs")][0].toObject(), "droppedAttributes"),
                 QStringList{"colours"});
        QVERIFY2(levels.err.count('\n') == 1 && levels.err.contains("painted_*.obj: vertex colours are not saved"),
                 levels.err.constData());
    }

    // --no-measure leaves the deviation and the time spent measuring out; levels get their deviation colours still.
    void measuringCanBeSkipped()
    {
        const QString folder = Folder(QStringLiteral("measure"));
        for (const QStringList &arguments :
             {QStringList{"levels", sphereStl, folder}, QStringList{"levels", sphereStl, folder, "--format", "glb", "--deviation-colours"},
              QStringList{"reduce", sphereStl, "-o", folder + "/within.stl", "--max-error", "0.01", "--engine", "classic"}}) {
            const CliRun run = RunCli(arguments + QStringList{"--no-measure", "--json", "-q"});
            QCOMPARE(run.status, 0);
            QVERIFY2(run.err.isEmpty(), run.err.constData());
            const QJsonObject report = QJsonDocument::fromJson(run.out).object();
            QVERIFY(arguments.contains(QLatin1String("--deviation-colours")) ||
                    !report[QLatin1String("seconds")].toObject().contains(QLatin1String("measure")));
            for (const QJsonValue result : report[QLatin1String("outputs")].toArray())
                QVERIFY(!result.toObject().contains(QLatin1String("deviation")));
        }
        for (const lumeno::DecimationLevel &level : lumeno::DecimationLevels) {
            const vtkSmartPointer<vtkPolyData> model = Read(folder + QStringLiteral("/sphere_%1.glb").arg(level.percent));
            QVERIFY(model && lumeno::AttributesOf(model).colours);
        }
    }

    // A name in Latin-1 bytes under a UTF-8 locale is opened by its bytes.
    void namesNotInTheLocaleEncodingAreRead()
    {
        const QByteArray folder = QFile::encodeName(Folder(QStringLiteral("encodings")));
        const QByteArray name = folder + "/lat\xe9.stl";
        QVERIFY(testing::WriteBytesByNativeName(name, testing::Contents(sphereStl)));
        const CliRun run = testing::RunProgram(
            QStringLiteral("/bin/sh"), {QStringLiteral("-c"),
                                        QStringLiteral("exec \"$0\" info --json \"$(printf '%1/lat\\351.stl')\"")
                                            .arg(QFile::decodeName(folder)),
                                        QStringLiteral(LUMENO_CLI)});
        VERIFY_SUCCEEDED(run);
        const QJsonDocument json = QJsonDocument::fromJson(run.out);
        QCOMPARE(json[QLatin1String("input")][QLatin1String("triangles")].toDouble(), double(sphere->GetNumberOfPolys()));
    }

    // What cannot be read is left out, and said: a polygon without area, partial texture coordinates.
    void whatIsLeftOutOfTheInputIsReported()
    {
        const QString partial = Folder(QStringLiteral("left-out")) + QStringLiteral("/partial.obj");
        QVERIFY(testing::WriteBytes(partial, "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nvt 0 0\nf 1/1 2/1 3/1\nf 2 4 3\n"));
        const CliRun partialRun = RunCli({"info", "--json", "--quiet", partial});
        QCOMPARE(partialRun.status, 0);
        const QJsonValue partialJson = QJsonDocument::fromJson(partialRun.out)[QLatin1String("input")];
        QCOMPARE(partialJson[QLatin1String("attributesLeftOut")].toVariant().toStringList(), QStringList{"textureCoordinates"});
        QVERIFY(partialRun.err.contains("texture coordinates are left out"));

        const QString file = testing::DataFile(QStringLiteral("obj-polygon-without-area.obj"));
        const CliRun run = RunCli({"info", "--json", "--quiet", file});
        QCOMPARE(run.status, 0);
        const QJsonValue json = QJsonDocument::fromJson(run.out)[QLatin1String("input")];
        QCOMPARE(json[QLatin1String("triangles")].toDouble(), 2.0);
        QCOMPARE(json[QLatin1String("polygonsWithoutAreaLeftOut")].toDouble(), 1.0);
        QVERIFY(run.err.contains("1 polygons without area could not be made into triangles"));
    }

    // A result that misses the count asked is told in one line and in the JSON, with exit status 0.
    void sharesNotReachedAreReported()
    {
        const QString withTetrahedra = Folder(QStringLiteral("share")) + QStringLiteral("/tetrahedra.stl");
        QVERIFY(testing::WriteModel(SphereBesideTetrahedra(20), withTetrahedra));
        const QString out = Folder(QStringLiteral("share/out"));
        const CliRun run = RunCli({"reduce", withTetrahedra, "-o", out + "/tetrahedra.stl", "--triangles", "50", "--json", "-q"});
        QCOMPARE(run.status, 0);
        const QJsonValue written = QJsonDocument::fromJson(run.out)[QLatin1String("outputs")][0];
        const int kept = written[QLatin1String("triangles")].toInt();
        const double askedPercent = 100.0 * 50 / double(SphereBesideTetrahedra(20)->GetNumberOfPolys());
        QVERIFY2(kept >= 84 && written[QLatin1String("keptPercent")].toDouble() < askedPercent + 5,
                 qPrintable(QString::number(kept)));
        QCOMPARE(written[QLatin1String("askedTriangles")].toInt(), 50);
        QCOMPARE(written[QLatin1String("shareReached")].toBool(), false);
        QCOMPARE(QString::fromLocal8Bit(run.err),
                 QStringLiteral("lumeno3d-cli: warning: %1/tetrahedra.stl keeps %2 triangles of %3, not the 50 asked: the "
                                "model cannot be reduced that far.\n").arg(out).arg(kept).arg(withTetrahedra));
    }

    // Several models in one call: one JSON line each, in order, the highest status; missing folders are made.
    void severalModelsGiveOneLineEachAndTheHighestStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QString>("written"); // a file the call makes, or empty
        const QString folder = Folder(QStringLiteral("several"));
        const QString missing = folder + QStringLiteral("/missing.stl");
        QTest::newRow("info") << QStringList{"info"} << QStringList{sphereStl, missing, sphereStl}
                              << QList<int>{0, 2, 0} << QString();
        QTest::newRow("levels into a new folder")
            << QStringList{"levels", "--engine", "classic", "-d", folder + "/new/levels"} << QStringList{missing, sphereStl}
            << QList<int>{2, 0} << folder + "/new/levels/sphere_10.stl";
        // The second would be written over its input.
        QTest::newRow("reduce -d, triangles")
            << QStringList{"reduce", "--triangles", "1000", "--format", "obj", "-d", folder}
            << QStringList{sphereStl, folder + "/sphere.obj"} << QList<int>{0, 3} << folder + "/sphere.obj";
        QTest::newRow("reduce -o into new folders, GLB")
            << QStringList{"reduce", "--triangles", "1000", "-o", folder + "/a/b/sphere.glb"} << QStringList{sphereStl}
            << QList<int>{0} << folder + "/a/b/sphere.glb";
    }

    void severalModelsGiveOneLineEachAndTheHighestStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, inputs);
        QFETCH(QList<int>, statuses);
        QFETCH(QString, written);
        const CliRun run = RunCli(arguments + QStringList{"--json", "-q"} + inputs);
        QCOMPARE(run.status, *std::max_element(statuses.begin(), statuses.end()));
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.size(), inputs.size());
        for (int i = 0; i < lines.size(); ++i) {
            const QJsonObject line = QJsonDocument::fromJson(lines[i]).object();
            QCOMPARE(line[QLatin1String("command")].toString(), arguments.first());
            QCOMPARE(line[QLatin1String("input")][QLatin1String("file")].toString(), inputs[i]);
            QCOMPARE(line[QLatin1String("status")].toInt(), statuses[i]);
            QCOMPARE(line.contains(QLatin1String("error")), statuses[i] != 0);
            if (arguments.contains(QLatin1String("--triangles")) && statuses[i] == 0) {
                const int triangles = line[QLatin1String("outputs")][0][QLatin1String("triangles")].toInt();
                QVERIFY2(triangles == 1000 || triangles == 999, qPrintable(QString::number(triangles))); // a collapse removes two
            }
        }
        QCOMPARE(QString::fromLocal8Bit(run.err).count(QLatin1Char('\n')), int(statuses.size() - statuses.count(0)));
        QVERIFY(written.isEmpty() || Read(written));
    }

    void failuresExitWithTheirStatusAndOneLineNamingTheFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("sizeLimit"); // 0: none
        const QString folder = Folder(QStringLiteral("failures"));
        const QString good = folder + QStringLiteral("/good.stl");
        QVERIFY(testing::WriteModel(testing::Sphere(8, 8), good));
        const QString truncated = testing::DataFile(QStringLiteral("stl-cut-in-a-triangle.stl"));
        const QString link = folder + QStringLiteral("/link.stl");
        QVERIFY(QFile::link(good, link));
        const QString missing = folder + QStringLiteral("/missing.stl");
        const QString tetrahedron = testing::DataFile(QStringLiteral("tetra_ascii.ply"));

        QTest::newRow("keep too high") << QStringList{"reduce", good, "-o", "x.stl", "--keep", "101"} << 1
                                       << "more than 0 and at most 100" << 0;
        QTest::newRow("job count a word") << QStringList{"reduce", "-d", "out", good, "--keep", "50", "-j", "two"} << 1
                                          << "-j needs a whole number of at least 1, not \"two\" (see lumeno3d-cli --help)" << 0;
        QTest::newRow("jobs for info") << QStringList{"info", good, "--jobs", "2"} << 1
                                       << "--jobs belongs to the levels and reduce commands (see lumeno3d-cli --help)" << 0;
        QTest::newRow("missing input") << QStringList{"info", missing} << 2
                                       << QStringLiteral("The file %1 doesn't exist.").arg(missing) << 0;
        QTest::newRow("over the input by a link") << QStringList{"reduce", good, "-o", link, "--keep", "50"} << 3
                                                  << link + QStringLiteral(" is the input model") << 0;
        QTest::newRow("no triangle left")
            << QStringList{"reduce", tetrahedron, "-o", folder + "/x.ply", "--max-error", "10", "--smooth", "--engine",
                           "classic"}
            << 3
            << folder + QStringLiteral("/x.ply was not written: the reduction of ") + tetrahedron << 0;
        QTest::newRow("levels under a file") << QStringList{"levels", good, good + "/levels"} << 3
                                             << good + QStringLiteral("/levels: the folder cannot be created.") << 0;
        // A damaged file whose name could break the line or drive the terminal.
        const QString controls = folder + QStringLiteral("/red\x1b[31m\nline.stl");
        QVERIFY(testing::WriteBytes(controls, testing::Contents(truncated)));
        QTest::newRow("control characters in the name")
            << QStringList{"info", controls} << 2
            << folder + QStringLiteral("/red\\x1b[31m\\nline.stl: This file seems to be corrupt and cannot be loaded.") << 0;
        // The file that was there stays; VTK's own reports go to the log.
        const QString compact = folder + QStringLiteral("/compact.ply");
        QVERIFY(testing::WriteModel(testing::Sphere(60, 40), compact));
        for (const QString suffix : {"stl", "obj"}) {
            const QString kept = folder + QStringLiteral("/kept.") + suffix;
            QVERIFY(testing::WriteBytes(kept, "the previous model"));
            QTest::addRow("full disk, %s", qPrintable(suffix))
                << QStringList{"reduce", compact, "-o", kept, "--keep", "90"} << 3
                << QStringLiteral("The model could not be saved to %1. Writing the file failed.").arg(kept) << int(QFileInfo(compact).size() + 4096);
        }
    }

    void failuresExitWithTheirStatusAndOneLineNamingTheFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(int, sizeLimit);
        const QString folder = Folder(QStringLiteral("failures"));
        const QStringList before = testing::FolderState(folder);
        const CliRun run = RunCli(QStringList{"--json", "--quiet"} + arguments, rlim_t(sizeLimit));
        QCOMPARE(run.status, status);
        const QJsonDocument json = QJsonDocument::fromJson(run.out);
        QVERIFY(status == 1 ? run.out.isEmpty() : run.out.count('\n') == 1);
        QVERIFY(status == 1 || json[QLatin1String("error")].toString().contains(message));
        const QString error = QString::fromLocal8Bit(run.err);
        QVERIFY2(error.startsWith(QLatin1String("lumeno3d-cli: ")) && error.contains(message), qPrintable(error));
        QVERIFY(error.indexOf(QLatin1Char('\n')) == error.size() - 1);
        QCOMPARE(testing::FolderState(folder), before);
        const QString log = testing::SandboxPath() + QStringLiteral("/cache/Orvane/lumeno3d-cli/vtk-messages.log");
        if (arguments.contains(folder + QStringLiteral("/kept.obj")))
            QVERIFY(testing::Contents(log).contains("returned failure for request"));
    }
};

LUMENO_CORE_TEST_MAIN(TestCli)
#include "test_cli.moc"
