#pragma once

#include <vtkSmartPointer.h>

#include <vector>

class vtkPolyData;

// A model's triangles of one material, drawn by an actor of their own. A piece shares the
// model's points and point data, so that a view uploads them once however many pieces use
// them (VTK keeps one buffer per array and window); only its triangles are its own.
struct MaterialPiece
{
    int material = -1; // the "MaterialIds" value of its triangles; -1 for none
    // Null when the model has no other material: the model itself is the piece (which it
    // cannot hold, the pieces being kept with it).
    vtkSmartPointer<vtkPolyData> triangles;
};

// What the views draw of a model whose triangles carry "MaterialIds": one piece per material
// used, by increasing id, and which parts ("PartIds") the triangles use. No pieces for a model
// without material ids (or with points or lines besides its triangles): it is drawn whole.
struct MaterialPieces
{
    std::vector<MaterialPiece> pieces;
    std::vector<int> partsUsed;     // increasing
    std::vector<int> materialsUsed; // increasing; none where there are no pieces to make
};

// Made at the first call, on any thread, and kept with the model (in its information): the
// threads that make models call it before handing them to the views. Without `drawn` (the
// model is not drawn itself but by a proxy, or only its lists are asked) the pieces are not
// made: for a model too large to draw they would copy all its triangles for nothing.
const MaterialPieces &MaterialPiecesOf(vtkPolyData *model, bool drawn = true);
