#include "reduce/collapse/QuadricCollapser.h"

#include "measure/TriangleDistance.h"

#include <utility>

namespace lumeno {

namespace detail {

// The heaps have four children to a node: half the depth of a binary one, and a node's
// children lie side by side, 32 bytes in all. (Aligning each four to a cache line of their own
// did not measurably change the time.)
void Collapser::SiftUp(Heap &heap, size_t i)
{
    const HeapEntry e = heap[i];
    while (i > 0) {
        const size_t parent = (i - 1) / Children;
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
        const size_t first = Children * i + 1;
        if (first >= heap.size())
            break;
        size_t child = first;
        for (size_t other = first + 1; other < std::min(first + Children, heap.size()); ++other)
            if (heap[other] < heap[child])
                child = other;
        if (!(heap[child] < e))
            break;
        HeapPlace(heap, i, heap[child]);
        i = child;
    }
    HeapPlace(heap, i, e);
}

void Collapser::Heap::Grow(size_t size)
{
    std::unique_ptr<HeapEntry[]> grown(new HeapEntry[size]);
    std::copy(entries, entries + count, grown.get());
    store = std::move(grown);
    entries = store.get(), room = size;
}

// The heap order made over entries in any order.
void Collapser::HeapifyAll(Heap &heap)
{
    for (size_t i = 0; i < heap.size(); ++i)
        heapAt[heap[i].vertex] = uint32_t(i);
    for (size_t i = heap.size() / Children + 1; i-- > 0;)
        if (i < heap.size())
            SiftDown(heap, i);
}

void Collapser::HeapSet(uint32_t v, double cost, double length)
{
    HeapSetOrder(v, Order(cost, length));
}

// v in its heap by its cheapest collapse (BestOf), or out of it when it has none.
void Collapser::HeapSetBest(uint32_t v, double cost, double length)
{
    if (bestTarget[v] == Outside)
        HeapRemove(v);
    else
        HeapSet(v, cost, length);
}

void Collapser::HeapSetOrder(uint32_t v, uint32_t order)
{
    Heap &heap = heaps[home[v]];
    const HeapEntry e{order, v};
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

// The cheapest collapse of the vertex's edges (to the vertices of one home alone when asked), of
// equal costs the shortest, into bestTarget, and the second cheapest into secondTarget; returns
// the cheapest's cost, and its squared length. Each edge weighed goes into `weighed` if given.
double Collapser::BestOf(uint32_t v, std::vector<uint32_t> &marks, uint32_t stamp, int onlyHome,
                         double &bestLength, Weighed *weighed)
{
    double best = HUGE_VAL;
    bestTarget[v] = Outside;
    uint32_t bestKey = 0, second = Outside, secondKey = 0;
    if (weighed)
        weighed->clear();
    const Quadric own = Global(v); // converted once for all its edges
    // The neighbours are gathered first and their quadrics and places fetched meanwhile: the
    // placements wait on memory more than they compute.
    constexpr size_t Batch = 32;
    uint32_t neighbours[Batch];
    size_t count = 0;
    bestLength = HUGE_VAL;
    const auto weigh = [&] {
        for (size_t i = 0; i < count; ++i) {
            const uint32_t u = neighbours[i];
            if (onlyHome >= 0 && home[u] != onlyHome)
                continue;
            double cost;
            if (!Weigh(v, u, own + Global(u), cost))
                continue;
            const double length = cost == 0 ? SquaredLength(v, u) : 0.0; // orders zero costs alone
            const uint32_t order = Order(cost, length);
            if (weighed)
                weighed->push_back({u, order});
            if (Before(cost, length, best, bestLength)) {
                if (bestTarget[v] != Outside)
                    second = bestTarget[v], secondKey = bestKey;
                best = cost;
                bestLength = length;
                bestKey = order;
                bestTarget[v] = u;
            } else if (second == Outside || order < secondKey) {
                second = u, secondKey = order;
            }
        }
        count = 0;
    };
    const auto gather = [&](uint32_t u) {
        __builtin_prefetch(&records[u]);
        __builtin_prefetch(&home[u]);
        __builtin_prefetch(&locked[u]);
        __builtin_prefetch(&border[u]);
        neighbours[count++] = u;
    };
    // Around an inside vertex whose triangles all turn the same way, each neighbour comes right
    // after v in exactly one triangle. (Were a triangle turned the other way round, the corners
    // after v and those before it would differ, and so would their sums.) Vertices on edges of
    // more than two triangles may not move, and are left to the search below, as are those of
    // a triangle that holds v twice (welding can make one).
    const auto gatherFan = [&] {
        uint32_t nextSum = 0, prevSum = 0, nextXor = 0, prevXor = 0;
        bool twice = false;
        ForLiveTriangles(v, [&](uint32_t t) {
            const uint32_t *c = &corners[3 * size_t(t)];
            const int k = c[0] == v ? 0 : c[1] == v ? 1 : 2;
            const uint32_t next = c[(k + 1) % 3], prev = c[(k + 2) % 3];
            nextSum += next, prevSum += prev, nextXor ^= next, prevXor ^= prev;
            twice |= next == v || prev == v;
            gather(next);
        });
        if (!twice && nextSum == prevSum && nextXor == prevXor)
            return true;
        count = 0;
        return false;
    };
    const bool fan = !border[v] && !locked[v] && lists[v].count <= Batch && gatherFan();
    if (!fan) {
        // Of a vertex with few triangles (two new neighbours a triangle at most), each
        // neighbour is looked for among those gathered: the marks lie far off in memory.
        if (lists[v].count <= Batch / 2)
            ForLiveTriangles(v, [&](uint32_t t) {
                for (int k = 0; k < 3; ++k) {
                    const uint32_t u = corners[3 * size_t(t) + k];
                    if (u != v && std::find(neighbours, neighbours + count, u) == neighbours + count)
                        gather(u);
                }
            });
        else
            ForNeighbours(v, marks, stamp, [&](uint32_t u) {
                gather(u);
                if (count == Batch)
                    weigh();
            });
    }
    weigh();
    secondTarget[v] = second;
    secondOrder[v] = secondKey;
    return best;
}

void Collapser::UpdateBest(Lane &lane, uint32_t v, Weighed *weighed)
{
    refused[v] = 0;
    stale[v] = 0;
    double length;
    const double cost = BestOf(v, lane.marks, lane.stamp += 2, lane.besideSeam ? lane.homeNow : -1, length, weighed);
    HeapSetBest(v, cost, length);
}

void Collapser::Unlink(uint32_t v, uint32_t t)
{
    uint32_t *begin = &links[lists[v].start], *end = begin + lists[v].count;
    uint32_t *at = std::find(begin, end, t);
    std::copy(at + 1, end, at);
    --lists[v].count;
}

// Where the two ends would meet, q being their quadrics summed (Merged), and the cost there:
// the quadric's value (area-weighted squared distances, by which collapses are ordered, as
// Garland and Heckbert order them; it orders a little better than the mean squared distance,
// MeanSquared). False when neither end may move.
bool Collapser::Placement(uint32_t a, uint32_t b, const Quadric &q, double p[3], double &cost,
                          bool keepVolume) const
{
    const Vec pa = At(a), pb = At(b);
    const auto settle = [&](Vec at) {
        p[0] = at.x, p[1] = at.y, p[2] = at.z;
        cost = q.Error(p);
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

// The cost by which the collapse of a and b is ordered: the error of its placement, plus the
// larger of the ends' own mean squared distances at that point times `endWeight`, some mean
// triangles' planes. The error sums distances by area, so a narrow spike or a small bump
// costs little to lose for all its height; its ends' own mean distances show the height.
// Border ends are left out: their border planes hold them already.
bool Collapser::Weigh(uint32_t a, uint32_t b, const Quadric &q, double &cost) const
{
    double p[3];
    if (!Placement(a, b, q, p, cost))
        return false;
    if (border[a] || border[b] || !(cost > 0))
        return true;
    // Each end's error about its own place, as its quadric is kept: reckoned in the box's
    // coordinates, its rounding would depend on where the model lies.
    const double errorA = records[a].ErrorAt(p), errorB = records[b].ErrorAt(p);
    const double weightA = records[a].quadric.Weight(), weightB = records[b].quadric.Weight();
    // The larger of errorA / weightA and errorB / weightB, by one division.
    const bool fromA = errorA * weightB > errorB * weightA;
    const double weight = fromA ? weightA : weightB;
    double own = weight > 0 ? endWeight * (fromA ? errorA : errorB) / weight : 0.0;
    // A light end, of triangles far smaller than the mean: its planes say little of a spike or
    // a small bump made of them (wherever a spike's tip goes down, the placement lies on two of
    // its three planes). Its distance from the surface the collapse leaves shows what is lost.
    for (const auto &[end, endPlanes] : {std::pair{a, weightA}, std::pair{b, weightB}})
        if (endPlanes < lightEnd)
            own = std::max(own, endWeight * SquaredDistanceToFan(records[end].place, a, b, p));
    cost += own;
    return true;
}

// The squared distance of x from the triangles around a and b as their collapse to p leaves
// them.
double Collapser::SquaredDistanceToFan(const double x[3], uint32_t a, uint32_t b, const double p[3]) const
{
    double nearest = HUGE_VAL;
    for (const uint32_t end : {a, b})
        ForLiveTriangles(end, [&](uint32_t t) {
            const uint32_t *c = &corners[3 * size_t(t)];
            if (HasCorner(c, a) && HasCorner(c, b))
                return; // the collapse removes it
            const double *at[3];
            for (int k = 0; k < 3; ++k)
                at[k] = c[k] == a || c[k] == b ? p : records[c[k]].place;
            nearest = std::min(nearest, SquaredDistanceToTriangle(x, at[0], at[1], at[2]));
        });
    return nearest < HUGE_VAL ? nearest : 0.0;
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
            const bool shared = HasCorner(c, a) && HasCorner(c, b);
            const Vec p0 = At(c[0]), p1 = At(c[1]), p2 = At(c[2]);
            if (shared) {
                if (end == a)
                    h += Dot(p0, Cross(p1, p2));
                return;
            }
            const int k = c[0] == end ? 0 : c[1] == end ? 1 : 2;
            const Vec p = At(c[(k + 1) % 3]), r = At(c[(k + 2) % 3]);
            const Vec n = Cross(p, r);
            g = {g.x + n.x, g.y + n.y, g.z + n.z};
            h += Dot(At(end), n);
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

// The triangles around both ends that the collapse keeps still face as they did with the
// merged vertex at p: none turns by more than 60 degrees, or loses its area. Turns of up to 80
// turned triangles over in two steps, or in one: sliding a border vertex along the border laid
// a triangle of gentle waves almost on its edge (from 0.89 of up to 0.03), and the next
// collapse turned it face down; a collapse at a cliff's edge turned one of its flat top by 75
// degrees, from 0.76 of up to facing down. Where the ring around both ends is nearly flat (its
// triangles' summed normal at least 0.9 of their summed areas), none may face away from the
// ring either: small turns, each allowed, add up to a triangle face down.
bool Collapser::KeepsFacing(Lane &lane, uint32_t keep, uint32_t drop, const double p[3]) const
{
    const Vec to = {p[0], p[1], p[2]};
    std::vector<Vec> &after = lane.normals;
    after.clear();
    Vec ring{0, 0, 0};
    double area = 0;
    bool keeps = true;
    for (const uint32_t moved : {keep, drop}) {
        const uint32_t other = moved == keep ? drop : keep;
        ForLiveTriangles(moved, [&](uint32_t t) {
            const uint32_t *c = &corners[3 * size_t(t)];
            if (!keeps || HasCorner(c, other))
                return;
            Vec was[3], now[3];
            for (int k = 0; k < 3; ++k) {
                was[k] = At(c[k]);
                now[k] = c[k] == moved ? to : was[k];
            }
            const Vec n0 = Cross(was[1] - was[0], was[2] - was[0]);
            const Vec n1 = Cross(now[1] - now[0], now[2] - now[0]);
            const double d = Dot(n0, n1), n0n0 = Dot(n0, n0);
            keeps = d > 0 && 4 * d * d > n0n0 * Dot(n1, n1);
            ring = {ring.x + n0.x, ring.y + n0.y, ring.z + n0.z};
            area += std::sqrt(n0n0);
            after.push_back(n1);
        });
    }
    if (!keeps || !(Dot(ring, ring) > 0.81 * area * area))
        return keeps;
    return std::all_of(after.begin(), after.end(), [&](const Vec &n) { return Dot(n, ring) > 0; });
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
    uint32_t wings[2] = {Outside, Outside}; // the third corners of the triangles the collapse removes
    ForLiveTriangles(drop, [&](uint32_t t) {
        const uint32_t *c = &corners[3 * size_t(t)];
        ++triangles;
        if (HasCorner(c, keep)) {
            if (shared < 2)
                wings[shared] = c[0] != keep && c[0] != drop ? c[0] : c[1] != keep && c[1] != drop ? c[1] : c[2];
            ++shared;
        }
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
    // An edge of more than two triangles stays (its ends are locked), and so does one whose two
    // wings share a triangle with each end: that pair would become one triangle twice.
    if (shared > 2 || (shared == 2 && DoublesTriangle(keep, drop, wings)))
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
    // Only a collapse with an end on the border can leave a border vertex one triangle.
    if ((border[keep] || border[drop]) && (LeavesBorderSliver(wings[0], keep, drop, p) ||
                                           LeavesBorderSliver(wings[1], keep, drop, p)))
        return false;
    return KeepsFacing(lane, keep, drop, p);
}

// Whether keep and drop each have a triangle on both wings besides the two the collapse
// removes (the two ends and the wings then make a closed tetrahedron within a non-manifold
// model): the collapse would lay the two on one another.
bool Collapser::DoublesTriangle(uint32_t keep, uint32_t drop, const uint32_t wings[2]) const
{
    const auto onWings = [&](uint32_t end, uint32_t other) {
        bool found = false;
        ForLiveTriangles(end, [&](uint32_t t) {
            const uint32_t *c = &corners[3 * size_t(t)];
            found = found || (!HasCorner(c, other) && HasCorner(c, wings[0]) && HasCorner(c, wings[1]));
        });
        return found;
    };
    return onWings(drop, keep) && onWings(keep, drop);
}

// Whether the collapse leaves border vertex w one triangle only (its two edges at w then both on
// the border) with an angle at w over 150 degrees. Where the border runs on nearly straight,
// that triangle is a sliver spanning a stretch of the border curve: wherever the border bends
// out of the surface's plane, it stands across the surface (upright along a saddle's border).
// KeepsFacing lets it through: the collapse that makes it turns it by only 40 to 50
// degrees, since earlier collapses had already tilted it.
bool Collapser::LeavesBorderSliver(uint32_t w, uint32_t keep, uint32_t drop, const double p[3]) const
{
    if (w == Outside || !border[w])
        return false;
    size_t left = 0;
    uint32_t last = Outside;
    ForLiveTriangles(w, [&](uint32_t t) {
        const uint32_t *c = &corners[3 * size_t(t)];
        const bool removed = HasCorner(c, keep) && HasCorner(c, drop);
        if (!removed)
            ++left, last = t;
    });
    if (left != 1)
        return false;
    const uint32_t *c = &corners[3 * size_t(last)];
    const Vec at = At(w), to = {p[0], p[1], p[2]};
    Vec edges[2];
    int found = 0;
    for (int k = 0; k < 3; ++k)
        if (c[k] != w)
            edges[found++] = (c[k] == keep || c[k] == drop ? to : At(c[k])) - at;
    return Dot(edges[0], edges[1]) < -0.866 * std::sqrt(Dot(edges[0], edges[0]) * Dot(edges[1], edges[1]));
}

// Whether v's edge to u can collapse now within the error bound: which end stays, with what
// quadric, and where.
bool Collapser::Collapsible(Lane &lane, uint32_t v, uint32_t u, double maxSquared, uint32_t &keep, uint32_t &drop,
                            Quadric &merged, double p[3])
{
    // The end with more triangles stays.
    keep = v, drop = u;
    if (lists[keep].count < lists[drop].count)
        std::swap(keep, drop);
    merged = Merged(keep, drop);
    double cost;
    return Placement(keep, drop, merged, p, cost, true) && merged.MeanSquared(cost) <= maxSquared &&
           CanCollapse(lane, keep, drop, p);
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
        double cost;
        if (u != refusedTarget && !(lane.besideSeam && home[u] != lane.homeNow) && Weigh(v, u, Merged(v, u), cost))
            lane.candidates.push_back({cost, cost == 0 ? SquaredLength(v, u) : 0.0, u});
    });
    std::sort(lane.candidates.begin(), lane.candidates.end());
    for (const auto &[cost, length, u] : lane.candidates) {
        uint32_t keep, drop;
        Quadric merged;
        double p[3];
        if (Collapsible(lane, v, u, maxSquared, keep, drop, merged, p)) {
            bestTarget[v] = u;
            secondTarget[v] = Outside;
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
            const Vec a = At(c[0]), e1 = At(c[1]) - a, e2 = At(c[2]) - a;
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

// w's cheapest collapse went to an end of the collapse that kept `keep`: of its edges, only the
// one to keep changed (weighed from keep's side in keepEdges), so that one and w's second
// cheapest, where known and going elsewhere, decide its cheapest. False where w must be weighed
// again. (The other edges cost at least the second, unless it was guessed. An edge to keep
// that costs less than the heap now says w's does is keep's to make: keep was weighed whole,
// and comes first.)
bool Collapser::SettleFromSecond(const Weighed &keepEdges, uint32_t w, uint32_t keep)
{
    const uint32_t second = secondTarget[w];
    if (stale[w] || second == Outside || second == keep || vertexGone[second])
        return false;
    // A long list is in the order of its vertices (Collapse): where thousands of triangles share
    // an edge, every one of thousands of neighbours looks itself up.
    auto toW = keepEdges.end();
    if (keepEdges.size() > LongWeighed) {
        toW = std::lower_bound(keepEdges.begin(), keepEdges.end(), w,
                               [](const auto &edge, uint32_t vertex) { return edge.first < vertex; });
        if (toW != keepEdges.end() && toW->first != w)
            toW = keepEdges.end();
    } else {
        toW = std::find_if(keepEdges.begin(), keepEdges.end(), [w](const auto &edge) { return edge.first == w; });
    }
    if (toW == keepEdges.end() && !(locked[w] && locked[keep]))
        return false; // not weighed (neither end may move, or w waits beside the seam)
    if (toW != keepEdges.end() && toW->second < secondOrder[w]) {
        bestTarget[w] = keep;
        HeapSetOrder(w, toW->second);
    } else {
        // The edge to keep stands in for the new second cheapest. Where a third edge costs
        // less, w comes to the top a little late once its cheapest goes, never early. (Left
        // unknown, the second cost a visit to the top and a weighing of all w's edges: 440 000
        // times on a torus of 1.2 million triangles, 180 000 with the guess; the levels
        // measure as close.)
        bestTarget[w] = second;
        HeapSetOrder(w, secondOrder[w]);
        if (toW == keepEdges.end())
            secondTarget[w] = Outside;
        else
            secondTarget[w] = keep, secondOrder[w] = toW->second;
    }
    return true;
}

// Returns the number of triangles it removed.
size_t Collapser::Collapse(Lane &lane, uint32_t keep, uint32_t drop, const Quadric &merged, const double p[3])
{
    if (attributeWidth > 0)
        CarryValues(lane, keep, drop, p);
    records[keep].quadric = StoredQuadric::About(merged, p);
    std::copy(p, p + 3, records[keep].place);
    border[keep] |= border[drop];
    // The kept vertex stands where a vertex that may not move stood.
    locked[keep] |= locked[drop];
    vertexGone[drop] = 1;
    // Across the seam, a triangle may come to lie on one side, or across.
    const bool crossing = split && !lane.besideSeam && reseating;
    size_t removed = 0;
    ForLiveTriangles(keep, [&](uint32_t t) {
        const uint32_t *c = &corners[3 * size_t(t)];
        if (HasCorner(c, drop)) {
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
    size_t i = lists[keep].start, j = lists[drop].start;
    const size_t iEnd = i + lists[keep].count, jEnd = j + lists[drop].count;
    for (;;) {
        while (i < iEnd && triangleGone[links[i]])
            ++i;
        while (j < jEnd && triangleGone[links[j]])
            ++j;
        if (i == iEnd && j == jEnd)
            break;
        links[lane.logNext++] = j == jEnd || (i < iEnd && links[i] < links[j]) ? links[i++] : links[j++];
    }
    lists[keep].start = uint32_t(start);
    lists[keep].count = uint32_t(lane.logNext - start);
    lists[drop].count = 0;
    // Of the vertices around, only the edge to the kept vertex changed: it may now be their
    // cheapest. Where their cheapest was to either end, it and their second cheapest decide, or
    // they are weighed again when they come to the top; where it was refused, at once.
    HeapRemove(drop);
    UpdateBest(lane, keep, &lane.weighed);
    if (lane.weighed.size() > LongWeighed)
        std::sort(lane.weighed.begin(), lane.weighed.end());
    lane.around.clear();
    ForNeighbours(keep, lane.marks, lane.stamp += 2, [&](uint32_t w) { lane.around.push_back(w); });
    for (const uint32_t w : lane.around) {
        if (lane.besideSeam && home[w] != lane.homeNow) {
            // The seam is weighed again when this thread takes it; a vertex beyond the block,
            // when it comes to the top after the blocks.
            if (home[w] != Seam)
                stale[w] = 1;
            continue;
        }
        if (refused[w])
            UpdateBest(lane, w);
        else if (bestTarget[w] == keep || bestTarget[w] == drop)
            stale[w] = !SettleFromSecond(lane.weighed, w, keep);
        else if (secondTarget[w] == keep || secondTarget[w] == drop)
            secondTarget[w] = Outside;
    }
    if (crossing) {
        lane.touched.push_back(keep);
        lane.touched.insert(lane.touched.end(), lane.around.begin(), lane.around.end());
    }
    return removed;
}

// The vertex most likely to come to the top next: the cheapest of the top's children (the top
// itself leaves, or its cost grows). When the top collapses with `partner`, the partner leaves
// too: it is often the top's cheapest child, the same edge weighed from its other end, and then
// its own children take its place. (A partner in another home's heap only spoils the guess.)
uint32_t Collapser::LikelyNext(const Heap &heap, uint32_t partner) const
{
    size_t best = 0;
    const auto consider = [&](size_t first) {
        for (size_t i = first; i < std::min(first + Children, heap.size()); ++i)
            if (heap[i].vertex != partner && (best == 0 || heap[i] < heap[best]))
                best = i;
    };
    consider(1);
    const size_t at = partner == Outside ? Outside : heapAt[partner];
    if (at >= 1 && at <= Children)
        consider(Children * at + 1);
    return best == 0 ? Outside : heap[best].vertex;
}

// A popped vertex's surroundings lie far from the last collapse's: its list, its triangles'
// corners and their places are fetched one after another, each waiting on the one before.
// Asked while the top is handled, a step at a time (0: where its list starts, 1: the list,
// 2: its triangles), they are in the cache when it comes to the top. So are the place, the
// quadric and the list of the neighbour it is to collapse with.
void Collapser::WarmLists(uint32_t v, int step) const
{
    if (v == Outside)
        return;
    if (step == 0) {
        __builtin_prefetch(&lists[v]);
        __builtin_prefetch(&bestTarget[v]);
        return;
    }
    // A list's first and last cache lines: it seldom spans more.
    const auto fetchList = [this](uint32_t u) {
        const uint32_t *list = &links[lists[u].start];
        __builtin_prefetch(list);
        __builtin_prefetch(list + std::max(lists[u].count, 1u) - 1);
    };
    const uint32_t target = bestTarget[v];
    if (step == 1) {
        fetchList(v);
        __builtin_prefetch(&records[v]);
        if (target != Outside) {
            __builtin_prefetch(&lists[target]);
            __builtin_prefetch(&records[target]);
        }
        return;
    }
    ForLiveTriangles(v, [this](uint32_t t) { __builtin_prefetch(&corners[3 * size_t(t)]); });
    if (target != Outside)
        fetchList(target);
}

// Collapses the cheapest first, from the heaps of homes `firstHeap` to `lastHeap`, until
// `removed` (the triangles removed) reaches `removals`.
Collapser::Halt Collapser::Drain(Lane &lane, uint8_t firstHeap, uint8_t lastHeap, size_t &removed, size_t removals,
                                 double maxSquared)
{
    while (removed < removals) {
        const Heap *cheapest = nullptr;
        for (uint8_t h = firstHeap; h <= lastHeap; ++h)
            if (!heaps[h].empty() && (!cheapest || heaps[h][0] < (*cheapest)[0]))
                cheapest = &heaps[h];
        if (!cheapest)
            return Halt::Dry;
        const uint32_t v = (*cheapest)[0].vertex;
        const bool reweigh = stale[v] || (lane.besideSeam && home[bestTarget[v]] != lane.homeNow);
        const uint32_t next = LikelyNext(*cheapest, reweigh ? Outside : bestTarget[v]);
        WarmLists(next, 0);
        if (reweigh) {
            UpdateBest(lane, v);
            WarmLists(next, 1);
            WarmLists(next, 2);
            continue;
        }
        uint32_t keep, drop;
        Quadric merged;
        double p[3];
        if (!Collapsible(lane, v, bestTarget[v], maxSquared, keep, drop, merged, p)) {
            NextAllowed(lane, v, maxSquared);
            continue;
        }
        WarmLists(next, 1);
        if (lane.logEnd - lane.logNext < size_t(lists[keep].count) + lists[drop].count) {
            if (lane.besideSeam)
                return Halt::OutOfRoom; // the other lane may be reading the lists
            RebuildLinks();
        }
        removed += Collapse(lane, keep, drop, merged, p);
        WarmLists(next, 2);
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
// a thread of its own; false when cancelled. A lane that runs out of collapses hands what it
// lacks on to the other, which goes on alone: so each lane's part still grows with the goal
// alone, and a goal's mesh is what a run to it alone gives.
bool Collapser::RunLanes(const size_t removals[2], double maxSquared)
{
    size_t asked[2] = {removals[0], removals[1]};
    for (;;) {
        const size_t before = lanes[0].removed + lanes[1].removed;
        Halt halts[2] = {Halt::Reached, Halt::Reached};
        const auto drain = [&](int which) {
            try {
                halts[which] = DrainSide(which, asked[which], maxSquared);
            } catch (...) {
                stop = true;
                throw;
            }
        };
        // No thread is started for a lane with nothing to remove (in the last stretch, which
        // this thread takes alone).
        const bool second = split && lanes[1].removed < asked[1];
        if (second && lanes[0].removed < asked[0])
            AtOnce([&] { drain(0); }, [&] { drain(1); });
        else
            drain(second ? 1 : 0);
        liveTriangles -= lanes[0].removed + lanes[1].removed - before;
        if (halts[0] == Halt::Cancelled || halts[1] == Halt::Cancelled)
            return false;
        if (halts[0] == Halt::OutOfRoom || halts[1] == Halt::OutOfRoom) {
            RebuildLinks();
            continue;
        }
        bool handed = false;
        for (int which = 0; split && which < 2; ++which) {
            Lane &lane = lanes[which];
            if (halts[which] == Halt::Dry && halts[1 - which] == Halt::Reached && lane.removed < asked[which]) {
                asked[1 - which] += asked[which] - lane.removed;
                asked[which] = lane.removed;
                handed = true;
            }
        }
        if (!handed)
            return true;
    }
}

size_t Collapser::Run()
{
    if (split)
        Cut();
    else
        MakeRecords(nullptr);
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
        // A stretch: the lanes take each side down to its share of the next checkpoint (a
        // quarter fewer triangles than the last), then this thread the rest. Every run stops at
        // the same checkpoints, whatever its goals, so that each goal's mesh is what a run to
        // it alone gives. (At each checkpoint this thread weighs the seam again: with a tenth
        // fewer each time, 22 stretches down to a tenth of the model instead of 9, that took
        // 0.044 s of a 1.2M-triangle run instead of 0.016 s, and the levels were as close.)
        while (checkpoint >= liveTriangles)
            checkpoint = checkpoint > SplitTo ? checkpoint - checkpoint / 4 : 0;
        const size_t start = liveTriangles, end = split ? checkpoint : 0;
        size_t planned[2] = {split ? 0 : start, 0};
        if (split && end > 0)
            for (size_t w = 0; w < 2; ++w)
                planned[w] = owned[w] - size_t(std::llround(double(owned[w]) * double(end) / double(start)));
        reseating = end > 0;
        const size_t lanesRemove = planned[0] + planned[1];
        lanes[0].removed = lanes[1].removed = 0;
        if (split && end > 0) {
            ++stretches;
            OnBothSides([&](int which) { SetUpBlocks(which, planned[which]); });
        }
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
        OnBothSides([&](int which) { MergeBlocks(which); });
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
                halt = Drain(lanes[0], 0, split ? Seam : 0, removed, liveTriangles - target, maxSquared);
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

} // namespace detail

size_t CollapseEdges(CollapseMesh mesh, const CollapseGoals &goals)
{
    if (mesh.corners.empty())
        return 0;
    detail::Collapser collapser(std::move(mesh), goals);
    return collapser.Run();
}

} // namespace lumeno
