// Preview of the scale and rotation edited in the transform dialog.
#include "MainWindow.h"

void MainWindow::MakeTransformSlot() {}
void MainWindow::ApplyModelTransform() {}
