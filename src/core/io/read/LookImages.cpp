#include "io/read/LookImages.h"

#include "io/read/FolderFile.h"

#include <QFileInfo>

namespace lumeno {

namespace {

// Any one image larger than this is taken for a damaged or hostile file.
constexpr qint64 MaxImageBytes = qint64(256) << 20;

QString SuffixOf(const QString &mimeType)
{
    if (mimeType == QLatin1String("image/png"))
        return QStringLiteral("png");
    if (mimeType == QLatin1String("image/jpeg"))
        return QStringLiteral("jpg");
    if (mimeType == QLatin1String("image/webp"))
        return QStringLiteral("webp");
    if (mimeType == QLatin1String("image/gif"))
        return QStringLiteral("gif");
    if (mimeType == QLatin1String("image/bmp"))
        return QStringLiteral("bmp");
    if (mimeType == QLatin1String("image/ktx2"))
        return QStringLiteral("ktx2");
    return QString();
}

// The last segment of a name, with what no file system takes in a name replaced.
QString PlainFileName(QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = name.section(QLatin1Char('/'), -1);
    for (QChar &c : name)
        if (c.unicode() < 32 || QStringLiteral("<>:\"|?*").contains(c))
            c = QLatin1Char('_');
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.left(200);
}

} // namespace

QString ImageMimeType(const QByteArray &bytes, const QString &name)
{
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return QStringLiteral("image/png");
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral("image/jpeg");
    if (bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP")
        return QStringLiteral("image/webp");
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return QStringLiteral("image/gif");
    if (bytes.startsWith("\xABKTX 20\xBB"))
        return QStringLiteral("image/ktx2");
    if (bytes.startsWith("BM") && bytes.size() > 14)
        return QStringLiteral("image/bmp");
    if (!bytes.isEmpty())
        return QString();
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return QStringLiteral("image/png");
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return QStringLiteral("image/jpeg");
    if (suffix == QLatin1String("webp"))
        return QStringLiteral("image/webp");
    return QString();
}

int LookImages::AddFile(const QString &folder, const QString &written, const QString &path)
{
    const QString key = path.isEmpty() ? QStringLiteral("outside:") + written : path;
    const auto known = byPath.find(key);
    if (known != byPath.end())
        return known->second;
    TextureImage image;
    const FolderFile file = ReadFolderFile(folder, path, std::min(MaxImageBytes, bytesLeft));
    if (file.status == FolderFile::Status::Read) {
        image.bytes = file.bytes;
        bytesLeft -= file.bytes.size();
    }
    image.source = path.isEmpty() ? written : path;
    image.mimeType = ImageMimeType(image.bytes, written);
    image.name = UniqueName(PlainFileName(written), image.mimeType);
    const int index = Add(std::move(image));
    byPath[key] = index;
    return index;
}

int LookImages::AddEmbedded(const QString &name, const QString &fallback, QByteArray bytes, const QString &mimeType)
{
    TextureImage image;
    if (bytes.size() <= std::min(MaxImageBytes, bytesLeft)) {
        image.bytes = std::move(bytes);
        bytesLeft -= image.bytes.size();
    }
    image.mimeType = mimeType.isEmpty() ? ImageMimeType(image.bytes, name) : mimeType;
    const QString plain = PlainFileName(name);
    image.name = UniqueName(plain.isEmpty() ? fallback : plain, image.mimeType);
    return Add(std::move(image));
}

QString LookImages::UniqueName(const QString &wanted, const QString &mimeType)
{
    QString base = wanted.isEmpty() ? QStringLiteral("texture") : wanted;
    // A name without an image's suffix ("Image.001") gets one from its type.
    QString suffix = QFileInfo(base).suffix();
    static const QStringList imageSuffixes{"png", "jpg", "jpeg", "webp", "gif", "bmp", "ktx2", "tga",
                                           "tif", "tiff", "dds", "exr", "hdr", "basis"};
    if (imageSuffixes.contains(suffix.toLower()))
        base.chop(suffix.size() + 1);
    else
        suffix = SuffixOf(mimeType);
    const QString dotSuffix = suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix;
    QString name = base + dotSuffix;
    for (int n = 2; namesTaken.count(name.toLower()); ++n)
        name = QStringLiteral("%1_%2%3").arg(base).arg(n).arg(dotSuffix);
    namesTaken.insert(name.toLower());
    return name;
}

int LookImages::Add(TextureImage image)
{
    images.push_back(std::move(image));
    return int(images.size() - 1);
}

} // namespace lumeno
