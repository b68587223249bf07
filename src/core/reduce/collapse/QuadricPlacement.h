#pragma once

#include "reduce/collapse/CollapseTuning.h"
#include "reduce/collapse/Quadric.h"

namespace lumeno {

// Where an edge collapse puts the merged place, and what it costs: Garland & Heckbert 1997,
// section 4. The cost is the summed quadric at that point (area-weighted squared distances to
// the planes of the original triangles around it); `distance` is its root mean, the error in
// the unit of the positions.
struct Placement
{
    double at[3];
    double cost;
    double distance;
};

// `to` stays where it is (a half-edge collapse onto a place that may not move), or, with
// `moves`, the point of least summed quadric, or the best of the ends and middle where that
// point is not well defined.
inline Placement PlaceCollapse(const Quadric &from, const Quadric &to, const double fromAt[3], const double toAt[3],
                               bool moves, const CollapseTuning &tuning)
{
    const Quadric sum = from + to;
    Placement best{{toAt[0], toAt[1], toAt[2]}, sum.Error(toAt), 0};
    if (moves) {
        double x[3];
        if (sum.Minimum(tuning.singularDeterminant, x)) {
            const double e = sum.Error(x);
            if (e <= best.cost)
                best = {{x[0], x[1], x[2]}, e, 0};
        } else {
            const double middle[3] = {(fromAt[0] + toAt[0]) / 2, (fromAt[1] + toAt[1]) / 2, (fromAt[2] + toAt[2]) / 2};
            for (const double *candidate : {fromAt, static_cast<const double *>(middle)}) {
                const double e = sum.Error(candidate);
                if (e < best.cost)
                    best = {{candidate[0], candidate[1], candidate[2]}, e, 0};
            }
        }
    }
    best.distance = sum.weight > 0 ? std::sqrt(best.cost / sum.weight) : 0;
    return best;
}

} // namespace lumeno
