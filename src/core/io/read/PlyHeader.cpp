#include "io/read/PlyHeader.h"

#include "io/read/TextWords.h"

#include <charconv>

namespace lumeno {

namespace {

bool ParseType(std::string_view name, PlyType &type)
{
    struct Known
    {
        std::string_view names[2];
        PlyType type;
    };
    static const Known known[] = {
        {{"char", "int8"}, {1, true, true}},      {{"uchar", "uint8"}, {1, true, false}},
        {{"short", "int16"}, {2, true, true}},    {{"ushort", "uint16"}, {2, true, false}},
        {{"int", "int32"}, {4, true, true}},      {{"uint", "uint32"}, {4, true, false}},
        {{"float", "float32"}, {4, false, true}}, {{"double", "float64"}, {8, false, true}},
    };
    for (const Known &entry : known)
        if (name == entry.names[0] || name == entry.names[1]) {
            type = entry.type;
            return true;
        }
    return false;
}

bool ParseCount(std::string_view word, size_t &count)
{
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), count);
    return error == std::errc() && end == word.data() + word.size();
}

} // namespace

size_t PlyElement::FixedSize() const
{
    size_t size = 0;
    for (const PlyProperty &property : properties) {
        if (property.isList)
            return 0;
        size += size_t(property.valueType.size);
    }
    return size;
}

bool ParsePlyHeader(std::string_view file, PlyHeader &header)
{
    // A header is text of a few lines: one far longer than any is a binary file's body.
    constexpr size_t MaxHeaderSize = 1 << 20;
    size_t at = 0;
    bool first = true;
    bool formatSeen = false;
    while (at < file.size() && at < MaxHeaderSize) {
        const size_t end = file.find('\n', at);
        if (end == std::string_view::npos)
            return false;
        const std::vector<std::string_view> words = Words(file.substr(at, end - at));
        at = end + 1;
        if (first) {
            if (words.size() != 1 || words[0] != "ply")
                return false;
            first = false;
            continue;
        }
        if (words.empty())
            continue;
        const std::string_view keyword = words[0];
        if (keyword == "end_header") {
            header.bodyStart = at;
            return formatSeen && words.size() == 1;
        }
        if (keyword == "format") {
            if (words.size() != 3 || formatSeen || words[2] != "1.0")
                return false;
            if (words[1] == "ascii")
                header.format = PlyFormat::Ascii;
            else if (words[1] == "binary_little_endian")
                header.format = PlyFormat::BinaryLittleEndian;
            else if (words[1] == "binary_big_endian")
                header.format = PlyFormat::BinaryBigEndian;
            else
                return false;
            formatSeen = true;
        } else if (keyword == "element") {
            PlyElement element;
            if (words.size() != 3 || !ParseCount(words[2], element.count))
                return false;
            element.name = std::string(words[1]);
            header.elements.push_back(std::move(element));
        } else if (keyword == "property") {
            if (header.elements.empty())
                return false;
            PlyProperty property;
            if (words.size() == 3 && ParseType(words[1], property.valueType)) {
                property.name = std::string(words[2]);
            } else if (words.size() == 5 && words[1] == "list" && ParseType(words[2], property.countType) &&
                       property.countType.isInteger && ParseType(words[3], property.valueType)) {
                property.isList = true;
                property.name = std::string(words[4]);
            } else {
                return false;
            }
            std::vector<PlyProperty> &properties = header.elements.back().properties;
            for (const PlyProperty &other : properties)
                if (other.name == property.name)
                    return false; // which one would count?
            properties.push_back(std::move(property));
        }
    }
    return false; // no end_header
}

} // namespace lumeno
