#include "io/read/ModelFileCheck.h"

#include <QtEndian>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumeno {

namespace {

using Text = std::string_view;

// Longest list (a polygon's corners, say) the PLY reader is given; its face buffer is fixed.
constexpr long long MaxPlyListLength = 256;
// The PLY reader reads text lines into a 4 KiB buffer.
constexpr size_t MaxPlyLineLength = 4000;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// The PLY reader separates words by spaces, tabs and carriage returns only: a line
// "\fproperty ..." is no property to it, whatever it is to us.
bool IsPlyBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// Splits one line into its blank-separated words.
std::vector<Text> Words(Text line, bool (*isBlank)(char) = IsBlank)
{
    std::vector<Text> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

// Hands out the lines of a text one by one (without the line end).
class LineReader
{
public:
    explicit LineReader(Text whole) : text(whole) {}

    bool Next(Text &line)
    {
        if (position >= text.size())
            return false;
        const size_t end = std::min(text.find('\n', position), text.size());
        line = text.substr(position, end - position);
        position = end + 1;
        return true;
    }

    size_t Position() const { return std::min(position, text.size()); }

    // Whether the last line given out ended in a line feed.
    bool HadLineFeed() const { return position <= text.size(); }

private:
    Text text;
    size_t position = 0;
};

bool ParseInteger(Text word, long long &value)
{
    const char *end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    return error == std::errc() && stop == end;
}

bool ParseNumber(Text word, double &value)
{
    const char *end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    return error == std::errc() && stop == end;
}

// ---------------------------------------------------------------- STL

constexpr size_t StlSampleSize = 256;

bool IsStlText(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x20 && byte <= 0x7F) || c == '\n' || c == '\r' || c == '\t';
}

// VTK's STL reader reads a file as binary when 5 % or more of its first 256 bytes are
// neither printable ASCII nor tab, CR or LF; the same test here.
bool LooksBinary(Text file)
{
    const Text sample = file.substr(0, StlSampleSize);
    const auto text = static_cast<size_t>(std::count_if(sample.begin(), sample.end(), IsStlText));
    return (sample.size() - text) * 20 >= sample.size();
}

bool StartsWithWord(Text text, Text word)
{
    const std::vector<Text> words = Words(text.substr(0, text.find('\n')));
    if (words.empty() || words.front().size() != word.size())
        return false;
    return std::equal(word.begin(), word.end(), words.front().begin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// A text file that starts "solid <name>" and goes on with a facet (or ends the solid), whose
// bytes beyond ASCII all lie in that first line, and which is no binary STL of the right size.
bool IsAsciiStlWithForeignName(Text file)
{
    const Text sample = file.substr(0, StlSampleSize);
    const size_t lineEnd = sample.find('\n');
    if (lineEnd == Text::npos || !StartsWithWord(sample, "solid"))
        return false;
    const Text name = sample.substr(0, lineEnd);
    const auto isControl = [](char c) { return !IsStlText(c) && static_cast<unsigned char>(c) < 0x80; };
    if (std::any_of(name.begin(), name.end(), isControl))
        return false;
    Text rest = sample.substr(lineEnd + 1);
    if (!std::all_of(rest.begin(), rest.end(), IsStlText))
        return false;
    rest.remove_prefix(std::min(rest.size(), rest.find_first_not_of(" \t\r\n")));
    if (!StartsWithWord(rest, "facet") && !StartsWithWord(rest, "endsolid") && !StartsWithWord(rest, "color"))
        return false;
    if (file.size() < 84)
        return true;
    const quint32 count = qFromLittleEndian<quint32>(file.data() + 80);
    return static_cast<qint64>(file.size()) != 84 + 50 * static_cast<qint64>(count);
}

// ---------------------------------------------------------------- PLY

enum class PlyFormat { Ascii, BinaryLittleEndian, BinaryBigEndian };

struct PlyType
{
    int size = 0;
    bool isInteger = false;
    bool isSigned = false;
};

struct PlyProperty
{
    std::string name;
    bool isList = false;
    PlyType countType; // lists only
    PlyType valueType;
};

struct PlyElement
{
    std::string name;
    long long count = 0;
    std::vector<PlyProperty> properties;
};

bool ParsePlyType(Text name, PlyType &type)
{
    struct Known
    {
        Text names[2];
        PlyType type;
    };
    static const Known known[] = {
        {{"char", "int8"}, {1, true, true}},     {{"uchar", "uint8"}, {1, true, false}},
        {{"short", "int16"}, {2, true, true}},   {{"ushort", "uint16"}, {2, true, false}},
        {{"int", "int32"}, {4, true, true}},     {{"uint", "uint32"}, {4, true, false}},
        {{"float", "float32"}, {4, false, true}}, {{"double", "float64"}, {8, false, true}},
    };
    for (const Known &entry : known)
        if (name == entry.names[0] || name == entry.names[1]) {
            type = entry.type;
            return true;
        }
    return false;
}

// What the reader takes for the name of the face's index list (see PlyLines).
constexpr Text FaceIndexListName = "vertex_indices";

bool IsFaceIndexList(const PlyElement &element, const PlyProperty &property)
{
    return element.name == "face" && property.isList && property.name == FaceIndexListName;
}

// The lines of a PLY header or ASCII body as the reader sees them: it reads a line into a
// 4 KiB buffer up to its line feed (a last line without one ends the file), up to a NUL byte
// only, cuts it at the first "vertex_index" and puts "vertex_indices" there (so
// "vertex_index", "vertex_indexer" and "vertex_indices" all name the face's index list), and
// splits it into words at blanks.
class PlyLines
{
public:
    explicit PlyLines(Text text) : lines(text) {}

    // The next line's words, or false when there is no line the reader could read whole.
    bool Next(std::vector<Text> &words)
    {
        Text line;
        if (!lines.Next(line) || !lines.HadLineFeed() || line.size() > MaxPlyLineLength)
            return false;
        line = line.substr(0, line.find('\0'));
        const size_t renamed = line.find("vertex_index");
        if (renamed != Text::npos) {
            rewritten.assign(line.substr(0, renamed));
            rewritten.append(FaceIndexListName);
            line = rewritten;
        }
        words = Words(line, IsPlyBlank);
        return true;
    }

    size_t Position() const { return lines.Position(); }

private:
    LineReader lines;
    std::string rewritten; // the words of a renamed line point into it
};

// Reads the header up to "end_header"; bodyStart is where the data begin. The reader skips
// lines of keywords it does not know.
bool ParsePlyHeader(Text file, PlyFormat &format, std::vector<PlyElement> &elements, size_t &bodyStart)
{
    PlyLines lines(file);
    std::vector<Text> words;
    if (!lines.Next(words) || words != std::vector<Text>{"ply"})
        return false;
    bool formatSeen = false;
    while (lines.Next(words)) {
        if (words.empty()) // the reader would look at a word that is not there
            return false;
        const Text keyword = words.front();
        if (keyword == "end_header") {
            bodyStart = lines.Position();
            return formatSeen;
        }
        if (keyword == "format") {
            if (words.size() != 3 || formatSeen)
                return false;
            if (words[1] == "ascii")
                format = PlyFormat::Ascii;
            else if (words[1] == "binary_little_endian")
                format = PlyFormat::BinaryLittleEndian;
            else if (words[1] == "binary_big_endian")
                format = PlyFormat::BinaryBigEndian;
            else
                return false;
            formatSeen = true;
        } else if (keyword == "element") {
            PlyElement element;
            if (words.size() != 3 || !ParseInteger(words[2], element.count) || element.count < 0)
                return false;
            element.name = std::string(words[1]);
            elements.push_back(element);
        } else if (keyword == "property") {
            if (elements.empty())
                return false;
            PlyProperty property;
            if (words.size() == 3 && ParsePlyType(words[1], property.valueType)) {
                property.name = std::string(words[2]);
            } else if (words.size() == 5 && words[1] == "list" && ParsePlyType(words[2], property.countType) &&
                       property.countType.isInteger && ParsePlyType(words[3], property.valueType)) {
                property.isList = true;
                property.name = std::string(words[4]);
            } else {
                return false;
            }
            elements.back().properties.push_back(property);
        }
    }
    return false; // no end_header
}

// The reader needs vertices with x, y, z and faces with an integer index list; no element
// may be empty of properties, and no declared count may exceed what the body could hold.
bool CheckPlyLayout(const std::vector<PlyElement> &elements, size_t bodySize, long long &vertexCount)
{
    const PlyElement *vertices = nullptr;
    const PlyElement *faces = nullptr;
    for (const PlyElement &element : elements) {
        if (element.properties.empty() || element.count > static_cast<long long>(bodySize))
            return false;
        for (const PlyElement &other : elements)
            if (&other != &element && other.name == element.name)
                return false;
        if (element.name == "vertex")
            vertices = &element;
        if (element.name == "face")
            faces = &element;
    }
    if (!vertices || !faces)
        return false;
    // The reader reads the vertex and face elements only and never skips the records of
    // another: an element with records before either of them would be read as vertices or
    // faces, with indices the checks below never saw.
    const auto last = static_cast<size_t>(std::max(vertices, faces) - elements.data());
    for (size_t i = 0; i < last; ++i)
        if (elements[i].name != "vertex" && elements[i].name != "face" && elements[i].count > 0)
            return false;
    // The reader crashes on a list it is not asked for in the elements it reads, and when the
    // first property of the index list's name is no list or another of that name follows;
    // no name appears twice in a valid file.
    for (const PlyElement *element : {vertices, faces})
        for (auto property = element->properties.begin(); property != element->properties.end(); ++property) {
            if ((property->isList || property->name == FaceIndexListName) && !IsFaceIndexList(*element, *property))
                return false;
            if (std::any_of(property + 1, element->properties.end(),
                            [property](const PlyProperty &other) { return other.name == property->name; }))
                return false;
        }
    for (Text axis : {"x", "y", "z"})
        if (std::none_of(vertices->properties.begin(), vertices->properties.end(),
                         [axis](const PlyProperty &p) { return p.name == axis && !p.isList; }))
            return false;
    const auto indexList = std::find_if(faces->properties.begin(), faces->properties.end(),
                                        [faces](const PlyProperty &p) { return IsFaceIndexList(*faces, p); });
    if (indexList == faces->properties.end() || !indexList->valueType.isInteger)
        return false;
    vertexCount = vertices->count;
    return true;
}

// Reads one binary integer of the given type, or fails when the body ends first.
bool ReadBinaryInteger(Text body, size_t &position, const PlyType &type, bool bigEndian, long long &value)
{
    if (body.size() - position < static_cast<size_t>(type.size))
        return false;
    const char *at = body.data() + position;
    position += type.size;
    switch (type.size) {
    case 1:
        value = type.isSigned ? static_cast<long long>(static_cast<qint8>(*at))
                              : static_cast<long long>(static_cast<quint8>(*at));
        return true;
    case 2: {
        const quint16 raw = bigEndian ? qFromBigEndian<quint16>(at) : qFromLittleEndian<quint16>(at);
        value = type.isSigned ? static_cast<qint16>(raw) : raw;
        return true;
    }
    case 4: {
        const quint32 raw = bigEndian ? qFromBigEndian<quint32>(at) : qFromLittleEndian<quint32>(at);
        value = type.isSigned ? static_cast<qint32>(raw) : raw;
        return true;
    }
    default:
        return false;
    }
}

bool CheckPlyBinaryBody(Text body, const std::vector<PlyElement> &elements, bool bigEndian, long long vertexCount)
{
    size_t position = 0;
    for (const PlyElement &element : elements)
        for (long long record = 0; record < element.count; ++record)
            for (const PlyProperty &property : element.properties) {
                if (!property.isList) {
                    if (body.size() - position < static_cast<size_t>(property.valueType.size))
                        return false;
                    position += property.valueType.size;
                    continue;
                }
                long long length = 0;
                if (!ReadBinaryInteger(body, position, property.countType, bigEndian, length) || length < 0 ||
                    length > MaxPlyListLength)
                    return false;
                if (!IsFaceIndexList(element, property)) {
                    const size_t bytes = static_cast<size_t>(length) * property.valueType.size;
                    if (body.size() - position < bytes)
                        return false;
                    position += bytes;
                    continue;
                }
                for (long long i = 0; i < length; ++i) {
                    long long index = 0;
                    if (!ReadBinaryInteger(body, position, property.valueType, bigEndian, index) || index < 0 ||
                        index >= vertexCount)
                        return false;
                }
            }
    return true;
}

// An ASCII body holds one record per line, with exactly the values its properties ask for.
bool CheckPlyAsciiBody(Text body, const std::vector<PlyElement> &elements, long long vertexCount)
{
    PlyLines lines(body);
    std::vector<Text> words;
    for (const PlyElement &element : elements)
        for (long long record = 0; record < element.count; ++record) {
            if (!lines.Next(words))
                return false;
            size_t next = 0;
            for (const PlyProperty &property : element.properties) {
                if (next >= words.size())
                    return false;
                double number = 0;
                if (!property.isList) {
                    if (!ParseNumber(words[next++], number))
                        return false;
                    continue;
                }
                long long length = 0;
                if (!ParseInteger(words[next++], length) || length < 0 || length > MaxPlyListLength ||
                    words.size() - next < static_cast<size_t>(length))
                    return false;
                for (long long i = 0; i < length; ++i) {
                    const Text word = words[next++];
                    long long index = 0;
                    if (IsFaceIndexList(element, property)) {
                        if (!ParseInteger(word, index) || index < 0 || index >= vertexCount)
                            return false;
                    } else if (!ParseNumber(word, number)) {
                        return false;
                    }
                }
            }
            if (next != words.size())
                return false;
        }
    return true;
}

bool CheckPly(Text file)
{
    PlyFormat format = PlyFormat::Ascii;
    std::vector<PlyElement> elements;
    size_t bodyStart = 0;
    if (!ParsePlyHeader(file, format, elements, bodyStart))
        return false;
    const Text body = file.substr(bodyStart);
    long long vertexCount = 0;
    if (!CheckPlyLayout(elements, body.size(), vertexCount))
        return false;
    if (format == PlyFormat::Ascii)
        return CheckPlyAsciiBody(body, elements, vertexCount);
    return CheckPlyBinaryBody(body, elements, format == PlyFormat::BinaryBigEndian, vertexCount);
}

} // namespace

bool IsBinaryStl(std::string_view file)
{
    return LooksBinary(file) && !IsAsciiStlWithForeignName(file);
}

bool IsPlyWithoutFaces(std::string_view file)
{
    PlyFormat format = PlyFormat::Ascii;
    std::vector<PlyElement> elements;
    size_t bodyStart = 0;
    if (!ParsePlyHeader(file, format, elements, bodyStart))
        return false;
    const auto named = [&elements](Text name) {
        return std::any_of(elements.begin(), elements.end(),
                           [name](const PlyElement &element) { return element.name == name && element.count > 0; });
    };
    return named("vertex") && !named("face");
}

bool IsModelFileSafeToRead(std::string_view file, const QString &suffix)
{
    if (file.empty())
        return false;
    if (suffix == QLatin1String("ply"))
        return CheckPly(file);
    return false;
}

} // namespace lumeno
