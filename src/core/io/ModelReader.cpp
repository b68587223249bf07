#include "io/ModelReader.h"

#include "io/ModelFileCheck.h"
#include "mesh/TriangleCleanup.h"

#include <QFile>
#include <QTemporaryFile>

#include <vtkAbstractPolyDataReader.h>
#include <vtkCallbackCommand.h>
#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkDataArray.h>
#include <vtkDoubleArray.h>
#include <vtkExecutive.h>
#include <vtkFloatArray.h>
#include <vtkOBJReader.h>
#include <vtkPLYReader.h>
#include <vtkPoints.h>
#include <vtkSTLReader.h>

#include <cmath>
#include <locale.h>

namespace lumeno {

namespace {

vtkSmartPointer<vtkAbstractPolyDataReader> ReaderFor(const QString &suffix)
{
    if (suffix == QLatin1String("stl"))
        return vtkSmartPointer<vtkSTLReader>::New();
    if (suffix == QLatin1String("obj"))
        return vtkSmartPointer<vtkOBJReader>::New();
    if (suffix == QLatin1String("ply"))
        return vtkSmartPointer<vtkPLYReader>::New();
    return nullptr;
}

// The readers parse numbers with the C library, which follows the locale a program sets (the
// window sets the user's): "0.5" would be 0 where the decimal sign is a comma. This thread
// uses the C locale while it lives; the checks before the reader assume it too.
class CLocaleForThisThread
{
public:
    CLocaleForThisThread() : cLocale(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0)))
    {
        if (cLocale)
            previous = uselocale(cLocale);
    }
    ~CLocaleForThisThread()
    {
        if (!cLocale)
            return;
        uselocale(previous);
        freelocale(cLocale);
    }
    CLocaleForThisThread(const CLocaleForThisThread &) = delete;
    CLocaleForThisThread &operator=(const CLocaleForThisThread &) = delete;

private:
    locale_t cLocale;
    locale_t previous = static_cast<locale_t>(0);
};

// A copy of the STL with '_' for each byte of its first line beyond ASCII, so that the
// reader reads it as the text it is (see IsAsciiStlTakenForBinary).
bool WriteCopyWithPlainName(const QString &path, QTemporaryFile &copy)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly) || !copy.open())
        return false;
    QByteArray chunk = source.readLine();
    for (char &byte : chunk)
        if (static_cast<unsigned char>(byte) >= 0x80)
            byte = '_';
    while (!chunk.isEmpty()) {
        if (copy.write(chunk) != chunk.size())
            return false;
        chunk = source.read(1 << 20);
    }
    return source.error() == QFileDevice::NoError && copy.flush();
}

void NoteError(vtkObject *, unsigned long, void *clientData, void *)
{
    *static_cast<bool *>(clientData) = true;
}

template <typename Value>
bool AllFinite(const Value *values, vtkIdType count)
{
    for (vtkIdType i = 0; i < count; ++i)
        if (!std::isfinite(values[i]))
            return false;
    return true;
}

bool RefersToExistingPoints(vtkCellArray *cells, vtkIdType pointCount)
{
    if (!cells || cells->GetNumberOfCells() == 0)
        return true;
    vtkDataArray *connectivity = cells->GetConnectivityArray();
    if (connectivity->GetNumberOfValues() == 0)
        return true;
    double range[2];
    connectivity->GetRange(range, 0);
    return range[0] >= 0 && range[1] < static_cast<double>(pointCount);
}

// vtkSmoothPolyDataFilter crashes on polygons of fewer than three corners, and
// vtkDecimatePro recurses without end on a triangle that uses one point twice.
bool HasProperPolygons(vtkCellArray *polys)
{
    auto cell = vtk::TakeSmartPointer(polys->NewIterator());
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        vtkIdType size = 0;
        const vtkIdType *ids = nullptr;
        cell->GetCurrentCell(size, ids);
        if (size < 3)
            return false;
        if (size == 3 && (ids[0] == ids[1] || ids[1] == ids[2] || ids[0] == ids[2]))
            return false;
    }
    return true;
}

} // namespace

bool HasFiniteCoordinates(vtkPoints *points)
{
    vtkDataArray *data = points->GetData();
    const vtkIdType count = data->GetNumberOfValues();
    if (auto *floats = vtkFloatArray::SafeDownCast(data))
        return AllFinite(floats->GetPointer(0), count);
    if (auto *doubles = vtkDoubleArray::SafeDownCast(data))
        return AllFinite(doubles->GetPointer(0), count);
    for (vtkIdType i = 0; i < points->GetNumberOfPoints(); ++i) {
        double point[3];
        points->GetPoint(i, point);
        if (!std::isfinite(point[0]) || !std::isfinite(point[1]) || !std::isfinite(point[2]))
            return false;
    }
    return true;
}

bool IsModelUsable(vtkPolyData *model)
{
    return model && model->GetNumberOfPoints() > 0 && model->GetNumberOfPolys() > 0 && HasSoundCells(model);
}

bool HasSoundCells(vtkPolyData *model)
{
    if (!model)
        return false;
    const vtkIdType pointCount = model->GetNumberOfPoints();
    for (vtkCellArray *cells : {model->GetVerts(), model->GetLines(), model->GetPolys(), model->GetStrips()})
        if (!RefersToExistingPoints(cells, pointCount))
            return false;
    return HasProperPolygons(model->GetPolys()) && (pointCount == 0 || HasFiniteCoordinates(model->GetPoints()));
}

ReadResult ReadModel(const QString &path, const QString &suffix, const AlgorithmHook &prepareReader)
{
    ReadResult result;
    const QString lowerSuffix = suffix.toLower();
    vtkSmartPointer<vtkAbstractPolyDataReader> reader = ReaderFor(lowerSuffix);
    if (!reader) {
        result.failure = ReadFailure::UnknownSuffix;
        return result;
    }
    QTemporaryFile plainCopy;
    QString readPath = path;
    if (lowerSuffix == QLatin1String("stl") && IsAsciiStlTakenForBinary(path)) {
        if (!WriteCopyWithPlainName(path, plainCopy)) {
            result.failure = ReadFailure::ReaderError;
            return result;
        }
        readPath = plainCopy.fileName();
    }
    if (!IsModelFileSafeToRead(readPath, lowerSuffix)) {
        result.failure = ReadFailure::DamagedFile;
        return result;
    }

    bool readerFailed = false;
    auto errorObserver = vtkSmartPointer<vtkCallbackCommand>::New();
    errorObserver->SetCallback(NoteError);
    errorObserver->SetClientData(&readerFailed);
    reader->AddObserver(vtkCommand::ErrorEvent, errorObserver);
    // The pipeline reports a failed read once more, on its own behalf.
    reader->GetExecutive()->AddObserver(vtkCommand::ErrorEvent, errorObserver);
    if (prepareReader)
        prepareReader(reader);

    const QByteArray encodedName = QFile::encodeName(readPath);
    reader->SetFileName(encodedName.constData());
    bool updated = false;
    {
        const CLocaleForThisThread cLocale;
        updated = UpdateWithoutThrowing(reader);
    }
    if (!updated || readerFailed) {
        result.failure = ReadFailure::ReaderError;
        return result;
    }

    // A copy of our own, so the model does not keep the reader's pipeline alive.
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->ShallowCopy(reader->GetOutput());
    if (!IsModelUsable(model)) {
        result.failure = ReadFailure::UnusableModel;
        return result;
    }
    const CleanedTriangles cleaned = CleanTriangles(model);
    if (cleaned.model != model && !IsModelUsable(cleaned.model)) {
        result.failure = ReadFailure::UnusableModel;
        return result;
    }
    result.model = cleaned.model;
    result.removedDuplicates = cleaned.removedDuplicates;
    return result;
}

} // namespace lumeno
