#include "io/read/GltfScene.h"

#include "io/read/GltfAccessors.h"
#include "io/read/GltfLook.h"
#include "io/read/MeshAssembly.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace lumeno {

namespace {

// Triangles from the corners of a list, strip or fan; `leftOver` counts the corners of a list
// that make no whole triangle, or a strip or fan of fewer than three, as one polygon.
std::vector<std::uint32_t> TrianglesOf(const std::vector<std::uint32_t> &corners, int mode, qint64 &leftOver)
{
    if (mode == TINYGLTF_MODE_TRIANGLES) {
        leftOver = corners.size() % 3 != 0 ? 1 : 0;
        return std::vector<std::uint32_t>(corners.begin(), corners.begin() + long(corners.size() / 3 * 3));
    }
    leftOver = corners.size() < 3 ? 1 : 0;
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

bool IsTriangles(int mode)
{
    return mode >= TINYGLTF_MODE_TRIANGLES && mode <= TINYGLTF_MODE_TRIANGLE_FAN;
}

// A mesh's primitives as parts, read once however often the mesh is placed.
struct MeshParts
{
    std::vector<MeshPart> parts;
    std::vector<qint64> leftOverCorners; // by part
    qint64 points = 0;                   // primitives of points, which are left out
    qint64 lines = 0;                    // primitives of lines, which are left out
};

class SceneReader
{
public:
    SceneReader(const tinygltf::Model &file, size_t fileSize, FormatReading &result, std::vector<ModelPart> &placed)
        : assembly(fileSize), model(file), reading(result), parts(placed), timesPlaced(file.meshes.size(), 0),
          kept(file.meshes.size()), isKept(file.meshes.size(), false), onPath(file.nodes.size(), false)
    {
    }

    // Places the node and the nodes below it, walked with a stack of our own. False when
    // the file is damaged or holds more than we read (reading.failure tells).
    bool PlaceTree(int root)
    {
        struct Visit
        {
            int node;
            Matrix4 world;
            size_t nextChild;
        };
        std::vector<Visit> path;
        const auto enter = [&](int index, const Matrix4 &parent) {
            if (index < 0 || size_t(index) >= model.nodes.size() || onPath[size_t(index)])
                return Fail(ReadFailure::DamagedFile); // a node outside the list, or a cycle
            if (path.size() >= size_t(MaxGltfNodeDepth))
                return Fail(ReadFailure::OverLimit,
                            QCoreApplication::translate("ModelReader", "nodes nested %1 levels deep")
                                .arg(QLocale().toString(MaxGltfNodeDepth)));
            if (++visits > MaxGltfNodeVisits)
                return Fail(ReadFailure::OverLimit, QCoreApplication::translate("ModelReader", "%1 placed nodes")
                                                        .arg(QLocale().toString(MaxGltfNodeVisits)));
            const tinygltf::Node &node = model.nodes[size_t(index)];
            Matrix4 local;
            if (!LocalMatrix(node, local))
                return Fail(ReadFailure::DamagedFile);
            const Matrix4 world = Multiply(parent, local);
            if (node.mesh >= 0 && !PlaceMesh(node.mesh, world, QString::fromStdString(node.name)))
                return false;
            onPath[size_t(index)] = true;
            path.push_back({index, world, 0});
            return true;
        };
        if (!enter(root, IdentityMatrix()))
            return false;
        while (!path.empty()) {
            Visit &visit = path.back();
            const std::vector<int> &children = model.nodes[size_t(visit.node)].children;
            if (visit.nextChild < children.size()) {
                const int child = children[visit.nextChild++];
                const Matrix4 world = visit.world; // enter may move the path
                if (!enter(child, world))
                    return false;
            } else {
                onPath[size_t(visit.node)] = false;
                path.pop_back();
            }
        }
        return true;
    }

    bool PlaceMesh(int index, const Matrix4 &world, const QString &nodeName)
    {
        if (index < 0 || size_t(index) >= model.meshes.size())
            return Fail(ReadFailure::DamagedFile);
        // A mesh placed once is read, placed and let go; one placed again is kept.
        MeshParts read;
        const bool again = ++timesPlaced[size_t(index)] > 1;
        if (!isKept[size_t(index)]) {
            if (!ReadMesh(model.meshes[size_t(index)], read))
                return Fail(ReadFailure::DamagedFile);
            if (again) {
                kept[size_t(index)] = std::move(read);
                isKept[size_t(index)] = true;
            }
        }
        const MeshParts &mesh = isKept[size_t(index)] ? kept[size_t(index)] : read;
        pointPrimitives += mesh.points;
        reading.primitivesLeftOut += mesh.points + mesh.lines;
        QString name = nodeName.isEmpty() ? QString::fromStdString(model.meshes[size_t(index)].name) : nodeName;
        if (name.isEmpty())
            name = QStringLiteral("mesh%1").arg(index);
        for (size_t i = 0; i < mesh.parts.size(); ++i) {
            if (!assembly.Add(mesh.parts[i], world, std::int32_t(parts.size())))
                return Fail(ReadFailure::OverLimit, assembly.LimitText());
            parts.push_back({i == 0 ? name : QStringLiteral("%1 (%2)").arg(name).arg(i + 1), world});
            reading.polygonsWithoutArea += mesh.leftOverCorners[i];
        }
        reading.partsMerged += mesh.parts.empty() ? 0 : 1;
        return true;
    }

    // Why nothing was placed: no meshes, points only, or no triangles.
    ReadFailure NothingPlaced() const
    {
        if (reading.primitivesLeftOut == 0)
            return ReadFailure::NoMeshes; // none in the file, or none in the scene shown
        return pointPrimitives == reading.primitivesLeftOut ? ReadFailure::PointsOnly : ReadFailure::NoTriangles;
    }

    MeshAssembly assembly;

private:
    bool ReadMesh(const tinygltf::Mesh &mesh, MeshParts &out)
    {
        for (const tinygltf::Primitive &primitive : mesh.primitives) {
            if (!IsTriangles(primitive.mode)) {
                ++(primitive.mode == TINYGLTF_MODE_POINTS ? out.points : out.lines);
                continue;
            }
            MeshPart part;
            qint64 leftOver = 0;
            if (!ReadPrimitive(primitive, part, leftOver))
                return false;
            if (primitive.material >= 0 && size_t(primitive.material) < model.materials.size() &&
                primitive.material < MaxGltfMaterials)
                part.material = primitive.material;
            out.parts.push_back(std::move(part));
            out.leftOverCorners.push_back(leftOver);
        }
        return true;
    }

    bool ReadPrimitive(const tinygltf::Primitive &primitive, MeshPart &part, qint64 &leftOver)
    {
        const auto attribute = [&primitive](const char *name) {
            const auto found = primitive.attributes.find(name);
            return found == primitive.attributes.end() ? -1 : found->second;
        };
        const int position = attribute("POSITION");
        if (position < 0 || !ReadGltfFloats(model, position, 3, 0, part.positions))
            return false;
        const size_t points = part.PointCount();
        std::vector<std::uint32_t> corners;
        if (!ReadGltfCorners(model, primitive.indices, points, corners))
            return false;
        // Triangles on one point twice are handed on: the clean-up after reading counts them.
        part.triangles = TrianglesOf(corners, primitive.mode, leftOver);
        // An attribute that cannot be read is left out; the triangles stay.
        if (attribute("NORMAL") >= 0 && !ReadGltfFloats(model, attribute("NORMAL"), 3, points, part.normals))
            part.normals.clear();
        if (attribute("COLOR_0") >= 0 && !ReadGltfColours(model, attribute("COLOR_0"), points, part.colours))
            part.colours.clear();
        if (attribute("TEXCOORD_0") >= 0 &&
            ReadGltfFloats(model, attribute("TEXCOORD_0"), 2, points, part.textureCoordinates)) {
            for (size_t i = 1; i < part.textureCoordinates.size(); i += 2)
                part.textureCoordinates[i] = 1.0f - part.textureCoordinates[i]; // glTF's v runs downwards
        } else {
            part.textureCoordinates.clear();
        }
        return true;
    }

    bool Fail(ReadFailure failure, const QString &detail = QString()) { return NoteFailure(reading, failure, detail); }

    const tinygltf::Model &model;
    FormatReading &reading;
    std::vector<ModelPart> &parts;
    std::vector<int> timesPlaced; // by mesh
    std::vector<MeshParts> kept;  // by mesh, for those placed more than once
    std::vector<bool> isKept;
    std::vector<bool> onPath;     // by node: on the path walked now
    int visits = 0;
    qint64 pointPrimitives = 0;
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

FormatReading ReadGltfScene(const tinygltf::Model &model, size_t fileSize, std::vector<ModelPart> &parts)
{
    FormatReading reading;
    SceneReader scene(model, fileSize, reading, parts);
    if (model.nodes.empty()) {
        // Meshes without nodes: each once, where it is.
        for (size_t mesh = 0; mesh < model.meshes.size(); ++mesh)
            if (!scene.PlaceMesh(int(mesh), IdentityMatrix(), QString()))
                return Failed(reading.failure, reading.detail);
    } else {
        for (int root : RootNodes(model))
            if (!scene.PlaceTree(root))
                return Failed(reading.failure, reading.detail);
    }
    if (scene.assembly.PartCount() == 0)
        return Failed(scene.NothingPlaced());
    reading.attributesLeftOut = scene.assembly.LeftOut();
    reading.model = scene.assembly.Build();
    return reading;
}

} // namespace lumeno
