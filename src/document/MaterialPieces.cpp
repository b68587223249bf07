#include "MaterialPieces.h"

#include "model/ModelLook.h"

#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkInformation.h>
#include <vtkInformationObjectBaseKey.h>
#include <vtkIntArray.h>
#include <vtkObjectFactory.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>

#include <algorithm>
#include <climits>

namespace {

// The pieces as a VTK object, so that the model's information holds them as long as the model lives.
class MaterialPiecesHolder : public vtkObject
{
public:
    static MaterialPiecesHolder *New();
    vtkTypeMacro(MaterialPiecesHolder, vtkObject);
    MaterialPieces pieces;
};
vtkStandardNewMacro(MaterialPiecesHolder);

vtkInformationObjectBaseKey *PiecesKey()
{
    // Lives as long as the program: VTK's key lookup refers to it to the end.
    static auto *key = new vtkInformationObjectBaseKey("LumenoMaterialPieces", "MaterialPieces");
    return key;
}

vtkIntArray *IdsOf(vtkPolyData *model, const char *name)
{
    auto *ids = vtkIntArray::SafeDownCast(model->GetCellData()->GetAbstractArray(name));
    return ids && ids->GetNumberOfComponents() == 1 && ids->GetNumberOfTuples() == model->GetNumberOfCells() ? ids
                                                                                                            : nullptr;
}

std::vector<int> DistinctIds(vtkIntArray *ids)
{
    std::vector<bool> seen;
    for (vtkIdType i = 0; i < ids->GetNumberOfTuples(); ++i) {
        const int id = ids->GetValue(i);
        if (id < 0)
            continue;
        if (size_t(id) >= seen.size())
            seen.resize(size_t(id) + 1);
        seen[size_t(id)] = true;
    }
    std::vector<int> distinct;
    for (size_t id = 0; id < seen.size(); ++id)
        if (seen[id])
            distinct.push_back(int(id));
    return distinct;
}

// The model's triangles of each material id (-1 and below: none), each id's own cell array.
std::vector<MaterialPiece> Split(vtkPolyData *model, vtkIntArray *materials)
{
    const vtkIdType cells = model->GetNumberOfPolys();
    // Index 0 holds the triangles without a material.
    const auto slot = [materials](vtkIdType cell) { return size_t(std::max(materials->GetValue(cell), -1) + 1); };
    std::vector<vtkIdType> cellCounts, pointCounts;
    vtkCellArray *polys = model->GetPolys();
    for (vtkIdType cell = 0; cell < cells; ++cell) {
        const size_t s = slot(cell);
        if (s >= cellCounts.size()) {
            cellCounts.resize(s + 1, 0);
            pointCounts.resize(s + 1, 0);
        }
        ++cellCounts[s];
        pointCounts[s] += polys->GetCellSize(cell);
    }
    // Pieces of 32-bit ids, half the size of VTK's default, while the points can be counted so.
    const bool narrow = model->GetNumberOfPoints() < INT_MAX;
    std::vector<vtkSmartPointer<vtkCellArray>> pieceCells(cellCounts.size());
    for (size_t s = 0; s < cellCounts.size(); ++s) {
        if (cellCounts[s] == 0)
            continue;
        pieceCells[s] = vtkSmartPointer<vtkCellArray>::New();
        if (narrow)
            pieceCells[s]->Use32BitStorage();
        pieceCells[s]->AllocateExact(cellCounts[s], pointCounts[s]);
    }
    for (vtkIdType cell = 0; cell < cells; ++cell) {
        vtkIdType size;
        const vtkIdType *points;
        polys->GetCellAtId(cell, size, points);
        pieceCells[slot(cell)]->InsertNextCell(size, points);
    }
    std::vector<MaterialPiece> pieces;
    for (size_t s = 0; s < pieceCells.size(); ++s) {
        if (!pieceCells[s])
            continue;
        auto piece = vtkSmartPointer<vtkPolyData>::New();
        piece->SetPoints(model->GetPoints());
        piece->GetPointData()->ShallowCopy(model->GetPointData());
        piece->SetPolys(pieceCells[s]);
        double bounds[6];
        piece->GetCellsBounds(bounds); // cached with the piece, as PrepareForDrawing does for models
        pieces.push_back({int(s) - 1, piece});
    }
    return pieces;
}

MaterialPieces Make(vtkPolyData *model)
{
    MaterialPieces made;
    if (vtkIntArray *parts = IdsOf(model, lumeno::PartIdsName))
        made.partsUsed = DistinctIds(parts);
    vtkIntArray *materials = IdsOf(model, lumeno::MaterialIdsName);
    // The cells' ids follow points and lines before triangles: a model of triangles only.
    if (!materials || model->GetNumberOfCells() != model->GetNumberOfPolys() || model->GetNumberOfPolys() == 0)
        return made;
    made.pieces = Split(model, materials);
    // A model of one material is drawn by its own arrays, without a copy of its triangles.
    if (made.pieces.size() == 1)
        made.pieces.front().triangles = model;
    return made;
}

} // namespace

const MaterialPieces &MaterialPiecesOf(vtkPolyData *model)
{
    vtkInformation *information = model->GetInformation();
    if (auto *held = MaterialPiecesHolder::SafeDownCast(information->Get(PiecesKey())))
        return held->pieces;
    auto holder = vtkSmartPointer<MaterialPiecesHolder>::New();
    holder->pieces = Make(model);
    information->Set(PiecesKey(), holder);
    return holder->pieces;
}
