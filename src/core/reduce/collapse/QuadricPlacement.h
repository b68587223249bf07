#pragma once

#include "reduce/collapse/CollapseTuning.h"
#include "reduce/collapse/Quadric.h"

#include <algorithm>

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
// `fixed`, when given, is where a moving collapse goes (another placement's choice), costed by
// the summed quadric.
inline Placement PlaceCollapse(const Quadric &from, const Quadric &to, const double fromAt[3], const double toAt[3],
                               bool moves, const CollapseTuning &tuning, const double *fixed = nullptr)
{
    const Quadric sum = from + to;
    Placement best{{toAt[0], toAt[1], toAt[2]}, sum.Error(toAt), 0};
    if (moves && fixed) {
        best = {{fixed[0], fixed[1], fixed[2]}, sum.Error(fixed), 0};
    } else if (moves) {
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

// The costs of PlaceCollapse(a, b, ..., true) and PlaceCollapse(b, a, ..., true) with one sum
// and one solve: both ways share the point of least error and differ only in the end they start
// from. The larger of the two distances is returned.
inline double CostBothWays(const Quadric &a, const Quadric &b, const double aAt[3], const double bAt[3],
                           const CollapseTuning &tuning, double &costToB, double &costToA)
{
    const Quadric sum = a + b;
    const double atA = sum.Error(aAt), atB = sum.Error(bAt);
    double x[3];
    if (sum.Minimum(tuning.singularDeterminant, x)) {
        const double e = sum.Error(x);
        costToB = e <= atB ? e : atB;
        costToA = e <= atA ? e : atA;
    } else {
        const double middle[3] = {(aAt[0] + bAt[0]) / 2, (aAt[1] + bAt[1]) / 2, (aAt[2] + bAt[2]) / 2};
        costToB = std::min(atB, std::min(atA, sum.Error(middle)));
        costToA = costToB;
    }
    const double worst = std::max(costToB, costToA);
    return sum.weight > 0 ? std::sqrt(worst / sum.weight) : 0;
}

} // namespace lumeno
