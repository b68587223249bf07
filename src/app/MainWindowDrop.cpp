// Opening a model file dropped on the window, from a file manager or a browser's downloads.
#include "MainWindow.h"

#include "io/ModelReader.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

// The first dropped item when it is a local file the program reads; otherwise empty.
QString DroppedModelFile(const QMimeData *data)
{
    if (!data->hasUrls() || data->urls().isEmpty() || !data->urls().constFirst().isLocalFile())
        return QString();
    const QString path = data->urls().constFirst().toLocalFile();
    return lumeno::IsReadableSuffix(QFileInfo(path).suffix()) ? path : QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedModelFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    if (!DroppedModelFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = DroppedModelFile(event->mimeData());
    if (path.isEmpty() || document->IsSaving())
        return;
    event->acceptProposedAction();
    // After the drop has ended, so that the file manager is not kept waiting by the load.
    QMetaObject::invokeMethod(
        this, [this, path] { LoadModel(path); }, Qt::QueuedConnection);
}
