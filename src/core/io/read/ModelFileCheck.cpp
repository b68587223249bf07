#include "io/read/ModelFileCheck.h"

#include "io/read/TextWords.h"

#include <QtEndian>

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

namespace lumeno {

namespace {

using Text = std::string_view;

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

} // namespace

bool IsBinaryStl(std::string_view file)
{
    return LooksBinary(file) && !IsAsciiStlWithForeignName(file);
}

} // namespace lumeno
