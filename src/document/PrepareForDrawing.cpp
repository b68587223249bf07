#include "PrepareForDrawing.h"

#include <vtkPolyData.h>

void PrepareForDrawing(vtkPolyData *model)
{
    double bounds[6];
    model->GetCellsBounds(bounds);
}
