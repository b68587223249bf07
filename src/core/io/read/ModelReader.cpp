#include "io/read/ModelReader.h"

#include "io/FilePaths.h"
#include "io/read/AsciiStlReader.h"
#include "io/read/BinaryStlReader.h"
#include "io/read/FormatReading.h"
#include "io/read/GltfReader.h"
#include "io/read/MemoryNeed.h"
#include "io/read/ObjReader.h"
#include "io/read/OffReader.h"
#include "io/read/PlyReader.h"
#include "io/read/PlyTexture.h"
#include "io/read/ThreeMfReader.h"
#include "io/read/ModelFileCopy.h"
#include "io/read/ModelFileCheck.h"
#include "model/AlgorithmRun.h"
#include "model/ModelChecks.h"
#include "model/TriangleCleanup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryFile>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkCellData.h>
#include <vtkIntArray.h>
#include <vtkDataArray.h>
#include <vtkDoubleArray.h>
#include <vtkFloatArray.h>
#include <vtkPoints.h>

#include <climits>
#include <cmath>
#include <locale.h>

namespace lumeno {

namespace {

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


ReadFailure FailureOf(FileAccess access)
{
    switch (access) {
    case FileAccess::Copied:
        return ReadFailure::None;
    case FileAccess::Missing:
        return ReadFailure::Missing;
    case FileAccess::Folder:
        return ReadFailure::Folder;
    case FileAccess::NotRegular:
        return ReadFailure::NotRegularFile;
    case FileAccess::Empty:
        return ReadFailure::EmptyFile;
    case FileAccess::Unreadable:
        return ReadFailure::Unreadable;
    case FileAccess::Changed:
        return ReadFailure::Changed;
    case FileAccess::NoCopy:
        return ReadFailure::NoWorkingCopy;
    }
    return ReadFailure::Unreadable;
}

bool IsOwnFormat(const QString &suffix)
{
    return suffix == QLatin1String("stl") || suffix == QLatin1String("obj") || suffix == QLatin1String("off") ||
           suffix == QLatin1String("gltf") || suffix == QLatin1String("glb") || suffix == QLatin1String("3mf") ||
           suffix == QLatin1String("ply");
}

// Reads the copy with our own reader of the suffix; a .gltf file's buffer files are looked up
// beside the original. textureFile: the image a PLY file's header names.
FormatReading ReadOwnFormat(QTemporaryFile &copy, qint64 size, const QString &suffix, const QString &path,
                            QString &textureFile)
{
    uchar *mapped = copy.map(0, size);
    if (!mapped)
        return Failed(ReadFailure::OutOfMemory);
    const std::string_view bytes(reinterpret_cast<const char *>(mapped), static_cast<size_t>(size));
    FormatReading reading;
    if (suffix == QLatin1String("off")) {
        const CLocaleForThisThread cLocale;
        reading = ReadOff(bytes);
    } else if (suffix == QLatin1String("stl")) {
        reading = IsBinaryStl(bytes) ? ReadBinaryStl(bytes) : ReadAsciiStl(bytes);
    } else if (suffix == QLatin1String("obj")) {
        reading = ReadObj(bytes, QFileInfo(path).absolutePath());
    } else if (suffix == QLatin1String("3mf")) {
        reading = Read3mf(bytes);
    } else if (suffix == QLatin1String("ply")) {
        textureFile = PlyTextureFile(bytes);
        reading = ReadPly(bytes);
    } else {
        reading = ReadGltf(bytes, suffix == QLatin1String("glb"), QFileInfo(path).absolutePath());
    }
    copy.unmap(mapped);
    return reading;
}

bool HasExtent(vtkPolyData *model)
{
    double bounds[6];
    model->GetBounds(bounds);
    return bounds[1] > bounds[0] || bounds[3] > bounds[2] || bounds[5] > bounds[4];
}

// Why the reader's output cannot be used, or None. Triangles on one point twice are not
// checked here: the clean-up leaves them out, counted with the polygons without area.
ReadFailure ProblemOfOutput(vtkPolyData *model)
{
    const bool finite = model->GetNumberOfPoints() > 0 && HasFiniteCoordinates(model->GetPoints());
    // Before the count of faces: the STL readers drop every triangle whose corners coincide.
    if (finite && !HasExtent(model))
        return ReadFailure::NoExtent;
    if (model->GetNumberOfPolys() == 0 && model->GetNumberOfStrips() == 0)
        return ReadFailure::NoTriangles;
    if (!finite)
        return ReadFailure::UnusableModel;
    const vtkIdType pointCount = model->GetNumberOfPoints();
    for (vtkCellArray *cells : {model->GetVerts(), model->GetLines(), model->GetPolys(), model->GetStrips()})
        if (!RefersToExistingPoints(cells, pointCount))
            return ReadFailure::UnusableModel;
    return ReadFailure::None;
}

ReadResult Finish(vtkPolyData *model, ReadResult &result);

// Every triangle of the model takes the look's one material.
void WithTextureMaterial(ReadResult &result, const SharedLook &look)
{
    auto ids = vtkSmartPointer<vtkIntArray>::New();
    ids->SetName(MaterialIdsName);
    ids->SetNumberOfValues(result.model->GetNumberOfCells());
    ids->FillValue(0);
    result.model->GetCellData()->AddArray(ids);
    result.look = look;
}

// Tells `progress` the share done; false when the reading is to stop there.
bool GoOn(const ReadProgress &progress, double done, ReadResult &result)
{
    if (!progress || progress(done))
        return true;
    result = {};
    result.failure = ReadFailure::Cancelled;
    return false;
}

// Where the steps of a reading end, as shares of its time: rough, for a bar that moves (the
// reader's parse takes the most; the copy is made by the system).
constexpr double CopiedShare = 0.1;
constexpr double ParsedShare = 0.7;

ReadResult ReadModelFile(const QString &path, const QString &suffix, const ReadProgress &progress)
{
    ReadResult result;
    const QString lowerSuffix = suffix.toLower();
    if (!IsOwnFormat(lowerSuffix)) {
        result.failure = ReadFailure::UnknownSuffix;
        return result;
    }

    QTemporaryFile copy;
    const FileCopy file = CopyModelFile(path, lowerSuffix, copy);
    result.systemError = file.systemError;
    result.fileSize = file.size;
    result.failure = FailureOf(file.access);
    if (result.failure != ReadFailure::None || !GoOn(progress, CopiedShare, result))
        return result;
    FormatReading reading;
    QString textureFile; // a PLY file's, named in its header
    try {
        reading = ReadOwnFormat(copy, file.size, lowerSuffix, path, textureFile);
    } catch (const std::bad_alloc &) {
        reading = Failed(ReadFailure::OutOfMemory);
    }
    result.failure = reading.failure;
    result.detail = reading.detail;
    result.partsMerged = reading.partsMerged;
    result.materialsNotKept = reading.materialsNotKept;
    result.materialFilesNotRead = reading.materialFilesNotRead;
    result.faceColoursNotRead = reading.faceColoursNotRead;
    result.primitivesLeftOut = reading.primitivesLeftOut;
    result.attributesLeftOut = reading.attributesLeftOut;
    result.unitConverted = reading.unitConverted;
    if (result.failure != ReadFailure::None || !GoOn(progress, ParsedShare, result))
        return result;
    result = Finish(reading.model, result);
    if (result.model)
        result.look = reading.look;
    if (result.model && !textureFile.isEmpty())
        WithTextureMaterial(result, PlyTextureLook(textureFile, QFileInfo(path).absolutePath()));
    result.untriangulatedPolygons += reading.polygonsWithoutArea;
    if (result.failure == ReadFailure::None)
        GoOn(progress, 1.0, result);
    return result;
}

} // namespace

ReadResult ReadModel(const QString &path, const QString &suffix, const ReadProgress &progress)
{
    // Whatever runs short of memory on the way (the copy, a reader, the clean-up's arrays) says so.
    ReadResult outOfMemory;
    outOfMemory.failure = ReadFailure::OutOfMemory;
    try {
        const VtkAllocationWatch memory;
        ReadResult result = ReadModelFile(path, suffix, progress);
        return memory.RanShort() ? outOfMemory : result;
    } catch (const std::bad_alloc &) {
        return outOfMemory;
    }
}

namespace {

ReadResult Finish(vtkPolyData *model, ReadResult &result)
{
    result.failure = ProblemOfOutput(model);
    if (result.failure != ReadFailure::None)
        return result;
    const CleanedTriangles cleaned = CleanTriangles(model);
    if (!cleaned.model) {
        result.failure = ReadFailure::OutOfMemory;
        return result;
    }
    if (!IsModelUsable(cleaned.model)) {
        result.failure = cleaned.model->GetNumberOfPolys() == 0 ? ReadFailure::NoTriangles : ReadFailure::UnusableModel;
        return result;
    }
    // The model is held as long as it is open: its cells in 32-bit storage, half VTK's usual,
    // where the indices allow (the PLY reader writes 64-bit cells).
    for (vtkCellArray *cells : {cleaned.model->GetVerts(), cleaned.model->GetLines(), cleaned.model->GetPolys(),
                                cleaned.model->GetStrips()})
        // A model without cells of a kind hands out VTK's one empty array shared by all models:
        // converting it while another thread reads a model would change it under that thread.
        if (cells && cells->GetNumberOfCells() > 0 && cells->IsStorage64Bit() && cells->CanConvertTo32BitStorage())
            cells->ConvertTo32BitStorage();
    result.model = cleaned.model;
    result.removedDuplicates = cleaned.removedDuplicates;
    result.untriangulatedPolygons += cleaned.untriangulatedPolygons; // and those the reader dropped
    return result;
}

} // namespace

namespace {

// The untranslated sentence for a failure; nullptr for None and Cancelled.
const char *FailureSentence(ReadFailure failure)
{
    switch (failure) {
    case ReadFailure::None:
        return nullptr;
    case ReadFailure::UnknownSuffix:
        return QT_TRANSLATE_NOOP("ModelReader", "Lumeno3D reads STL, OBJ, PLY, OFF, glTF, GLB and 3MF files: "
                                                "choose a file whose name ends in .stl, .obj, .ply, .off, "
                                                ".gltf, .glb or .3mf.");
    case ReadFailure::Missing:
        return QT_TRANSLATE_NOOP("ModelReader", "This file doesn't exist.");
    case ReadFailure::Folder:
        return QT_TRANSLATE_NOOP("ModelReader", "This is a folder, not a model file.");
    case ReadFailure::NotRegularFile:
        return QT_TRANSLATE_NOOP("ModelReader", "This is no file on a disk but a pipe, a device or a socket: "
                                                "Lumeno3D opens model files only.");
    case ReadFailure::EmptyFile:
        return QT_TRANSLATE_NOOP("ModelReader", "This file is empty: it holds no model.");
    case ReadFailure::Unreadable:
        return QT_TRANSLATE_NOOP("ModelReader", "This file cannot be read: %1.");
    case ReadFailure::Changed:
        return QT_TRANSLATE_NOOP("ModelReader", "This file changed while it was being read; another program may "
                                                "still be writing it. Open it again once it is complete.");
    case ReadFailure::TooLarge:
        return QT_TRANSLATE_NOOP("ModelReader", "This file is larger than the %1 Lumeno3D reads.");
    case ReadFailure::NoWorkingCopy:
        return QT_TRANSLATE_NOOP("ModelReader", "Lumeno3D could not store its working copy of this file in the "
                                                "temporary folder %1; it may be full.");
    case ReadFailure::DamagedFile:
    case ReadFailure::ReaderError:
    case ReadFailure::UnusableModel:
        return QT_TRANSLATE_NOOP("ModelReader", "This file seems to be corrupt and cannot be loaded.");
    case ReadFailure::NoTriangles:
        return QT_TRANSLATE_NOOP("ModelReader", "This file holds no triangles with an area, only points or lines (a "
                                                "point cloud, say): Lumeno3D reduces triangle meshes.");
    case ReadFailure::NoExtent:
        return QT_TRANSLATE_NOOP("ModelReader", "All points of this model lie at one place: it has no surface to "
                                                "show or reduce.");
    case ReadFailure::MissingDataFile:
        return QT_TRANSLATE_NOOP("ModelReader", "The file %1, which holds this model's data, is missing beside it "
                                                "or cannot be read: copy it into the same folder.");
    case ReadFailure::Unsupported:
        return QT_TRANSLATE_NOOP("ModelReader", "This file needs %1, which Lumeno3D cannot read: export it "
                                                "again without it.");
    case ReadFailure::OutOfMemory:
        return QT_TRANSLATE_NOOP("ModelReader", "There is not enough memory for reading this file: close other "
                                                "programs and open it again.");
    case ReadFailure::OverLimit:
        return QT_TRANSLATE_NOOP("ModelReader", "This file holds more than Lumeno3D reads: %1.");
    case ReadFailure::GltfVersion1:
        return QT_TRANSLATE_NOOP("ModelReader", "glTF 1.0 is not supported; Lumeno3D reads glTF 2.0.");
    case ReadFailure::NoMeshes:
        return QT_TRANSLATE_NOOP("ModelReader", "This glTF file holds no meshes: there is no surface to show "
                                                "or reduce.");
    case ReadFailure::PointsOnly:
        return QT_TRANSLATE_NOOP("ModelReader", "This file holds points only, no triangles: Lumeno3D reduces "
                                                "triangle meshes.");
    case ReadFailure::NoBuildItems:
        return QT_TRANSLATE_NOOP("ModelReader", "This 3MF file places no object on its build plate: it has no "
                                                "build items.");
    case ReadFailure::OutsideFolder:
        return QT_TRANSLATE_NOOP("ModelReader", "This file refers to %1, which is not a file in its own folder: "
                                                "Lumeno3D reads only files beside the model.");
    case ReadFailure::NotEnoughMemory:
        return QT_TRANSLATE_NOOP("ModelReader", "This model of about %1 triangles needs about %2 of memory to open "
                                                "and make its levels, but only %3 is available: close other "
                                                "programs, or open it on a computer with more memory.");
    case ReadFailure::Cancelled:
        return nullptr; // nobody waits for a word on it
    }
    return nullptr;
}

} // namespace

FormatReading Failed(ReadFailure failure, const QString &detail)
{
    FormatReading reading;
    reading.failure = failure;
    reading.detail = detail;
    return reading;
}

bool NoteFailure(FormatReading &reading, ReadFailure failure, const QString &detail)
{
    if (reading.failure == ReadFailure::None) {
        reading.failure = failure;
        reading.detail = detail;
    }
    return false;
}

QString ByteSizeText(quint64 bytes)
{
    return QLocale().formattedDataSize(qint64(bytes), 1, QLocale::DataSizeSIFormat);
}

QString ReadFailureText(const ReadResult &result)
{
    // A bound that names no size is one of memory (a model of more points than fit).
    const char *sentence = FailureSentence(result.failure == ReadFailure::TooLarge && result.detail.isEmpty()
                                               ? ReadFailure::OutOfMemory
                                               : result.failure);
    if (!sentence)
        return QString();
    QString text = QCoreApplication::translate("ModelReader", sentence);
    if (result.failure == ReadFailure::Unreadable)
        text = text.arg(result.systemError);
    else if (result.failure == ReadFailure::NoWorkingCopy)
        text = text.arg(DisplayPath(QDir::tempPath()));
    else if (result.failure == ReadFailure::NotEnoughMemory)
        text = text.arg(QLocale().toString(result.memory.triangles), ByteSizeText(quint64(result.memory.needed)),
                        ByteSizeText(quint64(std::max<qint64>(0, result.memory.available))));
    else if (result.failure == ReadFailure::MissingDataFile || result.failure == ReadFailure::Unsupported ||
             result.failure == ReadFailure::OverLimit || result.failure == ReadFailure::OutsideFolder ||
             result.failure == ReadFailure::TooLarge)
        text = text.arg(EscapeControlCharacters(result.detail));
    return text;
}

ReadResult RefusalForMemory(const QString &path, qint64 available, MemoryUse use)
{
    return RefusalForMemory(EstimatedMemoryNeed(path), available, use);
}

ReadResult RefusalForMemory(const MemoryNeed &need, qint64 available, MemoryUse use)
{
    ReadResult result;
    if (FitsInMemory(need, available, use))
        return result;
    result.failure = ReadFailure::NotEnoughMemory;
    result.memory.triangles = need.triangles;
    result.memory.needed = need.BytesFor(use);
    result.memory.available = available;
    return result;
}

bool IsReadableSuffix(const QString &suffix)
{
    for (const char *known : {"stl", "obj", "ply", "off", "gltf", "glb", "3mf"})
        if (suffix.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QStringList ReadNotes(const ReadResult &result)
{
    QStringList notes;
    // Parts the look keeps are not merged.
    if (result.partsMerged > 1 && !(result.look && result.look->HasParts()))
        notes << QCoreApplication::translate("ModelReader", "%n parts were merged into one model.", nullptr,
                                             result.partsMerged);
    if (result.materialsNotKept)
        notes << QCoreApplication::translate("ModelReader", "This file's materials and textures are not kept: "
                                                            "they are not saved with the model.");
    if (!result.materialFilesNotRead.isEmpty())
        notes << QCoreApplication::translate("ModelReader", "Material libraries missing beside this model or "
                                                            "outside its folder: %1. Their materials are shown "
                                                            "in a plain colour.")
                     .arg(EscapeControlCharacters(result.materialFilesNotRead.join(QStringLiteral(", "))));
    QStringList missingImages; // the first ten: a crafted file may name thousands
    if (result.look)
        for (const TextureImage &image : result.look->images)
            if (image.Missing() && missingImages.size() <= 10)
                missingImages << (missingImages.size() < 10 ? image.name : QString(QChar(0x2026)));
    if (!missingImages.isEmpty())
        notes << QCoreApplication::translate("ModelReader", "Textures missing beside this model, outside its "
                                                            "folder or unreadable: %1. Their materials are shown "
                                                            "in their plain colours.")
                     .arg(EscapeControlCharacters(missingImages.join(QStringLiteral(", "))));
    // lupdate loops for ever on a template argument inside translate()'s arguments.
    const int primitives = int(std::min<qint64>(result.primitivesLeftOut, INT_MAX));
    if (primitives > 0)
        notes << QCoreApplication::translate("ModelReader", "%n groups of points or lines were left out: they "
                                                            "have no triangles.", nullptr, primitives);
    if (result.faceColoursNotRead)
        notes << QCoreApplication::translate("ModelReader", "The colours of this file's faces are left out: "
                                                            "Lumeno3D keeps vertex colours only.");
    if (result.attributesLeftOut.Any())
        notes << QCoreApplication::translate("ModelReader", "This file's %1 are left out: only some of its parts "
                                                            "or faces carry them.")
                     .arg(AttributeText(result.attributesLeftOut));
    if (!result.unitConverted.isEmpty())
        notes << QCoreApplication::translate("ModelReader", "This file gives its sizes in the unit \"%1\"; "
                                                            "they were converted to millimetres.")
                     .arg(result.unitConverted);
    return notes;
}

} // namespace lumeno
