#pragma once

#include <QString>
#include <QtGlobal>

#include <string_view>

namespace lumeno {

// Whether the file's bytes may be handed to the VTK reader of its lower-case suffix ("ply").
// The reader trusts counts, sizes and indices that a damaged file can get wrong and
// then allocates without bound, reads past its buffers or hands out-of-range point ids on;
// this looks at exactly those before any reader sees the file. It does not parse the rest.
bool IsModelFileSafeToRead(std::string_view file, const QString &suffix);

// Whether an STL file is binary, by the rule VTK's STL reader used (see LooksBinary), so a file
// reads as it always has; but an ASCII file whose solid name alone makes it look binary is ASCII.
bool IsBinaryStl(std::string_view file);

// Whether the file is a PLY with vertices but no faces (a scanner's point cloud, say): a
// header that parses, whatever its body holds.
bool IsPlyWithoutFaces(std::string_view file);

} // namespace lumeno
