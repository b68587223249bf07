#include "io/write/ObjFileWriter.h"

#include "io/BlockFile.h"

#include "model/PointAttributes.h"

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkDoubleArray.h>
#include <vtkErrorCode.h>
#include <vtkFloatArray.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace lumeno {

namespace {

// How a cell lists a point: "i", "i/i" (texture), "i//i" (normal) or "i/i/i" (both).
enum class IndexForm { Plain, Texture, Normal, Both };

// The output text, in the blocks of a BlockFile.
class ObjText : public BlockFile
{
public:
    using BlockFile::BlockFile;

    template <size_t N>
    void Text(const char (&text)[N])
    {
        Bytes(text, N - 1);
    }

    void Char(char c) { *Take(1) = c; }

    void LineEnd() { Char('\n'); }

    // Six significant digits in the shortest general notation, exactly like printf's %g.
    void Number(double value)
    {
        char *begin = Take(MaxItemLength);
        const auto result = std::to_chars(begin, begin + MaxItemLength, value, std::chars_format::general, 6);
        GiveBack(MaxItemLength - static_cast<size_t>(result.ptr - begin));
    }

    // OBJ counts from 1; indices are written as 32-bit signed integers.
    void Index(vtkIdType id, IndexForm form)
    {
        char digits[16];
        const auto result = std::to_chars(digits, digits + sizeof digits, static_cast<std::int32_t>(id + 1));
        const size_t length = static_cast<size_t>(result.ptr - digits);
        Bytes(digits, length);
        switch (form) {
        case IndexForm::Plain:
            break;
        case IndexForm::Texture:
            Char('/');
            Bytes(digits, length);
            break;
        case IndexForm::Normal:
            Text("//");
            Bytes(digits, length);
            break;
        case IndexForm::Both:
            Char('/');
            Bytes(digits, length);
            Char('/');
            Bytes(digits, length);
            break;
        }
    }

private:
    static constexpr size_t MaxItemLength = 64;
};

// One line per tuple: the prefix, then `count` components separated by blanks.
// Components the array does not have are written as 0.
template <typename Value>
void WriteTuples(ObjText &text, const Value *values, vtkIdType tuples, int components, const char *prefix,
                 size_t prefixLength, int count)
{
    for (vtkIdType i = 0; i < tuples; ++i, values += components) {
        for (size_t c = 0; c < prefixLength; ++c)
            text.Char(prefix[c]);
        for (int j = 0; j < count; ++j) {
            if (j > 0)
                text.Char(' ');
            text.Number(j < components ? static_cast<double>(values[j]) : 0.0);
        }
        text.LineEnd();
    }
}

void WriteTupleLines(ObjText &text, vtkDataArray *array, const char *prefix, int count)
{
    const size_t prefixLength = std::strlen(prefix);
    const vtkIdType tuples = array->GetNumberOfTuples();
    const int components = array->GetNumberOfComponents();
    if (auto *floats = vtkFloatArray::FastDownCast(array)) {
        WriteTuples(text, floats->GetPointer(0), tuples, components, prefix, prefixLength, count);
    } else if (auto *doubles = vtkDoubleArray::FastDownCast(array)) {
        WriteTuples(text, doubles->GetPointer(0), tuples, components, prefix, prefixLength, count);
    } else {
        std::vector<double> tuple(static_cast<size_t>(components));
        for (vtkIdType i = 0; i < tuples; ++i) {
            array->GetTuple(i, tuple.data());
            WriteTuples(text, tuple.data(), 1, components, prefix, prefixLength, count);
        }
    }
}

// Vertex, line and polygon cells: one line per cell, every index followed by a blank.
void WriteCells(ObjText &text, vtkCellArray *cells, char kind, IndexForm form)
{
    auto cell = vtk::TakeSmartPointer(cells->NewIterator());
    vtkIdType size = 0;
    const vtkIdType *ids = nullptr;
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        cell->GetCurrentCell(size, ids);
        text.Char(kind);
        text.Char(' ');
        for (vtkIdType i = 0; i < size; ++i) {
            text.Index(ids[i], form);
            text.Char(' ');
        }
        text.LineEnd();
    }
}

// Triangle k of a strip uses its points k + 1, k, k + 2; no blank before the line end.
void WriteStrips(ObjText &text, vtkCellArray *strips, IndexForm form)
{
    auto cell = vtk::TakeSmartPointer(strips->NewIterator());
    vtkIdType size = 0;
    const vtkIdType *ids = nullptr;
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        cell->GetCurrentCell(size, ids);
        for (vtkIdType k = 0; k + 2 < size; ++k) {
            text.Text("f ");
            text.Index(ids[k + 1], form);
            text.Char(' ');
            text.Index(ids[k], form);
            text.Char(' ');
            text.Index(ids[k + 2], form);
            text.LineEnd();
        }
    }
}

IndexForm PolygonForm(bool normals, bool textureCoordinates)
{
    if (normals && textureCoordinates)
        return IndexForm::Both;
    if (normals)
        return IndexForm::Normal;
    return textureCoordinates ? IndexForm::Texture : IndexForm::Plain;
}

void Line(ObjText &text, const char *keyword, const QString &name)
{
    const QByteArray bytes = name.toUtf8();
    text.Bytes(keyword, std::strlen(keyword));
    text.Bytes(bytes.constData(), size_t(bytes.size()));
    text.LineEnd();
}

// The polygons part by part and material by material, each as WriteCells writes it.
void WriteGroups(ObjText &text, vtkCellArray *polys, const ObjLayout &layout, IndexForm form)
{
    vtkIdType size = 0;
    const vtkIdType *ids = nullptr;
    for (const PartGroup &group : layout.groups) {
        if (group.runs.empty())
            continue;
        if (group.part >= 0)
            Line(text, "\no ", layout.partNames[size_t(group.part)]);
        else
            text.Text("\ng grp1\n");
        for (const MaterialRun &run : group.runs) {
            Line(text, "usemtl ",
                 run.material >= 0 ? layout.materialNames[size_t(run.material)] : QStringLiteral("mtlNONE"));
            for (const vtkIdType polygon : run.polygons) {
                polys->GetCellAtId(polygon, size, ids);
                text.Text("f ");
                for (vtkIdType i = 0; i < size; ++i) {
                    text.Index(ids[i], form);
                    text.Char(' ');
                }
                text.LineEnd();
            }
        }
    }
}

void WriteModelText(ObjText &text, vtkPolyData *input, const ObjLayout *layout)
{
    if (layout) {
        text.Text("# wavefront obj file lumeno3D\n\n");
        Line(text, "mtllib ", layout->materialLibrary);
        text.LineEnd();
    } else {
        text.Text("# wavefront obj file lumeno3D\n\nmtllib NONE\n\n");
    }

    if (vtkPoints *points = input->GetPoints())
        WriteTupleLines(text, points->GetData(), "v ", 3);
    // Only arrays with a tuple for every point: each point's index is that of its own "vn"
    // and "vt" line, which keeps texture seams apart as the points they are.
    const PointAttributes attributes = AttributesOf(input);
    vtkDataArray *normals = attributes.normals ? input->GetPointData()->GetNormals() : nullptr;
    if (normals)
        WriteTupleLines(text, normals, "vn ", 3);
    vtkDataArray *textureCoordinates = attributes.textureCoordinates ? input->GetPointData()->GetTCoords() : nullptr;
    if (textureCoordinates)
        WriteTupleLines(text, textureCoordinates, "vt ", 2);

    if (!layout)
        text.Text("\ng grp1\nusemtl mtlNONE\n");

    const bool hasNormals = normals != nullptr;
    const bool hasTextureCoordinates = textureCoordinates != nullptr;
    if (input->GetNumberOfVerts() > 0)
        WriteCells(text, input->GetVerts(), 'p', IndexForm::Plain);
    if (input->GetNumberOfLines() > 0)
        WriteCells(text, input->GetLines(), 'l', hasTextureCoordinates ? IndexForm::Texture : IndexForm::Plain);
    if (layout)
        WriteGroups(text, input->GetPolys(), *layout, PolygonForm(hasNormals, hasTextureCoordinates));
    else if (input->GetNumberOfPolys() > 0)
        WriteCells(text, input->GetPolys(), 'f', PolygonForm(hasNormals, hasTextureCoordinates));
    if (input->GetNumberOfStrips() > 0)
        WriteStrips(text, input->GetStrips(), PolygonForm(hasNormals, hasTextureCoordinates));
}

} // namespace

vtkStandardNewMacro(ObjFileWriter);

ObjFileWriter::ObjFileWriter()
{
    SetNumberOfInputPorts(1);
    SetNumberOfOutputPorts(0);
}

ObjFileWriter::~ObjFileWriter()
{
    SetFileName(nullptr);
}

void ObjFileWriter::PrintSelf(ostream &os, vtkIndent indent)
{
    Superclass::PrintSelf(os, indent);
    os << indent << "FileName: " << (FileName ? FileName : "(null)") << "\n";
}

int ObjFileWriter::RequestData(vtkInformation *, vtkInformationVector **inputVector, vtkInformationVector *)
{
    SetErrorCode(vtkErrorCode::NoError);
    vtkPolyData *input = vtkPolyData::GetData(inputVector[0], 0);
    if (!input) {
        vtkErrorMacro(<< "No polydata to write.");
        SetErrorCode(vtkErrorCode::UnknownError);
        return 0;
    }
    if (!FileName || !*FileName) {
        vtkErrorMacro(<< "No file name set.");
        SetErrorCode(vtkErrorCode::NoFileNameError);
        return 0;
    }

    OutputFile file(std::fopen(FileName, "w"));
    if (!file) {
        vtkErrorMacro(<< "Cannot open " << FileName << ": " << std::strerror(errno));
        SetErrorCode(vtkErrorCode::CannotOpenFileError);
        return 0;
    }

    ObjText text(file.get());
    WriteModelText(text, input, Layout);
    bool written = text.Finish();
    int writeErrno = text.Errno();
    if (!Close(file) && written) {
        written = false;
        writeErrno = errno;
    }
    if (!written) {
        vtkErrorMacro(<< "Cannot write " << FileName << ": " << std::strerror(writeErrno));
        SetErrorCode(vtkErrorCode::OutOfDiskSpaceError);
        return 0;
    }
    return 1;
}

} // namespace lumeno
