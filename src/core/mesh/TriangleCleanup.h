#pragma once

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

namespace lumeno {

struct CleanedTriangles
{
    vtkSmartPointer<vtkPolyData> model; // null when triangulation ran out of memory
    vtkIdType removedDuplicates = 0;
    // Polygons of more than three corners with no area (all corners on one line or one
    // point): no triangle can cover them, and they are left out.
    vtkIdType untriangulatedPolygons = 0;
};

// Makes a model every operation can reduce: vtkDecimatePro leaves any model with one polygon
// of more than three corners untouched, so polygons and strips become triangles (see
// PolygonTriangulator; the cell data of each triangle are those of its polygon); and many
// triangles on the same three points make its work grow with the cube of their number, so
// every triangle on the corners of an earlier one is dropped (whatever its orientation).
// Returns the model itself when nothing needed changing.
// Cell data arrays that do not hold one tuple per cell are dropped.
CleanedTriangles CleanTriangles(vtkPolyData *model);

} // namespace lumeno
