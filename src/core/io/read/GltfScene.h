#pragma once

#include "io/read/FormatReading.h"

#include "io/read/TinyGltf.h"

namespace lumeno {

// glTF's node graphs nest little; a chain deeper than this is walked with a stack of our own,
// so the bound only keeps a crafted file's walk short.
constexpr int MaxGltfNodeDepth = 1024;
// A small file can place its nodes many times over through a graph of instances.
constexpr int MaxGltfNodeVisits = 4000000;

// The meshes of the scene a parsed glTF file shows, placed into one model (see ReadGltf):
// the model, or the failure with its detail; the parts merged, the primitives and
// attributes left out, and the leftover corners counted. Each triangle primitive placed by a
// node is a part (`parts`, named by its node or else its mesh, its transform the node's world
// matrix; "PartIds"), and its triangles take its material ("MaterialIds").
FormatReading ReadGltfScene(const tinygltf::Model &model, size_t fileSize, std::vector<ModelPart> &parts);

} // namespace lumeno
