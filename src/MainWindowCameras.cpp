// Camera presets, display modes, the link of the right camera to the left one, and the colours.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QColor>

void MainWindow::ViewSlotFront() {}
void MainWindow::ViewSlotSide() {}
void MainWindow::ViewSlotTop() {}
void MainWindow::ViewSlotPers() {}
void MainWindow::Zoom() {}
void MainWindow::DisplayMode() {}
void MainWindow::ColorPicker() {}
void MainWindow::processEventOriginal(vtkObject *, unsigned long) {}
void MainWindow::processEventDecimated(vtkObject *, unsigned long) {}
void MainWindow::colorChanged(QColor) {}
void MainWindow::colorTopChanged(QColor) {}
void MainWindow::colorBottomChanged(QColor) {}
