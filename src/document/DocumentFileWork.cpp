#include "DocumentFileWork.h"

#include <QThread>

namespace {

// The OBJ reader keeps a 256 KiB line buffer on the stack.
constexpr uint FileWorkStackSize = 8u << 20;

} // namespace

QThread *RunFileWork(QObject *receiver, std::function<void()> work, std::function<void()> done)
{
    QThread *thread = QThread::create(std::move(work));
    thread->setObjectName(QStringLiteral("file work"));
    thread->setStackSize(FileWorkStackSize);
    QObject::connect(thread, &QThread::finished, receiver, std::move(done));
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    return thread;
}
