// What the window shows of the document's state: the status line, the progress bar with its
// Cancel button, and which actions can be used now.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "MessageLine.h"

#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QUndoStack>

#include <vtkPolyData.h>

void MainWindow::ConnectDocument()
{
    connect(document.get(), &ModelDocument::StateChanged, this, &MainWindow::ShowState);
    connect(document.get(), &ModelDocument::Progress, ui->progressBar, &QProgressBar::setValue);
    connect(document.get(), &ModelDocument::ModelOpened, this, &MainWindow::ShowOpenedModel);
    connect(document.get(), &ModelDocument::OpenFailed, this, &MainWindow::ShowOpenFailure);
    connect(document.get(), &ModelDocument::ModelClosed, this, &MainWindow::ShowClosedModel);
    connect(document.get(), &ModelDocument::LevelReady, this, [this](int percent) {
        LabelLevelActions();
        UpdateActions();
        // The level whose button started the levels again is shown once it is made.
        if (percent == levelAwaited) {
            levelAwaited = 0;
            document->ShowLevel(percent);
        }
    });
    connect(document.get(), &ModelDocument::JobEnded, this, [this] {
        levelAwaited = 0;
        LabelLevelActions(); // the buttons of levels not made tell that they make them
    });
    connect(document.get(), &ModelDocument::ShownChanged, this, &MainWindow::ShowShownResult);
    connect(document.get(), &ModelDocument::ShownPictureChanged, this, &MainWindow::ShowShownPicture);
    connect(document.get(), &ModelDocument::Smoothed, this, &MainWindow::RecordSmoothing);
    connect(document.get(), &ModelDocument::TransformChanged, this, &MainWindow::ShowTransform);
    connect(document.get(), &ModelDocument::SaveFinished, this, &MainWindow::ShowSaveOutcome);
}

void MainWindow::CreateProgressDisplay(QStatusBar *statusBar)
{
    // The bar and its Cancel button sit at the right of the message line, which has their
    // room while they are hidden. The status bar keeps the height it has with them: were the
    // views resized when an operation starts or ends, both would be drawn again, which takes
    // seconds for a large model with software OpenGL.
    ui->verticalLayout->removeWidget(ui->progressBar);
    cancelButton = new QPushButton;
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(cancelButton, &QPushButton::clicked, document.get(), &ModelDocument::Cancel);
    ui->progressBar->setMaximumWidth(300);
    statusBar->addPermanentWidget(ui->progressBar, 1);
    statusBar->addPermanentWidget(cancelButton);
    statusBar->setMinimumHeight(statusBar->sizeHint().height());
    ui->progressBar->hide();
    cancelButton->hide();

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, document.get(), &ModelDocument::Cancel);
}

void MainWindow::ShowState()
{
    const bool busy = document->IsBusy();
    // A file being written while nothing else runs: the writers tell no share done, so the
    // bar only shows that the work goes on. A save cannot be cancelled.
    const bool onlySaving = document->IsSaving() && !busy;
    ui->progressBar->setRange(0, onlySaving ? 0 : 100);
    ui->progressBar->setVisible(busy || onlySaving);
    cancelButton->setVisible(busy);
    statusLabel->SetMessage(document->Status());
    UpdateActions();
}

void MainWindow::UpdateActions()
{
    const ModelDocument &doc = *document;
    const bool loaded = doc.LoadedModel();
    // While a file is written, nothing may change what is written or what it is saved as;
    // while one is read, nothing may start on the model it is about to replace.
    const bool fileWork = doc.IsReading() || doc.IsSaving();
    const bool idle = loaded && !fileWork && doc.RunningJob() == ModelDocument::Job::None;
    for (QAction *action : {ui->actionNew, ui->actionOpen})
        action->setEnabled(!doc.IsSaving());
    for (QAction *action : recentFileActions)
        action->setEnabled(!doc.IsSaving());
    ui->actionSnapshot->setEnabled(loaded);
    for (QAction *action : {ui->actionSave_as, ui->actionTransform})
        action->setEnabled(loaded && !fileWork);
    ui->actionSave_levels_as_one_file->setEnabled(doc.AllLevelsMade() && !fileWork);
    for (QAction *action : {ui->actionSmooth, ui->actionDecimationSet, ui->actionDecimation01,
                            ui->actionDecimation001, ui->actionDecimation0001, ui->actionDecimationByError})
        action->setEnabled(idle);
    // After a cancel the buttons of the levels not made make them again.
    const bool missingCanStart = doc.LevelsMissing();
    for (int percent = 10; percent <= 100; percent += 10) {
        const bool made = percent == 100 || (loaded && doc.LevelOf(percent).model);
        LevelAction(percent)->setEnabled(loaded && (made || missingCanStart) && !fileWork);
    }
    ui->actionUndo->setEnabled(history->canUndo() && !fileWork);
    ui->actionRedo->setEnabled(history->canRedo() && !fileWork);
}
