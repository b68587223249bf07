#include "OffModel.h"

#include <QFile>

#include <vtkCellArray.h>
#include <vtkPoints.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The file's meaningful lines one by one: comments cut off, blank lines skipped.
class LineReader
{
public:
    explicit LineReader(const QByteArray &bytes) : text(bytes) {}

    // The next line that holds something, terminated by a zero byte; false at the end.
    bool Next()
    {
        while (position < text.size()) {
            const int end = text.indexOf('\n', position);
            const int stop = end < 0 ? text.size() : end;
            line = text.mid(position, stop - position);
            position = stop + 1;
            ++number;
            const int comment = line.indexOf('#');
            if (comment >= 0)
                line.truncate(comment);
            line = line.trimmed();
            if (!line.isEmpty())
                return true;
        }
        return false;
    }
    const char *Line() const { return line.constData(); }
    int Number() const { return number; }

private:
    const QByteArray &text;
    int position = 0;
    int number = 0;
    QByteArray line;
};

bool ReadInteger(const char *&at, long long &value)
{
    char *end = nullptr;
    errno = 0;
    value = std::strtoll(at, &end, 10);
    if (end == at || errno != 0 || (*end != '\0' && *end != ' ' && *end != '\t' && *end != '\r'))
        return false;
    at = end;
    return true;
}

bool ReadNumber(const char *&at, double &value)
{
    char *end = nullptr;
    errno = 0;
    value = std::strtod(at, &end);
    if (end == at || errno == ERANGE || !std::isfinite(value)
        || (*end != '\0' && *end != ' ' && *end != '\t' && *end != '\r'))
        return false;
    at = end;
    return true;
}

OffReading Failure(const QString &text)
{
    return {nullptr, text};
}

} // namespace

OffReading ReadOffModel(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    LineReader lines(bytes);
    const auto at = [&](const QString &what) {
        return Failure(QStringLiteral("%1, line %2: %3").arg(path).arg(lines.Number()).arg(what));
    };
    const auto atEnd = [&](const QString &what) { return Failure(QStringLiteral("%1: %2").arg(path, what)); };

    if (!lines.Next() || std::strncmp(lines.Line(), "OFF", 3) != 0
        || (lines.Line()[3] != '\0' && lines.Line()[3] != ' ' && lines.Line()[3] != '\t'))
        return at(QStringLiteral("the file does not begin with \"OFF\""));
    const char *cursor = lines.Line() + 3;
    while (*cursor == ' ' || *cursor == '\t')
        ++cursor;
    if (*cursor == '\0') {
        if (!lines.Next())
            return atEnd(QStringLiteral("the counts of vertices and faces are missing"));
        cursor = lines.Line();
    }
    long long vertexCount = 0, faceCount = 0;
    if (!ReadInteger(cursor, vertexCount) || !ReadInteger(cursor, faceCount) || vertexCount < 3 || faceCount < 1
        || vertexCount > 0x7fffffffLL || faceCount > 0x7fffffffLL)
        return at(QStringLiteral("expected the counts of vertices (3 or more) and faces (1 or more)"));

    auto points = vtkSmartPointer<vtkPoints>::New();
    points->SetDataTypeToDouble();
    points->SetNumberOfPoints(vertexCount);
    for (vtkIdType v = 0; v < vertexCount; ++v) {
        if (!lines.Next())
            return atEnd(QStringLiteral("the file ends after %1 of its %2 vertices").arg(v).arg(vertexCount));
        double p[3];
        cursor = lines.Line();
        if (!ReadNumber(cursor, p[0]) || !ReadNumber(cursor, p[1]) || !ReadNumber(cursor, p[2]))
            return at(QStringLiteral("expected a vertex: three finite numbers"));
        points->SetPoint(v, p);
    }

    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    triangles->AllocateEstimate(faceCount, 3);
    std::vector<vtkIdType> corners;
    for (long long f = 0; f < faceCount; ++f) {
        if (!lines.Next())
            return atEnd(QStringLiteral("the file ends after %1 of its %2 faces").arg(f).arg(faceCount));
        cursor = lines.Line();
        long long size = 0;
        if (!ReadInteger(cursor, size) || size < 3 || size > 1000000)
            return at(QStringLiteral("expected a face: its number of corners (3 or more), then their vertices"));
        corners.resize(size_t(size));
        for (vtkIdType &corner : corners) {
            long long index = 0;
            if (!ReadInteger(cursor, index))
                return at(QStringLiteral("the face lists fewer vertices than its %1 corners").arg(size));
            if (index < 0 || index >= vertexCount)
                return at(QStringLiteral("vertex %1 does not exist (there are %2)").arg(index).arg(vertexCount));
            corner = vtkIdType(index);
        }
        for (size_t k = 1; k + 1 < corners.size(); ++k) {
            const vtkIdType fan[3] = {corners[0], corners[k], corners[k + 1]};
            if (fan[0] == fan[1] || fan[1] == fan[2] || fan[0] == fan[2])
                return at(QStringLiteral("the face uses one vertex twice"));
            triangles->InsertNextCell(3, fan);
        }
    }

    OffReading reading;
    reading.model = vtkSmartPointer<vtkPolyData>::New();
    reading.model->SetPoints(points);
    reading.model->SetPolys(triangles);
    return reading;
}
