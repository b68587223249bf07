// The five most recent model files of the File menu.
#include "MainWindow.h"

#include "io/FilePaths.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QSettings>

namespace {

QStringList StoredRecentFiles()
{
    return QSettings().value(QStringLiteral("RecentFileList")).toStringList();
}

void StoreRecentFiles(const QStringList &files)
{
    QSettings().setValue(QStringLiteral("RecentFileList"), files);
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<MainWindow *>(widget))
            window->UpdateRecentFileActions();
}

} // namespace

void MainWindow::AddRecentFile(const QString &path)
{
    QStringList files = StoredRecentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > MaxRecentFiles)
        files.removeLast();
    StoreRecentFiles(files);
}

bool MainWindow::IsRecentFile(const QString &path)
{
    return StoredRecentFiles().contains(path);
}

void MainWindow::RemoveRecentFile(const QString &path)
{
    QStringList files = StoredRecentFiles();
    if (files.removeAll(path) > 0)
        StoreRecentFiles(files);
}

void MainWindow::UpdateRecentFileActions()
{
    const QStringList files = StoredRecentFiles();
    const int shown = qMin(files.size(), MaxRecentFiles);
    for (int i = 0; i < shown; ++i) {
        recentFileActions[i]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(lumeno::DisplayPath(QFileInfo(files[i]).fileName())));
        recentFileActions[i]->setData(files[i]);
        recentFileActions[i]->setVisible(true);
    }
    for (int i = shown; i < MaxRecentFiles; ++i)
        recentFileActions[i]->setVisible(false);
}

void MainWindow::OpenRecentFile()
{
    if (auto *action = qobject_cast<QAction *>(sender()))
        LoadModel(action->data().toString());
}
