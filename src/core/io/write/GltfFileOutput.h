#pragma once

#include "io/BlockFile.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <functional>

namespace lumeno {

// glTF's codes of buffer view targets and accessor component types.
constexpr int ArrayBuffer = 34962;
constexpr int ElementArrayBuffer = 34963;
constexpr int UnsignedByte = 5121;
constexpr int UnsignedInt = 5125;
constexpr int Float = 5126;

// What the glTF writers share: the buffer's bytes written as they are (GLB) or in base64 (a
// .gltf's data: URI), and the file around them.

// Where a .gltf file's buffer goes in its JSON: the text is never made to hold the buffer.
inline const QByteArray UriMarker = "@buffer@";
inline const QByteArray DataUriStart = "data:application/octet-stream;base64,";

inline qint64 Base64Length(qint64 bytes)
{
    return (bytes + 2) / 3 * 4;
}

inline qint64 Padded(qint64 bytes)
{
    return (bytes + 3) / 4 * 4;
}

// Binary data into a BlockFile, as it is or in base64.
class BufferOutput
{
public:
    BufferOutput(BlockFile &output, bool asBase64) : file(output), base64(asBase64) {}

    void Bytes(const void *data, size_t length)
    {
        const auto *bytes = static_cast<const unsigned char *>(data);
        if (!base64) {
            // A BlockFile takes at most a block at a time.
            for (size_t at = 0; at < length; at += BlockFile::BlockSize)
                file.Bytes(bytes + at, std::min(BlockFile::BlockSize, length - at));
            return;
        }
        for (size_t i = 0; i < length; ++i) {
            pending[pendingCount++] = bytes[i];
            if (pendingCount == 3)
                Encode(3);
        }
    }
    void Float(float value)
    {
        const quint32 little = qToLittleEndian(FloatBits(value));
        Bytes(&little, 4);
    }
    void Int(quint32 value)
    {
        const quint32 little = qToLittleEndian(value);
        Bytes(&little, 4);
    }
    void Finish()
    {
        if (base64 && pendingCount > 0)
            Encode(pendingCount);
    }

private:
    static quint32 FloatBits(float value)
    {
        quint32 bits;
        std::memcpy(&bits, &value, 4);
        return bits;
    }

    void Encode(int count)
    {
        static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        for (int i = count; i < 3; ++i)
            pending[i] = 0;
        const unsigned value = (unsigned(pending[0]) << 16) | (unsigned(pending[1]) << 8) | pending[2];
        char *out = file.Take(4);
        out[0] = alphabet[(value >> 18) & 63];
        out[1] = alphabet[(value >> 12) & 63];
        out[2] = count > 1 ? alphabet[(value >> 6) & 63] : '=';
        out[3] = count > 2 ? alphabet[value & 63] : '=';
        pendingCount = 0;
    }

    BlockFile &file;
    bool base64;
    unsigned char pending[3] = {0, 0, 0};
    int pendingCount = 0;
};

// Writes the file of this JSON (a .gltf's with UriMarker as its buffer's URI) and a buffer of
// `bufferLength` bytes, which `writeBuffer` gives; false when it cannot be written completely.
bool WriteGltfFile(const QString &path, const QByteArray &json, qint64 bufferLength, bool binary,
                   const std::function<void(BufferOutput &)> &writeBuffer);

// A GLB file states its length in its header; the file must have exactly that many bytes.
bool IsCompleteGlb(const QString &path);

} // namespace lumeno
