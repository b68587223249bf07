// Preview of the scale and rotation edited in the transform dialog.
#include "MainWindow.h"

#include "dialogs/DialogTransform.h"
#include "mesh/ModelTransform.h"

#include <vtkTransform.h>

void MainWindow::MakeTransformSlot()
{
    // A model without points has no bounds to size.
    if (!shownModel || shownModel->GetNumberOfPoints() == 0)
        return;
    double bounds[6];
    shownModel->GetPoints()->GetBounds(bounds);
    modelBounds.SetBounds(bounds);

    auto *dialog = new DialogTransform(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The dialog is a top-level window of its own; it must not outlive the state it edits.
    connect(this, &QObject::destroyed, dialog, &QWidget::close);
    dialog->show();
}

void MainWindow::ApplyModelTransform()
{
    vtkSmartPointer<vtkTransform> transform = lumeno::MakeModelTransform(scaleFactor, rotationAngle);
    for (vtkActor *actor : {actorOriginal.Get(), actorDecimated.Get()})
        if (actor)
            actor->SetUserTransform(transform);
    RenderViews();
}
