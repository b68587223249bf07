#include "model/PointPlaces.h"

#include <vtkPoints.h>

#include <algorithm>
#include <array>
#include <numeric>

namespace lumeno {

std::vector<vtkIdType> PlaceOfEachPoint(vtkPoints *points, vtkIdType &placeCount)
{
    const vtkIdType count = points ? points->GetNumberOfPoints() : 0;
    const auto place = [points](vtkIdType id) {
        std::array<double, 3> p;
        points->GetPoint(id, p.data());
        return p;
    };
    // The points sorted by place: those at one place follow each other.
    std::vector<vtkIdType> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), vtkIdType(0));
    std::sort(order.begin(), order.end(), [&place](vtkIdType a, vtkIdType b) { return place(a) < place(b); });
    std::vector<vtkIdType> placeOf(static_cast<size_t>(count));
    placeCount = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && place(order[i]) != place(order[i - 1]))
            ++placeCount;
        placeOf[size_t(order[i])] = placeCount;
    }
    if (count > 0)
        ++placeCount;
    return placeOf;
}

} // namespace lumeno
