// The level cascade, the custom and by-error reductions, and smoothing.
#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "processing/LumenoThread.h"

#include <vtkPolyData.h>

void MainWindow::ComputeDecimationLevels() {}
void MainWindow::StopCascade() {}
bool MainWindow::IsCascadeRunning() const { return false; }
void MainWindow::DecimateModel(vtkSmartPointer<vtkPolyData>, vtkPolyData *, double) {}
void MainWindow::DecimateByError(double) {}
void MainWindow::ShowLevel(int) {}
void MainWindow::Decimation01() {}
void MainWindow::Decimation001() {}
void MainWindow::Decimation0001() {}
void MainWindow::DecimationByError() {}
void MainWindow::Decimation10() {}
void MainWindow::Decimation20() {}
void MainWindow::Decimation30() {}
void MainWindow::Decimation40() {}
void MainWindow::Decimation50() {}
void MainWindow::Decimation60() {}
void MainWindow::Decimation70() {}
void MainWindow::Decimation80() {}
void MainWindow::Decimation90() {}
void MainWindow::Decimation100() {}
void MainWindow::DecimationByPercentSlot() {}
void MainWindow::DecimationFinishedSlot() {}
void MainWindow::MakeSmoothSlot() {}
void MainWindow::SmoothingFinishedSlot() {}
