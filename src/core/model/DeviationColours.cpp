#include "model/DeviationColours.h"

#include <vtkPointData.h>
#include <vtkPolyData.h>

#include <algorithm>
#include <cmath>

namespace lumeno {

namespace {

// Evenly spaced stops, linearly between them.
constexpr std::array<Rgb8, 5> Stops{{{49, 54, 149}, {116, 173, 209}, {255, 255, 191}, {244, 109, 67}, {165, 0, 38}}};

} // namespace

Rgb8 DeviationColour(double fraction)
{
    if (!(fraction > 0.0)) // also NaN
        return Stops.front();
    if (fraction >= 1.0)
        return Stops.back();
    const double at = fraction * double(Stops.size() - 1);
    const size_t below = size_t(at);
    const double t = at - double(below);
    Rgb8 colour;
    for (size_t c = 0; c < 3; ++c)
        colour[c] = static_cast<unsigned char>(
            std::lround((1.0 - t) * Stops[below][c] + t * Stops[below + 1][c]));
    return colour;
}

vtkSmartPointer<vtkUnsignedCharArray> DeviationColourArray(const std::vector<float> &distances, double largest)
{
    auto colours = vtkSmartPointer<vtkUnsignedCharArray>::New();
    colours->SetName(DeviationColoursName);
    colours->SetNumberOfComponents(3);
    colours->SetNumberOfTuples(vtkIdType(distances.size()));
    unsigned char *into = colours->GetPointer(0);
    for (const float distance : distances) {
        const Rgb8 colour = DeviationColour(largest > 0.0 ? double(distance) / largest : 0.0);
        into = std::copy(colour.begin(), colour.end(), into);
    }
    return colours;
}

vtkUnsignedCharArray *DeviationColoursOf(vtkPolyData *model)
{
    if (!model)
        return nullptr;
    auto *colours = vtkUnsignedCharArray::SafeDownCast(model->GetPointData()->GetArray(DeviationColoursName));
    return colours && colours->GetNumberOfComponents() == 3 &&
                   colours->GetNumberOfTuples() == model->GetNumberOfPoints()
               ? colours
               : nullptr;
}

} // namespace lumeno
