// The level buttons, and the requests for custom and by-error reductions and smoothing.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "MeshWorker.h"

#include <QInputDialog>

#include <vtkPolyData.h>

void MainWindow::DecimateByError(double maxError)
{
    StartErrorReduction(maxError);
}

void MainWindow::StartErrorReduction(double maxError)
{
    if (!BeginJob(MeshJob::ErrorReduction))
        return;
    jobLabel = QStringLiteral("%1").arg(maxError, 0, 'g');
    auto input = vtkSmartPointer<vtkPolyData>::New();
    input->ShallowCopy(loadedModel);
    meshWorker->StartErrorReduction(jobNumber, input, maxError);
}

void MainWindow::StartReduction(int percent)
{
    if (!BeginJob(MeshJob::Reduction))
        return;
    jobLabel = QStringLiteral("%1%").arg(percent);
    jobReduction = (100 - percent) / 100.0;
    auto input = vtkSmartPointer<vtkPolyData>::New();
    input->ShallowCopy(loadedModel);
    meshWorker->StartReduction(jobNumber, input, jobReduction);
}

void MainWindow::StartSmoothing()
{
    if (!shownModel || shownModel->GetNumberOfPoints() == 0 || !BeginJob(MeshJob::Smoothing))
        return;
    SetStatus(tr("Smoothing..."));
    auto input = vtkSmartPointer<vtkPolyData>::New();
    input->ShallowCopy(shownModel);
    meshWorker->StartSmoothing(jobNumber, input);
}

void MainWindow::ShowLevel(int percent)
{
    vtkSmartPointer<vtkPolyData> model = percent == 100 ? loadedModel : levelModels[percent / 10 - 1];
    if (!model)
        return;
    // Another model chosen while a reduction or smoothing runs: its result would replace it.
    if (runningJob != MeshJob::None && runningJob != MeshJob::Cascade)
        CancelMeshJob();
    ShowResult(model, QStringLiteral("%1%").arg(percent));
}

void MainWindow::DecimationByError0_1()
{
    DecimateByError(0.1);
}

void MainWindow::DecimationByError0_01()
{
    DecimateByError(0.01);
}

void MainWindow::DecimationByError0_001()
{
    DecimateByError(0.001);
}

void MainWindow::DecimationByError()
{
    bool accepted = false;
    const double maxError = QInputDialog::getDouble(this, tr("Decimation by error"), tr("Type the maximum error:"),
                                                    0.005, 0.000001, 10.0, 6, &accepted);
    if (accepted)
        DecimateByError(maxError);
}

void MainWindow::Decimation10()
{
    ShowLevel(10);
}

void MainWindow::Decimation20()
{
    ShowLevel(20);
}

void MainWindow::Decimation30()
{
    ShowLevel(30);
}

void MainWindow::Decimation40()
{
    ShowLevel(40);
}

void MainWindow::Decimation50()
{
    ShowLevel(50);
}

void MainWindow::Decimation60()
{
    ShowLevel(60);
}

void MainWindow::Decimation70()
{
    ShowLevel(70);
}

void MainWindow::Decimation80()
{
    ShowLevel(80);
}

void MainWindow::Decimation90()
{
    ShowLevel(90);
}

void MainWindow::Decimation100()
{
    ShowLevel(100);
}

void MainWindow::DecimationByPercentSlot()
{
    bool accepted = false;
    const int percent = QInputDialog::getInt(this, tr("Decimation by percentage"), tr("Type the percentage:"), 5, 0,
                                             100, 1, &accepted);
    if (accepted)
        StartReduction(percent);
}

void MainWindow::DecimationFinishedSlot()
{
    ui->progressBar->hide();
    ShowDecimatedModel(shownModel);
    SetStatus(tr("Done"));
    SetErrorDecimationEnabled(true);
    ui->actionDecimationSet->setEnabled(true);
}

void MainWindow::MakeSmoothSlot()
{
    StartSmoothing();
}
