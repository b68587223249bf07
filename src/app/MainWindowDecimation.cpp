// The level cascade, the custom and by-error reductions, and smoothing.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "mesh/Cascade.h"
#include "mesh/DecimationLevels.h"
#include "LumenoThread.h"
#include "mesh/MeshOperations.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>

#include <vtkAlgorithm.h>
#include <vtkDecimatePro.h>
#include <vtkEventQtSlotConnect.h>
#include <vtkPolyData.h>

void MainWindow::ComputeDecimationLevels()
{
    // The GUI thread changes neither value while a worker runs.
    const int generation = cascadeGeneration;

    lumeno::CascadeObserver observer;
    observer.stepStarting = [this](int step) {
        SetStatusText(QCoreApplication::translate("MainWindow", lumeno::DecimationCascade[step].statusText));
        lastProgressPercent = -1;
        return !abortCascade;
    };
    observer.stepFinished = [this, generation](int step, const vtkSmartPointer<vtkPolyData> &level) {
        if (abortCascade)
            return false; // an aborted run leaves a partial mesh: never show it
        // The GUI thread gets an object of its own (sharing the arrays), so it never
        // touches the one this thread decimates next.
        auto shown = vtkSmartPointer<vtkPolyData>::New();
        shown->ShallowCopy(level);
        const double reduction = lumeno::DecimationCascade[step].reduction;
        const int index = lumeno::DecimationCascade[step].percent / 10 - 1;
        QMetaObject::invokeMethod(
            this,
            [this, generation, index, shown, reduction] {
                if (generation != cascadeGeneration)
                    return;
                levelModels[index] = shown;
                emit ButtonsMustChange(reduction);
            },
            Qt::QueuedConnection);
        return true;
    };
    // Stops early when aborted, or when out of memory (the levels so far stay usable).
    lumeno::RunDecimationCascade(decimator, cascadeInput, observer);
    if (abortCascade)
        return;

    QMetaObject::invokeMethod(
        this,
        [this, generation] {
            if (generation != cascadeGeneration)
                return;
            ReleaseWorker();
            shownModel = loadedModel;
            SetStatusText(tr("Done"));
            emit DecimationFinished();
        },
        Qt::QueuedConnection);
}

void MainWindow::ReleaseWorker()
{
    if (!worker)
        return;
    worker->wait();
    delete worker;
    worker = nullptr;
    cascadeInput = nullptr;
    abortCascade = false;
    // Whatever the released worker still has in the event queue is dropped.
    ++cascadeGeneration;
}

void MainWindow::StopCascade()
{
    if (!worker)
        return;
    // The filter checks the flag through decimatorProgress; it is lost if set on the filter
    // directly, because every run clears it when it starts.
    abortCascade = true;
    ReleaseWorker();
}

bool MainWindow::IsCascadeRunning() const
{
    return worker != nullptr;
}

void MainWindow::DecimateModel(vtkSmartPointer<vtkPolyData> input, vtkPolyData *output, double reduction)
{
    lastProgressPercent = -1;
    vtkSmartPointer<vtkPolyData> result = lumeno::Decimate(decimator, input, reduction);
    if (result)
        output->ShallowCopy(result);
    emit ButtonsMustChange(reduction);
}

void MainWindow::DecimateByError(double maxError)
{
    if (!loadedModel)
        return;
    ui->progressBar->show();
    lastProgressPercent = -1;
    vtkSmartPointer<vtkPolyData> result = lumeno::DecimateByError(decimator, loadedModel, maxError);
    if (result)
        workingModel->ShallowCopy(result);
    ShowDecimatedModel(workingModel);
    UpdateDecimatedOverlay(QStringLiteral("%1").arg(maxError, 0, 'g').toUtf8().constData(),
                           workingModel->GetNumberOfPolys(), workingModel->GetNumberOfPoints());
}

void MainWindow::ShowLevel(int percent)
{
    vtkSmartPointer<vtkPolyData> model = percent == 100 ? loadedModel : levelModels[percent / 10 - 1];
    if (!model)
        return;
    ShowDecimatedModel(model);
    UpdateDecimatedOverlay(QStringLiteral("%1%").arg(percent).toUtf8().constData(), model->GetNumberOfPolys(),
                           model->GetNumberOfPoints());
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
    if (!accepted || !loadedModel)
        return;
    ui->progressBar->show();
    DecimateModel(loadedModel, workingModel, (100 - percent) / 100.0);
    ShowDecimatedModel(workingModel);
    UpdateDecimatedOverlay(QStringLiteral("%1%").arg(percent).toUtf8().constData(), workingModel->GetNumberOfPolys(),
                           workingModel->GetNumberOfPoints());
}

void MainWindow::DecimationFinishedSlot()
{
    ui->progressBar->hide();
    ShowDecimatedModel(shownModel);
    SetStatusText(tr("Done"));
    statusLabel->setText(StatusText());
    SetErrorDecimationEnabled(true);
    ui->actionDecimationSet->setEnabled(true);
}

void MainWindow::MakeSmoothSlot()
{
    if (!shownModel || shownModel->GetNumberOfPoints() == 0)
        return;
    SetStatusText(tr("Smoothing..."));
    ui->progressBar->show();
    lastProgressPercent = -1;
    vtkSmartPointer<vtkPolyData> smoothed =
        lumeno::Smooth(shownModel, lumeno::SmoothingIterations, [this](vtkAlgorithm *filter) {
            vtkConnections->Connect(filter, vtkCommand::ProgressEvent, this,
                                    SLOT(decimatorProgress(vtkObject *, unsigned long)));
        });
    if (!smoothed) {
        ui->progressBar->hide();
        return;
    }
    smoothedModel = smoothed;
    ShowDecimatedModel(smoothedModel);
    emit SmoothingFinished();
}

void MainWindow::SmoothingFinishedSlot()
{
    ui->progressBar->hide();
    ShowDecimatedModel(shownModel);
    SetStatusText(tr("Done"));
    statusLabel->setText(StatusText());
}
