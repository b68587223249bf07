// Files other programs wrote (tests/corpus/generate.sh) read as assimp reads them (manifest.tsv).
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "model/PointAttributes.h"

#include <vtkCellData.h>
#include <vtkDataArray.h>
#include <vtkPointData.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <vector>

using lumeno::ReadFailure;

namespace {

QString CorpusFile(const QString &name)
{
    return QStringLiteral(LUMENO_CORPUS "/files/") + name;
}

struct AssimpReading
{
    QString file;
    int triangles = 0;
    int lines = 0;
    std::array<double, 3> low{}, high{};
    bool normals = false;
    int textureSets = 0;
    int colourSets = 0;
};

QVector<AssimpReading> Manifest()
{
    QVector<AssimpReading> rows;
    QFile file(QStringLiteral(LUMENO_CORPUS "/manifest.tsv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    const QStringList header = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char('\t'));
    while (!file.atEnd()) {
        const QStringList fields = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char('\t'));
        if (fields.size() != header.size())
            continue;
        const auto field = [&](const char *name) { return fields.value(header.indexOf(QLatin1String(name))); };
        AssimpReading row;
        row.file = field("file");
        row.triangles = field("triangles").toInt();
        row.lines = field("lines").toInt();
        for (int axis = 0; axis < 3; ++axis) {
            const QString suffix = QStringLiteral("_") + QLatin1Char("xyz"[axis]);
            row.low[axis] = fields.value(header.indexOf(QStringLiteral("min") + suffix)).toDouble();
            row.high[axis] = fields.value(header.indexOf(QStringLiteral("max") + suffix)).toDouble();
        }
        row.normals = field("normals") == QLatin1String("1");
        row.textureSets = field("uv_sets").toInt();
        row.colourSets = field("colour_sets").toInt();
        rows.append(row);
    }
    return rows;
}

// What our reading of a format keeps; an STL file's normals are its facets', no point's.
lumeno::PointAttributes ReadableAttributes(const QString &suffix)
{
    const bool meshFormat = suffix == QLatin1String("obj") || suffix == QLatin1String("ply") ||
                            suffix == QLatin1String("gltf") || suffix == QLatin1String("glb");
    lumeno::PointAttributes readable;
    readable.normals = meshFormat;
    readable.textureCoordinates = meshFormat;
    readable.colours = suffix != QLatin1String("stl");
    return readable;
}

bool IsAt(vtkPolyData *model, vtkIdType i, const std::array<double, 3> &position)
{
    const double *point = model->GetPoint(i);
    return std::hypot(point[0] - position[0], point[1] - position[1], point[2] - position[2]) <= 1e-4;
}

std::set<std::pair<int, int>> TextureCoordinatesAt(vtkPolyData *model, const std::array<double, 3> &position, int scale)
{
    std::set<std::pair<int, int>> found;
    vtkDataArray *coordinates = model->GetPointData()->GetTCoords();
    for (vtkIdType i = 0; coordinates && i < model->GetNumberOfPoints(); ++i) {
        if (!IsAt(model, i, position))
            continue;
        const double *uv = coordinates->GetTuple2(i);
        found.insert({int(std::lround(uv[0] * scale)), int(std::lround(uv[1] * scale))});
    }
    return found;
}

using TextureSet = std::set<std::pair<int, int>>;

// Every point's position, normal (when asked for) and texture coordinates, y up.
using Corner = std::vector<double>;
std::vector<Corner> Corners(vtkPolyData *model, bool zUp, bool withNormals)
{
    const auto turned = [zUp](const double *v) {
        return zUp ? std::array<double, 3>{v[0], v[2], -v[1]} : std::array<double, 3>{v[0], v[1], v[2]};
    };
    vtkDataArray *normals = withNormals ? model->GetPointData()->GetNormals() : nullptr;
    vtkDataArray *coordinates = model->GetPointData()->GetTCoords();
    std::vector<Corner> corners;
    for (vtkIdType i = 0; i < model->GetNumberOfPoints(); ++i) {
        Corner corner;
        for (double value : turned(model->GetPoint(i)))
            corner.push_back(value);
        if (normals)
            for (double value : turned(normals->GetTuple3(i)))
                corner.push_back(value);
        if (coordinates) {
            corner.push_back(coordinates->GetComponent(i, 0));
            corner.push_back(coordinates->GetComponent(i, 1));
        }
        corners.push_back(corner);
    }
    return corners;
}

// The corners with no match among the others, within an OBJ file's four decimals.
QStringList Unmatched(const std::vector<Corner> &corners, const std::vector<Corner> &others)
{
    QStringList unmatched;
    for (const Corner &corner : corners) {
        const bool matched = std::any_of(others.begin(), others.end(), [&corner](const Corner &other) {
            if (other.size() != corner.size())
                return false;
            for (size_t i = 0; i < corner.size(); ++i)
                if (std::abs(corner[i] - other[i]) > 1e-3)
                    return false;
            return true;
        });
        if (!matched) {
            QStringList values;
            for (double value : corner)
                values << QString::number(value, 'f', 4);
            unmatched << values.join(QLatin1Char(' '));
        }
    }
    return unmatched;
}

enum class ColourCheck { Linear, Bytes };

} // namespace

Q_DECLARE_METATYPE(AssimpReading)
Q_DECLARE_METATYPE(TextureSet)
Q_DECLARE_METATYPE(ColourCheck)

class TestCorpus : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatAssimpReads_data()
    {
        QTest::addColumn<AssimpReading>("expected");
        const QVector<AssimpReading> rows = Manifest();
        QVERIFY2(rows.size() >= 80, "tests/corpus/manifest.tsv is missing or short; run tests/corpus/generate.sh");
        for (const AssimpReading &row : rows)
            QTest::newRow(qPrintable(row.file)) << row;
    }

    void readsWhatAssimpReads()
    {
        QFETCH(AssimpReading, expected);
        const QString path = CorpusFile(expected.file);
        const QString suffix = QFileInfo(path).suffix().toLower();
        const lumeno::ReadResult result = lumeno::ReadModel(path, suffix);
        QVERIFY2(result.failure == ReadFailure::None, qPrintable(lumeno::ReadFailureText(result)));
        vtkPolyData *model = result.model;

        QCOMPARE(int(model->GetNumberOfPolys()), expected.triangles);
        QCOMPARE(result.primitivesLeftOut > 0, expected.lines > 0); // primitives of lines, not lines

        const double *bounds = model->GetBounds();
        const double size = std::hypot(expected.high[0] - expected.low[0], expected.high[1] - expected.low[1],
                                       expected.high[2] - expected.low[2]);
        for (int axis = 0; axis < 3; ++axis)
            QVERIFY2(std::abs(bounds[2 * axis] - expected.low[axis]) <= 1e-4 * size &&
                         std::abs(bounds[2 * axis + 1] - expected.high[axis]) <= 1e-4 * size,
                     qPrintable(QStringLiteral("axis %1: %2 to %3").arg(axis).arg(bounds[2 * axis]).arg(bounds[2 * axis + 1])));

        lumeno::PointAttributes inFile;
        inFile.normals = expected.normals;
        inFile.textureCoordinates = expected.textureSets > 0;
        inFile.colours = expected.colourSets > 0;
        const lumeno::PointAttributes wanted = inFile.Within(ReadableAttributes(suffix));
        const lumeno::PointAttributes read = lumeno::AttributesOf(model);
        QCOMPARE(read.normals, wanted.normals);
        QCOMPARE(read.textureCoordinates, wanted.textureCoordinates);
        if (suffix != QLatin1String("3mf")) // assimp reads a 3MF file's colours as materials
            QCOMPARE(read.colours, wanted.colours);
        QVERIFY2(!result.attributesLeftOut.Any(),
                 qPrintable(QStringLiteral("left out: ") + lumeno::AttributeText(result.attributesLeftOut)));

        vtkDataArray *normals = model->GetPointData()->GetNormals();
        // assimp scales the normals of the placed meshes it writes to OBJ.
        if (normals && expected.file != QLatin1String("assimp_instanced_cones.obj")) {
            double worstLength = 0;
            for (vtkIdType i = 0; i < normals->GetNumberOfTuples(); ++i) {
                const double *n = normals->GetTuple3(i);
                worstLength = std::max(worstLength, std::abs(std::hypot(n[0], n[1], n[2]) - 1.0));
            }
            QVERIFY2(worstLength < 1e-3, qPrintable(QString::number(worstLength)));
        }
    }

    // The cube's faces lie apart in its texture: a corner has one texture coordinate a face.
    void seamsKeepEveryFacesTextureCoordinates_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *file : {"blender_cube_seams.gltf", "blender_cube_seams.glb", "assimp_cube_seams.obj",
                                 "assimp_cube_seams.ply", "assimp_cube_seams.binary.ply"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }

    void seamsKeepEveryFacesTextureCoordinates()
    {
        QFETCH(QString, file);
        const lumeno::ReadResult result = lumeno::ReadModel(CorpusFile(file), QFileInfo(file).suffix());
        QVERIFY2(result.failure == ReadFailure::None, qPrintable(lumeno::ReadFailureText(result)));
        QCOMPARE(TextureCoordinatesAt(result.model, {1, 1, -1}, 6), (TextureSet{{4, 3}, {2, 6}, {6, 6}}));
    }

    // One scene in two formats: every corner of one is a corner of the other. Normals are not
    // compared where Blender writes others (a PLY file's averaged, a triangulated OBJ's).
    void formatsOfOneSceneAgreeOnEveryCorner_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("zUp");
        QTest::addColumn<bool>("withNormals");
        QTest::addColumn<QString>("other");
        const auto row = [](const char *file, bool zUp, bool withNormals, const char *other) {
            QTest::newRow(file) << QString::fromLatin1(file) << zUp << withNormals << QString::fromLatin1(other);
        };
        row("blender_cube_seams.obj", false, true, "blender_cube_seams.glb");
        row("blender_cube_seams_ascii.ply", true, false, "blender_cube_seams.glb");
        row("blender_cube_seams_binary.ply", true, false, "blender_cube_seams.gltf");
        row("blender_twisted_torus_quads.obj", false, true, "blender_twisted_torus.glb");
        row("blender_twisted_torus.ply", true, true, "blender_twisted_torus.glb");
        row("blender_multi_material.gltf", false, true, "blender_multi_material.glb");
        // The glTF file places one mesh five times; the OBJ file holds the five placed copies.
        row("blender_instanced_cones.obj", false, true, "blender_instanced_cones.glb");
        row("blender_ngon_cylinder.obj", false, true, "blender_cylinder_loose_edges.glb");
        row("blender_grid_colours.ply", true, false, "blender_two_uv_sets_byte_colours.gltf");
    }

    void formatsOfOneSceneAgreeOnEveryCorner()
    {
        QFETCH(QString, file);
        QFETCH(bool, zUp);
        QFETCH(bool, withNormals);
        QFETCH(QString, other);
        const lumeno::ReadResult first = lumeno::ReadModel(CorpusFile(file), QFileInfo(file).suffix());
        const lumeno::ReadResult second = lumeno::ReadModel(CorpusFile(other), QFileInfo(other).suffix());
        QVERIFY2(first.failure == ReadFailure::None && second.failure == ReadFailure::None,
                 qPrintable(lumeno::ReadFailureText(first) + lumeno::ReadFailureText(second)));
        const lumeno::PointAttributes mineHas = lumeno::AttributesOf(first.model);
        const lumeno::PointAttributes theirsHas = lumeno::AttributesOf(second.model);
        QCOMPARE(mineHas.normals, theirsHas.normals);
        QCOMPARE(mineHas.textureCoordinates, theirsHas.textureCoordinates);
        const std::vector<Corner> mine = Corners(first.model, zUp, withNormals);
        const std::vector<Corner> theirs = Corners(second.model, false, withNormals);
        const QStringList onlyMine = Unmatched(mine, theirs), onlyTheirs = Unmatched(theirs, mine);
        QVERIFY2(onlyMine.isEmpty() && onlyTheirs.isEmpty(),
                 qPrintable((onlyMine + onlyTheirs).mid(0, 3).join(QStringLiteral("; "))));
    }

    // The grid's corner at x = 6 has the colour (1, 0, 0.5), sRGB blue 188 (linear in glTF,
    // red and green only), and the texture coordinates (1, 0).
    void gridCornerHasItsColourAndTextureCoordinates_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("yUp");
        QTest::addColumn<ColourCheck>("colourCheck");
        QTest::newRow("blender ply") << QStringLiteral("blender_grid_colours.ply") << false << ColourCheck::Bytes;
        QTest::newRow("blender obj") << QStringLiteral("blender_grid_colours.obj") << true << ColourCheck::Bytes;
        QTest::newRow("assimp obj") << QStringLiteral("assimp_grid_colours.obj") << false << ColourCheck::Bytes;
        QTest::newRow("assimp gltf") << QStringLiteral("assimp_grid_colours.gltf") << false << ColourCheck::Linear;
    }

    void gridCornerHasItsColourAndTextureCoordinates()
    {
        QFETCH(QString, file);
        QFETCH(bool, yUp);
        QFETCH(ColourCheck, colourCheck);
        const lumeno::ReadResult result = lumeno::ReadModel(CorpusFile(file), QFileInfo(file).suffix());
        QVERIFY2(result.failure == ReadFailure::None, qPrintable(lumeno::ReadFailureText(result)));
        const double height = 0.2 * std::sin(6.0);
        const std::array<double, 3> corner =
            yUp ? std::array<double, 3>{6, height, 0} : std::array<double, 3>{6, 0, height};
        vtkIdType point = 0;
        while (point < result.model->GetNumberOfPoints() && !IsAt(result.model, point, corner))
            ++point;
        QVERIFY(point < result.model->GetNumberOfPoints());

        vtkDataArray *coordinates = result.model->GetPointData()->GetTCoords();
        QVERIFY(coordinates);
        const double *uv = coordinates->GetTuple2(point);
        QVERIFY2(std::abs(uv[0] - 1) < 1e-4 && std::abs(uv[1]) < 1e-4, qPrintable(QStringLiteral("(%1, %2)").arg(uv[0]).arg(uv[1])));
        vtkDataArray *colours = result.model->GetPointData()->GetScalars();
        QVERIFY(colours);
        const double rgb[3] = {colours->GetComponent(point, 0), colours->GetComponent(point, 1), colours->GetComponent(point, 2)};
        const bool blueMatches = colourCheck != ColourCheck::Bytes || std::abs(rgb[2] - 188) <= 1;
        QVERIFY2(rgb[0] >= 254 && rgb[1] <= 1 && blueMatches,
                 qPrintable(QStringLiteral("(%1, %2, %3)").arg(rgb[0]).arg(rgb[1]).arg(rgb[2])));
    }
    // Blender's files keep their materials in order, the checker texture, a part for each object
    // (glTF: primitive), and each triangle's material.
    void blenderFilesKeepTheirLook_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("materials");
        QTest::addColumn<int>("parts");
        QTest::addColumn<QVector<int>>("trianglesByMaterial");
        QTest::newRow("glb, textured") << "blender_cube_seams.glb" << QStringList{"Checker"} << 1 << QVector<int>{12};
        QTest::newRow("obj, textured and two colours") << "blender_cube_seams_three_materials.obj"
                                                       << QStringList{"Checker", "Red", "Blue"} << 1
                                                       << QVector<int>{4, 4, 4};
        QTest::newRow("glb, three materials") << "blender_multi_material.glb" << QStringList{"Red", "Green", "Blue"}
                                              << 3 << QVector<int>{4, 4, 4};
        QTest::newRow("obj, five objects") << "blender_instanced_cones.obj" << QStringList() << 5 << QVector<int>();
    }

    void blenderFilesKeepTheirLook()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, materials);
        QFETCH(int, parts);
        QFETCH(QVector<int>, trianglesByMaterial);
        const lumeno::ReadResult read = lumeno::ReadModel(CorpusFile(file), QFileInfo(file).suffix());
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QVERIFY(read.look);
        QStringList names;
        for (const lumeno::Material &material : read.look->materials)
            names << material.name;
        QCOMPARE(names, materials);
        QCOMPARE(int(read.look->parts.size()), parts);
        if (materials.value(0) == QLatin1String("Checker")) {
            const lumeno::TextureSlot &slot = read.look->materials[0].baseColourTexture;
            QVERIFY(slot.Used());
            const lumeno::TextureImage &image = read.look->images[size_t(slot.image)];
            QCOMPARE(image.name, QStringLiteral("checker.png"));
            QCOMPARE(image.mimeType, QStringLiteral("image/png"));
            QFile checker(CorpusFile(QStringLiteral("checker.png")));
            QVERIFY(checker.open(QIODevice::ReadOnly));
            QCOMPARE(image.bytes, checker.readAll());
        }
        QVector<int> counted(materials.size(), 0);
        if (vtkDataArray *ids = read.model->GetCellData()->GetArray(lumeno::MaterialIdsName))
            for (vtkIdType cell = 0; cell < ids->GetNumberOfTuples(); ++cell) {
                const int material = int(ids->GetTuple1(cell));
                QVERIFY(material >= 0 && material < counted.size());
                ++counted[material];
            }
        QCOMPARE(counted, trianglesByMaterial);
        QVERIFY(lumeno::ReadNotes(read).isEmpty());
    }
};

LUMENO_CORE_TEST_MAIN(TestCorpus)
#include "test_corpus.moc"
