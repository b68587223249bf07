// New, Open and the loading of a model file.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DualView.h"
#include "io/ModelReader.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUndoStack>
#include <QUuid>

#include <vtkAlgorithm.h>
#include <vtkEventQtSlotConnect.h>
#include <vtkPolyData.h>
#include <vtkRenderWindow.h>

void MainWindow::NewSlot()
{
    if (MayDiscardChanges())
        ClearModel();
}

void MainWindow::ClearModel()
{
    CancelMeshJob();
    ClearScene();
    readerFailed = false;
    ui->progressBar->hide();
    modelTransform.scale = {1.0, 1.0, 1.0};
    modelTransform.rotation = {0.0, 0.0, 0.0};
    ResetDecimationActions();
    history->clear();
    openFilePath.clear();
    UpdateWindowTitle();
    RenderViews();
}

void MainWindow::OpenFileSlot()
{
    if (!MayDiscardChanges())
        return;
    const QString fileName = QFileDialog::getOpenFileName(
        this, tr("Open File"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
        tr("All files (*.stl *.obj *.ply);;STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)"));
    if (fileName.isEmpty())
        return;
    LoadModel(fileName, QFileInfo(fileName).suffix());
}

void MainWindow::LoadModel(const QString &fileName, const QString &suffix)
{
    ClearModel();

    const QFileInfo file(fileName);
    if (!file.exists()) {
        QMessageBox box(this);
        box.setText(tr("The file ") + file.filePath() + tr(" doesn't exist."));
        box.exec();
        return;
    }

    ui->progressBar->show();

    const QString lowerSuffix = suffix.toLower();

    // The readers take an 8-bit name: a name that does not survive the round trip is read
    // from a copy under a name of plain letters.
    QString readName = QFile::decodeName(fileName.toUtf8());
    QString temporaryCopy;
    if (!QFile::exists(readName)) {
        temporaryCopy = QStringLiteral("%1/%2.%3").arg(
            QDir::tempPath(), QUuid::createUuid().toString().remove(QLatin1Char('{')).remove(QLatin1Char('}')),
            lowerSuffix);
        if (QFile::copy(fileName, temporaryCopy))
            readName = temporaryCopy;
    }

    const lumeno::ReadResult result =
        lumeno::ReadModel(readName, lowerSuffix, [this, &lowerSuffix](vtkAlgorithm *reader) {
            vtkConnections->Connect(reader, vtkCommand::ProgressEvent, this,
                                    SLOT(readerProgress(vtkObject *, unsigned long)), nullptr, 0.0,
                                    Qt::DirectConnection);
            if (lowerSuffix == QLatin1String("stl"))
                vtkConnections->Connect(reader, vtkCommand::ErrorEvent, this,
                                        SLOT(readerError(vtkObject *, unsigned long)), nullptr, 0.0,
                                        Qt::DirectConnection);
        });
    loadedModel = result.model;

    if (!temporaryCopy.isEmpty())
        QFile::remove(temporaryCopy);

    if (result.failure == lumeno::ReadFailure::UnknownSuffix) {
        QMessageBox box(this);
        box.setText(tr("Error opening ") + fileName);
        box.exec();
        return;
    }

    AddRecentFile(fileName);

    // Whatever failed (the file check, the reader, or its output), nothing of the file
    // reaches a view or a filter. The message comes after the reader has returned, not
    // from inside its run.
    if (result.failure != lumeno::ReadFailure::None) {
        readerFailed = true;
        QMessageBox::critical(nullptr, tr("Lumeno3D"), tr("This file seems to be corrupt and cannot be loaded."),
                              QMessageBox::Ok);
        ClearModel();
        return;
    }

    SetStatus(tr("Opening file..."));
    openFilePath = file.absoluteFilePath();
    UpdateWindowTitle();

    modelFormat = lowerSuffix;
    ui->actionDecimation100->setEnabled(true);

    ShowModelInBothViews();

    StartCascade();

    UpdateOriginalOverlay(); // draws the left view
    view->RenderDecimated();
}

void MainWindow::readerError(vtkObject *, unsigned long)
{
    // Reported by LoadModel once the reader has returned.
    readerFailed = true;
}
