#include "io/ReaderInput.h"

#include "io/ModelFileCheck.h"

#include <algorithm>

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

} // namespace

void MendForReader(Bytes bytes, const QString &suffix)
{
    if (suffix == QLatin1String("stl")) {
        MendStlName(bytes);
    } else if (suffix == QLatin1String("obj")) {
        CommentOut(bytes, "usemtl", false);
        DropNormalsOfMixedFaces(bytes);
    }
}

} // namespace lumeno
