#pragma once

#include <QString>
#include <QtGlobal>

#include <string_view>

namespace lumeno {

// Whether the file's bytes may be handed to the VTK reader of its lower-case suffix ("stl" or
// "ply"). The readers trust counts, sizes and indices that a damaged file can get wrong and
// then allocate without bound, read past their buffers or hand out-of-range point ids on;
// this looks at exactly those before any reader sees the file. It does not parse the rest.
bool IsModelFileSafeToRead(std::string_view file, const QString &suffix);

// Whether the file is an ASCII STL that the STL reader would read as binary only because the
// solid's name on its first line is not ASCII (the reader calls a file binary when 5 % of its
// first 256 bytes are not ASCII text, which a name in Japanese, say, reaches alone).
bool IsAsciiStlTakenForBinary(std::string_view file);

// Whether an STL file is binary: as VTK's STL reader tells binary from ASCII (see LooksBinary),
// but an ASCII file whose solid name alone makes it look binary is ASCII.
bool IsBinaryStl(std::string_view file);

// How many triangles of an ASCII STL file the STL reader drops unseen because two of their
// corners coincide (have equal coordinates once read as floats). For the bytes the reader
// reads, after MendForReader.
qint64 AsciiStlTrianglesWithCoincidentCorners(std::string_view file);

// Whether the file is a PLY with vertices but no faces (a scanner's point cloud, say): a
// header that parses, whatever its body holds.
bool IsPlyWithoutFaces(std::string_view file);

} // namespace lumeno
