#pragma once

#include "mesh/Cascade.h"
#include "mesh/SurfaceDeviation.h"
#include "mesh/UnitBox.h"

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <vector>

namespace lumeno {

// The quality engine: meshoptimizer's quadric-error simplifier. Out of memory, its methods
// throw std::bad_alloc (RunQualityLevels and the operations of ReductionEngine.h catch it). The model is welded once
// (identical corners become one vertex, as an STL file never shares them) into an indexed
// triangle list in a box of unit diagonal; points carry no other data. Its methods are
// const and may run on several threads at once.
class QualitySimplifier
{
public:
    explicit QualitySimplifier(vtkPolyData *model);

    vtkIdType Triangles() const { return vtkIdType(indices.size() / 3); }

    // Keeps about `share` (0..1] of the triangles, whatever the error. The simplifier's own
    // estimate of the deviation, as a share of the bounding box diagonal, goes to `error`.
    // Null when nothing is left.
    vtkSmartPointer<vtkPolyData> KeepShare(double share, double *error = nullptr) const;
    // Removes triangles while the deviation stays within maxError, a share of the bounding box
    // diagonal, as DeviationMeter measures it: the simplifier's own estimate can be exceeded
    // twofold near ridges, so a result that does is made again with a tighter bound. `meter`
    // measures against this simplifier's model.
    vtkSmartPointer<vtkPolyData> WithinError(double maxError, const DeviationMeter &meter,
                                             double *error = nullptr) const;

private:
    vtkSmartPointer<vtkPolyData> Simplify(size_t targetIndices, float targetError, double *error) const;

    UnitBox box;
    std::vector<float> positions; // x, y, z per welded vertex, in the unit box
    std::vector<unsigned int> indices;
    float errorScale = 1.0f; // the simplifier's errors are relative to this length, the box's diagonal is 1
};

// The nine levels of DecimationCascade's nominal shares, each simplified from the model
// itself, on up to `threads` threads at once (0: one per core). The observer sees them in
// level order as they are done; when it returns false, no further level is started and
// those running are dropped. Returns the number of levels handed over.
int RunQualityLevels(vtkPolyData *model, const CascadeObserver &observer, int threads = 0);

} // namespace lumeno
