#pragma once

#include "reduce/collapse/CollapseTuning.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace lumeno {

// An indexed triangle mesh in a box of about unit size (the errors below are lengths in that
// box). Vertices at one place are the sides of a seam (they differ in colour, normal or texture
// coordinates): the collapse moves them together, so the seam stays closed.
struct CollapseMesh
{
    // x, y, z per vertex, in single precision as models come (the collapse reckons in double).
    std::vector<float> positions;
    std::vector<uint32_t> corners; // three vertices per triangle
    // Values each vertex carries besides its place (colours, normals, texture coordinates),
    // `attributeWidth` per vertex. A collapse that moves a place mixes them along the edge.
    size_t attributeWidth = 0;
    std::vector<float> attributes;
    // Per vertex, when not empty: 1 where its place must stay.
    std::vector<uint8_t> pinned;
    // Per vertex, when not empty: its side (a material and part). Vertices of different sides
    // never become one, so a triangle keeps the side of its corners, and a border between
    // sides is kept as a seam. Handed over with each level's vertices.
    std::vector<uint32_t> sides;
    size_t Triangles() const { return corners.size() / 3; }
};

struct CollapseGoals
{
    // The triangle counts to stop at on the way, largest first: the mesh is handed to
    // `reached` as soon as it has that many triangles or fewer, as a mesh of its own that
    // `reached` may take apart (the vertices the triangles use, in the order they first use them).
    std::vector<size_t> triangleCounts;
    // No collapse whose error (the root mean squared distance its quadric measures) exceeds
    // this is made.
    double maxError = 1e300;
    std::function<void(size_t goal, CollapseMesh &&mesh)> reached;
    // Where each level is written, when given: asked for room for the level's `count` corners
    // (three per triangle), then for its positions (three per vertex), they return memory the
    // caller owns, or nullptr for the mesh's own vectors, which `reached` then finds empty.
    std::function<uint32_t *(size_t count)> cornerRoom;
    std::function<float *(size_t count)> positionRoom;
    // Polled every few thousand collapses; true ends the run.
    std::function<bool()> cancelled;
    // Told the share of the last goal's collapses made so far.
    std::function<void(double)> progress;
    // Threads for the set-up: 1, or 0 for two where the machine has them and the model is large
    // (CollapseTuning::parallelSetupFrom). The meshes are the same either way.
    unsigned threads = 0;
    CollapseTuning tuning;
};

// What a run did besides reaching its goals.
struct CollapseReport
{
    size_t goalsReached = 0;
    // The stage of the guards (RelaxStage: 0 none, 1 borders and seams) of the last collapse made.
    int relaxStage = 0;
};

// Greedy edge collapse by quadric error metrics (Garland & Heckbert, "Surface Simplification
// Using Quadric Error Metrics", 1997), cheapest first, with optimal placement, borders and
// seams kept by planes through their edges, and the guards of CollapseFilters.h. Each goal's
// mesh is what a run to that goal alone would give, so one run makes every level.
CollapseReport CollapseEdges(CollapseMesh mesh, const CollapseGoals &goals);

} // namespace lumeno
