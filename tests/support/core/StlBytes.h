#pragma once

#include <QByteArray>
#include <QtEndian>

#include <array>
#include <cmath>
#include <cstdio>
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

inline std::vector<StlTriangle> WithTriangle(std::vector<StlTriangle> triangles, const StlTriangle &more)
{
    triangles.push_back(more);
    return triangles;
}

// A grid of quads over a wavy sheet, enough corners for the welding to share them out.
inline std::vector<StlTriangle> StlSheet(int side)
{
    const auto at = [side](int i, int j) {
        return std::array<float, 3>{float(i) / float(side), float(j) / float(side),
                                    std::sin(float(i) * 0.3f) * std::cos(float(j) * 0.2f)};
    };
    std::vector<StlTriangle> triangles;
    for (int i = 0; i < side; ++i)
        for (int j = 0; j < side; ++j) {
            triangles.push_back({at(i, j), at(i + 1, j), at(i + 1, j + 1)});
            triangles.push_back({at(i, j), at(i + 1, j + 1), at(i, j + 1)});
        }
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

// One facet of an ASCII STL, its corners given as "x y z".
inline QByteArray AsciiFacet(const QByteArray &a, const QByteArray &b, const QByteArray &c)
{
    return "  facet normal 0 0 0\n    outer loop\n      vertex " + a + "\n      vertex " + b + "\n      vertex " + c +
           "\n    endloop\n  endfacet\n";
}

// Shortest text that reads back to the same float.
inline QByteArray StlCornerText(const std::array<float, 3> &corner)
{
    QByteArray text;
    for (float coordinate : corner) {
        char number[32];
        std::snprintf(number, sizeof number, "%.9g", double(coordinate));
        text += (text.isEmpty() ? "" : " ") + QByteArray(number);
    }
    return text;
}

// An ASCII STL of one solid: the triangles, then `moreFacets`.
inline QByteArray AsciiStl(const std::vector<StlTriangle> &triangles, const QByteArray &moreFacets = QByteArray())
{
    QByteArray file = "solid made\n";
    for (const StlTriangle &triangle : triangles)
        file += AsciiFacet(StlCornerText(triangle[0]), StlCornerText(triangle[1]), StlCornerText(triangle[2]));
    return file + moreFacets + "endsolid made\n";
}

} // namespace testing
