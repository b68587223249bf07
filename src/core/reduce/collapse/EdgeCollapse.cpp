#include "reduce/collapse/EdgeCollapse.h"

#include "measure/TriangleDistance.h"
#include "model/TwoThreads.h"
#include "reduce/collapse/CollapseFilters.h"
#include "reduce/collapse/CollapseHeap.h"
#include "reduce/collapse/CollapseTopology.h"
#include "reduce/collapse/LindstromTurkPlacement.h"
#include "reduce/collapse/Quadric.h"
#include "reduce/collapse/QuadricPlacement.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>
#include <optional>

namespace lumeno {

namespace {

// The place of each vertex: vertices at one position (to the bit) share one. Places are
// numbered in the order their first vertex comes.
std::vector<uint32_t> PlacesOfVertices(const std::vector<float> &positions, size_t &placeCount)
{
    const size_t count = positions.size() / 3;
    const float *xyz = positions.data();
    // Open addressing over the first vertex of each place, at least half empty.
    size_t size = 16;
    while (size < 2 * count)
        size *= 2;
    std::vector<uint32_t> firstAt(size, UINT32_MAX);
    const auto hash = [xyz](size_t v) {
        uint32_t bits[3];
        std::memcpy(bits, xyz + 3 * v, sizeof bits);
        uint64_t h = bits[0] * 0x9E3779B97F4A7C15ull;
        h = (h ^ bits[1]) * 0xC2B2AE3D27D4EB4Full;
        h = (h ^ bits[2]) * 0x165667B19E3779F9ull;
        return size_t(h ^ (h >> 29));
    };
    std::vector<uint32_t> place(count);
    placeCount = 0;
    for (size_t v = 0; v < count; ++v) {
        size_t slot = hash(v) & (size - 1);
        while (firstAt[slot] != UINT32_MAX &&
               std::memcmp(xyz + 3 * size_t(firstAt[slot]), xyz + 3 * v, 3 * sizeof(float)) != 0)
            slot = (slot + 1) & (size - 1);
        if (firstAt[slot] == UINT32_MAX) {
            firstAt[slot] = uint32_t(v);
            place[v] = uint32_t(placeCount++);
        } else {
            place[v] = place[firstAt[slot]];
        }
    }
    return place;
}

// Runs work(begin, end) over [0, count) on one thread or two.
template <typename Work>
void Split(size_t count, bool parallel, Work &&work)
{
    if (parallel)
        AtOnce([&] { work(size_t(0), count / 2); }, [&] { work(count / 2, count); });
    else
        work(size_t(0), count);
}

class Collapser
{
public:
    Collapser(CollapseMesh &&mesh, const CollapseGoals &goals);
    CollapseReport Run();

private:
    void SetUp();
    // `ring` gathered around p.
    Quadric QuadricOf(uint32_t p, const Ring &ring) const;
    // The cheaper of the collapses along the edge that the guards of kind allow, if any.
    std::optional<Candidate> Evaluate(uint32_t a, uint32_t b) const;
    // The same for an edge of `count` live triangles, the first two of them in `pair`.
    std::optional<Candidate> EvaluateEdge(uint32_t a, uint32_t b, size_t count, const uint32_t *pair) const;
    // Both ways along it costed on their own; the cheaper.
    std::optional<Candidate> EvaluateEachWay(uint32_t a, uint32_t b, size_t count, bool seam) const;
    LindstromTurkTerms TermsOf(uint32_t a, uint32_t b) const
    {
        const auto closed = [this](uint32_t p) {
            return kinds[p] == PlaceKind::Interior || kinds[p] == PlaceKind::Seam; // no border edge
        };
        return GatherLindstromTurk(*topology, positions, a, b, !(closed(a) && closed(b)));
    }
    float SquaredLength(uint32_t a, uint32_t b) const;
    bool UsesLindstromTurk() const
    {
        return tuning.placement == CollapsePlacement::LindstromTurk || tuning.cost == CollapseCost::LindstromTurk;
    }
    // The merged place of the edge when the placement is not the quadric's own; false where
    // the quadric's own decides.
    bool FixedPlace(const LindstromTurkTerms &terms, uint32_t a, uint32_t b, double x[3]) const
    {
        return tuning.placement == CollapsePlacement::LindstromTurk &&
               terms.Place(quadrics[a] + quadrics[b], tuning, x);
    }
    // What orders a collapse placed at x with `quadricCost` the summed quadric there.
    double CostAt(const LindstromTurkTerms &terms, const double x[3], double quadricCost) const
    {
        return tuning.cost == CollapseCost::LindstromTurk ? terms.Cost(x, tuning) : quadricCost;
    }
    // One way along an edge of `edgeTriangles` triangles, a seam or not.
    // `terms`, those of Lindstrom & Turk where they are used.
    std::optional<Candidate> EvaluateDirection(uint32_t from, uint32_t to, size_t edgeTriangles, bool seam,
                                               const LindstromTurkTerms *terms) const;
    bool Stale(const Candidate &c) const { return stamp[c.from] + stamp[c.to] != c.stamps; }
    // Stale, or of a place collapsed into another.
    bool Outdated(const Candidate &c) const
    {
        return stamp[c.from] == UINT32_MAX || stamp[c.to] == UINT32_MAX || Stale(c);
    }
    // Makes the collapse if the guards let it; false otherwise.
    bool TryCollapse(const Candidate &c);
    // The values (colours, normals, texture coordinates) of the vertices at the merged place.
    void CarryValues(uint32_t from, uint32_t to, const double at[3]);
    // `ring` gathered around q.
    void Requeue(uint32_t q, const Ring &ring);
    // Keeps a refused collapse at `at` (once) until something around it changes.
    void Park(uint32_t at, uint32_t other);
    // Lets go of the refused collapses kept at `at`.
    void Unpark(uint32_t at);
    // `upperCounts`, when given: at least the candidates of the set-up's first and second half.
    void FillHeap(const size_t *upperCounts = nullptr);
    void HandOver(size_t goal);

    const CollapseGoals &goals;
    const CollapseTuning &tuning;
    CollapseMesh mesh; // its positions and attributes, per vertex
    size_t vertexCount = 0;
    size_t placeCount = 0;
    std::optional<CollapseTopology> topology;
    std::vector<double> positions; // x, y, z per place
    std::vector<Quadric> quadrics;
    std::vector<PlaceKind> kinds;
    std::vector<uint32_t> stamp;
    // Refused candidates' other places, per place a list in the order they were refused, its
    // entries linked in one block (most places have none at any time).
    struct Parked
    {
        uint32_t other, next;
    };
    static constexpr uint32_t NoParked = UINT32_MAX;
    std::vector<uint32_t> firstParked; // per place
    std::vector<Parked> parked;
    uint32_t freeParked = NoParked; // entries let go, linked
    CollapseHeap heap;
    RelaxStage stage = RelaxStage::None;
    size_t liveTriangles = 0;
    bool parallel = false;

    // Scratch of the collapse loop.
    Ring fromRing, toRing, neighbourRing;
    std::vector<std::pair<uint32_t, uint32_t>> vertexMap;
    std::vector<float> carried;
    std::vector<uint32_t> newIndex, used; // of HandOver
};

Collapser::Collapser(CollapseMesh &&meshIn, const CollapseGoals &goalsIn)
    : goals(goalsIn), tuning(goalsIn.tuning), mesh(std::move(meshIn)), vertexCount(mesh.positions.size() / 3)
{
    assert(mesh.corners.size() % 3 == 0);
    assert(mesh.attributes.size() == mesh.attributeWidth * (mesh.positions.size() / 3));
    parallel = (goals.threads == 0 && std::thread::hardware_concurrency() >= 2 &&
                mesh.Triangles() >= tuning.parallelSetupFrom);
}

namespace {

void Cross(const double u[3], const double v[3], double n[3])
{
    n[0] = u[1] * v[2] - u[2] * v[1];
    n[1] = u[2] * v[0] - u[0] * v[2];
    n[2] = u[0] * v[1] - u[1] * v[0];
}

double Length(const double v[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

// The plane n.x + d = 0 through `at` with unit normal along `direction`, weighted; nothing when
// the direction has no length.
void AddPlane(Quadric &q, double direction[3], const double at[3], double weight)
{
    const double length = Length(direction);
    if (!(length > 0) || !(weight > 0))
        return;
    for (int i = 0; i < 3; ++i)
        direction[i] /= length;
    q += Quadric::OfPlane(direction, -(direction[0] * at[0] + direction[1] * at[1] + direction[2] * at[2]), weight);
}

} // namespace

Quadric Collapser::QuadricOf(uint32_t p, const Ring &ring) const
{
    // Garland & Heckbert: each triangle's plane weighted by its area; each border edge's plane
    // at right angles to its triangle, weighted by the squared edge length (section 6.1). A seam
    // edge counts as a border of both its sides, so that a seam keeps its line.
    const CollapseTopology &topo = *topology;
    const auto at = [this](uint32_t place) { return positions.data() + 3 * size_t(place); };
    Quadric q;
    for (const uint32_t *t = topo.ListBegin(p); t != topo.ListEnd(p); ++t) {
        const double *a = at(topo.Place(*t, 0)), *b = at(topo.Place(*t, 1)), *c = at(topo.Place(*t, 2));
        const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
        const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
        double n[3];
        Cross(u, v, n);
        AddPlane(q, n, a, Length(n) / 2);
    }
    for (size_t i = 0; i < ring.places.size(); ++i) {
        const uint32_t r = ring.places[i];
        const uint32_t *pair = &ring.edgeTriangles[2 * i];
        const size_t count = ring.shared[i];
        if (count > 2)
            continue;
        const bool seam = count == 2 && topo.IsSeam(pair, p, r);
        if (count != 1 && !seam)
            continue;
        for (size_t k = 0; k < count; ++k) {
            const uint32_t t = pair[k];
            const double *a = at(topo.Place(t, 0)), *b = at(topo.Place(t, 1)), *c = at(topo.Place(t, 2));
            const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
            const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
            double n[3];
            Cross(u, v, n);
            const double e[3] = {at(r)[0] - at(p)[0], at(r)[1] - at(p)[1], at(r)[2] - at(p)[2]};
            double m[3];
            Cross(e, n, m);
            const double squaredLength = e[0] * e[0] + e[1] * e[1] + e[2] * e[2];
            AddPlane(q, m, at(p), tuning.boundaryWeight * squaredLength);
        }
    }
    return q;
}

void Collapser::SetUp()
{
    std::vector<uint32_t> placeOf = PlacesOfVertices(mesh.positions, placeCount);
    positions.assign(3 * placeCount, 0.0);
    for (size_t v = 0; v < placeOf.size(); ++v)
        for (int k = 0; k < 3; ++k)
            positions[3 * size_t(placeOf[v]) + size_t(k)] = mesh.positions[3 * v + size_t(k)];
    std::vector<float>().swap(mesh.positions);
    topology.emplace(std::move(mesh.corners), std::move(placeOf), placeCount);
    liveTriangles = topology->Triangles();
    quadrics.resize(placeCount);
    kinds.resize(placeCount);
    stamp.assign(placeCount, 0);
    size_t edges[2] = {0, 0}; // of each half, from their lower place
    Split(placeCount, parallel, [this, &edges](size_t begin, size_t end) {
        Ring ring;
        size_t &counted = edges[begin == 0 ? 0 : 1];
        for (size_t p = begin; p < end; ++p) {
            kinds[p] = ClassifyPlace(*topology, uint32_t(p), mesh.pinned, ring);
            quadrics[p] = QuadricOf(uint32_t(p), ring);
            counted += size_t(std::count_if(ring.places.begin(), ring.places.end(), [p](uint32_t r) { return r > p; }));
        }
    });
    FillHeap(edges);
}

void Collapser::FillHeap(const size_t *upperCounts)
{
    // Every edge once, from its lower place; the two halves' candidates in place order, in one
    // block sized by their edges beforehand: growing it, or joining two, would hold the
    // candidates twice over at once.
    size_t upper[2] = {0, 0};
    const auto half = [](size_t begin) { return begin == 0 ? 0 : 1; };
    if (upperCounts) {
        std::copy_n(upperCounts, 2, upper);
    } else {
        Split(placeCount, parallel, [&](size_t begin, size_t end) {
            Ring ring;
            for (size_t p = begin; p < end; ++p) {
                ring.Gather(*topology, uint32_t(p));
                upper[half(begin)] += size_t(
                    std::count_if(ring.places.begin(), ring.places.end(), [p](uint32_t r) { return r > p; }));
            }
        });
    }
    std::vector<Candidate> all(upper[0] + upper[1]);
    size_t found[2] = {0, 0};
    Split(placeCount, parallel, [&](size_t begin, size_t end) {
        Candidate *out = all.data() + (half(begin) == 0 ? 0 : upper[0]);
        size_t &count = found[half(begin)];
        Ring ring;
        for (size_t p = begin; p < end; ++p) {
            ring.Gather(*topology, uint32_t(p));
            for (size_t i = 0; i < ring.places.size(); ++i)
                if (ring.places[i] > p)
                    if (const std::optional<Candidate> c =
                            EvaluateEdge(uint32_t(p), ring.places[i], ring.shared[i], &ring.edgeTriangles[2 * i]))
                        out[count++] = *c;
        }
        assert(count <= upper[half(begin)]);
    });
    std::copy_n(all.begin() + std::ptrdiff_t(upper[0]), found[1], all.begin() + std::ptrdiff_t(found[0]));
    all.resize(found[0] + found[1]);
    heap.Assign(std::move(all));
    firstParked.assign(placeCount, NoParked);
    std::vector<Parked>().swap(parked);
    freeParked = NoParked;
}

void Collapser::Park(uint32_t at, uint32_t other)
{
    uint32_t last = NoParked;
    for (uint32_t e = firstParked[at]; e != NoParked; e = parked[e].next) {
        if (parked[e].other == other)
            return;
        last = e;
    }
    uint32_t added = freeParked;
    if (added != NoParked) {
        freeParked = parked[added].next;
        parked[added] = {other, NoParked};
    } else {
        added = uint32_t(parked.size());
        parked.push_back({other, NoParked});
    }
    (last == NoParked ? firstParked[at] : parked[last].next) = added;
}

void Collapser::Unpark(uint32_t at)
{
    const uint32_t first = firstParked[at];
    if (first == NoParked)
        return;
    uint32_t last = first;
    while (parked[last].next != NoParked)
        last = parked[last].next;
    parked[last].next = freeParked;
    freeParked = first;
    firstParked[at] = NoParked;
}

std::optional<Candidate> Collapser::EvaluateDirection(uint32_t from, uint32_t to, size_t count, bool seam,
                                                     const LindstromTurkTerms *terms) const
{
    bool moves = false;
    if (!KindsAllow(kinds[from], kinds[to], count, seam, stage, moves))
        return std::nullopt;
    double x[3];
    const bool fixed = moves && terms && FixedPlace(*terms, from, to, x);
    const Placement placed = PlaceCollapse(quadrics[from], quadrics[to], positions.data() + 3 * size_t(from),
                                           positions.data() + 3 * size_t(to), moves, tuning, fixed ? x : nullptr);
    if (placed.distance > goals.maxError)
        return std::nullopt;
    const double cost = terms ? CostAt(*terms, placed.at, placed.cost) : placed.cost;
    return Candidate{float(cost), SquaredLength(from, to), from, to, stamp[from] + stamp[to]};
}

std::optional<Candidate> Collapser::Evaluate(uint32_t a, uint32_t b) const
{
    uint32_t edge[3];
    const size_t count = topology->EdgeTriangles(a, b, edge, 3);
    return EvaluateEdge(a, b, count, edge);
}

std::optional<Candidate> Collapser::EvaluateEdge(uint32_t a, uint32_t b, size_t count, const uint32_t *pair) const
{
    const bool seam = count == 2 && topology->IsSeam(pair, a, b);
    bool abMoves = false, baMoves = false;
    const bool ab = KindsAllow(kinds[a], kinds[b], count, seam, stage, abMoves);
    const bool ba = KindsAllow(kinds[b], kinds[a], count, seam, stage, baMoves);
    if (ab && ba && abMoves && baMoves && !UsesLindstromTurk()) {
        const double *aAt = positions.data() + 3 * size_t(a), *bAt = positions.data() + 3 * size_t(b);
        double toB = 0, toA = 0;
        if (CostBothWays(quadrics[a], quadrics[b], aAt, bAt, tuning, toB, toA) > goals.maxError)
            return EvaluateEachWay(a, b, count, seam); // one way may still be within the bound
        const float length = SquaredLength(a, b);
        const Candidate one{float(toB), length, a, b, stamp[a] + stamp[b]};
        const Candidate other{float(toA), length, b, a, stamp[a] + stamp[b]};
        return Later()(one, other) ? other : one;
    }
    return EvaluateEachWay(a, b, count, seam);
}

std::optional<Candidate> Collapser::EvaluateEachWay(uint32_t a, uint32_t b, size_t count, bool seam) const
{
    const std::optional<LindstromTurkTerms> terms =
        UsesLindstromTurk() ? std::optional<LindstromTurkTerms>(TermsOf(a, b)) : std::nullopt;
    const LindstromTurkTerms *given = terms ? &*terms : nullptr;
    const std::optional<Candidate> ab = EvaluateDirection(a, b, count, seam, given);
    const std::optional<Candidate> ba = EvaluateDirection(b, a, count, seam, given);
    if (ab && ba)
        return Later()(*ab, *ba) ? ba : ab;
    return ab ? ab : ba;
}

float Collapser::SquaredLength(uint32_t a, uint32_t b) const
{
    const double *p = positions.data() + 3 * size_t(a), *q = positions.data() + 3 * size_t(b);
    return float((p[0] - q[0]) * (p[0] - q[0]) + (p[1] - q[1]) * (p[1] - q[1]) + (p[2] - q[2]) * (p[2] - q[2]));
}

bool Collapser::TryCollapse(const Candidate &c)
{
    CollapseTopology &topo = *topology;
    const uint32_t from = c.from, to = c.to;
    fromRing.Gather(topo, from);
    if (!fromRing.Has(to))
        return false;
    const size_t slot = fromRing.IndexOf(to);
    const size_t count = fromRing.shared[slot];
    const uint32_t *edge = &fromRing.edgeTriangles[2 * slot];
    const bool seam = count == 2 && topo.IsSeam(edge, from, to);
    bool moves = false;
    if (!KindsAllow(kinds[from], kinds[to], count, seam, stage, moves) ||
        !MapVertices(topo, from, to, edge, count, stage, mesh.sides, vertexMap))
        return false;
    toRing.Gather(topo, to);
    if (!KeepsTopology(topo, from, to, edge, count, fromRing, toRing))
        return false;
    double *toAt = positions.data() + 3 * size_t(to);
    const double *fromAt = positions.data() + 3 * size_t(from);
    double x[3];
    const bool fixed = moves && tuning.placement == CollapsePlacement::LindstromTurk &&
                       FixedPlace(TermsOf(from, to), from, to, x);
    const Placement placed = PlaceCollapse(quadrics[from], quadrics[to], fromAt, toAt, moves, tuning, fixed ? x : nullptr);
    if (!KeepsNormals(topo, positions, from, to, placed.at, moves, tuning))
        return false;

    if (moves && mesh.attributeWidth > 0)
        CarryValues(from, to, placed.at);

    const size_t before = liveTriangles;
    for (size_t i = 0; i < count; ++i)
        assert(topo.Alive(edge[i]));
    topo.Merge(from, to, [this](uint32_t v) {
        for (const auto &[a, b] : vertexMap)
            if (a == v)
                return b;
        assert(false);
        return vertexMap.front().second;
    });
    liveTriangles = before - count;
    std::copy_n(placed.at, 3, toAt);
    quadrics[to] += quadrics[from];
    ++stamp[from];
    ++stamp[to];
    if (kinds[to] != PlaceKind::NonManifold && kinds[to] != PlaceKind::Pinned)
        kinds[to] = ClassifyPlace(topo, to, mesh.pinned, fromRing);
    else
        fromRing.Gather(topo, to);
    Requeue(to, fromRing);
    return true;
}

void Collapser::CarryValues(uint32_t from, uint32_t to, const double at[3])
{
    // Each vertex `to` keeps takes the values of the nearest point of its side's triangles
    // around the edge, mixed from their corners (Hoppe, "Progressive meshes", 1996, section 4.3).
    const CollapseTopology &topo = *topology;
    const size_t width = mesh.attributeWidth;
    carried.assign(width * vertexMap.size(), 0.0f);
    for (size_t m = 0; m < vertexMap.size(); ++m) {
        const auto [a, b] = vertexMap[m];
        double nearest = HUGE_VAL;
        for (const uint32_t place : {from, to})
            for (const uint32_t *t = topo.ListBegin(place); t != topo.ListEnd(place); ++t) {
                if (!topo.Alive(*t))
                    continue;
                const uint32_t own = topo.VertexAt(*t, place);
                if (own != (place == from ? a : b))
                    continue;
                const double *corner[3];
                for (int k = 0; k < 3; ++k)
                    corner[k] = positions.data() + 3 * size_t(topo.Place(*t, k));
                const double gap = SquaredDistanceToTriangle(at, corner[0], corner[1], corner[2]);
                if (!(gap < nearest))
                    continue;
                nearest = gap;
                double weights[3];
                NearestOnTriangle(at, corner[0], corner[1], corner[2], weights);
                for (size_t i = 0; i < width; ++i) {
                    double value = 0;
                    for (int k = 0; k < 3; ++k)
                        value += weights[k] * mesh.attributes[width * topo.Vertex(*t, k) + i];
                    carried[width * m + i] = float(value);
                }
            }
        if (nearest == HUGE_VAL)
            std::copy_n(mesh.attributes.begin() + std::ptrdiff_t(width * b), width,
                        carried.begin() + std::ptrdiff_t(width * m));
    }
    for (size_t m = 0; m < vertexMap.size(); ++m)
        std::copy_n(carried.begin() + std::ptrdiff_t(width * m), width,
                    mesh.attributes.begin() + std::ptrdiff_t(width * vertexMap[m].second));
}

void Collapser::Requeue(uint32_t q, const Ring &ring)
{
    const auto outdated = [this](const Candidate &k) { return Outdated(k); };
    // A memoryless cost is of the triangles around both ends: the edges of q's neighbours
    // changed too (as CGAL updates them), so their candidates are stamped out and costed anew.
    if (tuning.cost == CollapseCost::LindstromTurk) {
        for (const uint32_t r : ring.places)
            ++stamp[r];
        for (const uint32_t r : ring.places) {
            neighbourRing.Gather(*topology, r);
            for (size_t i = 0; i < neighbourRing.places.size(); ++i)
                if (const uint32_t s = neighbourRing.places[i]; s != q)
                    if (const std::optional<Candidate> c = EvaluateEdge(r, s, neighbourRing.shared[i],
                                                                        &neighbourRing.edgeTriangles[2 * i]))
                        heap.Push(*c, outdated);
        }
    }
    // Every edge of q costs anew; the candidates refused around it may pass now.
    for (size_t i = 0; i < ring.places.size(); ++i) {
        const uint32_t r = ring.places[i];
        if (const std::optional<Candidate> c = EvaluateEdge(q, r, ring.shared[i], &ring.edgeTriangles[2 * i]))
            heap.Push(*c, outdated);
        for (uint32_t e = firstParked[r]; e != NoParked; e = parked[e].next)
            if (const uint32_t other = parked[e].other; other != q && stamp[other] != UINT32_MAX)
                if (const std::optional<Candidate> c = Evaluate(r, other))
                    heap.Push(*c, outdated);
        Unpark(r);
    }
    Unpark(q);
}

void Collapser::HandOver(size_t goal)
{
    // The living triangles in order, and the vertices in the order they first use them.
    const CollapseTopology &topo = *topology;
    newIndex.assign(vertexCount, UINT32_MAX);
    CollapseMesh level;
    level.attributeWidth = mesh.attributeWidth;
    uint32_t *corners = goals.cornerRoom ? goals.cornerRoom(3 * liveTriangles) : nullptr;
    if (!corners) {
        level.corners.resize(3 * liveTriangles);
        corners = level.corners.data();
    }
    used.clear();
    size_t written = 0;
    for (uint32_t t = 0; t < topo.Triangles(); ++t) {
        if (!topo.Alive(t))
            continue;
        for (int k = 0; k < 3; ++k) {
            const uint32_t v = topo.Vertex(t, k);
            if (newIndex[v] == UINT32_MAX) {
                newIndex[v] = uint32_t(used.size());
                used.push_back(v);
            }
            corners[written++] = newIndex[v];
        }
    }
    assert(written == 3 * liveTriangles);
    float *xyz = goals.positionRoom ? goals.positionRoom(3 * used.size()) : nullptr;
    if (!xyz) {
        level.positions.resize(3 * used.size());
        xyz = level.positions.data();
    }
    for (size_t i = 0; i < used.size(); ++i) {
        const double *at = positions.data() + 3 * size_t(topo.PlaceOfVertex(used[i]));
        for (int k = 0; k < 3; ++k)
            xyz[3 * i + size_t(k)] = float(at[k]);
    }
    level.attributes.resize(mesh.attributeWidth * used.size());
    for (size_t i = 0; i < used.size(); ++i)
        std::copy_n(mesh.attributes.begin() + std::ptrdiff_t(mesh.attributeWidth * used[i]), mesh.attributeWidth,
                    level.attributes.begin() + std::ptrdiff_t(mesh.attributeWidth * i));
    if (!mesh.sides.empty()) {
        level.sides.resize(used.size());
        for (size_t i = 0; i < used.size(); ++i)
            level.sides[i] = mesh.sides[used[i]];
    }
    goals.reached(goal, std::move(level));
}

CollapseReport Collapser::Run()
{
    CollapseReport report;
    const std::vector<size_t> &counts = goals.triangleCounts;
    const size_t initial = mesh.Triangles();
    SetUp();
    size_t next = 0;
    const auto handOverReached = [&] {
        while (next < counts.size() && liveTriangles <= counts[next]) {
            HandOver(next++);
            ++report.goalsReached;
        }
    };
    handOverReached();
    const size_t last = counts.empty() ? 0 : counts.back();
    size_t collapses = 0;
    bool cancelled = false;
    const auto stale = [this](const Candidate &k) { return Outdated(k); };
    while (next < counts.size()) {
        if (heap.Empty()) {
            if (stage == RelaxStage::Last)
                break;
            stage = RelaxStage(int(stage) + 1);
            FillHeap();
            continue;
        }
        const Candidate c = heap.Pop(stale);
        if (stale(c))
            continue;
        if (!TryCollapse(c)) {
            Park(c.from, c.to);
            Park(c.to, c.from);
            continue;
        }
        stamp[c.from] = UINT32_MAX; // gone
        report.relaxStage = int(stage);
        handOverReached();
        if (++collapses % tuning.collapsesBetweenPolls == 0) {
            if (goals.cancelled && goals.cancelled()) {
                cancelled = true;
                break;
            }
            if (goals.progress && initial > last)
                goals.progress(double(initial - liveTriangles) / double(initial - last));
        }
    }
    // Where even the relaxed guards allow no further collapse (a part with holes cannot have
    // fewer triangles than its topology needs), the remaining goals get the mesh as it is.
    if (!cancelled && !(goals.cancelled && goals.cancelled()))
        while (next < counts.size())
            HandOver(next++);
    return report;
}

} // namespace

CollapseReport CollapseEdges(CollapseMesh mesh, const CollapseGoals &goals)
{
    return Collapser(std::move(mesh), goals).Run();
}

} // namespace lumeno
