#include "GltfFiles.h"
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "model/PointAttributes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <vtkDataArray.h>
#include <vtkPointData.h>

#include <array>
#include <cmath>

using lumeno::ReadFailure;

Q_DECLARE_METATYPE(lumeno::ReadFailure)

namespace {

using testing::Glb;
using testing::Raw;

QByteArray Floats(std::initializer_list<float> values) { return Raw(values); }
QByteArray Shorts(std::initializer_list<quint16> values) { return Raw(values); }

const QByteArray TetrahedronPoints = Floats({0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1});
const QByteArray TetrahedronIndices = Shorts({0, 2, 1, 0, 1, 3, 0, 3, 2, 1, 2, 3});

// A glTF file put together piece by piece: one buffer, its views, accessors and meshes.
class GltfMaker
{
public:
    GltfMaker() : root{{"asset", QJsonObject{{"version", "2.0"}}}} {}

    // A view of these bytes, appended to the buffer at a multiple of four.
    int View(const QByteArray &bytes)
    {
        while (bin.size() % 4 != 0)
            bin.append('\0');
        QJsonObject view{{"buffer", 0}, {"byteOffset", bin.size()}, {"byteLength", bytes.size()}};
        bin.append(bytes);
        return Append("bufferViews", view);
    }

    int Accessor(const QByteArray &bytes, int componentType, int count, const char *type)
    {
        return Append("accessors", QJsonObject{{"bufferView", View(bytes)}, {"componentType", componentType},
                                               {"count", count}, {"type", type}});
    }
    int Positions(const QByteArray &floats) { return Accessor(floats, 5126, floats.size() / 12, "VEC3"); }
    int Indices(const QByteArray &shorts) { return Accessor(shorts, 5123, shorts.size() / 2, "SCALAR"); }

    // Four VEC3 floats, `count` of them given by a sparse part over the base view (zeros if -1).
    int Sparse(int count, const QByteArray &indices, const QByteArray &values, int base = -1)
    {
        QJsonObject accessor{{"componentType", 5126}, {"count", 4}, {"type", "VEC3"},
                             {"sparse", QJsonObject{{"count", count},
                                                    {"indices", QJsonObject{{"bufferView", View(indices)}, {"componentType", 5123}}},
                                                    {"values", QJsonObject{{"bufferView", View(values)}}}}}};
        if (base >= 0)
            accessor.insert(QStringLiteral("bufferView"), base);
        return Append("accessors", accessor);
    }

    // A mesh of one primitive with these attributes and, unless -1, indices.
    int Mesh(const QJsonObject &attributes, int indices, int mode = 4)
    {
        QJsonObject primitive{{"attributes", attributes}, {"mode", mode}};
        if (indices >= 0)
            primitive.insert(QStringLiteral("indices"), indices);
        return Append("meshes", QJsonObject{{"primitives", QJsonArray{primitive}}});
    }

    int Tetrahedron() { return Mesh({{"POSITION", Positions(TetrahedronPoints)}}, Indices(TetrahedronIndices)); }

    int Node(const QJsonObject &node) { return Append("nodes", node); }

    void Scene(const QJsonArray &nodes) { root.insert(QStringLiteral("scenes"), QJsonArray{QJsonObject{{"nodes", nodes}}}); }

    // The JSON, its buffer given by this URI (a data: URI of it when null).
    QByteArray Json(const QJsonValue &uri = QJsonValue()) const
    {
        QJsonObject file = root;
        if (!bin.isEmpty()) {
            const QJsonValue where =
                uri.isNull() ? QJsonValue(QString::fromLatin1("data:application/octet-stream;base64," + bin.toBase64()))
                             : uri;
            QJsonObject buffer{{"byteLength", bin.size()}};
            if (!where.isUndefined())
                buffer.insert(QStringLiteral("uri"), where);
            file.insert(QStringLiteral("buffers"), QJsonArray{buffer});
        }
        return QJsonDocument(file).toJson(QJsonDocument::Compact);
    }

    QJsonObject root;
    QByteArray bin;

private:
    int Append(const char *list, const QJsonValue &value)
    {
        QJsonArray values = root.value(QLatin1String(list)).toArray();
        values.append(value);
        root.insert(QLatin1String(list), values);
        return values.size() - 1;
    }
};

// The tetrahedron, its root object holding extras `depth` levels deep in all.
QByteArray NestedExtras(int depth, const QByteArray &open = "{\"a\":", const QByteArray &close = "}")
{
    GltfMaker maker;
    maker.Tetrahedron();
    QByteArray json = maker.Json();
    json.insert(1, "\"extras\":" + open.repeated(depth - 1) + "0" + close.repeated(depth - 1) + ",");
    return json;
}

// The tetrahedron at the end of a chain of `depth` nodes, moved by the last node if given.
QByteArray Chain(int depth, const QJsonArray &translation = {})
{
    GltfMaker maker;
    QJsonObject last{{"mesh", maker.Tetrahedron()}};
    if (!translation.isEmpty())
        last.insert(QStringLiteral("translation"), translation);
    for (int node = 0; node < depth - 1; ++node)
        maker.Node({{"children", QJsonArray{node + 1}}});
    maker.Node(last);
    maker.Scene({0});
    return maker.Json();
}

// The tetrahedron placed 4^levels times: each node holds the next four times.
QByteArray Fanned(int levels)
{
    GltfMaker maker;
    const int mesh = maker.Tetrahedron();
    for (int level = 0; level < levels; ++level)
        maker.Node({{"children", QJsonArray{level + 1, level + 1, level + 1, level + 1}}});
    maker.Node({{"mesh", mesh}});
    maker.Scene({0});
    return maker.Json();
}

QString Folder(const QString &name) { return testing::SandboxFolder(QStringLiteral("gltf/") + name); }

} // namespace

class TestReadGltf : public QObject
{
    Q_OBJECT

private slots:
    void refusesWithItsReason_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<ReadFailure>("failure");
        QTest::addColumn<QString>("detail"); // the limit passed, when one is
        const auto row = [](const char *name, const QByteArray &file, ReadFailure failure, qlonglong limit = 0) {
            QTest::newRow(name) << file << failure << (limit ? QLocale().toString(limit) : QString());
        };
        row("extras nested 16000 levels", NestedExtras(16000), ReadFailure::OverLimit, 512);
        row("arrays nested 513 levels", NestedExtras(513, "[", "]"), ReadFailure::OverLimit, 512);
        row("glTF 1.0 without asset",
            "{\"scene\":\"s\",\"scenes\":{\"s\":{\"nodes\":[\"n\"]}},\"nodes\":{\"n\":{\"meshes\":[\"m\"]}},"
            "\"meshes\":{\"m\":{\"primitives\":[]}}}", ReadFailure::GltfVersion1);
        row("no meshes", GltfMaker().Json(), ReadFailure::NoMeshes);
        GltfMaker points;
        points.Mesh({{"POSITION", points.Positions(TetrahedronPoints)}}, -1, 0);
        row("points only", points.Json(), ReadFailure::PointsOnly);
        row("a mesh placed 4^10 times", Fanned(10), ReadFailure::OverLimit, 1000000);
        GltfMaker graph; // 4^12 nodes without a mesh but the first
        graph.Node({{"mesh", graph.Tetrahedron()}, {"children", QJsonArray{1}}});
        for (int level = 1; level < 13; ++level)
            graph.Node({{"children", QJsonArray{level + 1, level + 1, level + 1, level + 1}}});
        graph.Node(QJsonObject{});
        graph.Scene({0});
        row("nodes placed 4^12 times", graph.Json(), ReadFailure::OverLimit, 4000000);
        row("node chain 1100 deep", Chain(1100), ReadFailure::OverLimit, 1024);
        GltfMaker cycle;
        cycle.Node({{"mesh", cycle.Tetrahedron()}, {"children", QJsonArray{1}}});
        cycle.Node({{"children", QJsonArray{0}}});
        cycle.Scene({0});
        row("node cycle", cycle.Json(), ReadFailure::DamagedFile);
        GltfMaker tetrahedron;
        tetrahedron.Tetrahedron();
        row("buffer shorter than its data URI says",
            tetrahedron.Json().replace("\"byteLength\":72", "\"byteLength\":73"), ReadFailure::DamagedFile);
        row("glb cut short", Glb(tetrahedron.Json(QJsonValue(QJsonValue::Undefined)), tetrahedron.bin).left(100),
            ReadFailure::DamagedFile);
        GltfMaker past;
        past.Mesh({{"POSITION", past.Positions(TetrahedronPoints)}}, past.Accessor(TetrahedronIndices, 5123, 40, "SCALAR"));
        row("indices past their buffer", past.Json(), ReadFailure::DamagedFile);
    }

    void refusesWithItsReason()
    {
        QFETCH(QByteArray, file);
        QFETCH(ReadFailure, failure);
        QFETCH(QString, detail);
        const QString folder = Folder(QStringLiteral("refused"));
        const QString suffix = file.startsWith("glTF") ? QStringLiteral("glb") : QStringLiteral("gltf");
        const QString path = folder + QStringLiteral("/refused.") + suffix;
        QVERIFY(testing::WriteBytes(path, file));
        const QStringList before = testing::FolderState(folder);
        const lumeno::ReadResult read = lumeno::ReadModel(path, suffix);
        QCOMPARE(read.failure, failure);
        QVERIFY(!read.model);
        QVERIFY2(read.detail.contains(detail), qPrintable(read.detail));
        QVERIFY(!lumeno::ReadFailureText(read).isEmpty());
        QCOMPARE(testing::FolderState(folder), before);
    }

    void buffersStayInTheModelsFolder_data()
    {
        QTest::addColumn<QString>("uri"); // %SECRET% stands for the secret's absolute path
        QTest::addColumn<ReadFailure>("failure");
        QTest::addColumn<QString>("detail");
        QTest::newRow("parent folder") << "../secret.bin" << ReadFailure::OutsideFolder << "../secret.bin";
        QTest::newRow("percent-encoded slash") << "..%2Fsecret.bin" << ReadFailure::OutsideFolder << "../secret.bin";
        QTest::newRow("absolute path") << "%SECRET%" << ReadFailure::OutsideFolder << "secret.bin";
        QTest::newRow("web address") << "https://example.invalid/a.bin" << ReadFailure::OutsideFolder << "https:";
        QTest::newRow("link beside the model to outside") << "link.bin" << ReadFailure::OutsideFolder << "link.bin";
        QTest::newRow("link to a folder outside") << "away/secret.bin" << ReadFailure::OutsideFolder << "secret.bin";
        QTest::newRow("missing beside the model") << "gone.bin" << ReadFailure::MissingDataFile << "gone.bin";
        QTest::newRow("sub-folder") << "sub/tetra.bin" << ReadFailure::None << QString();
        QTest::newRow("link within the folder") << "inner-link.bin" << ReadFailure::None << QString();
    }

    void buffersStayInTheModelsFolder()
    {
        QFETCH(QString, uri);
        QFETCH(ReadFailure, failure);
        QFETCH(QString, detail);
        GltfMaker maker;
        maker.Tetrahedron();
        const QString outside = Folder(QStringLiteral("privacy"));
        const QString folder = Folder(QStringLiteral("privacy/model"));
        QDir(folder).mkpath(QStringLiteral("sub"));
        const QString secret = outside + QStringLiteral("/secret.bin");
        QVERIFY(testing::WriteBytes(secret, maker.bin));
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/sub/tetra.bin"), maker.bin));
        QFile::link(secret, folder + QStringLiteral("/link.bin"));
        QFile::link(outside, folder + QStringLiteral("/away"));
        QFile::link(folder + QStringLiteral("/sub/tetra.bin"), folder + QStringLiteral("/inner-link.bin"));
        const QString path = folder + QStringLiteral("/model.gltf");
        QVERIFY(testing::WriteBytes(path, maker.Json(QString(uri).replace(QLatin1String("%SECRET%"), secret))));

        const lumeno::ReadResult read = lumeno::ReadModel(path, QStringLiteral("gltf"));
        QCOMPARE(read.failure, failure);
        if (failure == ReadFailure::None) {
            QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(4));
            return;
        }
        QVERIFY(!read.model);
        QVERIFY2(read.detail.contains(detail), qPrintable(read.detail));
        QVERIFY2(lumeno::ReadFailureText(read).contains(read.detail), qPrintable(lumeno::ReadFailureText(read)));
    }

    // Every node's mesh where its world matrix puts it, a part of its own, from a buffer embedded,
    // beside the file, or in a GLB's BIN chunk.
    void placesEveryNode_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("file");
        // Moved along x; scaled by 2 around a child moved along y; turned a quarter about z and moved down.
        GltfMaker maker;
        const int mesh = maker.Tetrahedron();
        maker.Node({{"mesh", mesh}, {"translation", QJsonArray{10, 0, 0}}});
        maker.Node({{"scale", QJsonArray{2, 2, 2}}, {"children", QJsonArray{2}}});
        maker.Node({{"mesh", mesh}, {"translation", QJsonArray{0, 5, 0}}});
        maker.Node({{"mesh", mesh}, {"rotation", QJsonArray{0, 0, std::sqrt(0.5), std::sqrt(0.5)}},
                    {"translation", QJsonArray{0, 0, -5}}});
        maker.Scene({0, 1, 3});
        QVERIFY(testing::WriteBytes(Folder(QStringLiteral("placed")) + QStringLiteral("/tetra data.bin"), maker.bin));
        QTest::newRow("embedded") << "gltf" << maker.Json();
        QTest::newRow("beside") << "gltf" << maker.Json(QStringLiteral("tetra%20data.bin"));
        QTest::newRow("glb") << "glb" << Glb(maker.Json(QJsonValue(QJsonValue::Undefined)), maker.bin);
    }

    void placesEveryNode()
    {
        QFETCH(QString, suffix);
        QFETCH(QByteArray, file);
        const QString path = Folder(QStringLiteral("placed")) + QStringLiteral("/tetra.") + suffix;
        QVERIFY(testing::WriteBytes(path, file));
        const lumeno::ReadResult read = lumeno::ReadModel(path, suffix);
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(12));
        QCOMPARE(read.partsMerged, 3);
        QVERIFY(read.look);
        QCOMPARE(read.look->parts.size(), size_t(3));
        const double expected[6] = {-1, 11, 0, 12, -5, 2};
        for (int i = 0; i < 6; ++i)
            QVERIFY2(std::abs(read.model->GetBounds()[i] - expected[i]) < 1e-5, qPrintable(QString::number(i)));
        QVERIFY(lumeno::ReadNotes(read).isEmpty());
        // The turned and scaled placements keep the triangles facing outwards.
        QVERIFY(testing::SignedVolume(read.model) > 0);
    }

    void readsWhatTheFileHolds_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<double>("largestX");
        QTest::addColumn<bool>("normals");
        QTest::addColumn<int>("withoutArea");

        const auto row = [](const char *name, const QByteArray &file, double largestX = 1.0, int withoutArea = 0) {
            QTest::newRow(name) << file << "gltf" << largestX << false << withoutArea;
        };
        row("extras nested 512 levels", NestedExtras(512));
        {
            // Brackets and escaped quotes in strings are no nesting; some writers escape slashes.
            GltfMaker maker;
            maker.Tetrahedron();
            QByteArray json = maker.Json();
            row("escaped slashes in the data URI", QByteArray(json).replace("/", "\\/"));
            json.insert(1, "\"x\":\"" + QByteArray("{[\\\"\\\\").repeated(20000) + "\",");
            row("brackets in strings", json);
        }
        {
            // A sparse accessor moves point 1 from x 1 to x 3.
            GltfMaker maker;
            const int indices = maker.Indices(TetrahedronIndices);
            const int base = maker.View(TetrahedronPoints);
            maker.Mesh({{"POSITION", maker.Sparse(1, Shorts({1}), Floats({3, 0, 0}), base)}}, indices);
            row("sparse positions", maker.Json(), 3.0);
        }
        {
            // Points from zeros: all four given by the sparse part; normals from zeros, two given.
            GltfMaker maker;
            const int indices = maker.Indices(TetrahedronIndices);
            const int position = maker.Sparse(4, Shorts({0, 1, 2, 3}), Floats({0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1}));
            const int normal = maker.Sparse(2, Shorts({0, 3}), Floats({0, 0, -1, 0, 0, 1}));
            maker.Mesh({{"POSITION", position}, {"NORMAL", normal}}, indices);
            QTest::newRow("sparse without buffer views") << Glb(maker.Json(QJsonValue(QJsonValue::Undefined)), maker.bin) << "glb" << 2.0 << true << 0;
        }
        {
            GltfMaker maker;
            maker.Mesh({{"POSITION", maker.Positions(TetrahedronPoints)}}, maker.Indices(TetrahedronIndices + Shorts({2, 2, 3})));
            row("a triangle on one point twice", maker.Json(), 1.0, 1);
        }
        row("node chain 1024 deep", Chain(1024, {1, 0, 0}), 2.0);
    }

    void readsWhatTheFileHolds()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, suffix);
        QFETCH(double, largestX);
        QFETCH(bool, normals);
        QFETCH(int, withoutArea);
        const lumeno::ReadResult read = testing::ReadBytes(QStringLiteral("model.") + suffix, file);
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read) + QLatin1Char(' ') + read.detail));
        QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(4));
        double bounds[6];
        read.model->GetBounds(bounds);
        QCOMPARE(bounds[1], largestX);
        QCOMPARE(lumeno::AttributesOf(read.model).normals, normals);
        QVERIFY(!read.attributesLeftOut.normals);
        QCOMPARE(int(read.untriangulatedPolygons), withoutArea);
        if (normals) {
            // The sparse normals where they were given, zeros elsewhere.
            vtkDataArray *values = read.model->GetPointData()->GetNormals();
            double first[3], last[3];
            values->GetTuple(0, first);
            values->GetTuple(3, last);
            QCOMPARE(first[2], -1.0);
            QCOMPARE(last[2], 1.0);
        }
    }
};

LUMENO_CORE_TEST_MAIN(TestReadGltf)
#include "test_read_gltf.moc"
