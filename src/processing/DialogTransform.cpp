#include "processing/DialogTransform.h"

DialogTransform::DialogTransform(MainWindow *mainWindow, QWidget *parent) : QDialog(parent), mainWindow(mainWindow) {}

DialogTransform::~DialogTransform() = default;
