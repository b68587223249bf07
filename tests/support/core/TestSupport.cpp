#include "TestSupport.h"

#include "reduce/Reducer.h"

#include <QRandomGenerator>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkCubeSource.h>
#include <vtkFloatArray.h>
#include <vtkIdList.h>
#include <vtkOBJWriter.h>
#include <vtkPLYWriter.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkSTLWriter.h>
#include <vtkSphereSource.h>
#include <vtkUnsignedCharArray.h>
#include <vtkTriangleFilter.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace testing {

namespace {
std::unique_ptr<QTemporaryDir> sandbox;
} // namespace

void IsolateEnvironment()
{
    sandbox = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/lumeno-test-XXXXXX"));
    const QString root = sandbox->path();
    for (const char *sub : {"home/Desktop", "config", "cache", "tmp", "runtime"})
        QDir(root).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(root + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const auto &[name, sub] : {std::pair{"XDG_RUNTIME_DIR", "/runtime"}, {"HOME", "/home"},
                                    {"XDG_CONFIG_HOME", "/config"}, {"XDG_CACHE_HOME", "/cache"}, {"TMPDIR", "/tmp"}})
        qputenv(name, QFile::encodeName(root + QLatin1String(sub)));
    // Mesa would write its shader cache while a test holds the file size limit of a full disk.
    qputenv("MESA_SHADER_CACHE_DISABLE", "true");
    // Port 9 (discard) on loopback: nothing listens, the update check fails at once.
    qputenv("LUMENO3D_UPDATE_URL", "http://127.0.0.1:9");
}

QString SandboxPath()
{
    return sandbox ? sandbox->path() : QString();
}

QString DataFile(const QString &name)
{
    return QStringLiteral(LUMENO_TEST_DATA "/") + name;
}

QString ScratchFile(const QString &name)
{
    return SandboxFolder(QStringLiteral("models")) + QLatin1Char('/') + name;
}

QString SandboxFolder(const QString &path, bool emptied)
{
    const QString folder = SandboxPath() + QLatin1Char('/') + path;
    if (emptied)
        QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool WriteBytesByNativeName(const QByteArray &nativePath, const QByteArray &bytes)
{
    FILE *file = std::fopen(nativePath.constData(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), file) ==
                         static_cast<size_t>(bytes.size());
    return std::fclose(file) == 0 && written;
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

lumeno::ReadResult ReadBytes(const QString &name, const QByteArray &bytes)
{
    const QString path = ScratchFile(name);
    return WriteBytes(path, bytes) ? lumeno::ReadModel(path, QFileInfo(path).suffix()) : lumeno::ReadResult();
}

QByteArray RandomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

QStringList FolderState(const QString &folder)
{
    QStringList files;
    for (const QFileInfo &entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        files << entry.fileName() + QLatin1Char('=') + QString::fromLatin1(Contents(entry.filePath()).toHex());
    return files;
}

std::vector<vtkIdType> TriangleCorners(vtkPolyData *model)
{
    std::vector<vtkIdType> corners;
    auto cell = vtk::TakeSmartPointer(model->GetPolys()->NewIterator());
    for (cell->GoToFirstCell(); !cell->IsDoneWithTraversal(); cell->GoToNextCell()) {
        vtkIdType size = 0;
        const vtkIdType *ids = nullptr;
        cell->GetCurrentCell(size, ids);
        corners.insert(corners.end(), ids, ids + size);
    }
    return corners;
}

vtkSmartPointer<vtkCellArray> Cells(const std::vector<std::vector<vtkIdType>> &cells)
{
    auto array = vtkSmartPointer<vtkCellArray>::New();
    for (const auto &cell : cells)
        array->InsertNextCell(vtkIdType(cell.size()), cell.data());
    return array;
}

vtkSmartPointer<vtkIntArray> IntArray(const char *name, const std::vector<int> &values)
{
    auto array = vtkSmartPointer<vtkIntArray>::New();
    array->SetName(name);
    for (const int value : values)
        array->InsertNextValue(value);
    return array;
}

std::vector<vtkSmartPointer<vtkPolyData>> MadeLevels(lumeno::Reducer &reducer, vtkPolyData *model)
{
    std::vector<vtkSmartPointer<vtkPolyData>> levels;
    lumeno::LevelReceiver receiver;
    receiver.ready = [&levels](int level, const vtkSmartPointer<vtkPolyData> &made) {
        levels.resize(std::max(levels.size(), size_t(level) + 1));
        levels[size_t(level)] = made;
    };
    reducer.MakeLevels(model, receiver, {});
    return levels;
}

vtkSmartPointer<vtkPolyData> Sphere(int theta, int phi)
{
    vtkNew<vtkSphereSource> source; // triangles already
    source->SetThetaResolution(theta);
    source->SetPhiResolution(phi);
    source->SetRadius(1.0);
    source->Update();
    return source->GetOutput();
}

vtkSmartPointer<vtkPolyData> WithAttributes(vtkPolyData *model, bool opacity)
{
    auto result = vtkSmartPointer<vtkPolyData>::New();
    result->ShallowCopy(model);
    vtkNew<vtkFloatArray> normals, uv;
    vtkNew<vtkUnsignedCharArray> colours;
    normals->SetNumberOfComponents(3);
    uv->SetNumberOfComponents(2);
    colours->SetNumberOfComponents(opacity ? 4 : 3);
    for (vtkIdType i = 0; i < model->GetNumberOfPoints(); ++i) {
        double p[3];
        model->GetPoint(i, p);
        const double length = std::max(std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]), 1e-9);
        normals->InsertNextTuple3(p[0] / length, p[1] / length, p[2] / length);
        uv->InsertNextTuple2(0.5 + p[0] / length / 2, 0.5 + p[1] / length / 2);
        const unsigned char colour[4] = {static_cast<unsigned char>(i % 256), 128, static_cast<unsigned char>(i % 7),
                                         200};
        colours->InsertNextTypedTuple(colour);
    }
    result->GetPointData()->SetNormals(normals);
    result->GetPointData()->SetTCoords(uv);
    result->GetPointData()->SetScalars(colours);
    return result;
}

QString SphereFile(int theta, int phi)
{
    const QString path = ScratchFile(QStringLiteral("sphere%1x%2.stl").arg(theta).arg(phi));
    return QFileInfo::exists(path) || WriteModel(Sphere(theta, phi), path) ? path : QString();
}

vtkSmartPointer<vtkPolyData> Box(double x, double y, double z)
{
    vtkNew<vtkCubeSource> cube;
    cube->SetXLength(x);
    cube->SetYLength(y);
    cube->SetZLength(z);
    vtkNew<vtkTriangleFilter> triangles;
    triangles->SetInputConnection(cube->GetOutputPort());
    triangles->Update();
    return triangles->GetOutput();
}

vtkSmartPointer<vtkPolyData> TrianglesOnOneEdge(int count)
{
    auto points = vtkSmartPointer<vtkPoints>::New();
    points->InsertNextPoint(0, 0, 0);
    points->InsertNextPoint(1, 0, 0);
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    for (vtkIdType i = 0; i < count; ++i) {
        const double angle = 2 * M_PI * (i + 0.5) / count;
        points->InsertNextPoint(0.5, std::cos(angle), std::sin(angle));
        triangles->InsertNextCell({vtkIdType(0), vtkIdType(1), i + 2});
    }
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->SetPoints(points);
    model->SetPolys(triangles);
    return model;
}

double SignedVolume(vtkPolyData *model)
{
    double volume = 0.0;
    vtkNew<vtkIdList> corners;
    for (vtkIdType cell = 0; cell < model->GetNumberOfPolys(); ++cell) {
        model->GetCellPoints(model->GetNumberOfVerts() + model->GetNumberOfLines() + cell, corners);
        double p[3][3];
        for (int i = 0; i < 3; ++i)
            model->GetPoint(corners->GetId(i), p[i]);
        volume += (p[0][0] * (p[1][1] * p[2][2] - p[1][2] * p[2][1]) - p[0][1] * (p[1][0] * p[2][2] - p[1][2] * p[2][0]) +
                   p[0][2] * (p[1][0] * p[2][1] - p[1][1] * p[2][0])) /
                  6.0;
    }
    return volume;
}

bool WriteModel(vtkPolyData *model, const QString &path)
{
    const auto write = [&](auto writer) {
        writer->SetFileName(QFile::encodeName(path).constData());
        writer->SetInputData(model);
        return writer->Write() == 1;
    };
    vtkNew<vtkSTLWriter> stl;
    vtkNew<vtkPLYWriter> ply;
    stl->SetFileTypeToBinary();
    ply->SetFileTypeToBinary();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("stl"))
        return write(stl.Get());
    if (suffix == QLatin1String("ply"))
        return write(ply.Get());
    return suffix == QLatin1String("obj") && write(vtkNew<vtkOBJWriter>().Get());
}

QStringList ThreadNames()
{
    QStringList names;
    for (const QString &task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        names << QString::fromUtf8(Contents(QStringLiteral("/proc/self/task/%1/comm").arg(task)).trimmed());
    return names;
}

} // namespace testing
