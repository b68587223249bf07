#pragma once

#include <QString>

class vtkPolyData;

struct ModelWriteResult
{
    bool written = false;
    QString error; // names the file; empty when written
};

// True for the suffixes a model can be written as: stl, ply and obj, in any case.
bool IsModelSuffix(const QString &suffix);

// Writes binary STL, binary PLY or OBJ text, chosen by the suffix (any case). The file
// is replaced only once the new content is complete: a failed write leaves an existing
// file of that name as it was.
ModelWriteResult WriteModelFile(vtkPolyData *model, const QString &fileName, const QString &suffix);
