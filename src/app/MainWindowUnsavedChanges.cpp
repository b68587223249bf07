// The window's title, and the question before a transformed or smoothed result is dropped.
#include "MainWindow.h"

#include "io/FilePaths.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QUndoStack>

void MainWindow::UpdateWindowTitle()
{
    const QString program = QStringLiteral("Lumeno3D");
    // "[*]" marks where the title shows unsaved work; in a file name it is doubled to stay as it is.
    const QString name = lumeno::DisplayPath(QFileInfo(document->FilePath()).fileName()).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(name.isEmpty() ? program + QStringLiteral("[*]") : QStringLiteral("%1[*] - %2").arg(name, program));
    setWindowModified(history && !history->isClean());
}

void MainWindow::AfterChangesSettled(std::function<void()> next)
{
    if (history->isClean())
        return next();
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Lumeno3D"),
                    tr("Do you want to save the changes to %1?")
                        .arg(lumeno::DisplayPath(QFileInfo(document->FilePath()).fileName())),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setInformativeText(tr("The transform or smoothing of the model is lost unless you save it."));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Discard:
        return next();
    case QMessageBox::Save:
        return SaveWithDialog(std::move(next));
    default:
        return;
    }
}
