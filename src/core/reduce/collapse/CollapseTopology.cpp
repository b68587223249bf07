#include "reduce/collapse/CollapseTopology.h"

#include <algorithm>
#include <cassert>

namespace lumeno {

CollapseTopology::CollapseTopology(std::vector<uint32_t> cornersIn, std::vector<uint32_t> placeOfIn, size_t placeCount)
    : corners(std::move(cornersIn)), placeOf(std::move(placeOfIn)), alive(corners.size() / 3, 1),
      listStart(placeCount), listSize(placeCount, 0), listRoom(placeCount, 0)
{
    // Room for lists to grow before the first compaction: growing the block would hold it twice.
    list.reserve(corners.size() + corners.size() / 2);
    list.resize(corners.size());
    placesAreVertices = placeOf.size() == placeCount;
    for (size_t v = 0; placesAreVertices && v < placeOf.size(); ++v)
        placesAreVertices = placeOf[v] == v;
    if (placesAreVertices) {
        std::vector<uint32_t>().swap(placeOf);
    } else {
        cornerPlaces.resize(corners.size());
        for (size_t i = 0; i < corners.size(); ++i)
            cornerPlaces[i] = placeOf[corners[i]];
    }
    for (size_t i = 0; i < corners.size(); ++i)
        ++listSize[Place(uint32_t(i / 3), int(i % 3))];
    size_t start = 0;
    for (size_t p = 0; p < placeCount; ++p) {
        listStart[p] = start;
        listRoom[p] = listSize[p];
        start += listSize[p];
        listSize[p] = 0;
    }
    for (uint32_t t = 0; t < alive.size(); ++t)
        for (int k = 0; k < 3; ++k) {
            const uint32_t p = Place(t, k);
            list[listStart[p] + listSize[p]++] = t;
        }
    listUsed = list.size();
}

size_t CollapseTopology::EdgeTriangles(uint32_t p, uint32_t q, uint32_t *out, size_t room) const
{
    if (listSize[q] < listSize[p])
        std::swap(p, q);
    size_t count = 0;
    for (const uint32_t *t = ListBegin(p); t != ListEnd(p); ++t)
        if (alive[*t] && HasPlace(*t, q)) {
            if (count < room)
                out[count] = *t;
            ++count;
        }
    return count;
}

void CollapseTopology::JoinLists(uint32_t p, uint32_t q)
{
    // q's living triangles, then p's: a list grows at the pool's end to twice its size when it
    // has no room left, and the pool is rebuilt rather than grown when a fifth of it is spare,
    // or when it has become twice as large as the lists.
    uint32_t kept = 0;
    uint32_t *own = list.data() + listStart[q];
    for (uint32_t i = 0; i < listSize[q]; ++i)
        if (alive[own[i]])
            own[kept++] = own[i];
    listUsed -= listSize[q] - kept;
    listSize[q] = kept;
    uint32_t joining = 0;
    for (const uint32_t *t = ListBegin(p); t != ListEnd(p); ++t)
        joining += alive[*t];
    if (kept + joining > listRoom[q]) {
        const uint32_t room = 2 * (kept + joining);
        const bool full = list.size() + room > list.capacity();
        if (list.size() > 2 * listUsed + 1024 || (full && list.size() > listUsed + listUsed / 4 + 1024))
            Compact();
        const size_t start = list.size();
        list.resize(start + room);
        std::copy_n(list.begin() + std::ptrdiff_t(listStart[q]), kept, list.begin() + std::ptrdiff_t(start));
        listStart[q] = start;
        listRoom[q] = room;
    }
    uint32_t *to = list.data() + listStart[q] + kept;
    for (const uint32_t *t = ListBegin(p); t != ListEnd(p); ++t)
        if (alive[*t])
            *to++ = *t;
    listSize[q] = kept + joining;
    listUsed += joining;
    listUsed -= listSize[p];
    listSize[p] = 0;
    listRoom[p] = 0;
}

void CollapseTopology::Compact()
{
    std::vector<uint32_t> compacted;
    compacted.reserve(listUsed + listUsed / 2);
    for (size_t p = 0; p < listStart.size(); ++p) {
        const size_t start = compacted.size();
        compacted.insert(compacted.end(), ListBegin(uint32_t(p)), ListEnd(uint32_t(p)));
        listStart[p] = start;
        listRoom[p] = listSize[p];
    }
    list.swap(compacted);
    listUsed = list.size();
}

void Ring::Gather(const CollapseTopology &topology, uint32_t p)
{
    places.clear();
    shared.clear();
    edgeTriangles.clear();
    // Each triangle brings two places at most.
    size_t size = 16;
    while (size < 4 * size_t(topology.ListEnd(p) - topology.ListBegin(p)))
        size *= 2;
    table.assign(size, None);
    const auto add = [this](uint32_t r, uint32_t t) {
        size_t at = Start(r);
        while (table[at] != None && places[table[at]] != r)
            at = (at + 1) & (table.size() - 1);
        if (table[at] == None) {
            table[at] = uint32_t(places.size());
            places.push_back(r);
            shared.push_back(1);
            edgeTriangles.push_back(t);
            edgeTriangles.push_back(t);
        } else if (shared[table[at]]++ == 1) {
            edgeTriangles[2 * size_t(table[at]) + 1] = t;
        }
    };
    for (const uint32_t *t = topology.ListBegin(p); t != topology.ListEnd(p); ++t) {
        if (!topology.Alive(*t))
            continue;
        const int k = topology.CornerAt(*t, p);
        add(topology.Place(*t, (k + 1) % 3), *t);
        add(topology.Place(*t, (k + 2) % 3), *t);
    }
}

bool Ring::HasBorder() const
{
    return std::find(shared.begin(), shared.end(), 1u) != shared.end();
}

namespace {

// Whether the triangles of p form one fan: joined across the edges they share (two at most
// each, as the caller has checked).
bool IsOneFan(const CollapseTopology &topology, uint32_t p, Ring &ring)
{
    std::vector<uint32_t> &triangles = ring.fan;
    triangles.clear();
    for (const uint32_t *t = topology.ListBegin(p); t != topology.ListEnd(p); ++t)
        if (topology.Alive(*t))
            triangles.push_back(*t);
    std::sort(triangles.begin(), triangles.end());
    std::vector<size_t> &root = ring.root;
    root.resize(triangles.size());
    for (size_t i = 0; i < root.size(); ++i)
        root[i] = i;
    const auto find = [&root](size_t i) {
        while (root[i] != i)
            i = root[i] = root[root[i]];
        return i;
    };
    const auto index = [&triangles](uint32_t t) {
        return size_t(std::lower_bound(triangles.begin(), triangles.end(), t) - triangles.begin());
    };
    size_t components = triangles.size();
    for (size_t i = 0; i < ring.places.size(); ++i) {
        if (ring.shared[i] != 2)
            continue;
        const size_t a = find(index(ring.edgeTriangles[2 * i])), b = find(index(ring.edgeTriangles[2 * i + 1]));
        if (a != b) {
            root[a] = b;
            --components;
        }
    }
    return components <= 1;
}

} // namespace

PlaceKind ClassifyPlace(const CollapseTopology &topology, uint32_t p, const std::vector<uint8_t> &pinned, Ring &ring)
{
    ring.Gather(topology, p);
    size_t borders = 0;
    for (const uint32_t s : ring.shared) {
        if (s > 2)
            return PlaceKind::NonManifold;
        borders += s == 1;
    }
    if (!IsOneFan(topology, p, ring))
        return PlaceKind::NonManifold;

    // The place's vertices, and its seam edges: two triangles whose vertices differ at one end.
    uint32_t vertices[2];
    size_t vertexCount = 0;
    bool pin = false;
    for (const uint32_t *t = topology.ListBegin(p); t != topology.ListEnd(p); ++t) {
        if (!topology.Alive(*t))
            continue;
        const uint32_t v = topology.VertexAt(*t, p);
        pin = pin || (!pinned.empty() && pinned[v]);
        if (std::find(vertices, vertices + std::min<size_t>(vertexCount, 2), v) == vertices + std::min<size_t>(vertexCount, 2)) {
            if (vertexCount < 2)
                vertices[vertexCount] = v;
            ++vertexCount;
        }
    }
    if (pin)
        return PlaceKind::Pinned;
    size_t seams = 0;
    for (size_t i = 0; i < ring.places.size(); ++i) {
        if (ring.shared[i] != 2)
            continue;
        const uint32_t *pair = &ring.edgeTriangles[2 * i];
        seams += topology.IsSeam(pair, p, ring.places[i]);
    }
    if (seams == 0 && vertexCount == 1)
        return borders == 0 ? PlaceKind::Interior : borders == 2 ? PlaceKind::Border : PlaceKind::Locked;
    if (seams == 2 && vertexCount == 2 && borders == 0)
        return PlaceKind::Seam;
    return PlaceKind::Locked;
}

} // namespace lumeno
