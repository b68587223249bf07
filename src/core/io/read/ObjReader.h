#pragma once

#include "io/read/FormatReading.h"

#include <string_view>

namespace lumeno {

// Reads Wavefront OBJ text. Vertices "v x y z" (a fourth number, a weight, is ignored; three
// more after the position are a colour, from 0 to 1 or from 0 to 255), texture coordinates
// "vt u v", normals "vn x y z" and faces "f" whose corners each name a vertex and, if given, a
// texture coordinate and a normal: "v", "v/vt", "v//vn", "v/vt/vn", each also with a trailing
// '/'. An index counts from 1; a negative one counts back from the last element given so far
// (-1: the last); a '+' sign is allowed. Each distinct (vertex, texture coordinate, normal) of
// the corners becomes one point, so texture seams and normal creases stay; texture coordinates
// keep OBJ's v upwards, as VTK holds them. Texture coordinates and normals that only some faces
// give, and colours that only some vertices give, are left out (attributesLeftOut). A line
// ending in a backslash goes on with the next; '#' begins a comment. Points, lines and faces of
// fewer than three corners are counted as primitives left out. The material libraries
// ("mtllib", see ReadMtl) are read from `folder`, the model's, by the rule for files beside a
// model (PathOfNameInFolder): one missing, outside the folder or too large is named in
// materialFilesNotRead, and its materials keep their names and a plain colour. Each face's
// material ("usemtl", in the order first used) goes to the cell data "MaterialIds" and its
// object and group ("o", "g": one part for each pair) to "PartIds" (see ModelLook); other
// statements (smoothing groups, free-form geometry) are skipped, and so is a byte order mark. An index 0 or past the elements given, a number that is no finite float or
// a statement that lacks its numbers makes the file damaged. Numbers are read whatever the C
// locale; memory grows with what the file holds, never with a count it claims.
FormatReading ReadObj(std::string_view text, const QString &folder = QString());

} // namespace lumeno
