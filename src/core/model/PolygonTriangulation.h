#pragma once

#include "model/MonotoneTriangulation.h"

#include <vtkType.h>

#include <array>
#include <vector>

class vtkPoints;

namespace lumeno {

// Splits polygons into triangles. The polygon is projected onto the plane of its Newell normal
// (Sutherland, Sproull and Schumacker 1974). One of more than a few dozen corners is split along
// monotone pieces in O(n log n) (MonotoneTriangulator). Small ones, and those that method
// cannot take (a polygon that touches or crosses itself, with two corners at one place), are
// clipped by ears (Meisters, "Polygons have ears", 1975), as Eberly describes it
// ("Triangulation by Ear Clipping", 2002): a convex corner whose triangle holds no other
// non-convex corner is cut off, until one triangle is left. For n corners of which r are
// concave: about n * r steps to find the ears, n^2 at most to go round the ring to them.
// One object triangulates any number of polygons without allocating anew for each.
class PolygonTriangulator
{
public:
    // Appends the triangles of the polygon with these corners (point ids) to `triangles`,
    // three ids each, turning the same way as the polygon. A corner repeated in a row counts
    // once; n corners then give n - 2 triangles that cover the polygon, fewer only where a
    // point recurs further on (no triangle uses a point twice). Three corners are always one
    // triangle. False, with nothing appended, when a polygon of more corners has no area to
    // triangulate: all of them lie on one line or one point.
    bool Triangulate(vtkPoints *points, vtkIdType cornerCount, const vtkIdType *corners,
                     std::vector<vtkIdType> &triangles);

private:
    enum class Turn { Convex, Straight, Concave };

    bool TriangulateQuad(vtkPoints *points, std::vector<vtkIdType> &triangles);
    bool ProjectOntoPlane(vtkPoints *points);
    bool TriangulateMonotone(std::vector<vtkIdType> &triangles);
    void ClipEars(std::vector<vtkIdType> &triangles);
    Turn TurnAt(int corner) const;
    void UpdateTurn(int corner);
    bool IsEar(int corner, bool touchingAllowed) const;
    int CornerToCutWithoutEar(int start) const;
    int Cut(int corner, std::vector<vtkIdType> &triangles);
    void Unlink(int corner);
    void AppendTriangle(int a, int b, int c, std::vector<vtkIdType> &triangles) const;

    std::vector<vtkIdType> ids;      // the corners, without repeats in a row
    std::vector<std::array<double, 3>> space; // the corners from the first, in units of the polygon's span
    std::vector<PlanePoint> plane;   // the corners in the polygon's plane, counter-clockwise
    std::vector<int> previous;       // the ring of corners not cut yet
    std::vector<int> next;
    std::vector<Turn> turns;
    std::vector<bool> cut;
    std::vector<bool> ears;
    std::vector<int> mayBlockEars;   // corners that were not convex when last looked at
    std::vector<bool> listedAsBlocking;
    int remaining = 0;
    MonotoneTriangulator monotone;
    std::vector<int> planeTriangles; // corners' places in `ids`, three a triangle
};

} // namespace lumeno
