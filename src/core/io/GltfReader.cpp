#include "io/GltfReader.h"

#include "io/MeshAssembly.h"

// Only the parser: no image is decoded or written, and no file is read but through the
// callbacks below.
#define TINYGLTF_IMPLEMENTATION
#define TINYGLTF_NO_STB_IMAGE
#define TINYGLTF_NO_STB_IMAGE_WRITE
#define TINYGLTF_NO_EXTERNAL_IMAGE
#define TINYGLTF_NO_FS
#include <tiny_gltf.h>

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstring>
#include <set>

namespace lumeno {

namespace {

// What the file callbacks saw: the first buffer file that could not be read.
struct FileAccessNote
{
    QString missing;
};

// Buffer files are read only when they are regular files that fit a buffer; a pipe or a
// device named by a URI is never opened.
bool BufferFileExists(const std::string &path, void *userData)
{
    const QFileInfo info(QFile::decodeName(path.c_str()));
    auto *note = static_cast<FileAccessNote *>(userData);
    if (!info.isFile() && note->missing.isEmpty())
        note->missing = info.fileName();
    return info.isFile();
}

std::string SamePath(const std::string &path, void *)
{
    return path;
}

bool ReadBufferFile(std::vector<unsigned char> *out, std::string *error, const std::string &path, void *userData)
{
    auto *note = static_cast<FileAccessNote *>(userData);
    const QString name = QFile::decodeName(path.c_str());
    QFile file(name);
    const QFileInfo info(name);
    if (!info.isFile() || info.size() > (qint64(1) << 31) || !file.open(QIODevice::ReadOnly)) {
        if (note->missing.isEmpty())
            note->missing = info.fileName();
        *error = "unreadable buffer file";
        return false;
    }
    try {
        out->resize(size_t(info.size()));
    } catch (const std::bad_alloc &) {
        *error = "out of memory";
        return false;
    }
    if (file.read(reinterpret_cast<char *>(out->data()), info.size()) != info.size()) {
        *error = "short buffer file";
        return false;
    }
    return true;
}

bool WriteNothing(std::string *, const std::string &, const std::vector<unsigned char> &, void *)
{
    return false;
}

bool SkipImage(tinygltf::Image *, const int, std::string *, std::string *, int, int, const unsigned char *, int,
               void *)
{
    return true;
}

int ComponentSize(int type)
{
    switch (type) {
    case TINYGLTF_COMPONENT_TYPE_BYTE:
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE:
        return 1;
    case TINYGLTF_COMPONENT_TYPE_SHORT:
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT:
        return 2;
    case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT:
    case TINYGLTF_COMPONENT_TYPE_FLOAT:
        return 4;
    default:
        return 0;
    }
}

int ComponentCount(int type)
{
    switch (type) {
    case TINYGLTF_TYPE_SCALAR:
        return 1;
    case TINYGLTF_TYPE_VEC2:
        return 2;
    case TINYGLTF_TYPE_VEC3:
        return 3;
    case TINYGLTF_TYPE_VEC4:
        return 4;
    default:
        return 0;
    }
}

// One accessor's elements, checked to lie within its buffer view and the view within its
// buffer; Value(i, c) reads component c of element i.
class AccessorView
{
public:
    bool Open(const tinygltf::Model &model, int index)
    {
        if (index < 0 || size_t(index) >= model.accessors.size())
            return false;
        const tinygltf::Accessor &accessor = model.accessors[size_t(index)];
        if (accessor.sparse.isSparse || accessor.bufferView < 0 ||
            size_t(accessor.bufferView) >= model.bufferViews.size())
            return false;
        const tinygltf::BufferView &view = model.bufferViews[size_t(accessor.bufferView)];
        if (view.buffer < 0 || size_t(view.buffer) >= model.buffers.size())
            return false;
        const std::vector<unsigned char> &buffer = model.buffers[size_t(view.buffer)].data;
        componentType = accessor.componentType;
        componentSize = ComponentSize(componentType);
        components = ComponentCount(accessor.type);
        count = accessor.count;
        normalized = accessor.normalized;
        if (componentSize == 0 || components == 0 || count == 0)
            return false;
        const size_t elementSize = size_t(componentSize * components);
        stride = view.byteStride != 0 ? view.byteStride : elementSize;
        if (stride < elementSize || stride > 252)
            return false;
        if (view.byteOffset > buffer.size() || view.byteLength > buffer.size() - view.byteOffset)
            return false;
        // The last element must end within the view; the count cannot pass the view's length.
        if (accessor.byteOffset > view.byteLength || count > view.byteLength ||
            (count - 1) * stride + elementSize > view.byteLength - accessor.byteOffset)
            return false;
        data = buffer.data() + view.byteOffset + accessor.byteOffset;
        return true;
    }

    double Value(size_t element, int component, bool normalize) const
    {
        const unsigned char *at = data + element * stride + size_t(component * componentSize);
        switch (componentType) {
        case TINYGLTF_COMPONENT_TYPE_FLOAT: {
            float value;
            std::memcpy(&value, at, 4);
            return value;
        }
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT: {
            std::uint32_t value;
            std::memcpy(&value, at, 4);
            return value;
        }
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: {
            std::uint16_t value;
            std::memcpy(&value, at, 2);
            return normalize ? value / 65535.0 : value;
        }
        case TINYGLTF_COMPONENT_TYPE_SHORT: {
            std::int16_t value;
            std::memcpy(&value, at, 2);
            return normalize ? std::max(value / 32767.0, -1.0) : value;
        }
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE:
            return normalize ? *at / 255.0 : *at;
        default: {
            const auto value = static_cast<std::int8_t>(*at);
            return normalize ? std::max(value / 127.0, -1.0) : value;
        }
        }
    }

    int componentType = 0;
    int componentSize = 0;
    int components = 0;
    size_t count = 0;
    bool normalized = false;

private:
    const unsigned char *data = nullptr;
    size_t stride = 0;
};

// Reads `components` values per element as floats; false when the accessor is unusable, has
// fewer components, or holds a value that is no finite number.
bool ReadFloats(const tinygltf::Model &model, int index, int components, size_t expectedCount,
                std::vector<float> &out)
{
    AccessorView accessor;
    if (!accessor.Open(model, index) || accessor.components < components ||
        (expectedCount != 0 && accessor.count != expectedCount))
        return false;
    out.resize(accessor.count * size_t(components));
    for (size_t i = 0; i < accessor.count; ++i)
        for (int c = 0; c < components; ++c) {
            const double value = accessor.Value(i, c, accessor.normalized);
            if (!std::isfinite(value))
                return false;
            out[i * size_t(components) + size_t(c)] = float(value);
        }
    return true;
}

bool ReadColours(const tinygltf::Model &model, int index, size_t expectedCount, std::vector<std::uint8_t> &out)
{
    AccessorView accessor;
    if (!accessor.Open(model, index) || accessor.count != expectedCount || accessor.components < 3 ||
        accessor.componentType == TINYGLTF_COMPONENT_TYPE_BYTE ||
        accessor.componentType == TINYGLTF_COMPONENT_TYPE_SHORT ||
        accessor.componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT)
        return false;
    out.resize(accessor.count * 4);
    for (size_t i = 0; i < accessor.count; ++i)
        for (int c = 0; c < 4; ++c) {
            const double value = c < accessor.components ? accessor.Value(i, c, true) : 1.0;
            if (!std::isfinite(value))
                return false;
            out[i * 4 + size_t(c)] = std::uint8_t(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
        }
    return true;
}

// The corners of the primitive's triangles: its indices, or its points in order.
bool ReadCorners(const tinygltf::Model &model, int index, size_t points, std::vector<std::uint32_t> &out)
{
    if (index < 0) {
        out.resize(points);
        for (size_t i = 0; i < points; ++i)
            out[i] = std::uint32_t(i);
        return true;
    }
    AccessorView accessor;
    if (!accessor.Open(model, index) || accessor.components != 1 ||
        accessor.componentType == TINYGLTF_COMPONENT_TYPE_FLOAT ||
        accessor.componentType == TINYGLTF_COMPONENT_TYPE_BYTE ||
        accessor.componentType == TINYGLTF_COMPONENT_TYPE_SHORT)
        return false;
    out.resize(accessor.count);
    for (size_t i = 0; i < accessor.count; ++i) {
        const double value = accessor.Value(i, 0, false);
        if (value >= double(points))
            return false;
        out[i] = std::uint32_t(value);
    }
    return true;
}

// Triangles from the corners of a list, strip or fan; corners that make no whole triangle
// are dropped.
std::vector<std::uint32_t> TrianglesOf(const std::vector<std::uint32_t> &corners, int mode)
{
    if (mode == TINYGLTF_MODE_TRIANGLES) {
        std::vector<std::uint32_t> triangles(corners.begin(), corners.begin() + long(corners.size() / 3 * 3));
        return triangles;
    }
    std::vector<std::uint32_t> triangles;
    for (size_t i = 0; i + 2 < corners.size(); ++i) {
        if (mode == TINYGLTF_MODE_TRIANGLE_FAN)
            triangles.insert(triangles.end(), {corners[0], corners[i + 1], corners[i + 2]});
        else if (i % 2 == 0)
            triangles.insert(triangles.end(), {corners[i], corners[i + 1], corners[i + 2]});
        else
            triangles.insert(triangles.end(), {corners[i + 1], corners[i], corners[i + 2]});
    }
    return triangles;
}

bool AllFinite(const std::vector<double> &values)
{
    return std::all_of(values.begin(), values.end(), [](double value) { return std::isfinite(value); });
}

// The node's matrix: its own, or translation * rotation * scale. False for values that are
// no finite numbers or of the wrong count.
bool LocalMatrix(const tinygltf::Node &node, Matrix4 &matrix)
{
    if (!AllFinite(node.matrix) || !AllFinite(node.translation) || !AllFinite(node.rotation) ||
        !AllFinite(node.scale))
        return false;
    if (!node.matrix.empty()) {
        if (node.matrix.size() != 16)
            return false;
        std::copy(node.matrix.begin(), node.matrix.end(), matrix.begin());
        return true;
    }
    if ((!node.translation.empty() && node.translation.size() != 3) ||
        (!node.rotation.empty() && node.rotation.size() != 4) || (!node.scale.empty() && node.scale.size() != 3))
        return false;
    double x = 0, y = 0, z = 0, w = 1;
    if (!node.rotation.empty()) {
        x = node.rotation[0], y = node.rotation[1], z = node.rotation[2], w = node.rotation[3];
        const double length = std::sqrt(x * x + y * y + z * z + w * w);
        if (!(length > 0))
            return false;
        x /= length, y /= length, z /= length, w /= length;
    }
    const double s[3] = {node.scale.empty() ? 1.0 : node.scale[0], node.scale.empty() ? 1.0 : node.scale[1],
                         node.scale.empty() ? 1.0 : node.scale[2]};
    const double r[9] = {1 - 2 * (y * y + z * z), 2 * (x * y + z * w),     2 * (x * z - y * w),
                         2 * (x * y - z * w),     1 - 2 * (x * x + z * z), 2 * (y * z + x * w),
                         2 * (x * z + y * w),     2 * (y * z - x * w),     1 - 2 * (x * x + y * y)};
    matrix = IdentityMatrix();
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
            matrix[size_t(column * 4 + row)] = r[column * 3 + row] * s[column];
    for (int row = 0; row < 3; ++row)
        matrix[size_t(12 + row)] = node.translation.empty() ? 0.0 : node.translation[size_t(row)];
    return true;
}

class SceneReader
{
public:
    SceneReader(const tinygltf::Model &file, size_t fileSize, FormatReading &result)
        : assembly(fileSize), model(file), reading(result)
    {
    }

    // False when the file is damaged or the model too large (reading.failure tells).
    bool PlaceNode(int index, const Matrix4 &parent, int depth)
    {
        if (index < 0 || size_t(index) >= model.nodes.size() || depth > 64 || !onPath.insert(index).second ||
            ++visits > 1000000)
            return Fail(ReadFailure::DamagedFile);
        const tinygltf::Node &node = model.nodes[size_t(index)];
        Matrix4 local;
        if (!LocalMatrix(node, local))
            return Fail(ReadFailure::DamagedFile);
        const Matrix4 world = Multiply(parent, local);
        if (node.mesh >= 0 && !PlaceMesh(node.mesh, world))
            return false;
        for (int child : node.children)
            if (!PlaceNode(child, world, depth + 1))
                return false;
        onPath.erase(index);
        return true;
    }

    bool PlaceMesh(int index, const Matrix4 &world)
    {
        if (size_t(index) >= model.meshes.size())
            return Fail(ReadFailure::DamagedFile);
        bool placed = false;
        for (const tinygltf::Primitive &primitive : model.meshes[size_t(index)].primitives) {
            if (primitive.mode < TINYGLTF_MODE_TRIANGLES || primitive.mode > TINYGLTF_MODE_TRIANGLE_FAN) {
                ++reading.primitivesLeftOut;
                continue;
            }
            MeshPart part;
            if (!ReadPrimitive(primitive, part))
                return Fail(ReadFailure::DamagedFile);
            if (!assembly.Fits(part.PointCount(), part.triangles.size() / 3))
                return Fail(ReadFailure::TooLarge);
            if (!assembly.Add(part, world))
                return Fail(ReadFailure::TooLarge);
            placed = true;
        }
        reading.partsMerged += placed ? 1 : 0;
        return true;
    }

    MeshAssembly assembly;

private:
    bool ReadPrimitive(const tinygltf::Primitive &primitive, MeshPart &part)
    {
        const auto attribute = [&primitive](const char *name) {
            const auto found = primitive.attributes.find(name);
            return found == primitive.attributes.end() ? -1 : found->second;
        };
        const int position = attribute("POSITION");
        if (position < 0 || !ReadFloats(model, position, 3, 0, part.positions))
            return false;
        const size_t points = part.PointCount();
        std::vector<std::uint32_t> corners;
        if (!ReadCorners(model, primitive.indices, points, corners))
            return false;
        part.triangles = TrianglesOf(corners, primitive.mode);
        // An attribute that cannot be read is left out; the triangles stay.
        if (attribute("NORMAL") >= 0 && !ReadFloats(model, attribute("NORMAL"), 3, points, part.normals))
            part.normals.clear();
        if (attribute("COLOR_0") >= 0 && !ReadColours(model, attribute("COLOR_0"), points, part.colours))
            part.colours.clear();
        if (attribute("TEXCOORD_0") >= 0 &&
            ReadFloats(model, attribute("TEXCOORD_0"), 2, points, part.textureCoordinates)) {
            for (size_t i = 1; i < part.textureCoordinates.size(); i += 2)
                part.textureCoordinates[i] = 1.0f - part.textureCoordinates[i]; // glTF's v runs downwards
        } else {
            part.textureCoordinates.clear();
        }
        return true;
    }

    bool Fail(ReadFailure failure)
    {
        if (reading.failure == ReadFailure::None)
            reading.failure = failure;
        return false;
    }

    const tinygltf::Model &model;
    FormatReading &reading;
    std::set<int> onPath;
    size_t visits = 0;
};

// The nodes at the roots of the scene shown: the default scene's, the first scene's, or,
// in a file without scenes, every node no other node holds.
std::vector<int> RootNodes(const tinygltf::Model &model)
{
    if (!model.scenes.empty()) {
        const size_t scene = model.defaultScene >= 0 && size_t(model.defaultScene) < model.scenes.size()
                                 ? size_t(model.defaultScene)
                                 : 0;
        return model.scenes[scene].nodes;
    }
    std::vector<bool> held(model.nodes.size(), false);
    for (const tinygltf::Node &node : model.nodes)
        for (int child : node.children)
            if (child >= 0 && size_t(child) < held.size())
                held[size_t(child)] = true;
    std::vector<int> roots;
    for (size_t i = 0; i < held.size(); ++i)
        if (!held[i])
            roots.push_back(int(i));
    return roots;
}

} // namespace

FormatReading ReadGltf(std::string_view bytes, bool binary, const QString &folder)
{
    if (bytes.size() > std::numeric_limits<unsigned int>::max())
        return Failed(ReadFailure::TooLarge, ByteSizeText(std::numeric_limits<unsigned int>::max()));
    FileAccessNote note;
    tinygltf::TinyGLTF loader;
    loader.SetFsCallbacks({BufferFileExists, SamePath, ReadBufferFile, WriteNothing, &note});
    loader.SetImageLoader(SkipImage, nullptr);
    tinygltf::Model model;
    std::string error;
    std::string warning;
    const std::string base = QFile::encodeName(folder).toStdString();
    bool loaded = false;
    try {
        loaded = binary ? loader.LoadBinaryFromMemory(&model, &error, &warning,
                                                      reinterpret_cast<const unsigned char *>(bytes.data()),
                                                      static_cast<unsigned int>(bytes.size()), base)
                        : loader.LoadASCIIFromString(&model, &error, &warning, bytes.data(),
                                                     static_cast<unsigned int>(bytes.size()), base);
    } catch (const std::bad_alloc &) {
        return Failed(ReadFailure::OutOfMemory);
    } catch (const std::exception &) {
        return Failed(ReadFailure::DamagedFile);
    }
    for (const std::string &required : model.extensionsRequired)
        if (required == "KHR_draco_mesh_compression" || required == "EXT_meshopt_compression" ||
            required == "KHR_meshopt_compression")
            return Failed(ReadFailure::Unsupported, QString::fromStdString(required));
    // tinygltf turns what its JSON parser threw into text, std::bad_alloc too; a buffer file
    // that did not fit says "out of memory" (ReadBufferFile).
    if (!loaded && (error.find("bad_alloc") != std::string::npos || error.find("out of memory") != std::string::npos))
        return Failed(ReadFailure::OutOfMemory);
    if (!loaded)
        return note.missing.isEmpty() ? Failed(ReadFailure::DamagedFile)
                                      : Failed(ReadFailure::MissingDataFile, note.missing);

    FormatReading reading;
    reading.materialsNotKept = !model.materials.empty() || !model.textures.empty() || !model.images.empty();
    SceneReader scene(model, bytes.size(), reading);
    try {
        if (model.nodes.empty()) {
            // Meshes without nodes: each once, where it is.
            for (size_t mesh = 0; mesh < model.meshes.size(); ++mesh)
                if (!scene.PlaceMesh(int(mesh), IdentityMatrix()))
                    return Failed(reading.failure);
        } else {
            for (int root : RootNodes(model))
                if (!scene.PlaceNode(root, IdentityMatrix(), 0))
                    return Failed(reading.failure);
        }
        if (scene.assembly.PartCount() == 0)
            return Failed(ReadFailure::NoTriangles);
        reading.model = scene.assembly.Build();
    } catch (const std::bad_alloc &) {
        return Failed(ReadFailure::OutOfMemory);
    }
    return reading;
}

} // namespace lumeno
