#pragma once

#include <QMainWindow>
#include <QString>
#include <QThread>
#include <QTranslator>

#include <vtkActor.h>
#include <vtkBoundingBox.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>
#include <vtkSmartPointer.h>

#include <array>

class QAction;
class QColor;
class QLabel;
class QPushButton;
class QSettings;
class QStatusBar;
class vtkActor2D;
class vtkEventQtSlotConnect;
class vtkObject;
class vtkOrientationMarkerWidget;
class vtkPolyDataMapper;
class vtkRenderWindow;
class vtkTextActor;

class DialogPreferences;
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
    void ResetViews();
    void ShowDecimatedModel(vtkSmartPointer<vtkPolyData> model);
    void UpdateOriginalOverlay();
    void UpdateDecimatedOverlay(const char *label, long long faces, long long vertices);
    void LoadModel(const QString &fileName, const QString &suffix);
    void AddRecentFile(const QString &path);
    void UpdateRecentFileActions();
    void ApplyModelTransform();

    // Read access for the transform dialog, the tests and the tools.
    vtkPolyData *LoadedModel() const { return loadedModel; }
    vtkPolyData *ShownModel() const { return shownModel; }
    vtkPolyData *LevelModel(int index) const { return levelModels[index]; }
    vtkRenderer *RendererOriginal() const { return rendererOriginal; }
    vtkRenderer *RendererDecimated() const { return rendererDecimated; }
    vtkActor *ActorOriginal() const { return actorOriginal; }
    vtkActor *ActorDecimated() const { return actorDecimated; }
    QString CurrentLabel() const { return currentLabel; }
    QString InterfaceLanguage() const { return translator.language(); }
    QString StatusText() const { return statusText; }

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

    // Transform state edited by DialogTransform.
    double scaleFactor[3];
    double rotationAngle[3];
    vtkBoundingBox modelBounds;
    bool transformApplied = false;

signals:
    void DecimationFinished();
    void ButtonsMustChange(double reduction);
    // After any mesh operation has ended, finished or cancelled, and the window shows its outcome.
    void MeshJobEnded();

private slots:
    void processEventOriginal(vtkObject *caller, unsigned long eventId);
    void processEventDecimated(vtkObject *caller, unsigned long eventId);
    void resizeEvent(vtkObject *caller, unsigned long eventId);
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
    void Decimation01();
    void Decimation001();
    void Decimation0001();
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
    void ChangeLanguage(QString code);
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
    void CreateInfoPanel();
    void CreateOrientationMarker();
    void CreateRenderers();
    void ConnectActions();
    void InstallStartupTranslation();
    void ResetDecimationActions();
    void SetErrorDecimationEnabled(bool enabled);
    void ShowModelInBothViews();
    void ClearScene();
    void ShowLevel(int percent);
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
    void ApplyBackgroundColors();
    QAction *LevelAction(int percent) const;

    vtkRenderWindow *OriginalRenderWindow() const;
    vtkRenderWindow *DecimatedRenderWindow() const;

    double modelColor[3];
    double backgroundTopColor[3];
    double backgroundBottomColor[3];
    Ui::MainWindow *ui;
    QLabel *statusLabel = nullptr;
    QString statusText;
    QPushButton *cancelButton = nullptr;
    float modelSizeMB = 0;
    QSettings *settings = nullptr;
    DialogPreferences *preferencesDialog = nullptr;
    Updater *updater = nullptr;
    bool readerFailed = false;
    std::array<QAction *, MaxRecentFiles> recentFileActions{};
    QAction *exitAction = nullptr;
    QTranslator translator;
    QString currentLabel;
    vtkEventQtSlotConnect *vtkConnections = nullptr;
    vtkSmartPointer<vtkRenderer> rendererOriginal;
    vtkSmartPointer<vtkRenderer> rendererDecimated;
    vtkSmartPointer<vtkPolyDataMapper> mapperOriginal;
    vtkSmartPointer<vtkPolyDataMapper> mapperDecimated;
    vtkSmartPointer<vtkActor> actorOriginal;
    vtkSmartPointer<vtkActor> actorDecimated;
    vtkSmartPointer<vtkActor2D> logoActorOriginal;
    vtkSmartPointer<vtkActor2D> logoActorDecimated;
    vtkSmartPointer<vtkTextActor> labelActorOriginal;
    vtkSmartPointer<vtkTextActor> facesActorOriginal;
    vtkSmartPointer<vtkTextActor> verticesActorOriginal;
    vtkSmartPointer<vtkTextActor> labelActorDecimated;
    vtkSmartPointer<vtkTextActor> facesActorDecimated;
    vtkSmartPointer<vtkTextActor> verticesActorDecimated;
    vtkSmartPointer<vtkOrientationMarkerWidget> orientationMarker;
    vtkSmartPointer<vtkPolyData> loadedModel;
    vtkSmartPointer<vtkPolyData> workingModel;
    vtkSmartPointer<vtkPolyData> shownModel;
    vtkSmartPointer<vtkPolyData> smoothedModel;
    std::array<vtkSmartPointer<vtkPolyData>, 9> levelModels;
    int displayMode = 2;
    bool rebuildingOverlays = false;

    // The mesh operations: the worker lives on meshThread for the window's lifetime.
    // Signals of any job but the running one (its number is jobNumber) are dropped.
    QThread meshThread;
    MeshWorker *meshWorker = nullptr;
    MeshJob runningJob = MeshJob::None;
    int jobNumber = 0;
    QString jobLabel;     // the right view's label for the result
    double jobReduction = 0.0;
};
