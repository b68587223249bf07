// Our OBJ writer: the exact text it writes, number formatting and write failures.
#include "TestSupport.h"

#include "io/vtkOBJWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <vtkCellArray.h>
#include <vtkDoubleArray.h>
#include <vtkErrorCode.h>
#include <vtkExecutive.h>
#include <vtkFloatArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <cstdio>
#include <functional>
#include <random>

namespace {

const QByteArray Header = "# wavefront obj file lumeno3D\n\nmtllib NONE\n\n";
const QByteArray Group = "\ng grp1\nusemtl mtlNONE\n";

vtkSmartPointer<vtkPoints> DoublePoints(std::initializer_list<std::array<double, 3>> coordinates)
{
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->SetDataTypeToDouble();
    for (const auto &p : coordinates)
        points->InsertNextPoint(p.data());
    return points;
}

using CellList = std::vector<std::vector<vtkIdType>>;

vtkSmartPointer<vtkCellArray> Cells(const CellList &cells)
{
    auto array = vtkSmartPointer<vtkCellArray>::New();
    for (const auto &cell : cells) {
        array->InsertNextCell(static_cast<vtkIdType>(cell.size()));
        for (vtkIdType id : cell)
            array->InsertCellPoint(id);
    }
    return array;
}

// (0,0,0), (1,0,0), (0,1,0) and, for strips and lines, (1,1,0).
vtkSmartPointer<vtkPolyData> Square()
{
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->SetPoints(DoublePoints({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}}));
    return model;
}

vtkSmartPointer<vtkFloatArray> Tuples(int components, std::initializer_list<float> values)
{
    auto array = vtkSmartPointer<vtkFloatArray>::New();
    array->SetNumberOfComponents(components);
    for (float value : values)
        array->InsertNextValue(value);
    return array;
}

using Build = std::function<vtkSmartPointer<vtkPolyData>()>;

// The square's points with the given cells and, when given, normals and texture coordinates per point.
Build Model(const CellList &verts, const CellList &lines, const CellList &polys, const CellList &strips,
            bool normals = false, bool tcoords = false)
{
    return [=] {
        auto model = Square();
        model->SetVerts(Cells(verts));
        model->SetLines(Cells(lines));
        model->SetPolys(Cells(polys));
        model->SetStrips(Cells(strips));
        if (normals)
            model->GetPointData()->SetNormals(Tuples(3, {0, 0, 1, 0, 0, 1, 0, 0.5f, -1, 0, 0, 1}));
        if (tcoords)
            model->GetPointData()->SetTCoords(Tuples(2, {0, 0, 1, 0, 0, 1, 1, 1}));
        return model;
    };
}

} // namespace

Q_DECLARE_METATYPE(Build)

class TestObjWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir folder{testing::SandboxPath() + QStringLiteral("/obj-XXXXXX")};

    QString Path(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }

    // Runs the writer as saving does (input, name, update) into the same file each time, so a
    // shorter text after a longer one shows a file that was not replaced.
    QByteArray WriteAndRead(vtkPolyData *model)
    {
        const QString path = Path("model.obj");
        auto writer = vtkSmartPointer<lumeno::vtkOBJWriter>::New();
        writer->SetInputData(model);
        writer->SetFileName(QFile::encodeName(path).constData());
        if (writer->GetExecutive()->Update() != 1)
            return "write failed";
        return testing::Contents(path);
    }

private slots:
    void exactText_data()
    {
        QTest::addColumn<Build>("build");
        QTest::addColumn<QByteArray>("cells"); // the text after the points and attributes
        QTest::addColumn<QByteArray>("attributes"); // the text between the points and the group
        const QByteArray n = "vn 0 0 1\nvn 0 0 1\nvn 0 0.5 -1\nvn 0 0 1\n";
        const QByteArray t = "vt 0 0\nvt 1 0\nvt 0 1\nvt 1 1\n";
        QTest::newRow("triangle") << Model({}, {}, {{0, 1, 2}}, {}) << QByteArray("f 1 2 3 \n") << QByteArray();
        QTest::newRow("normals index like points") << Model({}, {}, {{0, 1, 2}}, {}, true)
                                                    << QByteArray("f 1//1 2//2 3//3 \n") << n;
        QTest::newRow("texture coordinates") << Model({}, {}, {{0, 1, 2}}, {}, false, true)
                                             << QByteArray("f 1/1 2/2 3/3 \n") << t;
        QTest::newRow("both") << Model({}, {}, {{0, 1, 2}}, {}, true, true) << QByteArray("f 1/1/1 2/2/2 3/3/3 \n")
                              << n + t;
        QTest::newRow("polyline") << Model({}, {{0, 1, 2}}, {}, {}) << QByteArray("l 1 2 3 \n") << QByteArray();
        // Lines refer to texture coordinates only, never to normals.
        QTest::newRow("polyline with both") << Model({}, {{0, 1, 2}}, {}, {}, true, true)
                                            << QByteArray("l 1/1 2/2 3/3 \n") << n + t;
        QTest::newRow("strips, no trailing blank") << Model({}, {}, {}, {{0, 1, 2, 3}, {0, 1}})
                                                   << QByteArray("f 2 1 3\nf 3 2 4\n") << QByteArray();
        QTest::newRow("strips with normals") << Model({}, {}, {}, {{0, 1, 2, 3}}, true)
                                             << QByteArray("f 2//2 1//1 3//3\nf 3//3 2//2 4//4\n") << n;
        QTest::newRow("strips with both") << Model({}, {}, {}, {{0, 1, 2, 3}}, true, true)
                                          << QByteArray("f 2/2/2 1/1/1 3/3/3\nf 3/3/3 2/2/2 4/4/4\n") << n + t;
        QTest::newRow("strips with texture") << Model({}, {}, {}, {{0, 1, 2, 3}}, false, true)
                                             << QByteArray("f 2/2 1/1 3/3\nf 3/3 2/2 4/4\n") << t;
        QTest::newRow("vertices, lines, polygons, strips")
            << Model({{0}, {1, 3}}, {{3, 0}}, {{0, 1, 3, 2}}, {{0, 1, 2}})
            << QByteArray("p 1 \np 2 4 \nl 4 1 \nf 1 2 4 3 \nf 2 1 3\n") << QByteArray();
    }

    void exactText()
    {
        QFETCH(Build, build);
        QFETCH(QByteArray, cells);
        QFETCH(QByteArray, attributes);
        QCOMPARE(WriteAndRead(build()),
                 Header + "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\n" + attributes + Group + cells);
    }

    void emptyModelGivesHeaderAndGroup()
    {
        QCOMPARE(WriteAndRead(vtkSmartPointer<vtkPolyData>::New()), Header + Group);
    }

    void numbersLikePrintfG()
    {
        auto model = vtkSmartPointer<vtkPolyData>::New();
        model->SetPoints(DoublePoints({{0.1234567, 2.5, 3.0}, {1e6, 1e-5, -1.5}, {-0.0, 123456.4, 1234567.0},
                                       {0.0001, 0.00001234567, -1e100}}));
        QCOMPARE(WriteAndRead(model), Header +
                                          "v 0.123457 2.5 3\n"
                                          "v 1e+06 1e-05 -1.5\n"
                                          "v -0 123456 1.23457e+06\n"
                                          "v 0.0001 1.23457e-05 -1e+100\n" +
                                          Group);
    }

    void floatPointsAreWrittenAsTheirDoubleValue()
    {
        std::mt19937 random(7);
        std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
        std::uniform_int_distribution<int> exponent(-8, 8);
        auto points = vtkSmartPointer<vtkPoints>::New(); // float
        QByteArray expected = Header;
        for (int i = 0; i < 2000; ++i) {
            float p[3];
            char line[128];
            for (float &c : p)
                c = static_cast<float>(mantissa(random) * std::pow(10.0, exponent(random)));
            points->InsertNextPoint(p);
            std::snprintf(line, sizeof line, "v %g %g %g\n", double(p[0]), double(p[1]), double(p[2]));
            expected += line;
        }
        auto model = vtkSmartPointer<vtkPolyData>::New();
        model->SetPoints(points);
        QCOMPARE(WriteAndRead(model), expected + Group);
    }

    void unwritableTargetIsAnError_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("expectedCode");
        QTest::newRow("missing folder") << Path("missing/model.obj") << int(vtkErrorCode::CannotOpenFileError);
        QTest::newRow("under a regular file") << Path("plain.txt/model.obj")
                                               << int(vtkErrorCode::CannotOpenFileError);
        QTest::newRow("full device") << QStringLiteral("/dev/full") << int(vtkErrorCode::OutOfDiskSpaceError);
        QTest::newRow("no name") << QString() << int(vtkErrorCode::NoFileNameError);
    }

    void unwritableTargetIsAnError()
    {
        QFETCH(QString, path);
        QFETCH(int, expectedCode);
        QFile plain(Path("plain.txt"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();

        auto writer = vtkSmartPointer<lumeno::vtkOBJWriter>::New();
        writer->SetInputData(testing::Sphere(64, 64)); // more text than one buffer of the C library
        if (!path.isEmpty())
            writer->SetFileName(QFile::encodeName(path).constData());
        QCOMPARE(writer->GetExecutive()->Update(), 0);
        QCOMPARE(int(writer->GetErrorCode()), expectedCode);
        if (path.startsWith(folder.path()))
            QVERIFY(!QFile::exists(path));
    }
};

LUMENO_CORE_TEST_MAIN(TestObjWriter)

#include "test_objwriter.moc"
