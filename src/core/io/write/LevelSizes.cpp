#include "io/write/LevelSizes.h"

#include "io/write/GltfWriter.h"
#include "io/write/PlyFileWriter.h"
#include "io/write/ThreeMfWriter.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace lumeno {

namespace {

// The characters of the numbers 1 to n together, as the indices of OBJ faces are written.
qint64 DigitsUpTo(qint64 n)
{
    qint64 digits = 0;
    for (qint64 first = 1, width = 1; first <= n; first *= 10, ++width)
        digits += (qMin(n, first * 10 - 1) - first + 1) * width;
    return digits;
}

qint64 ObjSizeEstimate(qint64 triangles, qint64 vertices, const PointAttributes &attributes)
{
    constexpr qint64 fixedText = 44 + 24; // the header, and the group and material lines
    constexpr qint64 pointLine = 30;      // "v " and three numbers of six significant digits
    constexpr qint64 normalLine = 31;     // "vn " and three numbers, most of them below 1
    constexpr qint64 textureLine = 20;    // "vt " and two numbers
    // Each point is a corner of about six triangles: an index has the points' mean width.
    const double indexWidth = vertices > 0 ? double(DigitsUpTo(vertices)) / double(vertices) : 1.0;
    // A corner repeats its index for its normal and texture line: "7/7/7", "7//7", "7/7".
    const int indices = 1 + (attributes.normals ? 1 : 0) + (attributes.textureCoordinates ? 1 : 0);
    const int slashes = attributes.normals ? 2 : (attributes.textureCoordinates ? 1 : 0);
    const double triangleLine = 5.0 + 3.0 * (indices * indexWidth + slashes); // "f ", two blanks, the line end
    const qint64 lines = pointLine + (attributes.normals ? normalLine : 0) +
                         (attributes.textureCoordinates ? textureLine : 0);
    return fixedText + lines * vertices + qint64(std::llround(triangleLine * double(triangles)));
}

// The shortest floats of a model's coordinates take about nine characters and a blank (eight
// to eleven measured); colours four numbers of one to three digits.
qint64 OffSizeEstimate(qint64 triangles, qint64 vertices, const PointAttributes &attributes)
{
    constexpr qint64 pointLine = 3 * 10;
    const double indexWidth = vertices > 0 ? double(DigitsUpTo(vertices - 1) + 1) / double(vertices) : 1.0;
    const double triangleLine = 2.0 + 3.0 * (indexWidth + 1.0); // "3", a blank per index, the line end
    return 16 + (pointLine + (attributes.colours ? 14 : 0)) * vertices +
           qint64(std::llround(triangleLine * double(triangles)));
}

} // namespace

qint64 SavedModelSize(const QString &suffix, qint64 triangles, qint64 vertices, const PointAttributes &attributes)
{
    const QString format = suffix.toLower();
    const PointAttributes written = attributes.Within(AttributesWritable(format));
    if (format == QLatin1String("stl"))
        return 84 + 50 * triangles;
    if (format == QLatin1String("ply"))
        return BinaryPlyHeader(vertices, triangles, written).size() + BinaryPlyVertexSize(written) * vertices +
               13 * triangles;
    if (format == QLatin1String("obj"))
        return ObjSizeEstimate(triangles, vertices, written);
    if (format == QLatin1String("glb") || format == QLatin1String("gltf"))
        return GltfFileSize(format == QLatin1String("glb"), triangles, vertices, written);
    if (format == QLatin1String("3mf"))
        return ThreeMfFileSize(triangles, vertices, written);
    if (format == QLatin1String("off"))
        return OffSizeEstimate(triangles, vertices, written);
    return 0;
}

QString FileSizeText(qint64 bytes)
{
    // Each unit and precision is chosen by the number as it will be shown, so that
    // 999 960 bytes read 1.0 MB, not 1000 kB.
    const QLocale locale;
    const double kilobytes = double(bytes) / 1e3;
    if (std::round(kilobytes * 10.0) < 100.0)
        return QCoreApplication::translate("FileSize", "%1 kB").arg(locale.toString(kilobytes, 'f', 1));
    if (std::round(kilobytes) < 1000.0)
        return QCoreApplication::translate("FileSize", "%1 kB").arg(locale.toString(kilobytes, 'f', 0));
    const double megabytes = double(bytes) / 1e6;
    const int decimals = std::round(megabytes * 10.0) < 100.0 ? 1 : 0;
    return QCoreApplication::translate("FileSize", "%1 MB").arg(locale.toString(megabytes, 'f', decimals));
}

} // namespace lumeno
