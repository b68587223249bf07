#include "io/read/ThreeMfReader.h"

#include "io/read/MeshAssembly.h"
#include "io/read/ThreeMfModelPart.h"
#include "io/read/ThreeMfTextures.h"
#include "io/read/ZipXmlStream.h"

#include <QCoreApplication>
#include <QLocale>

#include <zip.h>

#include <map>
#include <memory>

namespace lumeno {

namespace {

const QString ModelRelationship = QStringLiteral("http://schemas.microsoft.com/3dmanufacturing/2013/01/3dmodel");

// Real packages nest their components a few levels deep (an assembly of assemblies).
constexpr size_t MaxNesting = 1000;
// Every object placed counts, with or without a mesh: a few nested components can place
// one object exponentially often.
constexpr size_t MaxPlacements = 10000000;

struct ZipCloser
{
    void operator()(zip_t *archive) const { zip_discard(archive); }
};

// The model part the package's relationships start at.
QString StartPart(zip_t *archive)
{
    ZipXmlStream relationships;
    if (relationships.Open(archive, QStringLiteral("_rels/.rels"))) {
        const QXmlStreamReader &xml = relationships.Xml();
        while (relationships.ReadNext() != QXmlStreamReader::Invalid && !xml.atEnd())
            if (xml.isStartElement() && xml.name() == QLatin1String("Relationship") &&
                xml.attributes().value(QLatin1String("Type")) == ModelRelationship)
                return xml.attributes().value(QLatin1String("Target")).toString();
    }
    return QStringLiteral("3D/3dmodel.model");
}

QString Normalised(QString path)
{
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return path.toLower();
}

class PackageReader
{
public:
    PackageReader(zip_t *package, size_t fileSize, FormatReading &result)
        : assembly(fileSize), budget(fileSize), archive(package), reading(result)
    {
    }

    bool ReadStart()
    {
        ThreeMfModelPart *start = ReadPart(Normalised(StartPart(archive)));
        if (!start)
            return false;
        if (start->build.empty())
            return Fail(ReadFailure::NoBuildItems);
        if (start->millimetres != 1)
            reading.unitConverted = start->unit;
        // The unit of the start part is the package's (the production extension asks the same
        // of every part).
        Matrix4 toMillimetres = IdentityMatrix();
        toMillimetres[0] = toMillimetres[5] = toMillimetres[10] = start->millimetres;
        for (const bool counting : {true, false})
            for (ThreeMfComponent &item : start->build)
                if (!Walk(item, toMillimetres, counting))
                    return false;
        return true;
    }

    // The meshes are let go before the model is built from their copies.
    void ForgetParts() { parts.clear(); }

    MeshAssembly assembly;
    std::vector<ModelPart> placedParts; // each mesh placed, by its object's name and world matrix
    ThreeMfTextures textures;

private:
    ThreeMfModelPart *ReadPart(const QString &path)
    {
        const auto known = parts.find(path);
        if (known != parts.end())
            return &known->second;
        if (parts.size() > 4096) {
            Fail(ReadFailure::DamagedFile);
            return nullptr;
        }
        ZipXmlStream stream;
        if (!stream.Open(archive, path)) {
            Fail(ReadFailure::DamagedFile);
            return nullptr;
        }
        ThreeMfModelPart &part = parts[path];
        return ReadThreeMfModelPart(stream, path, budget, part, textures, reading) ? &part : nullptr;
    }

    ThreeMfObject *Find(ThreeMfComponent &component)
    {
        if (!component.found) {
            ThreeMfModelPart *part = ReadPart(Normalised(component.path));
            if (!part)
                return nullptr;
            const auto found = part->objects.find(component.object);
            if (found == part->objects.end()) {
                Fail(ReadFailure::DamagedFile);
                return nullptr;
            }
            component.found = &found->second;
        }
        return component.found;
    }

    // Walks the item's object, its mesh and its components down to the last, on a path of our
    // own rather than the stack, so that the depth is ours to bound. Counting, it adds up the
    // points and triangles to be placed, so that a package placing more than the assembly
    // takes is refused before any is copied; else it adds each mesh to the assembly.
    bool Walk(ThreeMfComponent &item, const Matrix4 &parent, bool counting)
    {
        struct Step
        {
            ThreeMfObject *object;
            Matrix4 world;
            size_t next; // the component to enter next
        };
        std::vector<Step> path;
        const auto enter = [&](ThreeMfComponent &component, const Matrix4 &outer) {
            ThreeMfObject *object = Find(component);
            if (!object)
                return false;
            if (object->placing)
                return Fail(ReadFailure::DamagedFile); // an object made of itself
            if (path.size() >= MaxNesting)
                return Fail(ReadFailure::OverLimit,
                            QCoreApplication::translate("ModelReader", "components nested more than %1 deep")
                                .arg(QLocale().toString(qulonglong(MaxNesting))));
            if (counting && ++placements > MaxPlacements)
                return Fail(ReadFailure::OverLimit,
                            QCoreApplication::translate("ModelReader", "more than %1 placed objects")
                                .arg(QLocale().toString(qulonglong(MaxPlacements))));
            const Matrix4 world = counting ? outer : Multiply(outer, component.transform);
            const MeshPart &mesh = object->mesh;
            if (!mesh.triangles.empty()) {
                if (counting) {
                    placedPoints += mesh.PointCount();
                    placedTriangles += mesh.triangles.size() / 3;
                }
                if (counting && !budget.limit.Fits(placedPoints, placedTriangles))
                    return Fail(ReadFailure::OverLimit,
                                budget.limit.LimitText(MeshAssembly::Limit::PointsOrTriangles));
                if (!counting && !assembly.Add(mesh, world, std::int32_t(placedParts.size())))
                    return Fail(ReadFailure::OverLimit, assembly.LimitText());
                if (!counting) {
                    placedParts.push_back({object->name, world});
                    ++reading.partsMerged;
                }
            }
            object->placing = true;
            path.push_back({object, world, 0});
            return true;
        };
        if (!enter(item, parent))
            return false;
        while (!path.empty()) {
            Step &step = path.back();
            if (step.next == step.object->components.size()) {
                step.object->placing = false;
                path.pop_back();
                continue;
            }
            ThreeMfComponent &child = step.object->components[step.next++];
            const Matrix4 world = step.world; // enter() may move the steps
            if (!enter(child, world))
                return false;
        }
        return true;
    }

    bool Fail(ReadFailure failure, const QString &detail = QString()) { return NoteFailure(reading, failure, detail); }

    ThreeMfBudget budget;
    zip_t *archive;
    FormatReading &reading;
    std::map<QString, ThreeMfModelPart> parts;
    size_t placements = 0;
    size_t placedPoints = 0;
    size_t placedTriangles = 0;
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
            return Failed(reading.failure, reading.detail);
        if (package.assembly.PartCount() == 0)
            return Failed(ReadFailure::NoTriangles);
        package.ForgetParts();
        reading.model = package.assembly.Build();
        if (package.placedParts.size() > 1 || !package.textures.Empty()) {
            auto look = std::make_shared<ModelLook>();
            look->parts = std::move(package.placedParts);
            package.textures.MoveInto(*look, archive.get());
            reading.look = look;
        }
    } catch (const std::bad_alloc &) {
        return Failed(ReadFailure::OutOfMemory);
    }
    return reading;
}

} // namespace lumeno
