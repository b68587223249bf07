#pragma once

#include "model/ModelLook.h"
#include "model/PointAttributes.h"

#include <QString>
#include <QtGlobal>

#include <functional>

class vtkPolyData;

namespace lumeno {

struct ModelWriteResult
{
    bool written = false;
    QString error; // names the file; empty when written
};

// What a writer keeps of the model's look (ModelLook.h) besides its triangles.
struct ModelWriteOptions
{
    SharedLook look; // materials, images and parts; null for a model without them
    // OBJ: the textures are copied next to the output, or referred to where they are.
    enum class Textures { Copy, Reference } textures = Textures::Copy;
    bool mergeParts = false; // one part, as the model is drawn
};

// True for the suffixes a model can be written as: stl, ply, obj, glb, gltf, 3mf and off, in
// any case.
bool IsModelSuffix(const QString &suffix);

// What the model carries that a file of this suffix (any case) cannot hold: none for a
// suffix that is no model format.
PointAttributes AttributesNotSaved(vtkPolyData *model, const QString &suffix);

// One sentence naming those, for a file of that suffix: "vertex colours and normals are not
// saved: STL files hold the triangles only."; empty for none.
QString AttributesNotSavedText(const PointAttributes &dropped, const QString &suffix);

// Writes binary STL, binary PLY, OBJ text, GLB, glTF (its buffer embedded), 3MF or OFF text,
// chosen by the suffix (any case), with the
// attributes the format holds (AttributesWritable) and the look as far as it holds it
// (LookSaving.h): an OBJ file names a material file of its own base name beside it, written
// first with the textures it needs (TextureFiles.h); glTF, GLB and 3MF hold theirs inside. A
// model without materials and with its parts merged or only one part is written as it was
// before looks were kept ("mtllib NONE"). The file
// is replaced only once the new content is complete: a failed write leaves an existing
// file of that name as it was. A replaced file keeps its mode. Refused, with the target
// untouched: a model without triangles or with a coordinate that is not finite, and a
// write-protected target (see ReplaceFileContent).
ModelWriteResult WriteModelFile(vtkPolyData *model, const QString &fileName, const QString &suffix,
                                const ModelWriteOptions &options = {});

// Writes as WriteModelFile does, refusing the same targets and models, with `write` filling a
// new file beside the target (its path ends in .<suffix>); the target is replaced once
// `write` says that file is complete.
ModelWriteResult WriteModelFileWith(vtkPolyData *model, const QString &fileName, const QString &suffix,
                                    const std::function<bool(const QString &)> &write);

// The failure of a write that ran short of memory (WriteModelFile's, or the caller's before it).
ModelWriteResult NotEnoughMemoryToWrite(const QString &fileName);

// Replaces the file's content with the given bytes once they are all written; on failure
// an existing file stays as it was and the reason is given. A symbolic link keeps pointing
// at the new content; a target that exists but is no regular file is refused, and so is a
// write-protected one: the user may not write it, or it grants nobody write permission.
// A replaced file keeps its mode.
bool ReplaceFileContent(const QString &fileName, const char *data, qint64 size, QString *reason);

} // namespace lumeno
