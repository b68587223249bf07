// PLY files of every scalar type and both byte orders, with elements and properties the
// reader passes over, read by our reader; damaged ones refused with their message.
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "io/read/PlyReader.h"

#include <QtEndian>

#include <vtkCellArray.h>
#include <vtkDataArray.h>
#include <vtkIdList.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>

#include <cstring>
#include <initializer_list>
#include <string_view>
#include <vector>

using lumeno::ReadFailure;

Q_DECLARE_METATYPE(lumeno::ReadFailure)

namespace {

template <typename Raw, typename Value>
Raw Bits(Value value)
{
    Raw raw;
    std::memcpy(&raw, &value, sizeof raw);
    return raw;
}

// Writes a PLY file's header and body, its values in the header's format.
class PlyFile
{
public:
    explicit PlyFile(const QByteArray &bodyFormat) : format(bodyFormat)
    {
        header = "ply\nformat " + bodyFormat + " 1.0\ncomment made by the test\n";
    }

    void Line(const QByteArray &line) { header += line + "\n"; }

    void Value(const QByteArray &type, double value)
    {
        if (format == "ascii") {
            body += QByteArray::number(value, 'g', 17) + " ";
            return;
        }
        const bool big = format == "binary_big_endian", isUnsigned = type.startsWith('u');
        const auto put = [&](auto raw) {
            char bytes[sizeof raw];
            big ? qToBigEndian(raw, bytes) : qToLittleEndian(raw, bytes);
            body.append(bytes, int(sizeof raw));
        };
        if (type.contains("char") || type.endsWith("int8"))
            put(isUnsigned ? quint8(value) : quint8(qint8(value)));
        else if (type.contains("short") || type.endsWith("16"))
            put(isUnsigned ? quint16(value) : quint16(qint16(value)));
        else if (type.startsWith("int") || type.startsWith("uint"))
            put(isUnsigned ? quint32(value) : quint32(qint32(value)));
        else if (type.startsWith("float") && type != "float64")
            put(Bits<quint32>(float(value)));
        else
            put(Bits<quint64>(value));
    }

    void Values(const QByteArray &type, std::initializer_list<double> values)
    {
        for (double value : values)
            Value(type, value);
    }

    void EndRecord()
    {
        if (format == "ascii")
            body += "\n";
    }

    QByteArray Bytes() const { return header + "end_header\n" + body; }

private:
    QByteArray format;
    QByteArray header;
    QByteArray body;
};

lumeno::FormatReading Read(const QByteArray &file, int threads = 0)
{
    return lumeno::ReadPly(std::string_view(file.constData(), size_t(file.size())), threads);
}

// A unit square as one polygon and a triangle beside it, x y z of `type`, the index list
// of the given types.
QByteArray SquareAndTriangle(const QByteArray &format, const QByteArray &type, const QByteArray &countType,
                             const QByteArray &indexType)
{
    PlyFile ply(format);
    ply.Line("element vertex 5");
    for (const char *axis : {"x", "y", "z"})
        ply.Line("property " + type + " " + axis);
    ply.Line("element face 2");
    ply.Line("property list " + countType + " " + indexType + " vertex_indices");
    const int positions[5][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 0, 1}};
    for (const auto &position : positions) {
        for (int value : position)
            ply.Value(type, value);
        ply.EndRecord();
    }
    for (const std::vector<int> &face : {std::vector<int>{0, 1, 2, 3}, std::vector<int>{1, 4, 2}}) {
        ply.Value(countType, double(face.size()));
        for (int index : face)
            ply.Value(indexType, index);
        ply.EndRecord();
    }
    return ply.Bytes();
}

// A sheet of side x side points in quads, enough records for the reader to share them out.
QByteArray Sheet(int side, bool lastFaceTriangle)
{
    PlyFile ply("binary_little_endian");
    ply.Line("element vertex " + QByteArray::number(side * side));
    ply.Line("property float x\nproperty float y\nproperty float z\nproperty uchar quality");
    ply.Line("element face " + QByteArray::number((side - 1) * (side - 1)));
    ply.Line("property uchar flags\nproperty list uchar int vertex_indices\nproperty float weight");
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            ply.Values("float", {double(x), double(y), double(x * y % 7)});
            ply.Value("uchar", 9);
        }
    for (int y = 0; y + 1 < side; ++y)
        for (int x = 0; x + 1 < side; ++x) {
            const bool last = y + 2 == side && x + 2 == side;
            const int first = y * side + x;
            std::vector<int> corners{first, first + 1, first + side + 1, first + side};
            if (last && lastFaceTriangle)
                corners.pop_back();
            ply.Value("uchar", 1);
            ply.Value("uchar", double(corners.size()));
            for (int corner : corners)
                ply.Value("int", corner);
            ply.Value("float", 0.5);
        }
    return ply.Bytes();
}

std::vector<vtkIdType> Corners(vtkPolyData *model)
{
    std::vector<vtkIdType> corners;
    auto ids = vtkSmartPointer<vtkIdList>::New();
    vtkCellArray *polys = model->GetPolys();
    for (polys->InitTraversal(); polys->GetNextCell(ids);) {
        corners.push_back(-ids->GetNumberOfIds());
        for (vtkIdType i = 0; i < ids->GetNumberOfIds(); ++i)
            corners.push_back(ids->GetId(i));
    }
    return corners;
}

} // namespace

class TestReadPly : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testing::IsolateEnvironment(); }

    void readsEveryTypeInEitherByteOrder_data()
    {
        QTest::addColumn<QByteArray>("file");
        const char *types[][3] = {
            {"char", "uchar", "int"},     {"int8", "uint8", "uint"},   {"uchar", "char", "short"},
            {"short", "ushort", "ushort"}, {"int16", "int", "uint8"},   {"ushort", "uint16", "int32"},
            {"int", "short", "uint32"},   {"uint", "uchar", "int16"},  {"float", "uchar", "int"},
            {"float32", "int8", "int"},   {"double", "uint", "int"},   {"float64", "uchar", "char"},
        };
        for (const char *format : {"ascii", "binary_little_endian", "binary_big_endian"})
            for (const auto &type : types)
                QTest::addRow("%s %s, list %s %s", format, type[0], type[1], type[2])
                    << SquareAndTriangle(format, type[0], type[1], type[2]);
    }

    void readsEveryTypeInEitherByteOrder()
    {
        QFETCH(QByteArray, file);
        const lumeno::FormatReading reading = Read(file);
        QCOMPARE(reading.failure, ReadFailure::None);
        QCOMPARE(reading.model->GetNumberOfPoints(), vtkIdType(5));
        double point[3];
        reading.model->GetPoint(4, point);
        QCOMPARE(point[0], 2.0);
        QCOMPARE(point[2], 1.0);
        // The square stays one polygon: the reading triangulates it later.
        QCOMPARE(Corners(reading.model), (std::vector<vtkIdType>{-4, 0, 1, 2, 3, -3, 1, 4, 2}));
    }

    // Elements besides vertex and face, before, between or after them, and unknown
    // properties, lists among them, are passed over; the vertex's attributes are kept.
    void passesOverOtherElementsAndProperties_data()
    {
        QTest::addColumn<QByteArray>("format");
        for (const char *format : {"ascii", "binary_little_endian", "binary_big_endian"})
            QTest::newRow(format) << QByteArray(format);
    }

    void passesOverOtherElementsAndProperties()
    {
        QFETCH(QByteArray, format);
        PlyFile ply(format);
        ply.Line("element edge 2\nproperty list uchar int vertex1\nproperty uchar red");
        ply.Line("element face 1\nproperty list uchar float texcoord\nproperty list uchar uint vertex_index\n"
                 "property uchar red\nproperty uchar green\nproperty uchar blue");
        ply.Line("element vertex 3\nproperty double x\nproperty list ushort double neighbours\nproperty float y\n"
                 "property float z\nproperty float nx\nproperty float ny\nproperty float nz\n"
                 "property float s\nproperty float t\nproperty uchar red\nproperty uchar green\n"
                 "property uchar blue\nproperty uchar alpha\nproperty int quality");
        ply.Line("element material 1\nproperty list int uchar name");
        for (int edge = 0; edge < 2; ++edge) {
            ply.Value("uchar", 2);
            ply.Values("int", {0, 1});
            ply.Value("uchar", 5);
            ply.EndRecord();
        }
        ply.Values("uchar", {2});
        ply.Values("float", {0.25, 0.75});
        ply.Value("uchar", 3);
        ply.Values("uint", {0, 1, 2});
        ply.Values("uchar", {1, 2, 3});
        ply.EndRecord();
        for (int v = 0; v < 3; ++v) {
            ply.Value("double", v == 1);
            ply.Value("ushort", 2);
            ply.Values("double", {7, 8});
            ply.Values("float", {double(v == 2), 0.0, 0.0, 0.0, 1.0, 0.5, 0.25});
            ply.Values("uchar", {10.0 + v, 20.0 + v, 30.0 + v, 40.0 + v});
            ply.Value("int", -3);
            ply.EndRecord();
        }
        ply.Value("int", 3);
        ply.Values("uchar", {65, 66, 67});
        ply.EndRecord();

        const lumeno::FormatReading reading = Read(ply.Bytes());
        QCOMPARE(reading.failure, ReadFailure::None);
        QVERIFY(reading.faceColoursNotRead);
        QCOMPARE(Corners(reading.model), (std::vector<vtkIdType>{-3, 0, 1, 2}));
        vtkPointData *data = reading.model->GetPointData();
        QVERIFY(data->GetNormals() && data->GetTCoords() && data->GetScalars());
        QCOMPARE(data->GetNormals()->GetComponent(1, 2), 1.0);
        QCOMPARE(data->GetTCoords()->GetComponent(2, 0), 0.5);
        QCOMPARE(data->GetTCoords()->GetComponent(2, 1), 0.25);
        QCOMPARE(QByteArray(data->GetScalars()->GetName()), QByteArray("RGBA"));
        QCOMPARE(data->GetScalars()->GetComponent(2, 3), 42.0);
        double point[3];
        reading.model->GetPoint(2, point);
        QCOMPARE(point[1], 1.0);
    }

    // Colours as bytes or as fractions from 0 to 1 (clamped), with or without alpha.
    void readsColoursAsBytesOrFractions_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("byte") << QByteArray("uchar") << 128.0 << 128.0;
        QTest::newRow("fraction") << QByteArray("float") << 0.5 << 128.0;
        QTest::newRow("double fraction") << QByteArray("double") << 1.0 << 255.0;
        QTest::newRow("fraction above one") << QByteArray("float") << 1.5 << 255.0;
        QTest::newRow("fraction below zero") << QByteArray("float") << -0.25 << 0.0;
    }

    void readsColoursAsBytesOrFractions()
    {
        QFETCH(QByteArray, type);
        QFETCH(double, value);
        QFETCH(double, expected);
        for (const char *format : {"ascii", "binary_big_endian"}) {
            PlyFile ply(format);
            ply.Line("element vertex 3\nproperty float x\nproperty float y\nproperty float z");
            ply.Line("property " + type + " red\nproperty " + type + " green\nproperty " + type + " blue");
            ply.Line("element face 1\nproperty list uchar int vertex_indices");
            for (int v = 0; v < 3; ++v) {
                ply.Values("float", {double(v == 1), double(v == 2), 0.0});
                ply.Values(type, {value, value, value});
                ply.EndRecord();
            }
            ply.Value("uchar", 3);
            ply.Values("int", {0, 1, 2});
            const lumeno::FormatReading reading = Read(ply.Bytes());
            QCOMPARE(reading.failure, ReadFailure::None);
            vtkDataArray *colours = reading.model->GetPointData()->GetScalars();
            QVERIFY(colours && colours->GetNumberOfComponents() == 3);
            QCOMPARE(colours->GetComponent(1, 1), expected);
        }
    }

    void leavesOutFacesOfOneOrTwoCorners()
    {
        const QByteArray file = "ply\nformat ascii 1.0\nelement vertex 3\nproperty float x\nproperty float y\n"
                                "property float z\nelement face 4\nproperty list uchar int vertex_indices\n"
                                "end_header\n0 0 0\n1 0 0\n0 1 0\n1 0\n2 0 1\n3 0 1 2\n0\n";
        const lumeno::FormatReading reading = Read(file);
        QCOMPARE(reading.failure, ReadFailure::None);
        QCOMPARE(reading.primitivesLeftOut, qint64(2));
        QCOMPARE(Corners(reading.model), (std::vector<vtkIdType>{-3, 0, 1, 2}));
    }

    // Shared out among threads or read by one, binary records give the same model; faces
    // of different corner counts are read one by one.
    void sharedOutRecordsGiveOneModel_data()
    {
        QTest::addColumn<bool>("lastFaceTriangle");
        QTest::newRow("quads alike") << false;
        QTest::newRow("one triangle among them") << true;
    }

    void sharedOutRecordsGiveOneModel()
    {
        QFETCH(bool, lastFaceTriangle);
        const QByteArray file = Sheet(300, lastFaceTriangle);
        const lumeno::FormatReading one = Read(file, 1);
        const lumeno::FormatReading three = Read(file, 3);
        QCOMPARE(one.failure, ReadFailure::None);
        QCOMPARE(three.failure, ReadFailure::None);
        QCOMPARE(one.model->GetNumberOfPolys(), vtkIdType(299 * 299));
        const std::vector<vtkIdType> corners = Corners(three.model);
        QCOMPARE(corners, Corners(one.model));
        QCOMPARE(corners[corners.size() - (lastFaceTriangle ? 4 : 5)], vtkIdType(lastFaceTriangle ? -3 : -4));
        double point[3];
        three.model->GetPoint(300 * 300 - 1, point);
        QCOMPARE(point[0], 299.0);
        QCOMPARE(point[2], double(299 * 299 % 7));
    }

    void refusesDamagedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<ReadFailure>("failure");
        const QByteArray header = "ply\nformat ascii 1.0\nelement vertex 3\nproperty float x\nproperty float y\n"
                                  "property float z\nelement face 1\nproperty list uchar int vertex_indices\n"
                                  "end_header\n";
        const QByteArray vertices = "0 0 0\n1 0 0\n0 1 0\n";
        const auto row = [](const char *name, const QByteArray &file, ReadFailure failure = ReadFailure::DamagedFile) {
            QTest::newRow(name) << file << failure;
        };
        row("valid", header + vertices + "3 0 1 2\n", ReadFailure::None);
        row("index past the vertices", header + vertices + "3 0 1 3\n");
        row("negative index", header + vertices + "3 0 -1 2\n");
        row("list longer than the bound", header + vertices + "300 0 1 2\n");
        row("not a finite number", header + "0 0 0\n1 nan 0\n0 1 0\n3 0 1 2\n");
        row("infinite in float", header + "0 0 0\n1e39 0 0\n0 1 0\n3 0 1 2\n");
        row("body cut short", header + vertices + "3 0 1\n");
        row("word that is no number", header + vertices + "3 0 one 2\n");
        row("header without end", QByteArray(header).replace("end_header\n", "") + vertices);
        row("garbage", testing::RandomBytes(4096, 5));
        row("garbage after ply", "ply\n" + testing::RandomBytes(4096, 5));
        row("no format", QByteArray(header).replace("format ascii 1.0\n", "") + vertices + "3 0 1 2\n");
        row("unknown format", QByteArray(header).replace("ascii", "binary_middle_endian") + vertices);
        row("unknown type", QByteArray(header).replace("float z", "quad z") + vertices + "3 0 1 2\n");
        row("no z", QByteArray(header).replace("property float z\n", "") + "0 0\n1 0\n0 1\n3 0 1 2\n");
        row("no index list", QByteArray(header).replace("vertex_indices", "corners") + vertices + "3 0 1 2\n");
        row("fractions for indices",
            QByteArray(header).replace("uchar int", "uchar float") + vertices + "3 0 1 2\n");
        row("more vertices than the file holds", QByteArray(header).replace("vertex 3", "vertex 4000000000"));
        row("more faces than the file holds",
            QByteArray(header).replace("face 1", "face 18446744073709551615") + vertices + "3 0 1 2\n");
        row("two vertex elements", QByteArray(header).replace("element face", "element vertex") + vertices);
        row("point cloud", QByteArray(header).replace("element face 1", "element face 0"), ReadFailure::NoTriangles);

        PlyFile binary("binary_little_endian");
        binary.Line("element vertex 3\nproperty float x\nproperty float y\nproperty float z");
        binary.Line("element face 1\nproperty list uchar int vertex_indices");
        binary.Values("float", {0, 1, 2, 3, 4, 5, 6, 7, 8});
        binary.Value("uchar", 3);
        binary.Values("int", {0, 1});
        const QByteArray cut = binary.Bytes();
        row("binary body cut in a face", cut);
        binary.Value("int", 7);
        row("binary index past the vertices", binary.Bytes());
        row("binary body cut in the vertices", cut.left(cut.indexOf("end_header\n") + 11 + 20));
    }

    void refusesDamagedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(ReadFailure, failure);
        QCOMPARE(Read(file).failure, failure);
        // The reading as a whole, its checks of the header before the reader too (its message: test_reading).
        const lumeno::ReadResult result = testing::ReadBytes(QStringLiteral("damaged.ply"), file);
        QCOMPARE(result.failure, failure);
        QVERIFY(!result.model == (failure != ReadFailure::None));
    }
};

LUMENO_CORE_TEST_MAIN(TestReadPly)
#include "test_read_ply.moc"
