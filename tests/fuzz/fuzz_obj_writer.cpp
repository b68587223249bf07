// Our OBJ writer on any valid polydata: points, normals, texture coordinates and cells of every kind.
#include "io/vtkOBJWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <vtkErrorCode.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>

#include <cstring>

namespace {

vtkSmartPointer<vtkDataArray> AnyArray(FuzzedDataProvider &input, vtkIdType tuples, int components)
{
    const int type = input.PickValueInArray({VTK_FLOAT, VTK_DOUBLE, VTK_INT});
    auto array = vtk::TakeSmartPointer(vtkDataArray::CreateDataArray(type));
    array->SetNumberOfComponents(components);
    array->SetNumberOfTuples(tuples);
    array->Fill(0.0);
    // Any bit pattern, NaN and infinities included.
    const auto size = static_cast<std::size_t>(tuples * components * array->GetDataTypeSize());
    const auto bytes = input.ConsumeBytes<char>(size);
    std::memcpy(array->GetVoidPointer(0), bytes.data(), bytes.size());
    return array;
}

vtkSmartPointer<vtkCellArray> AnyCells(FuzzedDataProvider &input, vtkIdType pointCount)
{
    auto cells = vtkSmartPointer<vtkCellArray>::New();
    const int cellCount = input.ConsumeIntegralInRange(0, 16);
    for (int c = 0; c < cellCount; ++c) {
        const int size = input.ConsumeIntegralInRange(1, 8);
        cells->InsertNextCell(size);
        for (int i = 0; i < size; ++i)
            cells->InsertCellPoint(static_cast<vtkIdType>(input.ConsumeIntegral<std::uint32_t>() % pointCount));
    }
    return cells;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const vtkIdType pointCount = input.ConsumeIntegralInRange(1, 64);

    vtkNew<vtkPoints> points;
    points->SetData(AnyArray(input, pointCount, 3));
    vtkNew<vtkPolyData> model;
    model->SetPoints(points);
    if (input.ConsumeBool())
        model->GetPointData()->SetNormals(AnyArray(input, pointCount, 3));
    if (input.ConsumeBool())
        model->GetPointData()->SetTCoords(AnyArray(input, pointCount, input.ConsumeIntegralInRange(1, 3)));
    model->SetVerts(AnyCells(input, pointCount));
    model->SetLines(AnyCells(input, pointCount));
    model->SetPolys(AnyCells(input, pointCount));
    model->SetStrips(AnyCells(input, pointCount));

    static QTemporaryDir folder;
    static const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("written.obj")));
    vtkNew<lumeno::vtkOBJWriter> writer;
    writer->SetFileName(path.constData());
    writer->SetInputData(model);
    writer->Update();
    if (writer->GetErrorCode() != vtkErrorCode::NoError)
        __builtin_trap(); // a writable file and valid polydata must always be written
    return 0;
}
