#pragma once

#include "io/read/GltfJsonScan.h"
#include "io/read/ModelReader.h"

#include <QString>

#include <string_view>
#include <vector>

namespace lumeno {

// The bytes of every buffer a glTF file lists, in its order, or why they cannot be had.
struct GltfBufferData
{
    ReadFailure failure = ReadFailure::None;
    QString detail; // the file missing or outside the folder
    std::vector<std::vector<unsigned char>> buffers;
};

// Loads the buffers of the scanned JSON: a data: URI decoded straight from the JSON text
// (base64 or percent-encoded), a relative URI from the file it names inside `folder` (see
// PathInFolder and StaysInsideFolder), a buffer without URI from the GLB file's BIN chunk
// (`bin`, null for a .gltf file). Each must hold exactly its byteLength (a BIN chunk at least
// that); anything else is DamagedFile. A URI naming anything outside the folder is refused
// with OutsideFolder, whatever the file's size.
GltfBufferData LoadGltfBuffers(std::string_view json, const GltfJsonLayout &layout, const QString &folder,
                               const std::string_view *bin);

} // namespace lumeno
