#pragma once

#include "model/ModelLook.h"

#include <QString>

#include <map>
#include <utility>
#include <vector>

struct zip;

namespace lumeno {

// A texture2d of the 3MF materials extension: an image of the package and how it is sampled.
struct ThreeMfTexture
{
    QString path;        // of the image inside the package
    QString contentType; // "image/png", "image/jpeg"
    int wrapS = 0, wrapT = 0, filter = 0; // glTF's sampler values; 0 for the default
};

// The materials the textures of a package's model parts make, one for each texture2d (of
// whichever part), and the images they use, each read once.
class ThreeMfTextures
{
public:
    // The package holds at most this many textures; those past them are not read.
    static constexpr int MaxTextures = 4096;

    // The material of the texture `id` of the model part `partPath`; -1 past MaxTextures.
    int MaterialOf(const QString &partPath, int id, const ThreeMfTexture &texture);
    bool Empty() const { return materials.empty(); }
    // Moves the materials into the look and reads their images from the package (each past the
    // bounds of LookImages, or not in the package, kept as missing).
    void MoveInto(ModelLook &look, zip *archive);

private:
    std::vector<Material> materials;
    std::vector<ThreeMfTexture> images;
    std::map<QString, int> imageOfPath; // by the path in lower case
    std::map<std::pair<QString, int>, int> materialOf;
};

} // namespace lumeno
