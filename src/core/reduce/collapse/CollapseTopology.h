#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumeno {

// What a place (a position; the sides of a seam are vertices of their own at one place) may do
// in a collapse. The kinds of meshoptimizer's simplifier (Kapoulkine, simplifier.cpp), named
// by the shape of the surface around the place.
enum class PlaceKind : uint8_t {
    Interior,    // one closed fan of triangles, one vertex
    Border,      // one open fan: two border edges, one vertex
    Seam,        // one closed fan split by two seam edges into the fans of two vertices
    Locked,      // anything else on a manifold surface: corners of seams and borders, seam ends
    NonManifold, // an edge of three triangles or more, or fans meeting only at the place
    Pinned,      // asked to stay
};

// The connectivity of the mesh while it is collapsed: triangles over vertices (each vertex one
// side of a place), and per place the list of its triangles, which collapses merge. Dead
// triangles are marked, not removed; lists drop them when they are merged.
class CollapseTopology
{
public:
    // `corners` three vertices per triangle; `placeOf` the place of each vertex.
    CollapseTopology(std::vector<uint32_t> corners, std::vector<uint32_t> placeOf, size_t placeCount);

    size_t Triangles() const { return alive.size(); }
    size_t Places() const { return listStart.size(); }
    bool Alive(uint32_t t) const { return alive[t] != 0; }
    uint32_t Vertex(uint32_t t, int k) const { return corners[3 * size_t(t) + size_t(k)]; }
    uint32_t Place(uint32_t t, int k) const
    {
        return (placesAreVertices ? corners : cornerPlaces)[3 * size_t(t) + size_t(k)];
    }
    uint32_t PlaceOfVertex(uint32_t v) const { return placesAreVertices ? v : placeOf[v]; }
    // The corner (0..2) of triangle t at place p, which t must have.
    int CornerAt(uint32_t t, uint32_t p) const { return Place(t, 0) == p ? 0 : Place(t, 1) == p ? 1 : 2; }
    // The vertex of triangle t at place p, which t must have.
    uint32_t VertexAt(uint32_t t, uint32_t p) const { return Vertex(t, CornerAt(t, p)); }
    // Whether the two triangles of an edge between p and q meet there with vertices of their
    // own at either end: the edge is a seam.
    bool IsSeam(const uint32_t pair[2], uint32_t p, uint32_t q) const
    {
        return VertexAt(pair[0], p) != VertexAt(pair[1], p) || VertexAt(pair[0], q) != VertexAt(pair[1], q);
    }
    bool HasPlace(uint32_t t, uint32_t p) const { return Place(t, 0) == p || Place(t, 1) == p || Place(t, 2) == p; }

    // The triangles of place p, dead ones among them: check Alive.
    const uint32_t *ListBegin(uint32_t p) const { return list.data() + listStart[p]; }
    const uint32_t *ListEnd(uint32_t p) const { return list.data() + listStart[p] + listSize[p]; }

    // The live triangles that have both places, at most `room` of them written to `out`;
    // returns how many there are. Costs the shorter of the two places' lists.
    size_t EdgeTriangles(uint32_t p, uint32_t q, uint32_t *out, size_t room) const;

    // Place p goes into place q: the triangles on both die, p's others take q's vertices as
    // `vertexFor` maps p's vertices, and join q's list.
    template <typename VertexFor>
    void Merge(uint32_t p, uint32_t q, VertexFor vertexFor)
    {
        for (const uint32_t *t = ListBegin(p); t != ListEnd(p); ++t) {
            if (!alive[*t])
                continue;
            if (HasPlace(*t, q)) {
                alive[*t] = 0;
                continue;
            }
            const size_t corner = 3 * size_t(*t) + size_t(CornerAt(*t, p));
            corners[corner] = vertexFor(corners[corner]);
            if (!placesAreVertices)
                cornerPlaces[corner] = q;
            assert(Place(*t, int(corner % 3)) == q);
        }
        JoinLists(p, q);
    }

    // Of the living triangles, their vertices in the order the triangles first use them.
    const std::vector<uint32_t> &Corners() const { return corners; }

private:
    void JoinLists(uint32_t p, uint32_t q);
    void Compact();

    std::vector<uint32_t> corners;
    // Where every vertex is a place of its own (a model without seams), numbered alike, both
    // are empty and corners stand for places too.
    bool placesAreVertices = false;
    std::vector<uint32_t> placeOf;
    std::vector<uint32_t> cornerPlaces; // placeOf of each corner's vertex, read without the detour
    std::vector<uint8_t> alive;
    std::vector<size_t> listStart;
    std::vector<uint32_t> listSize, listRoom;
    std::vector<uint32_t> list;
    size_t listUsed = 0; // entries of living lists, for when to compact
};

// Scratch of one thread: the places around a place, with how many of its triangles each
// shares an edge with, and the first two of those triangles. Gathering costs the number of
// the place's triangles, however many there are (a cone's tip may have thousands).
struct Ring
{
    std::vector<uint32_t> places;
    std::vector<uint32_t> shared;           // triangles on the edge to places[i]
    std::vector<uint32_t> edgeTriangles;    // two per place: the first two of them
    void Gather(const CollapseTopology &topology, uint32_t p);
    bool HasBorder() const;
    // Where places[i] == r, or none.
    bool Has(uint32_t r) const { return Find(r) != None; }
    // The index of r in places, which Has(r).
    size_t IndexOf(uint32_t r) const { return Find(r); }

    // Scratch of ClassifyPlace.
    std::vector<uint32_t> fan;
    std::vector<size_t> root;

private:
    static constexpr uint32_t None = UINT32_MAX;
    size_t Start(uint32_t r) const { return size_t((r * 0x9E3779B1u) >> 7) & (table.size() - 1); }
    uint32_t Find(uint32_t r) const
    {
        if (table.empty())
            return None;
        for (size_t at = Start(r);; at = (at + 1) & (table.size() - 1))
            if (table[at] == None || places[table[at]] == r)
                return table[at];
    }
    // The index in places of each place gathered, by open addressing at most half full: a
    // table per place of the mesh would cost more than the mesh's own corners.
    std::vector<uint32_t> table;
};

// The kind of each place, from its triangles and vertices. `pinned` (per vertex, may be empty)
// locks places that must not move. Leaves `ring` gathered around p.
PlaceKind ClassifyPlace(const CollapseTopology &topology, uint32_t p, const std::vector<uint8_t> &pinned, Ring &ring);

} // namespace lumeno
