#pragma once

#include "io/write/LodGlbWriter.h"
#include "io/write/ModelWriter.h"
#include "model/PointAttributes.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

class Progress;
struct CliOptions;

struct InputModel
{
    vtkSmartPointer<vtkPolyData> model; // null when the file could not be read
    lumeno::SharedLook look; // its materials, images and parts; null for none
    qint64 fileSize = 0;
    double loadSeconds = 0.0;
    QString failure; // one line naming the file
    qint64 removedDuplicates = 0; // triangles dropped for repeating another's corners
    qint64 untriangulatedPolygons = 0; // polygons without area, left out
    int partsMerged = 0; // glTF and 3MF: the meshes placed into the one model
    QJsonObject readingNotes; // what the reading left out or changed, as InputJson reports it
    QStringList warnings; // what the user should know of the model as read, one line each
};

// Reads the model the way the window does: the reader of its last suffix (any case),
// the checks before and after the reader, the window's messages. With `memoryFirst`, a model
// whose reading and levels would need more memory than is available is refused before it is
// read (lumeno::RefusalForMemory).
enum class MemoryCheck { None, First };
InputModel LoadInput(const QString &path, Progress &progress, MemoryCheck memory = MemoryCheck::None);

// The report's "input": the file as read, its counts, what its points carry, and its look
// ("parts" and "materials", as LookReport.h makes them).
QJsonObject InputJson(const QString &path, const InputModel &input);


// Why a model cannot be written to output (one line naming it), or empty when it can be
// tried: its suffix names a format and it is not the input file under any name.
QString OutputProblem(const QString &output, const QString &input);

// Makes the folder and those above it that are missing. Empty when it is there, else one
// line naming it.
QString MakeFolder(const QString &folder);

// Writes by the output's suffix; the existing file is only replaced by a complete one.
// Empty when written, else one line naming the file.
QString WriteOutput(vtkPolyData *model, const QString &output, const lumeno::ModelWriteOptions &options = {});

// Writes the model and its levels as one GLB (lumeno::WriteLodGlb). Empty when written, else
// one line naming the file.
QString WriteLodOutput(vtkPolyData *model, const std::vector<lumeno::LodLevel> &levels, const QString &output,
                       const lumeno::ModelWriteOptions &options);

// An entry of the report's "outputs": the file written, its counts, and "attributes", those
// of the model that the file holds, and "droppedAttributes", those it cannot hold (lists of
// AttributeKeys); of its look (lumeno::LookSaved), "materials" and "textures" the file holds by
// name, "droppedMaterials" and "droppedTextures" those it cannot hold, "parts" the parts kept
// apart (1 for one) and "droppedParts" those written as one.
QJsonObject OutputJson(const QString &file, vtkPolyData *model, const lumeno::ModelWriteOptions &options = {});

// The warning that a file of this suffix, named as given, leaves some of the model's
// attributes out; empty when it holds them all.
QString NotSavedWarning(const lumeno::PointAttributes &carried, const QString &file, const QString &suffix);

// The warning that such a file leaves some of the model's look out; empty when it holds it all.
QString LookNotSavedWarning(vtkPolyData *model, const lumeno::ModelWriteOptions &options, const QString &file,
                            const QString &suffix);

// The options of every write that the command line gives, with the input's look.
lumeno::ModelWriteOptions WriteOptionsOf(const InputModel &input, const CliOptions &options);

// Triangles and vertices as the window's panels count them.
QJsonObject Counts(vtkPolyData *model);
