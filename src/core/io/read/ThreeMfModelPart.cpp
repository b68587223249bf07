#include "io/read/ThreeMfModelPart.h"

#include "io/read/ThreeMfTextures.h"
#include "io/read/ZipXmlStream.h"

#include <QCoreApplication>
#include <QXmlStreamAttributes>

#include <array>
#include <cmath>
#include <map>
#include <tuple>
#include <unordered_map>

namespace lumeno {

namespace {

const QString MaterialNamespace = QStringLiteral("http://schemas.microsoft.com/3dmanufacturing/material/2015/02");
const QString ProductionNamespace =
    QStringLiteral("http://schemas.microsoft.com/3dmanufacturing/production/2015/06");

struct Unit
{
    const char *name;
    double millimetres;
};

// The units of the 3MF core.
const Unit Units[] = {{"micron", 0.001}, {"millimeter", 1}, {"centimeter", 10},
                      {"inch", 25.4},    {"foot", 304.8},   {"meter", 1000}};

bool ParseMatrix(const QStringRef &text, Matrix4 &matrix)
{
    const QVector<QStringRef> words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() != 12)
        return false;
    matrix = IdentityMatrix();
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 3; ++row) {
            bool ok = false;
            const double value = words[column * 3 + row].toDouble(&ok);
            if (!ok || !std::isfinite(value))
                return false;
            matrix[size_t(column * 4 + row)] = value;
        }
    return true;
}

using Colour = std::array<std::uint8_t, 4>;

// "#RRGGBB" or "#RRGGBBAA"; false for anything else.
bool ParseColour(const QStringRef &text, Colour &colour)
{
    if ((text.size() != 7 && text.size() != 9) || text.at(0) != QLatin1Char('#'))
        return false;
    colour = {0, 0, 0, 255};
    for (int i = 0; i < (text.size() - 1) / 2; ++i) {
        bool ok = false;
        const uint value = text.mid(1 + 2 * i, 2).toUInt(&ok, 16);
        if (!ok)
            return false;
        colour[size_t(i)] = std::uint8_t(value);
    }
    return true;
}

// A texture2dgroup: the material of its texture and its coordinates.
struct TextureGroup
{
    int material = -1;
    std::vector<std::array<float, 2>> uvs;
};

// glTF's sampler values for 3MF's tile styles and filters.
int WrapOf(const QStringRef &style)
{
    if (style == QLatin1String("mirror"))
        return 33648;
    if (style == QLatin1String("clamp") || style == QLatin1String("none"))
        return 33071;
    return 10497;
}

int Id(const QXmlStreamAttributes &attributes, const char *name)
{
    bool ok = false;
    const int id = attributes.value(QLatin1String(name)).toInt(&ok);
    return ok && id >= 0 ? id : -1;
}

class ModelPartReader
{
public:
    ModelPartReader(ZipXmlStream &partStream, const QString &partPath, ThreeMfBudget &meshBudget,
                    ThreeMfModelPart &modelPart, ThreeMfTextures &packageTextures, FormatReading &result)
        : stream(partStream), xml(partStream.Xml()), path(partPath), budget(meshBudget), part(modelPart),
          textures(packageTextures), reading(result)
    {
    }

    bool Read()
    {
        for (;;) {
            const QXmlStreamReader::TokenType token = stream.ReadNext();
            if (token == QXmlStreamReader::Invalid)
                return Fail(stream.Failure(), stream.Detail());
            if (token == QXmlStreamReader::EndDocument)
                break;
            if (token == QXmlStreamReader::StartElement && !ReadElement())
                return false;
        }
        FinishObject();
        return true;
    }

private:
    bool ReadElement()
    {
        const QStringRef name = xml.name();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == QLatin1String("model") && !modelSeen) {
            modelSeen = true;
            return ReadUnit(attributes);
        }
        if (name == QLatin1String("basematerials") ||
            (name == QLatin1String("colorgroup") && xml.namespaceUri() == MaterialNamespace)) {
            groupId = Id(attributes, "id");
            colours[groupId] = {};
        } else if (name == QLatin1String("base") || name == QLatin1String("color")) {
            Colour colour{255, 255, 255, 255};
            if (!ParseColour(attributes.value(QLatin1String(name == QLatin1String("base") ? "displaycolor" : "color")),
                             colour))
                return Fail(ReadFailure::DamagedFile);
            colours[groupId].push_back(colour);
        } else if (name == QLatin1String("texture2d") && xml.namespaceUri() == MaterialNamespace) {
            ThreeMfTexture texture;
            texture.path = attributes.value(QLatin1String("path")).left(4096).toString();
            texture.contentType = attributes.value(QLatin1String("contenttype")).left(100).toString();
            texture.wrapS = WrapOf(attributes.value(QLatin1String("tilestyleu")));
            texture.wrapT = WrapOf(attributes.value(QLatin1String("tilestylev")));
            const QStringRef filter = attributes.value(QLatin1String("filter"));
            texture.filter = filter == QLatin1String("nearest") ? 9728 : filter == QLatin1String("linear") ? 9729 : 0;
            textureOfId[Id(attributes, "id")] = texture;
        } else if (name == QLatin1String("texture2dgroup") && xml.namespaceUri() == MaterialNamespace) {
            textureGroupId = Id(attributes, "id");
            TextureGroup &group = textureGroups[textureGroupId];
            const auto texture = textureOfId.find(Id(attributes, "texid"));
            if (texture == textureOfId.end())
                return Fail(ReadFailure::DamagedFile);
            group.material = textures.MaterialOf(path, texture->first, texture->second);
        } else if (name == QLatin1String("tex2coord") && textureGroups.count(textureGroupId)) {
            std::array<float, 2> uv{0, 0};
            for (size_t axis = 0; axis < 2; ++axis) {
                bool ok = false;
                uv[axis] = attributes.value(QLatin1String(axis == 0 ? "u" : "v")).toFloat(&ok);
                if (!ok || !std::isfinite(uv[axis]))
                    return Fail(ReadFailure::DamagedFile);
            }
            textureGroups[textureGroupId].uvs.push_back(uv);
        } else if (name == QLatin1String("object")) {
            return StartObject(attributes);
        } else if (name == QLatin1String("vertex") && object) {
            return ReadVertex(attributes);
        } else if (name == QLatin1String("triangle") && object) {
            return ReadTriangle(attributes);
        } else if ((name == QLatin1String("component") && object) || name == QLatin1String("item")) {
            ThreeMfComponent component;
            component.object = Id(attributes, "objectid");
            component.path = attributes.value(ProductionNamespace, QLatin1String("path")).toString();
            if (component.path.isEmpty())
                component.path = path;
            if (component.object < 0 || (attributes.hasAttribute(QLatin1String("transform")) &&
                                         !ParseMatrix(attributes.value(QLatin1String("transform")), component.transform)))
                return Fail(ReadFailure::DamagedFile);
            (name == QLatin1String("item") ? part.build : object->components).push_back(component);
        }
        return true;
    }

    bool ReadUnit(const QXmlStreamAttributes &attributes)
    {
        part.unit = attributes.hasAttribute(QLatin1String("unit"))
                        ? attributes.value(QLatin1String("unit")).toString()
                        : QStringLiteral("millimeter");
        for (const Unit &unit : Units)
            if (part.unit == QLatin1String(unit.name)) {
                part.millimetres = unit.millimetres;
                return true;
            }
        const QString shown = part.unit.size() > 40 ? part.unit.left(40) + QStringLiteral("…") : part.unit;
        return Fail(ReadFailure::Unsupported,
                    QCoreApplication::translate("ModelReader", "the unit \"%1\"")
                        .arg(shown));
    }

    bool StartObject(const QXmlStreamAttributes &attributes)
    {
        FinishObject();
        const int id = Id(attributes, "id");
        if (id < 0 || part.objects.count(id))
            return Fail(ReadFailure::DamagedFile);
        object = &part.objects[id];
        object->name = attributes.value(QLatin1String("name")).left(4096).toString();
        if (object->name.isEmpty())
            object->name = QStringLiteral("object %1").arg(id);
        objectGroup = attributes.hasAttribute(QLatin1String("pid")) ? Id(attributes, "pid") : -1;
        objectIndex = attributes.hasAttribute(QLatin1String("pindex")) ? Id(attributes, "pindex") : 0;
        return true;
    }

    void FinishObject()
    {
        object = nullptr;
        vertexCount = 0;
        trianglesStarted = false;
        coloured = {};
        splits = {};
        textured = {};
        uvSplits = {};
    }

    bool TakeFromBudget(size_t points, size_t triangles)
    {
        budget.points += points;
        budget.triangles += triangles;
        return budget.limit.Fits(budget.points, budget.triangles) ||
               Fail(ReadFailure::OverLimit, budget.limit.LimitText(MeshAssembly::Limit::PointsOrTriangles));
    }

    bool ReadVertex(const QXmlStreamAttributes &attributes)
    {
        // The triangles' corners split vertices past the file's own: no vertex may follow them.
        if (trianglesStarted)
            return Fail(ReadFailure::DamagedFile);
        if (!TakeFromBudget(1, 0))
            return false;
        for (const char *axis : {"x", "y", "z"}) {
            bool ok = false;
            const float value = attributes.value(QLatin1String(axis)).toFloat(&ok);
            if (!ok || !std::isfinite(value))
                return Fail(ReadFailure::DamagedFile);
            object->mesh.positions.push_back(value);
        }
        return true;
    }

    bool ReadTriangle(const QXmlStreamAttributes &attributes)
    {
        if (!trianglesStarted) {
            trianglesStarted = true;
            vertexCount = object->mesh.PointCount();
        }
        if (!TakeFromBudget(0, 1))
            return false;
        std::uint32_t vertices[3];
        for (int i = 0; i < 3; ++i) {
            bool ok = false;
            const uint index = attributes.value(QLatin1String(i == 0 ? "v1" : i == 1 ? "v2" : "v3")).toUInt(&ok);
            if (!ok || index >= vertexCount)
                return Fail(ReadFailure::DamagedFile);
            vertices[i] = index;
        }
        std::uint32_t corners[3] = {vertices[0], vertices[1], vertices[2]};
        const int group = attributes.hasAttribute(QLatin1String("pid")) ? Id(attributes, "pid") : objectGroup;
        const auto texturedGroup = textureGroups.find(group);
        if (texturedGroup != textureGroups.end())
            return ReadTexturedTriangle(attributes, vertices, texturedGroup->second);
        NoteMaterial(-1);
        const auto found = colours.find(group);
        if (found != colours.end()) {
            const int first = attributes.hasAttribute(QLatin1String("p1")) ? Id(attributes, "p1") : objectIndex;
            for (int i = 0; i < 3; ++i) {
                const char *name = i == 0 ? "p1" : i == 1 ? "p2" : "p3";
                const int index = attributes.hasAttribute(QLatin1String(name)) ? Id(attributes, name) : first;
                // One point twice stays so, whatever its colours: the clean-up leaves the triangle out.
                const int same = vertices[i] == vertices[0] ? 0 : vertices[i] == vertices[1] ? 1 : i;
                if (same < i)
                    corners[i] = corners[same];
                else if (index >= 0 && size_t(index) < found->second.size() &&
                         !ColouredCorner(vertices[i], found->second[size_t(index)], corners[i]))
                    return false;
            }
        }
        object->mesh.triangles.insert(object->mesh.triangles.end(), corners, corners + 3);
        return true;
    }

    // The triangle's corners at their coordinates of the group, its material the group's.
    bool ReadTexturedTriangle(const QXmlStreamAttributes &attributes, const std::uint32_t (&vertices)[3],
                              const TextureGroup &group)
    {
        std::uint32_t corners[3] = {vertices[0], vertices[1], vertices[2]};
        const int first = attributes.hasAttribute(QLatin1String("p1")) ? Id(attributes, "p1") : objectIndex;
        for (int i = 0; i < 3; ++i) {
            const char *name = i == 0 ? "p1" : i == 1 ? "p2" : "p3";
            const int index = attributes.hasAttribute(QLatin1String(name)) ? Id(attributes, name) : first;
            const int same = vertices[i] == vertices[0] ? 0 : vertices[i] == vertices[1] ? 1 : i;
            if (same < i)
                corners[i] = corners[same];
            else if (index < 0 || size_t(index) >= group.uvs.size())
                return Fail(ReadFailure::DamagedFile);
            else if (!TexturedCorner(vertices[i], group, index, corners[i]))
                return false;
        }
        NoteMaterial(group.material);
        object->mesh.triangles.insert(object->mesh.triangles.end(), corners, corners + 3);
        return true;
    }

    // The material of the triangle about to be added; the triangles before the first of a
    // material had none.
    void NoteMaterial(int material)
    {
        MeshPart &mesh = object->mesh;
        if (material < 0 && mesh.triangleMaterials.empty())
            return;
        mesh.triangleMaterials.resize(mesh.triangles.size() / 3, -1);
        mesh.triangleMaterials.push_back(material);
    }

    // A copy of the vertex, with the colour and coordinates it has (those of the point to be
    // given their own by the caller).
    bool SplitVertex(std::uint32_t vertex, std::uint32_t &corner)
    {
        if (!TakeFromBudget(1, 0))
            return false;
        MeshPart &mesh = object->mesh;
        corner = std::uint32_t(mesh.PointCount());
        for (int axis = 0; axis < 3; ++axis)
            mesh.positions.push_back(mesh.positions[3 * size_t(vertex) + size_t(axis)]);
        if (!mesh.colours.empty())
            for (int c = 0; c < 4; ++c)
                mesh.colours.push_back(mesh.colours[4 * size_t(vertex) + size_t(c)]);
        if (!mesh.textureCoordinates.empty())
            for (int c = 0; c < 2; ++c)
                mesh.textureCoordinates.push_back(mesh.textureCoordinates[2 * size_t(vertex) + size_t(c)]);
        return true;
    }

    // The point of the vertex at these coordinates: the vertex itself when it has none yet,
    // else a copy of it, made once for each further pair.
    bool TexturedCorner(std::uint32_t vertex, const TextureGroup &group, int index, std::uint32_t &corner)
    {
        MeshPart &mesh = object->mesh;
        if (textured.empty()) {
            textured.assign(vertexCount, false);
            mesh.textureCoordinates.assign(2 * mesh.PointCount(), 0.0f);
        }
        const std::array<float, 2> &uv = group.uvs[size_t(index)];
        float *own = mesh.textureCoordinates.data() + 2 * size_t(vertex);
        if (!textured[vertex] || (own[0] == uv[0] && own[1] == uv[1])) {
            textured[vertex] = true;
            own[0] = uv[0];
            own[1] = uv[1];
            corner = vertex;
            return true;
        }
        const auto key = std::make_tuple(vertex, uv[0], uv[1]);
        const auto split = uvSplits.find(key);
        if (split != uvSplits.end()) {
            corner = split->second;
            return true;
        }
        if (!SplitVertex(vertex, corner))
            return false;
        mesh.textureCoordinates[2 * size_t(corner)] = uv[0];
        mesh.textureCoordinates[2 * size_t(corner) + 1] = uv[1];
        uvSplits.emplace(key, corner);
        return true;
    }

    // The point of the vertex in this colour: the vertex itself when it has no other colour
    // yet, else a copy of it, made once for each further colour.
    bool ColouredCorner(std::uint32_t vertex, const Colour &colour, std::uint32_t &corner)
    {
        MeshPart &mesh = object->mesh;
        if (coloured.empty()) {
            coloured.assign(vertexCount, false);
            mesh.colours.assign(4 * mesh.PointCount(), 255);
        }
        std::uint8_t *own = mesh.colours.data() + 4 * size_t(vertex);
        if (!coloured[vertex]) {
            coloured[vertex] = true;
            std::copy(colour.begin(), colour.end(), own);
            corner = vertex;
            return true;
        }
        if (std::equal(colour.begin(), colour.end(), own)) {
            corner = vertex;
            return true;
        }
        const std::uint64_t key = std::uint64_t(vertex) << 32 | std::uint64_t(colour[0]) << 24 |
                                  std::uint64_t(colour[1]) << 16 | std::uint64_t(colour[2]) << 8 | colour[3];
        const auto split = splits.find(key);
        if (split != splits.end()) {
            corner = split->second;
            return true;
        }
        if (!SplitVertex(vertex, corner))
            return false;
        std::copy(colour.begin(), colour.end(), mesh.colours.data() + 4 * size_t(corner));
        splits.emplace(key, corner);
        return true;
    }

    bool Fail(ReadFailure failure, const QString &detail = QString()) { return NoteFailure(reading, failure, detail); }

    ZipXmlStream &stream;
    QXmlStreamReader &xml;
    QString path;
    ThreeMfBudget &budget;
    ThreeMfModelPart &part;
    ThreeMfTextures &textures;
    FormatReading &reading;
    bool modelSeen = false;
    std::map<int, ThreeMfTexture> textureOfId;
    std::map<int, TextureGroup> textureGroups;
    int textureGroupId = -1;
    std::map<int, std::vector<Colour>> colours;
    int groupId = -1;
    ThreeMfObject *object = nullptr;
    int objectGroup = -1;
    int objectIndex = 0;
    // The vertices of the object's <vertices>, and which of them have a colour yet.
    size_t vertexCount = 0;
    bool trianglesStarted = false;
    std::vector<bool> coloured;
    std::unordered_map<std::uint64_t, std::uint32_t> splits; // vertex and colour: the point split off
    std::vector<bool> textured;
    std::map<std::tuple<std::uint32_t, float, float>, std::uint32_t> uvSplits; // vertex and coordinates
};

} // namespace

bool ReadThreeMfModelPart(ZipXmlStream &stream, const QString &path, ThreeMfBudget &budget, ThreeMfModelPart &part,
                          ThreeMfTextures &textures, FormatReading &reading)
{
    return ModelPartReader(stream, path, budget, part, textures, reading).Read();
}

} // namespace lumeno
