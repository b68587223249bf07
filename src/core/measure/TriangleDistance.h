#pragma once

// The exact squared distance from a point to a triangle, for the deviation meter's grid and the
// collapse.

#include <algorithm>

namespace lumeno {

namespace distance {

inline double Dot(const double u[3], const double v[3])
{
    return u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
}

inline void Difference(const double u[3], const double v[3], double into[3])
{
    for (int k = 0; k < 3; ++k)
        into[k] = u[k] - v[k];
}

// Squared distance from the point `offset` away from a segment's start to the point the share
// `t` of the way along it.
inline double SquaredGap(const double offset[3], const double along[3], double t)
{
    double gap[3];
    for (int k = 0; k < 3; ++k)
        gap[k] = offset[k] - t * along[k];
    return Dot(gap, gap);
}

inline double Share(double part, double whole)
{
    return whole > 0 ? std::clamp(part / whole, 0.0, 1.0) : 0.0;
}

inline double SquaredDistanceToSegment(const double p[3], const double a[3], const double b[3])
{
    double ab[3], ap[3];
    Difference(b, a, ab);
    Difference(p, a, ap);
    return SquaredGap(ap, ab, Share(Dot(ap, ab), Dot(ab, ab)));
}

// By the region of the triangle's plane the point projects into (Ericson, Real-Time Collision
// Detection, 5.1.5): a corner, an edge, or the inside, where it is the distance to the plane.
inline double SquaredDistanceToTriangle(const double p[3], const double a[3], const double b[3], const double c[3])
{
    double ab[3], ac[3], ap[3], bp[3], cp[3];
    Difference(b, a, ab);
    Difference(c, a, ac);
    Difference(p, a, ap);
    const double d1 = Dot(ab, ap), d2 = Dot(ac, ap);
    if (d1 <= 0 && d2 <= 0)
        return Dot(ap, ap);
    Difference(p, b, bp);
    const double d3 = Dot(ab, bp), d4 = Dot(ac, bp);
    if (d3 >= 0 && d4 <= d3)
        return Dot(bp, bp);
    Difference(p, c, cp);
    const double d5 = Dot(ab, cp), d6 = Dot(ac, cp);
    if (d6 >= 0 && d5 <= d6)
        return Dot(cp, cp);
    const double vc = d1 * d4 - d3 * d2;
    if (vc <= 0 && d1 >= 0 && d3 <= 0)
        return SquaredGap(ap, ab, Share(d1, d1 - d3));
    const double vb = d5 * d2 - d1 * d6;
    if (vb <= 0 && d2 >= 0 && d6 <= 0)
        return SquaredGap(ap, ac, Share(d2, d2 - d6));
    const double va = d3 * d6 - d5 * d4;
    if (va <= 0 && d4 - d3 >= 0 && d5 - d6 >= 0) {
        double bc[3];
        Difference(c, b, bc);
        return SquaredGap(bp, bc, Share(d4 - d3, (d4 - d3) + (d5 - d6)));
    }
    const double n[3] = {ab[1] * ac[2] - ab[2] * ac[1], ab[2] * ac[0] - ab[0] * ac[2], ab[0] * ac[1] - ab[1] * ac[0]};
    const double area = Dot(n, n);
    const double height = Dot(ap, n);
    if (area > 0)
        return height * height / area;
    // Rounding let a triangle without area through: its edges are all of it.
    return std::min({SquaredDistanceToSegment(p, a, b), SquaredDistanceToSegment(p, b, c),
                     SquaredDistanceToSegment(p, c, a)});
}

// The point of the triangle nearest to p, as the weights of its corners a, b, c (Ericson's
// ClosestPtPointTriangle, by the same regions as SquaredDistanceToTriangle).
inline void NearestOnTriangle(const double p[3], const double a[3], const double b[3], const double c[3],
                              double weights[3])
{
    const auto set = [weights](double wa, double wb, double wc) {
        weights[0] = wa, weights[1] = wb, weights[2] = wc;
    };
    double ab[3], ac[3], ap[3], bp[3], cp[3];
    Difference(b, a, ab);
    Difference(c, a, ac);
    Difference(p, a, ap);
    const double d1 = Dot(ab, ap), d2 = Dot(ac, ap);
    if (d1 <= 0 && d2 <= 0)
        return set(1, 0, 0);
    Difference(p, b, bp);
    const double d3 = Dot(ab, bp), d4 = Dot(ac, bp);
    if (d3 >= 0 && d4 <= d3)
        return set(0, 1, 0);
    Difference(p, c, cp);
    const double d5 = Dot(ab, cp), d6 = Dot(ac, cp);
    if (d6 >= 0 && d5 <= d6)
        return set(0, 0, 1);
    const double vc = d1 * d4 - d3 * d2;
    if (vc <= 0 && d1 >= 0 && d3 <= 0) {
        const double t = Share(d1, d1 - d3);
        return set(1 - t, t, 0);
    }
    const double vb = d5 * d2 - d1 * d6;
    if (vb <= 0 && d2 >= 0 && d6 <= 0) {
        const double t = Share(d2, d2 - d6);
        return set(1 - t, 0, t);
    }
    const double va = d3 * d6 - d5 * d4;
    if (va <= 0 && d4 - d3 >= 0 && d5 - d6 >= 0) {
        const double t = Share(d4 - d3, (d4 - d3) + (d5 - d6));
        return set(0, 1 - t, t);
    }
    const double sum = va + vb + vc;
    if (!(sum > 0))
        return set(1, 0, 0); // no area: any corner is as near as the rounding tells
    return set(va / sum, vb / sum, vc / sum);
}

} // namespace distance

using distance::NearestOnTriangle;
using distance::SquaredDistanceToTriangle;

} // namespace lumeno
