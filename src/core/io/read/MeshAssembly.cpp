#include "io/read/MeshAssembly.h"

#include "model/ModelLook.h"

#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkIntArray.h>
#include <vtkFloatArray.h>
#include <vtkIdTypeArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkUnsignedCharArray.h>

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace lumeno {

Matrix4 IdentityMatrix()
{
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

Matrix4 Multiply(const Matrix4 &left, const Matrix4 &right)
{
    Matrix4 product{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += left[size_t(k * 4 + row)] * right[size_t(column * 4 + k)];
            product[size_t(column * 4 + row)] = sum;
        }
    return product;
}

namespace {

double Determinant3(const Matrix4 &m)
{
    return m[0] * (m[5] * m[10] - m[9] * m[6]) - m[4] * (m[1] * m[10] - m[9] * m[2]) +
           m[8] * (m[1] * m[6] - m[5] * m[2]);
}

// The cofactors of the upper 3x3 part turn normals as the inverse transpose does, up to a
// factor that the normalising removes.
std::array<double, 9> NormalMatrix(const Matrix4 &m)
{
    const auto a = [&m](int row, int column) { return m[size_t(column * 4 + row)]; };
    std::array<double, 9> n{};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const int r1 = (row + 1) % 3, r2 = (row + 2) % 3, c1 = (column + 1) % 3, c2 = (column + 2) % 3;
            n[size_t(row * 3 + column)] = a(r1, c1) * a(r2, c2) - a(r1, c2) * a(r2, c1);
        }
    return n;
}

// Room for `more` values, growing by half at least: placing many small parts, each growing
// the model by its own size only, would copy the earlier parts each time.
template <typename Value>
void MakeRoom(std::vector<Value> &values, size_t more)
{
    const size_t needed = values.size() + more;
    if (needed > values.capacity())
        values.reserve(std::max(needed, values.capacity() + values.capacity() / 2));
}

template <typename Value, typename Target>
void CopyAndRelease(std::vector<Value> &values, Target *to)
{
    std::copy(values.begin(), values.end(), to);
    std::vector<Value>().swap(values);
}

} // namespace

bool MeshAssembly::Fits(size_t points, size_t triangles) const
{
    return points <= limit - whole.PointCount() && triangles <= limit - whole.triangles.size() / 3;
}

bool MeshAssembly::Add(const MeshPart &part, const Matrix4 &m, std::int32_t partId)
{
    const size_t points = part.PointCount();
    if (parts >= MaxParts) {
        limitHit = Limit::Parts;
        return false;
    }
    if (!Fits(points, part.triangles.size() / 3)) {
        limitHit = Limit::PointsOrTriangles;
        return false;
    }
    const size_t first = whole.PointCount();
    MakeRoom(whole.positions, 3 * points);
    for (size_t i = 0; i < points; ++i) {
        const double x = part.positions[3 * i], y = part.positions[3 * i + 1], z = part.positions[3 * i + 2];
        for (int row = 0; row < 3; ++row)
            whole.positions.push_back(float(m[size_t(row)] * x + m[size_t(4 + row)] * y + m[size_t(8 + row)] * z +
                                            m[size_t(12 + row)]));
    }

    const bool partNormals = part.normals.size() == 3 * points;
    anyNormals = anyNormals || partNormals;
    allNormals = allNormals && partNormals;
    if (allNormals) {
        MakeRoom(whole.normals, 3 * points);
        const std::array<double, 9> n = NormalMatrix(m);
        for (size_t i = 0; i < points; ++i) {
            double turned[3];
            for (int row = 0; row < 3; ++row)
                turned[row] = n[size_t(row * 3)] * part.normals[3 * i] + n[size_t(row * 3 + 1)] * part.normals[3 * i + 1] +
                              n[size_t(row * 3 + 2)] * part.normals[3 * i + 2];
            const double length = std::sqrt(turned[0] * turned[0] + turned[1] * turned[1] + turned[2] * turned[2]);
            for (double value : turned)
                whole.normals.push_back(length > 0 && std::isfinite(length) ? float(value / length) : 0.0f);
        }
    } else {
        whole.normals = {};
    }

    const bool partTextureCoordinates = part.textureCoordinates.size() == 2 * points;
    anyTextureCoordinates = anyTextureCoordinates || partTextureCoordinates;
    allTextureCoordinates = allTextureCoordinates && partTextureCoordinates;
    if (allTextureCoordinates) {
        MakeRoom(whole.textureCoordinates, 2 * points);
        whole.textureCoordinates.insert(whole.textureCoordinates.end(), part.textureCoordinates.begin(),
                                        part.textureCoordinates.end());
    } else {
        whole.textureCoordinates = {};
    }

    const bool partColours = part.colours.size() == 4 * points;
    if (partColours && !anyColours)
        whole.colours.assign(4 * first, 255); // the parts before were white
    anyColours = anyColours || partColours;
    if (anyColours)
        MakeRoom(whole.colours, 4 * points);
    if (partColours)
        whole.colours.insert(whole.colours.end(), part.colours.begin(), part.colours.end());
    else if (anyColours)
        whole.colours.resize(whole.colours.size() + 4 * points, 255);

    const bool mirrored = Determinant3(m) < 0;
    MakeRoom(whole.triangles, part.triangles.size() / 3 * 3);
    for (size_t t = 0; t + 2 < part.triangles.size(); t += 3) {
        const std::uint32_t a = part.triangles[t], b = part.triangles[t + 1], c = part.triangles[t + 2];
        whole.triangles.push_back(std::uint32_t(first + a));
        whole.triangles.push_back(std::uint32_t(first + (mirrored ? c : b)));
        whole.triangles.push_back(std::uint32_t(first + (mirrored ? b : c)));
    }
    const size_t added = part.triangles.size() / 3;
    const bool ownMaterials = part.triangleMaterials.size() == added;
    if (!anyMaterial && (part.material >= 0 || ownMaterials)) {
        anyMaterial = true;
        whole.triangleMaterials.assign(whole.triangles.size() / 3 - added, -1);
    }
    if (anyMaterial) {
        MakeRoom(whole.triangleMaterials, added);
        if (ownMaterials)
            whole.triangleMaterials.insert(whole.triangleMaterials.end(), part.triangleMaterials.begin(),
                                           part.triangleMaterials.end());
        else
            whole.triangleMaterials.resize(whole.triangleMaterials.size() + added, part.material);
    }
    if (!anyPart && partId != 0) {
        anyPart = true;
        triangleParts.assign(whole.triangles.size() / 3 - added, 0);
    }
    if (anyPart) {
        MakeRoom(triangleParts, added);
        triangleParts.resize(triangleParts.size() + added, partId);
    }
    ++parts;
    return true;
}

QString MeshAssembly::LimitText(Limit which) const
{
    switch (which) {
    case Limit::None:
        return QString();
    case Limit::Parts:
        return QCoreApplication::translate("ModelReader", "%1 placed parts").arg(QLocale().toString(MaxParts));
    case Limit::PointsOrTriangles:
        return QCoreApplication::translate("ModelReader", "%1 points or triangles in all its parts")
            .arg(QLocale().toString(qulonglong(limit)));
    }
    return QString();
}

PointAttributes MeshAssembly::LeftOut() const
{
    PointAttributes leftOut;
    leftOut.normals = anyNormals && !allNormals;
    leftOut.textureCoordinates = anyTextureCoordinates && !allTextureCoordinates;
    return leftOut;
}

vtkSmartPointer<vtkPolyData> MeshAssembly::Build()
{
    const vtkIdType points = vtkIdType(whole.PointCount());
    auto coordinates = vtkSmartPointer<vtkFloatArray>::New();
    coordinates->SetNumberOfComponents(3);
    coordinates->SetNumberOfTuples(points);
    CopyAndRelease(whole.positions, coordinates->GetPointer(0));
    auto pointSet = vtkSmartPointer<vtkPoints>::New();
    pointSet->SetData(coordinates);

    const vtkIdType triangles = vtkIdType(whole.triangles.size() / 3);
    auto offsets = vtkSmartPointer<vtkIdTypeArray>::New();
    offsets->SetNumberOfValues(triangles + 1);
    for (vtkIdType i = 0; i <= triangles; ++i)
        offsets->SetValue(i, 3 * i);
    auto connectivity = vtkSmartPointer<vtkIdTypeArray>::New();
    connectivity->SetNumberOfValues(3 * triangles);
    CopyAndRelease(whole.triangles, connectivity->GetPointer(0));
    auto polys = vtkSmartPointer<vtkCellArray>::New();
    polys->SetData(offsets, connectivity);

    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->SetPoints(pointSet);
    model->SetPolys(polys);
    vtkPointData *data = model->GetPointData();
    if (points > 0 && allNormals && whole.normals.size() == size_t(3 * points)) {
        auto normals = vtkSmartPointer<vtkFloatArray>::New();
        normals->SetName("Normals");
        normals->SetNumberOfComponents(3);
        normals->SetNumberOfTuples(points);
        CopyAndRelease(whole.normals, normals->GetPointer(0));
        data->SetNormals(normals);
    }
    if (points > 0 && allTextureCoordinates && whole.textureCoordinates.size() == size_t(2 * points)) {
        auto coordinatesUv = vtkSmartPointer<vtkFloatArray>::New();
        coordinatesUv->SetName("TCoords");
        coordinatesUv->SetNumberOfComponents(2);
        coordinatesUv->SetNumberOfTuples(points);
        CopyAndRelease(whole.textureCoordinates, coordinatesUv->GetPointer(0));
        data->SetTCoords(coordinatesUv);
    }
    if (points > 0 && anyColours && whole.colours.size() == size_t(4 * points)) {
        // Opaque colours stay RGB, as the other formats hold them.
        bool opaque = true;
        for (size_t i = 3; i < whole.colours.size() && opaque; i += 4)
            opaque = whole.colours[i] == 255;
        const int components = opaque ? 3 : 4;
        auto colours = vtkSmartPointer<vtkUnsignedCharArray>::New();
        colours->SetName(opaque ? "RGB" : "RGBA");
        colours->SetNumberOfComponents(components);
        colours->SetNumberOfTuples(points);
        unsigned char *out = colours->GetPointer(0);
        for (vtkIdType i = 0; i < points; ++i)
            for (int c = 0; c < components; ++c)
                *out++ = whole.colours[size_t(4 * i + c)];
        data->SetScalars(colours);
    }
    for (auto [name, ids] : {std::make_pair(MaterialIdsName, &whole.triangleMaterials),
                             std::make_pair(PartIdsName, &triangleParts)}) {
        if (ids->size() != size_t(triangles) || triangles == 0)
            continue;
        auto array = vtkSmartPointer<vtkIntArray>::New();
        array->SetName(name);
        array->SetNumberOfValues(triangles);
        CopyAndRelease(*ids, array->GetPointer(0));
        model->GetCellData()->AddArray(array);
    }
    whole = MeshPart();
    triangleParts.clear();
    return model;
}

} // namespace lumeno
