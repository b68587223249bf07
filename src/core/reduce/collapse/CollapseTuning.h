#pragma once

#include <cstddef>

namespace lumeno {

// Where a collapse puts the merged place (QuadricPlacement.h, LindstromTurkPlacement.h).
enum class CollapsePlacement {
    GarlandHeckbert, // the least summed quadric
    LindstromTurk,   // volume and border preserved, then optimised, then the least quadric
};

// What orders the collapses.
enum class CollapseCost {
    GarlandHeckbert, // the summed quadric of the original planes at the merged place
    LindstromTurk,   // the squared volume and border area the collapse changes (memoryless)
};

// Every constant of the edge collapse, with what it trades and where its value comes from.
// The defaults are the published methods' own; a value of ours is named as such.
struct CollapseTuning
{
    // Garland & Heckbert 1997, section 6.1: a border edge keeps its place by a plane through
    // it at right angles to its triangle, weighted like the triangles' planes (by area, here
    // the squared edge length) times this "large penalty factor". Larger keeps borders and
    // seams straighter at the cost of the surface between them.
    double boundaryWeight = 1.0;

    // CGAL's Bounded_normal_change filter: a collapse is refused when a triangle around it
    // would turn by more than this (the cosine of the angle between its normals before and
    // after). 0 is CGAL's: no triangle may turn over (90 degrees or more).
    double minNormalCosine = 0.0;

    // A triangle smaller than this share of its area before (squared, as the normals' lengths)
    // counts as flattened to a line, which no collapse may make.
    double minAreaRatioSquared = 1e-12;

    // The optimal place of Garland & Heckbert (the least of the summed quadric) is used where
    // the quadric's 3x3 part is invertible; below this determinant, relative to the cube of its
    // trace / 3, the best of the edge's ends and middle is used instead (their section 4).
    double singularDeterminant = 1e-9;

#ifdef LUMENO_BENCH_LINDSTROM_TURK
    CollapsePlacement placement = CollapsePlacement::LindstromTurk; // a bench build's choice only
#else
    CollapsePlacement placement = CollapsePlacement::GarlandHeckbert;
#endif
#ifdef LUMENO_BENCH_LINDSTROM_TURK_COST
    CollapseCost cost = CollapseCost::LindstromTurk; // a bench build's choice only
#else
    CollapseCost cost = CollapseCost::GarlandHeckbert;
#endif
    // Lindstrom & Turk's weights of the volume and the boundary term, in their cost and their
    // optimising place; 0.5 each is CGAL's (LindstromTurk_params), its shape term 0.
    double lindstromTurkVolumeWeight = 0.5;
    double lindstromTurkBoundaryWeight = 0.5;

    // Lindstrom & Turk's alpha: a constraint is taken only when its normal is more than this
    // far from the span of those before; 1 degree is theirs (and CGAL's). Larger leaves more
    // to the later, less preserving terms; smaller lets nearly parallel constraints make an
    // ill-conditioned, far-off point.
    double lindstromTurkAlphaDegrees = 1.0;
    // A direction along which a term's matrix is below this share of its trace is flat: the
    // term says nothing there (ours: well above rounding, far below any real curvature).
    double lindstromTurkFlat = 1e-9;

    // Cancellation is polled, and progress told, once every this many collapses.
    size_t collapsesBetweenPolls = 4096;

    // From this many triangles on, the set-up (quadrics and first costs) runs on two threads;
    // the levels are the same either way. Below it, starting a thread costs more than it saves.
    size_t parallelSetupFrom = 50000;
};

} // namespace lumeno
