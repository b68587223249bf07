#include "io/write/PlyFileWriter.h"

#include "io/BlockFile.h"
#include "model/DeviationColours.h"

#include <QFile>
#include <QtEndian>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkDataArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkUnsignedCharArray.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace lumeno {

namespace {

// Little-endian binary records, in the blocks of a BlockFile.
class BlockOutput : public BlockFile
{
public:
    using BlockFile::BlockFile;

    void Byte(unsigned char value) { *Take(1) = char(value); }
    void Float(double value)
    {
        const float single = static_cast<float>(value);
        quint32 bits;
        std::memcpy(&bits, &single, sizeof bits);
        Int(bits);
    }
    void Int(quint32 value)
    {
        const quint32 little = qToLittleEndian(value);
        Bytes(&little, sizeof little);
    }
};

void WriteVertices(BlockOutput &out, vtkPolyData *model, const PointAttributes &attributes)
{
    vtkPointData *data = model->GetPointData();
    vtkPoints *points = model->GetPoints();
    vtkDataArray *normals = attributes.normals ? data->GetNormals() : nullptr;
    auto *colours = attributes.colours ? vtkUnsignedCharArray::SafeDownCast(data->GetScalars()) : nullptr;
    vtkDataArray *textureCoordinates = attributes.textureCoordinates ? data->GetTCoords() : nullptr;
    const int colourComponents = colours ? colours->GetNumberOfComponents() : 0;
    vtkUnsignedCharArray *deviationColours = DeviationColoursOf(model);
    double tuple[3];
    for (vtkIdType i = 0; i < model->GetNumberOfPoints(); ++i) {
        points->GetPoint(i, tuple);
        out.Float(tuple[0]);
        out.Float(tuple[1]);
        out.Float(tuple[2]);
        if (normals) {
            normals->GetTuple(i, tuple);
            out.Float(tuple[0]);
            out.Float(tuple[1]);
            out.Float(tuple[2]);
        }
        if (colours)
            out.Bytes(colours->GetPointer(i * colourComponents), size_t(colourComponents));
        if (textureCoordinates) {
            textureCoordinates->GetTuple(i, tuple);
            out.Float(tuple[0]);
            out.Float(tuple[1]);
        }
        if (deviationColours)
            out.Bytes(deviationColours->GetPointer(i * 3), 3);
    }
}

bool WriteFaces(BlockOutput &out, vtkCellArray *polys)
{
    auto cell = vtk::TakeSmartPointer(polys->NewIterator());
    vtkIdType size = 0;
    const vtkIdType *ids = nullptr;
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        cell->GetCurrentCell(size, ids);
        if (size > 255)
            return false;
        out.Byte(static_cast<unsigned char>(size));
        for (vtkIdType i = 0; i < size; ++i)
            out.Int(static_cast<quint32>(ids[i]));
    }
    return true;
}

} // namespace

QByteArray BinaryPlyHeader(qint64 vertices, qint64 faces, const PointAttributes &attributes, bool deviationColours)
{
    QByteArray header = "ply\n"
                        "format binary_little_endian 1.0\n"
                        "comment Lumeno3D\n"
                        "element vertex " + QByteArray::number(vertices) + "\n"
                        "property float x\n"
                        "property float y\n"
                        "property float z\n";
    if (attributes.normals)
        header += "property float nx\nproperty float ny\nproperty float nz\n";
    if (attributes.colours)
        header += "property uchar red\nproperty uchar green\nproperty uchar blue\n";
    if (attributes.colours && attributes.colourOpacity)
        header += "property uchar alpha\n";
    if (attributes.textureCoordinates)
        header += "property float u\nproperty float v\n";
    // A colour set of its own after the model's; the model's own names when it has none.
    if (deviationColours)
        header += attributes.colours
                      ? "property uchar deviation_red\nproperty uchar deviation_green\nproperty uchar deviation_blue\n"
                      : "property uchar red\nproperty uchar green\nproperty uchar blue\n";
    header += "element face " + QByteArray::number(faces) + "\n"
              "property list uchar int vertex_indices\n"
              "end_header\n";
    return header;
}

int BinaryPlyVertexSize(const PointAttributes &attributes)
{
    return 12 + (attributes.normals ? 12 : 0) + (attributes.colours ? (attributes.colourOpacity ? 4 : 3) : 0) +
           (attributes.textureCoordinates ? 8 : 0);
}

bool WriteBinaryPly(vtkPolyData *model, const QString &path)
{
    OutputFile file(std::fopen(QFile::encodeName(path).constData(), "wb"));
    if (!file || !model->GetPoints())
        return false;
    const PointAttributes attributes = AttributesOf(model);
    BlockOutput out(file.get());
    const QByteArray header = BinaryPlyHeader(model->GetNumberOfPoints(), model->GetNumberOfPolys(), attributes,
                                              DeviationColoursOf(model) != nullptr);
    out.Bytes(header.constData(), size_t(header.size()));
    WriteVertices(out, model, attributes);
    const bool facesFit = WriteFaces(out, model->GetPolys());
    const bool written = out.Finish();
    return Close(file) && written && facesFit;
}

} // namespace lumeno
