#include "io/write/TextureFiles.h"

#include "io/write/LookGroups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

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

enum class NewFile { Written, Taken, Failed };

// Writes the image under its name unless a file of that name is there: the models of a batch
// may place images of one name in one folder at the same moment. The bytes go into a file of
// their own beside it, which takes the name only while it is free (a hard link is refused a
// name that is taken), so that the name never shows a part of an image nor loses one. Where
// the file system has no hard links, the file is renamed over the name as before.
NewFile WriteNewFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    const QFileInfo target(path);
    const QString partial = target.dir().filePath(
        QStringLiteral(".lumeno-%1.%2").arg(QString::number(QRandomGenerator::global()->generate(), 36), target.suffix()));
    if (!ReplaceFileContent(partial, bytes.constData(), bytes.size(), reason))
        return NewFile::Failed;
    const QByteArray from = QFile::encodeName(partial);
    const QByteArray to = QFile::encodeName(path);
    const bool linked = ::link(from.constData(), to.constData()) == 0;
    if (linked || errno == EEXIST) {
        ::unlink(from.constData());
        return linked ? NewFile::Written : NewFile::Taken;
    }
    if (std::rename(from.constData(), to.constData()) == 0)
        return NewFile::Written;
    *reason = QString::fromLocal8Bit(std::strerror(errno));
    ::unlink(from.constData());
    return NewFile::Failed;
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
            const NewFile written = WriteNewFile(path, texture.bytes, &why);
            if (written == NewFile::Failed) {
                *reason = QStringLiteral("%1: %2").arg(candidate, why);
                return false;
            }
            // Placed meanwhile by another model: the same image serves, another does not.
            if (written == NewFile::Taken && !HoldsBytes(path, texture.bytes))
                continue;
            if (written == NewFile::Written)
                writtenNow.insert(candidate, texture.bytes);
        }
        paths.insert(image, candidate);
        return true;
    }
}

} // namespace lumeno
