#include "io/FilePaths.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

namespace lumeno {

namespace {

bool Exists(const QByteArray &nativePath)
{
    struct stat status;
    return ::lstat(nativePath.constData(), &status) == 0;
}

// The one entry of the folder whose name decodes to `name`, or empty (none, or several).
QByteArray EntryDecodingTo(const QByteArray &folder, const QString &name)
{
    const std::unique_ptr<DIR, int (*)(DIR *)> directory(::opendir(folder.constData()), ::closedir);
    if (!directory)
        return {};
    QByteArray found;
    while (const dirent *entry = ::readdir(directory.get())) {
        const QByteArray entryName(entry->d_name);
        if (QFile::decodeName(entryName) != name)
            continue;
        if (!found.isEmpty())
            return {};
        found = entryName;
    }
    return found;
}

} // namespace

QByteArray NativePath(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (!path.contains(QChar::ReplacementCharacter) || Exists(encoded))
        return encoded;
    const QStringList components = QDir::fromNativeSeparators(path).split(QLatin1Char('/'));
    QByteArray resolved;
    for (int i = 0; i < components.size(); ++i) {
        const QString &component = components[i];
        QByteArray entry = QFile::encodeName(component);
        if (component.contains(QChar::ReplacementCharacter)) {
            const QByteArray folder = i == 0 ? QByteArray(".") : resolved.isEmpty() ? QByteArray("/") : resolved;
            entry = EntryDecodingTo(folder, component);
            if (entry.isEmpty())
                return {};
        }
        resolved = i == 0 ? entry : resolved + '/' + entry;
    }
    return resolved;
}

bool PathExists(const QString &path)
{
    const QByteArray nativePath = NativePath(path);
    return !nativePath.isEmpty() && Exists(nativePath);
}

QString EscapeControlCharacters(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code == '\n')
            shown += QLatin1String("\\n");
        else if (code == '\r')
            shown += QLatin1String("\\r");
        else if (code == '\t')
            shown += QLatin1String("\\t");
        else if (code < 0x20 || (code >= 0x7F && code < 0xA0))
            shown += QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0'));
        else if (code == 0x2028 || code == 0x2029)
            shown += QStringLiteral("\\u%1").arg(code, 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString DisplayPath(const QString &path)
{
    return EscapeControlCharacters(QDir::toNativeSeparators(path));
}

} // namespace lumeno
