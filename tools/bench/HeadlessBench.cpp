#include "HeadlessBench.h"

#include "BareReference.h"
#include "BenchNotes.h"
#include "PhaseClock.h"
#include "ResidentMemory.h"

#include "io/read/ModelReader.h"
#include "io/write/ModelWriter.h"
#include "reduce/ClassicReducer.h"
#include "model/MeshOperations.h"
#include "reduce/QualityReducer.h"
#include "measure/SurfaceDeviation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <vtkOBJWriter.h>
#include <vtkPLYWriter.h>
#include <vtkSTLWriter.h>

#include <cstdio>
#include <thread>

namespace {

vtkSmartPointer<vtkPolyData> CoreRead(const QString &path)
{
    return lumeno::ReadModel(path, QFileInfo(path).suffix()).model;
}

// The cascade as the window runs it, every level kept like the window's level models.
std::array<vtkSmartPointer<vtkPolyData>, lumeno::LevelCount> CoreCascade(vtkPolyData *model,
                                                                         std::array<double, lumeno::LevelCount> *seconds)
{
    std::array<vtkSmartPointer<vtkPolyData>, lumeno::LevelCount> levels;
    QElapsedTimer clock;
    lumeno::LevelReceiver receiver;
    receiver.starting = [&clock](int) { clock.start(); };
    receiver.ready = [&](int step, const vtkSmartPointer<vtkPolyData> &level) {
        if (seconds)
            (*seconds)[step] = clock.nsecsElapsed() / 1e9;
        levels[step] = level;
    };
    lumeno::ClassicReducer().MakeLevels(model, receiver, {});
    return levels;
}

template <typename Writer>
bool VtkWrite(vtkPolyData *model, const QString &path, bool binary)
{
    auto writer = vtkSmartPointer<Writer>::New();
    writer->SetFileName(QFile::encodeName(path).constData());
    if constexpr (!std::is_same_v<Writer, vtkOBJWriter>) {
        if (binary)
            writer->SetFileTypeToBinary();
    }
    writer->SetInputData(model);
    return writer->Write() == 1;
}

QJsonObject RunChild(const QString &which, const QString &model)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--isolated"), which, model});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(child.readAllStandardOutput()).object();
}

} // namespace

QJsonObject RunIsolatedCascade(const QString &which, const QString &model)
{
    const bool core = which == QLatin1String("cascade.core");
    QElapsedTimer clock;
    clock.start();
    vtkSmartPointer<vtkPolyData> loaded = core ? CoreRead(model) : bare::Read(model);
    const double loadSeconds = clock.nsecsElapsed() / 1e9;
    const qint64 afterLoad = residentMemory::CurrentKiB();
    const double cpuStart = PhaseClock::CpuSeconds();
    clock.start();
    int levels = 0;
    if (core) {
        for (const auto &level : CoreCascade(loaded, nullptr))
            levels += level ? 1 : 0;
    } else {
        for (const auto &level : bare::RunCascade(loaded).levels)
            levels += level ? 1 : 0;
    }
    return {{QStringLiteral("loadSeconds"), loadSeconds},
            {QStringLiteral("cascadeSeconds"), clock.nsecsElapsed() / 1e9},
            {QStringLiteral("cascadeCpuSeconds"), PhaseClock::CpuSeconds() - cpuStart},
            {QStringLiteral("levels"), levels},
            {QStringLiteral("residentAfterLoadKiB"), afterLoad},
            {QStringLiteral("peakResidentKiB"), residentMemory::PeakKiB()}};
}

namespace {

// Short phases that are compared with each other run at least six times, in turns:
// whichever runs first finds the file cache and the heap in another state, and one pair
// of runs on a busy machine differs by more than the targets allow.
template <typename Ours, typename Theirs>
void MeasurePair(PhaseClock &clock, const QString &oursName, Ours &&ours, const QString &theirsName, Theirs &&theirs)
{
    for (int round = 0; round < std::max(6, clock.Repeat()); ++round) {
        if (round % 2 == 0) {
            clock.MeasureOnce(theirsName, theirs);
            clock.MeasureOnce(oursName, ours);
        } else {
            clock.MeasureOnce(oursName, ours);
            clock.MeasureOnce(theirsName, theirs);
        }
    }
}

void MeasureCascades(PhaseClock &clock, vtkPolyData *model, QJsonObject &report)
{
    Note(QStringLiteral("cascade"));
    bare::Cascade bareCascade;
    clock.Measure(QStringLiteral("cascade.bare"), [&] { bareCascade = bare::RunCascade(model); });
    QJsonArray steps;
    for (int step = 0; step < lumeno::LevelCount; ++step)
        steps.append(QJsonObject{{QStringLiteral("percent"), lumeno::DecimationLevels[step].percent},
                                 {QStringLiteral("bareSeconds"), bareCascade.stepSeconds[step]},
                                 {QStringLiteral("bareTriangles"),
                                  static_cast<qint64>(bareCascade.levels[step]->GetNumberOfPolys())}});
    bareCascade = {}; // its levels must not count in the peak of the next phase

    std::array<double, lumeno::LevelCount> coreSeconds{};
    std::array<vtkSmartPointer<vtkPolyData>, lumeno::LevelCount> coreLevels;
    clock.Measure(QStringLiteral("cascade.core"), [&] { coreLevels = CoreCascade(model, &coreSeconds); });
    for (int step = 0; step < lumeno::LevelCount; ++step) {
        QJsonObject entry = steps[step].toObject();
        entry.insert(QStringLiteral("coreSeconds"), coreSeconds[step]);
        entry.insert(QStringLiteral("coreTriangles"),
                     coreLevels[step] ? static_cast<qint64>(coreLevels[step]->GetNumberOfPolys()) : -1);
        steps[step] = entry;
    }
    report.insert(QStringLiteral("cascadeSteps"), steps);
}

void MeasureReductions(PhaseClock &clock, vtkPolyData *model, QJsonObject &report)
{
    Note(QStringLiteral("custom, by error, smoothing"));
    lumeno::ClassicReducer reducer;
    vtkSmartPointer<vtkPolyData> result;
    clock.Measure(QStringLiteral("custom10.core"), [&] { result = reducer.KeepShare(model, 0.1, {}); });
    report.insert(QStringLiteral("custom10Triangles"), static_cast<qint64>(result->GetNumberOfPolys()));
    clock.Measure(QStringLiteral("byError0.001.core"), [&] { result = reducer.WithinError(model, 0.001, {}); });
    report.insert(QStringLiteral("byError0.001Triangles"), static_cast<qint64>(result->GetNumberOfPolys()));
    clock.Measure(QStringLiteral("smooth.core"), [&] { result = lumeno::Smooth(model, lumeno::SmoothingIterations); });
}

// Both engines on the same jobs, each 10 % level measured against the loaded model; then the
// quality engine's levels on one thread, against all cores in its nine-level phase.
void MeasureEngines(PhaseClock &clock, vtkPolyData *model, QJsonObject &report)
{
    const lumeno::DeviationMeter meter(model);
    QJsonObject engines{{QStringLiteral("cores"), int(std::max(1u, std::thread::hardware_concurrency()))}};
    for (lumeno::ReductionEngine engine : {lumeno::ReductionEngine::Classic, lumeno::ReductionEngine::Quality}) {
        const QString key = lumeno::EngineKey(engine);
        Note(QStringLiteral("engine ") + key);
        const std::unique_ptr<lumeno::Reducer> reducer = lumeno::MakeReducer(engine);
        vtkSmartPointer<vtkPolyData> tenPercent, byError;
        lumeno::LevelReceiver receiver;
        receiver.ready = [&tenPercent](int step, const vtkSmartPointer<vtkPolyData> &level) {
            if (step == lumeno::LevelCount - 1)
                tenPercent = level;
        };
        clock.Measure(QStringLiteral("levels.") + key, [&] { reducer->MakeLevels(model, receiver, {}); });
        clock.Measure(QStringLiteral("custom10.") + key, [&] { reducer->KeepShare(model, 0.1, {}); });
        clock.Measure(QStringLiteral("byError0.001.") + key,
                      [&] { byError = reducer->WithinError(model, 0.001, {}); });
        const lumeno::SurfaceDeviation deviation = tenPercent ? meter.Measure(tenPercent) : lumeno::SurfaceDeviation();
        engines.insert(key, QJsonObject{
                                {QStringLiteral("tenPercentTriangles"), tenPercent ? qint64(tenPercent->GetNumberOfPolys()) : -1},
                                {QStringLiteral("tenPercentMeanDeviation"), deviation.mean},
                                {QStringLiteral("tenPercentMaxDeviation"), deviation.maximum},
                                {QStringLiteral("byError0.001Triangles"), byError ? qint64(byError->GetNumberOfPolys()) : -1},
                            });
    }
    clock.Measure(QStringLiteral("levels.quality.1thread"),
                  [&] { lumeno::QualityReducer(1).MakeLevels(model, {}, {}); });
    report.insert(QStringLiteral("engines"), engines);
}

void MeasureWriters(PhaseClock &clock, vtkPolyData *model, QJsonObject &report)
{
    Note(QStringLiteral("writing"));
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/lumeno-bench-XXXXXX"));
    QJsonObject fileSizes;
    for (const QString &format : {QStringLiteral("stl"), QStringLiteral("ply"), QStringLiteral("obj")}) {
        const QString ours = folder.filePath(QStringLiteral("ours.") + format);
        const QString theirs = folder.filePath(QStringLiteral("vtk.") + format);
        MeasurePair(
            clock, QStringLiteral("write.%1.core").arg(format), [&] { lumeno::WriteModelFile(model, ours, format); },
            QStringLiteral("write.%1.vtk").arg(format), [&] {
                if (format == QLatin1String("stl"))
                    VtkWrite<vtkSTLWriter>(model, theirs, true);
                else if (format == QLatin1String("ply"))
                    VtkWrite<vtkPLYWriter>(model, theirs, true);
                else
                    VtkWrite<vtkOBJWriter>(model, theirs, false);
            });
        fileSizes.insert(format + QStringLiteral(".core"), QFileInfo(ours).size());
        fileSizes.insert(format + QStringLiteral(".vtk"), QFileInfo(theirs).size());
    }
    // VTK writes none of these: GLB is measured against our binary PLY, which holds the same.
    for (const QString &format : {QStringLiteral("glb"), QStringLiteral("gltf"), QStringLiteral("3mf"),
                                  QStringLiteral("off")}) {
        const QString ours = folder.filePath(QStringLiteral("ours.") + format);
        clock.Measure(QStringLiteral("write.%1.core").arg(format), [&] { lumeno::WriteModelFile(model, ours, format); });
        fileSizes.insert(format + QStringLiteral(".core"), QFileInfo(ours).size());
    }
    report.insert(QStringLiteral("writtenFileSizes"), fileSizes);
}

} // namespace

QJsonObject RunHeadlessBench(const QString &modelPath, int repeat, const QString &only)
{
    const auto wanted = [&only](const char *group) { return only.isEmpty() || only == QLatin1String(group); };
    PhaseClock clock(repeat);
    QJsonObject report{{QStringLiteral("mode"), QStringLiteral("headless")},
                       {QStringLiteral("loadAverageAtStart"), LoadAverage()},
                       {QStringLiteral("model"), modelPath},
                       {QStringLiteral("modelFileSize"), QFileInfo(modelPath).size()},
                       {QStringLiteral("repeat"), repeat},
                       {QStringLiteral("peakResetAvailable"), residentMemory::ResetPeak()}};

    Note(QStringLiteral("load"));
    vtkSmartPointer<vtkPolyData> bareModel;
    vtkSmartPointer<vtkPolyData> model;
    // From the second round on, each load also releases the model of its previous round.
    MeasurePair(
        clock, QStringLiteral("load.core"), [&] { model = CoreRead(modelPath); }, QStringLiteral("load.bare"),
        [&] { bareModel = bare::Read(modelPath); });
    bareModel = nullptr;
    if (!model)
        return {};
    report.insert(QStringLiteral("triangles"), static_cast<qint64>(model->GetNumberOfPolys()));
    report.insert(QStringLiteral("vertices"), static_cast<qint64>(model->GetNumberOfPoints()));

    if (wanted("cascade"))
        MeasureCascades(clock, model, report);
    if (wanted("reductions"))
        MeasureReductions(clock, model, report);
    if (wanted("engines"))
        MeasureEngines(clock, model, report);
    if (wanted("write"))
        MeasureWriters(clock, model, report);
    report.insert(QStringLiteral("phases"), clock.Phases());
    report.insert(QStringLiteral("loadAverageAtEnd"), LoadAverage());

    if (wanted("cascade")) {
        Note(QStringLiteral("peak memory of load and cascade, each in a fresh process"));
        report.insert(QStringLiteral("isolated"),
                      QJsonObject{{QStringLiteral("cascade.bare"), RunChild(QStringLiteral("cascade.bare"), modelPath)},
                                  {QStringLiteral("cascade.core"), RunChild(QStringLiteral("cascade.core"), modelPath)}});
    }
    return report;
}
