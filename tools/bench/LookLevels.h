#pragma once

#include <QString>

class vtkPolyData;

// Texture coordinates from x and y over the bounds, on every point.
void ProjectTextureCoordinates(vtkPolyData *model);
// Each triangle's material (MaterialIds, 0 to materials - 1) by the angle of its first corner
// around the z axis through the centre.
void AssignMaterials(vtkPolyData *model, int materials);

// The nine levels of a model given a textured look, by one engine in this process: the model
// read, texture coordinates projected from x and y, and with `materials` > 0 that many
// materials (MaterialIds) in sectors around its centre's z axis, each border a loop across the
// surface. Prints the time of the levels, the peak resident memory and each level's triangles;
// run once with materials and once without (each in a process of its own, under
// /usr/bin/time -v) to see what keeping the materials costs. False, with `error` set, when the
// model cannot be read.
bool PrintLookLevels(const QString &model, int materials, const QString &engine, QString &error);
