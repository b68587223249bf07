// The level buttons, and the requests for custom and by-error reductions and smoothing.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "MeshWorker.h"
#include "settings/ReductionMethod.h"

#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>

#include <vtkPolyData.h>

void MainWindow::DecimateByError(double maxError)
{
    StartErrorReduction(maxError);
}

void MainWindow::StartErrorReduction(double maxError)
{
    const QString bound = QLocale().toString(maxError, 'g', 6);
    if (!BeginJob(MeshJob::ErrorReduction, tr("Decimating to error bound %1...").arg(bound)))
        return;
    jobLabel = bound;
    auto input = vtkSmartPointer<vtkPolyData>::New();
    input->ShallowCopy(loadedModel);
    meshWorker->StartErrorReduction(jobNumber, input, maxError, StoredReductionEngine());
}

void MainWindow::StartReduction(double percent)
{
    const QString share = QLocale().toString(percent, 'g', 6);
    if (!BeginJob(MeshJob::Reduction, tr("Decimating %1%...").arg(share)))
        return;
    jobLabel = share + QLatin1Char('%');
    jobKeepPercent = percent;
    auto input = vtkSmartPointer<vtkPolyData>::New();
    input->ShallowCopy(loadedModel);
    meshWorker->StartReduction(jobNumber, input, (100.0 - percent) / 100.0, StoredReductionEngine());
}

void MainWindow::StartSmoothing()
{
    if (!shownModel || shownModel->GetNumberOfPoints() == 0 || !BeginJob(MeshJob::Smoothing, tr("Smoothing...")))
        return;
    auto input = vtkSmartPointer<vtkPolyData>::New();
    input->ShallowCopy(shownModel);
    auto reference = vtkSmartPointer<vtkPolyData>::New();
    reference->ShallowCopy(loadedModel);
    meshWorker->StartSmoothing(jobNumber, input, reference);
}

void MainWindow::ShowLevel(int percent)
{
    vtkSmartPointer<vtkPolyData> model = percent == 100 ? loadedModel : levelModels[percent / 10 - 1];
    if (!model)
        return;
    // Another model chosen while a reduction or smoothing runs: its result would replace it.
    const bool replacesJob = runningJob != MeshJob::None && runningJob != MeshJob::Cascade;
    if (replacesJob)
        CancelMeshJob();
    ShowResult(model, QStringLiteral("%1%").arg(percent),
               percent == 100 ? lumeno::SurfaceDeviation() : levelDeviations[percent / 10 - 1]);
    if (replacesJob)
        ShowCancelledStatus(true);
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
    const double maxError =
        QInputDialog::getDouble(this, tr("Decimation by error"),
                                tr("Error bound of the filter, as a share of the bounding box diagonal:"), 0.005,
                                0.000001, 10.0, 6, &accepted);
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
    constexpr double lowest = 0.1;
    constexpr double highest = 99.9;
    const QLocale locale;
    bool accepted = false;
    // The dialog takes a wider range than is possible, so that a value outside is refused
    // with a reason instead of being cut short while it is typed.
    const double percent = QInputDialog::getDouble(
        this, tr("Decimation by percentage"),
        tr("Percentage of the triangles to keep, from %1 to %2:").arg(locale.toString(lowest), locale.toString(highest)),
        5.0, -1000.0, 1000.0, 2, &accepted);
    if (!accepted)
        return;
    if (percent < lowest || percent > highest) {
        QMessageBox::warning(this, tr("Decimation by percentage"),
                             tr("%1% of the triangles cannot be kept: type a percentage from %2 to %3. The model "
                                "shown stays as it is.")
                                 .arg(locale.toString(percent), locale.toString(lowest), locale.toString(highest)));
        return;
    }
    StartReduction(percent);
}

void MainWindow::DecimationFinishedSlot()
{
    // The right view returns to the loaded model, whatever level was chosen meanwhile.
    ShowResult(loadedModel, QStringLiteral("100%"));
    SetErrorDecimationEnabled(true);
    ui->actionDecimationSet->setEnabled(true);
}

void MainWindow::MakeSmoothSlot()
{
    StartSmoothing();
}
