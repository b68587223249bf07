#include "io/read/ObjLook.h"

#include "io/read/FolderFile.h"
#include "io/read/FolderUri.h"
#include "io/read/LookImages.h"
#include "io/read/MtlReader.h"

#include <QFileInfo>

#include <algorithm>

namespace lumeno {

namespace {

// Larger libraries are taken for damaged or hostile files.
constexpr qint64 MaxLibraryBytes = qint64(64) << 20;

QString Text(const std::string &name)
{
    return QString::fromUtf8(name.data(), int(std::min<size_t>(name.size(), 4096)));
}

} // namespace

void ObjLook::NameLibraries(const std::vector<std::string> &words, const QString &folder)
{
    std::vector<QString> names;
    std::string joined;
    for (const std::string &word : words)
        joined += (joined.empty() ? "" : " ") + word;
    const QString whole = Text(joined);
    const QString path = PathOfNameInFolder(folder, whole);
    if (words.size() > 1 && !path.isEmpty() && QFileInfo(path).isFile())
        names.push_back(whole);
    else
        for (const std::string &word : words)
            if (word != "NONE")
                names.push_back(Text(word));
    for (const QString &name : names)
        if (libraries.size() < size_t(MaxLibraries) && std::find(libraries.begin(), libraries.end(), name) == libraries.end())
            libraries.push_back(name);
}

bool ObjLook::UseMaterial(const std::string &name)
{
    if (name.empty() || name == "mtlNONE") {
        currentMaterial = -1;
        return true;
    }
    const auto known = materialIndex.find(name);
    if (known != materialIndex.end()) {
        currentMaterial = known->second;
        return true;
    }
    if (materialNames.size() >= size_t(MaxMaterials))
        return false;
    currentMaterial = int(materialNames.size());
    materialIndex.emplace(name, currentMaterial);
    materialNames.push_back(Text(name));
    if (faceMaterials.empty())
        faceMaterials.assign(size_t(faces), -1);
    return true;
}

void ObjLook::BeginObject(const std::string &name)
{
    object = name;
    group.clear();
    currentPart = -1;
}

void ObjLook::BeginGroup(const std::string &names)
{
    group = names.empty() ? std::string("default") : names;
    currentPart = -1;
}

bool ObjLook::AddFace()
{
    if (currentPart < 0) {
        const std::string key = object + '\n' + group;
        const auto known = partIndex.find(key);
        if (known != partIndex.end()) {
            currentPart = known->second;
        } else {
            if (partNames.size() >= size_t(MaxParts))
                return false;
            currentPart = int(partNames.size());
            partIndex.emplace(key, currentPart);
            const std::string name = object.empty() ? (group.empty() ? std::string("default") : group)
                                                    : (group.empty() ? object : object + '/' + group);
            partNames.push_back(Text(name));
        }
    }
    faceParts.push_back(currentPart);
    if (!materialNames.empty())
        faceMaterials.push_back(currentMaterial);
    ++faces;
    return true;
}

SharedLook ObjLook::Build(const QString &folder, QStringList &notRead) const
{
    if (materialNames.empty() && partNames.size() <= 1)
        return nullptr;
    auto look = std::make_shared<ModelLook>();
    for (const QString &name : partNames)
        look->parts.push_back({name, ModelPart().transform});

    // The first library to define a name gives its material.
    std::map<QString, MtlMaterial> defined;
    qint64 bytesLeft = 4 * MaxLibraryBytes; // for all libraries together
    if (!materialNames.empty())
        for (const QString &library : libraries) {
            const FolderFile file =
                ReadFolderFile(folder, PathOfNameInFolder(folder, library), std::min(MaxLibraryBytes, bytesLeft));
            if (file.status != FolderFile::Status::Read) {
                notRead << library;
                continue;
            }
            bytesLeft -= file.bytes.size();
            for (MtlMaterial &material : ReadMtl(std::string_view(file.bytes.constData(), size_t(file.bytes.size()))))
                defined.emplace(material.material.name, std::move(material));
        }
    LookImages images(*look);
    for (const QString &name : materialNames) {
        const auto found = defined.find(name);
        if (found == defined.end()) {
            Material plain;
            plain.name = name;
            look->materials.push_back(plain);
        } else {
            look->materials.push_back(TexturedMaterial(found->second, folder, images));
        }
    }
    return look;
}

} // namespace lumeno
