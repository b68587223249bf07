#pragma once

#include "mesh/AlgorithmRun.h"

#include <QString>

#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

namespace lumeno {

enum class ReadFailure {
    None,
    UnknownSuffix, // no reader for the suffix
    DamagedFile,   // the file fails the checks made before any reader sees it
    ReaderError,   // the reader reported an error or ran out of memory
    UnusableModel, // the reader's output fails IsModelUsable
};

struct ReadResult
{
    vtkSmartPointer<vtkPolyData> model; // set only when nothing failed
    ReadFailure failure = ReadFailure::None;
    vtkIdType removedDuplicates = 0; // triangles dropped for repeating another's corners
};

// Reads a model with the VTK reader for its suffix ("stl", "obj" or "ply", any case), giving
// the reader QFile::encodeName(path). prepareReader sees the reader before it runs.
// Polygons and strips are triangulated and repeated triangles dropped (CleanTriangles); the
// points stay as the reader delivers them.
ReadResult ReadModel(const QString &path, const QString &suffix, const AlgorithmHook &prepareReader = {});

// Whether every filter and view can take the model: it has points and polygons, and
// HasSoundCells.
bool IsModelUsable(vtkPolyData *model);

// Whether every cell refers only to existing points, every polygon has at least three
// corners and no triangle uses a point twice, and every coordinate is finite. An empty
// model passes. Filters can break these on extreme input, so their outputs are checked too.
bool HasSoundCells(vtkPolyData *model);

// Whether every coordinate is a finite number.
bool HasFiniteCoordinates(vtkPoints *points);

} // namespace lumeno
