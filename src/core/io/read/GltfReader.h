#pragma once

#include "io/read/FormatReading.h"

namespace lumeno {

// Reads a glTF 2.0 model through tinygltf: a .gltf file (JSON; buffers embedded as data: URIs
// or in files inside `folder`, the model's) or a .glb file (binary). The nodes of the scene
// become one model, each mesh placed by its node's world matrix; of the points' attributes
// NORMAL, COLOR_0 and TEXCOORD_0 are kept (sparse accessors applied), and those only some parts
// carry are left out and named. Each primitive placed is a part, with its material; the
// materials, textures and images make the look (see ReadGltfLook; no image is decoded). Triangle strips and fans become triangles; points and lines are left out and
// counted, as are corners that make no whole triangle. Every accessor is checked against its
// buffer before a value is read. Refused: a damaged file (DamagedFile), glTF 1.0
// (GltfVersion1), no mesh in the scene (NoMeshes), points only (PointsOnly), a compression
// extension required (Unsupported), a buffer file missing (MissingDataFile) or named outside
// the folder (OutsideFolder), and more than we read (OverLimit, the bound named: JSON nesting,
// node depth, nodes and parts placed, points and triangles).
FormatReading ReadGltf(std::string_view bytes, bool binary, const QString &folder);

} // namespace lumeno
