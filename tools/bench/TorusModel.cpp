#include "TorusModel.h"

#include "io/write/ModelWriter.h"

#include <QFileInfo>

#include <vtkCellArray.h>
#include <vtkLoopSubdivisionFilter.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <cmath>

namespace {

// u points around the ring, v around the tube; every quad of the grid split in two
// triangles, the last row and column joined to the first: one closed manifold surface.
vtkSmartPointer<vtkPolyData> CoarseTorus(int u, int v)
{
    constexpr double RingRadius = 1.0;
    constexpr double TubeRadius = 0.4;
    const double turn = 2.0 * M_PI;
    auto points = vtkSmartPointer<vtkPoints>::New();
    for (int i = 0; i < u; ++i) {
        for (int j = 0; j < v; ++j) {
            const double a = turn * i / u;
            const double b = turn * j / v;
            const double r = RingRadius + TubeRadius * std::cos(b);
            points->InsertNextPoint(r * std::cos(a), r * std::sin(a), TubeRadius * std::sin(b));
        }
    }
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    const auto id = [u, v](int i, int j) { return static_cast<vtkIdType>((i % u) * v + (j % v)); };
    for (int i = 0; i < u; ++i) {
        for (int j = 0; j < v; ++j) {
            const vtkIdType first[3] = {id(i, j), id(i + 1, j), id(i + 1, j + 1)};
            const vtkIdType second[3] = {id(i, j), id(i + 1, j + 1), id(i, j + 1)};
            triangles->InsertNextCell(3, first);
            triangles->InsertNextCell(3, second);
        }
    }
    auto torus = vtkSmartPointer<vtkPolyData>::New();
    torus->SetPoints(points);
    torus->SetPolys(triangles);
    return torus;
}

} // namespace

bool WriteTorusModel(const QString &path, long long triangles)
{
    constexpr int Rounds = 4;
    // A coarse torus of u * v quads has 2 u v triangles; u is about twice v, like the ring.
    const double coarseQuads = triangles / 2.0 / std::pow(4.0, Rounds);
    const int v = qMax(3, static_cast<int>(std::lround(std::sqrt(coarseQuads / 2.0))));
    const int u = qMax(3, static_cast<int>(std::lround(coarseQuads / v)));

    auto subdivide = vtkSmartPointer<vtkLoopSubdivisionFilter>::New();
    subdivide->SetInputData(CoarseTorus(u, v));
    subdivide->SetNumberOfSubdivisions(Rounds);
    subdivide->Update();
    return lumeno::WriteModelFile(subdivide->GetOutput(), path, QFileInfo(path).suffix()).written;
}
