#include "io/read/PlyReader.h"

#include "io/read/MeshAssembly.h"
#include "io/read/PlyHeader.h"
#include "io/read/TextWords.h"

#include <QtEndian>

#include <vtkCellArray.h>
#include <vtkFloatArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTypeInt32Array.h>
#include <vtkUnsignedCharArray.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <system_error>
#include <thread>
#include <vector>

namespace lumeno {

namespace {

// Where a vertex property's value goes.
enum Slot { X, Y, Z, NX, NY, NZ, Red, Green, Blue, Alpha, U, V, SlotCount, NoSlot = SlotCount };

// Below this many records one thread does it all: starting others costs more than it gains.
constexpr size_t RecordsForThreads = 1 << 16;
// Corners are 32-bit indices.
constexpr size_t MaxCorners = size_t(std::numeric_limits<std::int32_t>::max());

double BinaryScalar(const char *at, const PlyType &type, bool big)
{
    switch (type.size) {
    case 1:
        return type.isSigned ? double(std::int8_t(*at)) : double(std::uint8_t(*at));
    case 2: {
        const quint16 raw = big ? qFromBigEndian<quint16>(at) : qFromLittleEndian<quint16>(at);
        return type.isSigned ? double(qint16(raw)) : double(raw);
    }
    case 4: {
        const quint32 raw = big ? qFromBigEndian<quint32>(at) : qFromLittleEndian<quint32>(at);
        if (type.isInteger)
            return type.isSigned ? double(qint32(raw)) : double(raw);
        float value;
        std::memcpy(&value, &raw, sizeof value);
        return double(value);
    }
    default: {
        const quint64 raw = big ? qFromBigEndian<quint64>(at) : qFromLittleEndian<quint64>(at);
        double value;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }
    }
}

class BinarySource
{
public:
    BinarySource(const char *begin, const char *end, bool bigEndian) : at(begin), stop(end), big(bigEndian) {}

    bool Scalar(const PlyType &type, double &value)
    {
        if (size_t(stop - at) < size_t(type.size))
            return false;
        value = BinaryScalar(at, type, big);
        at += type.size;
        return true;
    }
    bool Skip(const PlyType &type, size_t count)
    {
        if (size_t(stop - at) / size_t(type.size) < count)
            return false;
        at += count * size_t(type.size);
        return true;
    }
    bool EndRecord() { return true; }
    const char *Position() const { return at; }

private:
    const char *at;
    const char *stop;
    bool big;
};

// The numbers of an ASCII body, one record a line (blank lines between records passed over),
// parsed in the C locale's way whatever the program's locale is.
class AsciiSource
{
public:
    AsciiSource(const char *begin, const char *end) : at(begin), stop(end) {}

    bool Scalar(const PlyType &, double &value)
    {
        const char *start = Word();
        if (start == at)
            return false;
        const char *from = *start == '+' ? start + 1 : start;
        const auto [end, error] = std::from_chars(from, at, value);
        return error == std::errc() && end == at;
    }
    bool Skip(const PlyType &, size_t count)
    {
        for (size_t i = 0; i < count; ++i) {
            const char *start = Word();
            if (start == at)
                return false;
        }
        return true;
    }
    // Whether the record's line holds nothing more; moves to the next line.
    bool EndRecord()
    {
        while (at < stop && IsBlank(*at))
            ++at;
        if (at < stop && *at != '\n')
            return false;
        at += at < stop ? 1 : 0;
        recordStart = true;
        return true;
    }
    const char *Position() const { return at; }

private:
    const char *Word()
    {
        while (at < stop && (IsBlank(*at) || (recordStart && *at == '\n')))
            ++at;
        recordStart = false;
        const char *start = at;
        while (at < stop && !IsBlank(*at) && *at != '\n')
            ++at;
        return start;
    }

    const char *at;
    const char *stop;
    bool recordStart = true;
};

// A list's count: a whole number from 0 to MaxPlyListLength.
template <typename Source>
bool ListLength(Source &source, const PlyType &type, size_t &length)
{
    double value = 0;
    if (!source.Scalar(type, value) || !(value >= 0) || value > double(MaxPlyListLength) || value != std::floor(value))
        return false;
    length = size_t(value);
    return true;
}

bool IsColourName(const std::string &name)
{
    return name == "red" || name == "green" || name == "blue" || name == "alpha";
}

Slot SlotOf(const std::string &name)
{
    static const std::pair<const char *, Slot> names[] = {
        {"x", X},         {"y", Y},           {"z", Z},           {"nx", NX},           {"ny", NY},
        {"nz", NZ},       {"red", Red},       {"green", Green},   {"blue", Blue},       {"alpha", Alpha},
        {"u", U},         {"v", V},           {"s", U},           {"t", V},             {"texture_u", U},
        {"texture_v", V}, {"texture_s", U},   {"texture_t", V},
    };
    for (const auto &[known, slot] : names)
        if (name == known)
            return slot;
    return NoSlot;
}

// Where each vertex property goes and what the vertices carry.
struct VertexLayout
{
    std::vector<Slot> targets; // one per property
    bool fraction[SlotCount] = {};
    bool has[SlotCount] = {};

    bool Normals() const { return has[NX] && has[NY] && has[NZ]; }
    bool Colours() const { return has[Red] && has[Green] && has[Blue]; }
    bool Opacity() const { return Colours() && has[Alpha]; }
    bool TextureCoordinates() const { return has[U] && has[V]; }
};

bool MakeVertexLayout(const PlyElement &element, VertexLayout &layout)
{
    for (const PlyProperty &property : element.properties) {
        Slot slot = property.isList ? NoSlot : SlotOf(property.name);
        if (slot != NoSlot && layout.has[slot])
            slot = NoSlot; // s t beside u v: the first pair counts
        layout.targets.push_back(slot);
        if (slot != NoSlot) {
            layout.has[slot] = true;
            layout.fraction[slot] = !property.valueType.isInteger;
        }
    }
    return layout.has[X] && layout.has[Y] && layout.has[Z];
}

// The arrays the vertices go into, as many values per vertex as they carry.
struct VertexArrays
{
    float *positions = nullptr;
    float *normals = nullptr;
    unsigned char *colours = nullptr;
    int colourComponents = 0;
    float *textureCoordinates = nullptr;
};

bool ToFloat(double value, float &out)
{
    out = float(value);
    return std::isfinite(out);
}

unsigned char ColourByte(double value, bool fraction)
{
    const double scaled = fraction ? std::clamp(value, 0.0, 1.0) * 255.0 : std::clamp(value, 0.0, 255.0);
    return static_cast<unsigned char>(std::lround(scaled));
}

template <typename Source>
bool ReadVertices(Source &source, const PlyElement &element, const VertexLayout &layout, const VertexArrays &out,
                  size_t first, size_t end)
{
    double values[SlotCount + 1] = {};
    values[Alpha] = 1;
    const bool normals = out.normals, texture = out.textureCoordinates;
    for (size_t v = first; v < end; ++v) {
        for (size_t p = 0; p < element.properties.size(); ++p) {
            const PlyProperty &property = element.properties[p];
            if (property.isList) {
                size_t length = 0;
                if (!ListLength(source, property.countType, length) || !source.Skip(property.valueType, length))
                    return false;
            } else if (!source.Scalar(property.valueType, values[layout.targets[p]])) {
                return false;
            }
        }
        if (!source.EndRecord())
            return false;
        for (int axis = 0; axis < 3; ++axis) {
            if (!ToFloat(values[X + axis], out.positions[3 * v + size_t(axis)]))
                return false;
            if (normals && !ToFloat(values[NX + axis], out.normals[3 * v + size_t(axis)]))
                return false;
        }
        if (texture && (!ToFloat(values[U], out.textureCoordinates[2 * v]) ||
                        !ToFloat(values[V], out.textureCoordinates[2 * v + 1])))
            return false;
        if (out.colours) {
            const size_t at = size_t(out.colourComponents) * v;
            for (int c = 0; c < out.colourComponents; ++c) {
                const double value = values[Red + c];
                if (!std::isfinite(value))
                    return false;
                out.colours[at + size_t(c)] = ColourByte(value, layout.fraction[Red + c]);
            }
        }
    }
    return true;
}

// Runs work(first, end) on shares of `count` records at once; false when any share failed.
template <typename Work>
bool InShares(size_t count, int threads, const Work &work)
{
    if (threads <= 0)
        threads = int(std::max(1u, std::thread::hardware_concurrency()));
    const size_t shares = count < RecordsForThreads ? 1 : std::min(size_t(threads), count / (RecordsForThreads / 4));
    std::vector<char> done(shares, 0);
    const auto run = [&](size_t share) {
        done[share] = work(count * share / shares, count * (share + 1) / shares) ? 1 : 0;
    };
    std::vector<std::thread> started;
    for (size_t share = 1; share < shares; ++share) {
        try {
            started.emplace_back(run, share);
        } catch (const std::system_error &) {
            run(share); // the system gives no more threads
        }
    }
    run(0);
    for (std::thread &thread : started)
        thread.join();
    return std::all_of(done.begin(), done.end(), [](char ok) { return ok != 0; });
}

struct Faces
{
    std::vector<std::int32_t> offsets{0};
    std::vector<std::int32_t> connectivity;
    qint64 primitives = 0;
};

template <typename Source>
bool ReadFaceIndex(Source &source, const PlyType &type, size_t vertices, std::int32_t &index)
{
    double value = 0;
    if (!source.Scalar(type, value) || !(value >= 0) || value >= double(vertices) || value != std::floor(value))
        return false;
    index = std::int32_t(value);
    return true;
}

template <typename Source>
bool ReadFaces(Source &source, const PlyElement &element, size_t indexList, size_t vertices, Faces &faces)
{
    faces.offsets.reserve(element.count + 1);
    for (size_t f = 0; f < element.count; ++f) {
        const size_t before = faces.connectivity.size();
        for (size_t p = 0; p < element.properties.size(); ++p) {
            const PlyProperty &property = element.properties[p];
            if (!property.isList) {
                if (!source.Skip(property.valueType, 1))
                    return false;
                continue;
            }
            size_t length = 0;
            if (!ListLength(source, property.countType, length))
                return false;
            if (p != indexList) {
                if (!source.Skip(property.valueType, length))
                    return false;
                continue;
            }
            for (size_t i = 0; i < length; ++i) {
                std::int32_t index = 0;
                if (!ReadFaceIndex(source, property.valueType, vertices, index))
                    return false;
                faces.connectivity.push_back(index);
            }
        }
        if (!source.EndRecord())
            return false;
        const size_t corners = faces.connectivity.size() - before;
        if (corners < 3) {
            faces.connectivity.resize(before);
            faces.primitives += corners > 0 ? 1 : 0; // an empty face is nothing at all
        } else if (faces.connectivity.size() > MaxCorners) {
            return false;
        } else {
            faces.offsets.push_back(std::int32_t(faces.connectivity.size()));
        }
    }
    return true;
}

// Binary faces of one corner count each, the usual case, are read in parallel at a fixed
// stride; false when the faces are not all alike (or damaged), to be read one by one.
bool ReadUniformFaces(const char *&begin, const char *end, bool big, const PlyElement &element, size_t indexList,
                      size_t vertices, int threads, Faces &faces)
{
    const PlyProperty &list = element.properties[indexList];
    size_t before = 0, after = 0;
    for (size_t p = 0; p < element.properties.size(); ++p) {
        if (p == indexList)
            continue;
        if (element.properties[p].isList)
            return false;
        (p < indexList ? before : after) += size_t(element.properties[p].valueType.size);
    }
    BinarySource first(begin + before, end, big);
    size_t corners = 0;
    if (element.count < RecordsForThreads || !ListLength(first, list.countType, corners) || corners < 3)
        return false;
    const size_t stride = before + size_t(list.countType.size) + corners * size_t(list.valueType.size) + after;
    if (size_t(end - begin) / stride < element.count || corners * element.count > MaxCorners)
        return false;
    faces.offsets.resize(element.count + 1);
    faces.connectivity.resize(corners * element.count);
    const bool read = InShares(element.count, threads, [&](size_t from, size_t to) {
        for (size_t f = from; f < to; ++f) {
            BinarySource source(begin + f * stride + before, end, big);
            size_t length = 0;
            if (!ListLength(source, list.countType, length) || length != corners)
                return false;
            for (size_t i = 0; i < corners; ++i)
                if (!ReadFaceIndex(source, list.valueType, vertices, faces.connectivity[f * corners + i]))
                    return false;
            faces.offsets[f + 1] = std::int32_t((f + 1) * corners);
        }
        return true;
    });
    if (!read) {
        faces = Faces();
        return false;
    }
    begin += element.count * stride;
    return true;
}

// The fewest bytes a record of the element takes: every list empty, every ASCII value one
// character and a separator.
size_t SmallestRecord(const PlyElement &element, bool ascii)
{
    if (ascii)
        return 2 * element.properties.size();
    size_t size = 0;
    for (const PlyProperty &property : element.properties)
        size += size_t(property.isList ? property.countType.size : property.valueType.size);
    return size;
}

template <typename Source>
bool SkipElement(Source &source, const PlyElement &element)
{
    for (size_t r = 0; r < element.count; ++r) {
        for (const PlyProperty &property : element.properties) {
            size_t length = 1;
            if (property.isList && !ListLength(source, property.countType, length))
                return false;
            if (!source.Skip(property.valueType, length))
                return false;
        }
        if (!source.EndRecord())
            return false;
    }
    return true;
}

size_t FindIndexList(const PlyElement &face)
{
    for (size_t p = 0; p < face.properties.size(); ++p) {
        const PlyProperty &property = face.properties[p];
        if (property.isList && property.valueType.isInteger &&
            (property.name == "vertex_indices" || property.name == "vertex_index"))
            return p;
    }
    return face.properties.size();
}

template <typename Array>
vtkSmartPointer<Array> NewArray(const char *name, int components, size_t tuples)
{
    auto array = vtkSmartPointer<Array>::New();
    if (name)
        array->SetName(name);
    array->SetNumberOfComponents(components);
    array->SetNumberOfTuples(vtkIdType(tuples));
    return array;
}

} // namespace

FormatReading ReadPly(std::string_view file, int threads)
{
    PlyHeader header;
    if (!ParsePlyHeader(file, header))
        return Failed(ReadFailure::DamagedFile);
    const PlyElement *vertexElement = nullptr;
    const PlyElement *faceElement = nullptr;
    for (const PlyElement &element : header.elements) {
        const PlyElement *&named = element.name == "vertex" ? vertexElement : faceElement;
        if (element.name == "vertex" || element.name == "face") {
            if (named)
                return Failed(ReadFailure::DamagedFile);
            named = &element;
        }
    }
    // A point cloud: vertices without faces.
    if (!faceElement || faceElement->count == 0)
        return Failed(ReadFailure::NoTriangles);
    VertexLayout layout;
    const size_t indexList = FindIndexList(*faceElement);
    if (!vertexElement || !MakeVertexLayout(*vertexElement, layout) || indexList == faceElement->properties.size())
        return Failed(ReadFailure::DamagedFile);
    const size_t vertexCount = vertexElement->count;

    // Every count is checked against the bytes left before anything is sized by it.
    const bool ascii = header.format == PlyFormat::Ascii;
    const bool big = header.format == PlyFormat::BinaryBigEndian;
    size_t smallestBody = 0;
    for (const PlyElement &element : header.elements) {
        const size_t record = SmallestRecord(element, ascii);
        if (element.count > 0 && record == 0)
            return Failed(ReadFailure::DamagedFile); // records of nothing
        if (element.count > 0 && element.count > (file.size() - header.bodyStart + 1) / record)
            return Failed(ReadFailure::DamagedFile);
        smallestBody += element.count * record;
        if (smallestBody > file.size() - header.bodyStart + 1)
            return Failed(ReadFailure::DamagedFile);
    }
    MeshAssembly assembly(file.size());
    if (!assembly.Fits(vertexCount, faceElement->count))
        return Failed(ReadFailure::OverLimit, assembly.LimitText(MeshAssembly::Limit::PointsOrTriangles));

    auto positions = NewArray<vtkFloatArray>(nullptr, 3, vertexCount);
    VertexArrays out;
    out.positions = positions->GetPointer(0);
    vtkSmartPointer<vtkFloatArray> normals, textureCoordinates;
    vtkSmartPointer<vtkUnsignedCharArray> colours;
    if (layout.Normals()) {
        normals = NewArray<vtkFloatArray>("Normals", 3, vertexCount);
        out.normals = normals->GetPointer(0);
    }
    if (layout.TextureCoordinates()) {
        textureCoordinates = NewArray<vtkFloatArray>("TCoords", 2, vertexCount);
        out.textureCoordinates = textureCoordinates->GetPointer(0);
    }
    if (layout.Colours()) {
        out.colourComponents = layout.Opacity() ? 4 : 3;
        colours = NewArray<vtkUnsignedCharArray>(layout.Opacity() ? "RGBA" : "RGB", out.colourComponents, vertexCount);
        out.colours = colours->GetPointer(0);
    }

    FormatReading reading;
    Faces faces;
    const char *at = file.data() + header.bodyStart;
    const char *const end = file.data() + file.size();
    for (const PlyElement &element : header.elements) {
        bool read = true;
        const auto recordByRecord = [&](auto &&source) {
            if (&element == vertexElement)
                read = ReadVertices(source, element, layout, out, 0, element.count);
            else if (&element == faceElement)
                read = ReadFaces(source, element, indexList, vertexCount, faces);
            else
                read = SkipElement(source, element);
            at = source.Position();
        };
        if (ascii) {
            recordByRecord(AsciiSource(at, end));
        } else if (const size_t stride = element.FixedSize(); stride > 0) {
            // Counts were checked: the records lie within the file.
            if (&element == vertexElement)
                read = InShares(element.count, threads, [&](size_t from, size_t to) {
                    BinarySource source(at + from * stride, end, big);
                    return ReadVertices(source, element, layout, out, from, to);
                });
            at += element.count * stride;
        } else if (&element != faceElement ||
                   !ReadUniformFaces(at, end, big, element, indexList, vertexCount, threads, faces)) {
            recordByRecord(BinarySource(at, end, big));
        }
        if (!read)
            return Failed(ReadFailure::DamagedFile);
    }

    reading.faceColoursNotRead = std::any_of(faceElement->properties.begin(), faceElement->properties.end(),
                                             [](const PlyProperty &property) { return IsColourName(property.name); });
    reading.primitivesLeftOut = faces.primitives;
    reading.partsMerged = 1;
    reading.model = vtkSmartPointer<vtkPolyData>::New();
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->SetData(positions);
    reading.model->SetPoints(points);
    vtkPointData *data = reading.model->GetPointData();
    if (normals)
        data->SetNormals(normals);
    if (textureCoordinates)
        data->SetTCoords(textureCoordinates);
    if (colours)
        data->SetScalars(colours);
    // Polygons stay polygons: the reading triangulates them as for every format.
    const auto toArray = [](std::vector<std::int32_t> &values) {
        auto array = vtkSmartPointer<vtkTypeInt32Array>::New();
        array->SetNumberOfValues(vtkIdType(values.size()));
        std::copy(values.begin(), values.end(), array->GetPointer(0));
        std::vector<std::int32_t>().swap(values);
        return array;
    };
    auto polys = vtkSmartPointer<vtkCellArray>::New();
    polys->SetData(toArray(faces.offsets), toArray(faces.connectivity));
    reading.model->SetPolys(polys);
    return reading;
}

} // namespace lumeno
