#pragma once

#include "LookForDrawing.h"

#include <vtkActor.h>
#include <vtkSmartPointer.h>
#include <vtkTexture.h>

#include <array>
#include <map>
#include <memory>
#include <vector>

class vtkImageData;
class vtkPolyData;
class vtkRenderer;
class vtkTransform;

// The actors that draw a model by its materials in one view: one per material its triangles
// use, each in the material's colour and with its texture. A model without materials gets
// none: the view's own actor draws it whole, as it draws every model without a look.
class MaterialActors
{
public:
    using Rgb = std::array<double, 3>;

    // Replaces the actors in the renderer with those of the model; false (and no actors) when
    // it is drawn whole.
    bool Show(vtkRenderer *renderer, vtkPolyData *model, const std::shared_ptr<const LookForDrawing> &look);
    void Remove(vtkRenderer *renderer);
    // Places them as the view's own actor: in its frame and under its transform.
    void PlaceLike(vtkActor *own);
    void SetUserTransform(vtkTransform *transform);
    // Surfaces are lit in their material's colour and texture; points and lines (VTK_POINTS,
    // VTK_WIREFRAME) unlit in that colour made to stand out from the background, untextured:
    // a texture along a line or at a point is a smear of colours.
    void Apply(int representation, const Rgb &modelColour, const Rgb &backgroundTop, const Rgb &backgroundBottom);
    const std::vector<vtkSmartPointer<vtkActor>> &Actors() const { return actors; }

private:
    vtkTexture *TextureOf(int material);

    std::shared_ptr<const LookForDrawing> look;
    std::vector<vtkSmartPointer<vtkActor>> actors;
    std::vector<int> materialOfActor; // an index into look->materials, -1 for none
    bool pointColours = false;        // the model's points carry colours
    bool textureCoordinates = false;
    // A texture per image and view (each view has its own OpenGL context), uploaded once for
    // every level of the model; one of its own for a material that lays its image on otherwise.
    std::map<std::pair<vtkImageData *, int>, vtkSmartPointer<vtkTexture>> textures;
};
