#pragma once

#include "measure/UnitTriangles.h"

#include <cstdint>
#include <vector>

namespace lumeno {

// Finds the triangle nearest to a point: a uniform grid over the triangles, each listed in the
// bins its bounding box covers (a large one only in those its plane passes through), searched
// in growing shells of bins around the point until no nearer triangle can remain, with the
// exact distance to each triangle. Built in two passes over the triangles, each on two
// threads; searching changes nothing, so several threads may search at once. Where triangles
// overlap one place (thousands around one edge) bins hold many of them: the grid is coarsened
// to bound how many are listed, and TrianglesAround tells what a search there costs.
class TriangleGrid
{
public:
    // Keeps a reference to the triangles, which must outlive the grid.
    explicit TriangleGrid(const UnitTriangles &triangles);

    // Squared distance from the point to the nearest triangle; infinite without triangles.
    double SquaredDistance(const double point[3]) const;

    // The point's bin, in storage order: points searched in this order share more of the memory read.
    size_t BinOf(const double point[3]) const;

    // How many triangles are listed in the point's bin: the least a search there examines.
    size_t TrianglesAround(const double point[3]) const;

private:
    bool Fill(size_t mostListed);
    int Bin(double value, int axis) const;
    void BinRange(size_t triangle, int low[3], int high[3]) const;
    template <typename Visit>
    void VisitPlaneBins(size_t triangle, const int low[3], const int high[3], Visit &&visit) const;
    size_t Index(int i, int j, int k) const { return (size_t(k) * size[1] + size_t(j)) * size[0] + size_t(i); }
    void SearchBin(const double point[3], int i, int j, int k, double &nearest) const;

    const UnitTriangles &triangles;
    double origin[3] = {0, 0, 0};
    double step[3] = {1, 1, 1};
    double perStep[3] = {1, 1, 1};
    int size[3] = {1, 1, 1};
    std::vector<uint32_t> firstListed; // per bin, where its triangles start in `listed`; one more at the end
    std::vector<uint32_t> listed;
};

} // namespace lumeno
