// The help page of the Help menu.
#include "MainWindow.h"

#include "update/Updater.h"

#include <QDesktopServices>
#include <QSettings>
#include <QUrl>

void MainWindow::ContentSlot()
{
    QString language = QSettings().value(QStringLiteral("Language")).toString();
    if (language.isEmpty())
        language = QStringLiteral("en");
    QDesktopServices::openUrl(
        QUrl(QStringLiteral("%1/help/%2/Lumeno3D.html").arg(QString::fromLatin1(Updater::WebSite), language)));
}
