#pragma once

#include <vtkType.h>

namespace lumeno {

// The share of `input` triangles that `kept` are, in percent; 100 for an empty input.
double KeptPercent(vtkIdType input, vtkIdType kept);

// The triangles that keeping `askedPercent` of `input` triangles asks for, rounded.
vtkIdType AskedTriangles(vtkIdType input, double askedPercent);

// Whether a result of `kept` triangles is what was asked: within 1 % of the `asked` count, or
// within 2 triangles (one collapse removes two). Some models cannot be reduced that far
// (thousands of triangles on one edge, closed pieces of four triangles), and a reduction may
// leave out triangles no reader would read back: a result that misses the count must not pass
// for it.
bool ReachesAskedTriangles(vtkIdType asked, vtkIdType kept);

} // namespace lumeno
