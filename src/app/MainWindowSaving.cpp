// Save as and snapshots.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "DualView.h"
#include "io/ModelWriter.h"
#include "mesh/ModelTransform.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUndoStack>

#include <vtkPNGWriter.h>
#include <vtkRenderWindow.h>
#include <vtkTransform.h>
#include <vtkUnsignedCharArray.h>
#include <vtkWindowToImageFilter.h>

namespace {

QString DesktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

// "PLY file (*.ply)" gives "ply".
QString SuffixOfFilter(const QString &filter)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("stl");
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
        box.setText(tr("No model is loaded into Lumeno"));
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return false;
    }

    QString selectedFilter = tr("STL file (*.stl)");
    QString fileName = QFileDialog::getSaveFileName(this, tr("Save model"), DesktopFolder(),
                                                    tr("STL file (*.stl);; PLY file (*.ply);; OBJ file (*.obj)"),
                                                    &selectedFilter);
    if (fileName.isEmpty())
        return false;

    // A name typed without a suffix takes the one of the chosen filter; the dialog only
    // asked about replacing the name as typed.
    if (QFileInfo(fileName).suffix().isEmpty()) {
        if (!fileName.endsWith(QLatin1Char('.')))
            fileName += QLatin1Char('.');
        fileName += SuffixOfFilter(selectedFilter);
        if (QFileInfo::exists(fileName) &&
            QMessageBox::question(this, tr("Save model"),
                                  tr("%1 already exists.\nDo you want to replace it?")
                                      .arg(QDir::toNativeSeparators(fileName))) != QMessageBox::Yes)
            return false;
    }

    if (!SaveModel(fileName, QFileInfo(fileName).suffix()))
        return false;
    AddRecentFile(fileName);
    history->setClean();
    SetStatus(tr("Saved to %1").arg(QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath())));
    return true;
}

bool MainWindow::SaveModel(const QString &fileName, const QString &suffix)
{
    // The model the right view shows; until the cascade has finished, that is the loaded one.
    vtkSmartPointer<vtkPolyData> model = shownModel ? shownModel : loadedModel;
    if (!model)
        return false;
    if (modelTransform.applied && lumeno::IsModelSuffix(suffix))
        model = lumeno::TransformModel(
            model, lumeno::MakeModelTransform(modelTransform.scale.data(), modelTransform.rotation.data()));

    const lumeno::ModelWriteResult result = lumeno::WriteModelFile(model, fileName, suffix);
    if (!result.written)
        QMessageBox::warning(this, tr("Save model"), result.error);
    return result.written;
}

void MainWindow::MakeSnapshotSlot()
{
    QString selectedFilter = tr("PNG file (*.png)");
    const QString fileName =
        QFileDialog::getSaveFileName(this, tr("Save snapshot"), DesktopFolder(), selectedFilter, &selectedFilter);
    if (fileName.isEmpty())
        return;

    const QFileInfo info(fileName);
    const QString decimatedName =
        QStringLiteral("%1%2%3%4%5")
            .arg(info.path(), QStringLiteral("/"), info.baseName() + QStringLiteral("_decimated"),
                 QStringLiteral("."), info.completeSuffix());

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
                         tr("The snapshot could not be saved to %1.\n%2").arg(QDir::toNativeSeparators(name), reason));
}
