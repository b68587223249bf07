#include "io/read/MtlReader.h"

#include "io/read/FolderUri.h"
#include "io/read/LookImages.h"
#include "io/read/ObjStatements.h"

#include <algorithm>
#include <cstring>

namespace lumeno {

namespace {

bool Is(std::string_view word, const char *keyword)
{
    const size_t length = std::strlen(keyword);
    if (word.size() != length)
        return false;
    for (size_t i = 0; i < length; ++i)
        if (std::tolower(static_cast<unsigned char>(word[i])) != keyword[i])
            return false;
    return true;
}

bool IsMapKeyword(std::string_view keyword)
{
    return (keyword.size() > 4 && Is(keyword.substr(0, 4), "map_")) || Is(keyword, "bump") || Is(keyword, "norm") ||
           Is(keyword, "disp") || Is(keyword, "decal") || Is(keyword, "refl");
}

// Up to `count` numbers; a single one stands for all (Kd 0.5 is grey). False when none is.
template <size_t count>
bool ReadColour(Statements &statements, std::array<double, count> &colour)
{
    std::string_view word;
    size_t read = 0;
    float value = 0;
    std::array<double, count> numbers{};
    while (read < count && statements.Word(word)) {
        if (!ToFloat(word, value))
            return false; // "spectral", "xyz": not read
        numbers[read++] = double(value);
    }
    if (read == 0)
        return false;
    for (size_t i = read; i < count; ++i)
        numbers[i] = numbers[read - 1];
    colour = numbers;
    return true;
}

bool ReadNumber(Statements &statements, double &number)
{
    std::string_view word;
    float value = 0;
    // "d -halo 0.5": the halo is not kept, the factor is.
    if (statements.Word(word) && word == "-halo" && !statements.Word(word))
        return false;
    if (word.empty() || !ToFloat(word, value))
        return false;
    number = double(value);
    return true;
}

// How many words follow each option of a map statement; -o, -s and -t take one to three
// numbers.
int OptionWords(std::string_view option, bool &upToThree)
{
    upToThree = Is(option, "-o") || Is(option, "-s") || Is(option, "-t");
    if (upToThree)
        return 3;
    if (Is(option, "-mm"))
        return 2;
    for (const char *one : {"-blendu", "-blendv", "-boost", "-texres", "-clamp", "-bm", "-imfchan", "-type", "-cc"})
        if (Is(option, one))
            return 1;
    return -1;
}

// "map_Kd [options] file": the options are read as far as they are known; the rest is the
// file's name, blanks and all.
MtlMap ReadMap(Statements &statements, std::string_view keyword)
{
    MtlMap map;
    map.keyword = QString::fromUtf8(keyword.data(), int(keyword.size()));
    std::string options;
    std::string file;
    std::string_view word;
    bool pending = statements.Word(word);
    while (pending) {
        bool upToThree = false;
        const int words = file.empty() ? OptionWords(word, upToThree) : -1;
        if (words < 0) {
            if (!file.empty())
                file += ' ';
            file.append(word);
            pending = statements.Word(word);
            continue;
        }
        const bool bump = Is(word, "-bm");
        if (!options.empty())
            options += ' ';
        options.append(word);
        pending = statements.Word(word);
        for (int taken = 0; taken < words && pending; ++taken) {
            float value = 0;
            const bool number = ToFloat(word, value);
            if (upToThree && taken > 0 && !number)
                break; // "-s 2 wood.png": the name follows the one number
            if (bump && number)
                map.bumpFactor = double(value);
            options += ' ';
            options.append(word);
            pending = statements.Word(word);
        }
    }
    map.file = QString::fromUtf8(file.data(), int(std::min<size_t>(file.size(), 4096)));
    map.options = QString::fromUtf8(options.data(), int(std::min<size_t>(options.size(), 4096)));
    return map;
}

} // namespace

std::vector<MtlMaterial> ReadMtl(std::string_view text)
{
    std::vector<MtlMaterial> materials;
    Statements statements(text);
    std::string_view keyword;
    MtlMaterial *current = nullptr;
    bool full = false;
    while (statements.Keyword(keyword)) {
        if (keyword == "newmtl") {
            current = nullptr;
            if (materials.size() >= size_t(MaxMtlMaterials)) {
                full = true;
                continue;
            }
            const std::string name = RestOfStatement(statements);
            materials.emplace_back();
            current = &materials.back();
            current->material.name = QString::fromUtf8(name.data(), int(std::min<size_t>(name.size(), 4096)));
            continue;
        }
        if (!current || full)
            continue;
        Material &material = current->material;
        if (Is(keyword, "kd")) {
            std::array<double, 3> colour{};
            if (ReadColour(statements, colour))
                std::copy(colour.begin(), colour.end(), material.baseColour.begin());
        } else if (Is(keyword, "ka")) {
            ReadColour(statements, material.ambient);
        } else if (Is(keyword, "ks")) {
            ReadColour(statements, material.specular);
        } else if (Is(keyword, "ke")) {
            ReadColour(statements, material.emissive);
        } else if (Is(keyword, "ns")) {
            ReadNumber(statements, material.shininess);
        } else if (Is(keyword, "d") || Is(keyword, "tr")) {
            double value = 0;
            if (ReadNumber(statements, value))
                material.baseColour[3] = std::clamp(Is(keyword, "d") ? value : 1 - value, 0.0, 1.0);
            material.alphaMode = material.baseColour[3] < 1 ? Material::AlphaMode::Blend : Material::AlphaMode::Opaque;
        } else if (IsMapKeyword(keyword)) {
            MtlMap map = ReadMap(statements, keyword);
            if (!map.file.isEmpty() && current->maps.size() < 64)
                current->maps.push_back(std::move(map));
        }
    }
    return materials;
}

Material TexturedMaterial(const MtlMaterial &read, const QString &folder, LookImages &images)
{
    Material material = read.material;
    for (const MtlMap &map : read.maps) {
        TextureSlot slot;
        slot.image = images.AddFile(folder, map.file, PathOfNameInFolder(folder, map.file));
        slot.objOptions = map.options;
        const QString keyword = map.keyword.toLower();
        if (keyword == QLatin1String("map_kd")) {
            material.baseColourTexture = slot;
        } else if (keyword == QLatin1String("map_ke")) {
            material.emissiveTexture = slot;
        } else if (keyword == QLatin1String("bump") || keyword == QLatin1String("map_bump") ||
                   keyword == QLatin1String("norm")) {
            slot.factor = map.bumpFactor;
            material.normalTexture = slot;
        } else {
            material.otherMaps.emplace_back(map.keyword, slot);
        }
    }
    return material;
}

} // namespace lumeno
