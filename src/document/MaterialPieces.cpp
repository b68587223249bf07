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
#include <vtkTypeInt32Array.h>
#include <vtkTypeInt64Array.h>

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
    bool split = false; // the pieces made, not only the lists
};
vtkStandardNewMacro(MaterialPiecesHolder);

vtkInformationObjectBaseKey *PiecesKey()
{
    // Lives as long as the program: VTK's key lookup refers to it to the end.
    static auto *key = new vtkInformationObjectBaseKey("LumenoMaterialPieces", "MaterialPieces");
    return key;
}

// Ids above it count as none: no file gives that many materials or parts, and each id up to
// the largest one takes room below.
constexpr int LargestId = 1 << 20;

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
        if (id < 0 || id > LargestId)
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

// The cells of each material id, by slot: id + 1, so that slot 0 holds the cells without a
// material (ids below 0, or beyond LargestId). Reads and writes the cell arrays' own storage: the walk through
// VTK's cell interface took twice as long.
template <typename Out, typename In>
std::vector<vtkSmartPointer<vtkCellArray>> SplitCells(In *offsets, In *connectivity, vtkIntArray *materials)
{
    using Id = typename Out::ValueType;
    const vtkIdType cells = offsets->GetNumberOfValues() - 1;
    const auto *starts = offsets->GetPointer(0);
    const auto *points = connectivity->GetPointer(0);
    const int *ids = materials->GetPointer(0);
    const auto slot = [ids](vtkIdType cell) {
        return ids[cell] < 0 || ids[cell] > LargestId ? size_t(0) : size_t(ids[cell]) + 1;
    };
    std::vector<vtkIdType> cellCounts, pointCounts;
    for (vtkIdType cell = 0; cell < cells; ++cell) {
        const size_t s = slot(cell);
        if (s >= cellCounts.size()) {
            cellCounts.resize(s + 1, 0);
            pointCounts.resize(s + 1, 0);
        }
        ++cellCounts[s];
        pointCounts[s] += starts[cell + 1] - starts[cell];
    }
    const size_t slots = cellCounts.size();
    std::vector<vtkSmartPointer<Out>> pieceOffsets(slots), pieceConnectivity(slots);
    std::vector<Id *> offsetOut(slots), pointOut(slots);
    for (size_t s = 0; s < slots; ++s) {
        if (cellCounts[s] == 0)
            continue;
        pieceOffsets[s] = vtkSmartPointer<Out>::New();
        pieceOffsets[s]->SetNumberOfValues(cellCounts[s] + 1);
        pieceConnectivity[s] = vtkSmartPointer<Out>::New();
        pieceConnectivity[s]->SetNumberOfValues(pointCounts[s]);
        offsetOut[s] = pieceOffsets[s]->GetPointer(0);
        *offsetOut[s]++ = 0;
        pointOut[s] = pieceConnectivity[s]->GetPointer(0);
    }
    std::vector<Id> filled(slots, 0);
    for (vtkIdType cell = 0; cell < cells; ++cell) {
        const size_t s = slot(cell);
        for (auto k = starts[cell]; k < starts[cell + 1]; ++k)
            *pointOut[s]++ = Id(points[k]);
        filled[s] += Id(starts[cell + 1] - starts[cell]);
        *offsetOut[s]++ = filled[s];
    }
    std::vector<vtkSmartPointer<vtkCellArray>> pieces(slots);
    for (size_t s = 0; s < slots; ++s) {
        if (!pieceOffsets[s])
            continue;
        pieces[s] = vtkSmartPointer<vtkCellArray>::New();
        pieces[s]->SetData(pieceOffsets[s], pieceConnectivity[s]);
    }
    return pieces;
}

// The model's triangles of each material id, each id's own cell array.
std::vector<MaterialPiece> Split(vtkPolyData *model, vtkIntArray *materials)
{
    vtkCellArray *polys = model->GetPolys();
    // Pieces of 32-bit ids, half the size of VTK's default, while the points can be counted so.
    const bool narrow = model->GetNumberOfPoints() < INT_MAX;
    std::vector<vtkSmartPointer<vtkCellArray>> pieceCells;
    if (polys->IsStorage64Bit())
        pieceCells = narrow ? SplitCells<vtkTypeInt32Array>(polys->GetOffsetsArray64(),
                                                            polys->GetConnectivityArray64(), materials)
                            : SplitCells<vtkTypeInt64Array>(polys->GetOffsetsArray64(),
                                                            polys->GetConnectivityArray64(), materials);
    else
        pieceCells = narrow ? SplitCells<vtkTypeInt32Array>(polys->GetOffsetsArray32(),
                                                            polys->GetConnectivityArray32(), materials)
                            : SplitCells<vtkTypeInt64Array>(polys->GetOffsetsArray32(),
                                                            polys->GetConnectivityArray32(), materials);
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

MaterialPieces Make(vtkPolyData *model, bool split)
{
    MaterialPieces made;
    if (vtkIntArray *parts = IdsOf(model, lumeno::PartIdsName))
        made.partsUsed = DistinctIds(parts);
    vtkIntArray *materials = IdsOf(model, lumeno::MaterialIdsName);
    // The cells' ids follow points and lines before triangles: a model of triangles only.
    if (!materials || model->GetNumberOfCells() != model->GetNumberOfPolys() || model->GetNumberOfPolys() == 0)
        return made;
    made.materialsUsed = DistinctIds(materials);
    if (!split)
        return made;
    made.pieces = Split(model, materials);
    // A model of one material is drawn by its own arrays, without a copy of its triangles.
    if (made.pieces.size() == 1)
        made.pieces.front().triangles = nullptr;
    return made;
}

} // namespace

const MaterialPieces &MaterialPiecesOf(vtkPolyData *model, bool drawn)
{
    vtkInformation *information = model->GetInformation();
    auto *held = MaterialPiecesHolder::SafeDownCast(information->Get(PiecesKey()));
    if (held && (held->split || !drawn))
        return held->pieces;
    auto holder = vtkSmartPointer<MaterialPiecesHolder>::New();
    holder->pieces = Make(model, drawn);
    holder->split = drawn;
    information->Set(PiecesKey(), holder);
    return holder->pieces;
}
