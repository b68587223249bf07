#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumeno {

// A string's contents in the JSON text: between its quotes, escapes as written.
struct JsonSpan
{
    size_t begin = 0;
    size_t end = 0;
};

// One entry of a glTF file's "buffers", as the scan found it.
struct GltfJsonBuffer
{
    bool isObject = true;
    size_t objectBegin = 0;      // just past the object's '{'
    bool hasMembers = false;
    std::vector<JsonSpan> uris;  // every "uri" member (JSON parsers keep the last one)
    bool uriNotString = false;
    std::string byteLength;      // the "byteLength" number as written; empty when absent or no number
};

enum class GltfJsonProblem {
    None,
    NotJson,  // no JSON object, as far as the scan can tell
    TooDeep,  // objects and arrays nested more than MaxGltfJsonDepth levels deep
    Version1, // glTF 1.0: its asset's version, or its objects held by name instead of in arrays
};

// What the reader needs to know of a glTF file's JSON before a JSON parser sees it.
struct GltfJsonLayout
{
    GltfJsonProblem problem = GltfJsonProblem::None;
    std::vector<GltfJsonBuffer> buffers;
    std::vector<JsonSpan> imageDataUris; // images embedded as data: URIs
};

// JSON parsers turn nesting into recursion: a file nested deeper than this would overflow the
// stack. glTF itself nests less than ten levels; extras and extensions may nest a few more.
constexpr int MaxGltfJsonDepth = 512;

// One pass over the text, without recursion and without copying its strings: the nesting
// depth, the buffers' URIs and lengths, the images' data: URIs, and glTF 1.0's marks.
GltfJsonLayout ScanGltfJson(std::string_view json);

// The JSON a parser may take: each buffer's URI replaced by GltfBufferName(index) (or given
// that URI when it had none) and the image data: URIs by GltfEmbeddedImageName(their index in
// imageDataUris), so that the parser never holds embedded data nor names a file.
std::string JsonWithBufferNames(std::string_view json, const GltfJsonLayout &layout);
std::string GltfBufferName(size_t index);
// A URI with a scheme of its own, so it never names a file.
inline constexpr const char *GltfEmbeddedImagePrefix = "lumeno-embedded-image:";
std::string GltfEmbeddedImageName(size_t index);

// A JSON string's contents decoded to UTF-8; false for a broken escape.
bool DecodeJsonString(std::string_view raw, std::string &out);

} // namespace lumeno
