// Our OBJ writer: the exact text it writes, number formatting and write failures.
#include "TestSupport.h"

#include "io/vtkOBJWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <vtkCallbackCommand.h>
#include <vtkCellArray.h>
#include <vtkDoubleArray.h>
#include <vtkErrorCode.h>
#include <vtkExecutive.h>
#include <vtkFloatArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <cstdio>
#include <random>
#include <sstream>

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

vtkSmartPointer<vtkCellArray> Cells(std::initializer_list<std::initializer_list<vtkIdType>> cells)
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

vtkSmartPointer<vtkPolyData> Triangle()
{
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->SetPoints(DoublePoints({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}));
    model->SetPolys(Cells({{0, 1, 2}}));
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

// Counts the errors a VTK object reports.
struct ErrorCounter
{
    explicit ErrorCounter(vtkObject *object)
    {
        callback->SetClientData(this);
        callback->SetCallback([](vtkObject *, unsigned long, void *self, void *) {
            ++static_cast<ErrorCounter *>(self)->errors;
        });
        object->AddObserver(vtkCommand::ErrorEvent, callback);
    }
    vtkNew<vtkCallbackCommand> callback;
    int errors = 0;
};

} // namespace

class TestObjWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir folder{testing::SandboxPath() + QStringLiteral("/obj-XXXXXX")};

    QString Path(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }

    // Runs the writer as saving does (input, name, update); returns the executive's answer.
    int Write(vtkPolyData *model, const QString &path, unsigned long *errorCode = nullptr)
    {
        auto writer = vtkSmartPointer<lumeno::vtkOBJWriter>::New();
        writer->SetInputData(model);
        writer->SetFileName(QFile::encodeName(path).constData());
        const int result = writer->GetExecutive()->Update();
        if (errorCode)
            *errorCode = writer->GetErrorCode();
        return result;
    }

    QByteArray WriteAndRead(vtkPolyData *model)
    {
        const QString path = Path("model.obj");
        if (Write(model, path) != 1)
            return "write failed";
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
    }

private slots:
    void isAVtkAlgorithmNamedVtkOBJWriter()
    {
        auto writer = vtkSmartPointer<lumeno::vtkOBJWriter>::New();
        QCOMPARE(writer->GetClassName(), "vtkOBJWriter");
        QVERIFY(writer->IsA("vtkOBJWriter"));
        QVERIFY(writer->IsA("vtkPolyDataAlgorithm"));
        QCOMPARE(writer->GetNumberOfInputPorts(), 1);
        QCOMPARE(writer->GetNumberOfOutputPorts(), 0);
        QVERIFY(!writer->GetFileName());

        std::ostringstream unnamed;
        writer->Print(unnamed);
        QVERIFY(unnamed.str().find("FileName: (null)\n") != std::string::npos);
        writer->SetFileName("a.obj");
        std::ostringstream named;
        writer->Print(named);
        QVERIFY(named.str().find("FileName: a.obj\n") != std::string::npos);
        writer->SetFileName(nullptr);
        QVERIFY(!writer->GetFileName());
    }

    void oneTriangleGivesElevenLines()
    {
        const QByteArray text = WriteAndRead(Triangle());
        QCOMPARE(text, Header + "v 0 0 0\nv 1 0 0\nv 0 1 0\n" + Group + "f 1 2 3 \n");
        QCOMPARE(text.count('\n'), 11);
    }

    void emptyModelGivesSevenLines()
    {
        const QByteArray text = WriteAndRead(vtkSmartPointer<vtkPolyData>::New());
        QCOMPARE(text, Header + Group);
        QCOMPARE(text.count('\n'), 7);
    }

    void normalsFollowThePointsAndIndexLikeThem()
    {
        auto model = Triangle();
        auto normals = Tuples(3, {0, 0, 1, 0, 0, 1, 0, 0.5f, -1});
        model->GetPointData()->SetNormals(normals);
        QCOMPARE(WriteAndRead(model), Header + "v 0 0 0\nv 1 0 0\nv 0 1 0\n" +
                                          "vn 0 0 1\nvn 0 0 1\nvn 0 0.5 -1\n" + Group + "f 1//1 2//2 3//3 \n");
    }

    void textureCoordinatesFollowThePoints()
    {
        auto model = Triangle();
        model->GetPointData()->SetTCoords(Tuples(2, {0, 0, 1, 0, 0, 1}));
        QCOMPARE(WriteAndRead(model), Header + "v 0 0 0\nv 1 0 0\nv 0 1 0\n" + "vt 0 0\nvt 1 0\nvt 0 1\n" + Group +
                                          "f 1/1 2/2 3/3 \n");
    }

    void normalsAndTextureCoordinatesTogether()
    {
        auto model = Triangle();
        model->GetPointData()->SetNormals(Tuples(3, {0, 0, 1, 0, 0, 1, 0, 0, 1}));
        model->GetPointData()->SetTCoords(Tuples(2, {0, 0, 1, 0, 0, 1}));
        QCOMPARE(WriteAndRead(model), Header + "v 0 0 0\nv 1 0 0\nv 0 1 0\n" + "vn 0 0 1\nvn 0 0 1\nvn 0 0 1\n" +
                                          "vt 0 0\nvt 1 0\nvt 0 1\n" + Group + "f 1/1/1 2/2/2 3/3/3 \n");
    }

    void polylineCells()
    {
        auto model = Square();
        model->SetLines(Cells({{0, 1, 2}}));
        QCOMPARE(WriteAndRead(model),
                 Header + "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\n" + Group + "l 1 2 3 \n");

        // Lines refer to texture coordinates only, never to normals.
        model->GetPointData()->SetNormals(Tuples(3, {0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1}));
        model->GetPointData()->SetTCoords(Tuples(2, {0, 0, 1, 0, 0, 1, 1, 1}));
        QVERIFY(WriteAndRead(model).endsWith(Group + "l 1/1 2/2 3/3 \n"));
    }

    void stripTrianglesHaveNoTrailingBlank()
    {
        auto model = Square();
        model->SetStrips(Cells({{0, 1, 2, 3}, {0, 1}}));
        QCOMPARE(WriteAndRead(model),
                 Header + "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\n" + Group + "f 2 1 3\nf 3 2 4\n");

        model->GetPointData()->SetNormals(Tuples(3, {0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1}));
        QVERIFY(WriteAndRead(model).endsWith(Group + "f 2//2 1//1 3//3\nf 3//3 2//2 4//4\n"));
        model->GetPointData()->SetTCoords(Tuples(2, {0, 0, 1, 0, 0, 1, 1, 1}));
        QVERIFY(WriteAndRead(model).endsWith(Group + "f 2/2/2 1/1/1 3/3/3\nf 3/3/3 2/2/2 4/4/4\n"));
        model->GetPointData()->SetNormals(nullptr);
        QVERIFY(WriteAndRead(model).endsWith(Group + "f 2/2 1/1 3/3\nf 3/3 2/2 4/4\n"));
    }

    void cellKindsInOrderVerticesLinesPolygonsStrips()
    {
        auto model = Square();
        model->SetStrips(Cells({{0, 1, 2}}));
        model->SetPolys(Cells({{0, 1, 3, 2}}));
        model->SetLines(Cells({{3, 0}}));
        model->SetVerts(Cells({{0}, {1, 3}}));
        QVERIFY(WriteAndRead(model).endsWith(Group + "p 1 \np 2 4 \nl 4 1 \nf 1 2 4 3 \nf 2 1 3\n"));
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

    void writingAgainReplacesTheFile()
    {
        auto square = Square();
        square->SetPolys(Cells({{0, 1, 3, 2}}));
        QVERIFY(WriteAndRead(square).endsWith("f 1 2 4 3 \n"));
        QCOMPARE(WriteAndRead(Triangle()), Header + "v 0 0 0\nv 1 0 0\nv 0 1 0\n" + Group + "f 1 2 3 \n");
    }

    void unwritableTargetIsAnError_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("expectedCode");
        QTest::newRow("missing folder") << Path("missing/model.obj") << int(vtkErrorCode::CannotOpenFileError);
        QTest::newRow("under a regular file") << Path("plain.txt/model.obj")
                                               << int(vtkErrorCode::CannotOpenFileError);
        QTest::newRow("full device") << QStringLiteral("/dev/full") << int(vtkErrorCode::OutOfDiskSpaceError);
    }

    void unwritableTargetIsAnError()
    {
        QFETCH(QString, path);
        QFETCH(int, expectedCode);
        QFile plain(Path("plain.txt"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();

        auto writer = vtkSmartPointer<lumeno::vtkOBJWriter>::New();
        ErrorCounter counter(writer);
        writer->SetInputData(testing::Sphere(64, 64)); // more text than one buffer of the C library
        writer->SetFileName(QFile::encodeName(path).constData());
        QCOMPARE(writer->GetExecutive()->Update(), 0);
        QCOMPARE(int(writer->GetErrorCode()), expectedCode);
        QCOMPARE(counter.errors, 1);
        if (path != QLatin1String("/dev/full"))
            QVERIFY(!QFile::exists(path));
    }

    void noFileNameIsAnError()
    {
        auto writer = vtkSmartPointer<lumeno::vtkOBJWriter>::New();
        ErrorCounter counter(writer);
        writer->SetInputData(Triangle());
        QCOMPARE(writer->GetExecutive()->Update(), 0);
        QCOMPARE(int(writer->GetErrorCode()), int(vtkErrorCode::NoFileNameError));
        QCOMPARE(counter.errors, 1);
    }
};

int main(int argc, char *argv[])
{
    testing::IsolateEnvironment();
    QCoreApplication app(argc, argv);
    TestObjWriter test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_objwriter.moc"
