#pragma once

#include "TestSupport.h"

#include <QFile>
#include <QString>

#include <vtkCallbackCommand.h>
#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkExecutive.h>
#include <vtkPolyData.h>
#include <vtkSTLReader.h>
#include <vtkSmartPointer.h>

#include <algorithm>
#include <cmath>

namespace testing {

// What VTK's STL reader makes of the file's bytes, to hold our readers against; whether it
// reported an error in `failed`, if given.
inline vtkSmartPointer<vtkPolyData> ReadByVtk(const QByteArray &file, bool *failed = nullptr)
{
    const QString path = ScratchFile(QStringLiteral("by vtk.stl"));
    if (!WriteBytes(path, file))
        return nullptr;
    vtkNew<vtkSTLReader> reader;
    const QByteArray name = QFile::encodeName(path);
    reader->SetFileName(name.constData());
    bool reportedError = false;
    vtkNew<vtkCallbackCommand> noteError;
    noteError->SetClientData(&reportedError);
    noteError->SetCallback([](vtkObject *, unsigned long, void *reported, void *) { *static_cast<bool *>(reported) = true; });
    reader->AddObserver(vtkCommand::ErrorEvent, noteError);
    reader->GetExecutive()->AddObserver(vtkCommand::ErrorEvent, noteError);
    reader->Update();
    if (failed)
        *failed = reportedError;
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->ShallowCopy(reader->GetOutput());
    return model;
}

// The same points, bit for bit, in the same order, and the same triangles on them.
inline bool SameMesh(vtkPolyData *ours, vtkPolyData *theirs, QString &difference)
{
    if (ours->GetNumberOfPoints() != theirs->GetNumberOfPoints()) {
        difference = QStringLiteral("%1 points, not %2").arg(ours->GetNumberOfPoints()).arg(theirs->GetNumberOfPoints());
        return false;
    }
    for (vtkIdType point = 0; point < ours->GetNumberOfPoints(); ++point) {
        double a[3], b[3];
        ours->GetPoint(point, a);
        theirs->GetPoint(point, b);
        for (int axis = 0; axis < 3; ++axis)
            if (std::signbit(a[axis]) != std::signbit(b[axis]) || !(a[axis] == b[axis] || std::isnan(a[axis]))) {
                difference = QStringLiteral("point %1 differs").arg(point);
                return false;
            }
    }
    if (ours->GetNumberOfPolys() != theirs->GetNumberOfPolys()) {
        difference = QStringLiteral("%1 triangles, not %2").arg(ours->GetNumberOfPolys()).arg(theirs->GetNumberOfPolys());
        return false;
    }
    auto mine = vtk::TakeSmartPointer(ours->GetPolys()->NewIterator());
    auto other = vtk::TakeSmartPointer(theirs->GetPolys()->NewIterator());
    for (mine->GoToFirstCell(), other->GoToFirstCell(); !mine->IsDoneWithTraversal();
         mine->GoToNextCell(), other->GoToNextCell()) {
        vtkIdType size = 0, otherSize = 0;
        const vtkIdType *ids = nullptr, *otherIds = nullptr;
        mine->GetCurrentCell(size, ids);
        other->GetCurrentCell(otherSize, otherIds);
        if (size != otherSize || !std::equal(ids, ids + size, otherIds)) {
            difference = QStringLiteral("triangle %1 differs").arg(mine->GetCurrentCellId());
            return false;
        }
    }
    return true;
}

} // namespace testing
