#pragma once

#include <QJsonArray>
#include <QString>
#include <QTemporaryDir>

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <cstddef>

// What one run of the CGAL peer gave.
struct CgalPeerResult
{
    vtkSmartPointer<vtkPolyData> model; // null when the run failed
    double seconds = 0.0;               // the peer's own time: mesh making and collapse
    QJsonArray changes;                 // what the peer changed to make the input a manifold mesh
    QString error;
};

// lumeno3d-cgal-peer (CGAL's Lindstrom-Turk edge collapse) run as a process of its own, once
// per level, on the model as the program read it (written as OFF beside its results).
class CgalPeer
{
public:
    explicit CgalPeer(const QString &program);

    bool Available() const { return !program.isEmpty() && folder.isValid(); }
    // The model every following Reduce works on. False when it cannot be written.
    bool Load(vtkPolyData *model);
    CgalPeerResult Reduce(size_t triangles) const;

private:
    QString program;
    QTemporaryDir folder;
    QString input;
};
