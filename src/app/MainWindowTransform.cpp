// Preview of the scale and rotation edited in the transform dialog.
#include "MainWindow.h"

#include "DualView.h"
#include "dialogs/DialogTransform.h"
#include "mesh/ModelTransform.h"

#include <vtkBoundingBox.h>
#include <vtkTransform.h>

void MainWindow::MakeTransformSlot()
{
    // The right view shows the loaded model until the levels are done. A model without
    // points has no bounds to size.
    vtkPolyData *model = shownModel ? shownModel.Get() : loadedModel.Get();
    if (!model || model->GetNumberOfPoints() == 0)
        return;
    double bounds[6];
    model->GetPoints()->GetBounds(bounds);

    auto *dialog = new DialogTransform(this, vtkBoundingBox(bounds));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The dialog is a top-level window of its own; it must not outlive the state it edits.
    connect(this, &QObject::destroyed, dialog, &QWidget::close);
    dialog->show();
}

void MainWindow::SetModelTransform(const TransformState &state)
{
    const bool moved = state.scale != modelTransform.scale || state.rotation != modelTransform.rotation;
    modelTransform = state;
    // Drawing a large model again costs seconds with software OpenGL.
    if (moved)
        view->SetModelTransform(lumeno::MakeModelTransform(state.scale.data(), state.rotation.data()));
}
