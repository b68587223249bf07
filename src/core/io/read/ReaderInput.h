#pragma once

#include "io/read/ModelFileCopy.h"

#include <QString>

namespace lumeno {

// Mends, in place, what a VTK reader would misread in a valid file (suffix in lower case):
// - the PLY reader takes texture coordinates named s and t for none, and colours stored as
//   numbers from 0 to 1 for bytes (all but black): s and t become u and v where the vertex
//   has no u and v; such colours are renamed out of its sight (see MendPlyHeader).
void MendForReader(Bytes bytes, const QString &suffix);

// Whether a PLY file's vertices carry colours stored as numbers from 0 to 1, which
// MendForReader hides from the reader. Before mending.
bool HasPlyFractionColours(Bytes bytes);

} // namespace lumeno
