// The transform dialog, previewing the scale and rotation on both views.
#include "MainWindow.h"

#include "dialogs/DialogTransform.h"

#include <vtkBoundingBox.h>

void MainWindow::OpenTransformDialog()
{
    // A model without points has no bounds to size.
    vtkPolyData *model = document->Shown().model;
    if (!model || model->GetNumberOfPoints() == 0)
        return;
    double bounds[6];
    model->GetPoints()->GetBounds(bounds);

    auto *dialog = new DialogTransform(document.get(), vtkBoundingBox(bounds), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &DialogTransform::TransformSettled, this, &MainWindow::RecordTransform);
    dialog->show();
}
