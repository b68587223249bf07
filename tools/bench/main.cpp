// lumeno3d-bench: how fast the program does its main job, against the bare VTK work it
// stands on. Not a test: it measures and prints, it asserts nothing.
#include "BenchReport.h"
#include "BumpySphereModel.h"
#include "GuiBench.h"
#include "HeadlessBench.h"
#include "LevelsTime.h"
#include "LodGlbBench.h"
#include "LookLevels.h"
#include "QualityBench.h"
#include "QualityReport.h"
#include "SubdividedModel.h"
#include "TimedApplication.h"
#include "TorusModel.h"

#include "ApplicationSetup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const char Usage[] = R"(Usage:
  lumeno3d-bench MODEL [--repeat N] [--only GROUP]
                                         load, cascade, custom, by-error, smoothing and
                                         writing through lumeno_core and through bare VTK;
                                         both reduction engines side by side;
                                         peak memory of each phase; JSON on stdout.
                                         --repeat runs each phase N times and keeps the
                                         best time; --only runs the load and one group:
                                         cascade, reductions, write or engines (both
                                         reduction engines side by side), or with load
                                         the load alone (our reader beside VTK's)
  lumeno3d-bench --gui MODEL [--no-reference]
                                         the real window (needs an X server, e.g. Xvfb):
                                         time to DecimationFinished, then a custom 10 %,
                                         a by-error 0.001 reduction and a smoothing, a level
                                         shown with and without Show deviation, with
                                         the longest stall of the GUI thread's event loop
                                         in each; JSON on stdout.
                                         --no-reference skips the bare VTK run that comes
                                         first (to profile the window alone)
  lumeno3d-bench --generate FILE.stl [--triangles N] [--bumpy-sphere]
                                         writes a Loop-subdivided torus (default 1228800
                                         triangles), or a sphere with bumps, as binary STL
  lumeno3d-bench --generate FILE --subdivide MESH [--rounds N]
                                         writes MESH (any format the program reads) refined by N
                                         rounds of Loop subdivision (default 2: 16 times
                                         the triangles), in FILE's format
  lumeno3d-bench --quality [--part NAME] MESH... [--part NAME MESH...] [--levels 50,25,10]
                 [--samples N] [--cgal-peer PROGRAM]
                                         how close each reduction engine stays to the
                                         original at each level (percent of the triangles
                                         kept): classic, quality, meshoptimizer,
                                         vtkQuadricDecimation and, with --cgal-peer
                                         (lumeno3d-cgal-peer), CGAL's Lindstrom-Turk; a
                                         Metro-style symmetric distance over every vertex
                                         and N random points (default 200000) per surface;
                                         MESH is any format the program reads, each in the
                                         part named before it (default development);
                                         JSON on stdout
  lumeno3d-bench --levels-time MODEL [--rounds N]
                                         whole processes in turn, N times (default 10):
                                         lumeno3d-cli levels MODEL with and without
                                         measuring against one meshoptimizer 10 % run
                                         (--meshoptimizer); times, ratios, median ratios
  lumeno3d-bench --look-levels MODEL [--materials N] [--engine classic|quality]
                                         the nine levels of MODEL given texture coordinates
                                         and N materials (default 0: none) in sectors around
                                         its z axis, in this process: time, peak resident
                                         memory, each level's triangles (compare N = 0 and
                                         N = 20, each under /usr/bin/time -v)
  lumeno3d-bench --lod-glb MODEL OUT_DIR [--materials N]
                                         MODEL given texture coordinates and N materials
                                         (default 1) sharing one 1024x1024 PNG, its nine
                                         levels by the quality engine: the one LOD GLB
                                         (MSFT_lod) against the nine level GLBs and the
                                         model's, written into OUT_DIR: sizes, write
                                         times and load times through our reader
  lumeno3d-bench --meshoptimizer MODEL OUT.ply
                                         reads MODEL, keeps 10 % of its triangles with
                                         meshopt_simplify, writes them as binary PLY
  lumeno3d-bench --report HEADLESS.json [GUI.json]
  lumeno3d-bench --report QUALITY.json
                                         the results as Markdown tables
)";

int Fail(const char *message)
{
    std::fprintf(stderr, "lumeno3d-bench: %s\n%s", message, Usage);
    return 1;
}

void PrintJson(const QJsonObject &object)
{
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
}

QJsonObject ReadJson(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

int RunGui(int argc, char *argv[], const QString &model, bool withReference)
{
    IsolateGuiEnvironment();
    PrepareApplication();
    TimedApplication app(argc, argv);
    NameApplication();
    const QJsonObject report = RunGuiBench(model, withReference);
    PrintJson(report);
    return report[QLatin1String("timeToDecimationFinishedSeconds")].toDouble() > 0 ? 0 : 1;
}

// The number after an optional "--rounds" that may follow the first `required` arguments:
// `fallback` without it, 0 where it is not a number above 0, -1 where other arguments follow.
int RoundsAfter(const QStringList &arguments, int required, int fallback)
{
    if (arguments.size() == required)
        return fallback;
    if (arguments.size() == required + 2 && arguments[required] == QLatin1String("--rounds"))
        return std::max(arguments[required + 1].toInt(), 0);
    return -1;
}

int GenerateSubdivided(const QStringList &arguments)
{
    const int rounds = RoundsAfter(arguments, 4, 2);
    if (rounds < 0)
        return Fail("--generate FILE --subdivide needs MESH and optionally --rounds N");
    if (rounds < 1 || rounds > 6)
        return Fail("--rounds needs a number from 1 to 6");
    const QString error = WriteSubdividedModel(arguments[1], arguments[3], rounds);
    return error.isEmpty() ? 0 : Fail(error.toLocal8Bit().constData());
}

int RunQuality(const QStringList &arguments)
{
    std::vector<BenchMesh> meshes;
    std::vector<int> levels{50, 25, 10};
    long long samples = 200000;
    QString part = QStringLiteral("development"), cgalPeer;
    for (int i = 1; i < arguments.size(); ++i) {
        const bool valued = i + 1 < arguments.size();
        if (arguments[i] == QLatin1String("--levels") && valued) {
            levels.clear();
            for (const QString &level : arguments[++i].split(QLatin1Char(','))) {
                bool number = false;
                levels.push_back(level.toInt(&number));
                if (!number || levels.back() < 1 || levels.back() > 100)
                    return Fail("--levels needs percentages from 1 to 100, separated by commas");
            }
            std::sort(levels.rbegin(), levels.rend());
            levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
        } else if (arguments[i] == QLatin1String("--samples") && valued) {
            bool number = false;
            samples = arguments[++i].toLongLong(&number);
            if (!number || samples < 0)
                return Fail("--samples needs a number, 0 or more");
        } else if (arguments[i] == QLatin1String("--part") && valued) {
            part = arguments[++i];
        } else if (arguments[i] == QLatin1String("--cgal-peer") && valued) {
            cgalPeer = arguments[++i];
        } else if (arguments[i].startsWith(QLatin1String("--"))) {
            return Fail("--quality takes meshes, --part, --levels, --samples and --cgal-peer");
        } else {
            meshes.push_back({arguments[i], part});
        }
    }
    if (meshes.empty())
        return Fail("--quality needs at least one mesh");
    const QJsonObject report = RunQualityBench(meshes, levels, size_t(samples), cgalPeer);
    if (report[QLatin1String("meshes")].toArray().isEmpty())
        return Fail("none of the meshes can be read");
    PrintJson(report);
    return 0;
}

int RunLevelsTime(const QStringList &arguments)
{
    const int rounds = RoundsAfter(arguments, 2, 10);
    if (rounds < 0)
        return Fail("--levels-time needs MODEL and optionally --rounds N");
    if (rounds < 1)
        return Fail("--rounds needs a positive number");
    QString error;
    return PrintLevelsTime(arguments[1], rounds, error) ? 0 : Fail(error.toLocal8Bit().constData());
}

int RunLodGlb(const QStringList &arguments)
{
    if (arguments.size() != 3 && !(arguments.size() == 5 && arguments[3] == QLatin1String("--materials")))
        return Fail("--lod-glb needs MODEL and OUT_DIR and optionally --materials N");
    QString error;
    const int materials = arguments.size() == 5 ? arguments[4].toInt() : 1;
    return PrintLodGlbFigures(arguments[1], materials, arguments[2], error) ? 0 : Fail(error.toLocal8Bit().constData());
}

int RunLookLevels(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return Fail("--look-levels needs MODEL");
    int materials = 0;
    QString engine = QStringLiteral("quality");
    for (int i = 2; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--materials") && i + 1 < arguments.size())
            materials = std::max(arguments[++i].toInt(), 0);
        else if (arguments[i] == QLatin1String("--engine") && i + 1 < arguments.size())
            engine = arguments[++i];
        else
            return Fail("--look-levels needs MODEL and optionally --materials N and --engine classic|quality");
    }
    QString error;
    return PrintLookLevels(arguments[1], materials, engine, error) ? 0 : Fail(error.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 3 && std::strcmp(argv[1], "--gui") == 0)
        return RunGui(argc, argv, QString::fromLocal8Bit(argv[2]),
                      !(argc == 4 && std::strcmp(argv[3], "--no-reference") == 0));

    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() || arguments[0] == QLatin1String("--help") || arguments[0] == QLatin1String("-h")) {
        std::fputs(Usage, stdout);
        return arguments.isEmpty() ? 1 : 0;
    }

    if (arguments[0] == QLatin1String("--generate") && arguments.size() >= 4
        && arguments[2] == QLatin1String("--subdivide"))
        return GenerateSubdivided(arguments);
    if (arguments[0] == QLatin1String("--quality"))
        return RunQuality(arguments);
    if (arguments[0] == QLatin1String("--meshoptimizer")) {
        if (arguments.size() != 3)
            return Fail("--meshoptimizer needs MODEL and OUT.ply");
        QString error;
        return RunMeshoptimizerTenPercent(arguments[1], arguments[2], error) ? 0 : Fail(error.toLocal8Bit().constData());
    }
    if (arguments[0] == QLatin1String("--levels-time"))
        return RunLevelsTime(arguments);
    if (arguments[0] == QLatin1String("--look-levels"))
        return RunLookLevels(arguments);
    if (arguments[0] == QLatin1String("--lod-glb"))
        return RunLodGlb(arguments);
    if (arguments[0] == QLatin1String("--generate")) {
        long long triangles = 1228800;
        bool bumpySphere = false;
        for (int i = 2; i < arguments.size(); ++i) {
            if (arguments[i] == QLatin1String("--bumpy-sphere"))
                bumpySphere = true;
            else if (arguments[i] == QLatin1String("--triangles") && i + 1 < arguments.size())
                triangles = arguments[++i].toLongLong();
            else
                return Fail("--generate needs FILE.stl and optionally --triangles N and --bumpy-sphere");
        }
        if (arguments.size() < 2 || triangles <= 0)
            return Fail("--generate needs FILE.stl and --triangles a positive number");
        const bool written = bumpySphere ? WriteBumpySphereModel(arguments[1], triangles)
                                         : WriteTorusModel(arguments[1], triangles);
        return written ? 0 : Fail("the model could not be written");
    }
    if (arguments[0] == QLatin1String("--report")) {
        if (arguments.size() < 2 || arguments.size() > 3)
            return Fail("--report needs HEADLESS.json and optionally GUI.json");
        const QJsonObject headless = ReadJson(arguments[1]);
        if (headless.isEmpty())
            return Fail("the headless results cannot be read");
        if (headless[QLatin1String("mode")].toString() == QLatin1String("quality")) {
            std::fputs(QualityMarkdownReport(headless).toUtf8().constData(), stdout);
            return 0;
        }
        const QJsonObject gui = arguments.size() == 3 ? ReadJson(arguments[2]) : QJsonObject();
        std::fputs(MarkdownReport(headless, gui).toUtf8().constData(), stdout);
        return 0;
    }
    if (arguments[0] == QLatin1String("--isolated") && arguments.size() == 3) {
        PrintJson(RunIsolatedCascade(arguments[1], arguments[2]));
        return 0;
    }

    int repeat = 1;
    QString only;
    for (int i = 1; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size())
            return Fail("an option lacks its value");
        if (arguments[i] == QLatin1String("--repeat"))
            repeat = arguments[i + 1].toInt();
        else if (arguments[i] == QLatin1String("--only"))
            only = arguments[i + 1];
        else
            return Fail("unexpected arguments");
    }
    if (repeat < 1)
        return Fail("--repeat needs a positive number");
    const QJsonObject report = RunHeadlessBench(arguments[0], repeat, only);
    if (report.isEmpty())
        return Fail("the model cannot be read");
    PrintJson(report);
    return 0;
}
