#pragma once

// The state and the steps of CollapseEdges (mesh/QuadricCollapse.h), shared by the two files
// that make it: QuadricCollapse.cpp collapses, QuadricCollapseSetup.cpp sets up the quadrics and
// lists, cuts the model in two and hands the levels over.

#include "reduce/collapse/QuadricCollapse.h"
#include "model/TwoThreads.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <tuple>
#include <vector>

namespace lumeno::detail {

// Models of this many triangles or more are collapsed on two threads, one on each side of a cut.
constexpr size_t SplitFrom = 100000;
// Below this many triangles one thread goes on alone: the seam would be too large a part.
constexpr size_t SplitTo = SplitFrom / 2;
// A side's live vertices are collapsed this many at a time, a block of them, during the most
// of each stretch (QuadricCollapseBlocks.cpp).
constexpr uint32_t BlockVertices = 8192;
// Blocks to a side at most: the homes are numbered in a byte.
constexpr uint32_t MostBlocks = 126;

struct Vec
{
    double x, y, z;
};

struct Quadric
{
    // The symmetric matrix A, the vector b and the constant c of x'Ax + 2b'x + c.
    double a00 = 0, a01 = 0, a02 = 0, a11 = 0, a12 = 0, a22 = 0;
    double b0 = 0, b1 = 0, b2 = 0, c = 0;

    // The summed weight of the planes, by which the error becomes a mean squared distance:
    // each plane's unit normal adds its weight to A's trace.
    double Weight() const { return a00 + a11 + a22; }
    // The mean squared distance of which `error` (this quadric's value somewhere) is the sum.
    double MeanSquared(double error) const { return Weight() > 0 ? error / Weight() : 0.0; }

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

// A vertex's quadric as it is kept, in 40 bytes: about the vertex's own place o, as
// d'Ad + 2g'd + e with d = x - o, in single precision. About o every term is of the size of the
// errors measured near it (g is half the slope there, e the error at o), so single precision
// keeps them to a part in ten million; about the box's origin, b and c would be sums of terms
// far larger than the error, which only double precision keeps. Half the memory of a Quadric:
// with its vertex's place, one cache line (VertexRecord).
struct StoredQuadric
{
    float a00 = 0, a01 = 0, a02 = 0, a11 = 0, a12 = 0, a22 = 0;
    float g0 = 0, g1 = 0, g2 = 0, e = 0;

    // The plane n'd + offset = 0 about o, n of unit length.
    void AddPlane(const double n[3], double offset, double w)
    {
        Quadric plane;
        plane.AddPlane(n, offset, w);
        a00 += float(plane.a00), a01 += float(plane.a01), a02 += float(plane.a02);
        a11 += float(plane.a11), a12 += float(plane.a12), a22 += float(plane.a22);
        g0 += float(plane.b0), g1 += float(plane.b1), g2 += float(plane.b2), e += float(plane.c);
    }

    // q about o.
    static StoredQuadric About(const Quadric &q, const double o[3])
    {
        const double g[3] = {q.a00 * o[0] + q.a01 * o[1] + q.a02 * o[2] + q.b0,
                             q.a01 * o[0] + q.a11 * o[1] + q.a12 * o[2] + q.b1,
                             q.a02 * o[0] + q.a12 * o[1] + q.a22 * o[2] + q.b2};
        StoredQuadric s;
        s.a00 = float(q.a00), s.a01 = float(q.a01), s.a02 = float(q.a02);
        s.a11 = float(q.a11), s.a12 = float(q.a12), s.a22 = float(q.a22);
        s.g0 = float(g[0]), s.g1 = float(g[1]), s.g2 = float(g[2]);
        s.e = float(q.Error(o));
        return s;
    }

    Quadric AboutItself() const { return {a00, a01, a02, a11, a12, a22, g0, g1, g2, e}; }
    // The value at o + d.
    double Error(const double d[3]) const { return AboutItself().Error(d); }
    double Weight() const { return AboutItself().Weight(); }

    // The quadric in the box's coordinates, this being about o.
    Quadric From(const double o[3]) const
    {
        Quadric q{a00, a01, a02, a11, a12, a22, 0, 0, 0, 0};
        const double ao[3] = {q.a00 * o[0] + q.a01 * o[1] + q.a02 * o[2],
                              q.a01 * o[0] + q.a11 * o[1] + q.a12 * o[2],
                              q.a02 * o[0] + q.a12 * o[1] + q.a22 * o[2]};
        q.b0 = g0 - ao[0], q.b1 = g1 - ao[1], q.b2 = g2 - ao[2];
        q.c = e - 2 * (double(g0) * o[0] + double(g1) * o[1] + double(g2) * o[2]) +
              (ao[0] * o[0] + ao[1] * o[1] + ao[2] * o[2]);
        return q;
    }
};

// A vertex's quadric and place in one cache line: weighing an edge reads each end's line alone.
struct alignas(64) VertexRecord
{
    StoredQuadric quadric; // about `place`
    double place[3] = {0, 0, 0};

    // The summed squared distance of x from the vertex's planes.
    double ErrorAt(const double x[3]) const
    {
        const double d[3] = {x[0] - place[0], x[1] - place[1], x[2] - place[2]};
        return quadric.Error(d);
    }
};
static_assert(sizeof(VertexRecord) == 64, "a vertex's record fills one cache line");
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
// Whether the triangle of corners c has v among them.
inline bool HasCorner(const uint32_t *c, uint32_t v) { return c[0] == v || c[1] == v || c[2] == v; }

// One run of CollapseEdges: the mesh as it is collapsed, its quadrics, lists and heaps.
class Collapser
{
public:
    Collapser(CollapseMesh &&mesh, const CollapseGoals &goals);
    size_t Run();

private:
    // A vertex's edges as weighed: the other end, and the edge's Order.
    using Weighed = std::vector<std::pair<uint32_t, uint32_t>>;
    // Lists of more edges than this are looked up in the order of their vertices.
    static constexpr size_t LongWeighed = 32;
    // What one thread of the collapse marks, writes and counts.
    struct alignas(64) Lane
    {
        std::vector<uint32_t> marks;
        uint32_t stamp = 0;
        // Its part of `links`, where the lists of the vertices its collapses keep are written.
        size_t logNext = 0, logEnd = 0;
        // Leaves the vertices of other homes than `homeNow` alone (the seam's, or those beyond
        // its block): the other lane works beyond them.
        bool besideSeam = false;
        uint8_t homeNow = 0;
        // This stretch's blocks of its side, while it collapses them (QuadricCollapseBlocks.cpp).
        struct Block
        {
            uint8_t home;
            uint32_t weight;     // its vertices whose cheapest collapse is among the stretch's cheapest
            size_t removed = 0;  // triangles, this stretch
            bool dry = false;    // nothing more may go
        };
        std::vector<Block> blocks;
        size_t blockShare = 0; // of the stretch's triangles to remove, those the blocks remove
        uint64_t blockWeight = 0;
        size_t removed = 0; // triangles, since the stretch began
        size_t made = 0;    // collapses, all told
        std::vector<uint32_t> around, touched;
        std::vector<std::tuple<double, double, uint32_t>> candidates; // cost, squared length, vertex
        std::vector<float> carried;
        Weighed weighed; // the edges of the vertex a collapse kept
        std::vector<Vec> normals; // of the triangles around a collapse, as it would leave them
    };
    enum class Halt { Reached, Dry, Cancelled, OutOfRoom };
    // The home of the vertices that have triangles on both sides of the cut.
    static constexpr uint8_t Seam = 2;
    // Cheaper first; of those that cost nothing (on a flat stretch, where the quadrics cannot
    // tell the collapses apart), the shorter edge: the vertex just kept, whose edges grew, then
    // waits its turn instead of taking its neighbours one after another into a star of thin
    // triangles. (Other equal costs keep their order, as scale and rounding leave them.)
    // Eight bytes, so that a node's four children share half a cache line: the order is one
    // number, the cost's leading 31 bits in single precision above the zero costs' squared
    // lengths (the sign bit of each float is always clear). Costs closer than a part in four
    // million keep their order in the heap; 16-byte entries with the cost in double precision
    // made the nine levels 6-11 % slower and, on the bench's meshes, no closer.
    static uint32_t Order(double cost, double length)
    {
        const float x = float(cost > 0 ? cost : length);
        uint32_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        return cost > 0 ? 0x80000000u | bits >> 1 : bits >> 1;
    }
    struct HeapEntry
    {
        uint32_t order;
        uint32_t vertex;
        bool operator<(const HeapEntry &other) const { return order < other.order; }
    };
    static bool Before(double cost, double length, double otherCost, double otherLength)
    {
        return cost < otherCost || (cost == 0 && otherCost == 0 && length < otherLength);
    }
    // A heap's entries: in room of its own, or, a block's, in part of its side's (SetUpBlocks).
    class Heap
    {
    public:
        size_t size() const { return count; }
        bool empty() const { return count == 0; }
        HeapEntry &operator[](size_t i) { return entries[i]; }
        const HeapEntry &operator[](size_t i) const { return entries[i]; }
        const HeapEntry &back() const { return entries[count - 1]; }
        void pop_back() { --count; }
        void push_back(const HeapEntry &e)
        {
            if (count == room)
                Grow(std::max<size_t>(2 * room, 64));
            entries[count++] = e;
        }
        // Room of its own for `size` entries at least, keeping those it holds.
        void Grow(size_t size);
        // Entries [begin, begin + size) of `whole` as its room, `count` of them held.
        void View(Heap &whole, size_t begin, size_t size, size_t held)
        {
            store.reset();
            entries = whole.entries + begin, room = size, count = held;
        }
        // The first `held` entries kept, the rest let go.
        void Keep(size_t held) { count = held; }
        HeapEntry *begin() { return entries; }
        HeapEntry *end() { return entries + count; }

    private:
        std::unique_ptr<HeapEntry[]> store; // none while it views another heap's
        HeapEntry *entries = nullptr;
        size_t count = 0, room = 0;
    };
    // Children to a heap node (QuadricCollapse.cpp says why four).
    static constexpr size_t Children = 4;
    static constexpr uint32_t Outside = UINT32_MAX;

    void BuildQuadricsAndLinks();
    void AddBorderPlane(uint32_t v, uint32_t u, double weight);
    void RebuildLinks(bool beforeCollapses = false);
    template <typename Work>
    void OnBothSides(Work &&work);
    template <typename Visit>
    void ForLiveTriangles(uint32_t v, Visit &&visit) const;
    void Unlink(uint32_t v, uint32_t t);
    template <typename Visit>
    void ForNeighbours(uint32_t v, std::vector<uint32_t> &marks, uint32_t stamp, Visit &&visit) const;
    // v's quadric in the box's coordinates; a's and b's summed.
    Quadric Global(uint32_t v) const { return records[v].quadric.From(records[v].place); }
    Quadric Merged(uint32_t a, uint32_t b) const { return Global(a) + Global(b); }
    bool Placement(uint32_t a, uint32_t b, const Quadric &q, double p[3], double &cost, bool keepVolume = false) const;
    bool Weigh(uint32_t a, uint32_t b, const Quadric &q, double &cost) const;
    double SquaredDistanceToFan(const double x[3], uint32_t a, uint32_t b, const double p[3]) const;
    bool VolumeKeepingMinimum(uint32_t a, uint32_t b, const Quadric &q, double x[3]) const;
    bool DoublesTriangle(uint32_t keep, uint32_t drop, const uint32_t wings[2]) const;
    bool LeavesBorderSliver(uint32_t w, uint32_t keep, uint32_t drop, const double p[3]) const;
    bool KeepsFacing(Lane &lane, uint32_t keep, uint32_t drop, const double p[3]) const;
    Vec At(uint32_t v) const
    {
        const double *p = records[v].place;
        return {p[0], p[1], p[2]};
    }
    double SquaredLength(uint32_t a, uint32_t b) const
    {
        const Vec d = At(a) - At(b);
        return Dot(d, d);
    }
    double BestOf(uint32_t v, std::vector<uint32_t> &marks, uint32_t stamp, int onlyHome, double &length,
                  Weighed *weighed = nullptr);
    void UpdateBest(Lane &lane, uint32_t v, Weighed *weighed = nullptr);
    bool SettleFromSecond(const Weighed &keepEdges, uint32_t w, uint32_t keep);
    bool CanCollapse(Lane &lane, uint32_t keep, uint32_t drop, const double p[3]);
    bool Collapsible(Lane &lane, uint32_t v, uint32_t u, double maxSquared, uint32_t &keep, uint32_t &drop,
                     Quadric &merged, double p[3]);
    void NextAllowed(Lane &lane, uint32_t v, double maxSquared);
    size_t Collapse(Lane &lane, uint32_t keep, uint32_t drop, const Quadric &merged, const double p[3]);
    void CarryValues(Lane &lane, uint32_t keep, uint32_t drop, const double p[3]);
    uint32_t LikelyNext(const Heap &heap, uint32_t partner) const;
    void WarmLists(uint32_t v, int step) const;
    Halt Drain(Lane &lane, uint8_t firstHeap, uint8_t lastHeap, size_t &removed, size_t removals, double maxSquared);
    Halt DrainSide(int which, size_t removals, double maxSquared);
    Halt DrainBlocks(Lane &lane, size_t removals, double maxSquared);
    void SetUpBlocks(int which, size_t removals);
    void MergeBlocks(int which);
    void HeapifyAll(Heap &heap);
    bool Poll(const Lane &lane, size_t removed);
    bool RunLanes(const size_t removals[2], double maxSquared);
    void MakeRecords(const uint32_t *order);
    void Cut();
    uint8_t Owner(size_t t) const;
    // Whether triangle t lies in side s's part of `corners`: its own triangles' or those across.
    bool InSidePart(size_t t, uint8_t s) const { return s == 0 ? t < crossingEnd : t >= crossingBegin; }
    void ReweighSeam();
    void Reseat();
    void WeighAll();
    void HandOver(size_t goal) const;

    void SiftUp(Heap &heap, size_t i);
    void SiftDown(Heap &heap, size_t i);
    void HeapSet(uint32_t v, double cost, double length);
    void HeapSetBest(uint32_t v, double cost, double length);
    void HeapSetOrder(uint32_t v, uint32_t order);
    void HeapRemove(uint32_t v);
    void HeapPlace(Heap &heap, size_t i, const HeapEntry &e)
    {
        heap[i] = e;
        heapAt[e.vertex] = uint32_t(i);
    }

    const CollapseGoals &goals;
    std::vector<float> positions; // as loaded, until the records take them
    std::vector<VertexRecord> records;
    std::vector<uint32_t> corners;
    const size_t attributeWidth;
    std::vector<float> attributes;
    // Bytes, not bits: the lanes mark the triangles on their sides at once.
    std::vector<uint8_t> triangleGone;
    // Each vertex's live triangles, in the order of their indices (so that rebuilding the lists
    // changes nothing): where its list starts in `links`, and how many.
    struct List
    {
        uint32_t start = 0, count = 0;
    };
    std::vector<List> lists;
    // Left uninitialised: the room for new lists takes memory only as it is written.
    std::unique_ptr<uint32_t[]> links;
    size_t linkRoom = 0;
    std::vector<uint8_t> border, locked, vertexGone;
    // Each vertex's cheapest collapse; the vertices in a heap by its cost, one heap per home
    // (a side of the cut, or the seam), and their place in it.
    std::vector<uint32_t> bestTarget, heapAt;
    // Each vertex's second cheapest collapse and its order, where known or guessed (else
    // secondTarget is Outside): when its cheapest went to an end of a collapse next to it, that
    // one and the edge to the kept vertex decide its cheapest without weighing every edge again.
    std::vector<uint32_t> secondTarget, secondOrder;
    // The sides', the seam's, then the blocks' of each side (MostBlocks each).
    std::vector<Heap> heaps = std::vector<Heap>(3 + 2 * MostBlocks);
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
    // Vertices with a triangle outside their side's part of `corners` (collapses across the cut
    // put it there): no block's, for the blocks find their vertices' triangles there.
    std::vector<uint32_t> strays;
    size_t owned[3] = {0, 0, 0}; // live triangles on each side, and across
    bool reseating = false;      // this thread's collapses are followed for the next stretch
    uint32_t stretches = 0;      // begun on two threads
    Lane lanes[2];
    std::atomic<bool> stop{false};
    size_t liveTriangles = 0;
    // What a squared distance of an end from its own planes adds to a collapse's cost (Weigh).
    double endWeight = 0;
    // An end whose planes weigh less is held by its distance from the surface a collapse
    // leaves (Weigh).
    double lightEnd = 0;
    // For the progress told: the triangles the run is to remove, those removed before the
    // lanes set out, and how many the lanes remove for each of the first lane's.
    size_t toRemove = 0, removedBefore = 0;
    double perFirstLaneRemoval = 1;
};

// A collapse takes the triangles it removes out of the lists of their third corners, and
// writes the kept vertex's list anew: every list holds live triangles alone.
template <typename Visit>
void Collapser::ForLiveTriangles(uint32_t v, Visit &&visit) const
{
    for (uint32_t i = lists[v].start, end = lists[v].start + lists[v].count; i < end; ++i)
        visit(links[i]);
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

inline uint8_t Collapser::Owner(size_t t) const
{
    const uint32_t *c = &corners[3 * t];
    const uint8_t s = side[c[0]];
    return side[c[1]] == s && side[c[2]] == s ? s : Seam;
}

} // namespace lumeno::detail
