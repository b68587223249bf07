// The level buttons, and the questions of the custom and by-error reductions.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>

void MainWindow::ShowLevelOfAction()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    const int percent = action->data().toInt();
    // A level a cancel left unmade: its button makes the missing levels, and it is shown once made.
    if (percent < 100 && !document->LevelOf(percent).model) {
        if (document->MakeMissingLevels())
            levelAwaited = percent;
        return;
    }
    document->ShowLevel(percent);
}

void MainWindow::ReduceByErrorPreset()
{
    if (auto *action = qobject_cast<QAction *>(sender()))
        document->ReduceWithinError(action->data().toDouble());
}

void MainWindow::ReduceByErrorAsked()
{
    bool accepted = false;
    const double maxError =
        QInputDialog::getDouble(this, tr("Decimation by error"),
                                tr("Error bound of the filter, as a share of the bounding box diagonal:"), 0.005,
                                0.000001, 10.0, 6, &accepted);
    if (accepted)
        document->ReduceWithinError(maxError);
}

void MainWindow::ReduceByPercentAsked()
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
    document->ReduceToShare(percent);
}
