#pragma once

#include "io/read/FormatReading.h"

#include <string_view>

namespace lumeno {

// Reads a binary STL file's bytes (an 80-byte header, a triangle count, then 50 bytes per
// triangle: a normal, three corners of three little-endian floats and two attribute bytes)
// into one point per distinct corner and a triangle per record.
//
// Corners are welded as WeldStlTriangles says: when equal as floats.
//
// Every whole record the file holds is read whatever the count says, which many programs write
// wrong, and bytes after the last are left alone; a file holding fewer records than its count
// says, or shorter than its header, is damaged (DamagedFile).
FormatReading ReadBinaryStl(std::string_view file, int threads = 0); // 0: as many as the cores

} // namespace lumeno
