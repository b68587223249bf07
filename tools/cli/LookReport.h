#pragma once

#include "model/ModelLook.h"

#include <QJsonArray>
#include <QString>

#include <vtkPolyData.h>

// The report's "parts": each part's name and triangles, in the look's order; a model without
// parts is one part of every triangle (its name empty unless the look names it).
QJsonArray PartsJson(vtkPolyData *model, const lumeno::ModelLook *look);

// The report's "materials": each material's name and the images of its textures, each by
// its slot ("baseColour", "normal", or an OBJ keyword such as "map_Ks"), its name and whether
// its file is missing.
QJsonArray MaterialsJson(const lumeno::ModelLook *look);

// The parts and materials for info's text: a line for each (at most 50 of each), indented;
// empty for a model of one part without materials.
QString LookSummary(const QJsonArray &parts, const QJsonArray &materials);
