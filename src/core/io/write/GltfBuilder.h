#pragma once

#include "io/write/GltfFileOutput.h"
#include "io/write/LookGroups.h"
#include "model/ModelLook.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QPair>
#include <QStringList>

#include <optional>
#include <tuple>
#include <vector>

#include <vtkType.h>

class vtkPolyData;

namespace lumeno {

// The JSON of a glTF file with a look and its one buffer, filled in order: first the look's
// images and materials, then a mesh per part. Without an output only the JSON and the
// buffer's length are made, so that a writer plans the file first and then writes the
// buffer as it is made, never holding it whole (see WriteGltfWithLook).
class GltfBuilder
{
public:
    GltfBuilder(const ModelLook &look, BufferOutput *output);

    // The images the materials use (PNG and JPEG; others are left out with their maps) and
    // the materials; before any mesh.
    void AddLook();

    // A mesh of the group's polygons of `model`, its points in the part's frame, with a
    // primitive per material run; the node that shows it ("mesh", the part's name and
    // transform), not yet added. None when the group has no polygons.
    std::optional<QJsonObject> AddMesh(vtkPolyData *model, const PartGroup &group);

    // Its index among the nodes.
    int AddNode(const QJsonObject &node);

    qint64 Size() const { return bufferSize; }

    // The file's JSON; its one scene shows `sceneNodes`, or every node when none are given,
    // and `extensions` are named in extensionsUsed besides those the look needs.
    QByteArray Json(bool binary, const std::optional<QJsonArray> &sceneNodes = std::nullopt,
                    const QStringList &extensions = {}) const;

private:
    void AddImages();
    // A view of `length` bytes, which the caller then puts.
    int AddView(qint64 length, int target, int stride = 0);
    void Put(const void *bytes, size_t length);
    void PutInt(quint32 value);
    void PutFloat(float value);
    int AddAccessor(int view, int componentType, qint64 count, const char *type, const QJsonObject &more = {});
    int TextureOf(const TextureSlot &slot);
    std::optional<QJsonObject> TextureInfo(const TextureSlot &slot, const char *factorKey = nullptr);
    QJsonObject MaterialJson(const Material &material);

    const ModelLook &look;
    BufferOutput *out;
    qint64 bufferSize = 0; // so far
    std::vector<vtkIdType> local; // a point's number in the part written, or -1
    QJsonArray views, accessors, images, textures, samplers, materials, meshes, nodes;
    QMap<int, int> imageIndex; // look's image -> glTF image
    QMap<std::tuple<int, int, int, int>, int> samplerIndex;
    QMap<QPair<int, int>, int> textureIndex; // (image, sampler) -> texture
    bool usesTransform = false;
};

} // namespace lumeno
