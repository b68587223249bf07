#include "io/read/GltfLook.h"

#include "io/read/FolderUri.h"
#include "io/read/LookImages.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumeno {

namespace {

template <size_t count>
void CopyFinite(const std::vector<double> &values, std::array<double, count> &to)
{
    if (values.size() == count && std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); }))
        std::copy(values.begin(), values.end(), to.begin());
}

double FiniteOr(double value, double fallback)
{
    return std::isfinite(value) ? value : fallback;
}

// A data: URI's bytes and media type; empty bytes when it cannot be decoded.
QByteArray DecodedDataUri(std::string_view raw, QString &mimeType)
{
    std::string unescaped;
    if (raw.find('\\') != std::string_view::npos) {
        if (!DecodeJsonString(raw, unescaped))
            return QByteArray();
        raw = unescaped;
    }
    if (raw.size() > size_t(std::numeric_limits<int>::max()))
        return QByteArray();
    const size_t comma = std::min(raw.find(','), raw.size());
    const QByteArray header = QByteArray(raw.data() + 5, int(comma) - 5).toLower(); // after "data:"
    const int semicolon = header.indexOf(';');
    mimeType = QString::fromLatin1(semicolon < 0 ? header : header.left(semicolon));
    if (comma == raw.size())
        return QByteArray();
    const QByteArray data(raw.data() + comma + 1, int(raw.size() - comma - 1));
    if (!header.endsWith(";base64"))
        return QByteArray::fromPercentEncoding(data);
    const bool urlSafe = data.contains('-') || data.contains('_');
    return QByteArray::fromBase64(data, urlSafe ? QByteArray::Base64UrlEncoding : QByteArray::Base64Encoding);
}

QByteArray BufferViewBytes(const tinygltf::Model &model, int index)
{
    if (index < 0 || size_t(index) >= model.bufferViews.size())
        return QByteArray();
    const tinygltf::BufferView &view = model.bufferViews[size_t(index)];
    if (view.buffer < 0 || size_t(view.buffer) >= model.buffers.size())
        return QByteArray();
    const std::vector<unsigned char> &data = model.buffers[size_t(view.buffer)].data;
    if (view.byteOffset > data.size() || view.byteLength > data.size() - view.byteOffset ||
        view.byteLength > size_t(std::numeric_limits<int>::max()))
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(data.data() + view.byteOffset), int(view.byteLength));
}

int ReadImage(const tinygltf::Model &model, size_t index, std::string_view json, const GltfJsonLayout &layout,
              const QString &folder, LookImages &images)
{
    const tinygltf::Image &image = model.images[index];
    const QString name = QString::fromStdString(image.name);
    const QString fallback = QStringLiteral("image%1").arg(index);
    const QString mimeType = QString::fromStdString(image.mimeType);
    if (image.bufferView >= 0)
        return images.AddEmbedded(name, fallback, BufferViewBytes(model, image.bufferView), mimeType);
    const std::string &uri = image.uri;
    const std::string prefix = GltfEmbeddedImagePrefix;
    if (uri.compare(0, prefix.size(), prefix) == 0) {
        const std::string digits = uri.substr(prefix.size());
        const size_t k = digits.size() <= 9 && digits.find_first_not_of("0123456789") == std::string::npos &&
                                 !digits.empty()
                             ? size_t(std::stoul(digits))
                             : layout.imageDataUris.size();
        QString dataMimeType;
        QByteArray bytes;
        if (k < layout.imageDataUris.size()) {
            const JsonSpan &span = layout.imageDataUris[k];
            bytes = DecodedDataUri(json.substr(span.begin, span.end - span.begin), dataMimeType);
        }
        return images.AddEmbedded(name, fallback, bytes, mimeType.isEmpty() ? dataMimeType : mimeType);
    }
    const QString written = DecodedUri(uri);
    return images.AddFile(folder, written.isEmpty() ? fallback : written, PathInFolder(folder, uri));
}

// The image of a texture: its source, or that of an extension that gives one instead
// (EXT_texture_webp, KHR_texture_basisu).
int TextureSource(const tinygltf::Texture &texture)
{
    if (texture.source >= 0)
        return texture.source;
    for (const auto &[name, extension] : texture.extensions)
        if (extension.IsObject() && extension.Has("source") && extension.Get("source").IsInt())
            return extension.Get("source").Get<int>();
    return -1;
}

class SlotReader
{
public:
    SlotReader(const tinygltf::Model &file, const std::vector<int> &imagesOfFile)
        : model(file), lookImages(imagesOfFile)
    {
    }

    TextureSlot Slot(int textureIndex, int texCoord, const tinygltf::ExtensionMap &extensions) const
    {
        TextureSlot slot;
        if (textureIndex < 0 || size_t(textureIndex) >= model.textures.size())
            return slot;
        const tinygltf::Texture &texture = model.textures[size_t(textureIndex)];
        const int source = TextureSource(texture);
        if (source < 0 || size_t(source) >= lookImages.size())
            return slot;
        slot.image = lookImages[size_t(source)];
        slot.texCoordSet = std::max(texCoord, 0);
        if (texture.sampler >= 0 && size_t(texture.sampler) < model.samplers.size()) {
            const tinygltf::Sampler &sampler = model.samplers[size_t(texture.sampler)];
            slot.magFilter = std::max(sampler.magFilter, 0);
            slot.minFilter = std::max(sampler.minFilter, 0);
            slot.wrapS = sampler.wrapS;
            slot.wrapT = sampler.wrapT;
        }
        const auto transform = extensions.find("KHR_texture_transform");
        if (transform != extensions.end() && transform->second.IsObject())
            ReadTransform(transform->second, slot);
        return slot;
    }

private:
    static void ReadPair(const tinygltf::Value &value, std::array<double, 2> &pair)
    {
        if (!value.IsArray() || value.ArrayLen() != 2 || !value.Get(0).IsNumber() || !value.Get(1).IsNumber())
            return;
        const double first = value.Get(0).GetNumberAsDouble(), second = value.Get(1).GetNumberAsDouble();
        if (std::isfinite(first) && std::isfinite(second))
            pair = {first, second};
    }

    static void ReadTransform(const tinygltf::Value &transform, TextureSlot &slot)
    {
        slot.transformed = true;
        if (transform.Has("offset"))
            ReadPair(transform.Get("offset"), slot.offset);
        if (transform.Has("scale"))
            ReadPair(transform.Get("scale"), slot.scale);
        if (transform.Has("rotation") && transform.Get("rotation").IsNumber())
            slot.rotation = FiniteOr(transform.Get("rotation").GetNumberAsDouble(), 0);
        if (transform.Has("texCoord") && transform.Get("texCoord").IsInt())
            slot.texCoordSet = std::max(transform.Get("texCoord").Get<int>(), 0);
    }

    const tinygltf::Model &model;
    const std::vector<int> &lookImages;
};

Material ReadMaterial(const tinygltf::Material &from, const SlotReader &textures)
{
    Material material;
    material.name = QString::fromStdString(from.name);
    const tinygltf::PbrMetallicRoughness &pbr = from.pbrMetallicRoughness;
    CopyFinite(pbr.baseColorFactor, material.baseColour);
    material.metallic = FiniteOr(pbr.metallicFactor, 1);
    material.roughness = FiniteOr(pbr.roughnessFactor, 1);
    material.hasMetallicRoughness = true;
    CopyFinite(from.emissiveFactor, material.emissive);
    material.alphaMode = from.alphaMode == "MASK"    ? Material::AlphaMode::Mask
                         : from.alphaMode == "BLEND" ? Material::AlphaMode::Blend
                                                     : Material::AlphaMode::Opaque;
    material.alphaCutoff = FiniteOr(from.alphaCutoff, 0.5);
    material.doubleSided = from.doubleSided;
    material.baseColourTexture =
        textures.Slot(pbr.baseColorTexture.index, pbr.baseColorTexture.texCoord, pbr.baseColorTexture.extensions);
    material.metallicRoughnessTexture = textures.Slot(pbr.metallicRoughnessTexture.index,
                                                   pbr.metallicRoughnessTexture.texCoord,
                                                   pbr.metallicRoughnessTexture.extensions);
    material.normalTexture =
        textures.Slot(from.normalTexture.index, from.normalTexture.texCoord, from.normalTexture.extensions);
    material.normalTexture.factor = FiniteOr(from.normalTexture.scale, 1);
    material.occlusionTexture =
        textures.Slot(from.occlusionTexture.index, from.occlusionTexture.texCoord, from.occlusionTexture.extensions);
    material.occlusionTexture.factor = FiniteOr(from.occlusionTexture.strength, 1);
    material.emissiveTexture =
        textures.Slot(from.emissiveTexture.index, from.emissiveTexture.texCoord, from.emissiveTexture.extensions);
    return material;
}

} // namespace

void ReadGltfLook(const tinygltf::Model &model, std::string_view json, const GltfJsonLayout &layout,
                  const QString &folder, ModelLook &look)
{
    LookImages images(look);
    std::vector<int> imageOfFile;
    imageOfFile.reserve(model.images.size());
    for (size_t i = 0; i < model.images.size(); ++i)
        imageOfFile.push_back(ReadImage(model, i, json, layout, folder, images));
    const SlotReader textures(model, imageOfFile);
    for (size_t i = 0; i < std::min(model.materials.size(), size_t(MaxGltfMaterials)); ++i)
        look.materials.push_back(ReadMaterial(model.materials[i], textures));
}

} // namespace lumeno
