// New, Open and the loading of a model file.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DualView.h"
#include "FileWork.h"
#include "MeshWorker.h"
#include "MessageText.h"
#include "PrepareForDrawing.h"
#include "io/FilePaths.h"
#include "io/ModelReader.h"
#include "settings/LastFolder.h"
#include "WindowInputBlock.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUndoStack>

#include <atomic>

#include <vtkAlgorithm.h>
#include <vtkCallbackCommand.h>
#include <vtkPolyData.h>
#include <vtkRenderWindow.h>

namespace {

// What a read hands over: the model, and how far the reader is meanwhile.
struct ReadState
{
    lumeno::ReadResult result;
    std::atomic<int> percent{0};
};

void NoteProgress(vtkObject *caller, unsigned long, void *state, void *)
{
    if (auto *reader = vtkAlgorithm::SafeDownCast(caller))
        static_cast<ReadState *>(state)->percent = static_cast<int>(reader->GetProgress() * 100.0);
}

// Reads the file on a thread of the file work.
void ReadOnFileThread(ReadState &state, const QString &path, const QString &suffix)
{
    state.result = lumeno::ReadModel(path, suffix, [&state](vtkAlgorithm *reader) {
        auto observer = vtkSmartPointer<vtkCallbackCommand>::New();
        observer->SetCallback(NoteProgress);
        observer->SetClientData(&state);
        reader->AddObserver(vtkCommand::ProgressEvent, observer);
    });
    if (state.result.model)
        PrepareForDrawing(state.result.model);
}

} // namespace

void MainWindow::NewSlot()
{
    if (MayDiscardChanges())
        ClearModel();
}

void MainWindow::ClearModel()
{
    CancelMeshJob();
    meshWorker->ForgetReference();
    ClearScene();
    ui->progressBar->hide();
    modelTransform.scale = {1.0, 1.0, 1.0};
    modelTransform.rotation = {0.0, 0.0, 0.0};
    ResetDecimationActions();
    history->clear();
    loadedFile.clear();
    readNote.clear();
    UpdateWindowTitle();
    UpdateModelActions();
    RenderViews();
}

void MainWindow::OpenFileSlot()
{
    if (!MayDiscardChanges())
        return;
    const QString fileName = QFileDialog::getOpenFileName(
        this, tr("Open File"), LastFolder(),
        tr("All files (*.stl *.obj *.ply);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)"));
    if (fileName.isEmpty())
        return;
    RememberFolderOf(fileName);
    LoadModel(fileName, QFileInfo(fileName).suffix());
}

// The current model, its levels and a running cascade stay until the new file has been read
// and checked: a file that cannot be loaded changes nothing but the recent list, which loses
// a file that is gone.
void MainWindow::LoadModel(const QString &fileName, const QString &suffix)
{
    // The newest request wins over a file still being read.
    modelRead->Cancel();
    const QFileInfo file(fileName);
    const QString shownPath = lumeno::DisplayPath(file.filePath());
    if (!lumeno::PathExists(fileName)) {
        const bool listed = IsRecentFile(fileName);
        QMessageBox box(QMessageBox::Warning, tr("Lumeno3D"), QString(), QMessageBox::Ok, this);
        box.setText(Paragraphs({tr("The file ") + shownPath + tr(" doesn't exist."),
                                listed ? tr("It was removed from Recent files.") : QString(),
                                tr("If it was moved or renamed, open it from its new place.")}));
        box.exec();
        RemoveRecentFile(fileName);
        return;
    }

    // The bar and the status show the reading, then what they showed before if it fails or
    // is cancelled (unless a job of the current model ended or started meanwhile).
    const bool barWasHidden = ui->progressBar->isHidden();
    const int barValue = ui->progressBar->value();
    const QString statusBefore = statusLabel->text();
    const int jobBefore = jobNumber;
    const MeshJob runningBefore = runningJob;
    const auto restoreProgress = [&] {
        if (jobNumber != jobBefore || runningJob != runningBefore)
            return ShowJobState();
        ui->progressBar->setValue(barValue);
        ui->progressBar->setHidden(barWasHidden);
        cancelButton->setHidden(barWasHidden);
        SetStatus(statusBefore);
    };

    const QString lowerSuffix = suffix.toLower();
    auto read = std::make_shared<ReadState>();
    bool finished = false;
    {
        const WindowInputBlock block(this, cancelButton, true);
        readingFile = true;
        ui->progressBar->setValue(0);
        ShowJobState();
        finished = modelRead->Run(
            [read, fileName, lowerSuffix] { ReadOnFileThread(*read, fileName, lowerSuffix); },
            [this, read] { ui->progressBar->setValue(read->percent); });
        readingFile = false;
    }
    if (!finished) {
        restoreProgress();
        if (runningJob == MeshJob::None) {
            idleStatus = loadedModel ? tr("Opening cancelled. The right view still shows %1.").arg(CurrentLabel())
                                     : tr("Opening cancelled.");
            SetStatus(idleStatus);
        }
        return;
    }
    const lumeno::ReadResult &result = read->result;

    if (result.failure == lumeno::ReadFailure::UnknownSuffix) {
        restoreProgress();
        QMessageBox box(this);
        box.setText(Paragraphs({tr("Error opening ") + shownPath, lumeno::ReadFailureText(result)}));
        box.exec();
        return;
    }
    // Whatever failed (the file check, the reader, or its output), nothing of the file
    // reaches a view or a filter. The message comes after the reader has returned, not
    // from inside its run.
    if (result.failure != lumeno::ReadFailure::None) {
        restoreProgress();
        const bool damaged = result.failure == lumeno::ReadFailure::DamagedFile ||
                             result.failure == lumeno::ReadFailure::ReaderError ||
                             result.failure == lumeno::ReadFailure::UnusableModel;
        QMessageBox::critical(
            nullptr, tr("Lumeno3D"),
            Paragraphs({lumeno::ReadFailureText(result), shownPath,
                        damaged ? tr("Check that it is a complete STL, OBJ or PLY file, or export it again.")
                                : QString()}),
            QMessageBox::Ok);
        return;
    }

    ClearModel();
    loadedModel = result.model;
    if (result.untriangulatedPolygons > 0)
        readNote = tr("%1 polygons without area could not be made into triangles and were left out.")
                       .arg(result.untriangulatedPolygons);
    loadedFile = file.absoluteFilePath();
    AddRecentFile(fileName);
    SetStatus(tr("Opening file..."));
    UpdateWindowTitle();

    modelFormat = lowerSuffix;
    ui->actionDecimation100->setEnabled(true);

    ShowModelInBothViews();
    UpdateModelActions();

    StartCascade();

    UpdateOriginalOverlay(); // draws the left view
    view->RenderDecimated();
}
