#pragma once

#include <QMainWindow>
#include <QString>
#include <QThread>
#include <QTranslator>

#include "TransformState.h"
#include "mesh/SurfaceDeviation.h"

#include <vtkActor.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>
#include <vtkSmartPointer.h>

#include <array>
#include <memory>

class QAction;
class QColor;
class QLabel;
class QPushButton;
class QSettings;
class QStatusBar;
class QUndoStack;
class vtkRenderWindow;

class DialogPreferences;
class DualView;
class FileWork;
class MeshWorker;
class Updater;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Scene operations used by the loading, processing and camera code.
    void RenderViews();
    void UpdateOriginalOverlay();
    void LoadModel(const QString &fileName, const QString &suffix);
    void AddRecentFile(const QString &path);
    static bool IsRecentFile(const QString &path);
    void RemoveRecentFile(const QString &path);
    void UpdateRecentFileActions();
    // The transform previewed on both views; the dialog edits it through these.
    TransformState ModelTransformState() const { return modelTransform; }
    void SetModelTransform(const TransformState &state);
    // An edit of the transform that OK or Cancel settled, for Undo and Redo.
    void RecordTransform(const TransformState &before, const TransformState &after);

    // Read access for the transform dialog, the tests and the tools.
    vtkPolyData *LoadedModel() const { return loadedModel; }
    vtkPolyData *ShownModel() const { return shownModel; }
    vtkPolyData *LevelModel(int index) const { return levelModels[index]; }
    vtkRenderer *RendererOriginal() const;
    vtkRenderer *RendererDecimated() const;
    vtkActor *ActorOriginal() const;
    vtkActor *ActorDecimated() const;
    QString CurrentLabel() const;
    // The line under the right panel: how far the shown model lies from the loaded one.
    QString CurrentNote() const;
    QString InterfaceLanguage() const { return translator.language(); }

    // The mesh operations of the window run one at a time on the worker's thread; the
    // right view keeps what it shows until one ends. Each Start does nothing without a
    // model or while another operation runs.
    bool IsCascadeRunning() const { return runningJob == MeshJob::Cascade; }
    bool IsMeshJobRunning() const { return runningJob != MeshJob::None; }
    void StartReduction(double percent);
    void StartErrorReduction(double maxError);
    void StartSmoothing();
    // Stops the running operation; the levels made so far and the shown model stay.
    void CancelMeshJob();
    // Cancel and Escape: the reading of a file, or else the running mesh job.
    void CancelOperation();

signals:
    void DecimationFinished();
    void ButtonsMustChange(double reduction);
    // After any mesh operation has ended, finished or cancelled, and the window shows its outcome.
    void MeshJobEnded();
    // Undo or Redo has put back an earlier transform: open transform dialogs show it.
    void ModelTransformRestored();

private slots:
    void DecimationFinishedSlot();
    void OnStepStarted(int job, int step);
    void OnProgress(int job, int percent);
    void OnLevelReady(int job, int step, vtkSmartPointer<vtkPolyData> level, lumeno::SurfaceDeviation deviation);
    void OnJobFinished(int job, vtkSmartPointer<vtkPolyData> result, lumeno::SurfaceDeviation deviation);
    void changeButton(double reduction);
    void ViewSlotFront();
    void ViewSlotSide();
    void ViewSlotTop();
    void ViewSlotPers();
    void NewSlot();
    void OpenFileSlot();
    void OpenPreferencesSlot();
    void SaveFileSlot();
    void AboutSlot();
    void ContentSlot();
    void MakeSnapshotSlot();
    void MakeSmoothSlot();
    void MakeTransformSlot();
    void DecimationByError0_1();
    void DecimationByError0_01();
    void DecimationByError0_001();
    void DecimationByError();
    void Decimation10();
    void Decimation20();
    void Decimation30();
    void Decimation40();
    void Decimation50();
    void Decimation60();
    void Decimation70();
    void Decimation80();
    void Decimation90();
    void Decimation100();
    void DecimationByPercentSlot();
    void ColorPicker();
    void DisplayMode();
    void Zoom();
    void colorChanged(QColor color);
    void colorTopChanged(QColor color);
    void colorBottomChanged(QColor color);
    void OpenRecentFile();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    struct ShownResult {
        vtkSmartPointer<vtkPolyData> model;
        QString label;
        lumeno::SurfaceDeviation deviation;
    };

    static constexpr int MaxRecentFiles = 5;
    enum class MeshJob { None, Cascade, Reduction, ErrorReduction, Smoothing };

    void RetranslateExtraTexts();
    void CreateEditHistory();
    void RecordSmoothing(vtkSmartPointer<vtkPolyData> smoothed, const lumeno::SurfaceDeviation &deviation);
    void ShowShownResult(const ShownResult &result);
    // Asks whether to save a transformed or smoothed result first; false when the user
    // cancels, or chose to save and nothing was written.
    bool MayDiscardChanges();
    void UpdateWindowTitle();
    void ClearModel();
    // Save as with its dialogs; true when a file was written.
    bool SaveWithDialog();
    void ConnectActions();
    void InstallStartupTranslation();
    void ResetDecimationActions();
    void SetErrorDecimationEnabled(bool enabled);
    // Save, Snapshot, Transform and Smooth need a model (Smooth also an idle worker).
    void UpdateModelActions();
    void ShowModelInBothViews();
    void ClearScene();
    void ShowLevel(int percent);
    void ShowResult(vtkSmartPointer<vtkPolyData> model, const QString &label,
                    const lumeno::SurfaceDeviation &deviation = {});
    void LabelLevelActions();
    void DecimateByError(double maxError);
    void CreateMeshWorker();
    void CreateProgressDisplay(QStatusBar *statusBar);
    void StopMeshWorker();
    void StartCascade();
    bool BeginJob(MeshJob kind, const QString &status);
    void EndJob(const QString &outcome);
    QString ShareOutcome(MeshJob finished, vtkPolyData *result) const;
    void ShowJobState();
    void SetOperationActionsEnabled(bool enabled);
    void SetStatus(const QString &text);
    // After Cancel: that the job was cancelled, and what the right view still shows (or now
    // shows, where another result replaced the job's).
    void ShowCancelledStatus(bool replaced = false);
    bool SaveModel(const QString &fileName, const QString &suffix);
    void WriteSnapshot(const char *fileName, vtkSmartPointer<vtkRenderWindow> renderWindow);
    QAction *LevelAction(int percent) const;

    Ui::MainWindow *ui;
    QLabel *statusLabel = nullptr;
    QPushButton *cancelButton = nullptr;
    QString modelFormat; // the suffix of the loaded file: the levels' sizes are told for it
    QSettings *settings = nullptr;
    DialogPreferences *preferencesDialog = nullptr;
    Updater *updater = nullptr;
    std::array<QAction *, MaxRecentFiles> recentFileActions{};
    QAction *exitAction = nullptr;
    QTranslator translator;
    QTranslator qtTranslator; // Qt's own texts: standard buttons, file and colour dialogs
    // Files are read and written on threads of their own while the window waits and draws.
    std::unique_ptr<FileWork> modelRead;
    std::unique_ptr<FileWork> modelWrite;
    bool readingFile = false;
    // Destroyed before the form's widgets, whose render windows it draws into.
    std::unique_ptr<DualView> view;
    TransformState modelTransform;
    // The transforms and smoothings since the last load; its clean state is the last save.
    QUndoStack *history = nullptr;
    vtkSmartPointer<vtkPolyData> loadedModel;
    QString loadedFile; // the path loadedModel was read from
    vtkSmartPointer<vtkPolyData> workingModel;
    vtkSmartPointer<vtkPolyData> shownModel;
    std::array<vtkSmartPointer<vtkPolyData>, 9> levelModels;
    std::array<lumeno::SurfaceDeviation, 9> levelDeviations;
    lumeno::SurfaceDeviation workingDeviation;

    // The mesh operations: the worker lives on meshThread for the window's lifetime.
    // Signals of any job but the running one (its number is jobNumber) are dropped. The
    // running job alone decides what the progress bar and the status say.
    QThread meshThread;
    MeshWorker *meshWorker = nullptr;
    MeshJob runningJob = MeshJob::None;
    int jobNumber = 0;
    QString jobLabel;     // the right view's label for the result
    double jobKeepPercent = 0.0; // the share of the triangles a reduction was asked to keep
    QString jobStatus;    // the status while it runs
    QString idleStatus;   // the status once no job runs: how the last one ended
    QString readNote;     // what the levels' status adds of the model as read
    lumeno::SurfaceDeviation shownDeviation; // of the shown model from the loaded one
};
