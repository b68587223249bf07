// What the window puts into the two views, and the size labels of the level buttons.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DualView.h"
#include "mesh/DecimationLevels.h"

#include <QLabel>
#include <QResizeEvent>

#include <vtkPolyData.h>

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

void MainWindow::RenderViews()
{
    view->Render();
}

void MainWindow::ShowDecimatedModel(vtkSmartPointer<vtkPolyData> model)
{
    ui->progressBar->hide();
    shownModel = model;
    view->ShowDecimatedModel(model);
}

void MainWindow::ShowResult(vtkSmartPointer<vtkPolyData> model, const QString &label)
{
    ui->progressBar->hide();
    shownModel = model;
    view->ShowDecimatedResult(model, label);
}

void MainWindow::ShowModelInBothViews()
{
    workingModel = vtkSmartPointer<vtkPolyData>::New();
    workingModel->ShallowCopy(loadedModel);
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
    const lumeno::DecimationLevel &level = lumeno::DecimationCascade[step];
    QAction *action = LevelAction(level.percent);
    action->setText(QStringLiteral("%1MB").arg(static_cast<double>(modelSizeMB) * level.sizeFraction));
    action->setEnabled(true);
}

void MainWindow::ResetDecimationActions()
{
    for (int percent = 10; percent <= 100; percent += 10)
        LevelAction(percent)->setText(QString());
    for (QAction *action : {ui->actionDecimation01, ui->actionDecimation001, ui->actionDecimation0001,
                            ui->actionDecimationByError})
        action->setText(QString());
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
