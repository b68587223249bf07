#pragma once

#include "model/PointAttributes.h"

#include <QString>
#include <QtGlobal>

namespace lumeno {

// The size in bytes a model of these counts carrying these attributes takes when saved with
// the given suffix (any case), counting the attributes the format holds (AttributesWritable):
// binary STL exactly (84 + 50 per triangle), binary PLY exactly (its header, the vertex
// records, 13 bytes a triangle), OBJ text estimated (lines of about 30 characters for a
// point or normal, 20 for texture coordinates, triangle lines from the digits of their
// indices), GLB and glTF exactly but for the digits of the bounds in their JSON, OFF text
// estimated like OBJ, 3MF from the bytes a vertex and a triangle take once deflated.
// 0 for a suffix that is no model format.
qint64 SavedModelSize(const QString &suffix, qint64 triangles, qint64 vertices,
                      const PointAttributes &attributes = {});

// A file size for a button: kB below 1 MB, MB with one decimal below 10 MB, whole above
// (kB too get a decimal below 10);
// 1 kB is 1000 bytes. The number follows the default locale, the unit the interface language.
QString FileSizeText(qint64 bytes);

} // namespace lumeno
