#include "io/write/OffWriter.h"

#include "io/BlockFile.h"
#include "model/PointAttributes.h"

#include <QFile>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkUnsignedCharArray.h>

#include <charconv>
#include <cstdio>

namespace lumeno {

namespace {

class TextOutput : public BlockFile
{
public:
    using BlockFile::BlockFile;

    void Text(std::string_view text) { Bytes(text.data(), text.size()); }
    void Number(float value)
    {
        char *at = Take(32);
        const auto result = std::to_chars(at, at + 32, value);
        GiveBack(size_t(at + 32 - result.ptr));
    }
    void Number(vtkIdType value)
    {
        char *at = Take(24);
        const auto result = std::to_chars(at, at + 24, value);
        GiveBack(size_t(at + 24 - result.ptr));
    }
};

} // namespace

bool WriteOff(vtkPolyData *model, const QString &path)
{
    OutputFile file(std::fopen(QFile::encodeName(path).constData(), "wb"));
    if (!file || !model->GetPoints())
        return false;
    const PointAttributes attributes = AttributesOf(model);
    auto *colours = attributes.colours ? vtkUnsignedCharArray::SafeDownCast(model->GetPointData()->GetScalars())
                                       : nullptr;
    const int colourComponents = colours ? colours->GetNumberOfComponents() : 0;
    TextOutput out(file.get());
    out.Text(colours ? "COFF\n" : "OFF\n");
    out.Number(model->GetNumberOfPoints());
    out.Text(" ");
    out.Number(model->GetNumberOfPolys());
    out.Text(" 0\n");
    vtkPoints *points = model->GetPoints();
    double point[3];
    for (vtkIdType i = 0; i < model->GetNumberOfPoints(); ++i) {
        points->GetPoint(i, point);
        for (int axis = 0; axis < 3; ++axis) {
            if (axis > 0)
                out.Text(" ");
            out.Number(float(point[axis]));
        }
        if (colours) {
            const unsigned char *colour = colours->GetPointer(i * colourComponents);
            for (int c = 0; c < 4; ++c) {
                out.Text(" ");
                out.Number(vtkIdType(c < colourComponents ? colour[c] : 255));
            }
        }
        out.Text("\n");
    }
    auto cell = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    vtkIdType size = 0;
    const vtkIdType *ids = nullptr;
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        cell->GetCurrentCell(size, ids);
        out.Number(size);
        for (vtkIdType i = 0; i < size; ++i) {
            out.Text(" ");
            out.Number(ids[i]);
        }
        out.Text("\n");
    }
    const bool written = out.Finish();
    return Close(file) && written;
}

} // namespace lumeno
