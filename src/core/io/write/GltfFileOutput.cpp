#include "io/write/GltfFileOutput.h"

#include <QFile>

#include <limits>

namespace lumeno {

namespace {

void Int32(BlockFile &file, quint32 value)
{
    const quint32 little = qToLittleEndian(value);
    file.Bytes(&little, 4);
}

} // namespace

bool WriteGltfFile(const QString &path, const QByteArray &json, qint64 bufferLength, bool binary,
                   const std::function<void(BufferOutput &)> &writeBuffer)
{
    const qint64 jsonChunk = Padded(json.size());
    const qint64 binChunk = Padded(bufferLength);
    const qint64 total = 12 + 8 + jsonChunk + 8 + binChunk;
    if (binary && total > std::numeric_limits<quint32>::max())
        return false;

    OutputFile file(std::fopen(QFile::encodeName(path).constData(), "wb"));
    if (!file)
        return false;
    BlockFile block(file.get());
    BufferOutput out(block, !binary);
    if (binary) {
        block.Bytes("glTF", 4);
        Int32(block, 2);
        Int32(block, quint32(total));
        Int32(block, quint32(jsonChunk));
        block.Bytes("JSON", 4);
        block.Bytes(json.constData(), size_t(json.size()));
        for (qint64 i = json.size(); i < jsonChunk; ++i)
            block.Bytes(" ", 1);
        Int32(block, quint32(binChunk));
        block.Bytes("BIN\0", 4);
    } else {
        const int marker = json.indexOf(UriMarker);
        block.Bytes(json.constData(), size_t(marker));
        block.Bytes(DataUriStart.constData(), size_t(DataUriStart.size()));
    }
    writeBuffer(out);
    out.Finish();
    if (binary) {
        for (qint64 i = bufferLength; i < binChunk; ++i)
            block.Bytes("\0", 1);
    } else {
        const int rest = json.indexOf(UriMarker) + UriMarker.size();
        block.Bytes(json.constData() + rest, size_t(json.size() - rest));
        block.Bytes("\n", 1);
    }
    const bool written = block.Finish();
    return Close(file) && written;
}

bool IsCompleteGlb(const QString &path)
{
    QFile file(path);
    unsigned char header[12];
    if (!file.open(QIODevice::ReadOnly) || file.read(reinterpret_cast<char *>(header), 12) != 12)
        return false;
    const quint64 length = header[8] | (header[9] << 8) | (header[10] << 16) | (quint64(header[11]) << 24);
    return std::memcmp(header, "glTF", 4) == 0 && length == static_cast<quint64>(file.size());
}

} // namespace lumeno
