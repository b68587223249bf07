#include "BumpySphereModel.h"

#include "io/write/ModelWriter.h"

#include <QFileInfo>

#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>
#include <vtkSphereSource.h>

#include <cmath>

bool WriteBumpySphereModel(const QString &path, long long triangles)
{
    // A sphere of t * p resolution has 2 t (p - 1) triangles; t = 2 p gives evenly sized ones.
    const int phi = std::max(4, static_cast<int>(std::lround(std::sqrt(triangles / 4.0))));
    auto source = vtkSmartPointer<vtkSphereSource>::New();
    source->SetRadius(1.0);
    source->SetThetaResolution(2 * phi);
    source->SetPhiResolution(phi);
    source->Update();
    vtkSmartPointer<vtkPolyData> sphere = source->GetOutput();
    vtkPoints *points = sphere->GetPoints();
    for (vtkIdType i = 0; i < points->GetNumberOfPoints(); ++i) {
        double p[3];
        points->GetPoint(i, p);
        const double scale = 1.0 + 0.15 * std::sin(6 * p[0]) * std::cos(5 * p[1]);
        points->SetPoint(i, p[0] * scale, p[1] * scale, p[2] * scale);
    }
    return lumeno::WriteModelFile(sphere, path, QFileInfo(path).suffix()).written;
}
