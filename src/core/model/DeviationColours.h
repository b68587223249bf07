#pragma once

#include <vtkSmartPointer.h>
#include <vtkUnsignedCharArray.h>

#include <array>
#include <vector>

class vtkPolyData;

namespace lumeno {

using Rgb8 = std::array<unsigned char, 3>;

// The colour of a distance as a fraction of the largest one shown (clamped to 0..1): from
// blue for none through pale yellow to dark red for the largest, a ramp that stays readable
// for the common colour blindnesses and on light and dark backgrounds alike. The window's
// picture, its legend and the files written with deviation colours all use it.
Rgb8 DeviationColour(double fraction);

// One RGB colour per distance, each of `largest` as its fraction; all the colour of none when
// `largest` is not above zero. Named DeviationColoursName.
vtkSmartPointer<vtkUnsignedCharArray> DeviationColourArray(const std::vector<float> &distances, double largest);

// The name of the point array of deviation colours a model carries as a colour set of its own,
// beside its own colours (the writers of PLY, GLB and glTF write it).
constexpr const char *DeviationColoursName = "DeviationColours";

// That array when the model carries it whole (three components, one tuple a point); null otherwise.
vtkUnsignedCharArray *DeviationColoursOf(vtkPolyData *model);

} // namespace lumeno
