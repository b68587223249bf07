#include "io/read/GltfReader.h"

// The parser reads no file: the buffers reach it through the callbacks below, loaded
// beforehand by our own rules (GltfBuffers).
#define TINYGLTF_IMPLEMENTATION
#include "io/read/TinyGltf.h"

#include "io/read/GltfBuffers.h"
#include "io/read/GltfJsonScan.h"
#include "io/read/GltfLook.h"
#include "io/read/GltfScene.h"

#include <QCoreApplication>
#include <QLocale>

#include <limits>

namespace lumeno {

namespace {

// The buffer a name of JsonWithBufferNames stands for; null for any other name.
std::vector<unsigned char> *BufferNamed(const std::string &name, void *userData)
{
    auto *data = static_cast<GltfBufferData *>(userData);
    const std::string prefix = GltfBufferName(0).substr(0, GltfBufferName(0).size() - 1);
    if (name.compare(0, prefix.size(), prefix) != 0 || name.size() == prefix.size() || name.size() > prefix.size() + 9 ||
        name.find_first_not_of("0123456789", prefix.size()) != std::string::npos)
        return nullptr;
    const size_t index = std::stoul(name.substr(prefix.size()));
    return index < data->buffers.size() ? &data->buffers[index] : nullptr;
}

bool BufferExists(const std::string &name, void *userData)
{
    return BufferNamed(name, userData) != nullptr;
}

std::string SameName(const std::string &name, void *)
{
    return name;
}

// Hands the loaded bytes over without a copy.
bool TakeBuffer(std::vector<unsigned char> *out, std::string *error, const std::string &name, void *userData)
{
    std::vector<unsigned char> *buffer = BufferNamed(name, userData);
    if (!buffer) {
        *error = "no such buffer";
        return false;
    }
    out->swap(*buffer);
    return true;
}

bool WriteNothing(std::string *, const std::string &, const std::vector<unsigned char> &, void *)
{
    return false;
}

bool SkipImage(tinygltf::Image *, const int, std::string *, std::string *, int, int, const unsigned char *, int,
               void *)
{
    return true;
}

quint32 Little32(std::string_view bytes, size_t at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + size_t(i)]);
    return value;
}

// A GLB file's JSON chunk and its BIN chunk, if it has one.
struct GlbChunks
{
    ReadFailure failure = ReadFailure::None;
    std::string_view json;
    bool hasBin = false;
    std::string_view bin;
};

GlbChunks SplitGlb(std::string_view bytes)
{
    GlbChunks chunks;
    if (bytes.size() < 20 || bytes.substr(0, 4) != "glTF") {
        chunks.failure = ReadFailure::DamagedFile;
        return chunks;
    }
    const quint32 version = Little32(bytes, 4);
    const size_t length = std::min<size_t>(Little32(bytes, 8), bytes.size());
    const size_t jsonLength = Little32(bytes, 12);
    if (version != 2 || length < 20 || bytes.substr(16, 4) != "JSON" || jsonLength > length - 20) {
        chunks.failure = version == 1 ? ReadFailure::GltfVersion1 : ReadFailure::DamagedFile;
        return chunks;
    }
    chunks.json = bytes.substr(20, jsonLength);
    // The padding should be spaces; some writers pad with zeros, which JSON does not allow.
    while (!chunks.json.empty() && (chunks.json.back() == '\0' || chunks.json.back() == ' '))
        chunks.json.remove_suffix(1);
    for (size_t at = 20 + ((jsonLength + 3) & ~size_t(3)); at + 8 <= length;) {
        const size_t chunkLength = Little32(bytes, at);
        if (chunkLength > length - at - 8) {
            chunks.failure = ReadFailure::DamagedFile;
            return chunks;
        }
        if (!chunks.hasBin && bytes.substr(at + 4, 4) == std::string_view("BIN\0", 4)) {
            chunks.hasBin = true;
            chunks.bin = bytes.substr(at + 8, chunkLength);
        }
        at += 8 + ((chunkLength + 3) & ~size_t(3));
    }
    return chunks;
}

FormatReading FailedScan(GltfJsonProblem problem)
{
    switch (problem) {
    case GltfJsonProblem::None:
        break;
    case GltfJsonProblem::TooDeep:
        return Failed(ReadFailure::OverLimit,
                      QCoreApplication::translate("ModelReader", "JSON nested %1 levels deep")
                          .arg(QLocale().toString(MaxGltfJsonDepth)));
    case GltfJsonProblem::Version1:
        return Failed(ReadFailure::GltfVersion1);
    case GltfJsonProblem::NotJson:
        return Failed(ReadFailure::DamagedFile);
    }
    return Failed(ReadFailure::DamagedFile);
}

} // namespace

FormatReading ReadGltf(std::string_view bytes, bool binary, const QString &folder)
{
    if (bytes.size() > std::numeric_limits<unsigned int>::max())
        return Failed(ReadFailure::TooLarge, ByteSizeText(std::numeric_limits<unsigned int>::max()));
    std::string_view json = bytes;
    GlbChunks chunks;
    if (binary) {
        chunks = SplitGlb(bytes);
        if (chunks.failure != ReadFailure::None)
            return Failed(chunks.failure);
        json = chunks.json;
    }
    tinygltf::Model model;
    try {
        // The scan comes first: the parser recurses into nested values, and would hold
        // embedded buffers twice over.
        const GltfJsonLayout layout = ScanGltfJson(json);
        if (layout.problem != GltfJsonProblem::None)
            return FailedScan(layout.problem);
        GltfBufferData buffers = LoadGltfBuffers(json, layout, folder, chunks.hasBin ? &chunks.bin : nullptr);
        if (buffers.failure != ReadFailure::None)
            return Failed(buffers.failure, buffers.detail);
        const std::string parsed = JsonWithBufferNames(json, layout);

        tinygltf::TinyGLTF loader;
        loader.SetFsCallbacks({BufferExists, SameName, TakeBuffer, WriteNothing, &buffers});
        loader.SetImageLoader(SkipImage, nullptr);
        std::string error;
        std::string warning;
        const bool loaded = loader.LoadASCIIFromString(&model, &error, &warning, parsed.data(),
                                                       static_cast<unsigned int>(parsed.size()), std::string());
        for (const std::string &required : model.extensionsRequired)
            if (required == "KHR_draco_mesh_compression" || required == "EXT_meshopt_compression" ||
                required == "KHR_meshopt_compression")
                return Failed(ReadFailure::Unsupported, QString::fromStdString(required));
        // tinygltf turns what its JSON parser threw into text, std::bad_alloc too.
        if (!loaded && error.find("bad_alloc") != std::string::npos)
            return Failed(ReadFailure::OutOfMemory);
        if (!loaded)
            return Failed(ReadFailure::DamagedFile);

        auto look = std::make_shared<ModelLook>();
        FormatReading reading = ReadGltfScene(model, bytes.size(), look->parts);
        if (reading.failure != ReadFailure::None)
            return reading;
        ReadGltfLook(model, json, layout, folder, *look);
        if (!look->Empty())
            reading.look = look;
        return reading;
    } catch (const std::bad_alloc &) {
        return Failed(ReadFailure::OutOfMemory);
    } catch (const std::exception &) {
        return Failed(ReadFailure::DamagedFile);
    }
}

} // namespace lumeno
