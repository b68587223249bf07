// Writing models by suffix: modes and links kept, refused writes harmless, the dialog's transform,
// and our OBJ writer's exact text and numbers (its write failures: the full-disk rows of test_cli).
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "io/write/ModelWriter.h"
#include "io/write/ObjFileWriter.h"
#include "io/write/LevelSizes.h"
#include "model/ModelTransform.h"
#include "model/PointAttributes.h"

#include <vtkExecutive.h>
#include <vtkFloatArray.h>
#include <vtkPointData.h>
#include <vtkTransform.h>
#include <vtkUnsignedCharArray.h>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

const QByteArray Header = "# wavefront obj file lumeno3D\n\nmtllib NONE\n\n";
const QByteArray Group = "\ng grp1\nusemtl mtlNONE\n";

using CellList = std::vector<std::vector<vtkIdType>>;

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
    model->SetVerts(testing::Cells(verts));
    model->SetLines(testing::Cells(lines));
    model->SetPolys(testing::Cells(polys));
    model->SetStrips(testing::Cells(strips));
    if (normals)
        model->GetPointData()->SetNormals(Tuples(3, {0, 0, 1, 0, 0, 1, 0, 0.5f, -1, 0, 0, 1}));
    if (tcoords)
        model->GetPointData()->SetTCoords(Tuples(2, {0, 0, 1, 0, 0, 1, 1, 1}));
    return model;
}

// A square of two triangles whose points carry colours (with opacity when asked), normals and
// texture coordinates; its last point lies where the second does with other texture
// coordinates: a seam.
vtkSmartPointer<vtkPolyData> AttributedSquare(bool opacity)
{
    auto model = Model({}, {}, {{0, 1, 2}, {4, 3, 2}}, {});
    model->GetPoints()->InsertNextPoint(1, 0, 0);
    model->GetPointData()->SetNormals(Tuples(3, {0, 0, 1, 0, 0.6f, 0.8f, 0, -0.6f, 0.8f, 1, 0, 0, 0, 0, -1}));
    model->GetPointData()->SetTCoords(Tuples(2, {0, 0, 0.5f, 0, 0, 1, 1, 1, 0.75f, 0.25f}));
    auto colours = vtkSmartPointer<vtkUnsignedCharArray>::New();
    colours->SetNumberOfComponents(opacity ? 4 : 3);
    for (int i = 0; i < 5 * colours->GetNumberOfComponents(); ++i)
        colours->InsertNextValue(static_cast<unsigned char>(37 * i + 11));
    model->GetPointData()->SetScalars(colours);
    return model;
}

bool SameTuples(vtkDataArray *written, vtkDataArray *read)
{
    if (!written || !read || written->GetNumberOfValues() != read->GetNumberOfValues() ||
        written->GetNumberOfComponents() != read->GetNumberOfComponents())
        return false;
    for (vtkIdType i = 0; i < written->GetNumberOfValues(); ++i)
        if (std::abs(written->GetVariantValue(i).ToDouble() - read->GetVariantValue(i).ToDouble()) > 1e-6)
            return false;
    return true;
}

} // namespace

Q_DECLARE_METATYPE(vtkSmartPointer<vtkPolyData>)

class TestModelWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir folder{testing::SandboxPath() + QStringLiteral("/models-XXXXXX")};
    vtkSmartPointer<vtkPolyData> sphere = testing::Sphere(24, 16);

    QString Path(const QString &name) const { return folder.filePath(name); }

    // Runs our OBJ writer as saving does (input, name, update).
    QByteArray WriteAndRead(vtkPolyData *model)
    {
        auto writer = vtkSmartPointer<lumeno::ObjFileWriter>::New();
        writer->SetInputData(model);
        writer->SetFileName(QFile::encodeName(Path(QStringLiteral("model.obj"))).constData());
        return writer->GetExecutive()->Update() == 1 ? testing::Contents(Path(QStringLiteral("model.obj"))) : "failed";
    }

private slots:
    void cleanup()
    {
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
    }

    // Written through a symbolic link, which must keep pointing at the new content, to a file only
    // writable: Qt's own copy of permissions would add the owner's read permission for the superuser.
    void replacingKeepsTheModeAndTheLink()
    {
        const QString target = Path(QStringLiteral("old.stl"));
        const QString link = Path(QStringLiteral("link.stl"));
        QVERIFY(testing::WriteBytes(target, "old content"));
        QVERIFY(QFile::link(target, link));
        QVERIFY(QFile::setPermissions(target, QFile::WriteOwner | QFile::WriteGroup));
        const QFile::Permissions permissions = QFile::permissions(target);
        for (const char *suffix : {"stl", "ply", "obj"}) {
            const lumeno::ModelWriteResult result = lumeno::WriteModelFile(sphere, link, QString::fromLatin1(suffix));
            QVERIFY2(result.written, qPrintable(result.error));
        }
        QString reason;
        QVERIFY2(lumeno::ReplaceFileContent(link, "ply", 3, &reason), qPrintable(reason)); // through QSaveFile
        QCOMPARE(QFile::permissions(target), permissions);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"link.stl", "old.stl"}));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(testing::Contents(target), QByteArray("ply"));
    }

    // Every refused write names the file and leaves the folder as it was: no file replaced,
    // none created, no temporary file. In names, %1 is each of stl, ply and obj.
    void refusedWritesLeaveEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown suffix") << "model.vtk" << "sphere" << "";
        QTest::newRow("missing folder") << "missing/model.%1" << "sphere" << "";
        QTest::newRow("a folder") << "folder.%1" << "sphere" << "";
        QTest::newRow("no triangle") << "target.%1" << "empty" << "The model has no triangles.";
        QTest::newRow("infinite coordinate") << "target.%1" << "inf" << "not finite numbers";
        // Even for the superuser, who may write it.
        QTest::newRow("write-protected") << "protected.%1" << "sphere" << "The file is write-protected.";
    }

    void refusedWritesLeaveEverythingAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(QString, model);
        QFETCH(QString, reason);
        QVERIFY(testing::WriteBytes(Path(QStringLiteral("model.vtk")), "keep me"));
        auto input = vtkSmartPointer<vtkPolyData>::New();
        if (model != QLatin1String("empty"))
            input->DeepCopy(sphere);
        if (model == QLatin1String("inf"))
            input->GetPoints()->SetPoint(7, 0.0, HUGE_VAL, 0.0);
        for (const QString format : {"stl", "ply", "obj"}) {
            QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.") + format));
            QVERIFY(testing::WriteBytes(Path(QStringLiteral("target.") + format), "previous"));
            QVERIFY(testing::WriteBytes(Path(QStringLiteral("protected.") + format), "previous"));
            QVERIFY(QFile::setPermissions(Path(QStringLiteral("protected.") + format), QFile::ReadOwner));
        }
        const QStringList before = testing::FolderState(folder.path());
        for (const QString format : {"stl", "ply", "obj"}) {
            const QString path = Path(QString(name).replace(QStringLiteral("%1"), format));
            const lumeno::ModelWriteResult result = lumeno::WriteModelFile(input, path, QFileInfo(path).suffix());
            QVERIFY(!result.written);
            QVERIFY2(result.error.contains(path) && result.error.contains(reason), qPrintable(result.error));
        }
        QCOMPARE(testing::FolderState(folder.path()), before);
    }

    // The temporary file beside the target must fit the name limit too, a name is no pattern
    // to fill, and any name the file system takes will do.
    void namesThatFillTheNameLimitOrHoldPlaceholders()
    {
        const QString longName = QString(251, QLatin1Char('m')) + QStringLiteral(".obj");
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("100%1 %2")));
        for (const QString &path : {Path(longName), Path(QStringLiteral("100%1 %2/%1.ply")),
                                    Path(QStringLiteral("mod\u00e8le \u6a21\u578b.Stl"))}) {
            QVERIFY(testing::WriteBytes(path, "old"));
            const lumeno::ModelWriteResult result = lumeno::WriteModelFile(sphere, path, QFileInfo(path).suffix());
            QVERIFY2(result.written, qPrintable(result.error));
            QVERIFY(testing::Contents(path).size() > 1000);
        }
    }

    // What the format holds comes back from our reader point for point, in their order, the
    // seam's two points included; a binary PLY has exactly the size the level buttons tell.
    void attributesComeBackFromTheFile_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("opacity");
        QTest::newRow("ply rgb") << "ply" << false;
        for (const char *suffix : {"ply", "obj", "stl", "off", "glb", "gltf", "3mf"})
            QTest::newRow(suffix) << suffix << true;
    }

    void attributesComeBackFromTheFile()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, opacity);
        const vtkSmartPointer<vtkPolyData> model = AttributedSquare(opacity);
        const lumeno::PointAttributes carried = lumeno::AttributesOf(model);
        QVERIFY(carried.colours && carried.normals && carried.textureCoordinates && carried.colourOpacity == opacity);
        const QString path = Path(QStringLiteral("square.") + suffix);
        QVERIFY(lumeno::WriteModelFile(model, path, suffix).written);
        const lumeno::ReadResult read = lumeno::ReadModel(path, suffix);
        QVERIFY(read.model);
        const lumeno::PointAttributes kept = carried.Within(lumeno::AttributesWritable(suffix));
        QCOMPARE(lumeno::AttributesOf(read.model), kept);
        QCOMPARE(lumeno::AttributesNotSaved(model, suffix), carried.Without(kept));
        QCOMPARE(read.model->GetNumberOfPolys(), vtkIdType(2));
        QVERIFY(read.partsMerged <= 1); // written as one part
        if (suffix == QLatin1String("stl"))
            return;
        QVERIFY(SameTuples(model->GetPoints()->GetData(), read.model->GetPoints()->GetData()));
        vtkPointData *written = model->GetPointData(), *back = read.model->GetPointData();
        QVERIFY(!kept.normals || SameTuples(written->GetNormals(), back->GetNormals()));
        QVERIFY(!kept.textureCoordinates || SameTuples(written->GetTCoords(), back->GetTCoords()));
        QVERIFY(!kept.colours || SameTuples(written->GetScalars(), back->GetScalars()));
        if (suffix == QLatin1String("ply"))
            QCOMPARE(QFileInfo(path).size(), lumeno::SavedModelSize(suffix, 2, 5, carried));
    }

    // Scaling comes first, then the rotations about X, Y and Z in that order, all about the origin.
    void transformScalesThenRotatesInTheOrderXYZ()
    {
        const double scale[3] = {3, 1, 1}, quarterY[3] = {0, 90, 0}, ones[3] = {1, 1, 1}, quarterXZ[3] = {90, 0, 90};
        double p[3] = {1, 0, 5}, q[3] = {0, 1, 0};
        const double expectedP[3] = {5, 0, -3}, expectedQ[3] = {0, 0, 1}; // q turned about x first, then z
        lumeno::MakeModelTransform(scale, quarterY)->TransformPoint(p, p);
        lumeno::MakeModelTransform(ones, quarterXZ)->TransformPoint(q, q);
        for (int i = 0; i < 3; ++i)
            QVERIFY(std::abs(p[i] - expectedP[i]) < 1e-12 && std::abs(q[i] - expectedQ[i]) < 1e-12);
    }

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

LUMENO_CORE_TEST_MAIN(TestModelWriter)
#include "test_modelwriter.moc"
