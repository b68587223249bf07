#pragma once

#include "model/ModelLook.h"
#include "model/PointAttributes.h"

#include <QString>
#include <QtGlobal>

class vtkPolyData;

namespace lumeno {

// Writes the model as glTF 2.0: one node, one mesh, one triangle primitive with POSITION and,
// where the model has them, NORMAL (unit length), COLOR_0 (bytes, RGB or RGBA, four bytes a
// point) and TEXCOORD_0 (v turned downwards as glTF has it), then the deviation colours a
// model may carry besides (DeviationColoursOf: COLOR_1, or COLOR_0 when it has no colours of
// its own); UNSIGNED_INT indices; no
// material. Binary: a .glb file with the data in its BIN chunk. Otherwise a .gltf file that
// holds its buffer itself as a base64 data: URI, so that the one file is replaced whole and
// no .bin beside it can go astray or be left from an earlier save. False when the file
// cannot be written completely. With a look, as WriteGltfWithLook writes it.
bool WriteGltf(vtkPolyData *model, const QString &path, bool binary, const ModelLook *look = nullptr,
               bool mergeParts = false);

// The size of that file for a model of these counts, exact but for the digits of the bounds.
qint64 GltfFileSize(bool binary, qint64 triangles, qint64 vertices, const PointAttributes &attributes);

} // namespace lumeno
