#pragma once

#include "model/ModelLook.h"

#include <QString>
#include <QStringList>

#include <vtkImageData.h>
#include <vtkSmartPointer.h>
#include <vtkTransform.h>

#include <array>
#include <memory>
#include <vector>

// How the views draw one material: its colour as the screen shows it and its base colour
// texture decoded.
struct MaterialAppearance
{
    std::array<double, 3> colour{1, 1, 1};
    bool hasTexture = false; // the file gives it a base colour texture, shown or not
    // RGBA, rows bottom-up as VTK's textures take them; null for none or one that cannot be shown.
    vtkSmartPointer<vtkImageData> texture;
    // The texture's mean colour times the base colour: what points and lines show of it.
    std::array<double, 3> textureColour{1, 1, 1};
    // How the texture is laid on: its glTF texture transform in VTK's texture coordinates
    // (null for none), what lies beyond its edges, and whether it is smoothed when enlarged.
    vtkSmartPointer<vtkTransform> textureTransform;
    enum class Wrap { Repeat, Clamp, Mirror } wrap = Wrap::Repeat;
    bool smooth = true;
};

// A model's look made ready for the views with the reading, off the GUI thread: the window
// only uploads it. Its images are decoded once, whichever materials share them.
struct LookForDrawing
{
    lumeno::SharedLook look;
    std::vector<MaterialAppearance> materials; // by the look's material index
    // The base colour textures whose files are there but cannot be decoded (the reading tells
    // of the missing ones): their materials are drawn in their plain colour, like the missing.
    QStringList texturesNotShown;
};

// Null for a model without materials and with one part. glTF gives its colours in linear
// light (`linearColours`), the other formats as they are shown.
std::shared_ptr<const LookForDrawing> PrepareLookForDrawing(const lumeno::SharedLook &look, bool linearColours);

// Whether a file of this suffix ("glb") gives its colours in linear light.
bool GivesLinearColours(const QString &suffix);
