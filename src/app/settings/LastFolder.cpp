#include "settings/LastFolder.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString Key = QStringLiteral("LastFolder");
}

QString LastFolder()
{
    const QString stored = QSettings().value(Key).toString();
    if (!stored.isEmpty() && QFileInfo(stored).isDir())
        return stored;
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

void RememberFolderOf(const QString &chosenFile)
{
    QSettings().setValue(Key, QFileInfo(chosenFile).absolutePath());
}
