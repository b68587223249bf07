#pragma once

#include "io/read/MemoryNeed.h"
#include "model/ModelLook.h"
#include "model/PointAttributes.h"

#include <QString>
#include <QStringList>

#include <functional>

#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

namespace lumeno {

enum class ReadFailure {
    None,
    UnknownSuffix,  // no reader for the suffix
    Missing,        // nothing under that name
    Folder,         // a folder named like a model file
    NotRegularFile, // a pipe, device or socket
    EmptyFile,
    Unreadable,     // no permission, or an I/O error (ReadResult::systemError)
    Changed,        // another program changed the file while it was read
    TooLarge,       // larger than a reader takes (ReadResult::detail names the size, "2.1 GB")
    NoWorkingCopy,  // the temporary folder took no copy for the reader
    DamagedFile,    // the file fails the checks made before any reader sees it
    ReaderError,    // the reader reported an error or ran out of memory
    UnusableModel,  // the reader's output fails IsModelUsable
    NoTriangles,    // points or lines only, such as a scanner's point cloud
    NoExtent,       // every point lies at one place
    MissingDataFile, // a glTF file's buffer file (ReadResult::detail) is missing or unreadable
    Unsupported,    // the file needs what no reader here can do (ReadResult::detail names it)
    OutOfMemory,    // memory ran short while reading: never reported as a damaged file
    OverLimit,      // the file holds more than a bound of ours (ReadResult::detail names the bound)
    GltfVersion1,   // a glTF 1.0 file
    NoMeshes,       // a glTF file without meshes
    PointsOnly,     // points only, no triangles or lines (a glTF point cloud)
    NoBuildItems,   // a 3MF file whose build places no object
    OutsideFolder,  // a file the model names is not a plain name inside its folder (detail names it)
    NotEnoughMemory, // refused before reading: it needs more memory than is available (ReadResult::memory)
    Cancelled,      // stopped by its caller, who no longer waits for the model
};

struct ReadResult
{
    vtkSmartPointer<vtkPolyData> model; // set only when nothing failed
    SharedLook look; // its materials, images and parts; null for a model without them
    ReadFailure failure = ReadFailure::None;
    vtkIdType removedDuplicates = 0; // triangles dropped for repeating another's corners
    // Polygons without area, left out: those CleanTriangles leaves out (a triangle on one point
    // twice, a polygon whose corners lie on one line) and those a reader dropped itself.
    vtkIdType untriangulatedPolygons = 0;
    // OFF: the colours of its faces were left out (only vertex colours are kept).
    bool faceColoursNotRead = false;
    // glTF and 3MF: the meshes placed into the one model (every node's or build item's own).
    int partsMerged = 0;
    bool materialsNotKept = false;   // materials or textures were left out that the look cannot hold
    // OBJ: the material libraries that are missing beside the model or lie outside its folder;
    // their materials keep their names and a plain colour.
    QStringList materialFilesNotRead;
    qint64 primitivesLeftOut = 0;    // glTF, OBJ and OFF: points and lines, which are no triangles
    // What the file carries on some parts or faces only, so left out of the whole model.
    PointAttributes attributesLeftOut;
    // 3MF: the unit the file gave its numbers in ("inch"), converted to millimetres; empty for
    // millimetres.
    QString unitConverted;
    qint64 fileSize = 0;             // bytes read
    // NotEnoughMemory: the estimate (EstimatedMemoryNeed) and the memory available, in bytes.
    struct
    {
        qint64 triangles = 0;
        qint64 needed = 0;
        qint64 available = 0;
    } memory;
    QString systemError;             // the system's words for Unreadable
    QString detail;                  // the file missing, or the feature unsupported
};

// The suffixes ReadModel reads (lower case): stl, obj, ply, off, gltf, glb and 3mf.
bool IsReadableSuffix(const QString &suffix);

// Notes for people on what the reading left out or merged, one translated sentence each
// (the parts merged, materials, lines, face colours), for the window's status and the CLI.
QStringList ReadNotes(const ReadResult &result);

// Reads a model with our own reader for its suffix ("stl", "obj", "ply", "off", "gltf", "glb",
// "3mf", any case: BinaryStlReader, AsciiStlReader, ObjReader, PlyReader, OffReader,
// GltfReader, ThreeMfReader); a .gltf file's buffer files are read from beside `path`.
// The file is read into memory once (ReadModelFileBytes) and the reader reads a private copy
// of exactly those bytes: a file changed, cut short or replaced meanwhile never reaches it.
// `progress`, when given, is told on the reading's thread how far it has come (0 to 1), after
// each of its steps (the copy, the reader, the clean-up); when it returns false the reading
// stops there (failure Cancelled).
// Polygons and strips are triangulated and repeated triangles dropped (CleanTriangles), each
// triangle keeping its cell data ("MaterialIds", "PartIds"); the points stay as the reader
// delivers them. The look of OBJ (with its MTL libraries), glTF, 3MF and PLY (its TextureFile)
// files is read with them; the files a model names beside it are read only inside its folder,
// and one missing leaves the model as it is (ReadNotes names it).
using ReadProgress = std::function<bool(double done)>;
ReadResult ReadModel(const QString &path, const QString &suffix, const ReadProgress &progress = {});

// Refuses the model at `path` before it is read (failure NotEnoughMemory) when the memory its
// reading and levels need by EstimatedMemoryNeed exceeds `available` bytes (AvailableMemory());
// failure None when it fits, or when the memory available is unknown (negative).
ReadResult RefusalForMemory(const QString &path, qint64 available, MemoryUse use = MemoryUse::Levels);
// The same for a need estimated before.
ReadResult RefusalForMemory(const MemoryNeed &need, qint64 available, MemoryUse use);

// What went wrong, in one translated sentence that does not name the file; empty for None and
// Cancelled.
QString ReadFailureText(const ReadResult &result);


} // namespace lumeno
