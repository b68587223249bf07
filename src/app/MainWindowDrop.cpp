// Opening model files handed over from outside: dropped on the window, from a file manager or a
// browser's downloads, or named on the command line. The window holds one model at a time: of
// several files the first is opened, and the status bar says so.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "io/FilePaths.h"
#include "io/read/ModelReader.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

namespace {

constexpr int SeveralFilesMessageMilliseconds = 30000;

bool IsReadableModel(const QUrl &url)
{
    if (!url.isLocalFile())
        return false;
    return lumeno::IsReadableSuffix(QFileInfo(url.toLocalFile()).suffix());
}

// The dropped local files the program reads, in the order dropped.
QStringList DroppedModelFiles(const QMimeData *data)
{
    QStringList files;
    if (!data->hasUrls())
        return files;
    for (const QUrl &url : data->urls())
        if (IsReadableModel(url))
            files << url.toLocalFile();
    return files;
}

} // namespace

void MainWindow::LoadModels(const QStringList &files)
{
    if (files.isEmpty())
        return;
    LoadModel(files.constFirst());
    if (files.size() > 1)
        statusBar()->showMessage(
            tr("One model is open at a time: only %1 was opened.")
                .arg(lumeno::DisplayPath(QFileInfo(files.constFirst()).fileName())),
            SeveralFilesMessageMilliseconds);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedModelFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    if (!DroppedModelFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QStringList files = DroppedModelFiles(event->mimeData());
    if (files.isEmpty() || document->IsSaving())
        return;
    event->acceptProposedAction();
    // After the drop has ended, so that the file manager is not kept waiting by the load.
    QMetaObject::invokeMethod(
        this, [this, files] { LoadModels(files); }, Qt::QueuedConnection);
}
