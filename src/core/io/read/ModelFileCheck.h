#pragma once

#include <QString>
#include <QtGlobal>

#include <string_view>

namespace lumeno {

// Whether an STL file is binary, by the rule VTK's STL reader used (see LooksBinary), so a file
// reads as it always has; but an ASCII file whose solid name alone makes it look binary is ASCII.
bool IsBinaryStl(std::string_view file);

} // namespace lumeno
