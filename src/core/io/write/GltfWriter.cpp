#include "io/write/GltfWriter.h"

#include "io/BlockFile.h"
#include "io/write/GltfFileOutput.h"
#include "io/write/GltfLookWriter.h"
#include "model/DeviationColours.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkDataArray.h>
#include <vtkFloatArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkUnsignedCharArray.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <vector>

namespace lumeno {

namespace {

// Where each array lies in the one buffer, in the order they are written.
struct BufferLayout
{
    qint64 vertices = 0;
    qint64 triangles = 0;
    PointAttributes attributes;
    bool deviationColours = false; // a colour set of their own, after the model's

    qint64 PositionBytes() const { return 12 * vertices; }
    qint64 NormalBytes() const { return attributes.normals ? 12 * vertices : 0; }
    qint64 ColourBytes() const { return attributes.colours ? 4 * vertices : 0; }
    qint64 TextureBytes() const { return attributes.textureCoordinates ? 8 * vertices : 0; }
    qint64 DeviationColourBytes() const { return deviationColours ? 4 * vertices : 0; }
    qint64 IndexBytes() const { return 12 * triangles; }
    qint64 Total() const
    {
        return PositionBytes() + NormalBytes() + ColourBytes() + TextureBytes() + DeviationColourBytes() +
               IndexBytes();
    }
};

// The JSON of the file; a .gltf's buffer URI is left out and `uriAt` tells where it goes.
QByteArray GltfJson(const BufferLayout &layout, const double bounds[6], bool binary, const QByteArray &uriMarker)
{
    QJsonArray views;
    QJsonArray accessors;
    QJsonObject attributes;
    qint64 offset = 0;
    const auto add = [&](const char *name, qint64 bytes, int stride, int componentType, const char *type,
                         qint64 count, bool normalized, int target) {
        QJsonObject view{{"buffer", 0}, {"byteOffset", offset}, {"byteLength", bytes}, {"target", target}};
        if (stride > 0)
            view.insert(QStringLiteral("byteStride"), stride);
        QJsonObject accessor{{"bufferView", views.size()},
                             {"componentType", componentType},
                             {"count", count},
                             {"type", QLatin1String(type)}};
        if (normalized)
            accessor.insert(QStringLiteral("normalized"), true);
        if (name && std::string_view(name) == "POSITION") {
            accessor.insert(QStringLiteral("min"), QJsonArray{bounds[0], bounds[2], bounds[4]});
            accessor.insert(QStringLiteral("max"), QJsonArray{bounds[1], bounds[3], bounds[5]});
        }
        if (name)
            attributes.insert(QLatin1String(name), accessors.size());
        views.append(view);
        accessors.append(accessor);
        offset += bytes;
    };
    add("POSITION", layout.PositionBytes(), 0, Float, "VEC3", layout.vertices, false, ArrayBuffer);
    if (layout.attributes.normals)
        add("NORMAL", layout.NormalBytes(), 0, Float, "VEC3", layout.vertices, false, ArrayBuffer);
    if (layout.attributes.colours)
        add("COLOR_0", layout.ColourBytes(), 4, UnsignedByte, layout.attributes.colourOpacity ? "VEC4" : "VEC3",
            layout.vertices, true, ArrayBuffer);
    if (layout.attributes.textureCoordinates)
        add("TEXCOORD_0", layout.TextureBytes(), 0, Float, "VEC2", layout.vertices, false, ArrayBuffer);
    if (layout.deviationColours)
        add(layout.attributes.colours ? "COLOR_1" : "COLOR_0", layout.DeviationColourBytes(), 4, UnsignedByte, "VEC3",
            layout.vertices, true, ArrayBuffer);
    const int indices = accessors.size();
    add(nullptr, layout.IndexBytes(), 0, UnsignedInt, "SCALAR", 3 * layout.triangles, false, ElementArrayBuffer);

    QJsonObject buffer{{"byteLength", layout.Total()}};
    if (!binary)
        buffer.insert(QStringLiteral("uri"), QString::fromLatin1(uriMarker));
    const QJsonObject primitive{{"attributes", attributes}, {"indices", indices}, {"mode", 4}};
    const QJsonObject root{{"asset", QJsonObject{{"version", "2.0"}, {"generator", "Lumeno3D"}}},
                           {"scene", 0},
                           {"scenes", QJsonArray{QJsonObject{{"nodes", QJsonArray{0}}}}},
                           {"nodes", QJsonArray{QJsonObject{{"mesh", 0}}}},
                           {"meshes", QJsonArray{QJsonObject{{"primitives", QJsonArray{primitive}}}}},
                           {"accessors", accessors},
                           {"bufferViews", views},
                           {"buffers", QJsonArray{buffer}}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

void WritePoints(BufferOutput &out, vtkPoints *points)
{
    if (auto *floats = vtkFloatArray::SafeDownCast(points->GetData()); floats && QSysInfo::ByteOrder ==
                                                                                      QSysInfo::LittleEndian) {
        out.Bytes(floats->GetPointer(0), size_t(12 * points->GetNumberOfPoints()));
        return;
    }
    double point[3];
    for (vtkIdType i = 0; i < points->GetNumberOfPoints(); ++i) {
        points->GetPoint(i, point);
        for (double value : point)
            out.Float(float(value));
    }
}

void WriteAttributes(BufferOutput &out, vtkPolyData *model, const PointAttributes &attributes)
{
    vtkPointData *data = model->GetPointData();
    const vtkIdType points = model->GetNumberOfPoints();
    double tuple[3];
    if (attributes.normals) {
        vtkDataArray *normals = data->GetNormals();
        for (vtkIdType i = 0; i < points; ++i) {
            normals->GetTuple(i, tuple);
            const double length = std::sqrt(tuple[0] * tuple[0] + tuple[1] * tuple[1] + tuple[2] * tuple[2]);
            const bool usable = length > 0 && std::isfinite(length);
            out.Float(usable ? float(tuple[0] / length) : 0.0f);
            out.Float(usable ? float(tuple[1] / length) : 0.0f);
            out.Float(usable ? float(tuple[2] / length) : 1.0f);
        }
    }
    if (attributes.colours) {
        auto *colours = vtkUnsignedCharArray::SafeDownCast(data->GetScalars());
        const int components = colours->GetNumberOfComponents();
        for (vtkIdType i = 0; i < points; ++i) {
            unsigned char rgba[4] = {0, 0, 0, 255};
            std::memcpy(rgba, colours->GetPointer(i * components), size_t(components));
            out.Bytes(rgba, 4);
        }
    }
    if (attributes.textureCoordinates) {
        vtkDataArray *coordinates = data->GetTCoords();
        for (vtkIdType i = 0; i < points; ++i) {
            coordinates->GetTuple(i, tuple);
            out.Float(float(tuple[0]));
            out.Float(float(1.0 - tuple[1]));
        }
    }
    if (vtkUnsignedCharArray *deviationColours = DeviationColoursOf(model)) {
        for (vtkIdType i = 0; i < points; ++i) {
            unsigned char rgba[4] = {0, 0, 0, 255};
            std::memcpy(rgba, deviationColours->GetPointer(i * 3), 3);
            out.Bytes(rgba, 4);
        }
    }
}

template <typename Offsets>
bool EveryCellHasThree(Offsets *offsets)
{
    const auto *offset = offsets->GetPointer(0);
    for (vtkIdType i = 0; i < offsets->GetNumberOfValues(); ++i)
        if (offset[i] != 3 * i)
            return false;
    return true;
}

// Whether every polygon is a triangle: the connectivity is then the indices as they are.
bool AllTriangles(vtkCellArray *polys)
{
    return polys->IsStorage64Bit() ? EveryCellHasThree(polys->GetOffsetsArray64())
                                   : EveryCellHasThree(polys->GetOffsetsArray32());
}

// Polygons of more corners become fans: the count of triangles they give.
qint64 TriangleCount(vtkCellArray *polys)
{
    if (AllTriangles(polys))
        return polys->GetNumberOfCells();
    qint64 triangles = 0;
    auto cell = vtk::TakeSmartPointer(polys->NewIterator());
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell())
        triangles += std::max<vtkIdType>(cell->GetCurrentCell()->GetNumberOfIds() - 2, 0);
    return triangles;
}

// The connectivity of triangles, converted to 32 bits a block at a time.
template <typename Connectivity>
void WriteConnectivity(BufferOutput &out, Connectivity *connectivity)
{
    const auto *ids = connectivity->GetPointer(0);
    const vtkIdType count = connectivity->GetNumberOfValues();
    std::vector<quint32> block(std::min<vtkIdType>(count, 1 << 16));
    for (vtkIdType first = 0; first < count; first += vtkIdType(block.size())) {
        const vtkIdType length = std::min<vtkIdType>(count - first, vtkIdType(block.size()));
        for (vtkIdType i = 0; i < length; ++i)
            block[size_t(i)] = qToLittleEndian(quint32(ids[first + i]));
        out.Bytes(block.data(), size_t(length) * 4);
    }
}

void WriteIndices(BufferOutput &out, vtkCellArray *polys)
{
    if (AllTriangles(polys)) {
        if (polys->IsStorage64Bit())
            WriteConnectivity(out, polys->GetConnectivityArray64());
        else
            WriteConnectivity(out, polys->GetConnectivityArray32());
        return;
    }
    auto cell = vtk::TakeSmartPointer(polys->NewIterator());
    vtkIdType size = 0;
    const vtkIdType *ids = nullptr;
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        cell->GetCurrentCell(size, ids);
        for (vtkIdType corner = 1; corner + 1 < size; ++corner) {
            out.Int(quint32(ids[0]));
            out.Int(quint32(ids[corner]));
            out.Int(quint32(ids[corner + 1]));
        }
    }
}

} // namespace

bool WriteGltf(vtkPolyData *model, const QString &path, bool binary, const ModelLook *look, bool mergeParts)
{
    if (look)
        return WriteGltfWithLook(model, path, binary, *look, mergeParts);
    if (!model->GetPoints() || model->GetNumberOfPoints() > std::numeric_limits<quint32>::max())
        return false;
    BufferLayout layout;
    layout.vertices = model->GetNumberOfPoints();
    layout.triangles = TriangleCount(model->GetPolys());
    layout.attributes = AttributesOf(model);
    layout.deviationColours = DeviationColoursOf(model) != nullptr;
    double bounds[6];
    model->GetPoints()->GetBounds(bounds);
    // The bounds of the floats written, which may lie just outside the doubles' bounds.
    for (double &bound : bounds)
        bound = double(float(bound));
    const QByteArray json = GltfJson(layout, bounds, binary, UriMarker);
    return WriteGltfFile(path, json, layout.Total(), binary, [&](BufferOutput &out) {
        WritePoints(out, model->GetPoints());
        WriteAttributes(out, model, layout.attributes);
        WriteIndices(out, model->GetPolys());
    });
}

qint64 GltfFileSize(bool binary, qint64 triangles, qint64 vertices, const PointAttributes &attributes)
{
    BufferLayout layout{vertices, triangles, attributes};
    // Bounds of a typical width: six to eight significant digits each.
    const double bounds[6] = {-0.1234567, 0.1234567, -1.234567, 1.234567, -12.34567, 12.34567};
    const QByteArray json = GltfJson(layout, bounds, binary, UriMarker);
    if (binary)
        return 12 + 8 + Padded(json.size()) + 8 + Padded(layout.Total());
    return json.size() - UriMarker.size() + DataUriStart.size() + Base64Length(layout.Total()) + 1;
}

} // namespace lumeno
