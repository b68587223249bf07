#include "QualityBench.h"

#include "BenchNotes.h"
#include "CollapseLevels.h"
#include "MetroDistance.h"

#include "io/read/ModelReader.h"
#include "reduce/DecimationLevels.h"
#include "reduce/Reducer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

#include <vtkCellArray.h>
#include <vtkQuadricDecimation.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <cstdio>


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

vtkSmartPointer<vtkPolyData> VtkQuadric(vtkPolyData *model, double share)
{
    auto decimate = vtkSmartPointer<vtkQuadricDecimation>::New();
    decimate->SetInputData(WithWideCells(model));
    decimate->SetTargetReduction(1.0 - share);
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

QJsonObject MeasureMesh(const QString &path, vtkPolyData *model, const std::vector<int> &levels, size_t samples)
{
    const qint64 triangles = model->GetNumberOfPolys();
    Note(QStringLiteral("%1: %2 triangles, sampling").arg(QFileInfo(path).fileName()).arg(triangles));
    const MetroMeter meter(model, samples);
    std::vector<QJsonObject> engines(levels.size());

    QElapsedTimer clock;
    for (size_t l = 0; l < levels.size(); ++l) {
        const double share = levels[l] / 100.0;
        for (lumeno::ReductionEngine engine : {lumeno::ReductionEngine::Classic, lumeno::ReductionEngine::Quality}) {
            const QString key = lumeno::EngineKey(engine);
            Note(QStringLiteral("  %1 % %2").arg(levels[l]).arg(key));
            clock.start();
            const vtkSmartPointer<vtkPolyData> result = lumeno::MakeReducer(engine)->KeepShare(model, share, {});
            engines[l].insert(key, Entry(result, clock.nsecsElapsed() / 1e9, meter));
        }
        Note(QStringLiteral("  %1 % meshoptimizer").arg(levels[l]));
        clock.start();
        const vtkSmartPointer<vtkPolyData> simplified = MeshoptimizerLevel(model, share);
        engines[l].insert(QStringLiteral("meshoptimizer"), Entry(simplified, clock.nsecsElapsed() / 1e9, meter));
        Note(QStringLiteral("  %1 % vtkQuadric").arg(levels[l]));
        clock.start();
        const vtkSmartPointer<vtkPolyData> result = VtkQuadric(model, share);
        engines[l].insert(QStringLiteral("vtkQuadric"), Entry(result, clock.nsecsElapsed() / 1e9, meter));
    }

    // The quality engine's one run makes the window's nine levels and those measured here: its
    // time is the whole run's (welding, scaling and the VTK models included, as the other
    // engines' times include theirs), given with the first level.
    Note(QStringLiteral("  quality, every level in one run"));
    const auto goalOf = [triangles](int percent) { return size_t(std::llround(triangles * (percent / 100.0))); };
    std::vector<size_t> goals, runGoals;
    for (int level : levels)
        goals.push_back(goalOf(level));
    for (const lumeno::DecimationLevel &level : lumeno::DecimationLevels)
        runGoals.push_back(goalOf(level.percent));
    runGoals.insert(runGoals.end(), goals.begin(), goals.end());
    std::sort(runGoals.begin(), runGoals.end(), std::greater<size_t>());
    runGoals.erase(std::unique(runGoals.begin(), runGoals.end()), runGoals.end());
    clock.start();
    const std::vector<vtkSmartPointer<vtkPolyData>> oneRun = CollapseLevels(model, runGoals);
    const double oneRunSeconds = clock.nsecsElapsed() / 1e9;
    for (size_t l = 0; l < levels.size(); ++l) {
        const size_t made = size_t(std::find(runGoals.begin(), runGoals.end(), goals[l]) - runGoals.begin());
        QJsonObject entry = Entry(oneRun[made], l == 0 ? oneRunSeconds : 0.0, meter);
        if (l > 0)
            entry.remove(QStringLiteral("seconds"));
        engines[l].insert(QStringLiteral("oneRun"), entry);
    }

    QJsonArray results;
    for (size_t l = 0; l < levels.size(); ++l)
        results.append(QJsonObject{{QStringLiteral("percent"), levels[l]},
                                   {QStringLiteral("goalTriangles"), qint64(goals[l])},
                                   {QStringLiteral("engines"), engines[l]}});
    return {{QStringLiteral("name"), QFileInfo(path).completeBaseName()},
            {QStringLiteral("path"), path},
            {QStringLiteral("triangles"), triangles},
            {QStringLiteral("vertices"), qint64(model->GetNumberOfPoints())},
            {QStringLiteral("diagonal"), model->GetLength()},
            {QStringLiteral("levels"), results}};
}

} // namespace

QJsonObject RunQualityBench(const QStringList &meshes, const std::vector<int> &levels, size_t samples, QString &error)
{
    QJsonArray percents;
    for (int level : levels)
        percents.append(level);
    QJsonObject report{{QStringLiteral("mode"), QStringLiteral("quality")},
                       {QStringLiteral("loadAverageAtStart"), LoadAverage()},
                       {QStringLiteral("samplesPerSurface"), qint64(samples)},
                       {QStringLiteral("percents"), percents},
                       {QStringLiteral("engines"),
                        QJsonArray{QStringLiteral("classic"), QStringLiteral("quality"), QStringLiteral("oneRun"),
                                   QStringLiteral("meshoptimizer"), QStringLiteral("vtkQuadric")}},
                       {QStringLiteral("oneRunSeconds"),
                        QStringLiteral("the quality engine's one run for the nine levels and those measured "
                                       "(welding and scaling included), given with the first level")}};
    QJsonArray measured;
    for (const QString &path : meshes) {
        const vtkSmartPointer<vtkPolyData> model = ReadBenchMesh(path, error);
        if (!model)
            return {};
        measured.append(MeasureMesh(path, model, levels, samples));
    }
    report.insert(QStringLiteral("meshes"), measured);
    report.insert(QStringLiteral("loadAverageAtEnd"), LoadAverage());
    return report;
}
