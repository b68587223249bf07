#include "io/read/BinaryStlReader.h"

#include "io/read/StlTriangleWelding.h"

#include <QtEndian>

namespace lumeno {

namespace {

constexpr size_t HeaderSize = 84; // 80 bytes of text, then the triangle count
constexpr size_t RecordSize = 50;
constexpr size_t NormalSize = 12; // before the corners in each record

} // namespace

FormatReading ReadBinaryStl(std::string_view file, int threads)
{
    if (file.size() < HeaderSize)
        return Failed(ReadFailure::DamagedFile);
    const size_t records = (file.size() - HeaderSize) / RecordSize;
    const quint32 claimed = qFromLittleEndian<quint32>(file.data() + 80);
    if (claimed > records)
        return Failed(ReadFailure::DamagedFile);
    if (3 * records > MaxStlCorners)
        return Failed(ReadFailure::TooLarge, ByteSizeText(HeaderSize + RecordSize * (MaxStlCorners / 3)));
    return WeldStlTriangles(file.data() + HeaderSize + NormalSize, RecordSize, records, threads);
}

} // namespace lumeno
