// Reading files that other programs wrote (Blender, OpenSCAD, assimp; tests/corpus/generate.sh):
// the triangles, lines and bounds assimp reads in each (tests/corpus/manifest.tsv), the
// attributes the file carries, and some of their values.
#include "TestSupport.h"

#include "io/ModelReader.h"
#include "mesh/PointAttributes.h"

#include <vtkDataArray.h>
#include <vtkPointData.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <set>
#include <vector>

using lumeno::ReadFailure;

namespace {

QString CorpusFile(const QString &name)
{
    return QStringLiteral(LUMENO_CORPUS "/files/") + name;
}

// One line of the manifest.
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

// What our reading of a format keeps of what the file's vertices carry. An STL file's normals
// are its facets' (assimp gives them to the corners), no point's.
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

// assimp reads a 3MF file's colours (its base materials' display colours) as materials, never
// as the vertices' colours we read them as: the manifest cannot say whether there are any.
bool ColoursComparable(const QString &suffix)
{
    return suffix != QLatin1String("3mf");
}

// Files whose own normals are no unit vectors: assimp writes an OBJ file of placed meshes with
// each normal scaled as its mesh is (0.5 and 1.5 long here).
bool HasUnitNormals(const QString &file)
{
    return file != QLatin1String("assimp_instanced_cones.obj");
}

// The point nearest to a position, and its distance.
vtkIdType NearestPoint(vtkPolyData *model, const std::array<double, 3> &position, double &distance)
{
    vtkIdType nearest = -1;
    distance = std::numeric_limits<double>::infinity();
    for (vtkIdType i = 0; i < model->GetNumberOfPoints(); ++i) {
        double point[3];
        model->GetPoint(i, point);
        const double d = std::hypot(point[0] - position[0], point[1] - position[1], point[2] - position[2]);
        if (d < distance) {
            distance = d;
            nearest = i;
        }
    }
    return nearest;
}

// The texture coordinates of every point at a position: a seam gives a corner several.
std::set<std::pair<int, int>> TextureCoordinatesAt(vtkPolyData *model, const std::array<double, 3> &position, int scale)
{
    std::set<std::pair<int, int>> found;
    vtkDataArray *coordinates = model->GetPointData()->GetTCoords();
    for (vtkIdType i = 0; coordinates && i < model->GetNumberOfPoints(); ++i) {
        double point[3];
        model->GetPoint(i, point);
        if (std::hypot(point[0] - position[0], point[1] - position[1], point[2] - position[2]) > 1e-4)
            continue;
        const double *uv = coordinates->GetTuple2(i);
        found.insert({int(std::lround(uv[0] * scale)), int(std::lround(uv[1] * scale))});
    }
    return found;
}

using TextureSet = std::set<std::pair<int, int>>;

// Every point's position, normal (when asked for) and texture coordinates, y up (a file with
// z up is turned as Blender's exporters turn it: (x, y, z) becomes (x, z, -y)).
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

// Those of the corners that have no match among the others, within the files' rounding (an
// OBJ file writes four decimals of a normal).
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

// How a grid corner's colour is checked: not at all, red and green (linear colours, which our
// reading may keep or convert), or every byte.
enum class ColourCheck { None, Linear, Bytes };

} // namespace

Q_DECLARE_METATYPE(AssimpReading)
Q_DECLARE_METATYPE(TextureSet)
Q_DECLARE_METATYPE(ColourCheck)

class TestCorpus : public QObject
{
    Q_OBJECT

private slots:
    // Triangles and bounds as assimp reads them; lines are left out and counted; what the
    // vertices carry is kept for every part, and normals stay unit vectors.
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
        if (result.failure != ReadFailure::None)
            return;
        vtkPolyData *model = result.model;

        const int triangles = int(model->GetNumberOfPolys());
        QVERIFY2(triangles == expected.triangles,
                 qPrintable(QStringLiteral("%1 triangles, assimp reads %2").arg(triangles).arg(expected.triangles)));
        // We count the primitives of lines (glTF), assimp the lines.
        QVERIFY2((result.primitivesLeftOut > 0) == (expected.lines > 0),
                 qPrintable(QStringLiteral("%1 primitives of points and lines left out, assimp reads %2 lines")
                                .arg(result.primitivesLeftOut)
                                .arg(expected.lines)));

        const double *bounds = model->GetBounds();
        const double size = std::hypot(expected.high[0] - expected.low[0], expected.high[1] - expected.low[1],
                                       expected.high[2] - expected.low[2]);
        double worst = 0;
        for (int axis = 0; axis < 3; ++axis) {
            worst = std::max({worst, std::abs(bounds[2 * axis] - expected.low[axis]),
                              std::abs(bounds[2 * axis + 1] - expected.high[axis])});
        }
        QVERIFY2(worst <= 1e-4 * size,
                 qPrintable(QStringLiteral("bounds (%1 %2 %3) to (%4 %5 %6), assimp reads (%7 %8 %9) to (%10 %11 %12)")
                                .arg(bounds[0])
                                .arg(bounds[2])
                                .arg(bounds[4])
                                .arg(bounds[1])
                                .arg(bounds[3])
                                .arg(bounds[5])
                                .arg(expected.low[0])
                                .arg(expected.low[1])
                                .arg(expected.low[2])
                                .arg(expected.high[0])
                                .arg(expected.high[1])
                                .arg(expected.high[2])));

        lumeno::PointAttributes inFile;
        inFile.normals = expected.normals;
        inFile.textureCoordinates = expected.textureSets > 0;
        inFile.colours = expected.colourSets > 0;
        const lumeno::PointAttributes wanted = inFile.Within(ReadableAttributes(suffix));
        const lumeno::PointAttributes read = lumeno::AttributesOf(model);
        QVERIFY2(read.normals == wanted.normals,
                 qPrintable(QStringLiteral("normals read: %1, in the file: %2").arg(read.normals).arg(wanted.normals)));
        QVERIFY2(read.textureCoordinates == wanted.textureCoordinates,
                 qPrintable(QStringLiteral("texture coordinates read: %1, in the file: %2")
                                .arg(read.textureCoordinates)
                                .arg(wanted.textureCoordinates)));
        if (ColoursComparable(suffix))
            QVERIFY2(
                read.colours == wanted.colours,
                qPrintable(QStringLiteral("colours read: %1, in the file: %2").arg(read.colours).arg(wanted.colours)));
        QVERIFY2(!result.attributesLeftOut.Any(),
                 qPrintable(QStringLiteral("left out: ") + lumeno::AttributeText(result.attributesLeftOut)));

        vtkDataArray *normals = model->GetPointData()->GetNormals();
        if (normals && HasUnitNormals(expected.file)) {
            double worstLength = 0;
            for (vtkIdType i = 0; i < normals->GetNumberOfTuples(); ++i) {
                const double *n = normals->GetTuple3(i);
                worstLength = std::max(worstLength, std::abs(std::hypot(n[0], n[1], n[2]) - 1.0));
            }
            QVERIFY2(worstLength < 1e-3, qPrintable(QString::number(worstLength)));
        }
    }

    // The cube's six faces lie apart in its texture, in a 3 x 2 grid: each corner has one
    // texture coordinate a face. The corner Blender has at (1, 1, 1) (y up: (1, 1, -1)) has
    // (2/3, 1/2), (1/3, 1) and (1, 1), in sixths, whichever program wrote the file.
    void seamsKeepEveryFacesTextureCoordinates_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("z");
        for (const char *file :
             {"blender_cube_seams.gltf", "blender_cube_seams.glb", "blender_cube_seams.obj",
              "blender_cube_seams_embedded.gltf", "blender_cube_seams_three_materials.obj",
              "blender_cube_seams_three_materials.glb", "assimp_cube_seams.gltf", "assimp_cube_seams.glb",
              "assimp_cube_seams.obj", "assimp_cube_seams.ply", "assimp_cube_seams.binary.ply"})
            QTest::newRow(file) << QString::fromLatin1(file) << -1.0;
        for (const char *file : {"blender_cube_seams_ascii.ply", "blender_cube_seams_binary.ply"})
            QTest::newRow(file) << QString::fromLatin1(file) << 1.0;
    }

    void seamsKeepEveryFacesTextureCoordinates()
    {
        QFETCH(QString, file);
        QFETCH(double, z);
        const lumeno::ReadResult result = lumeno::ReadModel(CorpusFile(file), QFileInfo(file).suffix());
        QVERIFY2(result.failure == ReadFailure::None, qPrintable(lumeno::ReadFailureText(result)));
        if (result.failure != ReadFailure::None)
            return;
        const TextureSet expected{{4, 3}, {2, 6}, {6, 6}};
        const TextureSet found = TextureCoordinatesAt(result.model, {1, 1, z}, 6);
        QString text;
        for (const auto &uv : found)
            text += QStringLiteral(" (%1/6, %2/6)").arg(uv.first).arg(uv.second);
        QVERIFY2(found == expected, qPrintable(QStringLiteral("found") + text));
    }

    // Blender writes one scene to several formats: every corner of one file has the position,
    // normal and texture coordinates of a corner in the other, and the other way round. OBJ
    // files index their "vt" and "vn" apart from their "v". Normals are not compared where
    // Blender writes others: a PLY file's are the vertices' own, averaged over their faces
    // even where the faces are flat, and a triangulated OBJ file's are the triangles'.
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
        row("blender_cube_seams_three_materials.obj", false, true, "blender_cube_seams.glb");
        row("blender_cube_seams_three_materials.glb", false, true, "blender_cube_seams.glb");
        row("blender_cube_seams_ascii.ply", true, false, "blender_cube_seams.glb");
        row("blender_cube_seams_binary.ply", true, false, "blender_cube_seams.gltf");
        row("blender_twisted_torus_quads.obj", false, true, "blender_twisted_torus.glb");
        row("blender_twisted_torus_triangles.obj", false, false, "blender_twisted_torus.glb");
        row("blender_twisted_torus.ply", true, true, "blender_twisted_torus.glb");
        row("blender_multi_material.obj", false, true, "blender_multi_material.glb");
        row("blender_multi_material.gltf", false, true, "blender_multi_material.glb");
        // The glTF file places one mesh five times; the OBJ file holds the five placed copies.
        row("blender_instanced_cones.obj", false, true, "blender_instanced_cones.glb");
        row("blender_instanced_cones.gltf", false, true, "blender_instanced_cones.glb");
        row("blender_ngon_cylinder.obj", false, true, "blender_cylinder_loose_edges.glb");
        row("blender_ngon_cylinder.ply", true, false, "blender_cylinder_loose_edges.glb");
        row("blender_grid_colours.obj", false, true, "blender_two_uv_sets_byte_colours.gltf");
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
        if (first.failure != ReadFailure::None || second.failure != ReadFailure::None)
            return;
        const lumeno::PointAttributes mineHas = lumeno::AttributesOf(first.model);
        const lumeno::PointAttributes theirsHas = lumeno::AttributesOf(second.model);
        QCOMPARE(mineHas.normals, theirsHas.normals);
        QCOMPARE(mineHas.textureCoordinates, theirsHas.textureCoordinates);
        const std::vector<Corner> mine = Corners(first.model, zUp, withNormals);
        const std::vector<Corner> theirs = Corners(second.model, false, withNormals);
        const QStringList onlyMine = Unmatched(mine, theirs), onlyTheirs = Unmatched(theirs, mine);
        QVERIFY2(onlyMine.isEmpty() && onlyTheirs.isEmpty(),
                 qPrintable(QStringLiteral("%1 corners only here (%2), %3 only in the other (%4)")
                                .arg(onlyMine.size())
                                .arg(onlyMine.mid(0, 3).join(QStringLiteral("; ")))
                                .arg(onlyTheirs.size())
                                .arg(onlyTheirs.mid(0, 3).join(QStringLiteral("; ")))));
    }

    // The grid's corner at x = 6, y = 0 (Blender's frame; y up it is z = 0) has the colour
    // (1, qPrintable(0, 0.5) and the first texture coordinates (1, 0). Blender's bytes are sRGB (blue
    // 188)); only red and green are checked where the file holds linear colours (glTF), which
    // our reading may keep or convert.
    void gridCornerHasItsColourAndTextureCoordinates_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("yUp");
        QTest::addColumn<ColourCheck>("colourCheck");
        QTest::newRow("blender ply") << QStringLiteral("blender_grid_colours.ply") << false << ColourCheck::Bytes;
        QTest::newRow("blender obj") << QStringLiteral("blender_grid_colours.obj") << true << ColourCheck::Bytes;
        // Blender 3.4's glTF exporter writes a corner's byte colour to another corner (the file
        // has (0.33, 0.17, 0.5) here): its texture coordinates only.
        QTest::newRow("blender gltf, two texture sets")
            << QStringLiteral("blender_two_uv_sets_byte_colours.gltf") << true << ColourCheck::None;
        QTest::newRow("assimp ply") << QStringLiteral("assimp_grid_colours.ply") << false << ColourCheck::Bytes;
        QTest::newRow("assimp obj") << QStringLiteral("assimp_grid_colours.obj") << false << ColourCheck::Bytes;
        QTest::newRow("assimp gltf") << QStringLiteral("assimp_grid_colours.gltf") << false << ColourCheck::Linear;
        QTest::newRow("assimp glb") << QStringLiteral("assimp_grid_colours.glb") << false << ColourCheck::Linear;
    }

    void gridCornerHasItsColourAndTextureCoordinates()
    {
        QFETCH(QString, file);
        QFETCH(bool, yUp);
        QFETCH(ColourCheck, colourCheck);
        const lumeno::ReadResult result = lumeno::ReadModel(CorpusFile(file), QFileInfo(file).suffix());
        QVERIFY2(result.failure == ReadFailure::None, qPrintable(lumeno::ReadFailureText(result)));
        if (result.failure != ReadFailure::None)
            return;
        const double height = 0.2 * std::sin(6.0);
        const std::array<double, 3> corner =
            yUp ? std::array<double, 3>{6, height, 0} : std::array<double, 3>{6, 0, height};
        double distance = 0;
        const vtkIdType point = NearestPoint(result.model, corner, distance);
        QVERIFY2(distance < 1e-4, qPrintable(QString::number(distance)));

        vtkDataArray *coordinates = result.model->GetPointData()->GetTCoords();
        QVERIFY2(coordinates, qPrintable(QStringLiteral("no texture coordinates")));
        if (coordinates) {
            const double *uv = coordinates->GetTuple2(point);
            QVERIFY2(std::abs(uv[0] - 1) < 1e-4 && std::abs(uv[1]) < 1e-4,
                     qPrintable(QStringLiteral("(%1, %2)").arg(uv[0]).arg(uv[1])));
        }
        if (colourCheck == ColourCheck::None)
            return;
        vtkDataArray *colours = result.model->GetPointData()->GetScalars();
        QVERIFY2(colours, qPrintable(QStringLiteral("no colours")));
        if (colours) {
            const double rgb[3] = {colours->GetComponent(point, 0), colours->GetComponent(point, 1),
                                   colours->GetComponent(point, 2)};
            const bool blueMatches = colourCheck != ColourCheck::Bytes || std::abs(rgb[2] - 188) <= 1;
            QVERIFY2(rgb[0] >= 254 && rgb[1] <= 1 && blueMatches,
                     qPrintable(QStringLiteral("(%1, %2, %3)").arg(rgb[0]).arg(rgb[1]).arg(rgb[2])));
        }
    }
};

LUMENO_CORE_TEST_MAIN(TestCorpus)
#include "test_corpus.moc"
