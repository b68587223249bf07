// The window's side of the mesh worker: starting, cancelling and ending jobs, and
// showing their progress and results.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "FileWork.h"
#include "MeshWorker.h"
#include "settings/ReductionMethod.h"
#include "mesh/DecimationLevels.h"
#include "mesh/KeptShare.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>

#include <vtkPolyData.h>

#include <climits>
#include <utility>

void MainWindow::CreateMeshWorker()
{
    meshWorker = new MeshWorker;
    meshWorker->moveToThread(&meshThread);
    connect(meshWorker, &MeshWorker::StepStarted, this, &MainWindow::OnStepStarted);
    connect(meshWorker, &MeshWorker::Progress, this, &MainWindow::OnProgress);
    connect(meshWorker, &MeshWorker::LevelReady, this, &MainWindow::OnLevelReady);
    connect(meshWorker, &MeshWorker::Finished, this, &MainWindow::OnJobFinished);
    meshThread.setObjectName(QStringLiteral("mesh worker"));
    meshThread.start();
}

void MainWindow::StopMeshWorker()
{
    if (!meshWorker)
        return;
    CancelMeshJob();
    meshWorker->CancelThrough(INT_MAX);
    meshThread.quit();
    meshThread.wait();
    delete meshWorker; // its thread has ended: no event of it can run any more
    meshWorker = nullptr;
}

void MainWindow::CreateProgressDisplay(QStatusBar *statusBar)
{
    // The bar and its Cancel button sit in the status bar and keep their room while hidden:
    // were the views resized when an operation starts or ends, both would be drawn again,
    // which takes seconds for a large model with software OpenGL.
    ui->verticalLayout->removeWidget(ui->progressBar);
    cancelButton = new QPushButton;
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(cancelButton, &QPushButton::clicked, this, &MainWindow::CancelOperation);
    for (QWidget *widget : {static_cast<QWidget *>(ui->progressBar), static_cast<QWidget *>(cancelButton)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
        widget->hide();
    }
    ui->progressBar->setMaximumWidth(300);
    statusBar->addPermanentWidget(ui->progressBar, 1);
    statusBar->addPermanentWidget(cancelButton);

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &MainWindow::CancelOperation);
}

void MainWindow::SetStatus(const QString &text)
{
    statusLabel->setText(text);
}

void MainWindow::ShowJobState()
{
    // A file being read has the bar until it is read; a job of the current model goes on meanwhile.
    const bool running = readingFile || runningJob != MeshJob::None;
    ui->progressBar->setVisible(running);
    cancelButton->setVisible(running);
    SetStatus(readingFile ? tr("Opening file...") : running ? jobStatus : idleStatus);
}

void MainWindow::SetOperationActionsEnabled(bool enabled)
{
    ui->actionDecimationSet->setEnabled(enabled);
    SetErrorDecimationEnabled(enabled);
    ui->actionSmooth->setEnabled(enabled && loadedModel);
}

bool MainWindow::BeginJob(MeshJob kind, const QString &status)
{
    if (runningJob != MeshJob::None || !loadedModel)
        return false;
    runningJob = kind;
    ++jobNumber;
    jobStatus = status;
    SetOperationActionsEnabled(false);
    ui->progressBar->setValue(0);
    ShowJobState();
    return true;
}

void MainWindow::EndJob(const QString &outcome)
{
    runningJob = MeshJob::None;
    idleStatus = outcome;
    ShowJobState();
    SetOperationActionsEnabled(true);
}

void MainWindow::StartCascade()
{
    for (auto &level : levelModels)
        level = vtkSmartPointer<vtkPolyData>::New();
    levelDeviations.fill({});
    LabelLevelActions();
    if (!BeginJob(MeshJob::Cascade,
                  QCoreApplication::translate("MainWindow", lumeno::DecimationCascade[0].statusText)))
        return;
    auto input = vtkSmartPointer<vtkPolyData>::New();
    input->ShallowCopy(loadedModel);
    meshWorker->StartCascade(jobNumber, input, StoredReductionEngine());
}

void MainWindow::CancelMeshJob()
{
    if (runningJob == MeshJob::None)
        return;
    meshWorker->CancelThrough(jobNumber);
    const bool cascade = runningJob == MeshJob::Cascade;
    EndJob(QString());
    // The levels made so far stay, and so does what the right view shows: the loaded
    // model unless a level was chosen meanwhile.
    if (cascade && !shownModel)
        shownModel = loadedModel;
    emit MeshJobEnded();
}

void MainWindow::CancelOperation()
{
    if (readingFile) {
        modelRead->Cancel();
    } else if (IsMeshJobRunning()) {
        CancelMeshJob();
        ShowCancelledStatus();
    }
}

void MainWindow::OnStepStarted(int job, int step)
{
    if (job != jobNumber || runningJob != MeshJob::Cascade)
        return;
    jobStatus = QCoreApplication::translate("MainWindow", lumeno::DecimationCascade[step].statusText);
    ui->progressBar->setValue(0);
    ShowJobState();
}

void MainWindow::OnProgress(int job, int percent)
{
    if (job != jobNumber || runningJob == MeshJob::None || readingFile)
        return;
    ui->progressBar->setValue(percent);
}

void MainWindow::OnLevelReady(int job, int step, vtkSmartPointer<vtkPolyData> level,
                              lumeno::SurfaceDeviation deviation)
{
    if (job != jobNumber || runningJob != MeshJob::Cascade)
        return;
    const lumeno::DecimationLevel &cascadeStep = lumeno::DecimationCascade[step];
    levelModels[cascadeStep.percent / 10 - 1] = level;
    levelDeviations[cascadeStep.percent / 10 - 1] = deviation;
    emit ButtonsMustChange(cascadeStep.reduction);
}

// "Done", or, when the result keeps far more triangles than asked (lumeno::IsFarFromAskedShare),
// that the model cannot be reduced that far: for the levels, the one farthest from its share.
QString MainWindow::ShareOutcome(MeshJob finished, vtkPolyData *result) const
{
    const vtkIdType loaded = loadedModel ? loadedModel->GetNumberOfPolys() : 0;
    const QLocale locale;
    if (finished == MeshJob::Reduction && result) {
        const double kept = lumeno::KeptPercent(loaded, result->GetNumberOfPolys());
        if (lumeno::IsFarFromAskedShare(jobKeepPercent, kept))
            return tr("Done, but the model cannot be reduced that far: %1% of the triangles are kept, not the %2% "
                      "asked.")
                .arg(locale.toString(kept, 'g', 3), locale.toString(jobKeepPercent, 'g', 6));
    }
    if (finished == MeshJob::Cascade) {
        double farthest = 0.0;
        QString text;
        for (const lumeno::DecimationLevel &level : lumeno::DecimationCascade) {
            vtkPolyData *model = levelModels[level.percent / 10 - 1];
            const double kept = model ? lumeno::KeptPercent(loaded, model->GetNumberOfPolys()) : 0.0;
            if (lumeno::IsFarFromAskedShare(level.percent, kept) && kept - level.percent > farthest) {
                farthest = kept - level.percent;
                text = tr("Done, but the model cannot be reduced that far: the %1% level keeps %2% of the triangles.")
                           .arg(level.percent)
                           .arg(locale.toString(kept, 'g', 3));
            }
        }
        if (!text.isEmpty())
            return text;
    }
    return tr("Done");
}

void MainWindow::OnJobFinished(int job, vtkSmartPointer<vtkPolyData> result, lumeno::SurfaceDeviation deviation)
{
    if (job != jobNumber || runningJob == MeshJob::None)
        return;
    const MeshJob finished = runningJob;
    QString outcome = ShareOutcome(finished, result);
    if (finished == MeshJob::Cascade && !readNote.isEmpty())
        outcome += QLatin1Char(' ') + std::exchange(readNote, QString());
    EndJob(outcome);
    switch (finished) {
    case MeshJob::Cascade:
        shownModel = loadedModel;
        emit DecimationFinished();
        break;
    case MeshJob::Reduction:
    case MeshJob::ErrorReduction:
        // A run that gave no model leaves the right view's model as it was.
        if (result) {
            workingModel->ShallowCopy(result);
            workingDeviation = deviation;
        }
        ShowResult(workingModel, jobLabel, workingDeviation);
        break;
    case MeshJob::Smoothing:
        // The smoothed model keeps the label of the one it came from.
        if (result)
            RecordSmoothing(result, deviation);
        break;
    case MeshJob::None:
        break;
    }
    emit MeshJobEnded();
}
