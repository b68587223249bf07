#include "DeviationColouring.h"

#include "io/FilePaths.h"
#include "model/DeviationColours.h"
#include "model/PointAttributes.h"

#include <QCoreApplication>

#include <vtkPointData.h>

bool KeepsDeviationColours(const QString &suffix)
{
    const QString format = suffix.toLower();
    return format == QLatin1String("ply") || format == QLatin1String("glb") || format == QLatin1String("gltf");
}

vtkSmartPointer<vtkPolyData> WithDeviationColours(vtkPolyData *model, const lumeno::DeviationMeter &meter,
                                                  const lumeno::SurfaceDeviation &deviation,
                                                  DeviationColouring colouring)
{
    auto coloured = vtkSmartPointer<vtkPolyData>::New();
    coloured->ShallowCopy(model); // its own point data: adding an array leaves the model's as it is
    const std::vector<float> distances = meter.PointDistances(model);
    if (distances.empty())
        return coloured;
    vtkSmartPointer<vtkUnsignedCharArray> colours =
        lumeno::DeviationColourArray(distances, lumeno::LargestDistance(distances, deviation));
    vtkPointData *data = coloured->GetPointData();
    if (colouring == DeviationColouring::Add && lumeno::AttributesOf(model).colours) {
        data->AddArray(colours);
        return coloured;
    }
    // As the model's own colours: the writers write them as those.
    colours->SetName("Colors");
    data->SetScalars(colours);
    return coloured;
}

QString DeviationColoursWarning(const QString &file, const QString &suffix)
{
    if (KeepsDeviationColours(suffix))
        return QString();
    const QString text = QCoreApplication::translate("lumeno3d-cli", "%1 files cannot hold the deviation colours; "
                                                                     "they are not written (PLY, GLB and glTF hold them).")
                             .arg(suffix.toUpper());
    return QCoreApplication::translate("lumeno3d-cli", "warning: %1: %2").arg(lumeno::DisplayPath(file), text);
}
