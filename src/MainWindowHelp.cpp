// The help page of the Help menu.
#include "MainWindow.h"

void MainWindow::ContentSlot()
{
}
