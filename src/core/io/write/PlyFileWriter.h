#pragma once

#include "model/PointAttributes.h"

#include <QByteArray>
#include <QString>

class vtkPolyData;

namespace lumeno {

// The header WriteBinaryPly writes for a model of these counts carrying these attributes.
QByteArray BinaryPlyHeader(qint64 vertices, qint64 faces, const PointAttributes &attributes);

// The bytes a vertex takes in that file: its position, normal, colour and texture coordinates.
int BinaryPlyVertexSize(const PointAttributes &attributes);

// Writes the model as a little-endian binary PLY file: per vertex its position (float x y z),
// then what AttributesOf finds: the normal (float nx ny nz), the colour (uchar red green blue,
// and alpha for four components) and the texture coordinates (float u v); then every polygon
// as a uchar count and int indices. vtkPLYWriter writes no normals, so this replaces it.
// False when the file cannot be written completely or a polygon has more than 255 corners.
bool WriteBinaryPly(vtkPolyData *model, const QString &path);

} // namespace lumeno
