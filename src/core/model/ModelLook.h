#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <vector>

class vtkPolyData;

namespace lumeno {

// How a model looks beyond its points' attributes: its materials with their textures, and the
// parts it was made of. The model's triangles refer to it by two cell data arrays (vtkIntArray,
// one component): "MaterialIds", an index into `materials` or -1 for none, and "PartIds", an
// index into `parts`. A model without them has one part and no materials. Every level, result
// and smoothing of a model keeps its look; only the triangles' ids travel with the triangles.
inline constexpr const char *MaterialIdsName = "MaterialIds";
inline constexpr const char *PartIdsName = "PartIds";

// An image as the file gave it: its bytes are kept, decoded only to draw it.
struct TextureImage
{
    QString name;      // the name a written file refers to it by ("wood.png"), unique in the look
    QString mimeType;  // "image/png", "image/jpeg"; empty when unknown
    QByteArray bytes;  // empty when the image could not be read (missing)
    QString source;    // the file it was read from, or empty when embedded
    bool Missing() const { return bytes.isEmpty(); }
};

// A material's use of an image.
struct TextureSlot
{
    int image = -1;      // index into ModelLook::images; -1 for none
    int texCoordSet = 0; // glTF TEXCOORD_n
    double factor = 1;   // glTF normal scale or occlusion strength, OBJ -bm
    // KHR_texture_transform, where the file uses it.
    bool transformed = false;
    std::array<double, 2> offset{0, 0};
    std::array<double, 2> scale{1, 1};
    double rotation = 0;
    // glTF sampler (0 for the file's default).
    int magFilter = 0, minFilter = 0, wrapS = 0, wrapT = 0;
    QString objOptions; // an OBJ map statement's options other than its file ("-clamp on"), as written
    bool Used() const { return image >= 0; }
};

struct Material
{
    enum class AlphaMode { Opaque, Mask, Blend };
    QString name;
    std::array<double, 4> baseColour{1, 1, 1, 1}; // OBJ Kd with d, glTF baseColorFactor (linear)
    std::array<double, 3> ambient{0, 0, 0};       // OBJ Ka
    std::array<double, 3> specular{0, 0, 0};      // OBJ Ks
    double shininess = 0;                         // OBJ Ns
    double metallic = 1, roughness = 1;           // glTF; OBJ files carry neither
    bool hasMetallicRoughness = false;            // read from a glTF or 3MF file
    std::array<double, 3> emissive{0, 0, 0};
    AlphaMode alphaMode = AlphaMode::Opaque;
    double alphaCutoff = 0.5;
    bool doubleSided = false;
    TextureSlot baseColourTexture;  // OBJ map_Kd
    TextureSlot metallicRoughnessTexture;
    TextureSlot normalTexture;      // OBJ bump / norm
    TextureSlot occlusionTexture;
    TextureSlot emissiveTexture;    // OBJ map_Ke
    // OBJ maps with no glTF counterpart, by their keyword ("map_Ks", "map_Ns", "map_d", "disp").
    std::vector<std::pair<QString, TextureSlot>> otherMaps;
};

// One part of a model: a glTF mesh primitive under its node, an OBJ group or object, a 3MF
// object under its build item. Its points are stored placed by `transform` (so the model is
// what the file shows); a writer that keeps parts writes them back under it.
struct ModelPart
{
    QString name;
    // Column-major 4×4, as glTF writes it; the identity for a part that was not moved.
    std::array<double, 16> transform{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};

struct ModelLook
{
    std::vector<Material> materials;
    std::vector<TextureImage> images;
    std::vector<ModelPart> parts;

    bool HasMaterials() const { return !materials.empty(); }
    bool HasParts() const { return parts.size() > 1; }
    bool Empty() const { return materials.empty() && images.empty() && parts.size() <= 1; }
};

using SharedLook = std::shared_ptr<const ModelLook>;

} // namespace lumeno
