#pragma once

#include "DeviationPicture.h"

#include <QByteArray>
#include <QString>

#include <vtkActor.h>
#include <vtkSmartPointer.h>

#include <vector>

class vtkPolyDataMapper;
class vtkProp;
class vtkRenderer;
class vtkScalarBarActor;
class vtkTextActor;
class vtkTransform;

// The deviation picture in one view: an actor that draws the model in its points' deviation
// colours, in every display mode, and the colour legend at the view's right edge, from none
// to the picture's largest distance. It draws nothing until a picture is shown.
class DeviationLayer
{
public:
    DeviationLayer();
    ~DeviationLayer();
    DeviationLayer(const DeviationLayer &) = delete;
    DeviationLayer &operator=(const DeviationLayer &) = delete;

    // Draws the picture in the renderer, placed as `own` (the view's own actor); null takes it out.
    void Show(vtkRenderer *renderer, const SharedDeviationPicture &picture, vtkActor *own, const QByteArray &fontFile);
    const SharedDeviationPicture &Picture() const { return picture; }
    // VTK_SURFACE lit; VTK_POINTS and VTK_WIREFRAME unlit, as the view draws them.
    void Apply(int representation);
    void SetUserTransform(vtkTransform *transform);
    // Places the legend in a view of this size.
    void PlaceLegend(int width, int height);
    // The distance at the model's point drawn at the display position (VTK's, from the lower
    // left); negative where the picture is not drawn.
    double DistanceAt(vtkRenderer *renderer, int x, int y) const;
    // The legend's texts as drawn, top to bottom; empty while no picture is shown.
    QString LegendText() const;
    vtkActor *Actor() const { return actor; }

private:
    // What it draws: none before the first picture.
    std::vector<vtkProp *> Props() const;

    SharedDeviationPicture picture;
    vtkSmartPointer<vtkPolyDataMapper> mapper;
    vtkSmartPointer<vtkActor> actor;
    vtkSmartPointer<vtkScalarBarActor> bar;
    vtkSmartPointer<vtkTextActor> title;
    vtkSmartPointer<vtkTextActor> top;
    vtkSmartPointer<vtkTextActor> bottom;
};
