// The scene of the two views: renderers, models, colours, display modes and cameras.
#include "DualView.h"

#include "ContrastColour.h"
#include "PrepareForDrawing.h"
#include "UnitFrame.h"
#include "fonts/ViewTextFont.h"
#include "model/PointAttributes.h"

#include <QHelpEvent>
#include <QLocale>
#include <QToolTip>
#include <QVTKOpenGLNativeWidget.h>

#include <vtkAbstractArray.h>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkAxesActor.h>
#include <vtkCamera.h>
#include <vtkCellData.h>
#include <vtkEventQtSlotConnect.h>
#include <vtkGenericOpenGLRenderWindow.h>
#include <vtkInteractorStyleTrackballCamera.h>
#include <vtkOrientationMarkerWidget.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderWindow.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkRenderer.h>
#include <vtkTextActor.h>
#include <vtkTransform.h>

namespace {

// Whether two models hold the very same points, cells and data arrays, as a shallow copy
// does: a view shows them alike.
bool SharesDrawnArrays(vtkPolyData *first, vtkPolyData *second)
{
    if (!first || !second || first->GetPoints() != second->GetPoints() || first->GetVerts() != second->GetVerts() ||
        first->GetLines() != second->GetLines() || first->GetPolys() != second->GetPolys() ||
        first->GetStrips() != second->GetStrips())
        return false;
    const auto sameArrays = [](vtkFieldData *a, vtkFieldData *b) {
        if (a->GetNumberOfArrays() != b->GetNumberOfArrays())
            return false;
        for (int i = 0; i < a->GetNumberOfArrays(); ++i)
            if (a->GetAbstractArray(i) != b->GetAbstractArray(i))
                return false;
        return true;
    };
    return sameArrays(first->GetPointData(), second->GetPointData()) &&
           sameArrays(first->GetCellData(), second->GetCellData());
}

// Looks at the camera's own focal point from the given offset with the given view-up.
void AimCamera(vtkRenderer *renderer, const double (&offset)[3], const double (&viewUp)[3])
{
    vtkCamera *camera = renderer->GetActiveCamera();
    double focalPoint[3];
    camera->GetFocalPoint(focalPoint);
    camera->SetPosition(focalPoint[0] + offset[0], focalPoint[1] + offset[1], focalPoint[2] + offset[2]);
    camera->SetViewUp(viewUp[0], viewUp[1], viewUp[2]);
}

// Gives the target renderer's camera the viewpoint of the source renderer's camera.
void CopyViewpoint(vtkRenderer *source, vtkRenderer *target)
{
    vtkCamera *from = source->GetActiveCamera();
    vtkCamera *to = target->GetActiveCamera();
    to->SetPosition(from->GetPosition());
    to->SetFocalPoint(from->GetFocalPoint());
    to->SetRoll(from->GetRoll());
    target->ResetCameraClippingRange();
    target->GetRenderWindow()->Render();
}

// A model whose points carry colours is drawn in them, in every display mode; any other in
// the actor's colour, which the preferences choose.
void DrawPointColours(vtkPolyDataMapper *mapper, vtkPolyData *model)
{
    mapper->SetScalarVisibility(lumeno::AttributesOf(model).colours);
    mapper->SetScalarModeToUsePointData();
    mapper->SetColorModeToDirectScalars();
}

} // namespace

DualView::DualView(QVTKOpenGLNativeWidget *originalView, QVTKOpenGLNativeWidget *decimatedView,
                   const Colours &startColours)
    : originalWidget(originalView), decimatedWidget(decimatedView), colours(startColours),
      // The default locale is the interface language's.
      textFontFile(ViewTextFontFile(QLocale(), true)), hintFontFile(ViewTextFontFile(QLocale(), false))
{
    CreatePanelImages();
    vtkConnections = vtkEventQtSlotConnect::New();
    CreateRenderers();
    decimatedWidget->installEventFilter(this);
}

DualView::~DualView()
{
    vtkConnections->Disconnect();
    vtkConnections->Delete();
}

vtkRenderWindow *DualView::OriginalWindow() const
{
    return originalWidget->renderWindow();
}

vtkRenderWindow *DualView::DecimatedWindow() const
{
    return decimatedWidget->renderWindow();
}

void DualView::CreateRenderers()
{
    originalWidget->setRenderWindow(vtkSmartPointer<vtkGenericOpenGLRenderWindow>::New());
    decimatedWidget->setRenderWindow(vtkSmartPointer<vtkGenericOpenGLRenderWindow>::New());

    for (vtkRenderWindow *window : {OriginalWindow(), DecimatedWindow()})
        vtkConnections->Connect(window, vtkCommand::ModifiedEvent, this,
                                SLOT(renderWindowResized(vtkObject *, unsigned long)));
    // The end of a drag or wheel step is raised by the interaction style, not by the
    // interactor; the style switch VTK installs by default raises nothing itself, so
    // both views get the camera style it would have chosen.
    for (vtkRenderWindow *window : {OriginalWindow(), DecimatedWindow()})
        window->GetInteractor()->SetInteractorStyle(vtkSmartPointer<vtkInteractorStyleTrackballCamera>::New());
    vtkConnections->Connect(OriginalWindow()->GetInteractor()->GetInteractorStyle(), vtkCommand::EndInteractionEvent,
                            this, SLOT(originalCameraMoved(vtkObject *, unsigned long)));
    vtkConnections->Connect(DecimatedWindow()->GetInteractor()->GetInteractorStyle(),
                            vtkCommand::EndInteractionEvent, this,
                            SLOT(decimatedCameraMoved(vtkObject *, unsigned long)));

    // Edges are smoothed by FXAA, a pass over the finished image, instead of 8x multisampling,
    // which triples the time to draw a large model with software OpenGL and weak GPUs.
    for (vtkRenderWindow *window : {OriginalWindow(), DecimatedWindow()})
        window->SetMultiSamples(0);
    rendererOriginal = vtkSmartPointer<vtkRenderer>::New();
    rendererDecimated = vtkSmartPointer<vtkRenderer>::New();
    for (vtkRenderer *renderer : {rendererOriginal.Get(), rendererDecimated.Get()}) {
        renderer->GradientBackgroundOn();
        renderer->UseFXAAOn();
    }
    ApplyBackgroundColours();
    OriginalWindow()->AddRenderer(rendererOriginal);
    DecimatedWindow()->AddRenderer(rendererDecimated);

    CreateOrientationMarker();
    Render();
}

void DualView::CreateOrientationMarker()
{
    auto axes = vtkSmartPointer<vtkAxesActor>::New();
    orientationMarker = vtkSmartPointer<vtkOrientationMarkerWidget>::New();
    orientationMarker->SetOutlineColor(0.93, 0.57, 0.13);
    orientationMarker->SetOrientationMarker(axes);
    orientationMarker->SetInteractor(OriginalWindow()->GetInteractor());
    orientationMarker->SetViewport(0.0, 0.0, 0.2, 0.2);
    orientationMarker->SetEnabled(1);
    orientationMarker->InteractiveOff();
}

void DualView::ShowModels(vtkPolyData *original, vtkPolyData *decimated, lumeno::UpAxis up,
                          std::shared_ptr<const LookForDrawing> modelLook)
{
    look = std::move(modelLook);
    if (actorDecimated)
        ShowDeviation(nullptr);
    originalModel = original;
    mapperOriginal = vtkSmartPointer<vtkPolyDataMapper>::New();
    mapperOriginal->SetInputData(DrawnModel(original));
    DrawPointColours(mapperOriginal, original);
    mapperDecimated = vtkSmartPointer<vtkPolyDataMapper>::New();
    mapperDecimated->SetInputData(DrawnModel(decimated));
    DrawPointColours(mapperDecimated, decimated);

    actorOriginal = vtkSmartPointer<vtkActor>::New();
    actorOriginal->SetMapper(mapperOriginal);
    actorDecimated = vtkSmartPointer<vtkActor>::New();
    actorDecimated->SetMapper(mapperDecimated);
    // Colours with an opacity below full (RGBA) would make the model translucent, drawn
    // without sorting its faces: a model is shown as the solid it is.
    actorOriginal->ForceOpaqueOn();
    actorDecimated->ForceOpaqueOn();
    // Both views draw in the loaded model's frame, so that its reductions lie where it lies.
    const UnitFrame frame = UnitFrame::Of(original->GetBounds());
    frame.Apply(actorOriginal);
    frame.Apply(actorDecimated);
    rendererOriginal->AddActor(actorOriginal);
    rendererDecimated->AddActor(actorDecimated);
    DrawByMaterials(materialsOriginal, rendererOriginal, actorOriginal, DrawnModel(original));
    DrawByMaterials(materialsDecimated, rendererDecimated, actorDecimated, DrawnModel(decimated));
    // A new model is drawn as the display mode button shows.
    ApplyRepresentation();

    // Framed afresh, whatever the previous model's size and place left the cameras at, and
    // seen obliquely with its up axis up: face-on, a box is a flat shape of one shade.
    const lumeno::ViewDirection direction = lumeno::FirstViewDirection(up);
    for (vtkRenderer *renderer : {rendererOriginal.Get(), rendererDecimated.Get()}) {
        vtkCamera *camera = renderer->GetActiveCamera();
        camera->SetFocalPoint(0.0, 0.0, 0.0);
        camera->SetPosition(direction.towardsCamera.data());
        camera->SetViewUp(direction.viewUp.data());
        renderer->ResetCamera();
    }
    PlaceStartHints();

    // Whatever the right view said of the previous model does not hold for this one.
    decimatedModel = decimated;
    decimatedLabel = QStringLiteral("100%");
    decimatedNote.clear();
    PlaceDecimatedPanel();
}

void DualView::DrawByMaterials(MaterialActors &materials, vtkRenderer *renderer, vtkActor *own,
                               vtkPolyData *model)
{
    own->SetVisibility(!materials.Show(renderer, model, look));
    materials.PlaceLike(own);
}

bool DualView::SetDecimatedModel(const vtkSmartPointer<vtkPolyData> &model)
{
    // At the end of the cascade the right view switches from the copy made at the load to
    // the loaded model itself: the same arrays, so nothing to upload and draw again.
    vtkPolyData *drawn = DrawnModel(model);
    const bool alreadyDrawn = mapperDecimated && mapperDecimated->GetInput() != drawn &&
                              SharesDrawnArrays(mapperDecimated->GetInput(), drawn);
    decimatedModel = model;
    if (alreadyDrawn)
        return false;
    if (mapperDecimated) {
        mapperDecimated->SetInputData(drawn);
        DrawPointColours(mapperDecimated, model);
        mapperDecimated->Update();
        DrawByMaterials(materialsDecimated, rendererDecimated, actorDecimated, drawn);
        ApplyRepresentation();
    }
    // A picture is of one model only: the window shows the new one's when it has it.
    ShowDeviation(nullptr);
    return true;
}

void DualView::ShowDeviation(const SharedDeviationPicture &picture)
{
    if (picture == deviation.Picture() || !actorDecimated)
        return;
    deviation.Show(rendererDecimated, picture, actorDecimated, textFontFile);
    // The materials' actors, or the view's own one, draw the model again when it goes.
    const bool pictured = picture != nullptr;
    actorDecimated->SetVisibility(!pictured && materialsDecimated.Actors().empty());
    for (vtkActor *actor : materialsDecimated.Actors())
        actor->SetVisibility(!pictured);
    ApplyRepresentation();
    PlaceDecimatedPanel();
}

QString DualView::DeviationTextAt(const QPoint &position) const
{
    if (!deviation.Picture())
        return QString();
    // Into VTK's display coordinates: device pixels, from the lower left.
    const double ratio = decimatedWidget->devicePixelRatioF();
    const int x = int(position.x() * ratio);
    const int y = int((decimatedWidget->height() - 1 - position.y()) * ratio);
    const double distance = deviation.DistanceAt(rendererDecimated, x, y);
    return distance < 0.0 ? QString() : DeviationHereText(distance);
}

bool DualView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == decimatedWidget && event->type() == QEvent::ToolTip && deviation.Picture()) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString text = DeviationTextAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, decimatedWidget);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void DualView::ShowDecimatedResult(const vtkSmartPointer<vtkPolyData> &model, const QString &label,
                                   const QString &note, const SharedDeviationPicture &picture)
{
    // Nothing new to show (the end of the levels returns to the model already drawn): drawing a
    // large model again takes more than a tenth of a second with software OpenGL.
    const bool drawn = !SetDecimatedModel(model);
    if (drawn && label == decimatedLabel && note == decimatedNote && picture == deviation.Picture())
        return;
    ShowDeviation(picture);
    decimatedLabel = label;
    decimatedNote = note;
    PlaceDecimatedPanel();
    RenderDecimated();
}

void DualView::Clear()
{
    if (actorOriginal)
        rendererOriginal->RemoveActor(actorOriginal);
    if (actorDecimated)
        rendererDecimated->RemoveActor(actorDecimated);
    materialsOriginal.Remove(rendererOriginal);
    materialsDecimated.Remove(rendererDecimated);
    deviation.Show(rendererDecimated, nullptr, nullptr, textFontFile);
    // Nor do the model's textures and decoded images stay.
    materialsOriginal = {};
    materialsDecimated = {};
    look.reset();
    RemovePanel(rendererOriginal, panelImageOriginal, labelActorOriginal, facesActorOriginal, verticesActorOriginal);
    RemovePanel(rendererDecimated, panelImageDecimated, labelActorDecimated, facesActorDecimated,
                verticesActorDecimated);
    rendererOriginal->RemoveActor(noteActorOriginal);
    rendererDecimated->RemoveActor(noteActorDecimated);
    originalModel = nullptr;
    decimatedModel = nullptr;
    decimatedLabel = QStringLiteral("100%");
    decimatedNote.clear();
    PlaceStartHints();
}

void DualView::Render()
{
    OriginalWindow()->Render();
    DecimatedWindow()->Render();
}

void DualView::RenderDecimated()
{
    DecimatedWindow()->Render();
}

void DualView::ResetCameras()
{
    for (vtkRenderer *renderer : {rendererOriginal.Get(), rendererDecimated.Get()}) {
        renderer->ResetCameraClippingRange();
        renderer->ResetCamera();
    }
    Render();
}

void DualView::AimCameras(CameraPreset preset)
{
    for (vtkRenderer *renderer : {rendererOriginal.Get(), rendererDecimated.Get()}) {
        switch (preset) {
        case CameraPreset::Front: AimCamera(renderer, {0.0, -1.0, 0.0}, {0.0, 0.0, 1.0}); break;
        case CameraPreset::Side: AimCamera(renderer, {-1.0, 0.0, 0.0}, {0.0, 0.0, 1.0}); break;
        case CameraPreset::Top: AimCamera(renderer, {0.0, 0.0, 1.0}, {0.0, 1.0, 0.0}); break;
        case CameraPreset::Perspective: AimCamera(renderer, {1.0, -1.0, 1.0}, {0.0, 0.0, 1.0}); break;
        }
    }
    ResetCameras();
}

void DualView::FitCameras()
{
    rendererOriginal->ResetCamera();
    rendererDecimated->ResetCamera();
    Render();
}

void DualView::originalCameraMoved(vtkObject *, unsigned long)
{
    CopyViewpoint(rendererOriginal, rendererDecimated);
}

void DualView::decimatedCameraMoved(vtkObject *, unsigned long)
{
    CopyViewpoint(rendererDecimated, rendererOriginal);
}

bool DualView::CycleRepresentation()
{
    if (!actorOriginal || !actorDecimated)
        return false;
    switch (representation) {
    case Representation::Surface: representation = Representation::Points; break;
    case Representation::Points: representation = Representation::Wireframe; break;
    case Representation::Wireframe: representation = Representation::Surface; break;
    }
    ApplyRepresentation();
    Render();
    return true;
}

// Surfaces are lit in the model's colour; points and lines are drawn unlit, thicker and in a
// colour that stands out from the background, else they vanish into it.
void DualView::ApplyRepresentation()
{
    const bool surface = representation == Representation::Surface;
    const int drawn = surface ? VTK_SURFACE : representation == Representation::Points ? VTK_POINTS : VTK_WIREFRAME;
    const Rgb colour =
        surface ? colours.model : ContrastColour(colours.model, colours.backgroundTop, colours.backgroundBottom);
    for (vtkActor *actor : {actorOriginal.Get(), actorDecimated.Get()}) {
        if (!actor)
            continue;
        vtkProperty *property = actor->GetProperty();
        property->SetRepresentation(drawn);
        property->SetColor(colour[0], colour[1], colour[2]);
        property->SetLighting(surface);
        property->SetPointSize(3.0f);
        property->SetLineWidth(1.5f);
    }
    for (MaterialActors *materials : {&materialsOriginal, &materialsDecimated})
        materials->Apply(drawn, colours.model, colours.backgroundTop, colours.backgroundBottom);
    deviation.Apply(drawn);
}

void DualView::SetModelColour(const Rgb &colour)
{
    colours.model = colour;
    if (!actorOriginal || !actorDecimated)
        return;
    ApplyRepresentation();
    Render();
}

void DualView::SetBackgroundTop(const Rgb &colour)
{
    colours.backgroundTop = colour;
    ApplyBackgroundColours();
    PlaceStartHints();
    ApplyRepresentation();
    Render();
}

void DualView::SetBackgroundBottom(const Rgb &colour)
{
    colours.backgroundBottom = colour;
    ApplyBackgroundColours();
    PlaceStartHints();
    ApplyRepresentation();
    Render();
}

void DualView::ApplyBackgroundColours()
{
    for (vtkRenderer *renderer : {rendererOriginal.Get(), rendererDecimated.Get()}) {
        renderer->SetBackground2(colours.backgroundTop.data());
        renderer->SetBackground(colours.backgroundBottom.data());
    }
}

void DualView::SetModelTransform(vtkTransform *transform)
{
    for (vtkActor *actor : {actorOriginal.Get(), actorDecimated.Get()})
        if (actor)
            actor->SetUserTransform(transform);
    materialsOriginal.SetUserTransform(transform);
    materialsDecimated.SetUserTransform(transform);
    deviation.SetUserTransform(transform);
    Render();
}
