#include "io/read/ThreeMfTextures.h"

#include "io/read/LookImages.h"

#include <zip.h>

namespace lumeno {

namespace {

constexpr zip_uint64_t MaxImageBytes = zip_uint64_t(256) << 20;

// The bytes of a part of the package; empty when it has none of that name or it is too large.
QByteArray PartBytes(zip *archive, QString name)
{
    if (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    const zip_int64_t index = zip_name_locate(archive, name.toUtf8().constData(), ZIP_FL_NOCASE);
    zip_stat_t status;
    zip_stat_init(&status);
    if (index < 0 || zip_stat_index(archive, zip_uint64_t(index), 0, &status) != 0 ||
        !(status.valid & ZIP_STAT_SIZE) || status.size > MaxImageBytes || status.size == 0)
        return QByteArray();
    zip_file_t *file = zip_fopen_index(archive, zip_uint64_t(index), 0);
    if (!file)
        return QByteArray();
    QByteArray bytes(int(status.size), Qt::Uninitialized);
    const zip_int64_t read = zip_fread(file, bytes.data(), status.size);
    zip_fclose(file);
    return read == zip_int64_t(status.size) ? bytes : QByteArray();
}

} // namespace

int ThreeMfTextures::MaterialOf(const QString &partPath, int id, const ThreeMfTexture &texture)
{
    const auto key = std::make_pair(partPath, id);
    const auto known = materialOf.find(key);
    if (known != materialOf.end())
        return known->second;
    if (materials.size() >= size_t(MaxTextures))
        return -1;
    const QString imageKey = texture.path.toLower();
    auto image = imageOfPath.find(imageKey);
    if (image == imageOfPath.end()) {
        image = imageOfPath.emplace(imageKey, int(images.size())).first;
        images.push_back(texture);
    }
    Material material;
    material.name = QStringLiteral("texture %1").arg(id);
    material.baseColourTexture.image = image->second;
    material.baseColourTexture.wrapS = texture.wrapS;
    material.baseColourTexture.wrapT = texture.wrapT;
    material.baseColourTexture.magFilter = texture.filter;
    materials.push_back(material);
    materialOf.emplace(key, int(materials.size() - 1));
    return int(materials.size() - 1);
}

void ThreeMfTextures::MoveInto(ModelLook &look, zip *archive)
{
    LookImages lookImages(look);
    std::vector<int> imageIndex;
    for (const ThreeMfTexture &texture : images)
        imageIndex.push_back(lookImages.AddEmbedded(texture.path, QStringLiteral("texture"),
                                                    PartBytes(archive, texture.path), texture.contentType));
    for (Material &material : materials) {
        material.baseColourTexture.image = imageIndex[size_t(material.baseColourTexture.image)];
        look.materials.push_back(std::move(material));
    }
    materials.clear();
}

} // namespace lumeno
