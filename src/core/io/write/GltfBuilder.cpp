#include "io/write/GltfBuilder.h"

#include "model/DeviationColours.h"
#include "model/PointAttributes.h"

#include <QJsonDocument>
#include <QtEndian>

#include <vtkCellArray.h>
#include <vtkDataArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkUnsignedCharArray.h>

#include <cmath>
#include <cstring>

namespace lumeno {

namespace {

QJsonArray Numbers(const double *values, int count)
{
    QJsonArray array;
    for (int i = 0; i < count; ++i)
        array.append(values[i]);
    return array;
}

} // namespace

GltfBuilder::GltfBuilder(const ModelLook &modelLook, BufferOutput *output) : look(modelLook), out(output) {}

void GltfBuilder::AddLook()
{
    AddImages();
    for (const Material &material : look.materials)
        materials.append(MaterialJson(material));
}

int GltfBuilder::AddNode(const QJsonObject &node)
{
    nodes.append(node);
    return nodes.size() - 1;
}

QByteArray GltfBuilder::Json(bool binary, const std::optional<QJsonArray> &sceneNodes,
                             const QStringList &extensions) const
{
    QJsonObject buffer{{"byteLength", bufferSize}};
    if (!binary)
        buffer.insert(QStringLiteral("uri"), QString::fromLatin1(UriMarker));
    QJsonArray shown;
    if (sceneNodes)
        shown = *sceneNodes;
    else
        for (int i = 0; i < nodes.size(); ++i)
            shown.append(i);
    QJsonObject root{{"asset", QJsonObject{{"version", "2.0"}, {"generator", "Lumeno3D"}}},
                     {"scene", 0},
                     {"scenes", QJsonArray{QJsonObject{{"nodes", shown}}}},
                     {"nodes", nodes},
                     {"meshes", meshes},
                     {"accessors", accessors},
                     {"bufferViews", views},
                     {"buffers", QJsonArray{buffer}}};
    if (!materials.isEmpty())
        root.insert(QStringLiteral("materials"), materials);
    if (!textures.isEmpty()) {
        root.insert(QStringLiteral("textures"), textures);
        root.insert(QStringLiteral("images"), images);
    }
    if (!samplers.isEmpty())
        root.insert(QStringLiteral("samplers"), samplers);
    QJsonArray used;
    if (usesTransform)
        used.append(QStringLiteral("KHR_texture_transform"));
    for (const QString &extension : extensions)
        used.append(extension);
    if (!used.isEmpty())
        root.insert(QStringLiteral("extensionsUsed"), used);
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

void GltfBuilder::AddImages()
{
    for (const int image : UsedImages(look)) {
        const TextureImage &texture = look.images[size_t(image)];
        const QString type = PngOrJpegType(texture);
        if (type.isEmpty())
            continue;
        const int view = AddView(texture.bytes.size(), 0);
        Put(texture.bytes.constData(), size_t(texture.bytes.size()));
        QJsonObject entry{{"bufferView", view}, {"mimeType", type}};
        if (!texture.name.isEmpty())
            entry.insert(QStringLiteral("name"), texture.name);
        imageIndex.insert(image, images.size());
        images.append(entry);
    }
}

std::optional<QJsonObject> GltfBuilder::AddMesh(vtkPolyData *model, const PartGroup &group)
{
    const bool placed = group.part >= 0 && !IsIdentity(look.parts[size_t(group.part)].transform);
    const std::array<double, 16> transform =
        group.part >= 0 ? look.parts[size_t(group.part)].transform : std::array<double, 16>{};
    const std::array<double, 16> inverse = placed ? InverseTransform(transform) : std::array<double, 16>{};

    // The part's own points, in the order its polygons first use them, and each run's
    // count of triangle corners.
    vtkCellArray *polys = model->GetPolys();
    local.resize(size_t(model->GetNumberOfPoints()), -1);
    std::vector<vtkIdType> points;
    vtkIdType size = 0;
    const vtkIdType *ids = nullptr;
    std::vector<qint64> corners;
    for (const MaterialRun &run : group.runs) {
        qint64 count = 0;
        for (const vtkIdType polygon : run.polygons) {
            polys->GetCellAtId(polygon, size, ids);
            for (vtkIdType i = 0; i < size; ++i)
                if (local[size_t(ids[i])] < 0) {
                    local[size_t(ids[i])] = vtkIdType(points.size());
                    points.push_back(ids[i]);
                }
            count += 3 * std::max<vtkIdType>(size - 2, 0);
        }
        corners.push_back(count);
    }
    if (points.empty())
        return std::nullopt;
    const qint64 pointCount = qint64(points.size());

    QJsonObject attributes;
    int view = AddView(12 * pointCount, ArrayBuffer);
    double bounds[6] = {HUGE_VAL, -HUGE_VAL, HUGE_VAL, -HUGE_VAL, HUGE_VAL, -HUGE_VAL};
    for (const vtkIdType id : points) {
        double point[3];
        model->GetPoint(id, point);
        const std::array<double, 3> position =
            placed ? Transformed(inverse, point) : std::array<double, 3>{point[0], point[1], point[2]};
        for (int c = 0; c < 3; ++c) {
            const float value = float(position[size_t(c)]);
            PutFloat(value);
            bounds[2 * c] = std::min(bounds[2 * c], double(value));
            bounds[2 * c + 1] = std::max(bounds[2 * c + 1], double(value));
        }
    }
    attributes.insert(QStringLiteral("POSITION"),
                      AddAccessor(view, Float, pointCount, "VEC3",
                                  {{"min", QJsonArray{bounds[0], bounds[2], bounds[4]}},
                                   {"max", QJsonArray{bounds[1], bounds[3], bounds[5]}}}));
    const PointAttributes carried = AttributesOf(model);
    vtkPointData *pointData = model->GetPointData();
    if (carried.normals) {
        vtkDataArray *normals = pointData->GetNormals();
        view = AddView(12 * pointCount, ArrayBuffer);
        for (const vtkIdType id : points) {
            double w[3], n[3];
            normals->GetTuple(id, w);
            // Into the part's frame: by the transpose of the placing's linear part.
            for (int c = 0; c < 3; ++c)
                n[c] = placed ? transform[size_t(4 * c)] * w[0] + transform[size_t(4 * c + 1)] * w[1] +
                                    transform[size_t(4 * c + 2)] * w[2]
                              : w[c];
            const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            const bool usable = length > 0 && std::isfinite(length);
            PutFloat(usable ? float(n[0] / length) : 0.0f);
            PutFloat(usable ? float(n[1] / length) : 0.0f);
            PutFloat(usable ? float(n[2] / length) : 1.0f);
        }
        attributes.insert(QStringLiteral("NORMAL"), AddAccessor(view, Float, pointCount, "VEC3"));
    }
    if (carried.colours) {
        auto *colours = vtkUnsignedCharArray::SafeDownCast(pointData->GetScalars());
        const int components = colours->GetNumberOfComponents();
        view = AddView(4 * pointCount, ArrayBuffer, 4);
        for (const vtkIdType id : points) {
            unsigned char rgba[4] = {255, 255, 255, 255};
            std::memcpy(rgba, colours->GetPointer(id * components), size_t(components));
            Put(rgba, 4);
        }
        attributes.insert(QStringLiteral("COLOR_0"),
                          AddAccessor(view, UnsignedByte, pointCount, carried.colourOpacity ? "VEC4" : "VEC3",
                                      {{"normalized", true}}));
    }
    if (carried.textureCoordinates) {
        vtkDataArray *coordinates = pointData->GetTCoords();
        view = AddView(8 * pointCount, ArrayBuffer);
        for (const vtkIdType id : points) {
            double t[3];
            coordinates->GetTuple(id, t);
            PutFloat(float(t[0]));
            PutFloat(float(1.0 - t[1]));
        }
        attributes.insert(QStringLiteral("TEXCOORD_0"), AddAccessor(view, Float, pointCount, "VEC2"));
    }
    if (vtkUnsignedCharArray *deviationColours = DeviationColoursOf(model)) {
        view = AddView(4 * pointCount, ArrayBuffer, 4);
        for (const vtkIdType id : points) {
            unsigned char rgba[4] = {0, 0, 0, 255};
            std::memcpy(rgba, deviationColours->GetPointer(id * 3), 3);
            Put(rgba, 4);
        }
        attributes.insert(carried.colours ? QStringLiteral("COLOR_1") : QStringLiteral("COLOR_0"),
                          AddAccessor(view, UnsignedByte, pointCount, "VEC3", {{"normalized", true}}));
    }

    QJsonArray primitives;
    for (size_t r = 0; r < group.runs.size(); ++r) {
        if (corners[r] == 0)
            continue;
        view = AddView(4 * corners[r], ElementArrayBuffer);
        for (const vtkIdType polygon : group.runs[r].polygons) {
            polys->GetCellAtId(polygon, size, ids);
            for (vtkIdType corner = 1; corner + 1 < size; ++corner)
                for (const vtkIdType id : {ids[0], ids[corner], ids[corner + 1]})
                    PutInt(quint32(local[size_t(id)]));
        }
        QJsonObject primitive{{"attributes", attributes},
                              {"indices", AddAccessor(view, UnsignedInt, corners[r], "SCALAR")},
                              {"mode", 4}};
        if (group.runs[r].material >= 0)
            primitive.insert(QStringLiteral("material"), group.runs[r].material);
        primitives.append(primitive);
    }
    // Ready for the next part, without going over every point again.
    for (const vtkIdType id : points)
        local[size_t(id)] = -1;
    QJsonObject mesh{{"primitives", primitives}};
    QJsonObject node{{"mesh", meshes.size()}};
    if (group.part >= 0 && !look.parts[size_t(group.part)].name.isEmpty()) {
        mesh.insert(QStringLiteral("name"), look.parts[size_t(group.part)].name);
        node.insert(QStringLiteral("name"), look.parts[size_t(group.part)].name);
    }
    if (placed)
        node.insert(QStringLiteral("matrix"), Numbers(transform.data(), 16));
    meshes.append(mesh);
    return node;
}

int GltfBuilder::AddView(qint64 length, int target, int stride)
{
    while (bufferSize % 4 != 0)
        Put("\0", 1);
    QJsonObject entry{{"buffer", 0}, {"byteOffset", bufferSize}, {"byteLength", length}};
    if (target != 0)
        entry.insert(QStringLiteral("target"), target);
    if (stride > 0)
        entry.insert(QStringLiteral("byteStride"), stride);
    views.append(entry);
    return views.size() - 1;
}

void GltfBuilder::Put(const void *bytes, size_t length)
{
    if (out)
        out->Bytes(bytes, length);
    bufferSize += qint64(length);
}

void GltfBuilder::PutInt(quint32 value)
{
    if (out)
        out->Int(value);
    bufferSize += 4;
}

void GltfBuilder::PutFloat(float value)
{
    if (out)
        out->Float(value);
    bufferSize += 4;
}

int GltfBuilder::AddAccessor(int view, int componentType, qint64 count, const char *type, const QJsonObject &more)
{
    QJsonObject accessor = more;
    accessor.insert(QStringLiteral("bufferView"), view);
    accessor.insert(QStringLiteral("componentType"), componentType);
    accessor.insert(QStringLiteral("count"), count);
    accessor.insert(QStringLiteral("type"), QLatin1String(type));
    accessors.append(accessor);
    return accessors.size() - 1;
}

// A texture of the image with the slot's sampler, each made once.
int GltfBuilder::TextureOf(const TextureSlot &slot)
{
    const int image = imageIndex.value(slot.image, -1);
    if (image < 0)
        return -1;
    int sampler = -1;
    if (slot.magFilter || slot.minFilter || slot.wrapS || slot.wrapT) {
        const auto key = std::make_tuple(slot.magFilter, slot.minFilter, slot.wrapS, slot.wrapT);
        sampler = samplerIndex.value(key, -1);
        if (sampler < 0) {
            QJsonObject entry;
            if (slot.magFilter)
                entry.insert(QStringLiteral("magFilter"), slot.magFilter);
            if (slot.minFilter)
                entry.insert(QStringLiteral("minFilter"), slot.minFilter);
            if (slot.wrapS)
                entry.insert(QStringLiteral("wrapS"), slot.wrapS);
            if (slot.wrapT)
                entry.insert(QStringLiteral("wrapT"), slot.wrapT);
            sampler = samplers.size();
            samplers.append(entry);
            samplerIndex.insert(key, sampler);
        }
    }
    const auto key = qMakePair(image, sampler);
    if (!textureIndex.contains(key)) {
        QJsonObject entry{{"source", image}};
        if (sampler >= 0)
            entry.insert(QStringLiteral("sampler"), sampler);
        textureIndex.insert(key, textures.size());
        textures.append(entry);
    }
    return textureIndex.value(key);
}

// A textureInfo, with the slot's own value under `factorKey` ("scale", "strength") when given.
std::optional<QJsonObject> GltfBuilder::TextureInfo(const TextureSlot &slot, const char *factorKey)
{
    const int texture = slot.Used() ? TextureOf(slot) : -1;
    if (texture < 0)
        return std::nullopt;
    QJsonObject info{{"index", texture}};
    if (slot.texCoordSet != 0)
        info.insert(QStringLiteral("texCoord"), slot.texCoordSet);
    if (factorKey && slot.factor != 1)
        info.insert(QLatin1String(factorKey), slot.factor);
    if (slot.transformed) {
        usesTransform = true;
        info.insert(QStringLiteral("extensions"),
                    QJsonObject{{"KHR_texture_transform",
                                 QJsonObject{{"offset", Numbers(slot.offset.data(), 2)},
                                             {"scale", Numbers(slot.scale.data(), 2)},
                                             {"rotation", slot.rotation}}}});
    }
    return info;
}

QJsonObject GltfBuilder::MaterialJson(const Material &material)
{
    // A material from a file without metalness (OBJ) is no metal.
    QJsonObject pbr{{"baseColorFactor", Numbers(material.baseColour.data(), 4)},
                    {"metallicFactor", material.hasMetallicRoughness ? material.metallic : 0.0},
                    {"roughnessFactor", material.hasMetallicRoughness ? material.roughness : 1.0}};
    if (const auto info = TextureInfo(material.baseColourTexture))
        pbr.insert(QStringLiteral("baseColorTexture"), *info);
    if (const auto info = TextureInfo(material.metallicRoughnessTexture))
        pbr.insert(QStringLiteral("metallicRoughnessTexture"), *info);
    QJsonObject json{{"pbrMetallicRoughness", pbr}};
    if (!material.name.isEmpty())
        json.insert(QStringLiteral("name"), material.name);
    if (const auto info = TextureInfo(material.normalTexture, "scale"))
        json.insert(QStringLiteral("normalTexture"), *info);
    if (const auto info = TextureInfo(material.occlusionTexture, "strength"))
        json.insert(QStringLiteral("occlusionTexture"), *info);
    if (const auto info = TextureInfo(material.emissiveTexture))
        json.insert(QStringLiteral("emissiveTexture"), *info);
    const auto &emissive = material.emissive;
    if (emissive[0] != 0 || emissive[1] != 0 || emissive[2] != 0)
        json.insert(QStringLiteral("emissiveFactor"), Numbers(emissive.data(), 3));
    if (material.alphaMode == Material::AlphaMode::Mask) {
        json.insert(QStringLiteral("alphaMode"), QStringLiteral("MASK"));
        json.insert(QStringLiteral("alphaCutoff"), material.alphaCutoff);
    } else if (material.alphaMode == Material::AlphaMode::Blend) {
        json.insert(QStringLiteral("alphaMode"), QStringLiteral("BLEND"));
    }
    if (material.doubleSided)
        json.insert(QStringLiteral("doubleSided"), true);
    return json;
}

} // namespace lumeno
