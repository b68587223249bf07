#pragma once

#include <vtkCellArray.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

namespace testing {

// A flat square grid of n by n points in the xy plane, `size` wide, each square two triangles;
// the point `lifted` (an index, -1 for none) raised by `height`: a level that differs from the
// flat model at one known place.
inline vtkSmartPointer<vtkPolyData> LiftedGrid(int n, double size, vtkIdType lifted = -1, double height = 0.0)
{
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->SetDataTypeToDouble();
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
            points->InsertNextPoint(size * i / (n - 1), size * j / (n - 1),
                                    vtkIdType(j * n + i) == lifted ? height : 0.0);
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    for (int j = 0; j + 1 < n; ++j)
        for (int i = 0; i + 1 < n; ++i) {
            const vtkIdType a = j * n + i, b = a + 1, c = a + n, d = c + 1;
            triangles->InsertNextCell({a, b, d});
            triangles->InsertNextCell({a, d, c});
        }
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->SetPoints(points);
    model->SetPolys(triangles);
    return model;
}

} // namespace testing
