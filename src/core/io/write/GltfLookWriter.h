#pragma once

#include "model/ModelLook.h"

#include <QString>

class vtkPolyData;

namespace lumeno {

// Writes the model with its look as glTF 2.0 (GltfWriter.h for the file's two forms): a node
// per part with its transform and a mesh of its own, whose points are given in the part's
// frame (one node and mesh for the whole model when the parts are merged), and a primitive
// per material within it. Materials are PBR metallic-roughness with their normal, occlusion
// and emissive maps, alpha mode, double-sidedness, samplers and KHR_texture_transform where
// a map uses it; their images are held in the buffer. An image whose bytes are missing or of
// a type glTF does not take (PNG and JPEG) is left out with the maps that use it. False when
// the file cannot be written completely.
bool WriteGltfWithLook(vtkPolyData *model, const QString &path, bool binary, const ModelLook &look,
                       bool mergeParts);

} // namespace lumeno
