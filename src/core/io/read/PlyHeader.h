#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumeno {

enum class PlyFormat { Ascii, BinaryLittleEndian, BinaryBigEndian };

// A scalar type of the format: char/int8 ... double/float64.
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
    size_t count = 0;
    std::vector<PlyProperty> properties;

    // The bytes of one binary record, or 0 when a list makes them vary.
    size_t FixedSize() const;
};

struct PlyHeader
{
    PlyFormat format = PlyFormat::Ascii;
    std::vector<PlyElement> elements;
    size_t bodyStart = 0; // the first byte after "end_header" and its line end
};

// Reads the header from "ply" to "end_header"; lines of other keywords (comment, obj_info)
// are passed over. False for a header that is damaged or has no end, or names a property of
// an element twice.
bool ParsePlyHeader(std::string_view file, PlyHeader &header);

} // namespace lumeno
