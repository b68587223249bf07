#pragma once

#include <QtGlobal>

class vtkPolyData;

// Computes, on any thread, what the views' mappers would otherwise compute on the GUI thread
// before drawing a model: the bounds of the points its cells use, a walk over every cell
// (15 ms of the first drawing of 1.2M triangles), and for a model with materials its triangles
// split by material (MaterialPiecesOf), both cached with the model. A model of more triangles
// than `drawLimit` (when above 0) gets a proxy of at most that many (lumeno::ReducedForDrawing),
// kept with it, which the views draw instead: then only the proxy's triangles are split.
void PrepareForDrawing(vtkPolyData *model, qint64 drawLimit = 0);

// What the views draw of a model: the proxy PrepareForDrawing made for it, else the model.
vtkPolyData *DrawnModel(vtkPolyData *model);
