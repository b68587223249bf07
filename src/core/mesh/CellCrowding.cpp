#include "mesh/CellCrowding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace lumeno {

namespace {

constexpr double CellsPerBin = 8.0;
constexpr int MaximumBinsPerAxis = 128;

struct Grid
{
    double origin[3];
    double step[3];
    int size[3];

    int Bin(double value, int axis) const
    {
        const double position = (value - origin[axis]) / step[axis];
        return std::clamp(int(position), 0, size[axis] - 1);
    }
};

Grid MakeGrid(const double bounds[6], vtkIdType cells)
{
    Grid grid;
    double extent[3];
    double volume = 1.0;
    int spread = 0;
    const double largest = std::max({bounds[1] - bounds[0], bounds[3] - bounds[2], bounds[5] - bounds[4]});
    for (int axis = 0; axis < 3; ++axis) {
        extent[axis] = bounds[2 * axis + 1] - bounds[2 * axis];
        if (extent[axis] > largest * 1e-6) {
            volume *= extent[axis];
            ++spread;
        }
    }
    const double bins = std::max(1.0, double(cells) / CellsPerBin);
    const double side = spread > 0 ? std::pow(volume / bins, 1.0 / spread) : 1.0;
    for (int axis = 0; axis < 3; ++axis) {
        const bool flat = !(extent[axis] > largest * 1e-6);
        grid.size[axis] = flat ? 1 : std::clamp(int(std::ceil(extent[axis] / side)), 1, MaximumBinsPerAxis);
        grid.origin[axis] = bounds[2 * axis];
        grid.step[axis] = flat ? 1.0 : extent[axis] / grid.size[axis];
    }
    return grid;
}

} // namespace

double MeanCellsAround(vtkPolyData *surface, const std::vector<double> &points)
{
    const vtkIdType cells = surface->GetNumberOfCells();
    if (cells == 0 || points.size() < 3)
        return 0.0;
    const Grid grid = MakeGrid(surface->GetBounds(), cells);
    // Each cell's box adds one to the bins it covers: +1 and -1 at its corners, then a running sum
    // along each axis, so the cost grows with the cells and the bins, not with the boxes' sizes.
    const int nx = grid.size[0] + 1, ny = grid.size[1] + 1, nz = grid.size[2] + 1;
    std::vector<int64_t> counts(size_t(nx) * ny * nz, 0);
    const auto at = [&](int i, int j, int k) -> int64_t & { return counts[(size_t(k) * ny + j) * nx + i]; };
    double box[6];
    for (vtkIdType cell = 0; cell < cells; ++cell) {
        surface->GetCellBounds(cell, box);
        int low[3], high[3];
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = grid.Bin(box[2 * axis], axis);
            high[axis] = grid.Bin(box[2 * axis + 1], axis) + 1;
        }
        for (int corner = 0; corner < 8; ++corner) {
            const int i = corner & 1 ? high[0] : low[0];
            const int j = corner & 2 ? high[1] : low[1];
            const int k = corner & 4 ? high[2] : low[2];
            const int parity = ((corner & 1) + ((corner >> 1) & 1) + ((corner >> 2) & 1)) % 2;
            at(i, j, k) += parity ? -1 : 1;
        }
    }
    for (int k = 0; k < nz; ++k)
        for (int j = 0; j < ny; ++j)
            for (int i = 1; i < nx; ++i)
                at(i, j, k) += at(i - 1, j, k);
    for (int k = 0; k < nz; ++k)
        for (int j = 1; j < ny; ++j)
            for (int i = 0; i < nx; ++i)
                at(i, j, k) += at(i, j - 1, k);
    for (int k = 1; k < nz; ++k)
        for (int j = 0; j < ny; ++j)
            for (int i = 0; i < nx; ++i)
                at(i, j, k) += at(i, j, k - 1);

    double total = 0.0;
    for (size_t p = 0; p + 2 < points.size(); p += 3)
        total += double(at(grid.Bin(points[p], 0), grid.Bin(points[p + 1], 1), grid.Bin(points[p + 2], 2)));
    return total / double(points.size() / 3);
}

} // namespace lumeno
