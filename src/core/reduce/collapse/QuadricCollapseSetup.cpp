#include "reduce/collapse/QuadricCollapser.h"

#include <numeric>
#include <thread>
#include <utility>

namespace lumeno::detail {

namespace {

// Border planes weigh this many times the border edge's length squared, where a triangle of the
// mean area weighs its area.
constexpr double BorderWeight = 10.0;
// A triangle's plane weighs its area to the power 0.75 (BuildQuadricsAndLinks). By area
// alone (power 1) the mean distance is least; small triangles, where the surface bends most,
// then count for little and the largest distance grows. 0.75 kept the mean within 2 % of that
// on the bench's scanned and CAD meshes and brought the largest distance above the better of
// vtkQuadricDecimation and meshoptimizer on 10 of 21 levels instead of 17. (By two square
// roots: std::pow took half the time of adding the planes.)
double AreaWeight(double area) { return std::sqrt(area * std::sqrt(area)); }
// An end's own mean squared distance counts as if this many planes of mean triangles held it
// (Collapser::Weigh). On the bench's meshes, 16 brought the largest distance above the better
// of vtkQuadricDecimation and meshoptimizer on 1 of 18 levels instead of 7, its mean over them
// from 0.96 of the better's to 0.85, for a mean distance 2 % higher (8 % at worst); 8 to 32
// left it above on 1 to 6.
constexpr double EndWeight = 16.0;
// An end whose planes together weigh less than this many mean triangles' counts its distance
// from the surface the collapse leaves, where that is more than its own mean squared distance
// (Collapser::Weigh). The tip of mech-holes-shark's spike, three triangles of 1/100 to 1/50 of
// the mean area whose planes weigh 0.12 of a mean triangle's, went at 60 % of the triangles and
// was the largest distance at 50 %; it now stays to 10 %. From 0.25 to 4 the bench's meshes
// measured the same within 1 % on the mean; 1 also brought the largest distance down on eight
// CGAL meshes of uneven triangles. The largest squared distance from the planes of the other
// end's triangles instead kept the spike too, but raised the mean on those by up to 42 %: a
// plane across a crease stands far from an end that the collapse leaves on the surface.
constexpr double LightEnd = 1.0;

// The place's Morton code in the box from low to high: ten bits an axis, interleaved.
uint64_t MortonCode(const float p[3], const double low[3], const double high[3])
{
    uint64_t code = 0;
    for (int k = 0; k < 3; ++k) {
        const double unit = high[k] > low[k] ? (p[k] - low[k]) / (high[k] - low[k]) : 0.0;
        uint64_t bits = uint64_t(std::clamp(unit * 1024.0, 0.0, 1023.0));
        bits = (bits | bits << 16) & 0x30000ff;
        bits = (bits | bits << 8) & 0x300f00f;
        bits = (bits | bits << 4) & 0x30c30c3;
        bits = (bits | bits << 2) & 0x9249249;
        code |= bits << k;
    }
    return code;
}

} // namespace

Collapser::Collapser(CollapseMesh &&mesh, const CollapseGoals &collapseGoals)
    : goals(collapseGoals), corners(std::move(mesh.corners)), attributeWidth(mesh.attributeWidth),
      attributes(std::move(mesh.attributes))
{
    const size_t vertexCount = mesh.positions.size() / 3;
    positions = std::move(mesh.positions);
    triangleGone.assign(corners.size() / 3, 0);
    liveTriangles = corners.size() / 3;
    border.assign(vertexCount, 0);
    locked.assign(vertexCount, 0);
    if (mesh.pinned.size() == vertexCount)
        locked = std::move(mesh.pinned);
    vertexGone.assign(vertexCount, 0);
    bestTarget.assign(vertexCount, Outside);
    secondTarget.assign(vertexCount, Outside);
    secondOrder.assign(vertexCount, 0);
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
        lane.marks.assign(vertexCount, 0);
        lane.besideSeam = split;
        lane.homeNow = uint8_t(&lane - lanes);
    }
}

void Collapser::RebuildLinks(bool beforeCollapses)
{
    const size_t vertexCount = records.size();
    // Each side goes through every triangle for the corners among its vertices: after
    // collapses across the cut, a side's triangle may have a corner beyond it. Before any, its
    // own triangles and those across the cut are enough.
    const size_t triangles = triangleGone.size();
    const size_t begin[2] = {0, beforeCollapses ? crossingBegin : 0};
    const size_t end[2] = {beforeCollapses ? crossingEnd : triangles, triangles};
    const auto forOwnCorners = [&](int which, auto &&take) {
        const uint32_t from = sideStart[which], to = sideStart[which + 1];
        for (size_t t = begin[which]; t < end[which]; ++t)
            if (!triangleGone[t])
                for (int k = 0; k < 3; ++k) {
                    const uint32_t v = corners[3 * t + size_t(k)];
                    if (v >= from && v < to)
                        take(v, uint32_t(t));
                }
    };
    // After collapses each list's count is exact (a collapse takes the triangles it removes out
    // of every list), so only the first build counts.
    if (beforeCollapses) {
        lists.assign(vertexCount, List());
        OnBothSides([&](int which) { forOwnCorners(which, [this](uint32_t v, uint32_t) { ++lists[v].count; }); });
    }
    size_t start = 0, longest = 0;
    for (size_t v = 0; v < vertexCount; ++v) {
        lists[v].start = uint32_t(start);
        start += lists[v].count;
        longest = std::max<size_t>(longest, lists[v].count);
        lists[v].count = 0;
    }
    // Room for a quarter as many again, where collapses write the lists of the vertices they
    // keep, shared between the lanes: when a lane's part is used up, all are rebuilt (a few
    // times on the way to a tenth, each far quicker than a level). A lane's part holds at
    // least two of the longest lists, the most one collapse writes: where thousands of
    // triangles share an edge, its ends' lists are longer than a quarter of all.
    const size_t laneCount = split ? 2 : 1;
    const size_t least = start + laneCount * 2 * longest;
    if (!links || linkRoom < least) {
        linkRoom = std::max(start + start / 4 + 64, least);
        links.reset(new uint32_t[linkRoom]);
    }
    OnBothSides([&](int which) {
        forOwnCorners(which, [this](uint32_t v, uint32_t t) { links[lists[v].start + lists[v].count++] = t; });
    });
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
    // The first side's triangles are those before the second's, the triangles across the cut
    // between them; each side adds the planes of its own and of those across to its vertices,
    // and sums its own triangles' areas.
    const size_t triangles = triangleGone.size();
    double area[2] = {0, 0};
    OnBothSides([&](int which) {
        const uint32_t from = sideStart[which], to = sideStart[which + 1];
        const size_t begin = which == 0 ? 0 : crossingBegin, end = which == 0 ? crossingEnd : triangles;
        for (size_t t = begin; t < end; ++t) {
            const uint32_t *c = &corners[3 * t];
            const Vec a = At(c[0]), n = Cross(At(c[1]) - a, At(c[2]) - a);
            const double length = std::sqrt(Dot(n, n)); // twice the area
            if (which == 1 || t < crossingBegin)
                area[which] += 0.5 * length;
            if (!(length > 0))
                continue;
            const double unit[3] = {n.x / length, n.y / length, n.z / length};
            const double weight = AreaWeight(0.5 * length);
            // About each corner, the plane's offset is nought but for rounding.
            for (int k = 0; k < 3; ++k)
                if (c[k] >= from && c[k] < to) {
                    const Vec d = At(c[k]) - a;
                    records[c[k]].quadric.AddPlane(unit, unit[0] * d.x + unit[1] * d.y + unit[2] * d.z, weight);
                }
        }
    });
    // The planes weigh area^0.75, not meanArea * (area / meanArea)^0.75, so that the areas are
    // summed in the same pass: every quadric is lighter by meanArea^0.25 alike, which changes
    // no comparison of costs, nor the mean squared distance (cost over weight). The border
    // planes follow.
    const double meanArea = (area[0] + area[1]) / double(std::max<size_t>(triangles, 1));
    const double borderWeight = meanArea > 0 ? BorderWeight / std::sqrt(std::sqrt(meanArea)) : BorderWeight;
    endWeight = EndWeight * AreaWeight(meanArea);
    lightEnd = LightEnd * AreaWeight(meanArea);
    RebuildLinks(true);
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
                    AddBorderPlane(v, neighbours[i], borderWeight);
            }
        }
    });
}

// The plane through the border edge from v to u at right angles to its one triangle, weighing
// `weight` times the edge's length squared.
void Collapser::AddBorderPlane(uint32_t v, uint32_t u, double weight)
{
    uint32_t third = v;
    ForLiveTriangles(v, [&](uint32_t t) {
        const uint32_t *c = &corners[3 * size_t(t)];
        if (HasCorner(c, u))
            for (int k = 0; k < 3; ++k)
                if (c[k] != u && c[k] != v)
                    third = c[k];
    });
    border[v] = 1;
    const Vec p = At(v), q = At(u), r = At(third);
    const Vec edge = q - p;
    const Vec normal = Cross(edge, r - p);
    const Vec across = Cross(edge, normal);
    const double length = std::sqrt(Dot(across, across));
    if (!(length > 0))
        return;
    const double unit[3] = {across.x / length, across.y / length, across.z / length};
    records[v].quadric.AddPlane(unit, 0.0, weight * Dot(edge, edge)); // through v
}

// Each vertex's record, with its place from the loaded positions (the vertex numbered i was the
// loaded `order[i]`, or i without an order), which are then let go. Made once the order is
// known, so that they are not written twice (the cut sizes them beforehand on a thread of
// their own).
void Collapser::MakeRecords(const uint32_t *order)
{
    const size_t vertexCount = positions.size() / 3;
    records.resize(vertexCount);
    for (size_t i = 0; i < vertexCount; ++i)
        std::copy_n(&positions[3 * size_t(order ? order[i] : i)], 3, records[i].place);
    std::vector<float>().swap(positions);
}

// The cut lies at the median of the vertices along the model's longest side, so that the lanes
// have about as much to do. Each side's vertices and triangles are then numbered together, so
// that the lanes seldom write to the same cache lines.
void Collapser::Cut()
{
    const size_t vertexCount = positions.size() / 3;
    const auto place = [this](size_t v) { return &positions[3 * v]; };
    size_t axis = 0, lowerCount = 0;
    double median = 0;
    const auto lower = [&](size_t v) { return place(v)[axis] < median; };
    std::vector<uint64_t> keyed;
    std::vector<uint32_t> sortedCorners; // the triangles' corners in their new order
    // The first writes of the records and of the triangles' new corners, most of what they cost
    // (the pages come zeroed from the system), go on on a thread of their own while the cut and
    // the order are found.
    AtOnce(
        [&] {
            double low[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL}, high[3] = {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
            for (size_t v = 0; v < vertexCount; ++v)
                for (int k = 0; k < 3; ++k) {
                    low[k] = std::min(low[k], double(place(v)[k]));
                    high[k] = std::max(high[k], double(place(v)[k]));
                }
            for (size_t k = 1; k < 3; ++k)
                if (high[k] - low[k] > high[axis] - low[axis])
                    axis = k;
            std::vector<double> along(vertexCount);
            for (size_t v = 0; v < vertexCount; ++v)
                along[v] = place(v)[axis];
            std::nth_element(along.begin(), along.begin() + std::ptrdiff_t(vertexCount / 2), along.end());
            median = along[vertexCount / 2];
            std::vector<double>().swap(along);

            // Each side's vertices in the order of a Morton curve through the box, so that
            // neighbours on the surface are mostly neighbours in memory too (a scan comes in
            // the order it was scanned in).
            for (size_t v = 0; v < vertexCount; ++v)
                lowerCount += lower(v);
            keyed.resize(vertexCount);
            size_t next[2] = {0, lowerCount};
            for (size_t v = 0; v < vertexCount; ++v)
                keyed[next[lower(v) ? 0 : 1]++] = MortonCode(place(v), low, high) << 32 | v;
            std::sort(keyed.begin(), keyed.begin() + std::ptrdiff_t(lowerCount));
        },
        [&] { records.resize(vertexCount); });
    AtOnce([&] { std::sort(keyed.begin() + std::ptrdiff_t(lowerCount), keyed.end()); },
           [&] { sortedCorners.resize(corners.size()); });
    std::vector<uint32_t> order(vertexCount);
    for (size_t i = 0; i < vertexCount; ++i)
        order[i] = uint32_t(keyed[i]);
    std::vector<uint64_t>().swap(keyed);
    const auto reorder = [&order](auto &values, size_t width) {
        std::remove_reference_t<decltype(values)> sorted;
        sorted.resize(values.size());
        for (size_t i = 0; i < order.size(); ++i)
            std::copy_n(values.begin() + std::ptrdiff_t(width * order[i]), width,
                        sorted.begin() + std::ptrdiff_t(width * i));
        values.swap(sorted);
    };
    reorder(attributes, attributeWidth);
    reorder(locked, 1);
    std::vector<uint32_t> newIndex(vertexCount);
    side.resize(vertexCount);
    for (size_t i = 0; i < vertexCount; ++i) {
        newIndex[order[i]] = uint32_t(i);
        side[i] = lower(order[i]) ? 0 : 1;
    }
    MakeRecords(order.data());
    sideStart[1] = uint32_t(std::count(side.begin(), side.end(), 0));
    std::vector<uint32_t>().swap(order);
    for (uint32_t &corner : corners)
        corner = newIndex[corner];
    std::vector<uint32_t>().swap(newIndex);

    // The triangles: the first side's, those across, the second side's; within each, in the
    // order of their first vertex. A side's own are counted by first vertex, the first side's
    // vertices coming before the second's; those across, a few thousand, are sorted apart.
    const size_t triangles = corners.size() / 3;
    const auto firstCorner = [this](size_t t) { return *std::min_element(&corners[3 * t], &corners[3 * t] + 3); };
    std::vector<uint32_t> byFirst(vertexCount + 1, 0), across;
    for (size_t t = 0; t < triangles; ++t) {
        const uint8_t owner = Owner(t);
        ++owned[owner];
        if (owner == Seam)
            across.push_back(uint32_t(t));
        else
            ++byFirst[firstCorner(t) + 1];
    }
    std::partial_sum(byFirst.begin(), byFirst.end(), byFirst.begin());
    crossingBegin = owned[0];
    crossingEnd = owned[0] + owned[Seam];
    const auto put = [&](size_t t, size_t at) { std::copy_n(&corners[3 * t], 3, &sortedCorners[3 * at]); };
    for (size_t t = 0; t < triangles; ++t) {
        const uint8_t owner = Owner(t);
        if (owner != Seam)
            put(t, byFirst[firstCorner(t)]++ + (owner == 0 ? 0 : owned[Seam]));
    }
    std::vector<uint32_t>().swap(byFirst);
    std::stable_sort(across.begin(), across.end(),
                     [&](uint32_t a, uint32_t b) { return firstCorner(a) < firstCorner(b); });
    for (size_t i = 0; i < across.size(); ++i)
        put(across[i], crossingBegin + i);
    corners.swap(sortedCorners);
    std::vector<uint32_t>().swap(sortedCorners);
    home = side;
    for (size_t t = crossingBegin; t < crossingEnd; ++t)
        for (int k = 0; k < 3; ++k)
            home[corners[3 * t + size_t(k)]] = Seam;
    for (uint32_t v = 0; v < uint32_t(vertexCount); ++v)
        if (home[v] == Seam)
            seamVertices.push_back(v);
}

// Each vertex's cheapest collapse, each side's on its thread, then the heaps at once. Each edge
// is weighed once, from its lower end, and offered to both: this step waits on arithmetic, not
// memory. (The seam's vertices weigh all their edges, as the others leave those alone.)
void Collapser::WeighAll()
{
    const uint32_t vertexCount = uint32_t(records.size());
    std::vector<HeapEntry> all(vertexCount);
    // As BestOf keeps the cheapest and the second cheapest, by their order.
    const auto offer = [&](uint32_t w, uint32_t u, uint32_t order) {
        if (bestTarget[w] == Outside || order < all[w].order) {
            if (bestTarget[w] != Outside)
                secondTarget[w] = bestTarget[w], secondOrder[w] = all[w].order;
            bestTarget[w] = u;
            all[w].order = order;
        } else if (secondTarget[w] == Outside || order < secondOrder[w]) {
            secondTarget[w] = u, secondOrder[w] = order;
        }
    };
    OnBothSides([&](int which) {
        Lane &lane = lanes[which];
        const uint32_t from = sideStart[which], to = sideStart[which + 1];
        for (uint32_t v = from; v < to; ++v)
            all[v] = {UINT32_MAX, v};
        std::vector<uint32_t> &above = lane.around;
        for (uint32_t v = from; v < to; ++v) {
            if (split && home[v] == Seam) {
                double length;
                const double cost = BestOf(v, lane.marks, lane.stamp += 2, -1, length);
                all[v] = {Order(cost, length), v};
                continue;
            }
            above.clear();
            ForNeighbours(v, lane.marks, lane.stamp += 2, [&](uint32_t u) {
                if (u > v && !(split && home[u] == Seam)) {
                    __builtin_prefetch(&records[u]);
                    above.push_back(u);
                }
            });
            const Quadric own = Global(v);
            for (const uint32_t u : above) {
                double cost;
                if (!Weigh(v, u, own + Global(u), cost))
                    continue;
                const uint32_t order = Order(cost, cost == 0 ? SquaredLength(v, u) : 0.0);
                offer(v, u, order);
                offer(u, v, order);
            }
        }
    });
    // Each heap sized once: grown one entry at a time, it would take up to twice the room. A
    // side's has room for every vertex of the side, which its blocks share (SetUpBlocks).
    size_t seamCount = 0;
    for (uint32_t v = 0; v < vertexCount; ++v)
        seamCount += home[v] == Seam && bestTarget[v] != Outside;
    for (uint8_t h = 0; h < 3; ++h)
        heaps[h].Grow(h == Seam ? seamCount : sideStart[h + 1] - sideStart[h]);
    for (uint32_t v = 0; v < vertexCount; ++v)
        if (bestTarget[v] != Outside)
            heaps[home[v]].push_back(all[v]);
    std::vector<HeapEntry>().swap(all);
    for (uint8_t h = 0; h < 3; ++h)
        HeapifyAll(heaps[h]);
}

// The lanes left the seam's vertices as they were: they are weighed again before this thread
// takes them, half on each lane (a weighing reads nothing another writes), then go into the
// seam's heap in their order here, as one thread weighing them all would put them.
void Collapser::ReweighSeam()
{
    std::vector<std::pair<double, double>> weighed(seamVertices.size()); // cost, squared length
    const size_t halves[3] = {0, seamVertices.size() / 2, seamVertices.size()};
    OnBothSides([&](int which) {
        Lane &lane = lanes[which];
        for (size_t i = halves[which]; i < halves[which + 1]; ++i) {
            const uint32_t v = seamVertices[i];
            if (vertexGone[v])
                continue;
            refused[v] = 0;
            stale[v] = 0;
            weighed[i].first = BestOf(v, lane.marks, lane.stamp += 2, -1, weighed[i].second);
        }
    });
    for (size_t i = 0; i < seamVertices.size(); ++i)
        if (!vertexGone[seamVertices[i]])
            HeapSetBest(seamVertices[i], weighed[i].first, weighed[i].second);
}

// After this thread's collapses across the seam, the vertices whose triangles changed go to
// the heap of their side, or of the seam, as their triangles now lie; those with a triangle
// outside their side's part of `corners` are noted as strays.
void Collapser::Reseat()
{
    Lane &lane = lanes[0];
    for (const uint32_t v : lane.touched) {
        if (vertexGone[v])
            continue;
        bool across = false, astray = false;
        ForLiveTriangles(v, [&](uint32_t t) {
            across = across || Owner(t) == Seam;
            astray = astray || !InSidePart(t, side[v]);
        });
        if (astray)
            strays.push_back(v);
        const uint8_t now = across ? Seam : side[v];
        if (now == home[v])
            continue;
        HeapRemove(v);
        home[v] = now;
        if (now == Seam)
            seamVertices.push_back(v);
        lane.homeNow = side[v]; // its side's vertices alone, as the lanes weigh them
        UpdateBest(lane, v);
    }
    lane.homeNow = 0;
    lane.touched.clear();
    std::sort(strays.begin(), strays.end());
    strays.erase(std::unique(strays.begin(), strays.end()), strays.end());
    seamVertices.erase(std::remove_if(seamVertices.begin(), seamVertices.end(),
                                      [this](uint32_t v) { return vertexGone[v] || home[v] != Seam; }),
                       seamVertices.end());
}

// The level on both threads: its vertices in the collapse's order (each side along a Morton
// curve), numbered afresh, then its triangles in theirs. Each half first counts how many its
// part holds, so that the other knows where to begin.
void Collapser::HandOver(size_t goal) const
{
    if (!goals.reached)
        return;
    const size_t vertexCount = records.size(), triangleCount = triangleGone.size();
    const auto inHalves = [](size_t count, auto &&work) {
        InTwoHalves(count, [&](size_t begin, size_t end) { work(begin == 0 ? 0 : 1, begin, end); });
    };
    CollapseMesh mesh;
    const auto room = [](auto &own, size_t count, const auto &given) {
        if (auto *values = given ? given(count) : nullptr)
            return values;
        own.resize(count);
        return own.data();
    };
    uint32_t *const levelCorners = room(mesh.corners, liveTriangles * 3, goals.cornerRoom);

    // A vertex is used while it has triangles (the lists hold live triangles alone).
    size_t used[2] = {0, 0};
    inHalves(vertexCount, [&](int half, size_t begin, size_t end) {
        used[half] = size_t(std::count_if(&lists[begin], &lists[0] + end, [](List l) { return l.count > 0; }));
    });
    const size_t vertices = used[0] + used[1];
    float *const levelPositions = room(mesh.positions, 3 * vertices, goals.positionRoom);
    mesh.attributeWidth = attributeWidth;
    mesh.attributes.resize(attributeWidth * vertices);
    // Left unwritten where a vertex is not used: no triangle asks for it.
    std::unique_ptr<uint32_t[]> newIndex(new uint32_t[vertexCount]);
    inHalves(vertexCount, [&](int half, size_t begin, size_t end) {
        uint32_t next = half == 0 ? 0 : uint32_t(used[0]);
        for (size_t v = begin; v < end; ++v)
            if (lists[v].count > 0) {
                std::copy_n(records[v].place, 3, &levelPositions[3 * size_t(next)]);
                std::copy_n(attributes.data() + attributeWidth * v, attributeWidth,
                            mesh.attributes.data() + attributeWidth * next);
                newIndex[v] = next++;
            }
    });

    size_t live[2] = {0, 0};
    inHalves(triangleCount, [&](int half, size_t begin, size_t end) {
        live[half] = size_t(std::count(&triangleGone[begin], &triangleGone[0] + end, uint8_t(0)));
    });
    inHalves(triangleCount, [&](int half, size_t begin, size_t end) {
        uint32_t *corner = levelCorners + 3 * (half == 0 ? 0 : live[0]);
        for (size_t t = begin; t < end; ++t)
            if (!triangleGone[t])
                for (int k = 0; k < 3; ++k)
                    *corner++ = newIndex[corners[3 * t + size_t(k)]];
    });
    newIndex.reset();
    goals.reached(goal, std::move(mesh));
}

} // namespace lumeno::detail
