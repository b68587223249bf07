#pragma once

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

namespace lumeno {

struct CleanedTriangles
{
    vtkSmartPointer<vtkPolyData> model; // null when triangulation ran out of memory
    vtkIdType removedDuplicates = 0;
    // Polygons with no area, left out: triangles on one point twice, and polygons of more
    // than three corners all on one line or one point, which no triangle can cover.
    vtkIdType untriangulatedPolygons = 0;
};

// Makes a model every operation can reduce: vtkDecimatePro leaves any model with one polygon
// of more than three corners untouched, so polygons and strips become triangles (see
// PolygonTriangulator; the cell data of each triangle are those of its polygon); and many
// triangles on the same three points make its work grow with the cube of their number, so
// every triangle on the corners of an earlier one is dropped (whatever its orientation), as is
// every triangle on one point twice (it has no area and breaks the filters).
// Returns the model itself when nothing needed changing.
// Cell data arrays that do not hold one tuple per cell are dropped.
CleanedTriangles CleanTriangles(vtkPolyData *model);

} // namespace lumeno
