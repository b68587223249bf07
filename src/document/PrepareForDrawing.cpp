#include "PrepareForDrawing.h"

#include "MaterialPieces.h"

#include "reduce/DrawingProxy.h"

#include <vtkInformation.h>
#include <vtkInformationObjectBaseKey.h>
#include <vtkPolyData.h>

namespace {

vtkInformationObjectBaseKey *ProxyKey()
{
    // Lives as long as the program: VTK's key lookup refers to it to the end.
    static auto *key = new vtkInformationObjectBaseKey("LumenoDrawingProxy", "PrepareForDrawing");
    return key;
}

void PrepareOne(vtkPolyData *model, bool drawn)
{
    double bounds[6];
    model->GetCellsBounds(bounds);
    MaterialPiecesOf(model, drawn);
}

} // namespace

void PrepareForDrawing(vtkPolyData *model, qint64 drawLimit)
{
    if (drawLimit > 0 && model->GetNumberOfCells() > drawLimit && DrawnModel(model) == model)
        if (const vtkSmartPointer<vtkPolyData> proxy = lumeno::ReducedForDrawing(model, size_t(drawLimit))) {
            PrepareOne(proxy, true);
            model->GetInformation()->Set(ProxyKey(), proxy);
        }
    PrepareOne(model, DrawnModel(model) == model);
}

vtkPolyData *DrawnModel(vtkPolyData *model)
{
    if (!model)
        return nullptr;
    auto *proxy = vtkPolyData::SafeDownCast(model->GetInformation()->Get(ProxyKey()));
    return proxy ? proxy : model;
}
