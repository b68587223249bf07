#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <vector>

// A mesh as the program reads it (CGAL's sample meshes are OFF files); null, with `error` set,
// when it cannot be read.
vtkSmartPointer<vtkPolyData> ReadBenchMesh(const QString &path, QString &error);

// The model with its cells in 64-bit storage, for VTK filters that hold one cell's corners
// while they read another's (vtkQuadricDecimation, vtkLoopSubdivisionFilter): in VTK 9.1 both
// reads share one buffer where the cells are stored in 32 bits, as the program holds models.
vtkSmartPointer<vtkPolyData> WithWideCells(vtkPolyData *model);

// Every reduction engine at each level (percent of the triangles kept) on each mesh, timed and
// measured against the original with MetroMeter (`samples` random points per surface besides
// its vertices): the program's classic and quality engines, the quality engine's levels in one
// run, meshoptimizer's simplifier and VTK's vtkQuadricDecimation.
// Empty, with `error` set, when a mesh cannot be read.
QJsonObject RunQualityBench(const QStringList &meshes, const std::vector<int> &levels, size_t samples,
                            QString &error);
