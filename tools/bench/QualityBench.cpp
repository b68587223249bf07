#include "QualityBench.h"

#include "BenchNotes.h"
#include "CgalPeer.h"
#include "MeshoptimizerPeer.h"
#include "MetroDistance.h"

#include "io/read/ModelReader.h"
#include "reduce/Reducer.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>

#include <vtkCellArray.h>
#include <vtkCleanPolyData.h>
#include <vtkQuadricDecimation.h>

#include <algorithm>
#include <cmath>


vtkSmartPointer<vtkPolyData> ReadBenchMesh(const QString &path, QString &error)
{
    const lumeno::ReadResult read = lumeno::ReadModel(path, QFileInfo(path).suffix());
    if (!read.model)
        error = path + QStringLiteral(": ") + lumeno::ReadFailureText(read);
    return read.model;
}

vtkSmartPointer<vtkPolyData> WithWideCells(vtkPolyData *model)
{
    auto wide = vtkSmartPointer<vtkPolyData>::New();
    wide->ShallowCopy(model);
    if (!model->GetPolys()->IsStorage64Bit()) {
        auto polys = vtkSmartPointer<vtkCellArray>::New();
        polys->DeepCopy(model->GetPolys()); // a shallow copy would convert the model's own
        polys->ConvertTo64BitStorage();
        wide->SetPolys(polys);
    }
    return wide;
}

namespace {

const QString Classic = QStringLiteral("classic");
const QString Quality = QStringLiteral("quality");
const QString Meshoptimizer = QStringLiteral("meshoptimizer");
const QString VtkQuadric = QStringLiteral("vtkQuadric");
const QString CgalLindstromTurk = QStringLiteral("cgalLindstromTurk");

// The surface alone, welded by position, as the peers that carry no attributes take it: the
// sides of a texture seam are one vertex again, and nothing else is changed.
vtkSmartPointer<vtkPolyData> SurfaceOf(vtkPolyData *model)
{
    auto surface = vtkSmartPointer<vtkPolyData>::New();
    surface->SetPoints(model->GetPoints());
    surface->SetPolys(model->GetPolys());
    auto weld = vtkSmartPointer<vtkCleanPolyData>::New();
    weld->SetInputData(surface);
    weld->PointMergingOn();
    weld->SetTolerance(0.0);
    weld->ConvertPolysToLinesOff();
    weld->ConvertLinesToPointsOff();
    weld->ConvertStripsToPolysOff();
    weld->Update();
    return WithWideCells(weld->GetOutput());
}

vtkSmartPointer<vtkPolyData> VtkQuadricKeep(vtkPolyData *surface, size_t triangles)
{
    const double count = double(surface->GetNumberOfPolys());
    auto decimate = vtkSmartPointer<vtkQuadricDecimation>::New();
    decimate->SetInputData(surface);
    decimate->SetTargetReduction(count > 0 ? std::clamp(1.0 - double(triangles) / count, 0.0, 1.0) : 0.0);
    decimate->Update();
    vtkSmartPointer<vtkPolyData> result = decimate->GetOutput();
    return result;
}

QJsonObject Entry(vtkPolyData *result, double seconds, const MetroMeter &meter)
{
    QJsonObject entry{{QStringLiteral("seconds"), seconds},
                      {QStringLiteral("triangles"), result ? qint64(result->GetNumberOfPolys()) : -1}};
    const MetroDistance distance = result ? meter.Measure(result) : MetroDistance();
    entry.insert(QStringLiteral("mean"), distance.mean);
    entry.insert(QStringLiteral("rms"), distance.rms);
    entry.insert(QStringLiteral("max"), distance.maximum);
    entry.insert(QStringLiteral("samples"), qint64(distance.samples));
    return entry;
}

QJsonObject MeasureMesh(const BenchMesh &mesh, vtkPolyData *model, const std::vector<int> &levels, size_t samples,
                        CgalPeer &cgal)
{
    const qint64 triangles = model->GetNumberOfPolys();
    const QString name = QFileInfo(mesh.path).completeBaseName();
    Note(QStringLiteral("%1 (%2): %3 triangles").arg(name, mesh.part).arg(triangles));
    const MetroMeter meter(model, samples);
    const vtkSmartPointer<vtkPolyData> surface = SurfaceOf(model);
    const bool withCgal = cgal.Available() && cgal.Load(model);
    QElapsedTimer clock;
    const auto timed = [&clock](auto &&reduce) {
        clock.start();
        vtkSmartPointer<vtkPolyData> result = reduce();
        return std::make_pair(result, clock.nsecsElapsed() / 1e9);
    };

    QJsonArray results;
    for (int percent : levels) {
        const double share = percent / 100.0;
        const size_t goal = size_t(std::llround(double(triangles) * share));
        QJsonObject engines;
        for (lumeno::ReductionEngine engine : {lumeno::ReductionEngine::Classic, lumeno::ReductionEngine::Quality}) {
            const auto [result, seconds] =
                timed([&] { return lumeno::MakeReducer(engine)->KeepShare(model, share, {}); });
            engines.insert(lumeno::EngineKey(engine), Entry(result, seconds, meter));
        }
        {
            const auto [result, seconds] = timed([&] { return MeshoptimizerKeep(model, goal); });
            engines.insert(Meshoptimizer, Entry(result, seconds, meter));
        }
        {
            const auto [result, seconds] = timed([&] { return VtkQuadricKeep(surface, goal); });
            engines.insert(VtkQuadric, Entry(result, seconds, meter));
        }
        if (withCgal) {
            const CgalPeerResult run = cgal.Reduce(goal);
            QJsonObject entry = Entry(run.model, run.seconds, meter);
            if (!run.changes.isEmpty())
                entry.insert(QStringLiteral("changes"), run.changes);
            if (!run.error.isEmpty()) {
                Note(QStringLiteral("  CGAL at %1 %: %2").arg(percent).arg(run.error));
                entry.insert(QStringLiteral("error"), run.error);
            }
            engines.insert(CgalLindstromTurk, entry);
        }
        results.append(QJsonObject{{QStringLiteral("percent"), percent},
                                   {QStringLiteral("goalTriangles"), qint64(goal)},
                                   {QStringLiteral("engines"), engines}});
    }
    return {{QStringLiteral("name"), name},
            {QStringLiteral("path"), mesh.path},
            {QStringLiteral("part"), mesh.part},
            {QStringLiteral("triangles"), triangles},
            {QStringLiteral("vertices"), qint64(model->GetNumberOfPoints())},
            {QStringLiteral("diagonal"), model->GetLength()},
            {QStringLiteral("levels"), results}};
}

} // namespace

QJsonObject RunQualityBench(const std::vector<BenchMesh> &meshes, const std::vector<int> &levels, size_t samples,
                            const QString &cgalPeer)
{
    QElapsedTimer wall;
    wall.start();
    CgalPeer cgal(cgalPeer);
    QJsonArray percents;
    for (int level : levels)
        percents.append(level);
    QJsonArray engines{Classic, Quality, Meshoptimizer, VtkQuadric};
    if (cgal.Available())
        engines.append(CgalLindstromTurk);
    QJsonObject report{{QStringLiteral("mode"), QStringLiteral("quality")},
                       {QStringLiteral("loadAverageAtStart"), LoadAverage()},
                       {QStringLiteral("samplesPerSurface"), qint64(samples)},
                       {QStringLiteral("percents"), percents},
                       {QStringLiteral("engines"), engines}};
    QJsonArray measured, unread;
    for (const BenchMesh &mesh : meshes) {
        QString error;
        const vtkSmartPointer<vtkPolyData> model = ReadBenchMesh(mesh.path, error);
        if (!model || model->GetNumberOfPolys() == 0) {
            Note(QStringLiteral("left out: %1").arg(error.isEmpty() ? mesh.path + QStringLiteral(": no triangles") : error));
            unread.append(mesh.path);
            continue;
        }
        measured.append(MeasureMesh(mesh, model, levels, samples, cgal));
    }
    report.insert(QStringLiteral("meshes"), measured);
    report.insert(QStringLiteral("unread"), unread);
    report.insert(QStringLiteral("loadAverageAtEnd"), LoadAverage());
    report.insert(QStringLiteral("wallSeconds"), wall.nsecsElapsed() / 1e9);
    return report;
}
