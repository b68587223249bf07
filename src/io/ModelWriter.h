#pragma once

#include <QString>
#include <QtGlobal>

class vtkPolyData;

namespace lumeno {

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

// Replaces the file's content with the given bytes once they are all written; on failure
// an existing file stays as it was and the reason is given. A symbolic link keeps pointing
// at the new content; a target that exists but is no regular file is refused.
bool ReplaceFileContent(const QString &fileName, const char *data, qint64 size, QString *reason);

} // namespace lumeno
