#pragma once
// Reading written models back with VTK's own readers and comparing their triangles.

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkOBJReader.h>
#include <vtkPLYReader.h>
#include <vtkPolyData.h>
#include <vtkSTLReader.h>
#include <vtkSmartPointer.h>

#include <algorithm>
#include <cmath>

namespace testing {

// Reads the file with the VTK reader of its suffix (any case).
inline vtkSmartPointer<vtkPolyData> ReadBack(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    vtkSmartPointer<vtkAbstractPolyDataReader> reader;
    if (suffix == QLatin1String("stl"))
        reader = vtkSmartPointer<vtkSTLReader>::New();
    else if (suffix == QLatin1String("ply"))
        reader = vtkSmartPointer<vtkPLYReader>::New();
    else
        reader = vtkSmartPointer<vtkOBJReader>::New();
    reader->SetFileName(QFile::encodeName(path).constData());
    reader->Update();
    return reader->GetOutput();
}

// The same triangles with the same corners in the same order; coordinates agree within
// the precision of the formats (six significant digits for OBJ, float for STL and PLY).
inline bool SameTriangles(vtkPolyData *expected, vtkPolyData *actual, QString *why)
{
    if (expected->GetNumberOfPolys() != actual->GetNumberOfPolys()) {
        *why = QStringLiteral("%1 triangles instead of %2").arg(actual->GetNumberOfPolys()).arg(expected->GetNumberOfPolys());
        return false;
    }
    auto a = vtk::TakeSmartPointer(expected->GetPolys()->NewIterator());
    auto b = vtk::TakeSmartPointer(actual->GetPolys()->NewIterator());
    for (a->GoToFirstCell(), b->GoToFirstCell(); !a->IsDoneWithTraversal(); a->GoToNextCell(), b->GoToNextCell()) {
        vtkIdType na = 0, nb = 0;
        const vtkIdType *ia = nullptr, *ib = nullptr;
        a->GetCurrentCell(na, ia);
        b->GetCurrentCell(nb, ib);
        for (vtkIdType k = 0; k < na; ++k)
            for (int c = 0; c < 3 && na == nb; ++c) {
                const double p = expected->GetPoint(ia[k])[c], q = actual->GetPoint(ib[k])[c];
                if (std::abs(p - q) > 1e-5 * std::max(1.0, std::abs(p)))
                    na = -1;
            }
        if (na != nb) {
            *why = QStringLiteral("cell %1 differs").arg(a->GetCurrentCellId());
            return false;
        }
    }
    return true;
}

} // namespace testing
