#pragma once

#include <QByteArray>
#include <QPoint>
#include <QObject>
#include <QString>

#include "DeviationLayer.h"
#include "LookForDrawing.h"
#include "MaterialActors.h"
#include "model/UpAxis.h"

#include <vtkActor.h>
#include <vtkRenderer.h>
#include <vtkSmartPointer.h>

#include <array>
#include <memory>

class QVTKOpenGLNativeWidget;
class vtkActor2D;
class vtkEventQtSlotConnect;
class vtkObject;
class vtkOrientationMarkerWidget;
class vtkPolyData;
class vtkPolyDataMapper;
class vtkRenderWindow;
class vtkTextActor;
class vtkTransform;

// The two 3D views side by side: the loaded model on the left, the reduced one on the
// right. Owns everything VTK draws there (renderers, mappers, actors, the information
// panels, the axes marker of the left view) and the cameras, and keeps the two
// viewpoints alike. The models themselves belong to the window, which says what to show.
class DualView : public QObject
{
    Q_OBJECT

public:
    using Rgb = std::array<double, 3>;

    struct Colours {
        Rgb model{1.0, 1.0, 1.0};
        Rgb backgroundTop{0.9, 0.9, 0.9};
        Rgb backgroundBottom{1.0, 1.0, 1.0};
    };

    enum class CameraPreset { Front, Side, Top, Perspective };
    enum class Representation { Points, Wireframe, Surface };

    DualView(QVTKOpenGLNativeWidget *originalView, QVTKOpenGLNativeWidget *decimatedView,
             const Colours &startColours);
    ~DualView() override;

    // A new mapper and actor per view for a newly loaded model and its working copy; the
    // cameras look at it obliquely from above, its up axis up, and the right panel reads "100%".
    // A model with materials is drawn by them (MaterialActors), the look shared by every model
    // the right view shows of it; a model without draws as its points' colours or the model colour.
    void ShowModels(vtkPolyData *original, vtkPolyData *decimated, lumeno::UpAxis up,
                    std::shared_ptr<const LookForDrawing> look = nullptr);
    // The model in the right view with its panel, drawing that view once. The note (how far
    // the model lies from the loaded one) is drawn under the panel when not empty.
    // With a picture (of that model), in its deviation colours (ShowDeviation).
    void ShowDecimatedResult(const vtkSmartPointer<vtkPolyData> &model, const QString &label,
                             const QString &note = QString(), const SharedDeviationPicture &picture = nullptr);
    // Draws the right view's model in its points' deviation colours with a legend, instead of
    // its materials or colours, until ShowDeviation(nullptr). The picture must be of the
    // model ShowDecimatedResult showed last; the view is not drawn again.
    void ShowDeviation(const SharedDeviationPicture &picture);
    const DeviationLayer &Deviation() const { return deviation; }
    // The deviation at a position of the right view's widget (Qt's, from the upper left):
    // what the tooltip there says; empty where no picture is drawn.
    QString DeviationTextAt(const QPoint &position) const;
    // Takes the models and panels out of both views (the actors stay until the next load)
    // and shows the start hints again.
    void Clear();

    // What each view says while no model is shown: how to start. Drawn at once when no model
    // is shown, gone while one is.
    void SetStartHints(const QString &original, const QString &decimated);
    // The hints as drawn now; empty while a model is shown.
    QString OriginalStartHint() const;
    QString DecimatedStartHint() const;
    // The font file of the panels' texts (bold) and of the hints; empty for VTK's own font.
    QByteArray TextFontFile() const { return textFontFile; }
    QByteArray HintFontFile() const { return hintFontFile; }

    // The information panels: "100%" and the counts of the left model; the label of the
    // right model (ShowDecimatedResult) and its counts. Under each, what its points carry
    // besides positions. Both follow the top edge on resize.
    void ShowOriginalPanel();
    QString DecimatedLabel() const { return decimatedLabel; }
    QString DecimatedNote() const { return decimatedNote; }
    // The lines under a panel, as drawn; empty when there are none.
    QString OriginalPanelNote() const;
    QString DecimatedPanelNote() const;
    void RefreshPanels();

    void Render();
    void RenderDecimated();
    // Fits both cameras (with their clipping ranges) to the models and renders.
    void ResetCameras();
    void AimCameras(CameraPreset preset);
    // Fits both cameras without changing their direction.
    void FitCameras();

    // Surface, then points, wireframe and surface again; false while no model is shown.
    bool CycleRepresentation();
    Representation CurrentRepresentation() const { return representation; }
    void SetModelColour(const Rgb &colour);
    void SetBackgroundTop(const Rgb &colour);
    void SetBackgroundBottom(const Rgb &colour);
    const Colours &CurrentColours() const { return colours; }
    // The scale and rotation previewed on both models.
    void SetModelTransform(vtkTransform *transform);

    vtkRenderWindow *OriginalWindow() const;
    vtkRenderWindow *DecimatedWindow() const;
    vtkRenderer *OriginalRenderer() const { return rendererOriginal; }
    vtkRenderer *DecimatedRenderer() const { return rendererDecimated; }
    vtkActor *OriginalActor() const { return actorOriginal; }
    vtkActor *DecimatedActor() const { return actorDecimated; }
    // The actors of the models' materials; none while the view's own actor draws its model whole.
    const MaterialActors &OriginalMaterials() const { return materialsOriginal; }
    const MaterialActors &DecimatedMaterials() const { return materialsDecimated; }

protected:
    // The tooltip of the right view: the deviation under the mouse.
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void renderWindowResized(vtkObject *caller, unsigned long eventId);
    void originalCameraMoved(vtkObject *caller, unsigned long eventId);
    void decimatedCameraMoved(vtkObject *caller, unsigned long eventId);

private:
    void CreatePanelImages();
    void CreateRenderers();
    void CreateOrientationMarker();
    void ApplyBackgroundColours();
    void PlaceStartHints();
    void ApplyRepresentation();
    // Hides the view's own actor while the model's materials draw it.
    void DrawByMaterials(MaterialActors &materials, vtkRenderer *renderer, vtkActor *own, vtkPolyData *model);
    // False when the view already draws the model's arrays and needs no new drawing.
    bool SetDecimatedModel(const vtkSmartPointer<vtkPolyData> &model);
    void PlaceDecimatedPanel();
    void RemovePanel(vtkRenderer *renderer, vtkActor2D *image, vtkTextActor *label, vtkTextActor *faces,
                     vtkTextActor *vertices);

    QVTKOpenGLNativeWidget *originalWidget;
    QVTKOpenGLNativeWidget *decimatedWidget;
    Colours colours;
    Representation representation = Representation::Surface;
    vtkEventQtSlotConnect *vtkConnections = nullptr;

    vtkSmartPointer<vtkRenderer> rendererOriginal;
    vtkSmartPointer<vtkRenderer> rendererDecimated;
    vtkSmartPointer<vtkPolyDataMapper> mapperOriginal;
    vtkSmartPointer<vtkPolyDataMapper> mapperDecimated;
    vtkSmartPointer<vtkActor> actorOriginal;
    vtkSmartPointer<vtkActor> actorDecimated;
    vtkSmartPointer<vtkOrientationMarkerWidget> orientationMarker;
    std::shared_ptr<const LookForDrawing> look;
    MaterialActors materialsOriginal;
    MaterialActors materialsDecimated;
    DeviationLayer deviation; // of the right view

    // What the panels describe, kept so that a resize can draw them again.
    vtkSmartPointer<vtkPolyData> originalModel;
    vtkSmartPointer<vtkPolyData> decimatedModel;
    QString decimatedLabel = QStringLiteral("100%");
    QString decimatedNote;
    bool refreshingPanels = false;
    QByteArray textFontFile;
    QByteArray hintFontFile;
    QString startHintOriginal;
    QString startHintDecimated;
    vtkSmartPointer<vtkTextActor> startHintActorOriginal;
    vtkSmartPointer<vtkTextActor> startHintActorDecimated;

    vtkSmartPointer<vtkActor2D> panelImageOriginal;
    vtkSmartPointer<vtkActor2D> panelImageDecimated;
    vtkSmartPointer<vtkTextActor> labelActorOriginal;
    vtkSmartPointer<vtkTextActor> facesActorOriginal;
    vtkSmartPointer<vtkTextActor> verticesActorOriginal;
    vtkSmartPointer<vtkTextActor> labelActorDecimated;
    vtkSmartPointer<vtkTextActor> facesActorDecimated;
    vtkSmartPointer<vtkTextActor> verticesActorDecimated;
    vtkSmartPointer<vtkTextActor> noteActorOriginal;
    vtkSmartPointer<vtkTextActor> noteActorDecimated;
};
