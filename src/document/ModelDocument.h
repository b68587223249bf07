#pragma once

#include "DeviationPicture.h"
#include "LookForDrawing.h"
#include "SaveLoss.h"
#include "TransformState.h"
#include "io/read/ModelReader.h"
#include "io/write/ModelWriter.h"
#include "reduce/DecimationLevels.h"
#include "reduce/Reducer.h"
#include "reduce/ReductionEngine.h"
#include "measure/SurfaceDeviation.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <QTimer>

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <array>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

class MeshWorker;

// The open model and everything made of it: the file it was read from, its nine levels with
// their deviations, the result the right view shows, the transform, and the work running on
// it. Files are read and written on threads of their own, mesh operations one at a time on
// the worker's thread; every outcome comes back as a signal on the document's thread. The
// window presents it; the tests drive it without a display.
class ModelDocument : public QObject
{
    Q_OBJECT

public:
    enum class Job { None, Levels, Reduction, ErrorReduction, Smoothing };

    // A model the right view can show, with its label ("50%", "0.001") and how far it lies
    // from the loaded model.
    struct Result
    {
        vtkSmartPointer<vtkPolyData> model;
        QString label;
        lumeno::SurfaceDeviation deviation;
    };
    struct Level
    {
        vtkSmartPointer<vtkPolyData> model; // null until made
        lumeno::SurfaceDeviation deviation;
    };

    explicit ModelDocument(lumeno::ReductionEngine startEngine, QObject *parent = nullptr);
    // With reducers of the caller's making (tests give doubles).
    ModelDocument(lumeno::ReductionEngine startEngine, lumeno::ReducerMaker makeReducer,
                  QObject *parent = nullptr);
    ~ModelDocument() override;

    // Reads the file; ModelOpened or OpenFailed follows unless Cancel or another Open comes
    // first. The current model, its levels and its jobs stay until the new one has been read.
    void Open(const QString &path);
    void Close();
    // 100 shows the loaded model; a level not made yet changes nothing.
    void ShowLevel(int percent);
    // The operations below run one at a time and do nothing without a model or while
    // another runs; their result replaces the shown one when it arrives.
    void ReduceToShare(double percent);
    void ReduceWithinError(double maxError);
    void Smooth();
    // Shows an earlier result again (Undo, Redo), replacing a reduction or smoothing that runs.
    void RestoreResult(const Result &result);
    // The transform edited in the transform dialog, previewed on both views.
    void SetTransform(const TransformState &state);
    // The same, put back by Undo or Redo.
    void RestoreTransform(const TransformState &state);
    // Writes the shown model, through the transform once accepted; SaveFinished follows.
    // False when nothing is written: no model, or a file is being written.
    bool Save(const QString &path, bool mergeParts = false);
    // Writes the loaded model and its nine levels as one GLB with a chain of levels of detail
    // per part (lumeno::WriteLodGlb), through the transform once accepted; SaveFinished
    // follows. False when nothing is written: a level is missing, or a file is being written.
    bool SaveLevelsAsOneFile(const QString &path, bool mergeParts = false);
    // The model is loaded and all nine levels are made.
    bool AllLevelsMade() const;
    // The reading of a file, or else the running mesh operation. The levels made so far and
    // the shown model stay.
    void Cancel();
    // Both the reading and the running operation: nothing of them arrives any more.
    void StopWork();
    // A newly chosen engine makes the open model's levels again.
    void SetEngine(lumeno::ReductionEngine engine);
    // Makes the levels that a cancel (or a shortage of memory) left unmade; the levels made
    // stay until their new ones arrive. False when nothing is missing or something runs.
    bool MakeMissingLevels();
    // Some level is not made and none is being made: MakeMissingLevels would start.
    bool LevelsMissing() const;

    vtkPolyData *LoadedModel() const { return loaded; }
    // The loaded model's materials, images and parts, shared by every level; null for none.
    lumeno::SharedLook Look() const { return look; }
    // The same made ready for the views: colours and decoded textures; null for a model without
    // materials and with one part.
    std::shared_ptr<const LookForDrawing> DrawingLook() const { return drawingLook; }
    const QString &FilePath() const { return filePath; }
    // The loaded file's suffix, in lower case: the levels' sizes are told for it.
    const QString &Format() const { return format; }
    // By percent: 10 ... 90.
    const Level &LevelOf(int percent) const { return levels[size_t(percent / 10 - 1)]; }
    const Result &Shown() const { return shown; }
    const TransformState &Transform() const { return transform; }
    // What a file of this suffix would not hold of the model Save writes.
    SaveLoss SavingLoses(const QString &suffix, bool mergeParts = false) const;
    // The unit of the model's coordinates when the file says it ("mm": 3MF files are read in
    // millimetres); empty when unknown.
    QString LengthUnit() const;
    lumeno::ReductionEngine Engine() const { return engine; }
    Job RunningJob() const { return job; }
    bool IsReading() const { return reading; }
    bool IsSaving() const { return saving; }
    // The deviation picture of the shown model: every level, result and smoothing is then
    // pictured on the worker's thread as it is made, one shown before on demand.
    void SetShowDeviation(bool on);
    bool ShowsDeviation() const { return showDeviation; }
    // Null while off or not made yet (ShownPictureChanged tells when it is).
    SharedDeviationPicture ShownPicture() const;

    // The files opened from now on are drawn as when their drawing in full would not fit into
    // memory, with `triangles` in place of lumeno::ProxyTriangles (0: only when it would not). For tests.
    void DrawProxiesAbove(qint64 triangles) { proxiesAbove = triangles; }
    // The memory available from now on, in place of what the system tells (lumeno::AvailableMemory). For tests.
    void AssumeAvailableMemory(qint64 bytes) { assumedMemory = bytes; }

    // Reading, writing or a mesh operation: what the progress bar and Cancel are for.
    bool IsBusy() const { return reading || job != Job::None; }
    // What the status line says: the file being written or the last one written, then the
    // work running or how the last one ended. A save is told until the next operation starts.
    QString Status() const;

signals:
    // Reading, writing or a job started or ended, or the status changed.
    void StateChanged();
    // Whole percents of the reading or of the running operation.
    void Progress(int percent);
    void ModelOpened();
    void OpenFailed(const QString &path, const lumeno::ReadResult &result);
    void ModelClosed();
    void LevelReady(int percent);
    void LevelsFinished();
    void ShownChanged();
    // A smoothing ended: the shown result went from `before` to `after`.
    void Smoothed(const ModelDocument::Result &before, const ModelDocument::Result &after);
    void TransformChanged();
    void TransformRestored();
    void SaveFinished(const QString &path, bool written, const QString &error);
    // A mesh operation ended, finished or cancelled.
    void JobEnded();
    // ShownPicture changed: the picture of the shown model arrived, or the picture was turned on or off.
    void ShownPictureChanged();

protected:
    bool event(QEvent *event) override;

private:
    struct ReadJob;

    void FinishOpen(const ReadJob &read, const QString &path);
    // The read under way is no longer waited for; its reader stops at its next progress step.
    void DropRead();
    void KeepFileThread(QThread *thread);
    void Clear();
    // Why the levels are made: for a new model, for a new engine, or again after a cancel.
    enum class LevelsRun { NewModel, NewEngine, Missing };
    void StartLevels(LevelsRun run);
    bool BeginJob(Job kind, const QString &status);
    // A model drawn by proxy leaves too little memory for a reducer beside its levels, where the
    // system says so: the job just begun ends as out of memory at once, and false is returned.
    bool RoomForJob();
    qint64 AvailableMemory() const;
    void EndJob(const QString &outcome);
    void CancelJob();
    void SetShown(const Result &result);
    // Cancels a reduction or smoothing whose result would replace the one shown now; true if one ran.
    bool CancelReplacedJob();
    void SetCancelledStatus(bool replaced);
    QString ShareOutcome(Job finished, vtkPolyData *result) const;
    // The outcome with a sentence after it ("Done" becomes a sentence of its own).
    QString WithNote(const QString &outcome, const QString &note) const;
    // Runs `write` on a file thread, telling the save in the status; SaveFinished follows.
    void RunSave(const QString &path, const QString &notSaved, std::function<lumeno::ModelWriteResult()> write);
    vtkSmartPointer<vtkPolyData> CopyOf(vtkPolyData *model) const;

    void OnStepStarted(int job, int step);
    void OnProgress(int job, int percent);
    void OnLevelReady(int job, int step, vtkSmartPointer<vtkPolyData> level, lumeno::SurfaceDeviation deviation);
    void OnJobFinished(int job, vtkSmartPointer<vtkPolyData> result, lumeno::SurfaceDeviation deviation);
    void OnJobOutOfMemory(int job);
    void OnPictureReady(vtkSmartPointer<vtkPolyData> model, SharedDeviationPicture picture);
    // Asks the worker for the shown model's picture when it is on and has none.
    void AskShownPicture();
    // Keeps the pictures of the levels and of the shown model only.
    void DropUnshownPictures();

    lumeno::ReductionEngine engine;
    vtkSmartPointer<vtkPolyData> loaded;
    lumeno::SharedLook look;
    std::shared_ptr<const LookForDrawing> drawingLook;
    QString filePath;
    QString format;
    QString readNote; // what the levels' outcome adds of the model as read
    bool materialsLeftOut = false; // the file read had materials or textures
    int partsMerged = 0;           // the parts of the file read, merged into the one model
    std::array<Level, lumeno::LevelCount> levels;
    Result shown;
    TransformState transform;

    // Reading: only the read numbered readNumber is waited for; its progress is polled.
    bool reading = false;
    int readNumber = 0;
    std::shared_ptr<std::atomic<int>> readPercent;
    std::shared_ptr<std::atomic<bool>> readCancelled; // aborts the reader of a read nobody waits for
    // Reads and writes that may still run: waited for at the end, so that none outlives the program.
    std::vector<QPointer<QThread>> fileThreads;
    QTimer readProgressTimer;
    bool saving = false;
    qint64 proxiesAbove = 0;
    qint64 assumedMemory = -1;
    lumeno::MemoryNeed memoryNeed; // the open model's, estimated when it was opened
    qint64 drawLimit = 0;          // the open model's: its views draw proxies of what is larger

    // The mesh operations: the worker lives on meshThread for the document's lifetime.
    // Signals of any job but the running one (numbered jobNumber) are dropped.
    QThread meshThread;
    MeshWorker *worker = nullptr;
    Job job = Job::None;
    int jobNumber = 0;
    LevelsRun levelsRun = LevelsRun::NewModel;
    QString jobLabel;          // the shown result's label once the job ends
    double jobKeepPercent = 0; // the share of the triangles a reduction was asked to keep
    bool jobRelaxedGuards = false; // the running job's reducer relaxed its guards to reach its counts
    QString jobStatus;
    QString idleStatus;
    QString saveStatus; // "Saving to ...", then "Saved to ..." until the next operation

    bool showDeviation = false;
    // By model: each holds its model, so no key is reused while it is here. An asked one has
    // not arrived yet (the worker holds its model meanwhile).
    std::map<const vtkPolyData *, SharedDeviationPicture> pictures;
    std::set<const vtkPolyData *> picturesAsked;

};

Q_DECLARE_METATYPE(ModelDocument::Result)
