// What the window puts into the two views, and the size labels of the level buttons.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DualView.h"
#include "PercentText.h"
#include "mesh/DecimationLevels.h"
#include "mesh/LevelSizes.h"

#include <QLabel>
#include <QLocale>
#include <QResizeEvent>

#include <vtkPolyData.h>

#include <cmath>

namespace {

// How far the shown model lies from the loaded one, in percent of its bounding box diagonal.
QString DeviationNote(const lumeno::SurfaceDeviation &deviation)
{
    if (!deviation.IsMeasured())
        return QString();
    const QLocale locale;
    return MainWindow::tr("max. deviation %1 %, mean %2 %")
        .arg(PercentText(deviation.maximum * 100.0, locale), PercentText(deviation.mean * 100.0, locale));
}

} // namespace

vtkRenderer *MainWindow::RendererOriginal() const
{
    return view->OriginalRenderer();
}

vtkRenderer *MainWindow::RendererDecimated() const
{
    return view->DecimatedRenderer();
}

vtkActor *MainWindow::ActorOriginal() const
{
    return view->OriginalActor();
}

vtkActor *MainWindow::ActorDecimated() const
{
    return view->DecimatedActor();
}

QString MainWindow::CurrentLabel() const
{
    return view->DecimatedLabel();
}

QString MainWindow::CurrentNote() const
{
    return view->DecimatedNote();
}

void MainWindow::ShowCancelledStatus(bool replaced)
{
    idleStatus = (replaced ? tr("Cancelled. The right view now shows %1.")
                           : tr("Cancelled. The right view still shows %1."))
                     .arg(CurrentLabel());
    ShowJobState();
}

void MainWindow::RenderViews()
{
    view->Render();
}

void MainWindow::ShowResult(vtkSmartPointer<vtkPolyData> model, const QString &label,
                            const lumeno::SurfaceDeviation &deviation)
{
    shownModel = model;
    shownDeviation = deviation;
    view->ShowDecimatedResult(model, label, DeviationNote(deviation));
}

void MainWindow::ShowModelInBothViews()
{
    workingModel = vtkSmartPointer<vtkPolyData>::New();
    workingModel->ShallowCopy(loadedModel);
    workingDeviation = {};
    shownDeviation = {};
    view->ShowModels(loadedModel, workingModel);
}

void MainWindow::ClearScene()
{
    view->Clear();
    loadedModel = nullptr;
    shownModel = nullptr;
}

void MainWindow::UpdateOriginalOverlay()
{
    view->ShowOriginalPanel();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    view->RefreshPanels();
}

QAction *MainWindow::LevelAction(int percent) const
{
    switch (percent) {
    case 10: return ui->actionDecimation10;
    case 20: return ui->actionDecimation20;
    case 30: return ui->actionDecimation30;
    case 40: return ui->actionDecimation40;
    case 50: return ui->actionDecimation50;
    case 60: return ui->actionDecimation60;
    case 70: return ui->actionDecimation70;
    case 80: return ui->actionDecimation80;
    case 90: return ui->actionDecimation90;
    case 100: return ui->actionDecimation100;
    default: return nullptr;
    }
}

void MainWindow::changeButton(double reduction)
{
    const int step = lumeno::CascadeStepForReduction(reduction);
    if (step < 0)
        return;
    LevelAction(lumeno::DecimationCascade[step].percent)->setEnabled(true);
    LabelLevelActions();
}

void MainWindow::LabelLevelActions()
{
    if (!loadedModel)
        return;
    // The size each level's file will have in the loaded file's format: from the level's
    // counts once it exists, from the loaded model's counts and its nominal share before.
    const qint64 triangles = loadedModel->GetNumberOfPolys();
    const qint64 vertices = loadedModel->GetNumberOfPoints();
    const auto sizeText = [this](qint64 t, qint64 v) {
        return lumeno::FileSizeText(lumeno::SavedModelSize(modelFormat, t, v));
    };
    ui->actionDecimation100->setText(sizeText(triangles, vertices));
    for (const lumeno::DecimationLevel &level : lumeno::DecimationCascade) {
        vtkPolyData *model = levelModels[level.percent / 10 - 1];
        const bool made = model && model->GetNumberOfPolys() > 0;
        LevelAction(level.percent)
            ->setText(made ? sizeText(model->GetNumberOfPolys(), model->GetNumberOfPoints())
                           : sizeText(std::llround(triangles * level.sizeFraction),
                                      std::llround(vertices * level.sizeFraction)));
        const QString deviation = made ? DeviationNote(levelDeviations[level.percent / 10 - 1]) : QString();
        LevelAction(level.percent)
            ->setToolTip(deviation.isEmpty() ? QString() : QStringLiteral("%1%: %2").arg(level.percent).arg(deviation));
    }
}

void MainWindow::ResetDecimationActions()
{
    for (int percent = 10; percent <= 100; percent += 10)
        LevelAction(percent)->setText(QString());
    for (int percent = 10; percent <= 100; percent += 10)
        LevelAction(percent)->setEnabled(false);
    for (QAction *action : {ui->actionDecimation01, ui->actionDecimation001, ui->actionDecimation0001,
                            ui->actionDecimationByError, ui->actionDecimationSet})
        action->setEnabled(false);
}

void MainWindow::SetErrorDecimationEnabled(bool enabled)
{
    for (QAction *action : {ui->actionDecimation01, ui->actionDecimation001, ui->actionDecimation0001,
                            ui->actionDecimationByError})
        action->setEnabled(enabled);
}

void MainWindow::UpdateModelActions()
{
    const bool loaded = loadedModel;
    for (QAction *action : {ui->actionSave_as, ui->actionSnapshot, ui->actionTransform})
        action->setEnabled(loaded);
    ui->actionSmooth->setEnabled(loaded && !IsMeshJobRunning());
}
