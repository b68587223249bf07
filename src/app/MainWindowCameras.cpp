// Camera presets, display modes, the link of the right camera to the left one, and the colours.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QColor>
#include <QColorDialog>
#include <QSettings>

#include <vtkCamera.h>
#include <vtkProperty.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>
#include <vtkRendererCollection.h>

namespace {

// Looks at the camera's own focal point from the given offset with the given view-up.
void AimCamera(vtkRenderer *renderer, const double (&offset)[3], const double (&viewUp)[3])
{
    vtkCamera *camera = renderer->GetActiveCamera();
    double focalPoint[3];
    camera->GetFocalPoint(focalPoint);
    camera->SetPosition(focalPoint[0] + offset[0], focalPoint[1] + offset[1], focalPoint[2] + offset[2]);
    camera->SetViewUp(viewUp[0], viewUp[1], viewUp[2]);
}

// Gives the target window's camera the viewpoint of the source window's camera.
void CopyViewpoint(vtkRenderWindow *source, vtkRenderWindow *target)
{
    vtkCamera *from = source->GetRenderers()->GetFirstRenderer()->GetActiveCamera();
    vtkRenderer *renderer = target->GetRenderers()->GetFirstRenderer();
    vtkCamera *to = renderer->GetActiveCamera();
    to->SetPosition(from->GetPosition());
    to->SetFocalPoint(from->GetFocalPoint());
    to->SetRoll(from->GetRoll());
    renderer->ResetCameraClippingRange();
    renderer->SetActiveCamera(to);
    target->Render();
}

void WriteColor(QSettings *settings, const QString &prefix, const double (&color)[3])
{
    settings->setValue(prefix + QStringLiteral("Red"), color[0]);
    settings->setValue(prefix + QStringLiteral("Green"), color[1]);
    settings->setValue(prefix + QStringLiteral("Blue"), color[2]);
    settings->sync();
}

void TakeColor(const QColor &color, double (&target)[3])
{
    target[0] = color.redF();
    target[1] = color.greenF();
    target[2] = color.blueF();
}

} // namespace

void MainWindow::ViewSlotFront()
{
    for (vtkRenderer *renderer : {rendererOriginal.Get(), rendererDecimated.Get()})
        AimCamera(renderer, {0.0, -1.0, 0.0}, {0.0, 0.0, 1.0});
    ResetViews();
}

void MainWindow::ViewSlotSide()
{
    for (vtkRenderer *renderer : {rendererOriginal.Get(), rendererDecimated.Get()})
        AimCamera(renderer, {-1.0, 0.0, 0.0}, {0.0, 0.0, 1.0});
    ResetViews();
}

void MainWindow::ViewSlotTop()
{
    for (vtkRenderer *renderer : {rendererOriginal.Get(), rendererDecimated.Get()})
        AimCamera(renderer, {0.0, 0.0, 1.0}, {0.0, 1.0, 0.0});
    ResetViews();
}

void MainWindow::ViewSlotPers()
{
    for (vtkRenderer *renderer : {rendererOriginal.Get(), rendererDecimated.Get()})
        AimCamera(renderer, {1.0, -1.0, 1.0}, {0.0, 0.0, 1.0});
    ResetViews();
}

void MainWindow::Zoom()
{
    if (!rendererOriginal || !rendererDecimated)
        return;
    rendererOriginal->ResetCamera();
    rendererDecimated->ResetCamera();
    RenderViews();
}

void MainWindow::DisplayMode()
{
    if (!actorOriginal || !actorDecimated)
        return;
    const char *icon = nullptr;
    int representation = 0;
    int next = 0;
    switch (displayMode) {
    case 2:
        icon = ":/ToolbarIcons/display_points";
        representation = VTK_POINTS;
        next = 0;
        break;
    case 0:
        icon = ":/ToolbarIcons/display_wireframe";
        representation = VTK_WIREFRAME;
        next = 1;
        break;
    case 1:
        icon = ":/ToolbarIcons/display_shaded";
        representation = VTK_SURFACE;
        next = 2;
        break;
    default:
        return;
    }
    ui->actionDisplayMode->setIcon(QIcon(QString::fromLatin1(icon)));
    actorOriginal->GetProperty()->SetRepresentation(representation);
    actorDecimated->GetProperty()->SetRepresentation(representation);
    displayMode = next;
    RenderViews();
}

void MainWindow::ColorPicker()
{
    if (!actorOriginal && !actorDecimated)
        return;
    // Each press opens a further dialog. It has no parent, so it must not keep the
    // program running once the main window is closed; it goes when it is answered.
    auto *dialog = new QColorDialog;
    dialog->setAttribute(Qt::WA_QuitOnClose, false);
    connect(dialog, &QColorDialog::colorSelected, this, &MainWindow::colorChanged);
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    dialog->show();
}

void MainWindow::processEventOriginal(vtkObject *, unsigned long)
{
    CopyViewpoint(OriginalRenderWindow(), DecimatedRenderWindow());
}

void MainWindow::processEventDecimated(vtkObject *, unsigned long)
{
    CopyViewpoint(DecimatedRenderWindow(), OriginalRenderWindow());
}

void MainWindow::colorChanged(QColor color)
{
    TakeColor(color, modelColor);
    if (actorOriginal && actorDecimated) {
        actorOriginal->GetProperty()->SetColor(modelColor);
        actorDecimated->GetProperty()->SetColor(modelColor);
        RenderViews();
    }
    WriteColor(settings, QStringLiteral("model"), modelColor);
}

void MainWindow::colorTopChanged(QColor color)
{
    TakeColor(color, backgroundTopColor);
    if (rendererOriginal && rendererDecimated) {
        ApplyBackgroundColors();
        RenderViews();
    }
    WriteColor(settings, QStringLiteral("backgroundTop"), backgroundTopColor);
}

void MainWindow::colorBottomChanged(QColor color)
{
    TakeColor(color, backgroundBottomColor);
    if (rendererOriginal && rendererDecimated) {
        ApplyBackgroundColors();
        RenderViews();
    }
    WriteColor(settings, QStringLiteral("backgroundBottom"), backgroundBottomColor);
}
