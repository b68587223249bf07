#include "DocumentFileWork.h"

#include <QThread>

#include <memory>

namespace {

// The OBJ reader keeps a 256 KiB line buffer on the stack.
constexpr uint FileWorkStackSize = 8u << 20;

} // namespace

QThread *RunFileWork(QObject *receiver, std::function<void()> work, std::function<void()> done)
{
    auto shared = std::make_shared<std::function<void()>>(std::move(work));
    QThread *thread = QThread::create([shared] { (*shared)(); });
    thread->setObjectName(QStringLiteral("file work"));
    thread->setStackSize(FileWorkStackSize);
    QObject::connect(thread, &QThread::finished, receiver, done);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    if (thread->isRunning() || thread->isFinished())
        return thread;
    // The system gave no thread (short of memory or of threads): the work runs here, and its
    // end is told as it would have been.
    delete thread;
    (*shared)();
    QMetaObject::invokeMethod(receiver, std::move(done), Qt::QueuedConnection);
    return nullptr;
}
