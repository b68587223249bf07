#pragma once

#include "model/ModelLook.h"

#include <QString>

#include <string_view>
#include <vector>

namespace lumeno {

class LookImages;

// A map statement of an MTL file ("map_Kd -s 2 2 1 wood.png"): its keyword, the file it names
// and the options before it as written.
struct MtlMap
{
    QString keyword; // as written: "map_Kd", "bump", "map_Bump", "norm", "disp"
    QString file;
    QString options; // "-s 2 2 1", empty for none
    double bumpFactor = 1; // -bm
};

struct MtlMaterial
{
    Material material; // its colours; its texture slots are filled by TexturedMaterial
    std::vector<MtlMap> maps;
};

// A library holds at most this many materials; those defined after them are not read.
constexpr int MaxMtlMaterials = 65536;

// Reads the materials an MTL library defines, in their order: newmtl, Kd, Ka, Ks, Ke, Ns, d and
// Tr (d = 1 - Tr), the map_* statements, bump, norm, disp, decal and refl with their options.
// A statement that cannot be read (no numbers, "Kd spectral") is skipped: a library's faults
// never refuse the model. Statements have the form of OBJ's (see Statements).
std::vector<MtlMaterial> ReadMtl(std::string_view text);

// The material with its maps' images, each read from beside the model in `folder` (one that
// is missing or outside the folder is kept as a missing image). map_Kd becomes the base colour
// texture, map_Ke the emissive one, bump, map_bump and norm the normal map (-bm its factor);
// the other maps are kept by their keyword in otherMaps.
Material TexturedMaterial(const MtlMaterial &read, const QString &folder, LookImages &images);

} // namespace lumeno
