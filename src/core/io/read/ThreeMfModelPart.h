#pragma once

#include "io/read/FormatReading.h"
#include "io/read/MeshAssembly.h"

#include <QString>

#include <map>
#include <vector>

namespace lumeno {

class ThreeMfTextures;
class ZipXmlStream;
struct ThreeMfObject;

// A build item or a component: an object of a model part, placed by a matrix.
struct ThreeMfComponent
{
    QString path; // the model part of the object (the production extension's p:path)
    int object = 0;
    Matrix4 transform = IdentityMatrix();
    ThreeMfObject *found = nullptr; // set once the object is looked up
};

// An object: its own mesh (perhaps empty) and its components, both placed with it.
struct ThreeMfObject
{
    QString name; // as the file names it; "object <id>" when it names none
    MeshPart mesh;
    std::vector<ThreeMfComponent> components;
    bool placing = false; // on the path being placed, so a component of itself is a loop
};

struct ThreeMfModelPart
{
    std::map<int, ThreeMfObject> objects;
    std::vector<ThreeMfComponent> build;
    QString unit;            // as the file names it; "millimeter" when it names none
    double millimetres = 1;  // one unit in millimetres
};

// The points and triangles the objects of a package may hold in all: those the assembly of
// the package's size takes, so memory is refused before it is taken.
struct ThreeMfBudget
{
    explicit ThreeMfBudget(size_t fileSize) : limit(fileSize) {}
    MeshAssembly limit; // never added to: its bounds only
    size_t points = 0;
    size_t triangles = 0;
};

// Reads one model part of a 3MF package from the stream: its unit, its objects (vertices,
// triangles, components) and its build items. Colours of base materials and colour groups are
// kept per triangle corner: where a vertex carries different colours on different triangles,
// it is split (each colour its own point at the same place), as a seam is. Textures are
// read as materials of `textures`: a triangle of a texture2dgroup takes its texture's material
// and its corners the group's coordinates, a vertex of several split as for colours. False,
// with the reading's failure and detail set, when the part is damaged, names a unit other
// than the six of 3MF, or passes the budget.
bool ReadThreeMfModelPart(ZipXmlStream &stream, const QString &path, ThreeMfBudget &budget, ThreeMfModelPart &part,
                          ThreeMfTextures &textures, FormatReading &reading);

} // namespace lumeno
