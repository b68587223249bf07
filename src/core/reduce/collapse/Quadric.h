#pragma once

#include <array>
#include <cmath>

namespace lumeno {

// The quadric error of Garland & Heckbert ("Surface Simplification Using Quadric Error
// Metrics", 1997): the weighted sum of the squared distances of a point to a set of planes,
// x^T A x + 2 b^T x + c, with the planes' total weight beside it (Garland's thesis, 1999,
// section 3.3), so that error / weight is a mean squared distance.
struct Quadric
{
    // A, symmetric: xx, xy, xz, yy, yz, zz.
    double a[6] = {0, 0, 0, 0, 0, 0};
    double b[3] = {0, 0, 0};
    double c = 0;
    double weight = 0;

    // The plane n.x + d = 0 (n of unit length), weighted.
    static Quadric OfPlane(const double n[3], double d, double w)
    {
        Quadric q;
        q.a[0] = w * n[0] * n[0], q.a[1] = w * n[0] * n[1], q.a[2] = w * n[0] * n[2];
        q.a[3] = w * n[1] * n[1], q.a[4] = w * n[1] * n[2], q.a[5] = w * n[2] * n[2];
        q.b[0] = w * n[0] * d, q.b[1] = w * n[1] * d, q.b[2] = w * n[2] * d;
        q.c = w * d * d;
        q.weight = w;
        return q;
    }

    Quadric &operator+=(const Quadric &o)
    {
        for (int i = 0; i < 6; ++i)
            a[i] += o.a[i];
        for (int i = 0; i < 3; ++i)
            b[i] += o.b[i];
        c += o.c;
        weight += o.weight;
        return *this;
    }

    friend Quadric operator+(Quadric q, const Quadric &o) { return q += o; }

    double Error(const double x[3]) const
    {
        const double ax0 = a[0] * x[0] + a[1] * x[1] + a[2] * x[2];
        const double ax1 = a[1] * x[0] + a[3] * x[1] + a[4] * x[2];
        const double ax2 = a[2] * x[0] + a[4] * x[1] + a[5] * x[2];
        const double e = x[0] * ax0 + x[1] * ax1 + x[2] * ax2 + 2 * (b[0] * x[0] + b[1] * x[1] + b[2] * x[2]) + c;
        return e > 0 ? e : 0; // rounding can take a sum of squares below zero
    }

    // The point of least error, A x = -b, when A is well conditioned (determinant relative to
    // (trace / 3)^3 at least `singular`); false otherwise.
    bool Minimum(double singular, double x[3]) const
    {
        const double c00 = a[3] * a[5] - a[4] * a[4];
        const double c01 = a[2] * a[4] - a[1] * a[5];
        const double c02 = a[1] * a[4] - a[2] * a[3];
        const double det = a[0] * c00 + a[1] * c01 + a[2] * c02;
        const double scale = (a[0] + a[3] + a[5]) / 3;
        if (!(scale > 0) || !(std::fabs(det) >= singular * scale * scale * scale))
            return false;
        const double c11 = a[0] * a[5] - a[2] * a[2];
        const double c12 = a[1] * a[2] - a[0] * a[4];
        const double c22 = a[0] * a[3] - a[1] * a[1];
        x[0] = -(c00 * b[0] + c01 * b[1] + c02 * b[2]) / det;
        x[1] = -(c01 * b[0] + c11 * b[1] + c12 * b[2]) / det;
        x[2] = -(c02 * b[0] + c12 * b[1] + c22 * b[2]) / det;
        return std::isfinite(x[0]) && std::isfinite(x[1]) && std::isfinite(x[2]);
    }
};

} // namespace lumeno
