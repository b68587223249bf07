#include "CliSupport.h"
#include "Commands.h"
#include "ModelFiles.h"
#include "Progress.h"

#include "io/FilePaths.h"
#include "mesh/MeshOperations.h"
#include "mesh/ModelTransform.h"
#include "mesh/Reducer.h"
#include "mesh/SurfaceDeviation.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QTextStream>

#include <vtkTransform.h>

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
CommandOutcome RunReduce(const CliOptions &options, Progress &progress)
{
    QElapsedTimer totalClock;
    totalClock.start();
    const InputModel input = LoadInput(options.input, progress);
    if (!input.model)
        return {ExitUnreadableInput, input.failure, {}, {}};
    const QString problem = OutputProblem(options.output, options.input);
    if (!problem.isEmpty())
        return {ExitOutputNotWritten, problem, {}, {}};
    const QString noResult =
        QStringLiteral("%1 was not written: %2 could not be processed (out of memory, or the filter gave a broken "
                       "model).")
            .arg(options.output, options.input);

    QJsonObject seconds{{QStringLiteral("load"), input.loadSeconds}};
    QElapsedTimer clock;

    const lumeno::ReductionEngine engine = options.engine.value_or(lumeno::DefaultEngine);
    // Made once: the quality engine's by-error run measures with it, and so does the end.
    std::optional<lumeno::DeviationMeter> meter;
    const bool searchMeasures = options.maxError && engine == lumeno::ReductionEngine::Quality;
    clock.start();
    if (options.measure || searchMeasures)
        meter.emplace(input.model);
    double measureSeconds = SecondsSince(clock);
    lumeno::ReductionControl control;
    control.progress = [&progress](double fraction) { progress.Advance(fraction); };
    const std::unique_ptr<lumeno::Reducer> reducer = lumeno::MakeReducer(engine);
    clock.start();
    vtkSmartPointer<vtkPolyData> result;
    if (options.keepPercent) {
        progress.Begin(QStringLiteral("Decimating to %1%...").arg(*options.keepPercent));
        result = reducer->KeepShare(input.model, *options.keepPercent / 100.0, control);
    } else {
        progress.Begin(QStringLiteral("Decimating to error %1...").arg(*options.maxError));
        result = reducer->WithinError(input.model, *options.maxError, control, meter ? &*meter : nullptr);
    }
    seconds.insert(QStringLiteral("reduce"), SecondsSince(clock));
    if (!result && engine == lumeno::ReductionEngine::Classic)
        return {ExitOutputNotWritten, noResult, {}, {}};
    // Nothing would be left to smooth or to write; the quality engine then gives no model at all.
    if (!result || result->GetNumberOfPolys() == 0)
        return {ExitOutputNotWritten,
                QStringLiteral("%1 was not written: the reduction of %2 leaves no triangle (%3).")
                    .arg(options.output, options.input,
                         options.keepPercent ? QStringLiteral("keep a larger share")
                                             : QStringLiteral("allow a larger error")),
                {},
                {}};

    const double keptPercent = lumeno::KeptPercent(input.model->GetNumberOfPolys(), result->GetNumberOfPolys());
    const QString shareWarning =
        options.keepPercent ? KeptShareWarning(options.output, options.input, *options.keepPercent, keptPercent) : QString();

    if (options.smooth) {
        progress.Begin(QStringLiteral("Smoothing..."));
        clock.start();
        result = lumeno::Smooth(result, lumeno::SmoothingIterations,
                                [&progress](vtkAlgorithm *filter) { progress.Follow(filter); });
        seconds.insert(QStringLiteral("smooth"), SecondsSince(clock));
        if (!result)
            return {ExitOutputNotWritten, noResult, {}, {}};
    }

    // Of the result before the transform, which changes its size on purpose.
    clock.start();
    const lumeno::SurfaceDeviation deviation = options.measure ? meter->Measure(result) : lumeno::SurfaceDeviation();
    measureSeconds += SecondsSince(clock);

    const std::array<double, 3> scale = options.scale.value_or(std::array<double, 3>{1.0, 1.0, 1.0});
    const std::array<double, 3> rotate = options.rotate.value_or(std::array<double, 3>{0.0, 0.0, 0.0});
    if (options.scale || options.rotate) {
        double bounds[6];
        result->GetBounds(bounds);
        const QString transformProblem = TransformProblemText(lumeno::CheckModelTransform(scale.data(), rotate.data(), bounds),
                                                              options.output, scale, rotate);
        if (!transformProblem.isEmpty())
            return {ExitOutputNotWritten, transformProblem, {}, {}};
        progress.Begin(QStringLiteral("Transforming..."));
        clock.start();
        vtkSmartPointer<vtkTransform> transform = lumeno::MakeModelTransform(scale.data(), rotate.data());
        result = lumeno::TransformModel(result, transform);
        seconds.insert(QStringLiteral("transform"), SecondsSince(clock));
    }

    progress.Begin(QStringLiteral("Writing %1").arg(QFileInfo(options.output).fileName()));
    clock.start();
    const QString failure = WriteOutput(result, options.output);
    progress.Clear();
    if (!failure.isEmpty())
        return {ExitOutputNotWritten, failure, {}, {}};
    seconds.insert(QStringLiteral("write"), SecondsSince(clock));
    seconds.insert(QStringLiteral("total"), SecondsSince(totalClock));

    CommandOutcome outcome;
    outcome.warnings = input.warnings;
    QJsonObject report{
        {QStringLiteral("command"), QStringLiteral("reduce")},
        {QStringLiteral("engine"), lumeno::EngineKey(engine)},
        {QStringLiteral("file"), options.input},
        {QStringLiteral("fileSize"), input.fileSize},
        {QStringLiteral("input"), Counts(input.model)},
        {QStringLiteral("output"), options.output},
        {QStringLiteral("outputFileSize"), QFileInfo(options.output).size()},
        {QStringLiteral("result"), Counts(result)},
        {QStringLiteral("smooth"), options.smooth},
        {QStringLiteral("scale"), Triple(scale)},
        {QStringLiteral("rotate"), Triple(rotate)},
        {QStringLiteral("seconds"), seconds},
        {QStringLiteral("measureSeconds"), measureSeconds},
    };
    const QString suffix = QFileInfo(options.output).suffix();
    const lumeno::PointAttributes carried = lumeno::AttributesOf(result);
    InsertAttributes(report, carried, suffix);
    const QString notSaved = NotSavedWarning(carried, options.output, suffix);
    if (!notSaved.isEmpty())
        outcome.warnings << notSaved;
    if (deviation.IsMeasured())
        report.insert(QStringLiteral("deviation"), DeviationJson(deviation));
    report.insert(QStringLiteral("keptPercent"), keptPercent);
    if (options.keepPercent) {
        report.insert(QStringLiteral("keepPercent"), *options.keepPercent);
        report.insert(QStringLiteral("shareReached"), shareWarning.isEmpty());
    } else
        report.insert(QStringLiteral("maxError"), *options.maxError);
    outcome.report = report;
    if (!shareWarning.isEmpty())
        outcome.warnings << shareWarning;

    const vtkIdType left = result->GetNumberOfPolys();
    QTextStream(&outcome.summary) << QStringLiteral("%1: %2 triangles, %3 vertices -> %4: %5 %6, %7 vertices\n")
                                         .arg(lumeno::DisplayPath(options.input))
                                         .arg(input.model->GetNumberOfPolys())
                                         .arg(input.model->GetNumberOfPoints())
                                         .arg(lumeno::DisplayPath(options.output))
                                         .arg(left)
                                         .arg(left == 1 ? QStringLiteral("triangle (only one is left)")
                                                        : QStringLiteral("triangles"))
                                         .arg(result->GetNumberOfPoints());
    return outcome;
}
