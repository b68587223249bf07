#pragma once

#include <QByteArray>
#include <QtEndian>

#include <array>
#include <vector>

namespace testing {

using StlTriangle = std::array<std::array<float, 3>, 3>;

inline const std::vector<StlTriangle> &StlTetrahedron()
{
    static const std::vector<StlTriangle> triangles{{{{0, 0, 0}, {0, 1, 0}, {1, 0, 0}}},
                                                    {{{0, 0, 0}, {1, 0, 0}, {0, 0, 1}}},
                                                    {{{0, 0, 0}, {0, 0, 1}, {0, 1, 0}}},
                                                    {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}};
    return triangles;
}

// A binary STL of the triangles: `count` as the header's triangle count (-1 for the true one),
// its 80 header bytes all `headerByte`, the normals zero and the attribute bytes 0x7f, which no
// reader may use.
inline QByteArray BinaryStl(const std::vector<StlTriangle> &triangles, qint64 count = -1, char headerByte = '\0')
{
    QByteArray file(80, headerByte);
    char word[4];
    qToLittleEndian<quint32>(quint32(count < 0 ? qint64(triangles.size()) : count), word);
    file.append(word, 4);
    for (const StlTriangle &triangle : triangles) {
        file.append(12, '\0');
        for (const auto &corner : triangle)
            for (float coordinate : corner) {
                qToLittleEndian<float>(coordinate, word);
                file.append(word, 4);
            }
        file.append(2, '\x7f');
    }
    return file;
}

} // namespace testing
