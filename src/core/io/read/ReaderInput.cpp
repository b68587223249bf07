#include "io/read/ReaderInput.h"

#include "io/read/ModelFileCheck.h"

#include <algorithm>
#include <vector>

namespace lumeno {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

struct PlyProperty
{
    std::string_view type;
    char *name;
    size_t nameLength;
    std::string_view Name() const { return {name, nameLength}; }
};

// The scalar properties of the vertex element, as the header declares them. A header is
// looked for in the first MiB only: a file without one is damaged, and its body is not read.
std::vector<PlyProperty> PlyVertexProperties(Bytes bytes)
{
    std::vector<PlyProperty> properties;
    char *const end = bytes.data + std::min(bytes.size, size_t(1) << 20);
    bool inVertex = false;
    for (char *line = std::find(bytes.data, end, '\n'); line < end;) {
        ++line;
        char *lineEnd = std::find(line, end, '\n');
        std::vector<std::pair<char *, char *>> words;
        for (char *word = std::find_if_not(line, lineEnd, IsBlank); word < lineEnd;) {
            char *wordEnd = std::find_if(word, lineEnd, IsBlank);
            words.emplace_back(word, wordEnd);
            word = std::find_if_not(wordEnd, lineEnd, IsBlank);
        }
        const auto text = [&words](size_t i) {
            return i < words.size() ? std::string_view(words[i].first, size_t(words[i].second - words[i].first))
                                    : std::string_view();
        };
        if (text(0) == "end_header")
            break;
        if (text(0) == "element")
            inVertex = text(1) == "vertex";
        else if (inVertex && text(0) == "property" && text(1) != "list" && words.size() >= 3)
            properties.push_back({text(1), words[2].first, size_t(words[2].second - words[2].first)});
        line = lineEnd;
    }
    return properties;
}

// The PLY reader takes texture coordinates named u and v, or texture_u and texture_v, and not
// the s and t some programs write: a vertex's s and t become u and v when it has no others.
// It reads colours as bytes whatever their type, so colours stored as numbers from 0 to 1
// would all be black or nearly: such colours are renamed out of its sight and left out.
bool IsColour(std::string_view name)
{
    return name == "red" || name == "green" || name == "blue" || name == "alpha";
}

bool IsFraction(std::string_view type)
{
    return type == "float" || type == "float32" || type == "double" || type == "float64";
}

void MendPlyHeader(Bytes bytes)
{
    std::vector<PlyProperty> properties = PlyVertexProperties(bytes);
    const auto has = [&properties](std::string_view name) {
        return std::any_of(properties.begin(), properties.end(),
                           [name](const PlyProperty &property) { return property.Name() == name; });
    };
    const bool textureNamed = (has("u") && has("v")) || (has("texture_u") && has("texture_v"));
    const bool textureAsST = !textureNamed && has("s") && has("t");
    for (PlyProperty &property : properties) {
        const std::string_view name = property.Name();
        if (textureAsST && (name == "s" || name == "t"))
            *property.name = name == "s" ? 'u' : 'v';
        if (IsFraction(property.type) && IsColour(name))
            *property.name = '_';
    }
}

} // namespace

bool HasPlyFractionColours(Bytes bytes)
{
    const std::vector<PlyProperty> properties = PlyVertexProperties(bytes);
    return std::any_of(properties.begin(), properties.end(), [](const PlyProperty &property) {
        return IsFraction(property.type) && IsColour(property.Name());
    });
}

void MendForReader(Bytes bytes, const QString &suffix)
{
    if (suffix == QLatin1String("ply"))
        MendPlyHeader(bytes);
}

} // namespace lumeno
