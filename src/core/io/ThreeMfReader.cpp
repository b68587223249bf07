#include "io/ThreeMfReader.h"

#include "io/MeshAssembly.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamReader>

#include <zip.h>

#include <cmath>
#include <map>
#include <memory>

namespace lumeno {

namespace {

const QString CoreNamespace = QStringLiteral("http://schemas.microsoft.com/3dmanufacturing/core/2015/02");
const QString MaterialNamespace = QStringLiteral("http://schemas.microsoft.com/3dmanufacturing/material/2015/02");
const QString ProductionNamespace =
    QStringLiteral("http://schemas.microsoft.com/3dmanufacturing/production/2015/06");
const QString ModelRelationship = QStringLiteral("http://schemas.microsoft.com/3dmanufacturing/2013/01/3dmodel");

struct ZipCloser
{
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
struct ZipFileCloser
{
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

// The most bytes a part of the package unpacks to (a QByteArray's bound).
constexpr quint64 LargestPart = (quint64(1) << 31) - 1;

// A part of the package unpacked, or why not.
struct PackagePart
{
    QByteArray bytes;
    ReadFailure failure = ReadFailure::None;
};

PackagePart Unpack(zip_t *archive, QString name)
{
    if (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    const zip_int64_t index = zip_name_locate(archive, name.toUtf8().constData(), ZIP_FL_NOCASE);
    zip_stat_t status;
    zip_stat_init(&status);
    if (index < 0 || zip_stat_index(archive, zip_uint64_t(index), 0, &status) != 0 ||
        !(status.valid & ZIP_STAT_COMP_SIZE))
        return {{}, ReadFailure::DamagedFile};
    const quint64 limit = std::min<quint64>(LargestPart, 1100 * quint64(status.comp_size) + 4096);
    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(archive, zip_uint64_t(index), 0));
    if (!file)
        return {{}, ReadFailure::DamagedFile};
    PackagePart part;
    char chunk[1 << 16];
    for (;;) {
        const zip_int64_t read = zip_fread(file.get(), chunk, sizeof chunk);
        if (read < 0)
            return {{}, ReadFailure::DamagedFile}; // also a wrong checksum
        if (read == 0)
            break;
        if (quint64(part.bytes.size()) + quint64(read) > limit)
            return {{}, limit < LargestPart ? ReadFailure::DamagedFile : ReadFailure::TooLarge};
        part.bytes.append(chunk, int(read));
    }
    return part;
}

// The model part the package's relationships start at.
QString StartPart(zip_t *archive)
{
    const PackagePart relationships = Unpack(archive, QStringLiteral("_rels/.rels"));
    QXmlStreamReader xml(relationships.bytes);
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::Invalid)
        if (xml.isStartElement() && xml.name() == QLatin1String("Relationship") &&
            xml.attributes().value(QLatin1String("Type")) == ModelRelationship)
            return xml.attributes().value(QLatin1String("Target")).toString();
    return QStringLiteral("3D/3dmodel.model");
}

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

// "#RRGGBB" or "#RRGGBBAA"; false for anything else.
bool ParseColour(const QStringRef &text, std::array<std::uint8_t, 4> &colour)
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

struct Component
{
    QString path; // the model part of the object; empty for this one
    int object = 0;
    Matrix4 transform;
};

struct ModelObject
{
    bool isMesh = false;
    MeshPart mesh;
    std::vector<Component> components;
};

using ColourGroup = std::vector<std::array<std::uint8_t, 4>>;

class ModelPartReader
{
public:
    ModelPartReader(const QByteArray &bytes, const QString &partPath, FormatReading &result)
        : xml(bytes), path(partPath), reading(result)
    {
    }

    // Reads the objects of the part; false when the part is damaged.
    bool Read(std::map<int, ModelObject> &objects, std::vector<Component> &build)
    {
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QStringRef name = xml.name();
            const QXmlStreamAttributes attributes = xml.attributes();
            if (name == QLatin1String("basematerials") || (name == QLatin1String("colorgroup") &&
                                                           xml.namespaceUri() == MaterialNamespace)) {
                groupId = Id(attributes, "id");
                colours[groupId] = {};
            } else if (name == QLatin1String("base") || name == QLatin1String("color")) {
                std::array<std::uint8_t, 4> colour{255, 255, 255, 255};
                if (!ParseColour(attributes.value(QLatin1String(name == QLatin1String("base") ? "displaycolor"
                                                                                               : "color")),
                                 colour))
                    return false;
                colours[groupId].push_back(colour);
            } else if (name == QLatin1String("texture2dgroup") || name == QLatin1String("texture2d")) {
                reading.materialsNotKept = true;
            } else if (name == QLatin1String("object")) {
                if (!StartObject(attributes, objects))
                    return false;
            } else if (name == QLatin1String("vertex") && object) {
                if (!ReadVertex(attributes))
                    return false;
            } else if (name == QLatin1String("triangle") && object) {
                if (!ReadTriangle(attributes))
                    return false;
            } else if ((name == QLatin1String("component") && object) || name == QLatin1String("item")) {
                Component component;
                component.object = Id(attributes, "objectid");
                component.path = attributes.value(ProductionNamespace, QLatin1String("path")).toString();
                if (component.path.isEmpty())
                    component.path = path;
                component.transform = IdentityMatrix();
                if (attributes.hasAttribute(QLatin1String("transform")) &&
                    !ParseMatrix(attributes.value(QLatin1String("transform")), component.transform))
                    return false;
                if (component.object < 0)
                    return false;
                if (name == QLatin1String("item")) {
                    build.push_back(component);
                } else {
                    object->components.push_back(component);
                }
            }
        }
        FinishObject();
        return !xml.hasError();
    }

private:
    static int Id(const QXmlStreamAttributes &attributes, const char *name)
    {
        bool ok = false;
        const int id = attributes.value(QLatin1String(name)).toInt(&ok);
        return ok && id >= 0 ? id : -1;
    }

    bool StartObject(const QXmlStreamAttributes &attributes, std::map<int, ModelObject> &objects)
    {
        FinishObject();
        const int id = Id(attributes, "id");
        if (id < 0 || objects.count(id))
            return false;
        object = &objects[id];
        object->isMesh = true; // until it shows components
        objectGroup = attributes.hasAttribute(QLatin1String("pid")) ? Id(attributes, "pid") : -1;
        objectIndex = attributes.hasAttribute(QLatin1String("pindex")) ? Id(attributes, "pindex") : 0;
        cornerColours.clear();
        return true;
    }

    void FinishObject()
    {
        if (!object)
            return;
        object->isMesh = object->components.empty();
        MeshPart &mesh = object->mesh;
        if (!cornerColours.empty()) {
            mesh.colours.assign(4 * mesh.PointCount(), 255);
            for (const auto &[vertex, colour] : cornerColours)
                if (vertex < mesh.PointCount())
                    std::copy(colour.begin(), colour.end(), mesh.colours.begin() + long(4 * vertex));
        }
        object = nullptr;
    }

    bool ReadVertex(const QXmlStreamAttributes &attributes)
    {
        for (const char *axis : {"x", "y", "z"}) {
            bool ok = false;
            const float value = attributes.value(QLatin1String(axis)).toFloat(&ok);
            if (!ok || !std::isfinite(value))
                return false;
            object->mesh.positions.push_back(value);
        }
        return true;
    }

    bool ReadTriangle(const QXmlStreamAttributes &attributes)
    {
        const size_t points = object->mesh.PointCount();
        std::uint32_t corners[3];
        for (int i = 0; i < 3; ++i) {
            bool ok = false;
            const uint index = attributes.value(QLatin1String(i == 0 ? "v1" : i == 1 ? "v2" : "v3")).toUInt(&ok);
            if (!ok || index >= points)
                return false;
            corners[i] = index;
        }
        object->mesh.triangles.insert(object->mesh.triangles.end(), corners, corners + 3);
        const int group = attributes.hasAttribute(QLatin1String("pid")) ? Id(attributes, "pid") : objectGroup;
        const auto found = colours.find(group);
        if (found == colours.end())
            return true;
        const int first = attributes.hasAttribute(QLatin1String("p1")) ? Id(attributes, "p1") : objectIndex;
        for (int i = 0; i < 3; ++i) {
            const char *name = i == 0 ? "p1" : i == 1 ? "p2" : "p3";
            const int index = attributes.hasAttribute(QLatin1String(name)) ? Id(attributes, name) : first;
            if (index >= 0 && size_t(index) < found->second.size())
                cornerColours[corners[i]] = found->second[size_t(index)];
        }
        return true;
    }

    QXmlStreamReader xml;
    QString path;
    FormatReading &reading;
    std::map<int, ColourGroup> colours;
    int groupId = -1;
    ModelObject *object = nullptr;
    int objectGroup = -1;
    int objectIndex = 0;
    std::map<std::uint32_t, std::array<std::uint8_t, 4>> cornerColours;
};

class PackageReader
{
public:
    PackageReader(zip_t *package, size_t fileSize, FormatReading &result)
        : assembly(fileSize), archive(package), reading(result)
    {
    }

    bool ReadStart()
    {
        const QString start = Normalised(StartPart(archive));
        std::vector<Component> build;
        if (!ReadPart(start, &build))
            return false;
        for (const Component &item : build)
            if (!Place(item, IdentityMatrix(), 0))
                return false;
        return true;
    }

    MeshAssembly assembly;

private:
    static QString Normalised(QString path)
    {
        if (!path.startsWith(QLatin1Char('/')))
            path.prepend(QLatin1Char('/'));
        return path.toLower();
    }

    bool ReadPart(const QString &path, std::vector<Component> *build)
    {
        if (parts.count(path))
            return true;
        if (parts.size() > 4096)
            return Fail(ReadFailure::DamagedFile);
        const PackagePart part = Unpack(archive, path);
        if (part.failure == ReadFailure::TooLarge)
            reading.detail = ByteSizeText(LargestPart);
        if (part.failure != ReadFailure::None)
            return Fail(part.failure);
        std::vector<Component> ignored;
        auto &objects = parts[path];
        if (!ModelPartReader(part.bytes, path, reading).Read(objects, build ? *build : ignored))
            return Fail(ReadFailure::DamagedFile);
        return true;
    }

    bool Place(const Component &component, const Matrix4 &parent, int depth)
    {
        const QString path = Normalised(component.path);
        if (depth > 32 || ++visits > 1000000 || !ReadPart(path, nullptr))
            return Fail(ReadFailure::DamagedFile);
        const auto found = parts[path].find(component.object);
        if (found == parts[path].end())
            return Fail(ReadFailure::DamagedFile);
        const Matrix4 world = Multiply(parent, component.transform);
        const ModelObject &object = found->second;
        if (object.isMesh) {
            if (object.mesh.triangles.empty())
                return true;
            if (!assembly.Add(object.mesh, world))
                return Fail(ReadFailure::TooLarge);
            ++reading.partsMerged;
            return true;
        }
        for (const Component &child : object.components)
            if (!Place(child, world, depth + 1))
                return false;
        return true;
    }

    bool Fail(ReadFailure failure)
    {
        if (reading.failure == ReadFailure::None)
            reading.failure = failure;
        return false;
    }

    zip_t *archive;
    FormatReading &reading;
    std::map<QString, std::map<int, ModelObject>> parts;
    size_t visits = 0;
};

} // namespace

FormatReading Read3mf(std::string_view bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source)
        return Failed(ReadFailure::DamagedFile);
    std::unique_ptr<zip_t, ZipCloser> archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
        return Failed(ReadFailure::DamagedFile);
    }
    FormatReading reading;
    try {
        PackageReader package(archive.get(), bytes.size(), reading);
        if (!package.ReadStart())
            return Failed(reading.failure);
        if (package.assembly.PartCount() == 0)
            return Failed(ReadFailure::NoTriangles);
        reading.model = package.assembly.Build();
    } catch (const std::bad_alloc &) {
        return Failed(ReadFailure::OutOfMemory);
    }
    return reading;
}

} // namespace lumeno
