#include "ModelDocument.h"

#include "DocumentFileWork.h"
#include "MeshWorker.h"
#include "PrepareForDrawing.h"
#include "io/FilePaths.h"
#include "io/read/MemoryNeed.h"
#include "io/write/LodGlbWriter.h"
#include "io/write/ModelWriter.h"
#include "reduce/KeptShare.h"
#include "model/ModelTransform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <vtkTransform.h>

#include <algorithm>
#include <climits>
#include <new>
#include <utility>

namespace {

// What the reader's observer updates while a file is read.
// Which of the nine levels is made, not its share: the progress bar beside it gives a
// percentage of its own.
QString StepStatus(int step, bool newEngine)
{
    return newEngine ? ModelDocument::tr("Making the levels again with the engine chosen: %1 of %2...")
                           .arg(step + 1)
                           .arg(lumeno::LevelCount)
                     : ModelDocument::tr("Making the levels: %1 of %2...").arg(step + 1).arg(lumeno::LevelCount);
}

} // namespace

// What a read hands over; the reading thread holds it as long as the document.
struct ModelDocument::ReadJob
{
    lumeno::ReadResult result;
    std::shared_ptr<const LookForDrawing> drawingLook;
    std::shared_ptr<std::atomic<int>> percent = std::make_shared<std::atomic<int>>(0);
    std::shared_ptr<std::atomic<bool>> cancelled = std::make_shared<std::atomic<bool>>(false);
    int number = 0;
    lumeno::MemoryNeed need; // of the file, estimated before it is read
    qint64 drawLimit = 0;    // the views draw proxies of models above it; 0 for none
};

ModelDocument::ModelDocument(lumeno::ReductionEngine startEngine, QObject *parent)
    : ModelDocument(startEngine, lumeno::MakeReducer, parent)
{
}

ModelDocument::ModelDocument(lumeno::ReductionEngine startEngine,
                             lumeno::ReducerMaker makeReducer,
                             QObject *parent)
    : QObject(parent), engine(startEngine)
{
    qRegisterMetaType<ModelDocument::Result>();
    worker = new MeshWorker(std::move(makeReducer));
    worker->moveToThread(&meshThread);
    connect(worker, &MeshWorker::StepStarted, this, &ModelDocument::OnStepStarted);
    connect(worker, &MeshWorker::Progress, this, &ModelDocument::OnProgress);
    connect(worker, &MeshWorker::LevelReady, this, &ModelDocument::OnLevelReady);
    connect(worker, &MeshWorker::Finished, this, &ModelDocument::OnJobFinished);
    connect(worker, &MeshWorker::OutOfMemory, this, &ModelDocument::OnJobOutOfMemory);
    connect(worker, &MeshWorker::GuardsRelaxed, this, [this](int jobDone) {
        if (jobDone == jobNumber)
            jobRelaxedGuards = true;
    });
    connect(worker, &MeshWorker::PictureReady, this, &ModelDocument::OnPictureReady);
    meshThread.setObjectName(QStringLiteral("mesh worker"));
    meshThread.start();

    readProgressTimer.setInterval(100);
    connect(&readProgressTimer, &QTimer::timeout, this, [this] {
        if (reading && readPercent && job == Job::None)
            emit Progress(*readPercent);
    });
}

bool ModelDocument::event(QEvent *event)
{
    if (event->type() == QEvent::MetaCall)
        worker->AcceptHandOver();
    return QObject::event(event);
}

ModelDocument::~ModelDocument()
{
    DropRead();
    for (const QPointer<QThread> &thread : fileThreads)
        if (thread)
            thread->wait();
    // A cancelled operation stops within a moment; what it leaves behind is dropped unseen.
    worker->CancelThrough(INT_MAX);
    meshThread.quit();
    meshThread.wait();
    delete worker; // its thread has ended: no event of it can run any more
}

QString ModelDocument::Status() const
{
    // A file being read has the status until it is read; a job of the current model goes on meanwhile.
    const QString work = reading ? tr("Opening file...") : job != Job::None ? jobStatus : idleStatus;
    if (saveStatus.isEmpty() || work.isEmpty())
        return saveStatus + work;
    return saveStatus + QStringLiteral(" \u00b7 ") + work;
}

void ModelDocument::Open(const QString &path)
{
    DropRead(); // the newest request wins over a file still being read
    saveStatus.clear();
    const int number = readNumber;
    if (!lumeno::PathExists(path)) {
        lumeno::ReadResult missing;
        missing.failure = lumeno::ReadFailure::Missing;
        emit StateChanged();
        emit OpenFailed(path, missing);
        return;
    }
    auto read = std::make_shared<ReadJob>();
    read->number = number;
    readPercent = read->percent;
    readCancelled = read->cancelled;
    reading = true;
    const QString suffix = QFileInfo(path).suffix().toLower();
    KeepFileThread(RunFileWork(
        this,
        [read, path, suffix, proxiesAbove = proxiesAbove, available = AvailableMemory()] {
            try {
                // A model that would not fit is refused before it is read, not half way; one
                // whose drawing in full would not fit is drawn as a proxy.
                read->need = lumeno::EstimatedMemoryNeed(path);
                if (proxiesAbove > 0)
                    read->drawLimit = proxiesAbove;
                else if (!lumeno::DrawsInFull(read->need, available))
                    read->drawLimit = lumeno::ProxyTriangles;
                read->result = lumeno::RefusalForMemory(read->need, available, lumeno::MemoryUse::Window);
                if (read->result.failure == lumeno::ReadFailure::None)
                    read->result = lumeno::ReadModel(path, suffix, [&read](double done) {
                        *read->percent = static_cast<int>(done * 100.0);
                        return !*read->cancelled;
                    });
                if (read->result.model)
                    PrepareForDrawing(read->result.model, read->drawLimit);
                read->drawingLook = PrepareLookForDrawing(read->result.look, GivesLinearColours(suffix));
            } catch (const std::bad_alloc &) {
                read->result = {};
                read->result.failure = lumeno::ReadFailure::OutOfMemory;
            }
        },
        [this, read, path] { FinishOpen(*read, path); }));
    readProgressTimer.start();
    emit Progress(0);
    emit StateChanged();
}

void ModelDocument::DropRead()
{
    ++readNumber;
    reading = false;
    readProgressTimer.stop();
    if (readCancelled)
        *readCancelled = true;
}

void ModelDocument::KeepFileThread(QThread *thread)
{
    fileThreads.erase(std::remove(fileThreads.begin(), fileThreads.end(), nullptr), fileThreads.end());
    fileThreads.emplace_back(thread);
}

void ModelDocument::FinishOpen(const ReadJob &read, const QString &path)
{
    if (read.number != readNumber || !reading)
        return; // cancelled, or another file asked for meanwhile
    reading = false;
    readProgressTimer.stop();
    if (read.result.failure != lumeno::ReadFailure::None) {
        emit StateChanged();
        emit OpenFailed(path, read.result);
        return;
    }
    Clear();
    loaded = read.result.model;
    memoryNeed = read.need;
    drawLimit = read.drawLimit;
    worker->SetDrawLimit(drawLimit);
    look = read.result.look;
    drawingLook = read.drawingLook;
    filePath = QFileInfo(path).absoluteFilePath();
    format = QFileInfo(path).suffix().toLower();
    QStringList notes;
    if (read.result.untriangulatedPolygons > 0)
        notes << tr("%1 polygons without area could not be made into triangles and were left out.")
                     .arg(read.result.untriangulatedPolygons);
    notes << lumeno::ReadNotes(read.result);
    if (drawingLook && !drawingLook->texturesNotShown.isEmpty())
        notes << tr("%n textures could not be read as images: %1. Their materials are drawn in their plain colour.",
                    nullptr, int(drawingLook->texturesNotShown.size()))
                     .arg(drawingLook->texturesNotShown.join(QStringLiteral(", ")));
    readNote = notes.join(QLatin1Char(' '));
    materialsLeftOut = read.result.materialsNotKept;
    partsMerged = look && look->HasParts() ? 0 : read.result.partsMerged; // kept parts are no loss
    shown = {loaded, QStringLiteral("100%"), {}};
    emit ModelOpened();
    StartLevels(LevelsRun::NewModel);
}

void ModelDocument::Close()
{
    StopWork();
    Clear();
    emit ModelClosed();
    emit StateChanged();
}

void ModelDocument::Clear()
{
    CancelJob();
    worker->ForgetReference();
    loaded = nullptr;
    look.reset();
    drawingLook.reset();
    filePath.clear();
    format.clear();
    readNote.clear();
    materialsLeftOut = false;
    partsMerged = 0;
    memoryNeed = {};
    drawLimit = 0;
    saveStatus.clear();
    levels.fill({});
    shown = {};
    transform = {};
    idleStatus.clear();
    pictures.clear();
    picturesAsked.clear();
}

void ModelDocument::StartLevels(LevelsRun run)
{
    if (run != LevelsRun::Missing)
        levels.fill({});
    levelsRun = run;
    if (!BeginJob(Job::Levels, StepStatus(0, run == LevelsRun::NewEngine)))
        return;
    worker->StartCascade(jobNumber, CopyOf(loaded), engine);
}

bool ModelDocument::LevelsMissing() const
{
    return loaded && job == Job::None && !reading &&
           std::any_of(levels.begin(), levels.end(), [](const Level &level) { return !level.model; });
}

bool ModelDocument::MakeMissingLevels()
{
    if (!LevelsMissing())
        return false;
    StartLevels(LevelsRun::Missing);
    return true;
}

SaveLoss ModelDocument::SavingLoses(const QString &suffix, bool mergeParts) const
{
    return ::SavingLoses(shown.model ? shown.model : loaded, suffix, materialsLeftOut, partsMerged, look.get(),
                         mergeParts);
}

QString ModelDocument::LengthUnit() const
{
    // The 3MF reader converts every unit a file may give into millimetres.
    return format == QLatin1String("3mf") ? QStringLiteral("mm") : QString();
}

void ModelDocument::SetEngine(lumeno::ReductionEngine newEngine)
{
    if (newEngine == engine)
        return;
    engine = newEngine;
    if (!loaded)
        return;
    CancelJob();
    StartLevels(LevelsRun::NewEngine);
}

vtkSmartPointer<vtkPolyData> ModelDocument::CopyOf(vtkPolyData *model) const
{
    // The worker gets an object of its own (sharing the arrays) and reads it only.
    auto copy = vtkSmartPointer<vtkPolyData>::New();
    copy->ShallowCopy(model);
    return copy;
}

qint64 ModelDocument::AvailableMemory() const
{
    return assumedMemory >= 0 ? assumedMemory : lumeno::AvailableMemory();
}

bool ModelDocument::RoomForJob()
{
    if (drawLimit == 0 || lumeno::FitsInMemory(memoryNeed, AvailableMemory()))
        return true;
    OnJobOutOfMemory(jobNumber);
    return false;
}

bool ModelDocument::BeginJob(Job kind, const QString &status)
{
    if (job != Job::None || !loaded)
        return false;
    job = kind;
    ++jobNumber;
    jobRelaxedGuards = false;
    jobStatus = status;
    if (!saving)
        saveStatus.clear(); // a save is told until the next operation: this one
    emit Progress(0);
    emit StateChanged();
    return true;
}

void ModelDocument::EndJob(const QString &outcome)
{
    job = Job::None;
    idleStatus = outcome;
    emit StateChanged();
}

void ModelDocument::CancelJob()
{
    if (job == Job::None)
        return;
    worker->CancelThrough(jobNumber);
    EndJob(QString());
    emit JobEnded();
}

void ModelDocument::Cancel()
{
    if (reading) {
        DropRead();
        if (job == Job::None)
            idleStatus = loaded ? tr("Opening cancelled. The right view still shows %1.").arg(shown.label)
                                : tr("Opening cancelled.");
        emit StateChanged();
    } else if (job != Job::None) {
        const bool levelsStopped = job == Job::Levels;
        CancelJob();
        SetCancelledStatus(false);
        if (levelsStopped) {
            idleStatus += QLatin1Char(' ') + tr("The button of a level not made makes the missing levels.");
            emit StateChanged();
        }
    }
}

void ModelDocument::StopWork()
{
    if (reading) {
        DropRead();
        emit StateChanged();
    }
    CancelJob();
}

void ModelDocument::SetCancelledStatus(bool replaced)
{
    idleStatus = (replaced ? tr("Cancelled. The right view now shows %1.")
                           : tr("Cancelled. The right view still shows %1."))
                     .arg(shown.label);
    emit StateChanged();
}

bool ModelDocument::CancelReplacedJob()
{
    if (job == Job::None || job == Job::Levels)
        return false;
    CancelJob();
    return true;
}

void ModelDocument::SetShown(const Result &result)
{
    shown = result;
    DropUnshownPictures();
    AskShownPicture();
    emit ShownChanged();
}

void ModelDocument::SetShowDeviation(bool on)
{
    if (on == showDeviation)
        return;
    showDeviation = on;
    worker->SetPicturing(on);
    // Pictures take memory in proportion to the model: none is kept while off.
    pictures.clear();
    picturesAsked.clear();
    AskShownPicture();
    emit ShownPictureChanged();
}

SharedDeviationPicture ModelDocument::ShownPicture() const
{
    const auto found = showDeviation && shown.model ? pictures.find(shown.model.Get()) : pictures.end();
    return found != pictures.end() ? found->second : nullptr;
}

void ModelDocument::AskShownPicture()
{
    vtkPolyData *model = shown.model;
    if (!showDeviation || !model || pictures.count(model) || picturesAsked.count(model))
        return;
    picturesAsked.insert(model);
    worker->StartPicture(shown.model, CopyOf(loaded), shown.deviation);
}

void ModelDocument::DropUnshownPictures()
{
    for (auto picture = pictures.begin(); picture != pictures.end();) {
        const bool kept = picture->first == shown.model.Get() ||
                          std::any_of(levels.begin(), levels.end(),
                                      [&](const Level &level) { return level.model.Get() == picture->first; });
        picture = kept ? std::next(picture) : pictures.erase(picture);
    }
}

void ModelDocument::OnPictureReady(vtkSmartPointer<vtkPolyData> model, SharedDeviationPicture picture)
{
    picturesAsked.erase(model.Get());
    if (!showDeviation || !picture) // none can be made: the view stays as it is
        return;
    pictures[model.Get()] = picture;
    if (model == shown.model)
        emit ShownPictureChanged();
}

void ModelDocument::ShowLevel(int percent)
{
    if (!loaded || percent < 10 || percent > 100 || percent % 10 != 0)
        return;
    const Result result = percent == 100
                              ? Result{loaded, QStringLiteral("100%"), {}}
                              : Result{LevelOf(percent).model, QStringLiteral("%1%").arg(percent),
                                       LevelOf(percent).deviation};
    if (!result.model)
        return;
    RestoreResult(result);
}

void ModelDocument::RestoreResult(const Result &result)
{
    if (!result.model)
        return;
    const bool replaced = CancelReplacedJob();
    SetShown(result);
    if (replaced)
        SetCancelledStatus(true);
}

void ModelDocument::ReduceToShare(double percent)
{
    const QString share = QLocale().toString(percent, 'g', 6);
    if (!BeginJob(Job::Reduction, tr("Decimating %1%...").arg(share)) || !RoomForJob())
        return;
    jobLabel = share + QLatin1Char('%');
    jobKeepPercent = percent;
    worker->StartReduction(jobNumber, CopyOf(loaded), (100.0 - percent) / 100.0, engine);
}

void ModelDocument::ReduceWithinError(double maxError)
{
    const QString bound = QLocale().toString(maxError, 'g', 6);
    if (!BeginJob(Job::ErrorReduction, tr("Decimating to error bound %1...").arg(bound)) || !RoomForJob())
        return;
    // The bound is a share of the bounding box diagonal; the label gives it in percent, as the
    // deviation measured under it is given.
    jobLabel = QStringLiteral("\u2264") + QLocale().toString(maxError * 100.0, 'g', 6) + QLatin1Char('%');
    worker->StartErrorReduction(jobNumber, CopyOf(loaded), maxError, engine);
}

void ModelDocument::Smooth()
{
    if (!shown.model || shown.model->GetNumberOfPoints() == 0 || !BeginJob(Job::Smoothing, tr("Smoothing...")) ||
        !RoomForJob())
        return;
    jobLabel = shown.label; // the smoothed model keeps the label of the one it came from
    worker->StartSmoothing(jobNumber, CopyOf(shown.model), CopyOf(loaded));
}

void ModelDocument::SetTransform(const TransformState &state)
{
    if (state == transform)
        return;
    transform = state;
    emit TransformChanged();
}

void ModelDocument::RestoreTransform(const TransformState &state)
{
    SetTransform(state);
    emit TransformRestored();
}

bool ModelDocument::Save(const QString &path, bool mergeParts)
{
    if (!loaded || saving)
        return false;
    const QString suffix = QFileInfo(path).suffix();
    // The writing thread gets an object of its own, sharing the shown model's arrays.
    vtkSmartPointer<vtkPolyData> model = CopyOf(shown.model ? shown.model : loaded);
    // Said once the file is written: what the format cannot hold.
    QStringList notSavedTexts{lumeno::AttributesNotSavedText(lumeno::AttributesNotSaved(model, suffix), suffix),
                              lumeno::LookNotSavedText(lumeno::LookSaved(model, look.get(), suffix, mergeParts).dropped,
                                                       suffix)};
    notSavedTexts.removeAll(QString());
    if (notSavedTexts.size() == 2)
        notSavedTexts[1] = notSavedTexts[1].left(1).toUpper() + notSavedTexts[1].mid(1);
    const QString notSaved = notSavedTexts.join(QLatin1Char(' '));
    vtkSmartPointer<vtkTransform> modelTransform;
    if (transform.applied && lumeno::IsModelSuffix(suffix))
        modelTransform = lumeno::MakeModelTransform(transform.scale.data(), transform.rotation.data());
    const lumeno::ModelWriteOptions options{look, lumeno::ModelWriteOptions::Textures::Copy, mergeParts};
    RunSave(path, notSaved, [model, modelTransform, path, suffix, options] {
        return lumeno::WriteModelFile(modelTransform ? lumeno::TransformModel(model, modelTransform) : model, path,
                                      suffix, options);
    });
    return true;
}

bool ModelDocument::AllLevelsMade() const
{
    return loaded && std::all_of(levels.begin(), levels.end(), [](const Level &level) { return level.model; });
}

bool ModelDocument::SaveLevelsAsOneFile(const QString &path, bool mergeParts)
{
    if (saving || !AllLevelsMade())
        return false;
    // The writing thread gets objects of its own, sharing the models' arrays.
    vtkSmartPointer<vtkTransform> modelTransform;
    if (transform.applied)
        modelTransform = lumeno::MakeModelTransform(transform.scale.data(), transform.rotation.data());
    vtkSmartPointer<vtkPolyData> model = CopyOf(loaded);
    std::vector<vtkSmartPointer<vtkPolyData>> levelModels;
    std::vector<lumeno::SurfaceDeviation> deviations;
    for (const Level &level : levels) {
        levelModels.push_back(CopyOf(level.model));
        deviations.push_back(level.deviation);
    }
    const lumeno::ModelWriteOptions options{look, lumeno::ModelWriteOptions::Textures::Copy, mergeParts};
    RunSave(path, QString(), [model, levelModels, deviations, modelTransform, path, options] {
        const auto placed = [&modelTransform](vtkPolyData *levelModel) {
            return modelTransform ? lumeno::TransformModel(levelModel, modelTransform) : vtkSmartPointer<vtkPolyData>(levelModel);
        };
        std::vector<vtkSmartPointer<vtkPolyData>> written;
        std::vector<lumeno::LodLevel> chain;
        for (size_t step = 0; step < levelModels.size(); ++step) {
            written.push_back(placed(levelModels[step]));
            // Unmeasured (a level without triangles) is told as no deviation.
            chain.push_back({written.back(), lumeno::DecimationLevels[step].percent,
                             std::max(deviations[step].maximum, 0.0), std::max(deviations[step].mean, 0.0)});
        }
        return lumeno::WriteLodGlb(placed(model), chain, path, options);
    });
    return true;
}

void ModelDocument::RunSave(const QString &path, const QString &notSaved,
                            std::function<lumeno::ModelWriteResult()> write)
{
    const QString shownPath = lumeno::DisplayPath(QFileInfo(path).absoluteFilePath());
    saving = true;
    saveStatus = tr("Saving to %1...").arg(shownPath);
    if (job == Job::None)
        idleStatus.clear(); // the save is the operation told now
    emit StateChanged();
    auto result = std::make_shared<lumeno::ModelWriteResult>();
    KeepFileThread(RunFileWork(
        this,
        [result, write, path] {
            try {
                *result = write();
            } catch (const std::bad_alloc &) {
                *result = lumeno::NotEnoughMemoryToWrite(path);
            }
        },
        [this, result, path, notSaved, shownPath] {
            saving = false;
            // Told whatever ran meanwhile; a failed save is told in a message.
            if (result->written)
                saveStatus = notSaved.isEmpty() ? tr("Saved to %1").arg(shownPath)
                                                : tr("Saved to %1; %2").arg(shownPath, notSaved);
            else
                saveStatus.clear();
            emit StateChanged();
            emit SaveFinished(path, result->written, result->error);
        }));
}

void ModelDocument::OnStepStarted(int jobDone, int step)
{
    if (jobDone != jobNumber || job != Job::Levels)
        return;
    jobStatus = StepStatus(step, levelsRun == LevelsRun::NewEngine);
    emit StateChanged();
}

void ModelDocument::OnProgress(int jobDone, int percent)
{
    if (jobDone == jobNumber && job != Job::None)
        emit Progress(percent);
}

void ModelDocument::OnLevelReady(int jobDone, int step, vtkSmartPointer<vtkPolyData> level,
                                 lumeno::SurfaceDeviation deviation)
{
    if (jobDone != jobNumber || job != Job::Levels)
        return;
    const int percent = lumeno::DecimationLevels[size_t(step)].percent;
    levels[size_t(percent / 10 - 1)] = {level, deviation};
    emit LevelReady(percent);
}

// "Done", or, when the result's triangles are not the count asked (lumeno::ReachesAskedTriangles),
// how many it keeps: for the levels, the one farthest from its count.
QString ModelDocument::ShareOutcome(Job finished, vtkPolyData *result) const
{
    const vtkIdType loadedTriangles = loaded ? loaded->GetNumberOfPolys() : 0;
    const QLocale locale;
    if (finished == Job::Reduction && result) {
        const vtkIdType kept = result->GetNumberOfPolys();
        const vtkIdType asked = lumeno::AskedTriangles(loadedTriangles, jobKeepPercent);
        const QString percent = locale.toString(lumeno::KeptPercent(loadedTriangles, kept), 'g', 3);
        if (!lumeno::ReachesAskedTriangles(asked, kept))
            return (kept > asked ? tr("Done, but the model cannot be reduced that far: %1% of the triangles are kept, "
                                      "not the %2% asked.")
                                 : tr("Done, but %1% of the triangles are kept, fewer than the %2% asked."))
                .arg(percent, locale.toString(jobKeepPercent, 'g', 6));
    }
    if (finished == Job::Levels) {
        vtkIdType farthest = 0;
        QString text;
        for (const lumeno::DecimationLevel &level : lumeno::DecimationLevels) {
            vtkPolyData *model = LevelOf(level.percent).model;
            if (!model)
                continue;
            const vtkIdType kept = model->GetNumberOfPolys();
            const vtkIdType asked = lumeno::AskedTriangles(loadedTriangles, level.percent);
            const vtkIdType off = kept > asked ? kept - asked : asked - kept;
            if (lumeno::ReachesAskedTriangles(asked, kept) || off <= farthest)
                continue;
            farthest = off;
            const QString percent = locale.toString(lumeno::KeptPercent(loadedTriangles, kept), 'g', 3);
            text = (kept > asked ? tr("Done, but the model cannot be reduced that far: the %1% level keeps %2% of the "
                                      "triangles.")
                                 : tr("Done, but the %1% level keeps %2% of the triangles, fewer than asked."))
                       .arg(level.percent)
                       .arg(percent);
        }
        if (!text.isEmpty())
            return text;
    }
    return tr("Done");
}

QString ModelDocument::WithNote(const QString &outcome, const QString &note) const
{
    if (note.isEmpty())
        return outcome;
    return (outcome == tr("Done") ? tr("Done.") : outcome) + QLatin1Char(' ') + note;
}

void ModelDocument::OnJobFinished(int jobDone, vtkSmartPointer<vtkPolyData> result, lumeno::SurfaceDeviation deviation)
{
    if (jobDone != jobNumber || job == Job::None)
        return;
    const Job finished = job;
    QString outcome = ShareOutcome(finished, result);
    if (jobRelaxedGuards)
        outcome = WithNote(outcome, tr("To reach the triangle count, borders and texture seams were allowed to "
                                       "move off their lines."));
    if (finished == Job::Levels)
        outcome = WithNote(outcome, std::exchange(readNote, QString()));
    EndJob(outcome);
    switch (finished) {
    case Job::Levels:
        // The right view returns to the loaded model, whatever level was chosen meanwhile,
        // unless they were made again, for another engine or after a cancel.
        if (levelsRun == LevelsRun::NewModel)
            SetShown({loaded, QStringLiteral("100%"), {}});
        emit LevelsFinished();
        break;
    case Job::Reduction:
    case Job::ErrorReduction:
        // A run that gave no model leaves the right view as it was.
        if (result)
            SetShown({result, jobLabel, deviation});
        break;
    case Job::Smoothing:
        if (result) {
            const Result before = shown;
            SetShown({result, jobLabel, deviation});
            emit Smoothed(before, shown);
        }
        break;
    case Job::None:
        break;
    }
    emit JobEnded();
}

// What was there stays: the loaded model, the levels made so far and the result shown.
void ModelDocument::OnJobOutOfMemory(int jobDone)
{
    if (jobDone != jobNumber || job == Job::None)
        return;
    const Job stopped = job;
    QString outcome = tr("Not enough memory for this operation: the right view still shows %1.").arg(shown.label);
    if (stopped == Job::Levels) {
        const auto missing = std::find_if(lumeno::DecimationLevels.begin(), lumeno::DecimationLevels.end(),
                                          [this](const lumeno::DecimationLevel &level) {
                                              return !LevelOf(level.percent).model;
                                          });
        if (missing == lumeno::DecimationLevels.end()) { // every level was made all the same
            OnJobFinished(jobDone, nullptr, {});
            return;
        }
        outcome = tr("Not enough memory for the %1% level: the levels above it are kept.").arg(missing->percent);
        outcome = WithNote(outcome, std::exchange(readNote, QString()));
    }
    EndJob(outcome);
    emit JobEnded();
}
