#include "DeviationPicture.h"

#include "PercentText.h"
#include "PrepareForDrawing.h"

#include <QCoreApplication>

#include <vtkFloatArray.h>
#include <vtkPointData.h>

#include <algorithm>

SharedDeviationPicture MakeDeviationPicture(const lumeno::DeviationMeter &meter, vtkPolyData *model,
                                            const lumeno::SurfaceDeviation &deviation, qint64 drawLimit)
{
    auto picture = std::make_shared<DeviationPicture>();
    picture->distances = meter.PointDistances(model);
    if (picture->distances.empty())
        return nullptr;
    picture->model = model;
    picture->largest = lumeno::LargestDistance(picture->distances, deviation);
    picture->drawing = vtkSmartPointer<vtkPolyData>::New();
    picture->drawing->CopyStructure(model); // shares the points and cells
    auto onRamp = vtkSmartPointer<vtkFloatArray>::New();
    onRamp->SetName("DeviationRamp");
    onRamp->SetNumberOfComponents(2);
    onRamp->SetNumberOfTuples(vtkIdType(picture->distances.size()));
    float *into = onRamp->GetPointer(0);
    const double scale = picture->largest > 0.0 ? 1.0 / picture->largest : 0.0;
    for (const float distance : picture->distances) {
        *into++ = float(std::min(1.0, double(distance) * scale));
        *into++ = 0.5f;
    }
    picture->drawing->GetPointData()->SetTCoords(onRamp);
    PrepareForDrawing(picture->drawing, drawLimit);
    // Found on what is drawn: a proxy's corners are the model's points.
    picture->cells = vtkSmartPointer<vtkStaticCellLocator>::New();
    picture->cells->SetDataSet(DrawnModel(picture->drawing));
    picture->cells->BuildLocator();
    return picture;
}

QString DeviationLegendTitle()
{
    return QCoreApplication::translate("DeviationPicture", "Deviation, % of the diagonal");
}

QString DeviationLegendValue(double share, const QLocale &locale)
{
    return QCoreApplication::translate("DeviationPicture", "%1 %").arg(PercentText(share * 100.0, locale));
}

QString DeviationHereText(double share, const QLocale &locale)
{
    return QCoreApplication::translate("DeviationPicture", "Deviation here: %1 % of the diagonal")
        .arg(PercentText(share * 100.0, locale));
}
