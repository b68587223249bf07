#include "PrepareForDrawing.h"

#include "MaterialPieces.h"

#include <vtkPolyData.h>

void PrepareForDrawing(vtkPolyData *model)
{
    double bounds[6];
    model->GetCellsBounds(bounds);
    MaterialPiecesOf(model);
}
