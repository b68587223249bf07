#pragma once

#include <QString>

namespace lumeno {

// Whether the file may be handed to the VTK reader of its lower-case suffix ("stl", "obj",
// "ply"). The readers trust counts, sizes and indices that a damaged file can get wrong and
// then allocate without bound, read past their buffers or hand out-of-range point ids on;
// this looks at exactly those before any reader sees the file. It does not parse the rest.
bool IsModelFileSafeToRead(const QString &path, const QString &suffix);

} // namespace lumeno
