#include "mesh/KeptShare.h"

namespace lumeno {

double KeptPercent(vtkIdType input, vtkIdType kept)
{
    return input > 0 ? 100.0 * static_cast<double>(kept) / static_cast<double>(input) : 100.0;
}

bool IsFarFromAskedShare(double askedPercent, double keptPercent)
{
    return keptPercent > askedPercent + KeptShareTolerance;
}

} // namespace lumeno
