// Our OBJ writer's exact text and numbers; its write failures show in the full-disk rows of test_cli.
#include "TestSupport.h"

#include "io/vtkOBJWriter.h"

#include <vtkExecutive.h>
#include <vtkFloatArray.h>
#include <vtkPointData.h>

#include <cstdio>
#include <random>

namespace {

const QByteArray Header = "# wavefront obj file lumeno3D\n\nmtllib NONE\n\n";
const QByteArray Group = "\ng grp1\nusemtl mtlNONE\n";

using CellList = std::vector<std::vector<vtkIdType>>;

vtkSmartPointer<vtkCellArray> Cells(const CellList &cells)
{
    auto array = vtkSmartPointer<vtkCellArray>::New();
    for (const auto &cell : cells)
        array->InsertNextCell(vtkIdType(cell.size()), cell.data());
    return array;
}

vtkSmartPointer<vtkFloatArray> Tuples(int components, std::initializer_list<float> values)
{
    auto array = vtkSmartPointer<vtkFloatArray>::New();
    array->SetNumberOfComponents(components);
    for (float value : values)
        array->InsertNextValue(value);
    return array;
}

// Points (0,0,0), (1,0,0), (0,1,0), (1,1,0) with these cells and, when asked, normals and texture coordinates.
vtkSmartPointer<vtkPolyData> Model(const CellList &verts, const CellList &lines, const CellList &polys,
                                   const CellList &strips, bool normals = false, bool tcoords = false)
{
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->SetPoints(vtkSmartPointer<vtkPoints>::New());
    for (const auto &p : {std::array<double, 3>{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}})
        model->GetPoints()->InsertNextPoint(p.data());
    model->SetVerts(Cells(verts));
    model->SetLines(Cells(lines));
    model->SetPolys(Cells(polys));
    model->SetStrips(Cells(strips));
    if (normals)
        model->GetPointData()->SetNormals(Tuples(3, {0, 0, 1, 0, 0, 1, 0, 0.5f, -1, 0, 0, 1}));
    if (tcoords)
        model->GetPointData()->SetTCoords(Tuples(2, {0, 0, 1, 0, 0, 1, 1, 1}));
    return model;
}

} // namespace

Q_DECLARE_METATYPE(vtkSmartPointer<vtkPolyData>)

class TestObjWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir folder{testing::SandboxPath() + QStringLiteral("/obj-XXXXXX")};

    // Runs the writer as saving does (input, name, update) into the same file each time, so a
    // shorter text after a longer one shows a file that was not replaced.
    QByteArray WriteAndRead(vtkPolyData *model)
    {
        const QString path = folder.filePath(QStringLiteral("model.obj"));
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
        QTest::addColumn<vtkSmartPointer<vtkPolyData>>("model");
        QTest::addColumn<QByteArray>("cells"); // the text after the points and attributes
        QTest::addColumn<QByteArray>("attributes"); // the text between the points and the group
        const QByteArray n = "vn 0 0 1\nvn 0 0 1\nvn 0 0.5 -1\nvn 0 0 1\n";
        const QByteArray t = "vt 0 0\nvt 1 0\nvt 0 1\nvt 1 1\n";
        QTest::newRow("normals") << Model({}, {}, {{0, 1, 2}}, {{0, 1, 2, 3}}, true)
                                 << QByteArray("f 1//1 2//2 3//3 \nf 2//2 1//1 3//3\nf 3//3 2//2 4//4\n") << n;
        QTest::newRow("texture coordinates") << Model({}, {}, {{0, 1, 2}}, {{0, 1, 2, 3}}, false, true)
                                             << QByteArray("f 1/1 2/2 3/3 \nf 2/2 1/1 3/3\nf 3/3 2/2 4/4\n") << t;
        // Lines refer to texture coordinates only, never to normals.
        QTest::newRow("both") << Model({}, {{0, 1, 2}}, {{0, 1, 2}}, {{0, 1, 2, 3}}, true, true)
                              << QByteArray("l 1/1 2/2 3/3 \nf 1/1/1 2/2/2 3/3/3 \n"
                                            "f 2/2/2 1/1/1 3/3/3\nf 3/3/3 2/2/2 4/4/4\n")
                              << n + t;
        // A strip of two points has no triangle; strips have no trailing blank.
        QTest::newRow("vertices, lines, polygons, strips")
            << Model({{0}, {1, 3}}, {{3, 0}}, {{0, 1, 3, 2}}, {{0, 1, 2}, {0, 1}})
            << QByteArray("p 1 \np 2 4 \nl 4 1 \nf 1 2 4 3 \nf 2 1 3\n") << QByteArray();
    }

    void exactText()
    {
        QFETCH(vtkSmartPointer<vtkPolyData>, model);
        QFETCH(QByteArray, cells);
        QFETCH(QByteArray, attributes);
        QCOMPARE(WriteAndRead(model),
                 Header + "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\n" + attributes + Group + cells);
        QCOMPARE(WriteAndRead(vtkSmartPointer<vtkPolyData>::New()), Header + Group);
    }

    // Every coordinate as printf's %g writes its double value, float points included.
    void numbersLikePrintfG()
    {
        std::mt19937 random(7);
        std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
        std::uniform_int_distribution<int> exponent(-30, 30);
        for (int type : {VTK_FLOAT, VTK_DOUBLE}) {
            auto points = vtkSmartPointer<vtkPoints>::New();
            points->SetDataType(type);
            points->InsertNextPoint(-0.0, 1e-100, 1234567.0);
            for (int i = 0; i < 2000; ++i)
                points->InsertNextPoint(mantissa(random) * std::pow(10.0, exponent(random)), mantissa(random),
                                        mantissa(random) * 1e-5);
            QByteArray expected = Header;
            for (vtkIdType i = 0; i < points->GetNumberOfPoints(); ++i) {
                const double *p = points->GetPoint(i);
                char line[128];
                std::snprintf(line, sizeof line, "v %g %g %g\n", p[0], p[1], p[2]);
                expected += line;
            }
            auto model = vtkSmartPointer<vtkPolyData>::New();
            model->SetPoints(points);
            QCOMPARE(WriteAndRead(model), expected + Group);
        }
    }
};

LUMENO_CORE_TEST_MAIN(TestObjWriter)

#include "test_objwriter.moc"
