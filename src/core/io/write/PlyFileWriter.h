#pragma once

#include "model/PointAttributes.h"

#include <QByteArray>
#include <QString>

class vtkPolyData;

namespace lumeno {

// The header WriteBinaryPly writes for a model of these counts carrying these attributes
// (and deviation colours).
QByteArray BinaryPlyHeader(qint64 vertices, qint64 faces, const PointAttributes &attributes,
                           bool deviationColours = false);

// The bytes a vertex takes in that file: its position, normal, colour and texture coordinates.
int BinaryPlyVertexSize(const PointAttributes &attributes);

// Writes the model as a little-endian binary PLY file: per vertex its position (float x y z),
// then what AttributesOf finds: the normal (float nx ny nz), the colour (uchar red green blue,
// and alpha for four components), the texture coordinates (float u v) and the deviation
// colours a model may carry besides (DeviationColoursOf: uchar deviation_red deviation_green
// deviation_blue, or red green blue when it has no colours of its own); then every polygon
// as a uchar count and int indices. vtkPLYWriter writes no normals, so this replaces it.
// False when the file cannot be written completely or a polygon has more than 255 corners.
bool WriteBinaryPly(vtkPolyData *model, const QString &path);

} // namespace lumeno
