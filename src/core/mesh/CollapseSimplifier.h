#pragma once

#include "mesh/QuadricCollapse.h"
#include "mesh/UnitBox.h"

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <functional>
#include <vector>

namespace lumeno {

// CollapseEdges on one model: its points welded by position, in a box of unit diagonal; the
// results come back in the model's place and precision. Points carry no other data.
class CollapseSimplifier
{
public:
    explicit CollapseSimplifier(vtkPolyData *model);

    size_t Triangles() const { return mesh.Triangles(); }

    // One run to every triangle count given (largest first) and to no error beyond maxError
    // (a share of the diagonal), each model handed over as it is reached, on this thread.
    // Returns how many were handed over.
    using Reached = std::function<void(size_t goal, const vtkSmartPointer<vtkPolyData> &model)>;
    size_t Run(const std::vector<size_t> &triangleCounts, double maxError, const Reached &reached,
               const std::function<bool()> &cancelled, const std::function<void(double)> &progress) const;

private:
    UnitBox box;
    CollapseMesh mesh;
};

} // namespace lumeno
