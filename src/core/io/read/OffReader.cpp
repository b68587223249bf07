#include "io/read/OffReader.h"

#include "io/read/MeshAssembly.h"
#include "io/read/TextWords.h"
#include "model/PointAttributes.h"

#include <QCoreApplication>
#include <QFile>

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkIdTypeArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkUnsignedCharArray.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <vector>

namespace lumeno {

namespace {

// The alpha of a vertex given r g b, among the colour values read, which are finite numbers.
constexpr float Opaque = std::numeric_limits<float>::infinity();

// The words of each line that holds any, comments left out.
class OffLines
{
public:
    explicit OffLines(std::string_view whole) : text(whole) {}

    bool Next(std::vector<std::string_view> &words)
    {
        words.clear();
        while (words.empty() && at < text.size()) {
            size_t end = text.find('\n', at);
            if (end == std::string_view::npos)
                end = text.size();
            std::string_view line = text.substr(at, end - at);
            line = line.substr(0, line.find('#'));
            AppendWords(line, words);
            at = end + 1;
        }
        return !words.empty();
    }

private:
    std::string_view text;
    size_t at = 0;
};

bool ToFloat(std::string_view word, float &value)
{
    if (!word.empty() && word[0] == '+')
        word.remove_prefix(1);
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size() && std::isfinite(value);
}

bool ToCount(std::string_view word, size_t &value)
{
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size();
}

struct OffHeader
{
    bool textureCoordinates = false;
    bool colours = false;
    bool normals = false;
    size_t vertices = 0;
    size_t faces = 0;
};

// The keyword's prefixes; false for a keyword that is no OFF header or a kind not read.
bool ReadKeyword(std::string_view word, OffHeader &header, QString &unsupported)
{
    if (word.size() < 3 || word.substr(word.size() - 3) != "OFF")
        return false;
    word.remove_suffix(3);
    if (word.substr(0, 2) == "ST") {
        header.textureCoordinates = true;
        word.remove_prefix(2);
    }
    if (!word.empty() && word[0] == 'C') {
        header.colours = true;
        word.remove_prefix(1);
    }
    if (!word.empty() && word[0] == 'N') {
        header.normals = true;
        word.remove_prefix(1);
    }
    if (!word.empty() && (word == "4" || word == "n" || word == "4n"))
        unsupported = QStringLiteral("nOFF");
    return word.empty() || !unsupported.isEmpty();
}

} // namespace

FormatReading ReadOff(std::string_view text)
{
    OffLines lines(text);
    std::vector<std::string_view> words;
    OffHeader header;
    if (!lines.Next(words))
        return Failed(ReadFailure::DamagedFile);
    size_t countsAt = 0;
    float number = 0;
    if (!ToFloat(words[0], number)) {
        QString unsupported;
        if (!ReadKeyword(words[0], header, unsupported))
            return Failed(ReadFailure::DamagedFile);
        if (!unsupported.isEmpty())
            return Failed(ReadFailure::Unsupported, QStringLiteral("4D OFF"));
        if (words.size() > 1 && words[1] == "BINARY")
            return Failed(ReadFailure::Unsupported, QStringLiteral("binary OFF"));
        countsAt = 1;
        if (words.size() == 1) {
            if (!lines.Next(words))
                return Failed(ReadFailure::DamagedFile);
            countsAt = 0;
        }
    }
    if (words.size() < countsAt + 2 || !ToCount(words[countsAt], header.vertices) ||
        !ToCount(words[countsAt + 1], header.faces))
        return Failed(ReadFailure::DamagedFile);
    // A vertex takes six bytes at least ("0 0 0\n"), a face four ("1 0\n").
    if (header.vertices > text.size() / 6 || header.faces > text.size() / 4)
        return Failed(ReadFailure::DamagedFile);

    MeshPart part;
    part.positions.reserve(3 * header.vertices);
    const size_t fixed = 3 + (header.normals ? 3 : 0);
    const size_t trailing = header.textureCoordinates ? 2 : 0;
    // Many programs write colours on the vertex lines under a plain "OFF" header: three or
    // four numbers where a COFF file has them are colours there too.
    bool fractionColours = false;
    size_t verticesWithColours = 0;
    std::vector<float> colourValues; // four per vertex given them: Opaque where the file gives three
    colourValues.reserve(header.colours ? 4 * header.vertices : 0);
    for (size_t v = 0; v < header.vertices; ++v) {
        if (!lines.Next(words) || words.size() < fixed + trailing)
            return Failed(ReadFailure::DamagedFile);
        const size_t colourCount = words.size() - fixed - trailing;
        const bool coloured = colourCount == 3 || colourCount == 4;
        if (header.colours && !coloured)
            return Failed(ReadFailure::DamagedFile);
        for (size_t i = 0; i < words.size(); ++i) {
            if (!ToFloat(words[i], number))
                return Failed(ReadFailure::DamagedFile);
            if (i < 3)
                part.positions.push_back(number);
            else if (i < fixed)
                part.normals.push_back(number);
            else if (i < fixed + colourCount && coloured) {
                colourValues.push_back(number);
                fractionColours = fractionColours || words[i].find_first_of(".eE") != std::string_view::npos;
                if (i + 1 == fixed + colourCount && colourCount == 3)
                    colourValues.push_back(Opaque);
            } else if (i >= words.size() - trailing) {
                part.textureCoordinates.push_back(number);
            }
        }
        verticesWithColours += coloured ? 1 : 0;
    }
    FormatReading reading;
    if (verticesWithColours == header.vertices && header.vertices > 0) {
        part.colours.reserve(colourValues.size());
        for (float value : colourValues) {
            const double scaled = value == Opaque ? 255.0 : (fractionColours ? double(value) * 255.0 : double(value));
            part.colours.push_back(std::uint8_t(std::lround(std::clamp(scaled, 0.0, 255.0))));
        }
    } else if (verticesWithColours > 0) {
        reading.attributesLeftOut.colours = true; // on some vertices only
    }

    auto offsets = vtkSmartPointer<vtkIdTypeArray>::New();
    auto connectivity = vtkSmartPointer<vtkIdTypeArray>::New();
    offsets->InsertNextValue(0);
    for (size_t f = 0; f < header.faces; ++f) {
        size_t corners = 0;
        if (!lines.Next(words) || !ToCount(words[0], corners) || corners > words.size() - 1)
            return Failed(ReadFailure::DamagedFile);
        std::vector<vtkIdType> ids(corners);
        for (size_t i = 0; i < corners; ++i) {
            size_t index = 0;
            if (!ToCount(words[i + 1], index) || index >= header.vertices)
                return Failed(ReadFailure::DamagedFile);
            ids[i] = vtkIdType(index);
        }
        if (words.size() > corners + 1)
            reading.faceColoursNotRead = true;
        if (corners < 3) {
            ++reading.primitivesLeftOut;
            continue;
        }
        for (vtkIdType id : ids)
            connectivity->InsertNextValue(id);
        offsets->InsertNextValue(connectivity->GetNumberOfValues());
    }

    // Polygons stay polygons: the reading triangulates them as for every format.
    MeshAssembly assembly(text.size());
    if (!assembly.Add(part, IdentityMatrix()))
        return Failed(ReadFailure::OverLimit, assembly.LimitText());
    reading.model = assembly.Build();
    auto polys = vtkSmartPointer<vtkCellArray>::New();
    polys->SetData(offsets, connectivity);
    reading.model->SetPolys(polys);
    reading.partsMerged = 1;
    return reading;
}

} // namespace lumeno
