#include "model/PolygonTriangulation.h"

#include <vtkPoints.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>

namespace lumeno {

namespace {

// Of twice a triangle's area, in units of the polygon's span: below it, a corner counts as
// lying on the line through its neighbours. The coordinates' rounding errors stay near 1e-16.
constexpr double StraightTolerance = 1e-14;

// Up to this many corners, ear clipping is as fast as the sweep.
constexpr size_t LargestPolygonToClip = 32;

using Vector = std::array<double, 3>;

Vector Cross(const Vector &a, const Vector &b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vector Difference(const Vector &a, const Vector &b)
{
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

double Dot(const Vector &a, const Vector &b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Twice the signed area of the triangle abc: positive when it turns counter-clockwise.
template <typename Point>
double Orientation(const Point &a, const Point &b, const Point &c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

} // namespace

bool PolygonTriangulator::Triangulate(vtkPoints *points, vtkIdType cornerCount, const vtkIdType *corners,
                                      std::vector<vtkIdType> &triangles)
{
    ids.clear();
    for (vtkIdType i = 0; i < cornerCount; ++i)
        if (ids.empty() || corners[i] != ids.back())
            ids.push_back(corners[i]);
    while (ids.size() > 1 && ids.back() == ids.front())
        ids.pop_back();
    if (ids.size() < 3)
        return false;
    if (ids.size() == 3) {
        triangles.insert(triangles.end(), ids.begin(), ids.end());
        return true;
    }
    if (ids.size() == 4)
        return TriangulateQuad(points, triangles);
    if (!ProjectOntoPlane(points))
        return false;
    if (ids.size() <= LargestPolygonToClip || !TriangulateMonotone(triangles))
        ClipEars(triangles);
    return true;
}

bool PolygonTriangulator::TriangulateMonotone(std::vector<vtkIdType> &triangles)
{
    planeTriangles.clear();
    if (!monotone.Triangulate(plane, planeTriangles))
        return false;
    triangles.reserve(triangles.size() + planeTriangles.size());
    for (int corner : planeTriangles)
        triangles.push_back(ids[size_t(corner)]);
    return true;
}

// The common case, for files of millions of quads: the diagonal through the concave corner
// if there is one, else the one that gives no triangle without area. Newell's normal of a
// quadrilateral is the cross product of its diagonals.
bool PolygonTriangulator::TriangulateQuad(vtkPoints *points, std::vector<vtkIdType> &triangles)
{
    Vector p[4];
    for (int i = 0; i < 4; ++i)
        points->GetPoint(ids[i], p[i].data());
    double span = 0.0;
    Vector edge[4];
    for (int i = 0; i < 4; ++i)
        for (int axis = 0; axis < 3; ++axis) {
            edge[i][axis] = p[(i + 1) % 4][axis] - p[i][axis];
            span = std::max(span, std::abs(p[i][axis] - p[0][axis]));
        }
    const Vector normal = Cross(Difference(p[2], p[0]), Difference(p[3], p[1]));
    const double length = std::sqrt(Dot(normal, normal));
    if (!(span > 0.0) || !std::isfinite(span) || !(length > 64.0 * DBL_EPSILON * span * span))
        return false;
    double turn[4];
    for (int i = 0; i < 4; ++i)
        turn[i] = Dot(Cross(edge[(i + 3) % 4], edge[i]), normal);
    const double tolerance = StraightTolerance * span * span * length;
    const bool concaveAtEven = turn[0] < -tolerance || turn[2] < -tolerance;
    const bool concaveAtOdd = turn[1] < -tolerance || turn[3] < -tolerance;
    const bool straightAtOdd = turn[1] <= tolerance || turn[3] <= tolerance;
    const int first = (concaveAtOdd && !concaveAtEven) || (!concaveAtEven && straightAtOdd) ? 1 : 0;
    triangles.insert(triangles.end(), {ids[first], ids[first + 1], ids[first + 2], ids[first], ids[first + 2],
                                       ids[(first + 3) % 4]});
    return true;
}

// Coordinates from the first corner, divided by the largest of them, keep the arithmetic
// alike for models a millimetre and a light year across.
bool PolygonTriangulator::ProjectOntoPlane(vtkPoints *points)
{
    const size_t count = ids.size();
    space.resize(count);
    Vector origin;
    points->GetPoint(ids[0], origin.data());
    double span = 0.0;
    for (size_t i = 0; i < count; ++i) {
        points->GetPoint(ids[i], space[i].data());
        for (int axis = 0; axis < 3; ++axis) {
            space[i][axis] -= origin[axis];
            span = std::max(span, std::abs(space[i][axis]));
        }
    }
    if (!(span > 0.0) || !std::isfinite(span))
        return false;
    Vector normal{0.0, 0.0, 0.0}; // Newell's: twice the area of the polygon projected onto each plane
    for (size_t i = 0; i < count; ++i) {
        for (double &coordinate : space[i])
            coordinate /= span;
        if (i > 0) {
            const Vector term = Cross(space[i - 1], space[i]);
            for (int axis = 0; axis < 3; ++axis)
                normal[axis] += term[axis];
        }
    }
    const double length = std::sqrt(Dot(normal, normal));
    // Each term may be off by a few units of rounding: a smaller area is none.
    if (!(length > 16.0 * static_cast<double>(count) * DBL_EPSILON))
        return false;
    for (double &component : normal)
        component /= length;

    // u and v span the plane with u x v = normal: the polygon turns counter-clockwise in it.
    const auto flattest = std::min_element(normal.begin(), normal.end(),
                                           [](double a, double b) { return std::abs(a) < std::abs(b); }) -
                          normal.begin();
    Vector u{0.0, 0.0, 0.0};
    u[flattest] = 1.0;
    const double along = normal[flattest];
    for (int axis = 0; axis < 3; ++axis)
        u[axis] -= along * normal[axis];
    const double uLength = std::sqrt(Dot(u, u));
    for (double &component : u)
        component /= uLength;
    const Vector v = Cross(normal, u);

    plane.resize(count);
    for (size_t i = 0; i < count; ++i)
        plane[i] = {Dot(space[i], u), Dot(space[i], v)};
    return true;
}

void PolygonTriangulator::ClipEars(std::vector<vtkIdType> &triangles)
{
    const int count = static_cast<int>(ids.size());
    previous.resize(count);
    next.resize(count);
    turns.resize(count);
    cut.assign(count, false);
    listedAsBlocking.assign(count, false);
    mayBlockEars.clear();
    for (int i = 0; i < count; ++i) {
        previous[i] = (i + count - 1) % count;
        next[i] = (i + 1) % count;
    }
    for (int i = 0; i < count; ++i)
        UpdateTurn(i);
    ears.resize(count);
    for (int i = 0; i < count; ++i)
        ears[i] = IsEar(i, false);
    remaining = count;

    // Around the ring to the next ear, until a whole round finds none; that happens only where
    // the polygon crosses itself, or when what is left has no area. A cut changes whether its
    // neighbours are ears, and no other corner's (Eberly): each mark is checked once more
    // before the cut all the same, for polygons that cross themselves.
    int corner = 0;
    int stop = 0;
    while (remaining > 3) {
        if (ears[corner] && (ears[corner] = IsEar(corner, false))) {
            corner = stop = Cut(corner, triangles);
            continue;
        }
        corner = next[corner];
        if (corner == stop)
            corner = stop = Cut(CornerToCutWithoutEar(corner), triangles);
    }
    if (remaining == 3)
        AppendTriangle(previous[corner], corner, next[corner], triangles);
}

PolygonTriangulator::Turn PolygonTriangulator::TurnAt(int corner) const
{
    const double orientation = Orientation(plane[previous[corner]], plane[corner], plane[next[corner]]);
    if (orientation > StraightTolerance)
        return Turn::Convex;
    return orientation < -StraightTolerance ? Turn::Concave : Turn::Straight;
}

// Cutting ears only makes the angles of the corners left smaller: a corner once convex stays
// convex, so the list of those that may block an ear only has to grow where a cut without
// an ear made a corner concave.
void PolygonTriangulator::UpdateTurn(int corner)
{
    turns[corner] = TurnAt(corner);
    if (turns[corner] != Turn::Convex && !listedAsBlocking[corner]) {
        listedAsBlocking[corner] = true;
        mayBlockEars.push_back(corner);
    }
}

// A convex corner whose triangle holds no corner that is not convex, not even on its edges:
// if any corner lay inside it, a concave one would (Meisters). Where the polygon touches
// itself, another copy of one of the triangle's own points blocks it too, unless
// `touchingAllowed`: what is left of the polygon may then have no area (a needle).
bool PolygonTriangulator::IsEar(int corner, bool touchingAllowed) const
{
    if (turns[corner] != Turn::Convex)
        return false;
    const int before = previous[corner];
    const int after = next[corner];
    const PlanePoint &a = plane[before];
    const PlanePoint &b = plane[corner];
    const PlanePoint &c = plane[after];
    for (int other : mayBlockEars) {
        if (cut[other] || turns[other] == Turn::Convex || other == before || other == corner || other == after)
            continue;
        const PlanePoint &p = plane[other];
        if (touchingAllowed && (p == a || p == b || p == c))
            continue;
        if (Orientation(a, b, p) >= -StraightTolerance && Orientation(b, c, p) >= -StraightTolerance &&
            Orientation(c, a, p) >= -StraightTolerance)
            return false;
    }
    return true;
}

// When no corner is an ear: first a corner on a straight line or at the tip of a needle (its
// triangle has no area, and what is left keeps its shape); then an ear that touches another
// part of the polygon; failing all that (the polygon crosses itself), a convex corner.
int PolygonTriangulator::CornerToCutWithoutEar(int start) const
{
    const std::function<bool(int)> choices[] = {
        [this](int corner) { return turns[corner] == Turn::Straight; },
        [this](int corner) { return IsEar(corner, true); },
        [this](int corner) { return turns[corner] == Turn::Convex; },
    };
    for (const auto &suitable : choices) {
        int corner = start;
        do {
            if (suitable(corner))
                return corner;
            corner = next[corner];
        } while (corner != start);
    }
    return start;
}

// Cuts the corner's triangle off; returns the corner after it.
int PolygonTriangulator::Cut(int corner, std::vector<vtkIdType> &triangles)
{
    const int before = previous[corner];
    AppendTriangle(before, corner, next[corner], triangles);
    Unlink(corner);
    // Where the polygon touches itself, two copies of one point can become neighbours: a
    // triangle on both would use the point twice, and the ring between them has no area.
    while (remaining > 1 && ids[next[before]] == ids[before])
        Unlink(next[before]);
    const int after = next[before];
    UpdateTurn(before);
    UpdateTurn(after);
    ears[before] = IsEar(before, false);
    ears[after] = IsEar(after, false);
    return after;
}

void PolygonTriangulator::Unlink(int corner)
{
    next[previous[corner]] = next[corner];
    previous[next[corner]] = previous[corner];
    cut[corner] = true;
    --remaining;
}

void PolygonTriangulator::AppendTriangle(int a, int b, int c, std::vector<vtkIdType> &triangles) const
{
    // Neighbours in the ring never share a point; the two ends of a needle may.
    if (ids[a] == ids[c])
        return;
    triangles.insert(triangles.end(), {ids[a], ids[b], ids[c]});
}

} // namespace lumeno
