#pragma once

#include "model/ModelLook.h"

#include <QByteArray>

#include <string>
#include <utility>
#include <vector>

class vtkPolyData;

namespace lumeno {

// The 3D model part of a 3MF package for a model with a look, and the texture files it names.
struct ThreeMfLookPackage
{
    std::string model;
    std::vector<std::pair<std::string, QByteArray>> textures; // "3D/Textures/wood.png" and its bytes
    std::vector<std::pair<std::string, std::string>> textureTypes; // their suffixes and types ("png", "image/png")
};

// The materials as one base material group (each triangle naming its own), vertex colours as a
// colour group as without a look, and the base colour textures of PNG and JPEG images as
// texture2d resources with a texture2dgroup each (where the model has texture coordinates); a
// triangle takes its material's texture first, then the vertex colours, then the material's
// colour. Each part is an object of its own whose vertices lie in the part's frame, placed by
// its build item's transform; merged, the whole model is one object.
ThreeMfLookPackage ThreeMfLookModel(vtkPolyData *model, const ModelLook &look, bool mergeParts);

} // namespace lumeno
