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

// A mesh of the bench and the part of the corpus it belongs to ("development", "held-back").
struct BenchMesh
{
    QString path;
    QString part;
};

// Every reduction engine at each level (percent of the triangles kept) on each mesh, timed and
// measured against the original with MetroMeter (`samples` random points per surface besides
// its vertices): the program's classic and quality engines through the public Reducer, and as
// peers meshoptimizer's simplifier, VTK's vtkQuadricDecimation and, when `cgalPeer` names
// lumeno3d-cgal-peer, CGAL's Lindstrom-Turk edge collapse. A mesh that cannot be read is left
// out with a note (and listed in the report's "unread").
QJsonObject RunQualityBench(const std::vector<BenchMesh> &meshes, const std::vector<int> &levels, size_t samples,
                            const QString &cgalPeer);
