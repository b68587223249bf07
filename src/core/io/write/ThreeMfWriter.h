#pragma once

#include "model/ModelLook.h"
#include "model/PointAttributes.h"

#include <QString>
#include <QtGlobal>

class vtkPolyData;

namespace lumeno {

// Writes the model as a 3MF package (libzip, the model part deflated at level 6): one object of its
// vertices and triangles, placed once in the build; vertex colours, when it has them, as a
// colour group of the materials extension with one colour per vertex that each triangle's
// corners name. Coordinates are the shortest numbers that read back to the same float; the
// unit is millimetres. False when the file cannot be written completely.
// With a look: its materials as a base material group, their base colour textures (where the
// model has texture coordinates) as 2D textures of the texture extension, and an object per
// part placed by its build item (one for the merged model).
bool Write3mf(vtkPolyData *model, const QString &path, const ModelLook *look = nullptr, bool mergeParts = false);

// An estimate of that file's size: the deflated text takes about the bytes per vertex and
// triangle measured on scanned and generated models.
qint64 ThreeMfFileSize(qint64 triangles, qint64 vertices, const PointAttributes &attributes);

} // namespace lumeno
