#include "model/MeshOperations.h"

#include "model/ModelChecks.h"
#include "model/PointAttributes.h"
#include "model/PointPlaces.h"
#include "model/UnitBox.h"

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkFloatArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkSmoothPolyDataFilter.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <numeric>
#include <vector>

namespace lumeno {

namespace {

// The model's points with one point for each place: a texture seam or a hard edge is two
// points at one place, which the smoother would take for two borders and pull apart.
struct PositionWelding
{
    vtkSmartPointer<vtkPolyData> welded; // on points at distinct places (the model when they are)
    std::vector<vtkIdType> weldedPoint;  // of each point of the model
};

PositionWelding WeldedByPosition(vtkPolyData *model)
{
    PositionWelding welding;
    const vtkIdType count = model->GetNumberOfPoints();
    vtkPoints *modelPoints = model->GetPoints();
    vtkIdType places = 0;
    welding.weldedPoint = PlaceOfEachPoint(modelPoints, places);
    if (places == count) { // no two at one place: the model itself
        std::iota(welding.weldedPoint.begin(), welding.weldedPoint.end(), vtkIdType(0));
        welding.welded = model;
        return welding;
    }
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->SetDataTypeToDouble();
    points->SetNumberOfPoints(places);
    for (vtkIdType i = 0; i < count; ++i)
        points->SetPoint(welding.weldedPoint[size_t(i)], modelPoints->GetPoint(i));
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    std::vector<vtkIdType> corners;
    auto cell = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        vtkIdType size = 0;
        const vtkIdType *ids = nullptr;
        cell->GetCurrentCell(size, ids);
        corners.resize(static_cast<size_t>(size));
        for (vtkIdType k = 0; k < size; ++k)
            corners[size_t(k)] = welding.weldedPoint[size_t(ids[k])];
        // Two points of one triangle at one place: no area, and the smoother cannot take it.
        if (size == 3 && (corners[0] == corners[1] || corners[1] == corners[2] || corners[0] == corners[2]))
            continue;
        triangles->InsertNextCell(size, corners.data());
    }
    welding.welded = vtkSmartPointer<vtkPolyData>::New();
    welding.welded->SetPoints(points);
    welding.welded->SetPolys(triangles);
    return welding;
}

// Each point's normal: the sum of the normals of its triangles, which weighs them by their
// area. Points of a hard edge or a seam take only their own side's triangles.
vtkSmartPointer<vtkFloatArray> PointNormals(vtkPolyData *model, const char *name)
{
    const vtkIdType count = model->GetNumberOfPoints();
    std::vector<double> sums(size_t(count) * 3, 0.0);
    auto cell = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        vtkIdType size = 0;
        const vtkIdType *ids = nullptr;
        cell->GetCurrentCell(size, ids);
        double p[3][3];
        for (int k = 0; k < 3 && k < size; ++k)
            model->GetPoint(ids[k], p[k]);
        if (size != 3)
            continue;
        const double a[3] = {p[1][0] - p[0][0], p[1][1] - p[0][1], p[1][2] - p[0][2]};
        const double b[3] = {p[2][0] - p[0][0], p[2][1] - p[0][1], p[2][2] - p[0][2]};
        const double normal[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
        for (int k = 0; k < 3; ++k)
            for (int axis = 0; axis < 3; ++axis)
                sums[size_t(ids[k]) * 3 + size_t(axis)] += normal[axis];
    }
    auto normals = vtkSmartPointer<vtkFloatArray>::New();
    normals->SetName(name ? name : "Normals");
    normals->SetNumberOfComponents(3);
    normals->SetNumberOfTuples(count);
    for (vtkIdType i = 0; i < count; ++i) {
        const double *sum = &sums[size_t(i) * 3];
        const double length = std::sqrt(sum[0] * sum[0] + sum[1] * sum[1] + sum[2] * sum[2]);
        if (length > 0)
            normals->SetTuple3(i, sum[0] / length, sum[1] / length, sum[2] / length);
        else
            normals->SetTuple3(i, 0.0, 0.0, 1.0);
    }
    return normals;
}

} // namespace

vtkSmartPointer<vtkPolyData> Smooth(vtkPolyData *input, int iterations, const AlgorithmHook &prepareFilter)
{
    auto smoother = vtkSmartPointer<vtkSmoothPolyDataFilter>::New();
    if (prepareFilter)
        prepareFilter(smoother);
    const UnitBox box(input);
    const vtkSmartPointer<vtkPolyData> unit = box.Normalised(input);
    const PositionWelding welding = WeldedByPosition(unit);
    smoother->SetInputData(welding.welded);
    smoother->SetNumberOfIterations(iterations);
    const UpdateOutcome run = TryUpdate(smoother);
    if (run == UpdateOutcome::OutOfMemory)
        throw std::bad_alloc();
    if (run != UpdateOutcome::Done || !HasSoundCells(smoother->GetOutput()))
        return nullptr;
    // Without triangles the filter gives nothing at all.
    if (smoother->GetOutput()->GetNumberOfPoints() != welding.welded->GetNumberOfPoints())
        return box.Restored(smoother->GetOutput());

    // Every point of the model, on either side of a seam, goes where its place went.
    vtkPoints *moved = smoother->GetOutput()->GetPoints();
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->SetDataTypeToDouble();
    points->SetNumberOfPoints(unit->GetNumberOfPoints());
    for (vtkIdType i = 0; i < unit->GetNumberOfPoints(); ++i)
        points->SetPoint(i, moved->GetPoint(welding.weldedPoint[size_t(i)]));
    auto smoothed = vtkSmartPointer<vtkPolyData>::New();
    smoothed->ShallowCopy(unit);
    smoothed->SetPoints(points);
    vtkSmartPointer<vtkPolyData> restored = box.Restored(smoothed);
    // The copy has point data of its own: the input keeps its normals.
    if (AttributesOf(input).normals)
        restored->GetPointData()->SetNormals(PointNormals(restored, input->GetPointData()->GetNormals()->GetName()));
    return restored;
}

} // namespace lumeno
