#include "reduce/QualitySimplifier.h"

#include "model/TriangleCells.h"
#include "model/TwoThreads.h"

#include <meshoptimizer.h>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkDoubleArray.h>
#include <vtkFloatArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkTypeInt32Array.h>
#include <vtkTypeInt64Array.h>
#include <vtkUnsignedCharArray.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numeric>
#include <unordered_map>

namespace lumeno {

namespace {

// The values of a float attribute array as one block: the array's own when it holds floats,
// else a copy in `copy`.
const float *FloatValues(vtkDataArray *array, std::vector<float> &copy)
{
    if (auto *floats = vtkFloatArray::SafeDownCast(array))
        return floats->GetPointer(0);
    copy.resize(size_t(array->GetNumberOfValues()));
    const int components = array->GetNumberOfComponents();
    for (vtkIdType i = 0; i < array->GetNumberOfValues(); ++i)
        copy[size_t(i)] = float(array->GetComponent(i / components, int(i % components)));
    return copy.data();
}

std::string NameOf(vtkDataArray *array, const char *fallback)
{
    return array->GetName() ? array->GetName() : fallback;
}

// Normals less than this angle apart (its cosine) belong to one smooth surface; further apart,
// to the two sides of a hard edge. A model shaded flat has a normal per triangle: welding
// only equal normals would make every edge a seam, and the simplifier could remove nothing.
constexpr float CreaseCosine = 0.866f; // 30 degrees, the common "auto smooth" angle

// Splits each welded vertex where its points' normals meet at a crease: the points of each
// side become one vertex with their mean normal. Rewrites `remap` to the new vertices, which
// are numbered in the order the triangles first use them, as meshoptimizer numbers welded
// vertices, and returns their number.
size_t SplitAtCreases(std::vector<unsigned int> &remap, size_t weldedCount, const std::vector<unsigned int> &corners,
                      const float *pointNormals, std::vector<float> &normals)
{
    constexpr unsigned int None = ~0u;
    std::vector<unsigned int> sideOfPoint(remap.size(), None);
    std::vector<unsigned int> firstSide(weldedCount, None);
    std::vector<unsigned int> nextSide;  // of the same welded vertex
    std::vector<unsigned int> sidePoint; // whose normal stands for the side
    normals.clear();
    for (const unsigned int point : corners) {
        if (sideOfPoint[point] != None)
            continue;
        const float *n = pointNormals + 3 * size_t(point);
        unsigned int side = firstSide[remap[point]];
        for (; side != None; side = nextSide[side]) {
            const float *m = pointNormals + 3 * size_t(sidePoint[side]);
            const float dot = n[0] * m[0] + n[1] * m[1] + n[2] * m[2];
            const float lengths =
                std::sqrt((n[0] * n[0] + n[1] * n[1] + n[2] * n[2]) * (m[0] * m[0] + m[1] * m[1] + m[2] * m[2]));
            if (std::equal(n, n + 3, m) || dot >= CreaseCosine * lengths)
                break;
        }
        if (side == None) {
            side = unsigned(sidePoint.size());
            sidePoint.push_back(unsigned(point));
            nextSide.push_back(firstSide[remap[point]]);
            firstSide[remap[point]] = side;
            normals.insert(normals.end(), {0.0f, 0.0f, 0.0f});
        }
        for (int axis = 0; axis < 3; ++axis)
            normals[3 * size_t(side) + size_t(axis)] += n[axis];
        sideOfPoint[point] = side;
    }
    remap.swap(sideOfPoint);
    for (size_t side = 0; side < sidePoint.size(); ++side) {
        float *n = normals.data() + 3 * side;
        const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (length > 0)
            for (int axis = 0; axis < 3; ++axis)
                n[axis] /= length;
    }
    return sidePoint.size();
}

// Of `count` triangles (three corners each), those with two corners at one place in the
// model's own precision taken out, the others kept in order: restored from the box, two
// vertices a rounding apart can meet. Returns how many are kept.
template <typename Coordinate, typename Index>
size_t WithoutCollapsed(const Coordinate *xyz, Index *corners, size_t count)
{
    const auto meet = [xyz](Index a, Index b) {
        return std::equal(xyz + 3 * size_t(a), xyz + 3 * size_t(a) + 3, xyz + 3 * size_t(b));
    };
    size_t kept = 0;
    for (size_t t = 0; t < count; ++t) {
        const Index *c = corners + 3 * t;
        if (meet(c[0], c[1]) || meet(c[1], c[2]) || meet(c[2], c[0]))
            continue;
        if (kept != t)
            std::copy_n(c, 3, corners + 3 * kept);
        ++kept;
    }
    return kept;
}

template <typename Index>
size_t WithoutCollapsed(vtkPoints *points, Index *corners, size_t count)
{
    if (points->GetDataType() == VTK_DOUBLE)
        return WithoutCollapsed(static_cast<const double *>(points->GetVoidPointer(0)), corners, count);
    return WithoutCollapsed(static_cast<const float *>(points->GetVoidPointer(0)), corners, count);
}

template <typename Ids>
vtkSmartPointer<vtkCellArray> TrianglesOf(const std::vector<uint32_t> &corners)
{
    const auto connectivity = NewIds<Ids>(corners.size());
    auto *corner = connectivity->GetPointer(0);
    InTwoHalves(corners.size() / 3, [&](size_t begin, size_t end) {
        std::copy(corners.begin() + std::ptrdiff_t(3 * begin), corners.begin() + std::ptrdiff_t(3 * end),
                  corner + 3 * begin);
    });
    return TrianglesAround(connectivity.Get());
}

// Triangles from their corners, three per triangle, which are freed on the way: in 32-bit
// storage, half of VTK's usual, where the indices allow.
vtkSmartPointer<vtkCellArray> TrianglesOf(std::vector<uint32_t> &&corners)
{
    const std::vector<uint32_t> taken = std::move(corners);
    return taken.size() < size_t(INT32_MAX) ? TrianglesOf<vtkTypeInt32Array>(taken)
                                            : TrianglesOf<vtkTypeInt64Array>(taken);
}

// Gives each point that triangles of several keys share a copy for each further key, so that
// welding keeps the keys apart, and each point its key. Rewrites `corners` to the copies and
// returns, per copy (numbered on from `pointCount`), the point it copies.
std::vector<unsigned int> SplitPointsByKey(std::vector<unsigned int> &corners, const std::vector<uint32_t> &triangleKeys,
                                           size_t pointCount, std::vector<uint32_t> &pointKeys)
{
    constexpr uint32_t None = ~0u;
    pointKeys.assign(pointCount, None);
    std::vector<unsigned int> copied;
    std::unordered_map<uint64_t, unsigned int> copyOf; // (point, key) -> its copy
    for (size_t t = 0; t < triangleKeys.size(); ++t) {
        const uint32_t key = triangleKeys[t];
        for (size_t k = 0; k < 3; ++k) {
            unsigned int &point = corners[3 * t + k];
            if (pointKeys[point] == None)
                pointKeys[point] = key;
            if (pointKeys[point] == key)
                continue;
            const auto [at, added] =
                copyOf.emplace(uint64_t(point) << 32 | key, unsigned(pointCount + copied.size()));
            if (added) {
                copied.push_back(point);
                pointKeys.push_back(key);
            }
            point = at->second;
        }
    }
    return copied;
}

// `values` (`width` per point, `count` points) with those of the points `copied` appended,
// in `storage`.
template <typename Value>
const Value *WithCopies(const Value *values, size_t width, size_t count, const std::vector<unsigned int> &copied,
                        std::vector<Value> &storage)
{
    if (copied.empty())
        return values;
    std::vector<Value> extended(values, values + width * count);
    extended.reserve(width * (count + copied.size()));
    for (const unsigned int point : copied)
        extended.insert(extended.end(), values + width * point, values + width * (point + 1));
    storage.swap(extended);
    return storage.data();
}

} // namespace

QualitySimplifier::QualitySimplifier(vtkPolyData *model, unsigned collapseThreads) : box(model), threads(collapseThreads)
{
    // The points as they are, then their triangles: points alike (see the class) become one
    // vertex, in the order the triangles first use them; points no triangle uses are left out.
    const size_t pointCount = size_t(model->GetNumberOfPoints());
    std::vector<float> points(pointCount * 3);
    for (size_t i = 0; i < pointCount; ++i) {
        double unit[3];
        box.Normalise(model->GetPoint(vtkIdType(i)), unit);
        std::copy(unit, unit + 3, points.begin() + std::ptrdiff_t(3 * i));
    }
    indices.reserve(size_t(model->GetNumberOfPolys()) * 3);
    looks = TriangleLooks::Of(model);
    std::vector<uint32_t> triangleKeys;
    auto cells = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cells->GoToFirstCell(); !cells->IsDoneWithTraversal(); cells->GoToNextCell()) {
        vtkIdType count;
        const vtkIdType *ids;
        cells->GetCurrentCell(count, ids);
        if (count != 3) // the reader leaves triangles only
            continue;
        indices.insert(indices.end(), {unsigned(ids[0]), unsigned(ids[1]), unsigned(ids[2])});
        if (looks.Any())
            triangleKeys.push_back(looks.keys[size_t(cells->GetCurrentCellId())]);
    }
    std::vector<uint32_t>().swap(looks.keys);
    // Materials and parts: a point their triangles share becomes one of its own per key, so
    // that the key is one more stream to weld by.
    std::vector<uint32_t> pointKeys;
    const std::vector<unsigned int> copied =
        looks.Any() ? SplitPointsByKey(indices, triangleKeys, pointCount, pointKeys) : std::vector<unsigned int>();
    std::vector<uint32_t>().swap(triangleKeys);
    for (const unsigned int point : copied)
        points.insert(points.end(), points.begin() + std::ptrdiff_t(3 * point),
                      points.begin() + std::ptrdiff_t(3 * point + 3));

    // Colours and texture coordinates are streams of their own beside the positions: the record
    // compared when welding, which nothing holds in one piece. Normals are compared afterwards,
    // within an angle (SplitAtCreases).
    std::vector<meshopt_Stream> streams{{points.data(), 3 * sizeof(float), 3 * sizeof(float)}};
    attributes = AttributesOf(model);
    vtkPointData *data = model->GetPointData();
    const unsigned char *pointColours = nullptr;
    const float *pointNormals = nullptr;
    const float *pointTextureCoordinates = nullptr;
    std::vector<float> normalCopy, textureCopy;
    std::vector<unsigned char> colourCopy;
    if (attributes.colours) {
        auto *array = vtkUnsignedCharArray::SafeDownCast(data->GetScalars());
        colourComponents = array->GetNumberOfComponents();
        colourName = NameOf(array, colourComponents == 4 ? "RGBA" : "RGB");
        pointColours =
            WithCopies(array->GetPointer(0), size_t(colourComponents), pointCount, copied, colourCopy);
        streams.push_back({pointColours, size_t(colourComponents), size_t(colourComponents)});
    }
    if (attributes.normals) {
        normalName = NameOf(data->GetNormals(), "Normals");
        pointNormals = WithCopies(FloatValues(data->GetNormals(), normalCopy), 3, pointCount, copied, normalCopy);
    }
    if (attributes.textureCoordinates) {
        textureName = NameOf(data->GetTCoords(), "TCoords");
        pointTextureCoordinates =
            WithCopies(FloatValues(data->GetTCoords(), textureCopy), 2, pointCount, copied, textureCopy);
        streams.push_back({pointTextureCoordinates, 2 * sizeof(float), 2 * sizeof(float)});
    }
    if (looks.Any())
        streams.push_back({pointKeys.data(), sizeof(uint32_t), sizeof(uint32_t)});
    const size_t splitCount = pointCount + copied.size();

    std::vector<unsigned int> remap(splitCount);
    size_t vertexCount = meshopt_generateVertexRemapMulti(remap.data(), indices.data(), indices.size(), splitCount,
                                                          streams.data(), streams.size());
    if (pointNormals)
        vertexCount = SplitAtCreases(remap, vertexCount, indices, pointNormals, normals);
    positions.resize(vertexCount * 3);
    meshopt_remapVertexBuffer(positions.data(), points.data(), splitCount, 3 * sizeof(float), remap.data());
    if (pointColours) {
        colours.resize(vertexCount * size_t(colourComponents));
        meshopt_remapVertexBuffer(colours.data(), pointColours, splitCount, size_t(colourComponents), remap.data());
    }
    if (pointTextureCoordinates) {
        textureCoordinates.resize(vertexCount * 2);
        meshopt_remapVertexBuffer(textureCoordinates.data(), pointTextureCoordinates, splitCount, 2 * sizeof(float),
                                  remap.data());
    }
    if (looks.Any()) {
        vertexKeys.resize(vertexCount);
        meshopt_remapVertexBuffer(vertexKeys.data(), pointKeys.data(), splitCount, sizeof(uint32_t), remap.data());
    }
    meshopt_remapIndexBuffer(indices.data(), indices.data(), indices.size(), remap.data());
    // Each welded vertex's place: welded by position alone, its own; else vertices at one
    // place (the sides of a seam) share it.
    std::vector<unsigned int> place;
    if (attributes.Any() || looks.Any()) {
        place = PlacesOf(positions.data(), vertexCount, sizeof(float));
    } else {
        place.resize(vertexCount);
        std::iota(place.begin(), place.end(), 0u);
    }
    // Triangles with two corners at one place (welding gives them one vertex twice, or the two
    // sides of a seam), and those on the places of another, go before any simplification:
    // they would reach its results.
    leftOut = LeaveOutCollapsedAndRepeated(indices, place);
}

struct QualitySimplifier::AttributeArrays
{
    vtkSmartPointer<vtkUnsignedCharArray> colours = vtkSmartPointer<vtkUnsignedCharArray>::New();
    vtkSmartPointer<vtkFloatArray> normals = vtkSmartPointer<vtkFloatArray>::New();
    vtkSmartPointer<vtkFloatArray> textureCoordinates = vtkSmartPointer<vtkFloatArray>::New();
};

QualitySimplifier::AttributeArrays QualitySimplifier::EmptyAttributeArrays() const
{
    AttributeArrays arrays;
    arrays.colours->SetNumberOfComponents(colourComponents);
    arrays.colours->SetName(colourName.c_str());
    arrays.normals->SetNumberOfComponents(3);
    arrays.normals->SetName(normalName.c_str());
    arrays.textureCoordinates->SetNumberOfComponents(2);
    arrays.textureCoordinates->SetName(textureName.c_str());
    return arrays;
}

size_t QualitySimplifier::ValueWidth() const
{
    return size_t(attributes.colours ? colourComponents : 0) + (attributes.normals ? 3 : 0) +
           (attributes.textureCoordinates ? 2 : 0);
}

vtkSmartPointer<vtkPolyData> QualitySimplifier::Assembled(vtkPoints *points, vtkCellArray *triangles,
                                                          const AttributeArrays &arrays) const
{
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->SetPoints(points);
    model->SetPolys(triangles);
    if (attributes.colours)
        model->GetPointData()->SetScalars(arrays.colours);
    if (attributes.normals)
        model->GetPointData()->SetNormals(arrays.normals);
    if (attributes.textureCoordinates)
        model->GetPointData()->SetTCoords(arrays.textureCoordinates);
    return model;
}

vtkSmartPointer<vtkPoints> QualitySimplifier::RestoredPoints(std::vector<float> &&unit) const
{
    const std::vector<float> taken = std::move(unit);
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->SetDataType(box.PointType());
    points->SetNumberOfPoints(vtkIdType(taken.size() / 3));
    if (box.PointType() == VTK_DOUBLE)
        Restore(taken.data(), static_cast<double *>(points->GetVoidPointer(0)), taken.size() / 3);
    else
        Restore(taken.data(), static_cast<float *>(points->GetVoidPointer(0)), taken.size() / 3);
    return points;
}

// From the unit box back to the model's place; `to` may be `unit` itself.
template <typename Coordinate>
void QualitySimplifier::Restore(const float *unit, Coordinate *to, size_t count) const
{
    InTwoHalves(count, [&](size_t begin, size_t end) {
        for (size_t v = begin; v < end; ++v) {
            const double at[3] = {unit[3 * v], unit[3 * v + 1], unit[3 * v + 2]};
            double point[3];
            box.Restore(at, point);
            std::copy_n(point, 3, to + 3 * v);
        }
    });
}

size_t QualitySimplifier::Collapse(const std::vector<size_t> &triangleCounts, double maxError, const Reached &reached,
                                   const std::function<bool()> &cancelled,
                                   const std::function<void(double)> &progress) const &
{
    CollapseMesh mesh;
    mesh.corners = indices;
    mesh.positions = positions;
    mesh.sides = vertexKeys;
    return Collapse(std::move(mesh), triangleCounts, maxError, AssembledFor(reached), cancelled, progress);
}

size_t QualitySimplifier::Collapse(const std::vector<size_t> &triangleCounts, double maxError, const Reached &reached,
                                   const std::function<bool()> &cancelled,
                                   const std::function<void(double)> &progress) &&
{
    return std::move(*this).CollapseUnassembled(triangleCounts, maxError, AssembledFor(reached), cancelled, progress);
}

size_t QualitySimplifier::CollapseUnassembled(const std::vector<size_t> &triangleCounts, double maxError,
                                              const Made &made, const std::function<bool()> &cancelled,
                                              const std::function<void(double)> &progress) &&
{
    CollapseMesh mesh;
    mesh.corners = std::move(indices);
    mesh.positions = std::move(positions);
    mesh.sides = std::move(vertexKeys);
    return Collapse(std::move(mesh), triangleCounts, maxError, made, cancelled, progress);
}

QualitySimplifier::Made QualitySimplifier::AssembledFor(const Reached &reached) const
{
    return [this, &reached](MadeLevel &&level) {
        const size_t goal = level.goal;
        reached(goal, Assemble(std::move(level)));
    };
}

vtkSmartPointer<vtkPolyData> QualitySimplifier::Assemble(MadeLevel &&level) const
{
    CollapseMesh &result = level.mesh;
    vtkSmartPointer<vtkTypeInt32Array> connectivity = std::move(level.connectivity);
    vtkSmartPointer<vtkPoints> points = std::move(level.points);
    if (points) {
        auto *unit = static_cast<float *>(points->GetVoidPointer(0));
        Restore(unit, unit, size_t(points->GetNumberOfPoints()));
    } else {
        points = RestoredPoints(std::move(result.positions));
    }
    const vtkIdType count = points->GetNumberOfPoints();
    const AttributeArrays values = EmptyAttributeArrays();
    values.colours->SetNumberOfTuples(attributes.colours ? count : 0);
    values.normals->SetNumberOfTuples(attributes.normals ? count : 0);
    values.textureCoordinates->SetNumberOfTuples(attributes.textureCoordinates ? count : 0);
    InTwoHalves(result.attributeWidth > 0 ? size_t(count) : 0, [&](size_t begin, size_t end) {
        for (vtkIdType v = vtkIdType(begin); v < vtkIdType(end); ++v) {
            const float *value = result.attributes.data() + result.attributeWidth * size_t(v);
            if (attributes.colours)
                for (int k = 0; k < colourComponents; ++k)
                    values.colours->SetTypedComponent(v, k, uint8_t(std::clamp(std::lround(*value++), 0L, 255L)));
            if (attributes.normals) {
                // Mixed along an edge, a normal is shorter than one.
                const float length = std::sqrt(value[0] * value[0] + value[1] * value[1] + value[2] * value[2]);
                for (int k = 0; k < 3; ++k)
                    values.normals->SetTypedComponent(v, k, length > 0 ? value[k] / length : value[k]);
                value += 3;
            }
            if (attributes.textureCoordinates)
                for (int k = 0; k < 2; ++k)
                    values.textureCoordinates->SetTypedComponent(v, k, *value++);
        }
    });
    std::vector<float>().swap(result.attributes);
    if (connectivity) {
        const size_t made = size_t(connectivity->GetNumberOfValues()) / 3;
        const size_t left =
            WithoutCollapsed(points.Get(), reinterpret_cast<uint32_t *>(connectivity->GetPointer(0)), made);
        if (left < made)
            connectivity->SetNumberOfValues(vtkIdType(3 * left));
        collapsedOnOutput += made - left;
    } else {
        const size_t left = WithoutCollapsed(points.Get(), result.corners.data(), result.corners.size() / 3);
        collapsedOnOutput += result.corners.size() / 3 - left;
        result.corners.resize(3 * left);
    }
    // Each triangle's material and part, those of its corners (all three alike).
    std::vector<uint32_t> triangleKeys;
    if (looks.Any()) {
        const uint32_t *corners =
            connectivity ? reinterpret_cast<const uint32_t *>(connectivity->GetPointer(0)) : result.corners.data();
        const size_t made = connectivity ? size_t(connectivity->GetNumberOfValues()) / 3 : result.corners.size() / 3;
        triangleKeys.resize(made);
        for (size_t t = 0; t < made; ++t)
            triangleKeys[t] = result.sides[corners[3 * t]];
        std::vector<uint32_t>().swap(result.sides);
    }
    const vtkSmartPointer<vtkCellArray> triangles =
        connectivity ? TrianglesAround(connectivity.Get()) : TrianglesOf(std::move(result.corners));
    vtkSmartPointer<vtkPolyData> model = Assembled(points, triangles, values);
    if (looks.Any())
        looks.WriteTo(model, triangleKeys.data());
    return model;
}

size_t QualitySimplifier::Collapse(CollapseMesh &&mesh, const std::vector<size_t> &triangleCounts, double maxError,
                                   const Made &made, const std::function<bool()> &cancelled,
                                   const std::function<void(double)> &progress) const
{
    mesh.attributeWidth = ValueWidth();
    const size_t vertexCount = mesh.positions.size() / 3;
    mesh.attributes.reserve(mesh.attributeWidth * vertexCount);
    for (size_t v = 0; v < vertexCount; ++v) {
        if (attributes.colours)
            for (int k = 0; k < colourComponents; ++k)
                mesh.attributes.push_back(colours[v * size_t(colourComponents) + size_t(k)]);
        if (attributes.normals)
            mesh.attributes.insert(mesh.attributes.end(), &normals[3 * v], &normals[3 * v] + 3);
        if (attributes.textureCoordinates)
            mesh.attributes.insert(mesh.attributes.end(), &textureCoordinates[2 * v], &textureCoordinates[2 * v] + 2);
    }

    CollapseGoals goals;
    goals.triangleCounts = triangleCounts;
    goals.maxError = maxError;
    goals.cancelled = cancelled;
    goals.progress = progress;
    goals.threads = threads;
    // Each level is written into the VTK arrays that keep it where their types allow, else
    // each array is freed once copied: the first levels are nearly as large as the model.
    vtkSmartPointer<vtkTypeInt32Array> connectivity;
    vtkSmartPointer<vtkPoints> points;
    goals.cornerRoom = [&](size_t count) -> uint32_t * {
        if (count >= size_t(INT32_MAX))
            return nullptr;
        connectivity = NewIds<vtkTypeInt32Array>(count);
        return reinterpret_cast<uint32_t *>(connectivity->GetPointer(0));
    };
    goals.positionRoom = [&](size_t count) -> float * {
        if (box.PointType() != VTK_FLOAT)
            return nullptr;
        points = vtkSmartPointer<vtkPoints>::New();
        points->SetDataType(VTK_FLOAT);
        points->SetNumberOfPoints(vtkIdType(count / 3));
        return static_cast<float *>(points->GetVoidPointer(0));
    };
    goals.reached = [&](size_t goal, CollapseMesh &&result) {
        // The arrays go with the level: nothing of it stays here.
        made(MadeLevel{goal, std::move(result), std::move(connectivity), std::move(points)});
        connectivity = nullptr;
        points = nullptr;
    };
    const CollapseReport report = CollapseEdges(std::move(mesh), goals);
    relaxStage = report.relaxStage;
    return report.goalsReached;
}

} // namespace lumeno
