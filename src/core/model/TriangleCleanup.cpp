#include "model/TriangleCleanup.h"

#include "model/PolygonTriangulation.h"

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkCellData.h>
#include <vtkIdList.h>
#include <vtkNew.h>
#include <vtkPointData.h>

#include <algorithm>
#include <array>
#include <new>
#include <tuple>
#include <vector>

namespace lumeno {

namespace {

bool HasOnlyTriangles(vtkPolyData *model)
{
    return model->GetNumberOfStrips() == 0 &&
           (model->GetNumberOfPolys() == 0 || model->GetPolys()->IsHomogeneous() == 3);
}

struct Triangulation
{
    vtkSmartPointer<vtkPolyData> model;
    vtkIdType untriangulatedPolygons = 0;
};

// The triangles of a triangle strip: every other one turns the other way round. Those on a
// point twice only turn the strip round and have no area.
void AppendStripTriangles(vtkIdType size, const vtkIdType *ids, std::vector<vtkIdType> &triangles)
{
    for (vtkIdType i = 0; i + 2 < size; ++i) {
        const vtkIdType a = ids[i % 2 == 0 ? i : i + 1];
        const vtkIdType b = ids[i % 2 == 0 ? i + 1 : i];
        const vtkIdType c = ids[i + 2];
        if (a != b && b != c && a != c)
            triangles.insert(triangles.end(), {a, b, c});
    }
}

// Polygons and strips become triangles; vertices, lines and points stay as they are, and
// each triangle takes the cell data of the cell it came from. (vtkTriangleFilter lost most
// triangles of large concave polygons, and kept the turning triangles of strips.)
Triangulation Triangulated(vtkPolyData *model)
{
    Triangulation result;
    vtkCellData *cellData = model->GetCellData();
    const bool hasCellData = cellData->GetNumberOfArrays() > 0;
    const vtkIdType firstPolygon = model->GetNumberOfVerts() + model->GetNumberOfLines();
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    triangles->AllocateEstimate(model->GetNumberOfPolys() + model->GetNumberOfStrips(), 3);
    std::vector<vtkIdType> sources; // of each triangle, the cell it came from, when cell data follow
    std::vector<vtkIdType> corners;
    PolygonTriangulator triangulator;

    const auto add = [&](vtkIdType source) {
        for (size_t i = 0; i < corners.size(); i += 3) {
            triangles->InsertNextCell(3, corners.data() + i);
            if (hasCellData)
                sources.push_back(source);
        }
    };
    vtkIdType source = firstPolygon;
    auto polygon = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (polygon->GoToFirstCell(); !polygon->IsDoneWithTraversal(); polygon->GoToNextCell(), ++source) {
        vtkIdType size = 0;
        const vtkIdType *ids = nullptr;
        polygon->GetCurrentCell(size, ids);
        corners.clear();
        if (size == 3)
            corners.assign(ids, ids + 3);
        else if (!triangulator.Triangulate(model->GetPoints(), size, ids, corners))
            ++result.untriangulatedPolygons;
        add(source);
    }
    auto strip = vtk::TakeSmartPointer(model->GetStrips()->NewIterator());
    for (strip->GoToFirstCell(); !strip->IsDoneWithTraversal(); strip->GoToNextCell(), ++source) {
        vtkIdType size = 0;
        const vtkIdType *ids = nullptr;
        strip->GetCurrentCell(size, ids);
        corners.clear();
        AppendStripTriangles(size, ids, corners);
        add(source);
    }

    result.model = vtkSmartPointer<vtkPolyData>::New();
    result.model->SetPoints(model->GetPoints());
    result.model->GetPointData()->ShallowCopy(model->GetPointData());
    result.model->SetVerts(model->GetVerts());
    result.model->SetLines(model->GetLines());
    result.model->SetPolys(triangles);
    if (hasCellData) {
        vtkCellData *output = result.model->GetCellData();
        output->CopyAllocate(cellData, firstPolygon + static_cast<vtkIdType>(sources.size()));
        if (firstPolygon > 0)
            output->CopyData(cellData, 0, firstPolygon, 0);
        vtkNew<vtkIdList> from;
        vtkNew<vtkIdList> to;
        from->SetNumberOfIds(static_cast<vtkIdType>(sources.size()));
        to->SetNumberOfIds(static_cast<vtkIdType>(sources.size()));
        for (size_t i = 0; i < sources.size(); ++i) {
            from->SetId(static_cast<vtkIdType>(i), sources[i]);
            to->SetId(static_cast<vtkIdType>(i), firstPolygon + static_cast<vtkIdType>(i));
        }
        output->CopyData(cellData, from, to);
        output->Squeeze();
    }
    return result;
}

// The model, without the cell data arrays that do not hold one tuple per cell (a reader can
// give some cells theirs and not others): copying them cell by cell would read past their end.
vtkSmartPointer<vtkPolyData> WithCellDataPerCell(vtkPolyData *model)
{
    vtkCellData *cellData = model->GetCellData();
    std::vector<int> uneven;
    for (int array = 0; array < cellData->GetNumberOfArrays(); ++array)
        if (cellData->GetAbstractArray(array)->GetNumberOfTuples() != model->GetNumberOfCells())
            uneven.push_back(array);
    if (uneven.empty())
        return model;
    auto even = vtkSmartPointer<vtkPolyData>::New();
    even->ShallowCopy(model);
    for (auto array = uneven.rbegin(); array != uneven.rend(); ++array)
        even->GetCellData()->RemoveArray(*array);
    return even;
}

using Corners = std::array<vtkIdType, 3>;

// The corners of every triangle, each in ascending order.
template <typename Connectivity>
std::vector<Corners> SortedCorners(Connectivity *connectivity)
{
    std::vector<Corners> corners(static_cast<size_t>(connectivity->GetNumberOfValues() / 3));
    vtkIdType value = 0;
    for (Corners &triangle : corners) {
        for (vtkIdType &id : triangle)
            id = static_cast<vtkIdType>(connectivity->GetValue(value++));
        std::sort(triangle.begin(), triangle.end());
    }
    return corners;
}

struct DroppedTriangles
{
    std::vector<bool> dropped; // empty when none is
    vtkIdType repeats = 0;     // on the corners of an earlier triangle
    vtkIdType withoutArea = 0; // on one point twice
};

// Which triangles repeat the corners of an earlier one or use one point twice. The triangles
// are bucketed by their smallest corner (a counting sort), so the work stays linear however
// many of them share a point.
DroppedTriangles TrianglesToDrop(vtkCellArray *triangles, vtkIdType pointCount)
{
    const std::vector<Corners> corners = triangles->IsStorage64Bit()
                                             ? SortedCorners(triangles->GetConnectivityArray64())
                                             : SortedCorners(triangles->GetConnectivityArray32());
    DroppedTriangles result;
    std::vector<bool> &repeated = result.dropped;
    for (size_t i = 0; i < corners.size(); ++i) {
        if (corners[i][0] != corners[i][1] && corners[i][1] != corners[i][2])
            continue;
        if (repeated.empty())
            repeated.resize(corners.size(), false);
        repeated[i] = true;
        ++result.withoutArea;
    }
    std::vector<vtkIdType> bucketStart(static_cast<size_t>(pointCount) + 1, 0);
    for (const Corners &triangle : corners)
        ++bucketStart[static_cast<size_t>(triangle[0]) + 1];
    for (size_t i = 1; i < bucketStart.size(); ++i)
        bucketStart[i] += bucketStart[i - 1];
    std::vector<vtkIdType> order(corners.size());
    std::vector<vtkIdType> next(bucketStart.begin(), bucketStart.end() - 1);
    for (size_t i = 0; i < corners.size(); ++i)
        order[static_cast<size_t>(next[static_cast<size_t>(corners[i][0])]++)] = static_cast<vtkIdType>(i);

    const auto byCornersThenIndex = [&corners](vtkIdType a, vtkIdType b) {
        return std::tie(corners[a][1], corners[a][2], a) < std::tie(corners[b][1], corners[b][2], b);
    };
    for (size_t point = 0; point + 1 < bucketStart.size(); ++point) {
        const auto first = order.begin() + bucketStart[point];
        const auto last = order.begin() + bucketStart[point + 1];
        if (last - first < 2)
            continue;
        std::sort(first, last, byCornersThenIndex);
        for (auto it = first + 1; it != last; ++it) {
            if (corners[*it] != corners[*(it - 1)] || (!repeated.empty() && repeated[static_cast<size_t>(*it)]))
                continue;
            if (repeated.empty())
                repeated.resize(corners.size(), false);
            repeated[static_cast<size_t>(*it)] = true;
            ++result.repeats;
        }
    }
    return result;
}

// The model without the marked triangles, their cell data dropped with them.
vtkSmartPointer<vtkPolyData> WithoutTriangles(vtkPolyData *model, const std::vector<bool> &dropped)
{
    auto kept = vtkSmartPointer<vtkCellArray>::New();
    auto output = vtkSmartPointer<vtkPolyData>::New();
    output->SetPoints(model->GetPoints());
    output->GetPointData()->ShallowCopy(model->GetPointData());
    output->SetVerts(model->GetVerts());
    output->SetLines(model->GetLines());
    vtkCellData *cellData = model->GetCellData();
    vtkCellData *keptData = output->GetCellData();
    keptData->CopyAllocate(cellData, model->GetNumberOfCells());
    // Cell data run over vertices and lines first, then polygons.
    const vtkIdType firstPolygon = model->GetNumberOfVerts() + model->GetNumberOfLines();
    vtkIdType keptCells = 0;
    for (; keptCells < firstPolygon; ++keptCells)
        keptData->CopyData(cellData, keptCells, keptCells);
    auto cell = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    size_t index = 0;
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell(), ++index) {
        if (dropped[index])
            continue;
        vtkIdType size = 0;
        const vtkIdType *ids = nullptr;
        cell->GetCurrentCell(size, ids);
        kept->InsertNextCell(size, ids);
        keptData->CopyData(cellData, firstPolygon + static_cast<vtkIdType>(index), keptCells++);
    }
    keptData->Squeeze();
    output->SetPolys(kept);
    return output;
}

} // namespace

CleanedTriangles CleanTriangles(vtkPolyData *input)
{
    const vtkSmartPointer<vtkPolyData> model = WithCellDataPerCell(input);
    CleanedTriangles result;
    result.model = model;
    if (!HasOnlyTriangles(model)) {
        try {
            Triangulation triangulation = Triangulated(model);
            result.model = triangulation.model;
            result.untriangulatedPolygons = triangulation.untriangulatedPolygons;
        } catch (const std::bad_alloc &) {
            result.model = nullptr;
            return result;
        }
    }
    const DroppedTriangles drop = TrianglesToDrop(result.model->GetPolys(), result.model->GetNumberOfPoints());
    if (drop.dropped.empty())
        return result;
    result.removedDuplicates = drop.repeats;
    result.untriangulatedPolygons += drop.withoutArea;
    result.model = WithoutTriangles(result.model, drop.dropped);
    return result;
}

} // namespace lumeno
