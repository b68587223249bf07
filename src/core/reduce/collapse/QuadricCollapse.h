#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace lumeno {

// An indexed triangle mesh whose vertices are welded by position, in a box of about unit size
// (the errors below are lengths in that box).
struct CollapseMesh
{
    // x, y, z per vertex, in single precision as models come (the collapse reckons in double).
    std::vector<float> positions;
    std::vector<uint32_t> corners; // three vertices per triangle
    // Values each vertex carries besides its place (colours, normals, texture coordinates),
    // `attributeWidth` per vertex. A collapse gives the merged vertex those of the nearest
    // point of the surface around, mixed from the corners of its triangle.
    size_t attributeWidth = 0;
    std::vector<float> attributes;
    // Per vertex, when not empty: 1 where it stays in place (the sides of a seam are vertices
    // of their own at one place; they stay, and the seam stays closed).
    std::vector<uint8_t> pinned;
    size_t Triangles() const { return corners.size() / 3; }
};

struct CollapseGoals
{
    // The triangle counts to stop at on the way, largest first: the mesh is handed to
    // `reached` as soon as it has that many triangles or fewer, as a mesh of its own that
    // `reached` may take apart (the vertices the triangles use, in the collapse's own order).
    std::vector<size_t> triangleCounts;
    // No collapse whose error (the distance its quadric measures) exceeds this is made.
    double maxError = 1e300;
    std::function<void(size_t goal, CollapseMesh &&mesh)> reached;
    // Where each level is written, when given: asked for room for the level's `count` corners
    // (three per triangle), then for its positions (three per vertex), they return memory the
    // caller owns, or nullptr for the mesh's own vectors, which `reached` then finds empty. The
    // first levels are nearly as large as the model: written straight into the arrays that
    // keep them, they need no copy beside them.
    std::function<uint32_t *(size_t count)> cornerRoom;
    std::function<float *(size_t count)> positionRoom;
    // Polled every few thousand collapses; true ends the run.
    std::function<bool()> cancelled;
    // Told the share of the last goal's collapses made so far.
    std::function<void(double)> progress;
    // Threads: 1, or 2 for one on each side of a cut through the model (models of 50 000
    // triangles or more gain from it); 0 for 2 where the machine has two cores and the model
    // 100 000 triangles or more. The meshes depend on this, not on the threads' timing.
    unsigned threads = 0;
};

// Greedy edge collapse by quadric error metrics (Garland & Heckbert, "Surface Simplification
// Using Quadric Error Metrics", 1997), reckoned in double precision. Each vertex carries the sum
// of the squared distances to its triangles' planes (area-weighted), kept in single precision
// about the vertex's own place (see StoredQuadric). Each edge is collapsed to the point of
// least quadric among those that keep the enclosed volume (Lindstrom & Turk, "Fast
// and Memory Efficient Polygonal Simplification", 1998: 4-12 % closer on average on scanned
// and CAD meshes than the unconstrained point; candidates are weighed at the unconstrained
// point, which costs a sixth of the time) while its error is at most 1.1 times the least,
// sliding to the unconstrained point by 1.3 times (at sharp tips the volume-keeping point
// stands off the surface), or to the midpoint or an end where those systems are singular.
// Cheapest first (of those that cost nothing, the shortest edge): each vertex keeps its
// cheapest collapse in a heap of the vertices, and its second cheapest beside it (once that
// has become its cheapest, the edge a collapse next to it changed stands in as a guess), and a
// collapse weighs again only what it changed. Borders keep their place by planes through each
// border edge at right angles to its triangle; a collapse is refused when it would flip or
// flatten a triangle, turn one away from a nearly flat ring around it, or make an edge or
// vertex non-manifold (the link condition of Dey et al. 1999), and the vertex then offers its
// next cheapest collapse that can be made. Vertices on non-manifold edges stay where they are.
// On two threads, each takes one side of a cut at the median, the vertices of the triangles
// across it waiting, down to a quarter fewer triangles at a time (most of the way a block of
// its vertices at a time, each block's share following where the cheapest collapses lie);
// then the calling thread alone collapses across the cut to that count. Each goal's mesh is
// exactly what a run to that goal alone would give, so one run makes every level. Returns the
// number of goals reached.
size_t CollapseEdges(CollapseMesh mesh, const CollapseGoals &goals);

} // namespace lumeno
