#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "model/PointAttributes.h"

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkCellData.h>
#include <vtkDataArray.h>
#include <vtkPointData.h>

#include <zip.h>

#include <array>
#include <cmath>

using lumeno::ReadFailure;

Q_DECLARE_METATYPE(lumeno::ReadFailure)

using Bounds = std::array<double, 6>;
Q_DECLARE_METATYPE(Bounds)

namespace {

bool HasBounds(vtkPolyData *model, const Bounds &b)
{
    Bounds a;
    model->GetBounds(a.data());
    for (size_t i = 0; i < 6; ++i)
        if (std::abs(a[i] - b[i]) > 1e-5 * std::max(1.0, std::abs(b[i])))
            return false;
    return true;
}

const QByteArray Relationships =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Target=\"/3D/3dmodel.model\" Id=\"rel0\" "
    "Type=\"http://schemas.microsoft.com/3dmanufacturing/2013/01/3dmodel\"/></Relationships>";

using PackageParts = QList<QPair<QByteArray, QByteArray>>; // name and bytes

bool WritePackage(const QString &path, const QByteArray &model, const PackageParts &more = {})
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    const PackageParts parts = PackageParts{{"_rels/.rels", Relationships}, {"3D/3dmodel.model", model}} + more;
    for (const auto &[name, bytes] : parts) {
        zip_source_t *source = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (!source || zip_file_add(archive, name.constData(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

QByteArray Model(const QByteArray &resources, const QByteArray &build, const QByteArray &unit = "millimeter")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<model" + (unit.isEmpty() ? QByteArray() : " unit=\"" + unit + "\"") +
           " xmlns=\"http://schemas.microsoft.com/3dmanufacturing/core/2015/02\""
           " xmlns:m=\"http://schemas.microsoft.com/3dmanufacturing/material/2015/02\">\n<resources>" +
           resources + "</resources>\n<build>" + build + "</build></model>\n";
}

QByteArray Tetrahedron(int id, const QByteArray &moreTriangles = QByteArray())
{
    return "<object id=\"" + QByteArray::number(id) +
           "\" type=\"model\"><mesh><vertices>"
           "<vertex x=\"0\" y=\"0\" z=\"0\"/><vertex x=\"1\" y=\"0\" z=\"0\"/>"
           "<vertex x=\"0\" y=\"1\" z=\"0\"/><vertex x=\"0\" y=\"0\" z=\"1\"/></vertices><triangles>"
           "<triangle v1=\"0\" v2=\"2\" v3=\"1\"/><triangle v1=\"0\" v2=\"1\" v3=\"3\"/>"
           "<triangle v1=\"0\" v2=\"3\" v3=\"2\"/><triangle v1=\"1\" v2=\"2\" v3=\"3\"/>" +
           moreTriangles + "</triangles></mesh></object>\n";
}

QByteArray Item(int id, const QByteArray &transform = QByteArray())
{
    return "<item objectid=\"" + QByteArray::number(id) + "\"" +
           (transform.isEmpty() ? QByteArray() : " transform=\"" + transform + "\"") + "/>";
}

// Objects 2..levels+1, each of `branching` components of the one before.
QByteArray Nested(const QByteArray &first, int levels, int branching)
{
    QByteArray objects = first;
    for (int id = 2; id <= levels + 1; ++id) {
        objects += "<object id=\"" + QByteArray::number(id) + "\" type=\"model\"><components>";
        for (int i = 0; i < branching; ++i)
            objects += "<component objectid=\"" + QByteArray::number(id - 1) + "\" transform=\"1 0 0 0 1 0 0 0 1 " +
                       QByteArray::number(i) + " 0 0\"/>";
        objects += "</components></object>\n";
    }
    return objects;
}

// The unit square of two triangles sharing the corners 0 and 2, with the attributes given.
QByteArray Square(const QByteArray &object, const QByteArray &first, const QByteArray &second, const QByteArray &more = {})
{
    return "<object id=\"1\" type=\"model\"" + object +
           "><mesh><vertices><vertex x=\"0\" y=\"0\" z=\"0\"/><vertex x=\"1\" y=\"0\" z=\"0\"/>"
           "<vertex x=\"1\" y=\"1\" z=\"0\"/><vertex x=\"0\" y=\"1\" z=\"0\"/></vertices><triangles>"
           "<triangle v1=\"0\" v2=\"1\" v3=\"2\"" + first + "/><triangle v1=\"0\" v2=\"2\" v3=\"3\"" + second + "/>" +
           more + "</triangles></mesh></object>";
}

const QByteArray BaseMaterials = "<m:basematerials id=\"5\"><m:base name=\"red\" displaycolor=\"#FF0000\"/>"
                                  "<m:base name=\"blue\" displaycolor=\"#0000FF\"/></m:basematerials>";

const QByteArray EmptyObject = "<object id=\"1\" type=\"model\"><mesh><vertices/><triangles/></mesh></object>";

lumeno::ReadResult ReadPackage(const QString &name, const QByteArray &model, const PackageParts &more = {})
{
    const QString path = testing::ScratchFile(name);
    if (!WritePackage(path, model, more))
        qFatal("cannot write %s", qPrintable(path));
    return lumeno::ReadModel(path, QStringLiteral("3mf"));
}

// Each triangle's corners: "RRGGBB" colours or "u,v" coordinates.
QStringList CornerValues(vtkPolyData *model, vtkDataArray *values)
{
    QStringList triangles;
    auto cell = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cell->GoToFirstCell(); values && !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        vtkIdType size = 0;
        const vtkIdType *ids = nullptr;
        cell->GetCurrentCell(size, ids);
        QStringList corners;
        for (vtkIdType i = 0; i < size; ++i) {
            const double *v = values->GetTuple(ids[i]);
            const auto hex = [v](int c) { return QStringLiteral("%1").arg(int(v[c]), 2, 16, QLatin1Char('0')).toUpper(); };
            corners << (values->GetNumberOfComponents() == 2 ? QStringLiteral("%1,%2").arg(v[0]).arg(v[1])
                                                              : hex(0) + hex(1) + hex(2));
        }
        triangles << corners.join(QLatin1Char(' '));
    }
    return triangles;
}

} // namespace

class TestRead3mf : public QObject
{
    Q_OBJECT

private slots:
    // 64 MiB of text before the first object, read as it inflates (what that costs: the bench).
    void aLongModelPartIsRead()
    {
        const QString path = testing::ScratchFile(QStringLiteral("long.3mf"));
        {
            const QByteArray small = Model(Tetrahedron(1), Item(1));
            const int resources = small.indexOf("<resources>") + 11;
            const QByteArray one = "<metadata name=\"Note\">made by a test</metadata>\n";
            QByteArray model;
            model.reserve(small.size() + (64 << 20));
            model += small.left(resources);
            while (model.size() < (64 << 20))
                model += one;
            model += small.mid(resources);
            QVERIFY(WritePackage(path, model));
        }
        const lumeno::ReadResult read = lumeno::ReadModel(path, QStringLiteral("3mf"));
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(4));
    }

    void triangleColoursStayOnTheirTriangles_data()
    {
        QTest::addColumn<QByteArray>("resources");
        QTest::addColumn<QStringList>("corners");
        const QByteArray group = "<m:colorgroup id=\"6\"><m:color color=\"#FF0000\"/><m:color color=\"#00FF00\"/>"
                                 "<m:color color=\"#0000FF\"/><m:color color=\"#FFFFFFFF\"/></m:colorgroup>";
        QTest::newRow("the object's, one triangle its own")
            << BaseMaterials + Square(" pid=\"5\" pindex=\"0\"", {}, " p1=\"1\"")
            << QStringList{"FF0000 FF0000 FF0000", "0000FF 0000FF 0000FF"};
        QTest::newRow("corners of their own")
            << group + Square({}, " pid=\"6\" p1=\"0\" p2=\"1\" p3=\"2\"", " pid=\"6\" p1=\"3\" p2=\"3\" p3=\"0\"")
            << QStringList{"FF0000 00FF00 0000FF", "FFFFFF FFFFFF FF0000"};
    }

    void triangleColoursStayOnTheirTriangles()
    {
        QFETCH(QByteArray, resources);
        QFETCH(QStringList, corners);
        const lumeno::ReadResult read = ReadPackage(QStringLiteral("colours.3mf"), Model(resources, Item(1)));
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(CornerValues(read.model, read.model->GetPointData()->GetScalars()), corners);
        QCOMPARE(read.model->GetNumberOfPoints(), vtkIdType(6)); // the shared corners split
        QVERIFY(!read.faceColoursNotRead);
    }

    void trianglesOnOneVertexTwiceAreLeftOut()
    {
        QByteArray repeated;
        for (int i = 0; i < 18; ++i)
            repeated += "<triangle v1=\"" + QByteArray::number(i % 4) + "\" v2=\"" + QByteArray::number((i + 1) % 4) +
                        "\" v3=\"" + QByteArray::number(i % 4) + "\" pid=\"5\" p1=\"0\" p2=\"1\" p3=\"1\"/>";
        const lumeno::ReadResult read =
            ReadPackage(QStringLiteral("repeats.3mf"), Model(BaseMaterials + Tetrahedron(1, repeated), Item(1)));
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(4));
        QCOMPARE(read.untriangulatedPolygons, vtkIdType(18));
    }

    // Placed by the build item and the components, in millimetres (a unit converted is told).
    void meshesAndComponentsAreAllPlaced_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<vtkIdType>("triangles");
        QTest::addColumn<int>("parts");
        QTest::addColumn<Bounds>("bounds");
        QTest::addColumn<QString>("converted");
        const QByteArray both = Tetrahedron(2).replace("</mesh>", "</mesh><components><component objectid=\"1\" "
                                                                 "transform=\"1 0 0 0 1 0 0 0 1 5 0 0\"/></components>");
        QTest::newRow("mesh and components") << Model(Tetrahedron(1) + both, Item(2)) << vtkIdType(8) << 2
                                             << Bounds{0, 6, 0, 1, 0, 1} << QString();
        QTest::newRow("nested 1000 deep") << Model(Nested(Tetrahedron(1), 999, 1), Item(1000)) << vtkIdType(4) << 1
                                          << Bounds{0, 1, 0, 1, 0, 1} << QString();
        const QByteArray moved = Item(1, "1 0 0 0 1 0 0 0 1 2 0 0");
        QTest::newRow("no unit given") << Model(Tetrahedron(1), moved, "") << vtkIdType(4) << 1
                                       << Bounds{2, 3, 0, 1, 0, 1} << QString();
        const double s = 25.4;
        QTest::newRow("inch") << Model(Tetrahedron(1), moved, "inch") << vtkIdType(4) << 1
                              << Bounds{2 * s, 3 * s, 0, s, 0, s} << "inch";
    }

    void meshesAndComponentsAreAllPlaced()
    {
        QFETCH(QByteArray, model);
        QFETCH(vtkIdType, triangles);
        QFETCH(int, parts);
        QFETCH(Bounds, bounds);
        QFETCH(QString, converted);
        const lumeno::ReadResult read = ReadPackage(QStringLiteral("placed.3mf"), model);
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.model->GetNumberOfPolys(), triangles);
        QCOMPARE(read.partsMerged, parts);
        QCOMPARE(read.look ? int(read.look->parts.size()) : 1, parts);
        QVERIFY(HasBounds(read.model, bounds));
        QCOMPARE(read.unitConverted, converted);
        QCOMPARE(lumeno::ReadNotes(read).join(' ').contains(QLatin1String("converted to millimetres")),
                 !converted.isEmpty());
    }

    void texturesBecomeMaterials_data()
    {
        QTest::addColumn<QByteArray>("imagePath");
        QTest::addColumn<bool>("missing");
        QTest::newRow("in the package") << QByteArray("/3D/Textures/skin.png") << false;
        QTest::newRow("not in the package") << QByteArray("/3D/Textures/gone.png") << true;
    }

    void texturesBecomeMaterials()
    {
        QFETCH(QByteArray, imagePath);
        QFETCH(bool, missing);
        const QByteArray png("\x89PNG\r\n\x1a\nnot-decoded", 19);
        const QByteArray resources =
            "<m:texture2d id=\"7\" path=\"" + imagePath + "\" contenttype=\"image/png\" tilestyleu=\"clamp\"/>"
            "<m:texture2dgroup id=\"8\" texid=\"7\"><m:tex2coord u=\"0\" v=\"0\"/><m:tex2coord u=\"1\" v=\"0\"/>"
            "<m:tex2coord u=\"1\" v=\"1\"/><m:tex2coord u=\"0.5\" v=\"0.5\"/></m:texture2dgroup>" +
            BaseMaterials +
            Square({}, " pid=\"8\" p1=\"0\" p2=\"1\" p3=\"2\"", " pid=\"8\" p1=\"3\" p2=\"2\" p3=\"3\"",
                   "<triangle v1=\"0\" v2=\"3\" v3=\"1\" pid=\"5\" p1=\"0\"/>");
        const lumeno::ReadResult read = ReadPackage(QStringLiteral("textured.3mf"), Model(resources, Item(1)),
                                                    {{"3D/Textures/skin.png", png}});
        QVERIFY2(read.model && read.look, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.look->materials.size(), size_t(1));
        const lumeno::TextureSlot &slot = read.look->materials[0].baseColourTexture;
        QVERIFY(slot.Used());
        QCOMPARE(slot.wrapS, 33071);
        const lumeno::TextureImage &image = read.look->images[size_t(slot.image)];
        QCOMPARE(image.name, missing ? QStringLiteral("gone.png") : QStringLiteral("skin.png"));
        QCOMPARE(image.bytes, missing ? QByteArray() : png);
        vtkDataArray *materials = read.model->GetCellData()->GetArray(lumeno::MaterialIdsName);
        vtkDataArray *uvs = read.model->GetPointData()->GetTCoords();
        QVERIFY(materials && uvs);
        QCOMPARE(materials->GetTuple1(1), 0.0);
        QCOMPARE(materials->GetTuple1(2), -1.0);
        QCOMPARE(read.model->GetNumberOfPoints(), vtkIdType(5));
        QCOMPARE(CornerValues(read.model, uvs).mid(0, 2), (QStringList{"0,0 1,0 1,1", "0.5,0.5 1,1 0.5,0.5"}));
        QCOMPARE(lumeno::ReadNotes(read).join(' ').contains(QLatin1String("gone.png")), missing);
    }

    void refusedWithTheirReason_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<ReadFailure>("failure");
        QTest::addColumn<QString>("message");
        const QString over = QStringLiteral("This file holds more than Lumeno3D reads: %1.");
        const auto row = [](const char *name, const QByteArray &resources, const QByteArray &build,
                            ReadFailure failure = ReadFailure::DamagedFile,
                            const QString &message = QStringLiteral("This file seems to be corrupt and cannot be loaded.")) {
            QTest::newRow(name) << Model(resources, build) << failure << message;
        };
        row("no build items", Tetrahedron(1), {}, ReadFailure::NoBuildItems,
            QStringLiteral("This 3MF file places no object on its build plate: it has no build items."));
        QTest::newRow("unknown unit") << Model(Tetrahedron(1), Item(1), "furlong") << ReadFailure::Unsupported
                                      << QStringLiteral("This file needs the unit \"furlong\", which Lumeno3D "
                                                        "cannot read: export it again without it.");
        row("nested 1001 deep", Nested(Tetrahedron(1), 1000, 1), Item(1001), ReadFailure::OverLimit,
            over.arg(QStringLiteral("components nested more than 1,000 deep")));
        row("meshes placed exponentially often", Nested(Tetrahedron(1), 12, 4), Item(13), ReadFailure::OverLimit,
            over.arg(QStringLiteral("16,834,816 points or triangles in all its parts")));
        row("empty objects placed exponentially often", Nested(EmptyObject, 8, 10), Item(9), ReadFailure::OverLimit,
            over.arg(QStringLiteral("more than 10,000,000 placed objects")));
        row("object made of itself",
            Tetrahedron(1) + "<object id=\"2\" type=\"model\"><components><component objectid=\"3\"/></components></object>"
                             "<object id=\"3\" type=\"model\"><components><component objectid=\"1\"/>"
                             "<component objectid=\"2\"/></components></object>",
            Item(3));
        row("index past the vertices", Tetrahedron(1, "<triangle v1=\"1\" v2=\"2\" v3=\"4\"/>"), Item(1));
        row("component of no object",
            "<object id=\"2\" type=\"model\"><components><component objectid=\"7\"/></components></object>", Item(2));
        row("texture group of no texture", "<m:texture2dgroup id=\"8\" texid=\"9\"/>" + Tetrahedron(1), Item(1));
        QTest::newRow("cut short") << Model(Tetrahedron(1), Item(1)).left(300) << ReadFailure::DamagedFile
                                   << QStringLiteral("This file seems to be corrupt and cannot be loaded.");
        row("texture coordinate past its group",
            "<m:texture2d id=\"7\" path=\"/a.png\"/><m:texture2dgroup id=\"8\" texid=\"7\"><m:tex2coord u=\"0\" v=\"0\"/>"
            "</m:texture2dgroup>" + Tetrahedron(1, "<triangle v1=\"0\" v2=\"1\" v3=\"2\" pid=\"8\" p1=\"0\" p2=\"1\"/>"),
            Item(1));
        row("8 MiB of spaces between two tags", Tetrahedron(1) + QByteArray(8 << 20, ' '), Item(1), ReadFailure::OverLimit,
            over.arg(QStringLiteral("more than 4 MiB of text without a tag")));
    }

    void refusedWithTheirReason()
    {
        QFETCH(QByteArray, model);
        QFETCH(ReadFailure, failure);
        QFETCH(QString, message);
        const lumeno::ReadResult read = ReadPackage(QStringLiteral("refused.3mf"), model);
        QCOMPARE(read.failure, failure);
        QVERIFY(!read.model);
        QCOMPARE(lumeno::ReadFailureText(read), message);
    }
};

LUMENO_CORE_TEST_MAIN(TestRead3mf)
#include "test_read_3mf.moc"
