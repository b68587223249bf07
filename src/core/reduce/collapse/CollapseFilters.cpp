#include "reduce/collapse/CollapseFilters.h"

#include <algorithm>
#include <cmath>

namespace lumeno {

bool KindsAllow(PlaceKind from, PlaceKind to, size_t edgeTriangles, bool seamEdge, RelaxStage stage, bool &moves)
{
    moves = false;
    if (from == PlaceKind::NonManifold || from == PlaceKind::Pinned || edgeTriangles == 0 || edgeTriangles > 2)
        return false;
    const bool relaxed = stage >= RelaxStage::BordersAndSeams;
    switch (from) {
    case PlaceKind::Interior:
        if (edgeTriangles != 2 || seamEdge)
            return false;
        moves = to == PlaceKind::Interior;
        return true;
    case PlaceKind::Border:
        if (edgeTriangles == 1) {
            moves = to == PlaceKind::Border;
            return true;
        }
        return relaxed;
    case PlaceKind::Seam:
        if (edgeTriangles == 2 && seamEdge) {
            moves = to == PlaceKind::Seam;
            return true;
        }
        return relaxed;
    default:
        return relaxed;
    }
}

bool MapVertices(const CollapseTopology &topology, uint32_t from, uint32_t to, const uint32_t *edgeTriangles,
                 size_t edgeCount, RelaxStage stage, const std::vector<uint32_t> &sides,
                 std::vector<std::pair<uint32_t, uint32_t>> &map)
{
    map.clear();
    for (size_t i = 0; i < edgeCount; ++i) {
        const uint32_t t = edgeTriangles[i];
        const uint32_t a = topology.VertexAt(t, from);
        const uint32_t b = topology.VertexAt(t, to);
        const auto known = std::find_if(map.begin(), map.end(), [a](const auto &m) { return m.first == a; });
        if (known == map.end())
            map.emplace_back(a, b);
        else if (known->second != b)
            return false;
    }
    // Every vertex of `from` must have its image.
    for (const uint32_t *t = topology.ListBegin(from); t != topology.ListEnd(from); ++t) {
        if (!topology.Alive(*t))
            continue;
        const uint32_t a = topology.VertexAt(*t, from);
        if (std::find_if(map.begin(), map.end(), [a](const auto &m) { return m.first == a; }) != map.end())
            continue;
        if (stage < RelaxStage::BordersAndSeams || map.empty())
            return false;
        if (sides.empty()) {
            map.emplace_back(a, map.front().second);
            continue;
        }
        // Across a border between sides, a vertex goes only to one of its own side.
        const auto same = std::find_if(map.begin(), map.end(), [&](const auto &m) { return sides[m.second] == sides[a]; });
        if (same == map.end())
            return false;
        map.emplace_back(a, same->second);
    }
    return true;
}

namespace {

// Whether a live triangle of `at`, without `not`, has both places r and s.
bool HasTriangleWith(const CollapseTopology &topology, uint32_t at, uint32_t without, uint32_t r, uint32_t s)
{
    for (const uint32_t *t = topology.ListBegin(at); t != topology.ListEnd(at); ++t)
        if (topology.Alive(*t) && !topology.HasPlace(*t, without) && topology.HasPlace(*t, r) && topology.HasPlace(*t, s))
            return true;
    return false;
}

uint32_t Opposite(const CollapseTopology &topology, uint32_t t, uint32_t p, uint32_t q)
{
    for (int k = 0; k < 3; ++k)
        if (topology.Place(t, k) != p && topology.Place(t, k) != q)
            return topology.Place(t, k);
    return p;
}

} // namespace

bool KeepsTopology(const CollapseTopology &topology, uint32_t from, uint32_t to, const uint32_t *edgeTriangles,
                   size_t edgeCount, const Ring &fromRing, const Ring &toRing)
{
    uint32_t opposite[2] = {from, from};
    for (size_t i = 0; i < edgeCount && i < 2; ++i)
        opposite[i] = Opposite(topology, edgeTriangles[i], from, to);
    // An inner edge between two border places would join the borders into one point.
    if (edgeCount == 2 && fromRing.HasBorder() && toRing.HasBorder())
        return false;
    size_t common = 0;
    for (const uint32_t r : fromRing.places) {
        if (r == to || !toRing.Has(r))
            continue;
        if (r != opposite[0] && r != opposite[1])
            return false;
        ++common;
    }
    // The last triangles of a piece stay: a piece never vanishes.
    const auto onlyEdge = [&](uint32_t place) {
        for (const uint32_t *t = topology.ListBegin(place); t != topology.ListEnd(place); ++t)
            if (topology.Alive(*t) && !topology.HasPlace(*t, place == from ? to : from))
                return false;
        return true;
    };
    if (onlyEdge(from) && onlyEdge(to))
        return false;
    // Around a tetrahedron-like closed end, the two triangles beside the edge would lie on one
    // another once it is gone.
    if (edgeCount == 2 && common == 2 && HasTriangleWith(topology, from, to, opposite[0], opposite[1]) &&
        HasTriangleWith(topology, to, from, opposite[0], opposite[1]))
        return false;
    return true;
}

namespace {

void Normal(const double *a, const double *b, const double *c, double n[3])
{
    const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    n[0] = u[1] * v[2] - u[2] * v[1];
    n[1] = u[2] * v[0] - u[0] * v[2];
    n[2] = u[0] * v[1] - u[1] * v[0];
}

double Dot(const double a[3], const double b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// Whether the triangles of `moving` other than those on the edge to `other` keep their way
// when `moving` goes to `at`.
bool FanKeepsNormals(const CollapseTopology &topology, const std::vector<double> &positions, uint32_t moving,
                     uint32_t other, const double at[3], const CollapseTuning &tuning)
{
    for (const uint32_t *t = topology.ListBegin(moving); t != topology.ListEnd(moving); ++t) {
        if (!topology.Alive(*t) || topology.HasPlace(*t, other))
            continue;
        const double *corner[3];
        for (int k = 0; k < 3; ++k)
            corner[k] = positions.data() + 3 * size_t(topology.Place(*t, k));
        double before[3], after[3];
        Normal(corner[0], corner[1], corner[2], before);
        corner[topology.CornerAt(*t, moving)] = at;
        Normal(corner[0], corner[1], corner[2], after);
        const double lengthBefore = Dot(before, before), lengthAfter = Dot(after, after);
        // A triangle without area before has no way to keep.
        if (lengthBefore > 0 && (lengthAfter <= tuning.minAreaRatioSquared * lengthBefore ||
                                 Dot(before, after) <= tuning.minNormalCosine * std::sqrt(lengthBefore * lengthAfter)))
            return false;
    }
    return true;
}

} // namespace

bool KeepsNormals(const CollapseTopology &topology, const std::vector<double> &positions, uint32_t from, uint32_t to,
                  const double at[3], bool moves, const CollapseTuning &tuning)
{
    return FanKeepsNormals(topology, positions, from, to, at, tuning) &&
           (!moves || FanKeepsNormals(topology, positions, to, from, at, tuning));
}

} // namespace lumeno
