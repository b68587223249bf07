#pragma once

#include "io/read/FormatReading.h"

namespace lumeno {

// Reads a 3MF package (a ZIP archive, opened by libzip from the bytes in memory) with Qt's
// XML stream reader, fed as each part inflates: the model part that the package's
// relationships name, and any model part that a component names (the production extension's
// p:path, as slicers write them). Every mesh a build item places becomes a part of the model
// (named by its object, its transform that of the item and the components down to it; the
// cell data "PartIds"), placed by those transforms (an object's own mesh and its
// components both), in millimetres: the start part's unit is converted (unitConverted names
// it). Colours from base materials and colour groups are kept per triangle corner (a vertex
// of several colours is split); the materials extension's textures (texture2d and
// texture2dgroup) become materials, one for each texture, and texture coordinates (a vertex of
// several is split too), their images read from the package. A ZIP or XML error, a part inflating
// to more than deflate packs, a vertex index past the vertices, a number that is no finite
// number, a reference to no object or an object made of itself make the file damaged; a
// package without build items, an unknown unit, and a file past our bounds (components
// nested more than 1000 deep, more than ten million objects placed, more points and
// triangles than MeshAssembly takes, a text of more than 4 MiB without a tag) are refused
// with their own reason. Triangles on one vertex twice are handed on for the clean-up.
FormatReading Read3mf(std::string_view bytes);

} // namespace lumeno
