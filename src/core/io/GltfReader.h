#pragma once

#include "io/FormatReading.h"

namespace lumeno {

// Reads a glTF 2.0 model through tinygltf: a .gltf file (JSON; buffers embedded as data: URIs
// or in files beside it, looked up in `folder`) or a .glb file (binary). The nodes of the
// scene become one model, each mesh placed by its node's world matrix; of the points'
// attributes NORMAL, COLOR_0 and TEXCOORD_0 are kept. Materials, textures and images are
// not read (no image is decoded). Triangle strips and fans become triangles; points and
// lines are left out and counted. Every accessor is checked against its buffer before a
// value is read: a file that fails gives DamagedFile, one that needs a compression extension
// Unsupported, a missing buffer file MissingDataFile.
FormatReading ReadGltf(std::string_view bytes, bool binary, const QString &folder);

} // namespace lumeno
