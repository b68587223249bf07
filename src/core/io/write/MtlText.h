#pragma once

#include "model/ModelLook.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace lumeno {

class TextureFiles;

// The MTL file of the look's materials, each under its name in `names` (one word each):
// Ka, Kd, Ks, Ns, d, Ke where it glows, Pm and Pr for a material read with them, and a map
// statement, with its options as read, for every texture it uses (a glTF texture transform
// becomes -o and -s, a normal map's scale -bm).
QByteArray MtlText(const ModelLook &look, const std::vector<QString> &names, const TextureFiles &files);

} // namespace lumeno
