#include "reduce/KeptShare.h"

#include <algorithm>
#include <cmath>

namespace lumeno {

double KeptPercent(vtkIdType input, vtkIdType kept)
{
    return input > 0 ? 100.0 * static_cast<double>(kept) / static_cast<double>(input) : 100.0;
}

vtkIdType AskedTriangles(vtkIdType input, double askedPercent)
{
    return static_cast<vtkIdType>(std::llround(std::clamp(askedPercent, 0.0, 100.0) / 100.0 * double(input)));
}

bool ReachesAskedTriangles(vtkIdType asked, vtkIdType kept)
{
    const double off = std::abs(static_cast<double>(kept - asked));
    return off <= std::max(2.0, 0.01 * static_cast<double>(asked));
}

} // namespace lumeno
