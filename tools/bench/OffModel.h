#pragma once

#include <QString>

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

// What reading an OFF file gave: the model, or why there is none.
struct OffReading
{
    vtkSmartPointer<vtkPolyData> model;
    QString error; // empty when the model was read
};

// Reads an OFF mesh (Geomview's Object File Format, as CGAL's sample meshes are stored): the
// line "OFF", optionally followed by the counts on the same line, then the counts of vertices,
// faces and edges, one vertex (x y z) per line and one face (n i1 .. in) per line, with
// anything after them on the line (colours) ignored. Faces of more corners become fans of
// triangles. Comments (from #) and blank lines are skipped. A malformed file gives no model
// and a message naming the line at fault.
OffReading ReadOffModel(const QString &path);
