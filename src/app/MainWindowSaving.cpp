// Save as and snapshots.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DualView.h"
#include "MessageText.h"
#include "io/FilePaths.h"
#include "io/write/ModelWriter.h"
#include "settings/LastFolder.h"
#include "settings/SaveQuestion.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QUndoStack>

#include <utility>

#include <vtkPNGWriter.h>
#include <vtkRenderWindow.h>
#include <vtkUnsignedCharArray.h>
#include <vtkWindowToImageFilter.h>

namespace {

// The filters of the save dialog, as it lists them: "STL file (*.stl)", "PLY file (*.ply)" ...
QStringList ModelFilters()
{
    QStringList filters =
        MainWindow::tr("STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj);; GLB file (*.glb);; "
                       "glTF file (*.gltf);; 3MF file (*.3mf);; OFF file (*.off)")
            .split(QStringLiteral(";;"));
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

// "bunny_50.stl" for /models/bunny.STL shown at "50%", "bunny_error_1.stl" within the error
// bound "\u22641%"; "bunny.stl" for the whole model.
QString ProposedModelName(const QString &modelPath, QString shownLabel)
{
    const QFileInfo model(modelPath);
    shownLabel.replace(QChar(0x2264), QStringLiteral("error "));
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

// Asks before a file is written that cannot hold all the model carries, unless the user
// chose not to be asked; true to write it.
bool AcceptLoss(QWidget *parent, const QString &fileName, const SaveLoss &loss)
{
    if (!loss.Any() || !AsksBeforeSavingWithLoss())
        return true;
    QStringList lines{MainWindow::tr("%1 cannot hold all that this model carries. Not saved:")
                          .arg(QFileInfo(fileName).fileName())};
    for (const QString &item : loss.Items())
        lines << QStringLiteral("\u2022 ") + item;
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(MainWindow::tr("Save model"));
    box.setText(lines.join(QLatin1Char('\n')));
    box.setInformativeText(loss.Reason(QFileInfo(fileName).suffix()));
    QPushButton *saveAnyway = box.addButton(MainWindow::tr("Save anyway"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(saveAnyway);
    auto *stopAsking = new QCheckBox(MainWindow::tr("Do not ask again"));
    stopAsking->setToolTip(MainWindow::tr("The question can be turned on again in the Preferences."));
    box.setCheckBox(stopAsking);
    box.exec();
    if (box.clickedButton() != saveAnyway)
        return false;
    if (stopAsking->isChecked())
        SetAskBeforeSavingWithLoss(false);
    return true;
}

} // namespace

void MainWindow::SaveFile()
{
    SaveWithDialog();
}

void MainWindow::SaveWithDialog(std::function<void()> written)
{
    if (!document->LoadedModel()) {
        QMessageBox box(this);
        box.setText(Paragraphs({tr("No model is loaded into Lumeno3D."), tr("Open a model first.")}));
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return;
    }

    const QStringList filters = ModelFilters();
    const QString proposed = ProposedModelName(document->FilePath(), CurrentLabel());
    QString selectedFilter = filters.first();
    for (const QString &filter : filters)
        if (SuffixOfFilter(filter) == QFileInfo(proposed).suffix())
            selectedFilter = filter;
    QString fileName = QFileDialog::getSaveFileName(this, tr("Save model"),
                                                    QDir(LastFolder()).filePath(proposed),
                                                    filters.join(QStringLiteral(";;")), &selectedFilter);
    if (fileName.isEmpty())
        return;
    RememberFolderOf(fileName);

    // A name typed without a suffix takes the one of the chosen filter.
    if (!CompleteSuffix(this, tr("Save model"), fileName, SuffixOfFilter(selectedFilter)))
        return;
    const bool mergeParts = ui->actionSave_parts_as_one->isChecked();
    if (!AcceptLoss(this, fileName, document->SavingLoses(QFileInfo(fileName).suffix(), mergeParts)))
        return;
    if (document->Save(fileName, mergeParts))
        afterSave = std::move(written);
}

void MainWindow::SaveLevelsAsOneFile()
{
    const QString proposed = QFileInfo(document->FilePath()).completeBaseName() + QStringLiteral("_levels.glb");
    QString fileName = QFileDialog::getSaveFileName(this, tr("Save levels as one file"),
                                                    QDir(LastFolder()).filePath(proposed), tr("GLB file (*.glb)"));
    if (fileName.isEmpty())
        return;
    RememberFolderOf(fileName);
    if (!CompleteSuffix(this, tr("Save levels as one file"), fileName, QStringLiteral("glb")))
        return;
    if (document->SaveLevelsAsOneFile(fileName, ui->actionSave_parts_as_one->isChecked()))
        savingLevelsFile = true;
}

void MainWindow::ShowSaveOutcome(const QString &path, bool written, const QString &error)
{
    const std::function<void()> next = std::exchange(afterSave, {});
    // The levels' file holds no smoothing or reduction of the shown model: the changes stay unsaved.
    const bool levelsFile = std::exchange(savingLevelsFile, false);
    if (written) {
        AddRecentFile(path);
        if (!levelsFile)
            history->setClean();
        if (next)
            next();
    } else {
        closeWhenSaved = false;
        QMessageBox::warning(this, tr("Save model"),
                             Paragraphs({error, tr("Choose another name or folder and save again.")}));
    }
    if (std::exchange(closeWhenSaved, false))
        close();
}

void MainWindow::SaveSnapshot()
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

    WriteSnapshot(fileName, view->OriginalWindow());
    WriteSnapshot(decimatedName, view->DecimatedWindow());
}

void MainWindow::WriteSnapshot(const QString &name, vtkRenderWindow *renderWindow)
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
