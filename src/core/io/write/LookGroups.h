#pragma once

#include "model/ModelLook.h"

#include <array>
#include <vector>

#include <vtkType.h>

class vtkPolyData;

namespace lumeno {

// The polygons of one material within a part, by their index among the model's polygons.
struct MaterialRun
{
    int material = -1; // index into ModelLook::materials; -1 for none
    std::vector<vtkIdType> polygons;
};

// A part as a writer that keeps the look writes it.
struct PartGroup
{
    int part = -1; // index into ModelLook::parts; -1 for the whole model as one
    std::vector<MaterialRun> runs;
};

// The model's polygons grouped as the look's writers write them: by part in the parts' order
// (one group for all when the parts are merged or the look has no parts), then by material in
// the order each first appears, every run keeping the model's order. A model without the id
// arrays, or with ids the look does not have, has its polygons under no material, in part 0.
std::vector<PartGroup> GroupPolygons(vtkPolyData *model, const ModelLook *look, bool mergeParts);

// Whether the model is written with its look: it has materials, or parts kept apart.
bool WritesLook(const ModelLook *look, bool mergeParts);

// The inverse of a part's column-major transform: it takes the stored (placed) points back
// into the part's own frame. The identity when the transform cannot be inverted.
std::array<double, 16> InverseTransform(const std::array<double, 16> &transform);

// The point multiplied by a column-major transform.
std::array<double, 3> Transformed(const std::array<double, 16> &transform, const double point[3]);

bool IsIdentity(const std::array<double, 16> &transform);

// Names as OBJ and MTL lines take them: one word of printable characters, unique among
// `names` (a clash gets "_2", "_3"...); `fallback` ("material") with its number for none.
std::vector<QString> WordNames(const std::vector<QString> &names, const QString &fallback);

// The images the materials use, each once, in the order of the images.
std::vector<int> UsedImages(const ModelLook &look);

// "image/png" or "image/jpeg", the types glTF and 3MF take, by the image's type or else its
// first bytes; empty for another type or a missing image.
QString PngOrJpegType(const TextureImage &image);

// Every slot of a material that names an image, with the OBJ keyword it is written under.
std::vector<std::pair<QString, const TextureSlot *>> MaterialSlots(const Material &material);

} // namespace lumeno
