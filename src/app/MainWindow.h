#pragma once

#include <QMainWindow>
#include <QString>
#include <QThread>
#include <QTranslator>

#include "TransformState.h"

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
class vtkEventQtSlotConnect;
class vtkObject;
class vtkRenderWindow;

class DialogPreferences;
class DualView;
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
    void ShowDecimatedModel(vtkSmartPointer<vtkPolyData> model);
    void UpdateOriginalOverlay();
    void LoadModel(const QString &fileName, const QString &suffix);
    void AddRecentFile(const QString &path);
    static bool IsRecentFile(const QString &path);
    void RemoveRecentFile(const QString &path);
    void UpdateRecentFileActions();
    // The transform previewed on both views; the dialog edits it through these.
    TransformState ModelTransformState() const { return modelTransform; }
    void SetModelTransform(const TransformState &state);

    // Read access for the transform dialog, the tests and the tools.
    vtkPolyData *LoadedModel() const { return loadedModel; }
    vtkPolyData *ShownModel() const { return shownModel; }
    vtkPolyData *LevelModel(int index) const { return levelModels[index]; }
    vtkRenderer *RendererOriginal() const;
    vtkRenderer *RendererDecimated() const;
    vtkActor *ActorOriginal() const;
    vtkActor *ActorDecimated() const;
    QString CurrentLabel() const;
    QString InterfaceLanguage() const { return translator.language(); }

    // The mesh operations of the window run one at a time on the worker's thread; the
    // right view keeps what it shows until one ends. Each Start does nothing without a
    // model or while another operation runs.
    bool IsCascadeRunning() const { return runningJob == MeshJob::Cascade; }
    bool IsMeshJobRunning() const { return runningJob != MeshJob::None; }
    void StartReduction(int percent);
    void StartErrorReduction(double maxError);
    void StartSmoothing();
    // Stops the running operation; the levels made so far and the shown model stay.
    void CancelMeshJob();

signals:
    void DecimationFinished();
    void ButtonsMustChange(double reduction);
    // After any mesh operation has ended, finished or cancelled, and the window shows its outcome.
    void MeshJobEnded();

private slots:
    void readerProgress(vtkObject *caller, unsigned long eventId);
    void readerError(vtkObject *caller, unsigned long eventId);
    void DecimationFinishedSlot();
    void OnStepStarted(int job, int step);
    void OnProgress(int job, int percent);
    void OnLevelReady(int job, int step, vtkSmartPointer<vtkPolyData> level);
    void OnJobFinished(int job, vtkSmartPointer<vtkPolyData> result);
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

private:
    static constexpr int MaxRecentFiles = 5;
    enum class MeshJob { None, Cascade, Reduction, ErrorReduction, Smoothing };

    void RetranslateExtraTexts();
    void ConnectActions();
    void InstallStartupTranslation();
    void ResetDecimationActions();
    void SetErrorDecimationEnabled(bool enabled);
    // Save, Snapshot, Transform and Smooth need a model (Smooth also an idle worker).
    void UpdateModelActions();
    void ShowModelInBothViews();
    void ClearScene();
    void ShowLevel(int percent);
    void ShowResult(vtkSmartPointer<vtkPolyData> model, const QString &label);
    void DecimateByError(double maxError);
    void CreateMeshWorker();
    void CreateProgressDisplay(QStatusBar *statusBar);
    void StopMeshWorker();
    void StartCascade();
    bool BeginJob(MeshJob kind);
    void EndJob();
    void SetOperationActionsEnabled(bool enabled);
    void SetStatus(const QString &text);
    bool SaveModel(const QString &fileName, const QString &suffix);
    void WriteSnapshot(const char *fileName, vtkSmartPointer<vtkRenderWindow> renderWindow);
    QAction *LevelAction(int percent) const;

    Ui::MainWindow *ui;
    QLabel *statusLabel = nullptr;
    QPushButton *cancelButton = nullptr;
    float modelSizeMB = 0;
    QSettings *settings = nullptr;
    DialogPreferences *preferencesDialog = nullptr;
    Updater *updater = nullptr;
    bool readerFailed = false;
    std::array<QAction *, MaxRecentFiles> recentFileActions{};
    QAction *exitAction = nullptr;
    QTranslator translator;
    vtkEventQtSlotConnect *vtkConnections = nullptr;
    // Destroyed before the form's widgets, whose render windows it draws into.
    std::unique_ptr<DualView> view;
    TransformState modelTransform;
    vtkSmartPointer<vtkPolyData> loadedModel;
    QString loadedFile; // the path loadedModel was read from
    vtkSmartPointer<vtkPolyData> workingModel;
    vtkSmartPointer<vtkPolyData> shownModel;
    vtkSmartPointer<vtkPolyData> smoothedModel;
    std::array<vtkSmartPointer<vtkPolyData>, 9> levelModels;

    // The mesh operations: the worker lives on meshThread for the window's lifetime.
    // Signals of any job but the running one (its number is jobNumber) are dropped.
    QThread meshThread;
    MeshWorker *meshWorker = nullptr;
    MeshJob runningJob = MeshJob::None;
    int jobNumber = 0;
    QString jobLabel;     // the right view's label for the result
    double jobReduction = 0.0;
};
