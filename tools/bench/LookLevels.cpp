#include "LookLevels.h"

#include "QualityBench.h"
#include "ResidentMemory.h"

#include "model/ModelLook.h"
#include "reduce/Reducer.h"

#include <QElapsedTimer>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkCellData.h>
#include <vtkFloatArray.h>
#include <vtkIntArray.h>
#include <vtkPointData.h>

#include <cmath>
#include <cstdio>

void ProjectTextureCoordinates(vtkPolyData *model)
{
    double bounds[6];
    model->GetBounds(bounds);
    auto coordinates = vtkSmartPointer<vtkFloatArray>::New();
    coordinates->SetName("TCoords");
    coordinates->SetNumberOfComponents(2);
    coordinates->SetNumberOfTuples(model->GetNumberOfPoints());
    for (vtkIdType p = 0; p < model->GetNumberOfPoints(); ++p) {
        double at[3];
        model->GetPoint(p, at);
        coordinates->SetTuple2(p, (at[0] - bounds[0]) / std::max(bounds[1] - bounds[0], 1e-30),
                               (at[1] - bounds[2]) / std::max(bounds[3] - bounds[2], 1e-30));
    }
    model->GetPointData()->SetTCoords(coordinates);
}

void AssignMaterials(vtkPolyData *model, int materials)
{
    const double *centre = model->GetCenter();
    auto ids = vtkSmartPointer<vtkIntArray>::New();
    ids->SetName(lumeno::MaterialIdsName);
    ids->SetNumberOfValues(model->GetNumberOfPolys());
    auto cells = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
        vtkIdType count;
        const vtkIdType *corners;
        cells->GetCurrentCell(count, corners);
        double at[3];
        model->GetPoint(corners[0], at);
        const double turn = (std::atan2(at[1] - centre[1], at[0] - centre[0]) + M_PI) / (2 * M_PI);
        ids->SetValue(cells->GetCurrentCellId(), std::min(int(turn * materials), materials - 1));
    }
    model->GetCellData()->AddArray(ids);
}

bool PrintLookLevels(const QString &path, int materials, const QString &engineName, QString &error)
{
    const vtkSmartPointer<vtkPolyData> model = ReadBenchMesh(path, error);
    if (!model)
        return false;
    ProjectTextureCoordinates(model);
    if (materials > 0)
        AssignMaterials(model, materials);
    const lumeno::ReductionEngine engine =
        engineName == QLatin1String("classic") ? lumeno::ReductionEngine::Classic : lumeno::ReductionEngine::Quality;
    std::printf("%s: %lld triangles, %d materials, %s engine\n", path.toLocal8Bit().constData(),
                static_cast<long long>(model->GetNumberOfPolys()), materials, engine == lumeno::ReductionEngine::Classic ? "classic" : "quality");
    const qint64 before = residentMemory::CurrentKiB();
    residentMemory::ResetPeak();
    lumeno::LevelReceiver receiver;
    receiver.ready = [materials](int level, const vtkSmartPointer<vtkPolyData> &made) {
        std::printf("level %d: %lld triangles%s\n", level, static_cast<long long>(made->GetNumberOfPolys()),
                    materials > 0 && !made->GetCellData()->GetArray(lumeno::MaterialIdsName) ? ", materials lost" : "");
    };
    QElapsedTimer clock;
    clock.start();
    const int made = lumeno::MakeReducer(engine)->MakeLevels(model, receiver, {});
    const double seconds = double(clock.nsecsElapsed()) * 1e-9;
    std::printf("%d levels in %.3f s; resident memory before %lld KiB, peak during the levels %lld KiB\n", made,
                seconds, static_cast<long long>(before), static_cast<long long>(residentMemory::PeakKiB()));
    return made > 0;
}
