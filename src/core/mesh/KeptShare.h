#pragma once

#include <vtkType.h>

namespace lumeno {

// How far above the share asked a reduction may keep before it is reported, in percentage
// points. Some models cannot be reduced that far (thousands of triangles on one edge, parts
// the filter may not close); a result that keeps far more than asked must not pass for it.
// One triangle more than asked stays within it for models of 20 triangles or more.
constexpr double KeptShareTolerance = 5.0;

// The share of `input` triangles that `kept` are, in percent; 100 for an empty input.
double KeptPercent(vtkIdType input, vtkIdType kept);

// Whether keeping `keptPercent` is far from the `askedPercent` a reduction was asked for.
bool IsFarFromAskedShare(double askedPercent, double keptPercent);

} // namespace lumeno
