#pragma once

#include "model/ModelLook.h"

#include <QString>
#include <QStringList>

class vtkPolyData;

namespace lumeno {

// Some of a model's look: its materials and the images they use by name, and its parts.
struct LookContent
{
    QStringList materials;
    QStringList textures;
    int parts = 0; // the parts kept apart; 0 for none

    bool Any() const { return !materials.isEmpty() || !textures.isEmpty() || parts > 0; }
};

// What a file of this suffix (any case), written with WriteModelFile's options, keeps of the
// model's look and what it leaves out: OBJ, glTF and GLB keep it all (glTF leaves out images
// that are missing or neither PNG nor JPEG, as GltfLookWriter.h says), 3MF keeps the materials,
// the parts and the base colour textures of a model with texture coordinates, PLY, STL and OFF
// none. Parts merged on request are neither kept nor dropped: `mergedParts` counts them.
struct LookSaving
{
    LookContent kept;
    LookContent dropped;
    int mergedParts = 0; // the parts written as one at the caller's request
};

LookSaving LookSaved(vtkPolyData *model, const ModelLook *look, const QString &suffix, bool mergeParts);

// For people, one item each: "2 materials", "3 textures", "4 parts, saved as one model".
QStringList LookItems(const LookContent &content);

// Two sentences naming what is left out, for a file of that suffix: "not saved: 2 materials; 4
// parts, saved as one model. STL files hold no materials, textures or parts."; empty for nothing.
QString LookNotSavedText(const LookContent &dropped, const QString &suffix);

} // namespace lumeno
