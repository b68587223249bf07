#pragma once

#include "io/read/ModelReader.h"

#include <QString>
#include <QStringList>

#include <string_view>

namespace lumeno {

// What one of our own readers (OBJ, OFF, glTF, 3MF) made of a file's bytes.
struct FormatReading
{
    vtkSmartPointer<vtkPolyData> model; // triangles or polygons; set when failure is None
    SharedLook look;                     // materials, images and parts, where the file has them
    ReadFailure failure = ReadFailure::None;
    QString detail;                      // the missing file, or the unsupported feature
    int partsMerged = 0;                 // meshes placed into the one model
    bool materialsNotKept = false;       // materials or textures were left out
    QStringList materialFilesNotRead;    // OBJ: material libraries missing or outside the folder
    bool faceColoursNotRead = false;     // colours given per face, not per vertex
    qint64 primitivesLeftOut = 0;        // points and lines, which are no triangles
    qint64 polygonsWithoutArea = 0;      // left out by the reader itself
    PointAttributes attributesLeftOut;   // carried by some parts or faces only
    QString unitConverted;               // the file's unit, converted to millimetres
};

FormatReading Failed(ReadFailure failure, const QString &detail = QString());

// Notes the failure in `reading` unless an earlier one is noted (the first names the cause);
// false, for a reader's step to return.
bool NoteFailure(FormatReading &reading, ReadFailure failure, const QString &detail = QString());

// A byte count for people, in the user's locale: "2.1 GB". ReadFailure::TooLarge's detail
// names so the most a reader takes.
QString ByteSizeText(quint64 bytes);

} // namespace lumeno
