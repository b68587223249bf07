#pragma once

#include "io/read/FormatReading.h"

#include <string_view>

namespace lumeno {

// Reads an ASCII STL file's bytes: one or more solids, each "solid [name]", facets of
// "facet normal nx ny nz", "outer loop", three "vertex x y z" lines, "endloop", "endfacet",
// then "endsolid [name]". Keywords are read in any case, and lines may end in CR LF.
// Coordinates are read as numbers of the C locale ("+1", "1e0") and kept as floats, as VTK's
// STL reader keeps them; the normals are not read.
//
// Corners are welded as WeldStlTriangles says: when equal as floats once read. A file that
// breaks off before its last "endsolid", or holds a facet of other than three vertices, a
// coordinate that is no number, or a line out of place, is one VTK's reader cannot read
// either, and is refused (ReaderError).
FormatReading ReadAsciiStl(std::string_view file, int threads = 0); // 0: as many as the cores

} // namespace lumeno
