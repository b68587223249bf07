#include "io/write/LookSaving.h"

#include "io/write/LookGroups.h"
#include "io/write/TextureFiles.h"
#include "model/PointAttributes.h"

#include <QCoreApplication>

namespace lumeno {

namespace {

QString ImageName(const ModelLook &look, int image)
{
    const TextureImage &texture = look.images[size_t(image)];
    return texture.name.isEmpty() ? ImageFileName(texture, image) : texture.name;
}

} // namespace

LookSaving LookSaved(vtkPolyData *model, const ModelLook *look, const QString &suffix, bool mergeParts)
{
    LookSaving saving;
    if (!look)
        return saving;
    const QString format = suffix.toLower();
    const bool full =
        format == QLatin1String("obj") || format == QLatin1String("glb") || format == QLatin1String("gltf");
    const bool threeMf = format == QLatin1String("3mf");
    const bool keepsAny = full || threeMf;

    for (const Material &material : look->materials)
        (keepsAny ? saving.kept : saving.dropped).materials << material.name;

    // 3MF holds a material's base colour image only, and only with texture coordinates.
    std::vector<bool> baseColourImage(look->images.size(), false);
    const bool coordinates = model && AttributesOf(model).textureCoordinates;
    for (const Material &material : look->materials)
        if (coordinates && material.baseColourTexture.image >= 0 &&
            size_t(material.baseColourTexture.image) < look->images.size())
            baseColourImage[size_t(material.baseColourTexture.image)] = true;
    for (const int image : UsedImages(*look)) {
        const TextureImage &texture = look->images[size_t(image)];
        bool kept = false;
        if (format == QLatin1String("obj"))
            kept = true; // a missing image keeps its reference
        else if (full)
            kept = !PngOrJpegType(texture).isEmpty();
        else if (threeMf)
            kept = baseColourImage[size_t(image)] && !PngOrJpegType(texture).isEmpty();
        (kept ? saving.kept : saving.dropped).textures << ImageName(*look, image);
    }

    if (look->HasParts()) {
        const int parts = int(look->parts.size());
        if (!keepsAny)
            saving.dropped.parts = parts;
        else if (mergeParts)
            saving.mergedParts = parts;
        else
            saving.kept.parts = parts;
    }
    return saving;
}

QStringList LookItems(const LookContent &content)
{
    QStringList items;
    if (!content.materials.isEmpty())
        items << QCoreApplication::translate("ModelWriter", "%n materials", nullptr, content.materials.size());
    if (!content.textures.isEmpty())
        items << QCoreApplication::translate("ModelWriter", "%n textures", nullptr, content.textures.size());
    if (content.parts > 0)
        items << QCoreApplication::translate("ModelWriter", "%n parts, saved as one model", nullptr, content.parts);
    return items;
}

QString LookNotSavedText(const LookContent &dropped, const QString &suffix)
{
    if (!dropped.Any())
        return QString();
    const QString items = LookItems(dropped).join(QCoreApplication::translate("ModelWriter", "; "));
    const QString format = suffix.toLower();
    if (format == QLatin1String("3mf"))
        return QCoreApplication::translate("ModelWriter", "not saved: %1. 3MF files hold the base colour textures "
                                                          "of models with texture coordinates only.")
            .arg(items);
    if (format == QLatin1String("glb") || format == QLatin1String("gltf"))
        return QCoreApplication::translate("ModelWriter", "not saved: %1. glTF files hold PNG and JPEG images only, "
                                                          "and a missing image cannot be saved.")
            .arg(items);
    return QCoreApplication::translate("ModelWriter", "not saved: %1. %2 files hold no materials, textures or parts.")
        .arg(items, format.toUpper());
}

} // namespace lumeno
