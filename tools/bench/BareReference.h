#pragma once

#include <QString>

#include "reduce/DecimationLevels.h"

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <array>

// The same work written directly against VTK, with nothing of ours in between: what the
// program's own code is measured against.
namespace bare {

// The VTK reader of the suffix ("stl", "obj", "ply"), its output as it is.
vtkSmartPointer<vtkPolyData> Read(const QString &path);

struct Cascade
{
    std::array<vtkSmartPointer<vtkPolyData>, lumeno::LevelCount> levels;
    std::array<double, lumeno::LevelCount> stepSeconds{};
};

// One vtkDecimatePro, nine runs with the classic engine's reductions, each from the level before;
// every level is a shallow copy of the filter's output.
Cascade RunCascade(vtkPolyData *model);

} // namespace bare
