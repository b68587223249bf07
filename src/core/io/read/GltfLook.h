#pragma once

#include "io/read/GltfJsonScan.h"
#include "io/read/TinyGltf.h"
#include "model/ModelLook.h"

#include <QString>

#include <string_view>

namespace lumeno {

// The materials of a parsed glTF file, in its order (a primitive's material index is the
// look's), with their textures' samplers, KHR_texture_transform and TEXCOORD set, and the
// images: from a buffer view, from the data: URIs of the scanned JSON (`json`, `layout`; see
// JsonWithBufferNames), or from files inside `folder` (PathInFolder, StaysInsideFolder). An
// image file missing, outside the folder or past the bounds of LookImages is kept as a missing
// image: the model still opens. Values of the wrong count or type keep glTF's defaults; no
// image is decoded.
// A file's materials past this many are not read: their primitives have none.
constexpr int MaxGltfMaterials = 65536;

void ReadGltfLook(const tinygltf::Model &model, std::string_view json, const GltfJsonLayout &layout,
                  const QString &folder, ModelLook &look);

} // namespace lumeno
