#include "io/read/ObjReader.h"

#include "io/read/ObjLook.h"
#include "io/read/ObjStatements.h"

#include <QCoreApplication>
#include <QLocale>

#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkFloatArray.h>
#include <vtkIntArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTypeInt32Array.h>
#include <vtkUnsignedCharArray.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <new>
#include <vector>

namespace lumeno {

namespace {

constexpr std::int32_t Absent = -1;
// Elements, corners and faces are counted in 32 bits, as the model's cells hold them.
constexpr std::int64_t MaxCount = std::numeric_limits<std::int32_t>::max();

// One index: digits with an optional sign. 1 is the first element, -1 the last of the `given`
// so far; the result counts from 0. False for 0, for one before the first, or for no index.
bool ToIndex(const char *first, const char *last, std::int64_t given, std::int32_t &index)
{
    bool negative = false;
    if (first < last && (*first == '+' || *first == '-')) {
        negative = *first == '-';
        ++first;
    }
    if (first == last || last - first > 10)
        return false;
    std::int64_t value = 0;
    for (; first < last; ++first) {
        const unsigned digit = unsigned(static_cast<unsigned char>(*first)) - unsigned('0');
        if (digit > 9)
            return false;
        value = value * 10 + digit;
    }
    if (value == 0 || value > MaxCount || (negative && value > given))
        return false;
    index = std::int32_t(negative ? given - value : value - 1);
    return true;
}

struct Corner
{
    std::int32_t v = Absent;
    std::int32_t vt = Absent;
    std::int32_t vn = Absent;
};

enum Element { Vertex, TextureCoordinate, Normal };

// What the statements have given so far.
struct ObjContents
{
    std::vector<float> positions;          // x y z per "v"
    std::vector<float> colours;            // r g b per "v", while every "v" so far has them
    std::vector<float> textureCoordinates; // u v per "vt"
    std::vector<float> normals;            // x y z per "vn"
    std::int64_t given[3] = {0, 0, 0};     // v, vt, vn
    std::int32_t largest[3] = {Absent, Absent, Absent}; // the largest index used of each
    std::int64_t colouredVertices = 0;

    std::vector<Corner> corners;           // of the faces, one after another
    std::vector<std::int32_t> faceEnds;    // where each face's corners end
    ObjLook look;                          // each face's material and part
    std::int64_t facesWithTexture = 0;
    std::int64_t facesWithNormal = 0;

    // One corner of a face, line or point: "v", "v/vt", "v//vn" or "v/vt/vn", each also with a
    // trailing '/' ("1/", "1/2/", "1//").
    bool ReadCorner(std::string_view word, Corner &corner)
    {
        const char *first = word.data();
        const char *const last = first + word.size();
        std::int32_t *indices[3] = {&corner.v, &corner.vt, &corner.vn};
        corner = Corner();
        for (int part = 0; part < 3; ++part) {
            const char *slash = std::find(first, last, '/');
            if (slash != first) {
                if (!ToIndex(first, slash, given[part], *indices[part]))
                    return false;
                largest[part] = std::max(largest[part], *indices[part]);
            } else if (part == Vertex) {
                return false;
            }
            if (slash == last)
                return true;
            first = slash + 1;
        }
        return first == last;
    }
};

enum class Outcome { Read, Damaged, OverLimit };

// Reads the numbers of a "v", "vt" or "vn" statement: at least `required`, at most `kept`
// (more are skipped), all of them floats. The count read is returned in `count`.
template <size_t kept>
bool ReadNumbers(Statements &statements, size_t required, float (&numbers)[kept], size_t &count)
{
    std::string_view word;
    count = 0;
    while (count < kept && statements.Word(word)) {
        if (!ToFloat(word, numbers[count]))
            return false;
        ++count;
    }
    return count >= required;
}

Outcome ReadVertex(Statements &statements, ObjContents &obj)
{
    float numbers[7];
    size_t count = 0;
    if (!ReadNumbers(statements, 3, numbers, count))
        return Outcome::Damaged;
    if (obj.given[Vertex] >= MaxCount)
        return Outcome::OverLimit;
    obj.positions.insert(obj.positions.end(), numbers, numbers + 3);
    ++obj.given[Vertex];
    // Three numbers after the position are a colour (a fourth alone is a weight, not kept);
    // the colours are kept only while every vertex has one.
    if (count == 6) {
        ++obj.colouredVertices;
        if (obj.colouredVertices == obj.given[Vertex])
            obj.colours.insert(obj.colours.end(), numbers + 3, numbers + 6);
    }
    return Outcome::Read;
}

// A "vt" statement (u, v or none, w not kept) or a "vn" statement (x y z): `stored` of its
// numbers go to `values`.
Outcome ReadAttribute(Statements &statements, ObjContents &obj, Element element, size_t required, size_t stored,
                      std::vector<float> &values)
{
    float numbers[3] = {0, 0, 0};
    size_t count = 0;
    if (!ReadNumbers(statements, required, numbers, count))
        return Outcome::Damaged;
    if (obj.given[element] >= MaxCount)
        return Outcome::OverLimit;
    values.insert(values.end(), numbers, numbers + stored);
    ++obj.given[element];
    return Outcome::Read;
}

// A face's corners are kept; a face of fewer than three corners is counted with the points
// and lines, whose corners are only checked.
Outcome ReadCorners(Statements &statements, ObjContents &obj, bool face, FormatReading &reading)
{
    const size_t first = obj.corners.size();
    std::string_view word;
    Corner corner;
    size_t count = 0;
    bool texture = true;
    bool normal = true;
    for (; statements.Word(word); ++count) {
        if (!obj.ReadCorner(word, corner))
            return Outcome::Damaged;
        if (!face)
            continue;
        if (obj.corners.size() >= size_t(MaxCount))
            return Outcome::OverLimit;
        obj.corners.push_back(corner);
        texture = texture && corner.vt != Absent;
        normal = normal && corner.vn != Absent;
    }
    if (count == 0)
        return Outcome::Damaged;
    if (!face || count < 3) {
        obj.corners.resize(first);
        ++reading.primitivesLeftOut;
        return Outcome::Read;
    }
    if (!obj.look.AddFace())
        return Outcome::OverLimit;
    obj.faceEnds.push_back(std::int32_t(obj.corners.size()));
    obj.facesWithTexture += texture ? 1 : 0;
    obj.facesWithNormal += normal ? 1 : 0;
    return Outcome::Read;
}

// The words of a statement, each one of its own: the names of material libraries.
std::vector<std::string> Words(Statements &statements)
{
    std::vector<std::string> words;
    std::string_view word;
    while (statements.Word(word))
        if (words.size() < 256)
            words.emplace_back(word);
    return words;
}

Outcome ReadStatements(std::string_view text, const QString &folder, ObjContents &obj, FormatReading &reading)
{
    Statements statements(text);
    std::string_view keyword;
    while (statements.Keyword(keyword)) {
        Outcome outcome = Outcome::Read;
        if (keyword == "v")
            outcome = ReadVertex(statements, obj);
        else if (keyword == "f")
            outcome = ReadCorners(statements, obj, true, reading);
        else if (keyword == "vt")
            outcome = ReadAttribute(statements, obj, TextureCoordinate, 1, 2, obj.textureCoordinates);
        else if (keyword == "vn")
            outcome = ReadAttribute(statements, obj, Normal, 3, 3, obj.normals);
        else if (keyword == "p" || keyword == "l")
            outcome = ReadCorners(statements, obj, false, reading);
        else if (keyword == "usemtl")
            outcome = obj.look.UseMaterial(RestOfStatement(statements)) ? Outcome::Read : Outcome::OverLimit;
        else if (keyword == "mtllib")
            obj.look.NameLibraries(Words(statements), folder);
        else if (keyword == "o")
            obj.look.BeginObject(RestOfStatement(statements));
        else if (keyword == "g")
            obj.look.BeginGroup(RestOfStatement(statements));
        if (outcome != Outcome::Read)
            return outcome;
    }
    return Outcome::Read;
}

template <typename Vector>
void Release(Vector &vector)
{
    Vector().swap(vector);
}

// VTK tells of an allocation that failed only by leaving the array short: such an array
// throws as the standard containers do, and the reading reports that memory ran short.
template <typename Array>
vtkSmartPointer<Array> NewArray(const char *name, int components, vtkIdType tuples)
{
    auto array = vtkSmartPointer<Array>::New();
    array->SetName(name);
    array->SetNumberOfComponents(components);
    array->SetNumberOfTuples(tuples);
    if (array->GetNumberOfTuples() != tuples)
        throw std::bad_alloc();
    return array;
}

// Colours from 0 to 1, or from 0 to 255 where any value is larger than 1, as bytes.
vtkSmartPointer<vtkUnsignedCharArray> ColourBytes(const std::vector<float> &colours,
                                                  const std::vector<std::int32_t> &vertexOfPoint,
                                                  vtkIdType points)
{
    const float largest = colours.empty() ? 0.0f : *std::max_element(colours.begin(), colours.end());
    const double scale = largest > 1 ? 1.0 : 255.0;
    auto bytes = NewArray<vtkUnsignedCharArray>("RGB", 3, points);
    unsigned char *out = bytes->GetPointer(0);
    for (vtkIdType point = 0; point < points; ++point) {
        const size_t v = vertexOfPoint.empty() ? size_t(point) : size_t(vertexOfPoint[size_t(point)]);
        for (size_t c = 0; c < 3; ++c)
            *out++ = static_cast<unsigned char>(
                std::lround(std::clamp(double(colours[3 * v + c]) * scale, 0.0, 255.0)));
    }
    return bytes;
}

// The distinct (v, vt, vn) of the corners (vt or vn Absent where not kept), in the order of
// their vertices, and each corner's among them in `ids`. The corners are bucketed by vertex in
// linear time and each vertex's few sorted: never worse than n log n, whatever the file.
std::vector<Corner> DistinctCorners(const std::vector<Corner> &corners, size_t vertices, bool keepTexture,
                                    bool keepNormals, std::int32_t *ids)
{
    // bucket[v + 1] ends vertex v's corners in `order`, then (filled backwards) begins them.
    std::vector<std::int32_t> bucket(vertices + 2, 0);
    for (const Corner &corner : corners)
        ++bucket[size_t(corner.v) + 1];
    for (size_t v = 1; v < bucket.size(); ++v)
        bucket[v] += bucket[v - 1];
    bucket[vertices + 1] = std::int32_t(corners.size());
    std::vector<std::int32_t> order(corners.size());
    for (size_t i = corners.size(); i-- > 0;)
        order[size_t(--bucket[size_t(corners[i].v) + 1])] = std::int32_t(i);

    struct Key
    {
        std::int32_t vt, vn, corner;
        bool operator<(const Key &other) const
        {
            return vt != other.vt ? vt < other.vt : (vn != other.vn ? vn < other.vn : corner < other.corner);
        }
    };
    std::vector<Key> keys;
    std::vector<Corner> distinct;
    for (size_t v = 0; v < vertices; ++v) {
        keys.clear();
        for (std::int32_t i = bucket[v + 1]; i < bucket[v + 2]; ++i) {
            const Corner &corner = corners[size_t(order[size_t(i)])];
            keys.push_back({keepTexture ? corner.vt : Absent, keepNormals ? corner.vn : Absent, order[size_t(i)]});
        }
        std::sort(keys.begin(), keys.end());
        for (size_t k = 0; k < keys.size(); ++k) {
            if (k == 0 || keys[k].vt != keys[k - 1].vt || keys[k].vn != keys[k - 1].vn)
                distinct.push_back({std::int32_t(v), keys[k].vt, keys[k].vn});
            ids[keys[k].corner] = std::int32_t(distinct.size() - 1);
        }
    }
    return distinct;
}

// The model of what was read: one point per distinct (v, vt, vn) of the corners, or every
// vertex as it is when neither texture coordinates nor normals are kept.
vtkSmartPointer<vtkPolyData> Model(ObjContents &obj, bool keepTexture, bool keepNormals, bool keepColours)
{
    const size_t cornerCount = obj.corners.size();
    auto connectivity = NewArray<vtkTypeInt32Array>("Connectivity", 1, vtkIdType(cornerCount));
    std::int32_t *ids = connectivity->GetPointer(0);
    std::vector<std::int32_t> vertexOfPoint; // empty: point i is vertex i
    std::vector<Corner> keyOfPoint;          // the vt and vn of each point
    vtkIdType points = vtkIdType(obj.given[Vertex]);
    if (keepTexture || keepNormals) {
        keyOfPoint = DistinctCorners(obj.corners, size_t(obj.given[Vertex]), keepTexture, keepNormals, ids);
        vertexOfPoint.reserve(keyOfPoint.size());
        for (const Corner &key : keyOfPoint)
            vertexOfPoint.push_back(key.v);
        points = vtkIdType(keyOfPoint.size());
    } else {
        for (size_t i = 0; i < cornerCount; ++i)
            ids[i] = obj.corners[i].v;
    }
    Release(obj.corners);

    auto offsets = NewArray<vtkTypeInt32Array>("Offsets", 1, vtkIdType(obj.faceEnds.size() + 1));
    offsets->SetValue(0, 0);
    std::copy(obj.faceEnds.begin(), obj.faceEnds.end(), offsets->GetPointer(1));
    Release(obj.faceEnds);
    auto polys = vtkSmartPointer<vtkCellArray>::New();
    polys->SetData(offsets, connectivity);

    const auto vertex = [&vertexOfPoint](vtkIdType point) {
        return vertexOfPoint.empty() ? size_t(point) : size_t(vertexOfPoint[size_t(point)]);
    };
    auto coordinates = NewArray<vtkFloatArray>("Points", 3, points);
    float *xyz = coordinates->GetPointer(0);
    for (vtkIdType point = 0; point < points; ++point)
        std::copy_n(obj.positions.data() + 3 * vertex(point), 3, xyz + 3 * point);
    Release(obj.positions);
    auto pointSet = vtkSmartPointer<vtkPoints>::New();
    pointSet->SetData(coordinates);

    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->SetPoints(pointSet);
    model->SetPolys(polys);
    vtkPointData *data = model->GetPointData();
    if (keepNormals) {
        auto normals = NewArray<vtkFloatArray>("Normals", 3, points);
        float *out = normals->GetPointer(0);
        for (vtkIdType point = 0; point < points; ++point)
            std::copy_n(obj.normals.data() + 3 * size_t(keyOfPoint[size_t(point)].vn), 3, out + 3 * point);
        data->SetNormals(normals);
    }
    if (keepTexture) {
        auto uvs = NewArray<vtkFloatArray>("TCoords", 2, points);
        float *out = uvs->GetPointer(0);
        for (vtkIdType point = 0; point < points; ++point)
            std::copy_n(obj.textureCoordinates.data() + 2 * size_t(keyOfPoint[size_t(point)].vt), 2, out + 2 * point);
        data->SetTCoords(uvs);
    }
    if (keepColours)
        data->SetScalars(ColourBytes(obj.colours, vertexOfPoint, points));
    for (const auto &[name, faceIds] : {std::make_pair(MaterialIdsName, &obj.look.FaceMaterials()),
                                        std::make_pair(PartIdsName, &obj.look.FaceParts())}) {
        if (faceIds->empty())
            continue;
        auto array = NewArray<vtkIntArray>(name, 1, vtkIdType(faceIds->size()));
        std::copy(faceIds->begin(), faceIds->end(), array->GetPointer(0));
        model->GetCellData()->AddArray(array);
    }
    return model;
}

} // namespace

FormatReading ReadObj(std::string_view text, const QString &folder)
{
    FormatReading reading;
    ObjContents obj;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") // a byte order mark, as some Windows programs write
        text.remove_prefix(3);
    const Outcome outcome = ReadStatements(text, folder, obj, reading);
    if (outcome == Outcome::OverLimit && obj.look.AtLimit())
        return Failed(ReadFailure::OverLimit, QCoreApplication::translate("ModelReader", "%1 materials or %2 groups")
                                                  .arg(QLocale().toString(ObjLook::MaxMaterials))
                                                  .arg(QLocale().toString(ObjLook::MaxParts)));
    if (outcome == Outcome::OverLimit)
        return Failed(ReadFailure::OverLimit,
                      QCoreApplication::translate("ModelReader", "%1 vertices or face corners").arg(MaxCount));
    if (outcome == Outcome::Damaged)
        return Failed(ReadFailure::DamagedFile);
    for (int element = Vertex; element <= Normal; ++element)
        if (obj.largest[element] >= obj.given[element])
            return Failed(ReadFailure::DamagedFile);

    // An attribute that some faces (or vertices) lack is left out of all.
    const auto faces = std::int64_t(obj.faceEnds.size());
    const bool keepTexture = faces > 0 && obj.facesWithTexture == faces;
    const bool keepNormals = faces > 0 && obj.facesWithNormal == faces;
    const bool keepColours = obj.given[Vertex] > 0 && obj.colouredVertices == obj.given[Vertex];
    reading.attributesLeftOut.textureCoordinates = obj.facesWithTexture > 0 && !keepTexture;
    reading.attributesLeftOut.normals = obj.facesWithNormal > 0 && !keepNormals;
    reading.attributesLeftOut.colours = obj.colouredVertices > 0 && !keepColours;
    reading.look = obj.look.Build(folder, reading.materialFilesNotRead);
    reading.model = Model(obj, keepTexture, keepNormals, keepColours);
    return reading;
}

} // namespace lumeno
