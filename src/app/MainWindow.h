#pragma once

#include <QMainWindow>
#include <QMutex>
#include <QString>
#include <QTranslator>

#include "TransformState.h"

#include <vtkActor.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>
#include <vtkSmartPointer.h>

#include <array>
#include <atomic>
#include <memory>

class QAction;
class QColor;
class QLabel;
class QSettings;
class vtkDecimatePro;
class vtkEventQtSlotConnect;
class vtkObject;
class vtkRenderWindow;

class DialogPreferences;
class DualView;
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
    bool IsCascadeRunning() const;

signals:
    void HasToUpdateProgressBar();
    void DecimationFinished();
    void ButtonsMustChange(double reduction);
    void SmoothingFinished();

private slots:
    void decimatorProgress(vtkObject *caller, unsigned long eventId);
    void readerError(vtkObject *caller, unsigned long eventId);
    void SmoothingFinishedSlot();
    void DecimationFinishedSlot();
    void updateGuiProgress();
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

    void RetranslateExtraTexts();
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
    QAction *LevelAction(int percent) const;

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
    vtkEventQtSlotConnect *vtkConnections = nullptr;
    // Destroyed before the form's widgets, whose render windows it draws into.
    std::unique_ptr<DualView> view;
    TransformState modelTransform;
    vtkSmartPointer<vtkDecimatePro> decimator;
    vtkSmartPointer<vtkPolyData> loadedModel;
    vtkSmartPointer<vtkPolyData> workingModel;
    vtkSmartPointer<vtkPolyData> shownModel;
    vtkSmartPointer<vtkPolyData> smoothedModel;
    std::array<vtkSmartPointer<vtkPolyData>, 9> levelModels;

    // The cascade of one load: its number lets the GUI thread drop results of an
    // older cascade, and the flag aborts the running filter from outside.
    int cascadeGeneration = 0;
    std::atomic<bool> abortCascade{false};
    std::atomic<int> lastProgressPercent{-1};
    std::atomic<qint64> lastProgressUpdateMs{0};
    // The worker's own shallow copy of the loaded model: the views never touch it.
    vtkSmartPointer<vtkPolyData> cascadeInput;
};
