// Reading OBJ files: each corner's own values, attributes some faces lack, damaged files refused.
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "io/read/ObjReader.h"
#include "model/PointAttributes.h"

#include <QRandomGenerator>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkDataArray.h>
#include <vtkPointData.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <set>
#include <string_view>
#include <tuple>

using lumeno::ReadFailure;

Q_DECLARE_METATYPE(lumeno::ReadFailure)
Q_DECLARE_METATYPE(lumeno::PointAttributes)

namespace {

struct CornerIndices
{
    int v, vt, vn;
};

// 7 v, 5 vt and 6 vn on the 7 faces of the Fano plane: every vertex lies on seams.
struct SmallModel
{
    std::array<double, 3> Position(int v) const { return {double(v), double(v * v % 7), double(v * v * v % 5)}; }
    std::array<double, 2> Uv(int vt) const { return {0.25 * vt, 1 - 0.125 * vt}; }
    std::array<double, 3> Normal(int vn) const { return {0.5 * vn, -1.0, 0.25 * (5 - vn)}; }
    static constexpr int Vertices = 7, Uvs = 5, Normals = 6, Faces = 7;

    CornerIndices Corner(int face, int j) const
    {
        const int v[3] = {0, 1, 3};
        return {(face + v[j]) % 7, (2 * face + 3 * j) % 5, (face + 2 * j + 1) % 6};
    }
};

struct Writing
{
    bool texture = true;  // corners give vt
    bool normals = true;  // corners give vn
    bool trailingSlash = false; // "1/" and "1/2/" for "1" and "1/2"
    bool relative = false;      // negative indices
    bool messy = false; // CRLF, tabs, comments, exponents, a continued face, statements skipped
    bool byteOrderMark = false;
};

QByteArray Number(double value, bool messy)
{
    return messy ? QByteArray::number(value * 10, 'g', 17) + "e-1" : QByteArray::number(value, 'g', 17);
}

QByteArray ObjText(const Writing &w)
{
    const SmallModel model;
    const QByteArray end = w.messy ? " \t# a comment\r\n" : "\n";
    const QByteArray gap = w.messy ? "\t " : " ";
    QByteArray text = QByteArray(w.byteOrderMark ? "\xEF\xBB\xBF" : "") +
                      (w.messy ? "# made by hand\r\nmtllib model.mtl\r\no Fano\r\n\r\n" : "");
    const auto list = [&](const char *kind, int count, auto value) {
        for (int i = 0; i < count; ++i) {
            text += kind;
            for (double x : value(i))
                text += gap + Number(x, w.messy);
            text += end;
        }
    };
    list("v", model.Vertices, [&model](int i) { return model.Position(i); });
    list("vt", model.Uvs, [&model](int i) { return model.Uv(i); });
    list("vn", model.Normals, [&model](int i) { return model.Normal(i); });
    if (w.messy)
        text += "g spider\r\nusemtl skin\r\ns 1\r\n";
    const auto index = [&w](int i, int count) {
        return w.relative ? QByteArray::number(i - count) : QByteArray::number(i + 1);
    };
    for (int face = 0; face < model.Faces; ++face) {
        text += "f";
        for (int j = 0; j < 3; ++j) {
            const CornerIndices c = model.Corner(face, j);
            text += gap + index(c.v, model.Vertices);
            if (w.texture || w.normals || w.trailingSlash)
                text += "/";
            if (w.texture)
                text += index(c.vt, model.Uvs);
            if (w.normals)
                text += "/" + index(c.vn, model.Normals);
            else if (w.texture && w.trailingSlash)
                text += "/";
            if (w.messy && face == 2 && j == 1)
                text += " \\\r\n\t"; // the face goes on with the next line
        }
        text += end;
    }
    return text;
}

// Each corner of each triangle: x y z, then u v and nx ny nz where the model has them.
QVector<double> CornerValues(vtkPolyData *model)
{
    QVector<double> values;
    vtkDataArray *uvs = model->GetPointData()->GetTCoords();
    vtkDataArray *normals = model->GetPointData()->GetNormals();
    auto cell = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        vtkIdType size = 0;
        const vtkIdType *ids = nullptr;
        cell->GetCurrentCell(size, ids);
        for (vtkIdType j = 0; j < size; ++j) {
            const double *p = model->GetPoint(ids[j]);
            values << p[0] << p[1] << p[2];
            for (vtkDataArray *array : {uvs, normals})
                for (int c = 0; array && c < array->GetNumberOfComponents(); ++c)
                    values << array->GetComponent(ids[j], c);
        }
    }
    return values;
}

// The corners' values as CornerValues gives them, and the points the reading makes: one per
// distinct (v, vt, vn) the corners give, or every vertex.
std::pair<QVector<double>, int> Expected(bool texture, bool normals)
{
    const SmallModel model;
    QVector<double> values;
    std::set<std::tuple<int, int, int>> distinct;
    for (int face = 0; face < model.Faces; ++face)
        for (int j = 0; j < 3; ++j) {
            const CornerIndices c = model.Corner(face, j);
            distinct.insert({c.v, texture ? c.vt : -1, normals ? c.vn : -1});
            for (double x : model.Position(c.v))
                values << x;
            if (texture)
                for (double x : model.Uv(c.vt))
                    values << x;
            if (normals)
                for (double x : model.Normal(c.vn))
                    values << x;
        }
    return {values, texture || normals ? int(distinct.size()) : model.Vertices};
}

using Attributes = lumeno::PointAttributes; // colours, normals, texture coordinates

// Whether every cell names existing points, and every attribute has a value for each point.
bool IsWhole(vtkPolyData *model)
{
    const vtkIdType points = model->GetNumberOfPoints();
    for (vtkDataArray *array : {model->GetPointData()->GetTCoords(), model->GetPointData()->GetNormals(),
                                model->GetPointData()->GetScalars()})
        if (array && array->GetNumberOfTuples() != points)
            return false;
    auto cell = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        vtkIdType size = 0;
        const vtkIdType *ids = nullptr;
        cell->GetCurrentCell(size, ids);
        if (size < 3 || std::any_of(ids, ids + size, [points](vtkIdType id) { return id < 0 || id >= points; }))
            return false;
    }
    return true;
}

} // namespace

class TestReadObj : public QObject
{
    Q_OBJECT

private slots:
    // Numbers are read the same where the decimal sign is a comma.
    void initTestCase() { std::setlocale(LC_ALL, "de_DE.UTF-8"); }

    // Every corner of every triangle keeps its own v, vt and vn, however the file writes them.
    void everyCornerKeepsItsOwnValues_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("texture");
        QTest::addColumn<bool>("normals");
        const auto row = [](const char *name, Writing writing) {
            QTest::newRow(name) << ObjText(writing) << writing.texture << writing.normals;
        };
        row("v/vt/vn", {});
        row("v/vt/vn, negative indices", {true, true, false, true});
        row("v/vt/vn, CRLF, tabs, comments, a continued face", {true, true, false, false, true});
        row("v/vt/vn after a byte order mark", {true, true, false, false, false, true});
        row("v/vt", {true, false});
        row("v//vn", {false, true});
        row("v/, negative indices", {false, false, true, true});
    }

    void everyCornerKeepsItsOwnValues()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, texture);
        QFETCH(bool, normals);
        const lumeno::ReadResult read = testing::ReadBytes(QStringLiteral("model.obj"), text);
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(lumeno::AttributesOf(read.model), (Attributes{false, normals, texture}));
        QVERIFY(!read.attributesLeftOut.Any());
        QCOMPARE(int(read.model->GetNumberOfPolys()), SmallModel::Faces);
        const auto [values, points] = Expected(texture, normals);
        QCOMPARE(int(read.model->GetNumberOfPoints()), points);
        QCOMPARE(CornerValues(read.model), values);
    }

    // Attributes only some faces or vertices carry are left out of the whole model and said to be.
    void attributesSomeFacesLackAreLeftOutAndSaid_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<lumeno::PointAttributes>("kept");
        QTest::addColumn<lumeno::PointAttributes>("leftOut");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("triangles");
        const QByteArray square = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvn 0 0 1\nvn 0 0 -1\n";
        QTest::newRow("texture coordinates on one face")
            << square + "f 1/1 2/2 3/3\nf 1 3 4\n" << Attributes{false, false, false}
            << Attributes{false, false, true} << 4 << 2;
        QTest::newRow("texture coordinates everywhere, normals on one face")
            << square + "f 1/1/1 2/2/1 3/3/1\nf 1/1 3/2 4/3\n" << Attributes{false, false, true}
            << Attributes{false, true, false} << 5 << 2;
        QTest::newRow("colours on some vertices")
            << QByteArray("v 0 0 0 1 0 0\nv 1 0 0\nv 1 1 0 0 0 1\nf 1 2 3\n") << Attributes{false, false, false}
            << Attributes{true, false, false} << 3 << 1;
    }

    void attributesSomeFacesLackAreLeftOutAndSaid()
    {
        QFETCH(QByteArray, text);
        QFETCH(lumeno::PointAttributes, kept);
        QFETCH(lumeno::PointAttributes, leftOut);
        QFETCH(int, points);
        QFETCH(int, triangles);
        const lumeno::ReadResult read = testing::ReadBytes(QStringLiteral("model.obj"), text);
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(lumeno::AttributesOf(read.model), kept);
        QCOMPARE(read.attributesLeftOut, leftOut);
        QCOMPARE(int(read.model->GetNumberOfPoints()), points);
        QCOMPARE(int(read.model->GetNumberOfPolys()), triangles);
        const QString said = lumeno::ReadNotes(read).join(QLatin1Char(' '));
        QCOMPARE(said.contains(QLatin1String("only some of its parts or faces carry them")), leftOut.Any());
    }

    // Points, lines and short faces are counted; a missing material library is named, not a placeholder.
    void whatIsLeftOutIsCounted_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("primitives");
        QTest::addColumn<bool>("materials");
        const QByteArray triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";
        QTest::newRow("points and lines") << triangle + "p 1 2\nl 1 2 3\nl 1/1 \\\n 2\nf 1 2\nvt 0 0\n" << 4 << false;
        QTest::newRow("material library") << "mtllib model.mtl\nusemtl red\n" + triangle << 0 << true;
        QTest::newRow("placeholders") << "mtllib NONE\nusemtl mtlNONE\n" + triangle << 0 << false;
    }

    void whatIsLeftOutIsCounted()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, primitives);
        QFETCH(bool, materials);
        const lumeno::ReadResult read = testing::ReadBytes(QStringLiteral("model.obj"), text);
        QVERIFY2(read.model, qPrintable(lumeno::ReadFailureText(read)));
        QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(1));
        QCOMPARE(read.primitivesLeftOut, qint64(primitives));
        QVERIFY(!read.materialsNotKept);
        QCOMPARE(read.materialFilesNotRead, materials ? QStringList{"model.mtl"} : QStringList());
        QCOMPARE(bool(read.look), materials);
        QCOMPARE(lumeno::ReadNotes(read).size(), (primitives > 0 ? 1 : 0) + (materials ? 1 : 0));
    }

    // Damaged files are refused with their reason and left as they were (a surface of no extent,
    // whatever its format: test_reading).
    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<ReadFailure>("failure");
        const auto row = [](const char *name, const QByteArray &text, ReadFailure failure = ReadFailure::DamagedFile) {
            QTest::newRow(name) << text << failure;
        };
        const QByteArray points = "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\n";
        row("index 0", points + "f 0 1 2\n");
        row("past the vertices", points + "f 1 2 4\n");
        row("past the normals", points + "f 1//1 2//1 3//2\n");
        row("no vertex index", points + "f /1/1 2/1/1 3/1/1\n");
        row("huge index", points + "f 1 2 99999999999\n");
        row("face without corners", points + "f\nf 1 2 3\n");
        row("not a number", QByteArray("v nan 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n"));
        row("beyond a float", QByteArray("v 0 0 1e39\nv 1 0 0\nv 0 1 0\nf 1 2 3\n"));
        row("prose", "Dear reader,\nthis is a letter.\n", ReadFailure::NoTriangles);
        row("a continued line at the end", "v 0 0 0\nv 1 0 0\nf 1 2 \\", ReadFailure::NoTriangles);
    }

    void damagedFilesAreRefused()
    {
        QFETCH(QByteArray, text);
        QFETCH(ReadFailure, failure);
        const lumeno::ReadResult read = testing::ReadBytes(QStringLiteral("model.obj"), text);
        QVERIFY(!read.model);
        QCOMPARE(read.failure, failure);
        QCOMPARE(testing::Contents(testing::ScratchFile(QStringLiteral("model.obj"))), text);
    }

    // Bytes changed at random: the reader hands on a whole model or refuses it, never past the file.
    void changedBytesNeverBreakTheReader()
    {
        const QByteArray valid = ObjText({true, true, false, false, true});
        const char alphabet[] = "0123456789/-+. \t\r\n\\#vftnpl";
        QRandomGenerator random(48);
        int models = 0;
        for (int round = 0; round < 3000; ++round) {
            QByteArray text = valid;
            for (int change = random.bounded(1, 6); change > 0; --change) {
                const int at = random.bounded(text.size());
                const char c = alphabet[random.bounded(int(sizeof alphabet) - 1)];
                switch (random.bounded(3)) {
                case 0: text[at] = c; break;
                case 1: text.insert(at, c); break;
                default: text.remove(at, random.bounded(1, 12)); break;
                }
            }
            const lumeno::FormatReading reading = lumeno::ReadObj(std::string_view(text.constData(), size_t(text.size())));
            if (reading.failure != ReadFailure::None)
                continue;
            QVERIFY(reading.model);
            QVERIFY2(IsWhole(reading.model), text.constData());
            ++models;
        }
        QVERIFY(models > 0);
    }
};

LUMENO_CORE_TEST_MAIN(TestReadObj)
#include "test_read_obj.moc"
