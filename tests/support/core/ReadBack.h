#pragma once
// Reading written models back with VTK's own readers and comparing their triangles.

#include "TestSupport.h"

#include <vtkIdList.h>
#include <vtkOBJReader.h>
#include <vtkPLYReader.h>
#include <vtkSTLReader.h>

#include <algorithm>
#include <cmath>

namespace testing {

// Reads the file with the VTK reader of its suffix (any case).
inline vtkSmartPointer<vtkPolyData> ReadBack(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    vtkSmartPointer<vtkAbstractPolyDataReader> reader = vtkSmartPointer<vtkOBJReader>::New();
    if (suffix == QLatin1String("stl"))
        reader = vtkSmartPointer<vtkSTLReader>::New();
    else if (suffix == QLatin1String("ply"))
        reader = vtkSmartPointer<vtkPLYReader>::New();
    reader->SetFileName(QFile::encodeName(path).constData());
    reader->Update();
    return reader->GetOutput();
}

// The same triangles (the only cells) with the same corners in the same order; coordinates agree
// within the precision of the formats (six significant digits for OBJ, float for STL and PLY).
inline bool SameTriangles(vtkPolyData *expected, vtkPolyData *actual, QString *why)
{
    *why = QStringLiteral("%1 cells instead of %2").arg(actual->GetNumberOfCells()).arg(expected->GetNumberOfCells());
    if (expected->GetNumberOfCells() != actual->GetNumberOfCells())
        return false;
    vtkNew<vtkIdList> a, b;
    for (vtkIdType cell = 0; cell < expected->GetNumberOfCells(); ++cell) {
        expected->GetCellPoints(cell, a);
        actual->GetCellPoints(cell, b);
        *why = QStringLiteral("cell %1 differs").arg(cell);
        if (a->GetNumberOfIds() != b->GetNumberOfIds())
            return false;
        for (vtkIdType k = 0; k < a->GetNumberOfIds(); ++k)
            for (int c = 0; c < 3; ++c) {
                const double p = expected->GetPoint(a->GetId(k))[c], q = actual->GetPoint(b->GetId(k))[c];
                if (std::abs(p - q) > 1e-5 * std::max(1.0, std::abs(p)))
                    return false;
            }
    }
    why->clear();
    return true;
}

} // namespace testing
