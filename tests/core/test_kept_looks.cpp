// Materials and parts kept by every operation that makes a new model: both engines' levels,
// shares and by-error reductions, the smoothing and the transform.
#include "TestSupport.h"

#include "model/LeftOutTriangles.h"
#include "model/MeshOperations.h"
#include "model/ModelLook.h"
#include "model/ModelTransform.h"
#include "reduce/Reducer.h"

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkCellData.h>
#include <vtkFloatArray.h>
#include <vtkIntArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkTransform.h>

#include <array>
#include <cmath>
#include <map>
#include <set>

Q_DECLARE_METATYPE(lumeno::ReductionEngine)

namespace {

using lumeno::ReductionEngine;

constexpr int GridSize = 24;    // quads along each side of the unit square
constexpr int BorderColumn = 11; // quads left of this column have material 0, the others 1

// The height of the grid's surface, curved so that a reduction has something to keep.
double Height(double x, double y) { return 0.15 * std::sin(3.0 * x) * std::cos(2.0 * y); }

// A material of each quad's column: 0 left of x = BorderColumn / GridSize, 1 right of it.
int MaterialAt(double x) { return x * GridSize < BorderColumn ? 0 : 1; }

vtkSmartPointer<vtkIntArray> IdArray(const char *name, const std::vector<int> &values)
{
    auto ids = vtkSmartPointer<vtkIntArray>::New();
    ids->SetName(name);
    for (const int value : values)
        ids->InsertNextValue(value);
    return ids;
}

// A height field over the unit square, its points shared by the triangles on both sides of
// the straight border between two materials (as a reader gives them), with texture
// coordinates (x, y) the same on both sides: only the material tells the sides apart.
vtkSmartPointer<vtkPolyData> TwoMaterialGrid()
{
    auto points = vtkSmartPointer<vtkPoints>::New();
    auto coordinates = vtkSmartPointer<vtkFloatArray>::New();
    coordinates->SetName("TCoords");
    coordinates->SetNumberOfComponents(2);
    for (int j = 0; j <= GridSize; ++j)
        for (int i = 0; i <= GridSize; ++i) {
            const double x = double(i) / GridSize, y = double(j) / GridSize;
            points->InsertNextPoint(x, y, Height(x, y));
            coordinates->InsertNextTuple2(x, y);
        }
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    std::vector<int> materials;
    const auto at = [](int i, int j) { return vtkIdType(j * (GridSize + 1) + i); };
    for (int j = 0; j < GridSize; ++j)
        for (int i = 0; i < GridSize; ++i) {
            const vtkIdType lower[3] = {at(i, j), at(i + 1, j), at(i + 1, j + 1)};
            const vtkIdType upper[3] = {at(i, j), at(i + 1, j + 1), at(i, j + 1)};
            triangles->InsertNextCell(3, lower);
            triangles->InsertNextCell(3, upper);
            const int material = i < BorderColumn ? 0 : 1;
            materials.insert(materials.end(), {material, material});
        }
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->SetPoints(points);
    model->SetPolys(triangles);
    model->GetPointData()->SetTCoords(coordinates);
    model->GetCellData()->AddArray(IdArray(lumeno::MaterialIdsName, materials));
    return model;
}

constexpr int FlatSize = 6; // quads along each side of the flat part

// The grid as part 0, a tetrahedron far from it as part 1 (4 triangles) and a flat square of
// FlatSize x FlatSize quads as part 2, which one run over all would reduce first and most.
vtkSmartPointer<vtkPolyData> ThreeParts()
{
    const vtkSmartPointer<vtkPolyData> grid = TwoMaterialGrid();
    vtkPoints *points = grid->GetPoints();
    vtkDataArray *coordinates = grid->GetPointData()->GetTCoords();
    const auto addPoint = [&](double x, double y, double z) {
        coordinates->InsertNextTuple2(0.0, 0.0);
        return points->InsertNextPoint(x, y, z);
    };
    const auto addTriangle = [&](vtkIdType a, vtkIdType b, vtkIdType c) {
        const vtkIdType ids[3] = {a, b, c};
        grid->GetPolys()->InsertNextCell(3, ids);
    };
    std::vector<int> parts(size_t(grid->GetNumberOfPolys()), 0);
    const vtkIdType tip = addPoint(3.0, 0.0, 0.0);
    addPoint(3.1, 0.0, 0.0);
    addPoint(3.0, 0.1, 0.0);
    addPoint(3.0, 0.0, 0.1);
    for (const auto &face : std::array<std::array<vtkIdType, 3>, 4>{{{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}}})
        addTriangle(tip + face[0], tip + face[1], tip + face[2]);
    parts.insert(parts.end(), 4, 1);
    const vtkIdType corner = points->GetNumberOfPoints();
    for (int j = 0; j <= FlatSize; ++j)
        for (int i = 0; i <= FlatSize; ++i)
            addPoint(5.0 + double(i) / FlatSize, double(j) / FlatSize, 0.0);
    const auto at = [corner](int i, int j) { return corner + vtkIdType(j * (FlatSize + 1) + i); };
    for (int j = 0; j < FlatSize; ++j)
        for (int i = 0; i < FlatSize; ++i) {
            addTriangle(at(i, j), at(i + 1, j), at(i + 1, j + 1));
            addTriangle(at(i, j), at(i + 1, j + 1), at(i, j + 1));
        }
    parts.insert(parts.end(), size_t(2 * FlatSize * FlatSize), 2);
    std::vector<int> materials(parts.size(), -1);
    auto *gridMaterials = vtkIntArray::SafeDownCast(grid->GetCellData()->GetArray(lumeno::MaterialIdsName));
    for (vtkIdType t = 0; t < gridMaterials->GetNumberOfValues(); ++t)
        materials[size_t(t)] = gridMaterials->GetValue(t);
    grid->GetCellData()->Initialize();
    grid->GetCellData()->AddArray(IdArray(lumeno::MaterialIdsName, materials));
    grid->GetCellData()->AddArray(IdArray(lumeno::PartIdsName, parts));
    return grid;
}

struct Triangle
{
    std::array<std::array<double, 3>, 3> corners;
    std::array<vtkIdType, 3> points;
    int material = -1;
    int part = 0;
};

std::vector<Triangle> TrianglesOf(vtkPolyData *model)
{
    std::vector<Triangle> triangles;
    auto cells = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
        vtkIdType count;
        const vtkIdType *ids;
        cells->GetCurrentCell(count, ids);
        if (count != 3)
            continue;
        Triangle t;
        for (int k = 0; k < 3; ++k) {
            model->GetPoint(ids[k], t.corners[size_t(k)].data());
            t.points[size_t(k)] = ids[k];
        }
        const vtkIdType cell = model->GetNumberOfVerts() + model->GetNumberOfLines() + cells->GetCurrentCellId();
        vtkDataArray *materials = model->GetCellData()->GetArray(lumeno::MaterialIdsName);
        vtkDataArray *parts = model->GetCellData()->GetArray(lumeno::PartIdsName);
        t.material = materials ? int(materials->GetComponent(cell, 0)) : -2;
        t.part = parts ? int(parts->GetComponent(cell, 0)) : -2;
        triangles.push_back(t);
    }
    return triangles;
}

using Position = std::array<double, 3>;
using Edge = std::pair<Position, Position>;

Edge EdgeOf(const Position &a, const Position &b) { return a < b ? Edge{a, b} : Edge{b, a}; }

bool OnOuterBorder(const Edge &edge)
{
    const auto onSide = [&](int axis, double value) {
        // Moved along it, a border point may leave it by a rounding.
        return std::abs(edge.first[size_t(axis)] - value) < 1e-3 && std::abs(edge.second[size_t(axis)] - value) < 1e-3;
    };
    return onSide(0, 0.0) || onSide(0, 1.0) || onSide(1, 0.0) || onSide(1, 1.0);
}

// The edges (by their ends' positions) that the triangles of the material have once, inside
// the square: the material's border with the other.
std::set<Edge> BorderOf(const std::vector<Triangle> &triangles, int material)
{
    std::map<Edge, int> uses;
    for (const Triangle &t : triangles)
        if (t.material == material)
            for (int k = 0; k < 3; ++k)
                ++uses[EdgeOf(t.corners[size_t(k)], t.corners[size_t((k + 1) % 3)])];
    std::set<Edge> border;
    for (const auto &[edge, count] : uses)
        if (count == 1 && !OnOuterBorder(edge))
            border.insert(edge);
    return border;
}

// The levels, a share of 25 % and a by-error reduction, by name.
std::map<QString, vtkSmartPointer<vtkPolyData>> Reductions(ReductionEngine engine, vtkPolyData *model)
{
    std::map<QString, vtkSmartPointer<vtkPolyData>> made;
    const std::unique_ptr<lumeno::Reducer> reducer = lumeno::MakeReducer(engine);
    lumeno::LevelReceiver receiver;
    receiver.ready = [&made](int level, const vtkSmartPointer<vtkPolyData> &result) {
        made[QStringLiteral("level %1").arg(level)] = result;
    };
    reducer->MakeLevels(model, receiver, {});
    made[QStringLiteral("share 25 %")] = reducer->KeepShare(model, 0.25, {});
    made[QStringLiteral("share 100 %")] = reducer->KeepShare(model, 1.0, {});
    made[QStringLiteral("within 0.5 %")] = reducer->WithinError(model, 0.005, {});
    return made;
}

} // namespace

class TestKeptLooks : public QObject
{
    Q_OBJECT

private slots:
    void reductionsKeepMaterialBorders_data()
    {
        QTest::addColumn<ReductionEngine>("engine");
        QTest::newRow("classic") << ReductionEngine::Classic;
        QTest::newRow("quality") << ReductionEngine::Quality;
    }

    void reductionsKeepMaterialBorders()
    {
        QFETCH(ReductionEngine, engine);
        const vtkSmartPointer<vtkPolyData> model = TwoMaterialGrid();
        const std::vector<Triangle> original = TrianglesOf(model);
        // The texture coordinates of each of the model's positions.
        std::map<Position, std::array<double, 2>> coordinatesAt;
        for (vtkIdType p = 0; p < model->GetNumberOfPoints(); ++p) {
            Position at;
            model->GetPoint(p, at.data());
            double *uv = model->GetPointData()->GetTCoords()->GetTuple2(p);
            coordinatesAt[at] = {uv[0], uv[1]};
        }
        const auto made = Reductions(engine, model);
        QCOMPARE(made.size(), size_t(lumeno::LevelCount + 3));
        for (const auto &[name, result] : made) {
            QVERIFY2(result, qPrintable(name));
            const std::vector<Triangle> triangles = TrianglesOf(result);
            QVERIFY2(!triangles.empty(), qPrintable(name));
            if (name == QStringLiteral("share 25 %"))
                QVERIFY2(triangles.size() <= original.size() / 3, qPrintable(name));
            std::set<int> materials;
            for (const Triangle &t : triangles) {
                QVERIFY2(t.material == 0 || t.material == 1, qPrintable(name));
                materials.insert(t.material);
                // The surface under the triangle, at points inside it, has the triangle's material.
                for (int k = 0; k < 3; ++k) {
                    double x = 0;
                    for (int c = 0; c < 3; ++c)
                        x += (c == k ? 0.8 : 0.1) * t.corners[size_t(c)][0];
                    if (std::abs(x * GridSize - BorderColumn) < 1e-4)
                        continue; // on the border, as a triangle standing on it is
                    QVERIFY2(MaterialAt(x) == t.material,
                             qPrintable(QStringLiteral("%1: material %2 at x = %3").arg(name).arg(t.material).arg(x)));
                }
            }
            QCOMPARE(materials.size(), size_t(2));
            // Every border edge of one material is one of the other: no gap between them.
            const std::set<Edge> left = BorderOf(triangles, 0), right = BorderOf(triangles, 1);
            QVERIFY2(left == right,
                     qPrintable(QStringLiteral("%1: border edges %2 | %3").arg(name).arg(left.size()).arg(right.size())));
            // The vertices left where they were keep their texture coordinates; those moved take
            // them from the surface where they went, which has them linear in x and y.
            vtkDataArray *coordinates = result->GetPointData()->GetTCoords();
            QVERIFY2(coordinates && coordinates->GetNumberOfTuples() == result->GetNumberOfPoints(), qPrintable(name));
            int kept = 0;
            for (vtkIdType p = 0; p < result->GetNumberOfPoints(); ++p) {
                Position at;
                result->GetPoint(p, at.data());
                const double *uv = coordinates->GetTuple2(p);
                const auto found = coordinatesAt.find(at);
                const bool stayed = found != coordinatesAt.end();
                kept += stayed;
                const std::array<double, 2> expected = stayed ? found->second : std::array<double, 2>{at[0], at[1]};
                const double tolerance = stayed ? 1e-6 : 0.02;
                QVERIFY2(std::abs(uv[0] - expected[0]) < tolerance && std::abs(uv[1] - expected[1]) < tolerance,
                         qPrintable(QStringLiteral("%1: (%2, %3) at (%4, %5)")
                                        .arg(name).arg(uv[0]).arg(uv[1]).arg(at[0]).arg(at[1])));
            }
            // The classic engine only removes points.
            QVERIFY2(engine == ReductionEngine::Quality || kept > 0, qPrintable(name));
        }
    }

    void everyPartStaysAtEveryLevel_data()
    {
        reductionsKeepMaterialBorders_data();
    }

    void everyPartStaysAtEveryLevel()
    {
        QFETCH(ReductionEngine, engine);
        const vtkSmartPointer<vtkPolyData> model = ThreeParts();
        const auto made = Reductions(engine, model);
        QCOMPARE(made.size(), size_t(lumeno::LevelCount + 3));
        for (const auto &[name, result] : made) {
            QVERIFY2(result, qPrintable(name));
            std::map<int, int> perPart;
            for (const Triangle &t : TrianglesOf(result)) {
                ++perPart[t.part];
                QVERIFY2(t.part == 0 ? t.material == 0 || t.material == 1 : t.material == -1, qPrintable(name));
            }
            QCOMPARE(perPart.size(), size_t(3));
            // The tetrahedron is closed: it keeps its four triangles.
            QVERIFY2(perPart[1] == 4,
                     qPrintable(QStringLiteral("%1: %2 triangles of the tetrahedron").arg(name).arg(perPart[1])));
            if (!name.startsWith(QStringLiteral("level ")) && name != QStringLiteral("share 25 %"))
                continue;
            // Each level and share keeps its share of the others, as if they were alone; the
            // classic engine keeps the flat part's border whole and cannot reduce it as far.
            const double share = name.startsWith(QStringLiteral("level "))
                                     ? lumeno::DecimationLevels[size_t(name.mid(6).toInt())].Share()
                                     : 0.25;
            const std::vector<std::pair<int, int>> expected =
                engine == ReductionEngine::Quality
                    ? std::vector<std::pair<int, int>>{{0, GridSize * GridSize * 2}, {2, FlatSize * FlatSize * 2}}
                    : std::vector<std::pair<int, int>>{{0, GridSize * GridSize * 2}};
            for (const auto &[part, triangles] : expected) {
                // vtkDecimatePro falls short where it keeps the border between the materials whole.
                const double tolerance =
                    std::max(engine == ReductionEngine::Quality ? 0.05 * share * triangles : 0.25 * share * triangles, 2.0);
                QVERIFY2(std::abs(perPart[part] - share * triangles) <= tolerance,
                         qPrintable(QStringLiteral("%1: %2 triangles of part %3").arg(name).arg(perPart[part]).arg(part)));
            }
            QVERIFY2(perPart[2] > 0 && perPart[2] <= FlatSize * FlatSize * 2, qPrintable(name));
        }
    }

    void modelOperationsKeepTheIds_data()
    {
        QTest::addColumn<QString>("operation");
        for (const char *operation : {"smoothing", "transform", "mirroring transform", "repeated"})
            QTest::newRow(operation) << QString::fromLatin1(operation);
    }

    void modelOperationsKeepTheIds()
    {
        QFETCH(QString, operation);
        vtkSmartPointer<vtkPolyData> model = ThreeParts();
        std::vector<Triangle> expected = TrianglesOf(model);
        if (operation == QStringLiteral("repeated")) {
            // The model's first triangle once more, of another material, at the end: it goes.
            const vtkIdType ids[3] = {expected[0].points[0], expected[0].points[1], expected[0].points[2]};
            model->GetPolys()->InsertNextCell(3, ids);
            for (const char *name : {lumeno::MaterialIdsName, lumeno::PartIdsName})
                vtkIntArray::SafeDownCast(model->GetCellData()->GetArray(name))->InsertNextValue(1);
        }
        vtkSmartPointer<vtkPolyData> result;
        if (operation == QStringLiteral("smoothing")) {
            result = lumeno::Smooth(model, lumeno::SmoothingIterations);
        } else if (operation.endsWith(QStringLiteral("transform"))) {
            const double scale[3] = {operation.startsWith(QStringLiteral("mirroring")) ? -2.0 : 2.0, 1.0, 1.0};
            const double rotation[3] = {10.0, 20.0, 30.0};
            result = lumeno::TransformModel(model, lumeno::MakeModelTransform(scale, rotation));
        } else {
            lumeno::LeftOutTriangles left;
            result = lumeno::WithoutCollapsedAndRepeated(model, left);
            QCOMPARE(left.repeated, size_t(1));
        }
        QVERIFY(result);
        const std::vector<Triangle> triangles = TrianglesOf(result);
        QCOMPARE(triangles.size(), expected.size());
        for (size_t t = 0; t < triangles.size(); ++t) {
            QCOMPARE(triangles[t].material, expected[t].material);
            QCOMPARE(triangles[t].part, expected[t].part);
        }
    }
};

LUMENO_CORE_TEST_MAIN(TestKeptLooks)
#include "test_kept_looks.moc"
