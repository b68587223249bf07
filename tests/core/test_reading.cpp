// Reading model files without a window: good files of each format, and damaged files
// that must be refused before or after the reader without harm.
#include "TestSupport.h"

#include "io/ModelReader.h"
#include "mesh/DecimationLevels.h"
#include "mesh/MeshOperations.h"


#include <vtkDecimatePro.h>

#include <clocale>
#include <cmath>
#include <limits>

using lumeno::ReadFailure;

Q_DECLARE_METATYPE(lumeno::ReadFailure)

namespace {

// A binary little-endian PLY of a single triangle with the given corner indices.
QByteArray BinaryPly(std::vector<int32_t> indices)
{
    QByteArray bytes = QByteArrayLiteral("ply\nformat binary_little_endian 1.0\nelement vertex 3\n"
                                         "property float x\nproperty float y\nproperty float z\nelement face 1\n"
                                         "property list uchar int vertex_indices\nend_header\n");
    const float corners[9] = {0, 0, 0, 1, 0, 0, 0, 1, 0};
    bytes.append(reinterpret_cast<const char *>(corners), sizeof corners);
    bytes.append(char(3));
    bytes.append(reinterpret_cast<const char *>(indices.data()), 12);
    return bytes;
}

} // namespace

class TestReading : public QObject
{
    Q_OBJECT

private slots:
    // Run once more with LC_ALL naming a comma-decimal locale (see tests/CMakeLists.txt).
    void initTestCase()
    {
        const QByteArray decimalPoint = qgetenv("LUMENO_EXPECTED_DECIMAL_POINT");
        const char *locale = std::setlocale(LC_ALL, "");
        if (!decimalPoint.isEmpty()) {
            QVERIFY2(locale, "The C library does not know the locale of LC_ALL; scripts/setup generates it");
            QCOMPARE(QByteArray(std::localeconv()->decimal_point), decimalPoint);
        }
    }

    // Every format, unusual but valid files, and numbers read under any locale: the width
    // (extent along x; negative: not checked) shows a coordinate read wrong.
    void validFilesGiveTheirShape_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("points"); // negative: not checked
        QTest::addColumn<int>("polygons");
        QTest::addColumn<double>("width");

        auto sphere = testing::Sphere(8, 8);
        const double width = sphere->GetBounds()[1] - sphere->GetBounds()[0];
        for (const char *name : {"written.stl", "written.ply", "written.obj"}) {
            const QString path = testing::ScratchFile(QString::fromLatin1(name));
            QVERIFY(testing::WriteModel(sphere, path));
            QTest::newRow(name) << path << int(sphere->GetNumberOfPoints()) << int(sphere->GetNumberOfPolys()) << width;
        }
        QTest::newRow("ascii stl") << testing::DataFile("cube_ascii.stl") << 8 << 12 << -1.0;
        QTest::newRow("ascii ply") << testing::DataFile("tetra_ascii.ply") << 4 << 4 << -1.0;
        // Texture coordinates and normals indexed apart from the points are fine.
        QTest::newRow("obj with vt and vn") << testing::DataFile("tetra.obj") << -1 << 4 << -1.0;
        QTest::newRow("ply with CRLF line ends") << testing::DataFile("crlf.ply") << 3 << 1 << 2.5;
        QTest::newRow("ply header keywords the reader skips")
            << testing::DataFile("ply-unknown-header-keywords.ply") << 3 << 1 << 1.0;
        QTest::newRow("ply index list named vertex_indexer")
            << testing::DataFile("ply-vertex-indexer-list.ply") << 3 << 1 << 1.0;
        QTest::newRow("obj indices with plus signs") << testing::DataFile("obj-plus-signs.obj") << 6 << 2 << 1.0;
        QTest::newRow("obj face continued over lines")
            << testing::DataFile("obj-face-continuation-valid.obj") << 4 << 2 << 1.0;
        // Its name alone makes over 5 % of the first 256 bytes non-ASCII: "binary" to the reader.
        QTest::newRow("ascii stl with a Japanese name") << testing::DataFile("stl-utf8-name.stl") << 8 << 12 << 1.5;
    }

    // The suffix is given in capitals: it counts in any case.
    void validFilesGiveTheirShape()
    {
        QFETCH(QString, path);
        QFETCH(int, points);
        QFETCH(int, polygons);
        QFETCH(double, width);
        const lumeno::ReadResult result = lumeno::ReadModel(path, QFileInfo(path).suffix().toUpper());
        QCOMPARE(result.failure, ReadFailure::None);
        QVERIFY(lumeno::IsModelUsable(result.model));
        if (points >= 0)
            QCOMPARE(int(result.model->GetNumberOfPoints()), points);
        QCOMPARE(int(result.model->GetNumberOfPolys()), polygons);
        const double *bounds = result.model->GetBounds();
        QVERIFY2(width < 0 || std::abs(bounds[1] - bounds[0] - width) < 1e-5, qPrintable(QString::number(bounds[1] - bounds[0])));
    }

    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<ReadFailure>("failure");

        const auto scratch = [](const char *name, const QByteArray &bytes) {
            const QString path = testing::ScratchFile(QString::fromLatin1(name));
            if (!testing::WriteBytes(path, bytes))
                qFatal("cannot write %s", name);
            return path;
        };
        const QByteArray triangle = testing::BinaryStl(1, {0, 0, 0, 1, 0, 0, 0, 1, 0});
        const float infinity = std::numeric_limits<float>::infinity();

        QTest::newRow("unknown suffix") << scratch("model.vtk", triangle) << ReadFailure::UnknownSuffix;
        QTest::newRow("binary stl cut in a triangle")
            << scratch("cut.stl", triangle.chopped(20)) << ReadFailure::DamagedFile;
        QTest::newRow("binary stl shorter than its header")
            << scratch("short.stl", triangle.left(60)) << ReadFailure::DamagedFile;
        // 4 billion triangles claimed by a 134-byte file: their size overflows 32 bits.
        QTest::newRow("stl header claims the most triangles")
            << scratch("claims_most.stl", testing::BinaryStl(0xFFFFFFFFu, {0, 0, 0, 1, 0, 0, 0, 1, 0}))
            << ReadFailure::DamagedFile;
        QTest::newRow("binary stl with an infinite corner")
            << scratch("inf.stl", testing::BinaryStl(1, {0, 0, 0, infinity, 0, 0, 0, 1, 0}))
            << ReadFailure::UnusableModel;
        QTest::newRow("binary stl without triangles")
            << scratch("no_triangles.stl", testing::BinaryStl(0, {})) << ReadFailure::UnusableModel;
        QTest::newRow("ascii stl with NaN") << testing::DataFile("nan_ascii.stl") << ReadFailure::UnusableModel;
        QTest::newRow("text that is no stl")
            << scratch("prose.stl", QByteArrayLiteral("this is not a model at all\n")) << ReadFailure::ReaderError;

        // Random bytes are left to the fuzz targets.
        for (const char *name : {"empty.stl", "empty.obj", "empty.ply"})
            QTest::newRow(name) << testing::DataFile(QString::fromLatin1(name)) << ReadFailure::DamagedFile;

        // Each refused before or after the reader; several crashed the reader or a filter once.
        for (const char *name :
             {"face_past_points.obj", "face_index_zero.obj", "face_relative_index.obj", "texture_index_past.obj",
              // A material name of 300 letters.
              "long_material_name.obj",
              // The reader's scan takes the next corner's index as texture and normal index here.
              "fuzz-obj-corner-ending-in-slash.obj",
              // The reader joins a line ending in a backslash to the next, unseen by a line-wise check.
              "obj-face-continuation.obj", "bad_header.ply", "face_past_vertices.ply", "no_vertex_element.ply",
              "short_data_line.ply", "negative_list_count.ply", "truncated_body.ply",
              // The reader does not skip the "material" records and takes them for the face.
              "fuzz-ply-element-before-faces.ply",
              // The reader splits words at spaces and tabs only, so its face had no index list.
              "fuzz-ply-form-feed-before-property.ply", "fuzz-ply-face-with-second-list.ply",
              // The reader takes any name holding "vertex_index" for the index list, and its first one.
              "ply-vertex-index-scalar.ply", "ply-vertex-indexer.ply", "ply-duplicate-vertex-indices.ply",
              // The reader takes a last line without a line feed for the end of the file.
              "ply-no-final-line-feed.ply"})
            QTest::newRow(name) << testing::DataFile(QString::fromLatin1(name)) << ReadFailure::DamagedFile;
        // Filters crash on these (smoothing on short polygons, decimation on a repeated corner).
        for (const char *name : {"short_faces.ply", "repeated_corner.obj"})
            QTest::newRow(name) << testing::DataFile(QString::fromLatin1(name)) << ReadFailure::UnusableModel;
        QTest::newRow("obj point continued past the points")
            << scratch("point_continued.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\np 1 \\\n9\n")
            << ReadFailure::DamagedFile;
        QTest::newRow("obj without faces") << scratch("points.obj", "v 0 0 0\nv 1 0 0\n") << ReadFailure::UnusableModel;
        QTest::newRow("binary ply face past the vertices")
            << scratch("binary_face_past.ply", BinaryPly({0, 1, 3})) << ReadFailure::DamagedFile;
        QTest::newRow("binary ply cut in a face")
            << scratch("binary_cut.ply", BinaryPly({0, 1, 2}).chopped(2)) << ReadFailure::DamagedFile;
    }

    // Every damaged file ends in its failure, never in a model.
    void damagedFilesAreRefused()
    {
        QFETCH(QString, path);
        QFETCH(ReadFailure, failure);
        const lumeno::ReadResult result = lumeno::ReadModel(path, QFileInfo(path).suffix());
        QVERIFY(!result.model);
        QCOMPARE(result.failure, failure);
    }

    // A model that loads can still make a filter leave triangles on points it has removed
    // (here float extremes: 4e34 next to subnormal coordinates); such a result is refused
    // like a failed run instead of reaching the next filter or a view.
    void filtersNeverHandOnBrokenCells()
    {
        const lumeno::ReadResult result = lumeno::ReadModel(
            testing::DataFile("fuzz-stl-decimation-leaves-dangling-triangle.stl"), QStringLiteral("stl"));
        QVERIFY(result.model);
        vtkNew<vtkDecimatePro> decimator;
        for (const lumeno::DecimationLevel &step : lumeno::DecimationCascade) {
            const vtkSmartPointer<vtkPolyData> level = lumeno::Decimate(decimator, result.model, step.reduction);
            QVERIFY(!level || lumeno::HasSoundCells(level));
        }
        const vtkSmartPointer<vtkPolyData> smoothed = lumeno::Smooth(result.model, lumeno::SmoothingIterations);
        QVERIFY(!smoothed || lumeno::HasSoundCells(smoothed));

        // The check itself: a triangle past the points is broken; empty is sound, since a filter may remove all.
        auto pastTheEnd = vtkSmartPointer<vtkPolyData>::New();
        pastTheEnd->DeepCopy(testing::Sphere(8, 8));
        const vtkIdType triangle[3] = {0, 1, pastTheEnd->GetNumberOfPoints()};
        pastTheEnd->GetPolys()->InsertNextCell(3, triangle);
        QVERIFY(!lumeno::HasSoundCells(pastTheEnd));
        QVERIFY(!lumeno::IsModelUsable(pastTheEnd));
        QVERIFY(lumeno::HasSoundCells(vtkSmartPointer<vtkPolyData>::New()));
        QVERIFY(!lumeno::IsModelUsable(nullptr));
    }
};

LUMENO_CORE_TEST_MAIN(TestReading)

#include "test_reading.moc"
