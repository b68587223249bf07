#pragma once
// A main window with a model loaded the way the user loads one, for the tests of what
// is done with a loaded model (transform, saving, snapshots).

#include "LoadingSupport.h"
#include "MainWindow.h"
#include "TestSupport.h"

#include <QFileInfo>

#include <vtkCubeSource.h>
#include <vtkPolyData.h>
#include <vtkTriangleFilter.h>

namespace testing {

// A triangulated box of the given size, centred on the origin; a size of 0 makes it flat.
inline vtkSmartPointer<vtkPolyData> Box(double x, double y, double z)
{
    auto cube = vtkSmartPointer<vtkCubeSource>::New();
    cube->SetXLength(x);
    cube->SetYLength(y);
    cube->SetZLength(z);
    auto triangles = vtkSmartPointer<vtkTriangleFilter>::New();
    triangles->SetInputConnection(cube->GetOutputPort());
    triangles->Update();
    vtkSmartPointer<vtkPolyData> box = triangles->GetOutput();
    return box;
}

// Writes the model to `path` with VTK's writers, loads it and waits for the cascade.
inline bool LoadIntoWindow(MainWindow &window, vtkPolyData *model, const QString &path)
{
    if (!WriteModel(model, path))
        return false;
    window.LoadModel(path, QFileInfo(path).suffix());
    return WaitForCascade(window);
}

} // namespace testing
