#pragma once

#include <vtkType.h>

class vtkCellArray;
class vtkPoints;
class vtkPolyData;

namespace lumeno {

// Whether every filter and view can take the model: it has points and polygons, and
// HasSoundCells.
bool IsModelUsable(vtkPolyData *model);

// Whether every cell refers only to existing points, every polygon has at least three
// corners and no triangle uses a point twice, and every coordinate is finite. An empty
// model passes. Filters can break these on extreme input, so their outputs are checked too.
bool HasSoundCells(vtkPolyData *model);

// Whether every coordinate is a finite number.
bool HasFiniteCoordinates(vtkPoints *points);

// Whether every point id of the cells is below pointCount (and not negative).
bool RefersToExistingPoints(vtkCellArray *cells, vtkIdType pointCount);

} // namespace lumeno
