#pragma once

#include "io/FormatReading.h"

namespace lumeno {

// Reads a 3MF package (a ZIP archive, opened by libzip from the bytes in memory) with Qt's
// XML stream reader: the model part that the package's relationships name, and any model
// part that a component names (the production extension's p:path, as slicers write them).
// Every build item becomes a part of the one model, placed by its transform and those of the
// components down to the meshes. Colours from base materials and colour groups become vertex
// colours (a vertex takes the colour of the last triangle corner on it); textures are not
// read. Parts are unpacked up to a size of 2 GiB and 1100 times their packed size (deflate
// packs no tighter); a part that is larger, a ZIP or XML error, a vertex index past the
// vertices, a number that is no finite number or a reference to no object make the file
// damaged.
FormatReading Read3mf(std::string_view bytes);

} // namespace lumeno
