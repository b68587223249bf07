#pragma once

#include <QMainWindow>
#include <QMutex>
#include <QString>
#include <QTranslator>

#include <vtkActor.h>
#include <vtkBoundingBox.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>
#include <vtkSmartPointer.h>

#include <array>
#include <atomic>

class QAction;
class QColor;
class QLabel;
class QSettings;
class vtkActor2D;
class vtkDecimatePro;
class vtkEventQtSlotConnect;
class vtkObject;
class vtkOrientationMarkerWidget;
class vtkPolyDataMapper;
class vtkRenderWindow;
class vtkTextActor;

class DialogPreferences;
class LumenoThread;
class Updater;

namespace Ui {
class MainWindow;
}

// The status message shown in the status label; written by the processing code.
// Guarded by a mutex because the level cascade writes it from its worker thread.
QString StatusText();
void SetStatusText(const QString &text);

// Last progress fraction (0..1) reported by the running filter.
extern std::atomic<float> decimationProgress;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Runs on the worker thread (LumenoThread::run).
    void ComputeDecimationLevels();

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
    bool IsCascadeRunning() const;

    // Transform state edited by DialogTransform.
    double scaleFactor[3];
    double rotationAngle[3];
    vtkBoundingBox modelBounds;
    bool transformApplied = false;

signals:
    void HasToUpdateProgressBar();
    void DecimationFinished();
    void ButtonsMustChange(double reduction);
    void SmoothingFinished();

private slots:
    void processEventOriginal(vtkObject *caller, unsigned long eventId);
    void processEventDecimated(vtkObject *caller, unsigned long eventId);
    void resizeEvent(vtkObject *caller, unsigned long eventId);
    void decimatorProgress(vtkObject *caller, unsigned long eventId);
    void decimatorError(vtkObject *caller, unsigned long eventId);
    void readerError(vtkObject *caller, unsigned long eventId);
    void SmoothingFinishedSlot();
    void DecimationFinishedSlot();
    void updateGuiProgress();
    void showProgressBar(bool show);
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
    void DecimateModel(vtkSmartPointer<vtkPolyData> input, vtkPolyData *output, double reduction);
    void DecimateByError(double maxError);
    void StopCascade();
    void ReleaseWorker();
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
    LumenoThread *worker = nullptr;
    QLabel *statusLabel = nullptr;
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
    vtkSmartPointer<vtkDecimatePro> decimator;
    vtkSmartPointer<vtkPolyData> loadedModel;
    vtkSmartPointer<vtkPolyData> workingModel;
    vtkSmartPointer<vtkPolyData> shownModel;
    vtkSmartPointer<vtkPolyData> smoothedModel;
    std::array<vtkSmartPointer<vtkPolyData>, 9> levelModels;
    int displayMode = 2;

    // The cascade of one load: its number lets the GUI thread drop results of an
    // older cascade, and the flag aborts the running filter from outside.
    int cascadeGeneration = 0;
    std::atomic<bool> abortCascade{false};
    bool rebuildingOverlays = false;
    std::atomic<int> lastProgressPercent{-1};
    std::atomic<qint64> lastProgressUpdateMs{0};
    // The worker's own shallow copy of the loaded model: the views never touch it.
    vtkSmartPointer<vtkPolyData> cascadeInput;
};
