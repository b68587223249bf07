#pragma once

#include <QString>
#include <QStringList>

class vtkPolyData;

namespace lumeno {

// What a model's points carry besides their position, as VTK holds it after reading:
// colours are the points' scalars (unsigned char, RGB or RGBA), normals the points'
// normals, texture coordinates the points' TCoords (two components). A texture seam is two
// points at one position with different texture coordinates.
struct PointAttributes
{
    bool colours = false;
    bool normals = false;
    bool textureCoordinates = false;
    // A detail of the colours that sizes the files: they have a fourth component, opacity.
    bool colourOpacity = false;

    bool Any() const { return colours || normals || textureCoordinates; }
    // Those of these that `other` has not.
    PointAttributes Without(const PointAttributes &other) const
    {
        return {colours && !other.colours, normals && !other.normals,
                textureCoordinates && !other.textureCoordinates, colourOpacity && colours && !other.colours};
    }
    // Those of these that `other` has too.
    PointAttributes Within(const PointAttributes &other) const
    {
        return {colours && other.colours, normals && other.normals, textureCoordinates && other.textureCoordinates,
                colourOpacity && colours && other.colours};
    }
    bool operator==(const PointAttributes &other) const
    {
        return colours == other.colours && normals == other.normals && textureCoordinates == other.textureCoordinates;
    }
    bool operator!=(const PointAttributes &other) const { return !(*this == other); }
};

PointAttributes AttributesOf(vtkPolyData *model);

// What a file of this suffix (any case) holds when we write it: binary PLY, GLB and glTF all
// three, OBJ normals and texture coordinates, OFF and 3MF colours, STL none.
PointAttributes AttributesWritable(const QString &suffix);

// The keys of the JSON reports: "colours", "normals", "textureCoordinates".
QStringList AttributeKeys(const PointAttributes &attributes);

// For people, in the interface language: "vertex colours, normals and texture coordinates";
// empty for none.
QString AttributeText(const PointAttributes &attributes);

} // namespace lumeno
