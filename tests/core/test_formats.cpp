// OFF, glTF, GLB and 3MF: small files made here, read with their parts placed, and damaged
// ones refused with a message (written and read back: test_modelwriter).
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "io/write/ModelWriter.h"
#include "model/PointAttributes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <vtkDataArray.h>
#include <vtkPointData.h>

#include <zip.h>

#include <array>
#include <cmath>

using lumeno::ReadFailure;

Q_DECLARE_METATYPE(lumeno::ReadFailure)

namespace {

using Bounds = std::array<double, 6>;

Bounds BoundsOf(vtkPolyData *model)
{
    Bounds bounds;
    model->GetBounds(bounds.data());
    return bounds;
}

bool SameBounds(const Bounds &a, const Bounds &b)
{
    for (size_t i = 0; i < 6; ++i)
        if (std::abs(a[i] - b[i]) > 1e-6 * std::max(1.0, std::abs(b[i])))
            return false;
    return true;
}

QString Text(const Bounds &b)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6").arg(b[0]).arg(b[1]).arg(b[2]).arg(b[3]).arg(b[4]).arg(b[5]);
}

// A tetrahedron's buffer: four float points, then twelve unsigned short indices.
QByteArray TetrahedronBuffer()
{
    const float points[12] = {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1};
    const quint16 indices[12] = {0, 2, 1, 0, 1, 3, 0, 3, 2, 1, 2, 3};
    return QByteArray(reinterpret_cast<const char *>(points), 48) +
           QByteArray(reinterpret_cast<const char *>(indices), 24);
}

// Three placements of the tetrahedron: moved along x; scaled by 2 around a child moved along
// y; turned a quarter about z and moved down. `indexCount` past 12 reaches past the buffer.
QByteArray GltfJson(const QJsonValue &uri, int indexCount = 12)
{
    const QJsonArray nodes{
        QJsonObject{{"mesh", 0}, {"translation", QJsonArray{10, 0, 0}}},
        QJsonObject{{"scale", QJsonArray{2, 2, 2}}, {"children", QJsonArray{2}}},
        QJsonObject{{"mesh", 0}, {"translation", QJsonArray{0, 5, 0}}},
        QJsonObject{{"mesh", 0},
                    {"rotation", QJsonArray{0, 0, std::sqrt(0.5), std::sqrt(0.5)}},
                    {"translation", QJsonArray{0, 0, -5}}},
    };
    QJsonObject buffer{{"byteLength", 72}};
    if (!uri.isNull())
        buffer.insert(QStringLiteral("uri"), uri);
    const QJsonObject root{
        {"asset", QJsonObject{{"version", "2.0"}}},
        {"scene", 0},
        {"scenes", QJsonArray{QJsonObject{{"nodes", QJsonArray{0, 1, 3}}}}},
        {"nodes", nodes},
        {"meshes", QJsonArray{QJsonObject{
                       {"primitives", QJsonArray{QJsonObject{{"attributes", QJsonObject{{"POSITION", 0}}},
                                                             {"indices", 1},
                                                             {"material", 0}}}}}}},
        {"materials", QJsonArray{QJsonObject{{"name", "red"}}}},
        {"accessors", QJsonArray{QJsonObject{{"bufferView", 0}, {"componentType", 5126}, {"count", 4},
                                             {"type", "VEC3"}, {"min", QJsonArray{0, 0, 0}},
                                             {"max", QJsonArray{1, 1, 1}}},
                                 QJsonObject{{"bufferView", 1}, {"componentType", 5123}, {"count", indexCount},
                                             {"type", "SCALAR"}}}},
        {"bufferViews", QJsonArray{QJsonObject{{"buffer", 0}, {"byteOffset", 0}, {"byteLength", 48}},
                                   QJsonObject{{"buffer", 0}, {"byteOffset", 48}, {"byteLength", 24}}}},
        {"buffers", QJsonArray{buffer}},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QByteArray Little32(quint32 value)
{
    return QByteArray(reinterpret_cast<const char *>(&value), 4);
}

QByteArray Glb(QByteArray json, const QByteArray &bin)
{
    while (json.size() % 4 != 0)
        json += ' ';
    const QByteArray chunks = Little32(quint32(json.size())) + "JSON" + json + Little32(quint32(bin.size())) +
                              QByteArray("BIN\0", 4) + bin;
    return "glTF" + Little32(2) + Little32(quint32(12 + chunks.size())) + chunks;
}

// A 3MF package of these parts, made with libzip.
bool Write3mfPackage(const QString &path, const QList<QPair<QByteArray, QByteArray>> &parts)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (const auto &part : parts) {
        zip_source_t *source = zip_source_buffer(archive, part.second.constData(), zip_uint64_t(part.second.size()), 0);
        if (!source || zip_file_add(archive, part.first.constData(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

// The tetrahedron as one build item, its last triangle on a vertex past the four.
QByteArray ThreeMfModelIndexPastTheVertices()
{
    return QByteArrayLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<model unit=\"millimeter\" xmlns=\"http://schemas.microsoft.com/3dmanufacturing/core/2015/02\">\n"
               "<resources><object id=\"1\" type=\"model\"><mesh><vertices>"
               "<vertex x=\"0\" y=\"0\" z=\"0\"/><vertex x=\"1\" y=\"0\" z=\"0\"/>"
               "<vertex x=\"0\" y=\"1\" z=\"0\"/><vertex x=\"0\" y=\"0\" z=\"1\"/></vertices><triangles>"
               "<triangle v1=\"0\" v2=\"2\" v3=\"1\"/><triangle v1=\"0\" v2=\"1\" v3=\"3\"/>"
               "<triangle v1=\"0\" v2=\"3\" v3=\"2\"/><triangle v1=\"1\" v2=\"2\" v3=\"4\"/></triangles></mesh>"
               "</object>\n</resources><build><item objectid=\"1\"/></build></model>\n");
}

const QByteArray ThreeMfRelationships =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Target=\"/3D/3dmodel.model\" Id=\"rel0\" "
    "Type=\"http://schemas.microsoft.com/3dmanufacturing/2013/01/3dmodel\"/></Relationships>";

} // namespace

class TestFormats : public QObject
{
    Q_OBJECT

private slots:
    void offReadsCommentsColoursAndPolygons()
    {
        const QString path = testing::ScratchFile(QStringLiteral("square.off"));
        QVERIFY(testing::WriteBytes(path, "# made by hand\nCOFF\n# counts\n5 2 0\n"
                                          "0 0 0 255 0 0 255\n1 0 0 0 255 0 255\n1 1 0 0 0 255 255 # blue\n"
                                          "0 1 0 255 255 255 255\n\n0.5 0.5 1 10 20 30 255\n"
                                          "4 0 1 2 3\n3 0 1 4 200 0 0\n"));
        const lumeno::ReadResult read = lumeno::ReadModel(path, QStringLiteral("off"));
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(3)); // the square in two
        QVERIFY(SameBounds(BoundsOf(read.model), {0, 1, 0, 1, 0, 1}));
        QVERIFY(lumeno::AttributesOf(read.model).colours);
        QCOMPARE(read.model->GetPointData()->GetScalars()->GetComponent(4, 1), 20.0);
        QVERIFY(read.faceColoursNotRead);

        QVERIFY(testing::WriteBytes(path, "OFF 3 1 0\n0 0 0\n2 0 0\n0 3 0\n3 0 1 2\n"));
        const lumeno::ReadResult plain = lumeno::ReadModel(path, QStringLiteral("off"));
        QVERIFY2(plain.model, qPrintable(lumeno::ReadFailureText(plain)));
        QVERIFY(SameBounds(BoundsOf(plain.model), {0, 2, 0, 3, 0, 0}));
        QVERIFY(!lumeno::AttributesOf(plain.model).Any());
    }

    // Every node's mesh where its world matrix puts it, from a buffer embedded, beside the
    // file, or in a GLB's BIN chunk.
    void gltfPlacesEveryNode_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("file");
        const QByteArray buffer = TetrahedronBuffer();
        QTest::newRow("embedded") << "gltf"
                                  << GltfJson(QString::fromLatin1("data:application/octet-stream;base64," +
                                                                  buffer.toBase64()));
        QTest::newRow("beside") << "gltf" << GltfJson(QStringLiteral("tetra%20data.bin"));
        QTest::newRow("glb") << "glb" << Glb(GltfJson(QJsonValue()), buffer);
    }

    void gltfPlacesEveryNode()
    {
        QFETCH(QString, suffix);
        QFETCH(QByteArray, file);
        const QString path = testing::ScratchFile(QStringLiteral("tetra.") + suffix);
        QVERIFY(testing::WriteBytes(path, file));
        QVERIFY(testing::WriteBytes(testing::ScratchFile(QStringLiteral("tetra data.bin")), TetrahedronBuffer()));
        const lumeno::ReadResult read = lumeno::ReadModel(path, suffix);
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(12));
        QCOMPARE(read.partsMerged, 3);
        // Each node's mesh stays a part of its own, and its material is kept.
        QVERIFY(!read.materialsNotKept);
        QVERIFY(read.look);
        QCOMPARE(read.look->parts.size(), size_t(3));
        QCOMPARE(read.look->materials.size(), size_t(1));
        QCOMPARE(read.look->materials[0].name, QStringLiteral("red"));
        const Bounds expected{-1, 11, 0, 12, -5, 2};
        QVERIFY2(SameBounds(BoundsOf(read.model), expected), qPrintable(Text(BoundsOf(read.model))));
        QVERIFY(lumeno::ReadNotes(read).isEmpty());
        // Turned and mirrored placements keep the triangles facing outwards.
        QVERIFY(testing::SignedVolume(read.model) > 0);
    }

    void damagedFilesSayWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<ReadFailure>("failure");
        QTest::addColumn<QString>("message");
        const QString corrupt = QStringLiteral("This file seems to be corrupt and cannot be loaded.");
        QTest::newRow("off index past the vertices") << "bad.off" << QByteArray("OFF\n3 1 0\n0 0 0\n1 0 0\n0 1 0\n3 0 1 7\n")
                                                     << ReadFailure::DamagedFile << corrupt;
        QTest::newRow("off claims a billion vertices") << "huge.off" << QByteArray("OFF\n1000000000 1 0\n0 0 0\n")
                                                       << ReadFailure::DamagedFile << corrupt;
        QTest::newRow("gltf indices past their buffer")
            << "bad.gltf"
            << GltfJson(QString::fromLatin1("data:application/octet-stream;base64," + TetrahedronBuffer().toBase64()), 40)
            << ReadFailure::DamagedFile << corrupt;
        QTest::newRow("gltf buffer file missing")
            << "lonely.gltf" << GltfJson(QStringLiteral("gone.bin")) << ReadFailure::MissingDataFile
            << QStringLiteral("The file gone.bin, which holds this model's data, is missing beside it or cannot be "
                              "read: copy it into the same folder.");
        QTest::newRow("glb cut short") << "short.glb" << Glb(GltfJson(QJsonValue()), TetrahedronBuffer()).left(100)
                                       << ReadFailure::DamagedFile << corrupt;
        QTest::newRow("3mf that is no zip") << "prose.3mf" << QByteArray("This is not a package.\n")
                                            << ReadFailure::DamagedFile << corrupt;
        const QString package = testing::ScratchFile(QStringLiteral("package.3mf"));
        QVERIFY(Write3mfPackage(package, {{"_rels/.rels", ThreeMfRelationships},
                                          {"3D/3dmodel.model", ThreeMfModelIndexPastTheVertices()}}));
        QTest::newRow("3mf index past the vertices") << "bad.3mf" << testing::Contents(package)
                                                     << ReadFailure::DamagedFile << corrupt;
    }

    void damagedFilesSayWhy()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, file);
        QFETCH(ReadFailure, failure);
        QFETCH(QString, message);
        const QString path = testing::ScratchFile(name);
        QVERIFY(testing::WriteBytes(path, file));
        const lumeno::ReadResult read = lumeno::ReadModel(path, QFileInfo(path).suffix());
        QCOMPARE(read.failure, failure);
        QCOMPARE(lumeno::ReadFailureText(read), message);
    }

    void unknownSuffixNamesTheFormatsRead()
    {
        lumeno::ReadResult read = lumeno::ReadModel(testing::DataFile("unknown-suffix.vtk"), QStringLiteral("vtk"));
        QCOMPARE(read.failure, ReadFailure::UnknownSuffix);
        QVERIFY(lumeno::ReadFailureText(read).startsWith(
            QLatin1String("Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files")));
    }
};

LUMENO_CORE_TEST_MAIN(TestFormats)
#include "test_formats.moc"
