#include "measure/UnitTriangles.h"

#include "model/UnitBox.h"

#include <vtkArrayDispatch.h>
#include <vtkCellArray.h>
#include <vtkDataArrayRange.h>
#include <vtkPoints.h>

#include <limits>

namespace lumeno {

namespace {

struct ReadPoints
{
    const UnitBox &box;
    std::vector<double> &points;

    template <typename Array>
    void operator()(Array *array) const
    {
        points.resize(size_t(array->GetNumberOfTuples()) * 3);
        double *into = points.data();
        for (const auto tuple : vtk::DataArrayTupleRange<3>(array)) {
            const double point[3] = {double(tuple[0]), double(tuple[1]), double(tuple[2])};
            box.Normalise(point, into);
            into += 3;
        }
    }
};

struct ReadCorners
{
    template <typename State>
    void operator()(State &cells, size_t pointCount, std::vector<std::array<uint32_t, 3>> &corners) const
    {
        const auto *offsets = cells.GetOffsets()->GetPointer(0);
        const auto *ids = cells.GetConnectivity()->GetPointer(0);
        const vtkIdType count = cells.GetNumberOfCells();
        corners.reserve(size_t(count));
        for (vtkIdType cell = 0; cell < count; ++cell) {
            const auto *first = ids + offsets[cell];
            const auto *end = ids + offsets[cell + 1];
            bool valid = true;
            for (const auto *id = first; id < end; ++id)
                valid = valid && *id >= 0 && size_t(*id) < pointCount;
            if (!valid)
                continue;
            for (const auto *id = first + 2; id < end; ++id)
                corners.push_back({uint32_t(first[0]), uint32_t(id[-1]), uint32_t(id[0])});
        }
    }
};

} // namespace

UnitTriangles ReadUnitTriangles(vtkPolyData *model, const UnitBox &box)
{
    UnitTriangles triangles;
    vtkPoints *points = model ? model->GetPoints() : nullptr;
    vtkCellArray *polys = model ? model->GetPolys() : nullptr;
    if (!points || !polys || polys->GetNumberOfCells() == 0 ||
        points->GetNumberOfPoints() > vtkIdType(std::numeric_limits<uint32_t>::max()))
        return triangles;
    ReadPoints read{box, triangles.points};
    if (!vtkArrayDispatch::DispatchByValueType<vtkArrayDispatch::Reals>::Execute(points->GetData(), read))
        read(points->GetData());
    polys->Visit(ReadCorners{}, triangles.points.size() / 3, triangles.corners);
    if (triangles.corners.empty())
        triangles.points.clear();
    return triangles;
}

} // namespace lumeno
