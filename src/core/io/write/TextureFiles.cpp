#include "io/write/TextureFiles.h"

#include "io/write/LookGroups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lumeno {

namespace {

// By the image's type, or else by its first bytes.
QString SuffixOfType(const TextureImage &image)
{
    const QString type = image.mimeType.isEmpty() ? PngOrJpegType(image) : image.mimeType;
    if (type == QLatin1String("image/jpeg"))
        return QStringLiteral("jpg");
    if (type == QLatin1String("image/webp"))
        return QStringLiteral("webp");
    return QStringLiteral("png");
}

// Whether the file holds exactly these bytes.
bool HoldsBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

} // namespace

QString ImageFileName(const TextureImage &image, int index)
{
    QString name;
    for (const QChar c : QFileInfo(QString(image.name).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName())
        name += c.isSpace() || !c.isPrint() ? QLatin1Char('_') : c;
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name = QStringLiteral("texture_%1").arg(index + 1);
    if (QFileInfo(name).suffix().isEmpty())
        name += QLatin1Char('.') + SuffixOfType(image);
    return name;
}

TextureFiles::TextureFiles(const ModelLook &modelLook, const QString &outputFolder,
                           ModelWriteOptions::Textures how)
    : look(modelLook), folder(outputFolder), textures(how)
{
}

bool TextureFiles::Place(QString *reason)
{
    const QDir dir(folder);
    for (const int image : UsedImages(look)) {
        const TextureImage &texture = look.images[size_t(image)];
        const bool fromFile = !texture.source.isEmpty();
        if (texture.Missing() || (fromFile && textures == ModelWriteOptions::Textures::Reference)) {
            paths.insert(image, fromFile ? dir.relativeFilePath(QFileInfo(texture.source).absoluteFilePath())
                                         : ImageFileName(texture, image));
            continue;
        }
        if (!Copy(image, reason))
            return false;
    }
    return true;
}

bool TextureFiles::Copy(int image, QString *reason)
{
    const TextureImage &texture = look.images[size_t(image)];
    const QString name = ImageFileName(texture, image);
    const QFileInfo info(name);
    const QString stem = info.completeBaseName();
    const QString suffix = info.suffix();
    for (int n = 1;; ++n) {
        const QString candidate = n == 1 ? name : QStringLiteral("%1_%2.%3").arg(stem).arg(n).arg(suffix);
        const QString path = QDir(folder).filePath(candidate);
        const auto made = writtenNow.constFind(candidate);
        if (made != writtenNow.constEnd()) {
            if (*made != texture.bytes)
                continue;
        } else if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
            if (!QFileInfo(path).isFile() || !HoldsBytes(path, texture.bytes))
                continue;
        } else {
            QString why;
            if (!ReplaceFileContent(path, texture.bytes.constData(), texture.bytes.size(), &why)) {
                *reason = QStringLiteral("%1: %2").arg(candidate, why);
                return false;
            }
            writtenNow.insert(candidate, texture.bytes);
        }
        paths.insert(image, candidate);
        return true;
    }
}

} // namespace lumeno
