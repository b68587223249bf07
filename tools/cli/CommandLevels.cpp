#include "BatchJobs.h"
#include "CliSupport.h"
#include "DeviationColouring.h"
#include "Commands.h"
#include "ModelFiles.h"
#include "OutputFiles.h"
#include "Progress.h"

#include "io/FilePaths.h"
#include "reduce/Reducer.h"
#include "measure/SurfaceDeviation.h"

#include <vtkCellArray.h>
#include <vtkPoints.h>

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
    const InputModel input = LoadInput(path, progress, MemoryCheck::First);
    const QJsonObject inputJson = InputJson(path, input);
    if (!input.model)
        return {ExitUnreadableInput, input.failure, {{QStringLiteral("input"), inputJson}}, {}};
    const auto failed = [&inputJson](const QString &failure) {
        return CommandOutcome{ExitOutputNotWritten, failure, {{QStringLiteral("input"), inputJson}}, {}};
    };

    const lumeno::ReductionEngine engine = options.engine.value_or(lumeno::DefaultEngine);
    const QFileInfo inputFile(path);
    // With --lod-glb alone, the levels go into that one file.
    const bool writesLevelFiles = !options.outputFolder.isEmpty();
    const QString format = !writesLevelFiles           ? QStringLiteral("glb")
                           : options.format.isEmpty() ? inputFile.suffix().toLower()
                                                      : options.format;
    const auto levelFile = [&](int percent) {
        return writesLevelFiles ? LevelFileOf(options, path, percent) : options.lodGlb;
    };

    if (writesLevelFiles) {
        const QString noFolder = MakeFolder(options.outputFolder);
        if (!noFolder.isEmpty())
            return failed(noFolder);
        for (const lumeno::DecimationLevel &level : lumeno::DecimationLevels) {
            const QString problem = OutputProblem(levelFile(level.percent), path);
            if (!problem.isEmpty())
                return failed(problem);
        }
    }
    if (!options.lodGlb.isEmpty()) {
        const QString noFolder = MakeFolder(QFileInfo(options.lodGlb).absolutePath());
        const QString problem = noFolder.isEmpty() ? OutputProblem(options.lodGlb, path) : noFolder;
        if (!problem.isEmpty())
            return failed(problem);
    }
    // The levels and their deviations, kept for the LOD file.
    std::vector<vtkSmartPointer<vtkPolyData>> levelModels(lumeno::LevelCount);
    std::vector<lumeno::SurfaceDeviation> levelDeviations(lumeno::LevelCount);

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
    // The LOD file holds the levels without them.
    const bool deviationColoured = options.deviationColours && writesLevelFiles && KeepsDeviationColours(format);
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
    const vtkIdType inputTriangles = input.model->GetNumberOfPolys();
    const vtkIdType inputPoints = input.model->GetNumberOfPoints();
    // Unmeasured and without a LOD file, nothing here needs the model's points and cells once
    // the reducer has read them (its point and cell data stay for the warnings below).
    if (!meter && options.lodGlb.isEmpty())
        control.modelRead = [&input] {
            input.model->SetPoints(vtkSmartPointer<vtkPoints>::New());
            input.model->SetPolys(vtkSmartPointer<vtkCellArray>::New());
        };
    const std::unique_ptr<lumeno::Reducer> reducer = MakeCliReducer(engine, options.engineThreads);
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
        levelDeviations[size_t(step)] = deviation;
        double levelWriteSeconds = 0.0;
        if (writesLevelFiles) {
            progress.Begin(QStringLiteral("Writing %1").arg(QFileInfo(file).fileName()), levelsDone);
            QElapsedTimer writeClock;
            writeClock.start();
            failure = WriteOutput(written, file, writeOptions);
            if (!failure.isEmpty())
                return;
            levelWriteSeconds = SecondsSince(writeClock);
            writeSeconds += levelWriteSeconds;
        }
        if (!options.lodGlb.isEmpty())
            levelModels[size_t(step)] = model;
        // An engine that tells no progress of its own still moves the bar level by level.
        advance(double(step + 1) / lumeno::LevelCount);
        if (!carried)
            carried = lumeno::AttributesOf(model);
        const double keptPercent = lumeno::KeptPercent(inputTriangles, model->GetNumberOfPolys());
        // Of the triangles the reduction could keep: those it left out are told apart.
        const vtkIdType asked =
            lumeno::AskedTriangles(inputTriangles - vtkIdType(reducer->LeftOut().Total()), level.percent);
        const QString shareWarning = KeptShareWarning(file, path, asked, model->GetNumberOfPolys());
        if (!shareWarning.isEmpty())
            warnings << shareWarning;
        QJsonObject entry = writesLevelFiles ? OutputJson(file, model, writeOptions) : Counts(model);
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

    QJsonObject lodJson;
    if (!options.lodGlb.isEmpty()) {
        progress.Begin(QStringLiteral("Writing %1").arg(QFileInfo(options.lodGlb).fileName()), 1.0);
        QElapsedTimer writeClock;
        writeClock.start();
        std::vector<lumeno::LodLevel> chain;
        for (int step = 0; step < lumeno::LevelCount; ++step)
            chain.push_back({levelModels[size_t(step)], lumeno::DecimationLevels[step].percent,
                             levelDeviations[size_t(step)].maximum, levelDeviations[size_t(step)].mean});
        QString notWritten;
        try {
            notWritten = WriteLodOutput(input.model, chain, options.lodGlb, writeOptions);
        } catch (const std::bad_alloc &) {
            notWritten = QStringLiteral("%1 was not written: %2")
                             .arg(options.lodGlb, NotEnoughMemoryText(QStringLiteral("writing it")));
        }
        progress.Clear();
        if (!notWritten.isEmpty())
            return failed(notWritten);
        const double lodSeconds = SecondsSince(writeClock);
        writeSeconds += lodSeconds;
        lodJson = OutputJson(options.lodGlb, input.model, writeOptions);
        lodJson.insert(QStringLiteral("levels"), lumeno::LevelCount);
        lodJson.insert(QStringLiteral("seconds"), QJsonObject{{QStringLiteral("write"), lodSeconds}});
    }

    CommandOutcome outcome;
    // One line for all nine files (or the LOD file).
    const QString filesWritten = writesLevelFiles ? LevelFilesPattern(options, path) : options.lodGlb;
    const QString notSaved = NotSavedWarning(carried.value_or(lumeno::PointAttributes()), filesWritten, format);
    outcome.warnings = input.warnings + (notSaved.isEmpty() ? QStringList() : QStringList(notSaved));
    const QString lookNotSaved = LookNotSavedWarning(input.model, writeOptions, filesWritten, format);
    if (!lookNotSaved.isEmpty())
        outcome.warnings << lookNotSaved;
    if (options.deviationColours && !deviationColoured)
        outcome.warnings << DeviationColoursWarning(filesWritten, format);
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
    if (!lodJson.isEmpty())
        outcome.report.insert(QStringLiteral("lodGlb"), lodJson);

    QTextStream text(&outcome.summary);
    text << QStringLiteral("%1: %2 triangles, %3 vertices\n")
                .arg(lumeno::DisplayPath(path))
                .arg(inputTriangles)
                .arg(inputPoints);
    for (const QJsonValue &level : outputs)
        text << QStringLiteral("  %1%  %2 triangles  %3 vertices  %4\n")
                    .arg(level[QLatin1String("percent")].toInt(), 3)
                    .arg(level[QLatin1String("triangles")].toVariant().toLongLong(), 10)
                    .arg(level[QLatin1String("vertices")].toVariant().toLongLong(), 10)
                    .arg(lumeno::DisplayPath(level[QLatin1String("file")].toString(options.lodGlb)));
    if (!lodJson.isEmpty())
        text << QStringLiteral("The levels as levels of detail in one file: %1 (%2 bytes)\n")
                    .arg(lumeno::DisplayPath(options.lodGlb))
                    .arg(lodJson[QLatin1String("fileSize")].toVariant().toLongLong());
    text << QStringLiteral("Cascade %1 s, writing %2 s\n").arg(cascadeSeconds, 0, 'f', 2).arg(writeSeconds, 0, 'f', 2);
    return outcome;
}
