#pragma once

#include "io/read/FormatReading.h"

#include <string_view>

namespace lumeno {

// Reads a PLY file (ascii, binary_little_endian or binary_big_endian 1.0) from its bytes.
// Of the vertex element it keeps x y z, nx ny nz, red green blue [alpha] (bytes, or fractions
// from 0 to 1 when stored as float or double, clamped) and texture coordinates u v (or s t,
// texture_u texture_v, texture_s texture_t); of the face element its index list
// (vertex_indices or vertex_index), polygons as polygons. Other elements and properties,
// lists among them, are passed over in whatever order they come; face colours are not kept
// (faceColoursNotRead) and faces of one or two corners are left out as primitives.
// A count larger than the file could hold, an index past the vertices, a list longer than
// MaxPlyListLength, a number that is no finite number or a body that ends early makes the
// file damaged; more points or faces than a model of the file's size may hold are over the
// limit (MeshAssembly). A binary body is parsed in parallel where its records allow.
FormatReading ReadPly(std::string_view file, int threads = 0); // 0: as many as the cores

// The most values a list may hold: a polygon's corners, say.
constexpr size_t MaxPlyListLength = 256;

} // namespace lumeno
