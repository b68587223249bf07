#include "mesh/LevelSizes.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace lumeno {

namespace {

// What vtkPLYWriter writes before the points, for points and triangles without data arrays.
qint64 PlyHeaderSize(qint64 triangles, qint64 vertices)
{
    const QByteArray header = "ply\n"
                              "format binary_little_endian 1.0\n"
                              "comment VTK generated PLY File\n"
                              "obj_info vtkPolyData points and polygons: vtk4.0\n"
                              "element vertex " + QByteArray::number(vertices) + "\n"
                              "property float x\n"
                              "property float y\n"
                              "property float z\n"
                              "element face " + QByteArray::number(triangles) + "\n"
                              "property list uchar int vertex_indices\n"
                              "end_header\n";
    return header.size();
}

// The characters of the numbers 1 to n together, as the indices of OBJ faces are written.
qint64 DigitsUpTo(qint64 n)
{
    qint64 digits = 0;
    for (qint64 first = 1, width = 1; first <= n; first *= 10, ++width)
        digits += (qMin(n, first * 10 - 1) - first + 1) * width;
    return digits;
}

qint64 ObjSizeEstimate(qint64 triangles, qint64 vertices)
{
    constexpr qint64 fixedText = 44 + 24; // the header, and the group and material lines
    constexpr qint64 pointLine = 30;      // "v " and three numbers of six significant digits
    // Each point is a corner of about six triangles: an index has the points' mean width.
    const double indexWidth = vertices > 0 ? double(DigitsUpTo(vertices)) / double(vertices) : 1.0;
    const double triangleLine = 5.0 + 3.0 * indexWidth; // "f ", two blanks, the line end
    return fixedText + pointLine * vertices + qint64(std::llround(triangleLine * double(triangles)));
}

} // namespace

qint64 SavedModelSize(const QString &suffix, qint64 triangles, qint64 vertices)
{
    const QString format = suffix.toLower();
    if (format == QLatin1String("stl"))
        return 84 + 50 * triangles;
    if (format == QLatin1String("ply"))
        return PlyHeaderSize(triangles, vertices) + 12 * vertices + 13 * triangles;
    if (format == QLatin1String("obj"))
        return ObjSizeEstimate(triangles, vertices);
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
