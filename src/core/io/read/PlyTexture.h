#pragma once

#include "model/ModelLook.h"

#include <QString>

#include <string_view>

namespace lumeno {

// The image a PLY file's header names by "comment TextureFile <name>" (as MeshLab and
// scanners write it; the keyword in any case), the name as written; empty when it names none.
QString PlyTextureFile(std::string_view bytes);

// A look of one material whose base colour texture is that image, read from beside the model
// in `folder` (kept as missing when it is not there or lies outside the folder).
SharedLook PlyTextureLook(const QString &textureFile, const QString &folder);

} // namespace lumeno
