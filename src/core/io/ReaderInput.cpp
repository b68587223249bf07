#include "io/ReaderInput.h"

#include "io/ModelFileCheck.h"

#include <algorithm>
#include <vector>

namespace lumeno {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

void MendStlName(Bytes bytes)
{
    if (!IsAsciiStlTakenForBinary(bytes.View()))
        return;
    for (char *byte = bytes.data; byte != bytes.data + bytes.size && *byte != '\n'; ++byte)
        if (static_cast<unsigned char>(*byte) >= 0x80)
            *byte = '_';
}

// Makes a comment of every line whose first word is the keyword and which has more words
// (withArguments) or none.
void CommentOut(Bytes bytes, std::string_view keyword, bool withArguments)
{
    char *const end = bytes.data + bytes.size;
    for (char *line = bytes.data; line < end;) {
        char *lineEnd = std::find(line, end, '\n');
        char *word = std::find_if_not(line, lineEnd, IsBlank);
        char *wordEnd = std::find_if(word, lineEnd, IsBlank);
        if (std::string_view(word, static_cast<size_t>(wordEnd - word)) == keyword &&
            (std::find_if_not(wordEnd, lineEnd, IsBlank) != lineEnd) == withArguments)
            *word = '#';
        line = lineEnd + (lineEnd < end ? 1 : 0);
    }
}

// Calls visit(begin, end) for the corners of each line of a face ("f"), continued lines
// included; visit may change those bytes, not their number.
template <typename Visit>
void ForEachFaceLine(Bytes bytes, Visit visit)
{
    char *const end = bytes.data + bytes.size;
    bool continued = false;
    for (char *line = bytes.data; line < end;) {
        char *lineEnd = std::find(line, end, '\n');
        char *corners = std::find_if_not(line, lineEnd, IsBlank);
        const bool isFace = continued || (lineEnd - corners >= 2 && corners[0] == 'f' && IsBlank(corners[1]));
        if (isFace) {
            if (!continued)
                ++corners;
            const std::string_view text(corners, static_cast<size_t>(lineEnd - corners));
            const size_t last = text.find_last_not_of(" \t\r\f\v");
            continued = last != std::string_view::npos && text[last] == '\\';
            visit(corners, lineEnd);
        } else {
            continued = false;
        }
        line = lineEnd + (lineEnd < end ? 1 : 0);
    }
}

// The reader skips, with a warning only, every face that has normal indices where the first
// face had none, or the other way round, and where a file has normals, faces that differ in
// having texture indices: the model would lose those faces unseen. Where the faces disagree,
// the file loses its normals (blanks take the place of "/vn" and "//vn", and "vn" lines become
// comments): they are computed anew wherever they are needed.
void DropNormalsOfMixedFaces(Bytes bytes)
{
    // Each form of corner seen: "v", "v/vt", "v//vn", "v/vt/vn".
    bool formSeen[4] = {false, false, false, false};
    ForEachFaceLine(bytes, [&formSeen](const char *begin, const char *end) {
        for (const char *word = std::find_if_not(begin, end, IsBlank); word < end;) {
            const char *wordEnd = std::find_if(word, end, IsBlank);
            const char *slash = std::find(word, wordEnd, '/');
            if (wordEnd - word != 1 || *word != '\\') {
                const bool texture = slash != wordEnd && slash + 1 != wordEnd && slash[1] != '/';
                const bool normal = std::count(word, wordEnd, '/') == 2;
                formSeen[(texture ? 1 : 0) + (normal ? 2 : 0)] = true;
            }
            word = std::find_if_not(wordEnd, end, IsBlank);
        }
    });
    if (std::count(std::begin(formSeen), std::end(formSeen), true) < 2)
        return;
    ForEachFaceLine(bytes, [](char *begin, char *end) {
        int slashes = 0;
        for (char *at = begin; at < end; ++at) {
            if (IsBlank(*at))
                slashes = 0;
            else if (*at == '/' && ++slashes == 2) {
                if (at[-1] == '/')
                    at[-1] = ' ';
                for (; at < end && !IsBlank(*at); ++at)
                    *at = ' ';
                slashes = 0;
            }
        }
    });
    CommentOut(bytes, "vn", true);
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

bool HasObjVertexColours(std::string_view file)
{
    // The first vertex line tells: programs that write colours write them on every vertex.
    for (size_t line = 0; line < file.size();) {
        size_t lineEnd = file.find('\n', line);
        if (lineEnd == std::string_view::npos)
            lineEnd = file.size();
        std::string_view text = file.substr(line, lineEnd - line);
        const size_t first = text.find_first_not_of(" \t\r\f\v");
        text.remove_prefix(first == std::string_view::npos ? text.size() : first);
        if (text.size() > 1 && text[0] == 'v' && IsBlank(text[1])) {
            int numbers = 0;
            for (size_t at = 1; at < text.size();) {
                const size_t word = text.find_first_not_of(" \t\r\f\v", at);
                if (word == std::string_view::npos || text[word] == '#')
                    break;
                ++numbers;
                at = text.find_first_of(" \t\r\f\v", word);
                if (at == std::string_view::npos)
                    break;
            }
            return numbers >= 6;
        }
        line = lineEnd + 1;
    }
    return false;
}

void MendForReader(Bytes bytes, const QString &suffix)
{
    if (suffix == QLatin1String("stl")) {
        MendStlName(bytes);
    } else if (suffix == QLatin1String("obj")) {
        CommentOut(bytes, "usemtl", false);
        DropNormalsOfMixedFaces(bytes);
    } else if (suffix == QLatin1String("ply")) {
        MendPlyHeader(bytes);
    }
}

} // namespace lumeno
