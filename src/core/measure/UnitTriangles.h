#pragma once

#include <vtkPolyData.h>

#include <array>
#include <cstdint>
#include <vector>

namespace lumeno {

class UnitBox;

// A model's triangles with their corners moved into a UnitBox, read straight from its arrays
// (a polygon of more corners as a fan of triangles), for searches of our own. Reading does not
// change the model, so several threads may read one model at once.
struct UnitTriangles
{
    std::vector<double> points; // x, y, z of each
    std::vector<std::array<uint32_t, 3>> corners;

    const double *Corner(size_t triangle, int k) const { return &points[3 * size_t(corners[triangle][k])]; }
};

// Empty when the model has no triangles, or more points than 32-bit indices reach.
UnitTriangles ReadUnitTriangles(vtkPolyData *model, const UnitBox &box);

} // namespace lumeno
