#include "mesh/QuadricCollapse.h"

#include "mesh/HugePages.h"
#include "mesh/TwoThreads.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <new>
#include <thread>
#include <tuple>
#include <utility>

namespace lumeno {

namespace {

// Border planes weigh this many times a triangle of the border edge's length squared.
constexpr double BorderWeight = 10.0;
// A triangle's plane weighs its area to this power (scaled by the mean area). By area alone
// (1) the mean distance is least; small triangles, where the surface bends most, then count
// for little and the largest distance grows. 0.75 kept the mean within 2 % of that on the
// bench's scanned and CAD meshes and brought the largest distance above the better of
// vtkQuadricDecimation and meshoptimizer on 10 of 21 levels instead of 17.
constexpr double AreaWeightPower = 0.75;
// Models of this many triangles or more are collapsed on two threads, one on each side of a cut.
constexpr size_t SplitFrom = 100000;
// Below this many triangles one thread goes on alone: the seam would be too large a part.
constexpr size_t SplitTo = SplitFrom / 2;

struct Quadric
{
    // The symmetric matrix A, the vector b and the constant c of x'Ax + 2b'x + c.
    double a00 = 0, a01 = 0, a02 = 0, a11 = 0, a12 = 0, a22 = 0;
    double b0 = 0, b1 = 0, b2 = 0, c = 0;

    // The summed weight of the planes, by which the error becomes a mean squared distance:
    // each plane's unit normal adds its weight to A's trace.
    double Weight() const { return a00 + a11 + a22; }

    // The plane n'x + d = 0, n of unit length.
    void AddPlane(const double n[3], double d, double w)
    {
        a00 += w * n[0] * n[0], a01 += w * n[0] * n[1], a02 += w * n[0] * n[2];
        a11 += w * n[1] * n[1], a12 += w * n[1] * n[2], a22 += w * n[2] * n[2];
        b0 += w * n[0] * d, b1 += w * n[1] * d, b2 += w * n[2] * d;
        c += w * d * d;
    }

    Quadric operator+(const Quadric &o) const
    {
        return {a00 + o.a00, a01 + o.a01, a02 + o.a02, a11 + o.a11, a12 + o.a12, a22 + o.a22,
                b0 + o.b0,   b1 + o.b1,   b2 + o.b2,   c + o.c};
    }

    double Error(const double p[3]) const
    {
        const double x = p[0], y = p[1], z = p[2];
        const double e = a00 * x * x + 2 * a01 * x * y + 2 * a02 * x * z + a11 * y * y + 2 * a12 * y * z + a22 * z * z +
                         2 * (b0 * x + b1 * y + b2 * z) + c;
        return std::max(e, 0.0);
    }

    // The point of least error; false when A is too close to singular for one to stand out
    // (flat and cylindrical neighbourhoods).
    bool Minimum(double p[3]) const
    {
        const double c00 = a11 * a22 - a12 * a12, c01 = a02 * a12 - a01 * a22, c02 = a01 * a12 - a02 * a11;
        const double det = a00 * c00 + a01 * c01 + a02 * c02;
        const double trace = a00 + a11 + a22;
        if (!(std::abs(det) > 1e-9 * trace * trace * trace))
            return false;
        const double c11 = a00 * a22 - a02 * a02, c12 = a01 * a02 - a00 * a12, c22 = a00 * a11 - a01 * a01;
        p[0] = -(c00 * b0 + c01 * b1 + c02 * b2) / det;
        p[1] = -(c01 * b0 + c11 * b1 + c12 * b2) / det;
        p[2] = -(c02 * b0 + c12 * b1 + c22 * b2) / det;
        return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]);
    }
};

struct Vec
{
    double x, y, z;
};

Vec At(const std::vector<double> &positions, uint32_t v)
{
    return {positions[3 * size_t(v)], positions[3 * size_t(v) + 1], positions[3 * size_t(v) + 2]};
}
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

class Collapser
{
public:
    Collapser(CollapseMesh &&mesh, const CollapseGoals &goals);
    size_t Run();

private:
    // What one thread of the collapse marks, writes and counts.
    struct alignas(64) Lane
    {
        std::vector<uint32_t> marks;
        uint32_t stamp = 0;
        // Its part of `links`, where the lists of the vertices its collapses keep are written.
        size_t logNext = 0, logEnd = 0;
        // Leaves the seam's vertices alone: the other lane works beyond them.
        bool besideSeam = false;
        size_t removed = 0; // triangles, since the stretch began
        size_t made = 0;    // collapses, all told
        std::vector<uint32_t> around, touched;
        std::vector<std::tuple<double, double, uint32_t>> candidates; // cost, squared length, vertex
        std::vector<float> carried;
    };
    enum class Halt { Reached, Dry, Cancelled, OutOfRoom };
    // The home of the vertices that have triangles on both sides of the cut.
    static constexpr uint8_t Seam = 2;
    // Cheaper first; of those that cost nothing (on a flat stretch, where the quadrics cannot
    // tell the collapses apart), the shorter edge: the vertex just kept, whose edges grew, then waits
    // its turn instead of taking its neighbours one after another into a star of thin
    // triangles. (Other equal costs keep their order, as scale and rounding leave them.)
    struct HeapEntry
    {
        double cost;
        float length; // squared
        uint32_t vertex;
        bool operator<(const HeapEntry &other) const { return Before(cost, length, other.cost, other.length); }
    };
    static bool Before(double cost, double length, double otherCost, double otherLength)
    {
        return cost < otherCost || (cost == 0 && otherCost == 0 && length < otherLength);
    }
    // The entries of a heap, so placed that the four children of a node share one cache line.
    class Heap
    {
    public:
        using value_type = HeapEntry;
        Heap() : entries(Skew) {}
        size_t size() const { return entries.size() - Skew; }
        bool empty() const { return size() == 0; }
        HeapEntry &operator[](size_t i) { return entries[i + Skew]; }
        const HeapEntry &operator[](size_t i) const { return entries[i + Skew]; }
        HeapEntry &back() { return entries.back(); }
        void push_back(const HeapEntry &e) { entries.push_back(e); }
        void pop_back() { entries.pop_back(); }
        void resize(size_t count) { entries.resize(count + Skew); }
        void reserve(size_t count) { entries.reserve(count + Skew); }
        void shrink_to_fit() { entries.shrink_to_fit(); }
        const HeapEntry *data() const { return entries.data(); }

    private:
        // Node i's children, 4i + 1 to 4i + 4, lie at 4(i + 1) onwards.
        static constexpr size_t Skew = 3;
        template <typename T>
        struct OnLines
        {
            using value_type = T;
            OnLines() = default;
            template <typename U>
            OnLines(const OnLines<U> &) {}
            T *allocate(size_t n) { return static_cast<T *>(::operator new(n * sizeof(T), std::align_val_t(64))); }
            void deallocate(T *p, size_t) { ::operator delete(p, std::align_val_t(64)); }
            bool operator==(const OnLines &) const { return true; }
            bool operator!=(const OnLines &) const { return false; }
        };
        std::vector<HeapEntry, OnLines<HeapEntry>> entries;
    };
    static constexpr uint32_t Outside = UINT32_MAX;

    void BuildQuadricsAndLinks();
    void AddBorderPlane(uint32_t v, uint32_t u);
    void RebuildLinks();
    template <typename Work>
    void OnBothSides(Work &&work);
    template <typename Visit>
    void ForLiveTriangles(uint32_t v, Visit &&visit) const;
    void Unlink(uint32_t v, uint32_t t);
    template <typename Visit>
    void ForNeighbours(uint32_t v, std::vector<uint32_t> &marks, uint32_t stamp, Visit &&visit) const;
    bool Placement(uint32_t a, uint32_t b, double p[3], double &cost, double &error, bool keepVolume = false) const;
    bool VolumeKeepingMinimum(uint32_t a, uint32_t b, const Quadric &q, double x[3]) const;
    bool KeepsOrientation(uint32_t moved, uint32_t other, const double p[3]) const;
    double SquaredLength(uint32_t a, uint32_t b) const
    {
        const Vec d = At(positions, a) - At(positions, b);
        return Dot(d, d);
    }
    double BestOf(uint32_t v, std::vector<uint32_t> &marks, uint32_t stamp, bool besideSeam, double &length);
    void UpdateBest(Lane &lane, uint32_t v);
    bool CanCollapse(Lane &lane, uint32_t keep, uint32_t drop, const double p[3]);
    bool Collapsible(Lane &lane, uint32_t v, uint32_t u, double maxSquared, uint32_t &keep, uint32_t &drop,
                     double p[3]);
    void NextAllowed(Lane &lane, uint32_t v, double maxSquared);
    size_t Collapse(Lane &lane, uint32_t keep, uint32_t drop, const double p[3]);
    void CarryValues(Lane &lane, uint32_t keep, uint32_t drop, const double p[3]);
    Halt Drain(Lane &lane, uint8_t lastHeap, size_t &removed, size_t removals, double maxSquared);
    bool Poll(const Lane &lane, size_t removed);
    bool RunLanes(const size_t removals[2], double maxSquared);
    void Cut();
    uint8_t Owner(size_t t) const;
    void ReweighSeam();
    void Reseat();
    void WeighAll();
    void HandOver(size_t goal) const;

    void SiftUp(Heap &heap, size_t i);
    void SiftDown(Heap &heap, size_t i);
    void HeapSet(uint32_t v, double cost, double length);
    void HeapRemove(uint32_t v);
    void HeapPlace(Heap &heap, size_t i, const HeapEntry &e)
    {
        heap[i] = e;
        heapAt[e.vertex] = uint32_t(i);
    }

    const CollapseGoals &goals;
    std::vector<double> positions;
    std::vector<uint32_t> corners;
    const size_t attributeWidth;
    std::vector<float> attributes;
    // Bytes, not bits: the lanes mark the triangles on their sides at once.
    std::vector<uint8_t> triangleGone;
    std::vector<Quadric> quadrics;
    // Each vertex's live triangles, in the order of their indices (so that rebuilding the lists
    // changes nothing).
    std::vector<uint32_t> linkStart, linkCount;
    // Left uninitialised: the room for new lists takes memory only as it is written.
    std::unique_ptr<uint32_t[]> links;
    size_t linkRoom = 0;
    std::vector<uint8_t> border, locked, vertexGone;
    // Each vertex's cheapest collapse; the vertices in a heap by its cost, one heap per home
    // (a side of the cut, or the seam), and their place in it.
    std::vector<uint32_t> bestTarget, heapAt;
    Heap heaps[3];
    std::vector<uint8_t> home;
    std::vector<uint8_t> refused;
    // The vertex's cheapest collapse went to a vertex that moved: its cost in the heap is what
    // it was, no more than any of its collapses costs now (quadrics only grow), and it is
    // weighed again when it comes to the top.
    std::vector<uint8_t> stale;

    // Two lanes collapse the two sides of a cut through the model at once; the vertices of the
    // triangles across it (the seam) wait for this thread alone, which takes them at the end of
    // each stretch.
    bool split = false;
    std::vector<uint8_t> side;
    // The first side's vertices come before the second's (sideStart[1]); the first side's
    // triangles before those across the cut (from crossingBegin), before the second's (from
    // crossingEnd).
    uint32_t sideStart[3] = {0, 0, 0};
    size_t crossingBegin = 0, crossingEnd = 0;
    std::vector<uint32_t> seamVertices;
    size_t owned[3] = {0, 0, 0}; // live triangles on each side, and across
    bool reseating = false;      // this thread's collapses are followed for the next stretch
    Lane lanes[2];
    std::atomic<bool> stop{false};
    size_t liveTriangles = 0;
    // For the progress told: the triangles the run is to remove, those removed before the
    // lanes set out, and how many the lanes remove for each of the first lane's.
    size_t toRemove = 0, removedBefore = 0;
    double perFirstLaneRemoval = 1;
};

Collapser::Collapser(CollapseMesh &&mesh, const CollapseGoals &collapseGoals)
    : goals(collapseGoals), corners(std::move(mesh.corners)), attributeWidth(mesh.attributeWidth),
      attributes(std::move(mesh.attributes))
{
    ReserveOnHugePages(positions, mesh.positions.size());
    positions.assign(mesh.positions.begin(), mesh.positions.end());
    std::vector<float>().swap(mesh.positions);
    const size_t vertexCount = positions.size() / 3;
    triangleGone.assign(corners.size() / 3, 0);
    liveTriangles = corners.size() / 3;
    border.assign(vertexCount, 0);
    locked.assign(vertexCount, 0);
    if (mesh.pinned.size() == vertexCount)
        locked = std::move(mesh.pinned);
    vertexGone.assign(vertexCount, 0);
    bestTarget.assign(vertexCount, Outside);
    heapAt.assign(vertexCount, Outside);
    home.assign(vertexCount, 0);
    refused.assign(vertexCount, 0);
    stale.assign(vertexCount, 0);
    sideStart[1] = sideStart[2] = uint32_t(vertexCount);
    crossingBegin = crossingEnd = liveTriangles;
    split = goals.threads >= 2 ||
            (goals.threads == 0 && std::thread::hardware_concurrency() >= 2 && liveTriangles >= SplitFrom);
    for (Lane &lane : lanes) {
        if (&lane != lanes && !split)
            break;
        ReserveOnHugePages(lane.marks, vertexCount);
        lane.marks.assign(vertexCount, 0);
        lane.besideSeam = split;
    }
}

// The heaps have four children to a node: half the depth of a binary one, and a node's
// children share a cache line.
void Collapser::SiftUp(Heap &heap, size_t i)
{
    const HeapEntry e = heap[i];
    while (i > 0) {
        const size_t parent = (i - 1) / 4;
        if (!(e < heap[parent]))
            break;
        HeapPlace(heap, i, heap[parent]);
        i = parent;
    }
    HeapPlace(heap, i, e);
}

void Collapser::SiftDown(Heap &heap, size_t i)
{
    const HeapEntry e = heap[i];
    for (;;) {
        const size_t first = 4 * i + 1;
        if (first >= heap.size())
            break;
        size_t child = first;
        for (size_t other = first + 1; other < std::min(first + 4, heap.size()); ++other)
            if (heap[other] < heap[child])
                child = other;
        if (!(heap[child] < e))
            break;
        HeapPlace(heap, i, heap[child]);
        i = child;
    }
    HeapPlace(heap, i, e);
}

void Collapser::HeapSet(uint32_t v, double cost, double length)
{
    Heap &heap = heaps[home[v]];
    const HeapEntry e{cost, float(length), v};
    if (heapAt[v] == Outside) {
        heap.push_back(e);
        heapAt[v] = uint32_t(heap.size() - 1);
        SiftUp(heap, heap.size() - 1);
        return;
    }
    const size_t i = heapAt[v];
    const HeapEntry before = heap[i];
    heap[i] = e;
    if (e < before)
        SiftUp(heap, i);
    else
        SiftDown(heap, i);
}

void Collapser::HeapRemove(uint32_t v)
{
    const size_t i = heapAt[v];
    if (i == Outside)
        return;
    Heap &heap = heaps[home[v]];
    heapAt[v] = Outside;
    const HeapEntry last = heap.back();
    heap.pop_back();
    if (last.vertex == v)
        return;
    const HeapEntry before = heap[i];
    HeapPlace(heap, i, last);
    if (last < before)
        SiftUp(heap, i);
    else
        SiftDown(heap, i);
}

// The cheapest collapse of the vertex's edges (besides the seam's vertices when asked), of
// equal costs the shortest, into bestTarget; returns its cost, and its squared length.
double Collapser::BestOf(uint32_t v, std::vector<uint32_t> &marks, uint32_t stamp, bool besideSeam,
                         double &bestLength)
{
    double best = HUGE_VAL;
    bestTarget[v] = Outside;
    // The neighbours are gathered first and their quadrics and places fetched meanwhile: the
    // placements wait on memory more than they compute.
    constexpr size_t Batch = 32;
    uint32_t neighbours[Batch];
    size_t count = 0;
    bestLength = HUGE_VAL;
    const auto weigh = [&] {
        for (size_t i = 0; i < count; ++i) {
            double p[3], cost, error;
            if (!Placement(v, neighbours[i], p, cost, error) || cost > best)
                continue;
            const double length = SquaredLength(v, neighbours[i]);
            if (Before(cost, length, best, bestLength)) {
                best = cost;
                bestLength = length;
                bestTarget[v] = neighbours[i];
            }
        }
        count = 0;
    };
    ForNeighbours(v, marks, stamp, [&](uint32_t u) {
        if (besideSeam && home[u] == Seam)
            return;
        __builtin_prefetch(&quadrics[u]);
        __builtin_prefetch(reinterpret_cast<const char *>(&quadrics[u]) + 64);
        __builtin_prefetch(&positions[3 * size_t(u)]);
        __builtin_prefetch(&locked[u]);
        __builtin_prefetch(&border[u]);
        neighbours[count++] = u;
        if (count == Batch)
            weigh();
    });
    weigh();
    return best;
}

void Collapser::UpdateBest(Lane &lane, uint32_t v)
{
    refused[v] = 0;
    stale[v] = 0;
    double length;
    const double cost = BestOf(v, lane.marks, lane.stamp += 2, lane.besideSeam, length);
    if (bestTarget[v] == Outside)
        HeapRemove(v);
    else
        HeapSet(v, cost, length);
}

// A collapse takes the triangles it removes out of the lists of their third corners, and
// writes the kept vertex's list anew: every list holds live triangles alone.
template <typename Visit>
void Collapser::ForLiveTriangles(uint32_t v, Visit &&visit) const
{
    for (uint32_t i = linkStart[v], end = linkStart[v] + linkCount[v]; i < end; ++i)
        visit(links[i]);
}

void Collapser::Unlink(uint32_t v, uint32_t t)
{
    uint32_t *begin = &links[linkStart[v]], *end = begin + linkCount[v];
    uint32_t *at = std::find(begin, end, t);
    std::copy(at + 1, end, at);
    --linkCount[v];
}

// Each vertex that shares a live triangle with v, once: `marks` records those visited with
// `stamp`, which must be new to it.
template <typename Visit>
void Collapser::ForNeighbours(uint32_t v, std::vector<uint32_t> &marks, uint32_t stamp, Visit &&visit) const
{
    marks[v] = stamp;
    ForLiveTriangles(v, [&](uint32_t t) {
        for (int k = 0; k < 3; ++k) {
            const uint32_t u = corners[3 * size_t(t) + k];
            if (marks[u] != stamp) {
                marks[u] = stamp;
                visit(u);
            }
        }
    });
}


void Collapser::RebuildLinks()
{
    const size_t vertexCount = positions.size() / 3;
    linkCount.assign(vertexCount, 0);
    linkStart.resize(vertexCount);
    // Each side goes through every triangle for the corners among its vertices (after
    // collapses across the cut, a side's triangle may have a corner beyond it).
    const auto forOwnCorners = [this](int which, auto &&take) {
        const uint32_t from = sideStart[which], to = sideStart[which + 1];
        for (size_t t = 0; t < triangleGone.size(); ++t)
            if (!triangleGone[t])
                for (int k = 0; k < 3; ++k) {
                    const uint32_t v = corners[3 * t + size_t(k)];
                    if (v >= from && v < to)
                        take(v, uint32_t(t));
                }
    };
    OnBothSides([&](int which) { forOwnCorners(which, [this](uint32_t v, uint32_t) { ++linkCount[v]; }); });
    size_t start = 0;
    for (size_t v = 0; v < vertexCount; ++v) {
        linkStart[v] = uint32_t(start);
        start += linkCount[v];
        linkCount[v] = 0;
    }
    // Room for a quarter as many again, where collapses write the lists of the vertices they
    // keep, shared between the lanes: when a lane's part is used up, all are rebuilt (a few
    // times on the way to a tenth, each far quicker than a level).
    if (!links) {
        linkRoom = start + start / 4 + 64;
        links.reset(new uint32_t[linkRoom]);
        AdviseHugePages(links.get(), linkRoom * sizeof(uint32_t));
    }
    OnBothSides([&](int which) {
        forOwnCorners(which, [this](uint32_t v, uint32_t t) { links[linkStart[v] + linkCount[v]++] = t; });
    });
    const size_t laneCount = split ? 2 : 1;
    const size_t share = (linkRoom - start) / laneCount;
    for (size_t i = 0; i < laneCount; ++i) {
        lanes[i].logNext = start + i * share;
        lanes[i].logEnd = lanes[i].logNext + share;
    }
}

// Each vertex's quadric: the planes of its triangles, weighed by their area, and across each
// border edge a plane at right angles to its triangle. Vertices on a non-manifold edge are
// locked.
void Collapser::BuildQuadricsAndLinks()
{
    ReserveOnHugePages(quadrics, positions.size() / 3);
    quadrics.assign(positions.size() / 3, Quadric());
    // Twice the triangle's area, and its normal of that length.
    const auto doubleArea = [this](size_t t, Vec &a, Vec &n) {
        const uint32_t *c = &corners[3 * t];
        a = At(positions, c[0]);
        n = Cross(At(positions, c[1]) - a, At(positions, c[2]) - a);
        return std::sqrt(Dot(n, n));
    };
    // The first side's triangles are those before the second's, the triangles across the cut
    // between them; each side adds the planes of its own and of those across to its vertices.
    const size_t triangles = triangleGone.size();
    const size_t firstBegin[2] = {0, crossingBegin}, firstEnd[2] = {crossingBegin, triangles};
    double area[2] = {0, 0};
    OnBothSides([&](int which) {
        for (size_t t = firstBegin[which]; t < firstEnd[which]; ++t) {
            Vec a, n;
            area[which] += 0.5 * doubleArea(t, a, n);
        }
    });
    const double meanArea = (area[0] + area[1]) / double(std::max<size_t>(triangles, 1));
    OnBothSides([&](int which) {
        const uint32_t from = sideStart[which], to = sideStart[which + 1];
        const size_t begin = which == 0 ? 0 : crossingBegin, end = which == 0 ? crossingEnd : triangles;
        for (size_t t = begin; t < end; ++t) {
            Vec a, n;
            const double length = doubleArea(t, a, n);
            if (!(length > 0))
                continue;
            const uint32_t *c = &corners[3 * t];
            const double unit[3] = {n.x / length, n.y / length, n.z / length};
            const double offset = -(unit[0] * a.x + unit[1] * a.y + unit[2] * a.z);
            const double weight = meanArea * std::pow(0.5 * length / meanArea, AreaWeightPower);
            for (int k = 0; k < 3; ++k)
                if (c[k] >= from && c[k] < to)
                    quadrics[c[k]].AddPlane(unit, offset, weight);
        }
    });
    RebuildLinks();
    OnBothSides([&](int which) {
        // Per vertex, how many of its triangles each neighbour shares: one on a border edge,
        // more than two on a non-manifold one.
        std::vector<uint32_t> neighbours, counts;
        for (uint32_t v = sideStart[which]; v < sideStart[which + 1]; ++v) {
            neighbours.clear();
            counts.clear();
            ForLiveTriangles(v, [&](uint32_t t) {
                for (int k = 0; k < 3; ++k) {
                    const uint32_t u = corners[3 * size_t(t) + k];
                    if (u == v)
                        continue;
                    const auto found = std::find(neighbours.begin(), neighbours.end(), u);
                    if (found == neighbours.end()) {
                        neighbours.push_back(u);
                        counts.push_back(1);
                    } else {
                        ++counts[size_t(found - neighbours.begin())];
                    }
                }
            });
            for (size_t i = 0; i < neighbours.size(); ++i) {
                if (counts[i] > 2)
                    locked[v] = 1;
                if (counts[i] == 1)
                    AddBorderPlane(v, neighbours[i]);
            }
        }
    });
}

// The plane through the border edge from v to u at right angles to its one triangle.
void Collapser::AddBorderPlane(uint32_t v, uint32_t u)
{
    uint32_t third = v;
    ForLiveTriangles(v, [&](uint32_t t) {
        const uint32_t *c = &corners[3 * size_t(t)];
        if (c[0] == u || c[1] == u || c[2] == u)
            for (int k = 0; k < 3; ++k)
                if (c[k] != u && c[k] != v)
                    third = c[k];
    });
    border[v] = 1;
    const Vec p = At(positions, v), q = At(positions, u), r = At(positions, third);
    const Vec edge = q - p;
    const Vec normal = Cross(edge, r - p);
    const Vec across = Cross(edge, normal);
    const double length = std::sqrt(Dot(across, across));
    if (!(length > 0))
        return;
    const double unit[3] = {across.x / length, across.y / length, across.z / length};
    const double offset = -(unit[0] * p.x + unit[1] * p.y + unit[2] * p.z);
    quadrics[v].AddPlane(unit, offset, BorderWeight * Dot(edge, edge));
}

// Runs work(0) and, on two threads, work(1) on another thread at the same time: each works on
// its side's vertices alone.
template <typename Work>
void Collapser::OnBothSides(Work &&work)
{
    if (split)
        AtOnce([&] { work(0); }, [&] { work(1); });
    else
        work(0);
}

// Where the two ends would meet, and the cost there: the quadric's value (area-weighted
// squared distances, by which collapses are ordered, as Garland and Heckbert order them; it
// orders a little better than the mean) and `error`, the mean squared distance. False when
// neither end may move.
bool Collapser::Placement(uint32_t a, uint32_t b, double p[3], double &cost, double &error, bool keepVolume) const
{
    const Quadric q = quadrics[a] + quadrics[b];
    const Vec pa = At(positions, a), pb = At(positions, b);
    const auto settle = [&](Vec at) {
        p[0] = at.x, p[1] = at.y, p[2] = at.z;
        cost = q.Error(p);
        error = q.Weight() > 0 ? cost / q.Weight() : 0.0;
        return true;
    };
    if (locked[a] && locked[b])
        return false;
    // A vertex that may not move, or the one on the border when only one is, stays.
    if (locked[a] || (border[a] && !border[b] && !locked[b]))
        return settle(pa);
    if (locked[b] || (border[b] && !border[a]))
        return settle(pb);
    const Vec middle = {(pa.x + pb.x) / 2, (pa.y + pb.y) / 2, (pa.z + pb.z) / 2};
    // Not far off the edge: a nearly singular system can put its minimum far away.
    const auto nearEdge = [&](const double x[3]) {
        const Vec away = Vec{x[0], x[1], x[2]} - middle;
        const Vec edge = pb - pa;
        return Dot(away, away) <= 4 * Dot(edge, edge);
    };
    double optimal[3] = {0, 0, 0}, keeping[3] = {0, 0, 0};
    const bool minimum = q.Minimum(optimal) && nearEdge(optimal);
    // For the collapse made, the point that keeps the volume, unless it lies well off the
    // surface: where the surface bends sharply (a claw, a tip), the volume cut away on one side
    // is put back beyond the other. From 1.1 to 1.3 times the least error it slides to the
    // point of least error, so that rounding cannot make it jump. Candidates are weighed at
    // that point alone (a sixth of the time, as close).
    if (keepVolume && VolumeKeepingMinimum(a, b, q, keeping) && nearEdge(keeping)) {
        double toLeast = 0;
        if (minimum) {
            const double least = q.Error(optimal), kept = q.Error(keeping);
            toLeast = least > 0 ? std::clamp((kept / least - 1.1) / 0.2, 0.0, 1.0) : (kept > 0 ? 1.0 : 0.0);
        }
        return settle({keeping[0] + toLeast * (optimal[0] - keeping[0]),
                       keeping[1] + toLeast * (optimal[1] - keeping[1]),
                       keeping[2] + toLeast * (optimal[2] - keeping[2])});
    }
    if (minimum)
        return settle({optimal[0], optimal[1], optimal[2]});
    double best = HUGE_VAL;
    Vec chosen = middle;
    for (const Vec &at : {middle, pa, pb}) {
        const double e[3] = {at.x, at.y, at.z};
        const double value = q.Error(e);
        if (value < best)
            best = value, chosen = at;
    }
    return settle(chosen);
}

// The least of the quadric on the plane of points where the merged vertex keeps the volume
// the triangles around both ends enclose (Lindstrom and Turk, "Fast and memory efficient
// polygonal simplification", 1998): minimise x'Ax + 2b'x subject to g'x = h, by its
// Lagrange system of four equations.
bool Collapser::VolumeKeepingMinimum(uint32_t a, uint32_t b, const Quadric &q, double x[3]) const
{
    Vec g{0, 0, 0};
    double h = 0;
    for (const uint32_t end : {a, b})
        ForLiveTriangles(end, [&](uint32_t t) {
            const uint32_t *c = &corners[3 * size_t(t)];
            const bool shared = (c[0] == a || c[1] == a || c[2] == a) && (c[0] == b || c[1] == b || c[2] == b);
            const Vec p0 = At(positions, c[0]), p1 = At(positions, c[1]), p2 = At(positions, c[2]);
            if (shared) {
                if (end == a)
                    h += Dot(p0, Cross(p1, p2));
                return;
            }
            const int k = c[0] == end ? 0 : c[1] == end ? 1 : 2;
            const Vec p = At(positions, c[(k + 1) % 3]), r = At(positions, c[(k + 2) % 3]);
            const Vec n = Cross(p, r);
            g = {g.x + n.x, g.y + n.y, g.z + n.z};
            h += Dot(At(positions, end), n);
        });
    double m[4][5] = {{q.a00, q.a01, q.a02, g.x, -q.b0},
                      {q.a01, q.a11, q.a12, g.y, -q.b1},
                      {q.a02, q.a12, q.a22, g.z, -q.b2},
                      {g.x, g.y, g.z, 0, h}};
    const double scale = std::max(std::abs(q.a00) + std::abs(q.a11) + std::abs(q.a22),
                                  std::abs(g.x) + std::abs(g.y) + std::abs(g.z));
    if (!(scale > 0))
        return false;
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int row = col + 1; row < 4; ++row)
            if (std::abs(m[row][col]) > std::abs(m[pivot][col]))
                pivot = row;
        if (!(std::abs(m[pivot][col]) > 1e-12 * scale))
            return false;
        if (pivot != col)
            for (int k = 0; k < 5; ++k)
                std::swap(m[col][k], m[pivot][k]);
        for (int row = 0; row < 4; ++row) {
            if (row == col)
                continue;
            const double f = m[row][col] / m[col][col];
            for (int k = col; k < 5; ++k)
                m[row][k] -= f * m[col][k];
        }
    }
    for (int i = 0; i < 3; ++i)
        x[i] = m[i][4] / m[i][i];
    return std::isfinite(x[0]) && std::isfinite(x[1]) && std::isfinite(x[2]);
}

// The triangles around `moved` that do not hold `other` keep their facing once it is at p.
bool Collapser::KeepsOrientation(uint32_t moved, uint32_t other, const double p[3]) const
{
    bool keeps = true;
    const Vec to = {p[0], p[1], p[2]};
    ForLiveTriangles(moved, [&](uint32_t t) {
        const uint32_t *c = &corners[3 * size_t(t)];
        if (!keeps || c[0] == other || c[1] == other || c[2] == other)
            return;
        Vec before[3], after[3];
        for (int k = 0; k < 3; ++k) {
            before[k] = At(positions, c[k]);
            after[k] = c[k] == moved ? to : before[k];
        }
        const Vec n0 = Cross(before[1] - before[0], before[2] - before[0]);
        const Vec n1 = Cross(after[1] - after[0], after[2] - after[0]);
        // Turned by more than about 80 degrees, or without area.
        keeps = Dot(n0, n1) > 0.2 * std::sqrt(Dot(n0, n0) * Dot(n1, n1));
    });
    return keeps;
}


bool Collapser::CanCollapse(Lane &lane, uint32_t keep, uint32_t drop, const double p[3])
{
    // The link condition: the two ends share exactly the neighbours opposite their edge.
    std::vector<uint32_t> &mark = lane.marks;
    const uint32_t stamp = lane.stamp += 2;
    size_t keepNeighbours = 0, triangles = 0;
    ForLiveTriangles(keep, [&](uint32_t t) {
        ++triangles;
        for (int k = 0; k < 3; ++k) {
            const uint32_t v = corners[3 * size_t(t) + k];
            if (v != keep && mark[v] != stamp) {
                mark[v] = stamp;
                ++keepNeighbours;
            }
        }
    });
    size_t shared = 0, common = 0, dropNeighbours = 0;
    ForLiveTriangles(drop, [&](uint32_t t) {
        const uint32_t *c = &corners[3 * size_t(t)];
        ++triangles;
        if (c[0] == keep || c[1] == keep || c[2] == keep)
            ++shared;
        for (int k = 0; k < 3; ++k) {
            const uint32_t v = c[k];
            if (v == drop || v == keep || mark[v] == stamp + 1)
                continue;
            if (mark[v] == stamp)
                ++common;
            ++dropNeighbours;
            mark[v] = stamp + 1;
        }
    });
    if (shared == 0 || common != shared)
        return false;
    // The last triangle of a piece stays.
    if (triangles == 2 * shared)
        return false;
    // An edge across the inside between two borders would pinch the surface to one vertex.
    if (shared == 2 && border[keep] && border[drop])
        return false;
    // A closed surface of four triangles would fold onto itself.
    if (shared == 2 && keepNeighbours + dropNeighbours - 1 - common < 3)
        return false;
    return KeepsOrientation(keep, drop, p) && KeepsOrientation(drop, keep, p);
}

// Whether v's edge to u can collapse now within the error bound: which end stays, and where.
bool Collapser::Collapsible(Lane &lane, uint32_t v, uint32_t u, double maxSquared, uint32_t &keep, uint32_t &drop,
                            double p[3])
{
    // The end with more triangles stays.
    keep = v, drop = u;
    if (linkCount[keep] < linkCount[drop])
        std::swap(keep, drop);
    double cost, error;
    return Placement(keep, drop, p, cost, error, true) && error <= maxSquared && CanCollapse(lane, keep, drop, p);
}

// v's cheapest collapse was refused: its cheapest that can be made takes its place, cheapest
// first. Without one, v leaves the heap until a collapse next to it changes its surroundings.
// (Leaving at the first refusal stranded flat stretches, where every edge costs nothing: their
// vertices waited while dearer collapses, down to a cube's corners, were made.)
void Collapser::NextAllowed(Lane &lane, uint32_t v, double maxSquared)
{
    const uint32_t refusedTarget = bestTarget[v];
    lane.candidates.clear();
    ForNeighbours(v, lane.marks, lane.stamp += 2, [&](uint32_t u) {
        double p[3], cost, error;
        if (u != refusedTarget && !(lane.besideSeam && home[u] == Seam) && Placement(v, u, p, cost, error))
            lane.candidates.push_back({cost, cost == 0 ? SquaredLength(v, u) : 0.0, u});
    });
    std::sort(lane.candidates.begin(), lane.candidates.end());
    for (const auto &[cost, length, u] : lane.candidates) {
        uint32_t keep, drop;
        double p[3];
        if (Collapsible(lane, v, u, maxSquared, keep, drop, p)) {
            bestTarget[v] = u;
            HeapSet(v, cost, length);
            return;
        }
    }
    refused[v] = 1;
    HeapRemove(v);
}

// The values of the merged vertex: those of the point nearest to p on the triangles around
// both ends, mixed from the triangle's corners. A texture keeps its place on the surface where
// the vertex moves across it.
void Collapser::CarryValues(Lane &lane, uint32_t keep, uint32_t drop, const double p[3])
{
    const Vec to{p[0], p[1], p[2]};
    double nearest = HUGE_VAL;
    uint32_t from[3] = {keep, keep, keep};
    double weights[3] = {1, 0, 0};
    for (const uint32_t end : {keep, drop})
        ForLiveTriangles(end, [&](uint32_t t) {
            const uint32_t *c = &corners[3 * size_t(t)];
            const Vec a = At(positions, c[0]), e1 = At(positions, c[1]) - a, e2 = At(positions, c[2]) - a;
            const Vec d = to - a;
            // Barycentric weights of p's foot on the triangle's plane, clamped to the triangle.
            const double d11 = Dot(e1, e1), d12 = Dot(e1, e2), d22 = Dot(e2, e2);
            const double det = d11 * d22 - d12 * d12;
            if (!(det > 0))
                return;
            double v = std::clamp((d22 * Dot(d, e1) - d12 * Dot(d, e2)) / det, 0.0, 1.0);
            double w = std::clamp((d11 * Dot(d, e2) - d12 * Dot(d, e1)) / det, 0.0, 1.0);
            if (v + w > 1)
                v /= v + w, w = 1 - v;
            const Vec foot{a.x + v * e1.x + w * e2.x, a.y + v * e1.y + w * e2.y, a.z + v * e1.z + w * e2.z};
            const Vec off = to - foot;
            if (Dot(off, off) < nearest) {
                nearest = Dot(off, off);
                std::copy(c, c + 3, from);
                weights[0] = 1 - v - w, weights[1] = v, weights[2] = w;
            }
        });
    lane.carried.assign(attributeWidth, 0.0f);
    for (int k = 0; k < 3; ++k)
        for (size_t i = 0; i < attributeWidth; ++i)
            lane.carried[i] += float(weights[k]) * attributes[attributeWidth * from[k] + i];
    std::copy(lane.carried.begin(), lane.carried.end(), attributes.begin() + std::ptrdiff_t(attributeWidth * keep));
}


// Returns the number of triangles it removed.
size_t Collapser::Collapse(Lane &lane, uint32_t keep, uint32_t drop, const double p[3])
{
    if (attributeWidth > 0)
        CarryValues(lane, keep, drop, p);
    std::copy(p, p + 3, &positions[3 * size_t(keep)]);
    quadrics[keep] = quadrics[keep] + quadrics[drop];
    border[keep] |= border[drop];
    // The kept vertex stands where a vertex that may not move stood.
    locked[keep] |= locked[drop];
    vertexGone[drop] = 1;
    // Across the seam, a triangle may come to lie on one side, or across.
    const bool crossing = split && !lane.besideSeam && reseating;
    size_t removed = 0;
    ForLiveTriangles(keep, [&](uint32_t t) {
        const uint32_t *c = &corners[3 * size_t(t)];
        if (c[0] == drop || c[1] == drop || c[2] == drop) {
            if (crossing)
                --owned[Owner(t)];
            triangleGone[t] = 1;
            ++removed;
            for (int k = 0; k < 3; ++k)
                if (c[k] != keep && c[k] != drop)
                    Unlink(c[k], t);
        }
    });
    ForLiveTriangles(drop, [&](uint32_t t) {
        if (triangleGone[t])
            return; // one of those just removed
        uint32_t *c = &corners[3 * size_t(t)];
        if (crossing)
            --owned[Owner(t)];
        for (int k = 0; k < 3; ++k)
            if (c[k] == drop)
                c[k] = keep;
        if (crossing)
            ++owned[Owner(t)];
    });
    // The kept vertex's list: both ends' live triangles, merged in order.
    const size_t start = lane.logNext;
    size_t i = linkStart[keep], j = linkStart[drop];
    const size_t iEnd = i + linkCount[keep], jEnd = j + linkCount[drop];
    for (;;) {
        while (i < iEnd && triangleGone[links[i]])
            ++i;
        while (j < jEnd && triangleGone[links[j]])
            ++j;
        if (i == iEnd && j == jEnd)
            break;
        links[lane.logNext++] = j == jEnd || (i < iEnd && links[i] < links[j]) ? links[i++] : links[j++];
    }
    linkStart[keep] = uint32_t(start);
    linkCount[keep] = uint32_t(lane.logNext - start);
    linkCount[drop] = 0;
    // Of the vertices around, only the edge to the kept vertex changed: it may now be their
    // cheapest; where their cheapest was to either end, or was refused, all are weighed again.
    HeapRemove(drop);
    UpdateBest(lane, keep);
    lane.around.clear();
    ForNeighbours(keep, lane.marks, lane.stamp += 2, [&](uint32_t w) { lane.around.push_back(w); });
    for (const uint32_t w : lane.around) {
        if (lane.besideSeam && home[w] == Seam)
            continue; // the seam is weighed again when this thread takes it
        if (refused[w])
            UpdateBest(lane, w);
        else if (bestTarget[w] == keep || bestTarget[w] == drop)
            stale[w] = 1;
    }
    if (crossing) {
        lane.touched.push_back(keep);
        lane.touched.insert(lane.touched.end(), lane.around.begin(), lane.around.end());
    }
    return removed;
}

void Collapser::HandOver(size_t goal) const
{
    if (!goals.reached)
        return;
    // Sized exactly: the first levels are nearly as large as the model.
    std::vector<uint32_t> newIndex;
    ReserveOnHugePages(newIndex, positions.size() / 3);
    newIndex.assign(positions.size() / 3, UINT32_MAX);
    CollapseMesh mesh;
    ReserveOnHugePages(mesh.corners, liveTriangles * 3);
    mesh.corners.resize(liveTriangles * 3);
    uint32_t vertices = 0;
    size_t corner = 0;
    for (size_t t = 0; t < triangleGone.size(); ++t)
        if (!triangleGone[t])
            for (int k = 0; k < 3; ++k) {
                uint32_t &index = newIndex[corners[3 * t + k]];
                if (index == UINT32_MAX)
                    index = vertices++;
                mesh.corners[corner++] = index;
            }
    ReserveOnHugePages(mesh.positions, 3 * size_t(vertices));
    mesh.positions.resize(3 * size_t(vertices));
    mesh.attributeWidth = attributeWidth;
    mesh.attributes.resize(attributeWidth * vertices);
    for (size_t v = 0; v < newIndex.size(); ++v)
        if (newIndex[v] != UINT32_MAX) {
            std::copy_n(&positions[3 * v], 3, &mesh.positions[3 * size_t(newIndex[v])]);
            std::copy_n(attributes.data() + attributeWidth * v, attributeWidth,
                        mesh.attributes.data() + attributeWidth * newIndex[v]);
        }
    std::vector<uint32_t>().swap(newIndex);
    goals.reached(goal, std::move(mesh));
}


// Collapses the cheapest first, from the heaps of homes 0 to `lastHeap`, until `removed` (the
// triangles removed) reaches `removals`.
Collapser::Halt Collapser::Drain(Lane &lane, uint8_t lastHeap, size_t &removed, size_t removals, double maxSquared)
{
    const uint8_t firstHeap = &lane == lanes ? 0 : 1;
    while (removed < removals) {
        const Heap *cheapest = nullptr;
        for (uint8_t h = firstHeap; h <= lastHeap; ++h)
            if (!heaps[h].empty() && (!cheapest || heaps[h][0] < (*cheapest)[0]))
                cheapest = &heaps[h];
        if (!cheapest)
            return Halt::Dry;
        const uint32_t v = (*cheapest)[0].vertex;
        if (stale[v] || (lane.besideSeam && home[bestTarget[v]] == Seam)) {
            UpdateBest(lane, v);
            continue;
        }
        uint32_t keep, drop;
        double p[3];
        if (!Collapsible(lane, v, bestTarget[v], maxSquared, keep, drop, p)) {
            NextAllowed(lane, v, maxSquared);
            continue;
        }
        if (lane.logEnd - lane.logNext < size_t(linkCount[keep]) + linkCount[drop]) {
            if (lane.besideSeam)
                return Halt::OutOfRoom; // the other lane may be reading the lists
            RebuildLinks();
        }
        removed += Collapse(lane, keep, drop, p);
        if (++lane.made % 4096 == 0 && Poll(lane, removed))
            return Halt::Cancelled;
    }
    return Halt::Reached;
}

// Only the calling thread asks whether to go on, and tells the progress; the other lane
// learns from `stop`.
bool Collapser::Poll(const Lane &lane, size_t removed)
{
    if (&lane == lanes) {
        if (goals.cancelled && goals.cancelled())
            stop = true;
        else if (goals.progress && toRemove > 0)
            goals.progress(std::min(1.0, (double(removedBefore) + double(removed) * perFirstLaneRemoval) /
                                             double(toRemove)));
    }
    return stop.load(std::memory_order_relaxed);
}

// Each lane on until it has removed as many triangles in this stretch as given, the second on
// a thread of its own; false when cancelled.
bool Collapser::RunLanes(const size_t removals[2], double maxSquared)
{
    for (;;) {
        const size_t before = lanes[0].removed + lanes[1].removed;
        Halt halts[2] = {Halt::Reached, Halt::Reached};
        const auto drain = [&](int which) {
            Lane &lane = lanes[which];
            try {
                halts[which] = Drain(lane, uint8_t(which), lane.removed, removals[which], maxSquared);
            } catch (...) {
                stop = true;
                throw;
            }
        };
        // No thread is started for a lane with nothing to remove (in the last stretch, which
        // this thread takes alone).
        if (split && lanes[1].removed < removals[1])
            AtOnce([&] { drain(0); }, [&] { drain(1); });
        else
            drain(0);
        liveTriangles -= lanes[0].removed + lanes[1].removed - before;
        if (halts[0] == Halt::Cancelled || halts[1] == Halt::Cancelled)
            return false;
        if (halts[0] != Halt::OutOfRoom && halts[1] != Halt::OutOfRoom)
            return true;
        RebuildLinks();
    }
}

uint8_t Collapser::Owner(size_t t) const
{
    const uint32_t *c = &corners[3 * t];
    const uint8_t s = side[c[0]];
    return side[c[1]] == s && side[c[2]] == s ? s : Seam;
}

// The cut lies at the median of the vertices along the model's longest side, so that the lanes
// have about as much to do. Each side's vertices and triangles are then numbered together, so
// that the lanes seldom write to the same cache lines.
void Collapser::Cut()
{
    const size_t vertexCount = positions.size() / 3;
    double low[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL}, high[3] = {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
    for (size_t v = 0; v < vertexCount; ++v)
        for (int k = 0; k < 3; ++k) {
            low[k] = std::min(low[k], positions[3 * v + size_t(k)]);
            high[k] = std::max(high[k], positions[3 * v + size_t(k)]);
        }
    size_t axis = 0;
    for (size_t k = 1; k < 3; ++k)
        if (high[k] - low[k] > high[axis] - low[axis])
            axis = k;
    std::vector<double> along(vertexCount);
    for (size_t v = 0; v < vertexCount; ++v)
        along[v] = positions[3 * v + axis];
    std::nth_element(along.begin(), along.begin() + std::ptrdiff_t(vertexCount / 2), along.end());
    const double median = along[vertexCount / 2];
    std::vector<double>().swap(along);

    std::vector<uint32_t> order;
    order.reserve(vertexCount);
    for (const bool upper : {false, true})
        for (uint32_t v = 0; v < uint32_t(vertexCount); ++v)
            if ((positions[3 * v + axis] >= median) == upper)
                order.push_back(v);
    const auto reorder = [&order](auto &values, size_t width) {
        std::remove_reference_t<decltype(values)> sorted;
        ReserveOnHugePages(sorted, values.size());
        sorted.resize(values.size());
        for (size_t i = 0; i < order.size(); ++i)
            std::copy_n(values.begin() + std::ptrdiff_t(width * order[i]), width,
                        sorted.begin() + std::ptrdiff_t(width * i));
        values.swap(sorted);
    };
    reorder(positions, 3);
    reorder(attributes, attributeWidth);
    reorder(locked, 1);
    std::vector<uint32_t> newIndex(vertexCount);
    side.resize(vertexCount);
    for (size_t i = 0; i < vertexCount; ++i) {
        newIndex[order[i]] = uint32_t(i);
        side[i] = positions[3 * i + axis] < median ? 0 : 1;
    }
    sideStart[1] = uint32_t(std::count(side.begin(), side.end(), 0));
    std::vector<uint32_t>().swap(order);
    for (uint32_t &corner : corners)
        corner = newIndex[corner];
    std::vector<uint32_t>().swap(newIndex);

    // The triangles: the first side's, those across, the second side's.
    const size_t triangles = corners.size() / 3;
    for (size_t t = 0; t < triangles; ++t)
        ++owned[Owner(t)];
    crossingBegin = owned[0];
    crossingEnd = owned[0] + owned[Seam];
    size_t next[3] = {0, crossingEnd, crossingBegin};
    std::vector<uint32_t> sorted;
    ReserveOnHugePages(sorted, corners.size());
    sorted.resize(corners.size());
    for (size_t t = 0; t < triangles; ++t)
        std::copy_n(&corners[3 * t], 3, &sorted[3 * next[Owner(t)]++]);
    corners.swap(sorted);
    std::vector<uint32_t>().swap(sorted);
    home = side;
    for (size_t t = crossingBegin; t < crossingEnd; ++t)
        for (int k = 0; k < 3; ++k)
            home[corners[3 * t + size_t(k)]] = Seam;
    for (uint32_t v = 0; v < uint32_t(vertexCount); ++v)
        if (home[v] == Seam)
            seamVertices.push_back(v);
}

// The lanes left the seam's vertices as they were: they are weighed again before this thread
// takes them.
void Collapser::ReweighSeam()
{
    for (const uint32_t v : seamVertices)
        if (!vertexGone[v])
            UpdateBest(lanes[0], v);
}

// After this thread's collapses across the seam, the vertices whose triangles changed go to
// the heap of their side, or of the seam, as their triangles now lie.
void Collapser::Reseat()
{
    Lane &lane = lanes[0];
    for (const uint32_t v : lane.touched) {
        if (vertexGone[v])
            continue;
        bool across = false;
        ForLiveTriangles(v, [&](uint32_t t) { across = across || Owner(t) == Seam; });
        const uint8_t now = across ? Seam : side[v];
        if (now == home[v])
            continue;
        HeapRemove(v);
        home[v] = now;
        if (now == Seam)
            seamVertices.push_back(v);
        UpdateBest(lane, v);
    }
    lane.touched.clear();
    seamVertices.erase(std::remove_if(seamVertices.begin(), seamVertices.end(),
                                      [this](uint32_t v) { return vertexGone[v] || home[v] != Seam; }),
                       seamVertices.end());
}

// Each vertex's cheapest collapse, each side's on its thread, then the heaps at once.
void Collapser::WeighAll()
{
    const uint32_t vertexCount = uint32_t(positions.size() / 3);
    Heap &all = heaps[0];
    ReserveOnHugePages(all, vertexCount);
    all.resize(vertexCount);
    OnBothSides([&](int which) {
        Lane &lane = lanes[which];
        for (uint32_t v = sideStart[which]; v < sideStart[which + 1]; ++v) {
            double length;
            const double cost = BestOf(v, lane.marks, lane.stamp += 2, split && home[v] != Seam, length);
            all[v] = {cost, float(length), v};
        }
    });
    size_t kept = 0;
    for (uint32_t v = 0; v < vertexCount; ++v) {
        if (bestTarget[v] == Outside)
            continue;
        if (home[v] == 0)
            all[kept++] = all[v];
        else
            heaps[home[v]].push_back(all[v]);
    }
    all.resize(kept);
    all.shrink_to_fit(); // it held every vertex, half of them now in the other heap
    for (Heap &heap : heaps) {
        if (heap.empty())
            continue;
        for (size_t i = 0; i < heap.size(); ++i)
            heapAt[heap[i].vertex] = uint32_t(i);
        for (size_t i = heap.size() / 4 + 1; i-- > 0;)
            SiftDown(heap, i);
    }
}

size_t Collapser::Run()
{
    if (split)
        Cut();
    BuildQuadricsAndLinks();
    WeighAll();
    const size_t goalCount = goals.triangleCounts.size();
    const size_t first = liveTriangles;
    toRemove = goalCount > 0 && first > goals.triangleCounts.back() ? first - goals.triangleCounts.back() : 0;
    const double maxSquared = goals.maxError * goals.maxError;
    size_t goal = 0, checkpoint = first;
    while (goal < goalCount) {
        if (liveTriangles <= goals.triangleCounts[goal]) {
            HandOver(goal++);
            continue;
        }
        // A stretch: the lanes take each side down to its share of the next checkpoint (a tenth
        // fewer triangles than the last), then this thread the rest. Every run stops at the
        // same checkpoints, whatever its goals, so that each goal's mesh is what a run to it
        // alone gives.
        while (checkpoint >= liveTriangles)
            checkpoint = checkpoint > SplitTo ? checkpoint - checkpoint / 10 : 0;
        const size_t start = liveTriangles, end = split ? checkpoint : 0;
        size_t planned[2] = {split ? 0 : start, 0};
        if (split && end > 0)
            for (size_t w = 0; w < 2; ++w)
                planned[w] = owned[w] - size_t(std::llround(double(owned[w]) * double(end) / double(start)));
        reseating = end > 0;
        const size_t lanesRemove = planned[0] + planned[1];
        lanes[0].removed = lanes[1].removed = 0;
        removedBefore = first - start;
        perFirstLaneRemoval = planned[0] > 0 ? double(lanesRemove) / double(planned[0]) : 1.0;
        // The goals within the lanes' part, each lane removing its share.
        while (goal < goalCount) {
            const size_t want = start - std::min(start, goals.triangleCounts[goal]);
            size_t removals[2] = {planned[0], planned[1]};
            if (want <= lanesRemove && lanesRemove > 0) {
                removals[0] = size_t((uint64_t(want) * planned[0] + lanesRemove - 1) / lanesRemove);
                removals[1] = want - removals[0];
            }
            if (!RunLanes(removals, maxSquared))
                return goal;
            if (liveTriangles > goals.triangleCounts[goal])
                break; // beyond the lanes' part, or a lane has nothing left that may go
            HandOver(goal++);
        }
        if (split) {
            owned[0] -= lanes[0].removed;
            owned[1] -= lanes[1].removed;
        }
        if (goal == goalCount)
            break;
        // This thread alone, across the seam too, on to the checkpoint.
        lanes[0].besideSeam = false;
        if (split)
            ReweighSeam();
        perFirstLaneRemoval = 1.0;
        Halt halt = Halt::Reached;
        while (goal < goalCount) {
            const size_t target = std::max(end, goals.triangleCounts[goal]);
            size_t removed = 0;
            removedBefore = first - liveTriangles;
            if (liveTriangles > target)
                halt = Drain(lanes[0], split ? Seam : 0, removed, liveTriangles - target, maxSquared);
            liveTriangles -= removed;
            if (halt == Halt::Cancelled)
                return goal;
            if (liveTriangles > goals.triangleCounts[goal])
                break;
            HandOver(goal++);
        }
        if (halt == Halt::Dry)
            break;
        lanes[0].besideSeam = split;
        if (reseating)
            Reseat();
    }
    // Nothing more can go: the remaining goals get the mesh as it is.
    while (goal < goalCount)
        HandOver(goal++);
    return goal;
}


} // namespace

size_t CollapseEdges(CollapseMesh mesh, const CollapseGoals &goals)
{
    if (mesh.corners.empty())
        return 0;
    Collapser collapser(std::move(mesh), goals);
    return collapser.Run();
}

} // namespace lumeno
