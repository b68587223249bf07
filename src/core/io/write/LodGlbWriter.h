#pragma once

#include "io/write/ModelWriter.h"

#include <QString>

#include <vector>

class vtkPolyData;

namespace lumeno {

// One level of detail of the model, with how far it lies from it (as the deviation meter
// measures it: shares of the model's bounding box diagonal).
struct LodLevel
{
    vtkPolyData *model = nullptr;
    int percent = 0; // of the triangles nominally kept
    double maxDeviation = 0.0;
    double meanDeviation = 0.0;
};

// The name of the extension that holds the chain.
inline constexpr char LodExtension[] = "MSFT_lod";

// Writes one GLB file holding the model and its levels (finest first) as MSFT_lod chains:
// per part (one for the whole model when the parts are merged or there is one) a node in
// the scene with the full model's mesh, whose extensions.MSFT_lod.ids name one node per
// level, each with that level's mesh of the part (none where the level has no triangle of
// it) and the part's transform. The base node's extras.MSFT_screencoverage gives, per node
// of the chain, the share of the screen from which on that node is drawn (see
// ScreenCoverages); every node's extras give its level: "percent" (100 for the model),
// "triangles" (of its mesh) and "deviation" ("max" and "mean" in the model's units,
// "maxShare" and "meanShare" of its diagonal; the level's as a whole). The materials and
// images appear once, the meshes of every level refer to them. MSFT_lod is named in
// extensionsUsed but not required: a reader without it draws the full model. Written as
// WriteModelFile writes (a complete file replaces the target); only .glb is taken.
ModelWriteResult WriteLodGlb(vtkPolyData *model, const std::vector<LodLevel> &levels, const QString &fileName,
                             const ModelWriteOptions &options = {});

// The MSFT_screencoverage of a chain of levels of an object whose bounding box diagonal is
// `diagonal`, their largest deviations `deviations` (finest first, in the object's units):
// one value per node, the full model first, the last 0.
std::vector<double> ScreenCoverages(double diagonal, const std::vector<double> &deviations);

} // namespace lumeno
