#pragma once
// Model files for the loading and decimation tests (small ones under tests/data, the
// others written by the test into the sandbox) and a window's decimation actions.
#include "TestSupport.h"

#include "MainWindow.h"

#include <QAction>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <vtkPolyData.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace testing {

inline QString DataFile(const char *name)
{
    return QStringLiteral(LUMENO_TEST_DATA "/") + QString::fromUtf8(name);
}

// A path in a fresh folder of the sandbox (not the temporary folder the program uses).
inline QString ScratchFile(const QString &name)
{
    const QString folder = SandboxPath() + QStringLiteral("/models");
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + name;
}

inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// A binary STL: an 80-byte header of zeros, the given triangle count, then the triangles (nine
// coordinates each) with zero normals.
inline QByteArray BinaryStl(uint32_t declaredCount, const std::vector<float> &corners)
{
    QByteArray bytes(80, '\0');
    bytes.append(reinterpret_cast<const char *>(&declaredCount), 4);
    for (size_t i = 0; i + 9 <= corners.size(); i += 9) {
        const float normal[3] = {0, 0, 0};
        bytes.append(reinterpret_cast<const char *>(normal), sizeof normal);
        bytes.append(reinterpret_cast<const char *>(&corners[i]), 9 * sizeof(float));
        bytes.append(2, '\0');
    }
    return bytes;
}

// Data rows (path, points, polygons): one sphere written as STL, PLY and OBJ, and the ASCII
// STL and PLY files of tests/data. False when a file could not be written.
inline bool AddEveryFormatRows(int theta, int phi)
{
    auto sphere = Sphere(theta, phi);
    for (const char *name : {"sphere.stl", "sphere.ply", "sphere.obj"}) {
        const QString path = ScratchFile(QString::fromLatin1(name));
        if (!WriteModel(sphere, path))
            return false;
        QTest::newRow(name) << path << int(sphere->GetNumberOfPoints()) << int(sphere->GetNumberOfPolys());
    }
    QTest::newRow("ascii stl") << DataFile("cube_ascii.stl") << 8 << 12;
    QTest::newRow("ascii ply") << DataFile("tetra_ascii.ply") << 4 << 4;
    return true;
}

inline QAction *Action(MainWindow &window, const QString &name)
{
    return window.findChild<QAction *>(name);
}

inline QAction *LevelAction(MainWindow &window, int percent)
{
    return Action(window, QStringLiteral("actionDecimation%1").arg(percent));
}

// The cascade of the last load has ended when the custom reduction becomes available.
inline bool WaitForCascade(MainWindow &window, int timeoutMs = 120000)
{
    return WaitUntil([&window] { return Action(window, QStringLiteral("actionDecimationSet"))->isEnabled(); },
                     timeoutMs);
}

// The mesh operation started last (cascade, reduction, smoothing) has ended.
inline bool WaitForMeshJob(MainWindow &window, int timeoutMs = 120000)
{
    return WaitUntil([&window] { return !window.IsMeshJobRunning(); }, timeoutMs);
}

} // namespace testing
