#pragma once

#include "io/ModelFileBytes.h"

#include <QString>

class QTemporaryFile;

namespace lumeno {

// Mends, in place, what a VTK reader would misread in a valid file (suffix in lower case):
// - an ASCII STL whose solid name is not ASCII (see IsAsciiStlTakenForBinary) is read as
//   binary; the name's bytes beyond ASCII become '_';
// - the OBJ reader stops at a "usemtl" line without a name, as Blender writes for an unnamed
//   material, and returns nothing; such a line becomes a comment.
void MendForReader(Bytes &bytes, const QString &suffix);

// Writes the bytes to a new file of this user's only (QTemporaryFile: a random name, created
// exclusively) in the temporary folder, for the reader to read by name.
bool WritePrivateCopy(std::string_view bytes, const QString &suffix, QTemporaryFile &copy);

} // namespace lumeno
