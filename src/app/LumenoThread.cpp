#include "LumenoThread.h"

#include "MainWindow.h"

LumenoThread::LumenoThread(MainWindow *owner) : owner(owner) {}

LumenoThread::~LumenoThread() = default;

void LumenoThread::run()
{
    owner->ComputeDecimationLevels();
}
