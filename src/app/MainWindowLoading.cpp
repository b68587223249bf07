// New, Open, and what the window shows when a model is opened, fails to open or is closed.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DualView.h"
#include "MessageText.h"
#include "io/FilePaths.h"
#include "settings/LastFolder.h"
#include "settings/UpAxisSetting.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUndoStack>

void MainWindow::NewModel()
{
    AfterChangesSettled([this] { document->Close(); });
}

void MainWindow::OpenFile()
{
    AfterChangesSettled([this] {
        const QString fileName = QFileDialog::getOpenFileName(
            this, tr("Open File"), LastFolder(),
            tr("All models (*.stl *.obj *.ply *.off *.gltf *.glb *.3mf);;STL file (*.stl);; PLY file (*.ply);; "
               "OBJ file (*.obj);; OFF file (*.off);; glTF file (*.gltf *.glb);; 3MF file (*.3mf)"));
        if (fileName.isEmpty())
            return;
        RememberFolderOf(fileName);
        document->Open(fileName);
    });
}

void MainWindow::LoadModel(const QString &fileName)
{
    AfterChangesSettled([this, fileName] { document->Open(fileName); });
}

void MainWindow::ShowOpenedModel()
{
    history->clear();
    drawnTransform = {};
    AddRecentFile(document->FilePath());
    UpdateWindowTitle();
    view->Clear();
    vtkPolyData *loaded = document->LoadedModel();
    view->ShowModels(loaded, document->Shown().model,
                     lumeno::ModelUpAxis(StoredUpAxisChoice(), document->Format(), loaded->GetBounds()),
                     document->DrawingLook());
    LabelLevelActions();
    UpdateActions();
    view->ShowOriginalPanel(); // draws the left view
    view->RenderDecimated();
}

// A file that cannot be loaded changes nothing but the recent list, which loses a file that is gone.
void MainWindow::ShowOpenFailure(const QString &path, const lumeno::ReadResult &result)
{
    const QString shownPath = lumeno::DisplayPath(QFileInfo(path).filePath());
    if (result.failure == lumeno::ReadFailure::Missing) {
        const bool listed = IsRecentFile(path);
        QMessageBox box(QMessageBox::Warning, tr("Lumeno3D"), QString(), QMessageBox::Ok, this);
        box.setText(Paragraphs({tr("The file ") + shownPath + tr(" doesn't exist."),
                                listed ? tr("It was removed from Recent files.") : QString(),
                                tr("If it was moved or renamed, open it from its new place.")}));
        box.exec();
        RemoveRecentFile(path);
        return;
    }
    if (result.failure == lumeno::ReadFailure::UnknownSuffix) {
        QMessageBox box(this);
        box.setText(Paragraphs({tr("Error opening ") + shownPath, lumeno::ReadFailureText(result)}));
        box.exec();
        return;
    }
    // Whatever failed (the file check, the reader, or its output), nothing of the file
    // reached a view or a filter.
    const bool damaged = result.failure == lumeno::ReadFailure::DamagedFile ||
                         result.failure == lumeno::ReadFailure::ReaderError ||
                         result.failure == lumeno::ReadFailure::UnusableModel;
    QMessageBox::critical(nullptr, tr("Lumeno3D"),
                          Paragraphs({lumeno::ReadFailureText(result), shownPath,
                                      damaged ? tr("Check that it is a complete STL, OBJ, PLY, OFF, glTF, GLB or 3MF file, "
                                                         "or export it again.")
                                              : QString()}),
                          QMessageBox::Ok);
}

void MainWindow::ShowClosedModel()
{
    history->clear();
    drawnTransform = {};
    view->Clear();
    ui->progressBar->hide();
    LabelLevelActions();
    UpdateWindowTitle();
    UpdateActions();
    view->Render();
}
