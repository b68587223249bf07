#pragma once

#include "io/read/FormatReading.h"

#include <string_view>

namespace lumeno {

// Reads a binary STL file's bytes (an 80-byte header, a triangle count, then 50 bytes per
// triangle: a normal, three corners of three little-endian floats and two attribute bytes)
// into one point per distinct corner and a triangle per record.
//
// Corners are welded when their coordinates are equal as floats, as VTK's STL reader merges
// them: each corner is looked up in hash tables by its 12 bytes (-0 hashed as 0, which it
// equals), so reading takes time in proportion to the corners and not to their spread.
// Near duplicates, corners a float step or more apart, stay apart: the file states no
// tolerance, and any chosen one would join separate walls of a thin part and close the small
// gaps the repair of a scan needs to see. Points are numbered in the order of their first
// corner, those of dropped triangles included; a triangle with two corners on one point is
// dropped and counted in polygonsWithoutArea.
//
// Every whole record the file holds is read whatever the count says, which many programs write
// wrong, and bytes after the last are left alone; a file holding fewer records than its count
// says, or shorter than its header, is damaged (DamagedFile). The tables are filled by `threads` threads at once, each holding the
// corners of its share of the hash values; the result is the same for any number of threads.
FormatReading ReadBinaryStl(std::string_view file, int threads = 0); // 0: as many as the cores

} // namespace lumeno
