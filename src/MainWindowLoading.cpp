// New, Open and the loading of a model file.
#include "MainWindow.h"
#include "ui_MainWindow.h"

void MainWindow::NewSlot()
{
    StopCascade();
    ClearScene();
    readerFailed = false;
    ui->progressBar->hide();
    for (int i = 0; i < 3; ++i) {
        scaleFactor[i] = 1.0;
        rotationAngle[i] = 0.0;
    }
    ResetDecimationActions();
    RenderViews();
}

void MainWindow::OpenFileSlot() {}
void MainWindow::LoadModel(const QString &, const QString &) {}
void MainWindow::readerError(vtkObject *, unsigned long) {}
