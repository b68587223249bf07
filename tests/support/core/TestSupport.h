#pragma once
// What the tests share without a window: an isolated environment, small models and files.

#include <QCoreApplication>
#include <QTemporaryDir> // and QDir, QFileInfo, QFile
#include <QTest>

#include "io/read/ModelReader.h"

#include <vtkCellArray.h>
#include <vtkIntArray.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <functional>
#include <vector>

namespace lumeno {
class Reducer;
}

namespace testing {

// Points HOME, XDG_CONFIG_HOME, XDG_CACHE_HOME and TMPDIR at a fresh folder and the update
// service at a closed loopback port. Must run before the application exists.
void IsolateEnvironment();
QString SandboxPath();

// A file of tests/data, and a path in a folder of the sandbox (created on demand).
QString DataFile(const QString &name);
QString ScratchFile(const QString &name);
// A folder of the sandbox by this path, made if need be, emptied first if asked.
QString SandboxFolder(const QString &path, bool emptied = false);

bool WriteBytes(const QString &path, const QByteArray &bytes);
// For names that are no text in the locale's encoding, which a QString cannot carry.
bool WriteBytesByNativeName(const QByteArray &nativePath, const QByteArray &bytes);
QByteArray Contents(const QString &path);
// The bytes written to ScratchFile(name), read as the program reads a file of that name.
lumeno::ReadResult ReadBytes(const QString &name, const QByteArray &bytes);
// Bytes that hold no model and no settings, the same for the same seed.
QByteArray RandomBytes(int size, quint32 seed);
// Each entry of the folder, hidden ones too, with its contents: what a failure must leave alone.
QStringList FolderState(const QString &folder);

// Triangulated sphere of radius 1 with about 2 * theta * (phi - 2) triangles; as an STL file, written once.
vtkSmartPointer<vtkPolyData> Sphere(int theta = 32, int phi = 32);
// The corners of the model's polygons one after the other: three a triangle.
std::vector<vtkIdType> TriangleCorners(vtkPolyData *model);
// A cell array of these cells, and an integer array of that name and these values.
vtkSmartPointer<vtkCellArray> Cells(const std::vector<std::vector<vtkIdType>> &cells);
vtkSmartPointer<vtkIntArray> IntArray(const char *name, const std::vector<int> &values);
// The levels the reducer makes of the model, by their number.
std::vector<vtkSmartPointer<vtkPolyData>> MadeLevels(lumeno::Reducer &reducer, vtkPolyData *model);
QString SphereFile(int theta, int phi);
// The model with what scanners and game assets give their points: normals pointing away from
// the origin, texture coordinates projected from x and y, and colours (RGBA with opacity) of
// many values. The model's own arrays are replaced, not changed.
vtkSmartPointer<vtkPolyData> WithAttributes(vtkPolyData *model, bool opacity = false);
// A triangulated box of the given size centred on the origin; a size of 0 makes it flat.
vtkSmartPointer<vtkPolyData> Box(double x, double y, double z);

// Triangles that all share the edge from (0, 0, 0) to (1, 0, 0), fanned out around it: no
// reduction can remove one without breaking the others.
vtkSmartPointer<vtkPolyData> TrianglesOnOneEdge(int count);

// The volume a closed surface encloses, from its triangles: negative when they turn inwards.
double SignedVolume(vtkPolyData *model);

// Writes a polydata with VTK's writers, chosen by suffix (stl and ply binary, obj).
bool WriteModel(vtkPolyData *model, const QString &path);

// The names of this process's threads, as the system lists them.
QStringList ThreadNames();

// Runs the event loop until the predicate holds or the time is up.
inline bool WaitUntil(const std::function<bool()> &predicate, int timeoutMs = 30000)
{
    return QTest::qWaitFor(predicate, timeoutMs);
}

} // namespace testing

// main() of a test that needs no window.
#define LUMENO_CORE_TEST_MAIN(TestObject)                                                                             \
    int main(int argc, char *argv[])                                                                                  \
    {                                                                                                                 \
        testing::IsolateEnvironment();                                                                                \
        QCoreApplication app(argc, argv);                                                                             \
        TestObject test;                                                                                              \
        return QTest::qExec(&test, argc, argv);                                                                       \
    }
