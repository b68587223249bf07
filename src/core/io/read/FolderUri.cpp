#include "io/read/FolderUri.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <cctype>

namespace lumeno {

namespace {

// No system takes a longer path; longer URIs are only shown cut short.
constexpr size_t LongestUri = 4096;

bool HasScheme(std::string_view uri)
{
    // RFC 3986: ALPHA *( ALPHA / DIGIT / "+" / "-" / "." ) ":"
    if (uri.empty() || !std::isalpha(static_cast<unsigned char>(uri[0])))
        return false;
    for (char c : uri) {
        if (c == ':')
            return true;
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return false;
}

} // namespace

bool IsDataUri(std::string_view uri)
{
    return uri.size() >= 5 && QByteArray(uri.data(), 5).toLower() == "data:";
}

QString DecodedUri(std::string_view uri)
{
    uri = uri.substr(0, LongestUri);
    return QString::fromUtf8(QByteArray::fromPercentEncoding(QByteArray(uri.data(), int(uri.size()))));
}

namespace {

// The path below the folder of a relative name that stays inside it; empty for any other.
QString RelativePathInFolder(const QString &folder, const QString &decoded)
{
    if (decoded.isEmpty() || decoded.startsWith(QLatin1Char('/')) || decoded.startsWith(QLatin1Char('\\')) ||
        decoded.contains(QChar(0)))
        return QString();
    QStringList kept;
    for (const QString &segment : decoded.split(QRegularExpression(QStringLiteral("[/\\\\]")))) {
        if (segment == QLatin1String(".."))
            return QString();
        if (!segment.isEmpty() && segment != QLatin1String("."))
            kept << segment;
    }
    if (kept.isEmpty())
        return QString();
    return QDir(folder).absoluteFilePath(kept.join(QLatin1Char('/')));
}

} // namespace

QString PathInFolder(const QString &folder, std::string_view uri)
{
    if (HasScheme(uri) || uri.empty() || uri.size() > LongestUri)
        return QString();
    return RelativePathInFolder(folder, DecodedUri(uri));
}

QString PathOfNameInFolder(const QString &folder, const QString &name)
{
    if (name.size() > int(LongestUri) || (name.size() >= 2 && name[1] == QLatin1Char(':')))
        return QString();
    return RelativePathInFolder(folder, name);
}

bool StaysInsideFolder(const QString &folder, const QString &path)
{
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QString target = QFileInfo(path).canonicalFilePath();
    return !root.isEmpty() && !target.isEmpty() &&
           target.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
}

} // namespace lumeno
