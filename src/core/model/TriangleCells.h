#pragma once

#include "model/TwoThreads.h"

#include <vtkCellArray.h>
#include <vtkSmartPointer.h>

#include <cstddef>

namespace lumeno {

// An id array of `count` values, not yet set.
template <typename Ids>
vtkSmartPointer<Ids> NewIds(size_t count)
{
    auto ids = vtkSmartPointer<Ids>::New();
    ids->SetNumberOfValues(vtkIdType(count));
    return ids;
}

// The triangles whose corners `connectivity` holds, three to a triangle, in its id type
// (vtkTypeInt32Array: half the memory of VTK's usual 64-bit cells).
template <typename Ids>
vtkSmartPointer<vtkCellArray> TrianglesAround(Ids *connectivity)
{
    const size_t triangleCount = size_t(connectivity->GetNumberOfValues()) / 3;
    const auto offsets = NewIds<Ids>(triangleCount + 1);
    auto *offset = offsets->GetPointer(0);
    InTwoHalves(triangleCount + 1, [&](size_t begin, size_t end) {
        for (size_t t = begin; t < end; ++t)
            offset[t] = typename Ids::ValueType(3 * t);
    });
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    triangles->SetData(offsets, connectivity);
    return triangles;
}

} // namespace lumeno
