#include "CliSupport.h"
#include "DeviationColouring.h"
#include "Commands.h"
#include "ModelFiles.h"
#include "Progress.h"

#include "io/FilePaths.h"
#include "reduce/Reducer.h"
#include "measure/SurfaceDeviation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QTextStream>

#include <algorithm>
#include <atomic>
#include <new>
#include <optional>

CommandOutcome RunLevels(const CliOptions &options, const QString &path, Progress &progress)
{
    QElapsedTimer totalClock;
    totalClock.start();
    const InputModel input = LoadInput(path, progress);
    const QJsonObject inputJson = InputJson(path, input);
    if (!input.model)
        return {ExitUnreadableInput, input.failure, {{QStringLiteral("input"), inputJson}}, {}};
    const auto failed = [&inputJson](const QString &failure) {
        return CommandOutcome{ExitOutputNotWritten, failure, {{QStringLiteral("input"), inputJson}}, {}};
    };

    const lumeno::ReductionEngine engine = options.engine.value_or(lumeno::DefaultEngine);
    const QFileInfo inputFile(path);
    const QString format = options.format.isEmpty() ? inputFile.suffix().toLower() : options.format;
    const QDir folder(options.outputFolder);
    // All but the last suffix is part of the name: part.v1.stl and part.v2.stl keep apart.
    const auto levelFile = [&](int percent) {
        return folder.filePath(QStringLiteral("%1_%2.%3").arg(inputFile.completeBaseName()).arg(percent).arg(format));
    };

    const QString noFolder = MakeFolder(options.outputFolder);
    if (!noFolder.isEmpty())
        return failed(noFolder);
    for (const lumeno::DecimationLevel &level : lumeno::DecimationLevels) {
        const QString problem = OutputProblem(levelFile(level.percent), path);
        if (!problem.isEmpty())
            return failed(problem);
    }

    const lumeno::ModelWriteOptions writeOptions = WriteOptionsOf(input, options);
    QJsonArray outputs;
    QStringList warnings;
    std::optional<lumeno::PointAttributes> carried; // by the first level written
    QString failure;
    QElapsedTimer measureClock;
    measureClock.start();
    std::optional<lumeno::DeviationMeter> meter;
    if (options.measure || options.deviationColours)
        meter.emplace(input.model);
    const bool deviationColoured = options.deviationColours && KeepsDeviationColours(format);
    double measureSeconds = SecondsSince(measureClock);
    double cascadeSeconds = 0.0;
    double writeSeconds = 0.0;
    QElapsedTimer stepClock;

    const auto nothingLeft = [&](int step) {
        return QStringLiteral("%1 was not written: reducing %2 to %3% leaves no triangle.")
            .arg(levelFile(lumeno::DecimationLevels[step].percent), path)
            .arg(lumeno::DecimationLevels[step].percent);
    };

    lumeno::ReductionControl control;
    // Of all nine; told by the reducer's threads and by the level receiver.
    std::atomic<double> levelsDone = 0.0;
    const auto advance = [&](double fraction) {
        levelsDone = std::max(levelsDone.load(), fraction);
        progress.Advance(levelsDone);
    };
    control.progress = advance;
    control.cancelled = [&failure] { return !failure.isEmpty(); };
    const std::unique_ptr<lumeno::Reducer> reducer = lumeno::MakeReducer(engine);
    lumeno::LevelReceiver receiver;
    // The quality engine computes the levels in parallel: a step's time is how long its level was waited for.
    receiver.starting = [&](int step) {
        progress.Begin(QString::fromUtf8(lumeno::DecimationLevels[step].statusText), levelsDone);
        stepClock.start();
    };
    receiver.ready = [&](int step, const vtkSmartPointer<vtkPolyData> &model) {
        const double stepSeconds = SecondsSince(stepClock);
        cascadeSeconds += stepSeconds;
        const lumeno::DecimationLevel &level = lumeno::DecimationLevels[step];
        const QString file = levelFile(level.percent);
        if (model->GetNumberOfPolys() == 0) {
            failure = nothingLeft(step);
            return;
        }
        // Measured before the writing, which the deviation colours need.
        lumeno::SurfaceDeviation deviation;
        vtkSmartPointer<vtkPolyData> written = model;
        if (meter) {
            measureClock.start();
            if (options.measure)
                deviation = meter->Measure(model);
            if (deviationColoured)
                written = WithDeviationColours(model, *meter, deviation, *options.deviationColours);
            measureSeconds += SecondsSince(measureClock);
        }
        progress.Begin(QStringLiteral("Writing %1").arg(QFileInfo(file).fileName()), levelsDone);
        QElapsedTimer writeClock;
        writeClock.start();
        failure = WriteOutput(written, file, writeOptions);
        if (!failure.isEmpty())
            return;
        const double levelWriteSeconds = SecondsSince(writeClock);
        writeSeconds += levelWriteSeconds;
        // An engine that tells no progress of its own still moves the bar level by level.
        advance(double(step + 1) / lumeno::LevelCount);
        if (!carried)
            carried = lumeno::AttributesOf(model);
        const vtkIdType inputTriangles = input.model->GetNumberOfPolys();
        const double keptPercent = lumeno::KeptPercent(inputTriangles, model->GetNumberOfPolys());
        // Of the triangles the reduction could keep: those it left out are told apart.
        const vtkIdType asked =
            lumeno::AskedTriangles(inputTriangles - vtkIdType(reducer->LeftOut().Total()), level.percent);
        const QString shareWarning = KeptShareWarning(file, path, asked, model->GetNumberOfPolys());
        if (!shareWarning.isEmpty())
            warnings << shareWarning;
        QJsonObject entry = OutputJson(file, model, writeOptions);
        entry.insert(QStringLiteral("percent"), level.percent);
        entry.insert(QStringLiteral("keptPercent"), keptPercent);
        entry.insert(QStringLiteral("askedTriangles"), qint64(asked));
        entry.insert(QStringLiteral("shareReached"), shareWarning.isEmpty());
        if (options.measure)
            entry.insert(QStringLiteral("deviation"), DeviationJson(deviation));
        if (options.deviationColours)
            entry.insert(QStringLiteral("deviationColours"), deviationColoured);
        entry.insert(QStringLiteral("seconds"), QJsonObject{{QStringLiteral("reduce"), stepSeconds},
                                                            {QStringLiteral("write"), levelWriteSeconds}});
        outputs.append(entry);
    };
    int made = 0;
    try {
        made = reducer->MakeLevels(input.model, receiver, control);
    } catch (const std::bad_alloc &) {
        // The levels written so far stay.
        const int percent = lumeno::DecimationLevels[std::min<size_t>(outputs.size(), lumeno::LevelCount - 1)].percent;
        failure = QStringLiteral("%1 was not written: %2")
                      .arg(levelFile(percent), NotEnoughMemoryText(QStringLiteral("reducing %1 to %2%").arg(path).arg(percent)));
    }
    progress.Clear();
    if (!failure.isEmpty())
        return failed(failure);
    // The quality engine hands over no level at all when nothing would be left of it.
    if (made < lumeno::LevelCount && engine == lumeno::ReductionEngine::Quality)
        return failed(nothingLeft(made));
    if (made < lumeno::LevelCount)
        return failed(QStringLiteral("%1 was not written: %2 could not be reduced (out of memory, or the filter "
                                     "gave a broken model).")
                          .arg(levelFile(lumeno::DecimationLevels[made].percent), path));

    CommandOutcome outcome;
    // One line for all nine files.
    const QString notSaved =
        NotSavedWarning(carried.value_or(lumeno::PointAttributes()),
                        folder.filePath(QStringLiteral("%1_*.%2").arg(inputFile.completeBaseName(), format)), format);
    outcome.warnings = input.warnings + (notSaved.isEmpty() ? QStringList() : QStringList(notSaved));
    const QString lookNotSaved = LookNotSavedWarning(
        input.model, writeOptions, folder.filePath(QStringLiteral("%1_*.%2").arg(inputFile.completeBaseName(), format)),
        format);
    if (!lookNotSaved.isEmpty())
        outcome.warnings << lookNotSaved;
    if (options.deviationColours && !deviationColoured)
        outcome.warnings << DeviationColoursWarning(
            folder.filePath(QStringLiteral("%1_*.%2").arg(inputFile.completeBaseName(), format)), format);
    const QString leftOutWarning = LeftOutWarning(path, reducer->LeftOut());
    if (!leftOutWarning.isEmpty())
        outcome.warnings << leftOutWarning;
    const QString relaxedWarning = RelaxedGuardsWarning(path, reducer->RelaxedGuards());
    if (!relaxedWarning.isEmpty())
        outcome.warnings << relaxedWarning;
    outcome.warnings += warnings;
    QJsonObject seconds{{QStringLiteral("load"), input.loadSeconds},
                        {QStringLiteral("reduce"), cascadeSeconds},
                        {QStringLiteral("write"), writeSeconds},
                        {QStringLiteral("total"), SecondsSince(totalClock)}};
    if (meter)
        seconds.insert(QStringLiteral("measure"), measureSeconds);
    outcome.report = {
        {QStringLiteral("input"), inputJson},
        {QStringLiteral("engine"), lumeno::EngineKey(engine)},
        {QStringLiteral("format"), format},
        {QStringLiteral("outputs"), outputs},
        {QStringLiteral("seconds"), seconds},
        {QStringLiteral("trianglesLeftOut"), LeftOutJson(reducer->LeftOut())},
        {QStringLiteral("relaxedGuards"), reducer->RelaxedGuards()},
    };

    QTextStream text(&outcome.summary);
    text << QStringLiteral("%1: %2 triangles, %3 vertices\n")
                .arg(lumeno::DisplayPath(path))
                .arg(input.model->GetNumberOfPolys())
                .arg(input.model->GetNumberOfPoints());
    for (const QJsonValue &level : outputs)
        text << QStringLiteral("  %1%  %2 triangles  %3 vertices  %4\n")
                    .arg(level[QLatin1String("percent")].toInt(), 3)
                    .arg(level[QLatin1String("triangles")].toVariant().toLongLong(), 10)
                    .arg(level[QLatin1String("vertices")].toVariant().toLongLong(), 10)
                    .arg(lumeno::DisplayPath(level[QLatin1String("file")].toString()));
    text << QStringLiteral("Cascade %1 s, writing %2 s\n").arg(cascadeSeconds, 0, 'f', 2).arg(writeSeconds, 0, 'f', 2);
    return outcome;
}
