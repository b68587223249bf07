#pragma once

#include "io/read/FormatReading.h"

#include <cstddef>

namespace lumeno {

// The most corners WeldStlTriangles takes: corner numbers and point ids are held in 31 bits.
constexpr size_t MaxStlCorners = 0x7FFFFFFFu - 1;

// Makes one point per distinct corner of `triangles` STL triangles and a triangle per record.
// Record t starts at records + t * recordSize with its three corners of three little-endian
// floats, one after the other (a binary STL's records past their normal, say).
//
// Corners are welded when their coordinates are equal as floats, as VTK's STL reader merges
// them: each corner is looked up in hash tables by its 12 bytes (-0 hashed as 0, which it
// equals), so welding takes time in proportion to the corners and not to their spread.
// Near duplicates, corners a float step or more apart, stay apart: the file states no
// tolerance, and any chosen one would join separate walls of a thin part and close the small
// gaps the repair of a scan needs to see. Points are numbered in the order of their first
// corner, those of dropped triangles included; a triangle with two corners on one point is
// dropped and counted in polygonsWithoutArea. The tables are filled by `threads` threads at
// once (0: as many as the cores), each holding the corners of its share of the hash values;
// the result is the same for any number of threads.
FormatReading WeldStlTriangles(const char *records, size_t recordSize, size_t triangles, int threads);

} // namespace lumeno
