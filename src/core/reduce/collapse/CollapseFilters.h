#pragma once

#include "reduce/collapse/CollapseTopology.h"
#include "reduce/collapse/CollapseTuning.h"

#include <utility>
#include <vector>

namespace lumeno {

// The guards a collapse of place `from` into place `to` must pass, each a free function over
// the state it reads. Together they keep the surface a manifold of the same topology, with
// borders and seams where they were and no triangle turned over, as CGAL's edge collapse
// (Cacciola, "Triangulated Surface Mesh Simplification") and meshoptimizer's simplifier do.

// How far the guards are relaxed: when no collapse is left and a triangle count is not yet
// reached, the next stage lets more through, in this order.
enum class RelaxStage : uint8_t {
    None = 0,
    // Border and seam places may also leave their line, and places locked by their corners
    // may move onto a neighbour: borders and seams get shorter across.
    BordersAndSeams = 1,
    Last = BordersAndSeams,
};

// Whether the kinds of the places allow the collapse along an edge of `edgeTriangles` live
// triangles (of which `seamEdge` tells whether they differ in vertices), and whether `to` may
// move to the best place (else it stays and `from` comes to it): a place moves only along its
// own line (borders, seams) or when both are inside.
bool KindsAllow(PlaceKind from, PlaceKind to, size_t edgeTriangles, bool seamEdge, RelaxStage stage, bool &moves);

// The vertex of `to` each vertex of `from` becomes, by the triangles on the edge: (from
// vertex, to vertex) pairs. False when one vertex of `from` would have to become two, or (before
// relaxing) one of its vertices has no triangle on the edge, or (relaxed) no vertex of its side
// on the edge: `sides` (per vertex, may be empty) as CollapseMesh::sides.
bool MapVertices(const CollapseTopology &topology, uint32_t from, uint32_t to, const uint32_t *edgeTriangles,
                 size_t edgeCount, RelaxStage stage, const std::vector<uint32_t> &sides,
                 std::vector<std::pair<uint32_t, uint32_t>> &map);

// The link condition (Dey, Edelsbrunner, Guha & Nekhayev, "Topology preserving edge
// contraction", 1999): the places around both ends are the places opposite the edge and
// nothing else, with the border counted as a place; and the collapse lays no triangle on another.
bool KeepsTopology(const CollapseTopology &topology, uint32_t from, uint32_t to, const uint32_t *edgeTriangles,
                   size_t edgeCount, const Ring &fromRing, const Ring &toRing);

// No triangle around the collapse turns by more than the tuning allows or becomes a line
// (CGAL's Bounded_normal_change filter). `positions` x, y, z per place.
bool KeepsNormals(const CollapseTopology &topology, const std::vector<double> &positions, uint32_t from, uint32_t to,
                  const double at[3], bool moves, const CollapseTuning &tuning);

} // namespace lumeno
