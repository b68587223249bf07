#pragma once

#include <vtkType.h>

#include <vector>

class vtkPoints;

namespace lumeno {

// Which place each point is at: points at one position (an STL file repeats every corner; a
// texture seam is two points at one place) share a place. Places are numbered in the order of
// their positions; `placeCount` tells how many there are.
std::vector<vtkIdType> PlaceOfEachPoint(vtkPoints *points, vtkIdType &placeCount);

} // namespace lumeno
