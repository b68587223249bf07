#include "SubdividedModel.h"

#include "QualityBench.h"

#include "io/write/ModelWriter.h"

#include <QFileInfo>

#include <vtkLoopSubdivisionFilter.h>

QString WriteSubdividedModel(const QString &path, const QString &mesh, int rounds)
{
    QString error;
    const vtkSmartPointer<vtkPolyData> model = ReadBenchMesh(mesh, error);
    if (!model)
        return error;
    auto subdivide = vtkSmartPointer<vtkLoopSubdivisionFilter>::New();
    subdivide->SetInputData(WithWideCells(model));
    subdivide->SetNumberOfSubdivisions(rounds);
    subdivide->Update();
    vtkPolyData *refined = subdivide->GetOutput();
    if (refined->GetNumberOfPolys() == 0)
        return QStringLiteral("Loop subdivision gave no triangles (it needs a manifold mesh)");
    if (!lumeno::WriteModelFile(refined, path, QFileInfo(path).suffix()).written)
        return QStringLiteral("the model could not be written");
    return {};
}
