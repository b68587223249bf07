// Polygons become triangles that cover them exactly: concave, collinear and repeated corners,
// any plane and scale; models keep their cell and point data; whole files survive the reading.
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "model/PolygonTriangulation.h"
#include "model/TriangleCleanup.h"

#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkIntArray.h>
#include <vtkMath.h>
#include <vtkPointData.h>
#include <vtkPoints.h>

#include <array>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Twice the area of the triangle, along its normal.
std::array<double, 3> TriangleNormal(vtkPoints *points, vtkIdType a, vtkIdType b, vtkIdType c)
{
    double p[3][3];
    for (int i = 0; i < 3; ++i)
        points->GetPoint(std::array<vtkIdType, 3>{a, b, c}[size_t(i)], p[i]);
    std::array<double, 3> normal;
    vtkMath::Subtract(p[1], p[0], p[1]);
    vtkMath::Subtract(p[2], p[0], p[2]);
    vtkMath::Cross(p[1], p[2], normal.data());
    return normal;
}

// Newell's normal: twice the area of a planar polygon, along its normal.
std::array<double, 3> PolygonNormal(vtkPoints *points, const std::vector<vtkIdType> &corners)
{
    std::array<double, 3> normal{0, 0, 0};
    for (size_t i = 1; i + 1 < corners.size(); ++i)
        vtkMath::Add(normal.data(), TriangleNormal(points, corners[0], corners[i], corners[i + 1]).data(), normal.data());
    return normal;
}

// The triangles' area, -1 if one has a corner twice or turns against the polygon's normal.
double Cover(vtkPoints *points, const std::vector<vtkIdType> &triangles, std::array<double, 3> polygonNormal)
{
    double area = 0;
    const double scale = vtkMath::Norm(polygonNormal.data());
    for (size_t i = 0; i < triangles.size(); i += 3) {
        const vtkIdType a = triangles[i], b = triangles[i + 1], c = triangles[i + 2];
        const std::array<double, 3> normal = TriangleNormal(points, a, b, c);
        if (a == b || b == c || a == c || vtkMath::Dot(normal.data(), polygonNormal.data()) < -1e-12 * scale * scale)
            return -1;
        area += vtkMath::Norm(normal.data()) / 2;
    }
    return area;
}

vtkSmartPointer<vtkPoints> PointsOf(const QVector<double> &coordinates)
{
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->SetDataTypeToDouble();
    for (int i = 0; i + 2 < coordinates.size(); i += 3)
        points->InsertNextPoint(coordinates[i], coordinates[i + 1], coordinates[i + 2]);
    return points;
}

QVector<double> InPlaneZ(std::initializer_list<std::array<double, 2>> corners)
{
    QVector<double> coordinates;
    for (const auto &corner : corners)
        coordinates << corner[0] << corner[1] << 0.0;
    return coordinates;
}

QVector<double> Numbered(int count)
{
    QVector<double> ids;
    for (int i = 0; i < count; ++i)
        ids << i;
    return ids;
}

// Counter-clockwise (x, y) outlines, put on the plane z = x + y.
using Outline = std::vector<std::array<double, 2>>;

QVector<double> OnSlantedPlane(const Outline &outline)
{
    QVector<double> coordinates;
    for (const auto &corner : outline)
        coordinates << corner[0] << corner[1] << corner[0] + corner[1];
    return coordinates;
}

double OutlineArea(const Outline &outline)
{
    double twice = 0;
    for (size_t i = 0; i < outline.size(); ++i)
        twice += outline[i][0] * outline[(i + 1) % outline.size()][1] - outline[i][1] * outline[(i + 1) % outline.size()][0];
    return twice / 2;
}

// Every other corner concave; radii jittered the same every run.
Outline Star(int corners, bool jittered)
{
    Outline outline;
    quint32 state = 12345;
    for (int i = 0; i < corners; ++i) {
        state = state * 1664525u + 1013904223u;
        const double jitter = jittered ? double(state >> 8) / double(1u << 24) * 20 : 0.0;
        const double radius = (i % 2 == 0 ? 100.0 : 60.0) + jitter;
        const double angle = 2 * M_PI * i / corners;
        outline.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
    return outline;
}

} // namespace

class TestPolygonTriangulation : public QObject
{
    Q_OBJECT

private slots:
    // triangles: -1 when it has no area and gives none; area: -1 when not checked.
    void polygonsBecomeTrianglesThatCoverThem_data()
    {
        QTest::addColumn<QVector<double>>("coordinates");
        QTest::addColumn<QVector<double>>("corners");
        QTest::addColumn<int>("triangles");
        QTest::addColumn<double>("area");

        const auto square = InPlaneZ({{0, 0}, {2, 0}, {2, 2}, {0, 2}});
        const auto dart = InPlaneZ({{0, 0}, {4, 0}, {1, 1}, {0, 4}}); // concave at (1, 1)
        const auto placed = [&dart](double scale, double offset) {
            QVector<double> coordinates;
            for (double coordinate : dart)
                coordinates << coordinate * scale + offset;
            return coordinates;
        };
        QTest::newRow("convex quad") << square << Numbered(4) << 2 << 4.0;
        QTest::newRow("concave quad from its concave corner") << dart << QVector<double>{2, 3, 0, 1} << 2 << 4.0;
        QTest::newRow("light years across, far out") << placed(1e15, 1e17) << Numbered(4) << 2 << 4e30;
        QTest::newRow("a nanometre across") << placed(1e-9, 0) << Numbered(4) << 2 << 4e-18;
        QTest::newRow("star on a slanted plane")
            << QVector<double>{0, -3, -3, 1, -1, 0, 3, 0, 3, 1, 1, 2, 0, 3, 3, -1, 1, 0, -3, 0, -3, -1, -1, -2}
            << Numbered(8) << 6 << 12.0 * std::sqrt(3.0);
        QTest::newRow("a corner in the middle of each side")
            << InPlaneZ({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}}) << Numbered(8) << 6 << 4.0;
        QTest::newRow("corner repeated in a row") << square << QVector<double>{0, 1, 1, 2, 3, 3} << 2 << 4.0;
        QTest::newRow("first corner repeated at the end") << square << QVector<double>{0, 1, 2, 3, 0} << 2 << 4.0;
        QTest::newRow("two points at one place") << InPlaneZ({{0, 0}, {2, 0}, {2, 0}, {2, 2}, {0, 2}}) << Numbered(5)
                                                 << 3 << 4.0;
        QTest::newRow("needle out of the top side and back") << InPlaneZ({{0, 0}, {2, 0}, {2, 2}, {1, 2}, {1, 4}, {1, 2}, {0, 2}}) << Numbered(7)
                                << 5 << 4.0;
        QTest::newRow("square ring through a cut")
            << InPlaneZ({{0, 0}, {4, 0}, {4, 4}, {0, 4}, {1, 1}, {1, 3}, {3, 3}, {3, 1}})
            << QVector<double>{0, 1, 2, 3, 0, 4, 5, 6, 7, 4} << 8 << 12.0;
        QTest::newRow("warped quad") << QVector<double>{0, 0, 0, 1, 0, 0.2, 1, 1, 0, 0, 1, 0.2} << Numbered(4) << 2
                                     << -1.0;
        QTest::newRow("all on one line") << InPlaneZ({{0, 0}, {1, 1}, {3, 3}, {2, 2}, {4, 4}}) << Numbered(5) << -1
                                         << 0.0;
        QTest::newRow("all on one point") << InPlaneZ({{1, 1}, {1, 1}, {1, 1}, {1, 1}}) << Numbered(4) << -1 << 0.0;
        QTest::newRow("two points back and forth") << square << QVector<double>{0, 1, 0, 1} << -1 << 0.0;

        // Split into monotone pieces; on the plane z = x + y, the area grows by sqrt(3).
        Outline straight; // a square with 250 corners on each side
        for (int side = 0; side < 4; ++side)
            for (int i = 0; i < 250; ++i) {
                const double along = 100.0 * i / 250;
                const std::array<double, 2> corners[] = {{along, 0}, {100, along}, {100 - along, 100}, {0, 100 - along}};
                straight.push_back(corners[side]);
            }
        QTest::newRow("square of straight corners")
            << OnSlantedPlane(straight) << Numbered(1000) << 998 << OutlineArea(straight) * std::sqrt(3.0);
        { // its points recur, so the ears are clipped
            const Outline outer = Star(200, false);
            Outline outline = outer;
            for (const auto &corner : Star(100, false))
                outline.push_back({corner[0] * 0.3, corner[1] * 0.3});
            QVector<double> corners = Numbered(200);
            corners << 0;
            for (int i = 0; i < 100; ++i)
                corners << 200 + (100 - i) % 100; // clockwise round the hole
            corners << 200;
            QTest::newRow("star ring through a cut")
                << OnSlantedPlane(outline) << corners << 300
                << (OutlineArea(outer) - 0.09 * OutlineArea(Star(100, false))) * std::sqrt(3.0);
        }
    }

    void polygonsBecomeTrianglesThatCoverThem()
    {
        QFETCH(QVector<double>, coordinates);
        QFETCH(QVector<double>, corners);
        QFETCH(int, triangles);
        QFETCH(double, area);
        const auto points = PointsOf(coordinates);
        const std::vector<vtkIdType> ids(corners.begin(), corners.end());
        std::vector<vtkIdType> result{7, 7, 7}; // what was there stays
        lumeno::PolygonTriangulator triangulator;
        const bool triangulated = triangulator.Triangulate(points, vtkIdType(ids.size()), ids.data(), result);
        QCOMPARE(triangulated, triangles >= 0);
        QCOMPARE(int(result.size()), 3 + 3 * std::max(triangles, 0));
        QCOMPARE(result[0], vtkIdType(7));
        result.erase(result.begin(), result.begin() + 3);
        for (vtkIdType id : result)
            QVERIFY(std::count(ids.begin(), ids.end(), id) > 0);
        const double covered = Cover(points, result, PolygonNormal(points, ids));
        QVERIFY(covered >= 0);
        if (area >= 0)
            QVERIFY2(std::abs(covered - area) <= 1e-9 * area, qPrintable(QStringLiteral("%1 instead of %2").arg(covered).arg(area)));
    }

    // Vertices and lines stay, cells and points keep their data; a strip's triangles turn as its
    // first, those that only turn it round go; a polygon with no area is counted.
    void modelsKeepTheirDataAndCountWhatHasNoArea()
    {
        auto model = vtkSmartPointer<vtkPolyData>::New();
        model->SetPoints(PointsOf(InPlaneZ({{0, 0}, {1, 0}, {1, 1}, {1, 2}, {0, 2},        // pentagon
                                            {2, 0}, {3, 0}, {3, 1}, {2, 1},                // square
                                            {4, 0}, {5, 0}, {6, 0}, {7, 0},                // on one line
                                            {0, 3}, {1, 3}, {0, 4}, {1, 4}, {0, 5}, {1, 5}, // strip
                                            {2, 3}, {3, 3}, {2, 4}})));
        model->SetVerts(testing::Cells({{12}}));
        model->SetLines(testing::Cells({{11, 12}}));
        // 3 triangles of the pentagon, none on one line, 2 of the square.
        model->SetPolys(testing::Cells({{9, 10, 8}, {0, 1, 2, 3, 4}, {9, 10, 11, 12}, {5, 6, 7, 8}}));
        // 4, then 1 and 2 that turn it round.
        model->SetStrips(testing::Cells({{13, 14, 15, 16, 17, 18}, {19, 20, 21, 21, 13}}));
        std::vector<int> pointIds(size_t(model->GetNumberOfPoints()));
        std::iota(pointIds.begin(), pointIds.end(), 0);
        model->GetCellData()->AddArray(testing::IntArray("CellNumbers", {0, 1, 2, 3, 4, 5, 6, 7}));
        const vtkSmartPointer<vtkIntArray> pointNumbers = testing::IntArray("PointNumbers", pointIds);
        model->GetPointData()->AddArray(pointNumbers);

        const lumeno::CleanedTriangles cleaned = lumeno::CleanTriangles(model);
        QVERIFY(cleaned.model);
        QCOMPARE(cleaned.untriangulatedPolygons, vtkIdType(1));
        QCOMPARE(cleaned.removedDuplicates, vtkIdType(0));
        vtkPolyData *result = cleaned.model;
        QCOMPARE(result->GetNumberOfVerts(), vtkIdType(1));
        QCOMPARE(result->GetNumberOfLines(), vtkIdType(1));
        QCOMPARE(result->GetNumberOfStrips(), vtkIdType(0));
        QCOMPARE(result->GetPolys()->IsHomogeneous(), vtkIdType(3));
        // Cell data run over vertices, lines, then polygons.
        const std::vector<int> sources{0, 1, 2, 3, 3, 3, 5, 5, 6, 6, 6, 6, 7};
        QCOMPARE(result->GetNumberOfCells(), vtkIdType(sources.size()));
        auto *numbers = vtkIntArray::SafeDownCast(result->GetCellData()->GetArray("CellNumbers"));
        QVERIFY(numbers);
        QCOMPARE(numbers->GetNumberOfTuples(), vtkIdType(sources.size()));
        for (size_t cell = 0; cell < sources.size(); ++cell)
            QCOMPARE(numbers->GetValue(vtkIdType(cell)), sources[cell]);
        QCOMPARE(result->GetPointData()->GetArray("PointNumbers"), static_cast<vtkDataArray *>(pointNumbers.Get()));
        // All of them lie on the plane z = 0 and turn towards +z.
        const std::vector<vtkIdType> corners = testing::TriangleCorners(result);
        for (size_t i = 0; i < corners.size(); i += 3)
            QVERIFY2(TriangleNormal(result->GetPoints(), corners[i], corners[i + 1], corners[i + 2])[2] > 0,
                     qPrintable(QString::number(i / 3)));
    }

    // Through the reading; the rings run around a hole through a cut (vtkTriangleFilter left 27 of
    // 64 triangles and 460 of 934).
    void polygonFilesLoadWhole_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("triangles");
        QTest::addColumn<double>("area");
        QTest::addColumn<double>("tolerance"); // relative: the readers keep single precision
        const auto ring = [](int points, double outer, double inner) {
            return points / 2.0 * (outer * outer - inner * inner) * std::sin(2 * M_PI / points);
        };
        const double slant = std::sqrt(21.0) / 4; // of the plane z = (x + 2y) / 4
        QTest::newRow("comb, 936 corners") << "polygon-comb-936.obj" << 934 << 1632 * slant << 1e-12;
        QTest::newRow("ring, 66 corners, PLY") << "polygon-ring-66.ply" << 64 << ring(32, 10, 5) << 1e-6;
        QTest::newRow("ring, 936 corners") << "polygon-ring-936.obj" << 934 << ring(467, 100, 60) * slant << 1e-6;
        // Clipping ears would take hours here (ctest's timeout ends it).
        const Outline star = Star(200000, true);
        QByteArray file = "OFF\n" + QByteArray::number(qulonglong(star.size())) + " 1 0\n";
        for (const auto &corner : star)
            file += QByteArray::number(corner[0], 'g', 9) + ' ' + QByteArray::number(corner[1], 'g', 9) + " 0\n";
        file += QByteArray::number(qulonglong(star.size()));
        for (size_t i = 0; i < star.size(); ++i)
            file += ' ' + QByteArray::number(qulonglong(i));
        const QString path = testing::ScratchFile(QStringLiteral("star-200000.off"));
        QVERIFY(testing::WriteBytes(path, file + '\n'));
        QTest::newRow("star, 200000 corners") << path << int(star.size()) - 2 << OutlineArea(star) << 1e-5;
    }

    void polygonFilesLoadWhole()
    {
        QFETCH(QString, file);
        QFETCH(int, triangles);
        QFETCH(double, area);
        QFETCH(double, tolerance);
        const QString path = QFileInfo(file).isAbsolute() ? file : testing::DataFile(file);
        const lumeno::ReadResult read = lumeno::ReadModel(path, QFileInfo(file).suffix());
        QCOMPARE(read.failure, lumeno::ReadFailure::None);
        QCOMPARE(read.untriangulatedPolygons, vtkIdType(0));
        vtkPolyData *model = read.model;
        QCOMPARE(model->GetNumberOfPolys(), vtkIdType(triangles));
        const std::vector<vtkIdType> corners = testing::TriangleCorners(model);
        const std::array<double, 3> normal = TriangleNormal(model->GetPoints(), corners[0], corners[1], corners[2]);
        const double covered = Cover(model->GetPoints(), corners, normal);
        QVERIFY2(covered >= 0 && std::abs(covered - area) <= tolerance * area,
                 qPrintable(QStringLiteral("%1 instead of %2").arg(covered, 0, 'g', 12).arg(area, 0, 'g', 12)));
    }
};

LUMENO_CORE_TEST_MAIN(TestPolygonTriangulation)
#include "test_polygon_triangulation.moc"
