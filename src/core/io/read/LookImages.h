#pragma once

#include "model/ModelLook.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <set>

namespace lumeno {

// The media type of an image by its first bytes (PNG, JPEG, WebP, GIF, BMP, KTX2), else by
// the suffix of its name; empty when neither tells.
QString ImageMimeType(const QByteArray &bytes, const QString &name);

// Gathers the images of a look as a reader finds them: each file once however many materials
// use it, each named by a plain file name unique in the look ("wood.png", "wood_2.png"), as
// a written file will refer to it. Images are kept as their bytes, never decoded; all of them
// together take at most MaxBytes, and those past it are kept as missing.
class LookImages
{
public:
    explicit LookImages(ModelLook &look) : images(look.images) {}

    static constexpr qint64 MaxBytes = qint64(1) << 30;

    // The image of a file the model names (`written`, as written) beside it: `path` is where
    // it lies inside `folder` (empty when the name leaves the folder). A file that is missing,
    // outside the folder or past the bound is kept as a missing image of that name.
    int AddFile(const QString &folder, const QString &written, const QString &path);
    // An image the file holds itself; `name` may be empty (a name is made from `fallback`).
    int AddEmbedded(const QString &name, const QString &fallback, QByteArray bytes, const QString &mimeType);

private:
    QString UniqueName(const QString &wanted, const QString &mimeType);
    int Add(TextureImage image);

    std::vector<TextureImage> &images;
    std::map<QString, int> byPath;
    std::set<QString> namesTaken; // in lower case: file systems may ignore case
    qint64 bytesLeft = MaxBytes;
};

} // namespace lumeno
