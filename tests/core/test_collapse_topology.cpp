// The quality engine reduces models that are no closed manifold soundly, as far as they allow.
#include "TestSupport.h"

#include "reduce/KeptShare.h"
#include "reduce/Reducer.h"

#include <QtTest>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkPoints.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <vector>

Q_DECLARE_METATYPE(vtkSmartPointer<vtkPolyData>)

namespace {

using Point = std::array<double, 3>;
using Triangle = std::array<vtkIdType, 3>;

vtkSmartPointer<vtkPolyData> ModelOf(const std::vector<Point> &points, const std::vector<Triangle> &triangles)
{
    auto coordinates = vtkSmartPointer<vtkPoints>::New();
    for (const Point &p : points)
        coordinates->InsertNextPoint(p.data());
    auto cells = vtkSmartPointer<vtkCellArray>::New();
    for (const Triangle &t : triangles)
        cells->InsertNextCell(3, t.data());
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->SetPoints(coordinates);
    model->SetPolys(cells);
    return model;
}

// Two closed cones facing out, their tips point 0 at the origin, their bases at z = ±1.
vtkSmartPointer<vtkPolyData> ConesTipToTip(int segments)
{
    std::vector<Point> points{{0, 0, 0}};
    std::vector<Triangle> triangles;
    for (const double direction : {1.0, -1.0}) {
        const vtkIdType centre = vtkIdType(points.size()), ring = centre + 1;
        points.push_back({0, 0, direction});
        for (int i = 0; i < segments; ++i)
            points.push_back({0.5 * std::cos(2 * M_PI * i / segments), 0.5 * std::sin(2 * M_PI * i / segments), direction});
        for (int i = 0; i < segments; ++i) {
            const vtkIdType a = ring + i, b = ring + (i + 1) % segments;
            triangles.push_back(direction > 0 ? Triangle{0, a, b} : Triangle{0, b, a});
            triangles.push_back(direction > 0 ? Triangle{centre, b, a} : Triangle{centre, a, b});
        }
    }
    return ModelOf(points, triangles);
}

// Grids over [0, 1]² moved by (dx, dy), on points of their own, facing up or down.
vtkSmartPointer<vtkPolyData> Grids(int n, const std::vector<std::array<double, 2>> &offsets, const std::vector<bool> &up)
{
    std::vector<Point> points;
    std::vector<Triangle> triangles;
    for (size_t g = 0; g < offsets.size(); ++g) {
        const vtkIdType first = vtkIdType(points.size());
        for (int j = 0; j <= n; ++j)
            for (int i = 0; i <= n; ++i) {
                const double x = offsets[g][0] + double(i) / n, y = offsets[g][1] + double(j) / n;
                points.push_back({x, y, 0.02 * std::sin(3 * x + 2 * y)});
            }
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < n; ++i) {
                const vtkIdType a = first + j * (n + 1) + i, b = a + 1, c = a + n + 1, d = c + 1;
                triangles.push_back(up[g] ? Triangle{a, b, d} : Triangle{a, d, b});
                triangles.push_back(up[g] ? Triangle{a, d, c} : Triangle{a, c, d});
            }
    }
    return ModelOf(points, triangles);
}

// What makes a result unsound, if anything.
QString Unsoundness(vtkPolyData *model)
{
    if (model->GetNumberOfCells() != model->GetNumberOfPolys())
        return QStringLiteral("cells other than triangles");
    std::set<std::array<Point, 3>> seen;
    auto cells = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
        vtkIdType size;
        const vtkIdType *ids;
        cells->GetCurrentCell(size, ids);
        if (size != 3)
            return QStringLiteral("a polygon of %1 corners").arg(size);
        std::array<Point, 3> places;
        for (int k = 0; k < 3; ++k) {
            if (ids[k] < 0 || ids[k] >= model->GetNumberOfPoints())
                return QStringLiteral("index %1 past the points").arg(ids[k]);
            model->GetPoint(ids[k], places[size_t(k)].data());
        }
        std::sort(places.begin(), places.end());
        if (ids[0] == ids[1] || ids[1] == ids[2] || ids[2] == ids[0] || places[0] == places[1] || places[1] == places[2])
            return QStringLiteral("a triangle with two corners at one place");
        if (!seen.insert(places).second)
            return QStringLiteral("a triangle on the places of another");
    }
    return {};
}

} // namespace

class CollapseTopologyTest : public QObject
{
    Q_OBJECT

private slots:
    // Each model, the triangles the engine may keep of it, and the fewest its shape can keep.
    void nonManifoldModelsAreReducedSoundly_data()
    {
        QTest::addColumn<vtkSmartPointer<vtkPolyData>>("model");
        QTest::addColumn<int>("keepable");
        QTest::addColumn<int>("fewest");
        for (const int count : {3, 5000})
            QTest::addRow("%d triangles on one edge", count) << testing::TrianglesOnOneEdge(count) << count << 1;
        QTest::newRow("two cones tip to tip") << ConesTipToTip(24) << 4 * 24 << 8;
        QTest::newRow("bow-ties") << Grids(8, {{0, 0}, {1, 1}, {3, 0}, {4, 1}, {6, 0}, {7, 1}}, std::vector<bool>(6, true))
                                  << 6 * 2 * 8 * 8 << 12;
        QTest::newRow("doubled sheet") << Grids(12, {{0, 0}, {0, 0}}, {true, true}) << 2 * 12 * 12 << 2;
        QTest::newRow("doubled sheet, one flipped") << Grids(12, {{0, 0}, {0, 0}}, {true, false}) << 2 * 12 * 12 << 2;
    }

    void nonManifoldModelsAreReducedSoundly()
    {
        QFETCH(vtkSmartPointer<vtkPolyData>, model);
        QFETCH(int, keepable);
        QFETCH(int, fewest);
        const std::unique_ptr<lumeno::Reducer> reducer = lumeno::MakeReducer(lumeno::ReductionEngine::Quality);
        std::vector<vtkSmartPointer<vtkPolyData>> levels;
        lumeno::LevelReceiver receiver;
        receiver.ready = [&levels](int, const vtkSmartPointer<vtkPolyData> &level) { levels.push_back(level); };
        QCOMPARE(reducer->MakeLevels(model, receiver, {}), lumeno::LevelCount);
        QCOMPARE(model->GetNumberOfPolys() - vtkIdType(reducer->LeftOut().Total()), vtkIdType(keepable));
        vtkIdType before = keepable;
        for (size_t i = 0; i < levels.size(); ++i) {
            const int percent = lumeno::DecimationLevels[i].percent;
            const vtkIdType kept = levels[i]->GetNumberOfPolys();
            QVERIFY2(Unsoundness(levels[i]).isEmpty(),
                     qPrintable(QStringLiteral("%1% level: %2").arg(percent).arg(Unsoundness(levels[i]))));
            QVERIFY(kept <= before);
            before = kept;
            const vtkIdType asked = std::max<vtkIdType>(lumeno::AskedTriangles(keepable, percent), fewest);
            QVERIFY2(lumeno::ReachesAskedTriangles(asked, kept) || kept < asked,
                     qPrintable(QStringLiteral("%1% level: %2 triangles, %3 asked").arg(percent).arg(kept).arg(asked)));
        }
        const vtkSmartPointer<vtkPolyData> result = reducer->KeepShare(model, 0.01, {});
        QVERIFY(result);
        QVERIFY2(Unsoundness(result).isEmpty(), qPrintable(Unsoundness(result)));
        const vtkIdType asked = std::max<vtkIdType>(lumeno::AskedTriangles(keepable, 1), fewest);
        QVERIFY2(lumeno::ReachesAskedTriangles(asked, result->GetNumberOfPolys()) || result->GetNumberOfPolys() < asked,
                 qPrintable(QStringLiteral("%1 triangles, %2 asked").arg(result->GetNumberOfPolys()).arg(asked)));
    }
};

LUMENO_CORE_TEST_MAIN(CollapseTopologyTest)
#include "test_collapse_topology.moc"
