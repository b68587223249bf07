#pragma once

#include "reduce/collapse/CollapseTopology.h"
#include "reduce/collapse/CollapseTuning.h"
#include "reduce/collapse/Quadric.h"

#include <cmath>
#include <vector>

namespace lumeno {

// The place of Lindstrom & Turk ("Fast and Memory Efficient Polygonal Simplification", 1998;
// "Evaluation of Memoryless Simplification", 1999): the merged place is fixed by up to three
// linear constraints, taken in order, each only while its normal is more than the angle alpha
// away from the span of those before: volume preservation (the tetrahedra the new place makes
// with the triangles around the edge sum to nothing), boundary preservation (the area swept by
// the border edges sums to nothing), volume optimisation (the least summed squared tetrahedra),
// boundary optimisation (the least summed squared swept areas). Where these leave a direction
// open, the summed quadric of Garland & Heckbert decides it, in place of their shape term.
class LindstromTurkConstraints
{
public:
    explicit LindstromTurkConstraints(double alphaDegrees)
        : squaredCos(std::pow(std::cos(alphaDegrees * M_PI / 180), 2)),
          squaredSin(std::pow(std::sin(alphaDegrees * M_PI / 180), 2))
    {
    }

    int Count() const { return count; }

    // Adds a . x = b if a is longer than `least` and far enough from the constraints before.
    void Add(const double a[3], double b, double least = 0)
    {
        if (count == 3)
            return;
        const double length = std::sqrt(Dot(a, a));
        if (!(length > least) || !std::isfinite(length))
            return;
        const double n[3] = {a[0] / length, a[1] / length, a[2] / length};
        if (count == 1) {
            const double d = Dot(rows[0], n);
            if (!(d * d < squaredCos))
                return;
        } else if (count == 2) {
            double normal[3];
            Cross(rows[0], rows[1], normal);
            const double d = Dot(normal, n);
            if (!(d * d > squaredSin * Dot(normal, normal)))
                return;
        }
        for (int i = 0; i < 3; ++i)
            rows[count][i] = n[i];
        rhs[count++] = b / length;
    }

    // The least of x^T H x + 2 c^T x in the directions the constraints leave open: the
    // gradient H x + c along each open direction is nothing. A direction along which H is
    // flat (below `flat` times its trace) says nothing and is left open.
    void AddFromGradient(const double h[6], const double c[3], double flat)
    {
        const double least = flat * (h[0] + h[3] + h[5]);
        const auto along = [&](const double q[3]) {
            const double row[3] = {h[0] * q[0] + h[1] * q[1] + h[2] * q[2], h[1] * q[0] + h[3] * q[1] + h[4] * q[2],
                                   h[2] * q[0] + h[4] * q[1] + h[5] * q[2]};
            Add(row, -Dot(q, c), least * std::sqrt(Dot(q, q)));
        };
        if (count == 0) {
            const double x[3] = {1, 0, 0}, y[3] = {0, 1, 0}, z[3] = {0, 0, 1};
            along(x), along(y), along(z);
        } else if (count == 1) {
            // Two directions at right angles to the constraint.
            const double *a = rows[0];
            const int smallest = std::fabs(a[0]) <= std::fabs(a[1]) && std::fabs(a[0]) <= std::fabs(a[2]) ? 0
                              : std::fabs(a[1]) <= std::fabs(a[2])                                      ? 1
                                                                                                         : 2;
            double axis[3] = {0, 0, 0};
            axis[smallest] = 1;
            double q0[3], q1[3];
            Cross(a, axis, q0);
            Cross(a, q0, q1);
            along(q0), along(q1);
        } else if (count == 2) {
            double q[3];
            Cross(rows[0], rows[1], q);
            along(q);
        }
    }

    // The point the three constraints meet at; false unless there are three.
    bool Solve(double x[3]) const
    {
        if (count < 3)
            return false;
        double c0[3], c1[3], c2[3];
        Cross(rows[1], rows[2], c0);
        Cross(rows[2], rows[0], c1);
        Cross(rows[0], rows[1], c2);
        const double det = Dot(rows[0], c0);
        if (!(std::fabs(det) > 1e-12))
            return false;
        for (int i = 0; i < 3; ++i)
            x[i] = (rhs[0] * c0[i] + rhs[1] * c1[i] + rhs[2] * c2[i]) / det;
        return std::isfinite(x[0]) && std::isfinite(x[1]) && std::isfinite(x[2]);
    }

    static double Dot(const double u[3], const double v[3]) { return u[0] * v[0] + u[1] * v[1] + u[2] * v[2]; }
    static void Cross(const double u[3], const double v[3], double n[3])
    {
        n[0] = u[1] * v[2] - u[2] * v[1];
        n[1] = u[2] * v[0] - u[0] * v[2];
        n[2] = u[0] * v[1] - u[1] * v[0];
    }

private:
    double rows[3][3] = {};
    double rhs[3] = {};
    int count = 0;
    double squaredCos, squaredSin;
};

// The terms of Lindstrom & Turk around the edge between places a and b (`positions` x, y, z per
// place), each a quadratic form in the merged place x, kept as a Quadric (x^T A x + 2 b.x + c):
// the summed squared volumes of the tetrahedra x makes with the triangles around the edge (times
// 36), and the summed squared areas the border edges at a or b sweep as their end moves to x
// (times 4). Memoryless: they are of the mesh as it is, not of the original.
struct LindstromTurkTerms
{
    Quadric volume, boundary;
    double normalSum[3] = {0, 0, 0}, normalDot = 0; // volume preservation: normalSum . x = normalDot
    double edgeSum[3] = {0, 0, 0}, momentSum[3] = {0, 0, 0}; // of the border edges
    double squaredLength = 0; // of the edge

    // Their cost at x (the paper's volume and boundary terms, their weights CollapseTuning's).
    double Cost(const double x[3], const CollapseTuning &tuning) const
    {
        return tuning.lindstromTurkVolumeWeight * volume.Error(x) / 36 +
               tuning.lindstromTurkBoundaryWeight * squaredLength * boundary.Error(x) / 4;
    }

    // Their place, in CGAL's order: boundary preservation, volume preservation, then volume
    // and boundary optimisation together (the boundary weighted by 9 times the squared edge
    // length, as CGAL does); `sum` (the summed quadric of Garland & Heckbert) decides what they
    // leave open, in place of their shape term. False where even that leaves it undetermined.
    bool Place(const Quadric &sum, const CollapseTuning &tuning, double x[3]) const
    {
        using C = LindstromTurkConstraints;
        C constraints(tuning.lindstromTurkAlphaDegrees);
        if (C::Dot(edgeSum, edgeSum) > 0) {
            const double l2 = C::Dot(edgeSum, edgeSum);
            double h[6] = {l2, 0, 0, l2, 0, l2}, c[3];
            h[0] -= edgeSum[0] * edgeSum[0], h[1] -= edgeSum[0] * edgeSum[1], h[2] -= edgeSum[0] * edgeSum[2];
            h[3] -= edgeSum[1] * edgeSum[1], h[4] -= edgeSum[1] * edgeSum[2], h[5] -= edgeSum[2] * edgeSum[2];
            C::Cross(momentSum, edgeSum, c);
            constraints.AddFromGradient(h, c, tuning.lindstromTurkFlat);
        }
        constraints.Add(normalSum, normalDot);
        const double bw = 9 * tuning.lindstromTurkBoundaryWeight * squaredLength, vw = tuning.lindstromTurkVolumeWeight;
        double h[6], c[3];
        for (int i = 0; i < 6; ++i)
            h[i] = vw * volume.a[i] + bw * boundary.a[i];
        for (int i = 0; i < 3; ++i)
            c[i] = vw * volume.b[i] + bw * boundary.b[i];
        constraints.AddFromGradient(h, c, tuning.lindstromTurkFlat);
        constraints.AddFromGradient(sum.a, sum.b, tuning.lindstromTurkFlat);
        return constraints.Solve(x);
    }
};

// Without `withBorders` (neither place has a border edge) only the volume is gathered.
inline LindstromTurkTerms GatherLindstromTurk(const CollapseTopology &topology, const std::vector<double> &positions,
                                              uint32_t a, uint32_t b, bool withBorders = true)
{
    using C = LindstromTurkConstraints;
    const auto at = [&](uint32_t place) { return positions.data() + 3 * size_t(place); };
    LindstromTurkTerms terms;
    const auto addOuter = [](double h[6], const double n[3], double w) {
        h[0] += w * n[0] * n[0], h[1] += w * n[0] * n[1], h[2] += w * n[0] * n[2];
        h[3] += w * n[1] * n[1], h[4] += w * n[1] * n[2], h[5] += w * n[2] * n[2];
    };
    for (int i = 0; i < 3; ++i)
        terms.squaredLength += (at(a)[i] - at(b)[i]) * (at(a)[i] - at(b)[i]);
    for (const uint32_t place : {a, b})
        for (const uint32_t *t = topology.ListBegin(place); t != topology.ListEnd(place); ++t) {
            if (!topology.Alive(*t) || (place == b && topology.HasPlace(*t, a)))
                continue;
            const uint32_t p[3] = {topology.Place(*t, 0), topology.Place(*t, 1), topology.Place(*t, 2)};
            const double *v0 = at(p[0]), *v1 = at(p[1]), *v2 = at(p[2]);
            const double u[3] = {v1[0] - v0[0], v1[1] - v0[1], v1[2] - v0[2]};
            const double w[3] = {v2[0] - v0[0], v2[1] - v0[1], v2[2] - v0[2]};
            double n[3];
            C::Cross(u, w, n);
            const double d = C::Dot(n, v0); // six times the volume of the tetrahedron x, v0, v1, v2 is n.x - d
            for (int i = 0; i < 3; ++i) {
                terms.normalSum[i] += n[i];
                terms.volume.b[i] -= d * n[i];
            }
            terms.normalDot += d;
            terms.volume.c += d * d;
            addOuter(terms.volume.a, n, 1);
            // The triangle's border edges at a or b: the area swept as the edge's end moves to x
            // is |x x e - m| / 2 with e its direction, m = start x end.
            for (int k = 0; k < 3 && withBorders; ++k) {
                const uint32_t s = p[k], e = p[(k + 1) % 3];
                if (s != a && s != b && e != a && e != b)
                    continue;
                uint32_t pair[2];
                if (topology.EdgeTriangles(s, e, pair, 2) != 1)
                    continue;
                const double *sv = at(s), *ev = at(e);
                const double dir[3] = {ev[0] - sv[0], ev[1] - sv[1], ev[2] - sv[2]};
                double moment[3], dm[3];
                C::Cross(sv, ev, moment);
                C::Cross(moment, dir, dm);
                const double l2 = C::Dot(dir, dir);
                for (int i = 0; i < 3; ++i) {
                    terms.edgeSum[i] += dir[i];
                    terms.momentSum[i] += moment[i];
                    terms.boundary.b[i] += dm[i];
                }
                terms.boundary.c += C::Dot(moment, moment);
                // |e|^2 I - e e^T
                terms.boundary.a[0] += l2, terms.boundary.a[3] += l2, terms.boundary.a[5] += l2;
                addOuter(terms.boundary.a, dir, -1);
            }
        }
    return terms;
}

} // namespace lumeno
