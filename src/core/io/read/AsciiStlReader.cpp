#include "io/read/AsciiStlReader.h"

#include "io/read/StlTriangleWelding.h"
#include "io/read/TextWords.h"

#include <QtEndian>

#include <cctype>
#include <charconv>
#include <cstring>
#include <vector>

namespace lumeno {

namespace {

constexpr size_t CornerSize = 12;
constexpr size_t TriangleSize = 3 * CornerSize;

// The words of one line, one after the other.
class Words
{
public:
    explicit Words(std::string_view text) : line(text) {}

    // The next word; empty at the line's end.
    std::string_view Next()
    {
        while (at < line.size() && IsBlank(line[at]))
            ++at;
        const size_t start = at;
        while (at < line.size() && !IsBlank(line[at]))
            ++at;
        return line.substr(start, at - start);
    }

private:
    std::string_view line;
    size_t at = 0;
};

bool IsKeyword(std::string_view word, std::string_view lowerCase)
{
    if (word.size() != lowerCase.size())
        return false;
    for (size_t at = 0; at < word.size(); ++at)
        if (std::tolower(static_cast<unsigned char>(word[at])) != lowerCase[at])
            return false;
    return true;
}

// A coordinate as VTK's STL reader reads it: a double of the C locale, a plus sign allowed,
// kept as a float.
bool ParseCoordinate(std::string_view word, float &value)
{
    if (!word.empty() && word.front() == '+')
        word.remove_prefix(1);
    double parsed = 0;
    const char *end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, parsed);
    if (error != std::errc() || stop != end || word.empty())
        return false;
    value = static_cast<float>(parsed);
    return true;
}

// What the next line that is not blank must start with.
enum class Expected { Solid, FacetOrEnd, OuterLoop, VertexOrEndLoop, EndFacet };

// Reads the corners of every facet into little-endian records of three corners; false for a
// file the reader cannot read.
bool ReadCorners(std::string_view file, std::vector<char> &records)
{
    Expected expected = Expected::Solid;
    bool sawSolid = false;
    int corner = 0;
    char triangle[TriangleSize];
    size_t lineStart = 0;
    while (lineStart < file.size()) {
        size_t lineEnd = file.find('\n', lineStart);
        if (lineEnd == std::string_view::npos)
            lineEnd = file.size();
        Words words(file.substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
        const std::string_view keyword = words.Next();
        if (keyword.empty())
            continue;
        switch (expected) {
        case Expected::Solid:
            if (!IsKeyword(keyword, "solid"))
                return false;
            sawSolid = true;
            expected = Expected::FacetOrEnd;
            break;
        case Expected::FacetOrEnd:
            if (IsKeyword(keyword, "endsolid"))
                expected = Expected::Solid;
            else if (IsKeyword(keyword, "facet"))
                expected = Expected::OuterLoop;
            else
                return false;
            break;
        case Expected::OuterLoop:
            if (!IsKeyword(keyword, "outer") || !IsKeyword(words.Next(), "loop"))
                return false;
            corner = 0;
            expected = Expected::VertexOrEndLoop;
            break;
        case Expected::VertexOrEndLoop:
            if (IsKeyword(keyword, "endloop") && corner == 3) {
                records.insert(records.end(), triangle, triangle + TriangleSize);
                expected = Expected::EndFacet;
                break;
            }
            if (!IsKeyword(keyword, "vertex") || corner == 3)
                return false;
            for (int axis = 0; axis < 3; ++axis) {
                float value = 0;
                if (!ParseCoordinate(words.Next(), value))
                    return false;
                quint32 bits;
                std::memcpy(&bits, &value, sizeof bits);
                qToLittleEndian(bits, triangle + CornerSize * size_t(corner) + 4 * size_t(axis));
            }
            ++corner;
            break;
        case Expected::EndFacet:
            if (!IsKeyword(keyword, "endfacet"))
                return false;
            expected = Expected::FacetOrEnd;
            break;
        }
    }
    // Cut short anywhere before the last solid's end, as VTK's reader finds too.
    return sawSolid && expected == Expected::Solid;
}

} // namespace

FormatReading ReadAsciiStl(std::string_view file, int threads)
{
    std::vector<char> records;
    // The shortest facet is 73 bytes of text ("facet", "outer loop", three "vertex 0 0 0",
    // "endloop", "endfacet"), so the records are never moved; the pages reserved beyond the
    // facets read are never touched and cost no memory.
    records.reserve(file.size() / 73 * TriangleSize + TriangleSize);
    if (!ReadCorners(file, records))
        return Failed(ReadFailure::ReaderError);
    return WeldStlTriangles(records.data(), TriangleSize, records.size() / TriangleSize, threads);
}

} // namespace lumeno
