// Save as and snapshots.
#include "MainWindow.h"

#include <vtkRenderWindow.h>

void MainWindow::SaveFileSlot() {}
void MainWindow::SaveModel(const QString &, const QString &) {}
void MainWindow::MakeSnapshotSlot() {}
void MainWindow::WriteSnapshot(const char *, vtkSmartPointer<vtkRenderWindow>) {}
