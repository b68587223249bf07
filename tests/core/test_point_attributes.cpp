// Colours, normals and texture coordinates, functions of the position, through reading, both
// engines, smoothing and the transform.
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "reduce/DecimationLevels.h"
#include "model/MeshOperations.h"
#include "model/ModelTransform.h"
#include "model/PointAttributes.h"
#include "reduce/Reducer.h"
#include "model/UnitBox.h"

#include <vtkCellArray.h>
#include <vtkFloatArray.h>
#include <vtkPointData.h>
#include <vtkTransform.h>
#include <vtkUnsignedCharArray.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

Q_DECLARE_METATYPE(lumeno::ReductionEngine)

namespace {

using lumeno::ReductionEngine;
using Position = std::array<double, 3>;

double Height(double x, double y) { return 0.1 * std::sin(3 * x) * std::cos(2 * y); }

Position SurfaceNormal(double x, double y)
{
    const double dx = 0.3 * std::cos(3 * x) * std::cos(2 * y);
    const double dy = -0.2 * std::sin(3 * x) * std::sin(2 * y);
    const double length = std::sqrt(dx * dx + dy * dy + 1);
    return {-dx / length, -dy / length, 1 / length};
}

std::array<double, 3> GradientColour(double x, double y) { return {255 * x, 255 * y, 100}; }

// A bumpy square of 2 n² triangles over [0, 1]², coloured by GradientColour, with the surface's
// normals and texture coordinates (x, y). With a seam, the right half (x ≥ 0.5) is a chart of
// its own at (x + 1, y): the points at x = 0.5 are there twice.
vtkSmartPointer<vtkPolyData> Surface(int n, bool seam)
{
    auto points = vtkSmartPointer<vtkPoints>::New();
    auto colours = vtkSmartPointer<vtkUnsignedCharArray>::New();
    auto normals = vtkSmartPointer<vtkFloatArray>::New(), uvs = vtkSmartPointer<vtkFloatArray>::New();
    colours->SetNumberOfComponents(3);
    colours->SetName("RGB");
    normals->SetNumberOfComponents(3);
    normals->SetName("Normals");
    uvs->SetNumberOfComponents(2);
    uvs->SetName("TCoords");
    std::vector<vtkIdType> left((n + 1) * (n + 1)), right(left.size());
    const auto add = [&](int i, int j, int chart) {
        const double x = double(i) / n, y = double(j) / n;
        const auto colour = GradientColour(x, y);
        const Position normal = SurfaceNormal(x, y);
        colours->InsertNextTuple3(std::round(colour[0]), std::round(colour[1]), colour[2]);
        normals->InsertNextTuple(normal.data());
        uvs->InsertNextTuple2(x + chart, y);
        return points->InsertNextPoint(x, y, Height(x, y));
    };
    for (int j = 0; j <= n; ++j)
        for (int i = 0; i <= n; ++i) {
            const size_t at = size_t(j * (n + 1) + i);
            left[at] = right[at] = add(i, j, seam && 2 * i > n ? 1 : 0);
            if (seam && 2 * i == n)
                right[at] = add(i, j, 1);
        }
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            const std::vector<vtkIdType> &ids = 2 * i >= n ? right : left;
            const vtkIdType a = ids[size_t(j * (n + 1) + i)], b = ids[size_t(j * (n + 1) + i + 1)];
            const vtkIdType c = ids[size_t((j + 1) * (n + 1) + i)], d = ids[size_t((j + 1) * (n + 1) + i + 1)];
            const vtkIdType first[3] = {a, b, d}, second[3] = {a, d, c};
            triangles->InsertNextCell(3, first);
            triangles->InsertNextCell(3, second);
        }
    auto surface = vtkSmartPointer<vtkPolyData>::New();
    surface->SetPoints(points);
    surface->SetPolys(triangles);
    surface->GetPointData()->SetScalars(colours);
    surface->GetPointData()->SetNormals(normals);
    surface->GetPointData()->SetTCoords(uvs);
    return surface;
}

// Of each point: its chart (0 or 1) by its texture coordinates; -1 where they or its normal are not its place's.
std::vector<int> Charts(vtkPolyData *model)
{
    vtkDataArray *normals = model->GetPointData()->GetNormals();
    vtkDataArray *uvs = model->GetPointData()->GetTCoords();
    std::vector<int> charts(size_t(model->GetNumberOfPoints()), -1);
    for (vtkIdType i = 0; i < model->GetNumberOfPoints(); ++i) {
        Position p, n;
        model->GetPoint(i, p.data());
        normals->GetTuple(i, n.data());
        const Position expected = SurfaceNormal(p[0], p[1]);
        const double chart = uvs->GetComponent(i, 0) - p[0];
        const bool uvFits = std::abs(uvs->GetComponent(i, 1) - p[1]) < 1e-4 && std::abs(chart - std::round(chart)) < 1e-4;
        if (uvFits && n[0] * expected[0] + n[1] * expected[1] + n[2] * expected[2] > 0.9999)
            charts[size_t(i)] = int(std::round(chart));
    }
    return charts;
}

// Between each point's colour and the gradient's at its place, over points and channels.
double MeanColourError(vtkPolyData *model)
{
    vtkDataArray *colours = model->GetPointData()->GetScalars();
    double sum = 0;
    for (vtkIdType i = 0; i < model->GetNumberOfPoints(); ++i) {
        Position p;
        model->GetPoint(i, p.data());
        const auto expected = GradientColour(p[0], p[1]);
        for (int channel = 0; channel < 3; ++channel)
            sum += std::abs(colours->GetComponent(i, channel) - expected[size_t(channel)]);
    }
    return sum / (3.0 * double(std::max<vtkIdType>(1, model->GetNumberOfPoints())));
}

// Whether the points at x = 0.5 of each chart are at the same places and no triangle has corners of both.
bool SeamClosedAndUncrossed(vtkPolyData *model)
{
    const std::vector<int> charts = Charts(model);
    std::array<std::set<Position>, 2> places;
    for (vtkIdType i = 0; i < model->GetNumberOfPoints(); ++i) {
        Position p;
        model->GetPoint(i, p.data());
        if (std::abs(p[0] - 0.5) < 1e-6 && charts[size_t(i)] >= 0) // in the precision of the points kept
            places[size_t(charts[size_t(i)])].insert({float(p[0]), float(p[1]), float(p[2])});
    }
    const std::vector<vtkIdType> ids = testing::TriangleCorners(model);
    for (size_t t = 0; t < ids.size(); t += 3)
        if (charts[size_t(ids[t])] != charts[size_t(ids[t + 1])] || charts[size_t(ids[t])] != charts[size_t(ids[t + 2])])
            return false;
    return places[0].size() >= 2 && places[0] == places[1];
}

Position FaceNormal(const Position p[3])
{
    const Position a{p[1][0] - p[0][0], p[1][1] - p[0][1], p[1][2] - p[0][2]};
    const Position b{p[2][0] - p[0][0], p[2][1] - p[0][1], p[2][2] - p[0][2]};
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

void VerifyPointsCarryTheirValues(vtkPolyData *model)
{
    QVERIFY(model);
    QVERIFY((lumeno::AttributesOf(model) == lumeno::PointAttributes{true, true, true}));
    const std::vector<int> charts = Charts(model);
    QCOMPARE(std::count(charts.begin(), charts.end(), -1), 0L);
    QVERIFY2(MeanColourError(model) < 0.6, qPrintable(QString::number(MeanColourError(model))));
}

} // namespace

class PointAttributesTest : public QObject
{
    Q_OBJECT

private slots:
    // A PLY file with a quad (triangulated) and a repeated triangle (dropped), then the unit box and back.
    void readingAndCleanupKeepTheValues()
    {
        QByteArray ply = "ply\nformat ascii 1.0\nelement vertex 5\nproperty float x\nproperty float y\n"
                         "property float z\nproperty float nx\nproperty float ny\nproperty float nz\n"
                         "property uchar red\nproperty uchar green\nproperty uchar blue\nproperty float u\n"
                         "property float v\nelement face 3\nproperty list uchar int vertex_indices\nend_header\n";
        const double corners[5][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0.5, 0.5}};
        for (const auto &c : corners) {
            const Position n = SurfaceNormal(c[0], c[1]);
            const auto colour = GradientColour(c[0], c[1]);
            ply += QString("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11\n")
                       .arg(c[0]).arg(c[1]).arg(Height(c[0], c[1]), 0, 'g', 17)
                       .arg(n[0], 0, 'g', 17).arg(n[1], 0, 'g', 17).arg(n[2], 0, 'g', 17)
                       .arg(std::round(colour[0])).arg(std::round(colour[1])).arg(colour[2]).arg(c[0]).arg(c[1])
                       .toLatin1();
        }
        ply += "4 0 1 2 3\n3 0 1 4\n3 1 4 0\n";
        const lumeno::ReadResult plyRead = testing::ReadBytes(QStringLiteral("attributes.ply"), ply);
        QCOMPARE(plyRead.removedDuplicates, vtkIdType(1));
        QCOMPARE(plyRead.model->GetNumberOfPolys(), vtkIdType(3));
        VerifyPointsCarryTheirValues(plyRead.model);

        const lumeno::UnitBox box(plyRead.model);
        const vtkSmartPointer<vtkPolyData> back = box.Restored(box.Normalised(plyRead.model));
        VerifyPointsCarryTheirValues(back);
    }

    // Shaded flat (corners of their own per triangle), reduced with the smooth surface's normals.
    void aModelShadedFlatIsReduced()
    {
        const vtkSmartPointer<vtkPolyData> surface = Surface(40, false);
        auto points = vtkSmartPointer<vtkPoints>::New();
        auto normals = vtkSmartPointer<vtkFloatArray>::New();
        normals->SetNumberOfComponents(3);
        auto triangles = vtkSmartPointer<vtkCellArray>::New();
        const std::vector<vtkIdType> ids = testing::TriangleCorners(surface);
        for (size_t t = 0; t < ids.size(); t += 3) {
            Position p[3];
            vtkIdType corners[3];
            for (size_t k = 0; k < 3; ++k) {
                surface->GetPoint(ids[t + k], p[k].data());
                corners[k] = points->InsertNextPoint(p[k].data());
            }
            const Position n = FaceNormal(p);
            const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            for (int k = 0; k < 3; ++k)
                normals->InsertNextTuple3(n[0] / length, n[1] / length, n[2] / length);
            triangles->InsertNextCell(3, corners);
        }
        auto flat = vtkSmartPointer<vtkPolyData>::New();
        flat->SetPoints(points);
        flat->SetPolys(triangles);
        flat->GetPointData()->SetNormals(normals);
        const vtkSmartPointer<vtkPolyData> reduced =
            lumeno::MakeReducer(ReductionEngine::Quality)->KeepShare(flat, 0.1, {});
        QVERIFY(reduced && lumeno::AttributesOf(reduced).normals);
        QVERIFY(reduced->GetNumberOfPolys() < flat->GetNumberOfPolys() / 5);
        for (vtkIdType i = 0; i < reduced->GetNumberOfPoints(); ++i) {
            const double *n = reduced->GetPointData()->GetNormals()->GetTuple3(i);
            const Position expected = SurfaceNormal(reduced->GetPoint(i)[0], reduced->GetPoint(i)[1]);
            QVERIFY(n[0] * expected[0] + n[1] * expected[1] + n[2] * expected[2] > 0.99);
        }
    }

    void smoothingKeepsTheSeamClosedAndTheColours()
    {
        const vtkSmartPointer<vtkPolyData> surface = Surface(20, true);
        const vtkSmartPointer<vtkPolyData> smoothed = lumeno::Smooth(surface, lumeno::SmoothingIterations);
        QVERIFY(smoothed);
        QCOMPARE(smoothed->GetNumberOfPoints(), surface->GetNumberOfPoints());
        vtkDataArray *colours = smoothed->GetPointData()->GetScalars();
        vtkDataArray *uvs = smoothed->GetPointData()->GetTCoords();
        vtkDataArray *normals = smoothed->GetPointData()->GetNormals();
        QVERIFY(colours && uvs && normals);
        double moved = 0;
        for (vtkIdType i = 0; i < surface->GetNumberOfPoints(); ++i) {
            for (int c = 0; c < 3; ++c)
                QCOMPARE(colours->GetComponent(i, c), surface->GetPointData()->GetScalars()->GetComponent(i, c));
            QCOMPARE(uvs->GetComponent(i, 0), surface->GetPointData()->GetTCoords()->GetComponent(i, 0));
            const double *n = normals->GetTuple3(i);
            QVERIFY(std::abs(n[0] * n[0] + n[1] * n[1] + n[2] * n[2] - 1) < 1e-5 && n[2] > 0.8);
            moved = std::max(moved, std::abs(smoothed->GetPoint(i)[2] - surface->GetPoint(i)[2]));
        }
        QVERIFY2(moved > 1e-4, qPrintable(QString::number(moved)));
        for (vtkIdType i = 0; i + 1 < surface->GetNumberOfPoints(); ++i) // a seam place's two points together
            if (surface->GetPoint(i)[0] == 0.5 && surface->GetPoint(i + 1)[0] == 0.5) {
                Position a, b;
                smoothed->GetPoint(i, a.data());
                smoothed->GetPoint(i + 1, b.data());
                QVERIFY(a == b);
            }
    }

    // Mirrored and stretched, the normals stay of unit length and agree with the triangles' turning.
    void mirroringTransformKeepsNormalsOutward()
    {
        const vtkSmartPointer<vtkPolyData> sphere = testing::Sphere(48, 48);
        const double factors[3] = {-2, 1, 1}, angles[3] = {0, 0, 30};
        const vtkSmartPointer<vtkPolyData> turned =
            lumeno::TransformModel(sphere, lumeno::MakeModelTransform(factors, angles));
        QVERIFY(turned && lumeno::AttributesOf(turned).normals);
        QVERIFY(testing::SignedVolume(turned) > 0);
        vtkDataArray *normals = turned->GetPointData()->GetNormals();
        const std::vector<vtkIdType> ids = testing::TriangleCorners(turned);
        for (size_t t = 0; t < ids.size(); t += 3) {
            Position p[3];
            for (size_t k = 0; k < 3; ++k)
                turned->GetPoint(ids[t + k], p[k].data());
            const Position face = FaceNormal(p);
            const double area = std::sqrt(face[0] * face[0] + face[1] * face[1] + face[2] * face[2]);
            if (area < 1e-9)
                continue; // at the poles
            for (size_t k = 0; k < 3; ++k) {
                const double *n = normals->GetTuple3(ids[t + k]);
                QVERIFY(std::abs(n[0] * n[0] + n[1] * n[1] + n[2] * n[2] - 1) < 1e-5);
                const double agreement = (n[0] * face[0] + n[1] * face[1] + n[2] * face[2]) / area;
                QVERIFY2(agreement > 0.95, qPrintable(QString::number(agreement)));
            }
        }
    }

    void levelsOfALargeColouredModelKeepEveryAttribute_data()
    {
        QTest::addColumn<ReductionEngine>("engine");
        QTest::newRow("classic") << ReductionEngine::Classic;
        QTest::newRow("quality") << ReductionEngine::Quality;
    }

    // Every level keeps each point's own values; the quality engine's keeps the seam closed.
    void levelsOfALargeColouredModelKeepEveryAttribute()
    {
        QFETCH(ReductionEngine, engine);
        const vtkSmartPointer<vtkPolyData> surface = Surface(224, true); // 100 352 triangles
        const double triangles = double(surface->GetNumberOfPolys());
        int made = 0;
        lumeno::LevelReceiver receiver;
        receiver.ready = [&](int level, const vtkSmartPointer<vtkPolyData> &model) {
            ++made;
            const double expected = lumeno::DecimationLevels[size_t(level)].Share() * triangles;
            QVERIFY2(std::abs(double(model->GetNumberOfPolys()) / expected - 1) < 0.15,
                     qPrintable(QString("level %1: %2").arg(level).arg(model->GetNumberOfPolys())));
            VerifyPointsCarryTheirValues(model);
            QVERIFY(engine != ReductionEngine::Quality || SeamClosedAndUncrossed(model));
        };
        QCOMPARE(lumeno::MakeReducer(engine)->MakeLevels(surface, receiver, {}), lumeno::LevelCount);
        QCOMPARE(made, lumeno::LevelCount);
    }
};

LUMENO_CORE_TEST_MAIN(PointAttributesTest)
#include "test_point_attributes.moc"
