#pragma once

#include "io/ModelFileCopy.h"

#include <QString>

namespace lumeno {

// Mends, in place, what a VTK reader would misread in a valid file (suffix in lower case):
// - an ASCII STL whose solid name is not ASCII (see IsAsciiStlTakenForBinary) is read as
//   binary; the name's bytes beyond ASCII become '_';
// - the OBJ reader stops at a "usemtl" line without a name, as Blender writes for an unnamed
//   material, and returns nothing; such a line becomes a comment;
// - the OBJ reader skips, unseen, faces whose corners differ in form from the first face's
//   ("v", "v/vt", "v//vn" ...); such a file loses its normals (see DropNormalsOfMixedFaces).
void MendForReader(Bytes bytes, const QString &suffix);

} // namespace lumeno
