#pragma once

#include "io/read/FormatReading.h"


namespace lumeno {

// Reads Geomview's Object File Format as text: a header "OFF" with optional prefixes ST
// (texture coordinates), C (colours) and N (normals) in the order "STCNOFF", the counts of
// vertices, faces and edges (on the header line or the next), one vertex a line and one face
// a line ("n i1 .. in", then an optional face colour, which is not kept). Comments (#) and
// blank lines are skipped. Colours are bytes (0 to 255) or, when written with a decimal
// point, fractions, clamped to that range; three or four numbers after the position (and
// normal) are colours under a plain "OFF" header too, as many programs write them, and are
// left out (attributesLeftOut) when only some vertices have them. Faces of one or two corners
// are left out as primitives. A count larger than the file could hold, an index past the
// vertices or a number that is no finite number makes the file damaged; more vertices than a
// model of the file's size may hold (MeshAssembly) are over the limit; binary OFF is not read.
FormatReading ReadOff(std::string_view text);

} // namespace lumeno
