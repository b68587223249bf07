#pragma once

#include "model/ModelLook.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace lumeno {

// What an OBJ file tells of its look while its statements are read: the material libraries
// it names (mtllib), the material of each face (usemtl) and its part (o and g), and, once read,
// the look itself. Names that only writers' placeholders give ("mtllib NONE", "usemtl
// mtlNONE") mean none.
class ObjLook
{
public:
    // A file names at most this many materials and parts; past them it is refused.
    static constexpr int MaxMaterials = 65536;
    static constexpr int MaxParts = 100000;
    static constexpr int MaxLibraries = 64;

    // The words of a mtllib statement: one name with blanks when a file of that name exists
    // in `folder`, else one name each.
    void NameLibraries(const std::vector<std::string> &words, const QString &folder);
    // False past MaxMaterials.
    bool UseMaterial(const std::string &name);
    void BeginObject(const std::string &name);
    void BeginGroup(const std::string &names);
    // Notes the material and part of the next face; false past MaxParts.
    bool AddFace();

    // Whether a bound of ours was passed.
    bool AtLimit() const { return materialNames.size() >= size_t(MaxMaterials) || partNames.size() >= size_t(MaxParts); }
    // Each face's material (-1 for none) and part; empty when the file names none, or one part.
    const std::vector<std::int32_t> &FaceMaterials() const { return faceMaterials; }
    const std::vector<std::int32_t> &FaceParts() const { return partNames.size() > 1 ? faceParts : noParts; }

    // The look of the materials used and the parts, read from the libraries in `folder`; null
    // for a file without materials and of one part. `notRead` gets the libraries that are
    // missing, outside the folder or too large.
    SharedLook Build(const QString &folder, QStringList &notRead) const;

private:
    std::vector<QString> libraries;
    std::vector<QString> materialNames;
    std::map<std::string, int> materialIndex;
    std::vector<QString> partNames;
    std::map<std::string, int> partIndex;
    std::string object;
    std::string group;
    int currentMaterial = -1;
    int currentPart = -1;
    std::vector<std::int32_t> faceMaterials; // filled from the first usemtl on
    std::vector<std::int32_t> faceParts;
    std::vector<std::int32_t> noParts;
    std::int64_t faces = 0;
};

} // namespace lumeno
