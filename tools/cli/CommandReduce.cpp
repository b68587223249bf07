#include "BatchJobs.h"
#include "CliSupport.h"
#include "DeviationColouring.h"
#include "Commands.h"
#include "ModelFiles.h"
#include "OutputFiles.h"
#include "Progress.h"

#include "io/FilePaths.h"
#include "model/MeshOperations.h"
#include "model/ModelTransform.h"
#include "reduce/Reducer.h"
#include "measure/SurfaceDeviation.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QTextStream>

#include <vtkTransform.h>

#include <algorithm>
#include <optional>

namespace {

QJsonArray Triple(const std::array<double, 3> &values)
{
    return {values[0], values[1], values[2]};
}

// Names the cause: the scaling, or the rotation after it.
QString TransformProblemText(lumeno::TransformProblem problem, const QString &output,
                             const std::array<double, 3> &scale, const std::array<double, 3> &rotate)
{
    const auto withValues = [&output](const QString &text, const std::array<double, 3> &values) {
        return text.arg(output).arg(values[0]).arg(values[1]).arg(values[2]);
    };
    switch (problem) {
    case lumeno::TransformProblem::LosesSize:
        return withValues(QStringLiteral("%1 was not written: scaled by %2 %3 %4, the model would lose its size "
                                         "along an axis."),
                          scale);
    case lumeno::TransformProblem::ScalingTooLarge:
        return withValues(QStringLiteral("%1 was not written: scaled by %2 %3 %4, the model would get coordinates too "
                                         "large to store."),
                          scale);
    case lumeno::TransformProblem::RotationTooLarge:
        return withValues(QStringLiteral("%1 was not written: rotated by %2 %3 %4 degrees, the model would get "
                                         "coordinates too large to store."),
                          rotate);
    case lumeno::TransformProblem::None:
        break;
    }
    return {};
}

} // namespace

// The window's order: the reduction of the loaded model, then smoothing of the result,
// then the transform that saving applies.
CommandOutcome RunReduce(const CliOptions &options, const QString &path, Progress &progress)
{
    QElapsedTimer totalClock;
    totalClock.start();
    const InputModel input = LoadInput(path, progress, MemoryCheck::First);
    const QJsonObject inputJson = InputJson(path, input);
    if (!input.model)
        return {ExitUnreadableInput, input.failure, {{QStringLiteral("input"), inputJson}}, {}};
    const auto failed = [&inputJson](const QString &failure) {
        return CommandOutcome{ExitOutputNotWritten, failure, {{QStringLiteral("input"), inputJson}}, {}};
    };
    const QString output = ReducedFileOf(options, path);
    QString problem = OutputProblem(output, path);
    if (problem.isEmpty())
        problem = MakeFolder(QFileInfo(output).path());
    if (!problem.isEmpty())
        return failed(problem);
    const QString noResult =
        QStringLiteral("%1 was not written: %2 could not be processed (out of memory, or the filter gave a broken "
                       "model).")
            .arg(output, path);
    const vtkIdType inputTriangles = input.model->GetNumberOfPolys();
    // The share asked, in percent: --keep, or --triangles of the input's (all when it has fewer).
    std::optional<double> askedPercent = options.keepPercent;
    if (options.triangles)
        askedPercent = std::min(100.0, 100.0 * double(*options.triangles) / double(inputTriangles));

    QJsonObject seconds{{QStringLiteral("load"), input.loadSeconds}};
    QElapsedTimer clock;

    const lumeno::ReductionEngine engine = options.engine.value_or(lumeno::DefaultEngine);
    // Made once: the quality engine's by-error run measures with it, and so does the end.
    std::optional<lumeno::DeviationMeter> meter;
    const bool searchMeasures = options.maxError && engine == lumeno::ReductionEngine::Quality;
    clock.start();
    if (options.measure || searchMeasures || options.deviationColours)
        meter.emplace(input.model);
    double measureSeconds = SecondsSince(clock);
    lumeno::ReductionControl control;
    control.progress = [&progress](double fraction) { progress.Advance(fraction); };
    const std::unique_ptr<lumeno::Reducer> reducer = MakeCliReducer(engine, options.engineThreads);
    clock.start();
    vtkSmartPointer<vtkPolyData> result;
    if (askedPercent) {
        progress.Begin(QStringLiteral("Decimating to %1%...").arg(PercentText(*askedPercent)));
        result = reducer->KeepShare(input.model, *askedPercent / 100.0, control);
    } else {
        progress.Begin(QStringLiteral("Decimating to error %1...").arg(*options.maxError));
        result = reducer->WithinError(input.model, *options.maxError, control, meter ? &*meter : nullptr);
    }
    seconds.insert(QStringLiteral("reduce"), SecondsSince(clock));
    if (!result && engine == lumeno::ReductionEngine::Classic)
        return failed(noResult);
    // Nothing would be left to smooth or to write; the quality engine then gives no model at all.
    if (!result || result->GetNumberOfPolys() == 0)
        return failed(QStringLiteral("%1 was not written: the reduction of %2 leaves no triangle (%3).")
                          .arg(output, path,
                               askedPercent ? QStringLiteral("keep a larger share")
                                            : QStringLiteral("allow a larger error")));

    const double keptPercent = lumeno::KeptPercent(inputTriangles, result->GetNumberOfPolys());
    // What was asked of the triangles the reduction could keep: those it left out are told apart.
    const lumeno::LeftOutTriangles leftOut = reducer->LeftOut();
    const vtkIdType keepable = inputTriangles - vtkIdType(leftOut.Total());
    std::optional<vtkIdType> askedTriangles;
    if (options.triangles)
        askedTriangles = std::min<vtkIdType>(vtkIdType(*options.triangles), keepable);
    else if (askedPercent)
        askedTriangles = lumeno::AskedTriangles(keepable, *askedPercent);
    const QString shareWarning =
        askedTriangles ? KeptShareWarning(output, path, *askedTriangles, result->GetNumberOfPolys()) : QString();

    if (options.smooth) {
        progress.Begin(QStringLiteral("Smoothing..."));
        clock.start();
        result = lumeno::Smooth(result, lumeno::SmoothingIterations,
                                [&progress](vtkAlgorithm *filter) { progress.Follow(filter); });
        seconds.insert(QStringLiteral("smooth"), SecondsSince(clock));
        if (!result)
            return failed(noResult);
    }

    // Of the result before the transform, which changes its size on purpose.
    clock.start();
    const lumeno::SurfaceDeviation deviation = options.measure ? meter->Measure(result) : lumeno::SurfaceDeviation();
    const QString outputSuffix = QFileInfo(output).suffix();
    const bool deviationColoured = options.deviationColours && KeepsDeviationColours(outputSuffix);
    if (deviationColoured)
        result = WithDeviationColours(result, *meter, deviation, *options.deviationColours);
    measureSeconds += SecondsSince(clock);

    const std::array<double, 3> scale = options.scale.value_or(std::array<double, 3>{1.0, 1.0, 1.0});
    const std::array<double, 3> rotate = options.rotate.value_or(std::array<double, 3>{0.0, 0.0, 0.0});
    if (options.scale || options.rotate) {
        double bounds[6];
        result->GetBounds(bounds);
        const QString transformProblem = TransformProblemText(lumeno::CheckModelTransform(scale.data(), rotate.data(), bounds),
                                                              output, scale, rotate);
        if (!transformProblem.isEmpty())
            return failed(transformProblem);
        progress.Begin(QStringLiteral("Transforming..."));
        clock.start();
        vtkSmartPointer<vtkTransform> transform = lumeno::MakeModelTransform(scale.data(), rotate.data());
        result = lumeno::TransformModel(result, transform);
        seconds.insert(QStringLiteral("transform"), SecondsSince(clock));
    }

    progress.Begin(QStringLiteral("Writing %1").arg(QFileInfo(output).fileName()));
    clock.start();
    const lumeno::ModelWriteOptions writeOptions = WriteOptionsOf(input, options);
    const QString failure = WriteOutput(result, output, writeOptions);
    progress.Clear();
    if (!failure.isEmpty())
        return failed(failure);
    seconds.insert(QStringLiteral("write"), SecondsSince(clock));
    if (meter)
        seconds.insert(QStringLiteral("measure"), measureSeconds);
    seconds.insert(QStringLiteral("total"), SecondsSince(totalClock));

    CommandOutcome outcome;
    outcome.warnings = input.warnings;
    QJsonObject written = OutputJson(output, result, writeOptions);
    written.insert(QStringLiteral("keptPercent"), keptPercent);
    if (askedTriangles) {
        written.insert(QStringLiteral("askedTriangles"), qint64(*askedTriangles));
        written.insert(QStringLiteral("shareReached"), shareWarning.isEmpty());
    }
    if (deviation.IsMeasured())
        written.insert(QStringLiteral("deviation"), DeviationJson(deviation));
    if (options.deviationColours)
        written.insert(QStringLiteral("deviationColours"), deviationColoured);
    QJsonObject report{
        {QStringLiteral("input"), inputJson},
        {QStringLiteral("engine"), lumeno::EngineKey(engine)},
        {QStringLiteral("outputs"), QJsonArray{written}},
        {QStringLiteral("smooth"), options.smooth},
        {QStringLiteral("scale"), Triple(scale)},
        {QStringLiteral("rotate"), Triple(rotate)},
        {QStringLiteral("seconds"), seconds},
        {QStringLiteral("trianglesLeftOut"), LeftOutJson(leftOut)},
        {QStringLiteral("relaxedGuards"), reducer->RelaxedGuards()},
    };
    if (options.keepPercent)
        report.insert(QStringLiteral("keepPercent"), *options.keepPercent);
    else if (options.triangles)
        report.insert(QStringLiteral("triangles"), *options.triangles);
    else
        report.insert(QStringLiteral("maxError"), *options.maxError);
    outcome.report = report;
    const QString notSaved = NotSavedWarning(lumeno::AttributesOf(result), output, QFileInfo(output).suffix());
    if (!notSaved.isEmpty())
        outcome.warnings << notSaved;
    const QString lookNotSaved = LookNotSavedWarning(result, writeOptions, output, QFileInfo(output).suffix());
    if (!lookNotSaved.isEmpty())
        outcome.warnings << lookNotSaved;
    if (options.deviationColours && !deviationColoured)
        outcome.warnings << DeviationColoursWarning(output, outputSuffix);
    const QString leftOutWarning = LeftOutWarning(path, leftOut);
    if (!leftOutWarning.isEmpty())
        outcome.warnings << leftOutWarning;
    if (!shareWarning.isEmpty())
        outcome.warnings << shareWarning;
    const QString relaxedWarning = RelaxedGuardsWarning(path, reducer->RelaxedGuards());
    if (!relaxedWarning.isEmpty())
        outcome.warnings << relaxedWarning;

    const vtkIdType left = result->GetNumberOfPolys();
    QTextStream(&outcome.summary) << QStringLiteral("%1: %2 triangles, %3 vertices -> %4: %5 %6, %7 vertices\n")
                                         .arg(lumeno::DisplayPath(path))
                                         .arg(inputTriangles)
                                         .arg(input.model->GetNumberOfPoints())
                                         .arg(lumeno::DisplayPath(output))
                                         .arg(left)
                                         .arg(left == 1 ? QStringLiteral("triangle (only one is left)")
                                                        : QStringLiteral("triangles"))
                                         .arg(result->GetNumberOfPoints());
    return outcome;
}
