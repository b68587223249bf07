#include "measure/TriangleGrid.h"

#include "measure/TriangleDistance.h"
#include "model/TwoThreads.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumeno {

namespace {

constexpr size_t MostBins = size_t(1) << 22; // 16 MB of bin starts

using distance::Difference;
using distance::Dot;

} // namespace

TriangleGrid::TriangleGrid(const UnitTriangles &surface) : triangles(surface)
{
    const size_t count = triangles.corners.size();
    if (count == 0)
        return;
    double low[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL};
    double high[3] = {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    for (size_t p = 0; p < triangles.points.size(); p += 3)
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = std::min(low[axis], triangles.points[p + axis]);
            high[axis] = std::max(high[axis], triangles.points[p + axis]);
        }
    double extent[3];
    for (int axis = 0; axis < 3; ++axis)
        extent[axis] = std::max(0.0, high[axis] - low[axis]);
    // Cubic bins, about two per triangle, along the axes over which the model spreads.
    const double largest = std::max({extent[0], extent[1], extent[2]});
    double volume = 1.0;
    int spread = 0;
    for (double length : extent)
        if (length > largest * 1e-6) {
            volume *= length;
            ++spread;
        }
    const double bins = std::clamp(2.0 * double(count), 1.0, double(MostBins));
    // Where triangles would be listed too often (thousands around one edge), the bins grow.
    const size_t mostListed = std::min<size_t>(8 * count + 65536, std::numeric_limits<uint32_t>::max());
    double side = spread > 0 ? std::pow(volume / bins, 1.0 / spread) : 1.0;
    for (;;) {
        size_t binCount = 1;
        for (int axis = 0; axis < 3; ++axis) {
            const double across = extent[axis] > largest * 1e-6 ? extent[axis] / side : 0.0;
            size[axis] = across >= 1024 ? 1024 : across > 1 ? int(std::ceil(across)) : 1;
            origin[axis] = low[axis];
            step[axis] = extent[axis] / size[axis];
            perStep[axis] = step[axis] > 0 ? 1 / step[axis] : 0.0;
            binCount *= size_t(size[axis]);
        }
        if (binCount > MostBins)
            side *= 1.01 * std::pow(double(binCount) / MostBins, 1.0 / std::max(spread, 1));
        else if (Fill(mostListed))
            return;
        else
            side *= 1.5;
    }
}

int TriangleGrid::Bin(double value, int axis) const
{
    const double position = (value - origin[axis]) * perStep[axis];
    if (!(position > 0)) // also a point outside, or on a flat axis
        return 0;
    return position < size[axis] - 1 ? int(position) : size[axis] - 1;
}

void TriangleGrid::BinRange(size_t triangle, int low[3], int high[3]) const
{
    const double *a = triangles.Corner(triangle, 0), *b = triangles.Corner(triangle, 1), *c = triangles.Corner(triangle, 2);
    for (int axis = 0; axis < 3; ++axis) {
        low[axis] = Bin(std::min({a[axis], b[axis], c[axis]}), axis);
        high[axis] = Bin(std::max({a[axis], b[axis], c[axis]}), axis);
    }
}

// A triangle across many bins (a large one, slanted through the grid) is listed only where its
// plane passes: along the axis its normal points most along, each column of bins from where the
// plane enters it to where it leaves it.
template <typename Visit>
void TriangleGrid::VisitPlaneBins(size_t triangle, const int low[3], const int high[3], Visit &&visit) const
{
    const double *a = triangles.Corner(triangle, 0), *b = triangles.Corner(triangle, 1), *c = triangles.Corner(triangle, 2);
    double ab[3], ac[3];
    Difference(b, a, ab);
    Difference(c, a, ac);
    const double n[3] = {ab[1] * ac[2] - ab[2] * ac[1], ab[2] * ac[0] - ab[0] * ac[2], ab[0] * ac[1] - ab[1] * ac[0]};
    const int w = std::abs(n[0]) >= std::abs(n[1]) ? (std::abs(n[0]) >= std::abs(n[2]) ? 0 : 2)
                                                   : (std::abs(n[1]) >= std::abs(n[2]) ? 1 : 2);
    const int u = (w + 1) % 3, v = (w + 2) % 3;
    const double offset = Dot(n, a);
    int at[3];
    for (at[u] = low[u]; at[u] <= high[u]; ++at[u])
        for (at[v] = low[v]; at[v] <= high[v]; ++at[v]) {
            int from = low[w], to = high[w];
            if (n[w] != 0) { // else no plane: the whole column
                double lowest = HUGE_VAL, highest = -HUGE_VAL;
                for (int corner = 0; corner < 4; ++corner) {
                    const double x = origin[u] + (at[u] + (corner & 1)) * step[u];
                    const double y = origin[v] + (at[v] + (corner >> 1)) * step[v];
                    const double height = (offset - n[u] * x - n[v] * y) / n[w];
                    lowest = std::min(lowest, height);
                    highest = std::max(highest, height);
                }
                const double slack = 1e-9 * (step[w] + std::abs(highest - lowest));
                from = std::max(from, Bin(lowest - slack, w));
                to = std::min(to, Bin(highest + slack, w));
            }
            for (at[w] = from; at[w] <= to; ++at[w])
                visit(Index(at[0], at[1], at[2]));
        }
}

// Each triangle is listed in every bin its bounding box covers (where that is many, only in
// those its plane passes through): counted, then placed, each half of the triangles on a thread
// of its own. False when that would list more than `mostListed`.
bool TriangleGrid::Fill(size_t mostListed)
{
    const size_t binCount = size_t(size[0]) * size[1] * size[2];
    const size_t count = triangles.corners.size();
    const size_t half = count / 2;
    // Each triangle's bins, found when counting, for placing: its lowest bin and how many more
    // along each axis; or, for one listed by its plane, AcrossPlane.
    struct Range
    {
        uint32_t low;
        uint8_t more[3];
    };
    constexpr uint8_t AcrossPlane = 255;
    constexpr size_t MostBoxBins = 16;
    std::vector<Range> ranges(count);
    // Per bin, the first half's triangles, then the second half's.
    firstListed.assign(binCount + 1, 0);
    std::vector<uint32_t> secondHalf(binCount, 0);
    const auto countHalf = [&](size_t begin, size_t end, uint32_t *counts) {
        size_t total = 0;
        int low[3], high[3];
        for (size_t t = begin; t < end && total <= mostListed; ++t) {
            BinRange(t, low, high);
            const size_t boxBins =
                size_t(high[0] - low[0] + 1) * size_t(high[1] - low[1] + 1) * size_t(high[2] - low[2] + 1);
            if (boxBins > MostBoxBins) {
                ranges[t].more[0] = AcrossPlane;
                VisitPlaneBins(t, low, high, [&](size_t bin) {
                    ++counts[bin];
                    ++total;
                });
                continue;
            }
            total += boxBins;
            ranges[t] = {uint32_t(Index(low[0], low[1], low[2])),
                         {uint8_t(high[0] - low[0]), uint8_t(high[1] - low[1]), uint8_t(high[2] - low[2])}};
            for (int k = low[2]; k <= high[2]; ++k)
                for (int j = low[1]; j <= high[1]; ++j)
                    for (int i = low[0]; i <= high[0]; ++i)
                        ++counts[Index(i, j, k)];
        }
        return total;
    };
    size_t firstTotal = 0, secondTotal = 0;
    AtOnce([&] { firstTotal = countHalf(0, half, firstListed.data()); },
           [&] { secondTotal = countHalf(half, count, secondHalf.data()); });
    if (firstTotal + secondTotal > mostListed)
        return false;

    // The first half is placed counting down from the end of its share of each bin, the second
    // counting up from there; the first half's cursors end at each bin's start.
    uint32_t start = 0;
    for (size_t bin = 0; bin < binCount; ++bin) {
        const uint32_t middle = start + firstListed[bin];
        start = middle + secondHalf[bin];
        firstListed[bin] = middle;
        secondHalf[bin] = middle;
    }
    firstListed[binCount] = start;
    listed.resize(start);
    const size_t row = size_t(size[0]), layer = row * size_t(size[1]);
    const auto placeHalf = [&](size_t begin, size_t end, bool down, uint32_t *cursors) {
        const auto place = [&](size_t bin, size_t t) {
            uint32_t &cursor = cursors[bin];
            listed[down ? --cursor : cursor++] = uint32_t(t);
        };
        for (size_t t = begin; t < end; ++t) {
            const Range &range = ranges[t];
            if (range.more[0] == AcrossPlane) {
                int low[3], high[3];
                BinRange(t, low, high);
                VisitPlaneBins(t, low, high, [&](size_t bin) { place(bin, t); });
                continue;
            }
            for (size_t k = 0; k <= range.more[2]; ++k)
                for (size_t j = 0; j <= range.more[1]; ++j)
                    for (size_t i = 0; i <= range.more[0]; ++i)
                        place(range.low + k * layer + j * row + i, t);
        }
    };
    AtOnce([&] { placeHalf(0, half, true, firstListed.data()); },
           [&] { placeHalf(half, count, false, secondHalf.data()); });
    return true;
}

void TriangleGrid::SearchBin(const double point[3], int i, int j, int k, double &nearest) const
{
    const int at[3] = {i, j, k};
    double gap = 0.0;
    for (int axis = 0; axis < 3; ++axis) {
        const double low = origin[axis] + at[axis] * step[axis];
        const double outside = std::max({low - point[axis], point[axis] - (low + step[axis]), 0.0});
        gap += outside * outside;
    }
    if (gap >= nearest)
        return;
    const size_t bin = Index(i, j, k);
    for (uint32_t n = firstListed[bin]; n < firstListed[bin + 1] && nearest > 0; ++n) {
        const size_t t = listed[n];
        nearest = std::min(nearest, SquaredDistanceToTriangle(point, triangles.Corner(t, 0), triangles.Corner(t, 1),
                                                              triangles.Corner(t, 2)));
    }
}

// Shell r holds the bins r steps away from the point's bin along some axis; they lie at
// least r - 1 steps plus the point's distance to its bin's sides away.
double TriangleGrid::SquaredDistance(const double point[3]) const
{
    double nearest = HUGE_VAL;
    if (listed.empty())
        return nearest;
    int center[3];
    int shells = 0;
    double smallestStep = HUGE_VAL;
    double inside = HUGE_VAL;
    for (int axis = 0; axis < 3; ++axis) {
        center[axis] = Bin(point[axis], axis);
        if (size[axis] == 1)
            continue;
        shells = std::max({shells, center[axis], size[axis] - 1 - center[axis]});
        smallestStep = std::min(smallestStep, step[axis]);
        const double low = origin[axis] + center[axis] * step[axis];
        inside = std::min(inside, std::max(0.0, std::min(point[axis] - low, low + step[axis] - point[axis])));
    }
    for (int r = 0; r <= shells; ++r) {
        if (r > 0) {
            const double gap = (r - 1) * smallestStep + inside;
            if (gap * gap >= nearest)
                break;
        }
        const int kLow = std::max(center[2] - r, 0), kHigh = std::min(center[2] + r, size[2] - 1);
        const int jLow = std::max(center[1] - r, 0), jHigh = std::min(center[1] + r, size[1] - 1);
        const int iLow = std::max(center[0] - r, 0), iHigh = std::min(center[0] + r, size[0] - 1);
        for (int k = kLow; k <= kHigh; ++k)
            for (int j = jLow; j <= jHigh; ++j) {
                if (std::abs(k - center[2]) == r || std::abs(j - center[1]) == r) {
                    for (int i = iLow; i <= iHigh; ++i)
                        SearchBin(point, i, j, k, nearest);
                    continue;
                }
                if (center[0] - r >= 0)
                    SearchBin(point, center[0] - r, j, k, nearest);
                if (center[0] + r < size[0])
                    SearchBin(point, center[0] + r, j, k, nearest);
            }
    }
    return nearest;
}

size_t TriangleGrid::BinOf(const double point[3]) const
{
    return Index(Bin(point[0], 0), Bin(point[1], 1), Bin(point[2], 2));
}

size_t TriangleGrid::TrianglesAround(const double point[3]) const
{
    if (listed.empty())
        return 0;
    const size_t bin = BinOf(point);
    return firstListed[bin + 1] - firstListed[bin];
}

} // namespace lumeno
