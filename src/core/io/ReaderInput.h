#pragma once

#include "io/ModelFileCopy.h"

#include <QString>

#include <string_view>

namespace lumeno {

// Mends, in place, what a VTK reader would misread in a valid file (suffix in lower case):
// - an ASCII STL whose solid name is not ASCII (see IsAsciiStlTakenForBinary) is read as
//   binary; the name's bytes beyond ASCII become '_';
// - the OBJ reader stops at a "usemtl" line without a name, as Blender writes for an unnamed
//   material, and returns nothing; such a line becomes a comment;
// - the PLY reader takes texture coordinates named s and t for none, and colours stored as
//   numbers from 0 to 1 for bytes (all but black): s and t become u and v where the vertex
//   has no u and v; such colours are renamed out of its sight (see MendPlyHeader);
// - the OBJ reader skips, unseen, faces whose corners differ in form from the first face's
//   ("v", "v/vt", "v//vn" ...); such a file loses its normals (see DropNormalsOfMixedFaces).
void MendForReader(Bytes bytes, const QString &suffix);

// Whether a PLY file's vertices carry colours stored as numbers from 0 to 1, which
// MendForReader hides from the reader. Before mending.
bool HasPlyFractionColours(Bytes bytes);

// Whether an OBJ file's vertices carry colours ("v x y z r g b"), which the OBJ reader ignores.
bool HasObjVertexColours(std::string_view file);

} // namespace lumeno
