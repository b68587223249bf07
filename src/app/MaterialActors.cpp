#include "MaterialActors.h"

#include "ContrastColour.h"
#include "MaterialPieces.h"
#include "model/PointAttributes.h"

#include <vtkImageData.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>

bool MaterialActors::Show(vtkRenderer *renderer, vtkPolyData *model,
                          const std::shared_ptr<const LookForDrawing> &newLook)
{
    Remove(renderer);
    if (newLook != look)
        textures.clear();
    look = newLook;
    if (!look || look->materials.empty() || !model)
        return false;
    const MaterialPieces &pieces = MaterialPiecesOf(model);
    if (pieces.pieces.empty())
        return false;
    pointColours = lumeno::AttributesOf(model).colours;
    textureCoordinates = model->GetPointData()->GetTCoords() != nullptr;
    for (const MaterialPiece &piece : pieces.pieces) {
        auto mapper = vtkSmartPointer<vtkPolyDataMapper>::New();
        mapper->SetInputData(piece.triangles ? piece.triangles.Get() : model);
        mapper->SetScalarModeToUsePointData();
        mapper->SetColorModeToDirectScalars();
        auto actor = vtkSmartPointer<vtkActor>::New();
        actor->SetMapper(mapper);
        // As the view's own actor: a model is shown as the solid it is, whatever its alpha.
        actor->ForceOpaqueOn();
        renderer->AddActor(actor);
        actors.push_back(actor);
        const bool known = piece.material >= 0 && size_t(piece.material) < look->materials.size();
        materialOfActor.push_back(known ? piece.material : -1);
    }
    return true;
}

void MaterialActors::Remove(vtkRenderer *renderer)
{
    for (vtkActor *actor : actors)
        renderer->RemoveActor(actor);
    actors.clear();
    materialOfActor.clear();
}

void MaterialActors::PlaceLike(vtkActor *own)
{
    for (vtkActor *actor : actors) {
        actor->SetOrigin(own->GetOrigin());
        actor->SetScale(own->GetScale());
        actor->SetPosition(own->GetPosition());
        actor->SetOrientation(own->GetOrientation());
        actor->SetUserTransform(own->GetUserTransform());
    }
}

void MaterialActors::SetUserTransform(vtkTransform *transform)
{
    for (vtkActor *actor : actors)
        actor->SetUserTransform(transform);
}

vtkTexture *MaterialActors::TextureOf(int material)
{
    const MaterialAppearance &appearance = look->materials[size_t(material)];
    const bool shared = !appearance.textureTransform && appearance.wrap == MaterialAppearance::Wrap::Repeat &&
                        appearance.smooth;
    vtkSmartPointer<vtkTexture> &texture = textures[{appearance.texture, shared ? -1 : material}];
    if (!texture) {
        texture = vtkSmartPointer<vtkTexture>::New();
        texture->SetInputData(appearance.texture);
        texture->SetColorModeToDirectScalars();
        texture->SetInterpolate(appearance.smooth);
        texture->MipmapOn();
        texture->SetWrap(appearance.wrap == MaterialAppearance::Wrap::Clamp    ? vtkTexture::ClampToEdge
                         : appearance.wrap == MaterialAppearance::Wrap::Mirror ? vtkTexture::MirroredRepeat
                                                                               : vtkTexture::Repeat);
        if (appearance.textureTransform)
            texture->SetTransform(appearance.textureTransform);
    }
    return texture;
}

void MaterialActors::Apply(int representation, const Rgb &modelColour, const Rgb &backgroundTop,
                           const Rgb &backgroundBottom)
{
    const bool surface = representation == VTK_SURFACE;
    for (size_t i = 0; i < actors.size(); ++i) {
        vtkActor *actor = actors[i];
        const MaterialAppearance *material =
            materialOfActor[i] >= 0 ? &look->materials[size_t(materialOfActor[i])] : nullptr;
        const bool textured = material && material->texture && textureCoordinates;
        actor->SetTexture(surface && textured ? TextureOf(materialOfActor[i]) : nullptr);
        // The points' colours where a material has no texture; one whose texture cannot be shown
        // is drawn in its plain colour.
        actor->GetMapper()->SetScalarVisibility(pointColours && !(material && material->hasTexture));
        Rgb colour = !material ? modelColour : textured && !surface ? material->textureColour : material->colour;
        if (!surface)
            colour = material ? ContrastShade(colour, backgroundTop, backgroundBottom)
                              : ContrastColour(colour, backgroundTop, backgroundBottom);
        vtkProperty *property = actor->GetProperty();
        property->SetRepresentation(representation);
        property->SetColor(colour[0], colour[1], colour[2]);
        property->SetLighting(surface);
        property->SetPointSize(3.0f);
        property->SetLineWidth(1.5f);
    }
}
