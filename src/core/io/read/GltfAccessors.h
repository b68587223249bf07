#pragma once

#include "io/read/TinyGltf.h"

#include <cstdint>
#include <vector>

namespace lumeno {

// What the glTF reader takes from an accessor, every element checked to lie within its buffer
// view and the view within its buffer first. An accessor without a buffer view holds zeros;
// a sparse one has its substitutions applied. All return false for an accessor that cannot be
// read so.

// `components` values per element as floats (normalised where the accessor says so); false
// also for fewer components, another count than `expectedCount` (0: any), a value that is no
// finite number.
bool ReadGltfFloats(const tinygltf::Model &model, int index, int components, size_t expectedCount,
                    std::vector<float> &out);

// Colours as r g b a bytes (opaque without a fourth component), from floats or normalised
// unsigned bytes or shorts, as glTF allows them.
bool ReadGltfColours(const tinygltf::Model &model, int index, size_t expectedCount, std::vector<std::uint8_t> &out);

// The corners of a primitive: its indices (unsigned integers, each below `points`), or with no
// indices (index -1) its points in order.
bool ReadGltfCorners(const tinygltf::Model &model, int index, size_t points, std::vector<std::uint32_t> &out);

} // namespace lumeno
