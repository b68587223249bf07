// The two views: renderers, info panels and the size labels of the level buttons.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "mesh/DecimationLevels.h"

#include <QImage>
#include <QLabel>

#include <vtkAbstractArray.h>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkAxesActor.h>
#include <vtkCellData.h>
#include <vtkEventQtSlotConnect.h>
#include <vtkGenericOpenGLRenderWindow.h>
#include <vtkImageData.h>
#include <vtkImageMapper.h>
#include <vtkInteractorStyleTrackballCamera.h>
#include <vtkOrientationMarkerWidget.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkProperty2D.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkRenderer.h>
#include <vtkTextActor.h>
#include <vtkTextProperty.h>
#include <vtkUnsignedCharArray.h>

#include <cstring>

namespace {

// Decodes the embedded panel picture straight into a VTK image (no temporary file).
vtkSmartPointer<vtkImageData> ImageFromResource(const QString &path)
{
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGBA8888);
    auto data = vtkSmartPointer<vtkImageData>::New();
    if (image.isNull())
        return data;
    data->SetDimensions(image.width(), image.height(), 1);
    data->AllocateScalars(VTK_UNSIGNED_CHAR, 4);
    auto *pixels = static_cast<unsigned char *>(data->GetScalarPointer());
    const int rowBytes = image.width() * 4;
    // VTK rows run bottom-up, QImage rows top-down.
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(pixels + static_cast<size_t>(y) * rowBytes, image.constScanLine(image.height() - 1 - y),
                    rowBytes);
    return data;
}

vtkSmartPointer<vtkTextActor> MakeText(const QString &text, int fontSize, double x, double y, bool rightJustified)
{
    auto actor = vtkSmartPointer<vtkTextActor>::New();
    actor->SetInput(text.toUtf8().constData());
    vtkTextProperty *property = actor->GetTextProperty();
    property->SetFontSize(fontSize);
    property->BoldOn();
    property->SetColor(1.0, 1.0, 1.0);
    if (rightJustified)
        property->SetJustificationToRight();
    actor->GetProperty()->SetColor(1.0, 1.0, 1.0);
    actor->SetDisplayPosition(static_cast<int>(x), static_cast<int>(y));
    return actor;
}

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

} // namespace

vtkRenderWindow *MainWindow::OriginalRenderWindow() const
{
    return ui->vtkOriginalWindow->renderWindow();
}

vtkRenderWindow *MainWindow::DecimatedRenderWindow() const
{
    return ui->vtkDecimatedWindow->renderWindow();
}

void MainWindow::CreateInfoPanel()
{
    const vtkSmartPointer<vtkImageData> panel = ImageFromResource(QStringLiteral(":/Other/info_background"));
    // One mapper per view: a mapper keeps the picture as a texture of the one OpenGL
    // context it last drew in, and each view has its own context.
    auto makePanelActor = [&panel] {
        auto mapper = vtkSmartPointer<vtkImageMapper>::New();
        mapper->SetInputData(panel);
        mapper->SetColorWindow(255.0);
        mapper->SetColorLevel(127.5);
        auto actor = vtkSmartPointer<vtkActor2D>::New();
        actor->SetMapper(mapper);
        return actor;
    };
    logoActorOriginal = makePanelActor();
    logoActorDecimated = makePanelActor();
}

void MainWindow::CreateRenderers()
{
    ui->vtkOriginalWindow->setRenderWindow(vtkSmartPointer<vtkGenericOpenGLRenderWindow>::New());
    ui->vtkDecimatedWindow->setRenderWindow(vtkSmartPointer<vtkGenericOpenGLRenderWindow>::New());

    vtkConnections->Connect(OriginalRenderWindow(), vtkCommand::ModifiedEvent, this,
                            SLOT(resizeEvent(vtkObject *, unsigned long)));
    vtkConnections->Connect(DecimatedRenderWindow(), vtkCommand::ModifiedEvent, this,
                            SLOT(resizeEvent(vtkObject *, unsigned long)));
    // The end of a drag or wheel step is raised by the interaction style, not by the
    // interactor; the style switch VTK installs by default raises nothing itself, so
    // both views get the camera style it would have chosen.
    for (vtkRenderWindow *window : {OriginalRenderWindow(), DecimatedRenderWindow()})
        window->GetInteractor()->SetInteractorStyle(vtkSmartPointer<vtkInteractorStyleTrackballCamera>::New());
    vtkConnections->Connect(OriginalRenderWindow()->GetInteractor()->GetInteractorStyle(),
                            vtkCommand::EndInteractionEvent, this,
                            SLOT(processEventOriginal(vtkObject *, unsigned long)));
    vtkConnections->Connect(DecimatedRenderWindow()->GetInteractor()->GetInteractorStyle(),
                            vtkCommand::EndInteractionEvent, this,
                            SLOT(processEventDecimated(vtkObject *, unsigned long)));

    rendererOriginal = vtkSmartPointer<vtkRenderer>::New();
    rendererDecimated = vtkSmartPointer<vtkRenderer>::New();
    for (vtkRenderer *renderer : {rendererOriginal.Get(), rendererDecimated.Get()})
        renderer->GradientBackgroundOn();
    ApplyBackgroundColors();
    OriginalRenderWindow()->AddRenderer(rendererOriginal);
    DecimatedRenderWindow()->AddRenderer(rendererDecimated);

    CreateOrientationMarker();
    OriginalRenderWindow()->Render();
    DecimatedRenderWindow()->Render();
}

void MainWindow::ApplyBackgroundColors()
{
    for (vtkRenderer *renderer : {rendererOriginal.Get(), rendererDecimated.Get()}) {
        if (!renderer)
            continue;
        renderer->SetBackground2(backgroundTopColor);
        renderer->SetBackground(backgroundBottomColor);
    }
}

void MainWindow::CreateOrientationMarker()
{
    auto axes = vtkSmartPointer<vtkAxesActor>::New();
    orientationMarker = vtkSmartPointer<vtkOrientationMarkerWidget>::New();
    orientationMarker->SetOutlineColor(0.93, 0.57, 0.13);
    orientationMarker->SetOrientationMarker(axes);
    orientationMarker->SetInteractor(OriginalRenderWindow()->GetInteractor());
    orientationMarker->SetViewport(0.0, 0.0, 0.2, 0.2);
    orientationMarker->SetEnabled(1);
    orientationMarker->InteractiveOff();
}

void MainWindow::RenderViews()
{
    OriginalRenderWindow()->Render();
    DecimatedRenderWindow()->Render();
}

void MainWindow::ResetViews()
{
    for (vtkRenderer *renderer : {rendererOriginal.Get(), rendererDecimated.Get()}) {
        renderer->ResetCameraClippingRange();
        renderer->ResetCamera();
    }
    RenderViews();
}

void MainWindow::ShowDecimatedModel(vtkSmartPointer<vtkPolyData> model)
{
    ui->progressBar->hide();
    // At the end of the cascade the right view switches from the copy made at the load to
    // the loaded model itself: the same arrays, so nothing to upload and draw again.
    const bool alreadyDrawn = mapperDecimated && mapperDecimated->GetInput() != model &&
                              SharesDrawnArrays(mapperDecimated->GetInput(), model);
    shownModel = model;
    if (alreadyDrawn)
        return;
    if (mapperDecimated) {
        mapperDecimated->SetInputData(shownModel);
        mapperDecimated->Update();
    }
    // Only the right view changed: drawing a large model again in the left one as well
    // costs seconds with software OpenGL, all of it on the GUI thread.
    DecimatedRenderWindow()->Render();
}

void MainWindow::ShowModelInBothViews()
{
    workingModel = vtkSmartPointer<vtkPolyData>::New();
    workingModel->ShallowCopy(loadedModel);

    mapperOriginal = vtkSmartPointer<vtkPolyDataMapper>::New();
    mapperOriginal->SetInputData(loadedModel);
    mapperDecimated = vtkSmartPointer<vtkPolyDataMapper>::New();
    mapperDecimated->SetInputData(workingModel);

    actorOriginal = vtkSmartPointer<vtkActor>::New();
    actorOriginal->SetMapper(mapperOriginal);
    actorDecimated = vtkSmartPointer<vtkActor>::New();
    actorDecimated->SetMapper(mapperDecimated);
    rendererOriginal->AddActor(actorOriginal);
    rendererDecimated->AddActor(actorDecimated);
    actorOriginal->GetProperty()->SetColor(modelColor);
    actorDecimated->GetProperty()->SetColor(modelColor);

    rendererOriginal->ResetCamera();
    rendererDecimated->ResetCamera();
}

void MainWindow::ClearScene()
{
    if (actorOriginal)
        rendererOriginal->RemoveActor(actorOriginal);
    if (actorDecimated)
        rendererDecimated->RemoveActor(actorDecimated);
    if (rendererOriginal) {
        for (vtkProp *prop : {static_cast<vtkProp *>(labelActorOriginal), static_cast<vtkProp *>(facesActorOriginal),
                              static_cast<vtkProp *>(verticesActorOriginal),
                              static_cast<vtkProp *>(logoActorOriginal)})
            rendererOriginal->RemoveActor(prop);
        loadedModel = nullptr;
    }
    if (rendererDecimated) {
        for (vtkProp *prop :
             {static_cast<vtkProp *>(labelActorDecimated), static_cast<vtkProp *>(facesActorDecimated),
              static_cast<vtkProp *>(verticesActorDecimated), static_cast<vtkProp *>(logoActorDecimated)})
            rendererDecimated->RemoveActor(prop);
        shownModel = nullptr;
    }
}

void MainWindow::UpdateOriginalOverlay()
{
    rendererOriginal->RemoveActor(labelActorOriginal);
    rendererOriginal->RemoveActor(facesActorOriginal);
    rendererOriginal->RemoveActor(verticesActorOriginal);
    rendererOriginal->RemoveActor(logoActorOriginal);

    const int height = ui->vtkOriginalWindow->height();
    logoActorOriginal->SetPosition(10, height - 57);
    rendererOriginal->AddActor(logoActorOriginal);

    labelActorOriginal = MakeText(QStringLiteral("100%"), 36, 17, height - 47, false);
    rendererOriginal->AddActor(labelActorOriginal);
    facesActorOriginal = MakeText(QStringLiteral("F %L1").arg(static_cast<qlonglong>(loadedModel->GetNumberOfPolys())),
                                  14, 195, height - 31, true);
    rendererOriginal->AddActor(facesActorOriginal);
    verticesActorOriginal = MakeText(
        QStringLiteral("V %L1").arg(static_cast<qlonglong>(loadedModel->GetNumberOfPoints())), 14, 195, height - 48, true);
    rendererOriginal->AddActor(verticesActorOriginal);

    OriginalRenderWindow()->Render();
}

void MainWindow::UpdateDecimatedOverlay(const char *label, long long faces, long long vertices)
{
    rendererDecimated->RemoveActor(labelActorDecimated);
    rendererDecimated->RemoveActor(facesActorDecimated);
    rendererDecimated->RemoveActor(verticesActorDecimated);
    rendererDecimated->RemoveActor(logoActorDecimated);

    currentLabel = QString::fromUtf8(label);
    const int height = ui->vtkDecimatedWindow->height();
    logoActorDecimated->SetPosition(10, height - 57);
    rendererDecimated->AddActor(logoActorDecimated);

    labelActorDecimated = MakeText(currentLabel, 36, 17, height - 47, false);
    rendererDecimated->AddActor(labelActorDecimated);
    facesActorDecimated = MakeText(QStringLiteral("F %L1").arg(faces), 14, 195, height - 31, true);
    rendererDecimated->AddActor(facesActorDecimated);
    verticesActorDecimated = MakeText(QStringLiteral("V %L1").arg(vertices), 14, 195, height - 48, true);
    rendererDecimated->AddActor(verticesActorDecimated);

    DecimatedRenderWindow()->Render();
}

void MainWindow::resizeEvent(vtkObject *, unsigned long)
{
    resizeEvent(static_cast<QResizeEvent *>(nullptr));
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    if (event)
        QMainWindow::resizeEvent(event);
    // Rendering modifies the render windows, whose ModifiedEvent lands here again.
    if (rebuildingOverlays)
        return;
    rebuildingOverlays = true;
    if (rendererOriginal && loadedModel)
        UpdateOriginalOverlay();
    if (rendererDecimated && shownModel)
        UpdateDecimatedOverlay(currentLabel.toStdString().c_str(), shownModel->GetNumberOfPolys(),
                               shownModel->GetNumberOfPoints());
    rebuildingOverlays = false;
}

QAction *MainWindow::LevelAction(int percent) const
{
    switch (percent) {
    case 10: return ui->actionDecimation10;
    case 20: return ui->actionDecimation20;
    case 30: return ui->actionDecimation30;
    case 40: return ui->actionDecimation40;
    case 50: return ui->actionDecimation50;
    case 60: return ui->actionDecimation60;
    case 70: return ui->actionDecimation70;
    case 80: return ui->actionDecimation80;
    case 90: return ui->actionDecimation90;
    case 100: return ui->actionDecimation100;
    default: return nullptr;
    }
}

void MainWindow::changeButton(double reduction)
{
    const int step = lumeno::CascadeStepForReduction(reduction);
    if (step < 0)
        return;
    const lumeno::DecimationLevel &level = lumeno::DecimationCascade[step];
    QAction *action = LevelAction(level.percent);
    action->setText(QStringLiteral("%1MB").arg(static_cast<double>(modelSizeMB) * level.sizeFraction));
    action->setEnabled(true);
}

void MainWindow::ResetDecimationActions()
{
    for (int percent = 10; percent <= 100; percent += 10)
        LevelAction(percent)->setText(QString());
    for (QAction *action : {ui->actionDecimation01, ui->actionDecimation001, ui->actionDecimation0001,
                            ui->actionDecimationByError})
        action->setText(QString());
    for (int percent = 10; percent <= 100; percent += 10)
        LevelAction(percent)->setEnabled(false);
    for (QAction *action : {ui->actionDecimation01, ui->actionDecimation001, ui->actionDecimation0001,
                            ui->actionDecimationByError, ui->actionDecimationSet})
        action->setEnabled(false);
}

void MainWindow::SetErrorDecimationEnabled(bool enabled)
{
    for (QAction *action : {ui->actionDecimation01, ui->actionDecimation001, ui->actionDecimation0001,
                            ui->actionDecimationByError})
        action->setEnabled(enabled);
}
