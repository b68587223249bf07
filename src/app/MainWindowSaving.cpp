// Save as and snapshots.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DualView.h"
#include "FileWork.h"
#include "MessageText.h"
#include "io/FilePaths.h"
#include "io/ModelWriter.h"
#include "mesh/ModelTransform.h"
#include "settings/LastFolder.h"
#include "WindowInputBlock.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QUndoStack>

#include <vtkPNGWriter.h>
#include <vtkRenderWindow.h>
#include <vtkTransform.h>
#include <vtkUnsignedCharArray.h>
#include <vtkWindowToImageFilter.h>

namespace {

// The filters of the save dialog, as it lists them: "STL file (*.stl)", "PLY file (*.ply)" ...
QStringList ModelFilters()
{
    QStringList filters =
        MainWindow::tr("STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)").split(QStringLiteral(";;"));
    for (QString &filter : filters)
        filter = filter.trimmed();
    return filters;
}

// "PLY file (*.ply)" gives "ply".
QString SuffixOfFilter(const QString &filter)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("stl");
}

// "bunny_50.stl" for /models/bunny.STL shown at "50%"; "bunny.stl" for the whole model.
QString ProposedModelName(const QString &modelPath, const QString &shownLabel)
{
    const QFileInfo model(modelPath);
    const QString level = shownLabel.split(QRegularExpression(QStringLiteral("[^\\w.-]+")), Qt::SkipEmptyParts)
                              .join(QLatin1Char('_'));
    const QString tag = level.isEmpty() || level == QLatin1String("100") ? QString() : QLatin1Char('_') + level;
    return model.completeBaseName() + tag + QLatin1Char('.') + model.suffix().toLower();
}

// Completes a name typed without a suffix. The dialog asked about replacing only the name as
// typed, so a completed name that exists is asked about here; false if the user keeps it.
bool CompleteSuffix(QWidget *parent, const QString &title, QString &fileName, const QString &suffix)
{
    if (!QFileInfo(fileName).suffix().isEmpty())
        return true;
    if (!fileName.endsWith(QLatin1Char('.')))
        fileName += QLatin1Char('.');
    fileName += suffix;
    return !QFileInfo::exists(fileName) ||
           QMessageBox::question(parent, title,
                                 MainWindow::tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(lumeno::DisplayPath(fileName))) == QMessageBox::Yes;
}

} // namespace

void MainWindow::SaveFileSlot()
{
    SaveWithDialog();
}

bool MainWindow::SaveWithDialog()
{
    if (!ActorOriginal() || !ActorDecimated() || !loadedModel) {
        QMessageBox box(this);
        box.setText(Paragraphs({tr("No model is loaded into Lumeno3D."), tr("Open a model first.")}));
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return false;
    }

    const QStringList filters = ModelFilters();
    const QString proposed = ProposedModelName(loadedFile, CurrentLabel());
    QString selectedFilter = filters.first();
    for (const QString &filter : filters)
        if (SuffixOfFilter(filter) == QFileInfo(proposed).suffix())
            selectedFilter = filter;
    QString fileName = QFileDialog::getSaveFileName(this, tr("Save model"),
                                                    QDir(LastFolder()).filePath(proposed),
                                                    filters.join(QStringLiteral(";;")), &selectedFilter);
    if (fileName.isEmpty())
        return false;
    RememberFolderOf(fileName);

    // A name typed without a suffix takes the one of the chosen filter.
    if (!CompleteSuffix(this, tr("Save model"), fileName, SuffixOfFilter(selectedFilter)))
        return false;

    if (!SaveModel(fileName, QFileInfo(fileName).suffix()))
        return false;
    AddRecentFile(fileName);
    history->setClean();
    // A job still running keeps the status line until it ends.
    idleStatus = tr("Saved to %1").arg(lumeno::DisplayPath(QFileInfo(fileName).absoluteFilePath()));
    ShowJobState();
    return true;
}

bool MainWindow::SaveModel(const QString &fileName, const QString &suffix)
{
    // The model the right view shows; until the cascade has finished, that is the loaded one.
    vtkPolyData *shown = shownModel ? shownModel : loadedModel;
    if (!shown)
        return false;
    // A result arriving meanwhile is copied into the working model in place: the writing
    // thread gets arrays of its own to hold.
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->ShallowCopy(shown);
    vtkSmartPointer<vtkTransform> transform;
    if (modelTransform.applied && lumeno::IsModelSuffix(suffix))
        transform = lumeno::MakeModelTransform(modelTransform.scale.data(), modelTransform.rotation.data());

    // A large model takes a while to transform and write: the window goes on drawing, but
    // takes no input and cannot be closed until the file is written.
    auto result = std::make_shared<lumeno::ModelWriteResult>();
    {
        const WindowInputBlock block(this, cancelButton, false);
        modelWrite->Run(
            [result, model, transform, fileName, suffix] {
                *result = lumeno::WriteModelFile(transform ? lumeno::TransformModel(model, transform) : model,
                                                 fileName, suffix);
            },
            {});
    }
    if (!result->written)
        QMessageBox::warning(this, tr("Save model"),
                             Paragraphs({result->error, tr("Choose another name or folder and save again.")}));
    return result->written;
}

void MainWindow::MakeSnapshotSlot()
{
    QString selectedFilter = tr("PNG file (*.png)");
    QString fileName =
        QFileDialog::getSaveFileName(this, tr("Save snapshot"), LastFolder(), selectedFilter, &selectedFilter);
    if (fileName.isEmpty())
        return;
    RememberFolderOf(fileName);
    if (!CompleteSuffix(this, tr("Save snapshot"), fileName, QStringLiteral("png")))
        return;

    // Only the last suffix is the format, as for models: "shot.v2.png" and "shot.v2_decimated.png".
    const QFileInfo info(fileName);
    const QString decimatedName =
        info.dir().filePath(info.completeBaseName() + QStringLiteral("_decimated.") + info.suffix());

    WriteSnapshot(fileName.toStdString().c_str(), view->OriginalWindow());
    WriteSnapshot(decimatedName.toStdString().c_str(), view->DecimatedWindow());
}

void MainWindow::WriteSnapshot(const char *fileName, vtkSmartPointer<vtkRenderWindow> renderWindow)
{
    auto image = vtkSmartPointer<vtkWindowToImageFilter>::New();
    image->SetInput(renderWindow);
    image->SetScale(1);
    image->SetInputBufferTypeToRGBA();
    // The view draws into an offscreen buffer of its own: read what the filter's own render draws.
    image->ReadFrontBufferOff();
    image->Update();

    // The PNG is made in memory and then saved whole, so a failed write is noticed and
    // leaves no half image behind.
    auto writer = vtkSmartPointer<vtkPNGWriter>::New();
    writer->WriteToMemoryOn();
    writer->SetInputConnection(image->GetOutputPort());
    writer->Write();

    const QString name = QString::fromUtf8(fileName);
    vtkUnsignedCharArray *png = writer->GetResult();
    QString reason = tr("The image could not be encoded.");
    if (png && png->GetNumberOfValues() > 0 &&
        lumeno::ReplaceFileContent(name, reinterpret_cast<const char *>(png->GetPointer(0)),
                                   png->GetNumberOfValues(), &reason))
        return;
    QMessageBox::warning(this, tr("Save snapshot"),
                         Paragraphs({tr("The snapshot could not be saved to %1.\n%2")
                                         .arg(lumeno::DisplayPath(name), reason),
                                     tr("Choose another name or folder and save again.")}));
}
